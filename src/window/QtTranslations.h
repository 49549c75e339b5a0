#pragma once

class QCoreApplication;
class QTranslator;

namespace pluvane {

// Loads Qt's own Japanese texts (the file and colour dialogs, their standard
// buttons, the line edits' menus) into the application, whatever the locale:
// the window speaks Japanese, so Qt's dialogs must too. The translations come
// from Debian's qt6-translations-l10n. Returns the installed translator, owned
// by the application, or nullptr when the translations are missing.
QTranslator* installQtTranslations(QCoreApplication& application);

} // namespace pluvane
