// The real program from the outside: start-up up to the first painted frame of the main
// window, processor time while it stands idle with its clock running, and its peak memory.
//
// The executable is copied into a temporary program folder with a copy of the Data folder
// and started as a child process with ALFABO_MELD_EERSTE_FRAME=1, which makes it write
// "eerste frame" to stderr once that frame is painted. The time runs from just before
// fork/exec to the moment that line arrives. This is done headless (offscreen) and, when
// Xvfb is installed, on a real X server (xcb). One uncounted start first warms the disk cache.
//
// After the first frame the speech engine starts on its own thread: the processor time of the
// 5 s after the frame is reported on its own. Idle: from then on, the processor time of all its
// threads over 10 s (utime + stime of /proc/<pid>/stat).
// Memory: VmHWM of /proc/<pid>/status at the end of the idle run.
// Targets: start-up under 300 ms, idle under 1 % of one core, peak memory under 120 MB.
// Then the installed program (cmake --install, its files in a home of its own) against the
// build tree's, started in turn: within 10 %.
//
// Usage: bench_opstart [alfabolotto executable] [Data folder]
//   (defaults: ../bin/alfabolotto beside this program, assets/Data of the source tree)

#include "Kindproces.h"
#include "Tabel.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <poll.h>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace bench;

namespace {

constexpr int Metingen = 9;
constexpr double StartDoelMs = 300.0;
constexpr double RustDoelProcent = 1.0;
constexpr double GeheugenDoelMB = 120.0;
constexpr double RustSeconden = 10.0;
constexpr int NaOpstartSeconden = 5; // after the first frame, before the idle measurement

struct Platform {
    std::string naam; // "offscreen" or "xcb"
    std::vector<std::pair<std::string, std::string>> omgeving;
};

struct StartUitslag {
    std::vector<double> ms; // the counted starts, sorted
    double rustProcent = -1;
    double naOpstartSeconden = -1; // CPU in the seconds after the first frame
    double piekMB = -1;            // MB, 10^6 bytes
    double rssMB = -1;
};

std::optional<double> meetStart(const std::string &programma, const Platform &platform, Kind *bewaar = nullptr)
{
    const auto begin = Klok::now();
    Kind kind = start({programma}, platform.omgeving, false);
    if (kind.pid <= 0)
        return std::nullopt;
    if (!wachtOpRegel(kind, "eerste frame", 15000)) {
        kind.stop();
        return std::nullopt;
    }
    const double ms = msSinds(begin);
    if (bewaar)
        *bewaar = kind;
    else
        kind.stop();
    return ms;
}

std::optional<StartUitslag> meet(const std::string &programma, const Platform &platform)
{
    StartUitslag uitslag;
    if (!meetStart(programma, platform))
        return std::nullopt;
    for (int i = 0; i < Metingen; ++i) {
        const auto ms = meetStart(programma, platform);
        if (!ms)
            return std::nullopt;
        uitslag.ms.push_back(*ms);
    }
    std::sort(uitslag.ms.begin(), uitslag.ms.end());

    Kind kind;
    if (!meetStart(programma, platform, &kind))
        return std::nullopt;
    // The speech engine starts on its own thread after the first frame (Qt's speech-dispatcher
    // plugin reads every voice of every language); that one-time work is counted apart.
    const double cpuEersteFrame = processorSeconden(kind.pid);
    const auto rustig = Klok::now() + std::chrono::seconds(NaOpstartSeconden);
    while (Klok::now() < rustig) {
        leegPijp(kind);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    const double cpuVoor = processorSeconden(kind.pid);
    uitslag.naOpstartSeconden = cpuVoor - cpuEersteFrame;
    const auto begin = Klok::now();
    while (msSinds(begin) < RustSeconden * 1000.0) {
        leegPijp(kind);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    const double cpuNa = processorSeconden(kind.pid);
    uitslag.rustProcent = (cpuNa - cpuVoor) / (msSinds(begin) / 1000.0) * 100.0;
    uitslag.piekMB = statusMB(kind.pid, "VmHWM");
    uitslag.rssMB = statusMB(kind.pid, "VmRSS");
    kind.stop();
    return uitslag;
}

void rapport(const Platform &platform, const StartUitslag &u)
{
    const double mediaan = u.ms[u.ms.size() / 2];
    const double slechtste = u.ms.back();
    std::printf("%s: start-up to first frame, %zu starts: min %.1f ms, median %.1f ms, worst %.1f ms\n",
                platform.naam.c_str(), u.ms.size(), u.ms.front(), mediaan, slechtste);
    std::printf("%s: idle %.0f s after start-up: %.2f %% of one core; VmHWM %.1f MB, VmRSS %.1f MB\n",
                platform.naam.c_str(), RustSeconden, u.rustProcent, u.piekMB, u.rssMB);
    tabel("Start-up to first frame (" + platform.naam + ", median / worst of " + std::to_string(u.ms.size()) + ")",
          opmaak("%.0f ms / %.0f ms", mediaan, slechtste), "median < 300 ms", mediaan < StartDoelMs);
    tabel("CPU in the 5 s after the first frame: the speech engine starting on its thread (" + platform.naam + ")",
          opmaak("%.2f s", u.naOpstartSeconden), "< 2 s, once", u.naOpstartSeconden >= 0 && u.naOpstartSeconden < 2.0);
    tabel("Idle CPU, main window with its clock (" + platform.naam + ", 10 s)",
          opmaak("%.2f %% of one core", u.rustProcent), "< 1 % of one core",
          u.rustProcent >= 0 && u.rustProcent < RustDoelProcent);
    tabel("Peak memory, real program idle (" + platform.naam + ", VmHWM)", opmaak("%.1f MB", u.piekMB), "< 120 MB",
          u.piekMB > 0 && u.piekMB < GeheugenDoelMB);
}

// The installed program (cmake --install into a folder of its own, its files in a home of its
// own, as for a user) against the program in the build tree, started in turn.
void vergelijkInstallatie(const fs::path &bouwMap, const fs::path &programma, const fs::path &map,
                          const Platform &platform)
{
    const std::string wat =
        "Start-up, installed program / build tree (" + platform.naam + ", median of " + std::to_string(Metingen) + ")";
    const fs::path prefix = map / "prefix";
    const std::string installeer =
        "cmake --install '" + bouwMap.string() + "' --prefix '" + prefix.string() + "' >/dev/null";
    if (std::system(installeer.c_str()) != 0) {
        tabel(wat, "cmake --install failed", "within 10 %", false);
        return;
    }
    Platform alsGebruiker = platform;
    alsGebruiker.omgeving.insert(alsGebruiker.omgeving.end(),
                                 {{"HOME", (map / "home").string()},
                                  {"XDG_CONFIG_HOME", (map / "home/.config").string()},
                                  {"XDG_DATA_HOME", (map / "home/.local/share").string()}});
    std::vector<double> bouw, geinstalleerd;
    for (int i = 0; i <= Metingen; ++i) { // the first pair uncounted
        const auto a = meetStart(programma.string(), platform);
        const auto b = meetStart((prefix / "bin" / "alfabolotto").string(), alsGebruiker);
        if (!a || !b) {
            tabel(wat, "no first frame", "within 10 %", false);
            return;
        }
        if (i > 0) {
            bouw.push_back(*a);
            geinstalleerd.push_back(*b);
        }
    }
    std::sort(bouw.begin(), bouw.end());
    std::sort(geinstalleerd.begin(), geinstalleerd.end());
    const double b = bouw[bouw.size() / 2], g = geinstalleerd[geinstalleerd.size() / 2];
    std::printf("%s: build tree median %.1f ms, installed median %.1f ms\n", platform.naam.c_str(), b, g);
    tabel(wat, opmaak("%.0f ms / %.0f ms", g, b) + opmaak(" = %+.0f %%", (g / b - 1.0) * 100.0), "within 10 %",
          g <= b * 1.10);
}

} // namespace

int main(int argc, char **argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    const fs::path hier = fs::absolute(fs::path(argv[0])).parent_path();
    const fs::path bronMap = fs::path(__FILE__).parent_path().parent_path();
    const fs::path programma = argc > 1 ? fs::path(argv[1]) : hier.parent_path() / "bin" / "alfabolotto";
    const fs::path data = argc > 2 ? fs::path(argv[2]) : bronMap / "assets" / "Data";
    if (!fs::is_regular_file(programma) || !fs::is_directory(data)) {
        std::fprintf(stderr, "Not found: %s or %s\n", programma.c_str(), data.c_str());
        return 1;
    }

    std::error_code fout;
    const fs::path map = maakProgrammaMap("opstart", programma, data, fout);
    if (fout) {
        std::fprintf(stderr, "Cannot make the program folder: %s\n", fout.message().c_str());
        return 1;
    }
    const std::string kopie = (map / "alfabolotto").string();

    const std::string runtime = (map / "runtime").string();
    std::vector<Platform> platforms{
        {"offscreen",
         {{"QT_QPA_PLATFORM", "offscreen"}, {"ALFABO_MELD_EERSTE_FRAME", "1"}, {"XDG_RUNTIME_DIR", runtime}}}};
    std::string display;
    std::optional<Kind> xvfb = startXvfb(&display);
    if (xvfb)
        platforms.push_back({"xcb",
                             {{"QT_QPA_PLATFORM", "xcb"},
                              {"DISPLAY", display},
                              {"ALFABO_MELD_EERSTE_FRAME", "1"},
                              {"XDG_RUNTIME_DIR", runtime}}});
    else
        std::printf("xcb: skipped, Xvfb could not be started\n");

    int status = 0;
    for (const Platform &platform : platforms) {
        const auto uitslag = meet(kopie, platform);
        if (!uitslag) {
            std::printf("%s: the program did not report its first frame\n", platform.naam.c_str());
            tabel("Start-up to first frame (" + platform.naam + ")", "no first frame", "< 300 ms", false);
            status = 1;
            continue;
        }
        rapport(platform, *uitslag);
    }
    if (argc <= 1)
        vergelijkInstallatie(hier.parent_path(), programma, map, platforms.front());
    if (xvfb)
        xvfb->stop();
    fs::remove_all(map, fout);
    return status;
}
