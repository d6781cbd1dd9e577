#include "test_files.h"

#include "viewer/database/line_reader.h"
#include "viewer/database/pgn_export.h"

#include <QBuffer>
#include <QDirIterator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using namespace pavisto;

namespace {

QByteArray saved(const GameDatabase &games)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeDatabase(games, databaseWriteEncoding(games), buffer);
    return buffer.data();
}

QStringList dataFiles()
{
    QStringList files;
    QDirIterator it(QStringLiteral(PAVISTO_TEST_DATA_DIR), {"*.pgn"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.contains("/big/"))
            files << path;
    }
    files.sort();
    return files;
}

int eventLines(const QByteArray &bytes)
{
    int count = 0;
    LineReader reader(bytes);
    while (!reader.atEnd())
        count += reader.next().startsWith("[Event ") ? 1 : 0;
    return count;
}

TEST(RealFiles, GameCounts)
{
    // One game per [Event line, except where the text says otherwise.
    const std::map<QString, int> exceptions = {
        {"chess-library/threefold_repetition.pgn", 1}, // no Event tag
        // A comment on its own line, then a blank line: the moves after it form a
        // game without tags.
        {"pgn-extract/barnes-horton.pgn", 2},
        {"pgn-extract/test-checkmate.pgn", 3},
        // Mail header lines indented with tabs (tabs are not trimmed) form a game.
        {"pgn-read/crafty06_01.pgn", 3},
    };
    const QStringList files = dataFiles();
    ASSERT_GE(files.size(), 57);
    int total = 0;
    for (const QString &path : files) {
        const QString name = QDir(QStringLiteral(PAVISTO_TEST_DATA_DIR)).relativeFilePath(path);
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = test::readBytes(path);
        const auto exception = exceptions.find(name);
        const int expected = exception != exceptions.end() ? exception->second : eventLines(bytes);
        const int count = test::imported(bytes).count();
        EXPECT_EQ(count, expected);
        total += count;
    }
    EXPECT_EQ(total, 665);
}

// Open, Save All, Open, Save All: the second file equals the first byte for byte and
// both hold the same games.
TEST(RealFiles, SaveAllRoundTrip)
{
    QTemporaryDir dir;
    const QString once = dir.filePath("once.pgn");
    const QString twice = dir.filePath("twice.pgn");
    for (const QString &path : dataFiles()) {
        SCOPED_TRACE(path.toStdString());
        GameDatabase first = test::imported(test::readBytes(path));
        ASSERT_FALSE(saveDatabase(first, once));
        GameDatabase second = test::imported(test::readBytes(once));
        ASSERT_FALSE(saveDatabase(second, twice));
        ASSERT_EQ(second.count(), first.count());
        for (int game = 1; game <= first.count(); ++game) {
            ASSERT_EQ(second.tags(game), first.tags(game)) << game;
            ASSERT_EQ(second.moves(game), first.moves(game)) << game;
        }
        EXPECT_EQ(test::readBytes(twice), test::readBytes(once));
        EXPECT_EQ(second.encoding(), first.encoding());
    }
}

TEST(RealFiles, AccentedNamesSurviveInTheirOwnEncoding)
{
    const QByteArray latin = test::readBytes(test::dataFile("pychess-learn/mate_in_2.pgn"));
    const GameDatabase games = test::imported(latin);
    ASSERT_EQ(games.encoding(), TextEncoding::Windows1252);
    const QByteArray out = saved(games);
    QByteArray highBytesIn;
    QByteArray highBytesOut;
    for (const char c : latin)
        if (c & 0x80)
            highBytesIn += c;
    for (const char c : out)
        if (c & 0x80)
            highBytesOut += c;
    EXPECT_FALSE(highBytesIn.isEmpty());
    EXPECT_EQ(highBytesOut, highBytesIn);

    const GameDatabase bom = test::imported(test::readBytes(test::dataFile("python-chess/utf8-bom.pgn")));
    EXPECT_EQ(bom.encoding(), TextEncoding::Utf8Bom);
    EXPECT_TRUE(bom.tags(1).startsWith("[Event"));
    EXPECT_TRUE(saved(bom).startsWith("\xEF\xBB\xBF[Event"));
}

} // namespace
