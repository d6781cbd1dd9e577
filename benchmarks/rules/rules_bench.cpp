// Speed of the rules engine on real games: resolving and making SAN moves (check test
// included), writing FEN, and a whole replay as the game record performs it.
#include "control/rules/rules_engine.h"
#include "tests/control/rules/replay_support.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>

namespace {

std::atomic<long long> allocations{0};

} // namespace

void *operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace tolvar;

// Games from set-up positions are left out: every game starts from the start position.
const std::vector<tolvar::testing::GameMoves> &games()
{
    static const std::vector<tolvar::testing::GameMoves> all = [] {
        std::string path = std::string(PAVISTO_TEST_DATA_DIR) + "/big/benchmark-mainline-25k.pgn";
        if (!std::filesystem::exists(path))
            path = std::string(PAVISTO_TEST_DATA_DIR) + "/pgn-extract/fischer.pgn";
        std::vector<tolvar::testing::GameMoves> result;
        for (auto &game : tolvar::testing::readPgnGames(path))
            if (game.fen.empty() && game.moves.size() <= MaxPly)
                result.push_back(std::move(game));
        return result;
    }();
    return all;
}

// Loads a game's tokens into the record, as the movetext scanner does.
void storeTokens(RulesEngine &engine, const tolvar::testing::GameMoves &game)
{
    for (std::size_t i = 0; i < game.moves.size(); ++i)
        engine.PlyRecords[i + 1].MoveSAN = game.moves[i];
}

// One replayed ply: restore Board, resolve and make the token, flip the side and capture
// the cells. With `writeFen` the ply's FEN is written and stored as the record does.
bool replayPly(RulesEngine &engine, bool writeFen)
{
    engine.PendingEPSquare = "-";
    engine.PGNForwardHT();
    engine.PromotionPending = false;
    engine.ForwardOneMove();
    const bool made = engine.MoveLegal;
    ++engine.Ply;
    engine.OnMove = engine.OnMove == 'W' ? 'B' : 'W';
    PlyRecord &record = engine.PlyRecords[engine.Ply];
    record.EPSquare = engine.PendingEPSquare;
    if (writeFen) {
        engine.WriteForsyth();
        record.Fen = engine.Forsyth;
    }
    engine.MoveLegal = false;
    engine.Hashtable();
    return made;
}

// Back to the start position without resetting the whole record: entry 0 is never
// written by a replay, so the cells, the side and the castling letters are all there is.
void quickReset(RulesEngine &engine)
{
    engine.PlaceStartingPieces();
    engine.Ply = 0;
    engine.OnMove = 'W';
    engine.CastleWK = 'K';
    engine.CastleWQ = 'Q';
    engine.CastleBK = 'k';
    engine.CastleBQ = 'q';
}

void replayGames(benchmark::State &state, bool writeFen, bool newGame)
{
    const auto &all = games();
    auto engine = std::make_unique<RulesEngine>();
    long long plies = 0;
    long long failed = 0;
    std::size_t next = 0;
    const long long allocationsBefore = allocations.load();
    for (auto _ : state) {
        const auto &game = all[next];
        next = (next + 1) % all.size();
        if (newGame)
            engine->SetupNewGame();
        else
            quickReset(*engine);
        storeTokens(*engine, game);
        for (std::size_t i = 0; i < game.moves.size(); ++i)
            failed += !replayPly(*engine, writeFen);
        plies += static_cast<long long>(game.moves.size());
    }
    state.counters["ns/ply"] = benchmark::Counter(static_cast<double>(plies),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["plies/s"] = benchmark::Counter(static_cast<double>(plies), benchmark::Counter::kIsRate);
    state.counters["failed"] = static_cast<double>(failed);
    state.counters["allocs/ply"] = static_cast<double>(allocations.load() - allocationsBefore) / std::max(1LL, plies);
    state.SetItemsProcessed(static_cast<long long>(state.iterations()));
    state.SetLabel(std::to_string(all.size()) + " games");
}

// Resolve and make one SAN move with its check test, with the restore of Board before and
// the capture of the cells after it; games/s is items_per_second.
void BM_ResolveAndMakeSan(benchmark::State &state)
{
    replayGames(state, false, false);
}
BENCHMARK(BM_ResolveAndMakeSan)->Unit(benchmark::kMicrosecond);

// The same with a FEN written and stored after every ply.
void BM_ReplayWithFenPerPly(benchmark::State &state)
{
    replayGames(state, true, false);
}
BENCHMARK(BM_ReplayWithFenPerPly)->Unit(benchmark::kMicrosecond);

// A whole game as a replay tool runs it: new game, tokens stored, every ply with its FEN.
void BM_WholeGameReplay(benchmark::State &state)
{
    replayGames(state, true, true);
}
BENCHMARK(BM_WholeGameReplay)->Unit(benchmark::kMicrosecond);

void BM_WriteForsyth(benchmark::State &state)
{
    auto engine = tolvar::testing::engineAt("r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP3PPP/R2QKB1R w KQ - 4 9");
    for (auto _ : state) {
        engine->WriteForsyth();
        benchmark::DoNotOptimize(engine->Forsyth.data());
    }
}
BENCHMARK(BM_WriteForsyth);

void BM_SetupNewGame(benchmark::State &state)
{
    auto engine = std::make_unique<RulesEngine>();
    for (auto _ : state)
        engine->SetupNewGame();
}
BENCHMARK(BM_SetupNewGame)->Unit(benchmark::kMicrosecond);

void BM_ReadForsyth(benchmark::State &state)
{
    auto engine = std::make_unique<RulesEngine>();
    const std::string fen = "r1bq1rk1/pp2bppp/2n1pn2/3p4/2PP4/2N1PN2/PP3PPP/R2QKB1R w KQ - 4 9";
    for (auto _ : state) {
        engine->Forsyth = fen;
        engine->ReadForsyth();
    }
}
BENCHMARK(BM_ReadForsyth);

} // namespace

BENCHMARK_MAIN();
