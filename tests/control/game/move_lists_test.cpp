#include "engine_fixture.h"

namespace tolvar::testing {
namespace {

class MoveListTest : public EngineTest {
protected:
    // Scans a movetext that starts from a set-up position, as LoadSetup does.
    void scanSetup(const std::string &fen, const std::string &movetext)
    {
        engine.SetupNewGame();
        engine.Forsyth = fen;
        engine.ReadForsyth();
        engine.txtEvalText = movetext;
        engine.SetupMode = true;
        engine.StripMovesFromList();
        engine.SetupMode = false;
    }

    std::string plain()
    {
        engine.WriteMoveToMoveText();
        return engine.MoveList;
    }
};

const std::string RuyLopez = "1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Ba4 Nf6 5. O-O Be7 6. Re1 *";

TEST_F(MoveListTest, EmptyGameIsTheResultAlone)
{
    EXPECT_EQ(plain(), "*");
    EXPECT_EQ(engine.MoveList_P(), "*");
    EXPECT_EQ(engine.MoveList_L(), "*");
    EXPECT_EQ(engine.MoveList_A(), "*");
    engine.GameResult.clear();
    EXPECT_EQ(engine.MoveList_A(), "*");
}

TEST_F(MoveListTest, FourLayoutsOfAGameFromTheStart)
{
    scan(RuyLopez);
    EXPECT_EQ(plain(), RuyLopez);
    EXPECT_EQ(engine.MoveList_P(), "1.e4 e5 2.Nf3 Nc6 3.Bb5 a6 4.Ba4 Nf6 5.O-O \r\nBe7 6.Re1 *");
    EXPECT_EQ(engine.MoveList_L(), "1. e4           \te5\r\n"
                                   "2. Nf3          \tNc6\r\n"
                                   "3. Bb5          \ta6\r\n"
                                   "4. Ba4          \tNf6\r\n"
                                   "5. O-O          \tBe7\r\n"
                                   "6. Re1          \t*");
    // The annotated lines break once they pass 50 characters.
    EXPECT_EQ(engine.MoveList_A(), "1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Ba4 Nf6 5. O-O Be7  \r\n6. Re1 *");
}

TEST_F(MoveListTest, LayoutsOfAGameStartingWithBlackToMove)
{
    scanSetup("4k3/8/8/8/8/8/8/4K3 b - - 0 12", "12... Kd7 13. Kd2 1-0");
    EXPECT_EQ(plain(), "12. ... Kd7 13. Kd2 1-0");
    EXPECT_EQ(engine.MoveList_P(), "12.... Kd7 13.Kd2 1-0");
    EXPECT_EQ(engine.MoveList_L(), "12. ...         \tKd7\r\n13. Kd2         \t1-0");
    EXPECT_EQ(engine.MoveList_A(), "12. ... Kd7 13. Kd2 1-0");
}

TEST_F(MoveListTest, ParagraphBreaksAfterEveryNinthPlyCountingTheBlackStart)
{
    scanSetup("4k3/8/8/8/8/8/8/4K3 b - - 0 1", "1... Kd7 2. Kd2 Kd6 3. Kd3 Kd5 4. Kd1 Ke4 5. Ke2 Kf4 6. Kf2 *");
    EXPECT_EQ(engine.MoveList_P(), "1.... Kd7 2.Kd2 Kd6 3.Kd3 Kd5 4.Kd1 Ke4 5.Ke2 \r\nKf4 6.Kf2 *");
}

TEST_F(MoveListTest, ListEntryOfSixteenOrMoreGetsNoPadding)
{
    scan("1. Qxd7+wonderful e5 2. Nf3wonderful+ *");
    EXPECT_EQ(engine.MoveList_L(), "1. Qxd7+wonderful\te5\r\n2. Nf3wonderful+\t*");
}

TEST_F(MoveListTest, AnnotatedLinesBreakAfterFiftyCharacters)
{
    scan("1. e4 e5 {The most common reply.} 2. Nf3 Nc6 3. Bb5 a6 4. Ba4 Nf6 5. O-O Be7 6. Re1 *");
    EXPECT_EQ(engine.MoveList_A(), "1. e4 e5 {The most common reply.} 2. Nf3 Nc6 3. Bb5  \r\n"
                                   "a6 4. Ba4 Nf6 5. O-O Be7 6. Re1 *");

    // The break may fall between two words of a comment; spacing inside it survives.
    scan("1. e4 {aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj  kkkk} e5 *");
    EXPECT_EQ(engine.MoveList_A(), "1. e4 {aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii  \r\n"
                                   "jjjj  kkkk} e5 *");

    // A single long word makes a longer line.
    const std::string word(60, 'x');
    scan("1. e4 {" + word + "} e5 *");
    EXPECT_EQ(engine.MoveList_A(), "1. e4 {" + word + "}  \r\ne5 *");
}

TEST_F(MoveListTest, CommentBeforeWhitesFirstMoveLeadsOnlyTheAnnotatedList)
{
    scan("{Played in the final round} 1. e4 e5 *");
    const std::string annotated = engine.MoveList_A();
    EXPECT_EQ(annotated, "{Played in the final round} 1. e4 e5 *");
    EXPECT_EQ(plain(), "1. e4 e5 *");
    EXPECT_EQ(engine.MoveList_P(), "1.e4 e5 *");

    // Read back, the comment lands on ply 0 again.
    scan(annotated);
    EXPECT_EQ(engine.PlyRecords[0].Annotation, "Played in the final round");
    EXPECT_EQ(engine.GameLength, 2);
}

TEST_F(MoveListTest, CommentOnTheBlackStartIsPrintedAfterTheDots)
{
    scanSetup("4k3/8/8/8/8/8/8/4K3 b - - 0 12", "12... {Black to play} Kd7 *");
    EXPECT_EQ(engine.MoveList_A(), "12. ... {Black to play} Kd7 *");
}

TEST_F(MoveListTest, ReadsRebuildAndIgnoreWrittenValues)
{
    scan(RuyLopez);
    const std::string first = engine.MoveList_L();
    engine.StoredMoveList_L = "written by the host";
    EXPECT_EQ(engine.MoveList_L(), first);
    engine.GameResult = "1-0";
    EXPECT_EQ(engine.MoveList_L().substr(first.size() - 1), "1-0");
}

} // namespace
} // namespace tolvar::testing
