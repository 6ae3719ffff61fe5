// Starts the main window and the bare dialog in turn on a virtual display of its own and prints the
// medians of their wall times and peak memory, and the main window's ratios to the dialog's.
// Usage: startup_ratio MAIN_WINDOW_PROGRAM BARE_DIALOG_PROGRAM [PAIRED_RUNS]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

struct RunResult {
    double seconds;
    double cpuSeconds;
    long peakKilobytes;
};

double Seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

pid_t Spawn(const std::vector<std::string>& command) {
    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        std::vector<char*> arguments;
        for (const std::string& argument : command) {
            arguments.push_back(const_cast<char*>(argument.c_str()));
        }
        arguments.push_back(nullptr);
        execvp(arguments[0], arguments.data());
        std::perror(arguments[0]);
        _exit(127);
    }
    return child;
}

RunResult Run(const std::vector<std::string>& command) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = Spawn(command);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(command[0] + " failed");
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), Seconds(usage.ru_utime) + Seconds(usage.ru_stime), usage.ru_maxrss};
}

// A private X server, so that no other process's windows share the display; -displayfd lets it
// pick a free number and report it.
class VirtualDisplay {
public:
    VirtualDisplay() {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            throw std::runtime_error("pipe failed");
        }
        m_server = Spawn({"Xvfb", "-noreset", "-nolisten", "tcp", "-screen", "0", "1280x1024x24",
                          "-displayfd", std::to_string(pipeEnds[1])});
        close(pipeEnds[1]);
        std::string number;
        char digit = 0;
        while (read(pipeEnds[0], &digit, 1) == 1 && digit != '\n') {
            number += digit;
        }
        close(pipeEnds[0]);
        if (number.empty()) {
            throw std::runtime_error("Xvfb did not start");
        }
        m_name = ":" + number;
    }
    ~VirtualDisplay() {
        kill(m_server, SIGTERM);
        waitpid(m_server, nullptr, 0);
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    const std::string& Name() const { return m_name; }

private:
    pid_t m_server = -1;
    std::string m_name;
};

template <typename T> T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The value a given share of the values lie at or below (nearest rank).
double Quantile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[rank];
}

RunResult MediansOf(const std::vector<RunResult>& runs) {
    std::vector<double> seconds;
    std::vector<double> cpuSeconds;
    std::vector<long> peaks;
    for (const RunResult& run : runs) {
        seconds.push_back(run.seconds);
        cpuSeconds.push_back(run.cpuSeconds);
        peaks.push_back(run.peakKilobytes);
    }
    return {Median(seconds), Median(cpuSeconds), Median(peaks)};
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: startup_ratio MAIN_WINDOW_PROGRAM BARE_DIALOG_PROGRAM [PAIRED_RUNS]\n", stderr);
        return 2;
    }
    const std::vector<std::string> mainWindow{argv[1]};
    const std::vector<std::string> bareDialog{argv[2]};
    const int pairs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 21;
    try {
        const VirtualDisplay display;
        const std::filesystem::path profile =
            std::filesystem::temp_directory_path() / ("cssbinder-startup-" + std::to_string(getpid()));
        const std::filesystem::path runtime = profile / "runtime";
        std::filesystem::create_directories(runtime);
        // The stored game folder must hold cstrike, or the window would ask for another one.
        std::filesystem::create_directories(profile / "cstrike");
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        setenv("DISPLAY", display.Name().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("XDG_CONFIG_HOME", profile.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        Run({argv[1], "--store-game-folder", profile.string()});

        // One unmeasured start of each fills the file caches; then each pair alternates its order,
        // so that a slow moment of the shared machine falls on both programs alike.
        Run(mainWindow);
        Run(bareDialog);
        std::vector<RunResult> mainRuns;
        std::vector<RunResult> bareRuns;
        for (int pair = 0; pair < pairs; ++pair) {
            if (pair % 2 == 0) {
                mainRuns.push_back(Run(mainWindow));
                bareRuns.push_back(Run(bareDialog));
            } else {
                bareRuns.push_back(Run(bareDialog));
                mainRuns.push_back(Run(mainWindow));
            }
        }
        std::filesystem::remove_all(profile);

        // The processor time is printed too: on a busy machine it varies less than the wall time.
        const RunResult main = MediansOf(mainRuns);
        const RunResult bare = MediansOf(bareRuns);
        std::printf("start-up to first paint, medians of %d paired runs on %s\n", pairs,
                    display.Name().c_str());
        std::printf("               wall        processor   peak memory\n");
        for (const auto& [name, run] : {std::pair("main window", main), std::pair("bare dialog", bare)}) {
            std::printf("  %s  %7.1f ms  %7.1f ms  %7ld KiB\n", name, run.seconds * 1000,
                        run.cpuSeconds * 1000, run.peakKilobytes);
        }
        std::printf("  ratio        %7.2f     %7.2f     %7.2f\n", main.seconds / bare.seconds,
                    main.cpuSeconds / bare.cpuSeconds,
                    static_cast<double>(main.peakKilobytes) / static_cast<double>(bare.peakKilobytes));

        // How far one pair's wall ratio strays from another tells how much the machine's noise
        // weighs in the median above.
        std::vector<double> pairRatios;
        for (std::size_t pair = 0; pair < mainRuns.size(); ++pair) {
            pairRatios.push_back(mainRuns[pair].seconds / bareRuns[pair].seconds);
        }
        std::printf("  wall ratio of the middle half of the pairs: %.2f to %.2f\n",
                    Quantile(pairRatios, 0.25), Quantile(pairRatios, 0.75));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "startup_ratio: %s\n", failure.what());
        return 1;
    }
    return 0;
}
