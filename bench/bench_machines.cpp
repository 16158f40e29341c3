// Machine register benchmarks: 500 machines, each with a 3 MB photo (a 1024 × 1024 bitmap of 24 bits). The
// list (TForm14) reads only names and years, so opening it should cost what it costs without any photos; the
// card (TForm15) reads and shows one photo.

#include "guimain.h"
#include "purchases.h"
#include "silentdialogs.h"

#include "app/mainwindow.h"
#include "app/screenregistry.h"
#include "app/workspace.h"
#include "machines/machinecard.h"
#include "machines/machinelist.h"
#include "reports/report.h"
#include "store/database.h"
#include "store/installation.h"
#include "store/query.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr int kMachines = 500;

QByteArray photo(int seed)
{
    QImage image(1024, 1024, QImage::Format_RGB888);
    image.fill(QColor((seed * 37) % 256, (seed * 11) % 256, 90));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// A data directory with the installation tables and the machine register filled, with photos or without.
struct MachineDir {
    QTemporaryDir dir;
    explicit MachineDir(bool photos)
    {
        store::installTables(dir.path());
        sqlite3 *db = nullptr;
        const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("seznam_stroju.db")));
        bench::sqliteCheck(db, sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr),
                           "open");
        std::unique_ptr<sqlite3, decltype(&sqlite3_close)> guard(db, &sqlite3_close);
        bench::sqliteCheck(db, sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr, nullptr),
                           "begin");
        sqlite3_stmt *st = nullptr;
        bench::sqliteCheck(db,
                           sqlite3_prepare_v2(db,
                                              "INSERT INTO seznam_stroju (stroj, rok_vyroby, barva, foto) "
                                              "VALUES (?, ?, 'zelená', ?)",
                                              -1, &st, nullptr),
                           "prepare");
        for (int i = 0; i < kMachines; ++i) {
            const QByteArray name = "Stroj " + QByteArray::number(i);
            sqlite3_bind_text(st, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
            sqlite3_bind_double(st, 2, 1960 + i % 60);
            if (photos) {
                const QByteArray bmp = photo(i);
                sqlite3_bind_blob(st, 3, bmp.constData(), int(bmp.size()), SQLITE_TRANSIENT);
            } else {
                sqlite3_bind_null(st, 3);
            }
            bench::sqliteCheck(db, sqlite3_step(st), "insert");
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        bench::sqliteCheck(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), "commit");
    }
};

// The main menu over one such directory.
struct Shell {
    MachineDir data;
    store::Database db{data.dir.path()};
    app::ScreenRegistry screens;
    SilentDialogs dialogs;
    app::MainWindow window{db, dialogs, screens};
    reports::ReportLibrary reports{db};

    explicit Shell(bool photos) : data(photos)
    {
        window.workspace().workingYear = QStringLiteral("2004");
        window.context().reports = &reports;
    }
};

std::unique_ptr<Shell> withPhotos, withoutPhotos;

Shell &shell(bool photos)
{
    auto &s = photos ? withPhotos : withoutPhotos;
    if (!s)
        s = std::make_unique<Shell>(photos);
    return *s;
}

void listOpen(benchmark::State &state, bool photos)
{
    Shell &s = shell(photos);
    for (auto _ : state) {
        auto list = std::make_unique<machines::MachineList>(s.window.context(), &s.window);
        list->show(); // the opening: the list's query and the count
        if (list->query().recordCount() != kMachines || !s.dialogs.errors.isEmpty()) {
            state.SkipWithError("the list did not show the machines");
            break;
        }
    }
}
void BM_MachineListOpen_Photos(benchmark::State &state)
{
    listOpen(state, true);
}
void BM_MachineListOpen_NoPhotos(benchmark::State &state)
{
    listOpen(state, false);
}
BENCHMARK(BM_MachineListOpen_Photos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MachineListOpen_NoPhotos)->Unit(benchmark::kMillisecond);

// One card, a different machine each time: the exact-name query, the fields and the photo scaled to its
// frame.
void BM_MachineCardOpen(benchmark::State &state)
{
    Shell &s = shell(true);
    int i = 0;
    for (auto _ : state) {
        s.window.workspace().selectedMachine = QStringLiteral("Stroj %1").arg((i += 97) % kMachines);
        auto card = std::make_unique<machines::MachineCard>(s.window.context(), &s.window);
        card->show();
        if (card->query().fieldPicture(QStringLiteral("foto")).size() < 3000000 ||
            !s.dialogs.errors.isEmpty()) {
            state.SkipWithError("the card did not show its photo");
            break;
        }
    }
}
BENCHMARK(BM_MachineCardOpen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv, [] {
        withPhotos.reset();
        withoutPhotos.reset();
    });
}
