#pragma once
// Qt's own texts in Russian: the file dialogs and their "replace?" question,
// the print dialog, the standard buttons of every box Qt draws itself. They
// come from the toolkit's translations (Debian's qt6-translations-l10n);
// where those are missing the texts stay in English and nothing is said.

class QTranslator;

namespace veltra {

// Installs `translator` in the application once it holds the Russian
// catalogue; false when no catalogue was found.
bool LoadToolkitTranslations(QTranslator& translator);

}  // namespace veltra
