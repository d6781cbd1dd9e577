#include "replay_support.h"

#include "platform/scripted_prompts.h"

#include <gtest/gtest.h>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

constexpr const char *Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

struct Resolution {
    const char *name;
    const char *fen;
    const char *san;
    const char *placementAfter;
    const char *castleOption;  // after the move
};

class SanResolution : public ::testing::TestWithParam<Resolution> {};

TEST_P(SanResolution, MakesTheMoveOnTheCells)
{
    platform::ScriptedPrompts prompts;
    auto engine = engineAt(GetParam().fen);
    ASSERT_TRUE(playSan(*engine, GetParam().san));
    EXPECT_EQ(placement(*engine), GetParam().placementAfter);
    EXPECT_EQ(engine->CastleOption, GetParam().castleOption);
    EXPECT_TRUE(prompts.records().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, SanResolution,
    ::testing::Values(
        // The scan meets b1 first, whose knight cannot reach f3.
        Resolution{"KnightFromG1", Start, "Nf3", "rnbqkbnr/pppppppp/8/8/8/5N2/PPPPPPPP/RNBQKB1R", "KQkq"},
        Resolution{"PawnDoubleStep", Start, "e4", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR", "KQkq"},
        Resolution{"DisambiguatedByFile", "1n2k3/8/5n2/8/8/8/8/4K3 b - - 0 1", "Nbd7", "4k3/3n4/5n2/8/8/8/8/4K3",
                   "-"},
        Resolution{"DisambiguatedByRank", "1n2k3/8/1n6/8/8/8/8/4K3 b - - 0 1", "N8d7", "4k3/3n4/1n6/8/8/8/8/4K3",
                   "-"},
        Resolution{"DisambiguatedByRankWithCapture", "4k3/8/8/8/8/8/3p4/R2RK3 w - - 0 1", "R1xd2+",
                   "4k3/8/8/8/8/8/3R4/R3K3", "-"},
        Resolution{"DisambiguatorWithCaptureMark", "1n2k3/3P4/5n2/8/8/8/8/4K3 b - - 0 1", "Nbxd7",
                   "4k3/3n4/5n2/8/8/8/8/4K3", "-"},
        // Rank 1 comes first in the scan.
        Resolution{"FirstRookInScanOrder", "4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "Ra3", "4k3/8/8/R7/8/R7/8/4K3", "-"},
        // The c1 knight is pinned by the rook on a1, so the g3 knight goes.
        Resolution{"PinnedPieceSkipped", "4k3/8/8/8/8/6N1/8/r1N1K3 w - - 0 1", "Ne2", "4k3/8/8/8/8/8/4N3/r1N1K3", "-"},
        Resolution{"PromotionWithCaptureAndCheck", "3r4/4P3/8/8/8/8/8/k3K3 w - - 0 1", "exd8=Q+",
                   "3Q4/8/8/8/8/8/8/k3K3", "-"},
        Resolution{"PromotionPush", "8/4P3/8/8/8/8/8/k3K3 w - - 0 1", "e8=Q", "4Q3/8/8/8/8/8/8/k3K3", "-"},
        Resolution{"UnderPromotion", "1r6/P7/8/8/8/8/8/k3K3 w - - 0 1", "axb8=N", "1N6/8/8/8/8/8/8/k3K3", "-"},
        Resolution{"BlackPromotion", "4k3/8/8/8/8/8/p7/4K3 b - - 0 1", "a1=R+", "4k3/8/8/8/8/8/8/r3K3", "-"},
        // Many files leave out the "=": the token resolves as if it were there.
        Resolution{"PromotionPushWithoutEquals", "8/4P3/8/8/8/8/8/k3K3 w - - 0 1", "e8Q", "4Q3/8/8/8/8/8/8/k3K3",
                   "-"},
        Resolution{"PromotionCaptureWithoutEquals", "4k3/8/8/8/8/8/1p6/R3K3 b - - 0 1", "bxa1Q+",
                   "4k3/8/8/8/8/8/8/q3K3", "-"},
        Resolution{"PromotionCheckWithoutEquals", "4k3/8/8/8/8/8/p7/4K3 b - - 0 1", "a1R+", "4k3/8/8/8/8/8/8/r3K3",
                   "-"},
        Resolution{"UnderPromotionMateMarkWithoutEquals", "3r4/4P3/8/8/8/8/8/k3K3 w - - 0 1", "exd8N#",
                   "3N4/8/8/8/8/8/8/k3K3", "-"},
        Resolution{"BishopPromotionWithoutEquals", "1r6/P7/8/8/8/8/8/k3K3 w - - 0 1", "axb8B",
                   "1B6/8/8/8/8/8/8/k3K3", "-"},
        // An unknown promotion letter is no error: the pawn arrives unpromoted.
        Resolution{"UnknownPromotionLetter", "8/4P3/8/8/8/8/8/k3K3 w - - 0 1", "e8=K", "4P3/8/8/8/8/8/8/k3K3", "-"},
        // A pawn capture written as its two squares, en passant the usual case.
        Resolution{"CoordinateEnPassant", "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 3", "e5d6",
                   "rnbqkbnr/ppp1p1pp/3P4/5p2/8/8/PPPP1PPP/RNBQKBNR", "KQkq"},
        Resolution{"CoordinateBlackCaptureWithCheck", "4k3/8/8/8/6p1/5P2/8/4K3 b - - 0 1", "g4f3+",
                   "4k3/8/8/8/8/5p2/8/4K3", "-"},
        Resolution{"EnPassant", "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3", "exf6",
                   "rnbqkbnr/ppp1p1pp/5P2/3p4/8/8/PPPP1PPP/RNBQKBNR", "KQkq"},
        Resolution{"WhiteQueenSide", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "O-O-O", "r3k2r/8/8/8/8/8/8/2KR3R",
                   "kq"},
        Resolution{"ZerosKingSide", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "0-0", "r3k2r/8/8/8/8/8/8/R4RK1", "kq"},
        Resolution{"LowerCaseBlack", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "o-o+", "r4rk1/8/8/8/8/8/8/R3K2R", "KQ"},
        Resolution{"BlackQueenSideZeros", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", "0-0-0", "2kr3r/8/8/8/8/8/8/R3K2R",
                   "KQ"},
        Resolution{"KingMoveClearsLetters", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "Kf1", "r3k2r/8/8/8/8/8/8/R4K1R",
                   "kq"},
        Resolution{"RookFromH1ClearsK", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "Rh4", "r3k2r/8/8/8/7R/8/8/R3K3",
                   "Qkq"}),
    [](const auto &info) { return std::string(info.param.name); });

struct Refusal {
    const char *name;
    const char *fen;
    const char *san;
};

class SanRefusal : public ::testing::TestWithParam<Refusal> {};

// A token that cannot be made leaves MoveLegal false and the cells, the record and the
// castling letters as they were, and shows no message.
TEST_P(SanRefusal, MakesNoMove)
{
    platform::ScriptedPrompts prompts;
    auto engine = engineAt(GetParam().fen);
    const std::string before = placement(*engine);
    const auto squares = engine->PlyRecords[0].Squares;
    EXPECT_FALSE(playSan(*engine, GetParam().san));
    EXPECT_EQ(placement(*engine), before);
    EXPECT_EQ(engine->PlyRecords[0].Squares, squares);
    EXPECT_EQ(engine->Ply, 0);
    EXPECT_EQ(engine->CastleWK, engine->CastleOption.find('K') != std::string::npos ? 'K' : '\0');
    EXPECT_FALSE(engine->EPCaptureMade);
    EXPECT_TRUE(prompts.records().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, SanRefusal,
    ::testing::Values(
        Refusal{"OriginFileAndRank", Start, "Ng1f3"},
        Refusal{"LowerCasePromotionWithoutEquals", "8/4P3/8/8/8/8/8/k3K3 w - - 0 1", "e8q"},
        Refusal{"LowerCaseCapturePromotionWithoutEquals", "3r4/4P3/8/8/8/8/8/k3K3 w - - 0 1", "exd8q+"},
        Refusal{"KingLetterWithoutEquals", "8/4P3/8/8/8/8/8/k3K3 w - - 0 1", "e8K"},
        Refusal{"PieceLetterAfterMiddleRank", "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1", "e4Q"},
        Refusal{"PieceLetterAfterMiddleRankCapture", "4k3/8/8/8/8/3p4/4P3/4K3 w - - 0 1", "exd3Q+"},
        // Only a diagonal pawn step forward is read from its two squares.
        Refusal{"CoordinatePieceMove", Start, "g1f3"}, Refusal{"CoordinatePawnPush", Start, "e2e4"},
        Refusal{"CoordinateCaptureBackward", "4k3/8/8/8/8/4P3/3p4/6K1 w - - 0 1", "e3d2"},
        Refusal{"CoordinateKingDiagonal", "4k3/8/8/8/8/8/8/4K3 w - - 0 1", "e1d2"},
        Refusal{"CoordinateCaptureTwoFiles", "4k3/8/8/8/8/2p5/4P3/4K3 w - - 0 1", "e2c3"},
        Refusal{"PieceMoveWithPromotionLetter", "4k3/8/8/8/8/8/8/R3K3 w - - 0 1", "Ra8Q"},
        Refusal{"LowerCasePiece", Start, "nf3"}, Refusal{"Empty", Start, ""}, Refusal{"NoPieceReaches", Start, "Nd4"},
        Refusal{"PawnBlocked", "4k3/8/8/8/8/4p3/4P3/4K3 w - - 0 1", "e4"},
        Refusal{"PawnCaptureOntoEmpty", Start, "exd3"},
        Refusal{"TrailingExclamation", Start, "e4!"}, Refusal{"TrailingQuestionOnPiece", Start, "Nf3?"},
        Refusal{"TrailingDoubleMark", Start, "Nf3!?"},
        Refusal{"RankNine", Start, "e9"}, Refusal{"RankZero", Start, "Ne0"}, Refusal{"FileOutside", Start, "Ni3"},
        Refusal{"PawnCaptureRankNine", Start, "exd9"}, Refusal{"DisambiguatedRankZero", Start, "N0f3"},
        Refusal{"DisambiguatorNeither", Start, "N-f3"}, Refusal{"DestinationNotSquare", Start, "Nbx!"},
        Refusal{"KingNextToKing", "8/8/8/3k4/8/3K4/8/8 w - - 0 1", "Kd4"},
        Refusal{"KingNextToKingByFile", "8/8/8/3k4/8/3K4/8/8 w - - 0 1", "Kdd4"},
        Refusal{"LeavesKingAttacked", "4r1k1/8/8/8/8/8/4B3/4K3 w - - 0 1", "Bd3"},
        Refusal{"PinnedRookKeepsCastling", "4k3/8/8/8/8/8/8/r3K2R w K - 0 1", "Rh2"},
        Refusal{"PinnedPawnKeepsEnPassantSquare", "4k3/8/8/b7/8/8/3P4/4K3 w - - 0 1", "d4"},
        Refusal{"PromotionLeavingKingAttacked", "8/KP5r/8/8/8/8/8/k7 w - - 0 1", "b8=Q"},
        // Both pawns leave the fifth rank: the rook on h5 would attack the king.
        Refusal{"EnPassantExposingKing", "4k3/8/8/K2pP2r/8/8/8/8 w - d6 0 2", "exd6"},
        Refusal{"NoEnPassantSquare", "4k3/8/8/3pP3/8/8/8/4K3 w - - 0 2", "exd6"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(San, EnPassantKeepsTheRecordOfThePlyBefore)
{
    auto engine = engineAt("rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3");
    const auto before = engine->PlyRecords[0].Squares;
    ASSERT_TRUE(playSan(*engine, "exf6"));
    EXPECT_EQ(engine->PlyRecords[0].Squares, before);
    EXPECT_TRUE(engine->PlyRecords[1].Squares[squareIndex(6, 5)].isEmpty());
}

TEST(San, PendingEnPassantSquareComesFromTheDoubleStep)
{
    auto engine = std::make_unique<RulesEngine>();
    ASSERT_TRUE(playSan(*engine, "e4"));
    EXPECT_EQ(engine->PlyRecords[1].EPSquare, "e3");
    ASSERT_TRUE(playSan(*engine, "d5"));
    EXPECT_EQ(engine->PlyRecords[2].EPSquare, "d6");
    ASSERT_TRUE(playSan(*engine, "Nf3"));
    EXPECT_EQ(engine->PlyRecords[3].EPSquare, "-");
}

TEST(San, ReductionLeavesTheCoreTokenAndCaptureColour)
{
    struct Case {
        const char *fen;
        const char *san;
        const char *token;
        char targetColor;
        bool promotion;
    };
    const Case cases[] = {
        {"3r4/4P3/8/8/8/8/8/k3K3 w - - 0 1", "exd8=Q+", "ed8", 'B', true},
        {"3r4/4P3/8/8/8/8/8/k3K3 w - - 0 1", "exd8Q+", "ed8", 'B', true},
        {"1n2k3/8/5n2/8/8/8/8/4K3 b - - 0 1", "Nbxd7", "Nbd7", '\0', false},
        {"4k3/8/8/8/8/8/3p4/R2RK3 w - - 0 1", "R1xd2+", "R1d2", '\0', false},
        {"4k3/8/8/8/8/8/3p4/3RK3 w - - 0 1", "Rxd2", "Rd2", 'B', false},
        {"4k3/8/8/8/8/8/8/3QK3 w - - 0 1", "Qd8#", "Qd8", '\0', false},
        {Start, "e4+", "e4", '\0', false},
        {"4k3/8/8/8/6p1/5P2/8/4K3 b - - 0 1", "g4f3+", "gf3", 'W', false},
    };
    for (const Case &c : cases) {
        auto engine = engineAt(c.fen);
        playSan(*engine, c.san);
        EXPECT_EQ(engine->Token, c.token) << c.san;
        EXPECT_EQ(engine->TargetColor, c.targetColor) << c.san;
        EXPECT_EQ(engine->PromotionPending, c.promotion) << c.san;
        EXPECT_EQ(engine->PlyRecords[1].MoveSAN, c.san);  // the record keeps the token as written
    }
}

TEST(San, StarTokenChangesNothingNotEvenCastleOption)
{
    auto engine = std::make_unique<RulesEngine>();
    engine->CastleWK = '\0';
    EXPECT_FALSE(playSan(*engine, "*"));
    EXPECT_EQ(engine->CastleOption, "KQkq");
    EXPECT_FALSE(playSan(*engine, "e5"));  // any other token joins the letters again
    EXPECT_EQ(engine->CastleOption, "Qkq");
}

TEST(San, CastlingThroughAnAttackedSquareShowsThePgnError)
{
    struct Case {
        const char *fen;
        const char *san;
        bool allowed;
    };
    const Case cases[] = {
        {"5r2/8/8/8/8/8/8/4K2R w K - 0 1", "O-O", false},    // f1 attacked
        {"4r3/8/8/8/8/8/8/R3K3 w Q - 0 1", "O-O-O", false},  // in check
        {"2r5/8/8/8/8/8/8/R3K3 w Q - 0 1", "O-O-O", false},  // c1 attacked
        {"1r6/8/8/8/8/8/8/R3K3 w Q - 0 1", "O-O-O", true},   // only b1 attacked
        {"r3k3/8/8/8/8/8/8/3R2K1 b q - 0 1", "O-O-O", false},
    };
    for (const Case &c : cases) {
        platform::ScriptedPrompts prompts;
        auto engine = engineAt(c.fen);
        EXPECT_EQ(playSan(*engine, c.san), c.allowed) << c.fen;
        if (c.allowed) {
            EXPECT_TRUE(prompts.records().isEmpty());
            continue;
        }
        ASSERT_EQ(prompts.records().size(), 1) << c.fen;
        EXPECT_EQ(prompts.records()[0].text, "Error Reading PGN File");
        EXPECT_EQ(prompts.records()[0].title, "PGN Error");
        EXPECT_EQ(prompts.records()[0].buttons, platform::MessageButtons::Ok);
        const std::string fen = c.fen;
        EXPECT_EQ(placement(*engine), fen.substr(0, fen.find(' ')));
    }
}

// A written castling is trusted: the right and the empty squares are not checked.
TEST(San, WrittenCastlingIsTrusted)
{
    auto engine = engineAt("4k3/8/8/8/8/8/8/4K1NR w - - 0 1");
    ASSERT_TRUE(playSan(*engine, "O-O"));
    EXPECT_EQ(placement(*engine), "4k3/8/8/8/8/8/8/5RK1");
}

TEST(San, CaptureTest)
{
    auto engine = std::make_unique<RulesEngine>();
    for (const auto &[color, captured] : {std::pair{'W', true}, {'B', true}, {'E', false}, {'\0', false}}) {
        engine->TargetColor = color;
        engine->DetermineIfCaptureMade();
        EXPECT_EQ(engine->CaptureMade, captured) << color;
    }
}

TEST(San, NoTokenBeyondTheLastEntry)
{
    auto engine = std::make_unique<RulesEngine>();
    engine->Ply = MaxPly;
    engine->ForwardOneMove();
    EXPECT_FALSE(engine->MoveLegal);
}

} // namespace
