// Start-up time: from starting a process to its main window's first paint,
// for ゾキ (the same start-up as the zoki executable, over a data folder) and
// for a minimal Qt window built the same way, and the ratio of the medians.
// A second minimal window with one Japanese caption in ゾキ's fonts shows how
// much of the difference is loading a Japanese font at all; a third, of the
// main window's size with its four menus, how much is a window that large
// (painting it and handing it to the window system).
//
// Usage: startup_qbench [RUNS] [DRAWS] [SETS]
// Needs a display (bench/startup.sh starts its own Xvfb); with
// QT_QPA_PLATFORM=offscreen it measures without one.
#include "shell/application.h"
#include "shell/pictures.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Tells the parent that the window has painted, then leaves at once: the
// tear-down is not part of start-up.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            QTimer::singleShot(0, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }
    bool seen = false;
};

enum class Kind { Minimal, MinimalJapanese, MinimalSized, Zoki };

int child(int argc, char* argv[], Kind kind, const char* folder) {
    QApplication app(argc, argv);
    FirstPaint probe;
    if (kind == Kind::Zoki) {
        zoki::qt::prepareApplication(app);
        static zoki::qt::ZokiApp program(QString::fromUtf8(folder));
        program.adapter().mainWindow()->installEventFilter(&probe);
        if (!program.start())
            return 1;
    } else {
        static QMainWindow window;
        window.setWindowTitle(QStringLiteral("minimal"));
        if (kind != Kind::Minimal)
            zoki::qt::prepareApplication(app);
        if (kind == Kind::MinimalSized) {
            const zoki::Form1 design;
            for (const zoki::MenuItem* menu : design.menuBar)
                window.menuBar()->addMenu(QString::fromStdString(menu->caption()));
            window.setFixedSize(zoki::qt::twipsToPixels(design.clientWidth),
                                zoki::qt::twipsToPixels(design.clientHeight) + window.menuBar()->sizeHint().height());
        }
        window.setCentralWidget(
            new QLabel(kind != Kind::Minimal ? QStringLiteral("判定結果") : QStringLiteral("minimal"), &window));
        window.installEventFilter(&probe);
        window.show();
    }
    return QApplication::exec();
}

// Milliseconds from spawning the child to its "shown" line; negative on failure.
double measure(const std::string& self, const std::vector<std::string>& args) {
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv{const_cast<char*>(self.c_str())};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return -1;
    }
    double ms = -1;
    pollfd p{out[0], POLLIN, 0};
    char buffer[16] = {};
    if (poll(&p, 1, 30000) > 0 && read(out[0], buffer, sizeof buffer - 1) > 0 && std::strncmp(buffer, "shown", 5) == 0)
        ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    close(out[0]);
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return ms;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// `count` different random numbers 1..43, one per line; a kept set in
// ascending order, as the program keeps them.
void writeRandomNumbers(std::ostream& out, std::mt19937& rng, int count, bool ascending) {
    std::vector<int> numbers(43);
    for (int n = 0; n < 43; ++n)
        numbers[static_cast<std::size_t>(n)] = n + 1;
    std::shuffle(numbers.begin(), numbers.end(), rng);
    if (ascending)
        std::sort(numbers.begin(), numbers.begin() + count);
    for (int k = 0; k < count; ++k)
        out << numbers[static_cast<std::size_t>(k)] << "\r\n";
}

// DRAWS random draws in data.dat and SETS random kept sets in OutData.dat.
void writeData(const std::filesystem::path& folder, int draws, int sets) {
    std::mt19937 rng(42);
    std::ofstream out(folder / "data.dat", std::ios::binary);
    for (int d = 0; d < draws; ++d)
        writeRandomNumbers(out, rng, 7, false);
    std::ofstream kept(folder / "OutData.dat", std::ios::binary);
    for (int s = 0; s < sets; ++s)
        writeRandomNumbers(kept, rng, 6, true);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 2 && std::strcmp(argv[1], "--child-minimal") == 0)
        return child(argc, argv, Kind::Minimal, nullptr);
    if (argc >= 2 && std::strcmp(argv[1], "--child-minimal-ja") == 0)
        return child(argc, argv, Kind::MinimalJapanese, nullptr);
    if (argc >= 2 && std::strcmp(argv[1], "--child-minimal-sized") == 0)
        return child(argc, argv, Kind::MinimalSized, nullptr);
    if (argc >= 3 && std::strcmp(argv[1], "--child-zoki") == 0)
        return child(argc, argv, Kind::Zoki, argv[2]);

    const int runs = argc >= 2 ? std::max(3, std::atoi(argv[1])) : 21;
    const int draws = argc >= 3 ? std::max(0, std::atoi(argv[2])) : 12;
    const int sets = argc >= 4 ? std::max(0, std::atoi(argv[3])) : 1;
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    const auto folder = std::filesystem::temp_directory_path() / ("zoki-startup-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    writeData(folder, draws, sets);

    // One of each first, unmeasured: the file cache is warm for both.
    measure(self, {"--child-minimal"});
    measure(self, {"--child-zoki", folder.string()});
    measure(self, {"--child-minimal-ja"});
    measure(self, {"--child-minimal-sized"});
    std::vector<double> minimal;
    std::vector<double> japanese;
    std::vector<double> sized;
    std::vector<double> zoki;
    for (int i = 0; i < runs; ++i) {
        const double a = measure(self, {"--child-minimal"});
        const double j = measure(self, {"--child-minimal-ja"});
        const double w = measure(self, {"--child-minimal-sized"});
        const double b = measure(self, {"--child-zoki", folder.string()});
        if (a < 0 || j < 0 || w < 0 || b < 0) {
            std::fprintf(stderr, "startup_qbench: a window did not show (is there a display?)\n");
            std::filesystem::remove_all(folder);
            return 1;
        }
        minimal.push_back(a);
        japanese.push_back(j);
        sized.push_back(w);
        zoki.push_back(b);
    }
    std::filesystem::remove_all(folder);

    const double m = median(minimal);
    const double j = median(japanese);
    const double w = median(sized);
    const double z = median(zoki);
    auto line = [](const char* what, const std::vector<double>& v) {
        std::printf("  %-36s %7.1f ms  (min %.1f, max %.1f)\n", what, median(v), *std::min_element(v.begin(), v.end()),
                    *std::max_element(v.begin(), v.end()));
    };
    std::printf("start-up to the main window painted, median of %d runs (%d draws, %d kept sets)\n", runs, draws, sets);
    line("minimal Qt window", minimal);
    line("minimal window, one Japanese label", japanese);
    line("minimal window, same size and menus", sized);
    line("zoki main window", zoki);
    std::printf("  ratio zoki / minimal                 %7.2fx\n", m > 0 ? z / m : 0.0);
    std::printf("  ratio zoki / minimal Japanese        %7.2fx\n", j > 0 ? z / j : 0.0);
    std::printf("  ratio zoki / same size and menus     %7.2fx\n", w > 0 ? z / w : 0.0);
    return 0;
}
