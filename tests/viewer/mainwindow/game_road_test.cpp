// The road of a user: open a file, select, load, step through a game, its status panel
// and command state.

#include "main_window_fixture.h"

#include <QStatusBar>
#include <QTest>

using platform::MessageAnswer;
using testsupport::MainWindowTest;

namespace {

const char London[] = "pgn2tex/London1851.pgn";

} // namespace

TEST_F(MainWindowTest, OpenListsTheGamesAndSelectsTheFirst)
{
    START_WINDOW_OR_SKIP();
    const QString path = copyOfData(QLatin1String(London));
    openFile(path);

    ASSERT_EQ(m_prompts.records().size(), 1);
    const auto &dialog = m_prompts.records()[0];
    EXPECT_EQ(dialog.kind, platform::ScriptedPrompts::Kind::OpenFile);
    EXPECT_EQ(dialog.filter, QStringLiteral("PGN files (*.pgn) | *.pgn|Text files (*.txt) | *.txt|All files (*.*) | *.*"));
    EXPECT_EQ(dialog.fileName, QString());

    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Ludrin Basics - ") + path);
    EXPECT_EQ(gameList()->model()->rowCount(), 251);
    EXPECT_EQ(listIndex(), 0);
    EXPECT_EQ(m_window->statusPanelText(1), QStringLiteral("Game 1 Of 251"));
    EXPECT_TRUE(gameList()->model()->index(0, 0).data().toString().startsWith(
        QStringLiteral("[Event \"London2\"] [Site \"London\"] ")));
    EXPECT_TRUE(control<QPlainTextEdit>("txtPreview")->toPlainText().startsWith(QStringLiteral("1.e4 e5 2.f4")));
    EXPECT_FALSE(m_window->state().FileChanged);
    EXPECT_EQ(m_window->state().PGNFileName, path);
    // The board is not touched by selecting.
    EXPECT_EQ(m_window->board().GameLength(), 0);
    // The progress window was captioned with the path and counted the games; it is closed.
    QWidget *progress = control("frmLoadFile");
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(progress->windowTitle(), path);
    // The label counts the games imported before each game.
    EXPECT_EQ(progress->findChild<QLabel *>(QStringLiteral("lblFileCount"))->text(),
              QStringLiteral("250 Games Imported"));

    // Selecting another entry previews it, and still does not load it.
    selectGame(2);
    EXPECT_EQ(m_window->statusPanelText(1), QStringLiteral("Game 3 of 251"));
    EXPECT_EQ(m_window->board().GameLength(), 0);
    EXPECT_EQ(labelText("lblPly"), QStringLiteral("Ply: 0"));
}

TEST_F(MainWindowTest, CancelledOpenChangesNothing)
{
    START_WINDOW_OR_SKIP();
    m_prompts.queueText(std::nullopt);
    click("Open");
    EXPECT_FALSE(m_window->state().Games.isAllocated());
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Ludrin Basics"));
}

TEST_F(MainWindowTest, LoadGameAndStepThroughItWithTheCommandState)
{
    START_WINDOW_OR_SKIP();
    openFile(copyOfData(QLatin1String(London)));
    click("Load");
    EXPECT_EQ(m_window->state().CurrentGame, 1);
    EXPECT_EQ(tagList().first(), QStringLiteral("[Event \"London2\"]"));
    EXPECT_EQ(tagList().size(), 10);
    platform::BoardProxy &board = m_window->board();
    EXPECT_EQ(board.WhitePlayer(), QStringLiteral("Anderssen, Adolf"));
    EXPECT_EQ(board.BlackPlayer(), QStringLiteral("Slous, FL."));
    EXPECT_EQ(board.GameLength(), 55);
    EXPECT_EQ(labelText("lblGameLength"), QStringLiteral("Length: 55"));
    EXPECT_EQ(moveListBox(), QString(board.MoveList_L()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    struct State {
        const char *where;
        bool start, back, forward, end, prev, next, startAP, stopAP;
    };
    auto expectState = [this](const State &s) {
        auto on = [this](const char *key) { return m_window->toolbarButton(QLatin1String(key))->isEnabled(); };
        auto item = [this](const char *name) { return m_window->menuItem(QLatin1String(name))->isEnabled(); };
        EXPECT_EQ(on("Start"), s.start) << s.where;
        EXPECT_EQ(item("mnuPlayerMoveFirst"), s.start) << s.where;
        EXPECT_EQ(on("Back"), s.back) << s.where;
        EXPECT_EQ(item("mnuPlayerMovePrevious"), s.back) << s.where;
        EXPECT_EQ(on("Forward"), s.forward) << s.where;
        EXPECT_EQ(item("mnuPlayerMoveNext"), s.forward) << s.where;
        EXPECT_EQ(on("End"), s.end) << s.where;
        EXPECT_EQ(item("mnuPlayerMoveLast"), s.end) << s.where;
        EXPECT_EQ(on("Prev"), s.prev) << s.where;
        EXPECT_EQ(on("Next"), s.next) << s.where;
        EXPECT_EQ(on("StartAP"), s.startAP) << s.where;
        EXPECT_EQ(item("mnuPlayerStartAP"), s.startAP) << s.where;
        EXPECT_EQ(on("StopAP"), s.stopAP) << s.where;
        EXPECT_FALSE(on("Save")) << s.where;
        EXPECT_FALSE(on("SaveAll")) << s.where;
        EXPECT_TRUE(item("mnuFileSaveAllAs")) << s.where;
        EXPECT_TRUE(on("Load") && on("Delete") && on("Find") && on("Close")) << s.where;
    };

    expectState({"ply 0", false, false, true, true, false, true, true, false});
    EXPECT_EQ(m_window->statusPanelText(2), QString());

    click("Forward");
    EXPECT_EQ(board.Ply(), 1);
    EXPECT_EQ(labelText("lblPly"), QStringLiteral("Ply: 1"));
    EXPECT_EQ(labelText("lblMoveText"), QStringLiteral("Move: e4"));
    EXPECT_EQ(labelText("lblOnMove"), QStringLiteral("On Move: B"));
    EXPECT_EQ(labelText("lblEPSquare"), QStringLiteral("EP Square: ") + board.EP_Square());
    EXPECT_EQ(m_window->statusPanelText(2), QStringLiteral("1. e4"));
    click("Forward");
    EXPECT_EQ(m_window->statusPanelText(2), QStringLiteral("1. ... e5"));
    expectState({"middle", true, true, true, true, false, true, true, false});
    // The current move number is selected in the move-list box.
    const QTextCursor cursor = control<QPlainTextEdit>("txtMoveList")->textCursor();
    EXPECT_EQ(cursor.selectedText(), QStringLiteral("1."));

    click("End");
    EXPECT_EQ(board.Ply(), 55);
    EXPECT_EQ(labelText("lblMoveNumber"), QStringLiteral("Move #: 28"));
    expectState({"end", true, true, false, false, false, true, false, false});
    EXPECT_EQ(m_window->statusPanelText(2), QStringLiteral("28. Rh7"));

    click("Back");
    EXPECT_EQ(board.Ply(), 54);
    click("Start");
    EXPECT_EQ(board.Ply(), 0);
    EXPECT_EQ(m_window->statusPanelText(1), QStringLiteral("Game 1 Of 251"));

    // Next and Previous Game load the neighbours; Previous on the first does nothing.
    click("Next");
    EXPECT_EQ(m_window->state().CurrentGame, 2);
    EXPECT_EQ(board.BlackPlayer(), QStringLiteral("Meyerhofer"));
    expectState({"second game", false, false, true, true, true, true, true, false});
    click("Prev");
    click("Prev");
    EXPECT_EQ(m_window->state().CurrentGame, 1);
    EXPECT_EQ(listIndex(), 0);
}

TEST_F(MainWindowTest, LoadGameWithoutGamesOrSelection)
{
    START_WINDOW_OR_SKIP();
    trigger("mnuFileLoad"); // disabled: nothing happens
    m_window->LoadGame();
    ASSERT_EQ(m_prompts.records().size(), 1);
    EXPECT_EQ(m_prompts.records()[0].text, QStringLiteral("There are no games to select from."));
    EXPECT_EQ(m_prompts.records()[0].title, QStringLiteral("No Games"));

    openFile(copyOfData(QStringLiteral("pgn2tex/Philidor.pgn")));
    gameList()->setCurrentIndex({});
    EXPECT_EQ(m_window->statusPanelText(1), QStringLiteral("Game 1 Of 6"));
    m_window->UpdateCommandState();
    EXPECT_EQ(m_window->statusPanelText(1), QStringLiteral("Game 0 Of 6"));
    EXPECT_FALSE(m_window->toolbarButton(QStringLiteral("Prev"))->isEnabled());
    EXPECT_TRUE(m_window->toolbarButton(QStringLiteral("Next"))->isEnabled());
    click("Load");
    EXPECT_EQ(listIndex(), 0);
    EXPECT_EQ(m_window->state().CurrentGame, 1);
}

TEST_F(MainWindowTest, SetUpGamesLoadFromTheirForsythOrFenTag)
{
    START_WINDOW_OR_SKIP();
    const QString fen = QStringLiteral("rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b KQkq - 1 2");
    const QString path = m_dir.filePath(QStringLiteral("setup.pgn"));
    writeFile(path, QStringLiteral("[Event \"FEN tag\"]\r\n[White \"Forsyth, D\"]\r\n[SetUp \"1\"]\r\n"
                                   "[FEN \"%1\"]\r\n\r\n2... g6 3. h4 *\r\n\r\n"
                                   "[Event \"Forsyth tag\"]\r\n[SetUp \"1\"]\r\n[Forsyth \"%1\"]\r\n\r\n2... Nc6 *\r\n")
                        .arg(fen)
                        .toUtf8());
    openFile(path);
    for (int game = 0; game < 2; ++game) {
        selectGame(game);
        click("Load");
        EXPECT_TRUE(m_window->isSetupGame()) << game;
        EXPECT_EQ(m_window->setupFEN(), fen) << game;
        EXPECT_EQ(m_window->board().forsythOfPly(0), fen) << game;
        EXPECT_EQ(m_window->board().OnMove(), QStringLiteral("B")) << game;
        EXPECT_GE(m_window->board().GameLength(), 1) << game;
    }
    EXPECT_EQ(m_window->board().WhitePlayer(), QStringLiteral("Forsyth, D")); // no White tag in game 2
}
