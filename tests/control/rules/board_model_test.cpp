#include "replay_support.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tolvar;
using namespace tolvar::testing;

TEST(BoardModel, SquaresAreNumberedFromA8AndKeyedByNameFileRankIndex)
{
    EXPECT_EQ(squareIndex(5, 1), 61);
    EXPECT_EQ(squareIndex(1, 1), 57);
    EXPECT_EQ(squareIndex(8, 8), 8);
    auto engine = std::make_unique<RulesEngine>();
    EXPECT_EQ(engine->picBoard[61].SquareKey, "e1-5-1-61");
    EXPECT_EQ(engine->picBoard[1].SquareKey, "a8-1-8-1");
    EXPECT_EQ(engine->picBoard[9].SquareKey, "a7-1-7-9");
    EXPECT_EQ(engine->picBoard[64].SquareKey, "h1-8-1-64");
}

TEST(BoardModel, BuildSquaresLaysOutAChequerInTwips)
{
    auto engine = std::make_unique<RulesEngine>();
    EXPECT_EQ(engine->picBoard[1].Left, 60);
    EXPECT_EQ(engine->picBoard[1].Top, 60);
    EXPECT_EQ(engine->picBoard[64].Left, 60 + 7 * 480);
    EXPECT_EQ(engine->picBoard[64].Top, 60 + 7 * 480);
    EXPECT_EQ(engine->picBoard[10].Left, 540);
    EXPECT_EQ(engine->picBoard[10].Top, 540);
    EXPECT_EQ(engine->picBoard[1].BackColor, InitialLightColor);   // a8
    EXPECT_EQ(engine->picBoard[2].BackColor, InitialDarkColor);    // b8
    EXPECT_EQ(engine->picBoard[9].BackColor, InitialDarkColor);    // a7
    for (int index = 1; index <= 64; ++index) {
        EXPECT_EQ(engine->picBoard[index].BackColor == InitialLightColor, isLightCell(index)) << index;
        EXPECT_TRUE(engine->picBoard[index].Visible);
    }
}

TEST(BoardModel, HashtableCapturesTheStartPosition)
{
    auto engine = std::make_unique<RulesEngine>();
    EXPECT_EQ(engine->Board(1, 5), PieceCode('W', 'K'));
    EXPECT_EQ(engine->Board(8, 4), PieceCode('B', 'Q'));
    EXPECT_EQ(engine->Board(4, 1).cellText(), "E ");
    EXPECT_EQ(engine->PlyRecords[0].Squares[36].text(), "E");
    EXPECT_EQ(engine->PlyRecords[0].Squares[60].text(), "WQ");
    EXPECT_EQ(engine->picBoard[61].Picture, PieceImage::imgWKing);
    EXPECT_EQ(engine->picBoard[61].DragMode, DragMode::Automatic);
    EXPECT_EQ(engine->picBoard[36].DragMode, DragMode::Manual);

    engine->Ply = 3;
    engine->Hashtable();
    EXPECT_EQ(engine->PlyRecords[3].PlyIndex, 3);
    EXPECT_EQ(engine->PlyRecords[3].Squares, engine->PlyRecords[0].Squares);
}

TEST(BoardModel, PGNForwardHTRestoresBoardFromTheCurrentPly)
{
    auto engine = std::make_unique<RulesEngine>();
    const BoardGrid start = engine->Board;
    engine->ClearSquare(61);
    engine->Ply = 1;
    engine->Hashtable();
    engine->Ply = 0;
    engine->PGNForwardHT();
    EXPECT_EQ(engine->Board, start);
    engine->Ply = 1;
    engine->PGNForwardHT();
    EXPECT_TRUE(engine->Board(1, 5).isEmpty());
}

TEST(BoardModel, LookupsLeaveTheirResultForInputOutsideTheBoard)
{
    auto engine = std::make_unique<RulesEngine>();
    const std::vector<std::pair<int, char>> files = {{1, 'a'}, {8, 'h'}, {0, 'h'}, {9, 'h'}, {5, 'e'}, {-3, 'e'}};
    for (const auto &[file, expected] : files) {
        engine->LookupFile = static_cast<std::int16_t>(file);
        engine->FindSFXDesignator();
        EXPECT_EQ(engine->LookupFileLetter, expected) << file;
    }
    const std::vector<std::pair<std::string, int>> squares = {
        {"a8", 1}, {"b8", 2}, {"h1", 64}, {"i9", 64}, {"e1", 61}, {"", 61}, {"e", 61}, {"e10", 61}, {"a0", 61}};
    for (const auto &[name, expected] : squares) {
        engine->LookupSquareName = name;
        engine->FindHashTableIndex();
        EXPECT_EQ(engine->LookupSquareIndex, expected) << name;
    }
}

TEST(SquareCells, OperationsMoveCodesImagesAndDragModes)
{
    auto engine = std::make_unique<RulesEngine>();
    engine->clearChangedCells();
    engine->picBoard[52].BorderStyle = CellBorder::Single;
    engine->TransferPiece(52, 12);  // e2 onto e7: the black pawn there is replaced
    EXPECT_EQ(engine->picBoard[12].Tag, PieceCode('W', 'p'));
    EXPECT_EQ(engine->picBoard[12].Picture, PieceImage::imgWpawn);
    EXPECT_EQ(engine->picBoard[12].DragIcon, PieceImage::imgWpawn);
    EXPECT_EQ(engine->picBoard[12].DragMode, DragMode::Automatic);
    EXPECT_TRUE(engine->picBoard[52].Tag.isEmpty());
    EXPECT_EQ(engine->picBoard[52].Picture, PieceImage::imgNoImage);
    EXPECT_EQ(engine->picBoard[52].DragMode, DragMode::Manual);
    EXPECT_EQ(engine->picBoard[52].BorderStyle, CellBorder::None);
    EXPECT_EQ(engine->changedCells(), (std::uint64_t{1} << 51) | (std::uint64_t{1} << 11));

    engine->ShowPiece(36, PieceCode('B', 'N'));
    EXPECT_EQ(engine->picBoard[36].Picture, PieceImage::imgBNight);
    engine->ClearSquare(36);
    EXPECT_EQ(engine->picBoard[36].Tag.text(), "E");
    EXPECT_EQ(engine->picBoard[36].DragMode, DragMode::Manual);
    // The square operations never touch Board.
    EXPECT_EQ(engine->Board(2, 5), PieceCode('W', 'p'));
}

TEST(BoardModel, CastleOptionJoinsTheLettersInKQkqOrder)
{
    auto engine = std::make_unique<RulesEngine>();
    engine->CastleWK = 'K';
    engine->CastleWQ = '\0';
    engine->CastleBK = 'k';
    engine->CastleBQ = '\0';
    engine->UpdateCastleOption();
    EXPECT_EQ(engine->CastleOption, "Kk");
    EXPECT_EQ(engine->PlyRecords[0].CastleRights, "Kk");
    engine->CastleWK = engine->CastleBK = '\0';
    engine->UpdateCastleOption();
    EXPECT_EQ(engine->CastleOption, "-");
}

TEST(BoardModel, UpdateCastleOptionRecordsEnPassantClockAndMoveText)
{
    auto engine = std::make_unique<RulesEngine>();
    engine->Ply = 2;
    engine->PlyRecords[2].MoveSAN = "d5";
    engine->PendingEPSquare = "d6";
    engine->HalfmoveCount = 7;
    engine->UpdateCastleOption();
    EXPECT_EQ(engine->PlyRecords[2].EPSquare, "d6");
    EXPECT_EQ(engine->EP_Square, "d6");
    EXPECT_EQ(engine->PendingEPSquare, "-");
    EXPECT_EQ(engine->PlyRecords[2].HalfmoveClock, 7);
    EXPECT_EQ(engine->PMCapture, 7);
    EXPECT_EQ(engine->MoveText, "d5");
    engine->UpdateCastleOption();
    EXPECT_EQ(engine->EP_Square, "-");
}

TEST(BoardModel, SetupNewGameResetsTheRecordAndRaisesGameInitialize)
{
    auto engine = std::make_unique<RulesEngine>();
    std::vector<EngineEvent> events;
    engine->setEventHandler([&](EngineEvent event) { events.push_back(event); });
    ASSERT_TRUE(playSan(*engine, "e4"));
    engine->PlyRecords[7].Annotation = "note";
    engine->GameLength = 1;
    engine->GameResult = "1-0";
    engine->GameChanged = true;
    engine->SetupMode = true;
    engine->SetupNewGame();

    EXPECT_EQ(events, std::vector<EngineEvent>{EngineEvent::GameInitialize});
    EXPECT_EQ(engine->Ply, 0);
    EXPECT_EQ(engine->GameLength, 0);
    EXPECT_EQ(engine->GameResult, "*");
    EXPECT_FALSE(engine->GameChanged);
    EXPECT_FALSE(engine->SetupMode);
    EXPECT_EQ(engine->OnMove, 'W');
    EXPECT_EQ(engine->CastleOption, "KQkq");
    EXPECT_EQ(engine->EP_Square, "-");
    EXPECT_EQ(engine->MoveNumber, 1);
    EXPECT_EQ(engine->PlyRecords[0].Fen, StartFen);
    EXPECT_EQ(engine->PlyRecords[0].MoveNumberText, "1");
    EXPECT_EQ(engine->PlyRecords[1].MoveSAN, "");
    EXPECT_EQ(engine->PlyRecords[1].MoveNumberText, "0");
    EXPECT_EQ(engine->PlyRecords[7].Annotation, "");
    EXPECT_EQ(engine->PlyRecords[500].CastleRights, "-");
    EXPECT_EQ(placement(*engine), "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR");
    EXPECT_EQ(engine->Board(2, 5), PieceCode('W', 'p'));
}

// Two boards in one host never share anything: a game played on one leaves the other's
// record, boards, castling letters, move fields and event handler untouched.
TEST(BoardModel, InstancesShareNoState)
{
    auto main = std::make_unique<RulesEngine>();
    auto variation = std::make_unique<RulesEngine>();
    int mainEvents = 0;
    int variationEvents = 0;
    main->setEventHandler([&](EngineEvent) { ++mainEvents; });
    variation->setEventHandler([&](EngineEvent) { ++variationEvents; });
    const BoardGrid board = main->Board;
    const auto squares = main->PlyRecords[0].Squares;

    for (const char *san : {"e4", "e5", "Nf3", "Nc6", "Bc4", "Bc5", "O-O"})
        ASSERT_TRUE(playSan(*variation, san)) << san;
    variation->LoadFEN("4k3/8/8/8/8/8/8/4K3 b - - 3 40");

    EXPECT_EQ(main->Board, board);
    EXPECT_EQ(main->PlyRecords[0].Squares, squares);
    EXPECT_EQ(main->PlyRecords[1].MoveSAN, "");
    EXPECT_EQ(main->Ply, 0);
    EXPECT_EQ(main->OnMove, 'W');
    EXPECT_EQ(main->CastleWK, 'K');
    EXPECT_EQ(main->CastleOption, "KQkq");
    EXPECT_EQ(main->FromFile, 0);
    EXPECT_EQ(main->MovePiece, '\0');
    EXPECT_FALSE(main->MoveLegal);
    EXPECT_EQ(mainEvents, 0);
    EXPECT_EQ(variationEvents, 2);
}
