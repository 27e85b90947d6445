// Qt's own dialogs in Russian, whatever the desktop's language.
#pragma once

class QCoreApplication;

namespace kvardelon::editor {

// Installs Qt's Russian translation (inside the program on Windows, beside Qt elsewhere) and
// the few words of its dialogs that translation lacks ("Folder" in a file dialog's list), and
// makes Russian the default locale.
void speakRussian(QCoreApplication& app);

}  // namespace kvardelon::editor
