#include "core/bestanden/DelimitedText.h"

#include <gtest/gtest.h>

#include <vector>

using namespace core;

namespace {

std::vector<std::string> allFields(std::string_view text)
{
    DelimitedReader reader(text);
    std::vector<std::string> fields;
    while (auto field = reader.readField())
        fields.push_back(*field);
    return fields;
}

} // namespace

TEST(DelimitedReader, SplitsFieldsAtCommasAndEveryKindOfLineEnd)
{
    using Fields = std::vector<std::string>;
    const std::pair<std::string, Fields> cases[] = {
        {"\"a\",\"b\"\r\n", {"a", "b"}},
        {"1,2,3\n4", {"1", "2", "3", "4"}},
        {"x\ry\r\nz", {"x", "y", "z"}},
        {"  trimmed  , \"  kept  \" \r\n", {"trimmed", "  kept  "}},
        {"\"with, comma\",b", {"with, comma", "b"}},
        {"\"dubbel \"\"citaat\"\"\"", {"dubbel \"citaat\""}},
        {"\"\"\r\n\"\"", {"", ""}},
        {"\r\n\r\n", {"", ""}},
        {"\"after\" junk ,next", {"after", "next"}},
        {"\"unterminated", {"unterminated"}},
        {"", {}},
    };
    for (const auto &[text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(allFields(text), expected);
    }
}

TEST(DelimitedReader, NumbersMustBeWholeNumbersWithinTheirRange)
{
    DelimitedReader reader("150, -7 ,+3,abc,1.5,,256,12x\r\n");
    EXPECT_EQ(reader.readInteger(-1000, 1000), 150);
    EXPECT_EQ(reader.readInteger(-1000, 1000), -7);
    EXPECT_EQ(reader.readInteger(-1000, 1000), 3);
    EXPECT_EQ(reader.readInteger(-1000, 1000), std::nullopt);
    EXPECT_EQ(reader.readInteger(-1000, 1000), std::nullopt);
    EXPECT_EQ(reader.readInteger(-1000, 1000), std::nullopt);
    EXPECT_EQ(reader.readInteger(0, 255), std::nullopt);
    EXPECT_EQ(reader.readInteger(-1000, 1000), std::nullopt);
    EXPECT_EQ(reader.readInteger(-1000, 1000), std::nullopt); // nothing left
    EXPECT_EQ(parseInteger("+-3"), std::nullopt);
    EXPECT_EQ(parseInteger("99999999999999999999"), std::nullopt);
}

TEST(DelimitedWriter, WritesQuotedTextsPlainNumbersAndCrLf)
{
    DelimitedWriter writer;
    writer.writeText("a \"b\", c");
    writer.writeInteger(-4);
    writer.endLine();
    writer.writeInteger(1);
    writer.writeInteger(2);
    writer.endLine();
    EXPECT_EQ(writer.text(), "\"a \"\"b\"\", c\",-4\r\n1,2\r\n");
    EXPECT_EQ(allFields(writer.text()), (std::vector<std::string>{"a \"b\", c", "-4", "1", "2"}));
}
