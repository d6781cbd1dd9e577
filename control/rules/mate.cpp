#include "rules_engine.h"

#include <cstdlib>

namespace tolvar {
namespace {

struct Step {
    int file;
    int rank;
};
constexpr Step kingSteps[] = {{0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}};

} // namespace

void RulesEngine::BlackBlocksCheck()
{
    blocksCheck('B');
}

void RulesEngine::WhiteBlocksCheck()
{
    blocksCheck('W');
}

// Looks for a piece of `defender` other than the king that can go to (CheckerFile,
// CheckerRank) without leaving its king on (TestFile, TestRank) attacked. The defender is
// lifted off its square for the trial, so a pinned piece fails.
void RulesEngine::blocksCheck(char defender)
{
    if (!onBoard(CheckerFile, CheckerRank))
        return;
    const char attacker = otherSide(defender);
    const int targetFile = CheckerFile;
    const int targetRank = CheckerRank;
    const PieceCode targetCode = Board(targetRank, targetFile);
    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            const PieceCode code = Board(rank, file);
            if (code.color() != defender || code.piece() == 'K')
                continue;
            const char piece = code.piece();
            if (piece != 'Q' && piece != 'R' && piece != 'B' && piece != 'p' && piece != 'N')
                continue;
            RivalFile = static_cast<std::int16_t>(file);
            RivalRank = static_cast<std::int16_t>(rank);
            RivalTargetFile = static_cast<std::int16_t>(targetFile);
            RivalTargetRank = static_cast<std::int16_t>(targetRank);
            Board(rank, file) = EmptyCode;
            DefenderColor = defender;
            reachTest(piece);
            if (ReachResult == 'Y') {
                Board(targetRank, targetFile) = code;
                const bool kingAttacked = isAttacked(Board, TestFile, TestRank, attacker);
                SquareAttacked = kingAttacked;
                Board(rank, file) = code;
                Board(targetRank, targetFile) = targetCode;
                if (!kingAttacked) {
                    BlockFound = true;
                    return;
                }
            } else {
                Board(rank, file) = code;
            }
        }
    }
}

// The pawn on (ToFile, ToRank) has just made a double step and gives check: can a pawn of
// `defender` take it en passant without leaving its king attacked?
bool RulesEngine::enPassantAnswersCheck(char defender)
{
    const int captureFile = fileOfIndex(m_trialEnPassantIndex);
    const int captureRank = rankOfIndex(m_trialEnPassantIndex);
    const PieceCode pawn(defender, 'p');
    const PieceCode checker = Board(ToRank, ToFile);
    for (const int file : {ToFile - 1, ToFile + 1}) {
        if (Board.safeAt(ToRank, file) != pawn)
            continue;
        Board(ToRank, file) = EmptyCode;
        Board(ToRank, ToFile) = EmptyCode;
        Board(captureRank, captureFile) = pawn;
        const bool kingAttacked = isAttacked(Board, TestFile, TestRank, otherSide(defender));
        Board(captureRank, captureFile) = EmptyCode;
        Board(ToRank, ToFile) = checker;
        Board(ToRank, file) = pawn;
        if (!kingAttacked)
            return true;
    }
    return false;
}

void RulesEngine::reachTest(char piece)
{
    switch (piece) {
    case 'Q': CForCQueen(); break;
    case 'R': CForCRook(); break;
    case 'B': CForCBishop(); break;
    case 'N': CForCKnight(); break;
    case 'p': CForCpawn(); break;
    default: ReachResult = 'N'; break;
    }
}

// The reach tests: can the piece on (RivalFile, RivalRank), of DefenderColor, move to
// (RivalTargetFile, RivalTargetRank)? A target holding a DefenderColor piece never is.
void RulesEngine::CForCKnight()
{
    ReachResult = 'N';
    if (onBoard(RivalFile, RivalRank) && onBoard(RivalTargetFile, RivalTargetRank)
        && Board(RivalTargetRank, RivalTargetFile).color() != DefenderColor
        && Board.reaches('N', RivalFile, RivalRank, RivalTargetFile, RivalTargetRank))
        ReachResult = 'Y';
}

void RulesEngine::CForCBishop()
{
    ReachResult = 'N';
    if (onBoard(RivalFile, RivalRank) && onBoard(RivalTargetFile, RivalTargetRank)
        && Board(RivalTargetRank, RivalTargetFile).color() != DefenderColor
        && Board.reaches('B', RivalFile, RivalRank, RivalTargetFile, RivalTargetRank))
        ReachResult = 'Y';
}

void RulesEngine::CForCRook()
{
    ReachResult = 'N';
    if (onBoard(RivalFile, RivalRank) && onBoard(RivalTargetFile, RivalTargetRank)
        && Board(RivalTargetRank, RivalTargetFile).color() != DefenderColor
        && Board.reaches('R', RivalFile, RivalRank, RivalTargetFile, RivalTargetRank))
        ReachResult = 'Y';
}

void RulesEngine::CForCQueen()
{
    CForCBishop();
    if (ReachResult != 'Y')
        CForCRook();
}

void RulesEngine::CForCpawn()
{
    ReachResult = 'N';
    if (!onBoard(RivalFile, RivalRank) || !onBoard(RivalTargetFile, RivalTargetRank))
        return;
    const int forward = DefenderColor == 'W' ? 1 : -1;
    const int startRank = DefenderColor == 'W' ? 2 : 7;
    const int df = RivalTargetFile - RivalFile;
    const int dr = RivalTargetRank - RivalRank;
    const PieceCode target = Board(RivalTargetRank, RivalTargetFile);
    if (df == 0 && dr == forward && target.isEmpty())
        ReachResult = 'Y';
    else if (df == 0 && dr == 2 * forward && RivalRank == startRank && target.isEmpty()
             && Board(RivalRank + forward, RivalFile).isEmpty())
        ReachResult = 'Y';
    else if (std::abs(df) == 1 && dr == forward && target.color() == otherSide(DefenderColor))
        ReachResult = 'Y';
}

void RulesEngine::CForCKing()
{
    if (!onBoard(RivalFile, RivalRank) || !onBoard(RivalTargetFile, RivalTargetRank))
        return;
    const int df = std::abs(RivalTargetFile - RivalFile);
    const int dr = std::abs(RivalTargetRank - RivalRank);
    if (df <= 1 && dr <= 1 && (df | dr) != 0
        && Board(RivalTargetRank, RivalTargetFile).color() != Board(RivalRank, RivalFile).color())
        ReachResult = 'Y';
}

void RulesEngine::CheckForMate()
{
    if (WhiteInCheck)
        tryKingEscapes('W');
    if (BlackInCheck && MateFlag)
        tryKingEscapes('B');
}

// Tries the squares around the checked king of `color` on (TestFile, TestRank); the king
// is lifted, so a line attacker aimed at it also covers the squares behind it.
void RulesEngine::tryKingEscapes(char color)
{
    if (!onBoard(TestFile, TestRank))
        return;
    const int file = TestFile;
    const int rank = TestRank;
    const PieceCode king(color, 'K');
    const char enemy = otherSide(color);
    for (const Step step : kingSteps) {
        const int f = file + step.file;
        const int r = rank + step.rank;
        if (!onBoard(f, r))
            continue;
        const PieceCode neighbour = Board(r, f);
        if (!neighbour.isEmpty() && neighbour.color() != enemy)
            continue;
        Board(rank, file) = EmptyCode;
        Board(r, f) = king;
        TestFile = static_cast<std::int16_t>(f);
        TestRank = static_cast<std::int16_t>(r);
        if (color == 'W') {
            BKingNextToKing();
            BChecksWAgain();
        } else {
            WKingNextToKing();
            WChecksBAgain();
        }
        Board(r, f) = neighbour;
        Board(rank, file) = king;
        TestFile = static_cast<std::int16_t>(file);
        TestRank = static_cast<std::int16_t>(rank);
        if (!SquareAttacked && KingsAdjacent == 'N') {
            MateFlag = false;
            return;
        }
    }
}

// Tests e-, then the two squares towards the rook of a castling on `rank`, stopping at
// the first attacked one.
void RulesEngine::castlingSquaresAttacked(int rank, int step, bool &flag, char attacker)
{
    for (int file = 5, n = 0; n < 3; ++n, file += step) {
        TestFile = static_cast<std::int16_t>(file);
        TestRank = static_cast<std::int16_t>(rank);
        SquareAttacked = isAttacked(Board, file, rank, attacker);
        if (SquareAttacked) {
            flag = true;
            return;
        }
    }
}

void RulesEngine::CForCWCastlesKS()
{
    castlingSquaresAttacked(1, 1, WhiteInCheck, 'B');
}

void RulesEngine::CForCWCastlesQS()
{
    castlingSquaresAttacked(1, -1, WhiteInCheck, 'B');
}

void RulesEngine::CForCBCastlesKS()
{
    castlingSquaresAttacked(8, 1, BlackInCheck, 'W');
}

void RulesEngine::CForCBCastlesQS()
{
    castlingSquaresAttacked(8, -1, BlackInCheck, 'W');
}

} // namespace tolvar
