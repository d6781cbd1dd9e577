#include "engine_fixture.h"

#include <sstream>

namespace tolvar::testing {
namespace {

struct ScanCase {
    const char *name;
    std::string movetext;
    std::vector<std::string> moves;  // MoveSAN of entries 1..n
    std::string result;              // GameResult afterwards
    bool bufferEmptied;              // the text ended without a result token
};

class ScannerTable : public EngineTest, public ::testing::WithParamInterface<ScanCase> {};

TEST_P(ScannerTable, SplitsMovesAndResult)
{
    const ScanCase &c = GetParam();
    scan(c.movetext);
    ASSERT_EQ(engine.GameLength, static_cast<int>(c.moves.size()));
    for (std::size_t i = 0; i < c.moves.size(); ++i)
        EXPECT_EQ(engine.PlyRecords[i + 1].MoveSAN, c.moves[i]) << "ply " << i + 1;
    EXPECT_EQ(engine.GameResult, c.result);
    EXPECT_EQ(engine.txtEvalText.empty(), c.bufferEmptied);
    EXPECT_TRUE(prompts.records().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Movetexts, ScannerTable,
    ::testing::Values(
        ScanCase{"WhiteWins", "1. e4 e5 2. Nf3 1-0", {"e4", "e5", "Nf3"}, "1-0", false},
        ScanCase{"NoResultEndingInLineBreak", "1. e4 e5 2. Nf3 \r\n", {"e4", "e5", "Nf3"}, "*", true},
        ScanCase{"ColonResults", "1.d4 0:1", {"d4"}, "0-1", false},
        ScanCase{"ShortDraw", "1.d4 d5 1/2", {"d4", "d5"}, "1/2-1/2", false},
        ScanCase{"FullDraw", "1.d4 d5 1/2-1/2", {"d4", "d5"}, "1/2-1/2", false},
        ScanCase{"StarEndsScan", "1.e4 * 2.d4", {"e4"}, "*", false},
        ScanCase{"NumbersWithoutSpaces", "1.e4 e5 10.Nf3 1...Nc6", {"e4", "e5", "Nf3", "Nc6"}, "*", true},
        ScanCase{"LettersCastlingIsAWord", "1.e4 e5 2.O-O", {"e4", "e5", "O-O"}, "*", true},
        ScanCase{"ZeroCastling", "1.e4 e5 2.0-0 0-0-0", {"e4", "e5", "0-0", "0-0-0"}, "*", true},
        ScanCase{"ZeroCastlingWithCheckIsNot", "1.e4 0-0+", {"e4", "-0+"}, "*", true},
        ScanCase{"LineFeedIsNoSeparator", "1.e4\ne5 2.d4", {"e4\ne5", "d4"}, "*", true},
        ScanCase{"CommentGluedToMove", "e4{good} e5", {"e4{good}", "e5"}, "*", true},
        ScanCase{"GlyphsAndVariationsAreNoMoves", "1.e4 $1 (1.d4) e5", {"e4", "e5"}, "*", true},
        ScanCase{"NestedVariationWithBraces", "1.e4 (1.d4 (1.c4) {a ) inside} d5) e5 2.Nf3", {"e4", "e5", "Nf3"}, "*",
                 true},
        ScanCase{"UnclosedVariationRunsToTheEnd", "1.e4 e5 (1...c5 2.Nf3 1-0", {"e4", "e5"}, "*", true},
        ScanCase{"ResultInsideVariationEndsNothing", "1.e4 (1.d4 1-0) e5 0-1", {"e4", "e5"}, "0-1", false},
        ScanCase{"SuffixGlyphsComeOffTheMove", "1.e4! e5?! 2.Qh5?? Nc6!! 3.Bc4!? O-O?", {"e4", "e5", "Qh5", "Nc6", "Bc4", "O-O"},
                 "*", true},
        ScanCase{"GlyphAfterZeroCastling", "1.e4 e5 2.0-0!", {"e4", "e5", "0-0"}, "*", true},
        ScanCase{"DollarWithoutDigitsIsAWord", "1.e4 $ e5", {"e4", "$", "e5"}, "*", true},
        ScanCase{"ResultAfterLongGameNumber", "119.Kh1 1-0", {"Kh1"}, "1-0", false}),
    [](const ::testing::TestParamInfo<ScanCase> &info) { return std::string(info.param.name); });

TEST_F(EngineTest, ScannerNumbersPliesFromOneOrFromTheSetupPosition)
{
    scan("1. e4 e5 2. Nf3 1-0");
    EXPECT_EQ(engine.PlyRecords[1].MoveNumberText, "1");
    EXPECT_EQ(engine.PlyRecords[2].MoveNumberText, "1");
    EXPECT_EQ(engine.PlyRecords[3].MoveNumberText, "2");

    engine.SetupNewGame();
    engine.Forsyth = "4k3/8/8/8/8/8/8/4K3 b - - 0 12";
    engine.ReadForsyth();
    engine.txtEvalText = "12... Kd7 13. Kd2 Kc6";
    engine.SetupMode = true;
    engine.StripMovesFromList();
    EXPECT_EQ(engine.PlyRecords[0].MoveSAN, "...");
    EXPECT_EQ(engine.PlyRecords[0].MoveNumberText, "12");
    EXPECT_EQ(engine.PlyRecords[1].MoveNumberText, "12");
    EXPECT_EQ(engine.PlyRecords[2].MoveNumberText, "13");
    EXPECT_EQ(engine.PlyRecords[3].MoveNumberText, "13");
}

TEST_F(EngineTest, ScannerAttachesCommentsToThePlyBefore)
{
    scan("{Opening} 1. e4 {Best by test} e5 ; strong\r\n2. Nf3 {first} {second} *");
    EXPECT_EQ(engine.GameLength, 3);
    EXPECT_EQ(engine.PlyRecords[0].Annotation, "Opening");
    EXPECT_EQ(engine.PlyRecords[1].Annotation, "Best by test");
    EXPECT_EQ(engine.PlyRecords[2].Annotation, "; strong\r");
    // A second comment on a ply joins the first.
    EXPECT_EQ(engine.PlyRecords[3].Annotation, "first second");
}

TEST_F(EngineTest, ScannerKeepsGlyphsAndVariationsAsComments)
{
    const std::string movetext = "1. e4 $1 {good} (1. d4 {also {fine}) e5!? \r\n2. Nf3 (2. Bc4 (2. Nc3)) $14 *";
    scan(movetext);
    ASSERT_EQ(engine.GameLength, 3);
    EXPECT_EQ(engine.PlyRecords[1].Annotation, "$1 good (1. d4 also fine)");
    EXPECT_EQ(engine.PlyRecords[2].Annotation, "!?");
    EXPECT_EQ(engine.PlyRecords[3].Annotation, "(2. Bc4 (2. Nc3)) $14");

    // Saved from the board, the game reads back with the same moves and comments (the
    // annotated layout may break a comment's line).
    engine.LoadGame(movetext);
    ASSERT_FALSE(engine.ImportError);
    engine.LoadGame(engine.MoveList_A());
    EXPECT_FALSE(engine.ImportError);
    ASSERT_EQ(engine.GameLength, 3);
    EXPECT_EQ(engine.PlyRecords[3].MoveSAN, "Nf3");
    const auto words = [](const std::string &text) {
        std::istringstream in(text);
        std::string word;
        std::string joined;
        while (in >> word)
            joined += (joined.empty() ? "" : " ") + word;
        return joined;
    };
    EXPECT_EQ(words(engine.PlyRecords[1].Annotation), "$1 good (1. d4 also fine)");
    EXPECT_EQ(words(engine.PlyRecords[3].Annotation), "(2. Bc4 (2. Nc3)) $14");
    EXPECT_TRUE(prompts.records().isEmpty());
}

TEST_F(EngineTest, ScannerKeepsMultiLineAndUnclosedComments)
{
    scan("1. e4 {spans\r\ntwo lines} e5 ; to the end");
    EXPECT_EQ(engine.PlyRecords[1].Annotation, "spans\r\ntwo lines");
    EXPECT_EQ(engine.PlyRecords[2].Annotation, "; to the end");

    // An unclosed comment ends the scan; what it read belongs to the ply before it.
    scan("1. e4 e5 {never closed 2. Nf3 Nc6");
    EXPECT_EQ(engine.GameLength, 2);
    EXPECT_EQ(engine.PlyRecords[2].Annotation, "never closed 2. Nf3 Nc6");
    EXPECT_TRUE(engine.txtEvalText.empty());
    EXPECT_EQ(engine.GameResult, "*");
}

TEST_F(EngineTest, ScannerStopsAtFiveHundredPliesWithAMessage)
{
    std::string movetext;
    for (int i = 0; i < 501; ++i)
        movetext += i % 2 == 0 ? "Nf3 " : "Nf6 ";
    scan(movetext);
    EXPECT_EQ(engine.GameLength, MaxPly);
    EXPECT_EQ(engine.PlyRecords[500].MoveSAN, "Nf6");
    ASSERT_EQ(prompts.records().size(), 1);
    EXPECT_EQ(prompts.records()[0].text, "Error reading game information.");
    EXPECT_EQ(prompts.records()[0].title, "Error Reading Game");
    EXPECT_EQ(prompts.records()[0].buttons, platform::MessageButtons::Ok);

    prompts.clearRecords();
    movetext.resize(movetext.size() - 4);  // exactly 500 plies fit
    scan(movetext);
    EXPECT_EQ(engine.GameLength, MaxPly);
    EXPECT_TRUE(prompts.records().isEmpty());
}

TEST_F(EngineTest, ScannerLeavesResultAloneWithoutAResultToken)
{
    engine.SetupNewGame();
    engine.GameResult = "1-0";
    engine.txtEvalText = "1. e4 e5";
    engine.StripMovesFromList();
    EXPECT_EQ(engine.GameResult, "1-0");
}

} // namespace
} // namespace tolvar::testing
