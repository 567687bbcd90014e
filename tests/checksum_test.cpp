// checksum_test.cpp: the checksum loop, the rotation and the binary rendering.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "checksum/binary_text.hpp"
#include "checksum/lfn_checksum.hpp"
#include "expected_output.hpp"
#include "known_answers.hpp"

namespace {

using lfnsum::short_name_length;

std::array<unsigned char, short_name_length> bytes_of(std::string_view field) {
    std::array<unsigned char, short_name_length> bytes{};
    for (std::size_t i = 0; i < short_name_length; ++i) {
        bytes[i] = static_cast<unsigned char>(field.at(i));
    }
    return bytes;
}

TEST(Checksum, KnownAnswers) {
    for (const auto& [field, checksum] : lfnsum_test::field_answers) {
        EXPECT_EQ(lfnsum::lfn_checksum(bytes_of(field)), checksum) << field;
    }
}

TEST(Checksum, AgreesWithTextbookFormOnRandomFields) {
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> any_byte(0, 255);
    for (int round = 0; round < 10000; ++round) {
        std::string field(short_name_length, ' ');
        for (char& byte : field) {
            byte = static_cast<char>(any_byte(random));
        }
        ASSERT_EQ(lfnsum::lfn_checksum(bytes_of(field)), lfnsum_test::reference_checksum(field));
    }
}

// The trace is printed from these steps, so their order and count are part of the output.
struct Step {
    char kind;  // c: a byte about to be added, s: the sum after it, r: after a rotation
    std::size_t position;
    int value;
    bool operator==(const Step&) const = default;
};

struct RecordedSteps {
    std::vector<Step> steps;
    void character(std::size_t position, unsigned char byte) {
        steps.push_back({'c', position, byte});
    }
    void sum(std::size_t position, std::uint8_t running) {
        steps.push_back({'s', position, running});
    }
    void rotation(std::size_t position, std::uint8_t running) {
        steps.push_back({'r', position, running});
    }
};

TEST(Checksum, StepsAddEveryByteAndRotateAllButTheLast) {
    RecordedSteps recorded;
    EXPECT_EQ(lfnsum::checksum_steps(bytes_of("A          "), recorded), 0x80);
    const std::vector<Step> expected = {
        {'c', 0, 65},  {'s', 0, 65},  {'r', 0, 160}, {'c', 1, 32}, {'s', 1, 192}, {'r', 1, 96},
        {'c', 2, 32},  {'s', 2, 128}, {'r', 2, 64},  {'c', 3, 32}, {'s', 3, 96},  {'r', 3, 48},
        {'c', 4, 32},  {'s', 4, 80},  {'r', 4, 40},  {'c', 5, 32}, {'s', 5, 72},  {'r', 5, 36},
        {'c', 6, 32},  {'s', 6, 68},  {'r', 6, 34},  {'c', 7, 32}, {'s', 7, 66},  {'r', 7, 33},
        {'c', 8, 32},  {'s', 8, 65},  {'r', 8, 160}, {'c', 9, 32}, {'s', 9, 192}, {'r', 9, 96},
        {'c', 10, 32}, {'s', 10, 128}};
    EXPECT_EQ(recorded.steps, expected);
}

TEST(RotateRight, Edges) {
    struct Case {
        std::uint8_t value;
        int count;
        std::uint8_t expected;
    };
    const Case cases[] = {
        {0x01, 1, 0x80},  // bit 0 wraps to bit 7
        {0x80, 1, 0x40},    {0xFF, 1, 0xFF},  {0x00, 1, 0x00},
        {0xA5, 0, 0xA5},    {0xA5, -3, 0xA5},  // no rotation for a count of 0 or less
        {0x01, 4, 0x10},    {0x96, 8, 0x96},   // eight rotations bring the byte back
        {0x01, 9, 0x01},                       // capped at 8
        {0x03, 1000, 0x03},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lfnsum::rotate_right(c.value, c.count), c.expected)
            << int{c.value} << " by " << c.count;
    }
}

TEST(ByteToBinary, EightDigitsMostSignificantFirst) {
    struct Case {
        unsigned value;
        std::string_view text;
    };
    const Case cases[] = {{0x00, "00000000"}, {0xFF, "11111111"},
                          {0x80, "10000000"}, {0x01, "00000001"},
                          {0x73, "01110011"}, {0x1F0, "11110000"}};  // only the low 8 bits count
    for (const Case& c : cases) {
        EXPECT_EQ(std::string_view(lfnsum::byte_to_binary(c.value).data()), c.text) << c.value;
    }
}

}  // namespace
