// Rules where the board follows chess rather than the letter of the original control:
// castling rights lost by a captured corner rook, castling only with the rook at home,
// double check, positions without a king, check by a castling, and en passant as the
// answer to a check.
#include "replay_support.h"

#include <gtest/gtest.h>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

struct CornerCapture {
    const char *name;
    const char *fen;
    const char *san;
    const char *castleOption;
};

class CornerRookCapture : public ::testing::TestWithParam<CornerCapture> {};

TEST_P(CornerRookCapture, ClearsTheCastlingLetterOfThatCorner)
{
    auto engine = engineAt(GetParam().fen);
    ASSERT_TRUE(playSan(*engine, GetParam().san));
    EXPECT_EQ(engine->CastleOption, GetParam().castleOption);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, CornerRookCapture,
    ::testing::Values(
        CornerCapture{"BishopTakesH8", "r3k2r/8/8/8/8/8/1B6/R3K2R w KQkq - 0 1", "Bxh8", "KQq"},
        CornerCapture{"PromotionTakesA8", "r3k3/1P6/8/8/8/8/8/4K3 w q - 0 1", "bxa8=Q+", "-"},
        CornerCapture{"KingTakesH8", "4k2r/6K1/8/8/8/8/8/8 w k - 0 1", "Kxh8", "-"},
        CornerCapture{"BlackTakesA1", "r3k3/6b1/8/8/8/8/8/R3K2R b KQq - 0 1", "Bxa1", "Kq"},
        CornerCapture{"BlackRookTakesH1", "4k2r/8/8/8/8/8/8/R3K2R b KQk - 0 1", "Rxh1+", "Q"},
        CornerCapture{"KnightOnCornerKeepsLetters", "r3k1nr/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "Ra8", "Kk"},
        CornerCapture{"NoRookOnCorner", "r3k2n/8/8/8/8/8/1B6/R3K2R w KQq - 0 1", "Bxh8", "KQq"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Mends, CornerRookCaptureByDragClearsTheLetter)
{
    auto engine = engineAt("r3k2r/8/8/8/8/8/1B6/R3K2R w KQkq - 0 1");
    ASSERT_TRUE(ruleAccepts(*engine, "b2", "h8"));
    EXPECT_EQ(engine->CastleBK, '\0');
    EXPECT_EQ(engine->CastleBQ, 'q');
    // A capture the check test refuses leaves the letter.
    engine = engineAt("r3k2r/8/8/8/8/8/1B6/R3K1r1 w KQkq - 0 1");
    EXPECT_FALSE(ruleAccepts(*engine, "b2", "h8"));
    EXPECT_EQ(engine->CastleBK, 'k');
}

TEST(Mends, CastlingByDragNeedsTheOwnRookOnItsCorner)
{
    for (const char *fen : {"4k3/8/8/8/8/8/8/4K3 w K - 0 1", "4k3/8/8/8/8/8/8/4K2B w K - 0 1",
                            "4k3/8/8/8/8/8/8/4K2r w K - 0 1"}) {
        auto engine = engineAt(fen);
        EXPECT_FALSE(ruleAccepts(*engine, "e1", "g1")) << fen;
        EXPECT_EQ(engine->CastleText, "") << fen;
        EXPECT_EQ(placement(*engine), std::string(fen).substr(0, std::string(fen).find(' ')));
    }
    auto engine = engineAt("r3k3/8/8/8/8/8/8/4K3 b q - 0 1");
    EXPECT_TRUE(ruleAccepts(*engine, "e8", "c8"));
    engine = engineAt("n3k3/8/8/8/8/8/8/4K3 b q - 0 1");
    EXPECT_FALSE(ruleAccepts(*engine, "e8", "c8"));
}

struct CastledCase {
    const char *name;
    const char *fen;
    const char *from;
    const char *to;
    bool check;
    bool mate;
};

class CastlingByDrag : public ::testing::TestWithParam<CastledCase> {};

// The king rule tests the castled position, so the castling's SAN can carry "+" or "#".
TEST_P(CastlingByDrag, IsTestedForCheckAndMate)
{
    auto engine = engineAt(GetParam().fen);
    engine->WhiteInCheck = engine->BlackInCheck = engine->MateFlag = true;  // stale results
    ASSERT_TRUE(ruleAccepts(*engine, GetParam().from, GetParam().to));
    const bool white = engine->OnMove == 'W';
    EXPECT_EQ(white ? engine->BlackInCheck : engine->WhiteInCheck, GetParam().check);
    EXPECT_FALSE(white ? engine->WhiteInCheck : engine->BlackInCheck);
    EXPECT_EQ(engine->MateFlag, GetParam().mate);
    // Board is left as the test found it.
    engine->PGNForwardHT();
    const BoardGrid before = engine->Board;
    engine->testCastlingForCheck(engine->FromIndex, engine->ToIndex, white ? 64 : 8, white ? 62 : 6);
    EXPECT_EQ(engine->Board, before);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, CastlingByDrag,
    ::testing::Values(CastledCase{"NoCheck", "4k3/8/8/8/8/8/8/4K2R w K - 0 1", "e1", "g1", false, false},
                      CastledCase{"RookGivesCheck", "5k2/8/8/8/8/8/8/4K2R w K - 0 1", "e1", "g1", true, false},
                      CastledCase{"RookGivesMate", "4rkr1/4p1p1/8/8/8/8/8/4K2R w K - 0 1", "e1", "g1", true, true},
                      CastledCase{"QueenSideCheck", "3k4/8/8/8/8/8/8/R3K3 w Q - 0 1", "e1", "c1", true, false},
                      CastledCase{"BlackQueenSideMate", "r3k3/8/8/8/8/8/2P1P3/2RKR3 b q - 0 1", "e8", "c8", true,
                                  true}),
    [](const auto &info) { return std::string(info.param.name); });

struct DoubleCheckCase {
    const char *name;
    const char *fen;
    const char *san;
    bool mate;
};

class DoubleCheck : public ::testing::TestWithParam<DoubleCheckCase> {};

// Against two checkers only a king move helps: capturing or blocking one of them is no
// answer, and the knight counts as a checker.
TEST_P(DoubleCheck, IsAnsweredByKingMovesOnly)
{
    auto engine = engineAt(GetParam().fen);
    const char mover = engine->OnMove;
    ASSERT_TRUE(playSan(*engine, GetParam().san));
    EXPECT_TRUE(mover == 'W' ? engine->BlackInCheck : engine->WhiteInCheck);
    EXPECT_EQ(engine->CheckCount, 2);
    EXPECT_EQ(engine->MateFlag, GetParam().mate);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, DoubleCheck,
    ::testing::Values(
        // cxd6 takes the knight and Qe7 blocks the rook, but neither answers both.
        DoubleCheckCase{"KnightAndRookMate", "3qkb2/2pp1pp1/8/8/4N3/8/8/4R1K1 w - - 0 1", "Nd6+", true},
        DoubleCheckCase{"KnightAndRookKingEscapes", "3qkb2/2p2pp1/8/8/4N3/8/8/4R1K1 w - - 0 1", "Nd6+", false},
        DoubleCheckCase{"BishopAndRookMate", "3rkr2/5p2/8/8/8/8/4B3/4R1K1 w - - 0 1", "Bb5+", true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Mends, PositionsWithoutAKingReportNoCheckForThatSide)
{
    struct Case {
        const char *fen;
        const char *san;
        bool whiteInCheck;
        bool blackInCheck;
    };
    const Case cases[] = {
        {"8/8/8/8/8/8/8/4K2R w K - 0 1", "Rh8", false, false},    // no black king
        {"4k3/8/8/8/8/8/8/7R w - - 0 1", "Re1", false, true},     // no white king
        {"4k3/8/8/8/8/8/8/r7 b - - 0 1", "Ra2", false, false},
        {"8/8/8/8/8/8/8/R7 w - - 0 1", "Ra8", false, false},      // no king at all
    };
    for (const Case &c : cases) {
        auto engine = engineAt(c.fen);
        engine->TestFile = 99;  // a stale square far off the board is never read
        engine->TestRank = -5;
        ASSERT_TRUE(playSan(*engine, c.san)) << c.fen;
        EXPECT_EQ(engine->WhiteInCheck, c.whiteInCheck) << c.fen;
        EXPECT_EQ(engine->BlackInCheck, c.blackInCheck) << c.fen;
        EXPECT_FALSE(engine->MateFlag) << c.fen;
    }
    auto kingless = engineAt("8/8/8/8/8/8/8/4K2R b - - 0 1");
    kingless->TrialBoard = kingless->Board;
    kingless->EvaluatePositionForCheck();
    EXPECT_FALSE(kingless->TrialInCheck);
    // An empty board takes no move and reads nothing outside it.
    auto engine = engineAt("8/8/8/8/8/8/8/8 w - - 0 1");
    for (const char *san : {"e4", "Nf3", "O-O", "exd5", "Kb1", "Rad1", "e8=Q"})
        playSan(*engine, san);
    EXPECT_EQ(placement(*engine), "8/8/8/8/8/8/8/8");
}

TEST(Mends, EnPassantAnswersTheCheckOfADoubleStep)
{
    // d2-d4 checks the king on e5; only exd3 en passant answers it.
    auto engine = engineAt("8/8/3ppp2/3nkb2/4pn2/2P5/3P3K/8 w - - 0 1");
    ASSERT_TRUE(playSan(*engine, "d4+"));
    EXPECT_TRUE(engine->BlackInCheck);
    EXPECT_FALSE(engine->MateFlag);
    ASSERT_TRUE(playSan(*engine, "exd3"));
    EXPECT_EQ(placement(*engine), "8/8/3ppp2/3nkb2/5n2/2Pp4/7K/8");

    // With a bishop instead of the e4 pawn nothing answers it.
    engine = engineAt("8/8/3ppp2/3nkb2/4bn2/2P5/3P3K/8 w - - 0 1");
    ASSERT_TRUE(playSan(*engine, "d4#"));
    EXPECT_TRUE(engine->MateFlag);
    // A single step gives the same check, which en passant cannot answer.
    engine = engineAt("8/8/3ppp2/3nkb2/4pn2/2PP4/7K/8 w - - 0 1");
    ASSERT_TRUE(playSan(*engine, "d4#"));
    EXPECT_TRUE(engine->MateFlag);
}

} // namespace
