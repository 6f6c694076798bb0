// Times commands from spawn to exit, over and over:
//
//     tovy_bench_spawn RUNS WARMUP command1 [args...] [-- command2 [args...]]...
//
// runs each command WARMUP times unmeasured, then RUNS rounds in which
// every command runs once, in turn, so that a load that comes and goes on a
// shared machine falls on all of them alike. Prints one line per command,
// "median_ms min_ms runs failed", wall time per run in milliseconds. A run
// that does not exit with status 0 counts as failed, not as a time.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

extern char **environ;

namespace {

struct Command {
    std::vector<char *> argv; // ends with a null pointer
    std::vector<double> times;
    int failed = 0;
};

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The wall time of one run, or none when it failed.
std::optional<double> TimeOneRun(char *const *argv)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);

    const double start = NowMs();
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::fprintf(stderr, "tovy_bench_spawn: cannot start %s: %s\n", argv[0], std::strerror(error));
        return std::nullopt;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return std::nullopt;
    const double elapsed = NowMs() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return elapsed;
}

std::vector<Command> SplitCommands(int argc, char **argv)
{
    std::vector<Command> commands(1);
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            commands.emplace_back();
            continue;
        }
        commands.back().argv.push_back(argv[i]);
    }
    for (Command &command : commands)
        command.argv.push_back(nullptr);
    return commands;
}

double Median(std::vector<double> sorted)
{
    const size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS WARMUP command [args...] [-- command [args...]]...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int warmup = std::atoi(argv[2]);
    std::vector<Command> commands = SplitCommands(argc - 3, argv + 3);
    const bool empty = std::any_of(commands.begin(), commands.end(), [](const Command &c) { return c.argv.size() < 2; });
    if (runs < 1 || warmup < 0 || empty) {
        std::fprintf(stderr, "tovy_bench_spawn: RUNS at least 1, WARMUP at least 0, no empty command\n");
        return 2;
    }

    for (int i = 0; i < warmup; ++i)
        for (Command &command : commands)
            (void)TimeOneRun(command.argv.data());

    for (int i = 0; i < runs; ++i) {
        for (Command &command : commands) {
            if (const std::optional<double> t = TimeOneRun(command.argv.data()))
                command.times.push_back(*t);
            else
                ++command.failed;
        }
    }

    int status = 0;
    for (Command &command : commands) {
        if (command.times.empty()) {
            std::printf("nan nan 0 %d\n", command.failed);
            status = 1;
            continue;
        }
        std::sort(command.times.begin(), command.times.end());
        std::printf("%.2f %.2f %zu %d\n", Median(command.times), command.times.front(), command.times.size(),
                    command.failed);
        if (command.failed)
            status = 1;
    }
    return status;
}
