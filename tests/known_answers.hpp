// known_answers.hpp: the one table of known checksums, checked through the library, through a
// whole run in memory and through the built binary.
#pragma once

#include <cstdint>
#include <string_view>

namespace lfnsum_test {

// An 11-byte short-name field as a directory entry holds it, and its checksum.
struct FieldAnswer {
    std::string_view field;
    std::uint8_t checksum;
};

// Sources: the worked examples of this tool, and values that other FAT implementations publish
// in their own tests and documentation (VMLINUX, FILENAMETXT, BOOTX64 EFI, PROGRA~1, 0xFF...).
inline constexpr FieldAnswer field_answers[] = {
    {"README  TXT", 0x73},
    {"PRINTT~1BAT", 0x86},
    {"           ", 0xF7},
    {"A          ", 0x80},
    {"VMLINUX    ", 0x2C},
    {"FILENAMETXT", 0x3A},
    {"BOOTX64 EFI", 0x1D},
    {"PROGRA~1   ", 0x20},
    {"\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 0xFE},
    {"ABCDEFG TXT", 0x51},
    {"VERYLONGNAM", 0xEF},
    {"READ ME TXT", 0x89},
    {"FILE1139TXT", 0x0A},     // prints with a leading zero
    {"\005ABC    TXT", 0x86},  // octal escapes: a hex one would run on into the letters
    {"\345ABC    TXT", 0xFC},
    {"ABCDEFG.TXT", 0x13},  // a dot cannot stand in a field, but it still sums
    {"PRINTT~1.BA", 0xEE},
};

// A name typed the ordinary way, the field it lays out as, and that field's checksum.
struct NameAnswer {
    std::string_view name;
    std::string_view field;
    std::uint8_t checksum;
};

inline constexpr NameAnswer name_answers[] = {
    {"readme.txt", "README  TXT", 0x73},
    {"PRINTT~1BAT", "PRINTT~1BAT", 0x86},
    {"printt~1bat", "PRINTT~1BAT", 0x86},
    {"printt~1.bat", "PRINTT~1BAT", 0x86},  // the dot falls at position 8 and adds nothing
    {"abc", "ABC        ", 0x74},
    {"", "           ", 0xF7},
    {".txt", "        TXT", 0xD4},
    {"a.b.c", "A       BC ", 0x9A},  // the second dot falls in the extension: dropped
    {"abcdefghij.txt", "ABCDEFGHIJT", 0xAD},
    {"abcdefghijklmnop", "ABCDEFGHIJK", 0xA4},
    {"abcdefg.txt", "ABCDEFG TXT", 0x51},
    {"verylongname.txt", "VERYLONGNAM", 0xEF},
    {"a", "A          ", 0x80},
    {"\345abc.txt", "\005ABC    TXT", 0x86},       // 0xE5 first marks a free entry
    {"\xE9t\xE9.txt", "\xE9T\xE9     TXT", 0xD9},  // only ASCII letters change case
    {"file1139.txt", "FILE1139TXT", 0x0A},
};

}  // namespace lfnsum_test
