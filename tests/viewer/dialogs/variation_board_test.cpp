// The variation board: Synchronize, moves dragged on it, Send, its toolbar and menu.
#include "board_windows_fixture.h"

#include "viewer/dialogs/frm_variation.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace testsupport;

namespace {

constexpr int B8 = 2, C6 = 19;

class VariationBoard : public BoardWindowsTest {
protected:
    bool startWithOperaGameAtPly7()
    {
        if (!start())
            return false;
        loadGame(OperaGame);
        mainBoard().NavigatePly(7);
        click("Variation");
        return true;
    }

    FrmVariation &variation() { return m_window->variationBoard(); }
    platform::BoardProxy &varBoard() { return variation().board(); }
    QPlainTextEdit *varMoveList()
    {
        return variation().findChild<QPlainTextEdit *>(QStringLiteral("txtMoveList"));
    }
    void sync() { variation().findChild<QPushButton *>(QStringLiteral("cmdSync"))->click(); }
    void send() { variation().findChild<QPushButton *>(QStringLiteral("cmdSend"))->click(); }
    bool enabled(const char *key) { return variation().toolbarButton(QLatin1String(key))->isEnabled(); }

    // A piece dragged from one square to another of the variation board, as Qt delivers it.
    void dragOnVariationBoard(int source, int target)
    {
        QWidget *panel = varBoard().widget()->findChild<QWidget *>(QStringLiteral("picBoardBackground"));
        QWidget *cell = varBoard().widget()->findChild<QWidget *>(QStringLiteral("picBoard%1").arg(target));
        ASSERT_TRUE(panel && cell);
        QMimeData data;
        data.setData(QStringLiteral("application/x-tolvar-square"),
                     QStringLiteral("%1:%2").arg(quintptr(panel)).arg(source).toLatin1());
        QDragEnterEvent enter(QPoint(16, 16), Qt::MoveAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(cell, &enter);
        QDropEvent drop(QPointF(16, 16), Qt::MoveAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(cell, &drop);
    }
};

} // namespace

TEST_F(VariationBoard, SynchronizeShowsTheMainPositionWithItsNamesAndView)
{
    if (!startWithOperaGameAtPly7())
        GTEST_SKIP() << "the board control plugin is not built";
    mainBoard().setColorView(QStringLiteral("B"));
    EXPECT_FALSE(enabled("Start"));
    EXPECT_FALSE(enabled("Forward"));
    sync();
    EXPECT_EQ(varBoard().Ply(), 7);
    EXPECT_EQ(varBoard().GameLength(), 33);
    EXPECT_EQ(varBoard().forsythOfPly(7), mainBoard().forsythOfPly(7));
    EXPECT_EQ(varBoard().WhitePlayer(), QStringLiteral("Paul Morphy"));
    EXPECT_EQ(varBoard().BlackPlayer(), QStringLiteral("Duke Karl / Count Isouard"));
    EXPECT_EQ(varBoard().ColorView(), QStringLiteral("B"));
    EXPECT_FALSE(variation().varSetUp());
    for (const char *key : {"Start", "Back", "Forward", "End"})
        EXPECT_TRUE(enabled(key)) << key;
    // The column layout, whatever the main window's style.
    EXPECT_EQ(varMoveList()->toPlainText(),
              varBoard().MoveList_L().replace(QLatin1String("\r\n"), QLatin1String("\n")));

    variation().Toolbar1_ButtonClick(QStringLiteral("End"));
    EXPECT_EQ(varBoard().Ply(), 33);
    EXPECT_FALSE(enabled("Forward"));
    EXPECT_FALSE(enabled("End"));
    variation().Toolbar1_ButtonClick(QStringLiteral("Start"));
    EXPECT_EQ(varBoard().Ply(), 0);
    EXPECT_FALSE(enabled("Back"));
    EXPECT_EQ(mainBoard().Ply(), 7); // the boards keep their own games
}

TEST_F(VariationBoard, ADraggedMoveCutsTheVariationAndSendReplacesTheMainGame)
{
    if (!startWithOperaGameAtPly7())
        GTEST_SKIP() << "the board control plugin is not built";
    sync();
    dragOnVariationBoard(B8, C6);
    EXPECT_EQ(varBoard().Ply(), 8);
    EXPECT_EQ(varBoard().GameLength(), 8);
    EXPECT_TRUE(varMoveList()->toPlainText().contains(QLatin1String("Nc6")));
    EXPECT_FALSE(enabled("Forward"));
    EXPECT_EQ(mainBoard().GameLength(), 33);
    EXPECT_FALSE(mainBoard().GameChanged());

    send();
    EXPECT_EQ(mainBoard().GameLength(), 8);
    EXPECT_EQ(mainBoard().Ply(), 8);
    EXPECT_EQ(mainBoard().MoveText(), QStringLiteral("Nc6"));
    EXPECT_TRUE(mainBoard().GameChanged());
    EXPECT_TRUE(m_window->menuItem(QStringLiteral("mnuFileSave"))->isEnabled());
    EXPECT_EQ(labelText("lblPly"), QStringLiteral("Ply: 8"));
    EXPECT_TRUE(moveListBox().contains(QLatin1String("Nc6")));
    EXPECT_EQ(mainBoard().WhitePlayer(), QStringLiteral("Paul Morphy"));
    EXPECT_TRUE(variation().isVisible());
}

TEST_F(VariationBoard, ASetUpGameComesFromItsPositionTagNotFromAPlayerNamedForsyth)
{
    START_WINDOW_OR_SKIP();
    const QByteArray fen = "8/8/8/8/8/4k3/8/4K2R w K - 0 1";
    loadGame("[Event \"Ending\"]\r\n[White \"Forsyth, Ann\"]\r\n[Black \"Lee\"]\r\n[SetUp \"1\"]\r\n[FEN \"" + fen
             + "\"]\r\n\r\n1. Rh3+ Kf4 *\r\n\r\n");
    ASSERT_EQ(mainBoard().GameLength(), 2);
    mainBoard().NavigatePly(1);
    click("Variation");
    sync();
    EXPECT_TRUE(variation().varSetUp());
    EXPECT_EQ(variation().varForsyth(), QString::fromLatin1(fen));
    EXPECT_EQ(varBoard().GameLength(), 2);
    EXPECT_EQ(varBoard().Ply(), 1);
    EXPECT_EQ(varBoard().forsythOfPly(0), mainBoard().forsythOfPly(0));

    // Send loads the set-up position of the last Synchronize on the main board.
    variation().Toolbar1_ButtonClick(QStringLiteral("Start"));
    send();
    EXPECT_EQ(mainBoard().GameLength(), 2);
    EXPECT_EQ(mainBoard().Ply(), 0);
    EXPECT_EQ(mainBoard().forsythOfPly(0), varBoard().forsythOfPly(0));
}

TEST_F(VariationBoard, DoubleClickingAMoveNumberShowsThePositionAfterBlacksMove)
{
    if (!startWithOperaGameAtPly7())
        GTEST_SKIP() << "the board control plugin is not built";
    sync();
    QPlainTextEdit *box = varMoveList();
    const int at = int(box->toPlainText().indexOf(QLatin1String("12.")));
    ASSERT_GE(at, 0);
    QTextCursor cursor(box->document());
    cursor.setPosition(at + 1);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
    const QPoint point = box->cursorRect(cursor).center();
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, point);
    EXPECT_EQ(box->textCursor().selectedText().left(2), QStringLiteral("12"));
    EXPECT_EQ(varBoard().Ply(), 24);
    EXPECT_TRUE(enabled("Back"));

    // A move is not a number.
    const int move = int(box->toPlainText().indexOf(QLatin1String("Nxb5")));
    cursor.setPosition(move + 1);
    box->setTextCursor(cursor);
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, box->cursorRect(cursor).center());
    EXPECT_EQ(varBoard().Ply(), 24);
}

TEST_F(VariationBoard, CycleTurnsTheViewAndClosingOnlyHidesTheWindow)
{
    if (!startWithOperaGameAtPly7())
        GTEST_SKIP() << "the board control plugin is not built";
    sync();
    variation().Toolbar1_ButtonClick(QStringLiteral("Cycle"));
    EXPECT_EQ(varBoard().ColorView(), QStringLiteral("B"));
    variation().Toolbar1_ButtonClick(QStringLiteral("Cycle"));
    EXPECT_EQ(varBoard().ColorView(), QStringLiteral("W"));

    variation().close();
    EXPECT_FALSE(variation().isVisible());
    click("Variation");
    EXPECT_TRUE(variation().isVisible());
    EXPECT_EQ(varBoard().GameLength(), 33);
    EXPECT_EQ(varBoard().Ply(), 7);
    EXPECT_FALSE(varMoveList()->toPlainText().isEmpty());

    variation().menuItem(QStringLiteral("mnuFileClose"))->trigger();
    EXPECT_FALSE(variation().isVisible());
    variation().menuItem(QStringLiteral("mnuFileNew"))->trigger();
    EXPECT_EQ(varBoard().GameLength(), 0);
    EXPECT_TRUE(varMoveList()->toPlainText().isEmpty());
}

TEST_F(VariationBoard, SaveAsWritesTheTagsAnEmptyLineAndTheColumnList)
{
    if (!startWithOperaGameAtPly7())
        GTEST_SKIP() << "the board control plugin is not built";
    sync();
    const QString path = m_dir.filePath(QStringLiteral("variation.pgn"));
    m_prompts.queueText(std::nullopt);
    variation().Toolbar1_ButtonClick(QStringLiteral("Save"));
    EXPECT_FALSE(QFile::exists(path));
    m_prompts.queueText(path);
    variation().menuItem(QStringLiteral("mnuFileSaveAs"))->trigger();

    ASSERT_EQ(m_prompts.records().size(), 2);
    EXPECT_EQ(m_prompts.records().last().kind, platform::ScriptedPrompts::Kind::SaveFile);
    EXPECT_EQ(m_prompts.records().last().filter,
              QStringLiteral("PGN files (*.pgn) | *.pgn|Text files (*.txt) | *.txt|All files (*.*) | *.*"));
    EXPECT_TRUE(m_prompts.records().last().fileName.isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString expected = tagList().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n")
                             + varBoard().MoveList_L() + QStringLiteral("\r\n");
    EXPECT_EQ(QString::fromUtf8(file.readAll()), expected);
}

TEST_F(VariationBoard, PrintSendsOneDocumentToTheDefaultPrinterOrNothingWithoutOne)
{
    if (!startWithOperaGameAtPly7())
        GTEST_SKIP() << "the board control plugin is not built";
    sync();
    variation().Toolbar1_ButtonClick(QStringLiteral("Print"));
    EXPECT_EQ(m_desktop.m_printJobs, 0);
    EXPECT_TRUE(m_prompts.records().isEmpty());

    m_desktop.m_printerFile = m_dir.filePath(QStringLiteral("printed.pdf"));
    variation().menuItem(QStringLiteral("mnuFilePrint"))->trigger();
    EXPECT_EQ(m_desktop.m_printJobs, 1);
    EXPECT_GT(QFileInfo(m_desktop.m_printerFile).size(), 0);
}
