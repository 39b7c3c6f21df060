// Damaged collection files.
#include "windows/BadCollFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

bool DeleteCollectionFile(const std::string& Folder, const std::string& Name) {
    if (Name.empty() || Name == "." || Name == ".." || Name.find('/') != std::string::npos ||
        Name.find('\0') != std::string::npos)
        return false;
    const fs::path FileName = fs::path(Folder) / Name;
    std::error_code Error;
    const fs::file_status Status = fs::symlink_status(FileName, Error);
    if (Error)
        return false;
    if (fs::is_regular_file(Status)) {
        // A link is removed as it is; changing permissions would reach its target.
        fs::permissions(FileName, fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::add, Error);
    } else if (!fs::is_symlink(Status)) {
        return false;
    }
    return fs::remove(FileName, Error) && !Error;
}

void DeleteBadCollectionFiles(const TStringList& Entries, const TStringList& Allowed,
                              const std::string& Folder) {
    for (const std::string& Entry : Entries)
        if (std::find(Allowed.begin(), Allowed.end(), Entry) != Allowed.end())
            DeleteCollectionFile(Folder, Entry);
}
