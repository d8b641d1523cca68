#pragma once

#include "FileCommands.h"
#include "SweepRuns.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

namespace zv::test {

// A sweep over the file commands, one test per command: problems are
// reported up to a limit per command, and the runs of the whole suite are
// counted and timed for its last line.
class CommandSweep : public ::testing::TestWithParam<size_t> {
public:
    // The test's name: the command's.
    static std::string NameOf(const ::testing::TestParamInfo<size_t>& info);

protected:
    static void SetUpTestSuite() { KeepSandboxesInMemory(); }
    // "Fault sweep: 1578 runs (31 of them <partial>) in 14.7 s".
    static void PrintTotals(const char* sweep, const char* partial);

    const FileCommand& command() const { return FileCommands().at(GetParam()); }
    // The command's sandbox, made at the first call; each run puts it back as it was.
    TestPrefix& sandbox();
    void report(const QString& what, const QStringList& problems);
    // Adds the test's time to the suite's; expects no problems.
    void finish(std::chrono::steady_clock::time_point start);

    static inline int s_runs = 0;
    static inline int s_partial = 0; // runs whose write was cut off halfway
    static inline std::chrono::steady_clock::duration s_time{};

private:
    int m_problems = 0;
    std::unique_ptr<TestPrefix> m_sandbox;
};

} // namespace zv::test
