#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// The comma-delimited text convention shared by the settings file, the high-score file
// and the word lists: text fields in double quotes, numbers in plain decimal, fields of
// one line separated by commas, lines ended by CR LF.
//
// A double quote inside a text field is written twice (""), so any text survives a
// save and a new read unchanged; files without such quotes read exactly as before.
class DelimitedReader
{
public:
    explicit DelimitedReader(std::string_view text);

    // The next field: a quoted field loses its quotes, an unquoted field loses the blanks
    // around it; a field ends at a comma or a line end (CR LF, LF or a lone CR).
    // Nothing is left: nullopt.
    std::optional<std::string> readField();

    // The next field as a whole decimal number within [minimum, maximum]; anything else
    // (letters, a fraction, an empty field, the end of the text) gives nullopt.
    std::optional<std::int64_t> readInteger(std::int64_t minimum, std::int64_t maximum);

    bool atEnd() const;

private:
    void skipBlanks();
    void skipSeparator();
    std::string readQuoted();
    std::string readUnquoted();

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Builds text in the same convention; the caller converts and saves it.
class DelimitedWriter
{
public:
    void writeText(std::string_view text);
    void writeInteger(std::int64_t value);
    void endLine();

    const std::string &text() const { return m_text; }

private:
    void separate();

    std::string m_text;
    bool m_lineHasField = false;
};

// Parses a whole decimal number, optionally signed, with nothing else around it.
std::optional<std::int64_t> parseInteger(std::string_view text);

} // namespace core
