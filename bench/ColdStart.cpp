// Cold start of the calculator against an empty window of its size: each is
// started in turn, offscreen, with the first-frame probe on (see
// ui/qt/FirstFrame.h). The time to the first frame runs from just before the
// process is created to the moment the probe reads the same monotonic clock;
// the peak memory is the process's largest resident set (its maxrss).
//
//     tarnwick_coldstart [--runs N] [--goals] [CALCULATOR EMPTY_WINDOW]
//
// prints the medians and their ratios against the goals; with --goals a
// missed goal fails the run.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "Median.h"
#include "ui/qt/MonotonicClock.h"

extern char** environ;

namespace {

using tarnwick::monotonicNanoseconds;
using tarnwick::bench::median;

constexpr double kFrameGoal = 1.25;   // first frame, calculator over empty window
constexpr double kMemoryGoal = 1.20;  // peak memory, the same
constexpr int kTimeoutMs = 30000;

struct Start {
    double frameMs = 0;
    double peakMiB = 0;
};

/// The environment with the offscreen platform and the probe switched on.
std::vector<std::string> probeEnvironment() {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0 &&
            std::strncmp(*e, "TARNWICK_FIRST_FRAME=", 21) != 0) {
            env.emplace_back(*e);
        }
    }
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    env.emplace_back("TARNWICK_FIRST_FRAME=1");
    return env;
}

std::optional<Start> startOnce(const char* program, const std::vector<std::string>& env) {
    int out[2];
    if (pipe(out) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> envp;
    for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), nullptr};

    const long long started = monotonicNanoseconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", program, std::strerror(spawned));
        return std::nullopt;
    }

    // Until the program closes its output; one that stalls, before its
    // first frame or on its way out, is killed.
    std::string output;
    char buffer[256];
    pollfd readable{out[0], POLLIN, 0};
    bool stalled = true;
    while (poll(&readable, 1, kTimeoutMs) > 0) {
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0) {
            stalled = false;
            break;
        }
        output.append(buffer, static_cast<std::size_t>(got));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (stalled) kill(pid, SIGKILL);
    wait4(pid, &status, 0, &usage);

    long long frame = 0;
    const std::size_t at = output.find("first-frame ");
    if (at == std::string::npos ||
        std::sscanf(output.c_str() + at, "first-frame %lld", &frame) != 1 || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s gave no first frame (status %d)\n", program, status);
        return std::nullopt;
    }
    return Start{static_cast<double>(frame - started) / 1e6,
                 static_cast<double>(usage.ru_maxrss) / 1024.0};
}

}  // namespace

int main(int argc, char* argv[]) {
    int runs = 20;
    bool enforce = false;
    std::vector<const char*> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--goals") == 0) {
            enforce = true;
        } else {
            programs.push_back(argv[i]);
        }
    }
    if (programs.empty()) programs = {TARNWICK_CALCULATOR, TARNWICK_EMPTY_WINDOW};
    if (programs.size() != 2) {
        std::fprintf(stderr, "usage: %s [--runs N] [--goals] [CALCULATOR EMPTY_WINDOW]\n", argv[0]);
        return 2;
    }

    const std::vector<std::string> env = probeEnvironment();
    // One start each first, so that both find the libraries in the page cache.
    for (const char* program : programs) {
        if (!startOnce(program, env)) return 1;
    }
    std::vector<double> frames[2], peaks[2];
    for (int run = 0; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            // Alternate which one goes first, so that neither always follows
            // the other.
            const int p = run % 2 ? 1 - which : which;
            const std::optional<Start> start = startOnce(programs[p], env);
            if (!start) return 1;
            frames[p].push_back(start->frameMs);
            peaks[p].push_back(start->peakMiB);
        }
    }

    const double frame[2] = {median(frames[0]), median(frames[1])};
    const double peak[2] = {median(peaks[0]), median(peaks[1])};
    const double frameRatio = frame[0] / frame[1];
    const double peakRatio = peak[0] / peak[1];
    const bool frameMet = frameRatio <= kFrameGoal;
    const bool peakMet = peakRatio <= kMemoryGoal;
    std::printf("Cold start, offscreen, %d alternating runs each (medians; range in brackets)\n",
                runs);
    const char* names[2] = {"calculator", "empty window"};
    for (int p = 0; p < 2; ++p) {
        std::printf(
            "  %-14s first frame %7.1f ms [%.1f-%.1f]   peak memory %6.1f MiB [%.1f-%.1f]\n",
            names[p], frame[p], *std::min_element(frames[p].begin(), frames[p].end()),
            *std::max_element(frames[p].begin(), frames[p].end()), peak[p],
            *std::min_element(peaks[p].begin(), peaks[p].end()),
            *std::max_element(peaks[p].begin(), peaks[p].end()));
    }
    // Each run's two starts follow each other: their ratio is spared the
    // machine's slower and quicker spells, which the medians still carry.
    std::vector<double> paired;
    for (std::size_t i = 0; i < frames[0].size(); ++i)
        paired.push_back(frames[0][i] / frames[1][i]);
    std::printf("  first frame ratio %.3f (goal <= %.2f): %s; run by run %.3f [%.2f-%.2f]\n",
                frameRatio, kFrameGoal, frameMet ? "met" : "MISSED", median(paired),
                *std::min_element(paired.begin(), paired.end()),
                *std::max_element(paired.begin(), paired.end()));
    std::printf("  peak memory ratio %.3f (goal <= %.2f): %s\n", peakRatio, kMemoryGoal,
                peakMet ? "met" : "MISSED");
    return enforce && !(frameMet && peakMet) ? 1 : 0;
}
