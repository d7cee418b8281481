#pragma once

#include <QLocale>

class QTranslator;

namespace zantor {

// The texts in the code are English; other languages come from translations built into the
// program (translations/zantor_LANG.ts).

// Loads our translation for `locale` (its UI languages in order, so LANGUAGE=de:en picks
// German) into `translator`; false when there is none, which for English is right.
bool LoadTranslation(QTranslator& translator, const QLocale& locale);

// Installs our translation and, where the system has it, Qt's own (the standard buttons and
// file dialogs) for the user's language (LANG, LANGUAGE, LC_ALL, LC_MESSAGES) on the running
// application. Returns whether ours was found.
bool InstallTranslations(const QLocale& locale = QLocale::system());

}  // namespace zantor
