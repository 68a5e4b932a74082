#include "toolkit_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace veltra {

bool LoadToolkitTranslations(QTranslator& translator) {
    // The interface is Russian whatever the desktop's language is. "qt_ru"
    // gathers the catalogues of every Qt module that has one.
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    // Dates and sizes in those dialogs too; the program's own numbers follow
    // the desktop's separator as before.
    QLocale::setDefault(russian);
    const QString folders[] = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QStringLiteral("/usr/share/qt6/translations")};
    for (const QString& folder : folders) {
        if (translator.load(russian, QStringLiteral("qt"), QStringLiteral("_"), folder))
            return QCoreApplication::installTranslator(&translator);
    }
    return false;
}

}  // namespace veltra
