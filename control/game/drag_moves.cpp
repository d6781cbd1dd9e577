#include "game_engine.h"

namespace tolvar {
namespace {

bool isCellIndex(int index)
{
    return index >= 1 && index <= 64;
}

} // namespace

void GameEngine::picBoard_DragOver(int sourceIndex)
{
    if (!isCellIndex(sourceIndex))
        return;
    // ShowPiece with the cell's own code marks it for repainting; the piece stays.
    ShowPiece(sourceIndex, picBoard[sourceIndex].Tag);
    picBoard[sourceIndex].BorderStyle = CellBorder::Single;
    picBoard[sourceIndex].Picture = PieceImage::imgNoImage;
}

void GameEngine::picBoard_DragCancel(int sourceIndex)
{
    if (isCellIndex(sourceIndex) && !picBoard[sourceIndex].Tag.isEmpty())
        restoreSourceCell(sourceIndex);
}

void GameEngine::restoreSourceCell(int sourceIndex)
{
    ShowPiece(sourceIndex, picBoard[sourceIndex].Tag);
    picBoard[sourceIndex].BorderStyle = CellBorder::None;
}

void GameEngine::picBoard_DragDrop(int targetIndex, int sourceIndex)
{
    if (!isCellIndex(sourceIndex) || picBoard[sourceIndex].Tag.isEmpty())
        return;
    // The record has no entry after ply 500: the piece goes back before any rule runs.
    if (!isCellIndex(targetIndex) || Ply < 0 || Ply >= MaxPly) {
        restoreSourceCell(sourceIndex);
        return;
    }

    FromIndex = static_cast<std::int16_t>(sourceIndex);
    FromFile = static_cast<std::int16_t>(fileOfIndex(sourceIndex));
    FromRank = static_cast<std::int16_t>(rankOfIndex(sourceIndex));
    FromSquareName = picBoard[sourceIndex].SquareKey.substr(0, 2);
    FromFileLetter = FromSquareName[0];
    FromFileText.assign(1, FromFileLetter);
    ToIndex = static_cast<std::int16_t>(targetIndex);
    ToFile = static_cast<std::int16_t>(fileOfIndex(targetIndex));
    ToRank = static_cast<std::int16_t>(rankOfIndex(targetIndex));
    ToSquareName = picBoard[targetIndex].SquareKey.substr(0, 2);
    ToFileLetter = ToSquareName[0];

    const PieceCode mover = picBoard[sourceIndex].Tag;
    const PieceCode target = picBoard[targetIndex].Tag;
    MoverColor = mover.color();
    MovePiece = mover.piece();
    TargetColor = target.isEmpty() ? 'E' : target.color();
    TargetPiece = target.isEmpty() ? 'E' : target.piece();

    RightSide = false;
    MoveLegal = false;
    CheckLegalMove();
    finishDrop(targetIndex, sourceIndex);
}

void GameEngine::finishDrop(int targetIndex, int sourceIndex)
{
    const bool moverInCheck = OnMove == 'W' ? WhiteInCheck : BlackInCheck;
    if (RightSide && MoveLegal && !moverInCheck && sourceIndex != targetIndex) {
        // The target takes the piece as the source cell now holds it (promoted or not).
        ShowPiece(targetIndex, picBoard[sourceIndex].Tag);
        ClearSquare(sourceIndex);
        UpdateGameStatus();
        return;
    }

    restoreSourceCell(sourceIndex);
    if (PromotionPending) {
        ShowPiece(sourceIndex, PieceCode(MoverColor, 'p'));
        PromotionPending = false;
    }
    if (EPCaptureMade)
        restoreEnPassantVictim();
    TargetColor = '\0';
    TargetPiece = '\0';
}

void GameEngine::CheckLegalMove()
{
    if (MoverColor != OnMove)
        return;
    RightSide = true;
    if (TargetPiece == 'K') {
        MoveLegal = false;
        return;
    }
    switch (MovePiece) {
    case 'p':
        Pawn();
        if (MoveLegal && ToRank == (OnMove == 'W' ? 8 : 1))
            PromotePiece();
        CheckForCheck();
        break;
    case 'B':
        Bishop();
        CheckForCheck();
        break;
    case 'N':
        Knight();
        CheckForCheck();
        break;
    case 'R':
        Rook();
        CheckForCheck();
        break;
    case 'Q':
        Queen();
        CheckForCheck();
        break;
    case 'K':
        King();
        if (KingsAdjacent == 'Y')
            MoveLegal = false;
        break;
    default:
        break;
    }
}

void GameEngine::PromotePiece()
{
    const char letter = PromotionPiece.empty() ? '\0' : PromotionPiece[0];
    if (letter == 'Q' || letter == 'R' || letter == 'B' || letter == 'N')
        ShowPiece(FromIndex, PieceCode(OnMove, letter));
    PromotionPending = true;
}

} // namespace tolvar
