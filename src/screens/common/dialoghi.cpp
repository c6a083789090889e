#include "dialoghi.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

void DialoghiQt::Avviso(QWidget* padre, const QString& titolo, const QString& testo) {
    QMessageBox::warning(padre, titolo, testo, QMessageBox::Ok);
}

bool DialoghiQt::Domanda(QWidget* padre, const QString& titolo, const QString& testo) {
    return QMessageBox::question(padre, titolo, testo, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

QString DialoghiQt::ApriFile(QWidget* padre, const QString& filtri, const QString& proposta) {
    return QFileDialog::getOpenFileName(padre, QString(), proposta, FiltroQt(filtri));
}

QString DialoghiQt::SalvaFile(QWidget* padre, const QString& filtri, const QString& proposta) {
    // The name chosen is used as it stands: no extension is added.
    return QFileDialog::getSaveFileName(padre, QString(), proposta, FiltroQt(filtri));
}

bool DialoghiQt::ScegliStampante(QWidget* padre, QPrinter& stampante) {
    QPrintDialog dialogo(&stampante, padre);
    return dialogo.exec() == QDialog::Accepted;
}

std::optional<int> DialoghiQt::Intero(QWidget* padre, const QString& titolo, const QString& testo, int valore,
                                      int minimo, int massimo) {
    bool ok = false;
    const int n = QInputDialog::getInt(padre, titolo, testo, valore, minimo, massimo, 1, &ok);
    if (!ok) return std::nullopt;
    return n;
}

QString FiltroQt(const QString& filtri) {
    const QStringList parti = filtri.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList voci;
    for (int i = 0; i + 1 < parti.size(); i += 2) {
        QString modello = parti[i + 1];
        if (modello == QLatin1String("*.*")) modello = QStringLiteral("*");
        voci << parti[i] + QStringLiteral(" (") + modello + QLatin1Char(')');
    }
    return voci.join(QStringLiteral(";;"));
}
