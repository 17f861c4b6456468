// Starts the program and a bare Qt window program in turn, many times, and compares the median
// wall time from launch to exit and the median peak memory. Taking turns spreads whatever else
// the machine does evenly over both.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Run {
    double milliseconds = 0;
    long peakKilobytes = 0;
};

Run launch(const char* program)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        std::perror(program);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end cleanly\n", program);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM BARE_WINDOW [OTHER...]\n", argv[0]);
        return 2;
    }
    const char* runsText = std::getenv("BENCH_RUNS");
    const int runs = runsText ? std::max(3, std::atoi(runsText)) : 31;
    const int programs = argc - 1;
    // The first start of each warms the disk cache and the font cache; it is not counted.
    for (int program = 0; program < programs; ++program)
        launch(argv[1 + program]);

    std::vector<std::vector<double>> times(programs);
    std::vector<std::vector<long>> peaks(programs);
    for (int run = 0; run < runs; ++run) {
        for (int program = 0; program < programs; ++program) {
            const Run result = launch(argv[1 + program]);
            times[program].push_back(result.milliseconds);
            peaks[program].push_back(result.peakKilobytes);
        }
    }
    const double bareTime = median(times[1]);
    const double barePeak = static_cast<double>(median(peaks[1]));
    std::printf("start-up to the first idle moment, median of %d runs each, taking turns\n", runs);
    std::printf("  %-22s %9s %8s %12s %8s\n", "", "time", "ratio", "peak memory", "ratio");
    for (int program = 0; program < programs; ++program) {
        const double time = median(times[program]);
        const long peak = median(peaks[program]);
        const char* name = std::strrchr(argv[1 + program], '/');
        std::printf("  %-22s %6.1f ms %8.2f %8ld KiB %8.2f\n", name ? name + 1 : argv[1 + program],
                    time, time / bareTime, peak, static_cast<double>(peak) / barePeak);
    }
    return 0;
}
