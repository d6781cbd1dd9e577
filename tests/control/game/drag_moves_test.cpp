#include "engine_fixture.h"

namespace tolvar::testing {
namespace {

using E = EngineEvent;

// A drag from a position to the SAN it is recorded as.
struct DragCase {
    const char *name;
    std::string fen;
    const char *from;
    const char *to;
    std::string promotionPiece;
    std::string san;
    std::string fenAfter;
    std::string result;  // GameResult afterwards
};

class AcceptedDrags : public EngineTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(AcceptedDrags, RecordTheMoveAsSan)
{
    const DragCase &c = GetParam();
    engine.LoadFEN(c.fen);
    engine.PromotionPiece = c.promotionPiece;
    events.clear();
    drag(c.from, c.to);
    EXPECT_EQ(events, (std::vector<E>{E::MoveComplete}));
    EXPECT_EQ(engine.MoveText, c.san);
    EXPECT_EQ(engine.PlyRecords[1].MoveSAN, c.san);
    EXPECT_EQ(engine.PlyRecords[1].Fen, c.fenAfter);
    EXPECT_EQ(engine.Forsyth, c.fenAfter);
    EXPECT_EQ(engine.GameResult, c.result);
    EXPECT_EQ(engine.GameLength, 1);
    EXPECT_TRUE(engine.GameChanged);
    EXPECT_EQ(code(c.from), "E");
    EXPECT_EQ(engine.picBoard[cell(c.from)].BorderStyle, CellBorder::None);
    EXPECT_EQ(engine.picBoard[cell(c.from)].DragMode, DragMode::Manual);
    EXPECT_EQ(engine.picBoard[cell(c.to)].Picture, imageForCode(engine.picBoard[cell(c.to)].Tag));
    EXPECT_FALSE(engine.PromotionPending);
    EXPECT_FALSE(engine.EPCaptureMade);
    EXPECT_EQ(engine.TargetColor, '\0');
}

INSTANTIATE_TEST_SUITE_P(
    Moves, AcceptedDrags,
    ::testing::Values(
        DragCase{"PawnDoubleStep", std::string(StartFen), "e2", "e4", "Q", "e4",
                 "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1", "*"},
        DragCase{"PawnCapture", "rnbqkbnr/ppp1pppp/8/3p4/4P3/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 2", "e4", "d5", "Q",
                 "exd5", "rnbqkbnr/ppp1pppp/8/3P4/8/8/PPPP1PPP/RNBQKBNR b KQkq - 0 2", "*"},
        DragCase{"EnPassant", "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3", "e5", "f6", "Q",
                 "exf6", "rnbqkbnr/ppp1p1pp/5P2/3p4/8/8/PPPP1PPP/RNBQKBNR b KQkq - 0 3", "*"},
        DragCase{"PromotionToQueenGivesCheck", "k7/4P3/8/8/8/8/8/4K3 w - - 0 50", "e7", "e8", "Q", "e8=Q+",
                 "k3Q3/8/8/8/8/8/8/4K3 b - - 0 50", "*"},
        DragCase{"CapturePromotionToKnight", "3rk3/4P3/8/8/8/8/8/K7 w - - 3 50", "e7", "d8", "N", "exd8=N",
                 "3Nk3/8/8/8/8/8/8/K7 b - - 0 50", "*"},
        DragCase{"BlackPromotes", "4k3/8/8/8/8/8/p7/4K3 b - - 0 60", "a2", "a1", "R", "a1=R+",
                 "4k3/8/8/8/8/8/8/r3K3 w - - 0 61", "*"},
        DragCase{"CastlingKingSide", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1", "g1", "Q", "O-O",
                 "r3k2r/8/8/8/8/8/8/R4RK1 b kq - 1 1", "*"},
        DragCase{"CastlingQueenSideWithCheck", "r3k2r/8/8/8/8/8/8/R2K3R b kq - 0 1", "e8", "c8", "Q", "O-O-O+",
                 "2kr3r/8/8/8/8/8/8/R2K3R w - - 1 2", "*"},
        DragCase{"KnightByFile", "4k3/8/8/8/8/5N2/8/1N2K3 w - - 0 1", "b1", "d2", "Q", "Nbd2",
                 "4k3/8/8/8/8/5N2/3N4/4K3 b - - 1 1", "*"},
        DragCase{"RookByRank", "4k3/8/8/R7/8/8/8/R3K3 w Q - 0 1", "a1", "a3", "Q", "R1a3",
                 "4k3/8/8/R7/8/R7/8/4K3 b - - 1 1", "*"},
        DragCase{"RookGivesCheck", "4k3/8/8/8/8/8/8/R3K3 w Q - 0 1", "a1", "a8", "Q", "Ra8+",
                 "R3k3/8/8/8/8/8/8/4K3 b - - 1 1", "*"},
        DragCase{"KingCaptures", "4k3/8/8/8/8/8/4r3/4K3 w - - 7 1", "e1", "e2", "Q", "Kxe2",
                 "4k3/8/8/8/8/8/4K3/8 b - - 0 1", "*"},
        DragCase{"WhiteMates", "r1bqkb1r/pppp1ppp/2n2n2/4p2Q/2B1P3/8/PPPP1PPP/RNB1K1NR w KQkq - 4 4", "h5", "f7",
                 "Q", "Qxf7#", "r1bqkb1r/pppp1Qpp/2n2n2/4p3/2B1P3/8/PPPP1PPP/RNB1K1NR b KQkq - 0 4", "1-0"},
        DragCase{"BlackMates", "rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq g3 0 2", "d8", "h4", "Q",
                 "Qh4#", "rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3", "0-1"}),
    [](const ::testing::TestParamInfo<DragCase> &info) { return std::string(info.param.name); });

// A drop that must be refused, leaving everything as it was.
struct RefusedCase {
    const char *name;
    std::string fen;
    const char *from;
    const char *to;
};

class RefusedDrags : public EngineTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedDrags, PutThePieceBack)
{
    const RefusedCase &c = GetParam();
    engine.LoadFEN(c.fen);
    const auto cellsBefore = engine.picBoard;
    const BoardGrid boardBefore = engine.Board;
    const std::string castleBefore = engine.CastleOption;
    events.clear();

    drag(c.from, c.to);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(engine.GameLength, 0);
    EXPECT_EQ(engine.Ply, 0);
    EXPECT_FALSE(engine.GameChanged);
    EXPECT_EQ(engine.CastleOption, castleBefore);
    EXPECT_EQ(engine.PendingEPSquare, "-");
    EXPECT_TRUE(engine.Board == boardBefore);
    for (int index = 1; index <= 64; ++index) {
        const SquareCell &now = engine.picBoard[index];
        const SquareCell &was = cellsBefore[index];
        EXPECT_EQ(now.Tag, was.Tag) << index;
        EXPECT_EQ(now.Picture, was.Picture) << index;
        EXPECT_EQ(now.DragIcon, was.DragIcon) << index;
        EXPECT_EQ(now.DragMode, was.DragMode) << index;
        EXPECT_EQ(now.BorderStyle, CellBorder::None) << index;
    }
    EXPECT_FALSE(engine.PromotionPending);
    EXPECT_FALSE(engine.EPCaptureMade);
    EXPECT_EQ(engine.TargetColor, '\0');
    EXPECT_EQ(engine.TargetPiece, '\0');
}

INSTANTIATE_TEST_SUITE_P(
    Moves, RefusedDrags,
    ::testing::Values(
        RefusedCase{"PieceOfTheSideNotOnMove", std::string(StartFen), "e7", "e5"},
        RefusedCase{"BrokenPieceRule", std::string(StartFen), "g1", "g3"},
        RefusedCase{"PawnCaptureOntoEmptySquare", std::string(StartFen), "e2", "d3"},
        RefusedCase{"SameSquare", std::string(StartFen), "g1", "g1"},
        RefusedCase{"OwnPiece", std::string(StartFen), "d1", "d2"},
        RefusedCase{"TargetIsTheKing", "k7/8/8/8/8/8/8/R3K3 w - - 0 1", "a1", "a8"},
        RefusedCase{"KingNextToKing", "8/8/8/3k4/8/3K4/8/8 w - - 0 1", "d3", "d4"},
        RefusedCase{"PinnedPiece", "4k3/4r3/8/8/8/8/4N3/4K3 w - - 0 1", "e2", "c3"},
        RefusedCase{"DoubleStepOfAPinnedPawn", "4k3/8/8/8/8/8/1K1P3r/8 w - - 0 1", "d2", "d4"},
        RefusedCase{"RookLeavingCornerIntoCheck", "4k3/8/8/8/8/8/8/R3K2r w Q - 0 1", "a1", "a2"},
        RefusedCase{"EnPassantExposingTheKing", "8/8/8/K2pP2r/8/8/8/7k w - d6 0 1", "e5", "d6"},
        RefusedCase{"PromotionOfAPinnedPawn", "7b/6P1/5K2/8/8/8/8/k7 w - - 0 1", "g7", "g8"},
        RefusedCase{"CastlingThroughAttack", "4k3/8/8/8/8/8/5r2/4K2R w K - 0 1", "e1", "g1"},
        RefusedCase{"CastlingOutOfCheck", "4k3/8/8/8/8/8/4r3/R3K3 w Q - 0 1", "e1", "c1"},
        RefusedCase{"CastlingWithoutTheRight", "4k3/8/8/8/8/8/8/4K2R w - - 0 1", "e1", "g1"},
        RefusedCase{"CastlingThroughAPiece", "4k3/8/8/8/8/8/8/RN2K3 w Q - 0 1", "e1", "c1"}),
    [](const ::testing::TestParamInfo<RefusedCase> &info) { return std::string(info.param.name); });

TEST_F(EngineTest, DragOverLiftsThePieceAndACancelPutsItBack)
{
    engine.picBoard_DragOver(cell("g1"));
    EXPECT_EQ(engine.picBoard[cell("g1")].Picture, PieceImage::imgNoImage);
    EXPECT_EQ(engine.picBoard[cell("g1")].DragIcon, PieceImage::imgWNight);
    EXPECT_EQ(engine.picBoard[cell("g1")].BorderStyle, CellBorder::Single);
    EXPECT_EQ(code("g1"), "WN");
    engine.picBoard_DragCancel(cell("g1"));
    EXPECT_EQ(engine.picBoard[cell("g1")].Picture, PieceImage::imgWNight);
    EXPECT_EQ(engine.picBoard[cell("g1")].BorderStyle, CellBorder::None);
    // Nonsense cell indexes are ignored.
    engine.picBoard_DragOver(0);
    engine.picBoard_DragOver(cell("e2"));
    engine.picBoard_DragDrop(65, cell("e2"));
    EXPECT_EQ(engine.picBoard[cell("e2")].Picture, PieceImage::imgWpawn);
    EXPECT_EQ(engine.picBoard[cell("e2")].BorderStyle, CellBorder::None);
    engine.picBoard_DragDrop(cell("e4"), cell("e4"));
    EXPECT_EQ(engine.GameLength, 0);
}

TEST_F(EngineTest, DraggedGameExtendsAfterTheLastPly)
{
    engine.LoadGame("1. e4 e5 2. Nf3 *");
    engine.MoveLast();
    events.clear();
    drag("b8", "c6");
    drag("f1", "b5");
    EXPECT_EQ(events, (std::vector<E>{E::MoveComplete, E::MoveComplete}));
    EXPECT_EQ(engine.GameLength, 5);
    EXPECT_EQ(engine.Ply, 5);
    EXPECT_EQ(engine.PlyRecords[4].MoveNumberMove, 2);
    EXPECT_EQ(engine.PlyRecords[5].MoveNumberMove, 3);
    EXPECT_EQ(engine.MoveNumber, 3);
    EXPECT_EQ(engine.PMCapture, 3);
    EXPECT_EQ(engine.MoveList, "1. e4 e5 2. Nf3 Nc6 3. Bb5 *");
    EXPECT_EQ(engine.PlyRecords[5].Fen, "r1bqkbnr/pppp1ppp/2n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3");
    // Stepping back and forth over the dragged plies shows what was recorded.
    engine.MoveFirst();
    engine.MoveLast();
    EXPECT_EQ(code("b5"), "WB");
    EXPECT_EQ(engine.MoveText, "Bb5");
}

TEST_F(EngineTest, DragBeforeTheLastPlyCutsTheGameAndItsComments)
{
    std::string movetext = "1. e4 e5 2. Nf3 Nc6 {a reply} 3. Bb5 {the Spanish} a6 ";
    for (int i = 0; i < 17; ++i)
        movetext += "Ba4 Nf6 Bb5 Ng8 ";
    engine.LoadGame(movetext + "*");
    ASSERT_EQ(engine.GameLength, 74);
    engine.NavigatePly(3);
    drag("f8", "c5");
    EXPECT_EQ(engine.GameLength, 4);
    EXPECT_EQ(engine.PlyRecords[4].MoveSAN, "Bc5");
    EXPECT_EQ(engine.PlyRecords[4].Annotation, "");
    EXPECT_EQ(engine.PlyRecords[5].Annotation, "");
    EXPECT_EQ(engine.MoveList_A(), "1. e4 e5 2. Nf3 Bc5 *");
}

TEST_F(EngineTest, BlackMoveFirstMarksTheStartWithDots)
{
    engine.LoadFEN("4k3/8/8/8/8/8/8/4K2R b K - 0 30");
    drag("e8", "d7");
    EXPECT_EQ(engine.PlyRecords[0].MoveSAN, "...");
    EXPECT_EQ(engine.MoveList, "30. ... Kd7 *");
    drag("h1", "h7");
    EXPECT_EQ(engine.MoveText, "Rh7+");
    EXPECT_EQ(engine.MoveList_L(), "30. ...         \tKd7\r\n31. Rh7+        \t*");
    EXPECT_EQ(engine.CastleOption, "-");
}

} // namespace
} // namespace tolvar::testing
