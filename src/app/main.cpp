// The program: with arguments, the command line (no window is opened);
// without, the windows.
#include <QApplication>
#include <QDir>
#include <QIcon>

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "comando.h"
#include "dialoghi.h"
#include "programma.h"
#include "traduzione.h"

int main(int argc, char** argv) {
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    if (rigata::ChiedeRigaDiComando(argomenti)) {
        std::setlocale(LC_ALL, "");
        const std::string separatore = std::localeconv()->decimal_point;
        return rigata::EseguiComando(argomenti, std::cout, std::cerr, separatore);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rigata"));
    CaricaTraduzioneQt(app);
    // The id of the installed desktop file and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(RIGATA_ID));
    QIcon icona;
    for (int lato : {16, 32, 48, 64}) icona.addFile(QStringLiteral(":/rigata/rigata-%1.png").arg(lato));
    QApplication::setWindowIcon(icona);
    // Screens are hidden and shown, never closed by the window system: the
    // program ends through its exit procedure.
    QApplication::setQuitOnLastWindowClosed(false);
    DialoghiQt dialoghi;
    Programma programma(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()), dialoghi);
    programma.Main();
    return QApplication::exec();
}
