// The program: with arguments, the command line (no window is opened);
// without, the windows.
#include <QApplication>
#include <QIcon>

#include <unistd.h>

#include <clocale>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "comando.h"
#include "dialoghi.h"
#include "file.h"
#include "programma.h"
#include "traduzione.h"

namespace {

// The folder of the running executable as the system names it, bytes as they
// are (any folder name works); empty when the system does not tell it.
std::string CartellaEseguibile() {
    std::string percorso(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", percorso.data(), percorso.size());
    if (n <= 0 || static_cast<size_t>(n) >= percorso.size() || percorso.front() != '/') return {};
    percorso.resize(static_cast<size_t>(n));
    return rigata::CartellaDi(percorso);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    if (rigata::ChiedeRigaDiComando(argomenti)) {
        std::setlocale(LC_ALL, "");
        // A closed pipe is reported as a failed write, not a silent death.
        std::signal(SIGPIPE, SIG_IGN);
        const std::string separatore = std::localeconv()->decimal_point;
        return rigata::EseguiComandoSu(argomenti, STDOUT_FILENO, std::cerr, separatore);
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
    const std::string cartella = CartellaEseguibile();
    if (cartella.empty()) {
        // Never guess: a catalogue looked up elsewhere could be someone else's.
        const QString testo = QStringLiteral(
            "Impossibile trovare la cartella del programma: il sistema non la indica (/proc/self/exe non è "
            "leggibile, o il percorso supera 4095 caratteri). Avviare il programma da una cartella con un "
            "percorso più corto, su un sistema con /proc montato. Il programma termina.");
        std::cerr << "rigata: " << testo.toStdString() << "\n";
        dialoghi.Avviso(nullptr, QStringLiteral("CARTELLA NON TROVATA!!"), testo);
        return 1;
    }
    Programma programma(cartella, dialoghi);
    programma.Main();
    return QApplication::exec();
}
