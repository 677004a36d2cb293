#pragma once

class QCoreApplication;
class QString;

namespace vekkiro {

/// Makes Qt's own texts (the text box's context menu, a message box's buttons) Simplified
/// Chinese like the rest of the program, whatever the system's language. The translations come
/// from Qt's translations folder, which a Windows build ships beside the program (its qt.conf
/// points there). Returns false, and Qt stays in English, if they cannot be found.
bool installQtTranslations(QCoreApplication& app);

/// The same, with the translations taken from the given folder.
bool installQtTranslations(QCoreApplication& app, const QString& directory);

} // namespace vekkiro
