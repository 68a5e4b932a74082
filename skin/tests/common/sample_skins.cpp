#include "tests/common/sample_skins.h"

#include <sstream>
#include <stdexcept>

#include "format/bmp.h"
#include "format/bytes.h"
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

PixelImage ControlsImage() {
    PixelImage img{256, 128, {}};
    img.pixels.assign(256 * 128, kMagenta);
    const PixelImage sample = SampleImage();
    for (int y = 0; y < sample.height; ++y) {
        for (int x = 0; x < sample.width; ++x) {
            img.pixels[y * 256 + x] = sample.pixels[y * sample.width + x];
        }
    }
    auto fill = [&](int x0, int y0, int w, int h, std::uint32_t colour) {
        for (int y = y0; y < y0 + h; ++y) {
            for (int x = x0; x < x0 + w; ++x) img.pixels[y * 256 + x] = colour;
        }
    };
    using C = ControlsColours;
    const std::uint32_t faces[] = {C::pressed, C::normal,         C::focused,        C::disabled,
                                   C::checked, C::checkedFocused, C::checkedDisabled};
    for (int i = 0; i < 7; ++i) fill(i * 20, 100, 20, 10, faces[i]);
    img.pixels[100 * 256 + 20] = kMagenta;  // the normal face's corner
    fill(140, 100, 40, 20, C::empty);
    fill(190, 100, 40, 20, C::full);
    return img;
}

const char* const kControlsDescription = R"(window Controls
  image 0 0 128 96
  transparent 0xFF00FF
  bitmap controls.bmp
  control Push kind=1 face=20,10 pressed=0,100 normal=20,100 focused=40,100 disabled=60,100 place=20,20,20,10
  control Check kind=2 face=20,10 pressed=0,100 normal=20,100 focused=40,100 disabled=60,100 checked=80,100 checkedfocused=100,100 checkeddisabled=120,100 place=45,20,20,10
  control Bar kind=8 bar=40,20 empty=140,100 full=190,100 place=20,50,40,20
  control Panel kind=4 place=64,48,44,22
  control Label kind=9 place=66,50,40,16
  control Field kind=5 text=0x102030 back=0x405060 place=20,74,40,12
  control Box kind=7 text=0x010203 back=0x070809 place=65,74,40,12
  control Tree kind=10 text=0x112233 back=0x445566 place=70,20,30,20
  control Rich kind=11 back=0x778899 place=20,35,25,12
end
)";

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

std::vector<std::uint8_t> CoreHeaderBmp() {
    std::vector<std::uint8_t> core(14 + 12 + 6 + 8, 0);
    core[0] = 'B';
    core[1] = 'M';
    WriteU32(&core[10], 14 + 12 + 6);
    WriteU32(&core[14], 12);
    WriteU16(&core[18], 20);
    WriteU16(&core[20], 2);
    WriteU16(&core[22], 1);
    WriteU16(&core[24], 1);
    return core;
}

std::vector<std::uint8_t> PackDescription(const std::string& description) {
    std::istringstream in(description);
    auto load = [](const std::string& path) {
        if (path == "sample.bmp") return MakeBmp24(SampleImage());
        if (path == "tiny.bmp") return MakeBmp24(TinyImage());
        if (path == "controls.bmp") return MakeBmp24(ControlsImage());
        throw std::runtime_error("no test bitmap \"" + path + "\"");
    };
    return WriteSkin(ParseDescription(in, "", load));
}

}  // namespace lumiq::testing
