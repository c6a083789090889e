// Qt's own texts (standard buttons, file and printer dialogs) in Italian,
// whatever the system's language: the program speaks Italian everywhere.
#pragma once

class QCoreApplication;

// Installs Qt's Italian translation (qtbase_it.qm, Debian package
// qt6-translations-l10n) from Qt's translations folder. False when the file
// is missing or unreadable: the dialogs then keep Qt's English texts.
bool CaricaTraduzioneQt(QCoreApplication& applicazione);
