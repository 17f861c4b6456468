// Starts the program, its peer and any others in turn, many times, and compares the median wall
// time from launch to exit and the median peak memory with the peer's. Taking turns spreads
// whatever else the machine does evenly over all of them. Then, when valgrind is at hand, it
// counts each one's instructions once under callgrind: unlike a time, that count is the same in
// every run, so it shows a small difference that the noise of a shared machine would hide.
//
// usage: startup_compare PROGRAM [ARG...] -- PEER [ARG...] [-- OTHER [ARG...]]...

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Command = std::vector<std::string>;

struct Run {
    double milliseconds = 0;
    long peakKilobytes = 0;
    int exitCode = 0;
};

#ifdef _WIN32
// Windows starts a program from one command line; the words here hold no quotes of their own.
Run launch(const Command& command, bool /*quiet: a windowed program writes nothing anyway*/ = false)
{
    std::string line;
    for (const std::string& word : command)
        line += (line.empty() ? "" : " ") +
                (word.find(' ') == std::string::npos ? word : '"' + word + '"');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "%s: cannot start it (error %lu)\n", command.front().c_str(),
                     GetLastError());
        return {0, 0, 127};
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    const auto end = std::chrono::steady_clock::now();
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    K32GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    DWORD exitCode = 128;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            long(memory.PeakWorkingSetSize / 1024), int(exitCode)};
}
#else
Run launch(const Command& command, bool quiet = false)
{
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (quiet) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execvp(argv[0], argv.data());
        std::perror(argv[0]);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss,
            WIFEXITED(status) ? WEXITSTATUS(status) : 128};
}
#endif

Run timed(const Command& command)
{
    const Run run = launch(command, true);
    if (run.exitCode != 0) {
        std::fprintf(stderr, "%s did not end cleanly\n", command.front().c_str());
        std::exit(1);
    }
    return run;
}

// The instructions callgrind counts from the first one of the process to its exit; nothing when
// valgrind is missing or the run fails.
std::optional<double> countInstructions(const Command& command, const std::string& outFile)
{
#ifdef _WIN32
    (void)command;
    (void)outFile;
    return std::nullopt; // no valgrind
#else
    Command counted = {"valgrind", "--tool=callgrind", "--callgrind-out-file=" + outFile};
    counted.insert(counted.end(), command.begin(), command.end());
    if (launch(counted, true).exitCode != 0)
        return std::nullopt;
    std::ifstream file(outFile);
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("summary:", 0) == 0 || line.rfind("totals:", 0) == 0)
            return std::strtod(line.c_str() + line.find(':') + 1, nullptr);
    }
    return std::nullopt;
#endif
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string nameOf(const Command& command)
{
    const std::string& path = command.front();
    return path.substr(path.find_last_of("/\\") + 1);
}

} // namespace

int main(int argc, char* argv[])
{
    std::vector<Command> commands(1);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            commands.emplace_back();
        else
            commands.back().emplace_back(argv[i]);
    }
    if (commands.size() < 2 ||
        std::any_of(commands.begin(), commands.end(), [](const Command& c) { return c.empty(); })) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARG...] -- PEER [ARG...] [-- OTHER [ARG...]]...\n",
                     argv[0]);
        return 2;
    }
    const char* runsText = std::getenv("BENCH_RUNS");
    const int runs = runsText ? std::max(3, std::atoi(runsText)) : 31;
    const std::size_t programs = commands.size();
    // The first start of each warms the disk cache and the font cache; it is not counted.
    for (const Command& command : commands)
        timed(command);

    std::vector<std::vector<double>> times(programs);
    std::vector<std::vector<long>> peaks(programs);
    for (int run = 0; run < runs; ++run) {
        for (std::size_t program = 0; program < programs; ++program) {
            const Run result = timed(commands[program]);
            times[program].push_back(result.milliseconds);
            peaks[program].push_back(result.peakKilobytes);
        }
    }
    const double peerTime = median(times[1]);
    const double peerPeak = static_cast<double>(median(peaks[1]));
    std::printf("start-up to the first idle moment, median of %d runs each, taking turns;\n"
                "ratios to %s\n",
                runs, nameOf(commands[1]).c_str());
    std::printf("  %-22s %9s %6s %12s %6s\n", "", "time", "ratio", "peak memory", "ratio");
    for (std::size_t program = 0; program < programs; ++program) {
        const double time = median(times[program]);
        const long peak = median(peaks[program]);
        std::printf("  %-22s %6.1f ms %6.2f %8ld KiB %6.2f\n", nameOf(commands[program]).c_str(),
                    time, time / peerTime, peak, static_cast<double>(peak) / peerPeak);
    }

    std::vector<std::optional<double>> counts;
    for (const Command& command : commands)
        counts.push_back(countInstructions(command, "callgrind." + nameOf(command) + ".out"));
    if (!counts[0] || !counts[1]) {
        std::printf("instructions not counted: valgrind is missing or failed\n");
        return 0;
    }
    std::printf("instructions to the first idle moment, counted by callgrind (callgrind.*.out)\n");
    for (std::size_t program = 0; program < programs; ++program) {
        if (counts[program])
            std::printf("  %-22s %9.3f million %7.4f\n", nameOf(commands[program]).c_str(),
                        *counts[program] / 1e6, *counts[program] / *counts[1]);
    }
    return 0;
}
