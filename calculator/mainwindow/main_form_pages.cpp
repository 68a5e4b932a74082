#include "main_form_pages.h"

#include "report/configuration_text.h"
#include "report/show_cabinet.h"

namespace veltra {

void TabStrip1_Click(App& app, MainFormModel& form, int tab) {
    form.TabStrip1 = tab;
    for (int i = 1; i <= kTabCount; ++i) {
        FrameState& frame = form.FrameTabs[size_t(i - 1)];
        frame.visible = i == tab;
        if (frame.visible) frame.rect = kPageFrameRect;
    }
    if (tab == kTabCount) TabStrip3_Click(app, form, form.TabStrip3);
}

void TabStrip2_Click(App& app, MainFormModel& form, int tab) {
    form.TabStrip2 = tab;
    if (tab == 2) {
        form.Frame2.visible = false;
        form.Frame3 = {{60, 240, form.Frame2.rect.width, form.Frame2.rect.height}, true};
        form.ListView1 = RefreshAddedItemsList(app);
    } else {
        form.Frame3.visible = false;
        form.Frame2.visible = true;
    }
}

void TabStrip3_Click(App& app, MainFormModel& form, int tab) {
    form.TabStrip3 = tab;
    for (int i = 1; i <= int(form.ReportFrame.size()); ++i) {
        FrameState& frame = form.ReportFrame[size_t(i - 1)];
        frame.visible = i == tab;
        if (frame.visible) frame.rect = kReportFrameRect;
    }
    if (tab == 1) ShowCabinet(app);
    if (tab == 2) ShowConfiguration(app);
}

void StepPage(App& app, MainFormModel& form, bool forward) {
    const int shown = form.TabStrip1 - 1;
    TabStrip1_Click(app, form, (shown + (forward ? 1 : kTabCount - 1)) % kTabCount + 1);
}

}  // namespace veltra
