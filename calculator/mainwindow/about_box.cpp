#include "about_box.h"

namespace veltra {

// Contact data of the deployment.
const AboutTexts kAbout = {
    "Veltra Calculator v1.5",
    "Отдел продаж:",
    "sales@dorvesk.ru",
    "Техническая поддержка:",
    "support@dorvesk.ru",
    "www.dorvesk.ru",
    "Новосибирск, тел./факс: +7 (383) 210-45-70",
    "Dorvesk — официальный поставщик оборудования Veltra в России",
};

const PowerMessageTexts kPowerMessage = {
    " Внимание !",
    "Потребляемая мощность превышает мощность источников питания.",
    "Необходима ручная коррекция спецификации",
    "Значок превышения потребляемой мощности",
    "Потребляемая мощность",
    "Мощность источников питания",
};

std::string AboutLinkTarget(AboutLink link) {
    switch (link) {
        case AboutLink::WebSite:
            return std::string("http://") + kAbout.webSite;
        case AboutLink::SalesMail:
            return std::string("mailto:") + kAbout.salesMail;
        case AboutLink::SupportMail:
            return std::string("mailto:") + kAbout.supportMail;
    }
    return "";
}

void AboutLink_Click(App& app, AboutLink link) {
    app.platform.OpenUrl(AboutLinkTarget(link));
}

}  // namespace veltra
