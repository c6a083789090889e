#include "traduzione.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool CaricaTraduzioneQt(QCoreApplication& applicazione) {
    // Owned by the application, so it lives as long as the texts it translates.
    auto* traduttore = new QTranslator(&applicazione);
    if (!traduttore->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduttore;
        return false;
    }
    return QCoreApplication::installTranslator(traduttore);
}
