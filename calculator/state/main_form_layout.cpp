#include "main_form_layout.h"

#include <stdexcept>

namespace veltra {

namespace {

// Designed in pixels at 96 dpi, kept in twips.
constexpr TwipsRect P(int x, int y, int w, int h) {
    return {x * kTwipsPerPixel, y * kTwipsPerPixel, w * kTwipsPerPixel, h * kTwipsPerPixel};
}

constexpr const char* kFrameTabs[kTabCount] = {"FrameTabs(0)", "FrameTabs(1)", "FrameTabs(2)",
                                               "FrameTabs(3)", "FrameTabs(4)", "FrameTabs(5)",
                                               "FrameTabs(6)"};

// A labelled count field with its button: label, field, button on one row.
void AddFieldRow(std::vector<ControlPlace>& places, const char* container, const char* label,
                 const char* field, const char* button, int y, int labelWidth, int fieldWidth) {
    const int fieldLeft = 12 + labelWidth + 4;
    places.push_back({label, container, P(12, y + 2, labelWidth, 18)});
    places.push_back({field, container, P(fieldLeft, y, fieldWidth, 20)});
    places.push_back({button, container, P(fieldLeft + fieldWidth + 2, y, 22, 20)});
}

std::vector<ControlPlace> BuildLayout() {
    std::vector<ControlPlace> l;
    l.push_back({"TabStrip1", "", P(0, 0, 473, 28)});
    for (const char* frame : kFrameTabs) l.push_back({frame, "", kPageFrameRect});

    // Page 1: extension lines, the multi-function board and the telephone sets.
    const char* p1 = "FrameTabs(0)";
    AddFieldRow(l, p1, "LabelAnalogExt", "AnalogExtText", "ARFlatBttn2", 28, 105, 48);
    AddFieldRow(l, p1, "LabelDigitalExt", "DigitalExtText", "ARFlatBttn4", 56, 105, 48);
    l.push_back({"MFUCheck", p1, P(12, 88, 190, 20)});
    l.push_back({"MFU_Flash", p1, P(12, 112, 190, 22)});
    l.push_back({"LabelCombo1", p1, P(12, 146, 190, 18)});
    l.push_back({"Combo1", p1, P(12, 166, 190, 22)});
    l.push_back({"ARFlatBttn1", p1, P(12, 294, 26, 26)});
    l.push_back({"Frame1", p1, P(212, 20, 251, 276)});
    static const char* const kPhones[7][3] = {
        {"LabelBasic", "BasicText", "ARFlatBttn5"},
        {"LabelEconomy", "EconomyText", "ARFlatBttn6"},
        {"LabelStandard", "StandardText", "ARFlatBttn7"},
        {"LabelExecutive", "ExecutiveText", "ARFlatBttn8"},
        {"LabelOperator", "OperatorText", "ARFlatBttn9"},
        {"LabelDss1", "Dss1Text", "ARFlatBttn10"},
        {"LabelDss2", "Dss2Text", "ARFlatBttn11"},
    };
    for (int i = 0; i < 7; ++i) {
        AddFieldRow(l, "Frame1", kPhones[i][0], kPhones[i][1], kPhones[i][2], 26 + 30 * i, 138, 48);
    }
    l.push_back({"ARFlatBttn3", "Frame1", P(12, 240, 26, 26)});

    // Page 2: trunks, networking software and IP telephony.
    const char* p2 = "FrameTabs(1)";
    AddFieldRow(l, p2, "LabelAnTrunk", "AnTrunkText", "Command13", 28, 160, 90);
    AddFieldRow(l, p2, "LabelE1Trunk", "E1TrunkText", "Command14", 58, 160, 90);
    AddFieldRow(l, p2, "LabelBRITrunk", "BRITrunkText", "Command15", 88, 160, 90);
    AddFieldRow(l, p2, "LabelFecu", "FecuText", "Command1", 118, 160, 258);
    AddFieldRow(l, p2, "LabelIPU", "IPUText", "Command3", 148, 160, 90);
    l.push_back({"Command20", p2, P(12, 294, 26, 26)});

    // Page 3: cordless.
    const char* p3 = "FrameTabs(2)";
    AddFieldRow(l, p3, "LabelBS", "BSText", "Command16", 28, 160, 48);
    AddFieldRow(l, p3, "LabelMobile", "MobileText", "Command17", 58, 160, 48);

    // Page 4: power supply and back-up.
    const char* p4 = "FrameTabs(3)";
    l.push_back({"PowerStandard(0)", p4, P(16, 28, 320, 20)});
    l.push_back({"PowerStandard(1)", p4, P(16, 52, 320, 20)});
    l.push_back({"PowerStandard(2)", p4, P(16, 76, 320, 20)});
    l.push_back({"PowerAccFrame", p4, P(12, 112, 320, 78)});
    l.push_back({"PowerAcc(0)", "PowerAccFrame", P(12, 24, 290, 20)});
    l.push_back({"PowerAcc(1)", "PowerAccFrame", P(12, 48, 290, 20)});

    // Page 5: distribution frame.
    const char* p5 = "FrameTabs(4)";
    l.push_back({"MDFBox(0)", p5, P(16, 28, 320, 20)});
    l.push_back({"MDFBox(1)", p5, P(16, 52, 320, 20)});
    l.push_back({"MDFBox(2)", p5, P(16, 76, 320, 20)});
    l.push_back({"MDFOpenCableFrame", p5, P(12, 106, 200, 78)});
    l.push_back({"MDFOpenCable(0)", "MDFOpenCableFrame", P(12, 24, 170, 20)});
    l.push_back({"MDFOpenCable(1)", "MDFOpenCableFrame", P(12, 48, 170, 20)});
    l.push_back({"OnlyStationMDFCheck", p5, P(16, 194, 330, 20)});
    l.push_back({"ArrestorsFrame", p5, P(12, 222, 330, 78)});
    l.push_back({"Arrestor(1)", "ArrestorsFrame", P(12, 24, 300, 20)});
    l.push_back({"Arrestor(2)", "ArrestorsFrame", P(12, 48, 300, 20)});

    // Page 6: the catalogue and the added items; the sub-tabs sit below.
    const char* p6 = "FrameTabs(5)";
    l.push_back({"Frame2", p6, kSelectionFrameRect});
    l.push_back({"Frame3", p6, kSelectionFrameRect});
    l.push_back({"TabStrip2", p6, P(4, 303, 465, 26)});
    l.push_back({"TreeView1", "Frame2", P(0, 0, 300, 285)});
    l.push_back({"LabelCodeWare", "Frame2", P(310, 4, 155, 16)});
    l.push_back({"TextCodeWare", "Frame2", P(310, 22, 155, 20)});
    l.push_back({"LabelPriceWare", "Frame2", P(310, 52, 155, 16)});
    l.push_back({"TextPriceWare", "Frame2", P(310, 70, 155, 20)});
    l.push_back({"LabelDiscount", "Frame2", P(310, 216, 155, 34)});
    l.push_back({"Command4", "Frame2", P(310, 257, 155, 26)});
    l.push_back({"ListView1", "Frame3", P(0, 0, 465, 250)});
    l.push_back({"Label1", "Frame3", P(0, 262, 50, 18)});
    l.push_back({"TotalAddText", "Frame3", P(52, 260, 120, 22)});
    l.push_back({"DelAllAddQty", "Frame3", P(345, 258, 120, 26)});

    // Page 7: reports; the sub-tabs sit below.
    const char* p7 = "FrameTabs(6)";
    l.push_back({"ReportFrame(0)", p7, kReportFrameRect});
    l.push_back({"ReportFrame(1)", p7, kReportFrameRect});
    l.push_back({"TabStrip3", p7, P(4, 303, 465, 26)});
    l.push_back({"ReportTxtLabel", "ReportFrame(1)", P(8, 8, 449, 240)});
    l.push_back({"Command2", "ReportFrame(1)", P(337, 257, 120, 26)});
    l.push_back({"ReportPdf", "ReportFrame(1)", P(209, 257, 120, 26)});
    return l;
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
