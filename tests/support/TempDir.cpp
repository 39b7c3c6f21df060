#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TTempDir::TTempDir() {
    std::string Pattern = (std::filesystem::temp_directory_path() / "tarvix-test-XXXXXX").string();
    if (!mkdtemp(Pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    FPath = Pattern + "/";
}

TTempDir::~TTempDir() {
    std::error_code Ignored;
    std::filesystem::permissions(FPath, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, Ignored);
    std::filesystem::remove_all(FPath, Ignored);
}

std::string TTempDir::Write(const std::string& Name, const std::string& Bytes) const {
    std::ofstream Out(FPath + Name, std::ios::binary | std::ios::trunc);
    Out << Bytes;
    return FPath + Name;
}

std::string TTempDir::Read(const std::string& Name) const {
    std::ifstream In(FPath + Name, std::ios::binary);
    std::ostringstream S;
    S << In.rdbuf();
    return S.str();
}
