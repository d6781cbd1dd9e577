// The control as the viewer sees it: created by class identifier, driven only by
// dispatch identifier, heard through its event sink.
#include "surface_fixture.h"

using namespace surfacetest;

namespace {

const QString Game = QStringLiteral("1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 *");

} // namespace

TEST_F(HostedBoard, NewInstanceRaisesGameInitializeAndAnnouncesItsDefaultWrites)
{
    // The events of the initialisation reached the sink connected at creation.
    EXPECT_EQ(sink.log, (QStringList{event(12), changed("ColorView"), changed("WhitePlayer"),
                                     changed("BlackPlayer")}));
}

TEST_F(HostedBoard, NewInstanceReportsItsInitialValuesWithTheirTypes)
{
    const struct {
        DispId id;
        QVariant value;
    } rows[] = {
        {id::MoveNumber_Move, int16(0)},     {id::ReturnMove, QString()},
        {id::ReturnForsyth, QString()},      {id::GameResult, QStringLiteral("*")},
        {id::GameChanged, int16(0)},         {id::EP_Square, QStringLiteral("-")},
        {id::GameLength, int16(0)},          {id::OnMove, QStringLiteral("W")},
        {id::CastleOption, QStringLiteral("KQkq")}, {id::PMCapture, int16(0)},
        {id::MoveText, QString()},           {id::Ply, int16(0)},
        {id::MoveNumber, int16(1)},          {id::BlackPlayer, QStringLiteral("Black")},
        {id::WhitePlayer, QStringLiteral("White")}, {id::DisplayCoordinates, int16(-1)},
        {id::ForeColor, color(0x80000012)},  {id::BackStyle, int16(1)},
        {id::AutoRedraw, int16(0)},          {id::Appearance, int16(1)},
        {id::Enabled, int16(-1)},            {id::BackColor, color(0x8000000F)},
        {id::BorderStyle, int16(0)},         {id::DisplayNameLabels, int16(-1)},
        {id::LightSquareColor, color(0x80000005)}, {id::DarkSquareColor, color(0x8000000F)},
        {id::ColorView, QStringLiteral("W")}, {id::PromotionPiece, QStringLiteral("Q")},
    };
    for (const auto &row : rows) {
        const QVariant value = get(row.id);
        EXPECT_EQ(value.typeId(), row.value.typeId()) << board.dispatch->memberName(row.id).toStdString();
        EXPECT_EQ(value, row.value) << board.dispatch->memberName(row.id).toStdString();
    }
    // The computed move lists and the stored FEN and movetext are texts.
    for (DispId computed : {id::MoveList_L, id::MoveList_P, id::MoveList_A, id::MoveList, id::Forsyth})
        EXPECT_EQ(get(computed).typeId(), QMetaType::QString);
    EXPECT_FALSE(board.dispatch->getProperty(0x68030021));
    EXPECT_FALSE(put(0x68030021, 1));
}

TEST_F(HostedBoard, EveryWriteIsAnnouncedUnderItsNameBeforeItTakesEffect)
{
    const struct {
        DispId id;
        const char *name;
        QVariant value;
    } rows[] = {
        {id::MoveNumber_Move, "MoveNumber_Move", int16(3)}, {id::ReturnMove, "ReturnMove", QStringLiteral("e4")},
        {id::ReturnForsyth, "ReturnForsyth", QStringLiteral("8/8 w")}, {id::GameResult, "GameResult", QStringLiteral("1-0")},
        {id::GameChanged, "GameChanged", int16(-1)},      {id::EP_Square, "EP_Square", QStringLiteral("e3")},
        {id::MoveList_L, "MoveList_L", QStringLiteral("x")}, {id::MoveList_P, "MoveList_P", QStringLiteral("x")},
        {id::MoveList_A, "MoveList_A", QStringLiteral("x")}, {id::GameLength, "GameLength", int16(7)},
        {id::OnMove, "OnMove", QStringLiteral("B")},      {id::CastleOption, "CastleOption", QStringLiteral("Kq")},
        {id::PMCapture, "PMCapture", int16(4)},           {id::MoveList, "MoveList", QStringLiteral("1. d4")},
        {id::MoveText, "MoveText", QStringLiteral("d4")}, {id::Forsyth, "Forsyth", QStringLiteral("8/8/8")},
        {id::Ply, "Ply", int16(12)},                      {id::MoveNumber, "MoveNumber", int16(9)},
        {id::BlackPlayer, "BlackPlayer", QStringLiteral("Tarrasch")},
        {id::WhitePlayer, "WhitePlayer", QStringLiteral("Lasker")},
        {id::DisplayCoordinates, "DisplayCoordinates", int16(0)}, {id::ForeColor, "ForeColor", color(0x00112233)},
        {id::BackStyle, "BackStyle", int16(0)},           {id::AutoRedraw, "AutoRedraw", int16(-1)},
        {id::Appearance, "Appearance", int16(0)},         {id::Enabled, "Enabled", int16(0)},
        {id::BackColor, "BackColor", color(0x00FF0000)},  {id::BorderStyle, "BorderStyle", int16(1)},
        {id::DisplayNameLabels, "DisplayNameLabels", int16(0)},
        {id::LightSquareColor, "LightSquareColor", color(0x0000FF00)},
        {id::DarkSquareColor, "DarkSquareColor", color(0x00008000)}, {id::ColorView, "ColorView", QStringLiteral("B")},
        {id::PromotionPiece, "PromotionPiece", QStringLiteral("N")},
    };
    for (const auto &row : rows) {
        const QVariant before = get(row.id);
        QVariant seen;
        sink.onAnnouncement = [&](const QString &) { seen = get(row.id); };
        sink.take();
        ASSERT_TRUE(put(row.id, row.value)) << row.name;
        EXPECT_EQ(sink.take(), QStringList{changed(row.name)}) << row.name;
        EXPECT_EQ(seen, before) << row.name << ": the announcement came after the store";
        EXPECT_EQ(board.dispatch->memberName(row.id), QLatin1String(row.name));
        // Computed reads do not give back what was written.
        if (row.id != id::MoveNumber_Move && row.id != id::MoveList_L && row.id != id::MoveList_P &&
            row.id != id::MoveList_A)
            EXPECT_EQ(get(row.id), row.value) << row.name;
        else
            EXPECT_EQ(get(row.id), before) << row.name;
    }
}

TEST_F(HostedBoard, WritesRunTheirSideEffects)
{
    put(id::ColorView, QStringLiteral("X"));
    EXPECT_EQ(get(id::ColorView), QStringLiteral("X"));
    EXPECT_EQ(label("lbl1")->text(), "1");

    put(id::ColorView, QStringLiteral("B"));
    EXPECT_EQ(label("lbl1")->text(), "8");
    EXPECT_EQ(label("lbla")->text(), "h");

    put(id::DisplayNameLabels, int16(0));
    put(id::WhitePlayer, QStringLiteral("Lasker"));
    EXPECT_TRUE(label("lblWhitePlayer")->isHidden());
    EXPECT_EQ(label("lblWhitePlayer")->text(), "Lasker");
    put(id::DisplayNameLabels, true); // a Qt boolean counts as -1
    EXPECT_FALSE(label("lblWhitePlayer")->isHidden());

    put(id::DisplayCoordinates, int16(0));
    EXPECT_TRUE(label("lblh")->isHidden());
    put(id::DisplayCoordinates, int16(5)); // neither true nor false: nothing changes
    EXPECT_TRUE(label("lbl8")->isHidden());

    put(id::Enabled, int16(0));
    EXPECT_FALSE(board.widget->isEnabled());

    // Writing Ply stores the number only; the board stays where it is.
    ASSERT_TRUE(call(id::LoadGame, {Game}));
    put(id::Ply, int16(2));
    EXPECT_EQ(get(id::Ply), int16(2));
    EXPECT_EQ(get(id::OnMove), QStringLiteral("W"));
}

TEST_F(HostedBoard, LoadingAndNavigatingRaiseTheirEventsInOrder)
{
    sink.take();
    ASSERT_TRUE(call(id::LoadGame, {Game}));
    EXPECT_EQ(sink.take(), (QStringList{event(12), event(4)}));
    EXPECT_EQ(get(id::GameLength), int16(6));
    EXPECT_EQ(get(id::Ply), int16(0));

    call(id::MoveNext);
    EXPECT_EQ(sink.take(), QStringList{event(10)});
    EXPECT_EQ(get(id::OnMove), QStringLiteral("B"));
    EXPECT_EQ(get(id::EP_Square), QStringLiteral("e3"));
    call(id::MoveLast);
    EXPECT_EQ(sink.take(), QStringList{event(9)});
    EXPECT_EQ(get(id::Ply), int16(6));
    call(id::MoveNext); // already at the end: nothing
    EXPECT_TRUE(sink.take().isEmpty());
    call(id::MovePrevious);
    EXPECT_EQ(sink.take(), QStringList{event(11)});
    call(id::MoveFirst);
    EXPECT_EQ(sink.take(), QStringList{event(8)});
    call(id::MovePrevious);
    EXPECT_TRUE(sink.take().isEmpty());

    call(id::NavigatePly, {int16(4)});
    EXPECT_EQ(get(id::Ply), int16(4));
    call(id::NavigatePly, {int16(99)});
    EXPECT_EQ(get(id::Ply), int16(4));
    EXPECT_TRUE(sink.take().isEmpty());

    call(id::MoveLast);
    sink.take();
    call(id::LoadMove, {QStringLiteral("Ba4")});
    EXPECT_EQ(sink.take(), (QStringList{event(7), event(3)}));
    EXPECT_EQ(get(id::GameLength), int16(7));
    EXPECT_EQ(get(id::MoveText), QStringLiteral("Ba4"));

    call(id::GameReset);
    EXPECT_EQ(sink.take(), QStringList{event(12)});
    EXPECT_EQ(get(id::GameLength), int16(0));
}

TEST_F(HostedBoard, EmptyArgumentsAndWrongCallsRaiseNothing)
{
    sink.take();
    EXPECT_TRUE(call(id::LoadGame, {QString()}));
    EXPECT_TRUE(call(id::LoadFEN, {QString()}));
    EXPECT_TRUE(call(id::LoadSetup, {QString(), QStringLiteral("e4")}));
    EXPECT_TRUE(call(id::LoadSetup, {QStringLiteral("8/8/8/8/8/8/8/K1k5 w - - 0 1"), QString()}));
    EXPECT_TRUE(call(id::LoadMove, {QString()}));
    EXPECT_FALSE(call(id::LoadGame));                 // argument missing
    EXPECT_FALSE(call(0x60030063));                   // no such method
    EXPECT_TRUE(sink.take().isEmpty());
}

TEST_F(HostedBoard, FenSetupAndAnnotationsCrossByReference)
{
    const QString fen = QStringLiteral("4k3/8/8/8/8/8/4P3/4K3 w - - 0 1");
    sink.take();
    call(id::LoadFEN, {fen});
    EXPECT_EQ(sink.take(), (QStringList{event(12), event(6)}));
    call(id::LoadSetup, {fen, QStringLiteral("1. e4 Kd7 *")});
    EXPECT_EQ(sink.take(), (QStringList{event(12), event(5)}));
    EXPECT_EQ(get(id::GameLength), int16(2));

    call(id::MoveNext);
    EXPECT_EQ(call(id::WriteAnnotation, {QStringLiteral("a good start")}), QVariant(QString()));
    QVariantList argument{QString()};
    ASSERT_TRUE(board.dispatch->invoke(id::ReadAnnotation, argument));
    EXPECT_EQ(argument[0], QStringLiteral("a good start"));

    // DoReturnForsyth and DoReturnMove answer 0 and leave the text in their property.
    EXPECT_EQ(call(id::DoReturnForsyth, {int16(0)}), int16(0));
    EXPECT_EQ(get(id::ReturnForsyth), fen);
    EXPECT_EQ(call(id::DoReturnMove, {int16(1)}), int16(0));
    EXPECT_EQ(get(id::ReturnMove), QStringLiteral("e4"));
}

TEST_F(HostedBoard, MoveListReadsAreBuiltAfreshAndStable)
{
    call(id::LoadGame, {Game});
    const QVariant first = get(id::MoveList_L);
    EXPECT_FALSE(first.toString().isEmpty());
    EXPECT_EQ(get(id::MoveList_L), first);
    EXPECT_TRUE(get(id::MoveList_P).toString().contains(QStringLiteral("Nf3")));
}
