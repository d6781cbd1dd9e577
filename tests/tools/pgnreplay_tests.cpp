#include "viewer/database/file_io.h"
#include "viewer/database/pgn_export.h"
#include "viewer/database/pgn_import.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString dataDir = QStringLiteral(PAVISTO_TEST_DATA_DIR);

struct ToolRun {
    int exitCode = -1;
    bool crashed = false;
    QString out;
    QString err;

    QStringList lines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

ToolRun runTool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(PGNREPLAY_PATH), arguments);
    ToolRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        run.crashed = true;
        return run;
    }
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A legal game, an illegal king move at ply 3, a set-up game whose Forsyth tag wins
// over its FEN tag (only the Forsyth position has the pawn that plays a4), a set-up
// game from its FEN tag with Black to move and a castling check, and a set-up game
// without any position.
const QByteArray fiveGames =
    "[Event \"Legal\"]\r\n[White \"A\"]\r\n[Black \"B\"]\r\n[Result \"1-0\"]\r\n\r\n"
    "1. e4 e5 2. Nf3 Nc6 3. Bb5 1-0\r\n\r\n"
    "[Event \"Illegal\"]\r\n[Result \"*\"]\r\n\r\n1. e4 e5 2. Ke3 Nc6 *\r\n\r\n"
    "[Event \"Forsyth first\"]\r\n[SetUp \"1\"]\r\n[FEN \"4k3/8/8/8/8/8/8/4K3 w - - 0 1\"]\r\n"
    "[Forsyth \"4k3/8/8/8/8/8/P7/4K3 w - - 0 1\"]\r\n\r\n1. a4 Kd7 *\r\n\r\n"
    "[Event \"FEN tag\"]\r\n[SetUp \"1\"]\r\n[FEN \"4k3/8/8/8/8/8/8/R3K3 b Q - 0 1\"]\r\n\r\n"
    "1... Kd7 2. O-O-O+ *\r\n\r\n"
    "[Event \"No FEN\"]\r\n[SetUp \"1\"]\r\n\r\n1. e4 *\r\n";

TEST(PgnReplayCheck, OneLinePerGameWithTheFirstFailingPlyAndATotal)
{
    QTemporaryDir dir;
    const ToolRun run = runTool({writeFile(dir, QStringLiteral("games.pgn"), fiveGames)});
    EXPECT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 1);
    const QStringList expected = {
        QStringLiteral("1\t5\tok"),
        QStringLiteral("2\t4\timport-error\t3\tKe3"),
        QStringLiteral("3\t2\tok"),
        QStringLiteral("4\t2\tok"),
        QStringLiteral("5\t0\timport-error\t0\t(no FEN)"),
        QStringLiteral("games 5  ok 3  import-error 2"),
    };
    EXPECT_EQ(run.lines(), expected);
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST(PgnReplayCheck, GamesTheBoardCannotHoldWhole)
{
    // 502 plies of knights going out and back: the record keeps 500.
    QByteArray longGame = "[Event \"Long\"]\n\n";
    const char *knights[] = {"Nf3", "Nf6", "Ng1", "Ng8"};
    for (int ply = 0; ply < 502; ++ply) {
        if (ply % 2 == 0)
            longGame += QByteArray::number(ply / 2 + 1) + ". ";
        longGame += QByteArray(knights[ply % 4]) + ' ';
    }
    longGame += "*\n\n";
    const QByteArray badCounter = "[Event \"Counter\"]\n[SetUp \"1\"]\n"
                                  "[FEN \"4k3/8/8/8/8/8/8/4K3 w - - 0 99999\"]\n\n1. Kd2 *\n";
    QTemporaryDir dir;
    const ToolRun run = runTool({writeFile(dir, QStringLiteral("limits.pgn"), longGame + badCounter)});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList expected = {
        QStringLiteral("1\t500\timport-error\t501\t(record full)"),
        QStringLiteral("2\t1\timport-error\t0\t4k3/8/8/8/8/8/8/4K3 w - - 0 99999"),
        QStringLiteral("games 2  ok 0  import-error 2"),
    };
    EXPECT_EQ(run.lines(), expected);
}

TEST(PgnReplayCheck, RealFilesReplayWithoutImportErrors)
{
    struct Case {
        const char *file;
        const char *total;
    };
    const Case cases[] = {
        {"pgn-extract/fischer.pgn", "games 34  ok 34  import-error 0"},
        {"pychess-learn/mate_in_2.pgn", "games 166  ok 166  import-error 0"}, // Latin-1, set-up games
        {"pgn2tex/WorldChamp1886.pgn", "games 20  ok 20  import-error 0"},    // CR LF
    };
    for (const Case &c : cases) {
        const ToolRun run = runTool({dataDir + QLatin1Char('/') + QLatin1String(c.file)});
        EXPECT_EQ(run.exitCode, 0) << c.file;
        ASSERT_FALSE(run.lines().isEmpty()) << c.file;
        EXPECT_EQ(run.lines().back(), QLatin1String(c.total)) << c.file;
    }
}

TEST(PgnReplayPlies, EveryStoredPlyWithItsSanAndFen)
{
    QTemporaryDir dir;
    const ToolRun run = runTool({QStringLiteral("--plies"), writeFile(dir, QStringLiteral("games.pgn"), fiveGames)});
    EXPECT_EQ(run.exitCode, 0);
    const QStringList lines = run.lines();
    ASSERT_EQ(lines.size(), 5 + 4 + 2 + 2);
    EXPECT_EQ(lines[0], QStringLiteral("1\t1\te4\trnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1"));
    EXPECT_EQ(lines[4], QStringLiteral("1\t5\tBb5\tr1bqkbnr/pppp1ppp/2n5/1B2p3/4P3/5N2/PPPP1PPP/RNBQK2R b KQkq - 3 3"));
    // The move that was not made leaves the position as it was.
    EXPECT_EQ(lines[7], QStringLiteral("2\t3\tKe3\trnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 2"));
    EXPECT_EQ(lines[9], QStringLiteral("3\t1\ta4\t4k3/8/8/8/P7/8/8/4K3 b - a3 0 1"));
    EXPECT_EQ(lines[12], QStringLiteral("4\t2\tO-O-O+\t8/3k4/8/8/8/8/8/2KR4 b - - 2 2"));
}

TEST(PgnReplayPlay, DropsOfCoordinateMoves)
{
    struct Case {
        const char *name;
        QStringList arguments;
        QStringList expected;
    };
    const Case cases[] = {
        {"opening, capture en passant and a refusal",
         {"e2e4", "a7a6", "e4e5", "d7d5", "e5d6", "e8e7"},
         {"e2e4\taccepted\te4\trnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1\t*",
          "a7a6\taccepted\ta6\trnbqkbnr/1ppppppp/p7/8/4P3/8/PPPP1PPP/RNBQKBNR w KQkq - 0 2\t*",
          "e4e5\taccepted\te5\trnbqkbnr/1ppppppp/p7/4P3/8/8/PPPP1PPP/RNBQKBNR b KQkq - 0 2\t*",
          "d7d5\taccepted\td5\trnbqkbnr/1pp1pppp/p7/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 3\t*",
          "e5d6\taccepted\texd6\trnbqkbnr/1pp1pppp/p2P4/8/8/8/PPPP1PPP/RNBQKBNR b KQkq - 0 3\t*",
          "e8e7\trefused\texd6\trnbqkbnr/1pp1pppp/p2P4/8/8/8/PPPP1PPP/RNBQKBNR b KQkq - 0 3\t*"}},
        {"mate sets the result; the side not on move is refused",
         {"f2f3", "e7e5", "g2g4", "d8h4", "e2e4"},
         {"f2f3\taccepted\tf3\trnbqkbnr/pppppppp/8/8/8/5P2/PPPPP1PP/RNBQKBNR b KQkq - 0 1\t*",
          "e7e5\taccepted\te5\trnbqkbnr/pppp1ppp/8/4p3/8/5P2/PPPPP1PP/RNBQKBNR w KQkq e6 0 2\t*",
          "g2g4\taccepted\tg4\trnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq g3 0 2\t*",
          "d8h4\taccepted\tQh4#\trnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3\t0-1",
          "e2e4\trefused\tQh4#\trnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3\t0-1"}},
        {"castling on both sides as king moves",
         {"--fen", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1g1", "e8c8"},
         {"e1g1\taccepted\tO-O\tr3k2r/8/8/8/8/8/8/R4RK1 b kq - 1 1\t*",
          "e8c8\taccepted\tO-O-O\t2kr3r/8/8/8/8/8/8/R4RK1 w - - 2 2\t*"}},
        {"promotion to the piece given, else to a queen",
         {"--fen", "4k3/P6P/8/8/8/8/8/4K3 w - - 0 1", "a7a8n", "e8f7", "h7h8"},
         {"a7a8n\taccepted\ta8=N\tN3k3/7P/8/8/8/8/8/4K3 b - - 0 1\t*",
          "e8f7\taccepted\tKf7\tN7/5k1P/8/8/8/8/8/4K3 w - - 1 2\t*",
          "h7h8\taccepted\th8=Q\tN6Q/5k2/8/8/8/8/8/4K3 b - - 0 2\t*"}},
    };
    for (const Case &c : cases) {
        const ToolRun run = runTool(QStringList{QStringLiteral("--play")} << c.arguments);
        EXPECT_EQ(run.exitCode, 0) << c.name;
        EXPECT_EQ(run.lines(), c.expected) << c.name << "\n" << run.out.toStdString();
    }
}

TEST(PgnReplaySaveAll, WritesWhatSaveAllWrites)
{
    QTemporaryDir dir;
    const QString files[] = {
        dataDir + QStringLiteral("/pychess-learn/mate_in_2.pgn"),      // Latin-1
        dataDir + QStringLiteral("/python-chess/utf8-bom.pgn"),        // byte-order mark
        dataDir + QStringLiteral("/pgn-read/all_4ncl_1996_2010_08.pgn"), // CR LF, comments
    };
    for (const QString &file : files) {
        pavisto::GameDatabase games;
        pavisto::importPgn(games, pavisto::readFileBytes(file).bytes);
        const QString expectedPath = dir.filePath(QStringLiteral("expected.pgn"));
        ASSERT_FALSE(pavisto::saveDatabase(games, expectedPath));

        // A longer file there before is replaced, not overwritten in part.
        const QString out = writeFile(dir, QStringLiteral("out.pgn"), QByteArray(200000, 'x'));
        const ToolRun run = runTool({QStringLiteral("--save-all"), out, file});
        EXPECT_EQ(run.exitCode, 0) << file.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(readFile(out), readFile(expectedPath)) << file.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no temporary file left
}

TEST(PgnReplaySaveAll, AFailedOrEmptySaveWritesNothing)
{
    QTemporaryDir dir;
    const QString pgn = writeFile(dir, QStringLiteral("games.pgn"), fiveGames);
    const QString missingFolder = dir.filePath(QStringLiteral("no/such/out.pgn"));
    ToolRun run = runTool({QStringLiteral("--save-all"), missingFolder, pgn});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QLatin1String("cannot write"))) << run.err.toStdString();

    const QString out = writeFile(dir, QStringLiteral("out.pgn"), "kept");
    run = runTool({QStringLiteral("--save-all"), out, writeFile(dir, QStringLiteral("empty.pgn"), "\r\n\r\n")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String("There are no saved games to export.")));
    EXPECT_EQ(readFile(out), QByteArray("kept"));
}

TEST(PgnReplayBench, PrintsEveryFigureOfTheWholeFile)
{
    const QString file = dataDir + QStringLiteral("/pgn-extract/fischer.pgn");
    const ToolRun check = runTool({file});
    long long plies = 0;
    for (const QString &line : check.lines().mid(0, check.lines().size() - 1))
        plies += line.split(QLatin1Char('\t')).at(1).toLongLong();

    const ToolRun run = runTool({QStringLiteral("--bench"), file});
    EXPECT_EQ(run.exitCode, 0);
    QStringList names;
    QMap<QString, double> values;
    for (const QString &line : run.lines()) {
        const qsizetype colon = line.indexOf(QLatin1String(": "));
        ASSERT_GT(colon, 0) << line.toStdString();
        bool ok = false;
        values[line.left(colon)] = line.mid(colon + 2).toDouble(&ok);
        EXPECT_TRUE(ok) << line.toStdString();
        names << line.left(colon);
    }
    const QStringList expected = {
        "bytes", "games", "plies", "import seconds", "import MB/s",
        "replay seconds", "games/s", "plies/s", "peak resident MB", "replay CPU seconds",
    };
    EXPECT_EQ(names, expected);
    EXPECT_EQ(values["bytes"], 23863);
    EXPECT_EQ(values["games"], 34);
    EXPECT_EQ(values["plies"], double(plies));
    EXPECT_GT(values["games/s"], 0);
    EXPECT_GT(values["peak resident MB"], 0);
}

TEST(PgnReplayErrors, BadInputExitsWithAMessage)
{
    QTemporaryDir dir;
    const QString pgn = writeFile(dir, QStringLiteral("games.pgn"), fiveGames);
    struct Case {
        QStringList arguments;
        const char *message;
    };
    const Case cases[] = {
        {{}, "Usage:"},
        {{"--verbose", pgn}, "unknown option --verbose"},
        {{dir.filePath(QStringLiteral("missing.pgn"))}, "cannot read"},
        {{dir.path()}, "cannot read"}, // a folder
        {{"--plies"}, "--plies takes one PGN file"},
        {{"--bench", pgn, pgn}, "--bench takes one PGN file"},
        {{"--save-all", pgn}, "--save-all takes the output file and the PGN file"},
        {{"--play", "e2e9"}, "'e2e9' is not a move"},
        {{"--play", "--fen"}, "--fen takes a FEN text"},
        {{"--play", "--fen", "8/8/8/8 w - - 0 1", "e2e4"}, "cannot read the FEN"},
        {{"--play", "--fen", "4k3/8/8/8/8/8/8/4K3 x - - 0 1"}, "cannot read the FEN"},
        {{"--play", "--fen", "4k3/8/8/8/8/8/8/4K3 w - - 0 99999"}, "cannot read the FEN"},
        {{"--play", "--fen", "4k3/8/8/8/8/8/8/4K3 w -"}, "cannot read the FEN"},
    };
    for (const Case &c : cases) {
        const ToolRun run = runTool(c.arguments);
        const std::string arguments = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(run.crashed) << arguments;
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_TRUE(run.out.isEmpty()) << arguments;
        EXPECT_TRUE(run.err.contains(QLatin1String(c.message))) << arguments << "\n" << run.err.toStdString();
    }

    const ToolRun help = runTool({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QLatin1String("--save-all OUT FILE")));
}

TEST(PgnReplayErrors, BinaryBytesAreReportedGamesNotACrash)
{
    QTemporaryDir dir;
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += char((i * 7919) % 256);
    const ToolRun run = runTool({writeFile(dir, QStringLiteral("noise.pgn"), bytes)});
    EXPECT_FALSE(run.crashed);
    EXPECT_NE(run.exitCode, 2);
    ASSERT_FALSE(run.lines().isEmpty());
    EXPECT_TRUE(run.lines().back().startsWith(QLatin1String("games ")));
}

} // namespace
