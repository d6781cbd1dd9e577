#include "control/game/game_engine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A movetext of `moves` full moves: the knights going out and back again.
std::string knightShuffle(int moves)
{
    static const char *const cycle[] = {"Nf3", "Nf6", "Ng1", "Ng8"};
    std::string text;
    for (int ply = 0; ply < 2 * moves; ++ply) {
        if (ply % 2 == 0)
            text += std::to_string(ply / 2 + 1) + ". ";
        text += cycle[ply % 4];
        text += ' ';
    }
    return text + "1/2-1/2";
}

TEST(HostileGame, TwoThousandPliesFillTheRecordAndStopThere)
{
    tolvar::GameEngine engine;
    engine.LoadGame(knightShuffle(1000));
    EXPECT_EQ(engine.GameLength, tolvar::MaxPly);
    EXPECT_FALSE(engine.ImportError);
    engine.MoveLast();
    EXPECT_EQ(engine.Ply, tolvar::MaxPly);
    // Ply 500 is Black's 250th move: both knights are home again.
    EXPECT_EQ(engine.Forsyth.substr(0, 43), "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR");
    engine.LoadMove("e4");
    EXPECT_EQ(engine.GameLength, tolvar::MaxPly);
}

TEST(HostileGame, TwoThousandPliesFromASetUpPosition)
{
    tolvar::GameEngine engine;
    engine.LoadSetup("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", knightShuffle(1000));
    EXPECT_EQ(engine.GameLength, tolvar::MaxPly);
    engine.MoveLast();
    EXPECT_EQ(engine.Ply, tolvar::MaxPly);
}

// Words of 8 MB without a blank: each scanner branch that looks for the end of a word
// must not look for it again from every following character.
TEST(HostileGame, LongWordsScanInOnePass)
{
    for (const char c : {'{', '(', 'N', '.', '$', ';', 'x', '2', '+'}) {
        SCOPED_TRACE(c);
        tolvar::GameEngine engine;
        engine.LoadGame(std::string(8 << 20, c));
        EXPECT_LE(engine.GameLength, 1);
    }
}

// Words that start with "0" or "1" and are no result are skipped a character at a
// time; looking for the word's end from each of them again made the scan quadratic
// (64 KB took seconds, 8 MB days).
TEST(HostileGame, LongNumericWordsScanInOnePass)
{
    for (const char c : {'0', '1'}) {
        SCOPED_TRACE(c);
        tolvar::GameEngine engine;
        engine.LoadGame(std::string(8 << 20, c));
        EXPECT_EQ(engine.GameLength, 0);
    }
}

TEST(HostileFen, HundredFieldsReadOnlyTheFirstSix)
{
    std::string fen = "4k3/8/8/8/8/8/8/4K2R b K - 7 33";
    for (int field = 6; field < 100; ++field)
        fen += " x";
    tolvar::RulesEngine engine;
    engine.LoadFEN(fen);
    EXPECT_EQ(engine.OnMove, 'B');
    EXPECT_EQ(engine.MoveNumber, 33);
    EXPECT_EQ(engine.HalfmoveCount, 7);
    engine.WriteForsyth();
    EXPECT_EQ(engine.Forsyth, "4k3/8/8/8/8/8/8/4K2R b K - 7 33");
}

TEST(HostileFen, HugeOrBrokenPlacementsNeverLeaveTheBoard)
{
    for (const std::string &placement :
         {std::string(1 << 20, 'Q'), std::string(1 << 20, '9'), std::string(100000, '/'), std::string(1000, '\0'),
          std::string("8/8/8/8/8/8/8/8/8/8/8/8/KQkq")}) {
        tolvar::RulesEngine engine;
        engine.LoadFEN(placement + " w - - 0 1");
        engine.WriteForsyth();
        EXPECT_FALSE(engine.Forsyth.empty());
    }
}

} // namespace
