// The property bag: what a host stores for a board and how a board loads from it.
#include "platform/property_bag.h"
#include "surface_fixture.h"

using namespace surfacetest;

namespace {

class BoardBag : public HostedBoard {
protected:
    // A second board loaded from the bag, its events recorded in loadedSink.
    platform::Component loadBoard(const platform::PropertyBag &bag)
    {
        return platform::createComponent(QStringLiteral("Vostra.Tolvar"), &host, &loadedSink, &bag);
    }
    static QVariant read(const platform::Component &component, DispId dispId)
    {
        return component.dispatch->getProperty(dispId).value_or(QVariant());
    }

    RecordingSink loadedSink;
};

} // namespace

TEST_F(BoardBag, FreshBoardStoresOnlyWhatDiffersFromTheDefaults)
{
    platform::PropertyBag bag;
    board.dispatch->save(bag);
    // A fresh game's result "*" is not the bag's default, the 16-bit 0.
    EXPECT_EQ(bag.keys(), QStringList{"GameResult"});
    EXPECT_EQ(bag.read("GameResult", {}), QStringLiteral("*"));
}

TEST_F(BoardBag, SettingsRoundTripInTheBagsKeyOrder)
{
    put(id::PromotionPiece, QStringLiteral("N"));
    put(id::ColorView, QStringLiteral("B"));
    put(id::DarkSquareColor, color(0x00336699));
    put(id::LightSquareColor, color(0x00CCEEFF));
    put(id::DisplayCoordinates, int16(0));
    put(id::BackColor, color(0x00FFFFFF));
    put(id::WhitePlayer, QStringLiteral("Lasker"));
    put(id::Forsyth, QStringLiteral("8/8/8/8/8/8/8/K1k5 w - - 0 1"));
    put(id::MoveList_L, QStringLiteral("stored list"));
    put(id::MoveNumber_Move, int16(4));
    platform::PropertyBag bag;
    board.dispatch->save(bag);
    EXPECT_EQ(bag.keys(), (QStringList{"PromotionPiece", "ColorView", "DarkSquareColor", "LightSquareColor",
                                       "DisplayCoordinates", "BackColor", "WhitePlayer", "Forsyth", "MoveList_L",
                                       "GameResult", "MoveNumber_Move"}));
    EXPECT_EQ(bag.read("MoveList_L", {}), QStringLiteral("stored list"));

    const platform::Component loaded = loadBoard(bag);
    ASSERT_TRUE(loaded);
    for (DispId dispId : {id::PromotionPiece, id::ColorView, id::DarkSquareColor, id::LightSquareColor,
                          id::DisplayCoordinates, id::BackColor, id::WhitePlayer, id::Forsyth})
        EXPECT_EQ(read(loaded, dispId), get(dispId)) << board.dispatch->memberName(dispId).toStdString();
    platform::PropertyBag again;
    loaded.dispatch->save(again);
    EXPECT_EQ(again.keys(), bag.keys());
    EXPECT_TRUE(loaded.widget->findChild<QLabel *>("lbla")->isHidden());
}

TEST_F(BoardBag, LoadingStartsAFreshGameThenWritesTheStoredSettingsBack)
{
    platform::PropertyBag bag;
    bag.write("ColorView", QStringLiteral("B"), QStringLiteral("W"));
    bag.write("WhitePlayer", QStringLiteral("Kasparov, Garry"), QStringLiteral("White"));
    const platform::Component loaded = loadBoard(bag);
    ASSERT_TRUE(loaded);

    EXPECT_EQ(loadedSink.log, (QStringList{event(12), changed("ColorView"), changed("WhitePlayer"),
                                           changed("BlackPlayer"), changed("DarkSquareColor"),
                                           changed("LightSquareColor"), changed("DisplayNameLabels"),
                                           changed("DisplayCoordinates")}));
    const auto *lbl1 = loaded.widget->findChild<QLabel *>("lbl1");
    const auto *white = loaded.widget->findChild<QLabel *>("lblWhitePlayer");
    EXPECT_EQ(lbl1->text(), "8");
    EXPECT_EQ(white->text(), "Kasparov, Garry");
    EXPECT_LT(white->y(), loaded.widget->findChild<QWidget *>("picBoardBackground")->y());
}

TEST_F(BoardBag, StoredGameStateGivesWayToTheFreshGame)
{
    platform::PropertyBag bag;
    bag.write("Ply", int16(12), int16(0));
    bag.write("OnMove", QStringLiteral("B"), QStringLiteral("W"));
    bag.write("GameChanged", int16(-1), int16(0));
    bag.write("ReturnMove", QStringLiteral("Nf3"), QString());
    bag.write("BorderStyle", int16(1), int16(0));
    const platform::Component loaded = loadBoard(bag);
    ASSERT_TRUE(loaded);

    EXPECT_EQ(read(loaded, id::Ply), int16(0));
    EXPECT_EQ(read(loaded, id::OnMove), QStringLiteral("W"));
    EXPECT_EQ(read(loaded, id::GameChanged), int16(0));
    EXPECT_EQ(read(loaded, id::ReturnMove), QStringLiteral("Nf3"));
    // BorderStyle keeps its stored value and reaches the surface only with its next write.
    EXPECT_EQ(read(loaded, id::BorderStyle), int16(1));
    const QImage before = loaded.widget->grab().toImage();
    loaded.dispatch->putProperty(id::BorderStyle, int16(1));
    const QImage after = loaded.widget->grab().toImage();
    EXPECT_NE(before.pixelColor(0, 0), after.pixelColor(0, 0));
}
