#include "core/bestanden/DelimitedText.h"

#include <charconv>

namespace core {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

DelimitedReader::DelimitedReader(std::string_view text)
    : m_text(text)
{}

bool DelimitedReader::atEnd() const { return m_pos >= m_text.size(); }

void DelimitedReader::skipBlanks()
{
    while (!atEnd() && isBlank(m_text[m_pos]))
        ++m_pos;
}

void DelimitedReader::skipSeparator()
{
    if (atEnd())
        return;
    const char c = m_text[m_pos++];
    if (c == '\r' && !atEnd() && m_text[m_pos] == '\n')
        ++m_pos;
}

std::string DelimitedReader::readQuoted()
{
    std::string field;
    ++m_pos; // opening quote
    while (!atEnd()) {
        const char c = m_text[m_pos++];
        if (c != '"') {
            field += c;
            continue;
        }
        if (!atEnd() && m_text[m_pos] == '"') { // a doubled quote stands for one quote
            field += '"';
            ++m_pos;
            continue;
        }
        break;
    }
    // Whatever stands between the closing quote and the separator is ignored.
    while (!atEnd() && m_text[m_pos] != ',' && !isLineEnd(m_text[m_pos]))
        ++m_pos;
    return field;
}

std::string DelimitedReader::readUnquoted()
{
    const std::size_t start = m_pos;
    while (!atEnd() && m_text[m_pos] != ',' && !isLineEnd(m_text[m_pos]))
        ++m_pos;
    return std::string(trimmed(m_text.substr(start, m_pos - start)));
}

std::optional<std::string> DelimitedReader::readField()
{
    skipBlanks();
    if (atEnd())
        return std::nullopt;
    std::string field = m_text[m_pos] == '"' ? readQuoted() : readUnquoted();
    skipSeparator();
    return field;
}

std::optional<std::int64_t> DelimitedReader::readInteger(std::int64_t minimum, std::int64_t maximum)
{
    const auto field = readField();
    if (!field)
        return std::nullopt;
    const auto value = parseInteger(*field);
    if (!value || *value < minimum || *value > maximum)
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> parseInteger(std::string_view text)
{
    text = trimmed(text);
    // from_chars takes a leading minus but no plus; a plus is allowed once, before digits only.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

void DelimitedWriter::separate()
{
    if (m_lineHasField)
        m_text += ',';
    m_lineHasField = true;
}

void DelimitedWriter::writeText(std::string_view text)
{
    separate();
    m_text += '"';
    for (const char c : text) {
        if (c == '"')
            m_text += '"';
        m_text += c;
    }
    m_text += '"';
}

void DelimitedWriter::writeInteger(std::int64_t value)
{
    separate();
    m_text += std::to_string(value);
}

void DelimitedWriter::endLine()
{
    m_text += "\r\n";
    m_lineHasField = false;
}

} // namespace core
