#include "temp_files.h"

#include "control/game/game_engine.h"
#include "viewer/database/file_io.h"
#include "viewer/database/pgn_export.h"
#include "viewer/database/pgn_import.h"
#include "viewer/database/startup_file.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using namespace pavisto;

namespace {

class BigInput : public testing::Test {
protected:
    QTemporaryDir dir;

    // The file's bytes imported the way Open reads them; the progress must never go
    // back nor pass 100.
    GameDatabase importFile(const QString &path)
    {
        FileContents contents = readFileBytes(path);
        EXPECT_FALSE(contents.error);
        GameDatabase games;
        int last = 0;
        importPgn(games, std::move(contents.bytes), [&](int, int percent) {
            EXPECT_GE(percent, last);
            EXPECT_LE(percent, 100);
            last = percent;
        });
        return games;
    }
};

TEST_F(BigInput, TwoHundredMegabyteFileStopsAtTheGameLimit)
{
    // About 6.3 KB a game, so the limit is reached after about 190 MB.
    QByteArray game = "[Event \"Big\"]\n[White \"A\"]\n[Black \"B\"]\n\n";
    while (game.size() < 6200)
        game += "1. e4 {a long comment that fills the line up} e5 2. Nf3 Nc6\n";
    game += "3. Bb5 a6 1-0\n\n";
    const QString path = dir.filePath("big.pgn");
    hostile::writeRepeated(path, game, qint64(200) << 20);

    const GameDatabase games = importFile(path);
    ASSERT_EQ(games.count(), MaxGames);
    EXPECT_EQ(games.tags(MaxGames), "[Event \"Big\"]\r\n[White \"A\"]\r\n[Black \"B\"]\r\n");
    EXPECT_TRUE(games.moves(MaxGames).endsWith("3. Bb5 a6 1-0 \r\n"));
}

TEST_F(BigInput, FiftyMegabyteLine)
{
    const QByteArray value(50 << 20, 'x');
    const QString path = dir.filePath("line.pgn");
    hostile::writeBytes(path, "[Event \"" + value + "\"]\n\n1. e4 " + value + " *\n");

    const GameDatabase games = importFile(path);
    ASSERT_EQ(games.count(), 1);
    EXPECT_EQ(games.listText(1).size(), value.size() + 11);
    const QString moves = games.moves(1);
    EXPECT_EQ(moves.size(), value.size() + 11);

    tolvar::GameEngine board;
    board.LoadGame(moves.toStdString());
    EXPECT_LE(board.GameLength, 2);

    hostile::writeBytes(dir.filePath(StartupFileName), value);
    StartupSettings settings;
    ReadStartupFile(settings, {dir.path(), dir.path()});
    EXPECT_EQ(settings.promotionPiece, StartupSettings().promotionPiece);
}

TEST_F(BigInput, FileOfNulBytes)
{
    const QByteArray nuls(1 << 20, '\0');
    const QString path = dir.filePath("nul.pgn");
    hostile::writeBytes(path, nuls);

    const GameDatabase games = importFile(path);
    ASSERT_EQ(games.count(), 1);
    EXPECT_EQ(games.tags(1).size(), nuls.size() + 2);
    EXPECT_EQ(games.moves(1), QString());
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    writeDatabase(games, games.encoding(), out);
    EXPECT_EQ(out.data(), nuls + "\r\n\r\n");

    tolvar::GameEngine board;
    board.LoadGame(std::string(nuls.constData(), nuls.size()));
    EXPECT_LE(board.GameLength, 1);

    hostile::writeBytes(dir.filePath(StartupFileName), nuls);
    StartupSettings settings;
    ReadStartupFile(settings, {dir.path(), dir.path()});
    EXPECT_EQ(settings.autoPlaySpeed, StartupSettings().autoPlaySpeed);
}

// Random bytes, and random bytes cut into six lines: whatever is read is written and
// read back the same.
TEST_F(BigInput, StartupFileOfRandomBytes)
{
    std::mt19937 random(20261211);
    const StartupFileLocation location{dir.path(), dir.path()};
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(int(random() % 4096), Qt::Uninitialized);
        for (char &b : bytes) {
            b = char(random());
            if (round % 2 && random() % 16 == 0)
                b = '\n';
        }
        hostile::writeBytes(location.filePath(), bytes);
        StartupSettings read;
        ReadStartupFile(read, location);
        ASSERT_TRUE(WriteStartupFile(read, location));
        StartupSettings again;
        ReadStartupFile(again, location);
        ASSERT_EQ(again.promotionPiece, read.promotionPiece) << round;
        ASSERT_EQ(again.autoPlayMode, read.autoPlayMode) << round;
        ASSERT_EQ(again.autoPlaySpeed, read.autoPlaySpeed) << round;
        ASSERT_EQ(again.moveListStyle, read.moveListStyle) << round;
        ASSERT_EQ(again.lightSquareColor, read.lightSquareColor) << round;
        ASSERT_EQ(again.darkSquareColor, read.darkSquareColor) << round;
    }
}

} // namespace
