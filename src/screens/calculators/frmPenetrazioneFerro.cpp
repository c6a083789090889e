#include "frmPenetrazioneFerro.h"

#include <QLabel>
#include <QLineEdit>

#include "calcolatori.h"
#include "navigazione.h"
#include "widget.h"

frmPenetrazioneFerro::frmPenetrazioneFerro(Navigazione& programma)
    : SchermoCalcolatore(programma, "frmPenetrazioneFerro", QStringLiteral("Penetrazione nel ferro")) {
    txtVelImpatto_ = IngressoNumerico("lblVelImpatto", QStringLiteral("Velocità di impatto del proiettile"),
                                      "txtVelImpatto", QStringLiteral("500"));
    PulsanteCalcola("cmdCalcolaFerro", [this] { cmdCalcolaFerro_Click(); });
    CorniceRisultati("fraFerro");
    txtPenetrazioneFerro_ = Risultato("lblPenetrazioneFerro", QStringLiteral("La penetrazione nel ferro è  di cm "),
                                      "txtPenetrazioneFerro");
    CreaMenu({{"mnuNuovaPalla", "&Nuova Palla", Mossa::NuovaPalla},
              {"mnuOpzioni", "&Opzioni", Mossa::Opzioni},
              {"mnuEsci", "&Esci", Mossa::Esci}});
}

void frmPenetrazioneFerro::cmdCalcolaFerro_Click() {
    const rigata::ShotData& d = prog_.Dati();
    const rigata::RisultatiFerro r =
        rigata::CalcolaFerroDaTesti(Std(txtVelImpatto_->text()), d.DiametroMm, d.PesoGrammi, Separatore());
    txtPenetrazioneFerro_->setText(Qs(r.penetrazioneFerro));
    Avvisa(r.rifiuto);
}
