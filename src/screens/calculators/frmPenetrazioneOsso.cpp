#include "frmPenetrazioneOsso.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "calcolatori.h"
#include "navigazione.h"
#include "widget.h"

frmPenetrazioneOsso::frmPenetrazioneOsso(Navigazione& programma)
    : SchermoCalcolatore(programma, "frmPenetrazioneOsso", QStringLiteral("Penetrazione nell' osso")) {
    QWidget* centro = centralWidget();
    cBoCoeffPallaOsso_ = Crea<QComboBox>(centro, "cBoCoeffPallaOsso");
    cBoCoeffPallaOsso_->setEditable(true);
    // What is typed is only read, never added to the list.
    cBoCoeffPallaOsso_->setInsertPolicy(QComboBox::NoInsert);
    cBoCoeffPallaOsso_->setEditText(QStringLiteral("0.44"));
    CampoNumerico(cBoCoeffPallaOsso_);
    cBoCoeffPallaOsso_->setFixedWidth(kLarghezzaCasella);
    Ingresso(Crea<QLabel>(centro, "lblCoeffPallaOsso", QStringLiteral("Coefficiente da utilizzare")),
             cBoCoeffPallaOsso_);

    auto* guida = Crea<QGroupBox>(centro, "fraCoeffPallaOsso", QStringLiteral("Usare i seguenti coefficienti ..."));
    guida->setStyleSheet(QStringLiteral("QGroupBox::title { color: blue; }"));
    auto* testoGuida = Crea<QLabel>(guida, "Label1",
                                    QStringLiteral("0,44 per proiettili da pistola camiciati      0,30 per proiettiili "
                                                   "in piombo arrotondati  0,15 per proiettili Wad-cutter"));
    // As wide as the longest of the three lines, so that each coefficient
    // starts a line of its own.
    testoGuida->setWordWrap(true);
    testoGuida->setFixedWidth(
        testoGuida->fontMetrics().horizontalAdvance(QStringLiteral("0,30 per proiettiili in piombo arrotondati")) + 4);
    (new QVBoxLayout(guida))->addWidget(testoGuida);
    IngressoIntero(guida);

    txtVelImpatto_ = IngressoNumerico("lblVelImpatto", QStringLiteral("Velocità di impatto del proiettile"),
                                      "txtVelImpatto", QStringLiteral("200"));
    PulsanteCalcola("cmdCalcolaOsso", [this] { cmdCalcolaOsso_Click(); });
    CorniceRisultati("fraFerro");
    txtPenetrazioneOsso_ =
        Risultato("lblPenetrazioneOsso", QStringLiteral("La penetrazione nell'osso è  di cm "), "txtPenetrazioneOsso");

    CreaMenu({{"mnuOpzioni", "&Opzioni", Mossa::Opzioni},
              {"mnuNuovaPalla", "&Nuova palla", Mossa::NuovaPalla},
              {"mnuEsci", "&Esci", Mossa::Esci}});
    Form_Load();
}

void frmPenetrazioneOsso::Form_Load() {
    cBoCoeffPallaOsso_->addItems({QStringLiteral("0.44"), QStringLiteral("0.30"), QStringLiteral("0.15")});
    cBoCoeffPallaOsso_->setEditText(QStringLiteral("0.44"));
}

void frmPenetrazioneOsso::cmdCalcolaOsso_Click() {
    const rigata::ShotData& d = prog_.Dati();
    // The coefficient is the box's text: an item picked from the list or anything typed.
    const rigata::RisultatiOsso r = rigata::CalcolaOssoDaTesti(
        Std(txtVelImpatto_->text()), Std(cBoCoeffPallaOsso_->currentText()), d.DiametroMm, d.PesoGrammi, Separatore());
    txtPenetrazioneOsso_->setText(Qs(r.penetrazioneOsso));
    Avvisa(r.rifiuto);
}
