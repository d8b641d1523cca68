// The real browser engine, loaded as the program loads it: it browses privately, so nothing of
// what it visits (the repository sets a cookie that would last an hour) is kept on disk.

#include "RepositoryServer.h"

#include "platform/BrowserEngine.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace zv {
namespace {

QStringList FilesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator all(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (all.hasNext())
        files.append(all.next());
    return files;
}

TEST(EngineBrowser, BrowsesWithoutKeepingAnythingOnDisk)
{
    // Every place the engine could keep a profile points into an empty folder of the test.
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    for (const char* variable : {"HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
        qputenv(variable, home.path().toLocal8Bit() + '/' + QByteArray(variable).toLower());

    scenario::RepositoryServer repository(QStringLiteral(ZV_REPOSITORY_DIR));
    ASSERT_FALSE(repository.base().isEmpty());

    auto window = std::make_unique<QWidget>();
    window->resize(640, 480);
    window->show();
    bool ended = false;
    BrowserEvents events;
    events.progressChange = [&ended](qint32 progress, qint32) { ended = ended || progress == -1; };
    QString whyNot;
    BrowserComponent* browser = MakeEngineBrowser(window.get(), std::move(events), &whyNot);
    ASSERT_TRUE(browser) << qPrintable(whyNot);
    browser->widget()->resize(640, 480);
    browser->widget()->show();

    const QString index = repository.base() + QStringLiteral("/archive/Zorvane/index.html");
    browser->Navigate2(index);
    EXPECT_TRUE(browser->Busy());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended && !browser->Busy(); }, 60000));
    EXPECT_EQ(browser->LocationURL(), index);

    window.reset();
    QTest::qWait(200);
    const QStringList kept = FilesBelow(home.path());
    EXPECT_TRUE(kept.isEmpty()) << "kept on disk:\n" << qPrintable(kept.join(QLatin1Char('\n')));
}

} // namespace
} // namespace zv
