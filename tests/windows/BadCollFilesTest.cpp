// Deleting damaged collection files: read-only files go, nothing outside the
// program folder or off the damaged list is touched.
#include "windows/BadCollFiles.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

TEST(BadCollFilesTest, DeletesListedFilesReadOnlyOnesToo) {
    TTempDir Dir;
    const std::string ReadOnly = Dir.Write("Broken.dbh", "garbage");
    fs::permissions(ReadOnly, fs::perms::owner_read | fs::perms::group_read);
    Dir.Write("Other.dbh", "garbage");
    Dir.Write("Fine.dbh", "fine");

    DeleteBadCollectionFiles({"Broken.dbh", "Gone.dbh", "Fine.dbh"},
                             {"Broken.dbh", "Gone.dbh", "Other.dbh"}, Dir.Path());
    EXPECT_FALSE(fs::exists(ReadOnly));
    EXPECT_TRUE(fs::exists(Dir.File("Fine.dbh")));  // listed but not found damaged
    EXPECT_TRUE(fs::exists(Dir.File("Other.dbh"))); // damaged but not listed
}

TEST(BadCollFilesTest, RefusesNamesThatLeaveTheFolder) {
    TTempDir Outer;
    const std::string Folder = Outer.Path() + "app/";
    fs::create_directory(Folder);
    const std::string Victim = Outer.Write("Victim.dbh", "keep");
    fs::create_directory(Folder + "Sub.dbh");
    fs::create_symlink(Victim, Folder + "Link.dbh");

    const char* const Refused[] = {"../Victim.dbh", "", ".", "..", "Sub.dbh", Victim.c_str()};
    for (const char* Name : Refused)
        EXPECT_FALSE(DeleteCollectionFile(Folder, Name)) << Name;
    EXPECT_TRUE(fs::exists(Victim));
    EXPECT_TRUE(fs::is_directory(Folder + "Sub.dbh"));

    // A link goes by itself; its target and the target's permissions stay.
    fs::permissions(Victim, fs::perms::owner_read);
    EXPECT_TRUE(DeleteCollectionFile(Folder, "Link.dbh"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(Folder + "Link.dbh")));
    EXPECT_TRUE(fs::exists(Victim));
    EXPECT_EQ(fs::status(Victim).permissions() & fs::perms::owner_write, fs::perms::none);
    fs::permissions(Victim, fs::perms::owner_all);
}

} // namespace
