#pragma once
// The About box's texts and links, and the power message's texts.

#include <string>

#include "state/app.h"

namespace veltra {

inline constexpr int kSplashMilliseconds = 3000;

struct AboutTexts {
    const char* product;
    const char* salesCaption;
    const char* salesMail;
    const char* supportCaption;
    const char* supportMail;
    const char* webSite;
    const char* cityLine;
    const char* supplierLine;
};
extern const AboutTexts kAbout;

enum class AboutLink { WebSite, SalesMail, SupportMail };
// The web site opens in the browser, the addresses in the mail program.
std::string AboutLinkTarget(AboutLink link);
// Hands the link to the desktop; a failure is ignored there.
void AboutLink_Click(App& app, AboutLink link);

struct PowerMessageTexts {
    const char* title;
    const char* overload;
    const char* correction;
    const char* legend;
    const char* consumption;
    const char* supply;
};
extern const PowerMessageTexts kPowerMessage;

}  // namespace veltra
