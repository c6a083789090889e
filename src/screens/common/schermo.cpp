#include "schermo.h"

#include <QCloseEvent>

#include "programma.h"

Schermo::Schermo(Programma& programma, bool senzaChiusura)
    : QMainWindow(nullptr), prog_(programma), senzaChiusura_(senzaChiusura) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    if (senzaChiusura_) {
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowSystemMenuHint);
        setWindowFlag(Qt::WindowCloseButtonHint, false);
    }
}

void Schermo::closeEvent(QCloseEvent* evento) {
    // Screens are closed by the program, never by the window system: the close
    // command (title bar, Alt+F4) is refused or turned into the screen's action.
    evento->ignore();
    if (prog_.InChiusura()) return;
    if (!senzaChiusura_) ChiusuraDallaFinestra();
}
