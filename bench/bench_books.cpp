// Record book benchmarks: the fuel purchase book (TForm22) over a year of 100 000 purchases — opening it, and
// moving to another row, which refreshes its three statistics over the whole table.

#include "guimain.h"
#include "purchases.h"
#include "silentdialogs.h"

#include "app/mainwindow.h"
#include "app/screenregistry.h"
#include "books/machinery.h"
#include "books/recordbook.h"
#include "reports/report.h"
#include "store/database.h"
#include "store/query.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>

#include <chrono>
#include <memory>
#include <stdexcept>

namespace {

constexpr int kRows = 100000;
const QString kYear = QStringLiteral("2004");

// The program as it stands after "Načti 2004": the main menu with its working year and report layouts.
struct Shell {
    bench::PurchaseDir data{kRows, {QStringLiteral("phm_nakup2004")}};
    store::Database db{data.dir.path()};
    app::ScreenRegistry screens;
    SilentDialogs dialogs;
    app::MainWindow window{db, dialogs, screens};
    reports::ReportLibrary reports{db};
    books::BookSpec purchasesBook = fuelPurchases();

    Shell()
    {
        window.workspace().workingYear = kYear;
        window.context().reports = &reports;
    }
    std::unique_ptr<books::RecordBook> open()
    {
        auto book = std::make_unique<books::RecordBook>(window.context(), purchasesBook, &window);
        book->show(); // runs the opening: the query over the table, then the statistics
        return book;
    }

    static books::BookSpec fuelPurchases()
    {
        for (books::BookSpec &s : books::machineryBooks())
            if (s.className == u"TForm22")
                return s;
        throw std::runtime_error("no TForm22 among the machinery books");
    }
};

// Made on first use, removed before the application object: widgets must not outlive it.
std::unique_ptr<Shell> theShell;

Shell &shell()
{
    if (!theShell)
        theShell = std::make_unique<Shell>();
    return *theShell;
}

// Rows far apart, never the current one: each move is a real move.
int nextRow(int current, int count)
{
    return (current + 7919) % count;
}

// Opens and closes the book on every iteration; `firstTime`: after dropping the table's connection, with the
// clock stopped.
void bookOpen(benchmark::State &state, bool firstTime)
{
    Shell &s = shell();
    for (auto _ : state) {
        if (firstTime) {
            state.PauseTiming();
            s.db.forget(QStringLiteral("phm_nakup2004"));
            state.ResumeTiming();
        }
        auto book = s.open();
        const bool opened = book->query().isOpen();
        book.reset();
        if (!opened || !s.dialogs.errors.isEmpty()) {
            state.SkipWithError("the book did not open its table");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

// An opening later in the run: the connection is open and the totals of the unchanged table are remembered.
void BM_BookOpen(benchmark::State &state)
{
    bookOpen(state, false);
}
BENCHMARK(BM_BookOpen)->Unit(benchmark::kMillisecond);

// The first opening in a run: a new connection to the table, nothing remembered of its totals yet.
void BM_BookOpenFirst(benchmark::State &state)
{
    bookOpen(state, true);
}
BENCHMARK(BM_BookOpenFirst)->Unit(benchmark::kMillisecond);

void BM_BookRowMove(benchmark::State &state)
{
    Shell &s = shell();
    auto book = s.open();
    store::Query &q = book->query();
    for (auto _ : state)
        q.moveTo(nextRow(q.currentRow(), q.recordCount()));
    if (!s.dialogs.errors.isEmpty())
        state.SkipWithError("a statistics refresh failed");
}
BENCHMARK(BM_BookRowMove)->Unit(benchmark::kMillisecond);

// A purchase typed and stored on the same 100 000-row table, then a move. Only the move is timed; `post_ms`
// is the append, the date and the post with the post's own notification (wall clock). The table grows by one
// row per iteration.
void BM_BookRowMoveAfterPost(benchmark::State &state)
{
    Shell &s = shell();
    auto book = s.open();
    store::Query &q = book->query();
    double postSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto start = std::chrono::steady_clock::now();
        q.append();
        q.setFieldText(QStringLiteral("datum"), QStringLiteral("5.9.2004"));
        q.post();
        postSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.ResumeTiming();
        q.moveTo(nextRow(q.currentRow(), q.recordCount()));
    }
    if (!s.dialogs.errors.isEmpty())
        state.SkipWithError("a post or a statistics refresh failed");
    state.counters["post_ms"] = benchmark::Counter(postSeconds * 1e3, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BookRowMoveAfterPost)->Unit(benchmark::kMillisecond)->Iterations(40);

// The grid's way of storing a typed purchase: the move itself stores the pending row, so its one refresh
// follows the write. Timed: the move (the durable insert and the refresh); the append and the date are not.
void BM_BookRowMoveStoringRow(benchmark::State &state)
{
    Shell &s = shell();
    auto book = s.open();
    store::Query &q = book->query();
    for (auto _ : state) {
        state.PauseTiming();
        q.append();
        q.setFieldText(QStringLiteral("datum"), QStringLiteral("5.9.2004"));
        state.ResumeTiming();
        q.moveTo(nextRow(q.currentRow(), q.recordCount()));
    }
    if (!s.dialogs.errors.isEmpty())
        state.SkipWithError("a store or a statistics refresh failed");
}
BENCHMARK(BM_BookRowMoveStoringRow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv, [] { theShell.reset(); });
}
