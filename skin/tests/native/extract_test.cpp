#include <gtest/gtest.h>

#include <cstring>

#include "format/bmp.h"
#include "format/bytes.h"
#include "format/skin_format.h"
#include "format/skin_writer.h"
#include "tests/common/sample_skins.h"
#include "tests/native/temp_dir.h"

namespace lumiq {
namespace {

using testing::PackDescription;
using testing::TempDir;

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& v, std::size_t from,
                                std::size_t n) {
    return {v.begin() + static_cast<std::ptrdiff_t>(from),
            v.begin() + static_cast<std::ptrdiff_t>(from + n)};
}

class Extract : public ::testing::Test {
  protected:
    TempDir dir;
    std::vector<std::uint8_t> sample = PackDescription(testing::kSampleDescription);
};

TEST_F(Extract, FindsEntryIgnoringCaseAndWritesBothExtracts) {
    dir.Write("Blue Sky.lqs", sample);
    Extraction ex = ExtractWindow(dir.Folder(), "Blue Sky", "setup WIZARD");
    ASSERT_EQ(ex.status, ExtractStatus::Ok);
    EXPECT_EQ(ex.entry.name, "Setup Wizard");
    EXPECT_EQ(ex.entry.controlCount, 4u);
    EXPECT_EQ(ex.entry.width, 121);
    EXPECT_EQ(ex.entry.imageWidth, 120);
    EXPECT_TRUE(ex.hasBitmap);
    EXPECT_TRUE(ex.createdRecords);
    EXPECT_TRUE(ex.createdBitmap);
    // The names are built from the requested window name, blanks escaped.
    EXPECT_EQ(dir.Files(),
              (std::vector<std::string>{"Blue Sky.lqs", "Blue$32Sky-setup$32WIZARD-Bitmap.tmp",
                                        "Blue$32Sky-setup$32WIZARD-Records.tmp"}));
    EXPECT_EQ(dir.Read("Blue$32Sky-setup$32WIZARD-Records.tmp"), Slice(sample, 16 + 64, 4 * 64));
    EXPECT_EQ(dir.Read("Blue$32Sky-setup$32WIZARD-Bitmap.tmp"), MakeBmp24(testing::SampleImage()));
}

TEST_F(Extract, SecondWindowWithoutBitmapGetsOnlyRecords) {
    dir.Write("s.lqs", sample);
    Extraction ex = ExtractWindow(dir.Folder(), "s", "About Box");
    ASSERT_EQ(ex.status, ExtractStatus::Ok);
    EXPECT_FALSE(ex.hasBitmap);
    EXPECT_EQ(dir.Files(), (std::vector<std::string>{"s-About$32Box-Records.tmp", "s.lqs"}));
    EXPECT_EQ(dir.Read("s-About$32Box-Records.tmp"), Slice(sample, 16 + 5 * 64 + 64, 64));
}

TEST_F(Extract, ExistingExtractsAreReusedUnchanged) {
    dir.Write("s.lqs", sample);
    ASSERT_EQ(ExtractWindow(dir.Folder(), "s", "Setup Wizard").status, ExtractStatus::Ok);
    dir.Write("s-Setup$32Wizard-Records.tmp", {1, 2, 3});
    dir.Write("s-Setup$32Wizard-Bitmap.tmp", {4, 5});
    Extraction again = ExtractWindow(dir.Folder(), "s", "Setup Wizard");
    EXPECT_EQ(again.status, ExtractStatus::Ok);
    EXPECT_FALSE(again.createdRecords);
    EXPECT_FALSE(again.createdBitmap);
    EXPECT_EQ(dir.Read("s-Setup$32Wizard-Records.tmp"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(dir.Read("s-Setup$32Wizard-Bitmap.tmp"), (std::vector<std::uint8_t>{4, 5}));
}

TEST_F(Extract, MissingFileOrWindowEndsQuietly) {
    EXPECT_EQ(ExtractWindow(dir.Folder(), "none", "Setup Wizard").status,
              ExtractStatus::CannotOpen);
    dir.Write("s.lqs", sample);
    EXPECT_EQ(ExtractWindow(dir.Folder(), "s", "Setup").status, ExtractStatus::NotFound);
    // 17 characters can never match a 16-byte name.
    EXPECT_EQ(ExtractWindow(dir.Folder(), "s", "Setup Wizard12345").status,
              ExtractStatus::NotFound);
    EXPECT_EQ(dir.Files(), std::vector<std::string>{"s.lqs"});
}

TEST_F(Extract, SignatureIsNotChecked) {
    sample[0] = 'X';
    dir.Write("s.lqs", sample);
    EXPECT_EQ(ExtractWindow(dir.Folder(), "s", "About Box").status, ExtractStatus::Ok);
}

TEST_F(Extract, BitmapBlockIsFoundByItsOffsetAlone) {
    // Hand-made: the entry, eight spare bytes, then the block it points at.
    std::vector<std::uint8_t> bmp = MakeBmp24(testing::TinyImage());
    std::vector<std::uint8_t> f(kSignature.begin(), kSignature.end());
    f.resize(16);
    WriteU16(&f[14], 1);
    Block64 entry{};
    std::memcpy(entry.data(), "W", 1);
    WriteU32(&entry[16], 0);
    WriteU32(&entry[20], 16 + 64 + 8);  // eight spare bytes, then the block
    f.insert(f.end(), entry.begin(), entry.end());
    f.resize(f.size() + 8, 0xEE);
    std::uint8_t len[4];
    WriteU32(len, static_cast<std::uint32_t>(bmp.size()));
    f.insert(f.end(), len, len + 4);
    f.insert(f.end(), bmp.begin(), bmp.end());
    dir.Write("h.lqs", f);
    ASSERT_EQ(ExtractWindow(dir.Folder(), "h", "w").status, ExtractStatus::Ok);
    EXPECT_EQ(dir.Read("h-w-Bitmap.tmp"), bmp);
    EXPECT_TRUE(dir.Read("h-w-Records.tmp").empty());
}

// Bytes of the file that a successful extraction of window reads.
std::size_t NeededLength(const std::vector<std::uint8_t>& skin, const std::string& window) {
    ParsedSkin parsed = ParseSkin(skin);
    std::size_t pos = kHeaderSize;
    for (const ParsedWindow& w : parsed.windows) {
        pos += kBlockSize * (1 + w.records.size());
        if (w.entry.name == window) {
            std::size_t need = pos;
            if (w.entry.bitmapOffset != 0) {
                need = std::max<std::size_t>(need, w.entry.bitmapOffset + 4 + w.bitmapLength);
            }
            return need;
        }
    }
    ADD_FAILURE() << "no window " << window;
    return 0;
}

TEST_F(Extract, TruncatedAtEveryLengthFailsCleanlyWhenTheCutWasNeeded) {
    const auto tiny = PackDescription(testing::kTinyDescription);
    for (const std::string window : {"First", "Second"}) {
        const std::size_t needed = NeededLength(tiny, window);
        ASSERT_GT(needed, 0u);
        for (std::size_t len = 0; len <= tiny.size(); ++len) {
            dir.Write("t.lqs", Slice(tiny, 0, len));
            Extraction ex = ExtractWindow(dir.Folder(), "t", window);
            std::vector<std::string> files = dir.Files();
            if (len < needed) {
                ASSERT_NE(ex.status, ExtractStatus::Ok) << window << " at " << len;
                ASSERT_EQ(files, std::vector<std::string>{"t.lqs"}) << window << " at " << len;
            } else {
                ASSERT_EQ(ex.status, ExtractStatus::Ok) << window << " at " << len;
                DiscardCreated(ex);
                ASSERT_EQ(dir.Files(), std::vector<std::string>{"t.lqs"});
            }
        }
    }
}

TEST_F(Extract, BogusCountsAndOffsetsFailWithoutFollowingThem) {
    auto tiny = PackDescription(testing::kTinyDescription);
    const std::size_t secondEntry = 16 + 3 * 64;

    auto tryWith = [&](std::vector<std::uint8_t> bytes, const char* window) {
        dir.Write("b.lqs", bytes);
        Extraction ex = ExtractWindow(dir.Folder(), "b", window);
        EXPECT_EQ(dir.Files(), std::vector<std::string>{"b.lqs"}) << window;
        return ex.status;
    };

    auto hugeK = tiny;
    WriteU32(&hugeK[16 + 16], 0xFFFFFFFFu);  // First's K: skipping it leaves the file
    EXPECT_EQ(tryWith(hugeK, "Second"), ExtractStatus::Damaged);
    EXPECT_EQ(tryWith(hugeK, "First"), ExtractStatus::Damaged);

    auto hugeN = tiny;
    WriteU16(&hugeN[14], 0xFFFF);
    EXPECT_EQ(tryWith(hugeN, "Nobody"), ExtractStatus::Damaged);

    auto farOffset = tiny;
    WriteU32(&farOffset[secondEntry + 20], 0xFFFFFFF0u);
    EXPECT_EQ(tryWith(farOffset, "Second"), ExtractStatus::Damaged);

    auto hugeLength = tiny;
    std::uint32_t at = ReadU32(&tiny[secondEntry + 20]);
    WriteU32(&hugeLength[at], 0xFFFFFFFFu);
    EXPECT_EQ(tryWith(hugeLength, "Second"), ExtractStatus::Damaged);

    // The records of First come out, then the bitmap of the same window is
    // damaged: the records written by this call go too.
    auto firstWithBadBitmap = tiny;
    WriteU32(&firstWithBadBitmap[16 + 20], static_cast<std::uint32_t>(tiny.size() - 2));
    EXPECT_EQ(tryWith(firstWithBadBitmap, "First"), ExtractStatus::Damaged);
}

TEST_F(Extract, DamagedBitmapKeepsRecordsThatWereAlreadyThere) {
    auto tiny = PackDescription(testing::kTinyDescription);
    dir.Write("t.lqs", tiny);
    dir.Write("t-Second-Records.tmp", {9, 9});
    dir.Write("t.lqs", Slice(tiny, 0, tiny.size() - 1));
    EXPECT_EQ(ExtractWindow(dir.Folder(), "t", "Second").status, ExtractStatus::Damaged);
    EXPECT_EQ(dir.Files(), (std::vector<std::string>{"t-Second-Records.tmp", "t.lqs"}));
}

TEST_F(Extract, FailedWriteTakesBackTheRecordsItWrote) {
    dir.Write("s.lqs", sample);
    // A link into a missing folder: absent for reading, unwritable even for root.
    std::filesystem::create_symlink(dir.Path() / "missing" / "x",
                                    dir.Path() / "s-Setup$32Wizard-Bitmap.tmp");
    Extraction ex = ExtractWindow(dir.Folder(), "s", "Setup Wizard");
    EXPECT_EQ(ex.status, ExtractStatus::WriteFailed);
    EXPECT_EQ(dir.Files(), (std::vector<std::string>{"s-Setup$32Wizard-Bitmap.tmp", "s.lqs"}));
}

TEST(ControlRecord, FoundIgnoringCaseMissingGivesZeroes) {
    TempDir dir;
    const auto sample = PackDescription(testing::kSampleDescription);
    dir.Write("s.lqs", sample);
    ASSERT_EQ(ExtractWindow(dir.Folder(), "s", "Setup Wizard").status, ExtractStatus::Ok);
    const std::string records = TempFileName(dir.Folder(), "s", "Setup Wizard", "Records");

    RecordLookup agree = FindControlRecord(records, "AGREE box");
    ASSERT_EQ(agree.status, RecordStatus::Found);
    EXPECT_EQ(StoredName(agree.record.data()), "Agree Box");
    EXPECT_EQ(ReadS16(&agree.record[56]), 8);  // placement x

    RecordLookup missing = FindControlRecord(records, "Back");
    EXPECT_EQ(missing.status, RecordStatus::Missing);
    EXPECT_EQ(missing.record, Block64{});

    EXPECT_EQ(FindControlRecord(records + ".gone", "Next").status, RecordStatus::CannotOpen);
}

TEST(ControlRecord, TrailingPartialRecordIsNotRead) {
    TempDir dir;
    std::vector<std::uint8_t> bytes(64 + 40, 0);
    std::memcpy(bytes.data(), "One", 3);
    std::memcpy(bytes.data() + 64, "Two", 3);
    dir.Write("r.tmp", bytes);
    EXPECT_EQ(FindControlRecord(dir.Folder() + "r.tmp", "One").status, RecordStatus::Found);
    EXPECT_EQ(FindControlRecord(dir.Folder() + "r.tmp", "Two").status, RecordStatus::Missing);
}

}  // namespace
}  // namespace lumiq
