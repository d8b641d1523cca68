// Every file command of the program run in a child process that is killed at
// each file-layer call in turn, and in the middle of each of its writes; the
// sandbox it leaves must hold every map whole and no half-written file where
// the program reads one.

#include "CommandSweep.h"
#include "TestServices.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zv::test {
namespace {

void KillNow(int = 0)
{
    ::kill(::getpid(), SIGKILL);
}

// From now on, a write that would take a file past limit bytes kills the
// process once the file holds limit bytes.
void KillWhenAFileReaches(qint64 limit)
{
    struct sigaction action {};
    action.sa_handler = KillNow;
    ::sigaction(SIGXFSZ, &action, nullptr);
    struct rlimit size {};
    ::getrlimit(RLIMIT_FSIZE, &size);
    size.rlim_cur = static_cast<rlim_t>(limit);
    ::setrlimit(RLIMIT_FSIZE, &size);
}

// Runs the command in a child process over the sandbox; onCall sees every
// call first. Returns the child's wait status.
int RunInChild(const FileCommand& command, const TestPrefix& prefix,
               const FaultInjectingFileSystem::Observer& onCall)
{
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        const struct rlimit noCore {
        };
        ::setrlimit(RLIMIT_CORE, &noCore);
        TestServices host(prefix);
        host.files.setObserver(onCall);
        CommandRun run(host.services);
        command.run(run);
        ::_exit(0);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        ADD_FAILURE() << "no child process";
    return status;
}

QString EndOf(int status)
{
    if (WIFSIGNALED(status))
        return QStringLiteral("ended by signal %1").arg(WTERMSIG(status));
    return QStringLiteral("exited with %1").arg(WEXITSTATUS(status));
}

// Whether a file that is new or changed since before holds exactly size bytes.
bool WroteExactly(const SandboxTree& before, const SandboxTree& after, qint64 size)
{
    for (const auto& [path, entry] : after) {
        if (!entry.folder && entry.bytes.size() == size) {
            const auto was = before.find(path);
            if (was == before.end() || was->second != entry)
                return true;
        }
    }
    return false;
}

class CrashSweep : public CommandSweep {
protected:
    static void TearDownTestSuite()
    {
        PrintTotals("Crash sweep", "killed in the middle of a write");
    }

    // Runs the command in a child on a fresh sandbox, onCall killing it, and
    // checks what it left; halfway is the size a write had reached when the
    // kill came, when it came during a write.
    void killedRun(const Reference& reference, const QString& what,
                   const FaultInjectingFileSystem::Observer& onCall, qint64 halfway = -1)
    {
        ++s_runs;
        TestPrefix& prefix = sandbox();
        const int status = RunInChild(command(), prefix, onCall);
        QStringList problems;
        if (!WIFSIGNALED(status) || WTERMSIG(status) != SIGKILL)
            problems.append(QStringLiteral("the child was not killed: it ") + EndOf(status));
        const SandboxTree after = TreeOf(prefix);
        RestoreSandbox(prefix, reference.before, after);
        if (halfway >= 0 && !WroteExactly(reference.before, after, halfway))
            problems.append(
                QStringLiteral("no file written holds %1 bytes: the kill did not come in "
                               "the middle of the write")
                    .arg(halfway));
        problems += ProblemsAfter(prefix, command(), reference, after, RunEnd::Killed);
        report(what, problems);
    }
};

TEST_P(CrashSweep, AKillAtEveryCallLeavesEveryMapWholeAndNoHalfWrittenFile)
{
    const auto start = std::chrono::steady_clock::now();
    const Reference reference = FinishedRun(command());
    const int calls = static_cast<int>(reference.calls.size());
    ASSERT_GT(calls, 0);

    for (int nth = 1; nth <= calls; ++nth) {
        killedRun(reference,
                  QStringLiteral("killed before call %1 (%2)")
                      .arg(nth)
                      .arg(Describe(reference.calls[nth - 1])),
                  [nth](const FaultInjectingFileSystem::Call& call) {
                      if (call.number == nth)
                          KillNow();
                  });
    }

    for (int nth = 1; nth <= calls; ++nth) {
        const qint64 size = reference.calls[nth - 1].writes;
        if (size < 2)
            continue;
        ++s_partial;
        const qint64 half = size / 2;
        killedRun(
            reference,
            QStringLiteral("killed when call %1 (%2) had written %3 of %4 bytes")
                .arg(nth)
                .arg(Describe(reference.calls[nth - 1]))
                .arg(half)
                .arg(size),
            [nth, half](const FaultInjectingFileSystem::Call& call) {
                if (call.number == nth)
                    KillWhenAFileReaches(half);
            },
            half);
    }
    finish(start);
}

INSTANTIATE_TEST_SUITE_P(FileCommands, CrashSweep,
                         ::testing::Range<size_t>(0, FileCommands().size()), CommandSweep::NameOf);

} // namespace
} // namespace zv::test
