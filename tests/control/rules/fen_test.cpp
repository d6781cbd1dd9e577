#include "replay_support.h"

#include "platform/scripted_prompts.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

struct RoundTrip {
    const char *name;
    const char *fen;
    const char *written;  // what WriteForsyth gives back; nullptr: the FEN itself
};

class FenRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(FenRoundTrip, ReadThenWriteGivesTheText)
{
    platform::ScriptedPrompts prompts;
    auto engine = engineAt(GetParam().fen);
    engine->WriteForsyth();
    EXPECT_EQ(engine->Forsyth, GetParam().written ? GetParam().written : GetParam().fen);
    EXPECT_TRUE(prompts.records().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Positions, FenRoundTrip,
    ::testing::Values(
        RoundTrip{"Start", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", nullptr},
        RoundTrip{"AfterE4", "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", nullptr},
        RoundTrip{"KingsOnly", "4k3/8/8/8/8/8/8/4K3 w - - 0 1", nullptr},
        RoundTrip{"Middlegame", "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP3PPP/R2QKB1R w KQ - 4 9", nullptr},
        RoundTrip{"BlackToMoveLate", "8/5pk1/6p1/8/3R4/6P1/r4PK1/8 b - - 12 57", nullptr},
        RoundTrip{"CastlingLettersAnyOrder", "r3k2r/8/8/8/8/8/8/R3K2R w qkQK - 0 1",
                  "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1"},
        RoundTrip{"CastlingSubset", "r3k2r/8/8/8/8/8/8/R3K2R b Qk - 0 1", nullptr},
        RoundTrip{"NumbersReadByLeadingValue", "4k3/8/8/8/8/8/8/4K3 w - - 7x 2.5",
                  "4k3/8/8/8/8/8/8/4K3 w - - 7 2"},
        RoundTrip{"NumberWithoutDigits", "4k3/8/8/8/8/8/8/4K3 w - - abc 3.5", "4k3/8/8/8/8/8/8/4K3 w - - 0 4"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Fen, ReadingAfterE4SetsSideEnPassantClockAndNumber)
{
    auto engine = engineAt("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    EXPECT_EQ(engine->Board(4, 5), PieceCode('W', 'p'));
    EXPECT_TRUE(engine->Board(2, 5).isEmpty());
    EXPECT_EQ(engine->picBoard[squareIndex(5, 4)].Tag, PieceCode('W', 'p'));
    EXPECT_EQ(engine->PlyRecords[0].Squares[squareIndex(5, 2)].text(), "E");
    EXPECT_EQ(engine->OnMove, 'B');
    EXPECT_EQ(engine->EP_Square, "e3");
    EXPECT_EQ(engine->PlyRecords[0].EPSquare, "e3");
    EXPECT_EQ(engine->PendingEPSquare, "-");
    EXPECT_EQ(engine->HalfmoveCount, 0);
    EXPECT_EQ(engine->MoveNumber, 1);
    EXPECT_EQ(engine->PlyRecords[0].Fen, "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    EXPECT_EQ(engine->GameLength, 0);
}

TEST(Fen, CastlingField)
{
    const std::vector<std::pair<std::string, std::string>> cases = {{"Qk", "Qk"}, {"-", "-"}, {"kq", "kq"}, {"x", "-"}};
    for (const auto &[field, expected] : cases) {
        auto engine = engineAt("r3k2r/8/8/8/8/8/8/R3K2R w " + field + " - 0 1");
        EXPECT_EQ(engine->CastleOption, expected) << field;
        EXPECT_EQ(engine->PlyRecords[0].CastleRights, expected) << field;
    }
    auto engine = engineAt("r3k2r/8/8/8/8/8/8/R3K2R w - - 0 1");
    EXPECT_EQ(engine->CastleWK, '\0');
    EXPECT_EQ(engine->CastleWQ, '\0');
    EXPECT_EQ(engine->CastleBK, '\0');
    EXPECT_EQ(engine->CastleBQ, '\0');
}

TEST(Fen, PlacementOnlyChangesNothingButThePieces)
{
    auto engine = engineAt("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 5 9");
    engine->Forsyth = "4k3/8/8/8/8/8/8/4K3";
    engine->ReadForsyth();
    EXPECT_EQ(placement(*engine), "4k3/8/8/8/8/8/8/4K3");
    EXPECT_EQ(engine->OnMove, 'B');
    EXPECT_EQ(engine->CastleOption, "KQkq");
    EXPECT_EQ(engine->MoveNumber, 9);
    EXPECT_EQ(engine->HalfmoveCount, 5);
}

// Groups are not realigned to ranks: the square counter runs on over "/".
TEST(Fen, GroupsAreNotRealignedToRanks)
{
    auto engine = std::make_unique<RulesEngine>();
    engine->Forsyth = "ppp/5";
    engine->ReadForsyth();
    for (int index = 1; index <= 3; ++index)
        EXPECT_EQ(engine->picBoard[index].Tag, PieceCode('B', 'p'));
    for (int index = 4; index <= 8; ++index)
        EXPECT_TRUE(engine->picBoard[index].Tag.isEmpty());
    EXPECT_EQ(engine->picBoard[9].Tag, PieceCode('B', 'p'));  // kept from before
    EXPECT_EQ(engine->picBoard[61].Tag, PieceCode('W', 'K'));
}

struct BadFen {
    const char *name;
    const char *fen;
    const char *placementAfter;  // what the cells show after the fault
    char onMove;
    const char *castleOption;
    const char *epSquare;  // PendingEPSquare after the fault
    std::int16_t halfmoves;
    std::int16_t moveNumber;
};

class FenFault : public ::testing::TestWithParam<BadFen> {};

// A fault stops the read where it happens: what was read before it stays, nothing after
// it is done (UpdateCastleOption included), and the one message is shown.
TEST_P(FenFault, StopsThereWithTheErrorMessage)
{
    auto engine = engineAt("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 3 7");
    platform::ScriptedPrompts prompts;
    engine->Forsyth = GetParam().fen;
    engine->ReadForsyth();
    ASSERT_EQ(prompts.records().size(), 1);
    EXPECT_EQ(prompts.records()[0].text, "An error occured reading this move.");
    EXPECT_EQ(prompts.records()[0].title, "Error");
    EXPECT_EQ(prompts.records()[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(prompts.records()[0].icon, platform::MessageIcon::None);
    EXPECT_EQ(placement(*engine), GetParam().placementAfter);
    EXPECT_EQ(engine->OnMove, GetParam().onMove);
    EXPECT_EQ(engine->CastleOption, GetParam().castleOption);
    EXPECT_EQ(engine->PendingEPSquare, GetParam().epSquare);
    EXPECT_EQ(engine->HalfmoveCount, GetParam().halfmoves);
    EXPECT_EQ(engine->MoveNumber, GetParam().moveNumber);
    EXPECT_EQ(engine->EP_Square, "-");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FenFault,
    ::testing::Values(
        BadFen{"ThreeFields", "4k3/8/8/8/8/8/8/4K3 b Kq", "4k3/8/8/8/8/8/8/4K3", 'B', "Kq", "-", 3, 7},
        BadFen{"FourFields", "4k3/8/8/8/8/8/8/4K3 b - e3", "4k3/8/8/8/8/8/8/4K3", 'B', "-", "e3", 3, 7},
        BadFen{"FiveFields", "4k3/8/8/8/8/8/8/4K3 b - - 9", "4k3/8/8/8/8/8/8/4K3", 'B', "-", "-", 9, 7},
        BadFen{"ClockTooLarge", "4k3/8/8/8/8/8/8/4K3 b - - 70000 2", "4k3/8/8/8/8/8/8/4K3", 'B', "-", "-", 3, 7},
        BadFen{"MoveNumberTooLarge", "4k3/8/8/8/8/8/8/4K3 w - - 1 99999", "4k3/8/8/8/8/8/8/4K3", 'W', "-", "-", 1, 7},
        BadFen{"MoreThan64Squares", "8/8/8/8/8/8/8/8/K w - - 0 1", "8/8/8/8/8/8/8/8", 'W', "KQkq", "-", 3, 7},
        BadFen{"DigitRunPastTheEnd", "8/8/8/8/8/8/8/7K9", "8/8/8/8/8/8/8/7K", 'W', "KQkq", "-", 3, 7}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Fen, WriteForsythWritesTheCurrentPlysEnPassantAndClock)
{
    auto engine = std::make_unique<RulesEngine>();
    engine->Forsyth = "4k3/8/8/8/8/8/8/4K3 w - - 0 1";
    engine->ReadForsyth();
    engine->PlyRecords[0].EPSquare = "d6";
    engine->PlyRecords[0].HalfmoveClock = 12;
    engine->MoveNumber = 33;
    engine->OnMove = 'B';
    engine->WriteForsyth();
    EXPECT_EQ(engine->Forsyth, "4k3/8/8/8/8/8/8/4K3 b - d6 12 33");
    engine->OnMove = 'X';
    engine->WriteForsyth();
    EXPECT_EQ(engine->Forsyth, "4k3/8/8/8/8/8/8/4K3 - d6 12 33");
}

// A cell code the letter table does not know repeats the letter written before it.
TEST(Fen, WriteForsythRepeatsTheLetterBeforeAnUnknownCode)
{
    auto engine = std::make_unique<RulesEngine>();
    engine->picBoard[2].Tag = PieceCode('X', 'Y');
    engine->picBoard[20].Tag = PieceCode('W', 'x');
    engine->WriteForsyth();
    EXPECT_EQ(engine->Forsyth, "rrbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
}

TEST(Fen, GetForsythCharMapsCodesAndIgnoresUnknownOnes)
{
    auto engine = std::make_unique<RulesEngine>();
    const std::vector<std::pair<PieceCode, char>> cases = {
        {PieceCode('W', 'K'), 'K'}, {PieceCode('B', 'K'), 'k'}, {PieceCode('W', 'p'), 'P'}, {PieceCode('B', 'p'), 'p'},
        {PieceCode('B', 'N'), 'n'}, {EmptyCode, '1'},           {PieceCode('E', 'x'), '1'}};
    for (const auto &[code, letter] : cases) {
        engine->FenSquareCode = code;
        engine->GetForsythChar();
        EXPECT_EQ(engine->FenChar, letter) << code.cellText();
    }
    engine->FenChar = 'Q';
    for (const PieceCode unknown : {PieceCode('X', 'K'), PieceCode('W', 'x')}) {
        engine->FenSquareCode = unknown;
        engine->GetForsythChar();
        EXPECT_EQ(engine->FenChar, 'Q');
    }
}

TEST(Fen, LoadFENStartsANewGameFromThePosition)
{
    auto engine = std::make_unique<RulesEngine>();
    std::vector<EngineEvent> events;
    engine->setEventHandler([&](EngineEvent event) { events.push_back(event); });
    engine->LoadFEN("");
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(engine->Forsyth, "");

    const std::string fen = "4k3/8/8/8/8/8/4P3/4K3 w - - 0 30";
    engine->LoadFEN(fen);
    EXPECT_EQ(events, (std::vector<EngineEvent>{EngineEvent::GameInitialize, EngineEvent::LoadFENComplete}));
    EXPECT_EQ(engine->PlyRecords[0].Fen, fen);
    EXPECT_EQ(engine->MoveNumber, 30);
    EXPECT_EQ(engine->PlyRecords[0].MoveNumberText, "30");
    EXPECT_EQ(engine->Ply, 0);
    EXPECT_EQ(engine->GameLength, 0);
    ASSERT_TRUE(playSan(*engine, "e4"));
    engine->Ply = 0;
    engine->PGNForwardHT();
    EXPECT_EQ(engine->Board(2, 5), PieceCode('W', 'p'));
}

} // namespace
