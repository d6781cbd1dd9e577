// Measures the import of a large PGN file: splitting speed, memory, the game list
// and Save All. Usage: database_bench [file.pgn]

#include "viewer/database/database_commands.h"
#include "viewer/database/database_host.h"
#include "viewer/database/file_io.h"
#include "viewer/database/game_list_model.h"
#include "viewer/database/pgn_export.h"
#include "viewer/database/pgn_import.h"
#include "viewer/database/viewer_state.h"

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <functional>

using namespace pavisto;

namespace {

// Peak and current resident set size in kB, from /proc/self/status.
long statusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Best of `runs` timings of `work`, in seconds.
double bestSeconds(int runs, const std::function<void()> &work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

class NoWindow final : public DatabaseHost {
public:
    bool gameChanged() const override { return false; }
    void setGameChanged(bool) override {}
    QString annotatedMoveList() const override { return {}; }
    QStringList tagLines() const override { return {}; }
    QString moveListText() const override { return {}; }
    int selectedGameIndex() const override { return -1; }
    void selectGameIndex(int) override {}
    void SetupNewGame() override {}
    bool markDeletedChecked() const override { return false; }
    void setMarkDeletedChecked(bool) override {}
};

} // namespace

int main(int argc, char **argv)
{
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(PAVISTO_BENCH_FILE);
    const long baseKb = statusKb("VmRSS:");

    FileContents contents;
    const double readSeconds = bestSeconds(1, [&] { contents = readFileBytes(path); });
    if (contents.error) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(*contents.error));
        return 1;
    }
    const QByteArray bytes = contents.bytes;
    contents = {};
    const double megabytes = double(bytes.size()) / 1e6;

    ViewerState state;
    ImportResult result = importPgn(state.Games, bytes);
    const long peakKb = statusKb("VmHWM:");

    int progressCalls = 0;
    const double splitSeconds = bestSeconds(10, [&] {
        progressCalls = 0;
        result = importPgn(state.Games, bytes, [&](int, int) { ++progressCalls; });
    });

    GameListModel list(state.Games);
    NoWindow host;
    DatabaseCommands commands(state, list, host);
    const double fillSeconds = bestSeconds(10, [&] { commands.FillGameList(); });
    qsizetype listChars = 0;
    const double entriesSeconds = bestSeconds(3, [&] {
        listChars = 0;
        for (int row = 0; row < list.rowCount(); ++row)
            listChars += list.data(list.index(row)).toString().size();
    });

    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("saved.pgn"));
    const double saveSeconds = bestSeconds(3, [&] { saveDatabase(state.Games, out); });

    std::printf("file                %s\n", qPrintable(path));
    std::printf("size                %.2f MB (%lld bytes), %s\n", megabytes, qlonglong(bytes.size()),
                state.Games.encoding() == TextEncoding::Windows1252 ? "Windows-1252" : "UTF-8");
    std::printf("games               %d%s\n", result.count, result.limitReached ? " (limit reached)" : "");
    std::printf("read file           %.1f ms\n", readSeconds * 1e3);
    std::printf("split into games    %.1f ms = %.0f MB/s (best of 10, %d progress calls)\n", splitSeconds * 1e3,
                megabytes / splitSeconds, progressCalls);
    std::printf("FillGameList        %.3f ms\n", fillSeconds * 1e3);
    std::printf("all list entries    %.1f ms (%lld characters)\n", entriesSeconds * 1e3, qlonglong(listChars));
    std::printf("Save All            %.1f ms = %.0f MB/s\n", saveSeconds * 1e3, megabytes / saveSeconds);
    std::printf("database size       %.2f MB\n", double(state.Games.memoryUsage()) / 1e6);
    std::printf("RSS before reading  %.2f MB\n", double(baseKb) / 1e3);
    std::printf("peak RSS (VmHWM)    %.2f MB after reading and importing = %.2f x file size\n", double(peakKb) / 1e3,
                double(peakKb) * 1e3 / double(bytes.size()));
    return 0;
}
