#pragma once
// Helpers for the board dialog tests: a started application plus readable
// views of a dialog's slot row and captions.

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/variant_dialog.h"
#include "state/slot_picture.h"
#include "tests/test_app.h"

namespace veltra::testing {

// The slot row as "404040 0000FF - ...", the print tokens joined.
inline std::string Slots(const SlotPicture& picture) {
    std::string text;
    for (const SlotShape& shape : picture.Shape2)
        text += (text.empty() ? "" : " ") + SlotToken(shape);
    return text;
}

// `count` tokens of one kind followed by transparent slots up to 27.
inline std::string SlotRow(std::initializer_list<std::pair<int, const char*>> runs) {
    std::vector<std::string> tokens;
    for (const auto& [count, token] : runs)
        for (int i = 0; i < count; ++i) tokens.push_back(token);
    while (tokens.size() < size_t(kSlotCount)) tokens.push_back("-");
    std::string text;
    for (const std::string& t : tokens) text += (text.empty() ? "" : " ") + t;
    return text;
}

// Captions of the visible variant buttons, in index order.
inline std::vector<std::string> VisibleCaptions(const VariantDialog& dialog) {
    std::vector<std::string> captions;
    for (const FlatButton& button : dialog.Command1)
        if (button.visible) captions.push_back(button.caption);
    return captions;
}

inline std::vector<int> BoldButtons(const VariantDialog& dialog) {
    std::vector<int> bold;
    for (int i = 0; i < kVariantCount; ++i)
        if (dialog.Command1[size_t(i)].bold) bold.push_back(i);
    return bold;
}

inline std::string Label(const VariantDialog& dialog, const std::string& name) {
    for (const CaptionLabel& label : dialog.countLabels)
        if (label.name == name) return label.caption;
    ADD_FAILURE() << "no label " << name;
    return "";
}

// Drops every catalogue entry with this code, so that SetItemQty reports it.
inline void RemoveItem(App& app, const std::string& code) {
    std::erase_if(app.catalogue, [&](const CatalogueItem& item) { return item.ItemCode == code; });
}

inline std::vector<std::string> MessageTexts(const RecordingPlatform& platform) {
    std::vector<std::string> texts;
    for (const RecordedMessage& m : platform.messages) texts.push_back(m.text);
    return texts;
}

inline constexpr int kFullHeight = 3555;

}  // namespace veltra::testing
