// Faults an operator meets with the program's files: another user's file, a folder or a pipe
// where a file should be, a save through a symbolic link, temporary files of a cut-off save,
// files saved as UTF-8 by a text editor. Permission cases run as an ordinary user: as root (the
// CI machine) the check runs in a child process that has become the user "nobody".

#include "TijdelijkeMap.h"

#include "core/Algemeen.h"
#include "core/bestanden/FileIo.h"
#include "core/bestanden/Instellingen.h"
#include "core/quiz/ScorelijstBewaring.h"
#include "core/quiz/WoordLijst.h"
#include "core/quiz/WoordZoeken.h"

#include <gtest/gtest.h>

#include <functional>
#include <grp.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace core;

namespace {

constexpr uid_t Nobody = 65534;

// Runs check as an ordinary user, in a child process; whether it returned true there.
bool alsGewoneGebruiker(const std::function<bool()> &check)
{
    std::fflush(stdout);
    const pid_t kind = ::fork();
    if (kind == 0) {
        if (::geteuid() == 0
            && (::setgroups(0, nullptr) != 0 || ::setresgid(Nobody, Nobody, Nobody) != 0
                || ::setresuid(Nobody, Nobody, Nobody) != 0))
            ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    return kind > 0 && ::waitpid(kind, &status, 0) == kind && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A file the ordinary user of alsGewoneGebruiker cannot read, in a folder open to everyone.
void maakOnleesbaar(const TempDir &dir, const std::string &pad)
{
    ::chmod(dir.pad.c_str(), 0777);
    ::chmod(pad.c_str(), 0);
}

const std::string DrieSpelers = "\"Kwartelhoven Software 2017\"\r\n\"--------------------------\"\r\n"
                                "\"0010 - An\"\r\n\"0020 - Bo\"\r\n\"0030 - Cas\"\r\n";

} // namespace

TEST(Bestandsfouten, OnlyARegularFileIsReadAndAFailureSaysWhetherItIsMissingNoFileOrUnreadable)
{
    TempDir dir;
    schrijf(dir.file("gewoon"), "inhoud");
    fs::create_directory(dir.file("map"));
    ASSERT_EQ(::mkfifo(dir.file("pijp").c_str(), 0600), 0);
    using Kind = ReadFailure::Kind;
    const std::tuple<std::string, std::optional<Kind>, const char *> gevallen[] = {
        {dir.file("gewoon"), std::nullopt, ""},
        {dir.file("weg"), Kind::Missing, "bestaat niet"},
        {dir.file("weg/a.lib"), Kind::Missing, "bestaat niet"},
        {dir.file("map"), Kind::NotAFile, "een map"},
        {dir.file("pijp"), Kind::NotAFile, "geen gewoon bestand"}, // read without waiting for a writer
        {"/dev/zero", Kind::NotAFile, "geen gewoon bestand"},
    };
    for (const auto &[pad, soort, reden] : gevallen) {
        ReadFailure fout;
        const auto bytes = readFile(pad, &fout);
        EXPECT_EQ(bytes.has_value(), !soort) << pad;
        if (soort) {
            EXPECT_TRUE(fout.kind == *soort && fout.reason.find(reden) != std::string::npos)
                << pad << ": " << fout.reason;
        }
    }
    // A word list that is a folder counts as missing in the quiz.
    fs::create_directory(dir.file("Woord-3.lst"));
    EXPECT_EQ(ZoekWoord(dir.pad.string(), "kat"), ZoekUitslag::LijstOntbreekt);

    schrijf(dir.file("geheim"), "inhoud");
    maakOnleesbaar(dir, dir.file("geheim"));
    EXPECT_TRUE(alsGewoneGebruiker([&] {
        ReadFailure fout;
        return !readFile(dir.file("geheim"), &fout) && fout.kind == Kind::Unreadable
            && fout.reason == "geen toegang (onvoldoende rechten)";
    }));
}

// Another user's list, or a folder in its place: the list is left as it is, the operator is
// told why, and the new scores go to the file beside it, where the next session finds them.
TEST(ScorelijstBewaring, AListThatCannotBeReadIsNeverWrittenOverAndNewScoresGoBesideIt)
{
    for (const bool folder : {false, true}) {
        SCOPED_TRACE(folder ? "a folder" : "another user's file");
        TempDir dir;
        const std::string pad = dir.file("Scorelijst.lib");
        if (folder)
            fs::create_directory(pad);
        else
            schrijf(pad, DrieSpelers);
        maakOnleesbaar(dir, pad);
        const auto sessie = [&](const char *naam, std::size_t verwacht) {
            ScoreLijst lijst;
            ScorelijstBewaring bewaring(lijst, pad);
            const std::string melding = bewaring.laad();
            const bool gemeld = melding.find(pad + " kon niet worden gelezen: ") != std::string::npos
                && melding.find(nieuwScorelijstPad(pad)) != std::string::npos;
            lijst.VoegScoreToe(5, naam);
            return gemeld && bewaring.doelPad() == nieuwScorelijstPad(pad) && lijst.count() == verwacht
                && bewaring.bewaar(ScorelijstBewaring::Moment::NaSpel).empty()
                && bewaring.bewaar(ScorelijstBewaring::Moment::BijAfsluiten).empty();
        };
        EXPECT_TRUE(alsGewoneGebruiker([&] { return sessie("Eerste", 1) && sessie("Tweede", 2); }));
        EXPECT_TRUE(folder ? fs::is_directory(pad) : lees(pad) == DrieSpelers);
        ScoreLijst nieuw;
        ASSERT_TRUE(nieuw.LaadScorelijst(nieuwScorelijstPad(pad)));
        EXPECT_EQ(nieuw.ascending(), (std::vector<std::string>{"0005 - Eerste", "0005 - Tweede"}));
    }
}

TEST(Instellingen, ASettingsFileThatCannotBeReadKeepsItsBytesAndTheStartValues)
{
    TempDir dir;
    const std::string pad = dir.file("Alfabolotto.ini");
    const std::string bytes = "\"x\"\r\n\"y\"\r\n\"Zaal 3\"\r\n1,2,3\r\n60\r\n";
    schrijf(pad, bytes);
    maakOnleesbaar(dir, pad);
    EXPECT_TRUE(alsGewoneGebruiker([&] {
        Algemeen state;
        state.zetStartwaarden();
        ReadFailure fout;
        return LaadInstellingen(state, pad, &fout) == InstellingenLezen::Onleesbaar
            && state.ReclameTekst == Algemeen::WebAdres && !fout.reason.empty();
    }));
    EXPECT_EQ(lees(pad), bytes);
}

// A save through a symbolic link (relative, in a chain, or to a file not there yet) replaces the
// link's target and leaves the link; the target keeps its mode and, where allowed, its owner.
TEST(VeiligBewaren, ASaveThroughALinkReplacesItsTargetWithTheSameModeAndOwner)
{
    TempDir dir;
    fs::create_directory(dir.file("echt"));
    schrijf(dir.file("echt/Scorelijst.lib"), "oud");
    ::chmod(dir.file("echt/Scorelijst.lib").c_str(), 0640);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(dir.file("echt/Scorelijst.lib").c_str(), Nobody, Nobody), 0);
    }
    fs::create_symlink("echt/Scorelijst.lib", dir.file("tussen"));
    fs::create_symlink(dir.file("tussen"), dir.file("link"));
    fs::create_symlink("echt/nog-niet", dir.file("nieuw"));
    fs::create_symlink("rondje", dir.file("rondje"));

    ASSERT_TRUE(writeFileAtomically(dir.file("link"), "nieuw"));
    EXPECT_TRUE(fs::is_symlink(dir.file("link")) && fs::is_symlink(dir.file("tussen")));
    EXPECT_EQ(lees(dir.file("echt/Scorelijst.lib")), "nieuw");
    struct stat info {};
    ASSERT_EQ(::stat(dir.file("echt/Scorelijst.lib").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_TRUE(info.st_uid == Nobody && info.st_gid == Nobody);
    }

    EXPECT_TRUE(writeFileAtomically(dir.file("nieuw"), "eerste") && lees(dir.file("echt/nog-niet")) == "eerste");
    std::string fout;
    EXPECT_FALSE(writeFileAtomically(dir.file("rondje"), "x", &fout));
    EXPECT_EQ(fout, "te veel symbolische koppelingen");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("echt")), {}), 2) << "no temporary files left";
}

TEST(VeiligBewaren, OnlyTheTemporaryFilesOfTheProgramsOwnFilesAreRemovedAtStart)
{
    TempDir dir;
    const std::pair<const char *, bool> namen[] = {
        {"Scorelijst.lib.tmp-Ab3xYz", true},
        {"Woord-5.lst.tmp-000000", true},
        {"Alfabolotto.INI.tmp-q1w2e3", true},
        {"Scorelijst.lib.nieuw.tmp-abcdef", true},
        {"Scorelijst.lib", false},
        {"notities.txt.tmp-abcdef", false},
        {"Scorelijst.lib.tmp-abc", false},
        {"Scorelijst.lib.tmp-abc-de", false},
        {"Woord-5.lst.tmp-abcdefg", false},
        {".tmp-abcdef", false},
    };
    for (const auto &[naam, weg] : namen)
        schrijf(dir.file(naam), "x");
    fs::create_directory(dir.file("map.lib.tmp-abcdef"));
    EXPECT_EQ(removeStaleTemporaryFiles(dir.pad.string()), 4);
    for (const auto &[naam, weg] : namen)
        EXPECT_EQ(fs::exists(dir.file(naam)), !weg) << naam;
    EXPECT_TRUE(fs::is_directory(dir.file("map.lib.tmp-abcdef")));
}

// A file saved by a text editor in UTF-8, with or without a byte-order mark, reads as typed; a
// Windows-1252 file as before. Saving writes Windows-1252 again.
TEST(Tekstcodering, FilesSavedInUtf8AreReadAsTypedAndWrittenBackAsWindows1252)
{
    TempDir dir;
    const std::string bom = "\xEF\xBB\xBF", kop = "\"a\"\r\n\"b\"\r\n";
    const std::pair<std::string, const char *> inis[] = {
        {kop + "\"Caf\xC3\xA9 De Roos \xE2\x82\xAC\"\r\n1,2,3\r\n9\r\n", "UTF-8"},
        {bom + kop + "\"Caf\xC3\xA9 De Roos \xE2\x82\xAC\"\r\n1,2,3\r\n9\r\n", "UTF-8 with a byte-order mark"},
        {kop + "\"Caf\xE9 De Roos \x80\"\r\n1,2,3\r\n9\r\n", "Windows-1252"},
    };
    for (const auto &[bytes, soort] : inis) {
        schrijf(dir.file("a.ini"), bytes);
        Algemeen state;
        EXPECT_TRUE(LaadInstellingen(state, dir.file("a.ini")) == InstellingenLezen::Gelezen
                    && state.ReclameTekst == "Caf\xC3\xA9 De Roos \xE2\x82\xAC")
            << soort << ": " << state.ReclameTekst;
        EXPECT_TRUE(BewaarInstellingen(state, dir.file("b.ini"))
                    && lees(dir.file("b.ini")).find("\"Caf\xE9 De Roos \x80\"\r\n") != std::string::npos);
    }

    schrijf(dir.file("Woord-3.lst"), bom + "AAP\r\nNOT\r\n");
    schrijf(dir.file("Woord-4.lst"), "CAF\xC3\x89\r\nTHEE\r\n");
    WoordLijst lijst;
    ASSERT_TRUE(lijst.LaadWoordenlijst(dir.file("Woord-3.lst")));
    EXPECT_EQ(lijst.words(), (std::vector<std::string>{"aap", "not"}));
    EXPECT_EQ(ZoekWoord(dir.pad.string(), "aap"), ZoekUitslag::Gevonden);
    EXPECT_EQ(ZoekWoord(dir.pad.string(), "caf\xC3\xA9"), ZoekUitslag::Gevonden);
    ASSERT_TRUE(lijst.BewaarWoordenlijst(dir.file("Woord-3.lst")));
    EXPECT_EQ(lees(dir.file("Woord-3.lst")), "AAP\r\nNOT\r\n");
}
