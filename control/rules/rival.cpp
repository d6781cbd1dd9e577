#include "rules_engine.h"

namespace tolvar {

// The rival test, run after a move made by dragging and before its SAN is written: can
// another piece of the mover's kind make the same move? The cells already show the move.
void RulesEngine::CheckOtherPiece()
{
    RivalTargetFile = ToFile;
    RivalTargetRank = ToRank;
    RivalSameFile = 'N';
    if (!onBoard(ToFile, ToRank))
        return;
    const int destination = squareIndex(ToFile, ToRank);
    for (int index = 1; index <= 64; ++index) {
        // The moved piece itself now stands on the destination and is no rival.
        if (picBoard[index].Tag != RivalPieceCode || index == FromIndex || index == destination)
            continue;
        RivalFile = static_cast<std::int16_t>(fileOfIndex(index));
        RivalRank = static_cast<std::int16_t>(rankOfIndex(index));
        rivalMovementTest(MovePiece);
    }
}

void RulesEngine::rivalMovementTest(char piece)
{
    switch (piece) {
    case 'Q': CheckOtherQueen(); break;
    case 'R': CheckOtherRook(); break;
    case 'B': CheckOtherBishop(); break;
    case 'N': CheckOtherKnight(); break;
    default: break;
    }
}

void RulesEngine::CheckOtherQueen()
{
    rivalReaches('Q');
}

void RulesEngine::CheckOtherRook()
{
    rivalReaches('R');
}

void RulesEngine::CheckOtherBishop()
{
    rivalReaches('B');
}

void RulesEngine::CheckOtherKnight()
{
    rivalReaches('N');
}

// When the rival on (RivalFile, RivalRank) can reach the destination by the piece rule
// and would not leave its king attacked doing so, it counts.
void RulesEngine::rivalReaches(char piece)
{
    if (!onBoard(RivalFile, RivalRank) || !onBoard(RivalTargetFile, RivalTargetRank) || TargetColor == MoverColor
        || !Board.reaches(piece, RivalFile, RivalRank, RivalTargetFile, RivalTargetRank))
        return;
    for (int index = 1; index <= 64; ++index)
        TrialBoard.atIndex(index) = picBoard[index].Tag;
    TrialBoard(RivalTargetRank, RivalTargetFile) = RivalPieceCode;
    TrialBoard(RivalRank, RivalFile) = EmptyCode;
    EvaluatePositionForCheck();
    if (TrialInCheck)
        return;
    RivalCanReach = true;
    if (RivalFile == FromFile)
        RivalSameFile = 'Y';
}

} // namespace tolvar
