// Replays fuzz inputs without the fuzzer: every file named on the command line, and every
// file of every folder named there, goes once through the target's LLVMFuzzerTestOneInput.
// A target that finds a fault aborts, so the run fails; otherwise it prints what it replayed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool Nachspielen(const std::filesystem::path& datei) {
    std::ifstream ein(datei, std::ios::binary);
    if (!ein) {
        std::fprintf(stderr, "cannot read %s\n", datei.c_str());
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(ein)),
                                  std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    int anzahl = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path pfad(argv[i]);
        if (std::filesystem::is_directory(pfad)) {
            for (const auto& eintrag : std::filesystem::directory_iterator(pfad)) {
                if (eintrag.is_regular_file()) {
                    if (!Nachspielen(eintrag.path())) {
                        return 1;
                    }
                    ++anzahl;
                }
            }
        } else {
            if (!Nachspielen(pfad)) {
                return 1;
            }
            ++anzahl;
        }
    }
    if (anzahl == 0) {
        std::fprintf(stderr, "no input replayed\n");
        return 1;
    }
    std::printf("%d inputs replayed\n", anzahl);
    return 0;
}
