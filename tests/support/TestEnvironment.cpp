#include "support/TestEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

void SetUpTestEnvironment() {
    std::error_code Ignored;
    // build/tests/<program> -> build/test-home/<program>, build/dist.
    const fs::path Exe = fs::read_symlink("/proc/self/exe", Ignored);
    const fs::path Build = Exe.parent_path().parent_path();
    const fs::path Home = Build / "test-home" / Exe.filename();
    for (const char* Sub : {"", ".config", ".cache", ".local/share", ".runtime"})
        fs::create_directories(Home / Sub, Ignored);
    fs::permissions(Home / ".runtime", fs::perms::owner_all, Ignored);
    setenv("HOME", Home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (Home / ".config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (Home / ".cache").c_str(), 1);
    setenv("XDG_DATA_HOME", (Home / ".local/share").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (Home / ".runtime").c_str(), 1);
    setenv("LANG", "C.UTF-8", 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("TARVIX_SOURCE_DIR", TARVIX_TEST_SOURCE_DIR, 0);
    setenv("TARVIX_DIST_DIR", (Build / "dist").c_str(), 0);
}
