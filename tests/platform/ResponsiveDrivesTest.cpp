#include "ExpectFailure.h"
#include "platform/Failure.h"
#include "platform/QtServices.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

namespace zv {
namespace {

// A search that takes its time, so the window thread has to keep going meanwhile.
class SlowDrives final : public Drives {
public:
    int driveType(const QString&) const override { return 3; }
    QString searchTreeForFile(const QString& root, const QString& name) const override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        if (name == QLatin1String("fail"))
            throw Failure(FailureNumber::DiskNotReady);
        return root + name;
    }
    QStringList driveNames() const override { return {}; }
};

TEST(ResponsiveDrives, TheWindowKeepsRunningButTakesNoInput)
{
    SlowDrives slow;
    ResponsiveDrives drives(slow);
    QPushButton button(QStringLiteral("Go"));
    button.show();
    QSignalSpy clicks(&button, &QPushButton::clicked);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    // A click that arrives while the search runs.
    QTimer::singleShot(50, [&] { QTest::mouseClick(&button, Qt::LeftButton); });

    EXPECT_EQ(drives.searchTreeForFile(QStringLiteral("C:\\"), QStringLiteral("x.exe")),
              QStringLiteral("C:\\x.exe"));
    EXPECT_GE(ticks, 5) << "events ran during the search";
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks.count(), 0) << "the click was not taken, then or later";
}

TEST(ResponsiveDrives, AFailureOfTheSearchReachesTheCaller)
{
    SlowDrives slow;
    ResponsiveDrives drives(slow);
    test::ExpectFailure(FailureNumber::DiskNotReady, [&] {
        drives.searchTreeForFile(QStringLiteral("C:\\"), QStringLiteral("fail"));
    });
}

} // namespace
} // namespace zv
