#include "test_files.h"

#include "viewer/database/file_io.h"
#include "viewer/database/line_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace pavisto;

namespace {

struct Game {
    QString tags;
    QString moves;
};

struct SplitCase {
    const char *name;
    QByteArray file;
    std::vector<Game> games;
};

void PrintTo(const SplitCase &c, std::ostream *os)
{
    *os << c.name;
}

class GameSplitting : public testing::TestWithParam<SplitCase> {};

TEST_P(GameSplitting, StoresEachGamesTagsAndMovetext)
{
    const SplitCase &c = GetParam();
    const GameDatabase games = test::imported(c.file);
    ASSERT_EQ(games.count(), int(c.games.size()));
    for (int i = 0; i < games.count(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(games.tags(i + 1), c.games[i].tags);
        EXPECT_EQ(games.moves(i + 1), c.games[i].moves);
        EXPECT_FALSE(games.isDeleted(i + 1));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Import, GameSplitting,
    testing::Values(
        SplitCase{"EveryLineEndKind",
                  "[A \"1\"]\r[B \"2\"]\n[C \"3\"]\r\n\n1. e4\r\n2. Nf3 1-0\n",
                  {{"[A \"1\"]\r\n[B \"2\"]\r\n[C \"3\"]\r\n", "1. e4 \r\n2. Nf3 1-0 \r\n"}}},
        SplitCase{"ByteOrderMarkIsNotPartOfTheFirstLine",
                  "\xEF\xBB\xBF[Event \"x\"]\n\n1. e4 *\n",
                  {{"[Event \"x\"]\r\n", "1. e4 * \r\n"}}},
        SplitCase{"BlankAndEscapeLinesBetweenGamesAreSkipped",
                  "%header\n\n\n[A]\n\n1. e4 *\n\n%x\n   \n\n[B]\n\n1. d4 *\n",
                  {{"[A]\r\n", "1. e4 * \r\n"}, {"[B]\r\n", "1. d4 * \r\n"}}},
        SplitCase{"MovetextEndsAtItsResultLine",
                  "[A]\n1. e4 e5\n2. Nf3 Nc6 1-0\n[B]\n1. d4 1/2-1/2\n",
                  {{"[A]\r\n", "1. e4 e5 \r\n2. Nf3 Nc6 1-0 \r\n"}, {"[B]\r\n", "1. d4 1/2-1/2 \r\n"}}},
        SplitCase{"OneLineMovetextAbsorbsFollowingTagsUntilABlankLine",
                  "[A]\n\n1. e4 e5\n[B]\n[C]\n\n1. d4 *\n",
                  {{"[A]\r\n", "1. e4 e5 \r\n[B] \r\n[C] \r\n"}, {"1. d4 *\r\n", "1. d4 * \r\n"}}},
        SplitCase{"GameWithoutTagsKeepsItsFirstLineInBoth",
                  "1. e4 e5 2. Nf3 1-0\n",
                  {{"1. e4 e5 2. Nf3 1-0\r\n", "1. e4 e5 2. Nf3 1-0 \r\n"}}},
        SplitCase{"LoneResultIsNoGameOfItsOwn",
                  "[A]\n\n*\n\n[B]\n\n1. e4 *\n",
                  {{"[A]\r\n", ""}, {"[B]\r\n", "1. e4 * \r\n"}}},
        SplitCase{"EscapeLineAfterTheTagsEndsTheGame",
                  "[A]\n\n%c\n1. e4 *\n",
                  {{"[A]\r\n", ""}, {"1. e4 *\r\n", "1. e4 * \r\n"}}},
        SplitCase{"TagsFollowedByTheNextGamesTagsStartThatGame",
                  "[A]\n\n[B]\n\n1. e4 *\n",
                  {{"[A]\r\n", ""}, {"[B]\r\n", "1. e4 * \r\n"}}},
        SplitCase{"BlankLineInsideACommentEndsTheMovetext",
                  "[A]\n\n1. e4 {a\n\nb} e5 *\n",
                  {{"[A]\r\n", "1. e4 {a \r\n"}, {"b} e5 *\r\n", ""}}},
        SplitCase{"EscapeLinesInsideMovetextAreLeftOut",
                  "[A]\n\n1. e4\n%skip 1-0 x\n2. e5 *\n",
                  {{"[A]\r\n", "1. e4 \r\n2. e5 * \r\n"}}},
        SplitCase{"OnlyBlanksAreTrimmedNotTabs",
                  "  [A \"x\"]   \n\t[B]\n\n  1. e4    \n2. e5 *  \n",
                  {{"[A \"x\"]\r\n\t[B]\r\n", "1. e4 \r\n2. e5 * \r\n"}}},
        SplitCase{"CommentLineRightAfterTagsBelongsToTheTags",
                  "[A]\n{c}\n1. e4 *\n\n[B]\n\n{d}\n1. d4 *\n",
                  {{"[A]\r\n{c}\r\n", "1. e4 * \r\n"}, {"[B]\r\n", "{d} \r\n1. d4 * \r\n"}}},
        SplitCase{"FileEndsInsideTagsOrMovetext",
                  "[A]\n\n1. e4\n\n[B]\n[C]",
                  {{"[A]\r\n", "1. e4 \r\n"}, {"[B]\r\n[C]\r\n", ""}}},
        SplitCase{"TrailingCtrlZIsNotAGame",
                  "[A]\r\n\r\n1. e4 *\r\n\x1A",
                  {{"[A]\r\n", "1. e4 * \r\n"}}},
        SplitCase{"EmptyFile", "", {}},
        SplitCase{"OnlyBlankAndEscapeLines", "\r\n   \r\n%x\r\n", {}}));

TEST(LineReader, SplitsAtEveryLineEndAndKeepsPosition)
{
    const QByteArray text("a\r\nb\rc\n\nd\r\r\ne");
    LineReader reader(text);
    QList<QByteArray> lines;
    while (!reader.atEnd())
        lines.append(reader.next().toByteArray());
    EXPECT_EQ(lines, (QList<QByteArray>{"a", "b", "c", "", "d", "", "e"}));
    EXPECT_EQ(reader.position(), text.size());
}

// A device that fails after handing out part of its bytes, like a disk read error.
class FailingDevice final : public QIODevice {
public:
    explicit FailingDevice(QByteArray bytes, qint64 failAt) : m_bytes(std::move(bytes)), m_failAt(failAt)
    {
        open(QIODevice::ReadOnly);
    }
    qint64 size() const override { return m_bytes.size(); }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        if (pos() >= m_failAt) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 n = qMin(max, m_failAt - pos());
        std::memcpy(data, m_bytes.constData() + pos(), size_t(n));
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_failAt;
};

TEST(FileRead, FailurePartWayKeepsTheBytesReadAndTheReason)
{
    const QByteArray text = "[A]\n\n1. e4 *\n\n[B]\n\n1. d4 *\n";
    FailingDevice device(text, 14);
    const FileContents contents = readAllBytes(device);
    EXPECT_EQ(contents.bytes, text.left(14));
    EXPECT_EQ(contents.error, QStringLiteral("Input/output error"));
    EXPECT_EQ(test::imported(contents.bytes).count(), 1);

    const FileContents missing = readFileBytes(QStringLiteral("/nonexistent/file.pgn"));
    EXPECT_TRUE(missing.bytes.isEmpty());
    EXPECT_TRUE(missing.error);
}

TEST(ImportProgress, PercentIsThePositionRoundedDownTo128AndHalfToEven)
{
    EXPECT_EQ(percentRead(0, 1000), 0);
    EXPECT_EQ(percentRead(127, 1000), 0);
    EXPECT_EQ(percentRead(128, 1000), 13);   // 12.8
    EXPECT_EQ(percentRead(128, 1024), 12);   // 12.5
    EXPECT_EQ(percentRead(384, 1024), 38);   // 37.5
    EXPECT_EQ(percentRead(1000, 1000), 90);  // 896 of 1000
    EXPECT_EQ(percentRead(1024, 1024), 100);
}

TEST(ImportProgress, ReportsTheCountBeforeEachGame)
{
    QByteArray file;
    const QByteArray game = "[Event \"Some event with a longer name\"]\n\n1. e4 e5 2. Nf3 Nc6 *\n\n";
    for (int i = 0; i < 40; ++i)
        file += game;
    QList<int> counts;
    QList<int> percents;
    GameDatabase games;
    const ImportResult result = importPgn(games, file, [&](int count, int percent) {
        counts.append(count);
        percents.append(percent);
    });
    EXPECT_EQ(result.count, 40);
    EXPECT_FALSE(result.limitReached);
    ASSERT_EQ(counts.size(), 40);
    for (int i = 0; i < counts.size(); ++i) {
        EXPECT_EQ(counts[i], i);
        EXPECT_EQ(percents[i], percentRead(i * game.size(), file.size()));
    }
}

TEST(ImportLimit, StopsAfterTheMaximumWithTheLastGameComplete)
{
    QByteArray file;
    for (int i = 1; i <= MaxGames + 1; ++i)
        file += "[Round \"" + QByteArray::number(i) + "\"]\n1. e4\n2. d4 *\n";
    GameDatabase games;
    const ImportResult result = importPgn(games, file);
    EXPECT_TRUE(result.limitReached);
    EXPECT_EQ(result.count, MaxGames);
    ASSERT_EQ(games.count(), MaxGames);
    EXPECT_EQ(games.tags(MaxGames), "[Round \"32000\"]\r\n");
    EXPECT_EQ(games.moves(MaxGames), "1. e4 \r\n2. d4 * \r\n");
}

TEST(ImportLimit, ReachingExactlyTheMaximumAlsoEndsWithTheLimit)
{
    QByteArray file;
    for (int i = 0; i < MaxGames; ++i)
        file += "[Round \"x\"]\n1. e4\n2. d4 *\n";
    GameDatabase games;
    const ImportResult result = importPgn(games, file);
    EXPECT_EQ(result.count, MaxGames);
    EXPECT_TRUE(result.limitReached);
}

TEST(GameList, EntryIsTheTagLinesJoinedBySpaces)
{
    const GameDatabase games = test::imported("[A \"1\"]\n[B \"2\"]\n\n1. e4 *\n\n1. d4 *\n\n[C]\n\n*\n");
    EXPECT_EQ(games.listText(1), "[A \"1\"] [B \"2\"] ");
    EXPECT_EQ(games.listText(2), "1. d4 * ");
    EXPECT_EQ(games.listText(3), "[C] ");

    GameDatabase saved;
    saved.appendGame("\r\n", "*\r\n");
    EXPECT_EQ(saved.listText(1), "??? No Tags Found ???");
}

TEST(GameDatabaseState, NotAllocatedUntilCreatedAndOutOfRangeGamesAreEmpty)
{
    GameDatabase games;
    EXPECT_FALSE(games.isAllocated());
    EXPECT_FALSE(games.contains(1));
    games.setDeleted(1, true);
    EXPECT_EQ(games.count(), 0);
    const GameRecord none = games.record(0);
    EXPECT_TRUE(none.Tags.isEmpty());
    EXPECT_FALSE(none.Deleted);

    games.clear();
    EXPECT_TRUE(games.isAllocated());
    EXPECT_EQ(games.appendGame("[A]\r\n\r\n", "1. e4 *\r\n"), 1);
    EXPECT_EQ(games.appendGame("[B]\r\n\r\n", "1. d4 *\r\n"), 2);
    games.replaceGame(1, "[C]\r\n\r\n", "*\r\n");
    EXPECT_EQ(games.tags(1), "[C]\r\n\r\n");
    EXPECT_EQ(games.tags(2), "[B]\r\n\r\n");
    games.setDeleted(2, true);
    EXPECT_TRUE(games.record(2).Deleted);
    EXPECT_TRUE(games.record(99).Moves.isEmpty());
}

TEST(Encoding, DetectedPerFile)
{
    EXPECT_EQ(detectEncoding("plain [A]"), TextEncoding::Utf8);
    EXPECT_EQ(detectEncoding("\xEF\xBB\xBF[A]"), TextEncoding::Utf8Bom);
    EXPECT_EQ(detectEncoding("Caf\xC3\xA9"), TextEncoding::Utf8);
    EXPECT_EQ(detectEncoding("Caf\xE9"), TextEncoding::Windows1252);
    EXPECT_EQ(detectEncoding("\xC0\xAF"), TextEncoding::Windows1252);     // overlong
    EXPECT_EQ(detectEncoding("\xED\xA0\x80"), TextEncoding::Windows1252); // surrogate
    EXPECT_EQ(detectEncoding("ab\xE2\x82"), TextEncoding::Windows1252);   // cut short

    const GameDatabase games = test::imported("[White \"Fran\xE7ois\"]\n[Black \"\x80 \x81\"]\n\n1. e4 *\n");
    EXPECT_EQ(games.encoding(), TextEncoding::Windows1252);
    EXPECT_EQ(games.tags(1), QString::fromUtf8("[White \"François\"]\r\n[Black \"€ \u0081\"]\r\n"));
}

TEST(Encoding, EveryWindows1252ByteSurvivesDecodeAndEncode)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const std::optional<QByteArray> back = encodeText(decodeText(all, TextEncoding::Windows1252), TextEncoding::Windows1252);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, all);
    EXPECT_FALSE(encodeText(QString::fromUtf8("Ж"), TextEncoding::Windows1252));
}

TEST(Encoding, MarkInsideTheFileIsKeptAsText)
{
    // Two files with byte-order marks joined into one: only the first mark is not text.
    const GameDatabase games = test::imported("\xEF\xBB\xBF[A]\n\n1. e4 *\n\n\xEF\xBB\xBF[B]\n\n1. d4 *\n");
    ASSERT_EQ(games.count(), 2);
    EXPECT_EQ(games.tags(1), "[A]\r\n");
    EXPECT_EQ(games.tags(2), QChar(0xFEFF) + QStringLiteral("[B]\r\n"));
    const QByteArray marks("\xEF\xBB\xBF\xEF\xBB\xBFx");
    EXPECT_EQ(decodeText(marks, TextEncoding::Utf8).size(), 3);
    EXPECT_EQ(encodeText(decodeText(marks, TextEncoding::Utf8), TextEncoding::Utf8), marks);
}

} // namespace
