#include "temp_files.h"

#include "tests/viewer/database/fake_host.h"
#include "viewer/database/database_commands.h"
#include "viewer/database/file_io.h"
#include "viewer/database/game_list_model.h"
#include "viewer/database/pgn_export.h"
#include "viewer/database/pgn_import.h"
#include "viewer/database/startup_file.h"

#include "platform/scripted_prompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace pavisto;
using Kind = platform::ScriptedPrompts::Kind;

namespace {

const QByteArray TwoGames = "[Event \"a\"]\n\n1. e4 *\n\n[Event \"b\"]\n\n1. d4 *\n";

// The Open command with the file dialog answering a path that cannot be read as a file.
class OpenUnreadable : public testing::Test {
protected:
    QTemporaryDir dir;
    platform::ScriptedPrompts script;
    ViewerState state;
    GameListModel list{state.Games};
    test::FakeHost host{state};
    DatabaseCommands commands{state, list, host};

    void SetUp() override
    {
        const QString path = dir.filePath("old.pgn");
        hostile::writeBytes(path, TwoGames);
        commands.loadFile(path);
        ASSERT_EQ(state.Games.count(), 2);
        script.clearRecords();
        host.caption.clear();
    }

    // Runs Open for `path`; the command must end within a few seconds.
    void open(const QString &path)
    {
        script.queueText(path);
        auto done = std::async(std::launch::async, [this] { commands.open(); });
        if (done.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
            // Give a reader stuck on a FIFO its end of file, so the test can finish.
            const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
            done.wait();
            FAIL() << "Open did not return for " << path.toStdString();
        }
    }

    // The failure is reported in one message box without a title; the old games are
    // gone, since Open clears the database once the file is chosen, and the caption
    // does not name the file.
    void expectFailureReported()
    {
        QStringList messages;
        for (const auto &r : script.records()) {
            if (r.kind == Kind::Message) {
                messages << r.text;
                EXPECT_EQ(r.title, QString());
            }
        }
        ASSERT_EQ(messages.size(), 1);
        EXPECT_FALSE(messages.front().isEmpty());
        EXPECT_EQ(state.Games.count(), 0);
        EXPECT_EQ(list.rowCount(), 0);
        EXPECT_EQ(host.caption, QString());
        EXPECT_FALSE(state.FileChanged);
    }
};

TEST_F(OpenUnreadable, FileRemovedBetweenDialogAndRead)
{
    const QString path = dir.filePath("gone.pgn");
    hostile::writeBytes(path, TwoGames);
    ASSERT_TRUE(QFile::remove(path));
    open(path);
    expectFailureReported();
}

TEST_F(OpenUnreadable, FolderGivenAsTheFile)
{
    open(dir.path());
    expectFailureReported();
}

TEST_F(OpenUnreadable, FifoWithoutWriter)
{
    const QString path = dir.filePath("fifo.pgn");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    open(path);
    expectFailureReported();
}

TEST_F(OpenUnreadable, DeviceWithoutEnd)
{
    open(QStringLiteral("/dev/zero"));
    expectFailureReported();
}

TEST_F(OpenUnreadable, ReadErrorAfterOpening)
{
    // Opens like any file, even for root, and fails on the first read.
    open(QStringLiteral("/proc/self/mem"));
    expectFailureReported();
}

// Folders no one can write to, root included: below a plain file, and in /proc.
class UnwritableFolder : public testing::Test {
protected:
    QTemporaryDir dir;
    QString fileAsFolder;

    void SetUp() override
    {
        fileAsFolder = dir.filePath("plain-file");
        hostile::writeBytes(fileAsFolder, "x");
    }

    QStringList folders() const { return {fileAsFolder, QStringLiteral("/proc")}; }
};

TEST_F(UnwritableFolder, SaveAllReportsTheFailureAndCreatesNothing)
{
    GameDatabase games;
    importPgn(games, TwoGames);
    for (const QString &folder : folders()) {
        SCOPED_TRACE(folder.toStdString());
        const QString path = QDir(folder).filePath("saved.pgn");
        const std::optional<QString> error = saveDatabase(games, path);
        ASSERT_TRUE(error);
        EXPECT_FALSE(error->isEmpty());
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_TRUE(saveText(QStringLiteral("1. e4 *"), TextEncoding::Utf8, path));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"plain-file"});
}

TEST_F(UnwritableFolder, StartupFileGoesToTheUserFolder)
{
    for (const QString &folder : folders()) {
        SCOPED_TRACE(folder.toStdString());
        QTemporaryDir user;
        const StartupFileLocation location{folder, user.filePath("config")};
        StartupSettings custom;
        custom.moveListStyle = QStringLiteral("P");
        ASSERT_TRUE(WriteStartupFile(custom, location));
        EXPECT_TRUE(QFile::exists(user.filePath("config/pavisto.txt")));
        StartupSettings read;
        ReadStartupFile(read, location);
        EXPECT_EQ(read.moveListStyle, "P");
    }
}

TEST_F(UnwritableFolder, StartupFileWithNoWritableFolderIsSilent)
{
    const StartupFileLocation location{QStringLiteral("/proc"), QDir(fileAsFolder).filePath("config")};
    EXPECT_FALSE(WriteStartupFile(StartupSettings(), location));
    StartupSettings read;
    ReadStartupFile(read, location);
    EXPECT_EQ(read.promotionPiece, StartupSettings().promotionPiece);
}

} // namespace
