#include "pannellodatiinforza.h"

#include <QGridLayout>
#include <QLabel>

#include "widget.h"

PannelloDatiInForza::PannelloDatiInForza(QWidget* padre, const char* nome, const Voce (&voci)[6], int larghezzaValori)
    : QGroupBox(QStringLiteral("Dati inseriti ..."), padre), griglia_(new QGridLayout(this)) {
    setObjectName(QString::fromLatin1(nome));
    for (int i = 0; i < 6; ++i) {
        griglia_->addWidget(Crea<QLabel>(this, voci[i].nomeTitolo, voci[i].titolo), i, 0);
        valori_[i] = Crea<QLabel>(this, voci[i].nomeValore);
        QFont f = valori_[i]->font();
        f.setBold(true);
        valori_[i]->setFont(f);
        valori_[i]->setMinimumWidth(larghezzaValori);
        griglia_->addWidget(valori_[i], i, 1);
    }
}

void PannelloDatiInForza::Mostra(const rigata::ShotData& dati, const QString& separatore) {
    const QStringList testi = TestiDatiInForza(dati, separatore);
    for (int i = 0; i < 6; ++i) valori_[i]->setText(testi[i]);
}
