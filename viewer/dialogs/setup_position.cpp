#include "setup_position.h"

#include <QByteArrayView>

#include <algorithm>

namespace pavisto {

SetupCells startingCells()
{
    static constexpr char rows[] = "rnbqkbnr"
                                   "pppppppp"
                                   "11111111"
                                   "11111111"
                                   "11111111"
                                   "11111111"
                                   "PPPPPPPP"
                                   "RNBQKBNR";
    SetupCells cells;
    for (int i = 0; i < 64; ++i)
        cells[i] = QLatin1Char(rows[i]);
    return cells;
}

SetupCells emptyCells()
{
    SetupCells cells;
    cells.fill(EmptyCell);
    return cells;
}

QString writeForsyth(const SetupCells &cells, const SetupStatus &status)
{
    QString fen;
    for (int rank = 0; rank < 8; ++rank) {
        if (rank > 0)
            fen += QLatin1Char('/');
        int run = 0;
        for (int file = 0; file < 8; ++file) {
            const QChar code = cells[rank * 8 + file];
            if (code == EmptyCell) {
                ++run;
                continue;
            }
            if (run > 0)
                fen += QString::number(run);
            run = 0;
            fen += code;
        }
        if (run > 0)
            fen += QString::number(run);
    }
    fen += status.whiteOnMove ? QStringLiteral(" w ") : QStringLiteral(" b ");
    QString castling;
    if (status.whiteKingside)
        castling += QLatin1Char('K');
    if (status.whiteQueenside)
        castling += QLatin1Char('Q');
    if (status.blackKingside)
        castling += QLatin1Char('k');
    if (status.blackQueenside)
        castling += QLatin1Char('q');
    fen += castling.isEmpty() ? QStringLiteral("-") : castling;
    fen += QLatin1Char(' ') + status.epSquare + QLatin1Char(' ') + status.fiftyMove + QLatin1Char(' ')
         + status.moveNumber;
    return fen;
}

std::optional<QString> missingKing(const SetupCells &cells)
{
    if (std::find(cells.begin(), cells.end(), QLatin1Char('K')) == cells.end())
        return QStringLiteral("No white king");
    if (std::find(cells.begin(), cells.end(), QLatin1Char('k')) == cells.end())
        return QStringLiteral("No black king");
    return std::nullopt;
}

QString pieceCodeOf(QChar cell)
{
    const char letter = cell.toLatin1();
    if (!QByteArrayView("KQRBNPkqrbnp").contains(letter))
        return QStringLiteral("E");
    const QChar side = cell.isUpper() ? QLatin1Char('W') : QLatin1Char('B');
    const QChar piece = cell.toUpper() == QLatin1Char('P') ? QLatin1Char('p') : cell.toUpper();
    return QString(side) + piece;
}

} // namespace pavisto
