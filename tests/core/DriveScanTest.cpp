#include "TestServices.h"

#include "core/DriveScan.h"

#include <gtest/gtest.h>

#include <map>

namespace zv {
namespace {

// Drives by root with their types and the one file each may hold; every
// search is written down.
class FakeDrives final : public Drives {
public:
    int driveType(const QString& root) const override
    {
        const auto it = types.find(root);
        return it == types.end() ? 1 : it->second;
    }
    QString searchTreeForFile(const QString& root, const QString& name) const override
    {
        searched.append(root);
        const auto it = holds.find(root);
        return it != holds.end() && it->second == name ? root + name : QString();
    }
    QStringList driveNames() const override { return {}; }

    std::map<QString, int> types;
    std::map<QString, QString> holds;
    mutable QStringList searched;
};

class DriveScanTest : public ::testing::Test {
protected:
    QString scan(const char* name) { return ScanFixedDrives(state, services, QString::fromLatin1(name)); }

    test::TestPrefix prefix;
    test::TestServices host{prefix};
    FakeDrives drives;
    Services services{host.files, drives, host.pointer, host.events, QString()};
    ProgramState state;
};

TEST_F(DriveScanTest, DriveIWalkedOnceStandsForItsSixRepeats)
{
    drives.types = {{"C:\\", 3}, {"D:\\", 5}, {"I:\\", 3}};
    EXPECT_EQ(scan("Wild Wings.exe"), QString());
    EXPECT_EQ(drives.searched, (QStringList{"C:\\", "I:\\"}));
    for (int index = 8; index <= 14; ++index)
        EXPECT_EQ(state.DriveTypes[index], QStringLiteral("FIXED")) << index;
    EXPECT_EQ(state.DriveTypes[3], QStringLiteral("CDROM"));
    EXPECT_EQ(state.DriveIndex, 14);
    EXPECT_EQ(state.DriveRoot, QStringLiteral("I:\\"));
    EXPECT_GE(host.events.count, 1) << "the window repaints between classifying and searching";
}

TEST_F(DriveScanTest, TheFirstFixedDriveHoldingTheFileWins)
{
    drives.types = {{"C:\\", 3}, {"D:\\", 3}, {"E:\\", 3}, {"I:\\", 3}};
    drives.holds = {{"D:\\", "x.gmx"}, {"E:\\", "x.gmx"}, {"I:\\", "x.gmx"}};
    EXPECT_EQ(scan("x.gmx"), QStringLiteral("D:\\x.gmx"));
    EXPECT_EQ(drives.searched, (QStringList{"C:\\", "D:\\"}));
    EXPECT_EQ(state.DriveIndex, 3);
}

TEST_F(DriveScanTest, AFileOnDriveIIsFoundAtItsOwnIndex)
{
    drives.types = {{"I:\\", 3}};
    drives.holds = {{"I:\\", "x.gmx"}};
    EXPECT_EQ(scan("x.gmx"), QStringLiteral("I:\\x.gmx"));
    EXPECT_EQ(state.DriveIndex, 8);
}

TEST_F(DriveScanTest, StaleEntriesFromAnEarlierScanAreNotWalkedTwice)
{
    // I: was fixed in an earlier scan and is gone now: its entries keep their text.
    for (int index = 8; index <= 14; ++index)
        state.DriveTypes[index] = QStringLiteral("FIXED");
    state.DriveTypes[1] = QStringLiteral("REMOVABLE");
    drives.types = {{"C:\\", 3}};
    EXPECT_EQ(scan("x.gmx"), QString());
    EXPECT_EQ(drives.searched, (QStringList{"C:\\", "I:\\"}));
    EXPECT_EQ(state.DriveTypes[1], QStringLiteral("REMOVABLE")) << "a missing root keeps its text";
}

TEST_F(DriveScanTest, OnlyFixedDrivesAreSearched)
{
    drives.types = {{"C:\\", 4}, {"A:\\", 2}, {"D:\\", 5}, {"E:\\", 6}, {"F:\\", 0}};
    drives.holds = {{"C:\\", "x.gmx"}, {"D:\\", "x.gmx"}, {"E:\\", "x.gmx"}};
    EXPECT_EQ(scan("x.gmx"), QString());
    EXPECT_TRUE(drives.searched.isEmpty());
    EXPECT_EQ(state.DriveTypes[0], QStringLiteral("REMOTE"));
    EXPECT_EQ(state.DriveTypes[4], QStringLiteral("RAMDISK"));
    EXPECT_EQ(state.DriveTypes[5], QStringLiteral("UNDETERMINED"));
}

} // namespace
} // namespace zv
