// Whole-process start-up: the program until its scene has painted the first frame
// (RUMBELO_QUIT_WHEN_READY=1) against a bare Qt window until its first paint, run alternately
// so that both see the same machine, with the medians and their ratio.
//   startup_bench [RUNS [PROGRAM_ARGS...]]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Seconds the command took, or a negative number when it failed.
double timeRun(const std::string& dir, std::vector<std::string> argv) {
    std::vector<char*> args;
    for (auto& a : argv)
        args.push_back(a.data());
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    // What the programs say (missing sound server and the like) is not part of the figures.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::chrono::duration<double>(end - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string programDir = RUMBELO_PROGRAM_DIR;
    std::vector<std::string> program = {programDir + "/rumbelo"};
    for (int i = 2; i < argc; ++i)
        program.emplace_back(argv[i]);
    const std::vector<std::string> bare = {BARE_WINDOW_PATH};
    setenv("RUMBELO_QUIT_WHEN_READY", "1", 1);

    std::vector<double> programTimes, bareTimes;
    timeRun(programDir, program);  // warm the caches once
    for (int i = 0; i < runs; ++i) {
        const double b = timeRun(programDir, bare);
        const double p = timeRun(programDir, program);
        if (b < 0 || p < 0) {
            std::fprintf(stderr, "run %d failed (bare %s, program %s)\n", i + 1,
                         b < 0 ? "failed" : "ok", p < 0 ? "failed" : "ok");
            return 1;
        }
        bareTimes.push_back(b);
        programTimes.push_back(p);
    }
    const double mb = median(bareTimes), mp = median(programTimes);
    std::printf("bare Qt window  median %7.1f ms  (min %.1f, max %.1f)\n", mb * 1000,
                *std::min_element(bareTimes.begin(), bareTimes.end()) * 1000,
                *std::max_element(bareTimes.begin(), bareTimes.end()) * 1000);
    std::printf("rumbelo         median %7.1f ms  (min %.1f, max %.1f)\n", mp * 1000,
                *std::min_element(programTimes.begin(), programTimes.end()) * 1000,
                *std::max_element(programTimes.begin(), programTimes.end()) * 1000);
    std::printf("ratio           %.2f  (%d runs each, alternating)\n", mp / mb, runs);
    return 0;
}
