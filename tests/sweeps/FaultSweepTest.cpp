// Every file command of the program, with each file-layer call it makes
// failing in turn, for every failure number the program meets; and with each
// of its writes running out of room halfway, a failure of the host itself.

#include "CommandSweep.h"
#include "FileSizeLimit.h"
#include "TestServices.h"

#include "platform/Failure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace zv::test {
namespace {

constexpr int kFailureNumbers[] = {
    FailureNumber::FileNotFound,     FailureNumber::FileExists,   FailureNumber::DiskFull,
    FailureNumber::PermissionDenied, FailureNumber::DiskNotReady, FailureNumber::PathAccessError,
    FailureNumber::PathNotFound,
};

class FaultSweep : public CommandSweep {
protected:
    static void TearDownTestSuite()
    {
        PrintTotals("Fault sweep", "with a write running out of room halfway");
    }

    // Runs the command on a fresh sandbox with the failure set up by arm and
    // checks everything the run leaves behind.
    template <typename Arm>
    void sweepRun(const Reference& reference, const QString& what, int number, Arm arm)
    {
        ++s_runs;
        TestPrefix& prefix = sandbox();
        TestServices host(prefix);
        CommandRun run(host.services);
        {
            [[maybe_unused]] const auto armed = arm(host);
            command().run(run);
            host.files.setObserver({});
        }
        const SandboxTree after = TreeOf(prefix);
        RestoreSandbox(prefix, reference.before, after);
        QStringList problems = ProblemsAfter(prefix, command(), reference, after, RunEnd::Failed);
        const std::vector<int>& silent = command().silentNumbers;
        if (after != reference.finished && !run.toldUser() && !command().housekeeping &&
            std::find(silent.begin(), silent.end(), number) == silent.end())
            problems.append(QStringLiteral("the command did not finish and told the user nothing"));
        report(what, problems);
    }
};

TEST_P(FaultSweep, EveryFailingCallLeavesEveryMapWholeAndTheUserTold)
{
    const auto start = std::chrono::steady_clock::now();
    const Reference reference = FinishedRun(command());
    const int calls = static_cast<int>(reference.calls.size());
    ASSERT_GT(calls, 0);

    for (const int number : kFailureNumbers) {
        for (int nth = 1; nth <= calls; ++nth) {
            const QString what = QStringLiteral("call %1 (%2) failing with %3")
                                     .arg(nth)
                                     .arg(Describe(reference.calls[nth - 1]))
                                     .arg(number);
            sweepRun(reference, what, number, [&](TestServices& host) {
                host.files.failCall(nth, number);
                return 0;
            });
        }
    }

    // The disk fills while the n-th call writes: the host's own failure, from
    // inside the write.
    for (int nth = 1; nth <= calls; ++nth) {
        const qint64 size = reference.calls[nth - 1].writes;
        if (size < 2)
            continue;
        ++s_partial;
        const QString what = QStringLiteral("call %1 (%2) running out of room after %3 of %4 bytes")
                                 .arg(nth)
                                 .arg(Describe(reference.calls[nth - 1]))
                                 .arg(size / 2)
                                 .arg(size);
        sweepRun(reference, what, FailureNumber::DiskFull, [&](TestServices& host) {
            auto limit = std::make_shared<std::optional<FileSizeLimit>>();
            host.files.setObserver([nth, size, limit](const FaultInjectingFileSystem::Call& call) {
                if (call.number == nth)
                    limit->emplace(static_cast<rlim_t>(size / 2));
            });
            return limit;
        });
    }
    finish(start);
}

INSTANTIATE_TEST_SUITE_P(FileCommands, FaultSweep,
                         ::testing::Range<size_t>(0, FileCommands().size()), CommandSweep::NameOf);

} // namespace
} // namespace zv::test
