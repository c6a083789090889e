#include "schermo.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

#include "navigazione.h"
#include "widget.h"

Schermo::Schermo(Navigazione& programma, bool senzaChiusura)
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

namespace {
// The platform's keys for a standard action. Where it has none for leaving a
// program (Windows, where Alt+F4 closes a window), Ctrl+Q: each Esci ends the
// whole program, so it gets the one key the other systems use.
QList<QKeySequence> Scorciatoie(QKeySequence::StandardKey azione) {
    QList<QKeySequence> tasti = QKeySequence::keyBindings(azione);
    if (tasti.isEmpty() && azione == QKeySequence::Quit) tasti << QKeySequence(Qt::CTRL | Qt::Key_Q);
    return tasti;
}
}  // namespace

QMenu* Schermo::MenuFile(const QString& titolo, const std::vector<VoceMenu>& voci) {
    QMenu* menu = menuBar()->addMenu(titolo);
    menu->setObjectName(QStringLiteral("mnuFile"));
    for (const VoceMenu& v : voci) {
        QAction* azione = menu->addAction(v.testo);
        azione->setObjectName(QString::fromLatin1(v.nome));
        if (v.scorciatoia != QKeySequence::UnknownKey) azione->setShortcuts(Scorciatoie(v.scorciatoia));
        connect(azione, &QAction::triggered, this, v.azione);
    }
    return menu;
}

void Schermo::AvviaOrologio(QLabel* ora, QLabel* data) {
    ora->setText(TestoOra());
    data->setText(TestoData());
    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, ora, [ora] {
        const QString adesso = TestoOra();
        if (ora->text() != adesso) ora->setText(adesso);
    });
    timer->start();
}
