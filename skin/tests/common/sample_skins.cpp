#include "tests/common/sample_skins.h"

#include <sstream>
#include <stdexcept>

#include "format/bmp.h"
#include "tools/lqs-pack/description.h"

namespace lumiq::testing {

PixelImage SampleImage() {
    PixelImage img{128, 96, {}};
    img.pixels.assign(128 * 96, kMagenta);
    for (int y = 4; y < 92; ++y) {
        for (int x = 8; x < 120; ++x) {
            int dx = x < 20 ? 20 - x : (x > 107 ? x - 107 : 0);
            int dy = y < 16 ? 16 - y : (y > 79 ? y - 79 : 0);
            bool corner = dx * dx + dy * dy > 144;
            bool hole = x >= 50 && x < 60 && y >= 40 && y < 46;
            if (corner || hole) continue;
            img.pixels[y * 128 + x] =
                static_cast<std::uint32_t>((x * 2) << 16 | (y * 2) << 8 | 0x80);
        }
    }
    return img;
}

PixelImage TinyImage() {
    PixelImage img{16, 12, {}};
    img.pixels.assign(16 * 12, kMagenta);
    for (int y = 2; y < 10; ++y) {
        for (int x = 1 + y % 3; x < 14; ++x) img.pixels[y * 16 + x] = 0x204060;
    }
    return img;
}

const char* const kSampleDescription = R"(# skin used by the tests
window "Setup Wizard"
  size 121 91
  image 4 2 120 90
  transparent 0xFF00FF
  bitmap sample.bmp
  control Next kind=12 place=60,60,50,20
  control Cancel kind=0
  control Title kind=9 place=8,8,100,16
  control "Agree Box" kind=2 face=40,12 pressed=0,0 normal=0,12 focused=0,24 disabled=0,36 checked=40,0 place=8,70,60,14
end
window "About Box"
  size 200 120
  image 0 0 200 120
  control OK kind=12 place=70,90,60,20
end
)";

const char* const kTinyDescription = R"(window First
  image 0 0 16 12
  control A kind=12 place=1,2,3,4
  control B kind=12 place=5,6,7,8
end
window Second
  image 0 0 16 12
  transparent 0xFF00FF
  bitmap tiny.bmp
  control C kind=12 place=9,10,11,12
end
)";

std::vector<std::uint8_t> PackDescription(const std::string& description) {
    std::istringstream in(description);
    auto load = [](const std::string& path) {
        if (path == "sample.bmp") return MakeBmp24(SampleImage());
        if (path == "tiny.bmp") return MakeBmp24(TinyImage());
        throw std::runtime_error("no test bitmap \"" + path + "\"");
    };
    return WriteSkin(ParseDescription(in, "", load));
}

}  // namespace lumiq::testing
