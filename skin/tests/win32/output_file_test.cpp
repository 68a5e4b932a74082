// lqs-pack's output on Windows: a file made with CREATE_NEW beside the
// output, moved over it with MoveFileEx.
#include "tools/lqs-pack/output_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/win32/win32_support.h"

namespace lumiq {
namespace {

TEST(OutputFile, ReplacesTheOutputAndLeavesWhatLiesBesideIt) {
    testing::ScratchFolder folder;
    folder.Write("out.lqs.part", {'k', 'e', 'e', 'p'});
    folder.Write("out.lqs", {'o', 'l', 'd'});
    EXPECT_EQ(WriteWholeFile(folder.File("out.lqs"), {'n', 'e', 'w'}), "");
    EXPECT_NE(WriteWholeFile(folder.File("missing\\out.lqs"), {'x'}), "");
    std::ifstream in(folder.File("out.lqs"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "new");
    EXPECT_EQ(folder.Files(), (std::vector<std::string>{"out.lqs", "out.lqs.part"}));

    EXPECT_TRUE(SameFile(folder.File("out.lqs"), folder.Path() + "\\.\\OUT.lqs"));
    EXPECT_FALSE(SameFile(folder.File("out.lqs"), folder.File("out.lqs.part")));
    EXPECT_FALSE(SameFile(folder.File("out.lqs"), folder.File("none.lqs")));
}

}  // namespace
}  // namespace lumiq
