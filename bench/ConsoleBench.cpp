// Times the console on a big collection: opening it, refreshing both lists,
// and storing one map (map and preview) with the refresh that follows, with
// 20,000 maps (each with its preview) in the maps folder and 20,000 in storage.
//
//   zorvane-bench-console [FOLDER]
//
// FOLDER holds the synthetic Wine prefix; it is built when missing and reused
// when complete. Without it the prefix lives in a temporary folder.

#include "BenchStats.h"
#include "StandInServices.h"

#include "console/MapMain.h"
#include "core/MapFolders.h"
#include "frame/MDIForm1.h"
#include "platform/DriveTable.h"
#include "platform/Drives.h"
#include "platform/HostFileSystem.h"
#include "platform/ProgramFolder.h"
#include "platform/Screen.h"
#include "platform/SupportImages.h"
#include "widgets/FileLists.h"
#include "widgets/ImageButton.h"
#include "widgets/MapLists.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/utsname.h>
#include <time.h>
#include <vector>

namespace zv {
namespace {

constexpr int kMapsPerFolder = 20000;
constexpr int kRepetitions = 9;
constexpr double kOpenTargetMs = 200;
constexpr double kRefreshTargetMs = 200;
constexpr double kStoreTargetMs = 250;

const QString kGame = QStringLiteral("C:\\Games\\Wild Wings");
const QString kCompleteMarker = QStringLiteral("prefix-complete");

// The map names: long enough to look like real ones, in no particular order on disk.
QString MapName(int i)
{
    return QStringLiteral("Hunting Grounds %1 Ridge_%2")
        .arg((i * 7919) % 100000, 5, 10, QLatin1Char('0'))
        .arg(i);
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A prefix with drive C: and the game on it, the program folder with the Support pictures.
void BuildPrefix(const QString& root, const QString& supportFolder)
{
    if (QFile::exists(root + QLatin1Char('/') + kCompleteMarker))
        return;
    std::printf("building the collection in %s ...\n", qPrintable(root));
    std::fflush(stdout);
    QDir().mkpath(root + QStringLiteral("/prefix/dosdevices"));
    QDir().mkpath(root + QStringLiteral("/drives/c"));
    QFile::remove(root + QStringLiteral("/prefix/dosdevices/c:"));
    QFile::link(root + QStringLiteral("/drives/c"), root + QStringLiteral("/prefix/dosdevices/c:"));
    WriteFile(root + QStringLiteral("/prefix/system.reg"),
              "WINE REGISTRY Version 2\n\n"
              "[Software\\\\Wine\\\\Drives] 1700000000\n\"c:\"=\"hd\"\n");
    const QString game = root + QStringLiteral("/drives/c/Games/Wild Wings");
    const QString maps = game + QStringLiteral("/Home/Maps");
    const QString stored = maps + QStringLiteral("/Stored Maps");
    QDir().mkpath(stored);
    WriteFile(game + QStringLiteral("/Wild Wings.exe"), "exe");
    const QByteArray map(2048, 'm');
    const QByteArray preview(30000, 'p');
    for (int i = 0; i < 2 * kMapsPerFolder; ++i) {
        const QString folder = i % 2 == 0 ? maps : stored;
        WriteFile(folder + QLatin1Char('/') + MapName(i) + QStringLiteral(".gmx"), map);
        WriteFile(folder + QLatin1Char('/') + MapName(i) + QStringLiteral(".bmp"), preview);
    }
    const QString support = root + QStringLiteral("/program/Support");
    QDir().mkpath(support);
    QDirIterator pictures(supportFolder, QDir::Files);
    while (pictures.hasNext()) {
        const QString from = pictures.next();
        QFile::remove(support + QLatin1Char('/') + pictures.fileName());
        QFile::copy(from, support + QLatin1Char('/') + pictures.fileName());
    }
    WriteFile(root + QLatin1Char('/') + kCompleteMarker, "done");
}

// Hosts the console as the program does: a frame, and the console loaded by name.
class Bench final : public Forms {
public:
    explicit Bench(const QString& root)
        : m_table(DriveTable::FromWinePrefix(root + QStringLiteral("/prefix"))),
          m_files(m_table), m_drives(m_table),
          m_services{m_files, m_drives, m_pointer, m_events,
                     ProgramFolderPath(m_table, root + QStringLiteral("/program"))},
          m_images(m_files, m_services.programFolder),
          m_context{m_state, m_services, m_messages, m_addresses, m_launcher, m_screen, m_images,
                    *this},
          m_frame(m_state, m_addresses, m_images, m_screen)
    {
        m_frame.resize(1024, 768);
        m_frame.show();
        m_state.CurrentGame = kBhwwe;
        m_state.BhwweFolder = kGame;
        m_state.MapsFolder = MapsFolderOf(kGame);
    }

    QWidget* loaded(const QString& name) const override
    {
        return name == QLatin1String("MapMain") ? m_console : nullptr;
    }
    QWidget* load(const QString& name) override
    {
        if (name != QLatin1String("MapMain"))
            return nullptr;
        if (!m_console) {
            m_console = new MapMain(m_context);
            m_console->Load();
        }
        return m_console;
    }
    void unload(const QString& name) override
    {
        if (name == QLatin1String("MapMain") && m_console) {
            m_console->Unload();
            delete m_console;
            m_console = nullptr;
        }
    }
    MDIForm1& mainFrame() const override { return const_cast<MDIForm1&>(m_frame); }
    void endProgram() override {}

    ProgramState& state() { return m_state; }
    const test::RecordingMessageBoxes& messages() const { return m_messages; }
    FileListBox& list(const char* name) const
    {
        return *m_console->findChild<FileListBox*>(QLatin1String(name));
    }
    ImageButton& button(const char* name) const
    {
        return *m_console->findChild<ImageButton*>(QLatin1String(name));
    }

private:
    DriveTable m_table;
    HostFileSystem m_files;
    HostDrives m_drives;
    test::RecordingPointer m_pointer;
    test::CountingEventPump m_events;
    Services m_services;
    SupportImages m_images;
    ProgramState m_state;
    test::RecordingMessageBoxes m_messages;
    test::RecordingAddressOpener m_addresses;
    test::RecordingLauncher m_launcher;
    FixedScreen m_screen;
    WindowContext m_context;
    MDIForm1 m_frame;
    MapMain* m_console = nullptr;
};

// Wall-clock and processor time of one piece of work, in milliseconds. The
// processor time (user and system, this process) shows what the work costs
// when other programs share the machine.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

double ProcessCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

Timing Measure(const std::function<void()>& work)
{
    QElapsedTimer timer;
    const double cpuStart = ProcessCpuMilliseconds();
    timer.start();
    work();
    return {timer.nsecsElapsed() / 1e6, ProcessCpuMilliseconds() - cpuStart};
}

// The value of the first "name: value" line of a file such as /proc/cpuinfo,
// whose size reads as 0 until it is read.
QString ValueIn(const QString& path, const QString& name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromLocal8Bit(raw).trimmed();
        if (line.startsWith(name))
            return line.mid(line.indexOf(QLatin1Char(':')) + 1).trimmed();
    }
    return QString();
}

QString LoadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2);
}

void PrintMachine(const QString& root)
{
    utsname name{};
    uname(&name);
    std::printf("machine: %d x %s, %s %s, collection on %s\n", QThread::idealThreadCount(),
                qPrintable(ValueIn(QStringLiteral("/proc/cpuinfo"), QStringLiteral("model name"))),
                name.sysname, name.release,
                QStorageInfo(root).fileSystemType().constData());
    std::printf("load average at the start: %s\n", qPrintable(LoadAverage()));
}

struct Row {
    const char* what;
    double target;
    std::vector<double> wall;
    std::vector<double> cpu;

    void add(const Timing& timing)
    {
        wall.push_back(timing.wall);
        cpu.push_back(timing.cpu);
    }
};

} // namespace
} // namespace zv

int main(int argc, char** argv)
{
    using namespace zv;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::unique_ptr<QTemporaryDir> temporary;
    QString root;
    if (argc > 1) {
        root = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
        QDir().mkpath(root);
    } else {
        temporary = std::make_unique<QTemporaryDir>();
        root = temporary->path();
    }
    PrintMachine(root);
    BuildPrefix(root, QStringLiteral(ZV_SUPPORT_DIR));

    Bench bench(root);
    Row open{"open the console", kOpenTargetMs, {}, {}};
    Row refresh{"refresh both lists", kRefreshTargetMs, {}, {}};
    Row store{"store one map and refresh", kStoreTargetMs, {}, {}};
    Row install{"install one map and refresh", kStoreTargetMs, {}, {}};

    // A warm-up round first, so every measured round finds the page cache warm.
    for (int round = 0; round <= kRepetitions; ++round) {
        const bool measured = round > 0;
        const Timing openMs = Measure([&] {
            QWidget* console = bench.load(QStringLiteral("MapMain"));
            console->show();
            QCoreApplication::processEvents();
        });
        FileListBox& game = bench.list("File1");
        FileListBox& stored = bench.list("File2");
        if (game.count() != kMapsPerFolder || stored.count() != kMapsPerFolder) {
            std::printf("expected %d maps in each list, saw %d and %d (messages: %s)\n",
                        kMapsPerFolder, int(game.count()), int(stored.count()),
                        qPrintable(bench.messages().shown.join(QStringLiteral(" | "))));
            return 1;
        }
        const Timing refreshMs =
            Measure([&] { ListConsoleMaps(bench.state(), game, stored); });

        // Store the map in the middle of the list, then install it again, so that
        // every round sees the same collection.
        const int row = kMapsPerFolder / 2;
        const QString name = game.item(row)->text();
        game.setCurrentRow(row);
        const Timing storeMs = Measure([&] {
            emit bench.button("Image9").mouseDown(Qt::LeftButton);
        });
        if (!stored.names().contains(name) || game.names().contains(name)) {
            std::printf("expected %s to be stored\n", qPrintable(name));
            return 1;
        }
        stored.setCurrentRow(int(stored.names().indexOf(name)));
        const Timing installMs = Measure([&] {
            emit bench.button("Image8").mouseDown(Qt::LeftButton);
        });
        if (!game.names().contains(name)) {
            std::printf("expected %s to be installed again\n", qPrintable(name));
            return 1;
        }
        bench.unload(QStringLiteral("MapMain"));
        if (measured) {
            open.add(openMs);
            refresh.add(refreshMs);
            store.add(storeMs);
            install.add(installMs);
        }
    }
    if (!bench.messages().shown.isEmpty()) {
        std::printf("unexpected messages: %s\n",
                    qPrintable(bench.messages().shown.join(QStringLiteral(" | "))));
        return 1;
    }

    std::printf("\n%d maps with previews in the maps folder and %d in storage, %d rounds:\n\n",
                kMapsPerFolder, kMapsPerFolder, kRepetitions);
    std::printf("| %-28s | %11s | %11s | %11s | %13s | %11s |\n", "operation", "median (ms)",
                "min (ms)", "max (ms)", "CPU, median", "target (ms)");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", "------------------------------", "------------:",
                "------------:", "------------:", "--------------:", "------------:");
    bool withinTargets = true;
    for (const Row* row : {&open, &refresh, &store, &install}) {
        const double median = Median(row->wall);
        withinTargets = withinTargets && median < row->target;
        std::printf("| %-28s | %11.1f | %11.1f | %11.1f | %13.1f | %11.0f |\n", row->what, median,
                    *std::min_element(row->wall.begin(), row->wall.end()),
                    *std::max_element(row->wall.begin(), row->wall.end()), Median(row->cpu),
                    row->target);
    }
    std::printf("\nload average at the end: %s\n", qPrintable(LoadAverage()));
    std::printf("%s\n", withinTargets ? "every median is within its target"
                                      : "a median is over its target");
    return withinTargets ? 0 : 1;
}
