#include "CommandSweep.h"

#include <iostream>

namespace zv::test {

namespace {

// At most this many problems are reported per command; the rest are counted.
constexpr int kReportedProblems = 12;

} // namespace

std::string CommandSweep::NameOf(const ::testing::TestParamInfo<size_t>& info)
{
    return FileCommands().at(info.param).name;
}

void CommandSweep::PrintTotals(const char* sweep, const char* partial)
{
    const double seconds = std::chrono::duration<double>(s_time).count();
    std::cout << sweep << ": " << s_runs << " runs (" << s_partial << " of them " << partial
              << ") in " << seconds << " s\n";
}

TestPrefix& CommandSweep::sandbox()
{
    if (!m_sandbox) {
        m_sandbox = std::make_unique<TestPrefix>();
        BuildSandbox(*m_sandbox, command());
    }
    return *m_sandbox;
}

void CommandSweep::report(const QString& what, const QStringList& problems)
{
    for (const QString& problem : problems) {
        if (++m_problems <= kReportedProblems)
            ADD_FAILURE() << command().name << ", " << qPrintable(what) << ": "
                          << qPrintable(problem);
    }
}

void CommandSweep::finish(std::chrono::steady_clock::time_point start)
{
    s_time += std::chrono::steady_clock::now() - start;
    EXPECT_EQ(m_problems, 0) << "problems in all";
}

} // namespace zv::test
