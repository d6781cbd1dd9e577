#include "piece_images.h"

#include <QFile>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <optional>

namespace tolvar {
namespace {

struct PieceKind {
    QChar letter;       // second letter of the piece code
    const char *name;   // as in imgWKing, imgBNight
    char16_t outline;   // the white chess glyph: outline and inner details
    char16_t solid;     // the black chess glyph: the filled figure
};

constexpr PieceKind Kinds[] = {
    {u'K', "King", u'\u2654', u'\u265A'},  {u'Q', "Queen", u'\u2655', u'\u265B'},
    {u'R', "Rook", u'\u2656', u'\u265C'},  {u'B', "Bishop", u'\u2657', u'\u265D'},
    {u'N', "Night", u'\u2658', u'\u265E'}, {u'p', "pawn", u'\u2659', u'\u265F'},
};

const QColor Ink(0x18, 0x18, 0x18);
const QColor Paper(0xFF, 0xFF, 0xFF);
const QColor RimColor(0xF0, 0xF0, 0xF0, 0xB0);

// Glyph outlines are taken at a large size and scaled down, so that every image is
// drawn as a vector path at the target resolution.
constexpr qreal GlyphPixelSize = 200.0;
// The king, the tallest piece, fills this much of the image; the rest keep its scale.
constexpr qreal FigureHeight = 29.0;
constexpr qreal Baseline = 30.5;

std::optional<PieceKind> kindOf(const QString &pieceCode)
{
    if (pieceCode.size() != 2 || (pieceCode[0] != u'W' && pieceCode[0] != u'B'))
        return std::nullopt;
    for (const PieceKind &kind : Kinds) {
        if (kind.letter == pieceCode[1])
            return kind;
    }
    return std::nullopt;
}

bool hasChessGlyphs(const QRawFont &font)
{
    if (!font.isValid())
        return false;
    for (const PieceKind &kind : Kinds) {
        if (!font.supportsCharacter(QChar(kind.outline)) || !font.supportsCharacter(QChar(kind.solid)))
            return false;
    }
    return true;
}

// The font embedded in the control, else a system font that has the chess glyphs.
const QRawFont &glyphFont()
{
    static const QRawFont font = [] {
        QFile embedded(QStringLiteral(":/tolvar/piecefont.ttf"));
        if (embedded.open(QIODevice::ReadOnly)) {
            QRawFont raw(embedded.readAll(), GlyphPixelSize);
            if (hasChessGlyphs(raw))
                return raw;
        }
        for (const char *family : {"DejaVu Sans", "FreeSerif", "Noto Sans Symbols2", "Symbola"}) {
            QFont candidate(QString::fromLatin1(family));
            candidate.setPixelSize(int(GlyphPixelSize));
            QRawFont raw = QRawFont::fromFont(candidate);
            if (hasChessGlyphs(raw))
                return raw;
        }
        return QRawFont();
    }();
    return font;
}

QPainterPath glyphPath(const QRawFont &font, char16_t character)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(QString(QChar(character)));
    return glyphs.isEmpty() ? QPainterPath() : font.pathForGlyph(glyphs.front());
}

// Fits the figure into the image: one scale for all pieces (set by the king), each
// figure centred horizontally and standing on the same baseline.
QTransform placement(const QRawFont &font, const QPainterPath &solid)
{
    const qreal kingHeight = glyphPath(font, Kinds[0].solid).boundingRect().height();
    const qreal scale = kingHeight > 0 ? FigureHeight / kingHeight : 1.0;
    const QRectF bounds = solid.boundingRect();
    QTransform transform;
    transform.translate(PieceImageSize / 2.0, Baseline);
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.bottom());
    return transform;
}

// Every contour of the path filled on its own: the figure without its inner holes.
QPainterPath silhouette(const QPainterPath &path)
{
    // Holes run against the outer contour, so adding them to one path would keep them;
    // uniting the contours one by one fills them.
    QPainterPath filled;
    for (const QPolygonF &contour : path.toSubpathPolygons()) {
        QPainterPath part;
        part.addPolygon(contour);
        filled = filled.united(part);
    }
    return filled;
}

void drawFromGlyphs(QPainter &painter, const QRawFont &font, const PieceKind &kind, bool white)
{
    const QPainterPath solid = glyphPath(font, kind.solid);
    painter.setTransform(placement(font, solid), true);
    // White: a white body under the outline glyph's dark lines. Black: the dark figure
    // over a light body, so its inner lines read light on any square colour; a light
    // rim keeps it readable on dark squares.
    const QPainterPath body = silhouette(solid);
    painter.setPen(white ? Qt::NoPen : QPen(RimColor, 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Paper);
    painter.drawPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawPath(white ? glyphPath(font, kind.outline) : solid);
}

// Without any chess font: a disc with the piece letter, still telling the pieces apart.
void drawFallback(QPainter &painter, const PieceKind &kind, bool white)
{
    const QRectF disc(3.5, 3.5, 25, 25);
    painter.setPen(QPen(Ink, 1.5));
    painter.setBrush(white ? Paper : Ink);
    painter.drawEllipse(disc);
    QFont font;
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(white ? Ink : Paper);
    painter.drawText(disc, Qt::AlignCenter, kind.letter == u'p' ? QStringLiteral("P") : QString(kind.letter));
}

QPixmap drawPiece(const QString &pieceCode, qreal ratio)
{
    QPixmap pixmap(QSize(PieceImageSize, PieceImageSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    const auto kind = kindOf(pieceCode);
    if (!kind)
        return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool white = pieceCode[0] == u'W';
    if (const QRawFont &font = glyphFont(); font.isValid())
        drawFromGlyphs(painter, font, *kind, white);
    else
        drawFallback(painter, *kind, white);
    return pixmap;
}

} // namespace

QPixmap pieceImage(const QString &pieceCode, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QString code = kindOf(pieceCode) ? pieceCode : QStringLiteral("E");
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1@%2").arg(code).arg(ratio);
    auto found = cache.constFind(key);
    if (found == cache.constEnd())
        found = cache.insert(key, drawPiece(code, ratio));
    return *found;
}

QString pieceImageName(const QString &pieceCode)
{
    const auto kind = kindOf(pieceCode);
    if (!kind)
        return QStringLiteral("imgNoImage");
    return QStringLiteral("img%1%2").arg(pieceCode[0]).arg(QLatin1String(kind->name));
}

} // namespace tolvar
