#include "frmVarVelCanna.h"

#include <QLabel>
#include <QLineEdit>

#include "calcolatori.h"
#include "navigazione.h"
#include "widget.h"

frmVarVelCanna::frmVarVelCanna(Navigazione& programma)
    : SchermoCalcolatore(programma, "frmVarVelCanna",
                         QStringLiteral("Variazione della velocità  in relazione a lunghezza canna")) {
    QWidget* centro = centralWidget();
    auto* nota = Crea<QLabel>(centro, "Label1",
                              QStringLiteral("In questo calcolo per lunghezza della canna si intende il percorso del "
                                             "proiettile nella canna e quindi la tratta misurata dalla punta del "
                                             "proiettile in camera alla bocca + la lunghezza del proiettile"));
    nota->setWordWrap(true);
    QPalette blu = nota->palette();
    blu.setColor(QPalette::WindowText, Qt::blue);
    nota->setPalette(blu);
    IngressoIntero(nota);

    txtVelCannaNota_ =
        IngressoNumerico("lblVelCannaNota", QStringLiteral("Velocità del proiettile in canna nota in  m/s"),
                         "txtVelCannaNota", QStringLiteral("900"));
    txtPercorsoCannaNota_ =
        IngressoNumerico("lblPercorsoCannaNota", QStringLiteral("Percorso del proiettile in canna nota in mm"),
                         "txtPercorsoCannaNota", QStringLiteral("60"));
    // The powder charge is part of the formula but cancels out of the result;
    // its row is never shown, so it is always the 55 grains it starts with.
    txtPesoPolvere_ = IngressoNumerico("lblPesoPolvere", QStringLiteral("Peso della polvere in grani"),
                                       "txtPesoPolvere", QStringLiteral("55"));
    txtPesoPolvere_->hide();
    findChild<QLabel*>(QStringLiteral("lblPesoPolvere"))->hide();
    txtPercorsoCannaDiversa_ =
        IngressoNumerico("lblPercorsoCannaDiversa", QStringLiteral("Percorso del proiettile nella canna diversa in mm"),
                         "txtPercorsoCannaDiversa", QStringLiteral("65"));
    PulsanteCalcola("cmdCalcolaOsso", [this] { cmdCalcolaOsso_Click(); });
    CorniceRisultati("fraFerro");
    txtVelocitaNuovaCanna_ = Risultato("lblVelocitaNuovaCanna", QStringLiteral("Velocità nella nuova canna in m/s"),
                                       "txtVelocitaNuovaCanna");

    CreaMenu({{"mnuNuovaPalla", "NuovaPalla", Mossa::NuovaPalla},
              {"mnuOpzioni", "Opzioni", Mossa::Opzioni},
              {"mnuEsci", "Esci", Mossa::Esci}});
}

void frmVarVelCanna::cmdCalcolaOsso_Click() {
    const rigata::ShotData& d = prog_.Dati();
    const rigata::TestiVarVelCanna testi{Std(txtVelCannaNota_->text()), Std(txtPercorsoCannaNota_->text()),
                                         Std(txtPesoPolvere_->text()), Std(txtPercorsoCannaDiversa_->text())};
    const rigata::RisultatiVarVelCanna r =
        rigata::CalcolaVarVelCannaDaTesti(testi, d.DiametroMm, d.PesoGrammi, Separatore());
    txtVelocitaNuovaCanna_->setText(Qs(r.velocitaNuovaCanna));
    Avvisa(r.rifiuto);
}
