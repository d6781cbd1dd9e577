#include "control/game/game_engine.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A real game (Kasparov - Topalov, Wijk aan Zee 1999) drawn out to 100 plies by repeating
// rook and queen moves after move 44,
// stored as the viewer stores movetext: trimmed lines ending in one space and CR LF.
const std::string HundredPlies =
    "1. e4 d6 2. d4 Nf6 3. Nc3 g6 4. Be3 Bg7 5. Qd2 c6 6. f3 b5 7. Nge2 Nbd7 8. Bh6 \r\n"
    "Bxh6 9. Qxh6 Bb7 10. a3 e5 11. O-O-O Qe7 12. Kb1 a6 13. Nc1 O-O-O 14. Nb3 exd4 \r\n"
    "15. Rxd4 c5 16. Rd1 Nb6 17. g3 Kb8 18. Na5 Ba8 19. Bh3 d5 20. Qf4+ Ka7 21. Rhe1 \r\n"
    "d4 22. Nd5 Nbxd5 23. exd5 Qd6 24. Rxd4 cxd4 25. Re7+ Kb6 26. Qxd4+ Kxa5 27. b4+ \r\n"
    "Ka4 28. Qc3 Qxd5 29. Ra7 Bb7 30. Rxb7 Qc4 31. Qxf6 Kxa3 32. Qxa6+ Kxb4 33. c3+ \r\n"
    "Kxc3 34. Qa1+ Kd2 35. Qb2+ Kd1 36. Bf1 Rd2 37. Rd7 Rxd7 38. Bxc4 bxc4 39. Qxh8 \r\n"
    "Rd3 40. Qa8 c3 41. Qa4+ Ke1 42. f4 f5 43. Kc1 Rd2 44. Qa7 Rd7 45. Qa4 Rd2 46. Qa7 \r\n"
    "Rd7 47. Qa4 Rd2 48. Qa7 Rd7 49. Qa4 Rd2 50. Qa7 Rd7 1-0 \r\n";

// 500 plies: the knights jump out and back, each move a full SAN resolution.
std::string fiveHundredPlies()
{
    std::string movetext;
    for (int i = 0; i < 125; ++i)
        movetext += i % 10 == 9 ? "Nf3 Nf6 Ng1 Ng8 \r\n" : "Nf3 Nf6 Ng1 Ng8 ";
    return movetext + "*";
}

void loadGame(benchmark::State &state, const std::string &movetext)
{
    tolvar::GameEngine engine;
    engine.LoadGame(movetext);
    if (engine.ImportError)
        state.SkipWithError("the benchmark game does not load cleanly");
    for (auto _ : state) {
        engine.LoadGame(movetext);
        benchmark::DoNotOptimize(engine.GameLength);
    }
    state.counters["plies/s"] =
        benchmark::Counter(double(engine.GameLength) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_LoadGame100Plies(benchmark::State &state)
{
    loadGame(state, HundredPlies);
}
BENCHMARK(BM_LoadGame100Plies);

void BM_LoadGame500Plies(benchmark::State &state)
{
    loadGame(state, fiveHundredPlies());
}
BENCHMARK(BM_LoadGame500Plies);

// One step through a loaded game: MoveNext, and MoveFirst at the end.
void BM_NavigationStep(benchmark::State &state)
{
    tolvar::GameEngine engine;
    engine.LoadGame(HundredPlies);
    for (auto _ : state) {
        if (engine.Ply < engine.GameLength)
            engine.MoveNext();
        else
            engine.MoveFirst();
        benchmark::DoNotOptimize(engine.Forsyth);
    }
}
BENCHMARK(BM_NavigationStep);

} // namespace

BENCHMARK_MAIN();
