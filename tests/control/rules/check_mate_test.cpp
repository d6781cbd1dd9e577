#include "replay_support.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

constexpr const char *Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

struct CheckCase {
    const char *name;
    const char *fen;
    const char *moves;  // space-separated; the flags are read after the last one
    bool check;         // the last move gives check
    bool mate;
};

class CheckAndMate : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckAndMate, FlagsAfterTheLastMove)
{
    auto engine = engineAt(GetParam().fen);
    std::istringstream moves(GetParam().moves);
    std::string san;
    char mover = 'W';
    while (moves >> san) {
        mover = engine->OnMove;
        ASSERT_TRUE(playSan(*engine, san)) << san;
    }
    EXPECT_EQ(mover == 'W' ? engine->BlackInCheck : engine->WhiteInCheck, GetParam().check);
    EXPECT_FALSE(mover == 'W' ? engine->WhiteInCheck : engine->BlackInCheck);
    EXPECT_EQ(engine->MateFlag, GetParam().mate);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, CheckAndMate,
    ::testing::Values(
        CheckCase{"ScholarsMate", Start, "e4 e5 Qh5 Nc6 Bc4 Nf6 Qxf7", true, true},
        // The queen is unprotected: the king takes it.
        CheckCase{"UnprotectedQueenTaken", Start, "e4 e5 Qh5 Nc6 Qxf7", true, false},
        CheckCase{"FoolsMate", Start, "f3 e5 g4 Qh4", true, true},
        CheckCase{"QuietMove", Start, "e4", false, false},
        CheckCase{"DiscoveredCheck", "4k3/8/8/8/8/8/4N3/4R1K1 w - - 0 1", "Nc3", true, false},
        CheckCase{"PromotedPieceGivesCheck", "k7/4P3/8/8/8/8/8/6K1 w - - 0 1", "e8=Q", true, false},
        CheckCase{"UnderPromotionNoCheck", "k7/4P3/8/8/8/8/8/6K1 w - - 0 1", "e8=N", false, false},
        CheckCase{"SmotheredMate", "6rk/6pp/8/4N3/8/8/8/6K1 w - - 0 1", "Nf7", true, true},
        CheckCase{"KnightCheckAnsweredByCapture", "4b1rk/6pp/8/4N3/8/8/8/6K1 w - - 0 1", "Nf7", true, false},
        CheckCase{"BackRankBlocked", "7k/6bp/8/8/8/8/8/R5K1 w - - 0 1", "Ra8", true, false},
        // The bishop that could step between is pinned against its king.
        CheckCase{"PinnedBlockerCannotBlock", "7k/6bp/8/8/8/2B5/8/R5K1 w - - 0 1", "Ra8", true, true},
        // a7 and b7 touch the white king; b8 is covered by the rook.
        CheckCase{"KingMayNotStepNextToKing", "k7/8/1K6/8/8/8/8/7R w - - 0 1", "Rh8", true, true},
        CheckCase{"ProtectedCheckerNextToKing", "7k/8/5K2/6Q1/8/8/8/8 w - - 0 1", "Qg7", true, true},
        CheckCase{"UnprotectedCheckerNextToKing", "7k/8/8/6Q1/8/8/8/K7 w - - 0 1", "Qg7", true, false},
        // Stalemate is not examined: no check, no mate.
        CheckCase{"Stalemate", "k7/8/2Q5/8/8/8/8/7K w - - 0 1", "Qb6", false, false},
        CheckCase{"BlackBackRankMate", "r5k1/8/8/8/8/8/5PPP/6K1 b - - 0 1", "Ra1", true, true},
        CheckCase{"MateByCapture", "4k3/8/8/8/8/8/5PPP/r3R1K1 b - - 0 1", "Rxe1", true, true},
        CheckCase{"LineCheckInterposed", "r5k1/8/8/8/8/8/2B2PPP/6K1 b - - 0 1", "Ra1", true, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Check, PinnedPieceLeavingTheLineSetsTheMoversFlag)
{
    auto engine = engineAt("4r1k1/8/8/8/8/8/4N3/4K3 w - - 0 1");
    prepareDrop(*engine, "e2", "c3");
    engine->Knight();
    ASSERT_TRUE(engine->MoveLegal);
    engine->CheckForCheck();
    EXPECT_TRUE(engine->WhiteInCheck);
    EXPECT_FALSE(engine->BlackInCheck);
    // The board is left as it was.
    EXPECT_EQ(engine->Board(2, 5), PieceCode('W', 'N'));
    EXPECT_TRUE(engine->Board(3, 3).isEmpty());
}

TEST(Check, SingleSquareAttackIgnoresWhatStandsThere)
{
    auto engine = engineAt("4k3/8/8/3n4/8/8/8/3RK3 w - - 0 1");
    engine->TestFile = 4;
    engine->TestRank = 5;
    engine->WChecksBAgain();
    EXPECT_TRUE(engine->SquareAttacked);  // the rook attacks the knight on d5
    engine->BChecksWAgain();
    EXPECT_FALSE(engine->SquareAttacked);
    engine->TestFile = 5;
    engine->TestRank = 3;
    engine->BChecksWAgain();
    EXPECT_TRUE(engine->SquareAttacked);  // the knight covers e3
    // Kings never count as attackers.
    engine->TestFile = 4;
    engine->TestRank = 2;
    engine->BChecksWAgain();
    EXPECT_FALSE(engine->SquareAttacked);
}

TEST(Check, ProximityTests)
{
    auto engine = engineAt("8/8/8/3k4/8/3K4/8/8 w - - 0 1");
    engine->TestFile = 4;
    engine->TestRank = 4;
    engine->WKingNextToKing();
    EXPECT_EQ(engine->KingsAdjacent, 'Y');
    engine->BKingNextToKing();
    EXPECT_EQ(engine->KingsAdjacent, 'Y');
    engine->TestRank = 7;
    engine->WKingNextToKing();
    EXPECT_EQ(engine->KingsAdjacent, 'N');

    engine->ToFile = 3;
    engine->ToRank = 4;
    engine->KingsAdjacent = 'N';
    engine->CheckKingNextToKing();
    EXPECT_EQ(engine->KingsAdjacent, 'Y');
    engine->ToRank = 2;
    engine->CheckKingNextToKing();  // never sets "N" itself
    EXPECT_EQ(engine->KingsAdjacent, 'Y');
    engine->KingsAdjacent = 'N';
    engine->CheckKingNextToKing();
    EXPECT_EQ(engine->KingsAdjacent, 'N');
}

TEST(Check, EvaluatePositionForCheckLooksAtTheTrialBoard)
{
    auto engine = engineAt("4k3/8/8/8/8/8/4R3/4K3 b - - 0 1");
    engine->TrialBoard = engine->Board;
    engine->EvaluatePositionForCheck();
    EXPECT_TRUE(engine->TrialInCheck);
    engine->TrialBoard(2, 5) = EmptyCode;
    engine->EvaluatePositionForCheck();
    EXPECT_FALSE(engine->TrialInCheck);
}

TEST(Mate, ReachTests)
{
    struct Case {
        const char *fen;
        const char *from;
        const char *to;
        char defender;
        void (RulesEngine::*test)();
        char expected;
    };
    const Case cases[] = {
        {"4k3/8/8/8/8/8/4P3/4K3 w - - 0 1", "e2", "e4", 'W', &RulesEngine::CForCpawn, 'Y'},
        {"4k3/8/8/8/8/4n3/4P3/4K3 w - - 0 1", "e2", "e4", 'W', &RulesEngine::CForCpawn, 'N'},
        {"4k3/8/8/8/8/3n4/4P3/4K3 w - - 0 1", "e2", "d3", 'W', &RulesEngine::CForCpawn, 'Y'},
        {"4k3/8/8/8/8/8/4P3/4K3 w - - 0 1", "e2", "d3", 'W', &RulesEngine::CForCpawn, 'N'},
        {"4k3/4p3/8/8/8/8/8/4K3 b - - 0 1", "e7", "e5", 'B', &RulesEngine::CForCpawn, 'Y'},
        {"4k3/4p3/4N3/8/8/8/8/4K3 b - - 0 1", "e7", "e6", 'B', &RulesEngine::CForCpawn, 'N'},
        {"4k3/8/8/8/8/8/8/1N2K3 w - - 0 1", "b1", "c3", 'W', &RulesEngine::CForCKnight, 'Y'},
        {"4k3/8/8/8/8/2P5/8/1N2K3 w - - 0 1", "b1", "c3", 'W', &RulesEngine::CForCKnight, 'N'},
        {"4k3/8/8/8/8/8/8/B3K3 w - - 0 1", "a1", "h8", 'W', &RulesEngine::CForCBishop, 'Y'},
        {"4k3/8/8/8/3p4/8/8/B3K3 w - - 0 1", "a1", "h8", 'W', &RulesEngine::CForCBishop, 'N'},
        {"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", "a1", "a8", 'W', &RulesEngine::CForCRook, 'Y'},
        {"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", "a1", "b2", 'W', &RulesEngine::CForCRook, 'N'},
        {"4k3/8/8/8/8/8/8/Q3K3 w - - 0 1", "a1", "d4", 'W', &RulesEngine::CForCQueen, 'Y'},
        {"4k3/8/8/8/8/8/8/Q3K3 w - - 0 1", "a1", "b3", 'W', &RulesEngine::CForCQueen, 'N'},
    };
    for (const Case &c : cases) {
        auto engine = engineAt(c.fen);
        engine->RivalFile = static_cast<std::int16_t>(fileNumber(c.from[0]));
        engine->RivalRank = static_cast<std::int16_t>(rankNumber(c.from[1]));
        engine->RivalTargetFile = static_cast<std::int16_t>(fileNumber(c.to[0]));
        engine->RivalTargetRank = static_cast<std::int16_t>(rankNumber(c.to[1]));
        engine->DefenderColor = c.defender;
        (engine.get()->*c.test)();
        EXPECT_EQ(engine->ReachResult, c.expected) << c.fen << " " << c.from << "-" << c.to;
    }
}

TEST(Mate, CastlingAttackTests)
{
    struct Case {
        const char *fen;
        void (RulesEngine::*test)();
        bool white;
        bool attacked;
    };
    const Case cases[] = {
        {"4k3/8/8/8/8/8/8/4K2R w K - 0 1", &RulesEngine::CForCWCastlesKS, true, false},
        {"4k3/8/8/8/8/8/8/4K2R w K - 0 1", &RulesEngine::CForCWCastlesKS, true, false},
        {"4k1r1/8/8/8/8/8/8/4K2R w K - 0 1", &RulesEngine::CForCWCastlesKS, true, true},
        {"1r2k3/8/8/8/8/8/8/R3K3 w Q - 0 1", &RulesEngine::CForCWCastlesQS, true, false},
        {"3rk3/8/8/8/8/8/8/R3K3 w Q - 0 1", &RulesEngine::CForCWCastlesQS, true, true},
        {"4k2r/8/8/8/8/8/8/4KR2 b k - 0 1", &RulesEngine::CForCBCastlesKS, false, true},
        {"r3k3/8/8/8/8/8/8/1R2K3 b q - 0 1", &RulesEngine::CForCBCastlesQS, false, false},
        {"r3k3/8/8/8/8/8/8/2R1K3 b q - 0 1", &RulesEngine::CForCBCastlesQS, false, true},
    };
    for (const Case &c : cases) {
        auto engine = engineAt(c.fen);
        engine->WhiteInCheck = engine->BlackInCheck = false;
        (engine.get()->*c.test)();
        EXPECT_EQ(c.white ? engine->WhiteInCheck : engine->BlackInCheck, c.attacked) << c.fen;
        EXPECT_FALSE(c.white ? engine->BlackInCheck : engine->WhiteInCheck);
    }
}

// A replay tests each move against the board the move before left: the check flags must
// be those of an engine that starts from the position itself.
TEST(Check, FlagsDuringAReplayMatchAFreshEngineAtEachPosition)
{
    const std::vector<GameMoves> games = readPgnGames(std::string(PAVISTO_TEST_DATA_DIR) + "/pgn-extract/fischer.pgn");
    ASSERT_FALSE(games.empty());
    int checks = 0;
    for (std::size_t game = 0; game < games.size() && game < 40; ++game) {
        auto engine = engineAt(games[game].fen.empty() ? Start : games[game].fen);
        for (const std::string &san : games[game].moves) {
            engine->WriteForsyth();
            auto fresh = engineAt(engine->Forsyth);
            const bool made = playSan(*engine, san);
            ASSERT_EQ(playSan(*fresh, san), made) << "game " << game << " " << san;
            if (!made)
                break;
            EXPECT_EQ(engine->WhiteInCheck, fresh->WhiteInCheck) << "game " << game << " " << san;
            EXPECT_EQ(engine->BlackInCheck, fresh->BlackInCheck) << "game " << game << " " << san;
            EXPECT_EQ(engine->MateFlag, fresh->MateFlag) << "game " << game << " " << san;
            checks += engine->WhiteInCheck || engine->BlackInCheck;
        }
    }
    EXPECT_GT(checks, 100);
}

} // namespace
