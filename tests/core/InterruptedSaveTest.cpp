// Saves that never finish: a program killed in the middle of writing a file, and a disk
// that is full. Either way the file must afterwards hold the complete old or the complete
// new content, and whatever was left behind must not hinder the next load or save.
// (A disk that fills up while one file grows is also covered per file kind, through the
// file-size limit of FailingSave.h; here a real full file system is used where one can be
// mounted.)

#include "FuzzBudget.h"
#include "TempDir.h"

#include "core/Algemeen.h"
#include "core/bestanden/Instellingen.h"
#include "core/RandomSource.h"
#include "core/quiz/ScoreLijst.h"
#include "core/quiz/WoordLijst.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace core;
namespace fs = std::filesystem;

namespace {

// One kind of file with two versions of its content, saved and read through the program's
// own functions. Version 1 is the larger, so a file cut short can never pass for it.
struct Soort {
    const char *naam;
    const char *bestand;
    std::function<bool(const std::string &pad, int versie, std::string *fout)> bewaar;
    // What the program reads from the file, as one text to compare.
    std::function<std::string(const std::string &pad)> lees;
};

std::string woord(std::size_t n)
{
    std::string w(9, 'a');
    for (std::size_t i = 9; i-- > 0; n /= 26)
        w[i] = char('a' + n % 26);
    return w;
}

std::vector<Soort> soorten(std::size_t schaal)
{
    auto instellingen = std::make_shared<std::array<Algemeen, 2>>();
    for (int v = 0; v < 2; ++v) {
        Algemeen &a = (*instellingen)[std::size_t(v)];
        a.zetStartwaarden();
        a.ReclameTekst = std::string(schaal * (2 + v), v ? 'b' : 'a') + ", met \"komma\" en \u20AC";
        a.LetterKleur = {10 + v, 20 + v, 30 + v};
        a.QuizSeconden = 100 + v;
    }
    auto scores = std::make_shared<std::array<ScoreLijst, 2>>();
    auto woorden = std::make_shared<std::array<WoordLijst, 2>>();
    for (std::size_t v = 0; v < 2; ++v) {
        for (std::size_t i = 0; i < schaal / 10 * (2 + v); ++i)
            (*scores)[v].VoegScoreToe(std::int32_t(i), "Speler " + std::to_string(i) + (v ? " nieuw" : " oud"));
        for (std::size_t i = 0; i < schaal / 4 * (2 + v); ++i)
            (*woorden)[v].add(woord(i * 7 + v));
    }

    return {
        {"settings", "Alfabolotto.ini",
         [instellingen](const std::string &pad, int v, std::string *fout) {
             return BewaarInstellingen((*instellingen)[std::size_t(v)], pad, fout);
         },
         [](const std::string &pad) {
             Algemeen a;
             a.zetStartwaarden();
             if (!LaadInstellingen(a, pad))
                 return std::string("<niet gelezen>");
             return a.ReclameTekst + "|" + std::to_string(a.LetterKleur.rood) + "," + std::to_string(a.QuizSeconden);
         }},
        {"high-score list", "Scorelijst.lib",
         [scores](const std::string &pad, int v, std::string *fout) {
             return (*scores)[std::size_t(v)].BewaarScorelijst(pad, fout);
         },
         [](const std::string &pad) {
             ScoreLijst lijst;
             if (!lijst.LaadScorelijst(pad))
                 return std::string("<niet gelezen>");
             std::string alles;
             for (const std::string &regel : lijst.ascending())
                 alles += regel + "\n";
             return alles;
         }},
        {"word list", "Woord-9.lst",
         [woorden](const std::string &pad, int v, std::string *fout) {
             return (*woorden)[std::size_t(v)].BewaarWoordenlijst(pad, fout);
         },
         [](const std::string &pad) {
             WoordLijst lijst;
             if (!lijst.LaadWoordenlijst(pad))
                 return std::string("<niet gelezen>");
             std::string alles;
             for (const std::string &w : lijst.words())
                 alles += w + "\n";
             return alles;
         }},
    };
}

std::size_t andereBestanden(const fs::path &map, const std::string &bestand)
{
    std::size_t aantal = 0;
    for (const auto &entry : fs::directory_iterator(map))
        aantal += entry.path().filename() != bestand;
    return aantal;
}

} // namespace

TEST(InterruptedSave, AKilledSaveLeavesTheOldOrTheNewFileWhole)
{
    SeededRandom toeval(99);
    for (const Soort &soort : soorten(20000)) {
        SCOPED_TRACE(soort.naam);
        // On disk, where the flush to disk makes up much of a save, so many kills fall
        // between the creation of the temporary file and its rename.
        TempDir dir;
        const fs::path &map = dir.path();
        const std::string pad = dir.file(soort.bestand);

        // The exact bytes of both versions, and what the program reads from them.
        std::string bytes[2], gelezen[2];
        double duur = 0;
        for (int v = 0; v < 2; ++v) {
            const auto begin = std::chrono::steady_clock::now();
            ASSERT_TRUE(soort.bewaar(pad, v, nullptr));
            duur = std::max(duur, std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - begin).count());
            std::ifstream in(pad, std::ios::binary);
            bytes[v].assign(std::istreambuf_iterator<char>(in), {});
            gelezen[v] = soort.lees(pad);
        }
        ASSERT_LT(bytes[0].size(), bytes[1].size());
        ASSERT_TRUE(soort.bewaar(pad, 0, nullptr));

        int oud = 0, nieuw = 0, middenIn = 0;
        std::size_t resten = 0;
        FuzzBudget kills(soort.naam, 40, false);
        while (kills.more()) {
            const long k = kills.caseNumber();
            int pijp[2];
            ASSERT_EQ(::pipe(pijp), 0);
            const pid_t kind = ::fork();
            ASSERT_GE(kind, 0);
            if (kind == 0) {
                ::prctl(PR_SET_PDEATHSIG, SIGKILL);
                ::close(pijp[0]);
                [[maybe_unused]] const auto gemeld = ::write(pijp[1], "!", 1);
                for (int i = 1; i < 100000; ++i)
                    soort.bewaar(pad, i % 2, nullptr);
                ::_exit(0);
            }
            // Once the child runs: anywhere within its first two saves.
            ::close(pijp[1]);
            char gestart = 0;
            ASSERT_EQ(::read(pijp[0], &gestart, 1), 1);
            ::close(pijp[0]);
            std::this_thread::sleep_for(std::chrono::microseconds(toeval.nextInRange(int(1.5 * duur) + 1)));
            ::kill(kind, SIGKILL);
            int status = 0;
            ASSERT_EQ(::waitpid(kind, &status, 0), kind);
            ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended before it was killed";

            std::ifstream in(pad, std::ios::binary);
            const std::string nu{std::istreambuf_iterator<char>(in), {}};
            ASSERT_TRUE(nu == bytes[0] || nu == bytes[1])
                << "kill " << k << ": the file is damaged (" << nu.size() << " bytes)";
            (nu == bytes[0] ? oud : nieuw) += 1;
            const std::size_t achtergelaten = andereBestanden(map, soort.bestand);
            middenIn += achtergelaten > resten;
            resten = achtergelaten;
            // What the program reads is what was saved (a few times: reading is slow next to a kill).
            if (k % 10 == 0) {
                ASSERT_EQ(soort.lees(pad), nu == bytes[0] ? gelezen[0] : gelezen[1]) << "kill " << k;
            }
        }

        // The temporary files of the killed saves hinder neither a save nor a load, and
        // the editor does not offer them as word lists.
        std::string fout;
        ASSERT_TRUE(soort.bewaar(pad, 1, &fout)) << fout;
        EXPECT_EQ(soort.lees(pad), gelezen[1]);
        EXPECT_EQ(LijstBestanden(map.string()), std::vector<std::string>(
                                                    std::string(soort.bestand).ends_with(".lst") ? 1 : 0, soort.bestand));
        std::printf("[kill] %-16s %ld kills in %.2f s during saves of %zu/%zu bytes (%.1f ms each): %d old file, "
                    "%d new file, 0 damaged; %d kills in the middle of writing (temporary files left)\n",
                    soort.naam, kills.done(), kills.elapsed(), bytes[0].size(), bytes[1].size(), duur / 1000, oud,
                    nieuw, middenIn);
        std::fflush(stdout);
    }
}

namespace {

// Runs in a child with a mount namespace of its own, so the small file system it mounts
// is seen by nobody else and disappears with it. Returns "" when all went well, "SKIP ..."
// when no file system could be mounted, else what went wrong.
std::string volleSchijf(const fs::path &map)
{
    if (::unshare(CLONE_NEWNS) != 0)
        return std::string("SKIP no mount namespace of our own: ") + std::strerror(errno);
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return std::string("SKIP mounts cannot be made private: ") + std::strerror(errno);

    std::string fouten;
    const auto fout = [&](const std::string &wat) { fouten += wat + "\n"; };
    for (const Soort &soort : soorten(10000)) {
        const std::string schijf = (map / "schijf").string();
        fs::create_directories(schijf);
        if (::mount("tmpfs", schijf.c_str(), "tmpfs", 0, "size=1m") != 0)
            return std::string("SKIP no tmpfs can be mounted: ") + std::strerror(errno);
        const std::string pad = schijf + "/" + soort.bestand;
        const std::string naam = soort.naam;

        if (!soort.bewaar(pad, 0, nullptr))
            fout(naam + ": the first save failed");
        const std::string oud = soort.lees(pad);

        // Fill the disk to the last byte.
        const std::string vuller = schijf + "/vuller";
        const int fd = ::open(vuller.c_str(), O_WRONLY | O_CREAT, 0644);
        const std::string blok(4096, 'x');
        while (::write(fd, blok.data(), blok.size()) > 0) {
        }
        const off_t vol = ::lseek(fd, 0, SEEK_END);

        // Quite full, and full but for a few pages: the new file does not fit either way.
        for (const off_t vrij : {off_t(0), off_t(16384)}) {
            if (::ftruncate(fd, vol - vrij) != 0)
                fout(naam + ": the filler cannot be shortened");
            std::string reden;
            const std::string wat = naam + (vrij ? " (16 KB free)" : " (full)");
            if (soort.bewaar(pad, 1, &reden))
                fout(wat + ": the save did not fail");
            if (reden.empty())
                fout(wat + ": no reason given");
            if (soort.lees(pad) != oud)
                fout(wat + ": the old file changed");
            if (andereBestanden(schijf, soort.bestand) != 1)
                fout(wat + ": a temporary file was left behind");
        }
        ::close(fd);
        ::unlink(vuller.c_str());

        // With room again the next save goes through.
        std::string reden;
        if (!soort.bewaar(pad, 1, &reden))
            fout(naam + ": the save after freeing room failed: " + reden);
        if (soort.lees(pad) == oud)
            fout(naam + ": the save after freeing room wrote nothing new");
        ::umount(schijf.c_str());
    }
    return fouten;
}

} // namespace

TEST(InterruptedSave, ASaveOnAFullDiskKeepsTheOldFile)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system needs root; the file-size limit covers a filling disk";
    TempDir dir;
    int pijp[2];
    ASSERT_EQ(::pipe(pijp), 0);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        ::close(pijp[0]);
        const std::string uitslag = volleSchijf(dir.path());
        [[maybe_unused]] const auto geschreven = ::write(pijp[1], uitslag.data(), uitslag.size());
        ::_exit(0);
    }
    ::close(pijp[1]);
    std::string uitslag;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pijp[0], buffer, sizeof buffer)) > 0;)
        uitslag.append(buffer, std::size_t(n));
    ::close(pijp[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child did not end normally";
    if (uitslag.starts_with("SKIP"))
        GTEST_SKIP() << uitslag.substr(5);
    EXPECT_EQ(uitslag, "");
    std::printf("[full disk] settings, high-score list, word list on a full 1 MB tmpfs and with 16 KB free: "
                "old file kept, nothing left behind, next save fine\n");
}
