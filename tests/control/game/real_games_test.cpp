#include "engine_fixture.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace tolvar::testing {
namespace {

namespace fs = std::filesystem;

struct PgnGame {
    std::string source;    // file and game number, for failure messages
    std::string fen;       // the FEN tag, "" when the game starts from the start position
    std::string movetext;  // trimmed lines, each ending in one space and CR LF, as the viewer stores them
};

std::string trimmed(std::string line)
{
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!line.empty() && isSpace(line.back()))
        line.pop_back();
    std::size_t start = 0;
    while (start < line.size() && isSpace(line[start]))
        ++start;
    return line.substr(start);
}

// Splits a file crudely at its "[Event" lines: the tag lines, then everything up to the
// next game's "[Event" line is the movetext.
std::vector<PgnGame> readGames(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<PgnGame> games;
    std::string line;
    bool inTags = false;
    while (std::getline(file, line)) {
        line = trimmed(line);
        if (line.starts_with("[Event ")) {
            games.push_back({path.parent_path().filename().string() + "/" + path.filename().string() + " game "
                                 + std::to_string(games.size() + 1),
                             {},
                             {}});
            inTags = true;
            continue;
        }
        if (games.empty())
            continue;
        if (inTags && line.starts_with('[')) {
            if (line.starts_with("[FEN \"") && line.size() > 8)
                games.back().fen = line.substr(6, line.size() - 8);
            continue;
        }
        inTags = false;
        if (!line.empty())
            games.back().movetext += line + " \r\n";
    }
    return games;
}

// True when the movetext holds nothing but move numbers, SAN moves, brace comments and
// a result.
bool onlySanMovesCommentsAndResult(const std::string &movetext)
{
    static const std::regex comment(R"(\{[^}]*\})");
    static const std::regex san(R"((\d+\.+)?([NBRQK][a-h1-8]?x?[a-h][1-8]|[a-h](x[a-h])?[1-8](=[NBRQ])?|O-O(-O)?|0-0(-0)?)[+#]?)");
    static const std::regex other(R"(\d+\.+|1-0|0-1|1/2-1/2|\*)");
    std::istringstream words(std::regex_replace(movetext, comment, " "));
    std::string word;
    bool anyMove = false;
    while (words >> word) {
        if (std::regex_match(word, other))
            continue;
        if (!std::regex_match(word, san))
            return false;
        anyMove = true;
    }
    return anyMove;
}

std::vector<fs::path> dataFiles()
{
    std::vector<fs::path> files;
    for (const auto &entry : fs::recursive_directory_iterator(PAVISTO_TEST_DATA_DIR)) {
        if (entry.is_regular_file() && entry.path().extension() == ".pgn"
            && entry.path().parent_path().filename() != "big")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

void load(GameEngine &engine, const PgnGame &game)
{
    if (game.fen.empty())
        engine.LoadGame(game.movetext);
    else
        engine.LoadSetup(game.fen, game.movetext);
}

TEST_F(EngineTest, EveryRealGameOfPlainSanLoadsWithoutImportError)
{
    int loaded = 0;
    for (const fs::path &path : dataFiles()) {
        for (const PgnGame &game : readGames(path)) {
            if (!onlySanMovesCommentsAndResult(game.movetext))
                continue;
            prompts.clearRecords();
            load(engine, game);
            ++loaded;
            EXPECT_FALSE(engine.ImportError) << game.source;
            for (const auto &record : prompts.records())
                ADD_FAILURE() << game.source << ": " << record.title.toStdString();
            EXPECT_EQ(engine.Ply, 0) << game.source;
        }
    }
    EXPECT_GT(loaded, 590);
}

// Games with variations, numeric glyphs and glyphs glued to their moves: the main line
// replays, the rest stays with the comments.
TEST_F(EngineTest, RealGamesWithVariationsAndGlyphsLoadWithoutImportError)
{
    for (const char *name : {"chessx/game1.pgn", "pgn-read/calgames_05.pgn", "scid/res_gameUTF8.pgn"}) {
        const std::vector<PgnGame> games = readGames(fs::path(PAVISTO_TEST_DATA_DIR) / name);
        ASSERT_FALSE(games.empty()) << name;
        for (const PgnGame &game : games) {
            prompts.clearRecords();
            load(engine, game);
            EXPECT_FALSE(engine.ImportError) << game.source;
            EXPECT_GT(engine.GameLength, 0) << game.source;
            EXPECT_TRUE(prompts.records().isEmpty()) << game.source;
        }
    }
}

// Each fixture names a game of the test data ("folder/file.pgn N", N counted from 0)
// and lists the FEN the record must hold after every ply, ply 0 first.
class FenFixture : public EngineTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(FenFixture, RecordHoldsTheFenOfEveryPly)
{
    std::ifstream fixture(fs::path(GAME_FIXTURE_DIR) / (std::string(GetParam()) + ".fen"));
    ASSERT_TRUE(fixture) << GetParam();
    std::string fileName;
    std::size_t gameIndex = 0;
    fixture >> fileName >> gameIndex;
    std::string line;
    std::getline(fixture, line);
    std::vector<std::string> expected;
    while (std::getline(fixture, line))
        expected.push_back(trimmed(line));

    const std::vector<PgnGame> games = readGames(fs::path(PAVISTO_TEST_DATA_DIR) / fileName);
    ASSERT_LT(gameIndex, games.size());
    load(engine, games[gameIndex]);
    ASSERT_EQ(engine.GameLength + 1, static_cast<int>(expected.size()));
    for (int ply = 0; ply <= engine.GameLength; ++ply)
        EXPECT_EQ(engine.PlyRecords[ply].Fen, expected[ply]) << "ply " << ply;

    // Navigation shows the same texts again.
    for (int ply = 1; ply <= engine.GameLength; ++ply) {
        engine.MoveNext();
        engine.WriteForsyth();
        EXPECT_EQ(engine.Forsyth, expected[ply]) << "shown ply " << ply;
    }
    EXPECT_TRUE(prompts.records().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Games, FenFixture,
                         ::testing::Values("ivkov_fuderer_en_passant", "ziembinski_rooks_taken_on_corners",
                                           "lichess_underpromotion", "setup_black_to_move"));

} // namespace
} // namespace tolvar::testing
