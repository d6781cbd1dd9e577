// Auto play, annotations, the move-list jump and the file commands from the window.

#include "main_window_fixture.h"

#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include <functional>
#include <optional>

using platform::MessageAnswer;
using testsupport::MainWindowTest;

namespace {

// Fifty knight moves on each side: the halfmove clock counts up to 100 at the end.
QByteArray knightShuffle()
{
    QByteArray moves;
    for (int n = 1; n <= 50; ++n)
        moves += QByteArray::number(n) + (n % 2 ? ". Nf3 Nf6 " : ". Ng1 Ng8 ");
    return "[Event \"Shuffle\"]\r\n[White \"A\"]\r\n[Black \"B\"]\r\n\r\n" + moves + "*\r\n";
}

// Prompts that run an event loop while a message box is "open", as a real dialog does,
// and then let the prompts below answer.
class EventLoopPrompts final : public platform::Prompts {
public:
    EventLoopPrompts() : m_previous(&platform::prompts()) { platform::setPrompts(this); }
    ~EventLoopPrompts() override { platform::setPrompts(m_previous); }

    platform::MessageAnswer message(const platform::MessageRequest &request) override
    {
        QTest::qWait(150);
        if (whileOpen)
            whileOpen();
        return m_previous->message(request);
    }
    std::optional<QString> input(const platform::InputRequest &r) override { return m_previous->input(r); }
    std::optional<QString> openFileName(const platform::FileRequest &r) override { return m_previous->openFileName(r); }
    std::optional<QString> saveFileName(const platform::FileRequest &r) override { return m_previous->saveFileName(r); }
    std::optional<quint32> color(quint32 initial) override { return m_previous->color(initial); }

    std::function<void()> whileOpen;

private:
    platform::Prompts *m_previous;
};

} // namespace

class CommandsTest : public MainWindowTest {
protected:
    QTimer *timer1() const { return m_window->findChild<QTimer *>(QStringLiteral("Timer1")); }

    // Starts auto play and runs it with a short interval until the condition holds.
    template <typename Condition>
    bool autoPlayUntil(Condition condition, int timeoutMs = 5000)
    {
        click("StartAP");
        EXPECT_EQ(timer1()->interval(), m_window->state().AutoPlaySpeed * 1000);
        timer1()->setInterval(1);
        return QTest::qWaitFor(condition, timeoutMs);
    }

    void openPhilidor() { openFile(copyOfData(QStringLiteral("pgn2tex/Philidor.pgn"))); }
};

TEST_F(CommandsTest, AutoPlayStopsAtTheEndInModePlayStop)
{
    START_WINDOW_OR_SKIP();
    openPhilidor();
    click("Load");
    m_window->state().AutoPlayMode = QStringLiteral("PS");
    click("End");
    click("Back");
    click("Back");
    EXPECT_TRUE(autoPlayUntil([this] { return !m_window->state().AutoPlayOn; }));
    EXPECT_EQ(m_window->board().Ply(), m_window->board().GameLength());
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_FALSE(m_window->toolbarButton(QStringLiteral("StopAP"))->isEnabled());
    EXPECT_FALSE(m_window->toolbarButton(QStringLiteral("StartAP"))->isEnabled()); // at the end
}

TEST_F(CommandsTest, AutoPlayRepeatsTheGameInModePlayRepeat)
{
    START_WINDOW_OR_SKIP();
    openPhilidor();
    click("Load");
    m_window->state().AutoPlayMode = QStringLiteral("PR");
    click("End");
    click("Back");
    bool sawEnd = false;
    EXPECT_TRUE(autoPlayUntil([&] {
        sawEnd = sawEnd || m_window->board().Ply() == m_window->board().GameLength();
        return sawEnd && m_window->board().Ply() == 1;
    }));
    EXPECT_TRUE(m_window->state().AutoPlayOn);
    EXPECT_TRUE(m_window->toolbarButton(QStringLiteral("StopAP"))->isEnabled());
    EXPECT_FALSE(m_window->toolbarButton(QStringLiteral("StartAP"))->isEnabled());
    click("StopAP");
    EXPECT_FALSE(timer1()->isActive());
    EXPECT_FALSE(m_window->state().AutoPlayOn);
}

TEST_F(CommandsTest, AutoPlayRunsOneMovePerSpeedInSeconds)
{
    START_WINDOW_OR_SKIP();
    // Speeds outside 1..90 come only from a hand-edited startup file.
    const std::pair<qint16, int> speeds[] = {{1, 1000}, {45, 45000}, {90, 90000}, {0, 1000}, {200, 90000}};
    for (const auto &[speed, interval] : speeds) {
        m_window->state().AutoPlaySpeed = speed;
        click("StartAP");
        EXPECT_EQ(timer1()->interval(), interval) << speed;
        EXPECT_TRUE(timer1()->isActive()) << speed;
        click("StopAP");
        EXPECT_FALSE(timer1()->isActive()) << speed;
    }
}

TEST_F(CommandsTest, AutoPlayRepeatOnAnEmptyGameStaysAtTheStart)
{
    START_WINDOW_OR_SKIP();
    m_window->state().AutoPlayMode = QStringLiteral("PR");
    int ticks = 0;
    QObject::connect(timer1(), &QTimer::timeout, m_window.get(), [&ticks] { ++ticks; });
    EXPECT_TRUE(autoPlayUntil([&] { return ticks >= 5; }));
    EXPECT_EQ(m_window->board().Ply(), 0);
    EXPECT_TRUE(m_window->state().AutoPlayOn);
    click("StopAP");
}

TEST_F(CommandsTest, AutoPlayGoesOnToTheNextOrPreviousGame)
{
    START_WINDOW_OR_SKIP();
    openPhilidor();
    // Play - Next - Play from game 5 to the end of game 6, where it stops.
    selectGame(4);
    click("Load");
    click("End");
    m_window->state().AutoPlayMode = QStringLiteral("PNP");
    EXPECT_TRUE(autoPlayUntil([this] { return !m_window->state().AutoPlayOn; }, 20000));
    EXPECT_EQ(m_window->state().CurrentGame, 6);
    EXPECT_EQ(m_window->board().Ply(), m_window->board().GameLength());

    // Play - Prev - Play from the end of game 2 goes to game 1 and stops at its end.
    selectGame(1);
    click("Load");
    click("End");
    m_window->state().AutoPlayMode = QStringLiteral("PPP");
    EXPECT_TRUE(autoPlayUntil([this] { return !m_window->state().AutoPlayOn; }, 20000));
    EXPECT_EQ(m_window->state().CurrentGame, 1);
    EXPECT_EQ(m_window->board().Ply(), m_window->board().GameLength());
}

TEST_F(CommandsTest, FiftyMoveNoticeComesWhenFiftyMovesHavePassed)
{
    START_WINDOW_OR_SKIP();
    const QString path = m_dir.filePath(QStringLiteral("shuffle.pgn"));
    writeFile(path, knightShuffle());
    openFile(path);
    click("Load");
    ASSERT_EQ(m_window->board().GameLength(), 100);
    m_prompts.clearRecords();
    m_window->board().NavigatePly(50);
    m_window->ShowBoardStatus();
    m_window->UpdateCommandState();
    EXPECT_EQ(labelText("lblFifty"), QStringLiteral("50 Move: 50"));
    EXPECT_TRUE(m_prompts.records().isEmpty());

    m_window->board().NavigatePly(99);
    click("Forward");
    EXPECT_EQ(labelText("lblFifty"), QStringLiteral("50 Move: 100"));
    ASSERT_EQ(m_prompts.records().size(), 1);
    const auto &notice = m_prompts.records()[0];
    EXPECT_EQ(notice.title, QStringLiteral("50 Move Rule"));
    EXPECT_EQ(notice.text, QStringLiteral("Fifty move rule:\r\n\r\nIt has been 50 moves since the last pawn move or capture."));
    EXPECT_EQ(notice.icon, platform::MessageIcon::Information);
}

TEST_F(CommandsTest, NothingAdvancesWhileAPromptIsOpen)
{
    EventLoopPrompts loop; // below the window's own count of open prompts
    START_WINDOW_OR_SKIP();
    const QString path = m_dir.filePath(QStringLiteral("shuffle.pgn"));
    writeFile(path, knightShuffle());
    openFile(path);
    click("Load");
    m_window->board().NavigatePly(98);
    m_window->state().AutoPlayMode = QStringLiteral("PS");
    std::optional<int> plyInPrompt;
    loop.whileOpen = [&] {
        // A command from inside the prompt is not run either.
        click("Forward");
        plyInPrompt = m_window->board().Ply();
    };
    // The notice at ply 100 is open for 150 ms, in which the 1 ms timer fires often.
    EXPECT_TRUE(autoPlayUntil([&] { return plyInPrompt.has_value(); }));
    EXPECT_EQ(plyInPrompt, 100);
    EXPECT_EQ(m_window->board().Ply(), 100);
    click("StopAP");
}

TEST_F(CommandsTest, AnnotationsAreAppliedClearedAndShownInTheAnnotatedStyle)
{
    START_WINDOW_OR_SKIP();
    openPhilidor();
    click("Load");
    m_window->state().MoveListStyle = QStringLiteral("A");
    m_window->ShowMoveList();
    click("Forward");
    auto *box = control<QPlainTextEdit>("txtAnnotation");
    box->setPlainText(QStringLiteral("the king's pawn"));
    QTest::mouseClick(control<QPushButton>("cmdSetAnno"), Qt::LeftButton);
    EXPECT_TRUE(m_window->board().GameChanged());
    EXPECT_TRUE(m_window->toolbarButton(QStringLiteral("Save"))->isEnabled());
    EXPECT_TRUE(moveListBox().contains(QStringLiteral("{the king's pawn}")));

    // Clear empties the box only; a step away and back shows the stored text again.
    QTest::mouseClick(control<QPushButton>("cmdClearAnnotation"), Qt::LeftButton);
    EXPECT_EQ(box->toPlainText(), QString());
    click("Forward");
    click("Back");
    EXPECT_EQ(box->toPlainText(), QStringLiteral("the king's pawn"));

    // In the list style the box is unchanged by Apply.
    m_window->state().MoveListStyle = QStringLiteral("L");
    m_window->ShowMoveList();
    const QString list = moveListBox();
    box->setPlainText(QStringLiteral("other"));
    QTest::mouseClick(control<QPushButton>("cmdSetAnno"), Qt::LeftButton);
    EXPECT_EQ(moveListBox(), list);

    // The changed game asks before another is loaded; Cancel keeps it.
    m_prompts.queueAnswer(MessageAnswer::Cancel);
    click("Next");
    EXPECT_EQ(m_prompts.records().last().title, QStringLiteral("Unsaved Game Changes"));
    EXPECT_EQ(m_window->state().CurrentGame, 1);
    EXPECT_EQ(listIndex(), 1);
}

TEST_F(CommandsTest, DoubleClickOnAMoveNumberJumpsToThePositionAfterBlacksMove)
{
    START_WINDOW_OR_SKIP();
    openFile(copyOfData(QStringLiteral("pgn2tex/London1851.pgn")));
    click("Load");
    for (const char *style : {"L", "P", "A"}) {
        m_window->state().MoveListStyle = QLatin1String(style);
        m_window->ShowMoveList();
        auto *box = control<QPlainTextEdit>("txtMoveList");
        const QString text = box->toPlainText();
        const qsizetype at = text.indexOf(QStringLiteral("12."));
        ASSERT_GE(at, 0) << style;
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(int(at) + 1);
        box->setTextCursor(cursor);
        const QRect place = box->cursorRect();
        m_window->board().NavigatePly(0);
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, place.center());
        const bool paragraphWithoutBlank = QLatin1String(style) == QLatin1String("P")
                                           && !text.mid(at, 4).endsWith(QLatin1Char(' '));
        EXPECT_EQ(m_window->board().Ply(), paragraphWithoutBlank ? 0 : 24) << style;
    }
}

TEST_F(CommandsTest, SaveGameReplacesTheRecordAndSaveAllWritesTheFile)
{
    START_WINDOW_OR_SKIP();
    const QString path = copyOfData(QStringLiteral("pgn2tex/Philidor.pgn"));
    openFile(path);
    selectGame(1);
    click("Load");
    click("Forward");
    control<QPlainTextEdit>("txtAnnotation")->setPlainText(QStringLiteral("note"));
    QTest::mouseClick(control<QPushButton>("cmdSetAnno"), Qt::LeftButton);
    click("Save");
    const pavisto::ViewerState &state = m_window->state();
    EXPECT_TRUE(state.FileChanged);
    EXPECT_FALSE(m_window->board().GameChanged());
    EXPECT_EQ(listIndex(), 1);
    EXPECT_TRUE(state.Games.moves(2).contains(QStringLiteral("{note}")));
    EXPECT_TRUE(state.Games.tags(2).endsWith(QStringLiteral("\r\n\r\n")));
    EXPECT_TRUE(m_window->toolbarButton(QStringLiteral("SaveAll"))->isEnabled());
    EXPECT_FALSE(m_window->toolbarButton(QStringLiteral("Save"))->isEnabled());

    // Save Game As writes the board's game alone to the chosen file.
    const QString single = m_dir.filePath(QStringLiteral("single.pgn"));
    m_prompts.queueText(single);
    trigger("mnuFileSaveAs");
    QFile singleFile(single);
    ASSERT_TRUE(singleFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(singleFile.readAll().startsWith("[Event "));

    m_prompts.clearRecords();
    click("SaveAll");
    EXPECT_TRUE(m_prompts.records().isEmpty()); // the opened file, no dialog
    EXPECT_FALSE(state.FileChanged);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("{note}"));

    // Save All As asks for a name.
    const QString other = m_dir.filePath(QStringLiteral("other.pgn"));
    m_prompts.queueText(other);
    trigger("mnuFileSaveAllAs");
    EXPECT_TRUE(QFile::exists(other));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Ludrin Basics - ") + other);
}

TEST_F(CommandsTest, CloseAsksAndClearsOnlyWhenConfirmed)
{
    START_WINDOW_OR_SKIP();
    openPhilidor();
    click("Load");
    m_window->board().setGameChanged(true);

    m_prompts.queueAnswer(MessageAnswer::Cancel); // unsaved game
    click("Close");
    EXPECT_EQ(gameList()->model()->rowCount(), 6);

    m_prompts.queueAnswer(MessageAnswer::No); // unsaved game
    m_prompts.queueAnswer(MessageAnswer::No); // confirmation
    click("Close");
    EXPECT_EQ(m_prompts.records().last().title, QStringLiteral("Confirm Clear All Games"));
    EXPECT_EQ(gameList()->model()->rowCount(), 6);
    EXPECT_EQ(m_window->state().CurrentGame, 1);

    m_prompts.queueAnswer(MessageAnswer::No);
    m_prompts.queueAnswer(MessageAnswer::Yes);
    trigger("mnuFileClose");
    EXPECT_EQ(gameList()->model()->rowCount(), 0);
    EXPECT_EQ(m_window->state().CurrentGame, -1);
    EXPECT_EQ(m_window->state().PGNFileName, QString());
    EXPECT_EQ(m_window->statusPanelText(1), QString());
    EXPECT_EQ(control<QPlainTextEdit>("txtPreview")->toPlainText(), QString());
    EXPECT_EQ(tagList().size(), 7);
    EXPECT_FALSE(m_window->toolbarButton(QStringLiteral("Load"))->isEnabled());
    EXPECT_FALSE(m_window->toolbarButton(QStringLiteral("Close"))->isEnabled());
}

TEST_F(CommandsTest, NewGameAsksFirstAndResetsTheBoard)
{
    START_WINDOW_OR_SKIP();
    openPhilidor();
    click("Load");
    click("End");
    m_window->board().setGameChanged(true);
    m_prompts.queueAnswer(MessageAnswer::Cancel);
    click("New");
    EXPECT_EQ(m_window->state().CurrentGame, 1);
    m_prompts.queueAnswer(MessageAnswer::No);
    trigger("mnuFileNew");
    EXPECT_EQ(m_window->state().CurrentGame, -1);
    EXPECT_EQ(m_window->board().GameLength(), 0);
    EXPECT_EQ(labelText("lblPly"), QStringLiteral("Ply: 0"));
    EXPECT_EQ(moveListBox(), QString());
    EXPECT_EQ(listIndex(), 0); // the selection stays
}

TEST_F(CommandsTest, MarkAsDeletedFlipsTheSelectedGameOnly)
{
    START_WINDOW_OR_SKIP();
    QAction *item = nullptr;
    openPhilidor();
    item = m_window->menuItem(QStringLiteral("mnuEditmarkDeleted"));
    QAction *button = m_window->toolbarButton(QStringLiteral("Delete"));
    selectGame(2);
    trigger("mnuEditmarkDeleted");
    EXPECT_TRUE(m_window->state().Games.isDeleted(3));
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(button->isChecked());
    EXPECT_FALSE(m_window->state().FileChanged);

    // Selection shows the mark; loading too.
    selectGame(0);
    EXPECT_FALSE(button->isChecked());
    selectGame(2);
    EXPECT_TRUE(button->isChecked());
    click("Load");
    EXPECT_TRUE(item->isChecked());

    button->trigger(); // the toolbar button flips it back
    EXPECT_FALSE(m_window->state().Games.isDeleted(3));
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(button->isChecked());

    // With no game selected nothing happens.
    gameList()->setCurrentIndex({});
    trigger("mnuEditmarkDeleted");
    button->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(button->isChecked());
    for (int game = 1; game <= 6; ++game)
        EXPECT_FALSE(m_window->state().Games.isDeleted(game)) << game;
}

TEST_F(CommandsTest, ReverseViewTurnsTheBoard)
{
    START_WINDOW_OR_SKIP();
    click("Cycle");
    EXPECT_EQ(m_window->board().ColorView(), QStringLiteral("B"));
    trigger("mnuBoardReverse");
    EXPECT_EQ(m_window->board().ColorView(), QStringLiteral("W"));
}
