#pragma once

#include <QPixmap>
#include <QString>

namespace tolvar {

// Side of a piece image in logical pixels.
inline constexpr int PieceImageSize = 32;

// The image of a piece code ("WK", "WQ", "WR", "WB", "WN", "Wp", "BK" ... "Bp"), 32 x 32
// logical pixels with transparent surroundings, drawn for the device pixel ratio so it
// stays crisp on high-density screens. "E" and any unknown code give the blank image
// (imgNoImage, wholly transparent). Images are cached per code and ratio.
QPixmap pieceImage(const QString &pieceCode, qreal devicePixelRatio = 1.0);

// The resource name of the image of a piece code: "imgWKing" ... "imgBpawn", "imgNoImage".
QString pieceImageName(const QString &pieceCode);

} // namespace tolvar
