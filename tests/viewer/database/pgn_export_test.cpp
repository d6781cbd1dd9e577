#include "test_files.h"

#include "viewer/database/pgn_export.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pavisto;

namespace {

QByteArray written(const GameDatabase &games)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeDatabase(games, databaseWriteEncoding(games), buffer);
    return buffer.data();
}

TEST(SaveLayouts, GameSavedFromTheBoard)
{
    const QStringList tags{"[Event \"?\"]", "[Result \"*\"]"};
    EXPECT_EQ(savedGameTags(tags), "[Event \"?\"]\r\n[Result \"*\"]\r\n\r\n");
    EXPECT_EQ(savedGameTags({}), "\r\n");
    EXPECT_EQ(savedGameMoves("1. e4 {a}\n2. d4\r*"), "1. e4 {a}\r\n2. d4\r\n*\r\n");
    EXPECT_EQ(gameFileText(tags, "1. e4\r\n2. d4 *"), "[Event \"?\"]\r\n[Result \"*\"]\r\n\r\n1. e4\r\n2. d4 *\r\n");
}

TEST(SaveAll, WritesTagsMovesAndAnEmptyLinePerGameLeavingOutDeletedOnes)
{
    GameDatabase games = test::imported("[A]\n1. e4 *\n\n[B]\n\n1. d4 *\n\n[C]\n\n1. c4 *\n");
    games.setDeleted(2, true);
    games.appendGame(savedGameTags({"[D]"}), savedGameMoves("1. f4 *"));
    EXPECT_EQ(written(games), "[A]\r\n1. e4 * \r\n\r\n[C]\r\n1. c4 * \r\n\r\n[D]\r\n\r\n1. f4 *\r\n\r\n");

    for (int game = 1; game <= games.count(); ++game)
        games.setDeleted(game, true);
    EXPECT_EQ(written(games), "");
}

TEST(SaveAll, FileReadsBackIntoTheSameGamesAndTheSameBytes)
{
    const GameDatabase first = test::imported("[A]\n[B]\n\n1. e4 e5\n2. Nf3 1-0\n\n[C]\n\n*\n\n[D]\n1. d4 *\n"
                                              "[E]\n\n{opening} 1. c4\n{more}\n\n1. Nf3 *\n");
    const QByteArray once = written(first);
    const GameDatabase second = test::imported(once);
    ASSERT_EQ(second.count(), first.count());
    for (int game = 1; game <= first.count(); ++game) {
        SCOPED_TRACE(game);
        EXPECT_EQ(second.tags(game), first.tags(game));
        EXPECT_EQ(second.moves(game), first.moves(game));
    }
    EXPECT_EQ(written(second), once);
}

// Files whose games Save All once wrote so that they read back as different games.
class SaveAllReadsBack : public testing::TestWithParam<const char *> {};

TEST_P(SaveAllReadsBack, IntoTheSameGames)
{
    const GameDatabase first = test::imported(GetParam());
    const QByteArray once = written(first);
    const GameDatabase second = test::imported(once);
    ASSERT_EQ(second.count(), first.count()) << once.constData();
    for (int game = 1; game <= first.count(); ++game) {
        SCOPED_TRACE(game);
        EXPECT_EQ(second.tags(game), first.tags(game));
        EXPECT_EQ(second.moves(game), first.moves(game));
    }
    EXPECT_EQ(written(second), once);
}

INSTANTIATE_TEST_SUITE_P(
    SaveAll, SaveAllReadsBack,
    testing::Values(
        // A game without moves followed by a game without tags, by one whose first
        // line is a comment, and by one whose first line is a lone result.
        "[A]\n\n%c\n1. e4 *\n",
        "[A]\n\n*\n\n{c}\n1. e4 *\n",
        "[A]\n\n%x\n*\n[B]\n\n%y\n1-0\n",
        // An 8-bit file whose first game starts with the bytes of a byte-order mark.
        "\xEF\xBB\xBF\xEF\xBB\xBF[A \"\xE9\"]\n\n1. e4 *\n"));

TEST(SaveAll, MovetextStartingWithACommentIsKeptApartFromTheTags)
{
    const GameDatabase games = test::imported("[A]\n\n{c}\n1. e4 *\n");
    EXPECT_EQ(written(games), "[A]\r\n\r\n{c} \r\n1. e4 * \r\n\r\n");
}

TEST(SaveAll, GameWithoutTagsIsWrittenOnceNotWithItsFirstLineTwice)
{
    const GameDatabase games = test::imported("1. e4 e5\n2. Nf3 1-0\n\n[A]\n\n1. d4 *\n");
    const QByteArray once = written(games);
    EXPECT_EQ(once, "1. e4 e5 \r\n2. Nf3 1-0 \r\n\r\n[A]\r\n1. d4 * \r\n\r\n");
    const GameDatabase again = test::imported(once);
    EXPECT_EQ(again.moves(1), games.moves(1));
    EXPECT_EQ(written(again), once);
}

TEST(SaveAll, KeepsTheFilesEncodingAndByteOrderMark)
{
    const QByteArray latin = "[White \"Fran\xE7ois \x80\"]\n\n1. e4 *\n";
    GameDatabase games = test::imported(latin);
    EXPECT_EQ(written(games), "[White \"Fran\xE7ois \x80\"]\r\n1. e4 * \r\n\r\n");
    games.appendGame(savedGameTags({QString::fromUtf8("[White \"Müller\"]")}), savedGameMoves("*"));
    EXPECT_TRUE(written(games).contains("M\xFCller"));

    const GameDatabase bom = test::imported("\xEF\xBB\xBF[White \"Caf\xC3\xA9\"]\n\n1. e4 *\n");
    EXPECT_EQ(written(bom), "\xEF\xBB\xBF[White \"Caf\xC3\xA9\"]\r\n1. e4 * \r\n\r\n");
}

TEST(SaveAll, TextTheFilesEncodingLacksTurnsTheWholeFileIntoUtf8)
{
    GameDatabase games = test::imported("[White \"Fran\xE7ois\"]\n\n1. e4 *\n");
    games.appendGame(savedGameTags({QString::fromUtf8("[White \"Жуков\"]")}), savedGameMoves("*"));
    ASSERT_EQ(databaseWriteEncoding(games), TextEncoding::Utf8);
    const QByteArray bytes = written(games);
    EXPECT_TRUE(bytes.startsWith("[White \"Fran\xC3\xA7ois\"]\r\n"));
    EXPECT_TRUE(bytes.contains("\xD0\x96"));
    const GameDatabase back = test::imported(bytes);
    EXPECT_EQ(back.tags(1), games.tags(1));
    EXPECT_EQ(back.listText(2), games.listText(2));
}

TEST(SaveText, OneGameFileInTheDatabasesEncodingOrUtf8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("game.pgn");
    EXPECT_FALSE(saveText(QString::fromUtf8("[W \"é\"]\r\n"), TextEncoding::Windows1252, path));
    EXPECT_EQ(test::readBytes(path), "[W \"\xE9\"]\r\n");
    EXPECT_FALSE(saveText(QString::fromUtf8("[W \"Ж\"]\r\n"), TextEncoding::Windows1252, path));
    EXPECT_EQ(test::readBytes(path), "[W \"\xD0\x96\"]\r\n");
}

} // namespace
