// Shell benchmarks: the year load of "Načti " on a data directory holding only the installation tables (all
// 20 year tables copied from their templates, each on disk before the load returns), and the loads of a year
// that exists.

#include "guimain.h"
#include "silentdialogs.h"

#include "app/mainwindow.h"
#include "app/screenregistry.h"
#include "app/yearload.h"
#include "store/database.h"
#include "store/installation.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <memory>
#include <stdexcept>

namespace {

const QString kYear = QStringLiteral("2004");

// A data directory as velmora-tables leaves it, with the program's engine and main menu over it.
struct Shell {
    QTemporaryDir dir;
    std::unique_ptr<store::Database> db;
    app::ScreenRegistry screens;
    SilentDialogs dialogs;
    std::unique_ptr<app::MainWindow> window;

    Shell()
    {
        if (!dir.isValid())
            throw std::runtime_error("no temporary directory");
        store::installTables(dir.path());
        reopen();
    }
    // A new run of the program over the same directory: no connection cached yet.
    void reopen()
    {
        window.reset();
        db = std::make_unique<store::Database>(dir.path());
        window = std::make_unique<app::MainWindow>(*db, dialogs, screens);
    }
    app::YearLoadResult load() { return app::loadYear(window->context(), window.get(), kYear); }
};

// The first load of a new year: 20 probes that find nothing, 20 template copies, each flushed and its name
// made durable. Wall time: the cost is waiting for the disk.
void BM_YearLoadNew(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto shell = std::make_unique<Shell>();
        state.ResumeTiming();
        const app::YearLoadResult r = shell->load();
        state.PauseTiming();
        const bool failed = !r.created || !shell->dialogs.errors.isEmpty();
        shell.reset();
        state.ResumeTiming();
        if (failed) {
            state.SkipWithError("the year load did not create the year tables");
            break;
        }
    }
}
BENCHMARK(BM_YearLoadNew)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// The same year loaded again in the same run: 20 probes on connections already open, nothing to create.
void BM_YearLoadAgain(benchmark::State &state)
{
    Shell shell;
    shell.load();
    for (auto _ : state) {
        const app::YearLoadResult r = shell.load();
        if (r.created || !shell.dialogs.errors.isEmpty()) {
            state.SkipWithError("the second load of the year created tables or failed");
            break;
        }
    }
}
BENCHMARK(BM_YearLoadAgain)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A year made on an earlier day, loaded after the program started: 20 probes that each open their file.
void BM_YearLoadExisting(benchmark::State &state)
{
    Shell shell;
    shell.load();
    for (auto _ : state) {
        state.PauseTiming();
        shell.reopen();
        state.ResumeTiming();
        const app::YearLoadResult r = shell.load();
        if (r.created || !shell.dialogs.errors.isEmpty()) {
            state.SkipWithError("the load of an existing year created tables or failed");
            break;
        }
    }
}
BENCHMARK(BM_YearLoadExisting)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
