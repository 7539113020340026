// Loading and saving the largest word list through the editor's own functions, the way the
// word-list editor does when a list is chosen and when it is saved.
//
// Usage: bench_woordlijst [path/to/Woord-9.lst]
// Without a path the list is looked for in the source tree's assets/Data and beside the
// program; when none is found, a list of the same kind is made from /usr/share/dict/dutch.

#include "core/quiz/WoordLijst.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

std::optional<fs::path> findList(const char *argument0)
{
    std::error_code error;
    fs::path here = fs::weakly_canonical(fs::path(argument0), error).parent_path();
    for (fs::path folder = here; !folder.empty(); folder = folder.parent_path()) {
        for (const fs::path &candidate :
             {folder / "assets/Data/Woord-9.lst", folder / "bin/Data/Woord-9.lst", folder / "Data/Woord-9.lst"}) {
            if (fs::is_regular_file(candidate, error))
                return candidate;
        }
        if (folder == folder.parent_path())
            break;
    }
    return std::nullopt;
}

// Words of nine letters a to z in upper case, CR LF, as the delivered lists hold them.
std::optional<fs::path> makeList(const fs::path &folder)
{
    std::ifstream dictionary("/usr/share/dict/dutch");
    if (!dictionary)
        return std::nullopt;
    std::string text;
    std::string word;
    while (std::getline(dictionary, word)) {
        if (word.size() != 9 || !std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            continue;
        for (char &c : word)
            c = char(c - 'a' + 'A');
        text += word + "\r\n";
    }
    const fs::path path = folder / "Woord-9.lst";
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

double milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Times {
    std::vector<double> runs;
    double median() const
    {
        std::vector<double> sorted = runs;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
    void print(const char *what) const
    {
        std::vector<double> sorted = runs;
        std::sort(sorted.begin(), sorted.end());
        std::printf("%-34s min %7.2f ms   median %7.2f ms   max %7.2f ms\n", what, sorted.front(),
                    sorted[sorted.size() / 2], sorted.back());
    }
};

} // namespace

int main(int argc, char **argv)
{
    const fs::path work = fs::temp_directory_path() / ("alfabo-bench-" + std::to_string(std::random_device()()));
    fs::create_directories(work);

    std::optional<fs::path> source;
    if (argc > 1)
        source = fs::path(argv[1]);
    else
        source = findList(argv[0]);
    if (!source) {
        source = makeList(work);
        if (source)
            std::printf("no Woord-9.lst found; made one from /usr/share/dict/dutch\n");
    }
    if (!source) {
        std::fprintf(stderr, "no word list to measure\n");
        return 1;
    }

    // The saves go to a copy beside the temporary folder's other files, so the delivered
    // list is never touched.
    const fs::path copy = work / "Woord-9.lst";
    std::error_code copyError;
    if (fs::absolute(*source) != copy)
        fs::copy_file(*source, copy, fs::copy_options::overwrite_existing, copyError);
    if (copyError) {
        std::fprintf(stderr, "cannot read %s: %s\n", source->string().c_str(), copyError.message().c_str());
        fs::remove_all(work, copyError);
        return 1;
    }
    std::printf("list: %s (%ju bytes)\n", source->string().c_str(), std::uintmax_t(fs::file_size(copy)));

    constexpr int Runs = 15;
    Times load;
    Times save;
    Times add;
    core::WoordLijst lijst;
    for (int run = 0; run < Runs; ++run) {
        auto start = Clock::now();
        if (!lijst.LaadWoordenlijst(copy.string())) {
            std::fprintf(stderr, "cannot read %s\n", copy.string().c_str());
            return 1;
        }
        load.runs.push_back(milliseconds(Clock::now() - start));

        // A hundred words typed by the operator, each put in its sorted place.
        start = Clock::now();
        for (int i = 0; i < 100; ++i)
            lijst.add("woord" + std::to_string(i * 7919 % 10000));
        add.runs.push_back(milliseconds(Clock::now() - start));
        for (int i = 0; i < 100; ++i)
            lijst.remove(lijst.count() / 2);

        start = Clock::now();
        std::string error;
        if (!lijst.BewaarWoordenlijst(copy.string(), &error)) {
            std::fprintf(stderr, "cannot save: %s\n", error.c_str());
            return 1;
        }
        save.runs.push_back(milliseconds(Clock::now() - start));
    }

    std::printf("words: %zu, %d runs\n", lijst.count(), Runs);
    load.print("load (read, lower case, sort)");
    save.print("save (upper case, write, rename)");
    add.print("add 100 words");
    std::printf(
        "TABEL|Woord-9.lst read / written without the window (median of %d)|%.1f ms / %.1f ms|< 300 ms each|%s\n", Runs,
        load.median(), save.median(), load.median() < 300.0 && save.median() < 300.0 ? "yes" : "no");

    std::error_code ignored;
    fs::remove_all(work, ignored);
    return 0;
}
