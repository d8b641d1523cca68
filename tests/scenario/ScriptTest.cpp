#include "Script.h"

#include <gtest/gtest.h>

#include <ostream>

namespace zv::scenario {
namespace {

struct WordsCase {
    const char* label;
    const char* line;
    QStringList words;
};

std::ostream& operator<<(std::ostream& out, const WordsCase& c)
{
    return out << c.label;
}

class WordsOfLineTest : public ::testing::TestWithParam<WordsCase> {};

TEST_P(WordsOfLineTest, SplitsAndUnescapes)
{
    EXPECT_EQ(WordsOfLine(QString::fromUtf8(GetParam().line)), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WordsOfLineTest,
    ::testing::Values(
        WordsCase{"blanks_and_tabs", "  drive \t C  hd ", {"drive", "C", "hd"}},
        WordsCase{"quoted_with_blanks",
                  R"(file "C:\\Games\\Wild Wings\\x.exe")",
                  {"file", R"(C:\Games\Wild Wings\x.exe)"}},
        WordsCase{"every_escape", R"(x "a\"b\\c\rd\ne\tf")", {"x", "a\"b\\c\rd\ne\tf"}},
        WordsCase{"empty_quoted_word",
                  R"(expect-state MapsFolder "")",
                  {"expect-state", "MapsFolder", ""}},
        WordsCase{"backslash_kept_outside_quotes",
                  R"(expect-copy-of x Support\LA.bmp)",
                  {"expect-copy-of", "x", R"(Support\LA.bmp)"}},
        WordsCase{"hash_inside_a_line_is_a_word", "select W.C #1", {"select", "W.C", "#1"}},
        WordsCase{"comment", "  # drive C", {}}, WordsCase{"blank", " \t ", {}}),
    [](const auto& info) { return std::string(info.param.label); });

struct BadLineCase {
    const char* label;
    const char* line;
};

class BadLineTest : public ::testing::TestWithParam<BadLineCase> {};

TEST_P(BadLineTest, IsRefused)
{
    EXPECT_THROW(WordsOfLine(QString::fromUtf8(GetParam().line)), ScriptError);
}

INSTANTIATE_TEST_SUITE_P(Lines, BadLineTest,
                         ::testing::Values(BadLineCase{"open_quote", R"(file "C:\\a)"},
                                           BadLineCase{"escape_at_end", R"(file "C:\)"},
                                           BadLineCase{"unknown_escape", R"(file "C:\x")"},
                                           BadLineCase{"quote_inside_word", R"(file ab"c")"},
                                           BadLineCase{"text_after_quote", R"(file "ab"c)"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(ParseScriptTest, KeepsLineNumbersPastCommentsAndBlankLines)
{
    const auto script = ParseScript(QStringLiteral("# head\r\n\r\ndrive C\r\n  \nstart\n"));
    ASSERT_EQ(script.size(), 2);
    EXPECT_EQ(script[0].number, 3);
    EXPECT_EQ(script[0].command, QStringLiteral("drive"));
    EXPECT_EQ(script[0].words, QStringList{QStringLiteral("C")});
    EXPECT_EQ(script[1].number, 5);
    EXPECT_TRUE(script[1].words.isEmpty());
}

TEST(ParseScriptTest, ReportsTheLineOfABadLine)
{
    try {
        ParseScript(QStringLiteral("drive C\n\nfile \"C:\\\\x\n"));
        FAIL() << "no error";
    } catch (const ScriptError& error) {
        EXPECT_EQ(error.line, 3);
    }
}

struct LikeCase {
    const char* pattern;
    const char* text;
    bool matches;
};

class MatchesLikeTest : public ::testing::TestWithParam<LikeCase> {};

TEST_P(MatchesLikeTest, OnlyTheStarIsAWildcard)
{
    const LikeCase& c = GetParam();
    EXPECT_EQ(MatchesLike(QString::fromUtf8(c.pattern), QString::fromUtf8(c.text)), c.matches)
        << c.pattern << " / " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, MatchesLikeTest,
    ::testing::Values(LikeCase{"71, *", "71, Disk not ready", true},
                      LikeCase{"71, *", "710, Disk", false},
                      LikeCase{"*ready", "not\r\nready", true}, LikeCase{"a.c", "abc", false},
                      LikeCase{"a?c", "abc", false}, LikeCase{"[x]*", "[x] y", true},
                      LikeCase{"exact", "exact ", false}, LikeCase{"*", "", true}));

TEST(QuotedTest, ShowsTheEscapesOfTheFormat)
{
    EXPECT_EQ(Quoted(QStringLiteral("a \"b\"\\\r\n\t")), QStringLiteral(R"("a \"b\"\\\r\n\t")"));
}

} // namespace
} // namespace zv::scenario
