#include "browser/PageButtons.h"

#include "core/ProgramState.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <array>

namespace zv {
namespace {

// The column as the user sees it: each button's picture and whether it reacts, and the pages
// opened so far.
class ShownColumn final : public PageButtonView {
public:
    ShownColumn() { enabled.fill(true); }
    void setButtonPicture(int button, const QString& name) override { picture.at(button) = name; }
    void setButtonEnabled(int button, bool on) override { enabled.at(button) = on; }
    void openPage(const QString& path) override { pages.append(path); }

    std::array<QString, 12> picture;
    std::array<bool, 12> enabled;
    QStringList pages;
};

class PageButtonsTest : public ::testing::Test {
protected:
    ShownColumn shown;
    PageButtonColumn column{shown};

    void expectGameSet(const QString& game, int chosen)
    {
        EXPECT_EQ(shown.picture[1], QStringLiteral("MainPageOff.bmp"));
        for (const PageButtonRow& row : kGameSets) {
            const bool bhwwe = game == kBhwwe;
            const char* name = row.button == chosen ? (bhwwe ? row.bhwweOn : row.rmth3On)
                                                    : (bhwwe ? row.bhwweOff : row.rmth3Off);
            EXPECT_EQ(shown.picture[row.button], QString::fromLatin1(name)) << "Image" << row.button;
            EXPECT_TRUE(shown.enabled[row.button]) << "Image" << row.button;
        }
    }
};

TEST_F(PageButtonsTest, MainPageSetBlanksAndDisablesTheSpeciesButtons)
{
    column.ShowMainPageButtons();
    EXPECT_EQ(shown.picture[1], QStringLiteral("MainPageOn.bmp"));
    EXPECT_EQ(shown.picture[2], QStringLiteral("BHWWEOff.bmp"));
    EXPECT_EQ(shown.picture[3], QStringLiteral("RMTH3Off.bmp"));
    for (int k = 1; k <= 3; ++k)
        EXPECT_TRUE(shown.enabled[k]) << "Image" << k;
    for (int k = 4; k <= 11; ++k) {
        EXPECT_TRUE(shown.picture[k].isEmpty()) << "Image" << k;
        EXPECT_FALSE(shown.enabled[k]) << "Image" << k;
    }
    EXPECT_TRUE(shown.pages.isEmpty());
}

TEST_F(PageButtonsTest, TheGameChooserOpensNoPage)
{
    for (const auto& [button, game] : {std::pair{2, kBhwwe}, std::pair{3, kRmth3}}) {
        ShownColumn fresh;
        PageButtonColumn chooser(fresh);
        chooser.ShowMainPageButtons();
        chooser.Image_Click(button);
        EXPECT_EQ(chooser.ButtonMode, 2);
        EXPECT_EQ(chooser.ButtonGame, game);
        EXPECT_TRUE(fresh.pages.isEmpty());
        EXPECT_EQ(fresh.picture[1], QStringLiteral("MainPageOff.bmp"));
        EXPECT_TRUE(fresh.enabled[11]);
    }
}

// Every species button of both games: its On picture, its page, and the one before goes Off.
TEST_F(PageButtonsTest, EverySpeciesButtonOfBothGames)
{
    for (const auto& [chooser, game] : {std::pair{2, kBhwwe}, std::pair{3, kRmth3}}) {
        column.Image1_Click();
        column.Image_Click(chooser);
        expectGameSet(game, 0);
        for (const PageButtonRow& row : kGameSets) {
            shown.pages.clear();
            column.Image_Click(row.button);
            expectGameSet(game, row.button);
            const char* page = game == kBhwwe ? row.bhwwePage : row.rmth3Page;
            EXPECT_EQ(shown.pages, QStringList{QString::fromLatin1(page)}) << "Image" << row.button;
        }
    }
}

TEST_F(PageButtonsTest, MainPageButtonOpensTheIndexAndKeepsTheGameChosen)
{
    column.ShowMainPageButtons();
    column.Image_Click(3);
    column.Image_Click(10);
    EXPECT_EQ(shown.picture[10], QStringLiteral("WolfOn.bmp"));
    shown.pages.clear();
    column.Image1_Click();
    EXPECT_EQ(shown.pages, QStringList{QStringLiteral("/archive/Zorvane/index.html")});
    EXPECT_EQ(column.ButtonMode, 1);
    EXPECT_EQ(column.ButtonGame, kRmth3);
    EXPECT_EQ(shown.picture[1], QStringLiteral("MainPageOn.bmp"));
    EXPECT_FALSE(shown.enabled[10]);

    // Choosing BHWWE next resets the RMTH3 set first, then shows BHWWE's, all Off.
    shown.pages.clear();
    column.Image_Click(2);
    expectGameSet(kBhwwe, 0);
    EXPECT_TRUE(shown.pages.isEmpty());
}

TEST_F(PageButtonsTest, ASwitchOfGameBackToTheMainSetKeepsTheButtonGame)
{
    column.ShowMainPageButtons();
    column.Image_Click(2);
    column.Image_Click(5);
    // What switching the program's game does to the column.
    column.ButtonMode = 1;
    column.ShowMainPageButtons();
    EXPECT_EQ(column.ButtonGame, kBhwwe);
    column.Image_Click(3);
    EXPECT_EQ(column.ButtonGame, kRmth3);
    expectGameSet(kRmth3, 0);
}

} // namespace
} // namespace zv
