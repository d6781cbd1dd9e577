#include "rules_engine.h"

#include "platform/busy_pointer.h"

namespace tolvar {

PieceImage imageForCode(PieceCode code)
{
    int base = 0;
    if (code.color() == 'W')
        base = static_cast<int>(PieceImage::imgWKing);
    else if (code.color() == 'B')
        base = static_cast<int>(PieceImage::imgBKing);
    else
        return PieceImage::imgNoImage;
    switch (code.piece()) {
    case 'K': return static_cast<PieceImage>(base);
    case 'Q': return static_cast<PieceImage>(base + 1);
    case 'R': return static_cast<PieceImage>(base + 2);
    case 'B': return static_cast<PieceImage>(base + 3);
    case 'N': return static_cast<PieceImage>(base + 4);
    case 'p': return static_cast<PieceImage>(base + 5);
    default: return PieceImage::imgNoImage;
    }
}

void RulesEngine::BuildSquares()
{
    platform::BusyPointer busy;
    std::int32_t x = CellMarginTwips;
    std::int32_t y = CellMarginTwips;
    bool toggle = false;
    int k = 1;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            SquareCell &cell = picBoard[k];
            cell.BackColor = toggle ? InitialDarkColor : InitialLightColor;
            cell.Left = x;
            cell.Top = y;
            cell.Visible = true;
            markChanged(k);
            ++k;
            toggle = !toggle;
            x += CellSizeTwips;
        }
        toggle = !toggle;
        x = CellMarginTwips;
        y += CellSizeTwips;
    }
    for (int index = 1; index <= 64; ++index) {
        const int file = fileOfIndex(index);
        const int rank = rankOfIndex(index);
        std::string &key = picBoard[index].SquareKey;
        key.clear();
        key += fileLetter(file);
        key += rankDigit(rank);
        key += '-';
        key += rankDigit(file);
        key += '-';
        key += rankDigit(rank);
        key += '-';
        key += std::to_string(index);
    }
}

void RulesEngine::PlaceStartingPieces()
{
    static constexpr char backRank[] = {'R', 'N', 'B', 'Q', 'K', 'B', 'N', 'R'};
    setCellsVisible(false);
    for (int i = 0; i < 8; ++i) {
        ShowPiece(1 + i, PieceCode('B', backRank[i]));
        ShowPiece(9 + i, PieceCode('B', 'p'));
    }
    for (int i = 0; i < 8; ++i) {
        ShowPiece(57 + i, PieceCode('W', backRank[i]));
        ShowPiece(49 + i, PieceCode('W', 'p'));
    }
    for (int index = 17; index <= 48; ++index)
        ClearSquare(index);
    setCellsVisible(true);
}

void RulesEngine::setCellsVisible(bool visible)
{
    for (int index = 1; index <= 64; ++index)
        picBoard[index].Visible = visible;
    m_changedCells = ~std::uint64_t{0};
}

void RulesEngine::ShowPiece(int index, PieceCode code)
{
    if (index < 1 || index > 64)
        return;
    SquareCell &cell = picBoard[index];
    cell.Picture = cell.DragIcon = imageForCode(code);
    cell.DragMode = DragMode::Automatic;
    cell.Tag = code;
    markChanged(index);
}

void RulesEngine::ClearSquare(int index)
{
    if (index < 1 || index > 64)
        return;
    SquareCell &cell = picBoard[index];
    cell.Picture = cell.DragIcon = PieceImage::imgNoImage;
    cell.DragMode = DragMode::Manual;
    cell.BorderStyle = CellBorder::None;
    cell.Tag = EmptyCode;
    markChanged(index);
}

void RulesEngine::TransferPiece(int fromIndex, int toIndex)
{
    if (fromIndex < 1 || fromIndex > 64 || toIndex < 1 || toIndex > 64)
        return;
    const SquareCell &from = picBoard[fromIndex];
    SquareCell &to = picBoard[toIndex];
    to.Picture = from.Picture;
    to.DragIcon = from.DragIcon;
    to.Tag = from.Tag;
    to.DragMode = DragMode::Automatic;
    markChanged(toIndex);
    ClearSquare(fromIndex);
}

} // namespace tolvar
