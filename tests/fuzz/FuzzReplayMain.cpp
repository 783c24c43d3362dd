// The replay of a fuzz target in the test suite: every file of the folders
// (or the files) named on the command line goes once through the target's
// LLVMFuzzerTestOneInput, built with the native tree's sanitizers, so a
// saved corpus and every saved crash input run with each `make test`. A
// finding aborts through the sanitizers; an exception escapes to the
// runtime and aborts too.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize);

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& path)
{
    std::vector<std::filesystem::path> aInputs;
    if (std::filesystem::is_directory(path)) {
        for (const auto& entry : std::filesystem::directory_iterator(path))
            if (entry.is_regular_file() && entry.path().filename() != ".gitkeep")
                aInputs.push_back(entry.path());
    } else if (std::filesystem::exists(path)) {
        aInputs.push_back(path);
    }
    std::sort(aInputs.begin(), aInputs.end());
    return aInputs;
}

void Replay(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> aBytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::printf("%s\n", path.string().c_str());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(aBytes.data()), aBytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    int nCount = 0;
    for (int i = 1; i < argc; ++i) {
        for (const std::filesystem::path& input : InputsOf(argv[i])) {
            Replay(input);
            ++nCount;
        }
    }
    std::printf("%d inputs replayed\n", nCount);
    return 0;
}
