#include "core/bestanden/Instellingen.h"

#include "core/Algemeen.h"
#include "core/bestanden/DelimitedText.h"
#include "core/bestanden/FileIo.h"
#include "core/bestanden/Windows1252.h"

#include <cstdint>
#include <limits>

namespace core {
namespace {

bool leesVelden(Algemeen &state, DelimitedReader &reader)
{
    // The maker line and the dash line are skipped whatever they hold.
    if (!reader.readField() || !reader.readField())
        return false;

    const auto reclame = reader.readField();
    if (!reclame)
        return false;
    state.ReclameTekst = *reclame;

    for (int *component : {&state.LetterKleur.rood, &state.LetterKleur.groen, &state.LetterKleur.blauw}) {
        const auto value = reader.readInteger(0, 255);
        if (!value)
            return false;
        *component = int(*value);
    }

    const auto seconden =
        reader.readInteger(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    if (!seconden)
        return false;
    state.QuizSeconden = std::int32_t(*seconden);
    return true;
}

} // namespace

InstellingenLezen LaadInstellingen(Algemeen &state, const std::string &path, ReadFailure *failure)
{
    ReadFailure readFailure;
    const auto bytes = readFile(path, &readFailure);
    if (!bytes && readFailure.kind != ReadFailure::Kind::Missing) {
        if (failure)
            *failure = readFailure;
        return InstellingenLezen::Onleesbaar;
    }
    bool complete = false;
    if (bytes) {
        const std::string text = vanBestandsTekst(*bytes);
        DelimitedReader reader(text);
        complete = leesVelden(state, reader);
    }
    if (complete)
        return InstellingenLezen::Gelezen;
    BewaarInstellingen(state, path);
    return InstellingenLezen::Aangevuld;
}

bool zelfdeInstellingen(const Algemeen &a, const Algemeen &b)
{
    return a.ReclameTekst == b.ReclameTekst && a.LetterKleur == b.LetterKleur && a.QuizSeconden == b.QuizSeconden;
}

bool BewaarInstellingen(const Algemeen &state, const std::string &path, std::string *error)
{
    DelimitedWriter writer;
    writer.writeText(MakerRegel);
    writer.endLine();
    writer.writeText(StreepjesRegel);
    writer.endLine();
    writer.writeText(state.ReclameTekst);
    writer.endLine();
    writer.writeInteger(state.LetterKleur.rood);
    writer.writeInteger(state.LetterKleur.groen);
    writer.writeInteger(state.LetterKleur.blauw);
    writer.endLine();
    writer.writeInteger(state.QuizSeconden);
    writer.endLine();
    return writeFileAtomically(path, naarWindows1252(writer.text()), error);
}

} // namespace core
