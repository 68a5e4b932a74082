#include "catalogue/staged_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace veltra {
namespace {

namespace fs = std::filesystem;

std::string Content(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// What appears at the target, or in place of the staged file, while it is
// written is neither replaced nor written through.
TEST(StagedFile, WhatAppearsMeanwhileStays) {
    const fs::path folder =
        fs::temp_directory_path() / ("veltra-staged-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::string error;
    auto file = StagedFile::Create(folder / "a.veltra", Publish::KeepExisting, error);
    ASSERT_TRUE(file) << error;
    EXPECT_TRUE(file->Write("mine", error));
    std::ofstream(folder / "a.veltra") << "theirs";
    EXPECT_FALSE(file->Commit(error));
    EXPECT_EQ(error, "файл с таким именем уже есть");
    file.reset();
    EXPECT_EQ(Content(folder / "a.veltra"), "theirs");

    auto swapped = StagedFile::Create(folder / "b.veltra", Publish::Replace, error);
    ASSERT_TRUE(swapped);
    fs::remove(swapped->path());
    fs::create_symlink(folder / "a.veltra", swapped->path());
    EXPECT_FALSE(swapped->Commit(error));
    swapped.reset();
    EXPECT_EQ(Content(folder / "a.veltra"), "theirs");

    EXPECT_TRUE(WriteWholeFile(folder / "c.veltra", "whole", Publish::KeepExisting, error));
    EXPECT_EQ(Content(folder / "c.veltra"), "whole");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    fs::remove_all(folder);
}

mode_t Bits(const fs::path& p) {
    struct stat status {};
    EXPECT_EQ(::stat(p.c_str(), &status), 0) << p;
    return status.st_mode & 07777;
}

// Replacing the name a user chose: the file keeps its permissions, a link
// stays a link and its target (in another folder) takes the new contents,
// and what may not be replaced is refused with the reason.
TEST(StagedFile, ReplacingKeepsPermissionsAndLinks) {
    const fs::path folder =
        fs::temp_directory_path() / ("veltra-replace-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "elsewhere");
    std::string error;
    for (const mode_t bits : {0600, 0640, 0664}) {
        const fs::path file = folder / "private.veltra";
        std::ofstream(file) << "old";
        ASSERT_EQ(::chmod(file.c_str(), bits), 0);
        ASSERT_TRUE(WriteWholeFile(file, "new", Publish::Replace, error)) << error;
        EXPECT_EQ(Content(file), "new");
        EXPECT_EQ(Bits(file), bits);
    }

    const fs::path target = folder / "elsewhere" / "real.veltra";
    std::ofstream(target) << "old";
    ::chmod(target.c_str(), 0600);
    fs::create_symlink("elsewhere/real.veltra", folder / "second");
    fs::create_symlink("second", folder / "chosen.veltra");  // a chain, relative
    ASSERT_TRUE(WriteWholeFile(folder / "chosen.veltra", "through", Publish::Replace, error));
    EXPECT_TRUE(fs::is_symlink(folder / "chosen.veltra"));
    EXPECT_EQ(Content(target), "through");
    EXPECT_EQ(Bits(target), 0600u);
    // A link to nothing yet: the file is made where it leads.
    fs::create_symlink("elsewhere/new.veltra", folder / "dangling");
    ASSERT_TRUE(WriteWholeFile(folder / "dangling", "made", Publish::Replace, error));
    EXPECT_EQ(Content(folder / "elsewhere" / "new.veltra"), "made");

    const fs::path locked = folder / "locked.veltra";
    std::ofstream(locked) << "kept";
    ::chmod(locked.c_str(), 0444);
    fs::create_symlink("loop-b", folder / "loop-a");
    fs::create_symlink("loop-a", folder / "loop-b");
    for (const auto& [name, reason] : {std::pair{locked, "файл только для чтения"},
                                       {folder / "elsewhere", "это папка"},
                                       {fs::path("/dev/null"), "это не обычный файл"},
                                       {folder / "loop-a", "символические ссылки замкнуты в петлю"},
                                       {folder / "none" / "x.veltra", "папка не найдена"}}) {
        error.clear();
        EXPECT_FALSE(WriteWholeFile(name, "x", Publish::Replace, error)) << name;
        EXPECT_EQ(error, reason) << name;
    }
    EXPECT_EQ(Content(locked), "kept");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    // The program's own new names still treat a link as taken.
    EXPECT_FALSE(WriteWholeFile(folder / "second", "x", Publish::KeepExisting, error));
    EXPECT_EQ(Content(target), "through");
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        EXPECT_NE(entry.path().extension(), ".part") << entry.path();
    fs::remove_all(folder);
}

}  // namespace
}  // namespace veltra
