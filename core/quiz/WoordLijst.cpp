#include "core/quiz/WoordLijst.h"

#include "core/bestanden/DelimitedText.h"
#include "core/bestanden/FileIo.h"
#include "core/bestanden/LetterCase.h"
#include "core/bestanden/Windows1252.h"

#include <algorithm>
#include <filesystem>

namespace core {
namespace {

bool needsQuotes(std::string_view word) { return word.find_first_of(",\"\r\n") != std::string_view::npos; }

void appendQuoted(std::string &out, std::string_view word)
{
    out += '"';
    for (const char c : word) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

bool WoordLijst::LaadWoordenlijst(const std::string &path)
{
    m_words.clear();
    const auto bytes = readFile(path);
    if (!bytes)
        return false;

    const std::string text = vanBestandsTekst(*bytes);
    DelimitedReader reader(text);
    while (const auto field = reader.readField()) {
        if (!field->empty())
            m_words.push_back(toLowerCase(*field));
    }
    // All words are in lower case, so plain text order is alphabetical order ignoring
    // case. The editor writes its files in order: most need no sorting at all, and the
    // others are sorted once here rather than word by word.
    if (!std::is_sorted(m_words.begin(), m_words.end()))
        std::sort(m_words.begin(), m_words.end());
    return true;
}

bool WoordLijst::BewaarWoordenlijst(const std::string &path, std::string *error) const
{
    std::string text;
    text.reserve(m_words.size() * 12);
    for (const std::string &word : m_words) {
        const std::string upper = toUpperCase(word);
        if (needsQuotes(upper))
            appendQuoted(text, upper);
        else
            text += upper;
        text += "\r\n";
    }
    return writeFileAtomically(path, naarWindows1252(text), error);
}

std::optional<std::size_t> WoordLijst::add(std::string_view text)
{
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        return std::nullopt;
    std::string word = toLowerCase(text);
    const auto place = std::upper_bound(m_words.begin(), m_words.end(), word);
    const auto index = std::size_t(place - m_words.begin());
    m_words.insert(place, std::move(word));
    return index;
}

bool WoordLijst::remove(std::size_t index)
{
    if (index >= m_words.size())
        return false;
    m_words.erase(m_words.begin() + std::ptrdiff_t(index));
    return true;
}

std::optional<int> WoordLengte(std::string_view bestandsnaam)
{
    // Step over six characters, not bytes, so a name with accented letters is read right.
    std::size_t i = 0;
    for (int skipped = 0; skipped < 6 && i < bestandsnaam.size(); ++skipped) {
        ++i;
        while (i < bestandsnaam.size() && (static_cast<unsigned char>(bestandsnaam[i]) & 0xC0) == 0x80)
            ++i;
    }
    if (i >= bestandsnaam.size())
        return std::nullopt;
    const char digit = bestandsnaam[i];
    if (digit == '1')
        return 9;
    if (digit >= '2' && digit <= '9')
        return digit - '0';
    return std::nullopt;
}

std::vector<std::string> LijstBestanden(const LijstMappen &mappen)
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    for (const std::string &folder : {mappen.eigen, mappen.meegeleverd}) {
        std::error_code error;
        fs::directory_iterator it(folder, error);
        for (; !error && it != fs::directory_iterator(); it.increment(error)) {
            std::error_code typeError;
            if (!it->is_regular_file(typeError))
                continue;
            const std::string name = it->path().filename().string();
            if (name.size() > 4 && compareIgnoringCase(std::string_view(name).substr(name.size() - 4), ".lst") == 0
                && std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        const int order = compareIgnoringCase(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

} // namespace core
