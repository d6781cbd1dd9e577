// What the board looks like, checked on grabs of the widget.
#include "resources/pieces/piece_images.h"
#include "surface_fixture.h"

#include <QImage>
#include <QTest>

using namespace surfacetest;

namespace {

// Cells start 4 pixels inside the sunken 2-pixel border of picBoardBackground at 22, 28.
constexpr int BoardLeft = 28;
constexpr int BoardTop = 34;
const QColor White(0xFF, 0xFF, 0xFF);
const QColor Grey(0xC0, 0xC0, 0xC0);

// The square colour shown at column, row of the screen (0, 0 is top left): a pixel in
// the cell's corner, which no piece covers.
QColor squareAt(const QImage &image, int column, int row)
{
    return image.pixelColor(BoardLeft + 32 * column + 1, BoardTop + 32 * row + 1);
}

class BoardDrawing : public HostedBoard {
protected:
    QImage grab() const { return board.widget->grab().toImage(); }
};

} // namespace

TEST_F(BoardDrawing, ControlAndBoardHaveTheirPlacesAndSizes)
{
    EXPECT_EQ(board.widget->size(), QSize(300, 344));
    EXPECT_EQ(child("picBoardBackground")->geometry(), QRect(22, 28, 268, 268));
    EXPECT_EQ(child("picBoard1")->geometry(), QRect(6, 6, 32, 32));
    EXPECT_EQ(child("picBoard64")->geometry(), QRect(6 + 7 * 32, 6 + 7 * 32, 32, 32));
    EXPECT_EQ(label("lbl1")->y(), 266);
    EXPECT_EQ(label("lbl8")->y(), 42);
    EXPECT_EQ(label("lbla")->pos(), QPoint(38, 300));
    EXPECT_EQ(label("lblBlackPlayer")->y(), 8);
    EXPECT_EQ(label("lblWhitePlayer")->y(), 324);
}

TEST_F(BoardDrawing, A8IsLightInBothViewsAndH1TopLeftAfterTurning)
{
    QImage image = grab();
    EXPECT_EQ(squareAt(image, 0, 0), White); // a8
    EXPECT_EQ(squareAt(image, 1, 0), Grey);  // b8
    EXPECT_EQ(squareAt(image, 0, 1), Grey);  // a7

    const QPoint a8 = child("picBoard1")->pos();
    const QPoint h1 = child("picBoard64")->pos();
    call(id::ViewBlack);
    call(id::ViewBlack); // a second turn to the same side changes nothing
    EXPECT_EQ(child("picBoard64")->pos(), a8);
    EXPECT_EQ(child("picBoard1")->pos(), h1);
    image = grab();
    EXPECT_EQ(squareAt(image, 7, 7), White); // a8, now bottom right
    EXPECT_EQ(squareAt(image, 0, 0), White); // h1
    EXPECT_EQ(squareAt(image, 1, 0), Grey);  // g1

    const struct {
        const char *name;
        const char *caption;
    } captions[] = {{"lbl1", "8"}, {"lbl8", "1"}, {"lbla", "h"}, {"lblh", "a"}, {"lble", "d"}};
    for (const auto &row : captions)
        EXPECT_EQ(label(row.name)->text(), row.caption) << row.name;
    EXPECT_EQ(label("lblWhitePlayer")->y(), 8);
    EXPECT_EQ(label("lblBlackPlayer")->y(), 324);
    EXPECT_EQ(label("lbl1")->y(), 266); // the labels stay, their captions turn

    call(id::ViewWhite);
    EXPECT_EQ(child("picBoard1")->pos(), a8);
    EXPECT_EQ(label("lbla")->text(), "a");
}

TEST_F(BoardDrawing, LightSquareColourRepaintsExactlyTheLightSquaresUnderThePieces)
{
    const QImage before = grab();
    put(id::LightSquareColor, color(0x000000FF)); // red as 0x00BBGGRR
    const QImage after = grab();
    int red = 0;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const bool light = (row + column) % 2 == 0;
            EXPECT_EQ(squareAt(after, column, row), light ? QColor(Qt::red) : squareAt(before, column, row));
            red += squareAt(after, column, row) == QColor(Qt::red);
        }
    }
    EXPECT_EQ(red, 32);
    // The pieces are still drawn: the middle of a8, the rook's foot, is as before.
    const QPoint middle(BoardLeft + 16, BoardTop + 26);
    EXPECT_EQ(after.pixelColor(middle), before.pixelColor(middle));

    put(id::DarkSquareColor, color(0x80000005)); // a system colour: the palette's base
    EXPECT_EQ(squareAt(grab(), 1, 0), board.widget->palette().color(QPalette::Base));
}

TEST_F(BoardDrawing, PieceImagesAreCrispAtTheDevicePixelRatio)
{
    const QImage king = tolvar::pieceImage(QStringLiteral("WK"), 2.0).toImage();
    EXPECT_EQ(king.size(), QSize(64, 64));
    EXPECT_EQ(king.devicePixelRatio(), 2.0);
    EXPECT_EQ(king.pixelColor(0, 0).alpha(), 0); // transparent surroundings
    bool light = false;
    bool dark = false;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const QColor pixel = king.pixelColor(x, y);
            light |= pixel.alpha() == 255 && pixel.lightness() > 240;
            dark |= pixel.alpha() == 255 && pixel.lightness() < 40;
        }
    }
    EXPECT_TRUE(light && dark) << "a white piece is white inside a dark outline";

    const QImage blank = tolvar::pieceImage(QStringLiteral("E")).toImage();
    EXPECT_EQ(blank.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(blank.pixelColor(x, y).alpha(), 0);
    EXPECT_EQ(tolvar::pieceImageName(QStringLiteral("WN")), "imgWNight");
    EXPECT_EQ(tolvar::pieceImageName(QStringLiteral("Bp")), "imgBpawn");
    EXPECT_EQ(tolvar::pieceImageName(QStringLiteral("Xx")), "imgNoImage");
}

TEST_F(BoardDrawing, ClicksOnTheMarginOnlyRaiseClickAndDblClick)
{
    sink.take();
    QTest::mouseClick(board.widget, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(board.widget, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(sink.take(), (QStringList{event(2), event(1)}));
    // On the panel's margin and on a name label nothing reaches the surface but the label's click.
    QTest::mouseClick(child("picBoardBackground"), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(sink.take().isEmpty());
    QTest::mouseClick(label("lblWhitePlayer"), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(sink.take(), QStringList{event(2)});
}
