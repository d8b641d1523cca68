#include "manager/TypedNames.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(TypedMapBase, TrimsAndDropsATypedExtension)
{
    const struct {
        const char* typed;
        const char* base;
    } cases[] = {
        {" Marsh2 ", "Marsh2"},   {"Marsh2.gmx", "Marsh2"}, {"Marsh2.bmp", "Marsh2"},
        {"Marsh2.old", "Marsh2"}, {" Marsh2.GMX ", "Marsh2"}, {"a.gmx", "a"},
        {".gmx", ".gmx"},         {"Marsh.2", "Marsh.2"},   {"Big Marsh", "Big Marsh"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TypedMapBase(QString::fromLatin1(c.typed)), QString::fromLatin1(c.base)) << c.typed;
}

TEST(NameProblem, NamesThatWouldLeaveTheFolderOrThatWindowsForbids)
{
    const struct {
        const char* name;
        bool refused;
    } cases[] = {
        {"Marsh2", false},       {"Big Marsh", false},     {"Marsh.v2", false},  {"Keep", false},
        {"K", false},            {"..\\Marsh", true},      {"Sub\\Marsh", true}, {"Sub/Marsh", true},
        {"..", true},            {".", true},              {"a..b", true},       {"C:Marsh", true},
        {"Mar*sh", true},        {"Mar?sh", true},         {"Mar\"sh", true},    {"<Marsh>", true},
        {"Mar|sh", true},        {"Mar\tsh", true},        {"CON", true},        {"con", true},
        {"Lpt1", true},          {"nul.txt", true},        {"COM10", false},     {"Console", false},
        {"", true},              {"   ", true},
    };
    for (NamedItem item : {NamedItem::Map, NamedItem::Folder}) {
        for (const auto& c : cases)
            EXPECT_EQ(NameProblem(QString::fromLatin1(c.name), item).has_value(), c.refused) << c.name;
    }
}

TEST(NameProblem, TheMessageNamesWhatWasTyped)
{
    const auto problem = NameProblem(QStringLiteral("..\\Old"), NamedItem::Folder);
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->contains(QStringLiteral("\"..\\Old\""))) << qPrintable(*problem);
    EXPECT_TRUE(problem->contains(QStringLiteral("folder name"))) << qPrintable(*problem);
}

} // namespace
} // namespace zv
