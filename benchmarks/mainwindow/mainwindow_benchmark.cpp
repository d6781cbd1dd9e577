// Run with QT_QPA_PLATFORM=offscreen. The big file is the 25,000-game benchmark file.

#include "viewer/mainwindow/hosted_board.h"
#include "viewer/mainwindow/frmmain.h"

#include "platform/component_registry.h"
#include "platform/scripted_prompts.h"
#include "viewer/database/pgn_import.h"

#include <QApplication>
#include <QFile>
#include <QListView>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QString BigFile = QStringLiteral(PAVISTO_TEST_DATA_DIR "/big/benchmark-25k.pgn");

QByteArray bigFileBytes()
{
    QFile file(BigFile);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A main window with its own startup-file folder and scripted prompts.
struct Window {
    QTemporaryDir dir;
    platform::ScriptedPrompts prompts;
    std::unique_ptr<FrmMain> window;

    Window()
    {
        pavisto::StartupFileLocation location{dir.path(), dir.path()};
        window = std::make_unique<FrmMain>(location);
        window->show();
        QApplication::processEvents();
    }

    void open(const QString &path)
    {
        prompts.queueText(path);
        window->Toolbar1_ButtonClick(QStringLiteral("Open"));
        window->repaint();
    }
};

// Reading the file and importing its games, without a window.
void HeadlessImport(benchmark::State &state)
{
    for (auto _ : state) {
        pavisto::GameDatabase games;
        const pavisto::ImportResult result = pavisto::importPgn(games, bigFileBytes());
        benchmark::DoNotOptimize(result.count);
        state.counters["games"] = result.count;
    }
}
BENCHMARK(HeadlessImport)->Unit(benchmark::kMillisecond)->Iterations(3);

// Open from the menu command until the game list is filled and painted.
void OpenUntilListFilled(benchmark::State &state)
{
    Window w;
    for (auto _ : state)
        w.open(BigFile);
    state.counters["games"] = w.window->findChild<QListView *>(QStringLiteral("lstPGNFiles"))->model()->rowCount();
}
BENCHMARK(OpenUntilListFilled)->Unit(benchmark::kMillisecond)->Iterations(3);

// Selects and loads the first game of the big file that reaches move 100, about 200 plies.
int longGame(Window &w)
{
    QListView *list = w.window->findChild<QListView *>(QStringLiteral("lstPGNFiles"));
    const pavisto::GameDatabase &games = w.window->state().Games;
    const QRegularExpression move100(QStringLiteral("(^|\\s)100\\."));
    for (int game = 1; game <= games.count(); ++game) {
        if (!games.moves(game).contains(move100))
            continue;
        list->setCurrentIndex(list->model()->index(game - 1, 0));
        w.window->LoadGame();
        if (w.window->board().GameLength() >= 199)
            return game;
    }
    return -1;
}

void LoadLongGame(benchmark::State &state)
{
    Window w;
    if (!w.window->board().isValid()) {
        state.SkipWithError("the board control plugin is not built");
        return;
    }
    w.open(BigFile);
    const int row = longGame(w);
    if (row < 0) {
        state.SkipWithError("no game of 200 plies");
        return;
    }
    for (auto _ : state) {
        w.window->LoadGame();
        w.window->repaint();
    }
    state.counters["plies"] = w.window->board().GameLength();
}
BENCHMARK(LoadLongGame)->Unit(benchmark::kMillisecond);

void StepWithRepaint(benchmark::State &state)
{
    Window w;
    if (!w.window->board().isValid()) {
        state.SkipWithError("the board control plugin is not built");
        return;
    }
    w.open(BigFile);
    if (longGame(w) < 0) {
        state.SkipWithError("no game of 200 plies");
        return;
    }
    bool forward = true;
    for (auto _ : state) {
        platform::BoardProxy &board = w.window->board();
        if (board.Ply() == board.GameLength())
            forward = false;
        else if (board.Ply() == 0)
            forward = true;
        w.window->Toolbar1_ButtonClick(forward ? QStringLiteral("Forward") : QStringLiteral("Back"));
        w.window->repaint();
    }
}
BENCHMARK(StepWithRepaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    platform::addComponentSearchPath(QStringLiteral(PAVISTO_PLUGIN_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
