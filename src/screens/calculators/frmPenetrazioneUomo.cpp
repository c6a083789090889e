#include "frmPenetrazioneUomo.h"

#include <QLabel>
#include <QLineEdit>

#include "calcolatori.h"
#include "navigazione.h"
#include "widget.h"

frmPenetrazioneUomo::frmPenetrazioneUomo(Navigazione& programma)
    : SchermoCalcolatore(programma, "frmPenetrazioneUomo", QStringLiteral("Penetrazione nel corpo umano")) {
    txtVelImpattoUomo_ =
        IngressoNumerico("lblVelImpattoUomo", QStringLiteral("Velocità di impatto del proiettile in m/s"),
                         "txtVelImpattoUomo", QStringLiteral("500"));
    PulsanteCalcola("cmdCalcolaUomo", [this] { cmdCalcolaUomo_Click(); });
    CorniceRisultati("Frame1");
    txtPenetrazioneUomo_ = Risultato(
        "lblPenetrazioneUomo", QStringLiteral("La penetrazione nel muscolo umano e' di cm "), "txtPenetrazioneUomo");
    txtVelocitaLimiteCute_ =
        Risultato("lblVeLimitCute", QStringLiteral("La velocita' limite sulla cute e di m/s"), "txtVelocitaLimiteCute");
    CreaMenu({{"mnuNuovaPalla", "Nuova Palla", Mossa::NuovaPalla},
              {"mnuOpzioni", "Opzioni", Mossa::Opzioni},
              {"MnuEsci", "Esci", Mossa::Esci}});
}

void frmPenetrazioneUomo::cmdCalcolaUomo_Click() {
    const rigata::ShotData& d = prog_.Dati();
    // At or below the skin threshold the depth stays empty and the threshold
    // is still shown, so the warning's figure can be read on the screen too.
    const rigata::RisultatiUomo r =
        rigata::CalcolaUomoDaTesti(Std(txtVelImpattoUomo_->text()), d.DiametroMm, d.PesoGrammi, Separatore());
    txtPenetrazioneUomo_->setText(Qs(r.penetrazioneUomo));
    txtVelocitaLimiteCute_->setText(Qs(r.velocitaLimiteCute));
    Avvisa(r.rifiuto);
}
