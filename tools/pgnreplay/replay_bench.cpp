#include "replay_bench.h"

#include "game_replay.h"
#include "replay_modes.h"

#include "viewer/database/file_io.h"
#include "viewer/database/pgn_import.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int Runs = 3;

// The peak resident set of the process in bytes (VmHWM), 0 when it is not known.
double peakResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() * 1024;
    }
    return 0;
}

double seconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

// CPU time of the process so far: on a machine shared with other work the wall-clock
// figures grow with the load, this one does not.
double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

} // namespace

int runBench(const Options &options)
{
    pavisto::GameDatabase games;
    qsizetype bytes = 0;
    double importSeconds = 0;
    // Each import run reads the file and splits it into games, as Open does.
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (const std::optional<QString> error = importFile(options.file, games)) {
            printError(*error);
            return ExitBadInput;
        }
        const double elapsed = seconds(timer);
        importSeconds = run == 0 ? elapsed : std::min(importSeconds, elapsed);
        bytes = games.source().size();
    }

    GameReplay replay;
    long long plies = 0;
    double replaySeconds = 0;
    double replayCpuSeconds = 0;
    for (int run = 0; run < Runs; ++run) {
        long long runPlies = 0;
        const double cpuStart = cpuSeconds();
        QElapsedTimer timer;
        timer.start();
        for (int game = 1; game <= games.count(); ++game)
            runPlies += replay.replay(games, game).plies;
        const double elapsed = seconds(timer);
        const double cpu = cpuSeconds() - cpuStart;
        replaySeconds = run == 0 ? elapsed : std::min(replaySeconds, elapsed);
        replayCpuSeconds = run == 0 ? cpu : std::min(replayCpuSeconds, cpu);
        plies = runPlies;
    }

    const auto rate = [](double amount, double time) { return time > 0 ? amount / time : 0.0; };
    std::printf("bytes: %lld\n", static_cast<long long>(bytes));
    std::printf("games: %d\n", games.count());
    std::printf("plies: %lld\n", plies);
    std::printf("import seconds: %.4f\n", importSeconds);
    std::printf("import MB/s: %.1f\n", rate(double(bytes) / 1e6, importSeconds));
    std::printf("replay seconds: %.4f\n", replaySeconds);
    std::printf("games/s: %.0f\n", rate(games.count(), replaySeconds));
    std::printf("plies/s: %.0f\n", rate(double(plies), replaySeconds));
    std::printf("peak resident MB: %.1f\n", peakResidentBytes() / 1e6);
    std::printf("replay CPU seconds: %.4f\n", replayCpuSeconds);
    return ExitDone;
}
