#include "SearchFixtures.h"
#include "TestServices.h"

#include "finder/MapSearch.h"
#include "platform/Failure.h"

#include <gtest/gtest.h>

#include <set>

namespace zv {
namespace {

// One log of what the window, the pointer and the event pump were asked, in order.
class SearchLog {
public:
    QStringList entries;
};

class LoggingView final : public FinderView {
public:
    explicit LoggingView(SearchLog& log) : m_log(log) {}
    void setGoPicture(const QString& name) override
    {
        m_log.entries.append(QStringLiteral("picture ") + name);
        if (missingPictures.count(name))
            throw Failure(FailureNumber::FileNotFound);
    }
    void setMessage(const QString& text) override { m_log.entries.append(QStringLiteral("message ") + text); }
    void leaveAfterFailure() override { m_log.entries.append(QStringLiteral("leave")); }

    std::set<QString> missingPictures;

private:
    SearchLog& m_log;
};

class LoggingPointer final : public Pointer {
public:
    explicit LoggingPointer(SearchLog& log) : m_log(log) {}
    void showBusy() override { m_log.entries.append(QStringLiteral("busy")); busy = true; }
    void showDefault() override { m_log.entries.append(QStringLiteral("default")); busy = false; }
    bool busy = false;

private:
    SearchLog& m_log;
};

class LoggingEvents final : public EventPump {
public:
    explicit LoggingEvents(SearchLog& log) : m_log(log) {}
    void letEventsRun() override { m_log.entries.append(QStringLiteral("events")); }

private:
    SearchLog& m_log;
};

// Drives C: and D: (hard disks), I: (hard disk), J: (a hard disk past I:), A: (floppy),
// E: (CD-ROM) and N: (network), all empty until a test puts files on them.
const test::TestPrefix& WithDrives(test::TestPrefix& prefix)
{
    for (auto [letter, type] : {std::pair{'C', "hd"}, {'D', "hd"}, {'I', "hd"}, {'J', "hd"},
                                {'A', "floppy"}, {'E', "cdrom"}, {'N', "network"}})
        prefix.addDrive(QLatin1Char(letter), QString::fromLatin1(type));
    return prefix;
}

class MapSearchTest : public ::testing::Test {
protected:
    bool search(const QString& name) { return RunMapSearch(state, services, messages, view, name); }

    test::TestPrefix prefix;
    test::TestServices host{WithDrives(prefix)};
    test::WalkCountingDrives drives{host.drives};
    SearchLog log;
    LoggingView view{log};
    LoggingPointer pointer{log};
    LoggingEvents events{log};
    test::RecordingMessageBoxes messages;
    Services services{host.files, drives, pointer, events, host.services.programFolder};
    ProgramState state;
};

TEST_F(MapSearchTest, TheFirstFixedDriveInDriveOrderWinsAndOtherKindsAreNeverSearched)
{
    const struct {
        const char* what;
        std::vector<const char*> files;
        const char* name;
        const char* found; // empty: not found
        QStringList walked;
    } cases[] = {
        {"on C: and D:", {"C:\\Maps\\Marsh.gmx", "D:\\Marsh.gmx"}, "Marsh.gmx",
         "C:\\Maps\\Marsh.gmx", {"C:\\"}},
        {"only on D:", {"D:\\Hunting\\Deep\\Marsh.gmx"}, "Marsh.gmx",
         "D:\\Hunting\\Deep\\Marsh.gmx", {"C:\\", "D:\\"}},
        {"typed in other letters' case", {"D:\\Maps\\Marsh.gmx"}, "MARSH.GMX", "D:\\Maps\\Marsh.gmx",
         {"C:\\", "D:\\"}},
        {"only on floppy, CD-ROM and network drives",
         {"A:\\Marsh.gmx", "E:\\Marsh.gmx", "N:\\Maps\\Marsh.gmx"}, "Marsh.gmx", "",
         {"C:\\", "D:\\", "I:\\"}},
        {"only on a hard disk past I:", {"J:\\Marsh.gmx"}, "Marsh.gmx", "", {"C:\\", "D:\\", "I:\\"}},
        {"on I:", {"I:\\Games\\Marsh.gmx"}, "Marsh.gmx", "I:\\Games\\Marsh.gmx",
         {"C:\\", "D:\\", "I:\\"}},
        {"the empty name", {"C:\\Marsh.gmx"}, "", "", {"C:\\", "D:\\", "I:\\"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TestPrefix casePrefix;
        test::TestServices caseHost{WithDrives(casePrefix)};
        test::WalkCountingDrives caseDrives{caseHost.drives};
        for (const char* file : c.files)
            casePrefix.file(QString::fromLatin1(file), "map");
        Services caseServices{caseHost.files, caseDrives, pointer, events, QString()};
        ProgramState caseState;
        log.entries.clear();

        const bool reported =
            RunMapSearch(caseState, caseServices, messages, view, QString::fromLatin1(c.name));

        const QString found = QString::fromLatin1(c.found);
        EXPECT_EQ(reported, !found.isEmpty());
        // I: stands for indexes 8 to 14 but is walked once.
        EXPECT_EQ(caseDrives.walked, c.walked);
        EXPECT_EQ(caseState.FoundMapPath, found);
        EXPECT_EQ(caseState.FoundMapPending, !found.isEmpty());
        EXPECT_TRUE(log.entries.contains(QStringLiteral("message ") +
                                         (found.isEmpty() ? kNotFoundMessage : FoundMessage(found))));
        EXPECT_EQ(log.entries.last(), QStringLiteral("picture Go.bmp"));
        EXPECT_FALSE(pointer.busy);
    }
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MapSearchTest, TheMessageRepaintsBeforeTheDrivesAreClassifiedAndAgainBeforeTheWalk)
{
    prefix.file(QStringLiteral("D:\\Maps\\Marsh.gmx"));
    search(QStringLiteral("Marsh.gmx"));
    EXPECT_EQ(log.entries,
              (QStringList{"picture GoOff.bmp", "busy",
                           "message Searching for the file... please wait.", "events", "events",
                           "message File found at D:\\Maps\\Marsh.gmx.  Close this box to view the "
                           "file's location in Zorvane.",
                           "default", "picture Go.bmp"}));
    EXPECT_EQ(state.DriveTypes[0], QStringLiteral("FIXED"));
    EXPECT_EQ(state.DriveTypes[1], QStringLiteral("REMOVABLE"));
    EXPECT_EQ(state.DriveTypes[4], QStringLiteral("CDROM"));
}

TEST_F(MapSearchTest, ASearchThatFindsNothingKeepsTheEarlierFind)
{
    state.FoundMapPath = QStringLiteral("C:\\Maps\\Earlier.gmx");
    state.FoundMapPending = true;
    EXPECT_FALSE(search(QStringLiteral("Nowhere.gmx")));
    EXPECT_EQ(state.FoundMapPath, QStringLiteral("C:\\Maps\\Earlier.gmx"));
    EXPECT_TRUE(state.FoundMapPending);
    EXPECT_TRUE(log.entries.contains(QStringLiteral("message ") + kNotFoundMessage));
    EXPECT_EQ(drives.walked, (QStringList{"C:\\", "D:\\", "I:\\"}));
}

TEST_F(MapSearchTest, AFailureIsShownDescriptionFirstAndTheFinderIsLeft)
{
    const struct {
        const char* what;
        const char* missing;
        QStringList walked;
        bool found;
    } cases[] = {
        // The search never starts.
        {"busy picture missing", "GoOff.bmp", {}, false},
        // The find itself stands: it was recorded before the picture failed.
        {"ready picture missing", "Go.bmp", {"C:\\", "D:\\"}, true},
    };
    prefix.file(QStringLiteral("D:\\Marsh.gmx"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        state = ProgramState{};
        state.FoundMapPath = QStringLiteral("C:\\Earlier.gmx");
        drives.walked.clear();
        messages.shown.clear();
        log.entries.clear();
        view.missingPictures = {QString::fromLatin1(c.missing)};

        EXPECT_FALSE(search(QStringLiteral("Marsh.gmx"))) << "the finder is left";

        EXPECT_EQ(messages.shown, QStringList{QStringLiteral("File not found, 53")});
        EXPECT_EQ(drives.walked, c.walked);
        EXPECT_EQ(state.FoundMapPath,
                  c.found ? QStringLiteral("D:\\Marsh.gmx") : QStringLiteral("C:\\Earlier.gmx"));
        EXPECT_EQ(state.FoundMapPending, c.found);
        EXPECT_FALSE(pointer.busy);
        EXPECT_EQ(log.entries.mid(log.entries.size() - 2),
                  (QStringList{"picture Go.bmp", "leave"}));
    }
}

TEST(SearchName, OnlyTheBlanksAroundTheNameGo)
{
    const struct {
        const char* typed;
        const char* name;
    } cases[] = {
        {"Marsh.gmx", "Marsh.gmx"},
        {"   Marsh.gmx  ", "Marsh.gmx"},
        {"Big Marsh.gmx", "Big Marsh.gmx"},
        {"  Big  Marsh.gmx ", "Big  Marsh.gmx"},
        {"    ", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SearchNameOf(QString::fromLatin1(c.typed)), QString::fromLatin1(c.name)) << c.typed;
}

} // namespace
} // namespace zv
