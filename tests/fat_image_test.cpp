// fat_image_test.cpp: lfnsum against FAT file systems that other tools wrote. mkfs.fat makes
// FAT12, FAT16 and FAT32 images, mcopy fills them with long names, and every long-name checksum
// stored there must be what lfnsum prints for the short-name field that follows it. Then the
// checksums are rewritten from lfnsum's output alone, and fsck.fat must accept them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "process.hpp"

namespace {

namespace fs = std::filesystem;

// --- Reading the image -----------------------------------------------------------------------

struct Volume {
    std::vector<unsigned char> bytes;
    std::size_t bytes_per_cluster = 0;
    std::size_t fat_offset = 0;
    std::size_t root_offset = 0;  // FAT12 and FAT16 keep the root in a fixed region
    std::size_t root_size = 0;
    std::size_t data_offset = 0;     // where cluster 2 starts
    std::uint32_t root_cluster = 0;  // FAT32 keeps it in clusters
    int fat_bits = 0;
};

unsigned little_endian(const std::vector<unsigned char>& bytes, std::size_t at, int width) {
    unsigned value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = value << 8U | bytes.at(at + static_cast<std::size_t>(i));
    }
    return value;
}

Volume read_volume(const fs::path& image) {
    Volume volume;
    std::ifstream stream(image, std::ios::binary);
    volume.bytes.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    const auto& b = volume.bytes;
    const unsigned sector = little_endian(b, 11, 2);
    const unsigned sectors_per_cluster = b.at(13);
    const unsigned reserved = little_endian(b, 14, 2);
    const unsigned fat_count = b.at(16);
    const unsigned root_entries = little_endian(b, 17, 2);
    unsigned total_sectors = little_endian(b, 19, 2);
    if (total_sectors == 0) {
        total_sectors = little_endian(b, 32, 4);
    }
    unsigned fat_sectors = little_endian(b, 22, 2);
    if (fat_sectors == 0) {
        fat_sectors = little_endian(b, 36, 4);
        volume.root_cluster = little_endian(b, 44, 4);
    }
    const unsigned root_sectors = (root_entries * 32 + sector - 1) / sector;
    const unsigned first_data_sector = reserved + fat_count * fat_sectors + root_sectors;
    const unsigned clusters = (total_sectors - first_data_sector) / sectors_per_cluster;
    // The cluster count alone decides the FAT type.
    volume.fat_bits = clusters < 4085 ? 12 : (clusters < 65525 ? 16 : 32);
    volume.bytes_per_cluster = std::size_t{sector} * sectors_per_cluster;
    volume.fat_offset = std::size_t{reserved} * sector;
    volume.root_offset = std::size_t{reserved + fat_count * fat_sectors} * sector;
    volume.root_size = std::size_t{root_sectors} * sector;
    volume.data_offset = std::size_t{first_data_sector} * sector;
    return volume;
}

std::uint32_t next_cluster(const Volume& volume, std::uint32_t cluster) {
    switch (volume.fat_bits) {
        case 12: {
            const unsigned pair =
                little_endian(volume.bytes, volume.fat_offset + cluster * 3 / 2, 2);
            const unsigned next = (cluster & 1U) != 0 ? pair >> 4U : pair & 0xFFFU;
            return next >= 0xFF8 ? 0 : next;
        }
        case 16: {
            const unsigned next = little_endian(volume.bytes, volume.fat_offset + cluster * 2, 2);
            return next >= 0xFFF8 ? 0 : next;
        }
        default: {
            const unsigned next =
                little_endian(volume.bytes, volume.fat_offset + cluster * 4, 4) & 0x0FFFFFFFU;
            return next >= 0x0FFFFFF8 ? 0 : next;
        }
    }
}

// The offsets of a directory's 32-byte entries; cluster 0 is the root.
std::vector<std::size_t> directory_entries(const Volume& volume, std::uint32_t cluster) {
    std::vector<std::size_t> entries;
    if (cluster == 0 && volume.fat_bits != 32) {
        for (std::size_t at = 0; at < volume.root_size; at += 32) {
            entries.push_back(volume.root_offset + at);
        }
        return entries;
    }
    if (cluster == 0) {
        cluster = volume.root_cluster;
    }
    for (int guard = 0; cluster >= 2 && guard < 100000; ++guard) {
        const std::size_t start = volume.data_offset + (cluster - 2) * volume.bytes_per_cluster;
        for (std::size_t at = 0; at < volume.bytes_per_cluster; at += 32) {
            entries.push_back(start + at);
        }
        cluster = next_cluster(volume, cluster);
    }
    return entries;
}

constexpr unsigned char long_name_attribute = 0x0F;
constexpr std::size_t checksum_offset = 13;  // within a long-name entry

// The long-name entries before a short-name entry, and that short entry.
struct LongName {
    std::vector<std::size_t> long_entries;
    std::size_t short_entry = 0;
};

std::vector<LongName> long_names(const Volume& volume, const std::vector<std::size_t>& entries) {
    std::vector<LongName> found;
    LongName pending;
    for (const std::size_t entry : entries) {
        const unsigned char first = volume.bytes.at(entry);
        if (first == 0x00) {
            break;  // no entry follows
        }
        if (first == 0xE5) {
            pending = {};  // a free entry
            continue;
        }
        if (volume.bytes.at(entry + 11) == long_name_attribute) {
            pending.long_entries.push_back(entry);
            continue;
        }
        if (!pending.long_entries.empty()) {
            pending.short_entry = entry;
            found.push_back(pending);
        }
        pending = {};
    }
    return found;
}

std::uint32_t subdirectory_cluster(const Volume& volume, std::string_view field) {
    for (const std::size_t entry : directory_entries(volume, 0)) {
        const std::string name(volume.bytes.begin() + static_cast<std::ptrdiff_t>(entry),
                               volume.bytes.begin() + static_cast<std::ptrdiff_t>(entry) + 11);
        if (name == field && (volume.bytes.at(entry + 11) & 0x10U) != 0) {
            return little_endian(volume.bytes, entry + 20, 2) << 16U |
                   little_endian(volume.bytes, entry + 26, 2);
        }
    }
    return 0;
}

// --- The names -------------------------------------------------------------------------------

// Names that exercise the short-name rules, then random ones. They are unique without regard
// to ASCII case, as FAT compares them; mcopy skips any other clash rather than asking.
std::vector<std::string> names_for_image(unsigned seed) {
    std::vector<std::string> names = {
        "readme.txt.bak",
        "Long File Name.txt",
        "Long File Name 2.txt",
        "Long File Name 3.txt",
        "Long File Name 4.txt",
        "Long File Name 5.txt",
        "Long File Name 6.txt",
        "a.b.c.d.e",
        "x y z",
        "with  two  spaces.text",
        ".hidden",
        "..two.leading",
        "name.with.many.dots.in.it",
        "UPPER lower.Txt",
        "tilde~1.txt",
        "plus+comma,semi;eq=brackets[].dat",
        "café résumé.doc",
        "ÅNGSTRÖM long.txt",
        "naïve Ünïcödé.md",
        "日本語のファイル名.txt",
        "emoji 😀 name.png",
        "ß and ü.txt",
        "mixedCASE.JPEG",
        "verylongname.txt",
        "1234567890123.456",
        "a",
        "abcdefgh.ijklmn",
        "$dollar%percent&.amp",
        "'quoted' `name`.sh",
        "tab-free name",
        std::string(240, 'v') + ".txt",
        std::string(200, 'w'),
        std::string("e").append(150, 'x').append(".multi.part.extension"),
    };
    const std::vector<std::string> alphabet = {
        "a", "b", "C", "D", "e", "0", "7", " ", ".",  "~", "-", "_", "+", ",", ";", "=", "[",
        "]", "!", "#", "é", "Ö", "ß", "ñ", "€", "日", "Ω", "😀", "'", "(", ")", "@", "^"};
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> length(1, 60);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    while (names.size() < 150) {
        std::string name;
        for (std::size_t i = length(random); i > 0; --i) {
            name += alphabet[pick(random)];
        }
        names.push_back(name);
    }
    std::vector<std::string> usable;
    std::set<std::string> seen;
    for (const std::string& name : names) {
        // Windows drops trailing dots and blanks, and a name must not be all dots.
        if (name.back() == '.' || name.back() == ' ' || name.front() == ' ' ||
            name.find_first_not_of('.') == std::string::npos) {
            continue;
        }
        std::string folded;
        for (const char byte : name) {
            folded += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + 32 : byte);
        }
        if (seen.insert(folded).second) {
            usable.push_back(name);
        }
    }
    return usable;
}

// --- Running the tools -----------------------------------------------------------------------

std::string system_program(const std::string& name) {
    for (const char* folder : {"/usr/sbin/", "/sbin/", "/usr/bin/", "/bin/"}) {
        const std::string path = std::string(folder).append(name);
        if (access(path.c_str(), X_OK) == 0) {
            return path;
        }
    }
    return name;
}

lfnsum_test::ProcessResult run(const std::vector<std::string>& command) {
    return lfnsum_test::run_process(command, {});
}

// The checksum lfnsum prints for a field given as its argument, or -1.
int lfnsum_checksum(const std::string& field) {
    const auto result = run(lfnsum_test::tool_command({field}));
    const std::size_t at = result.output.find("in hex is ");
    if (result.exit_status != 0 || at == std::string::npos) {
        return -1;
    }
    return std::stoi(result.output.substr(at + 10, 2), nullptr, 16);
}

struct ImageKind {
    int fat_bits;
    const char* size_kib;
    friend std::ostream& operator<<(std::ostream& out, const ImageKind& kind) {
        return out << "FAT" << kind.fat_bits << " of " << kind.size_kib << " KiB";
    }
};

class FatImages : public testing::TestWithParam<ImageKind> {};

TEST_P(FatImages, StoredChecksumsAreLfnsumsAndFsckAgrees) {
    const ImageKind kind = GetParam();
    setenv("MTOOLS_SKIP_CHECK", "1", 1);
    setenv("LC_ALL", "C.UTF-8", 1);  // mtools reads the Unix names as UTF-8
    const fs::path folder = fs::path(testing::TempDir()) /
                            std::string("lfnsum_fat").append(std::to_string(kind.fat_bits));
    fs::remove_all(folder);
    fs::create_directories(folder / "files");
    const fs::path image = folder / "image";

    auto made = run({system_program("mkfs.fat"), "-C", "-F", std::to_string(kind.fat_bits), "-s",
                     "1", image.string(), kind.size_kib});
    ASSERT_EQ(made.exit_status, 0) << made.output << made.diagnostics;
    const std::vector<std::string> names = names_for_image(static_cast<unsigned>(kind.fat_bits));
    std::vector<std::string> copy = {system_program("mcopy"), "-i", image.string(), "-D", "s"};
    for (const std::string& name : names) {
        std::ofstream(folder / "files" / name).flush();  // empty: no clusters to account for
        copy.push_back((folder / "files" / name).string());
    }
    copy.emplace_back("::/LONG");
    made = run({system_program("mmd"), "-i", image.string(), "::/LONG"});
    ASSERT_EQ(made.exit_status, 0) << made.diagnostics;
    made = run(copy);
    ASSERT_EQ(made.exit_status, 0) << made.diagnostics;

    Volume volume = read_volume(image);
    ASSERT_EQ(volume.fat_bits, kind.fat_bits);
    const std::uint32_t folder_cluster = subdirectory_cluster(volume, "LONG       ");
    ASSERT_GE(folder_cluster, 2U);
    const std::vector<LongName> found =
        long_names(volume, directory_entries(volume, folder_cluster));

    int compared = 0;
    int with_zero_byte = 0;
    std::vector<int> printed(found.size(), -1);
    for (std::size_t i = 0; i < found.size(); ++i) {
        const auto field_start =
            volume.bytes.begin() + static_cast<std::ptrdiff_t>(found[i].short_entry);
        const std::string field(field_start, field_start + 11);
        if (field.find('\0') != std::string::npos) {
            ++with_zero_byte;  // a byte 0 cannot travel in an argument
            continue;
        }
        printed[i] = lfnsum_checksum(field);
        for (const std::size_t entry : found[i].long_entries) {
            EXPECT_EQ(printed[i], volume.bytes.at(entry + checksum_offset)) << field;
        }
        ++compared;
    }
    std::printf("FAT%d: %d long names compared, %d short names with a byte 0 skipped\n",
                kind.fat_bits, compared, with_zero_byte);
    RecordProperty("compared", compared);
    RecordProperty("skipped_with_zero_byte", with_zero_byte);
    EXPECT_GE(compared, static_cast<int>(names.size()) * 3 / 4);

    // Garble every stored checksum, then write lfnsum's: fsck.fat must find nothing to say.
    std::size_t first_rewritten = 0;
    for (std::size_t i = 0; i < found.size(); ++i) {
        for (const std::size_t entry : found[i].long_entries) {
            volume.bytes.at(entry + checksum_offset) ^= 0x5A;
            if (printed[i] >= 0) {
                volume.bytes.at(entry + checksum_offset) = static_cast<unsigned char>(printed[i]);
                first_rewritten = first_rewritten == 0 ? entry : first_rewritten;
            }
        }
    }
    const auto write_image = [&](const fs::path& path) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(volume.bytes.data()),
                   static_cast<std::streamsize>(volume.bytes.size()));
    };
    // fsck.fat rejects the short names with a byte 0 that mcopy wrote; the files are empty, so
    // freeing their entries leaves nothing behind.
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (printed[i] < 0) {
            for (const std::size_t entry : found[i].long_entries) {
                volume.bytes.at(entry) = 0xE5;
            }
            volume.bytes.at(found[i].short_entry) = 0xE5;
        }
    }
    const fs::path rewritten = folder / "rewritten";
    write_image(rewritten);
    const auto clean = run({system_program("fsck.fat"), "-n", rewritten.string()});
    EXPECT_EQ(clean.output.find("hecksum"), std::string::npos) << clean.output;
    EXPECT_EQ(clean.exit_status, 0) << clean.output;

    // One checksum off by one bit, and fsck.fat must notice: the check above can fail.
    ASSERT_NE(first_rewritten, 0U);
    volume.bytes.at(first_rewritten + checksum_offset) ^= 0x01;
    const fs::path corrupted = folder / "corrupted";
    write_image(corrupted);
    const auto complaint = run({system_program("fsck.fat"), "-n", corrupted.string()});
    EXPECT_NE(complaint.output.find("Wrong checksum for long file name"), std::string::npos)
        << complaint.output;
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FatImages,
                         testing::Values(ImageKind{12, "1024"}, ImageKind{16, "16384"},
                                         ImageKind{32, "70000"}),
                         [](const testing::TestParamInfo<ImageKind>& kind) {
                             return std::string("FAT").append(std::to_string(kind.param.fat_bits));
                         });

}  // namespace
