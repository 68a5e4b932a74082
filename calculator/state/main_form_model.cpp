#include "main_form_model.h"

namespace veltra {

MainFormModel::MainFormModel() {
    // Start-up shows page 1; the sub-pages start on their first tabs.
    for (FrameState& frame : FrameTabs) frame.rect = kPageFrameRect;
    FrameTabs[0].visible = true;
    Frame2 = {kSelectionFrameRect, true};
    Frame3 = {kSelectionFrameRect, false};
    ReportFrame[0] = {kReportFrameRect, true};
    ReportFrame[1] = {kReportFrameRect, false};
}

}  // namespace veltra
