#include "engine_fixture.h"

#include "platform/busy_pointer.h"

namespace tolvar::testing {
namespace {

using E = EngineEvent;

// The last three fields of a FEN text: castling is the third from the end, and so on.
std::string fenTail(const std::string &fen, int fields)
{
    std::size_t pos = fen.size();
    for (int i = 0; i < fields && pos != std::string::npos; ++i)
        pos = fen.rfind(' ', pos - 1);
    return fen.substr(pos + 1);
}

// 500 legal plies: the knights jump out and back 125 times.
std::string fiveHundredPlies()
{
    std::string movetext;
    for (int i = 0; i < 125; ++i)
        movetext += "Nf3 Nf6 Ng1 Ng8 ";
    return movetext;
}

TEST_F(EngineTest, LoadGameRecordsEveryPlyAndReturnsToTheStart)
{
    engine.LoadGame("1. e4 e5 2. Nf3 Nc6 *");
    EXPECT_EQ(events, (std::vector<E>{E::GameInitialize, E::LoadGameComplete}));
    EXPECT_EQ(engine.GameLength, 4);
    EXPECT_EQ(engine.Ply, 0);
    EXPECT_EQ(engine.GameResult, "*");
    EXPECT_FALSE(engine.GameChanged);
    EXPECT_EQ(engine.MoveList, "1. e4 e5 2. Nf3 Nc6 *");
    EXPECT_EQ(fenTail(engine.PlyRecords[1].Fen, 5), "b KQkq e3 0 1");
    EXPECT_EQ(fenTail(engine.PlyRecords[2].Fen, 5), "w KQkq e6 0 2");
    EXPECT_EQ(fenTail(engine.PlyRecords[3].Fen, 5), "b KQkq - 1 2");
    EXPECT_EQ(fenTail(engine.PlyRecords[4].Fen, 5), "w KQkq - 2 3");
    EXPECT_EQ(engine.PlyRecords[4].Fen, "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3");
    // The board shows ply 0 again, drawn.
    EXPECT_EQ(engine.Forsyth, std::string(StartFen));
    EXPECT_EQ(code("e2"), "Wp");
    EXPECT_TRUE(engine.picBoard[1].Visible);
    EXPECT_EQ(engine.PlyRecords[3].MoveNumberMove, 2);
    EXPECT_TRUE(prompts.records().isEmpty());
}

TEST_F(EngineTest, EmptyArgumentsLoadNothing)
{
    engine.LoadGame("1. e4 *");
    events.clear();
    engine.LoadGame("");
    engine.LoadSetup("", "1. e4 *");
    engine.LoadSetup(std::string(StartFen), "");
    engine.LoadMove("");
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(engine.GameLength, 1);
    EXPECT_EQ(engine.PlyRecords[1].MoveSAN, "e4");
}

TEST_F(EngineTest, IllegalMoveLoadsTheRestAndReportsOnce)
{
    engine.LoadGame("1. e4 e5 2. Nf3 Nc6 3. Ke3 a6 4. Bc4 *");
    EXPECT_EQ(engine.GameLength, 7);
    EXPECT_TRUE(engine.ImportError);
    EXPECT_EQ(events.back(), E::LoadGameComplete);
    ASSERT_EQ(prompts.records().size(), 1);
    const auto &message = prompts.records()[0];
    EXPECT_EQ(message.title, "Import Error");
    EXPECT_EQ(message.icon, platform::MessageIcon::Information);
    EXPECT_EQ(message.text, "Error loading this game. It may be an illegal move or an error\r\n"
                            "in the notation. Some information may not be displayed properly.");
    // The failed ply keeps the position and passes the move to the other side.
    EXPECT_EQ(engine.PlyRecords[5].Fen.substr(0, engine.PlyRecords[4].Fen.find(' ')),
              engine.PlyRecords[4].Fen.substr(0, engine.PlyRecords[4].Fen.find(' ')));
    EXPECT_EQ(fenTail(engine.PlyRecords[5].Fen, 5).substr(0, 1), "b");
}

TEST_F(EngineTest, ReplayShowsTheBusyPointerUntilBeforeTheMessage)
{
    std::vector<std::string> trace;
    // Each change of the pointer notes how many messages were shown before it.
    platform::setBusyPointerHandler([&](bool busy) {
        trace.push_back((busy ? "busy " : "normal ") + std::to_string(prompts.records().size()));
    });
    engine.setEventHandler([&trace](EngineEvent event) {
        if (event == E::LoadGameComplete)
            trace.push_back("complete");
    });
    engine.LoadGame("1. e4 e5 2. Ke3 *");
    platform::setBusyPointerHandler(nullptr);
    EXPECT_EQ(trace, (std::vector<std::string>{"busy 0", "normal 0", "complete"}));
    EXPECT_EQ(messageTitles(), std::vector<std::string>{"Import Error"});
}

TEST_F(EngineTest, LoadSetupWithBlackToMove)
{
    const std::string fen = "rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2";
    engine.LoadSetup(fen, "2... Nc6 3. Bb5 1-0");
    EXPECT_EQ(events, (std::vector<E>{E::GameInitialize, E::LoadSetupComplete}));
    EXPECT_FALSE(engine.SetupMode);
    EXPECT_EQ(engine.PlyRecords[0].MoveSAN, "...");
    EXPECT_EQ(engine.PlyRecords[0].Fen, fen);
    EXPECT_EQ(engine.GameLength, 2);
    EXPECT_EQ(engine.GameResult, "1-0");
    EXPECT_EQ(engine.PlyRecords[1].Fen, "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3");
    EXPECT_EQ(engine.PlyRecords[2].Fen, "r1bqkbnr/pppp1ppp/2n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3");
    EXPECT_EQ(engine.MoveList, "2. ... Nc6 3. Bb5 1-0");
    EXPECT_EQ(engine.OnMove, 'B');
    EXPECT_EQ(engine.Forsyth, fen);
    EXPECT_TRUE(prompts.records().isEmpty());
}

TEST_F(EngineTest, LoadMoveAppendsAndRaisesTwoEvents)
{
    engine.LoadGame("1. e4 e5 *");
    engine.MoveLast();
    events.clear();
    engine.LoadMove("Nf3");
    EXPECT_EQ(events, (std::vector<E>{E::MoveComplete, E::LoadMoveComplete}));
    EXPECT_EQ(engine.GameLength, 3);
    EXPECT_EQ(engine.Ply, 3);
    EXPECT_EQ(engine.MoveText, "Nf3");
    EXPECT_EQ(engine.PMCapture, 1);
    EXPECT_TRUE(engine.GameChanged);
    EXPECT_EQ(engine.MoveList, "1. e4 e5 2. Nf3 *");
    EXPECT_EQ(engine.PlyRecords[3].Fen, "rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2");
    EXPECT_FALSE(engine.LoadMoveMode);

    engine.LoadMove("d5");
    engine.LoadMove("exd5");
    EXPECT_EQ(engine.PMCapture, 0);
    EXPECT_EQ(engine.PlyRecords[5].Fen, "rnbqkbnr/ppp2ppp/8/3Pp3/8/5N2/PPPP1PPP/RNBQKB1R b KQkq - 0 3");
}

TEST_F(EngineTest, LoadMoveCastlesAndCountsTheClock)
{
    engine.LoadGame("1. e4 e5 2. Nf3 Nc6 3. Bc4 Bc5 *");
    engine.MoveLast();
    engine.LoadMove("O-O");
    EXPECT_EQ(engine.PlyRecords[7].Fen, "r1bqk1nr/pppp1ppp/2n5/2b1p3/2B1P3/5N2/PPPP1PPP/RNBQ1RK1 b kq - 5 4");
    EXPECT_EQ(engine.CastleOption, "kq");
    EXPECT_EQ(engine.MoveList, "1. e4 e5 2. Nf3 Nc6 3. Bc4 Bc5 4. O-O *");
}

TEST_F(EngineTest, LoadMoveThatCannotBeMadeLeavesTheRecord)
{
    engine.LoadGame("1. e4 e5 2. Nf3 *");
    engine.NavigatePly(1);
    events.clear();
    for (const char *token : {"Ke3", "Nf6x", "e4"}) {
        engine.LoadMove(token);
        EXPECT_EQ(engine.GameLength, 3) << token;
        EXPECT_EQ(engine.PlyRecords[2].MoveSAN, "e5") << token;
        EXPECT_EQ(engine.Ply, 1) << token;
    }
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(engine.GameChanged);
    EXPECT_EQ(engine.OnMove, 'B');
    EXPECT_TRUE(prompts.records().isEmpty());
}

TEST_F(EngineTest, LoadMoveBeforeTheLastPlyCutsTheGameAndItsComments)
{
    engine.LoadGame("1. e4 e5 {old reply} 2. Nf3 {old} Nc6 *");
    engine.NavigatePly(1);
    engine.LoadMove("c5");
    EXPECT_EQ(engine.GameLength, 2);
    EXPECT_EQ(engine.PlyRecords[2].MoveSAN, "c5");
    EXPECT_EQ(engine.PlyRecords[2].Annotation, "");
    EXPECT_EQ(engine.PlyRecords[3].Annotation, "");
    EXPECT_EQ(engine.MoveList_A(), "1. e4 c5 *");
}

TEST_F(EngineTest, FiveHundredAndFirstPlyIsRefused)
{
    engine.LoadGame(fiveHundredPlies());
    ASSERT_EQ(engine.GameLength, MaxPly);
    EXPECT_TRUE(prompts.records().isEmpty());
    engine.MoveLast();
    const std::string lastFen = engine.PlyRecords[MaxPly].Fen;
    events.clear();

    engine.LoadMove("Nf3");
    drag("g1", "f3");
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(engine.GameLength, MaxPly);
    EXPECT_EQ(engine.Ply, MaxPly);
    EXPECT_EQ(engine.PlyRecords[MaxPly].Fen, lastFen);
    EXPECT_EQ(code("g1"), "WN");
    EXPECT_EQ(code("f3"), "E");
    EXPECT_EQ(engine.picBoard[cell("g1")].Picture, PieceImage::imgWNight);
    EXPECT_EQ(engine.picBoard[cell("g1")].BorderStyle, CellBorder::None);

    // One ply back there is room again.
    engine.MovePrevious();
    engine.LoadMove("Ng8");
    EXPECT_EQ(engine.GameLength, MaxPly);
    EXPECT_EQ(events.back(), E::LoadMoveComplete);
}

TEST_F(EngineTest, ReplayedPromotionsKeepTheHostsPromotionPiece)
{
    engine.PromotionPiece = "R";
    engine.LoadSetup("4k3/P7/8/8/8/8/8/4K3 w - - 0 1", "1. a8=N *");
    EXPECT_EQ(engine.PlyRecords[1].Fen, "N3k3/8/8/8/8/8/8/4K3 b - - 0 1");
    EXPECT_EQ(engine.PromotionPiece, "R");

    engine.LoadFEN("4k3/P7/8/8/8/8/8/4K3 w - - 0 1");
    engine.LoadMove("a8=B");
    EXPECT_EQ(engine.PlyRecords[1].Fen, "B3k3/8/8/8/8/8/8/4K3 b - - 0 1");
    EXPECT_EQ(engine.PromotionPiece, "R");
}

TEST_F(EngineTest, ReturnTextsOfAnyPlyInTheRecord)
{
    engine.LoadGame("1. e4 e5 *");
    engine.DoReturnForsyth(0);
    EXPECT_EQ(engine.ReturnForsyth, std::string(StartFen));
    engine.DoReturnMove(2);
    EXPECT_EQ(engine.ReturnMove, "e5");
    EXPECT_EQ(engine.Ply, 0);

    for (const int outside : {-1, 501, 40000}) {
        engine.DoReturnForsyth(outside);
        engine.DoReturnMove(outside);
        EXPECT_EQ(engine.ReturnForsyth, std::string(StartFen));
        EXPECT_EQ(engine.ReturnMove, "e5");
    }
}

TEST_F(EngineTest, TwoEnginesKeepTheirOwnGames)
{
    GameEngine other;
    other.LoadGame("1. d4 d5 *");
    engine.LoadGame("1. e4 *");
    EXPECT_EQ(other.PlyRecords[1].MoveSAN, "d4");
    EXPECT_EQ(other.GameLength, 2);
    EXPECT_EQ(engine.GameLength, 1);
}

} // namespace
} // namespace tolvar::testing
