#include "catalogue/staged_file.h"

#include <gtest/gtest.h>
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
    auto file = StagedFile::Create(folder / "a.veltra", error);
    ASSERT_TRUE(file) << error;
    EXPECT_TRUE(file->Write("mine", error));
    std::ofstream(folder / "a.veltra") << "theirs";
    EXPECT_FALSE(file->Commit(Publish::KeepExisting, error));
    EXPECT_EQ(error, "the file exists already");
    file.reset();
    EXPECT_EQ(Content(folder / "a.veltra"), "theirs");

    auto swapped = StagedFile::Create(folder / "b.veltra", error);
    ASSERT_TRUE(swapped);
    fs::remove(swapped->path());
    fs::create_symlink(folder / "a.veltra", swapped->path());
    EXPECT_FALSE(swapped->Commit(Publish::Replace, error));
    swapped.reset();
    EXPECT_EQ(Content(folder / "a.veltra"), "theirs");

    EXPECT_TRUE(WriteWholeFile(folder / "c.veltra", "whole", Publish::KeepExisting, error));
    EXPECT_EQ(Content(folder / "c.veltra"), "whole");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace veltra
