#include "main_form_layout.h"

#include <stdexcept>

namespace veltra {

namespace {

// Designed in pixels at 96 dpi, kept in twips.
constexpr TwipsRect P(int x, int y, int w, int h) {
    return {x * kTwipsPerPixel, y * kTwipsPerPixel, w * kTwipsPerPixel, h * kTwipsPerPixel};
}

// One line of the layout: a control, or a labelled count field with its
// button (label, field, button on one row, measured from the label's top).
struct LayoutLine {
    const char* container;
    const char* name;  // the control, or the row's label
    TwipsRect rect;    // the control's place; unused for a row
    const char* field = nullptr;
    const char* button = nullptr;
    int y = 0, labelWidth = 0, fieldWidth = 0;
};

constexpr LayoutLine C(const char* container, const char* name, TwipsRect rect) {
    return {container, name, rect};
}

constexpr LayoutLine Row(const char* container, const char* label, const char* field,
                         const char* button, int y, int labelWidth, int fieldWidth) {
    return {container, label, {}, field, button, y, labelWidth, fieldWidth};
}

constexpr const char* p1 = "FrameTabs(0)";
constexpr const char* p2 = "FrameTabs(1)";
constexpr const char* p3 = "FrameTabs(2)";
constexpr const char* p4 = "FrameTabs(3)";
constexpr const char* p5 = "FrameTabs(4)";
constexpr const char* p6 = "FrameTabs(5)";
constexpr const char* p7 = "FrameTabs(6)";

// clang-format off
constexpr LayoutLine kLayout[] = {
    C("", "TabStrip1", P(0, 0, 473, 28)),
    C("", p1, kPageFrameRect),
    C("", p2, kPageFrameRect),
    C("", p3, kPageFrameRect),
    C("", p4, kPageFrameRect),
    C("", p5, kPageFrameRect),
    C("", p6, kPageFrameRect),
    C("", p7, kPageFrameRect),

    // Page 1: extension lines, the multi-function board and the telephone sets.
    Row(p1, "LabelAnalogExt", "AnalogExtText", "ARFlatBttn2", 28, 105, 48),
    Row(p1, "LabelDigitalExt", "DigitalExtText", "ARFlatBttn4", 56, 105, 48),
    C(p1, "MFUCheck", P(12, 88, 190, 20)),
    C(p1, "MFU_Flash", P(12, 112, 190, 22)),
    C(p1, "LabelCombo1", P(12, 146, 190, 18)),
    C(p1, "Combo1", P(12, 166, 190, 22)),
    C(p1, "ARFlatBttn1", P(12, 294, 26, 26)),
    C(p1, "Frame1", P(212, 20, 251, 276)),
    Row("Frame1", "LabelBasic", "BasicText", "ARFlatBttn5", 26, 138, 48),
    Row("Frame1", "LabelEconomy", "EconomyText", "ARFlatBttn6", 56, 138, 48),
    Row("Frame1", "LabelStandard", "StandardText", "ARFlatBttn7", 86, 138, 48),
    Row("Frame1", "LabelExecutive", "ExecutiveText", "ARFlatBttn8", 116, 138, 48),
    Row("Frame1", "LabelOperator", "OperatorText", "ARFlatBttn9", 146, 138, 48),
    Row("Frame1", "LabelDss1", "Dss1Text", "ARFlatBttn10", 176, 138, 48),
    Row("Frame1", "LabelDss2", "Dss2Text", "ARFlatBttn11", 206, 138, 48),
    C("Frame1", "ARFlatBttn3", P(12, 240, 26, 26)),

    // Page 2: trunks, networking software and IP telephony.
    Row(p2, "LabelAnTrunk", "AnTrunkText", "Command13", 28, 160, 90),
    Row(p2, "LabelE1Trunk", "E1TrunkText", "Command14", 58, 160, 90),
    Row(p2, "LabelBRITrunk", "BRITrunkText", "Command15", 88, 160, 90),
    Row(p2, "LabelFecu", "FecuText", "Command1", 118, 160, 258),
    Row(p2, "LabelIPU", "IPUText", "Command3", 148, 160, 90),
    C(p2, "Command20", P(12, 294, 26, 26)),

    // Page 3: cordless.
    Row(p3, "LabelBS", "BSText", "Command16", 28, 160, 48),
    Row(p3, "LabelMobile", "MobileText", "Command17", 58, 160, 48),

    // Page 4: power supply and back-up.
    C(p4, "PowerStandard(0)", P(16, 28, 320, 20)),
    C(p4, "PowerStandard(1)", P(16, 52, 320, 20)),
    C(p4, "PowerStandard(2)", P(16, 76, 320, 20)),
    C(p4, "PowerAccFrame", P(12, 112, 320, 78)),
    C("PowerAccFrame", "PowerAcc(0)", P(12, 24, 290, 20)),
    C("PowerAccFrame", "PowerAcc(1)", P(12, 48, 290, 20)),

    // Page 5: distribution frame.
    C(p5, "MDFBox(0)", P(16, 28, 320, 20)),
    C(p5, "MDFBox(1)", P(16, 52, 320, 20)),
    C(p5, "MDFBox(2)", P(16, 76, 320, 20)),
    C(p5, "MDFOpenCableFrame", P(12, 106, 200, 78)),
    C("MDFOpenCableFrame", "MDFOpenCable(0)", P(12, 24, 170, 20)),
    C("MDFOpenCableFrame", "MDFOpenCable(1)", P(12, 48, 170, 20)),
    C(p5, "OnlyStationMDFCheck", P(16, 194, 330, 20)),
    C(p5, "ArrestorsFrame", P(12, 222, 330, 78)),
    C("ArrestorsFrame", "Arrestor(1)", P(12, 24, 300, 20)),
    C("ArrestorsFrame", "Arrestor(2)", P(12, 48, 300, 20)),

    // Page 6: the catalogue and the added items; the sub-tabs sit below.
    C(p6, "Frame2", kSelectionFrameRect),
    C(p6, "Frame3", kSelectionFrameRect),
    C(p6, "TabStrip2", P(4, 303, 465, 26)),
    C("Frame2", "TreeView1", P(0, 0, 300, 285)),
    C("Frame2", "LabelCodeWare", P(310, 4, 155, 16)),
    C("Frame2", "TextCodeWare", P(310, 22, 155, 20)),
    C("Frame2", "LabelPriceWare", P(310, 52, 155, 16)),
    C("Frame2", "TextPriceWare", P(310, 70, 155, 20)),
    C("Frame2", "LabelDiscount", P(310, 216, 155, 34)),
    C("Frame2", "Command4", P(310, 257, 155, 26)),
    C("Frame3", "ListView1", P(0, 0, 465, 250)),
    C("Frame3", "Label1", P(0, 262, 50, 18)),
    C("Frame3", "TotalAddText", P(52, 260, 120, 22)),
    C("Frame3", "DelAllAddQty", P(345, 258, 120, 26)),

    // Page 7: reports; the sub-tabs sit below.
    C(p7, "ReportFrame(0)", kReportFrameRect),
    C(p7, "ReportFrame(1)", kReportFrameRect),
    C(p7, "TabStrip3", P(4, 303, 465, 26)),
    C("ReportFrame(1)", "ReportTxtLabel", P(8, 8, 449, 240)),
    C("ReportFrame(1)", "Command2", P(337, 257, 120, 26)),
    C("ReportFrame(1)", "ReportPdf", P(209, 257, 120, 26)),
};
// clang-format on

std::vector<ControlPlace> BuildLayout() {
    std::vector<ControlPlace> places;
    for (const LayoutLine& l : kLayout) {
        if (!l.field) {
            places.push_back({l.name, l.container, l.rect});
            continue;
        }
        const int fieldLeft = 12 + l.labelWidth + 4;
        places.push_back({l.name, l.container, P(12, l.y + 2, l.labelWidth, 18)});
        places.push_back({l.field, l.container, P(fieldLeft, l.y, l.fieldWidth, 20)});
        places.push_back({l.button, l.container, P(fieldLeft + l.fieldWidth + 2, l.y, 22, 20)});
    }
    return places;
}

}  // namespace

const std::vector<ControlPlace>& MainFormLayout() {
    static const std::vector<ControlPlace> layout = BuildLayout();
    return layout;
}

const ControlPlace& PlaceOf(std::string_view name) {
    for (const ControlPlace& place : MainFormLayout()) {
        if (name == place.name) return place;
    }
    throw std::out_of_range("no control " + std::string(name));
}

std::vector<TwipsRect> ContainersOf(std::string_view name) {
    std::vector<TwipsRect> containers;
    for (std::string_view c = PlaceOf(name).container; !c.empty(); c = PlaceOf(c).container) {
        containers.push_back(PlaceOf(c).rect);
    }
    return containers;
}

std::string ArrayName(std::string_view name, int index) {
    return std::string(name) + "(" + std::to_string(index) + ")";
}

}  // namespace veltra
