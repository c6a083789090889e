#include "frmOpzioni.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "navigazione.h"
#include "pannellodatiinforza.h"
#include "widget.h"

namespace {
void TitoloVerdeScuro(QGroupBox* cornice) {
    cornice->setStyleSheet(QStringLiteral("QGroupBox::title { color: #006400; }"));
}
}  // namespace

frmOpzioni::frmOpzioni(Navigazione& programma) : Schermo(programma, true) {
    setObjectName(QStringLiteral("frmOpzioni"));
    setWindowTitle(QStringLiteral("Opzioni"));
    auto* centro = new QWidget(this);
    auto* layout = new QVBoxLayout(centro);
    auto* sopra = new QHBoxLayout;
    layout->addLayout(sopra);
    sopra->addWidget(CreaDatiInForza(centro));
    sopra->addWidget(CreaOpzioni(centro), 1);
    layout->addWidget(CreaPulsanti(centro));
    MenuFile(QStringLiteral("&File"), {{"mnuNuovaPalla", QStringLiteral("&Nuova Palla"), [this] { mnuNuovaPalla_Click(); }},
                                      {"mnuEsci", QStringLiteral("&Esci"), [this] { mnuEsci_Click(); }, QKeySequence::Quit}});
    setCentralWidget(centro);
    PulsantiConInvio(this);
    Form_Load();
}

QWidget* frmOpzioni::CreaDatiInForza(QWidget* centro) {
    const PannelloDatiInForza::Voce voci[6] = {{"Label1", QStringLiteral("Diam. (inch)"), "lblDiametro"},
                                               {"Label2", QStringLiteral("Peso (grain)"), "lblPeso"},
                                               {"Label3", QStringLiteral("Altit. (m.s.l.m.)"), "lblAltitudine"},
                                               {"Label4", QStringLiteral("Temp. (°C)"), "lblTemperatura"},
                                               {"Label5", QStringLiteral("Vel.0 (m/sec)"), "lblVelocitaBocca"},
                                               {"Label7", QStringLiteral("Coeff. bal."), "lblCoeffBalistico"}};
    datiInForza_ = new PannelloDatiInForza(centro, "fraRipetiDati", voci, 70);
    TitoloVerdeScuro(datiInForza_);
    return datiInForza_;
}

// The five calculators, each opened by a double click.
QWidget* frmOpzioni::CreaOpzioni(QWidget* centro) {
    auto* opzioni = Crea<QGroupBox>(centro, "fraOpzioni",
                                    QStringLiteral("Opzioni disponibili ... doppio click per proseguire"));
    TitoloVerdeScuro(opzioni);
    auto* lista = new QVBoxLayout(opzioni);
    struct Voce {
        const char* nome;
        QString testo;
        TipoCalcolatore tipo;
    };
    const Voce voci[] = {
        {"optLegno", QStringLiteral("Calcolo della penetrazione nel legno e relativa cavita'"), TipoCalcolatore::Legno},
        {"optFerro", QStringLiteral("Calcolo della penetrazione nel ferro"), TipoCalcolatore::Ferro},
        {"optOsso", QStringLiteral("Calcolo della penetrazione nell'osso"), TipoCalcolatore::Osso},
        {"optUomo", QStringLiteral("Calcolo della penetrazione nel corpo umano"), TipoCalcolatore::Uomo},
        {"optVarVelCanna", QStringLiteral("Variazione della velocita' in relazione alla lunghezza della canna"),
         TipoCalcolatore::Canna}};
    for (const Voce& v : voci) {
        auto* opzione = Crea<OpzioneDoppioClick>(opzioni, v.nome, v.testo);
        opzione->setToolTip(QStringLiteral("doppio click per proseguire"));
        const TipoCalcolatore tipo = v.tipo;
        connect(opzione, &OpzioneDoppioClick::doubleClicked, this, [this, tipo] { prog_.ApriCalcolatore(tipo); });
        lista->addWidget(opzione);
    }
    return opzioni;
}

QWidget* frmOpzioni::CreaPulsanti(QWidget* centro) {
    auto* piede = Crea<QGroupBox>(centro, "fraPieMasch");
    auto* pulsanti = new QHBoxLayout(piede);
    auto* indietro = Crea<QPushButton>(piede, "cmdIndietro", QStringLiteral("<  &Indietro"));
    auto* traiettorie = Crea<QPushButton>(piede, "cmdCalcoloTraiettorie", QStringLiteral("Calcolo &Traiettorie"));
    QFont grassetto = traiettorie->font();
    grassetto.setBold(true);
    traiettorie->setFont(grassetto);
    traiettorie->setMinimumWidth(220);
    pulsanti->addWidget(indietro);
    pulsanti->addStretch();
    pulsanti->addWidget(traiettorie);
    connect(indietro, &QPushButton::clicked, this, [this] { cmdIndietro_Click(); });
    connect(traiettorie, &QPushButton::clicked, this, [this] { cmdCalcoloTraiettorie_Click(); });
    // The usual road goes on to the table: Enter at once, or Tab to the list.
    traiettorie->setFocus();
    return piede;
}

void frmOpzioni::Form_Load() {
    datiInForza_->Mostra(prog_.Dati(), prog_.Separatore());
}

void frmOpzioni::cmdCalcoloTraiettorie_Click() { prog_.MostraTraiettorie(); }

void frmOpzioni::cmdIndietro_Click() { prog_.VaiAdAvvio(this); }

void frmOpzioni::mnuNuovaPalla_Click() { prog_.VaiAdAvvio(this); }

void frmOpzioni::mnuEsci_Click() { prog_.Esci(); }
