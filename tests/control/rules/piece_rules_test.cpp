#include "replay_support.h"

#include <gtest/gtest.h>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

struct RuleCase {
    const char *name;
    const char *fen;
    const char *from;
    const char *to;
    bool accepted;
};

class PieceRule : public ::testing::TestWithParam<RuleCase> {};

// The piece rule and the check test, as a drop runs them.
TEST_P(PieceRule, DecidesTheDrop)
{
    auto engine = engineAt(GetParam().fen);
    EXPECT_EQ(ruleAccepts(*engine, GetParam().from, GetParam().to), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, PieceRule,
    ::testing::Values(
        RuleCase{"KnightOntoEnemy", "4k3/8/8/8/8/2p5/8/1N2K3 w - - 0 1", "b1", "c3", true},
        RuleCase{"KnightOntoOwnPiece", "4k3/8/8/8/8/2P5/8/1N2K3 w - - 0 1", "b1", "c3", false},
        RuleCase{"KnightNotAJump", "4k3/8/8/8/8/8/8/1N2K3 w - - 0 1", "b1", "b3", false},
        RuleCase{"BishopPathClear", "4k3/8/8/8/8/8/8/2B1K3 w - - 0 1", "c1", "h6", true},
        RuleCase{"BishopPathBlocked", "4k3/8/8/8/8/8/3p4/2B1K3 w - - 0 1", "c1", "h6", false},
        RuleCase{"BishopAdjacentCapture", "4k3/8/8/8/8/8/3p4/2B1K3 w - - 0 1", "c1", "d2", true},
        RuleCase{"BishopNotDiagonal", "4k3/8/8/8/8/8/8/2B1K3 w - - 0 1", "c1", "c4", false},
        RuleCase{"RookPathBlocked", "4k3/8/8/8/R1p4r/8/8/4K3 w - - 0 1", "a4", "h4", false},
        RuleCase{"RookAlongFile", "4k3/8/8/8/8/8/8/R3K3 w - - 0 1", "a1", "a8", true},
        RuleCase{"QueenDiagonalBlocked", "4k3/8/8/8/8/2P5/8/Q3K3 w - - 0 1", "a1", "d4", false},
        RuleCase{"QueenLine", "4k3/8/8/8/8/2P5/8/Q3K3 w - - 0 1", "a1", "a7", true},
        RuleCase{"QueenKnightShape", "4k3/8/8/8/8/8/8/Q3K3 w - - 0 1", "a1", "b3", false},
        RuleCase{"PawnStep", "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1", "e2", "e3", true},
        RuleCase{"PawnStraightCaptureRefused", "4k3/8/8/8/8/4p3/4P3/4K3 w - - 0 1", "e2", "e3", false},
        RuleCase{"PawnDiagonalOntoEmptyRefused", "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1", "e2", "d3", false},
        RuleCase{"PawnCapture", "4k3/8/8/8/8/3p4/4P3/4K3 w - - 0 1", "e2", "d3", true},
        RuleCase{"PawnDoubleStepBlocked", "4k3/8/8/8/8/4n3/4P3/4K3 w - - 0 1", "e2", "e4", false},
        RuleCase{"PawnDoubleStepFromRank3", "4k3/8/8/8/8/4P3/8/4K3 w - - 0 1", "e3", "e5", false},
        RuleCase{"PawnBackwards", "4k3/8/8/8/8/4P3/8/4K3 w - - 0 1", "e3", "e2", false},
        RuleCase{"BlackPawnDoubleStep", "4k3/3p4/8/8/8/8/8/4K3 b - - 0 1", "d7", "d5", true},
        RuleCase{"KingStep", "4k3/8/8/8/8/8/8/4K3 w - - 0 1", "e1", "d2", true},
        RuleCase{"KingStepsOutOfCheck", "4k3/8/8/8/8/8/8/r3K3 w - - 0 1", "e1", "e2", true},
        RuleCase{"KingAlongCheckLine", "4k3/8/8/8/8/8/8/r3K3 w - - 0 1", "e1", "f1", false},
        RuleCase{"KingNextToKing", "8/8/8/3k4/8/3K4/8/8 w - - 0 1", "d3", "d4", false},
        RuleCase{"KingNextToKingDiagonal", "8/8/8/4k3/8/3K4/8/8 w - - 0 1", "d3", "d4", false},
        RuleCase{"KingTwoSquaresNoCastling", "4k3/8/8/8/8/8/8/4K3 w - - 0 1", "e1", "e3", false},
        RuleCase{"CastleKingSide", "4k3/8/8/8/8/8/8/4K2R w K - 0 1", "e1", "g1", true},
        RuleCase{"CastleQueenSide", "4k3/8/8/8/8/8/8/R3K3 w Q - 0 1", "e1", "c1", true},
        RuleCase{"CastleBlackQueenSide", "r3k3/8/8/8/8/8/8/4K3 b q - 0 1", "e8", "c8", true},
        RuleCase{"CastleBlackKingSide", "4k2r/8/8/8/8/8/8/4K3 b k - 0 1", "e8", "g8", true},
        RuleCase{"CastleOutOfCheck", "4k3/8/8/8/8/8/8/r3K2R w K - 0 1", "e1", "g1", false},
        RuleCase{"CastleThroughAttackedSquare", "4kr2/8/8/8/8/8/8/4K2R w K - 0 1", "e1", "g1", false},
        RuleCase{"CastleIntoAttackedSquare", "4k1r1/8/8/8/8/8/8/4K2R w K - 0 1", "e1", "g1", false},
        RuleCase{"CastleWithSquareOccupied", "4k3/8/8/8/8/8/8/4KN1R w K - 0 1", "e1", "g1", false},
        RuleCase{"CastleQueenSideB1Occupied", "4k3/8/8/8/8/8/8/RN2K3 w Q - 0 1", "e1", "c1", false},
        RuleCase{"CastleLetterGone", "4k3/8/8/8/8/8/8/4K2R w Q - 0 1", "e1", "g1", false},
        RuleCase{"CastleQueenSideB1Attacked", "1r2k3/8/8/8/8/8/8/R3K3 w Q - 0 1", "e1", "c1", true},
        RuleCase{"CastleBlackB8Attacked", "r3k3/8/8/8/8/8/8/1R2K3 b q - 0 1", "e8", "c8", true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PieceRules, DoubleStepSetsThePendingEnPassantSquare)
{
    auto engine = std::make_unique<RulesEngine>();
    ASSERT_TRUE(ruleAccepts(*engine, "e2", "e4"));
    EXPECT_EQ(engine->PendingEPSquare, "e3");
    engine->OnMove = 'B';
    ASSERT_TRUE(ruleAccepts(*engine, "c7", "c5"));
    EXPECT_EQ(engine->PendingEPSquare, "c6");
}

TEST(PieceRules, EnPassantTakesThePawnAtOnce)
{
    auto engine = std::make_unique<RulesEngine>();
    for (const char *san : {"e4", "d5", "e5", "f5"})
        ASSERT_TRUE(playSan(*engine, san));
    ASSERT_TRUE(ruleAccepts(*engine, "e5", "f6"));
    EXPECT_TRUE(engine->EPCaptureMade);
    EXPECT_EQ(engine->EPVictimIndex, squareIndex(6, 5));
    EXPECT_TRUE(engine->picBoard[squareIndex(6, 5)].Tag.isEmpty());
    EXPECT_TRUE(engine->Board(5, 6).isEmpty());
    EXPECT_TRUE(engine->PlyRecords[4].Squares[squareIndex(6, 5)].isEmpty());

    // A refused drop brings the pawn back.
    engine->restoreEnPassantVictim();
    EXPECT_FALSE(engine->EPCaptureMade);
    EXPECT_EQ(engine->picBoard[squareIndex(6, 5)].Tag, PieceCode('B', 'p'));
    EXPECT_EQ(engine->Board(5, 6), PieceCode('B', 'p'));
}

TEST(PieceRules, EnPassantExposingTheKingIsRefused)
{
    auto engine = engineAt("4k3/8/8/K2pP2r/8/8/8/8 w - d6 0 2");
    EXPECT_FALSE(ruleAccepts(*engine, "e5", "d6"));
    EXPECT_TRUE(engine->EPCaptureMade);  // the drop handler restores the pawn
    engine->restoreEnPassantVictim();
    EXPECT_EQ(placement(*engine), "4k3/8/8/K2pP2r/8/8/8/8");
}

TEST(PieceRules, RookLeavingACornerClearsItsLetterOnlyWhenMade)
{
    auto engine = engineAt("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
    ASSERT_TRUE(ruleAccepts(*engine, "h1", "h5"));
    EXPECT_EQ(engine->CastleWK, '\0');
    EXPECT_EQ(engine->CastleWQ, 'Q');

    // Pinned against the king: the check test refuses it and the letter stays.
    engine = engineAt("4k3/8/8/8/8/8/8/r3K2R w K - 0 1");
    EXPECT_FALSE(ruleAccepts(*engine, "h1", "h5"));
    EXPECT_EQ(engine->CastleWK, 'K');
    // A double step refused by the check test leaves PendingEPSquare as it was.
    engine = engineAt("4k3/8/8/b7/8/8/3P4/4K3 w - - 0 1");
    EXPECT_FALSE(ruleAccepts(*engine, "d2", "d4"));
    EXPECT_EQ(engine->PendingEPSquare, "-");
}

TEST(PieceRules, KingRuleCastlesTheRookAndNamesTheCastling)
{
    auto engine = engineAt("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
    ASSERT_TRUE(ruleAccepts(*engine, "e1", "c1"));
    EXPECT_EQ(engine->CastleText, "O-O-O");
    EXPECT_EQ(engine->picBoard[60].Tag, PieceCode('W', 'R'));  // rook on d1
    EXPECT_TRUE(engine->picBoard[57].Tag.isEmpty());
    EXPECT_EQ(engine->picBoard[61].Tag, PieceCode('W', 'K'));  // the drop moves the king
    EXPECT_EQ(engine->CastleWK, '\0');
    EXPECT_EQ(engine->CastleWQ, '\0');
    EXPECT_EQ(engine->CastleBK, 'k');

    engine->OnMove = 'B';
    engine->Hashtable();
    ASSERT_TRUE(ruleAccepts(*engine, "e8", "g8"));
    EXPECT_EQ(engine->CastleText, "O-O");
    EXPECT_EQ(engine->picBoard[6].Tag, PieceCode('B', 'R'));
}

TEST(PieceRules, KingStepClearsBothLettersOfTheMover)
{
    auto engine = engineAt("r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1");
    ASSERT_TRUE(ruleAccepts(*engine, "e8", "d7"));
    EXPECT_EQ(engine->CastleBK, '\0');
    EXPECT_EQ(engine->CastleBQ, '\0');
    EXPECT_EQ(engine->CastleWK, 'K');
}

// After the rook a1-a3 with the other rook on a5, a rival could make the move from the
// same file: the SAN needs the origin rank.
TEST(RivalTest, FindsARivalOnTheSameFile)
{
    auto engine = engineAt("4k3/8/8/R7/8/8/8/R3K3 w - - 0 1");
    ASSERT_TRUE(ruleAccepts(*engine, "a1", "a3"));
    engine->TransferPiece(engine->FromIndex, engine->ToIndex);
    engine->RivalPieceCode = PieceCode('W', 'R');
    engine->RivalCanReach = false;
    engine->CheckOtherPiece();
    EXPECT_TRUE(engine->RivalCanReach);
    EXPECT_EQ(engine->RivalSameFile, 'Y');
}

TEST(RivalTest, Cases)
{
    struct Case {
        const char *fen;
        const char *from;
        const char *to;
        bool canReach;
        char sameFile;
    };
    const Case cases[] = {
        {"4k3/8/8/8/8/8/8/1N2KN2 w - - 0 1", "b1", "d2", true, 'N'},      // Nbd2
        {"4k3/8/8/8/8/8/8/1N2K1N1 w - - 0 1", "g1", "f3", false, 'N'},    // Nf3: b1 does not reach
        {"4k3/8/8/8/8/8/8/R3K2R w - - 0 1", "a1", "d1", false, 'N'},      // the king blocks h1
        {"4k3/8/8/8/8/8/8/R4R1K w - - 0 1", "a1", "c1", true, 'N'},       // Rac1
        {"4k3/8/8/8/8/8/8/1Q1QK3 w - - 0 1", "b1", "c2", true, 'N'},      // Qbc2
        {"4k3/8/8/8/2B5/8/B7/4K3 w - - 0 1", "a2", "b3", true, 'N'},      // Bab3
        // The e2 knight is pinned by the rook on e8, so it is no rival.
        {"4r1k1/8/8/8/8/8/2N1N3/4K3 w - - 0 1", "c2", "d4", false, 'N'},
        {"4k3/8/8/8/8/2N5/8/2N1K3 w - - 0 1", "c3", "e2", true, 'Y'},     // N3e2
    };
    for (const Case &c : cases) {
        auto engine = engineAt(c.fen);
        ASSERT_TRUE(ruleAccepts(*engine, c.from, c.to)) << c.fen;
        engine->RivalPieceCode = engine->picBoard[engine->FromIndex].Tag;
        engine->TransferPiece(engine->FromIndex, engine->ToIndex);
        engine->RivalCanReach = false;
        engine->CheckOtherPiece();
        EXPECT_EQ(engine->RivalCanReach, c.canReach) << c.fen;
        EXPECT_EQ(engine->RivalSameFile, c.sameFile) << c.fen;
    }
}

} // namespace
