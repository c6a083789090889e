#include "riquadrocalcolocb.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "controlli.h"
#include "dialoghi.h"
#include "modello.h"
#include "navigazione.h"
#include "numeri.h"
#include "widget.h"

using namespace rigata;

namespace {
const QString kIstruzioniCB = QStringLiteral(
    "Se non si conosce uno specifico coefficiente balistico, cancellare il coefficiente balistico Std  "
    "impostato, confermare gli altri dati im- postati premendo \"Avanti\", nella nuova cornice inserire la "
    "velocità di partenza e quella residua nel tratto considerato e confermare.");
}  // namespace

RiquadroCalcoloCB::RiquadroCalcoloCB(Navigazione& programma, QWidget* padre) : QWidget(padre), prog_(programma) {
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    CreaIstruzioni();
    CreaCalcolo();
    colonna->addWidget(fraIstruzioniCB_);
    colonna->addWidget(fraCalcolaCB_);
    MostraCalcolo(false);
}

void RiquadroCalcoloCB::CreaIstruzioni() {
    fraIstruzioniCB_ = Crea<QGroupBox>(this, "fraIstruzioniCB", QStringLiteral("Calcolo coefficiente balistico..."));
    auto* istruzioni = Crea<QLabel>(fraIstruzioniCB_, "lblIstruzioiCB", kIstruzioniCB);
    istruzioni->setWordWrap(true);
    (new QVBoxLayout(fraIstruzioniCB_))->addWidget(istruzioni);
    fraIstruzioniCB_->setMaximumWidth(260);
}

void RiquadroCalcoloCB::CreaCalcolo() {
    fraCalcolaCB_ = Crea<QGroupBox>(this, "fraCalcolaCB", QStringLiteral("Input velocità nel tratto considerato..."));
    auto* grigliaCB = new QGridLayout(fraCalcolaCB_);
    grigliaCB->addWidget(Crea<QLabel>(fraCalcolaCB_, "Label3", QStringLiteral("Velocità iniziale (m/s)")), 0, 0);
    grigliaCB->addWidget(Crea<QLabel>(fraCalcolaCB_, "Label4", QStringLiteral("Velocità residua (m/s)")), 1, 0);
    grigliaCB->addWidget(Crea<QLabel>(fraCalcolaCB_, "Label5", QStringLiteral("Tratto considerato (m)")), 2, 0);
    txtVelIniz_ = Crea<QLineEdit>(fraCalcolaCB_, "txtVelIniz", QStringLiteral("965"));
    txtVelFin_ = Crea<QLineEdit>(fraCalcolaCB_, "txtVelFin", QStringLiteral("881.3"));
    txtTratto_ = Crea<QLineEdit>(fraCalcolaCB_, "txtTratto", QStringLiteral("100"));
    int riga = 0;
    for (QLineEdit* campo : {txtVelIniz_, txtVelFin_, txtTratto_}) {
        CampoNumerico(campo);
        campo->setMaximumWidth(80);
        grigliaCB->addWidget(campo, riga++, 1);
    }
    auto* conferma = Crea<QPushButton>(fraCalcolaCB_, "cmdConfCBVel", QStringLiteral("&Conferma"));
    conferma->setToolTip(QStringLiteral("conferma calcolo coeff. balistico"));
    grigliaCB->addWidget(conferma, 3, 1);
    connect(conferma, &QPushButton::clicked, this, [this] { cmdConfCBVel_Click(); });
    InvioPreme(conferma, {txtVelIniz_, txtVelFin_, txtTratto_});
    fraCalcolaCB_->setMaximumWidth(260);
}

void RiquadroCalcoloCB::MostraCalcolo(bool calcolo) {
    fraIstruzioniCB_->setVisible(!calcolo);
    fraCalcolaCB_->setVisible(calcolo);
}

void RiquadroCalcoloCB::cmdConfCBVel_Click() {
    ShotData& d = prog_.Dati();
    if (const auto r = CalcolaCoeffDaVelocita(Std(txtVelIniz_->text()), Std(txtVelFin_->text()),
                                              Std(txtTratto_->text()), d))
        return prog_.Dlg().Avviso(window(), Qs(r->titolo), Qs(r->messaggio));
    MostraCalcolo(false);
    emit coefficienteCalcolato(Qs(TestoCoeffBalistico(d.CoeffBalistico)));
}
