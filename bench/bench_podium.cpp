// The main window on its stage, on real X servers (Xvfb) of 1250 x 800, 1920 x 1080 and
// 3840 x 2160: the time to the first painted frame beside a bare full-screen Qt window
// started on the same server in the same run (kaal_venster), the processor time of the
// program while the wheel turns (the first run of a draw, whose length is the same for every
// letter, started with the space bar through xdotool), and its peak memory at 4K.
//
// Targets: first frame at most 1.5 times the bare window at every size and a median of at most
// 150 ms at 4K; during a draw at most 3 % of one core at 1080p and 6 % at 4K; peak memory at 4K
// at most 150 MB.
//
// Usage: bench_podium [alfabolotto executable] [Data folder]
#include "Kindproces.h"
#include "Tabel.h"

#include "core/bingo/LetterRad.h"

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;
using namespace bench;

namespace {

constexpr int Starts = 7;

struct Omgeving {
    std::string display;
    std::string map; // the program folder, with its own runtime and configuration folders
    std::vector<std::pair<std::string, std::string>> variabelen(bool meldFrame) const
    {
        std::vector<std::pair<std::string, std::string>> v{{"QT_QPA_PLATFORM", "xcb"},
                                                           {"DISPLAY", display},
                                                           {"XDG_RUNTIME_DIR", map + "/runtime"},
                                                           {"XDG_CONFIG_HOME", map + "/config"},
                                                           {"CUPS_SERVER", map + "/geen-spooler"}};
        if (meldFrame)
            v.emplace_back("ALFABO_MELD_EERSTE_FRAME", "1");
        return v;
    }
};

// The median time to the first frame over `Starts` starts, after one uncounted one.
double mediaanEersteFrame(const std::string &programma, const Omgeving &omgeving)
{
    std::vector<double> ms;
    for (int i = 0; i <= Starts; ++i) {
        const auto begin = Klok::now();
        Kind kind = start({programma}, omgeving.variabelen(true), false);
        const bool gezien = wachtOpRegel(kind, "eerste frame", 15000);
        const double duur = msSinds(begin);
        kind.stop();
        if (!gezien)
            return -1;
        if (i > 0)
            ms.push_back(duur);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

double rondgangSeconden()
{
    double totaal = 0;
    for (const core::RadStap &stap : core::DraaiRondgangStappen())
        totaal += stap.wacht;
    return totaal;
}

struct Trekking {
    double procent = -1; // of one core, while the wheel turns
    double piekMB = -1;
};

// Starts the program, presses the space bar once it stands, and measures the wheel's run.
Trekking meetTrekking(const std::string &programma, const Omgeving &omgeving)
{
    Trekking uitslag;
    Kind kind = start({programma}, omgeving.variabelen(true), false);
    if (!wachtOpRegel(kind, "eerste frame", 15000)) {
        kind.stop();
        return uitslag;
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    leegPijp(kind);
    const std::string druk = "DISPLAY=" + omgeving.display
        + " xdotool search --onlyvisible --name '^Alfabo Lotto$' windowfocus --sync key space >/dev/null 2>&1";
    if (std::system(druk.c_str()) != 0) {
        kind.stop();
        return uitslag;
    }
    const double voor = processorSeconden(kind.pid);
    const auto begin = Klok::now();
    const double duur = rondgangSeconden();
    while (msSinds(begin) < duur * 1000.0) {
        leegPijp(kind);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    uitslag.procent = (processorSeconden(kind.pid) - voor) / (msSinds(begin) / 1000.0) * 100.0;
    std::this_thread::sleep_for(std::chrono::seconds(6)); // the rest of the draw
    uitslag.piekMB = statusMB(kind.pid, "VmHWM");
    kind.stop();
    return uitslag;
}

} // namespace

int main(int argc, char **argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    const fs::path hier = fs::absolute(fs::path(argv[0])).parent_path();
    const fs::path programma = argc > 1 ? fs::path(argv[1]) : hier.parent_path() / "bin" / "alfabolotto";
    const fs::path data =
        argc > 2 ? fs::path(argv[2]) : fs::path(__FILE__).parent_path().parent_path() / "assets" / "Data";
    const fs::path kaal = hier / "kaal_venster";
    if (!fs::is_regular_file(programma) || !fs::is_directory(data) || !fs::is_regular_file(kaal)) {
        std::fprintf(stderr, "Not found: %s, %s or %s\n", programma.c_str(), data.c_str(), kaal.c_str());
        return 1;
    }
    std::error_code fout;
    const fs::path map = maakProgrammaMap("podium", programma, data, fout);
    if (fout) {
        std::fprintf(stderr, "Cannot make the program folder: %s\n", fout.message().c_str());
        return 1;
    }
    const std::string kopie = (map / "alfabolotto").string();

    int status = 0;
    for (const std::string scherm : {"1250x800", "1920x1080", "3840x2160"}) {
        Omgeving omgeving{"", map.string()};
        std::optional<Kind> xvfb = startXvfb(&omgeving.display, scherm);
        if (!xvfb) {
            std::printf("%s: skipped, Xvfb could not be started\n", scherm.c_str());
            continue;
        }
        const double basis = mediaanEersteFrame(kaal.string(), omgeving);
        const double programmaMs = mediaanEersteFrame(kopie, omgeving);
        std::printf("%s: first frame, median of %d: program %.1f ms, bare window %.1f ms\n", scherm.c_str(), Starts,
                    programmaMs, basis);
        const bool vierK = scherm == "3840x2160";
        const double factor = basis > 0 ? programmaMs / basis : -1;
        const bool gehaald = programmaMs > 0 && factor <= 1.5 && (!vierK || programmaMs <= 150);
        tabel("First frame on the stage (xcb " + scherm + ", median of 7) / bare window",
              opmaak("%.0f ms / %.0f ms", programmaMs, basis) + opmaak(" = %.2fx", factor),
              vierK ? "<= 1.5x, <= 150 ms" : "<= 1.5x", gehaald);
        status |= programmaMs > 0 ? 0 : 1;
        if (scherm != "1250x800") {
            const Trekking trekking = meetTrekking(kopie, omgeving);
            if (trekking.procent < 0) {
                std::printf("%s: draw not measured (is xdotool installed?)\n", scherm.c_str());
            } else {
                const double doel = vierK ? 6.0 : 3.0;
                std::printf("%s: while the wheel turns (%.1f s): %.2f %% of one core; VmHWM %.1f MB\n", scherm.c_str(),
                            rondgangSeconden(), trekking.procent, trekking.piekMB);
                tabel("CPU while the wheel turns (xcb " + scherm + ")", opmaak("%.2f %% of one core", trekking.procent),
                      opmaak("<= %.0f %%", doel), trekking.procent <= doel);
                if (vierK)
                    tabel("Peak memory, a draw at 4K (xcb 3840x2160, VmHWM)", opmaak("%.1f MB", trekking.piekMB),
                          "<= 150 MB", trekking.piekMB > 0 && trekking.piekMB <= 150);
            }
        }
        xvfb->stop();
    }
    fs::remove_all(map, fout);
    return status;
}
