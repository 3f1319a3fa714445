// The program's texts in its language: our translations (made from
// translations/*.ts, built into the program) for the windows and the
// core's messages, and Qt's own (package qt6-translations-l10n) for the
// standard dialogs (open, save, print, message boxes).
#pragma once

class QCoreApplication;
class QString;

namespace vectrim {

enum class Program { Vectrim, Load };

// Installs the translations of `language` ("en", "de") for the program
// into the application, and makes the core's messages (msg::tr) speak it.
// load has the core's messages only: its own window texts are English in
// every build.
// German is the language of the sources: "de" installs only Qt's own.
// False when one of our translations is missing.
bool installTranslations(QCoreApplication& app, const QString& language, Program program);

// Takes our translations out again (tests that switch builds).
void removeTranslations();

} // namespace vectrim
