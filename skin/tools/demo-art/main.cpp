// lumiq-demo-art: draws the demo installer's skin bitmap.
//
//   lumiq-demo-art OUT.bmp
//
// The layout (window image, button, check box and radio faces, bar images)
// is what host/demo/demo.txt describes; magenta is transparent.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "format/bmp.h"

namespace {

using lumiq::PixelImage;

constexpr std::uint32_t kClear = 0xFF00FF;
constexpr std::uint32_t kBody = 0xF7F9FC;

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, double t) {
    auto channel = [&](int shift) {
        double x = ((a >> shift) & 0xFF) * (1 - t) + ((b >> shift) & 0xFF) * t;
        return static_cast<std::uint32_t>(std::lround(x)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

class Canvas {
  public:
    Canvas(int w, int h) : img_{w, h, std::vector<std::uint32_t>(std::size_t(w) * h, kClear)} {}
    void Set(int x, int y, std::uint32_t c) {
        if (x >= 0 && y >= 0 && x < img_.width && y < img_.height)
            img_.pixels[y * img_.width + x] = c;
    }
    // Whether (x, y) of a w x h box lies inside its corners of radius r.
    static bool Inside(int x, int y, int w, int h, int r) {
        int dx = x < r ? r - x : (x >= w - r ? x - (w - r - 1) : 0);
        int dy = y < r ? r - y : (y >= h - r ? y - (h - r - 1) : 0);
        return dx * dx + dy * dy <= r * r;
    }
    // A rounded box filled top to bottom from top to bottom colour, with a
    // border; outside the corners stays transparent.
    void Box(int x0, int y0, int w, int h, int r, std::uint32_t top, std::uint32_t bottom,
             std::uint32_t border) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (!Inside(x, y, w, h, r)) continue;
                bool edge = !Inside(x - 1, y, w, h, r) || !Inside(x + 1, y, w, h, r) ||
                            !Inside(x, y - 1, w, h, r) || !Inside(x, y + 1, w, h, r) || x == 0 ||
                            y == 0 || x == w - 1 || y == h - 1;
                Set(x0 + x, y0 + y,
                    edge ? border : Mix(top, bottom, double(y) / std::max(1, h - 1)));
            }
        }
    }
    void Fill(int x0, int y0, int w, int h, std::uint32_t c) {
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x) Set(x, y, c);
    }
    void Ring(int cx, int cy, double r, double width, std::uint32_t c) {
        for (int y = int(cy - r - width); y <= int(cy + r + width); ++y) {
            for (int x = int(cx - r - width); x <= int(cx + r + width); ++x) {
                double d = std::hypot(x - cx, y - cy);
                if (std::abs(d - r) <= width / 2) Set(x, y, c);
            }
        }
    }
    void Disc(int cx, int cy, double r, std::uint32_t c) { Ring(cx, cy, r / 2, r, c); }
    const PixelImage& Image() const { return img_; }

  private:
    PixelImage img_;
};

void Window(Canvas& c) {
    const int w = 480, h = 320;
    c.Box(0, 0, w, h, 20, kBody, kBody, 0x1B2A4A);
    for (int y = 1; y < h - 1; ++y) {
        for (int x = 1; x < w - 1; ++x) {
            if (!Canvas::Inside(x, y, w, h, 20) || !Canvas::Inside(x - 1, y - 1, w - 2, h - 2, 19))
                continue;
            if (x < 150) {
                c.Set(x, y, Mix(0x2A62B0, 0x0E2748, double(y) / h));
            } else if (y < 64) {
                c.Set(x, y, Mix(0xE8F1FB, 0xCFE0F5, double(y) / 64));
            } else if (y == 64 || y == 268) {
                c.Set(x, y, 0xB8C8DE);
            } else if (y > 268) {
                c.Set(x, y, 0xEEF2F8);
            }
        }
    }
    // The banner's mark: rings about a dot, and a wave under them.
    for (int i = 0; i < 3; ++i) c.Ring(75, 100, 18 + 12 * i, 3, Mix(0xFFFFFF, 0x6FB3FF, i / 2.0));
    c.Disc(75, 100, 7, 0xFFFFFF);
    for (int x = 20; x < 130; ++x) {
        int y = 200 + int(std::lround(8 * std::sin((x - 20) / 14.0)));
        for (int t = 0; t < 3; ++t) c.Set(x, y + t, 0x6FB3FF);
    }
}

// Push button faces, 80 x 26 at y 330: normal, focused, pressed, disabled.
void PushFaces(Canvas& c) {
    c.Box(0, 330, 80, 26, 6, 0x4A8BE8, 0x2A5FB0, 0x1C4585);
    c.Box(80, 330, 80, 26, 6, 0x4A8BE8, 0x2A5FB0, 0x0E2748);
    c.Box(82, 332, 76, 22, 5, 0x4A8BE8, 0x2A5FB0, 0xBFDcFF);
    c.Box(160, 330, 80, 26, 6, 0x1C4585, 0x173A70, 0x0E2748);
    c.Box(240, 330, 80, 26, 6, 0xC9CED6, 0xAEB5C0, 0x9AA2AE);
}

// Check box (round false) or radio faces, 200 x 20 each, three to a row
// from y: normal, focused, disabled; pressed, checked, checked and focused;
// checked and disabled.
void ToggleFaces(Canvas& c, int y, bool round) {
    struct Face {
        std::uint32_t border, fill;
        bool mark;
    } faces[] = {
        {0x5A6B85, 0xFFFFFF, false}, {0x1F6FD1, 0xFFFFFF, false}, {0xB0B7C2, 0xE6E9EE, false},
        {0x1F6FD1, 0xCFE0F5, false}, {0x5A6B85, 0xFFFFFF, true},  {0x1F6FD1, 0xFFFFFF, true},
        {0xB0B7C2, 0xE6E9EE, true},
    };
    for (int i = 0; i < 7; ++i) {
        int x0 = (i % 3) * 200, y0 = y + (i / 3) * 20;
        c.Fill(x0, y0, 200, 20, kBody);
        const Face& f = faces[i];
        std::uint32_t mark = f.fill == 0xE6E9EE ? 0x9AA2AE : 0x1F6FD1;
        if (round) {
            c.Disc(x0 + 10, y0 + 10, 7, f.fill);
            c.Ring(x0 + 10, y0 + 10, 7, 1.5, f.border);
            if (f.mark) c.Disc(x0 + 10, y0 + 10, 3.5, mark);
        } else {
            c.Box(x0 + 3, y0 + 3, 14, 14, 2, f.fill, f.fill, f.border);
            if (f.mark) {
                for (int t = 0; t < 4; ++t) {  // a tick
                    for (int k = 0; k < 2; ++k) c.Set(x0 + 6 + t, y0 + 9 + t + k, mark);
                }
                for (int t = 0; t < 6; ++t) {
                    for (int k = 0; k < 2; ++k) c.Set(x0 + 9 + t, y0 + 12 - t + k, mark);
                }
            }
        }
    }
}

// The bar, 300 x 16 at y 480: empty at x 0, full at x 300.
void BarImages(Canvas& c) {
    c.Box(0, 480, 300, 16, 7, 0xD5DDE8, 0xE6ECF3, 0xA9B7CA);
    c.Box(300, 480, 300, 16, 7, 0x6BC0FF, 0x1F6FD1, 0x174F99);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: lumiq-demo-art OUT.bmp\n";
        return 2;
    }
    Canvas c(640, 500);
    Window(c);
    PushFaces(c);
    ToggleFaces(c, 360, false);
    ToggleFaces(c, 420, true);
    BarImages(c);
    std::vector<std::uint8_t> bytes = lumiq::MakeBmp24(c.Image());
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "lumiq-demo-art: cannot write \"" << argv[1] << "\"\n";
        return 1;
    }
    return 0;
}
