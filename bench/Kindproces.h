#pragma once
// Running the real program (and Xvfb) as child processes for the benchmarks: start with an
// environment, read its stderr line by line, its processor time and its memory.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
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

namespace bench {

using Klok = std::chrono::steady_clock;

inline double msSinds(Klok::time_point begin)
{
    return std::chrono::duration<double, std::milli>(Klok::now() - begin).count();
}

struct Kind {
    pid_t pid = -1;
    int uitvoer = -1;    // read end of the pipe on the child's stderr
    std::string gelezen; // read from the pipe, not yet looked at

    void stop()
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            for (int i = 0; i < 50; ++i) {
                if (waitpid(pid, nullptr, WNOHANG) == pid) {
                    pid = -1;
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            if (pid > 0) {
                kill(pid, SIGKILL);
                waitpid(pid, nullptr, 0);
            }
        }
        pid = -1;
        if (uitvoer >= 0)
            close(uitvoer);
        uitvoer = -1;
    }
};

// Starts program with the given extra environment; its stderr goes into a pipe.
inline Kind start(const std::vector<std::string> &opdracht,
                  const std::vector<std::pair<std::string, std::string>> &omgeving, bool stdoutInPijp)
{
    int pijp[2];
    if (pipe2(pijp, O_CLOEXEC) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        for (const auto &[naam, waarde] : omgeving)
            setenv(naam.c_str(), waarde.c_str(), 1);
        const int leeg = open("/dev/null", O_RDWR);
        dup2(leeg, 0);
        dup2(stdoutInPijp ? pijp[1] : leeg, 1);
        dup2(pijp[1], 2);
        std::vector<char *> argumenten;
        for (const std::string &a : opdracht)
            argumenten.push_back(const_cast<char *>(a.c_str()));
        argumenten.push_back(nullptr);
        execv(argumenten[0], argumenten.data());
        _exit(127);
    }
    close(pijp[1]);
    if (pid < 0) {
        close(pijp[0]);
        return {};
    }
    Kind kind;
    kind.pid = pid;
    kind.uitvoer = pijp[0];
    return kind;
}

// Reads the child's output until a line holds text; false after timeoutMs or at its end.
inline bool wachtOpRegel(Kind &kind, const std::string &tekst, double timeoutMs, std::string *regel = nullptr)
{
    const auto begin = Klok::now();
    std::string &gelezen = kind.gelezen;
    while (msSinds(begin) < timeoutMs) {
        for (std::size_t eind; (eind = gelezen.find('\n')) != std::string::npos;) {
            const std::string volgende = gelezen.substr(0, eind);
            gelezen.erase(0, eind + 1);
            if (volgende.find(tekst) != std::string::npos) {
                if (regel)
                    *regel = volgende;
                return true;
            }
        }
        pollfd p{kind.uitvoer, POLLIN, 0};
        const int klaar = poll(&p, 1, 50);
        if (klaar < 0 && errno != EINTR)
            return false;
        if (klaar <= 0)
            continue;
        char buffer[4096];
        const ssize_t n = read(kind.uitvoer, buffer, sizeof buffer);
        if (n <= 0)
            return false;
        gelezen.append(buffer, std::size_t(n));
    }
    return false;
}

// Empties the pipe so the program never blocks on a full stderr.
inline void leegPijp(Kind &kind)
{
    char buffer[4096];
    pollfd p{kind.uitvoer, POLLIN, 0};
    while (poll(&p, 1, 0) > 0 && (p.revents & POLLIN) && read(kind.uitvoer, buffer, sizeof buffer) > 0) {}
}

// Processor time of all the program's threads, in seconds: its process CPU clock (in
// nanoseconds), or else utime + stime (clock ticks of 10 ms, coarse for 10 s of idling).
inline double processorSeconden(pid_t pid)
{
    clockid_t klok;
    timespec tijd{};
    if (clock_getcpuclockid(pid, &klok) == 0 && clock_gettime(klok, &tijd) == 0)
        return double(tijd.tv_sec) + double(tijd.tv_nsec) / 1e9;

    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string inhoud((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The command name (field 2) may hold blanks; the fields after it are counted from ')'.
    const std::size_t haakje = inhoud.rfind(')');
    if (haakje == std::string::npos)
        return -1;
    std::istringstream velden(inhoud.substr(haakje + 2));
    std::string veld;
    unsigned long long utime = 0, stime = 0;
    for (int nummer = 3; velden >> veld; ++nummer) {
        if (nummer == 14)
            utime = std::stoull(veld);
        if (nummer == 15) {
            stime = std::stoull(veld);
            break;
        }
    }
    return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

// A "Vm...:  1234 kB" line of /proc/<pid>/status, in MB (10^6 bytes).
inline double statusMB(pid_t pid, const std::string &naam)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string regel; std::getline(in, regel);)
        if (regel.rfind(naam + ":", 0) == 0)
            return std::stod(regel.substr(naam.size() + 1)) * 1024.0 / 1e6;
    return -1;
}

// Xvfb (screen WxH) on a display it picks itself; the number comes back through -displayfd.
inline std::optional<Kind> startXvfb(std::string *display, const std::string &scherm = "1280x800")
{
    const char *paden[] = {"/usr/bin/Xvfb", "/usr/local/bin/Xvfb"};
    std::string xvfb;
    for (const char *pad : paden)
        if (access(pad, X_OK) == 0)
            xvfb = pad;
    if (xvfb.empty())
        return std::nullopt;
    // -displayfd 1: the display number arrives on stdout, which goes into the pipe. -noreset: a
    // program ending does not make the server reset, which would refuse the next one for a moment.
    Kind server =
        start({xvfb, "-displayfd", "1", "-screen", "0", scherm + "x24", "-nolisten", "tcp", "-noreset"}, {}, true);
    if (server.pid <= 0)
        return std::nullopt;
    // The number is a line of digits only; the server's messages are not.
    const auto begin = Klok::now();
    std::string regel;
    while (msSinds(begin) < 10000) {
        if (!wachtOpRegel(server, "", 10000 - msSinds(begin), &regel))
            break;
        if (!regel.empty() && std::all_of(regel.begin(), regel.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            *display = ":" + regel;
            return server;
        }
    }
    server.stop();
    return std::nullopt;
}

// A fresh program folder under /tmp, as on a first start: a copy of the executable, the Data
// folder and a runtime folder of its own (so a program the user has open does not count as
// "already running"), no settings file. Empty, with `fout` set, when it cannot be made.
inline std::filesystem::path maakProgrammaMap(const std::string &naam, const std::filesystem::path &programma,
                                              const std::filesystem::path &data, std::error_code &fout)
{
    namespace fs = std::filesystem;
    std::string sjabloon = "/tmp/alfabo-" + naam + "-XXXXXX";
    if (!mkdtemp(sjabloon.data())) {
        fout = std::error_code(errno, std::generic_category());
        return {};
    }
    const fs::path map = sjabloon;
    fs::copy_file(programma, map / "alfabolotto", fout);
    if (!fout)
        fs::copy(data, map / "Data", fs::copy_options::recursive, fout);
    if (!fout)
        fs::create_directory(map / "runtime", fout);
    if (!fout)
        fs::permissions(map / "runtime", fs::perms::owner_all, fout);
    if (fout) {
        std::error_code genegeerd;
        fs::remove_all(map, genegeerd);
        return {};
    }
    return map;
}

} // namespace bench
