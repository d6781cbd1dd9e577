#include "viewer/database/game_text.h"

#include <gtest/gtest.h>

using namespace game_text;

TEST(CheckForForsyth, FindsThePositionOfASetUpGame)
{
    struct Row {
        const char *name;
        QStringList tags;
        bool isSetup;
        QString fen;
    };
    const QString fen = QStringLiteral("8/8/8/8/8/8/4K3/4k3 w - - 0 1");
    const Row rows[] = {
        {"no SetUp tag", {"[Event \"x\"]", "[FEN \"" + fen + "\"]"}, false, ""},
        {"Forsyth tag", {"[SetUp \"1\"]", "[Forsyth \"" + fen + "\"]"}, true, fen},
        {"FEN tag of other programs", {"[SetUp \"1\"]", "[FEN \"" + fen + "\"]"}, true, fen},
        {"Forsyth wins over FEN", {"[FEN \"other\"]", "[SetUp \"1\"]", "[Forsyth \"" + fen + "\"]"}, true, fen},
        {"a player named Forsyth is no position",
         {"[White \"Forsyth, David\"]", "[SetUp \"1\"]", "[FEN \"" + fen + "\"]"}, true, fen},
        {"SetUp without position", {"[White \"Forsyth\"]", "[SetUp \"1\"]"}, true, ""},
        {"SetUp 0 is no set-up game", {"[SetUp \"0\"]", "[FEN \"" + fen + "\"]"}, false, ""},
        {"unterminated value", {"[SetUp \"1\"]", "[FEN \"8/8"}, true, ""},
    };
    for (const Row &row : rows) {
        const SetupPosition setup = checkForForsyth(row.tags);
        EXPECT_EQ(setup.isSetupGame, row.isSetup) << row.name;
        EXPECT_EQ(setup.fen, row.fen) << row.name;
    }
}

TEST(PlayerNames, TakesEveryWhiteAndBlackTagOfTheEntry)
{
    const PlayerNames both = playerNames(QStringLiteral(
        "[Event \"London\"] [White \"Anderssen, A\"] [Black \"Staunton, H\"] [Result \"1-0\"] "));
    EXPECT_EQ(both.white, QStringLiteral("Anderssen, A"));
    EXPECT_EQ(both.black, QStringLiteral("Staunton, H"));

    const PlayerNames none = playerNames(QStringLiteral("??? No Tags Found ???"));
    EXPECT_FALSE(none.white);
    EXPECT_FALSE(none.black);

    // WhiteElo is not White: the tag name is followed by a blank.
    const PlayerNames elo = playerNames(QStringLiteral("[WhiteElo \"2700\"] [Black \"B\"] "));
    EXPECT_FALSE(elo.white);
    EXPECT_EQ(elo.black, QStringLiteral("B"));
}

TEST(MoveListStyles, AnnotatedListIsCutAfterEveryComment)
{
    const QString listA = QStringLiteral("1. e4 {King's pawn,\r\nbest by test} e5 2. Nf3\r\n{develops} Nc6\r\n\r\n3. Bb5");
    EXPECT_EQ(annotatedMoveList(listA),
              QStringLiteral("1. e4 {King's pawn, best by test}\r\n e5 2. Nf3 {develops}\r\n Nc6 3. Bb5 \r\n"));
    EXPECT_EQ(annotatedMoveList(QString()), QString());
    EXPECT_EQ(paragraphMoveList(QStringLiteral("1. e4 e5\r\n2. Nf3\r\n")), QStringLiteral("1. e4 e5 2. Nf3 "));
}

TEST(StatusTexts, SearchTextAndLastMove)
{
    EXPECT_EQ(moveNumberSearchText(0), QStringLiteral("1."));
    EXPECT_EQ(moveNumberSearchText(12), QStringLiteral("12."));
    const QString afterWhite = QStringLiteral("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    const QString afterBlack = QStringLiteral("rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2");
    EXPECT_EQ(lastMoveText(1, afterWhite, 1, QStringLiteral("e4")), QStringLiteral("1. e4"));
    EXPECT_EQ(lastMoveText(2, afterBlack, 1, QStringLiteral("e5")), QStringLiteral("1. ... e5"));
    EXPECT_EQ(lastMoveText(0, afterWhite, 1, QStringLiteral("e4")), QString());
    EXPECT_EQ(lastMoveText(3, QString(), 2, QStringLiteral("Nf3")), QStringLiteral("2. ... Nf3"));
}

TEST(MoveListJump, TargetPlyOfTheDoubleClickedWord)
{
    struct Row {
        const char *style;
        const char *word;
        std::optional<qint16> ply;
    };
    const Row rows[] = {
        {"L", "12.", 24},       {"A", "3.", 6},          {"L", "12...Nf6", 24}, {"L", "Nf3", std::nullopt},
        {"P", "12", 24},        {"P", "12.", 24},        {"P", "Nf3", std::nullopt}, {"P", "", std::nullopt},
        {"P", "99999", std::nullopt}, {"L", "", std::nullopt}, {"A", "{a.", 0},
    };
    for (const Row &row : rows)
        EXPECT_EQ(jumpTargetPly(QLatin1String(row.style), QLatin1String(row.word)), row.ply)
            << row.style << " " << row.word;
}

TEST(MoveListJump, WordAtTakesTheWholeWordBetweenBlanks)
{
    const QString text = QStringLiteral("1. e4 e5\n12. Nf3");
    int start = -1;
    EXPECT_EQ(wordAt(text, 10, &start), QStringLiteral("12."));
    EXPECT_EQ(start, 9);
    EXPECT_EQ(wordAt(text, 0), QStringLiteral("1."));
    EXPECT_EQ(wordAt(text, 2), QStringLiteral("1."));
    EXPECT_EQ(wordAt(text, 500), QStringLiteral("Nf3"));
    EXPECT_EQ(wordAt(QString(), 3), QString());
}
