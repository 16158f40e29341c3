// Store benchmarks: loading a year of fuel purchases into a result set, against a bare SQLite step loop over
// the same file; an aggregate; one durable post; the memory an open result set holds.

#include "purchases.h"

#include "store/database.h"
#include "store/query.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QFile>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <memory>
#include <stdexcept>
#include <unistd.h>

namespace {

constexpr int kRows = 100000;
const QString kBigTable = QStringLiteral("phm_nakup2004");
const QString kPostTable = QStringLiteral("phm_nakup2005");

using bench::sqliteCheck;

// One data directory per process, built before the first timed loop and removed at exit.
struct Fixture {
    bench::PurchaseDir data{kRows, {kBigTable, kPostTable}};
    std::unique_ptr<store::Database> db = std::make_unique<store::Database>(data.dir.path());

    QString path(const QString &table) const { return data.path(table); }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void BM_OpenResultSet(benchmark::State &state)
{
    Fixture &f = fixture();
    store::Query q(*f.db);
    q.add("select * from phm_nakup2004");
    for (auto _ : state) {
        q.open();
        if (q.recordCount() != kRows) {
            state.SkipWithError("the year table does not hold the rows it was filled with");
            break;
        }
        q.close();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_OpenResultSet)->Unit(benchmark::kMillisecond);

// The floor: what SQLite alone costs to hand over the same rows, without building anything from them.
void BM_BareStepLoop(benchmark::State &state)
{
    Fixture &f = fixture();
    sqlite3 *db = nullptr;
    sqliteCheck(db,
                sqlite3_open_v2(QFile::encodeName(f.path(kBigTable)).constData(), &db,
                                SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr),
                "open");
    std::unique_ptr<sqlite3, decltype(&sqlite3_close)> guard(db, &sqlite3_close);
    const char *sql = "SELECT rowid, datum, mnozstvi, cena FROM phm_nakup ORDER BY rowid";
    for (auto _ : state) {
        sqlite3_stmt *st = nullptr;
        sqliteCheck(db, sqlite3_prepare_v2(db, sql, -1, &st, nullptr), "prepare");
        int rows = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            sqlite3_int64 rowid = sqlite3_column_int64(st, 0);
            const unsigned char *date = sqlite3_column_text(st, 1);
            int dateBytes = sqlite3_column_bytes(st, 1);
            double quantity = sqlite3_column_double(st, 2);
            double price = sqlite3_column_double(st, 3);
            benchmark::DoNotOptimize(rowid);
            benchmark::DoNotOptimize(date);
            benchmark::DoNotOptimize(dateBytes);
            benchmark::DoNotOptimize(quantity);
            benchmark::DoNotOptimize(price);
            ++rows;
        }
        sqlite3_finalize(st);
        if (rows != kRows) {
            state.SkipWithError("the year table does not hold the rows it was filled with");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_BareStepLoop)->Unit(benchmark::kMillisecond);

void BM_Aggregate(benchmark::State &state)
{
    Fixture &f = fixture();
    store::Query q(*f.db);
    q.add("select sum (cena) as x from phm_nakup2004");
    for (auto _ : state) {
        q.open();
        QString total = q.fieldText("x");
        benchmark::DoNotOptimize(total);
        q.close();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_Aggregate)->Unit(benchmark::kMillisecond);

// One purchase typed in and stored: its own transaction, on disk before post returns. Wall time, since the
// cost is waiting for the disk, not the processor.
void BM_PostDurable(benchmark::State &state)
{
    Fixture &f = fixture();
    store::Query q(*f.db);
    q.add("select * from phm_nakup2005");
    q.open();
    for (auto _ : state) {
        q.append();
        q.setFieldText("datum", "5.9.2004");
        q.setFieldText("mnozstvi", "42,5");
        q.setFieldText("cena", "1234,5");
        q.post();
    }
    q.close();
}
BENCHMARK(BM_PostDurable)->Unit(benchmark::kMicrosecond)->UseRealTime();

std::size_t residentBytes()
{
    long pages = 0, resident = 0;
    if (FILE *fp = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(fp, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(fp);
    }
    return std::size_t(resident) * std::size_t(sysconf(_SC_PAGESIZE));
}

// What an open year of 100 000 rows keeps: resident growth and live heap growth while it is open. Both start
// from a trimmed heap so that pages freed by the previous close are not counted as reused.
void BM_ResultSetMemory(benchmark::State &state)
{
    Fixture &f = fixture();
    store::Query q(*f.db);
    q.add("select * from phm_nakup2004");
    double rss = 0, heap = 0;
    for (auto _ : state) {
        state.PauseTiming();
        malloc_trim(0);
        const std::size_t rss0 = residentBytes();
        const std::size_t heap0 = mallinfo2().uordblks + mallinfo2().hblkhd;
        state.ResumeTiming();
        q.open();
        state.PauseTiming();
        rss += double(residentBytes()) - double(rss0);
        heap += double(mallinfo2().uordblks + mallinfo2().hblkhd) - double(heap0);
        q.close();
        state.ResumeTiming();
    }
    const double n = double(state.iterations());
    state.counters["rss_MB"] = rss / n / 1e6;
    state.counters["heap_MB"] = heap / n / 1e6;
    state.counters["heap_B_per_row"] = heap / n / kRows;
}
BENCHMARK(BM_ResultSetMemory)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    // Number texts as the program shows them to its users.
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
