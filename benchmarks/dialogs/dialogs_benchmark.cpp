// Run with QT_QPA_PLATFORM=offscreen. The big file is the 25,000-game benchmark file;
// the 32,000-game database is that file followed by itself, cut at the import's limit.

#include "viewer/dialogs/frm_find.h"
#include "viewer/dialogs/game_search.h"
#include "viewer/mainwindow/frmmain.h"

#include "platform/component_registry.h"
#include "platform/scripted_prompts.h"
#include "viewer/database/pgn_import.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListView>
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

const pavisto::GameDatabase &database(bool full)
{
    static const auto load = [](bool twice) {
        auto games = std::make_unique<pavisto::GameDatabase>();
        const QByteArray bytes = bigFileBytes();
        pavisto::importPgn(*games, twice ? bytes + "\r\n" + bytes : bytes);
        return games;
    };
    static const std::unique_ptr<pavisto::GameDatabase> file = load(false);
    static const std::unique_ptr<pavisto::GameDatabase> limit = load(true);
    return full ? *limit : *file;
}

// Every game tested: a text that occurs nowhere. Arg 1 is the 32,000-game database.
void SearchWithoutMatch(benchmark::State &state, const char *text)
{
    const pavisto::GameDatabase &games = database(state.range(0) == 1);
    const auto range = pavisto::searchRange(pavisto::FindCommand::First, -1, games.count());
    for (auto _ : state) {
        pavisto::GameSearch search(games, QString::fromUtf8(text));
        benchmark::DoNotOptimize(search.find(range));
    }
    state.counters["games"] = games.count();
}
BENCHMARK_CAPTURE(SearchWithoutMatch, ascii, "Zukertort-Qxh8")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
// A text outside ASCII decodes the games that hold such characters.
BENCHMARK_CAPTURE(SearchWithoutMatch, wide, "Z\u00DCkertort")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Find Last of the first game's list entry: from the dialog over a main window,
// through every game to the match, which is selected and previewed.
void FindLastFromTheDialog(benchmark::State &state)
{
    QTemporaryDir dir;
    platform::ScriptedPrompts prompts;
    FrmMain window(pavisto::StartupFileLocation{dir.path(), dir.path()});
    prompts.queueText(BigFile);
    window.Toolbar1_ButtonClick(QStringLiteral("Open"));
    window.menuItem(QStringLiteral("mnuEditFind"))->trigger();
    auto *find = window.findChild<FrmFind *>(QStringLiteral("frmFind"));
    find->findChild<QLineEdit *>(QStringLiteral("txtFindString"))->setText(window.state().Games.listText(1).trimmed());
    for (auto _ : state)
        find->find(pavisto::FindCommand::Last);
    state.counters["games"] = window.state().Games.count();
    state.counters["found"] = window.findChild<QListView *>(QStringLiteral("lstPGNFiles"))->currentIndex().row() + 1;
}
BENCHMARK(FindLastFromTheDialog)->Unit(benchmark::kMillisecond);

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
