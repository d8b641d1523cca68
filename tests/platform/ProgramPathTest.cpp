#include "platform/ProgramPath.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(ParentFolderOf, Table)
{
    const struct {
        const char* folder;
        const char* parent;
    } cases[] = {{"C:\\a\\b", "C:\\a"}, {"C:\\a", "C:\\"}, {"C:\\", "C:\\"}, {"C:\\a\\b\\", "C:\\a"}};
    for (const auto& c : cases)
        EXPECT_EQ(ParentFolderOf(QString::fromLatin1(c.folder)), QString::fromLatin1(c.parent)) << c.folder;
    EXPECT_EQ(JoinPath(QStringLiteral("C:\\"), QStringLiteral("x")), QStringLiteral("C:\\x"));
    EXPECT_EQ(JoinPath(QStringLiteral("C:\\a"), QStringLiteral("x")), QStringLiteral("C:\\a\\x"));
}

} // namespace
} // namespace zv
