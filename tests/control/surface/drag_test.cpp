// Moves made by dragging, through the drag events of the square cells.
#include "control/surface/board_panel.h"
#include "control/surface/tolvar_control.h"
#include "surface_fixture.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include <memory>

using namespace surfacetest;
using tolvar::CellBorder;
using tolvar::PieceImage;

namespace {

constexpr int E2 = 53, E4 = 37, E7 = 13, E5 = 29;

class BoardDrag : public testing::Test {
protected:
    void SetUp() override
    {
        control.connectEvents(&sink);
        control.initNew();
        control.show();
        sink.take();
    }

    tolvar::SquareCellWidget *cell(int index) { return control.boardPanel().cell(index); }

    // A drag from cell source passing over cell target, as Qt delivers it.
    void dragOver(int source, int target, tolvar::BoardPanel *from = nullptr)
    {
        std::unique_ptr<QMimeData> data((from ? from : &control.boardPanel())->dragData(source));
        QDragEnterEvent enter(QPoint(16, 16), Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(cell(target), &enter);
    }
    void drop(int source, int target)
    {
        std::unique_ptr<QMimeData> data(control.boardPanel().dragData(source));
        QDropEvent dropped(QPointF(16, 16), Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(cell(target), &dropped);
        control.boardPanel().endDrag(source, dropped.isAccepted());
    }

    RecordingSink sink;
    tolvar::TolvarControl control;
};

} // namespace

TEST_F(BoardDrag, TheSourceLooksLiftedWhileThePieceIsDragged)
{
    dragOver(E2, E4);
    EXPECT_EQ(cell(E2)->look().border, CellBorder::Single);
    EXPECT_EQ(cell(E2)->look().picture, PieceImage::imgNoImage);
    EXPECT_EQ(control.engine().picBoard[E2].Tag, tolvar::PieceCode('W', 'p'));
}

TEST_F(BoardDrag, AnAcceptedDropMakesAndRecordsTheMove)
{
    dragOver(E2, E4);
    drop(E2, E4);
    EXPECT_EQ(cell(E4)->look().picture, PieceImage::imgWpawn);
    EXPECT_EQ(cell(E2)->look(), (tolvar::CellLook{cell(E2)->look().backColor, PieceImage::imgNoImage, CellBorder::None}));
    EXPECT_EQ(sink.take(), QStringList{event(7)});
    EXPECT_EQ(control.getProperty(id::MoveText), QStringLiteral("e4"));
    EXPECT_EQ(control.getProperty(id::Ply), int16(1));
}

TEST_F(BoardDrag, ARefusedDropPutsThePieceBack)
{
    // Black is not on move.
    dragOver(E7, E5);
    drop(E7, E5);
    EXPECT_EQ(cell(E7)->look().picture, PieceImage::imgBpawn);
    EXPECT_EQ(cell(E7)->look().border, CellBorder::None);
    EXPECT_EQ(cell(E5)->look().picture, PieceImage::imgNoImage);
    // A pawn cannot go three squares.
    dragOver(E2, 29);
    drop(E2, 29);
    EXPECT_EQ(cell(E2)->look().picture, PieceImage::imgWpawn);
    EXPECT_TRUE(sink.take().isEmpty());
    EXPECT_EQ(control.getProperty(id::Ply), int16(0));
}

TEST_F(BoardDrag, AReleaseOutsideTheSquaresRestoresTheSource)
{
    dragOver(E2, E4);
    control.boardPanel().endDrag(E2, false);
    EXPECT_EQ(cell(E2)->look().picture, PieceImage::imgWpawn);
    EXPECT_EQ(cell(E2)->look().border, CellBorder::None);
    EXPECT_TRUE(sink.take().isEmpty());
}

TEST_F(BoardDrag, DragsFromAnotherBoardAreNotTaken)
{
    tolvar::TolvarControl other;
    other.initNew();
    dragOver(E2, E4, &other.boardPanel());
    EXPECT_EQ(cell(E2)->look().picture, PieceImage::imgWpawn);
    const std::unique_ptr<QMimeData> data(other.boardPanel().dragData(E2));
    EXPECT_EQ(control.boardPanel().sourceOfDrag(data.get()), 0);
}
