// short_name_test.cpp: laying out a typed name as the 11-byte field.
#include "frontend/short_name.hpp"

#include <gtest/gtest.h>

#include <string>

#include "known_answers.hpp"

namespace {

std::string field_text(const lfnsum::ShortName& field) {
    EXPECT_EQ(field[lfnsum::short_name_length], '\0') << "the field is terminated";
    return {reinterpret_cast<const char*>(field.data()), lfnsum::short_name_length};
}

std::string upper_cased(std::string_view name) {
    std::string text(name);
    lfnsum::to_upper_ascii(std::span{reinterpret_cast<unsigned char*>(text.data()), text.size()});
    return text;
}

TEST(FormatShortName, KnownAnswers) {
    for (const auto& answer : lfnsum_test::name_answers) {
        const std::string name = upper_cased(answer.name);
        const auto field = lfnsum::format_short_name(
            {reinterpret_cast<const unsigned char*>(name.data()), name.size()});
        EXPECT_EQ(field_text(field), answer.field) << answer.name;
    }
}

TEST(FormatShortName, BuildsTheSameFieldByteByByte) {
    lfnsum::ShortNameBuilder builder = lfnsum::start_short_name();
    for (const char byte : std::string_view("verylongname.txt")) {
        lfnsum::add_to_short_name(builder,
                                  lfnsum::to_upper_ascii(static_cast<unsigned char>(byte)));
    }
    EXPECT_EQ(field_text(lfnsum::finish_short_name(builder)), "VERYLONGNAM");
}

TEST(FormatShortName, OnlyTheFirstByteEscapesTheFreeEntryMarker) {
    const std::string name = "A\xE5.\xE5";
    const auto field = lfnsum::format_short_name(
        {reinterpret_cast<const unsigned char*>(name.data()), name.size()});
    EXPECT_EQ(field_text(field), "A\xE5      \xE5  ");
}

TEST(FormatShortName, LongNamesNeedNoRoom) {
    const std::string name(1 << 20, 'X');
    const auto field = lfnsum::format_short_name(
        {reinterpret_cast<const unsigned char*>(name.data()), name.size()});
    EXPECT_EQ(field_text(field), "XXXXXXXXXXX");
}

TEST(ToUpperAscii, ChangesOnlyAsciiLetters) {
    EXPECT_EQ(upper_cased("readme.txt"), "README.TXT");
    EXPECT_EQ(upper_cased("az AZ@[`{~"), "AZ AZ@[`{~");
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const auto unchanged = static_cast<unsigned char>(byte);
        EXPECT_EQ(lfnsum::to_upper_ascii(unchanged), unchanged) << byte;
    }
}

}  // namespace
