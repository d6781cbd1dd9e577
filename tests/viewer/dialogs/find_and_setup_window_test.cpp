// The Find dialog and the position setup editor over a main window.

#include "edit_windows_fixture.h"
#include "viewer/dialogs/frm_setup.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QToolBar>

using platform::MessageAnswer;
using testsupport::EditWindowsTest;

namespace {

const QByteArray FourGames = "[Event \"One\"]\r\n[Opening \"Sicilian\"]\r\n\r\n1. e4 c5 *\r\n\r\n"
                             "[Event \"Two\"]\r\n\r\n1. d4 d5 *\r\n\r\n"
                             "[Event \"Three\"]\r\n\r\n1. e4 e5 2. Nf3 Nc6 3. Nxe5 *\r\n\r\n"
                             "[Event \"Four\"]\r\n[Opening \"sicilian Najdorf\"]\r\n\r\n1. e4 c5 *\r\n";

const QString StartFen = QStringLiteral("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");

} // namespace

class FindTest : public EditWindowsTest {
protected:
    QWidget *openFind() { return open("mnuEditFind", "frmFind"); }
    void openFourGames()
    {
        const QString path = m_dir.filePath(QStringLiteral("four.pgn"));
        writeFile(path, FourGames);
        openFile(path);
        m_prompts.clearRecords();
    }
    // Types the text, presses the button and returns the selected list position.
    int search(QWidget *find, const char *button, const QString &text)
    {
        type(find, "txtFindString", text);
        press(find, button);
        return listIndex();
    }
};

TEST_F(FindTest, StepsFromMatchToMatchWithoutWrappingAround)
{
    START_WINDOW_OR_SKIP();
    openFourGames();
    const QStringList tagsBefore = tagList();
    click("Find");
    QWidget *find = m_window->findChild<QWidget *>(QStringLiteral("frmFind"));
    ASSERT_TRUE(find && find->isVisible());
    EXPECT_EQ(find->windowTitle(), QStringLiteral("Find"));

    EXPECT_EQ(search(find, "cmdFindFirst", QStringLiteral("sicilian")), 0);
    EXPECT_EQ(search(find, "cmdFindNext", QStringLiteral("sicilian")), 3);
    EXPECT_EQ(control<QPlainTextEdit>("txtPreview")->toPlainText().trimmed(), QStringLiteral("1. e4 c5 *"));
    EXPECT_EQ(m_window->statusPanelText(1), QStringLiteral("Game 4 of 4"));
    EXPECT_TRUE(m_prompts.records().isEmpty());

    EXPECT_EQ(search(find, "cmdFindNext", QStringLiteral("sicilian")), 3);
    EXPECT_TRUE(m_prompts.records().isEmpty()); // nothing after the last game

    EXPECT_EQ(search(find, "cmdFindFirst", QStringLiteral("Nf3")), 2);
    EXPECT_EQ(search(find, "cmdFindNext", QStringLiteral("Nf3")), 2);
    EXPECT_EQ(lastPrompt(), QStringLiteral("Match Failed|No more matches found for Nf3"));
    EXPECT_EQ(m_prompts.records().last().buttons, platform::MessageButtons::Ok);

    EXPECT_EQ(search(find, "cmdFindPrevious", QStringLiteral("SICILIAN")), 0);
    m_prompts.clearRecords();
    EXPECT_EQ(search(find, "cmdFindPrevious", QStringLiteral("SICILIAN")), 0);
    EXPECT_TRUE(m_prompts.records().isEmpty()); // nothing before the first game
    EXPECT_EQ(search(find, "cmdFindLast", QStringLiteral("e4 c5")), 3);
    EXPECT_EQ(tagList(), tagsBefore); // found games are selected, not loaded
}

TEST_F(FindTest, MovetextEmptyTextAndNoMatch)
{
    START_WINDOW_OR_SKIP();
    openFourGames();
    QWidget *find = openFind();
    EXPECT_EQ(search(find, "cmdFindFirst", QStringLiteral("nxe5")), 2);
    EXPECT_EQ(search(find, "cmdFindFirst", QString()), 0);
    selectGame(1);
    EXPECT_EQ(search(find, "cmdFindFirst", QStringLiteral("queen")), 1);
    EXPECT_EQ(lastPrompt(), QStringLiteral("Match Failed|No matches found for queen"));
    EXPECT_EQ(search(find, "cmdFindLast", QStringLiteral("queen")), 1);
    EXPECT_EQ(m_prompts.records().size(), 2);
    EXPECT_EQ(m_window->statusPanelText(1), QStringLiteral("Game 2 of 4"));
}

TEST_F(FindTest, NothingToSearchShowsNothing)
{
    START_WINDOW_OR_SKIP();
    QWidget *find = openFind();
    for (const char *button : {"cmdFindFirst", "cmdFindNext", "cmdFindPrevious", "cmdFindLast"})
        EXPECT_EQ(search(find, button, QStringLiteral("e4")), -1) << button;
    EXPECT_TRUE(m_prompts.records().isEmpty());
    press(find, "cmdClose");
    EXPECT_FALSE(find->isVisible());
}

class SetupTest : public EditWindowsTest {
protected:
    FrmSetup *openSetup() { return static_cast<FrmSetup *>(open("mnuToolsSetup", "frmSetup")); }
    static void pressPalette(FrmSetup *setup, int button)
    {
        in<QToolBar>(setup, "Toolbar1")->actions().at(button - 1)->trigger();
    }
    static void clickCell(FrmSetup *setup, int cell)
    {
        QTest::mouseClick(in<QWidget>(setup, QStringLiteral("picBoard%1").arg(cell).toLatin1().constData()),
                          Qt::LeftButton);
    }
    QStringList setupTags(const QString &fen) const
    {
        return {QStringLiteral("[Event \"?\"]"),   QStringLiteral("[Site \"?\"]"),
                QStringLiteral("[Date \"????.??.??\"]"), QStringLiteral("[Round \"?\"]"),
                QStringLiteral("[White \"?\"]"),   QStringLiteral("[Black \"?\"]"),
                QStringLiteral("[Result \"*\"]"),  QStringLiteral("[SetUp \"1\"]"),
                QStringLiteral("[Forsyth \"") + fen + QStringLiteral("\"]")};
    }
};

TEST_F(SetupTest, OkAtOnceStartsANewGameFromTheStartingPosition)
{
    START_WINDOW_OR_SKIP();
    FrmSetup *setup = openSetup();
    ASSERT_TRUE(setup);
    EXPECT_EQ(setup->windowTitle(), QStringLiteral("Setup Pieces"));
    press(setup, "cmdOK");
    EXPECT_FALSE(setup->isVisible());
    EXPECT_EQ(tagList(), setupTags(StartFen));
    EXPECT_TRUE(m_window->board().GameChanged());
    EXPECT_EQ(m_window->state().CurrentGame, -1);
    EXPECT_TRUE(m_window->menuItem(QStringLiteral("mnuFileSave"))->isEnabled());
}

TEST_F(SetupTest, KingsAreRequired)
{
    START_WINDOW_OR_SKIP();
    FrmSetup *setup = openSetup();
    setup->findChild<QAction *>(QStringLiteral("mnuToolsClear"))->trigger();
    press(setup, "cmdOK");
    EXPECT_EQ(lastPrompt(), QStringLiteral("Setup Error|No white king"));
    EXPECT_EQ(m_prompts.records().last().icon, platform::MessageIcon::Information);
    pressPalette(setup, 1);
    clickCell(setup, 61);
    press(setup, "cmdOK");
    EXPECT_EQ(lastPrompt(), QStringLiteral("Setup Error|No black king"));
    EXPECT_TRUE(setup->isVisible());
    EXPECT_EQ(tagList().size(), 7);

    pressPalette(setup, 7);
    clickCell(setup, 5);
    in<QRadioButton>(setup, "optMoveBlack")->setChecked(true);
    press(setup, "cmdOK");
    EXPECT_EQ(tagList().last(), QStringLiteral("[Forsyth \"4k3/8/8/8/8/8/8/4K3 b KQkq - 0 1\"]"));
    EXPECT_EQ(m_window->board().OnMove(), QStringLiteral("B"));
}

TEST_F(SetupTest, PaletteEraserAndReset)
{
    START_WINDOW_OR_SKIP();
    FrmSetup *setup = openSetup();
    clickCell(setup, 20); // no button pressed
    EXPECT_EQ(setup->cellCode(20), QLatin1Char('1'));
    pressPalette(setup, 8);
    clickCell(setup, 20);
    clickCell(setup, 1);
    EXPECT_EQ(setup->cellCode(20), QLatin1Char('q'));
    EXPECT_EQ(setup->cellCode(1), QLatin1Char('q'));
    pressPalette(setup, 13);
    clickCell(setup, 57);
    EXPECT_EQ(setup->cellCode(57), QLatin1Char('1'));
    pressPalette(setup, 13); // pressed again: released
    clickCell(setup, 58);
    EXPECT_EQ(setup->cellCode(58), QLatin1Char('N'));

    in<QCheckBox>(setup, "chkBCQ")->setChecked(false);
    type(setup, "txtEPSquare", QString());
    setup->findChild<QAction *>(QStringLiteral("mnuToolsReset"))->trigger();
    EXPECT_EQ(setup->cellCode(20), QLatin1Char('1'));
    EXPECT_EQ(setup->cellCode(57), QLatin1Char('R'));
    EXPECT_FALSE(in<QCheckBox>(setup, "chkBCQ")->isChecked());
    press(setup, "cmdOK");
    EXPECT_EQ(tagList().last(),
              QStringLiteral("[Forsyth \"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQk  0 1\"]"));
}

TEST_F(SetupTest, OpensOnceAndAfreshAfterClosing)
{
    START_WINDOW_OR_SKIP();
    FrmSetup *setup = openSetup();
    setup->findChild<QAction *>(QStringLiteral("mnuToolsClear"))->trigger();
    in<QCheckBox>(setup, "chkWCK")->setChecked(false);
    EXPECT_EQ(openSetup(), setup);
    EXPECT_EQ(setup->cellCode(1), QLatin1Char('1'));
    setup->findChild<QAction *>(QStringLiteral("mnuFileClose"))->trigger();
    EXPECT_FALSE(setup->isVisible());
    const QStringList before = tagList();
    settle();
    setup = openSetup();
    ASSERT_TRUE(setup);
    EXPECT_EQ(setup->cellCode(1), QLatin1Char('r'));
    EXPECT_TRUE(in<QCheckBox>(setup, "chkWCK")->isChecked());
    press(setup, "cmdCancel");
    EXPECT_EQ(tagList(), before);
    EXPECT_EQ(m_window->findChildren<FrmSetup *>().size(), 1); // the closed one, until it is deleted
}

TEST_F(SetupTest, CancelledUnsavedGamePromptKeepsTheEditorOpenAndTheOldTags)
{
    START_WINDOW_OR_SKIP();
    const QStringList before = tagList();
    m_window->board().setGameChanged(true);
    FrmSetup *setup = openSetup();
    m_prompts.queueAnswer(MessageAnswer::Cancel);
    press(setup, "cmdOK");
    ASSERT_EQ(m_prompts.records().size(), 1);
    EXPECT_EQ(m_prompts.records().first().title, QStringLiteral("Unsaved Game Changes"));
    EXPECT_TRUE(setup->isVisible());
    EXPECT_EQ(tagList(), before);

    // Answering No discards the old game and goes on.
    m_prompts.queueAnswer(MessageAnswer::No);
    press(setup, "cmdOK");
    EXPECT_FALSE(setup->isVisible());
    EXPECT_EQ(tagList(), setupTags(StartFen));
}
