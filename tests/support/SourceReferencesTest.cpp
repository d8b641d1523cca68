// Every picture that the program's source names must be one the Support table draws, so that a
// window never asks for a file the build does not make.

#include "SourceLiterals.h"

#include "support/SupportPictures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

namespace zv {
namespace {

// --- the literal scanner ----------------------------------------------------------------------

struct LiteralCase {
    const char* label;
    const char* source;
    std::vector<QString> expected;
};

using StringLiteralsTest = ::testing::TestWithParam<LiteralCase>;

TEST_P(StringLiteralsTest, FindsExactlyTheLiterals)
{
    std::vector<QString> found;
    for (const SourceLiteral& literal : StringLiteralsIn(QString::fromUtf8(GetParam().source)))
        found.push_back(literal.text);
    EXPECT_EQ(found, GetParam().expected);
}

const LiteralCase LiteralCases[] = {
    {"escaped_backslashes", R"(f("\\Support\\Go.bmp");)", {R"(\Support\Go.bmp)"}},
    {"escaped_quote", R"("say \"A.bmp\"" + "B.bmp")", {R"(say "A.bmp")", "B.bmp"}},
    {"line_comment", "// \"Not.bmp\"\nx = \"A.bmp\";", {"A.bmp"}},
    {"block_comment", "/* \"Not.bmp\"\n */ \"A.bmp\"", {"A.bmp"}},
    {"comment_marks_inside_literal", R"("a // b /* c.bmp")", {"a // b /* c.bmp"}},
    {"char_literal_holding_quote", R"(c == '"' ? "A.bmp" : '\'')", {"A.bmp"}},
    {"digit_separators", R"(n = 1'000'000; s = "A.bmp"; h = 0xFF'FF;)", {"A.bmp"}},
    {"prefixed_literals", R"(u"A.bmp" u8"B.bmp" L"C.bmp" u'x')", {"A.bmp", "B.bmp", "C.bmp"}},
    {"raw_literal", R"__(R"(C:\A.bmp)" R"x(")")x")__", {R"(C:\A.bmp)", "\")\""}},
    {"qt_macro", R"(QStringLiteral("A.bmp"))", {"A.bmp"}},
    {"no_literals", "int main() { return 0; }", {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, StringLiteralsTest, ::testing::ValuesIn(LiteralCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(StringLiteralsLineTest, ReportsTheLineOfEachLiteral)
{
    const auto literals = StringLiteralsIn("a = \"one\";\n// \"no\"\n\n  b(\"two\",\n \"three\");");
    ASSERT_EQ(literals.size(), 3u);
    EXPECT_EQ(literals[0].line, 1);
    EXPECT_EQ(literals[1].line, 4);
    EXPECT_EQ(literals[2].line, 5);
}

struct NameCase {
    const char* literal;
    const char* expected; // "" when the literal names no picture
};

using SupportNameTest = ::testing::TestWithParam<NameCase>;

TEST_P(SupportNameTest, TakesThePictureNameOutOfTheLiteral)
{
    EXPECT_EQ(SupportNameIn(QString::fromUtf8(GetParam().literal)),
              QString::fromUtf8(GetParam().expected))
        << GetParam().literal;
}

const NameCase NameCases[] = {
    {R"(\Support\StoreMapOn.bmp)", "StoreMapOn.bmp"},
    {"/Support/StoreMapOn.bmp", "StoreMapOn.bmp"},
    {"StoreMapOn.bmp", "StoreMapOn.bmp"},
    {R"(\Support\BHWWE MapMain.bmp)", "BHWWE MapMain.bmp"},
    {"Breathitt.BMP", "Breathitt.BMP"},
    {".bmp", ""},
    {"On.bmp", ""},
    {"Off.bmp", ""},
    {"_Copy.bmp", ""},
    {R"(\Support\Off.bmp)", ""},
    {" MapMain.bmp", ""},
    {R"(\Support\)", ""},
    {"*.gmx; *.GMX", ""},
    {"bmp", ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, SupportNameTest, ::testing::ValuesIn(NameCases));

// --- the program's source ---------------------------------------------------------------------

// Preview names that the map repair writes beside the maps in the games' folders. They are
// copies of Support pictures stored under other names, not files of the Support folder.
const QSet<QString> PreviewNamesInGameFolders{
    "VMLA.bmp",    "Suwanee.bmp",   "target.bmp",     "Arctic.bmp",        "BattleCreek.bmp",
    "bigfoot.bmp", "Breathitt.BMP", "Cannonball.bmp", "Dakota.bmp",        "EXTREME.bmp",
    "Flats.bmp",   "Island.bmp",    "MM.bmp",         "Nassau.bmp",        "NY.bmp",
    "Paso.bmp",    "Rocky.bmp",     "Point.bmp",      "DallTerritory.BMP", "Taiga.bmp",
};

QStringList SourceFiles()
{
    QStringList files;
    QDirIterator it(QStringLiteral(ZV_SOURCE_DIR),
                    {"*.cpp", "*.h", "*.hpp", "*.cc", "*.cxx", "*.inl"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

TEST(SourceReferencesTest, EveryPictureTheSourceNamesIsInTheTable)
{
    ASSERT_TRUE(QDir(QStringLiteral(ZV_SOURCE_DIR)).exists()) << ZV_SOURCE_DIR;
    const QStringList files = SourceFiles();
    ASSERT_FALSE(files.isEmpty()) << "no source found under " << ZV_SOURCE_DIR;

    for (const QString& path : files) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        for (const SourceLiteral& literal : StringLiteralsIn(QString::fromUtf8(file.readAll()))) {
            const QString name = SupportNameIn(literal.text);
            const bool bare = name == literal.text;
            if (name.isEmpty() || (bare && PreviewNamesInGameFolders.contains(name)))
                continue;
            EXPECT_NE(FindSupportPicture(name), nullptr)
                << path.toStdString() << ":" << literal.line << " names \"" << name.toStdString()
                << "\", which the Support table does not draw";
        }
    }
}

} // namespace
} // namespace zv
