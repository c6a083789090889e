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
#include "numeri.h"
#include "programma.h"
#include "campi.h"
#include "documento.h"
#include "versione.h"
#include "widget.h"

using namespace rigata;

namespace {

const QString kDescrizione = QStringLiteral(
    "Programma per la determinazione dei parametri fondamen- tali di una traiettoria per fucile da caccia a "
    "canna rigata con possibilità di ottenere e stampare delle tabelle da poter utiliz- zare sul campo.");

const QString kIstruzioniCB = QStringLiteral(
    "Se non si conosce uno specifico coefficiente balistico, cancellare il coefficiente balistico Std  "
    "impostato, confermare gli altri dati im- postati premendo \"Avanti\", nella nuova cornice inserire la "
    "velocità di partenza e quella residua nel tratto considerato e confermare.");

QString Riferimenti() {
    return QStringLiteral(
               "Rigata %1 (%2). Traiettoria in forma chiusa con la funzione di resistenza di Siacci e il "
               "fattore di forma dal coefficiente balistico. Palle: coefficienti G1 dei produttori, "
               "\"Open Source Projectile Dataset\" (2018, licenza MIT), più alcune aggiunte a mano.")
        .arg(QString::fromLatin1(kVersione), QString::fromLatin1(kDataVersione));
}

}  // namespace

frmAvvio::frmAvvio(Programma& programma) : Schermo(programma, true) {
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral("Inserimento dati"));

    auto* centro = new QWidget(this);
    auto* principale = new QVBoxLayout(centro);
    principale->addLayout(CreaOrologio(centro));
    auto* sopra = new QHBoxLayout;
    principale->addLayout(sopra);
    sopra->addWidget(CreaCampi(centro));
    sopra->addLayout(CreaDescrizione(centro), 1);
    sopra->addLayout(CreaCalcoloCB(centro));
    principale->addWidget(CreaElenco(centro));
    principale->addStretch(1);
    principale->addLayout(CreaPulsanti(centro));
    CreaMenu(centro);
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
    QLineEdit* campiIngresso[6];
    for (int i = 0; i < 6; ++i) {
        griglia->addWidget(Crea<QLabel>(ingresso, campi[i].etichetta, campi[i].testo), i, 0);
        campiIngresso[i] = Crea<QLineEdit>(ingresso, campi[i].campo);
        campiIngresso[i]->setToolTip(campi[i].suggerimento);
        campiIngresso[i]->setMaximumWidth(90);
        CampoNumerico(campiIngresso[i]);
        UnaRiga(campiIngresso[i]);
        griglia->addWidget(campiIngresso[i], i, 1);
    }
    std::copy(std::begin(campiIngresso), std::end(campiIngresso), ingresso_);
    txtDiametro_ = campiIngresso[0];
    txtPeso_ = campiIngresso[1];
    txtAltitudine_ = campiIngresso[2];
    txtTemperatura_ = campiIngresso[3];
    txtVelocitabocca_ = campiIngresso[4];
    txtCoeffbalistico_ = campiIngresso[5];
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
    griglia->addLayout(frecce, 4, 2);
    FrecceDaTastiera(txtVelocitabocca_, [this](int passo) { PassoVelocita(passo); });
    return ingresso;
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

// The instructions and the two-velocity frame share one place.
QLayout* frmAvvio::CreaCalcoloCB(QWidget* centro) {
    auto* colonnaCB = new QVBoxLayout;
    fraIstruzioniCB_ = Crea<QGroupBox>(centro, "fraIstruzioniCB", QStringLiteral("Calcolo coefficiente balistico..."));
    auto* istruzioni = Crea<QLabel>(fraIstruzioniCB_, "lblIstruzioiCB", kIstruzioniCB);
    istruzioni->setWordWrap(true);
    (new QVBoxLayout(fraIstruzioniCB_))->addWidget(istruzioni);
    fraCalcolaCB_ = Crea<QGroupBox>(centro, "fraCalcolaCB", QStringLiteral("Input velocità nel tratto considerato..."));
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
    colonnaCB->addWidget(fraIstruzioniCB_);
    colonnaCB->addWidget(fraCalcolaCB_);
    fraIstruzioniCB_->setMaximumWidth(260);
    fraCalcolaCB_->setMaximumWidth(260);
    return colonnaCB;
}

// The catalogue: headings over the list's columns, the unit switch, the list,
// the loading notice and progress, then the coefficients of the picked bullet.
QGroupBox* frmAvvio::CreaElenco(QWidget* centro) {
    auto* catalogo = Crea<QGroupBox>(centro, "fraCarattPalla", QStringLiteral("Caratteristiche della palla"));
    auto* colonnaCatalogo = new QVBoxLayout(catalogo);
    const QFont fisso = FontMonospaziato();
    const int carattere = QFontMetrics(fisso).horizontalAdvance(QLatin1Char('M'));
    auto* intestazioni = new QHBoxLayout;
    intestazioni->setSpacing(0);
    struct Intestazione {
        const char* nome;
        QString testo;
        int caratteri;  // up to the next heading's column; 0 for the last heading
    };
    // Over the list's diameter, weight, maker and type.
    const auto passo = [](CampoElenco campo) { return static_cast<int>(PassoColonnaElenco(campo)); };
    const Intestazione titoli[] = {{"Label17", QStringLiteral("Diametro"), passo(kCampoDiametro)},
                                   {"Label19", QStringLiteral("Peso"), passo(kCampoPeso)},
                                   {"Label18", QStringLiteral("Marca"), passo(kCampoMarca)},
                                   {"Label20", QStringLiteral("Tipo"), 0}};
    for (const Intestazione& i : titoli) {
        auto* etichetta = Crea<QLabel>(catalogo, i.nome, i.testo);
        etichetta->setFont(fisso);
        if (i.caratteri) etichetta->setFixedWidth(i.caratteri * carattere);
        if (&i == titoli) {
            etichetta->setFixedWidth(i.caratteri * carattere + 5);
            etichetta->setContentsMargins(5, 0, 0, 0);  // the list's own text margin
        }
        intestazioni->addWidget(etichetta);
    }
    intestazioni->addStretch();
    auto* unita = new QGridLayout;
    lblSAE_ = Crea<EtichettaCliccabile>(catalogo, "lblSAE");
    lblSAE_->setToolTip(QStringLiteral("click per unità di miura metriche"));
    lblMetrico_ = Crea<EtichettaCliccabile>(catalogo, "lblMetrico");
    lblMetrico_->setToolTip(QStringLiteral("click per unità di misura SAE"));
    for (QLabel* l : {static_cast<QLabel*>(lblSAE_), static_cast<QLabel*>(lblMetrico_)}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setStyleSheet(QStringLiteral("color: #00008b;"));
        l->setCursor(Qt::PointingHandCursor);
        unita->addWidget(l, 0, 0);
    }
    lblMetrico_->hide();
    intestazioni->addLayout(unita);
    colonnaCatalogo->addLayout(intestazioni);
    connect(lblSAE_, &EtichettaCliccabile::clicked, this, [this] { lblSAE_Click(); });
    connect(lblMetrico_, &EtichettaCliccabile::clicked, this, [this] { lblMetrico_Click(); });

    Combo1_ = Crea<ListaSceltaDeliberata>(catalogo, "Combo1");
    Combo1_->setFont(fisso);
    Combo1_->setToolTip(QStringLiteral("visualizza le caratteristiche delle palle"));
    Combo1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Combo1_->setMinimumContentsLength(kLunghezzaRigaElenco);
    Combo1_->setMaxVisibleItems(20);
    connect(Combo1_, qOverload<int>(&QComboBox::activated), this, [this](int) { Combo1_Click(); });
    colonnaCatalogo->addWidget(Combo1_);

    auto* avanzamento = new QHBoxLayout;
    Text1_ = Crea<QLineEdit>(catalogo, "Text1", QStringLiteral(" Attendi!!!!  Caricamento e ordinamento dati"));
    Text1_->setFont(fisso);
    Text1_->setReadOnly(true);
    Text1_->setFocusPolicy(Qt::NoFocus);
    avanzamento->addWidget(Text1_, 1);
    PB1_ = Crea<QProgressBar>(catalogo, "PB1");
    PB1_->setToolTip(QStringLiteral("ordina i dati delle palle"));
    PB1_->setTextVisible(false);
    PB1_->hide();
    avanzamento->addWidget(PB1_, 1);
    lblAggiungi_ = Crea<EtichettaCliccabile>(catalogo, "lblAggiungi", QStringLiteral("Aggiungi palle"));
    lblAggiungi_->setToolTip(QStringLiteral("click per inserire nuova palla in archivio"));
    lblAggiungi_->setStyleSheet(QStringLiteral("color: #00008b; text-decoration: underline;"));
    lblAggiungi_->setCursor(Qt::PointingHandCursor);
    avanzamento->addWidget(lblAggiungi_);
    connect(lblAggiungi_, &EtichettaCliccabile::clicked, this, [this] { prog_.ApriNuovaPalla(); });
    colonnaCatalogo->addLayout(avanzamento);

    colonnaCatalogo->addLayout(CreaTabellaCoefficienti(catalogo));
    return catalogo;
}

// Coefficients of the picked bullet: nine headings over nine boxes; a click
// on a coefficient box puts it in the coefficient field.
QLayout* frmAvvio::CreaTabellaCoefficienti(QGroupBox* catalogo) {
    auto* tabellaCB = new QGridLayout;
    struct Cella {
        const char *intestazione, *casella;
        QString testo, suggerimento;
    };
    const QString suggerimentoBC = QStringLiteral("Coefficiente balistico riferito alla velocità %1");
    const Cella celle[] = {
        {"Label6", "txtCoeff_Bal_Std", QStringLiteral("BC std"), QStringLiteral("Coefficiente Balistico Standard")},
        {"Label9", "txtVelocita1", QStringLiteral("  Vel 1"), QString()},
        {"Label10", "txtCoeff_Bal_Vel1", QStringLiteral("  BC 1"), suggerimentoBC.arg(1)},
        {"Label11", "txtVelocita2", QStringLiteral("  Vel 2"), QString()},
        {"Label12", "txtCoeff_Bal_Vel2", QStringLiteral("  BC 2"), suggerimentoBC.arg(2)},
        {"Label13", "txtVelocita3", QStringLiteral("  Vel 3"), QString()},
        {"Label14", "txtCoeff_Bal_Vel3", QStringLiteral("  BC 3"), suggerimentoBC.arg(3)},
        {"Label15", "txtVelocita4", QStringLiteral("  Vel 4"), QString()},
        {"Label16", "txtCoeff_Bal_Vel4", QStringLiteral("  BC 4"), suggerimentoBC.arg(4)}};
    for (int i = 0; i < 9; ++i) {
        auto* intestazione = Crea<QLabel>(catalogo, celle[i].intestazione, celle[i].testo);
        intestazione->setToolTip(celle[i].suggerimento);
        tabellaCB->addWidget(intestazione, 0, i);
        const bool coefficiente = i % 2 == 0;
        QLineEdit* casella;
        if (coefficiente) {
            auto* c = Crea<CasellaCliccabile>(catalogo, celle[i].casella);
            c->setToolTip(QStringLiteral("click per utilizzare questo coefficiente balistico"));
            c->setCursor(Qt::PointingHandCursor);
            coeff_[i / 2] = c;
            connect(c, &CasellaCliccabile::clicked, this, [this, c] { txtCoeffbalistico_->setText(c->text()); });
            casella = c;
        } else {
            casella = velocita_[i / 2] = Crea<QLineEdit>(catalogo, celle[i].casella);
        }
        casella->setMaximumWidth(80);
        CampoNumerico(casella);
        // Tab goes through the coefficients, which Enter puts in the coefficient field.
        if (!coefficiente) casella->setFocusPolicy(Qt::ClickFocus);
        tabellaCB->addWidget(casella, 1, i);
    }
    return tabellaCB;
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
    InvioPreme(avanti, {txtDiametro_, txtPeso_, txtAltitudine_, txtTemperatura_, txtVelocitabocca_, txtCoeffbalistico_});
    return pulsanti;
}

// The File menu: the data files of the document, and the way out.
void frmAvvio::CreaMenu(QWidget*) {
    Documento& doc = prog_.Doc();
    MenuFile(QStringLiteral("&File"), {{"mnuApri", QStringLiteral("&Apri"), [this, &doc] { doc.Apri(this); }},
                                       {"mnuSalvaConNome", QStringLiteral("Salva con &nome"),
                                        [this, &doc] { doc.SalvaConNome(this); }},
                                       {"mnuFileEsci", QStringLiteral("&Esci"), [this] { mnuFileEsci_Click(); }}});
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
    connect(txtCoeffbalistico_, &QLineEdit::textChanged, this, [this] { txtCoeffbalistico_Change(); });
    connect(&prog_.Doc(), &Documento::campiCaricati, this, [this] { MostraDocumento(); });
}

void frmAvvio::MostraDocumento() {
    for (int i = 0; i < kCampiIngresso; ++i) ingresso_[i]->setText(prog_.Doc().Testo(kCampi[static_cast<size_t>(i)].campo));
}

void frmAvvio::Form_Load() {
    lblSAE_->setText(QStringLiteral("    SAE"));
    lblAggiungi_->hide();
    AvviaOrologio(lblTime_, lblData_);
    MostraCalcoloCB(false);
}

bool frmAvvio::UnitaSAE() const { return prog_.Doc().UnitaMisura() == Documento::Unita::SAE; }

void frmAvvio::MostraCalcoloCB(bool calcolo) {
    fraIstruzioniCB_->setVisible(!calcolo);
    fraCalcolaCB_->setVisible(calcolo);
}

void frmAvvio::ControlloInput(const QString& messaggio, const QString& titolo) {
    prog_.Dlg().Avviso(this, titolo, messaggio);
}

void frmAvvio::ControlloInput(const Rifiuto& rifiuto) { ControlloInput(Qs(rifiuto.messaggio), Qs(rifiuto.titolo)); }

// ---- start-up and the catalogue list ----

void frmAvvio::CaricaEdElenca() {
    Catalogo& cat = prog_.Cat();
    const EsitoCaricamento esito = prog_.CaricaCatalogo();
    if (esito.fileMancante) {
        ControlloInput(QStringLiteral("File Inesistente!!"), QStringLiteral("CAMBIA PERCORSO!!"));
    } else if (esito.errore) {
        ControlloInput(Qs(*esito.errore), QStringLiteral("CATALOGO NON LEGGIBILE!!"));
    } else {
        PB1_->show();
        if (esito.righeEscluse > 0)
            ControlloInput(Qs(TestoRigheEscluse(esito.righeEscluse)), QStringLiteral("CATALOGO TROPPO GRANDE!!"));
    }
    PB1_->setRange(0, cat.NumeroPalle);
    OrdinaCatalogo(cat, [this](int i) {
        // Let the screen repaint; clicks wait until the list is ready.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        PB1_->setValue(i);
    });
    Elenca();
}

void frmAvvio::Elenca() {
    Catalogo& cat = prog_.Cat();
    const auto righe = ElencaCatalogo(cat, !UnitaSAE(), cat.RigaPallaDefault);
    QStringList testi;
    testi.reserve(static_cast<int>(righe.size()));
    for (const auto& r : righe) testi << Qs(r);
    Combo1_->addItems(testi);
    PB1_->hide();
    lblAggiungi_->show();
    if (Combo1_->count() == 0) {
        // An empty catalogue selects nothing: the notice says so instead of waiting.
        Text1_->setText(QStringLiteral(" Elenco vuoto: per inserire palle fare click su \"Aggiungi palle\""));
        return;
    }
    int posizione = cat.IndicePallaDefault;
    if (posizione < 0 || posizione >= Combo1_->count()) posizione = 0;
    Combo1_->setCurrentIndex(posizione);
    Combo1_Click();
}

void frmAvvio::Combo1_Click() {
    const QString riga = Combo1_->currentText();
    txtCoeffbalistico_->setText(QString());
    for (CasellaCliccabile* c : coeff_) c->setText(QString());
    txtAltitudine_->setText(QStringLiteral("450"));
    txtTemperatura_->setText(QStringLiteral("15"));
    txtVelocitabocca_->setText(QStringLiteral("965"));
    Text1_->hide();

    const PallaScelta palla = LeggiRigaElenco(Std(riga), !UnitaSAE());
    txtDiametro_->setText(Qs(palla.diametro));
    txtPeso_->setText(Qs(palla.peso));
    for (int i = 0; i < 4; ++i) velocita_[i]->setText(Qs(palla.velocita[static_cast<size_t>(i)]));
    txtCoeffbalistico_->setText(Qs(palla.cbStd));
    coeff_[0]->setText(Qs(palla.cbStd));
    for (int i = 0; i < 4; ++i) coeff_[i + 1]->setText(Qs(palla.cb[static_cast<size_t>(i)]));
}

void frmAvvio::lblSAE_Click() {
    lblMetrico_->show();
    lblMetrico_->setText(QStringLiteral("Metrico"));
    prog_.Cat().RigaPallaDefault = Std(Combo1_->currentIndex() >= 0 ? Combo1_->currentText() : QString());
    Combo1_->clear();
    Elenca();  // still in SAE units: finds the position of the selected line
    Combo1_->clear();
    lblSAE_->hide();
    prog_.Doc().ImpostaUnita(Documento::Unita::Metrico);
    Elenca();
}

void frmAvvio::lblMetrico_Click() {
    lblMetrico_->hide();
    lblSAE_->setText(QStringLiteral("    SAE"));
    prog_.Cat().RigaPallaDefault = Std(Combo1_->currentIndex() >= 0 ? Combo1_->currentText() : QString());
    Combo1_->clear();
    Elenca();  // still in metric units
    Combo1_->clear();
    lblSAE_->show();
    prog_.Doc().ImpostaUnita(Documento::Unita::SAE);
    Elenca();
}

// ---- confirmation ----

void frmAvvio::cmdConferma_Click() {
    ShotData& d = prog_.Dati();
    const rigata::TestiIngresso testi{Std(txtDiametro_->text()),    Std(txtPeso_->text()),
                              Std(txtAltitudine_->text()),  Std(txtTemperatura_->text()),
                              Std(txtVelocitabocca_->text()), Std(txtCoeffbalistico_->text())};
    if (const auto r = ControllaIngresso(testi, d)) {
        // No coefficient: it is computed from two measured velocities.
        if (*r == RifiutoCoeffZero()) return MostraCalcoloCB(true);
        return ControlloInput(*r);
    }
    CalcolaAtmosfera(d);
    CalcolaResistenza(d);
    prog_.VaiAOpzioni(this);
}

void frmAvvio::txtCoeffbalistico_Change() { MostraCalcoloCB(txtCoeffbalistico_->text() == QLatin1String(" ")); }

// ---- coefficient from two measured velocities ----

void frmAvvio::cmdConfCBVel_Click() {
    if (VirgolaRifiutata(prog_.Dlg(), this,
                         {{txtVelIniz_, "velocità iniziale"}, {txtVelFin_, "velocità residua"},
                          {txtTratto_, "tratto considerato"}}))
        return;
    ShotData& d = prog_.Dati();
    if (const auto r = CalcolaCoeffDaVelocita(Std(txtVelIniz_->text()), Std(txtVelFin_->text()),
                                              Std(txtTratto_->text()), d))
        return ControlloInput(*r);
    txtCoeffbalistico_->setText(Qs(TestoCoeffBalistico(d.CoeffBalistico)));
    MostraCalcoloCB(false);
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
