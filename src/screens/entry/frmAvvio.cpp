#include "frmAvvio.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogo.h"
#include "controlli.h"
#include "dialoghi.h"
#include "elenco.h"
#include "modello.h"
#include "navigazione.h"
#include "numeri.h"
#include "campi.h"
#include "documento.h"
#include "pannellocatalogo.h"
#include "riquadrocalcolocb.h"
#include "versione.h"
#include "widget.h"

using namespace rigata;

namespace {

const QString kDescrizione = QStringLiteral(
    "Programma per la determinazione dei parametri fondamen- tali di una traiettoria per fucile da caccia a "
    "canna rigata con possibilità di ottenere e stampare delle tabelle da poter utiliz- zare sul campo.");

QString Riferimenti() {
    return QStringLiteral(
               "Rigata %1 (%2). Traiettoria in forma chiusa con la funzione di resistenza di Siacci e il "
               "fattore di forma dal coefficiente balistico. Palle: coefficienti G1 dei produttori, "
               "\"Open Source Projectile Dataset\" (2018, licenza MIT), più alcune aggiunte a mano.")
        .arg(QString::fromLatin1(kVersione), QString::fromLatin1(kDataVersione));
}

}  // namespace

frmAvvio::frmAvvio(Navigazione& programma) : Schermo(programma, true) {
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral("Inserimento dati"));

    auto* centro = new QWidget(this);
    auto* principale = new QVBoxLayout(centro);
    principale->addLayout(CreaOrologio(centro));
    auto* sopra = new QHBoxLayout;
    principale->addLayout(sopra);
    sopra->addWidget(CreaCampi(centro));
    sopra->addLayout(CreaDescrizione(centro), 1);
    calcoloCB_ = new RiquadroCalcoloCB(prog_, centro);
    sopra->addWidget(calcoloCB_);
    catalogo_ = new PannelloCatalogo(prog_, centro);
    principale->addWidget(catalogo_);
    principale->addStretch(1);
    principale->addLayout(CreaPulsanti(centro));
    CreaMenu();
    CollegaCampi();
    PulsantiConInvio(this);

    setCentralWidget(centro);
    resize(1000, 470);
    Form_Load();
}

QLayout* frmAvvio::CreaOrologio(QWidget* centro) {
    auto* orologio = new QHBoxLayout;
    orologio->addStretch();
    lblData_ = Crea<QLabel>(centro, "lblData");
    lblTime_ = Crea<QLabel>(centro, "lblTime");
    orologio->addWidget(lblData_);
    orologio->addSpacing(12);
    orologio->addWidget(lblTime_);
    return orologio;
}

// The six entry fields, with the three spinners of the muzzle velocity.
QGroupBox* frmAvvio::CreaCampi(QWidget* centro) {
    auto* ingresso = Crea<QGroupBox>(centro, "fraInputDatiVari");
    auto* griglia = new QGridLayout(ingresso);
    struct Campo {
        const char *etichetta, *campo;
        QString testo, suggerimento;
    };
    const Campo campi[] = {
        {"lblDiametro", "txtDiametro", QStringLiteral("diametro della palla (inch)"),
         QStringLiteral("Input diametro o scelto dalla lista")},
        {"lblPeso", "txtPeso", QStringLiteral("peso della palla ... (grain)"),
         QStringLiteral("Input peso o scelto dalla lista")},
        {"lblAltitudine", "txtAltitudine", QStringLiteral("altitudine s.l.m. ......... (m)"),
         QStringLiteral("Input altitudine")},
        {"lblTemperatura", "txtTemperatura", QStringLiteral("temperatura  ........... (°C)"),
         QStringLiteral("Input temperatura ")},
        {"lblVelocitaIniziale", "txtVelocitabocca", QStringLiteral("Velocità bocca(m/s)"),
         QStringLiteral("Input Velocità alla bocca fra %1 e %2 m/s").arg(kVelocitaBoccaMinima).arg(kVelocitaBoccaMassima)},
        {"lblCoeffBalistico", "txtCoeffbalistico", QStringLiteral("coefficiente balistico Std"),
         QStringLiteral("Coefficiente balistico utilizzato nei calcoli")}};
    QLineEdit* campiIngresso[kCampiIngresso];
    for (int i = 0; i < kCampiIngresso; ++i) {
        griglia->addWidget(Crea<QLabel>(ingresso, campi[i].etichetta, campi[i].testo), i, 0);
        campiIngresso[i] = Crea<QLineEdit>(ingresso, campi[i].campo);
        campiIngresso[i]->setToolTip(campi[i].suggerimento);
        campiIngresso[i]->setMaximumWidth(90);
        CampoNumerico(campiIngresso[i]);
        UnaRiga(campiIngresso[i]);
        griglia->addWidget(campiIngresso[i], i, 1);
    }
    std::copy(std::begin(campiIngresso), std::end(campiIngresso), ingresso_);
    txtAltitudine_ = campiIngresso[Indice(rigata::Campo::Altitudine)];
    txtTemperatura_ = campiIngresso[Indice(rigata::Campo::Temperatura)];
    txtVelocitabocca_ = campiIngresso[Indice(rigata::Campo::VelocitaBocca)];
    txtCoeffbalistico_ = campiIngresso[Indice(rigata::Campo::CoeffBalistico)];
    griglia->addLayout(CreaFrecce(ingresso), Indice(rigata::Campo::VelocitaBocca), 2);
    FrecceDaTastiera(txtVelocitabocca_, [this](int passo) { PassoVelocita(passo); });
    return ingresso;
}

// The three spinners of the muzzle velocity: hundreds, tens, units.
QLayout* frmAvvio::CreaFrecce(QWidget* ingresso) {
    auto* frecce = new QHBoxLayout;
    struct Spinner {
        const char* nome;
        QString suggerimento;
        int passo;
    };
    for (const Spinner& s : {Spinner{"udVInizCentinaia", QStringLiteral("incrementa/decrementa centinaia"), 100},
                             Spinner{"udVInizDecine", QStringLiteral("incrementa/decrementa decine"), 10},
                             Spinner{"udVInizUnita", QStringLiteral("incrementa/decrementa unità"), 1}}) {
        auto* ud = Crea<FrecceSuGiu>(ingresso, s.nome);
        ud->setToolTip(s.suggerimento);
        const int passo = s.passo;
        connect(ud, &FrecceSuGiu::passo, this, [this, passo](int direzione) { PassoVelocita(passo * direzione); });
        frecce->addWidget(ud);
    }
    return frecce;
}

// Description and credits.
QLayout* frmAvvio::CreaDescrizione(QWidget* centro) {
    auto* testi = new QVBoxLayout;
    auto* descrizione = Crea<QGroupBox>(centro, "fraDescrizione", QStringLiteral("Descrizione"));
    auto* label2 = Crea<QLabel>(descrizione, "Label2", kDescrizione);
    label2->setWordWrap(true);
    (new QVBoxLayout(descrizione))->addWidget(label2);
    testi->addWidget(descrizione);
    auto* riferimenti = Crea<QGroupBox>(centro, "Frame1", QStringLiteral("Riferimenti..."));
    auto* label1 = Crea<QLabel>(riferimenti, "Label1", Riferimenti());
    label1->setWordWrap(true);
    (new QVBoxLayout(riferimenti))->addWidget(label1);
    testi->addWidget(riferimenti);
    descrizione->setMinimumWidth(330);
    riferimenti->setMinimumWidth(330);
    return testi;
}

QLayout* frmAvvio::CreaPulsanti(QWidget* centro) {
    auto* pulsanti = new QHBoxLayout;
    auto* esci = Crea<QPushButton>(centro, "cmdEsci", QStringLiteral("<  &Uscita"));
    auto* avanti = Crea<QPushButton>(centro, "cmdConferma", QStringLiteral("&Avanti  >"));
    avanti->setToolTip(QStringLiteral("Conferma i dati o apre input per calcolo Coeff. Bal."));
    avanti->setDefault(true);
    pulsanti->addWidget(esci);
    pulsanti->addStretch();
    pulsanti->addWidget(avanti);
    connect(esci, &QPushButton::clicked, this, [this] { mnuFileEsci_Click(); });
    connect(avanti, &QPushButton::clicked, this, [this] { cmdConferma_Click(); });
    for (QLineEdit* casella : ingresso_) InvioPreme(avanti, {casella});
    return pulsanti;
}

// The File menu: the data files of the document, and the way out.
void frmAvvio::CreaMenu() {
    Documento& doc = prog_.Doc();
    MenuFile(QStringLiteral("&File"),
             {{"mnuApri", QStringLiteral("&Apri"), [this, &doc] { doc.Apri(this); }, QKeySequence::Open},
              {"mnuSalvaConNome", QStringLiteral("Salva con &nome"), [this, &doc] { doc.SalvaConNome(this); },
               QKeySequence::Save},
              {"mnuFileEsci", QStringLiteral("&Esci"), [this] { mnuFileEsci_Click(); }, QKeySequence::Quit}});
}

// Change rules: every entry field goes into the document; the coefficient
// field also chooses between the instructions and the two-velocity input. A
// data file opened shows its texts.
void frmAvvio::CollegaCampi() {
    for (int i = 0; i < kCampiIngresso; ++i) {
        const Campo campo = kCampi[static_cast<size_t>(i)].campo;
        connect(ingresso_[i], &QLineEdit::textChanged, this,
                [this, campo](const QString& testo) { prog_.Doc().ImpostaTesto(campo, testo); });
    }
    connect(txtCoeffbalistico_, &QLineEdit::textChanged, this,
            [this](const QString& testo) { calcoloCB_->MostraCalcolo(testo == QLatin1String(" ")); });
    // A bullet typed by hand has no velocity pairs in the catalogue, and a
    // coefficient typed belongs to the model in force.
    for (Campo c : {Campo::Diametro, Campo::Peso, Campo::CoeffBalistico})
        connect(ingresso_[IndiceNelGruppo(c)], &QLineEdit::textEdited, this,
                [this, c] { prog_.Doc().PallaDigitata(c == Campo::CoeffBalistico); });
    connect(&prog_.Doc(), &Documento::campiCaricati, this, [this] { MostraDocumento(); });
    connect(catalogo_, &PannelloCatalogo::pallaScelta, this, [this](const PallaScelta& p) { MostraPalla(p); });
    connect(catalogo_, &PannelloCatalogo::coefficienteScelto, txtCoeffbalistico_, &QLineEdit::setText);
    connect(calcoloCB_, &RiquadroCalcoloCB::coefficienteCalcolato, this,
            [this](const QString& cb) { CoefficienteCalcolato(cb); });
}

void frmAvvio::MostraDocumento() {
    for (int i = 0; i < kCampiIngresso; ++i) ingresso_[i]->setText(prog_.Doc().Testo(kCampi[static_cast<size_t>(i)].campo));
}

void frmAvvio::Form_Load() { AvviaOrologio(lblTime_, lblData_); }

void frmAvvio::CaricaEdElenca() { catalogo_->CaricaEdElenca(); }

// A bullet picked: its diameter, weight and coefficient, in the place of the
// defaults (450 m, 15 °C, 965 m/s).
void frmAvvio::MostraPalla(const PallaScelta& palla) {
    txtCoeffbalistico_->setText(QString());
    txtAltitudine_->setText(QStringLiteral("450"));
    txtTemperatura_->setText(QStringLiteral("15"));
    txtVelocitabocca_->setText(QStringLiteral("965"));
    ingresso_[IndiceNelGruppo(Campo::Diametro)]->setText(Qs(palla.diametro));
    ingresso_[IndiceNelGruppo(Campo::Peso)]->setText(Qs(palla.peso));
    txtCoeffbalistico_->setText(Qs(palla.cbStd));
    // Its velocity pairs in m/s (the list's feet/s converted as the metric list shows them).
    const bool metrico = prog_.Doc().UnitaMisura() == Documento::Unita::Metrico;
    std::vector<CoppiaVelocita> coppie;
    for (size_t i = 0; i < 4; ++i) {
        const std::string& v = palla.velocita[i];
        const double velocita = LeggiNumero(metrico ? v : ConvertiVelocita(v)), coeff = LeggiNumero(palla.cb[i]);
        if (velocita > 0 && coeff > 0) coppie.emplace_back(velocita, coeff);
    }
    prog_.Doc().ImpostaPallaScelta(std::move(coppie));
}

// ---- confirmation ----

void frmAvvio::cmdConferma_Click() {
    ShotData& d = prog_.Dati();
    const auto testo = [this](Campo c) { return Std(ingresso_[IndiceNelGruppo(c)]->text()); };
    const rigata::TestiIngresso testi{testo(Campo::Diametro),    testo(Campo::Peso),
                                      testo(Campo::Altitudine),  testo(Campo::Temperatura),
                                      testo(Campo::VelocitaBocca), testo(Campo::CoeffBalistico)};
    if (const auto r = ControllaIngresso(testi, d)) {
        // No coefficient: it is computed from two measured velocities.
        if (*r == RifiutoCoeffZero()) return calcoloCB_->MostraCalcolo(true);
        return prog_.Dlg().Avviso(this, Qs(r->titolo), Qs(r->messaggio));
    }
    CalcolaAtmosfera(d);
    CalcolaResistenza(d);
    prog_.VaiAOpzioni(this);
}

// ---- coefficient from two measured velocities ----

void frmAvvio::CoefficienteCalcolato(const QString& coefficiente) {
    txtCoeffbalistico_->setText(coefficiente);
    prog_.Doc().CoefficienteCalcolato();
    // On to the options: the next key is Enter (the bullet list keeps its pick).
    findChild<QPushButton*>(QStringLiteral("cmdConferma"))->setFocus();
}

// ---- spinners ----

// Within the velocities the confirmation accepts (above 92 and below 1370 m/s):
// whole steps stop at 93 and 1369.
void frmAvvio::PassoVelocita(int passo) {
    const double minima = kVelocitaBoccaMinima + 1, massima = kVelocitaBoccaMassima - 1;  // the values the confirmation accepts
    const double attuale = std::clamp(LeggiNumeroEsteso(Std(txtVelocitabocca_->text())), minima, massima);
    const double nuova = std::clamp(attuale + passo, minima, massima);
    txtVelocitabocca_->setText(Qs(TestoSingolo(static_cast<float>(nuova))));
}

void frmAvvio::mnuFileEsci_Click() { prog_.Esci(); }
