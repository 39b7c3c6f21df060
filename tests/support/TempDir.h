// A temporary folder removed with its content at the end of a test.
#pragma once

#include <string>

class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    // Folder path with a trailing "/".
    const std::string& Path() const { return FPath; }
    std::string File(const std::string& Name) const { return FPath + Name; }
    // Writes bytes into a file of the folder and returns its full name.
    std::string Write(const std::string& Name, const std::string& Bytes) const;
    std::string Read(const std::string& Name) const;

private:
    std::string FPath;
};
