#pragma once
// What the main window shows around its inputs: which page and sub-page is
// up, the selection of the catalogue tree and the added-items list, the code
// and price boxes, the added-items rows and the quotation discount. The inputs
// themselves live in MainWindowModel (App::main).

#include <array>
#include <string>

#include "catalogue/added_items.h"
#include "main_form_layout.h"

namespace veltra {

struct FrameState {
    TwipsRect rect;
    bool visible = false;
};

struct MainFormModel {
    MainFormModel();

    // Page switching; tabs are numbered from 1, frames from 0.
    int TabStrip1 = 1;
    std::array<FrameState, kTabCount> FrameTabs;
    int TabStrip2 = 1;
    FrameState Frame2;
    FrameState Frame3;
    int TabStrip3 = 1;
    std::array<FrameState, 2> ReportFrame;

    // Tree and list selection; an empty key means nothing clicked yet.
    std::string SelectNode;
    float SelectNodeY = 0;  // twips, relative to the tree
    std::string SelectList;
    float SelectListY = 0;  // twips, relative to the list

    // LabelCodeWare, TextCodeWare, LabelPriceWare and TextPriceWare show
    // together, only for a priced entry.
    bool WareVisible = false;
    std::string TextCodeWare;
    std::string TextPriceWare;

    // ListView1's rows and TotalAddText, as the last refresh left them.
    AddedItemsList ListView1{{}, "0"};
};

}  // namespace veltra
