#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "format/bmp.h"
#include "format/bytes.h"
#include "format/skin_format.h"
#include "tests/common/sample_skins.h"
#include "tests/native/temp_dir.h"
#include "tools/lqs-pack/description.h"

namespace lumiq {
namespace {

std::vector<std::uint8_t> SmallBmp(const std::string&) {
    return MakeBmp24(PixelImage{4, 4, std::vector<std::uint32_t>(16, 0)});
}

SkinLayout Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseDescription(in, "", SmallBmp);
}

Block64 OneControl(const std::string& fields) {
    SkinLayout s = Parse("window W\n image 0 0 4 4\n control C " + fields + "\nend\n");
    return s.windows.at(0).controls.at(0).record;
}

// The line number a description error reports, or 0 when it parses.
int ErrorLine(const std::string& text) {
    try {
        Parse(text);
    } catch (const DescriptionError& e) {
        return e.line;
    }
    return 0;
}

TEST(Description, WindowFields) {
    SkinLayout s = Parse(
        "# comment\n"
        "window \"Main Window\"  # trailing comment\r\n"
        "  size 3 200\n"
        "  image 1 0 3 4\n"
        "  transparent 0x00FF00\n"
        "  bitmap a.bmp\n"
        "end\n"
        "window Other\n"
        "  image 0 0 4 3\n"
        "  bitmap a.bmp\n"
        "end\n");
    ASSERT_EQ(s.windows.size(), 2u);
    const WindowLayout& w = s.windows[0];
    EXPECT_EQ(w.name, "Main Window");
    EXPECT_EQ(w.width, 3);
    EXPECT_EQ(w.height, 200);
    EXPECT_EQ(w.imageX, 1);
    EXPECT_EQ(w.imageHeight, 4);
    EXPECT_EQ(w.transparentColour, 0x00FF00u);
    EXPECT_EQ(s.windows[1].width, 4);  // size defaults to the image
    EXPECT_EQ(s.windows[1].height, 3);
    EXPECT_EQ(s.bitmaps.size(), 1u);  // shared, stored once
    EXPECT_EQ(s.windows[0].bitmap, 0);
    EXPECT_EQ(s.windows[1].bitmap, 0);
}

TEST(Description, ControlFieldsLandAtTheirKindsOffsets) {
    Block64 b = OneControl(
        "kind=1 face=80,24 pressed=1,2 normal=3,4 focused=5,6 disabled=7,8 "
        "place=-10,20,30,40");
    EXPECT_EQ(ReadS16(&b[16]), 80);
    EXPECT_EQ(ReadS16(&b[22]), 2);
    EXPECT_EQ(ReadS16(&b[24]), 3);
    EXPECT_EQ(ReadS16(&b[28]), 5);
    EXPECT_EQ(ReadS16(&b[34]), 8);
    EXPECT_EQ(ReadS16(&b[40]), -10);
    EXPECT_EQ(ReadS16(&b[46]), 40);

    Block64 two = OneControl(
        "kind=3 checked=1,2 checkedfocused=3,4 checkeddisabled=5,6 "
        "place=7,8,9,10");
    EXPECT_EQ(ReadS16(&two[40]), 1);
    EXPECT_EQ(ReadS16(&two[44]), 3);
    EXPECT_EQ(ReadS16(&two[48]), 5);
    EXPECT_EQ(ReadS16(&two[56]), 7);

    Block64 field = OneControl("kind=6 text=0x112233 back=0x445566 place=1,2,3,4");
    EXPECT_EQ(ReadU32(&field[16]), 0x112233u);
    EXPECT_EQ(ReadU32(&field[20]), 0x445566u);
    EXPECT_EQ(ReadS16(&field[24]), 1);

    Block64 bar = OneControl("kind=8 bar=100,10 empty=0,50 full=0,60 place=5,6,7,8");
    EXPECT_EQ(ReadS16(&bar[18]), 10);
    EXPECT_EQ(ReadS16(&bar[22]), 50);
    EXPECT_EQ(ReadS16(&bar[26]), 60);
    EXPECT_EQ(ReadS16(&bar[32]), 5);

    Block64 rich = OneControl("kind=11 back=0xABCDEF place=1,2,3,4");
    EXPECT_EQ(ReadU32(&rich[16]), 0xABCDEFu);
    EXPECT_EQ(ReadS16(&rich[20]), 1);

    Block64 fixed = OneControl("kind=12 place=40000,2,65535,4");
    EXPECT_EQ(ReadU16(&fixed[16]), 40000);
    EXPECT_EQ(ReadU16(&fixed[20]), 65535);

    Block64 raw = OneControl("kind=200 u32@60=0xDEADBEEF s16@16=-1 u16@18=7");
    EXPECT_EQ(ReadU32(&raw[60]), 0xDEADBEEFu);
    EXPECT_EQ(ReadS16(&raw[16]), -1);
    EXPECT_EQ(ReadU16(&raw[18]), 7);

    Block64 hidden = OneControl("kind=0");
    EXPECT_TRUE(std::all_of(hidden.begin() + 16, hidden.end(), [](auto v) { return v == 0; }));
}

TEST(Description, ErrorsNameTheirLine) {
    EXPECT_EQ(ErrorLine("window W\n image 0 0 4 4\nend\n"), 0);
    EXPECT_EQ(ErrorLine("window ABCDEFGHIJKLMNOPQ\n"), 1);  // name too long
    EXPECT_EQ(ErrorLine("\nimage 0 0 1 1\n"), 2);           // outside a window
    EXPECT_EQ(ErrorLine("window W\n image 0 0 4 4\n"), 2);  // no end
    EXPECT_EQ(ErrorLine("window W\nend\n"), 2);             // no image
    EXPECT_EQ(ErrorLine("window W\n image 0 0 4 4\n control C\nend\n"), 3);
    EXPECT_EQ(ErrorLine("window W\n image 0 0 4 4\n control C kind=1 place=1,2\nend\n"), 3);
    EXPECT_EQ(ErrorLine("window W\n image 0 0 4 4\n control C kind=9 face=1,2\nend\n"), 3);
    EXPECT_EQ(ErrorLine("window W\n image 0 0 4 4\n control C kind=9 place=1,2,3,40000\n"), 3);
    EXPECT_EQ(ErrorLine("window W\n image 0 0 4 4\n control C kind=0\n control c kind=0\n"), 4);
    EXPECT_EQ(ErrorLine("window W\n image 0 0 4 4\nend\nwindow w\n"), 4);       // duplicate
    EXPECT_EQ(ErrorLine("window W\n image 0 0 5 4\n bitmap a.bmp\nend\n"), 4);  // outside
    EXPECT_EQ(ErrorLine("window W\n size 1\n"), 2);
    EXPECT_EQ(ErrorLine("window \"W\n"), 1);
    EXPECT_EQ(ErrorLine("window W\n colour 1\n"), 2);
}

TEST(Description, BitmapsAreChecked) {
    std::istringstream in("window W\n image 0 0 1 1\n bitmap x.bmp\nend\n");
    auto notBmp = [](const std::string&) { return std::vector<std::uint8_t>(60, 'x'); };
    EXPECT_THROW(ParseDescription(in, "", notBmp), DescriptionError);
    std::istringstream in2("window W\n image 0 0 1 1\n bitmap x.bmp\nend\n");
    std::string seen;
    auto recordPath = [&](const std::string& p) { return seen = p, SmallBmp(p); };
    ParseDescription(in2, "/skins/", recordPath);
    EXPECT_EQ(seen, "/skins/x.bmp");
}

TEST(Description, RoundTripsThroughTheReader) {
    auto bytes = testing::PackDescription(testing::kSampleDescription);
    ParsedSkin parsed = ParseSkin(bytes);
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    EXPECT_TRUE(parsed.signatureOk);
    ASSERT_EQ(parsed.windows.size(), 2u);
    EXPECT_EQ(parsed.windows[0].entry.name, "Setup Wizard");
    EXPECT_EQ(parsed.windows[0].records.size(), 4u);
    EXPECT_EQ(StoredName(parsed.windows[0].records[3].data()), "Agree Box");
    EXPECT_EQ(parsed.windows[0].bitmapLength, MakeBmp24(testing::SampleImage()).size());
    EXPECT_EQ(parsed.windows[1].entry.bitmapOffset, 0u);
    // The bitmap follows the last window block.
    EXPECT_EQ(parsed.windows[0].entry.bitmapOffset, 16u + 7 * 64);
}

TEST(ListSkin, ShowsWindowsControlsAndDamage) {
    auto bytes = testing::PackDescription(testing::kSampleDescription);
    std::ostringstream out;
    EXPECT_TRUE(ListSkin(bytes, out));
    const std::string text = out.str();
    EXPECT_NE(text.find("windows: 2\n"), std::string::npos) << text;
    EXPECT_NE(text.find("window \"Setup Wizard\": 4 controls, size 121x91, image 4,2 120x90, "
                        "transparent 0xff00ff, bitmap at 464 ("),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("128x96x24)"), std::string::npos) << text;
    EXPECT_NE(text.find("  control \"Next\": 60 60 50 20\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  control \"Cancel\":\n"), std::string::npos) << text;
    EXPECT_NE(text.find("window \"About Box\": 1 controls, size 200x120, image 0,0 200x120, "
                        "transparent 0x000000, no bitmap"),
              std::string::npos)
        << text;

    bytes.resize(bytes.size() - 1);
    std::ostringstream cut;
    EXPECT_FALSE(ListSkin(bytes, cut));
    EXPECT_NE(cut.str().find("damaged: bitmap block of window entry 1 runs past the end"),
              std::string::npos)
        << cut.str();
}

int RunTool(const std::string& args) {
    int status =
        std::system((std::string(LQS_PACK_PATH) + " " + args + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(LqsPackTool, PacksListsAndRefusesBadInput) {
    testing::TempDir dir;
    dir.Write("sample.bmp", MakeBmp24(testing::SampleImage()));
    const std::string desc = testing::kSampleDescription;
    dir.Write("skin.txt", std::vector<std::uint8_t>(desc.begin(), desc.end()));
    const std::string folder = dir.Folder();

    ASSERT_EQ(RunTool("'" + folder + "skin.txt' '" + folder + "Blue Sky.lqs'"), 0);
    EXPECT_EQ(dir.Read("Blue Sky.lqs"), testing::PackDescription(desc));
    EXPECT_EQ(RunTool("--list '" + folder + "Blue Sky.lqs'"), 0);

    auto cut = dir.Read("Blue Sky.lqs");
    cut.resize(100);
    dir.Write("cut.lqs", cut);
    EXPECT_EQ(RunTool("--list '" + folder + "cut.lqs'"), 1);

    const std::string bad = "window W\n image 0 0 1 1\n bitmap missing.bmp\nend\n";
    dir.Write("bad.txt", std::vector<std::uint8_t>(bad.begin(), bad.end()));
    EXPECT_EQ(RunTool("'" + folder + "bad.txt' '" + folder + "bad.lqs'"), 1);
    EXPECT_EQ(RunTool("--list '" + folder + "none.lqs'"), 1);
    EXPECT_EQ(RunTool(""), 2);
    // A failed run leaves neither the target nor its temporary file.
    auto files = dir.Files();
    EXPECT_EQ(std::count_if(files.begin(), files.end(),
                            [](const std::string& f) {
                                return f.rfind("bad.lqs", 0) == 0 || f.rfind(".lqs-", 0) == 0;
                            }),
              0);
}

// Exit code and everything the tool printed.
std::pair<int, std::string> RunToolOutput(const std::string& args) {
    std::string command = std::string(LQS_PACK_PATH) + " " + args + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string text;
    char buffer[512];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
    int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

TEST(LqsPackTool, RefusesEveryBadInputNamingWhere) {
    testing::TempDir dir;
    const std::string f = dir.Folder();
    auto q = [&](const std::string& name) { return "'" + f + name + "'"; };

    // Bitmaps the plug-in would refuse, and one it accepts.
    const auto good = MakeBmp24(PixelImage{4, 4, std::vector<std::uint32_t>(16, 0)});
    auto withU32 = [&](int at, std::uint32_t v) {
        auto b = good;
        WriteU32(&b[at], v);
        return b;
    };
    auto withU16 = [&](int at, std::uint16_t v) {
        auto b = good;
        WriteU16(&b[at], v);
        return b;
    };
    auto cut = good;
    cut.resize(cut.size() - 5);
    auto huge = withU32(18, 100000);
    WriteU32(&huge[22], 100000);
    const auto core = testing::CoreHeaderBmp();  // 20 x 2
    const std::pair<const char*, std::vector<std::uint8_t>> bitmaps[] = {
        {"cut.bmp", cut},
        {"huge.bmp", huge},
        {"bits7.bmp", withU16(28, 7)},
        {"planes3.bmp", withU16(26, 3)},
        {"rle9.bmp", withU32(30, 9)},
        {"tall.bmp", withU32(22, 0x80000000u)},
    };
    const std::string window = "window W\n image 0 0 1 1\n bitmap ";
    for (const auto& [name, bytes] : bitmaps) {
        dir.Write(name, bytes);
        dir.Write("d.txt", Bytes(window + name + "\nend\n"));
        auto [code, text] = RunToolOutput(q("d.txt") + " " + q("out.lqs"));
        EXPECT_EQ(code, 1) << name;
        EXPECT_NE(text.find("line 3: "), std::string::npos) << name << ": " << text;
    }
    dir.Write("core.bmp", core);
    dir.Write("d.txt", Bytes(window + "core.bmp\nend\n"));
    EXPECT_EQ(RunToolOutput(q("d.txt") + " " + q("core.lqs")).first, 0);
    EXPECT_EQ(RunToolOutput("--list " + q("core.lqs")).first, 0);

    // Descriptions: each refused with the line it fails on.
    const std::pair<std::string, std::string> descriptions[] = {
        {"window W\n image 0 0 --5 4\nend\n", "line 2: "},
        {"window W\n image 0 0 4 4\n control C kind=9 place=+-5,0,1,1\nend\n", "line 3: "},
        {"window W\n image 0 0 4 4\n transparent 0x-5\nend\n", "line 3: "},
        {"window W\n image 0 0 4 4\n control C kind=9 s16@20=-0x-1\nend\n", "line 3: "},
        {"window W\n image 0 0 4 4\n control C kind=9 place=1,1,1,1 place=2,2,2,2\nend\n",
         "line 3: \"place\" given twice"},
        {"window W\n image 0 0 4 4\n control C kind=9 kind=4\nend\n", "line 3: "},
        {"window W\n size 5 5\n image 0 0 4 4\n size 6 6\nend\n",
         "line 4: \"size\" given again (first on line 2)"},
        {"window W\n size 0 0\n image 0 0 4 4\nend\n", "line 2: "},
        {"window W\n size -32768 10\n image 0 0 4 4\nend\n", "line 2: "},
        {"window W\n image 0 0 0 0\nend\n", "line 3: window \"W\" has no size"},
        {"", "line 1: the description defines no window"},
        {"# only a comment\n\n", "line 2: the description defines no window"},
    };
    for (const auto& [text, message] : descriptions) {
        dir.Write("d.txt", Bytes(text));
        auto [code, output] = RunToolOutput(q("d.txt") + " " + q("out.lqs"));
        EXPECT_EQ(code, 1) << text;
        EXPECT_NE(output.find(message), std::string::npos) << text << "\n" << output;
    }
    EXPECT_FALSE(std::filesystem::exists(f + "out.lqs"));

    // Folders are neither descriptions nor skins, and are never replaced.
    std::filesystem::create_directory(f + "folder.lqs");
    dir.Write("d.txt", Bytes("window W\n image 0 0 4 4\nend\n"));
    auto [toFolder, folderText] = RunToolOutput(q("d.txt") + " " + q("folder.lqs"));
    EXPECT_EQ(toFolder, 1);
    EXPECT_NE(folderText.find("is a folder"), std::string::npos) << folderText;
    EXPECT_TRUE(std::filesystem::is_directory(f + "folder.lqs"));
    EXPECT_EQ(RunToolOutput(q("folder.lqs") + " " + q("out.lqs")).first, 1);
    EXPECT_EQ(RunToolOutput("--list " + q("folder.lqs")).first, 1);

    // Listing: damage, a wrong signature, bitmaps the plug-in refuses, empty
    // and repeated names each fail with their offset; names come out escaped.
    const std::string named =
        "window W\n image 0 0 4 2\n bitmap core.bmp\n"
        " control \"A\x1b[2JB\" kind=9\n control D kind=9\nend\n";
    dir.Write("d.txt", Bytes(named));
    ASSERT_EQ(RunToolOutput(q("d.txt") + " " + q("ok.lqs")).first, 0);
    const auto ok = dir.Read("ok.lqs");
    auto [listed, listing] = RunToolOutput("--list " + q("ok.lqs"));
    EXPECT_EQ(listed, 0) << listing;
    EXPECT_NE(listing.find("control \"A\\x1b[2JB\""), std::string::npos) << listing;
    EXPECT_EQ(listing.find('\x1b'), std::string::npos);

    const std::size_t bitmapAt = 16 + 3 * 64 + 4;  // after the window block and the length
    auto variant = [&](auto change) {
        auto b = ok;
        change(b);
        return b;
    };
    const std::pair<std::vector<std::uint8_t>, std::string> skins[] = {
        {variant([](auto& b) { b[0] = 'X'; }), "offset 0: the signature"},
        {std::vector<std::uint8_t>(16, 0), "offset 0: the signature"},
        {variant([&](auto& b) { b[bitmapAt] = 'X'; }),
         "offset " + std::to_string(bitmapAt) + ": the bitmap of window \"W\""},
        {variant([&](auto& b) { WriteU16(&b[bitmapAt + 22], 2000); }),
         "offset " + std::to_string(bitmapAt) + ": "},
        {variant([](auto& b) { std::fill(b.begin() + 16, b.begin() + 32, 0); }),
         "offset 16: a window without a name"},
        {variant([](auto& b) { std::fill(b.begin() + 80, b.begin() + 96, 0); }),
         "offset 80: a control without a name"},
        {variant([](auto& b) { std::copy(b.begin() + 80, b.begin() + 96, b.begin() + 144); }),
         "offset 144: a second control"},
        {variant([](auto& b) { b.resize(b.size() - 1); }), "damaged: "},
    };
    for (const auto& [bytes, message] : skins) {
        dir.Write("bad.lqs", bytes);
        auto [code, output] = RunToolOutput("--list " + q("bad.lqs"));
        EXPECT_EQ(code, 1) << message;
        EXPECT_NE(output.find("error: " + message), std::string::npos) << message << "\n" << output;
    }
}

// The output is written under a fresh name beside it: a link at its old
// temporary name is not followed, one at its own name is replaced as a name,
// and the longest name the file system takes works.
TEST(LqsPackTool, PlantedLinksStayUnfollowedAndTheLongestNameWorks) {
    testing::TempDir dir;
    const std::string f = dir.Folder();
    auto q = [&](const std::string& name) { return "'" + f + name + "'"; };
    dir.Write("victim", Bytes("precious"));
    dir.Write("d.txt", Bytes("window W\n image 0 0 4 4\nend\n"));
    std::filesystem::create_symlink(f + "victim", f + "out.lqs.part");
    std::filesystem::create_symlink(f + "victim", f + "link.lqs");
    const std::string longest = std::string(251, 's') + ".lqs";
    for (const std::string& out : {std::string("out.lqs"), std::string("link.lqs"), longest}) {
        auto [code, text] = RunToolOutput(q("d.txt") + " " + q(out));
        EXPECT_EQ(code, 0) << text;
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(f + out)));
    }
    EXPECT_EQ(std::filesystem::read_symlink(f + "out.lqs.part"), f + "victim");
    EXPECT_EQ(dir.Read("victim"), Bytes("precious"));
    EXPECT_EQ(dir.Files(), (std::vector<std::string>{"d.txt", "link.lqs", "out.lqs", "out.lqs.part",
                                                     longest, "victim"}));
}

TEST(LqsPackTool, RefusesAnOutputThatIsAnInput) {
    testing::TempDir dir;
    const std::string f = dir.Folder();
    auto q = [&](const std::string& name) { return "'" + f + name + "'"; };
    dir.Write("core.bmp", testing::CoreHeaderBmp());
    const auto description = Bytes("window W\n image 0 0 4 2\n bitmap core.bmp\nend\n");
    dir.Write("d.txt", description);
    std::filesystem::create_directory(f + "sub");
    std::filesystem::create_symlink(f + "d.txt", f + "link.txt");
    for (const char* output : {"d.txt", "sub/../d.txt", "link.txt", "core.bmp"}) {
        auto [code, text] = RunToolOutput(q("d.txt") + " " + q(output));
        EXPECT_EQ(code, 1) << output;
        EXPECT_NE(text.find("is the input"), std::string::npos) << output << ": " << text;
    }
    EXPECT_EQ(dir.Read("d.txt"), description);
    EXPECT_EQ(dir.Read("core.bmp"), testing::CoreHeaderBmp());
}

// A byte of a record is written by one field only; a byte-order mark starts a
// description, and anywhere else is a word, shown escaped.
TEST(Description, OverlappingFieldsAndByteOrderMarks) {
    const std::string head = "window W\n image 0 0 4 4\n control C kind=1 ";
    EXPECT_EQ(ErrorLine(head + "u16@18=5 face=1,2\nend\n"), 3);
    EXPECT_EQ(ErrorLine(head + "u16@46=1 u32@44=5\nend\n"), 3);
    EXPECT_EQ(ErrorLine(head + "place=1,2,3,4 u16@48=5 u16@38=1\nend\n"), 0);
    const auto Message = [](const std::string& text) {
        try {
            Parse(text);
        } catch (const DescriptionError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(Message(head + "face=1,2 u16@16=5\nend\n"),
              "line 3: \"u16@16\" writes byte 16, as \"face\" does");
    EXPECT_EQ(Parse("\xEF\xBB\xBFwindow W\n image 0 0 4 4\nend\n").windows.at(0).name, "W");
    EXPECT_EQ(Message("window W\n\xEF\xBB\xBF image 0 0 4 4\nend\n"),
              "line 2: unknown word \"\\xef\\xbb\\xbf\"");
}

// --list fails on every window rule the packer keeps.
TEST(ListSkin, FailsOnWhatThePackerRefuses) {
    const auto ok = testing::PackDescription(testing::kSampleDescription);
    const auto Variant = [&](auto change) {
        auto b = ok;
        change(b.data() + 16);  // the first window's entry
        return b;
    };
    std::vector<std::uint8_t> noWindows(ok.begin(), ok.begin() + kHeaderSize);
    WriteU16(&noWindows[kSignatureSize], 0);
    const auto s16 = [](int v) { return static_cast<std::uint16_t>(v); };
    const std::pair<std::vector<std::uint8_t>, std::string> skins[] = {
        {Variant([&](std::uint8_t* e) { WriteU16(e + 40, s16(-5)), WriteU16(e + 42, s16(-7)); }),
         "offset 16: window \"Setup Wizard\" has no size (-5x-7)\n"},
        {Variant([](std::uint8_t* e) { WriteU16(e + 36, 200); }),
         "offset 16: window \"Setup Wizard\" has its image 4,2 200x90 outside its bitmap "
         "(128x96)\n"},
        {Variant([](std::uint8_t* e) { WriteU32(e + 24, 0x1000000); }),
         "offset 16: window \"Setup Wizard\" has a transparent colour beyond"},
        {noWindows, "offset 14: the file defines no window\n"},
    };
    for (const auto& [bytes, message] : skins) {
        std::ostringstream out;
        EXPECT_FALSE(ListSkin(bytes, out)) << message;
        EXPECT_NE(out.str().find("error: " + message), std::string::npos) << out.str();
    }
}

}  // namespace
}  // namespace lumiq
