#include "frmOpzioni.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "programma.h"
#include "widget.h"

namespace {
void TitoloVerdeScuro(QGroupBox* cornice) {
    cornice->setStyleSheet(QStringLiteral("QGroupBox::title { color: #006400; }"));
}
}  // namespace

frmOpzioni::frmOpzioni(Programma& programma) : Schermo(programma, true) {
    setObjectName(QStringLiteral("frmOpzioni"));
    setWindowTitle(QStringLiteral("Opzioni"));

    auto* centro = new QWidget(this);
    auto* layout = new QVBoxLayout(centro);
    auto* sopra = new QHBoxLayout;
    layout->addLayout(sopra);

    auto* dati = Crea<QGroupBox>(centro, "fraRipetiDati", QStringLiteral("Dati inseriti ..."));
    TitoloVerdeScuro(dati);
    auto* griglia = new QGridLayout(dati);
    const char* nomiTitoli[] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label7"};
    const char* nomiValori[] = {"lblDiametro", "lblPeso", "lblAltitudine", "lblTemperatura", "lblVelocitaBocca",
                                "lblCoeffBalistico"};
    const QString titoli[] = {QStringLiteral("Diam. (inch)"),      QStringLiteral("Peso (grain)"),
                              QStringLiteral("Altit. (m.s.l.m.)"), QStringLiteral("Temp. (°C)"),
                              QStringLiteral("Vel.0 (m/sec)"),     QStringLiteral("Coeff. bal.")};
    for (int i = 0; i < 6; ++i) {
        griglia->addWidget(Crea<QLabel>(dati, nomiTitoli[i], titoli[i]), i, 0);
        valori_[i] = Crea<QLabel>(dati, nomiValori[i]);
        QFont f = valori_[i]->font();
        f.setBold(true);
        valori_[i]->setFont(f);
        valori_[i]->setMinimumWidth(70);
        griglia->addWidget(valori_[i], i, 1);
    }
    sopra->addWidget(dati);

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
    sopra->addWidget(opzioni, 1);

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
    layout->addWidget(piede);
    connect(indietro, &QPushButton::clicked, this, [this] { cmdIndietro_Click(); });
    connect(traiettorie, &QPushButton::clicked, this, [this] { cmdCalcoloTraiettorie_Click(); });

    MenuFile(QStringLiteral("&File"), {{"mnuNuovaPalla", QStringLiteral("&Nuova Palla"), [this] { mnuNuovaPalla_Click(); }},
                                      {"mnuEsci", QStringLiteral("&Esci"), [this] { mnuEsci_Click(); }}});

    setCentralWidget(centro);
    PulsantiConInvio(this);
    // The usual road goes on to the table: Enter at once, or Tab to the list.
    traiettorie->setFocus();
    Form_Load();
}

void frmOpzioni::Form_Load() {
    const QStringList testi = TestiDatiInForza(prog_.Dati(), prog_.Separatore());
    for (int i = 0; i < 6; ++i) valori_[i]->setText(testi[i]);
}

void frmOpzioni::cmdCalcoloTraiettorie_Click() { prog_.MostraTraiettorie(); }

void frmOpzioni::cmdIndietro_Click() { prog_.VaiAdAvvio(this); }

void frmOpzioni::mnuNuovaPalla_Click() { prog_.VaiAdAvvio(this); }

void frmOpzioni::mnuEsci_Click() { prog_.Esci(); }
