#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <optional>

namespace pavisto {

// The position setup editor's 64 cells as FEN letters ("K" ... "p"), "1" for an empty
// square. Cell n (1..64) is element n - 1: rank 8 from a to h first, rank 1 last.
using SetupCells = std::array<QChar, 64>;

inline constexpr QChar EmptyCell = QLatin1Char('1');

// The code each palette button 1..13 puts on a cell; button 13 is the eraser.
inline constexpr std::array<char, 13> PaletteCodes = {'K', 'Q', 'R', 'B', 'N', 'P', 'k', 'q', 'r', 'b', 'n', 'p', '1'};

SetupCells startingCells();
SetupCells emptyCells();

// What the editor's controls say besides the pieces. The three texts go into the FEN
// exactly as typed.
struct SetupStatus {
    bool whiteOnMove = true;
    bool whiteKingside = true;
    bool whiteQueenside = true;
    bool blackKingside = true;
    bool blackQueenside = true;
    QString epSquare = QStringLiteral("-");
    QString fiftyMove = QStringLiteral("0");
    QString moveNumber = QStringLiteral("1");
};

// The FEN text of the cells and the status: runs of empty cells counted per rank,
// side, castling ("-" when none), then the three texts.
QString writeForsyth(const SetupCells &cells, const SetupStatus &status);

// "No white king" or "No black king" when a side has no king; several are accepted.
std::optional<QString> missingKing(const SetupCells &cells);

// The board control's piece code of a FEN letter ("K" -> "WK", "p" -> "Bp"), "E" for
// an empty cell.
QString pieceCodeOf(QChar cell);

} // namespace pavisto
