// The headless logic of the edit dialogs: tag lines, the typed speed, the setup FEN and
// the game search.

#include "viewer/database/pgn_import.h"
#include "viewer/dialogs/game_search.h"
#include "viewer/dialogs/setup_position.h"
#include "viewer/dialogs/speed_text.h"
#include "viewer/dialogs/tag_lines.h"

#include <gtest/gtest.h>

using namespace pavisto;

TEST(TagLines, ValueAndReplacedValue)
{
    struct Row {
        const char *line;
        const char *value;
        const char *replaced; // with the value "London"
    };
    const Row rows[] = {
        {"[Site \"?\"]", "?", "[Site \"London\"]"},
        {"[Event \"A\" \"B\"] tail", "A", "[Event \"London\"]"},
        {"no quotes at all", "no quotes at all", "London"},
        {"[Annotator \"unclosed", "unclosed", "[Annotator \"London\"]"},
        {"\"\"", "", "\"London\"]"},
        {"", "", "London"},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(tagValue(QString::fromUtf8(row.line)), QString::fromUtf8(row.value)) << row.line;
        EXPECT_EQ(withTagValue(QString::fromUtf8(row.line), QStringLiteral("London")), QString::fromUtf8(row.replaced))
            << row.line;
    }
    EXPECT_EQ(newTagLine(QStringLiteral("Annotator")), QStringLiteral("[Annotator \"\"]"));
    EXPECT_TRUE(anyLineContains({QStringLiteral("[WhiteElo \"2700\"]")}, QStringLiteral("Elo")));
    EXPECT_FALSE(anyLineContains({QStringLiteral("[WhiteElo \"2700\"]")}, QStringLiteral("elo")));
}

TEST(TagLines, BoardValuesTakeTheLastMatchingLineAndSkipLinesWithoutValue)
{
    const BoardTagValues knight = boardTagValues({QStringLiteral("[White \"Black Knight\"]")});
    EXPECT_EQ(knight.white, QStringLiteral("Black Knight"));
    EXPECT_EQ(knight.black, QStringLiteral("Black Knight"));
    EXPECT_FALSE(knight.result);

    const BoardTagValues later = boardTagValues({
        QStringLiteral("[White \"Black Knight\"]"),
        QStringLiteral("[Black \"Rook\"]"),
        QStringLiteral("[Result \"1-0\"]"),
        QStringLiteral("Result 0-1 White Black "), // no quote: no value to take
    });
    EXPECT_EQ(later.white, QStringLiteral("Black Knight"));
    EXPECT_EQ(later.black, QStringLiteral("Rook"));
    EXPECT_EQ(later.result, QStringLiteral("1-0"));
}

TEST(SpeedText, NumbersFromOneToNinetyRoundedHalfToEven)
{
    const std::pair<const char *, std::optional<qint16>> rows[] = {
        {"25", 25}, {"1", 1}, {"90", 90}, {" 12 ", 12}, {"7.5", 8}, {"6.5", 6}, {"89.6", 90},
        {"", std::nullopt}, {"0", std::nullopt}, {"-3", std::nullopt}, {"95", std::nullopt},
        {"90.5", std::nullopt}, {"word", std::nullopt}, {"2x", std::nullopt}, {"nan", std::nullopt},
    };
    for (const auto &[text, speed] : rows)
        EXPECT_EQ(autoPlaySpeedFromText(QString::fromLatin1(text)), speed) << text;
}

TEST(SetupPosition, ForsythOfCellsAndStatus)
{
    const QString start = QStringLiteral("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR");
    SetupStatus status;
    EXPECT_EQ(writeForsyth(startingCells(), status), start + QStringLiteral(" w KQkq - 0 1"));

    SetupCells kings = emptyCells();
    kings[4] = QLatin1Char('k');  // e8
    kings[60] = QLatin1Char('K'); // e1
    status.whiteOnMove = false;
    EXPECT_EQ(writeForsyth(kings, status), QStringLiteral("4k3/8/8/8/8/8/8/4K3 b KQkq - 0 1"));

    SetupCells runs = emptyCells();
    runs[1] = QLatin1Char('P');
    runs[6] = QLatin1Char('p');
    status = {};
    status.blackQueenside = false;
    status.epSquare.clear();
    EXPECT_EQ(writeForsyth(runs, status), QStringLiteral("1P4p1/8/8/8/8/8/8/8 w KQk  0 1"));
    status.whiteKingside = status.whiteQueenside = status.blackKingside = false;
    status.fiftyMove = QStringLiteral("x");
    EXPECT_EQ(writeForsyth(runs, status), QStringLiteral("1P4p1/8/8/8/8/8/8/8 w -  x 1"));
}

TEST(SetupPosition, KingsAndPieceCodes)
{
    SetupCells cells = emptyCells();
    EXPECT_EQ(missingKing(cells), QStringLiteral("No white king"));
    cells[10] = QLatin1Char('K');
    EXPECT_EQ(missingKing(cells), QStringLiteral("No black king"));
    cells[11] = QLatin1Char('k');
    cells[12] = QLatin1Char('k');
    EXPECT_FALSE(missingKing(cells));
    EXPECT_FALSE(missingKing(startingCells()));

    EXPECT_EQ(pieceCodeOf(QLatin1Char('K')), QStringLiteral("WK"));
    EXPECT_EQ(pieceCodeOf(QLatin1Char('P')), QStringLiteral("Wp"));
    EXPECT_EQ(pieceCodeOf(QLatin1Char('n')), QStringLiteral("BN"));
    EXPECT_EQ(pieceCodeOf(QLatin1Char('p')), QStringLiteral("Bp"));
    EXPECT_EQ(pieceCodeOf(EmptyCell), QStringLiteral("E"));
    EXPECT_EQ(pieceCodeOf(QLatin1Char('x')), QStringLiteral("E"));
}

TEST(GameSearch, RangesOfTheFourCommands)
{
    struct Row {
        FindCommand command;
        int selected;
        int count;
        std::vector<int> visited;
    };
    const Row rows[] = {
        {FindCommand::First, 2, 4, {0, 1, 2, 3}},
        {FindCommand::Last, -1, 3, {2, 1, 0}},
        {FindCommand::Next, 1, 4, {2, 3}},
        {FindCommand::Next, -1, 2, {0, 1}},
        {FindCommand::Next, 3, 4, {}},
        {FindCommand::Previous, 2, 4, {1, 0}},
        {FindCommand::Previous, 0, 4, {}},
        {FindCommand::Previous, -1, 4, {}},
        {FindCommand::First, -1, 0, {}},
        {FindCommand::Last, -1, 0, {}},
    };
    for (const Row &row : rows) {
        const SearchRange range = searchRange(row.command, row.selected, row.count);
        std::vector<int> visited;
        if (!range.isEmpty()) {
            for (int i = range.first;; i += range.step) {
                visited.push_back(i);
                if (i == range.last)
                    break;
            }
        }
        EXPECT_EQ(visited, row.visited) << int(row.command) << " from " << row.selected;
    }
}

TEST(GameSearch, ListEntryOrMovetextIgnoringCase)
{
    GameDatabase games;
    importPgn(games, QByteArray("[Event \"Open\"]\r\n[White \"M\xC3\xBCller\"]\r\n\r\n1. e4 c5 {Sicilian} *\r\n\r\n"
                                "[Event \"Club\"]\r\n[Black \"Kasparov\"]\r\n\r\n1. e4 e5 2. Nf3 Nc6 3. Nxe5 *\r\n"));
    games.appendGame(QStringLiteral("[Event \"Saved\"]\r\n[Site \"Stra\u00DFe\"]\r\n\r\n"),
                     QStringLiteral("1. d4 *\r\n"));
    games.appendGame(QString(), QStringLiteral("1. c4 *\r\n"));
    ASSERT_EQ(games.count(), 4);

    const std::pair<const char *, std::vector<int>> rows[] = {
        {"sicilian", {1}},
        {"NXE5", {2}},
        {"kasparov", {2}},
        {"] [white", {1}},        // the list entry joins the tag lines with blanks
        {"\"saved\"] [site", {3}}, // also those of a game saved from the board
        {"stra\xC3\x9F" "e\"]  ", {}}, // one blank after the last line
        {"\"Open\"]\r\n", {}},    // line breaks are not part of the entry
        {"M\xC3\x9CLLER", {1}},   // letters outside ASCII fold too
        {"STRASSE", {}},
        {"stra\xC3\x9F" "e", {3}},
        {"e4 c5", {1}},
        {"1. ", {1, 2, 3, 4}},
        {"", {1, 2, 3, 4}},
        {"???", {4}},             // the entry of a game without tags
        {"no tags found", {4}},
        {"queen", {}},
    };
    for (const auto &[text, expected] : rows) {
        GameSearch search(games, QString::fromUtf8(text));
        std::vector<int> found;
        for (int game = 1; game <= games.count(); ++game) {
            if (search.matches(game))
                found.push_back(game);
        }
        EXPECT_EQ(found, expected) << text;
    }
    EXPECT_FALSE(GameSearch(games, QString()).matches(0));
    EXPECT_EQ(GameSearch(games, QStringLiteral("e4")).find(searchRange(FindCommand::Last, -1, 4)), 1);
    EXPECT_EQ(GameSearch(games, QStringLiteral("e4")).find(searchRange(FindCommand::Next, 1, 3)), -1);
}

TEST(GameSearch, LatinOneFile)
{
    GameDatabase games;
    importPgn(games, QByteArray("[White \"J\xF6rg\"]\r\n\r\n1. e4 *\r\n"));
    ASSERT_EQ(games.count(), 1);
    EXPECT_TRUE(GameSearch(games, QStringLiteral("J\u00D6RG")).matches(1));
    EXPECT_TRUE(GameSearch(games, QStringLiteral("jörg")).matches(1));
    EXPECT_FALSE(GameSearch(games, QStringLiteral("jorg")).matches(1));
}
