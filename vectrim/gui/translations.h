// Qt's own translations (package qt6-translations-l10n): the standard
// dialogs (open, save, print, message boxes) speak the program's language.
#pragma once

class QCoreApplication;
class QString;
class QTranslator;

namespace vectrim {

// The language of this build's texts; the English builds use "en".
inline constexpr const char* kProgramLanguage = "de";

// Installs Qt's translations of the language into the application (which
// owns the translator); null when they are not installed (the dialogs then
// stay English).
QTranslator* installQtTranslations(QCoreApplication& app, const QString& language);

} // namespace vectrim
