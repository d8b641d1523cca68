// zorvane-bench-startup [RUNS]: how long Zorvane takes from launch until its window is mapped
// (the frame with the game selection window in it), and how much memory it holds at that
// moment, side by side with the smallest Qt program that maps a window and with the same
// program linked with the browser engine. Needs an X display; without DISPLAY it starts Xvfb.

#include "BenchStats.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double seconds = 0;
    double residentMiB = 0;
};

std::string FolderOfSelf()
{
    char path[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string self(path, length > 0 ? static_cast<size_t>(length) : 0);
    return self.substr(0, self.rfind('/'));
}

double ResidentMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    }
    return 0;
}

// Starts Xvfb on a free display when none is set; returns its pid, or 0.
pid_t StartDisplayIfNeeded()
{
    if (const char* display = std::getenv("DISPLAY"); display && *display)
        return 0;
    for (int number = 90; number < 120; ++number) {
        const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
        struct stat info;
        if (stat(lock.c_str(), &info) == 0)
            continue;
        const std::string display = ":" + std::to_string(number);
        pid_t pid = 0;
        const char* argv[] = {"Xvfb", display.c_str(), "-screen", "0", "1280x1024x24",
                              "-nolisten", "tcp", "-noreset", nullptr};
        if (posix_spawnp(&pid, "Xvfb", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
            return 0;
        setenv("DISPLAY", display.c_str(), 1);
        for (int tries = 0; tries < 100; ++tries) {
            xcb_connection_t* probe = xcb_connect(display.c_str(), nullptr);
            const bool up = !xcb_connection_has_error(probe);
            xcb_disconnect(probe);
            if (up)
                return pid;
            usleep(50 * 1000);
        }
        kill(pid, SIGTERM);
        return 0;
    }
    return 0;
}

// Launches program and waits for the first top-level window to be mapped.
bool Measure(const std::string& program, const std::vector<std::string>& environment, Sample& sample)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (const int error = xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "cannot reach the display (%d)\n", error);
        xcb_disconnect(connection);
        return false;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the server watches the root window before the program can map anything.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    std::vector<std::string> envStrings;
    for (char** entry = environ; *entry; ++entry)
        envStrings.emplace_back(*entry);
    envStrings.insert(envStrings.end(), environment.begin(), environment.end());
    std::vector<char*> envp;
    for (std::string& entry : envStrings)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    const auto started = Clock::now();
    pid_t pid = 0;
    if (const int error = posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data())) {
        std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(error));
        xcb_disconnect(connection);
        return false;
    }
    bool mapped = false;
    pollfd watch{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (!mapped && Clock::now() - started < std::chrono::seconds(20)) {
        poll(&watch, 1, 100);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect && !mapped) {
                sample.seconds = std::chrono::duration<double>(Clock::now() - started).count();
                sample.residentMiB = ResidentMiB(pid);
                mapped = true;
            }
            std::free(event);
        }
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    xcb_disconnect(connection);
    if (!mapped)
        std::fprintf(stderr, "%s: after %.1f s, %s\n", program.c_str(),
                     std::chrono::duration<double>(Clock::now() - started).count(),
                     WIFEXITED(status) ? "it ended by itself" : "it was still running");
    return mapped;
}

std::string LoadAverage()
{
    std::ifstream load("/proc/loadavg");
    std::string one, five, fifteen;
    load >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    const pid_t display = StartDisplayIfNeeded();
    if (!std::getenv("DISPLAY")) {
        std::fputs("no X display and no Xvfb to start one\n", stderr);
        return 2;
    }
    const std::string folder = FolderOfSelf();
    // An empty Wine prefix: the program starts at its game selection either way.
    char prefix[] = "/tmp/zorvane-bench-XXXXXX";
    if (!mkdtemp(prefix))
        return 2;
    const std::vector<std::string> environment = {"QT_QPA_PLATFORM=xcb",
                                                  std::string("WINEPREFIX=") + prefix};
    struct Subject {
        const char* label;
        std::string program;
        std::vector<double> seconds;
        std::vector<double> resident;
    };
    std::vector<Subject> subjects = {
        {"Zorvane", folder + "/zorvane", {}, {}},
        {"Qt window", folder + "/zorvane-bench-qt-window", {}, {}},
        {"Qt window + engine", folder + "/zorvane-bench-qt-window-webengine", {}, {}},
    };
    int failures = 0;
    for (int run = -1; run < runs; ++run) { // run -1 warms the caches
        for (Subject& subject : subjects) {
            Sample sample;
            if (!Measure(subject.program, environment, sample)) {
                std::fprintf(stderr, "%s: no window was mapped\n", subject.label);
                ++failures;
                continue;
            }
            if (run >= 0) {
                subject.seconds.push_back(sample.seconds);
                subject.resident.push_back(sample.residentMiB);
            }
        }
    }
    rmdir(prefix);
    if (display > 0) {
        kill(display, SIGTERM);
        waitpid(display, nullptr, 0);
    }

    const double baseTime = Median(subjects[1].seconds);
    const double baseMemory = Median(subjects[1].resident);
    std::printf("Launch until the window is mapped, median of %d runs each, alternating "
                "(load average %s; numbers grow with it):\n\n",
                runs, LoadAverage().c_str());
    std::printf("| program            | seconds | resident MiB | time / Qt window | memory / Qt window |\n");
    std::printf("|--------------------|--------:|-------------:|-----------------:|-------------------:|\n");
    for (const Subject& subject : subjects) {
        const double time = Median(subject.seconds);
        const double memory = Median(subject.resident);
        std::printf("| %-18s | %7.3f | %12.1f | %16.2f | %18.2f |\n", subject.label, time, memory,
                    baseTime > 0 ? time / baseTime : 0, baseMemory > 0 ? memory / baseMemory : 0);
    }
    const double ours = Median(subjects[0].seconds);
    const double oursMemory = Median(subjects[0].resident);
    const bool within = ours < 0.15 && oursMemory < 60;
    std::printf("\nZorvane %s the start-up budget of 0.15 s and 60 MiB.\n",
                within ? "stays within" : "is OVER");
    return failures == 0 && within ? 0 : 1;
}
