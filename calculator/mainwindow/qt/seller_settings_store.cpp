#include "seller_settings_store.h"

#include <QSettings>

#include "dialogs/seller_settings.h"

namespace veltra {

SellerDetails ReadSellerDetails(QSettings& settings) {
    settings.beginGroup(kSellerSettingsGroup);
    const SellerDetails seller =
        SellerFromSettings([&settings](const std::string& key) -> std::optional<std::string> {
            const QVariant value = settings.value(QString::fromStdString(key));
            if (!value.isValid() || !value.canConvert<QString>()) return std::nullopt;
            return value.toString().toStdString();
        });
    settings.endGroup();
    return seller;
}

void StoreSellerDetails(QSettings& settings, const SellerDetails& seller) {
    settings.beginGroup(kSellerSettingsGroup);
    for (const auto& [key, text] : SellerSettings(seller))
        settings.setValue(QString::fromStdString(key), QString::fromStdString(text));
    settings.endGroup();
    settings.sync();
}

}  // namespace veltra
