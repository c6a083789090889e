#include "frmPenetrazioneLegno.h"

#include <QLabel>
#include <QLineEdit>

#include "calcolatori.h"
#include "navigazione.h"
#include "widget.h"

frmPenetrazioneLegno::frmPenetrazioneLegno(Navigazione& programma)
    : SchermoCalcolatore(programma, "frmPenetrazioneLegno", QStringLiteral("Penetrazione nel legno di abete")) {
    txtVelImpatto_ = IngressoNumerico("lblVelImpattoLegno", QStringLiteral("Velocità di impatto del proiettile"),
                                      "txtVelImpatto", QStringLiteral("500"));
    PulsanteCalcola("cmdCalcolaLegno", [this] { cmdCalcolaLegno_Click(); });
    CorniceRisultati("Frame1");
    txtPenetrazioneLegno_ = Risultato("lblPenetrazioneLegno", QStringLiteral("La penetrazione nel legno e' di cm "),
                                      "txtPenetrazioneLegno");
    txtVolumeLegno_ =
        Risultato("lblVolumeLegno", QStringLiteral("Il volume della cavita' nel legno e di cmc "), "txtVolumeLegno");
    CreaMenu({{"MnuOpzioni", "Opzioni", Mossa::Opzioni},
              {"mnuNuovaPalla", "Nuova palla", Mossa::NuovaPalla},
              {"mnuEsci", "Esci", Mossa::Esci}});
}

void frmPenetrazioneLegno::cmdCalcolaLegno_Click() {
    const rigata::ShotData& d = prog_.Dati();
    const rigata::RisultatiLegno r =
        rigata::CalcolaLegnoDaTesti(Std(txtVelImpatto_->text()), d.DiametroMm, d.PesoGrammi, Separatore());
    txtPenetrazioneLegno_->setText(Qs(r.penetrazioneLegno));
    txtVolumeLegno_->setText(Qs(r.volumeLegno));
    Avvisa(r.rifiuto);
}
