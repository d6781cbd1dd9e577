#include "engine_fixture.h"

namespace tolvar::testing {
namespace {

using E = EngineEvent;

class NavigationTest : public EngineTest {
protected:
    NavigationTest()
    {
        engine.LoadGame("1. e4 e5 2. Nf3 Nc6 *");
        events.clear();
    }
};

TEST_F(NavigationTest, EachStepShowsTheStoredPositionAndRaisesItsEvent)
{
    engine.MoveNext();
    EXPECT_EQ(engine.Ply, 1);
    EXPECT_EQ(engine.Forsyth, engine.PlyRecords[1].Fen);
    EXPECT_EQ(code("e4"), "Wp");
    EXPECT_EQ(code("e2"), "E");
    EXPECT_EQ(engine.OnMove, 'B');
    EXPECT_EQ(engine.EP_Square, "e3");
    EXPECT_EQ(engine.MoveText, "e4");
    EXPECT_EQ(engine.Board(4, 5), PieceCode('W', 'p'));

    engine.MoveLast();
    EXPECT_EQ(engine.Ply, 4);
    EXPECT_EQ(engine.PMCapture, 2);
    EXPECT_EQ(engine.MoveNumber, 3);
    EXPECT_EQ(engine.MoveText, "Nc6");
    EXPECT_EQ(engine.MoveNumber_Move(), 2);

    engine.MovePrevious();
    EXPECT_EQ(engine.Ply, 3);
    EXPECT_EQ(engine.EP_Square, "-");
    EXPECT_EQ(engine.OnMove, 'B');

    engine.MoveFirst();
    EXPECT_EQ(engine.Ply, 0);
    EXPECT_EQ(engine.Forsyth, std::string(StartFen));
    EXPECT_EQ(events, (std::vector<E>{E::MoveNextComplete, E::MoveLastComplete, E::MovePreviousComplete,
                                      E::MoveFirstComplete}));
    EXPECT_EQ(engine.GameLength, 4);
    EXPECT_FALSE(engine.GameChanged);
}

TEST_F(NavigationTest, StepsPastTheEndsDoNothing)
{
    engine.MoveFirst();
    engine.MovePrevious();
    engine.MoveLast();
    events.clear();
    engine.MoveNext();
    engine.MoveLast();
    EXPECT_EQ(engine.Ply, 4);
    for (const std::int16_t outside : {std::int16_t(-1), std::int16_t(5), std::int16_t(600)})
        engine.NavigatePly(outside);
    EXPECT_EQ(engine.Ply, 4);
    EXPECT_TRUE(events.empty());

    engine.GameReset();
    EXPECT_EQ(events, (std::vector<E>{E::GameInitialize}));
    events.clear();
    engine.MoveLast();
    engine.MoveNext();
    engine.MoveFirst();
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(engine.GameLength, 0);
}

TEST_F(NavigationTest, NavigatePlyJumpsWithoutAnEvent)
{
    engine.NavigatePly(2);
    EXPECT_EQ(engine.Ply, 2);
    EXPECT_EQ(code("e5"), "Bp");
    EXPECT_EQ(engine.MoveNumber, 2);
    engine.NavigatePly(0);
    EXPECT_EQ(engine.Ply, 0);
    EXPECT_TRUE(events.empty());
}

TEST_F(NavigationTest, AnnotationOfTheCurrentPlySurvivesNavigation)
{
    engine.NavigatePly(2);
    engine.WriteAnnotation("The most common reply.");
    engine.MoveLast();
    std::string annotation = "not read yet";
    engine.ReadAnnotation(annotation);
    EXPECT_EQ(annotation, "");
    engine.NavigatePly(2);
    engine.ReadAnnotation(annotation);
    EXPECT_EQ(annotation, "The most common reply.");
    EXPECT_EQ(engine.MoveList_A(), "1. e4 e5 {The most common reply.} 2. Nf3 Nc6 *");

    engine.LoadGame("1. e4 e5 2. Nf3 Nc6 *");
    engine.NavigatePly(2);
    engine.ReadAnnotation(annotation);
    EXPECT_EQ(annotation, "");
}

TEST_F(NavigationTest, PlyWrittenByTheHostNeverLeavesTheRecord)
{
    engine.Ply = 30000;
    engine.MovePrevious();
    EXPECT_EQ(engine.Ply, 4);
    engine.Ply = -7;
    engine.MoveNext();
    EXPECT_EQ(engine.Ply, 0);
    engine.GameLength = 30000;
    engine.MoveLast();
    EXPECT_EQ(engine.Ply, MaxPly);
}

TEST_F(EngineTest, AfterLoadFenTheFirstPlyIsTheLoadedPosition)
{
    const std::string fen = "4k3/8/8/8/8/8/4P3/4K3 w - - 0 40";
    engine.LoadFEN(fen);
    engine.LoadMove("e4");
    EXPECT_EQ(engine.PlyRecords[1].Fen, "4k3/8/8/8/4P3/8/8/4K3 b - e3 0 40");
    engine.MoveFirst();
    EXPECT_EQ(engine.Forsyth, fen);
    EXPECT_EQ(code("e2"), "Wp");
    EXPECT_EQ(engine.MoveNumber, 40);
}

} // namespace
} // namespace tolvar::testing
