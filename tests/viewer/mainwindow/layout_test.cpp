// The window's controls, menus, toolbar, status bar and resize rules.

#include "main_window_fixture.h"

#include "tests/platform/widget_test_app.h"

#include <QDate>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using testsupport::MainWindowTest;

TEST_F(MainWindowTest, ControlsHaveTheirDesignedPlaceCaptionAndTooltip)
{
    start();
    EXPECT_EQ(m_window->objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Ludrin Basics"));
    struct Row {
        const char *name;
        QRect geometry; // pixels, 15 twips each; picMain's children relative to it
        const char *text;
    };
    const Row rows[] = {
        {"picMain", {0, 0, 614, 351}, nullptr},
        {"Picture1", {22, 28, 269, 269}, nullptr},
        {"lblMoveNumber", {304, 28, 88, 16}, "Move #: 1"},
        {"lblMoveText", {304, 44, 88, 16}, "Move: "},
        {"lblOnMove", {304, 60, 88, 16}, "On Move: W"},
        {"lblEPSquare", {304, 76, 88, 16}, "EP Square: -"},
        {"lblFifty", {304, 92, 88, 16}, "50 Move: 0"},
        {"lblCastle", {304, 108, 88, 16}, "Castle: KQkq"},
        {"lblPly", {304, 124, 88, 16}, "Ply: 0"},
        {"lblGameLength", {304, 140, 88, 16}, "Length: 0"},
        {"Label1", {400, 240, 185, 16}, "Annotation:"},
        {"cmdClearAnnotation", {408, 316, 53, 25}, "Clear"},
        {"cmdSetAnno", {468, 316, 105, 25}, "Apply Annotation"},
    };
    for (const Row &row : rows) {
        QWidget *widget = control(row.name);
        ASSERT_TRUE(widget) << row.name;
        EXPECT_EQ(widget->geometry(), row.geometry) << row.name;
        if (!row.text)
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget); label && m_window->board().isValid())
            EXPECT_EQ(label->text(), QLatin1String(row.text)) << row.name;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            EXPECT_EQ(button->text(), QLatin1String(row.text)) << row.name;
    }
    // The boxes on the right keep their left edge and top; their width follows the window.
    const std::pair<const char *, QPoint> boxes[] = {
        {"lstTags", {396, 28}}, {"txtMoveList", {396, 128}}, {"txtAnnotation", {396, 256}},
        {"txtPreview", {4, 356}}, {"lstPGNFiles", {104, 356}},
    };
    for (const auto &[name, position] : boxes)
        EXPECT_EQ(control(name)->pos(), position) << name;
    EXPECT_EQ(control("txtPreview")->toolTip(), QStringLiteral("Preview of game that is selected"));
    EXPECT_EQ(control("lstPGNFiles")->toolTip(), QStringLiteral("Games loaded into database"));
    EXPECT_EQ(m_window->findChild<QTimer *>(QStringLiteral("Timer1"))->interval(), 1000);
    EXPECT_FALSE(m_window->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    EXPECT_EQ(m_window->findChild<QTimer *>(QStringLiteral("Timer2"))->interval(), 500);
}

TEST_F(MainWindowTest, MenuItemsHaveTheirCaptionsShortcutsAndCheckMarks)
{
    start();
    struct Row {
        const char *name;
        const char *caption;
        const char *shortcut;
    };
    const Row rows[] = {
        {"mnuFileNew", "&New", "Ctrl+N"},
        {"mnuFileOpen", "Open...", "Ctrl+O"},
        {"mnuFileLoad", "Load Game", ""},
        {"mnuFileClose", "&Close", "Ctrl+W"},
        {"mnuFileSave", "&Save Game", ""},
        {"mnuFileSaveAs", "Save Game &As...", ""},
        {"mnuFileSaveAll", "Save All", ""},
        {"mnuFileSaveAllAs", "Save All As...", ""},
        {"mnuFilePrint", "&Print...", "Ctrl+P"},
        {"mnuFileExit", "E&xit", "Ctrl+Q"},
        {"mnuEditFind", "Find...", "Ctrl+F"},
        {"mnuEditCopyClipboard", "Copy Game To Clipboard", ""},
        {"mnuEditCopyBitmap", "Copy Board As Bitmap", ""},
        {"mnuEditmarkDeleted", "Mark As Deleted", ""},
        {"mnuViewToolbar", "&Toolbar", ""},
        {"mnuViewStatusBar", "Status &Bar", ""},
        {"mnuOptionsOptions", "Setup Options", ""},
        {"mnuBoardReverse", "Reverse View", ""},
        {"mnuPlayerMoveFirst", "Move First", ""},
        {"mnuPlayerMovePrevious", "Move Previous", ""},
        {"mnuPlayerMoveNext", "Move Next", ""},
        {"mnuPlayerMoveLast", "Move Last", ""},
        {"mnuPlayerPreviousGame", "Previous Game", ""},
        {"mnuPlayerNextGame", "Next Game", ""},
        {"mnuPlayerStartAP", "Start Auto Play", ""},
        {"mnuPlayerStopAP", "Stop Auto Play", ""},
        {"mnuToolsEditTags", "Edit Tags", ""},
        {"mnuToolsVariationBoard", "Variation Board", ""},
        {"mnuToolsSetup", "Setup Pieces", ""},
        {"mnuToolsEditors", "Text Editors", ""},
        {"mnuToolsEditorsWordPad", "WordPad", ""},
        {"mnuToolsEditorsNotepad", "Notepad", ""},
        {"mnuHelpHelp", "Help", ""},
        {"mnuHelpAbout", "&About ", ""},
    };
    for (const Row &row : rows) {
        QAction *item = m_window->menuItem(QLatin1String(row.name));
        ASSERT_TRUE(item) << row.name;
        EXPECT_EQ(item->text(), QLatin1String(row.caption)) << row.name;
        EXPECT_EQ(item->shortcut().toString(), QLatin1String(row.shortcut)) << row.name;
    }
    EXPECT_TRUE(m_window->menuItem(QStringLiteral("mnuViewToolbar"))->isChecked());
    EXPECT_TRUE(m_window->menuItem(QStringLiteral("mnuViewStatusBar"))->isChecked());
    EXPECT_FALSE(m_window->menuItem(QStringLiteral("mnuEditmarkDeleted"))->isChecked());
    EXPECT_FALSE(m_window->menuItem(QStringLiteral("mnuToolsVariationBoard"))->isVisible());
}

TEST_F(MainWindowTest, ToolbarButtonsComeInOrderWithTheirTooltipsAndIcons)
{
    start();
    const std::pair<const char *, const char *> buttons[] = {
        {"New", "New"}, {"Open", "Open"}, {"Close", "Close"}, {"Load", "Load Game"}, {"Save", "Save"},
        {"SaveAll", "Save All"}, {"Print", "Print"}, {"Delete", "Delete"}, {"Copy", "Copy Game To Clipboard"},
        {"Find", "Find"}, {"Cycle", "Reverse View"}, {"Variation", "Variation Board"}, {"Prev", "Previous Game"},
        {"Start", "Move First"}, {"Back", "Move Previous"}, {"Forward", "Move Next"}, {"End", "Move Last"},
        {"Next", "Next Game"}, {"StartAP", "Start Auto Play"}, {"StopAP", "Stop Auto Play"},
    };
    QStringList keys;
    for (QAction *action : control<QToolBar>("Toolbar1")->actions()) {
        if (!action->isSeparator())
            keys << action->objectName();
    }
    ASSERT_EQ(keys.size(), int(std::size(buttons)));
    for (int i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i], QLatin1String(buttons[i].first));
        QAction *button = m_window->toolbarButton(keys[i]);
        EXPECT_EQ(button->toolTip(), QLatin1String(buttons[i].second)) << buttons[i].first;
        EXPECT_FALSE(button->icon().pixmap(16, 16).isNull()) << buttons[i].first;
    }
    // An unknown key does nothing.
    m_window->Toolbar1_ButtonClick(QStringLiteral("Nothing"));
}

TEST_F(MainWindowTest, StatusBarShowsFourPanelsWithTodaysDate)
{
    start();
    EXPECT_EQ(m_window->statusBar()->objectName(), QStringLiteral("sbStatusBar"));
    EXPECT_EQ(m_window->statusPanelText(1), QString());
    EXPECT_EQ(m_window->statusPanelText(2), QString());
    EXPECT_EQ(m_window->statusPanelText(3), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    EXPECT_FALSE(m_window->statusPanelText(4).isEmpty());
}

TEST_F(MainWindowTest, ResizeRulesFollowTheWindowAndTheBars)
{
    start();
    m_window->show();
    m_window->resize(900, 700);
    QApplication::processEvents();
    const int width = m_window->width();
    for (const char *name : {"lstTags", "txtMoveList", "txtAnnotation"})
        EXPECT_EQ(control(name)->width(), width - 396 - 20) << name;
    EXPECT_EQ(gameList()->width(), width - 117);
    const int listBottom = gameList()->mapTo(m_window.get(), QPoint(0, gameList()->height())).y();
    EXPECT_EQ(listBottom + 5, m_window->statusBar()->y());
    EXPECT_EQ(control("txtPreview")->height(), gameList()->height());
    EXPECT_EQ(control("Picture1")->size(), QSize(269, 269));

    // Hiding the toolbar moves the lists up by its height and enlarges them as much.
    const int toolbarHeight = control("Toolbar1")->height();
    const int top = gameList()->mapTo(m_window.get(), QPoint()).y();
    const int height = gameList()->height();
    trigger("mnuViewToolbar");
    QApplication::processEvents();
    EXPECT_FALSE(control("Toolbar1")->isVisible());
    EXPECT_EQ(gameList()->mapTo(m_window.get(), QPoint()).y(), top - toolbarHeight);
    EXPECT_EQ(gameList()->height(), height + toolbarHeight);
    trigger("mnuViewToolbar");
    QApplication::processEvents();
    EXPECT_TRUE(control("Toolbar1")->isVisible());
    EXPECT_EQ(gameList()->height(), height);

    trigger("mnuViewStatusBar");
    QApplication::processEvents();
    EXPECT_FALSE(m_window->statusBar()->isVisible());
    EXPECT_FALSE(m_window->menuItem(QStringLiteral("mnuViewStatusBar"))->isChecked());
    EXPECT_GT(gameList()->height(), height);

    // Narrower than the boxes' left edge: they keep their last valid width.
    const int lastWidth = control("lstTags")->width();
    m_window->resize(200, 200);
    QApplication::processEvents();
    EXPECT_EQ(control("lstTags")->width(), lastWidth);
}
