#include "WindowHarness.h"

#include "frame/Addresses.h"
#include "frame/InformationTexts.h"
#include "frame/InformationWindow.h"
#include "widgets/ImageButton.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace zv {
namespace {

class NoLauncher final : public Launcher {
public:
    qint64 start(const QString&) override { return 0; }
};

const QStringList kStandIns = {
    QStringLiteral("Startup"), QStringLiteral("MapMain"),  QStringLiteral("MapManager"),
    QStringLiteral("FindMaps"), QStringLiteral("ListMaps"), QStringLiteral("Grabber"),
    QStringLiteral("Install"),
};

class InformationWindows : public ::testing::Test {
protected:
    InformationWindows()
    {
        for (const QString& name : kStandIns)
            harness.forms.addStandIn(name);
        for (const QString& help : {QStringLiteral("Help1"), QStringLiteral("Help2"), QStringLiteral("Help3")})
            harness.forms.addBuilder(help, [this, help] { return new InformationWindow(help, harness.context); });
    }
    QWidget* openHelp(const QString& name)
    {
        QWidget* window = harness.forms.load(name);
        window->show();
        return window;
    }
    void loadAll(const QStringList& names)
    {
        for (const QString& name : names)
            harness.forms.load(name)->show();
        harness.forms.log.clear();
    }

    NoLauncher launcher;
    test::WindowHarness harness{launcher};
};

TEST_F(InformationWindows, OpeningOneClosesTheWorkingWindowsAndTheOtherTwoInOrder)
{
    const struct {
        const char* help;
        QStringList closed;
    } cases[] = {
        {"Help1", {"MapMain", "MapManager", "FindMaps", "Grabber", "Help3", "Help2"}},
        {"Help2", {"MapMain", "MapManager", "FindMaps", "Grabber", "Help1", "Help3"}},
        {"Help3", {"MapMain", "MapManager", "FindMaps", "Grabber", "Help1", "Help2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.help);
        const QString help = QLatin1String(c.help);
        // Only one information window can be open through its own Load, so the other two are
        // stand-ins here, open together with every other window.
        QStringList all = kStandIns;
        for (const QString& other : {QStringLiteral("Help1"), QStringLiteral("Help2"), QStringLiteral("Help3")}) {
            if (other == help) {
                harness.forms.addBuilder(other, [this, other] { return new InformationWindow(other, harness.context); });
            } else {
                harness.forms.addStandIn(other);
                all.append(other);
            }
        }
        loadAll(all);

        openHelp(help);
        QStringList expected = {QStringLiteral("load ") + help};
        for (const QString& closed : c.closed)
            expected.append(QStringLiteral("unload ") + closed);
        EXPECT_EQ(harness.forms.log, expected);
        for (const char* untouched : {"Startup", "ListMaps", "Install"})
            EXPECT_NE(harness.forms.loaded(QLatin1String(untouched)), nullptr) << untouched;
        harness.forms.unload(help);
    }
}

TEST_F(InformationWindows, OnlyOneIsEverOpen)
{
    openHelp(QStringLiteral("Help1"));
    openHelp(QStringLiteral("Help2"));
    EXPECT_EQ(harness.forms.loaded(QStringLiteral("Help1")), nullptr);
    openHelp(QStringLiteral("Help3"));
    EXPECT_EQ(harness.forms.loaded(QStringLiteral("Help2")), nullptr);
    EXPECT_NE(harness.forms.loaded(QStringLiteral("Help3")), nullptr);
}

TEST_F(InformationWindows, CloseButtonOpensTheConsole)
{
    openHelp(QStringLiteral("Help2"));
    harness.forms.log.clear();
    QTest::mouseClick(harness.forms.loaded(QStringLiteral("Help2"))->findChild<ImageButton*>(QStringLiteral("Image1")),
                      Qt::LeftButton);
    EXPECT_EQ(harness.forms.log, (QStringList{QStringLiteral("load MapMain"), QStringLiteral("unload Help2")}));
    EXPECT_TRUE(harness.forms.loaded(QStringLiteral("MapMain"))->isVisible());
}

// Before a game is chosen there is no console to go to: the game selection, still open behind,
// is what the user comes back to, and the program goes on.
TEST_F(InformationWindows, CloseButtonBeforeAGameIsChosenReturnsToTheSelection)
{
    loadAll({QStringLiteral("Startup")});
    for (const char* help : {"Help1", "Help2", "Help3"}) {
        SCOPED_TRACE(help);
        harness.forms.log.clear();
        QWidget* window = openHelp(QLatin1String(help));
        QTest::mouseClick(window->findChild<ImageButton*>(QStringLiteral("Image1")), Qt::LeftButton);
        EXPECT_EQ(harness.forms.log,
                  (QStringList{QStringLiteral("load ") + QLatin1String(help), QStringLiteral("unload ") + QLatin1String(help)}));
        EXPECT_TRUE(harness.forms.loaded(QStringLiteral("Startup"))->isVisible());
    }
}

TEST_F(InformationWindows, CentredOnTheFramesOuterSize)
{
    harness.frame.resize(1000, 700);
    QWidget* window = openHelp(QStringLiteral("Help1"));
    const QSize outer = harness.frame.frameGeometry().size();
    EXPECT_EQ(window->size(), QSize(662, 494));
    EXPECT_EQ(window->pos(), QPoint((outer.width() - 662) / 2, (outer.height() - 494) / 2));
}

TEST_F(InformationWindows, TermsBoxScrollsDownwardsOnlyAndWraps)
{
    QWidget* window = openHelp(QStringLiteral("Help3"));
    auto* box = window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->toPlainText(), QString(InformationText::TermsText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_TRUE(box->verticalScrollBar()->isVisible());
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0) << "the terms are longer than the box";
    EXPECT_FALSE(box->horizontalScrollBar()->isVisible());
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

TEST_F(InformationWindows, AboutBannerOpensTheProgramsSite)
{
    QWidget* window = openHelp(QStringLiteral("Help2"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label4"))->text(), QStringLiteral("Zorvane 2.0 "));
    QTest::mouseClick(window->findChild<ImageButton*>(QStringLiteral("Image2")), Qt::LeftButton);
    EXPECT_EQ(harness.addresses.opened, QStringList{ProgramSitePage()});
}

TEST(TermsText, ParagraphsInTheirOrder)
{
    const QString text = InformationText::TermsText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Zorvane 2.0 is freeware that gives its users a tool")));
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[^\r]\n|\r[^\n]"))))
        << "every line break is CR LF";
    const QStringList parts = text.split(QStringLiteral("\r\n\r\n"));
    // Eight paragraphs of terms, the heading (after a third line break), the statement, and
    // the empty rest after the closing line breaks.
    ASSERT_EQ(parts.size(), 11);
    const char* starts[] = {
        "Zorvane 2.0 is freeware",
        "Your use of this program is permitted by your agreement to the following terms:",
        "1.  ",
        "2.  ",
        "3.  ",
        "4.  ",
        "If you cannot agree to all of these terms, you must not use Zorvane 2.0 and all copies "
        "must be uninstalled from your computer(s).",
        "Questions about the use or distribution of Zorvane 2.0",
        "\r\nPRIVACY POLICY:",
        "Zorvane 2.0 is freeware meant to make hunting more enjoyable.",
    };
    for (size_t i = 0; i < std::size(starts); ++i)
        EXPECT_TRUE(parts.at(static_cast<qsizetype>(i)).startsWith(QLatin1String(starts[i]))) << i;
    EXPECT_EQ(parts.at(8), QStringLiteral("\r\nPRIVACY POLICY:"));
    EXPECT_EQ(parts.at(10), QString()) << "the text ends with two line breaks";
    EXPECT_TRUE(parts.at(3).contains(ProgramSitePage())) << "the download page is written out";
}

TEST(TermsText, PrivacyStatementNamesThisProgramsBrowserAndNoMailAddress)
{
    const QString text = InformationText::TermsText();
    EXPECT_TRUE(text.contains(QStringLiteral("Qt WebEngine")));
    EXPECT_FALSE(text.contains(QStringLiteral("Internet Explorer")));
    for (const QString& credit : {text, InformationText::AboutCredits()})
        EXPECT_FALSE(credit.contains(QLatin1Char('@')));
}

} // namespace
} // namespace zv
