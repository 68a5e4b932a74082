#include "plugin/region_build.h"

#include <algorithm>

namespace lumiq {

namespace {

HRGN EmptyRegion() {
    return CreateRectRgn(0, 0, 0, 0);
}

// Unites b into a and deletes b; a stays valid whatever happens.
void UniteInto(HRGN a, HRGN b) {
    if (!b) return;
    CombineRgn(a, a, b, RGN_OR);
    DeleteObject(b);
}

HRGN OneByOne(const Rect* first, const Rect* last) {
    HRGN all = EmptyRegion();
    if (!all) return nullptr;
    for (const Rect* r = first; r != last; ++r) {
        UniteInto(all, CreateRectRgn(r->left, r->top, r->right, r->bottom));
    }
    return all;
}

HRGN OneCall(const Rect* first, const Rect* last) {
    const std::size_t count = static_cast<std::size_t>(last - first);
    std::vector<std::uint8_t> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    auto* rects = reinterpret_cast<RECT*>(buffer.data() + sizeof(RGNDATAHEADER));
    RECT bound{first->left, first->top, first->right, first->bottom};
    for (std::size_t i = 0; i < count; ++i) {
        const Rect& r = first[i];
        rects[i] = RECT{r.left, r.top, r.right, r.bottom};
        bound.left = std::min<LONG>(bound.left, r.left);
        bound.top = std::min<LONG>(bound.top, r.top);
        bound.right = std::max<LONG>(bound.right, r.right);
        bound.bottom = std::max<LONG>(bound.bottom, r.bottom);
    }
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(count);
    data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
    data->rdh.rcBound = bound;
    if (HRGN rgn = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data)) return rgn;
    // A system that refuses this many rectangles in one call still unites
    // them one at a time.
    return OneByOne(first, last);
}

}  // namespace

HRGN RegionFromRects(const std::vector<Rect>& rects, std::size_t batch) {
    if (rects.empty()) return EmptyRegion();
    batch = std::max<std::size_t>(batch, 1);
    std::vector<HRGN> parts;
    for (std::size_t at = 0; at < rects.size(); at += batch) {
        const Rect* first = rects.data() + at;
        HRGN part = OneCall(first, first + std::min(batch, rects.size() - at));
        if (!part) {
            for (HRGN p : parts) DeleteObject(p);
            return nullptr;
        }
        parts.push_back(part);
    }
    // Pairwise, so no rectangle is walked more than about log2(parts) times.
    while (parts.size() > 1) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < parts.size(); i += 2) {
            if (i + 1 < parts.size()) UniteInto(parts[i], parts[i + 1]);
            parts[kept++] = parts[i];
        }
        parts.resize(kept);
    }
    return parts[0];
}

HRGN RegionFromRectsOneByOne(const std::vector<Rect>& rects) {
    return OneByOne(rects.data(), rects.data() + rects.size());
}

}  // namespace lumiq
