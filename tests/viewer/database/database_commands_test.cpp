#include "fake_host.h"
#include "test_files.h"

#include "viewer/database/database_commands.h"
#include "viewer/database/game_list_model.h"

#include "platform/scripted_prompts.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace pavisto;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using Kind = platform::ScriptedPrompts::Kind;

namespace {

const QString PgnFilter = "PGN files (*.pgn) | *.pgn|Text files (*.txt) | *.txt|All files (*.*) | *.*";
const QString GamePrompt = "The game has changed. Save changes before continuing?";
const QString FilePrompt = "The PGN file has changed. Save changes before continuing?";
const QString ClearPrompt = "This will remove all loaded games from memory. Do you want to continue ?";

const QByteArray ThreeGames = "[Event \"a\"]\n\n1. e4 *\n\n[Event \"b\"]\n\n1. d4 *\n\n[Event \"c\"]\n\n1. c4 *\n";

class Commands : public testing::Test {
protected:
    QString fixture(const QByteArray &bytes, const char *name = "games.pgn")
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(test::writeBytes(path, bytes));
        return path;
    }

    QString openFixture(const QByteArray &bytes = ThreeGames)
    {
        const QString path = fixture(bytes);
        commands.loadFile(path);
        script.clearRecords();
        return path;
    }

    // Texts of the message boxes shown so far.
    QStringList messages() const
    {
        QStringList texts;
        for (const auto &r : script.records()) {
            if (r.kind == Kind::Message)
                texts << r.text;
        }
        return texts;
    }

    void expectPrompt(int at, const QString &text, const QString &title, MessageIcon icon, MessageButtons buttons)
    {
        ASSERT_GT(script.records().size(), at);
        const auto &r = script.records()[at];
        EXPECT_EQ(r.kind, Kind::Message);
        EXPECT_EQ(r.text, text);
        EXPECT_EQ(r.title, title);
        EXPECT_EQ(r.icon, icon);
        EXPECT_EQ(r.buttons, buttons);
    }

    void expectFileDialog(int at, Kind kind)
    {
        ASSERT_GT(script.records().size(), at);
        const auto &r = script.records()[at];
        EXPECT_EQ(r.kind, kind);
        EXPECT_EQ(r.filter, PgnFilter);
        EXPECT_EQ(r.fileName, "");
    }

    QTemporaryDir dir;
    platform::ScriptedPrompts script;
    ViewerState state;
    GameListModel list{state.Games};
    test::FakeHost host{state};
    DatabaseCommands commands{state, list, host};
};

TEST_F(Commands, UnsavedGamePromptAnswers)
{
    commands.AskSaveGame();
    EXPECT_TRUE(script.records().isEmpty()); // unchanged game: no question

    host.changed = true;
    script.queueAnswer(MessageAnswer::Cancel);
    commands.AskSaveGame();
    expectPrompt(0, GamePrompt, "Unsaved Game Changes", MessageIcon::Question, MessageButtons::YesNoCancel);
    EXPECT_TRUE(state.CancelPending);
    EXPECT_FALSE(state.Games.isAllocated());

    script.queueAnswer(MessageAnswer::No);
    commands.AskSaveGame();
    EXPECT_FALSE(state.CancelPending);
    EXPECT_FALSE(state.Games.isAllocated());
    EXPECT_TRUE(host.changed);

    script.queueAnswer(MessageAnswer::Yes);
    commands.AskSaveGame();
    EXPECT_FALSE(state.CancelPending);
    EXPECT_EQ(state.Games.count(), 1);
    EXPECT_FALSE(host.changed);
}

TEST_F(Commands, OpenAsksAboutTheGameThenTheFileAndStopsOnCancel)
{
    openFixture();
    host.changed = true;
    state.FileChanged = true;
    script.queueAnswer(MessageAnswer::No);
    script.queueAnswer(MessageAnswer::Cancel);
    commands.open();
    ASSERT_EQ(script.records().size(), 2); // no file dialog
    expectPrompt(0, GamePrompt, "Unsaved Game Changes", MessageIcon::Question, MessageButtons::YesNoCancel);
    expectPrompt(1, FilePrompt, "Unsaved File Changes", MessageIcon::Question, MessageButtons::YesNoCancel);
    EXPECT_EQ(state.Games.count(), 3);
}

TEST_F(Commands, OpenReadsTheChosenFile)
{
    const QString path = fixture(ThreeGames);
    state.FileChanged = false;
    state.GameResultText = "1-0";
    script.queueText(path);
    commands.open();

    ASSERT_EQ(script.records().size(), 1);
    expectFileDialog(0, Kind::OpenFile);
    EXPECT_EQ(state.PGNFileName, path);
    EXPECT_EQ(state.Games.count(), 3);
    EXPECT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.data(list.index(1)).toString(), "[Event \"b\"] ");
    EXPECT_EQ(host.caption, "Ludrin Basics - " + path);
    EXPECT_EQ(host.countStatus, "3 Games");
    EXPECT_EQ(host.progressCounts, (QList<int>{0, 1, 2}));
    EXPECT_EQ(host.calls, (QStringList{"SetupNewGame", "showProgress " + path, "closeProgress", "select 0"}));
    EXPECT_EQ(state.CurrentGame, -1);
    EXPECT_TRUE(state.GameResultText.isEmpty());
    EXPECT_FALSE(state.FileChanged);
}

TEST_F(Commands, CancelledOpenDialogChangesNothingAndSaysNothing)
{
    const QString path = openFixture();
    script.queueText(std::nullopt);
    commands.open();
    ASSERT_EQ(script.records().size(), 1);
    EXPECT_EQ(state.Games.count(), 3);
    EXPECT_EQ(state.PGNFileName, QString());
    EXPECT_EQ(host.newGames, 0);
}

TEST_F(Commands, UnreadableFileShowsTheSystemsReasonAndStillRefillsTheList)
{
    openFixture();
    const QString missing = dir.filePath("missing.pgn");
    const QString caption = host.caption;
    script.queueText(missing);
    commands.open();
    ASSERT_EQ(messages().size(), 1);
    expectPrompt(1, "No such file or directory", "", MessageIcon::None, MessageButtons::Ok);
    EXPECT_EQ(state.Games.count(), 0);
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(host.countStatus, "0 Games");
    EXPECT_EQ(host.caption, caption);
    EXPECT_FALSE(state.FileChanged);
}

TEST_F(Commands, LimitOfTheDatabaseIsAnnouncedAndTheGamesListed)
{
    QByteArray file;
    for (int i = 0; i <= MaxGames; ++i)
        file += "[Event \"x\"]\n\n1. e4 *\n\n";
    const QString path = fixture(file);
    commands.loadFile(path);
    ASSERT_EQ(messages().size(), 1);
    expectPrompt(0, "Maximum Limit Of Database Reached", "Ludrin Basics Limit = 32,000 Games", MessageIcon::None,
                 MessageButtons::Ok);
    EXPECT_EQ(list.rowCount(), MaxGames);
    EXPECT_EQ(host.countStatus, "32000 Games");
    EXPECT_EQ(host.caption, "Ludrin Basics - " + path);
}

TEST_F(Commands, SaveGameOfANewGameCreatesTheDatabaseAndKeepsItsNumber)
{
    host.changed = true;
    commands.saveGame();
    ASSERT_TRUE(state.Games.isAllocated());
    ASSERT_EQ(state.Games.count(), 1);
    EXPECT_EQ(state.Games.tags(1), "[Event \"?\"]\r\n[Result \"*\"]\r\n\r\n");
    EXPECT_EQ(state.Games.moves(1), "1. e4 e5 *\r\n");
    EXPECT_EQ(state.CurrentGame, 1);
    EXPECT_EQ(host.selected, 0);
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_TRUE(state.FileChanged);
    EXPECT_FALSE(host.changed);

    host.tags = QStringList{"[Event \"Club\"]"};
    commands.saveGame();
    EXPECT_EQ(state.Games.count(), 1);
    EXPECT_EQ(list.data(list.index(0)).toString(), "[Event \"Club\"] ");
}

TEST_F(Commands, SaveGameReplacesTheLoadedGame)
{
    openFixture();
    state.CurrentGame = 2;
    host.tags = QStringList{"[Event \"B\"]"};
    host.moveListA = "1. d4 {good}\r\n1-0";
    commands.saveGame();
    EXPECT_EQ(state.Games.count(), 3);
    EXPECT_EQ(state.Games.tags(2), "[Event \"B\"]\r\n\r\n");
    EXPECT_EQ(state.Games.moves(2), "1. d4 {good}\r\n1-0\r\n");
    EXPECT_EQ(list.data(list.index(1)).toString(), "[Event \"B\"] ");
    EXPECT_EQ(host.selected, 1);
    EXPECT_EQ(state.CurrentGame, 2);
}

TEST_F(Commands, SaveAllWithAnEmptyListSaysSo)
{
    EXPECT_FALSE(commands.saveAll());
    ASSERT_EQ(script.records().size(), 1);
    expectPrompt(0, "There are no saved games to export.\r\n\r\nSave a PGN game and try again.", "No Games To Export",
                 MessageIcon::Exclamation, MessageButtons::Ok);
}

TEST_F(Commands, SaveAllWritesTheOpenedFileWithoutAsking)
{
    const QString path = openFixture();
    state.PGNFileName = path;
    state.FileChanged = true;
    state.Games.setDeleted(2, true);
    EXPECT_TRUE(commands.saveAll());
    EXPECT_TRUE(script.records().isEmpty());
    EXPECT_EQ(test::readBytes(path), "[Event \"a\"]\r\n1. e4 * \r\n\r\n[Event \"c\"]\r\n1. c4 * \r\n\r\n");
    EXPECT_FALSE(state.FileChanged);
    EXPECT_EQ(host.caption, "Ludrin Basics - " + path);
    EXPECT_EQ(list.rowCount(), 3); // deleted games stay listed

    for (int game = 1; game <= 3; ++game)
        state.Games.setDeleted(game, true);
    state.FileChanged = true;
    EXPECT_TRUE(commands.saveAll());
    EXPECT_EQ(test::readBytes(path), "");
    EXPECT_FALSE(state.FileChanged);
}

TEST_F(Commands, SaveAllAsAsksForTheFileAndACancelLeavesNoName)
{
    const QString path = openFixture();
    state.PGNFileName = path;
    state.FileChanged = true;
    script.queueText(std::nullopt);
    EXPECT_FALSE(commands.saveAllAs());
    expectFileDialog(0, Kind::SaveFile);
    EXPECT_EQ(state.PGNFileName, QString());
    EXPECT_TRUE(state.FileChanged);

    const QString other = dir.filePath("other.pgn");
    script.queueText(other);
    EXPECT_TRUE(commands.saveAllAs());
    EXPECT_EQ(state.PGNFileName, other);
    EXPECT_EQ(test::readBytes(other).count("[Event"), 3);
}

TEST_F(Commands, SaveAllAsksAboutTheChangedGameFirst)
{
    const QString path = openFixture();
    state.PGNFileName = path;
    host.changed = true;
    script.queueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(commands.saveAll());
    expectPrompt(0, GamePrompt, "Unsaved Game Changes", MessageIcon::Question, MessageButtons::YesNoCancel);
    EXPECT_EQ(test::readBytes(path), ThreeGames);
}

// Yes in the unsaved-file prompt runs Save All; when that does not complete, the
// command that asked must stop instead of discarding the games.
TEST_F(Commands, UnsavedFilePromptCountsAnIncompleteSaveAsCancelled)
{
    host.changed = true;
    commands.saveGame(); // a new game, no file yet
    ASSERT_TRUE(state.FileChanged);

    script.queueAnswer(MessageAnswer::Yes);
    script.queueText(std::nullopt);
    commands.close();
    EXPECT_TRUE(state.CancelPending);
    EXPECT_EQ(messages(), QStringList{FilePrompt}); // no confirmation asked
    EXPECT_EQ(state.Games.count(), 1);

    script.clearRecords();
    script.queueAnswer(MessageAnswer::Yes);
    script.queueText(std::nullopt);
    EXPECT_FALSE(commands.mayExit());

    script.queueAnswer(MessageAnswer::Yes);
    script.queueText(std::nullopt);
    commands.open();
    EXPECT_EQ(state.Games.count(), 1);

    const QString path = dir.filePath("saved.pgn");
    script.queueAnswer(MessageAnswer::Yes);
    script.queueText(path);
    EXPECT_TRUE(commands.mayExit());
    EXPECT_EQ(test::readBytes(path), "[Event \"?\"]\r\n[Result \"*\"]\r\n\r\n1. e4 e5 *\r\n\r\n");
}

TEST_F(Commands, WriteFailureKeepsTheOldFileAndReportsIt)
{
    const QString path = openFixture();
    state.PGNFileName = path;
    host.changed = true;
    host.moveListA = QString(4096, QLatin1Char('x'));
    commands.saveGame();

    // The file size limit makes the write fail part way, for root too.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = commands.saveAll();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_TRUE(state.FileChanged);
    EXPECT_EQ(test::readBytes(path), ThreeGames);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"games.pgn"}); // no temporary left
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages().front(), "File too large");
}

TEST_F(Commands, TargetThatCannotBeCreatedIsReported)
{
    openFixture();
    const QString blocked = dir.filePath("games.pgn/new.pgn"); // parent is a file
    state.PGNFileName = blocked;
    state.FileChanged = true;
    EXPECT_FALSE(commands.saveAll());
    EXPECT_TRUE(state.FileChanged);
    EXPECT_EQ(state.PGNFileName, blocked);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_FALSE(messages().front().isEmpty());

    script.clearRecords();
    script.queueText(blocked);
    commands.saveGameAs();
    ASSERT_EQ(messages().size(), 1);
}

TEST_F(Commands, SaveGameAsWritesTheBoardsGameAndChangesNothingElse)
{
    openFixture();
    state.CurrentGame = 1;
    host.changed = true;
    host.moveList = "1. e4 e5\n2. Nf3 *";
    const QString path = dir.filePath("one.pgn");
    script.queueText(path);
    commands.saveGameAs();
    expectFileDialog(0, Kind::SaveFile);
    EXPECT_EQ(test::readBytes(path), "[Event \"?\"]\r\n[Result \"*\"]\r\n\r\n1. e4 e5\r\n2. Nf3 *\r\n");
    EXPECT_TRUE(host.changed);
    EXPECT_FALSE(state.FileChanged);
    EXPECT_EQ(state.Games.count(), 3);

    script.queueText(std::nullopt);
    commands.saveGameAs();
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(Commands, MarkAsDeletedFlipsTheSelectedGame)
{
    commands.markAsDeleted(); // no database: only the check mark flips
    EXPECT_TRUE(host.markChecked);
    EXPECT_FALSE(host.deletePressed);
    host.markChecked = false;

    openFixture();
    host.selected = 1;
    state.FileChanged = false;
    commands.markAsDeleted();
    EXPECT_TRUE(state.Games.isDeleted(2));
    EXPECT_TRUE(host.deletePressed);
    EXPECT_FALSE(state.FileChanged);
    commands.markAsDeleted();
    EXPECT_FALSE(state.Games.isDeleted(2));
    EXPECT_FALSE(host.deletePressed);
}

TEST_F(Commands, CloseAsksForConfirmation)
{
    const QString path = openFixture();
    state.PGNFileName = path;
    script.queueAnswer(MessageAnswer::No);
    commands.close();
    expectPrompt(0, ClearPrompt, "Confirm Clear All Games", MessageIcon::Exclamation, MessageButtons::YesNo);
    EXPECT_EQ(list.rowCount(), 3);
    EXPECT_EQ(host.newGames, 0);

    script.queueAnswer(MessageAnswer::Yes);
    commands.close();
    EXPECT_EQ(state.Games.count(), 0);
    EXPECT_TRUE(state.Games.isAllocated());
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(state.PGNFileName, QString());
    EXPECT_FALSE(state.FileChanged);
    EXPECT_EQ(host.newGames, 1);
}

TEST_F(Commands, NewGameOnlyAfterTheUnsavedGamePrompt)
{
    host.changed = true;
    script.queueAnswer(MessageAnswer::Cancel);
    commands.newGame();
    EXPECT_EQ(host.newGames, 0);

    script.queueAnswer(MessageAnswer::No);
    commands.newGame();
    EXPECT_EQ(host.newGames, 1);
    EXPECT_EQ(host.statusShows, 1);
    EXPECT_FALSE(state.Games.isAllocated());
}

TEST_F(Commands, ExitAsksAboutTheGameThenTheFile)
{
    host.changed = true;
    state.FileChanged = true;
    script.queueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(commands.mayExit());
    EXPECT_EQ(messages(), QStringList{GamePrompt});

    script.clearRecords();
    script.queueAnswer(MessageAnswer::No);
    script.queueAnswer(MessageAnswer::No);
    EXPECT_TRUE(commands.mayExit());
    EXPECT_EQ(messages(), (QStringList{GamePrompt, FilePrompt}));
}

TEST_F(Commands, GameListModelStaysConsistentThroughFillAndClear)
{
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::Warning);
    EXPECT_EQ(list.rowCount(), 0);
    openFixture();
    EXPECT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.data(list.index(0)).toString(), "[Event \"a\"] ");
    EXPECT_FALSE(list.data(list.index(0), Qt::EditRole).isValid());
    commands.ClearDatabase();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(host.previewClears, 2);
}

} // namespace
