// Times what the end of a quiz game computes: the word check, 60 words of mixed lengths
// looked up in the real word lists, each word reading its list from the start (target: a
// median of at most 5 ms, under 50 ms for 60 words that are in no list), and the best words
// of 12 drawn letters over all lists, read afresh as the game does (median at most 30 ms).
//
// Usage: bench_woorden [Data folder]. Without a folder the lists beside the sources are
// used; when those are missing, temporary lists are made from /usr/share/dict/dutch.

#include "core/Algemeen.h"
#include "core/bestanden/FileIo.h"
#include "core/quiz/BesteWoorden.h"
#include "core/quiz/QuizRad.h"
#include "core/quiz/WoordScore.h"
#include "core/RandomSource.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool heeftLijsten(const fs::path &map)
{
    for (int n = 2; n <= 9; ++n)
        if (!fs::exists(core::woordLijstPad(map.string(), n)))
            return false;
    return true;
}

// Lists of the words of 2 to 9 letters a-z, upper case, sorted, CR LF.
bool maakTijdelijkeLijsten(const fs::path &map)
{
    std::ifstream bron("/usr/share/dict/dutch");
    if (!bron)
        return false;
    std::vector<std::set<std::string>> perLengte(10);
    std::string regel;
    while (std::getline(bron, regel)) {
        if (regel.size() < 2 || regel.size() > 9)
            continue;
        if (!std::all_of(regel.begin(), regel.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            continue;
        std::string woord = regel;
        for (char &c : woord)
            c = char(c - 'a' + 'A');
        perLengte[woord.size()].insert(woord);
    }
    fs::create_directories(map);
    for (int n = 2; n <= 9; ++n) {
        std::string inhoud;
        for (const std::string &woord : perLengte[std::size_t(n)])
            inhoud += woord + "\r\n";
        if (!core::writeFileAtomically(core::woordLijstPad(map.string(), n), inhoud))
            return false;
    }
    return true;
}

std::vector<std::string> leesLijst(const fs::path &map, int n)
{
    std::vector<std::string> woorden;
    std::ifstream in(core::woordLijstPad(map.string(), n), std::ios::binary);
    std::string regel;
    while (std::getline(in, regel)) {
        if (!regel.empty() && regel.back() == '\r')
            regel.pop_back();
        woorden.push_back(regel);
    }
    return woorden;
}

// 60 words, lengths 2 to 9 in turn; every other word is taken from its list (spread over
// the whole list, in lower case as a player types), the others are not in any list, so
// their lookup reads the whole file.
std::vector<std::string> maakWoorden(const fs::path &map, bool alleenNegenNietGevonden)
{
    std::vector<std::string> woorden;
    for (int i = 0; i < 60; ++i) {
        const int n = alleenNegenNietGevonden ? 9 : 2 + (i / 2) % 8;
        const bool bestaand = !alleenNegenNietGevonden && i % 2 == 0;
        const auto lijst = bestaand ? leesLijst(map, n) : std::vector<std::string>{};
        if (!lijst.empty()) {
            std::string woord = lijst[(std::size_t(i) * 7919u) % lijst.size()];
            for (char &c : woord)
                c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            woorden.push_back(woord);
        } else {
            woorden.push_back(std::string(std::size_t(n - 1), 'q') + char('a' + i % 26));
        }
    }
    return woorden;
}

// Processor time of this thread, which a busy machine does not inflate the way it does
// the wall time.
double rekentijdMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void meet(const char *naam, const char *tabelNaam, const std::vector<std::string> &woorden, const fs::path &map,
          const core::LetterWaardeTabel &waarden, double doelMs)
{
    constexpr int Rondes = 15;
    std::vector<double> tijden;
    std::vector<double> rekentijden;
    core::ControleUitslag uitslag;
    for (int r = 0; r < Rondes; ++r) {
        const auto begin = std::chrono::steady_clock::now();
        const double rekenBegin = rekentijdMs();
        uitslag = core::ControleerWoorden(woorden, map.string(), waarden);
        rekentijden.push_back(rekentijdMs() - rekenBegin);
        const auto einde = std::chrono::steady_clock::now();
        tijden.push_back(std::chrono::duration<double, std::milli>(einde - begin).count());
    }
    std::sort(tijden.begin(), tijden.end());
    std::sort(rekentijden.begin(), rekentijden.end());
    const auto gevonden = std::count_if(uitslag.woorden.begin(), uitslag.woorden.end(),
                                        [](const core::WoordControle &w) { return w.gevonden; });
    const double mediaan = tijden[tijden.size() / 2];
    std::printf("%s\n  %zu words, %ld found, total %d points\n"
                "  wall: min %.2f ms, median %.2f ms, max %.2f ms\n"
                "  cpu:  min %.2f ms, median %.2f ms, max %.2f ms\n"
                "  target <= %.0f ms (median wall): %s\n",
                naam, woorden.size(), long(gevonden), uitslag.totaal, tijden.front(), mediaan, tijden.back(),
                rekentijden.front(), rekentijden[rekentijden.size() / 2], rekentijden.back(), doelMs,
                mediaan <= doelMs ? "OK" : "TOO SLOW");
    std::printf("TABEL|%s (median / worst of %d)|%.1f ms / %.1f ms|median <= %.0f ms|%s\n", tabelNaam, Rondes, mediaan,
                tijden.back(), doelMs, mediaan <= doelMs ? "yes" : "no");
}

// The best words after a game, for 25 letter sets drawn as in a game: the lists read and searched.
void meetBesteWoorden(const fs::path &map, const core::LetterWaardeTabel &waarden)
{
    constexpr int Spellen = 25;
    constexpr double DoelMs = 30;
    core::SeededRandom toeval(2026);
    std::vector<double> tijden;
    std::size_t gevonden = 0;
    for (int spel = 0; spel < Spellen; ++spel) {
        std::array<std::string, 13> letters{};
        const auto trekkingen = core::kiesQuizLetters(toeval);
        for (std::size_t k = 0; k < trekkingen.size(); ++k)
            letters[k + 1] = std::string(1, trekkingen[k].letter);
        const auto begin = std::chrono::steady_clock::now();
        gevonden += core::besteWoorden(core::WoordVoorraad::laad(map.string()), letters, waarden).size();
        tijden.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
    }
    std::sort(tijden.begin(), tijden.end());
    const double mediaan = tijden[tijden.size() / 2];
    std::printf("Best words of 12 drawn letters over all lists, %d letter sets (%zu words shown in all):\n"
                "  wall: min %.2f ms, median %.2f ms, max %.2f ms\n",
                Spellen, gevonden, tijden.front(), mediaan, tijden.back());
    std::printf("TABEL|Best words of 12 letters over all lists, read afresh (median / worst of %d)|%.1f ms / %.1f "
                "ms|median <= %.0f ms|%s\n",
                Spellen, mediaan, tijden.back(), DoelMs, mediaan <= DoelMs ? "yes" : "no");
}

} // namespace

int main(int argc, char **argv)
{
    fs::path map = argc > 1 ? fs::path(argv[1]) : fs::path(__FILE__).parent_path().parent_path() / "assets" / "Data";
    fs::path tijdelijk;
    if (!heeftLijsten(map)) {
        tijdelijk = fs::temp_directory_path() / "alfabo-bench-woorden";
        if (!maakTijdelijkeLijsten(tijdelijk)) {
            std::fprintf(stderr, "No word lists in %s and none could be made\n", map.string().c_str());
            return 1;
        }
        map = tijdelijk;
    }
    std::printf("Word lists: %s\n", map.string().c_str());

    core::Algemeen state;
    state.vulLetterWaarde();
    meet("ControleerWoorden, 60 words of 2-9 letters, half of them in the lists:",
         "Word check at the end of a quiz, 60 words of 2-9 letters", maakWoorden(map, false), map, state.LetterWaarde,
         5);
    meet("ControleerWoorden, 60 words of 9 letters, none in the list (worst case):",
         "Word check, 60 words of 9 letters none in the list", maakWoorden(map, true), map, state.LetterWaarde, 50);
    meetBesteWoorden(map, state.LetterWaarde);

    if (!tijdelijk.empty())
        fs::remove_all(tijdelijk);
    return 0;
}
