// replay_main.cpp: runs a fuzz target over saved inputs, files or folders of them, so the targets
// build with any compiler and their corpus replays as an ordinary test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool replay(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(stream),
                                  std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    int unreadable = 0;
    const auto take = [&](const std::filesystem::path& file) {
        (replay(file) ? replayed : unreadable) += 1;
    };
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path)) {
                if (entry.is_regular_file()) {
                    take(entry.path());
                }
            }
        } else {
            take(path);
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return replayed > 0 && unreadable == 0 ? 0 : 1;  // an empty corpus proves nothing
}
