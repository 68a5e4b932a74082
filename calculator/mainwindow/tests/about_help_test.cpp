#include <gtest/gtest.h>

#include "mainwindow/about_box.h"
#include "mainwindow/help_entries.h"
#include "tests/test_app.h"

namespace veltra {
namespace {

using testing::TestApp;

TEST(HelpEntries, ButtonsAndMenuOpenTheirTopics) {
    TestApp t;
    for (const char* name : {"ARFlatBttn1", "ARFlatBttn3", "Command20", "HelpOverviewVeltra",
                             "HelpOverviewVeltraFunction", "HelpOverviewVeltraTechnicData"}) {
        ShowHelpEntry(t.app, name);
    }
    ShowHelpEntry(t.app, "About");  // not a help entry
    EXPECT_EQ(t.platform.helpTargets,
              (std::vector<std::string>{
                  "v4_overview.chm::/overviev_veltra/overviev_veltra_3_2.htm",
                  "v4_overview.chm::/terminal_eq/terminal_eq.htm",
                  "v4_overview.chm::/overviev_veltra/overviev_veltra_3_3.htm",
                  "v4_overview.chm",
                  "v4_overview.chm::/function_overview/function_overview.htm",
                  "v4_overview.chm::/technical_paremetrs/technical_paremetrs.htm",
              }));
    for (const auto& context : t.platform.helpContexts) EXPECT_FALSE(context);
}

TEST(HelpViewer, TakesTargetsApartAndBuildsTheViewerCommand) {
    const HelpRequest bare = ParseHelpTarget("v4_overview.chm");
    EXPECT_EQ(bare.file, "v4_overview.chm");
    EXPECT_EQ(bare.topic, "");
    const HelpRequest slashes =
        ParseHelpTarget("v4_overview.chm::/applications\\applications_8.htm");
    EXPECT_EQ(slashes.file, "v4_overview.chm");
    EXPECT_EQ(slashes.topic, "/applications/applications_8.htm");
    const HelpRequest window = ParseHelpTarget("VeltraCalculator.chm::source/dig_ext.htm>main");
    EXPECT_EQ(window.file, "VeltraCalculator.chm");
    EXPECT_EQ(window.topic, "/source/dig_ext.htm");
    EXPECT_EQ(window.window, "main");

    EXPECT_EQ(ChmViewerArguments("/opt/v/366.chm", "", std::nullopt),
              (std::vector<std::string>{"/opt/v/366.chm"}));
    EXPECT_EQ(ChmViewerArguments("/opt/v/a.chm", "/t/p.htm", std::nullopt),
              (std::vector<std::string>{"file:/opt/v/a.chm#xchm:/t/p.htm"}));
    EXPECT_EQ(ChmViewerArguments("/opt/v/a.chm", "/t/p.htm", 42),
              (std::vector<std::string>{"-c", "42", "/opt/v/a.chm"}));
    EXPECT_EQ(MissingHelpFileMessage("366.chm", {"/opt/v"}),
              "Файл справки \"366.chm\" не найден в папке программы:\n/opt/v");
    EXPECT_EQ(MissingHelpFileMessage("366.chm", {"/opt/v/bin", "/opt/v/share/veltra"}),
              "Файл справки \"366.chm\" не найден ни в папке программы, ни в папке данных:\n"
              "/opt/v/bin\n/opt/v/share/veltra");
    // The viewer's own entry comes first; an unset variable means the standard folders.
    EXPECT_EQ(ViewerDataDirs("/opt/v/bin", ""),
              "/opt/v/bin/help-viewer:/usr/local/share:/usr/share");
    EXPECT_EQ(ViewerDataDirs("/h", "/a:/b"), "/h/help-viewer:/a:/b");
    EXPECT_NE(MissingHelpViewerMessage("366.chm").find("\"366.chm\""), std::string::npos);
}

TEST(AboutBox, LinksGoToTheBrowserAndTheMailProgram) {
    TestApp t;
    AboutLink_Click(t.app, AboutLink::WebSite);
    AboutLink_Click(t.app, AboutLink::SalesMail);
    AboutLink_Click(t.app, AboutLink::SupportMail);
    EXPECT_EQ(t.platform.urls,
              (std::vector<std::string>{std::string("http://") + kAbout.webSite,
                                        std::string("mailto:") + kAbout.salesMail,
                                        std::string("mailto:") + kAbout.supportMail}));
    EXPECT_STREQ(kAbout.product, "Veltra Calculator v1.5");
}

}  // namespace
}  // namespace veltra
