#include "rules_engine.h"

#include "attack_tables.h"

#include <cstdlib>

namespace tolvar {
namespace {

struct Step {
    int file;
    int rank;
};

// Line directions in scan order: towards rank 8, rank 1, the a-file, the h-file.
constexpr Step lineSteps[] = {{0, 1}, {0, -1}, {-1, 0}, {1, 0}};
// Diagonals in scan order: towards h8, h1, a1, a8.
constexpr Step diagonalSteps[] = {{1, 1}, {1, -1}, {-1, -1}, {-1, 1}};
constexpr Step knightSteps[] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};
// Neighbours of a square in the order the proximity and king-move tests visit them.
constexpr Step kingSteps[] = {{0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}};

// The first occupied square from (file, rank) in one direction, or false at the edge.
bool firstOccupied(const BoardGrid &grid, int file, int rank, Step step, int &foundFile, int &foundRank)
{
    for (int f = file + step.file, r = rank + step.rank; onBoard(f, r); f += step.file, r += step.rank) {
        if (!grid(r, f).isEmpty()) {
            foundFile = f;
            foundRank = r;
            return true;
        }
    }
    return false;
}

bool kingAround(const BoardGrid &grid, int file, int rank, PieceCode king)
{
    for (const Step step : kingSteps)
        if (onBoard(file + step.file, rank + step.rank) && grid(rank + step.rank, file + step.file) == king)
            return true;
    return false;
}

} // namespace

bool RulesEngine::isAttacked(const BoardGrid &grid, int file, int rank, char attacker)
{
    if (!onBoard(file, rank))
        return false;
    const PieceCode pawn(attacker, 'p');
    const int pawnRank = attacker == 'W' ? rank - 1 : rank + 1;
    if (grid.safeAt(pawnRank, file + 1) == pawn || grid.safeAt(pawnRank, file - 1) == pawn)
        return true;
    const int square = squareIndex(file, rank) - 1;
    const PieceCode knight(attacker, 'N');
    for (const std::int8_t target : attack::tables.knights[square]) {
        if (target < 0)
            break;
        if (grid.cells[target] == knight)
            return true;
    }
    const PieceCode queen(attacker, 'Q');
    const PieceCode lineSlider(attacker, 'R');
    const PieceCode diagonalSlider(attacker, 'B');
    for (int d = 0; d < 8; ++d) {
        const PieceCode slider = d < 4 ? lineSlider : diagonalSlider;
        for (const std::int8_t target : attack::tables.rays[square][d]) {
            if (target < 0)
                break;
            const PieceCode code = grid.cells[target];
            if (code.isEmpty())
                continue;
            if (code == queen || code == slider)
                return true;
            break;
        }
    }
    return false;
}

// White's king is looked for from rank 1 up, Black's from rank 8 down: each is found
// near its own side at once.
bool RulesEngine::findKing(const BoardGrid &grid, PieceCode king, int &file, int &rank)
{
    const auto found = [&](int cell) {
        file = fileOfIndex(cell + 1);
        rank = rankOfIndex(cell + 1);
        return true;
    };
    if (king.color() == 'W') {
        for (int rankStart = 56; rankStart >= 0; rankStart -= 8)
            for (int cell = rankStart; cell < rankStart + 8; ++cell)
                if (grid.cells[cell] == king)
                    return found(cell);
    } else {
        for (int cell = 0; cell < 64; ++cell)
            if (grid.cells[cell] == king)
                return found(cell);
    }
    return false;
}

void RulesEngine::CheckForCheck()
{
    MoverColor = OnMove;
    BlockFound = WhiteInCheck = BlackInCheck = MateFlag = CheckFound = false;
    if (!onBoard(FromFile, FromRank) || !onBoard(ToFile, ToRank))
        return;

    SavedTargetCode = Board(ToRank, ToFile);
    const PieceCode originCode = Board(FromRank, FromFile);
    Board(FromRank, FromFile) = EmptyCode;
    const char placed = PromotionPending ? (PromotionPiece.empty() ? ' ' : PromotionPiece[0]) : MovePiece;
    Board(ToRank, ToFile) = PieceCode(MoverColor, placed);
    m_trialEnPassantIndex = MovePiece == 'p' && !PromotionPending && FromFile == ToFile
                                    && std::abs(ToRank - FromRank) == 2
                                ? squareIndex(ToFile, (FromRank + ToRank) / 2)
                                : 0;

    const char other = otherSide(OnMove);
    bool &otherFlag = OnMove == 'W' ? BlackInCheck : WhiteInCheck;
    bool &ownFlag = OnMove == 'W' ? WhiteInCheck : BlackInCheck;
    int file = 0;
    int rank = 0;
    if (findKing(Board, PieceCode(other, 'K'), file, rank)) {
        TestFile = static_cast<std::int16_t>(file);
        TestRank = static_cast<std::int16_t>(rank);
        if (isAttacked(Board, file, rank, OnMove)) {
            scanKingAttackers(OnMove);
            if (CheckFound) {
                otherFlag = true;
                CheckFound = false;
                if (CheckCount > 1 || MateFlag)
                    CheckForMate();
            }
        }
    }
    if (findKing(Board, PieceCode(OnMove, 'K'), file, rank)) {
        TestFile = static_cast<std::int16_t>(file);
        TestRank = static_cast<std::int16_t>(rank);
        ownFlag = isAttacked(Board, file, rank, other);
    }

    Board(ToRank, ToFile) = SavedTargetCode;
    Board(FromRank, FromFile) = originCode;
    m_trialEnPassantIndex = 0;

    if (ownFlag)
        rollBackRuleEffects();
    else if (MoveLegal)
        commitRuleEffects();
    m_ruleUndo.active = false;
}

void RulesEngine::WhiteChecksBlack()
{
    scanKingAttackers('W');
}

void RulesEngine::BlackChecksWhite()
{
    scanKingAttackers('B');
}

// Finds every piece of `attacker` giving check to the king on (TestFile, TestRank). A
// single checker can be answered by capturing or blocking it, which the block test looks
// for; against two checkers only a king move helps, which CheckForMate decides.
void RulesEngine::scanKingAttackers(char attacker)
{
    CheckFound = false;
    CheckCount = 0;
    if (!onBoard(TestFile, TestRank))
        return;
    const int kingFile = TestFile;
    const int kingRank = TestRank;

    struct Checker {
        int file;
        int rank;
        Step line;  // {0, 0} for a pawn or knight: only its own square can be taken
    };
    std::array<Checker, 16> checkers{};
    int count = 0;

    const PieceCode pawn(attacker, 'p');
    const int pawnRank = attacker == 'W' ? kingRank - 1 : kingRank + 1;
    for (const int pawnFile : {kingFile + 1, kingFile - 1})
        if (Board.safeAt(pawnRank, pawnFile) == pawn)
            checkers[count++] = {pawnFile, pawnRank, {0, 0}};

    const PieceCode queen(attacker, 'Q');
    const auto scanLines = [&](const Step(&steps)[4], PieceCode slider) {
        for (const Step step : steps) {
            int f = 0;
            int r = 0;
            if (firstOccupied(Board, kingFile, kingRank, step, f, r)) {
                const PieceCode code = Board(r, f);
                if (code == queen || code == slider)
                    checkers[count++] = {f, r, step};
            }
        }
    };
    scanLines(lineSteps, PieceCode(attacker, 'R'));
    scanLines(diagonalSteps, PieceCode(attacker, 'B'));

    const PieceCode knight(attacker, 'N');
    for (const Step step : knightSteps)
        if (Board.safeAt(kingRank + step.rank, kingFile + step.file) == knight)
            checkers[count++] = {kingFile + step.file, kingRank + step.rank, {0, 0}};

    if (count == 0)
        return;
    CheckFound = true;
    MateFlag = true;
    CheckCount = static_cast<std::int16_t>(count);
    if (count > 1)
        return;

    const char defender = otherSide(attacker);
    const Checker &checker = checkers[0];
    const auto blockAt = [&](int file, int rank) {
        CheckerFile = static_cast<std::int16_t>(file);
        CheckerRank = static_cast<std::int16_t>(rank);
        blocksCheck(defender);
        if (BlockFound)
            MateFlag = false;
    };
    if (checker.line.file == 0 && checker.line.rank == 0) {
        blockAt(checker.file, checker.rank);
        if (!BlockFound && m_trialEnPassantIndex != 0 && Board(checker.rank, checker.file) == pawn
            && enPassantAnswersCheck(defender)) {
            BlockFound = true;
            MateFlag = false;
        }
    } else {
        for (int f = kingFile + checker.line.file, r = kingRank + checker.line.rank; !BlockFound;
             f += checker.line.file, r += checker.line.rank) {
            blockAt(f, r);
            if (f == checker.file && r == checker.rank)
                break;
        }
    }
    TestFile = static_cast<std::int16_t>(kingFile);
    TestRank = static_cast<std::int16_t>(kingRank);
}

void RulesEngine::WChecksBAgain()
{
    SquareAttacked = isAttacked(Board, TestFile, TestRank, 'W');
}

void RulesEngine::BChecksWAgain()
{
    SquareAttacked = isAttacked(Board, TestFile, TestRank, 'B');
}

void RulesEngine::WKingNextToKing()
{
    KingsAdjacent = kingAround(Board, TestFile, TestRank, PieceCode('W', 'K')) ? 'Y' : 'N';
}

void RulesEngine::BKingNextToKing()
{
    KingsAdjacent = kingAround(Board, TestFile, TestRank, PieceCode('B', 'K')) ? 'Y' : 'N';
}

void RulesEngine::CheckKingNextToKing()
{
    if (kingAround(Board, ToFile, ToRank, PieceCode(otherSide(OnMove), 'K')))
        KingsAdjacent = 'Y';
}

void RulesEngine::EvaluatePositionForCheck()
{
    TrialInCheck = false;
    if (OnMove != 'W' && OnMove != 'B')
        return;
    int file = 0;
    int rank = 0;
    if (findKing(Board, PieceCode(OnMove, 'K'), file, rank))
        TrialInCheck = isAttacked(TrialBoard, file, rank, otherSide(OnMove));
}

void RulesEngine::testCastlingForCheck(int kingFromIndex, int kingToIndex, int rookFromIndex, int rookToIndex)
{
    const PieceCode king = Board.atIndex(kingFromIndex);
    const PieceCode rook = Board.atIndex(rookFromIndex);
    const PieceCode kingTarget = Board.atIndex(kingToIndex);
    const PieceCode rookTarget = Board.atIndex(rookToIndex);
    Board.atIndex(kingFromIndex) = EmptyCode;
    Board.atIndex(rookFromIndex) = EmptyCode;
    Board.atIndex(kingToIndex) = king;
    Board.atIndex(rookToIndex) = rook;

    const char mover = king.color();
    const char other = otherSide(mover);
    bool &otherFlag = mover == 'W' ? BlackInCheck : WhiteInCheck;
    otherFlag = BlockFound = MateFlag = CheckFound = false;
    CheckCount = 0;
    m_trialEnPassantIndex = 0;
    int file = 0;
    int rank = 0;
    if (findKing(Board, PieceCode(other, 'K'), file, rank) && isAttacked(Board, file, rank, mover)) {
        TestFile = static_cast<std::int16_t>(file);
        TestRank = static_cast<std::int16_t>(rank);
        scanKingAttackers(mover);
        if (CheckFound) {
            otherFlag = true;
            CheckFound = false;
            if (CheckCount > 1 || MateFlag)
                CheckForMate();
        }
    }

    Board.atIndex(rookToIndex) = rookTarget;
    Board.atIndex(kingToIndex) = kingTarget;
    Board.atIndex(rookFromIndex) = rook;
    Board.atIndex(kingFromIndex) = king;
}

} // namespace tolvar
