// The Options dialog over a main window: filling, the live speed, Apply, OK, Cancel
// and Defaults.

#include "edit_windows_fixture.h"
#include "tests/platform/widget_test_app.h"

#include <QFrame>
#include <QRadioButton>
#include <QScrollBar>

using testsupport::EditWindowsTest;

namespace {

bool checked(QWidget *window, const char *option)
{
    return window->findChild<QRadioButton *>(QLatin1String(option))->isChecked();
}

} // namespace

class OptionsTest : public EditWindowsTest {
protected:
    QWidget *openOptions() { return open("mnuOptionsOptions", "frmOptions"); }
    QScrollBar *speedBar(QWidget *options) const { return in<QScrollBar>(options, "vsAPSpeed"); }
};

TEST_F(OptionsTest, OpensOnceWithTheSettingsInForce)
{
    START_WINDOW_OR_SKIP();
    m_window->state().AutoPlayMode = QStringLiteral("PR");
    m_window->state().MoveListStyle = QStringLiteral("A");
    m_window->state().AutoPlaySpeed = 17;
    m_window->board().setPromotionPiece(QStringLiteral("B"));
    QWidget *options = openOptions();
    ASSERT_TRUE(options);
    EXPECT_EQ(options->windowTitle(), QStringLiteral("Options"));
    EXPECT_FALSE(options->isModal());
    EXPECT_TRUE(checked(options, "optPR") && checked(options, "optA") && checked(options, "optB"));
    EXPECT_EQ(in<QLineEdit>(options, "txtAPSpeed")->text(), QStringLiteral("17"));
    EXPECT_EQ(speedBar(options)->value(), 17);

    // Choosing the command again only brings the open dialog to the front.
    in<QRadioButton>(options, "optPS")->setChecked(true);
    EXPECT_EQ(openOptions(), options);
    EXPECT_TRUE(checked(options, "optPS"));
    EXPECT_EQ(m_window->findChildren<QWidget *>(QStringLiteral("frmOptions")).size(), 1);
}

TEST_F(OptionsTest, SpeedTakesEffectAtOnceAndCancelRestoresIt)
{
    START_WINDOW_OR_SKIP();
    m_window->state().AutoPlaySpeed = 3;
    QWidget *options = openOptions();
    type(options, "txtAPSpeed", QStringLiteral("25"));
    EXPECT_EQ(m_window->state().AutoPlaySpeed, 25);
    EXPECT_EQ(speedBar(options)->value(), 25);
    speedBar(options)->setValue(40);
    EXPECT_EQ(m_window->state().AutoPlaySpeed, 40);
    EXPECT_EQ(in<QLineEdit>(options, "txtAPSpeed")->text(), QStringLiteral("40"));
    type(options, "txtAPSpeed", QStringLiteral("7.5"));
    EXPECT_EQ(m_window->state().AutoPlaySpeed, 8);
    EXPECT_TRUE(m_prompts.records().isEmpty());
    press(options, "cmdCancel");
    EXPECT_EQ(m_window->state().AutoPlaySpeed, 3);
    EXPECT_FALSE(options->isVisible());
}

TEST_F(OptionsTest, RefusedSpeedsShowTheMessageAndPutOneBack)
{
    START_WINDOW_OR_SKIP();
    m_window->state().AutoPlaySpeed = 30;
    QWidget *options = openOptions();
    for (const char *text : {"", "0", "-2", "95", "fast"}) {
        m_prompts.clearRecords();
        type(options, "txtAPSpeed", QString::fromLatin1(text));
        ASSERT_EQ(m_prompts.records().size(), 1) << text;
        const auto &record = m_prompts.records().first();
        EXPECT_EQ(record.title, QStringLiteral("Incorrect Entry"));
        EXPECT_EQ(record.text, QStringLiteral("AutoPlay speed must be a number between 1 and 90.\r\n\r\n"
                                              "Please enter another value and try again."));
        EXPECT_EQ(record.icon, platform::MessageIcon::Information);
        EXPECT_EQ(in<QLineEdit>(options, "txtAPSpeed")->text(), QStringLiteral("1"));
        EXPECT_EQ(m_window->state().AutoPlaySpeed, 1);
        type(options, "txtAPSpeed", QStringLiteral("30"));
    }
}

TEST_F(OptionsTest, OkSetsBothBoardsAndTheGlobalsAndReopensWithThem)
{
    START_WINDOW_OR_SKIP();
    QWidget *options = openOptions();
    in<QRadioButton>(options, "optK")->setChecked(true);
    in<QRadioButton>(options, "optPPP")->setChecked(true);
    in<QRadioButton>(options, "optP")->setChecked(true);
    m_prompts.queueColor(0x123456);
    QTest::mouseClick(in<QFrame>(options, "picDSC"), Qt::LeftButton);
    ASSERT_EQ(m_prompts.records().size(), 1);
    EXPECT_EQ(m_prompts.records().first().fileName, QString::number(0xC0C0C0)); // starts from the board's colour
    EXPECT_EQ(m_window->board().DarkSquareColor(), 0xC0C0C0u);                  // not before OK
    press(options, "cmdOK");
    EXPECT_FALSE(options->isVisible());
    for (platform::BoardProxy *board : {&m_window->board(), &variation()}) {
        EXPECT_EQ(board->PromotionPiece(), QStringLiteral("N"));
        EXPECT_EQ(board->DarkSquareColor(), 0x123456u);
        EXPECT_EQ(board->LightSquareColor(), 0xFFFFFFu);
    }
    EXPECT_EQ(m_window->state().AutoPlayMode, QStringLiteral("PPP"));
    EXPECT_EQ(m_window->state().MoveListStyle, QStringLiteral("P"));

    settle();
    QWidget *again = openOptions();
    ASSERT_TRUE(again);
    EXPECT_TRUE(checked(again, "optK") && checked(again, "optPPP") && checked(again, "optP"));
}

TEST_F(OptionsTest, ApplyKeepsTheDialogOpenAndCancelUndoesIt)
{
    START_WINDOW_OR_SKIP();
    QWidget *options = openOptions();
    m_prompts.queueColor(0x00FF00);
    QTest::mouseClick(in<QFrame>(options, "picLSC"), Qt::LeftButton);
    in<QRadioButton>(options, "optA")->setChecked(true);
    in<QRadioButton>(options, "optR")->setChecked(true);
    press(options, "cmdApply");
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(m_window->board().LightSquareColor(), 0x00FF00u);
    EXPECT_EQ(variation().LightSquareColor(), 0x00FF00u);
    EXPECT_EQ(m_window->state().MoveListStyle, QStringLiteral("A"));

    press(options, "cmdCancel");
    for (platform::BoardProxy *board : {&m_window->board(), &variation()}) {
        EXPECT_EQ(board->LightSquareColor(), 0xFFFFFFu);
        EXPECT_EQ(board->PromotionPiece(), QStringLiteral("Q"));
    }
    EXPECT_EQ(m_window->state().MoveListStyle, QStringLiteral("L"));
}

TEST_F(OptionsTest, CancelledColourDialogAndDefaultsFollowedByCancel)
{
    START_WINDOW_OR_SKIP();
    m_window->state().AutoPlaySpeed = 12;
    m_window->state().AutoPlayMode = QStringLiteral("PS");
    m_window->board().setDarkSquareColor(0x404040);
    QWidget *options = openOptions();
    m_prompts.queueColor(std::nullopt);
    QTest::mouseClick(in<QFrame>(options, "picDSC"), Qt::LeftButton);
    EXPECT_EQ(in<QFrame>(options, "picDSC")->palette().color(QPalette::Window), QColor(0x40, 0x40, 0x40));

    press(options, "cmdDefaults");
    EXPECT_TRUE(checked(options, "optPNP") && checked(options, "optL") && checked(options, "optQ"));
    EXPECT_EQ(in<QLineEdit>(options, "txtAPSpeed")->text(), QStringLiteral("1"));
    EXPECT_EQ(m_window->state().AutoPlaySpeed, 1);
    EXPECT_EQ(in<QFrame>(options, "picDSC")->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(m_window->state().AutoPlayMode, QStringLiteral("PS")); // only at Apply or OK
    press(options, "cmdCancel");
    EXPECT_EQ(m_window->state().AutoPlaySpeed, 12);
    EXPECT_EQ(m_window->board().DarkSquareColor(), 0x404040u);
    EXPECT_TRUE(m_prompts.records().size() == 1); // the colour dialog only
}

TEST_F(OptionsTest, UnknownPromotionLetterOpensWithQueenAndOkSetsIt)
{
    START_WINDOW_OR_SKIP();
    m_window->board().setPromotionPiece(QStringLiteral("Q "));
    m_window->state().AutoPlaySpeed = 0; // from a hand-edited startup file
    QWidget *options = openOptions();
    EXPECT_TRUE(checked(options, "optQ"));
    EXPECT_TRUE(m_prompts.records().isEmpty());
    press(options, "cmdOK");
    EXPECT_EQ(m_window->board().PromotionPiece(), QStringLiteral("Q"));
    EXPECT_EQ(m_window->state().AutoPlaySpeed, 1);
}
