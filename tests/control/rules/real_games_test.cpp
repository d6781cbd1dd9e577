#include "replay_support.h"

#include "platform/scripted_prompts.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

struct GameFile {
    const char *path;
    int minimumGames;
    bool plusMayBeMate = false;   // the file marks some mates with "+" instead of "#"
    int fullyQualifiedTokens = 0; // moves written with origin file and rank, which are refused
};

// "Rd1d2", "Qh4xe1+": a piece letter with both origin file and rank.
bool isFullyQualified(std::string san)
{
    while (!san.empty() && (san.back() == '+' || san.back() == '#'))
        san.pop_back();
    if (san.size() == 6 && san[3] == 'x')
        san.erase(3, 1);
    return san.size() == 5 && std::isupper(static_cast<unsigned char>(san[0])) && san[1] >= 'a' && san[1] <= 'h'
           && san[2] >= '1' && san[2] <= '8';
}

class RealGames : public ::testing::TestWithParam<GameFile> {};

// Every move of a legal game resolves, and the check and mate marks the file writes agree
// with the check test: "+" is check without mate, "#" is mate.
TEST_P(RealGames, EveryMoveResolvesAndMarksAgree)
{
    platform::ScriptedPrompts prompts;
    const auto games = readPgnGames(std::string(PAVISTO_TEST_DATA_DIR) + "/" + GetParam().path);
    ASSERT_GE(static_cast<int>(games.size()), GetParam().minimumGames);
    auto engine = std::make_unique<RulesEngine>();
    int plies = 0;
    int refused = 0;
    for (std::size_t g = 0; g < games.size(); ++g) {
        if (games[g].fen.empty())
            engine->SetupNewGame();
        else
            engine->LoadFEN(games[g].fen);
        for (std::size_t m = 0; m < games[g].moves.size() && m < MaxPly; ++m) {
            const std::string &san = games[g].moves[m];
            const char mover = engine->OnMove;
            if (isFullyQualified(san)) {
                EXPECT_FALSE(playSan(*engine, san)) << san;
                ++refused;
                break;
            }
            ASSERT_TRUE(playSan(*engine, san)) << "game " << g + 1 << " move " << m + 1 << " " << san;
            ++plies;
            if (san[0] == 'O' || san[0] == '0')
                continue;
            const bool check = mover == 'W' ? engine->BlackInCheck : engine->WhiteInCheck;
            const char mark = san.back();
            EXPECT_EQ(check, mark == '+' || mark == '#') << "game " << g + 1 << " move " << m + 1 << " " << san;
            if (check && !(GetParam().plusMayBeMate && engine->MateFlag)) {
                EXPECT_EQ(engine->MateFlag, mark == '#') << "game " << g + 1 << " move " << m + 1 << " " << san;
            }
        }
    }
    EXPECT_EQ(refused, GetParam().fullyQualifiedTokens);
    EXPECT_GT(plies, 0);
    EXPECT_TRUE(prompts.records().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, RealGames,
                         ::testing::Values(GameFile{"pgn-extract/fischer.pgn", 34}, GameFile{"chess.js/1.pgn", 1},
                                           GameFile{"pgn-parser/32games.pgn", 32, false, 3},
                                           GameFile{"pgn2tex/London1851.pgn", 251, true},
                                           GameFile{"pychess-learn/mate_in_2.pgn", 166},
                                           GameFile{"chessx/game10.pgn", 10},
                                           GameFile{"pgn-parser/lichess_mliebelt_2024-01-03.pgn", 8}),
                         [](const auto &info) {
                             std::string name = info.param.path;
                             for (char &c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

} // namespace
