#include "frmAvvio.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "catalogo.h"
#include "controlli.h"
#include "dialoghi.h"
#include "elenco.h"
#include "frmInputDatiTraiet.h"
#include "modello.h"
#include "numeri.h"
#include "programma.h"
#include "rigadati.h"
#include "versione.h"
#include "widget.h"

using namespace rigata;

namespace {

const QString kFiltri = QStringLiteral("File dati|*.dat|File di testo|*.txt|Tutti i file|*.*|");

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

// The characters at a 1-based position and width of a list line, without the
// blanks around them; a column beyond the end gives what exists.
QString Colonna(const QString& riga, int posizione, int larghezza) {
    QString testo = riga.mid(posizione - 1, larghezza);
    int inizio = 0, fine = testo.size();
    while (inizio < fine && testo[inizio] == QLatin1Char(' ')) ++inizio;
    while (fine > inizio && testo[fine - 1] == QLatin1Char(' ')) --fine;
    return testo.mid(inizio, fine - inizio);
}

double Valore(const QString& testo) { return LeggiNumero(Std(testo)); }

}  // namespace

frmAvvio::frmAvvio(Programma& programma) : Schermo(programma, true) {
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral("Inserimento dati"));

    auto* centro = new QWidget(this);
    auto* principale = new QVBoxLayout(centro);

    // Clock.
    auto* orologio = new QHBoxLayout;
    orologio->addStretch();
    lblData_ = Crea<QLabel>(centro, "lblData");
    lblTime_ = Crea<QLabel>(centro, "lblTime");
    orologio->addWidget(lblData_);
    orologio->addSpacing(12);
    orologio->addWidget(lblTime_);
    principale->addLayout(orologio);

    auto* sopra = new QHBoxLayout;
    principale->addLayout(sopra);

    // The six entry fields.
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
         QStringLiteral("Input Velocità alla bocca fra 92 e 1370 m/s")},
        {"lblCoeffBalistico", "txtCoeffbalistico", QStringLiteral("coefficiente balistico Std"),
         QStringLiteral("Coefficiente balistico utilizzato nei calcoli")}};
    QLineEdit* campiIngresso[6];
    for (int i = 0; i < 6; ++i) {
        griglia->addWidget(Crea<QLabel>(ingresso, campi[i].etichetta, campi[i].testo), i, 0);
        campiIngresso[i] = Crea<QLineEdit>(ingresso, campi[i].campo);
        campiIngresso[i]->setToolTip(campi[i].suggerimento);
        campiIngresso[i]->setMaximumWidth(90);
        CampoNumerico(campiIngresso[i]);
        griglia->addWidget(campiIngresso[i], i, 1);
    }
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
    sopra->addWidget(ingresso);

    // Description and credits.
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
    sopra->addLayout(testi, 1);

    // Instructions and the two-velocity input share one place.
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
    auto* conferma = Crea<QPushButton>(fraCalcolaCB_, "cmdConfCBVel", QStringLiteral("Conferma"));
    conferma->setToolTip(QStringLiteral("conferma calcolo coeff. balistico"));
    grigliaCB->addWidget(conferma, 3, 1);
    connect(conferma, &QPushButton::clicked, this, [this] { cmdConfCBVel_Click(); });
    colonnaCB->addWidget(fraIstruzioniCB_);
    colonnaCB->addWidget(fraCalcolaCB_);
    fraIstruzioniCB_->setMaximumWidth(260);
    fraCalcolaCB_->setMaximumWidth(260);
    sopra->addLayout(colonnaCB);

    // The catalogue.
    auto* catalogo = Crea<QGroupBox>(centro, "fraCarattPalla", QStringLiteral("Caratteristiche della palla"));
    auto* colonnaCatalogo = new QVBoxLayout(catalogo);
    const QFont fisso = FontMonospaziato();
    const int carattere = QFontMetrics(fisso).horizontalAdvance(QLatin1Char('M'));
    auto* intestazioni = new QHBoxLayout;
    intestazioni->setSpacing(0);
    struct Intestazione {
        const char* nome;
        QString testo;
        int caratteri;
    };
    // Over the list's columns 1, 10, 18 and 26.
    for (const Intestazione& i : {Intestazione{"Label17", QStringLiteral("Diametro"), 9},
                                  Intestazione{"Label19", QStringLiteral("Peso"), 8},
                                  Intestazione{"Label18", QStringLiteral("Marca"), 8},
                                  Intestazione{"Label20", QStringLiteral("Tipo"), 0}}) {
        auto* etichetta = Crea<QLabel>(catalogo, i.nome, i.testo);
        etichetta->setFont(fisso);
        if (i.caratteri) etichetta->setFixedWidth(i.caratteri * carattere);
        if (i.caratteri == 9) {
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

    Combo1_ = Crea<QComboBox>(catalogo, "Combo1");
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

    // Coefficients of the picked bullet: nine headings over nine boxes.
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
        tabellaCB->addWidget(casella, 1, i);
    }
    colonnaCatalogo->addLayout(tabellaCB);
    principale->addWidget(catalogo);
    principale->addStretch(1);

    // Buttons.
    auto* pulsanti = new QHBoxLayout;
    auto* esci = Crea<QPushButton>(centro, "cmdEsci", QStringLiteral("<  Uscita"));
    auto* avanti = Crea<QPushButton>(centro, "cmdConferma", QStringLiteral("Avanti  >"));
    avanti->setToolTip(QStringLiteral("Conferma i dati o apre input per calcolo Coeff. Bal."));
    avanti->setDefault(true);
    pulsanti->addWidget(esci);
    pulsanti->addStretch();
    pulsanti->addWidget(avanti);
    principale->addLayout(pulsanti);
    connect(esci, &QPushButton::clicked, this, [this] { mnuFileEsci_Click(); });
    connect(avanti, &QPushButton::clicked, this, [this] { cmdConferma_Click(); });

    txtFile_ = Crea<QLineEdit>(centro, "txtFile");
    txtFile_->hide();
    MenuFile(QStringLiteral("&File"), {{"mnuApri", QStringLiteral("&Apri"), [this] { mnuApri_Click(); }},
                                       {"mnuSalvaConNome", QStringLiteral("Salva con &nome"),
                                        [this] { mnuSalvaConNome_Click(); }},
                                       {"mnuFileEsci", QStringLiteral("&Esci"), [this] { mnuFileEsci_Click(); }}});

    // Change rules: every entry field rebuilds the data line; the coefficient
    // field also chooses between the instructions and the two-velocity input.
    for (QLineEdit* campo : {txtDiametro_, txtPeso_, txtAltitudine_, txtTemperatura_, txtVelocitabocca_})
        connect(campo, &QLineEdit::textChanged, this, [this] { AggiornaRigaDati(); });
    connect(txtCoeffbalistico_, &QLineEdit::textChanged, this, [this] { txtCoeffbalistico_Change(); });
    connect(txtFile_, &QLineEdit::textChanged, this, [this] { blnTextChanged_ = true; });

    setCentralWidget(centro);
    resize(1000, 470);
    Form_Load();
}

void frmAvvio::Form_Load() {
    lblSAE_->setText(QStringLiteral("    SAE"));
    lblAggiungi_->hide();
    AvviaOrologio(lblTime_, lblData_);
    MostraCalcoloCB(false);
    blnTextChanged_ = false;
}

bool frmAvvio::UnitaSAE() const { return !lblSAE_->isHidden(); }

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
    if (Combo1_->count() == 0) return;  // an empty catalogue selects nothing
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

    if (UnitaSAE()) {
        txtDiametro_->setText(Colonna(riga, 1, 5));
        txtPeso_->setText(Qs(FormattaNumero(Valore(Colonna(riga, 10, 3)), "###")));
    } else {
        diametroMetrico_ = Colonna(riga, 1, 5);
        const double mm = Valore(diametroMetrico_.endsWith(QLatin1Char('m')) ? Colonna(riga, 1, 4) : diametroMetrico_);
        // Thousandths of an inch, halves to even, written with three decimals
        // (also below 0.100 inch, where "0." and the thousandths would be wrong).
        const double millesimi = std::nearbyint(mm / 0.0254);
        txtDiametro_->setText(Qs(FormattaNumero(millesimi / 1000, "0.##0")));
        pesoMetrico_ = Colonna(riga, 10, 5);
        const double grammi = Valore(pesoMetrico_.endsWith(QLatin1Char('g')) ? Colonna(riga, 10, 4) : pesoMetrico_);
        txtPeso_->setText(Qs(FormattaNumero(grammi / 0.0648, "###")));
    }

    const int posizioniVelocita[] = {55, 69, 83, 97};
    for (int i = 0; i < 4; ++i) velocita_[i]->setText(Colonna(riga, posizioniVelocita[i], 7));
    const QString standard = Colonna(riga, 48, 7);
    txtCoeffbalistico_->setText(standard);
    coeff_[0]->setText(standard);
    const int posizioniCoeff[] = {62, 76, 90, 104};
    for (int i = 0; i < 4; ++i) coeff_[i + 1]->setText(Colonna(riga, posizioniCoeff[i], 7));
}

void frmAvvio::lblSAE_Click() {
    lblMetrico_->show();
    lblMetrico_->setText(QStringLiteral("Metrico"));
    prog_.Cat().RigaPallaDefault = Std(Combo1_->currentIndex() >= 0 ? Combo1_->currentText() : QString());
    Combo1_->clear();
    Elenca();  // still in SAE units: finds the position of the selected line
    Combo1_->clear();
    lblSAE_->hide();
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
    Elenca();
}

// ---- confirmation ----

void frmAvvio::cmdConferma_Click() {
    ShotData& d = prog_.Dati();
    // The entries are stored before any check and stay stored when one fails.
    const std::pair<QLineEdit*, const char*> singoli[] = {{txtDiametro_, "diametro"},
                                                          {txtPeso_, "peso"},
                                                          {txtTemperatura_, "temperatura"},
                                                          {txtVelocitabocca_, "velocità alla bocca"}};
    float* destinazioni[] = {&d.DiametroInch, &d.PesoGrain, &d.Temperatura, &d.VelocitaBocca};
    std::optional<Rifiuto> fuoriLimiti;
    for (int i = 0; i < 4; ++i) {
        const auto valore = InSingle(LeggiNumeroEsteso(Std(singoli[i].first->text())));
        if (valore)
            *destinazioni[i] = *valore;
        else if (!fuoriLimiti)
            fuoriLimiti = RifiutoFuoriLimiti(singoli[i].second);
    }
    const double altitudine = LeggiNumeroEsteso(Std(txtAltitudine_->text()));
    if (const auto a = InInteger(altitudine)) d.Altitudine = *a;
    if (fuoriLimiti) return ControlloInput(*fuoriLimiti);

    const std::string coeff = Std(txtCoeffbalistico_->text());
    if (const auto r = ControllaDatiIngresso(d.DiametroInch, d.PesoGrain, coeff, d.VelocitaBocca))
        return ControlloInput(*r);
    if (const auto r = ControllaAmbiente(altitudine, d.Temperatura)) return ControlloInput(*r);

    d.CoeffBalistico = LeggiNumeroEsteso(coeff);
    if (d.CoeffBalistico == 0) {
        MostraCalcoloCB(true);
        return;
    }
    CalcolaAtmosfera(d);
    CalcolaResistenza(d);
    hide();
    prog_.MostraOpzioni();
}

void frmAvvio::txtCoeffbalistico_Change() {
    AggiornaRigaDati();
    MostraCalcoloCB(txtCoeffbalistico_->text() == QLatin1String(" "));
    blnTextChanged_ = true;
}

// ---- coefficient from two measured velocities ----

void frmAvvio::cmdConfCBVel_Click() {
    ShotData& d = prog_.Dati();
    const auto iniziale = InSingle(LeggiNumeroEsteso(Std(txtVelIniz_->text())));
    const auto residua = InSingle(LeggiNumeroEsteso(Std(txtVelFin_->text())));
    const auto tratto = InSingle(LeggiNumeroEsteso(Std(txtTratto_->text())));
    d.VelocitaIniziale = iniziale.value_or(0);
    d.VelocitaResidua = residua.value_or(0);
    d.TrattoMisurato = tratto.value_or(0);
    if (!(d.VelocitaIniziale > 0 && d.VelocitaResidua > 0 && d.VelocitaResidua < d.VelocitaIniziale &&
          d.TrattoMisurato > 0))
        return ControlloInput(QStringLiteral("VALORI NON CONSENTITI"), QStringLiteral("CAMBIA VALORE!!"));
    // The computation uses the bullet of the last confirmation: it must have been a valid one.
    if (!(d.DiametroInch > 0 && d.PesoGrain > 0 && d.VelocitaBocca > 92 && d.VelocitaBocca < 1370 &&
          TemperaturaInQuota(d.Altitudine, d.Temperatura) > -273))
        return ControlloInput(QStringLiteral("prima di calcolare il coefficiente inserire diametro, peso, "
                                             "temperatura e velocità alla bocca validi e premere \"Avanti  >\""),
                              QStringLiteral("CONFERMA I DATI!!"));
    CalcolaAtmosfera(d);
    CalcolaResistenzaMisurata(d);
    CalcolaCoeffBalistico(d);
    if (d.CoeffBalistico > 0.65)
        return ControlloInput(QStringLiteral("Coeff. Bal. superiore a 0.65, diminuire Velocita residua"),
                              QStringLiteral("CB troppo grande!!"));
    txtCoeffbalistico_->setText(Qs(TestoCoeffBalistico(d.CoeffBalistico)));
    MostraCalcoloCB(false);
}

// ---- spinners ----

void frmAvvio::PassoVelocita(int passo) {
    const double attuale = std::clamp(LeggiNumeroEsteso(Std(txtVelocitabocca_->text())), 92.0, 1370.0);
    const double nuova = std::clamp(attuale + passo, 92.0, 1370.0);
    txtVelocitabocca_->setText(Qs(TestoSingolo(static_cast<float>(nuova))));
}

// ---- data line and data files ----

QStringList frmAvvio::TestiIngresso() const {
    return {txtDiametro_->text(),    txtPeso_->text(),          txtAltitudine_->text(),
            txtTemperatura_->text(), txtVelocitabocca_->text(), txtCoeffbalistico_->text()};
}

void frmAvvio::ImpostaRigaDati(const QString& riga) { txtFile_->setText(riga); }

void frmAvvio::AggiornaRigaDati() {
    const QStringList traiettoria = prog_.Traiettorie()->TestiRichiesta();
    ImpostaRigaDati((TestiIngresso() + traiettoria).join(QLatin1Char(',')));
}

void frmAvvio::mnuApri_Click() {
    // A save that fails stops the opening, so the changed data stay on the screen.
    if (blnTextChanged_ &&
        prog_.Dlg().Domanda(this, QStringLiteral("Conferma salvataggio"),
                            QStringLiteral("Il testo è stato modificato.\nVuoi salvare le modifiche?")) &&
        mnuSalvaConNome_Click() == EsitoSalvataggio::Fallito)
        return;
    const QString percorso = prog_.Dlg().ApriFile(this, kFiltri, ultimoFile_);
    if (percorso.isEmpty()) return;
    ultimoFile_ = percorso;
    CampiDati campi;
    if (const auto errore = LeggiFileDati(Std(percorso), campi))
        return ControlloInput(Qs(*errore), QStringLiteral("FILE NON LEGGIBILE!!"));
    QLineEdit* ingresso[] = {txtDiametro_, txtPeso_, txtAltitudine_, txtTemperatura_, txtVelocitabocca_,
                             txtCoeffbalistico_};
    for (int i = 0; i < 6; ++i) ingresso[i]->setText(Qs(campi[static_cast<size_t>(i)]));
    QStringList richiesta;
    for (size_t i = 6; i < 12; ++i) richiesta << Qs(campi[i]);
    prog_.Traiettorie()->ImpostaTestiRichiesta(richiesta);
    blnTextChanged_ = false;
}

frmAvvio::EsitoSalvataggio frmAvvio::mnuSalvaConNome_Click() {
    const QString percorso = prog_.Dlg().SalvaFile(this, kFiltri, ultimoFile_);
    if (percorso.isEmpty()) return EsitoSalvataggio::Annullato;
    ultimoFile_ = percorso;
    if (const auto errore = ScriviFileDati(Std(percorso), Std(txtFile_->text()))) {
        ControlloInput(Qs(*errore), QStringLiteral("SALVATAGGIO NON RIUSCITO!!"));
        return EsitoSalvataggio::Fallito;
    }
    blnTextChanged_ = false;
    return EsitoSalvataggio::Salvato;
}

void frmAvvio::mnuFileEsci_Click() {
    // A save that fails asks again: leaving never loses the data silently.
    while (blnTextChanged_ &&
           prog_.Dlg().Domanda(this, QStringLiteral("Conferma salvataggio"),
                               QStringLiteral("Non esiste o è stato modificato il file dei dati impostati.\n"
                                              "Vuoi salvare le modifiche in un file?")))
        if (mnuSalvaConNome_Click() != EsitoSalvataggio::Fallito) break;
    prog_.Termina();
}
