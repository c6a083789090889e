#include "frmInputDatiTraiet.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "azionitabella.h"
#include "campi.h"
#include "cartellino.h"
#include "colonne.h"
#include "dialoghi.h"
#include "didascalie.h"
#include "documento.h"
#include "finestregiornata.h"
#include "modello.h"
#include "modellotabella.h"
#include "navigazione.h"
#include "numeri.h"
#include "pannellodatiinforza.h"
#include "pannellomodello.h"
#include "widget.h"

using namespace rigata;

namespace {
// The rows the grid shows without scrolling: the whole default table (0 to
// 500 m by 20).
constexpr int kRigheInVista = 26;

QStringList ComeLista(const CelleRiga& celle) {
    QStringList l;
    for (const auto& c : celle) l << Qs(c);
    return l;
}

}  // namespace

frmInputDatiTraiet::frmInputDatiTraiet(Navigazione& programma) : Schermo(programma, true) {
    setObjectName(QStringLiteral("frmInputDatiTraiet"));
    setWindowTitle(QStringLiteral("Dati Traiettorie"));
    auto* centro = new QWidget(this);
    auto* contenuto = CreaCornice(centro);
    auto* riga = new QHBoxLayout;
    contenuto->addLayout(riga);
    riga->addWidget(CreaRichiesta());
    riga->addWidget(CreaTabelle());
    riga->addWidget(CreaDatiProiettile());
    riga->addWidget(CreaCartuccia());
    riga->addLayout(CreaOrologio());
    contenuto->addWidget(CreaRisultato(), 1);
    contenuto->addStretch(0);  // the room of a taller window when no table is shown
    CreaMenu();
    setCentralWidget(centro);
    OrdineTab();
    Form_Load();
}

// The frame that holds everything: the request, and under it the table when
// one is shown, which then takes whatever height the window gives.
QVBoxLayout* frmInputDatiTraiet::CreaCornice(QWidget* centro) {
    auto* esterno = new QVBoxLayout(centro);
    esterno->setContentsMargins(4, 4, 4, 4);
    Frame3_ = Crea<QFrame>(centro, "Frame3");
    Frame3_->setAutoFillBackground(true);
    esterno->addWidget(Frame3_);
    auto* contenuto = new QVBoxLayout(Frame3_);
    contenuto->setContentsMargins(6, 4, 6, 4);
    contenuto->setSpacing(4);
    return contenuto;
}

// The request.
QWidget* frmInputDatiTraiet::CreaRichiesta() {
    auto* frame1 = Crea<QGroupBox>(Frame3_, "Frame1", QStringLiteral("Dati per calcolo Tabelle ..."));
    auto* griglia1 = new QGridLayout(frame1);
    griglia1->setVerticalSpacing(1);
    griglia1->setContentsMargins(6, 2, 6, 2);
    struct CampoRichiesta {
        const char *etichetta, *campo;
        QString testo;
        Campo posizione;  // in the data line
    };
    const CampoRichiesta campi[] = {
        {"lbInDistAzz", "txtDistZero", QStringLiteral("Distanza di azzeramento in metri"), Campo::DistanzaAzzeramento},
        {"lblHottica", "txtHottica", QStringLiteral("Altezza della linea di mira in millimetri"), Campo::AltezzaMira},
        {"lblDistMax", "txtDistInizio", QStringLiteral("Distanza iniziale della tabella"), Campo::DistanzaInizio},
        {"lblDistMin", "txtDistFine", QStringLiteral("Distanza finale della  tabella"), Campo::DistanzaFine},
        {"lblPasso", "txtIntervallo", QStringLiteral("Intervalli di calcolo ogni \"x\" metri"), Campo::Intervallo},
        {"lblVelVento", "txtVelVento", QStringLiteral("Velocità del vento laterale in metri al sec."),
         Campo::VelocitaVento}};
    for (int i = 0; i < kCampiRichiesta; ++i) {
        griglia1->addWidget(Crea<QLabel>(frame1, campi[i].etichetta, campi[i].testo), i, 0);
        auto* casella = Crea<QLineEdit>(frame1, campi[i].campo);
        CampoNumerico(casella);
        casella->setMinimumWidth(64);
        UnaRiga(casella);
        casella->setMaximumWidth(80);
        griglia1->addWidget(casella, i, 1);
        richiesta_[IndiceNelGruppo(campi[i].posizione)] = casella;
    }
    return frame1;
}

// The two layouts, and under them the trajectory model with its inputs (the
// card's choices go beside the table, CreaRisultato).
QWidget* frmInputDatiTraiet::CreaTabelle() {
    auto* frame2 = Crea<QGroupBox>(Frame3_, "Frame2", QStringLiteral("Doppio click per calcolare la tabella"));
    auto* colonna2 = new QVBoxLayout(frame2);
    optTabellaVari_ = Crea<OpzioneDoppioClick>(frame2, "optTabellaVari", QStringLiteral("Tabella parametri vari"));
    optTabellaCampagna_ = Crea<OpzioneDoppioClick>(frame2, "optTabellaCampagna", QStringLiteral("Tabella di Campagna"));
    for (OpzioneDoppioClick* o : {optTabellaVari_, optTabellaCampagna_}) {
        o->setToolTip(QStringLiteral("doppio click per calcolare"));
        colonna2->addWidget(o);
        connect(o, &OpzioneDoppioClick::doubleClicked, this, [this] { CalcolaTabella(); });
    }
    auto* griglia = new QGridLayout;
    griglia->setVerticalSpacing(1);
    griglia->setContentsMargins(0, 0, 0, 0);
    colonna2->addLayout(griglia);
    modelloCartellino_ = new PannelloModello(prog_.Doc(), frame2, griglia, 0, Frame3_);
    colonna2->addStretch();
    return frame2;
}

// The bullet and place in use.
QWidget* frmInputDatiTraiet::CreaDatiProiettile() {
    const char* nomiValori[] = {"lblDiametro",    "lblPeso",          "lblAltitudine",
                                "lblTemperatura", "lblVelocitabocca", "lblCoeffBalistico"};
    const char* nomiTitoli[] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label7"};
    PannelloDatiInForza::Voce voci[6];
    for (int i = 0; i < 6; ++i) voci[i] = {nomiTitoli[i], kTitoliDatiInForza[i], nomiValori[i]};
    auto* proiettile = datiProiettile_ = new PannelloDatiInForza(Frame3_, "fraDatiProiettile", voci, 60);
    proiettile->Griglia()->setVerticalSpacing(1);
    proiettile->Griglia()->setContentsMargins(6, 2, 6, 2);
    return proiettile;
}

// Free notes on the cartridge, printed with the table.
QWidget* frmInputDatiTraiet::CreaCartuccia() {
    auto* cartuccia = Crea<QGroupBox>(Frame3_, "fraDatiCartuccia", QStringLiteral("Dati Cartuccia"));
    auto* griglia4 = new QGridLayout(cartuccia);
    griglia4->setVerticalSpacing(1);
    griglia4->setContentsMargins(6, 2, 6, 2);
    const std::pair<const char*, const char*> note[] = {{"lblCalibro", "txtCalibro"}, {"Label6", "Text3"},
                                                        {"Label8", "Text2"},         {"Label9", "Text1"},
                                                        {"Label10", "Text4"},        {"Label11", "Text5"}};
    const QString* testiNote = kTitoliNote;
    for (int i = 0; i < 6; ++i) {
        griglia4->addWidget(Crea<QLabel>(cartuccia, note[i].first, testiNote[i]), i, 0);
        auto* casella = Crea<QLineEdit>(cartuccia, note[i].second);
        casella->setMinimumWidth(110);
        connect(casella, &QLineEdit::textChanged, this, [this, i](const QString& t) { prog_.Doc().ImpostaNota(i, t); });
        griglia4->addWidget(casella, i, 1);
    }
    return cartuccia;
}

QLayout* frmInputDatiTraiet::CreaOrologio() {
    auto* orologio = new QVBoxLayout;
    lblTime_ = Crea<QLabel>(Frame3_, "lblTime");
    lblData_ = Crea<QLabel>(Frame3_, "lblData");
    orologio->addWidget(lblTime_);
    orologio->addWidget(lblData_);
    orologio->addStretch();
    return orologio;
}

// Below: the table, and beside it the optimal zero distance, so that the
// whole height under the request goes to the table: the default table
// (0 to 500 m by 20, 26 rows) is in sight without scrolling.
QWidget* frmInputDatiTraiet::CreaRisultato() {
    risultato_ = new QWidget(Frame3_);
    auto* sotto = new QVBoxLayout(risultato_);
    sotto->setContentsMargins(0, 0, 0, 0);
    auto* shape = Crea<QFrame>(risultato_, "Shape1");
    shape->setFrameShape(QFrame::HLine);
    sotto->addWidget(shape);
    auto* tabellaEZero = new QHBoxLayout;
    sotto->addLayout(tabellaEZero, 1);
    modello_ = new ModelloTabella(this);
    MSFlexGrid1_ = Crea<QTableView>(risultato_, "MSFlexGrid1");
    tabellaEZero->addWidget(MSFlexGrid1_, 1);
    auto* zero = new QHBoxLayout;
    auto* lblDistZeroOK = Crea<QLabel>(risultato_, "lblDistZeroOK", Qs(kTestoDistanzaOttimale));
    lblDistZeroOK->setWordWrap(true);
    lblDistZeroOK->setFixedWidth(lblDistZeroOK->fontMetrics().horizontalAdvance(Qs(kTestoDistanzaOttimale)) / 2 + 24);
    zero->addWidget(lblDistZeroOK, 0, Qt::AlignTop);
    lblRisultDistZeroOK_ = Crea<QLabel>(risultato_, "lblRisultDistZeroOK");
    QFont grassetto = lblRisultDistZeroOK_->font();
    grassetto.setBold(true);
    lblRisultDistZeroOK_->setFont(grassetto);
    lblRisultDistZeroOK_->setMinimumWidth(lblRisultDistZeroOK_->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    zero->addWidget(lblRisultDistZeroOK_, 0, Qt::AlignBottom);
    auto* colonnaZero = new QVBoxLayout;
    colonnaZero->addLayout(zero);
    colonnaZero->addWidget(modelloCartellino_->Cartellino());
    colonnaZero->addWidget(modelloCartellino_->Giornata());
    // The card's summary in small type under the optimal zero.
    lblRiepilogo_ = Crea<QLabel>(risultato_, "lblRiepilogo");
    QFont piccolo = lblRiepilogo_->font();
    piccolo.setPointSizeF(std::max(8.0, piccolo.pointSizeF() - 1));
    lblRiepilogo_->setFont(piccolo);
    lblRiepilogo_->setWordWrap(true);
    lblRiepilogo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblRiepilogo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblRiepilogo_->setFixedWidth(lblDistZeroOK->width() + lblRiepilogo_->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    colonnaZero->addWidget(lblRiepilogo_);
    colonnaZero->addStretch();
    tabellaEZero->addLayout(colonnaZero);
    MSFlexGrid1_->setModel(modello_);
    MSFlexGrid1_->verticalHeader()->hide();
    MSFlexGrid1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Compact rows: the text line and two pixels.
    MSFlexGrid1_->verticalHeader()->setMinimumSectionSize(1);
    MSFlexGrid1_->verticalHeader()->setDefaultSectionSize(MSFlexGrid1_->fontMetrics().height() + 2);
    MSFlexGrid1_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    MSFlexGrid1_->setSelectionMode(QAbstractItemView::SingleSelection);
    MSFlexGrid1_->setSelectionBehavior(QAbstractItemView::SelectItems);
    // Tab and Shift+Tab go to the next and previous control; the arrows move in the grid.
    MSFlexGrid1_->setTabKeyNavigation(false);
    return risultato_;
}

// Tab goes through the top row left to right, then the table, then the
// card's choices beside it and the hunting day's under them.
void frmInputDatiTraiet::OrdineTab() {
    QWidget* prima = MSFlexGrid1_;
    const auto dopo = [&prima, this](QWidget* controllo) {
        setTabOrder(prima, controllo);
        prima = controllo;
    };
    for (Scelta s : {Scelta::Banda, Scelta::Soglie, Scelta::Correzione, Scelta::Click, Scelta::Pendio,
                     Scelta::VersoPendii})
        dopo(modelloCartellino_->Controllo(s));
    dopo(modelloCartellino_->Giornata()->findChild<QWidget*>(QStringLiteral("cmdSensibilita")));
    for (Scelta s : {Scelta::Sensibilita, Scelta::TempRiferimento, Scelta::TempCartuccia, Scelta::Anticipo,
                     Scelta::AngoloBersaglio})
        dopo(modelloCartellino_->Controllo(s));
    dopo(modelloCartellino_->Giornata()->findChild<QWidget*>(QStringLiteral("cmdCalibra")));
}

void frmInputDatiTraiet::CreaMenu() {
    // The choices live on this screen: they are saved from here as from the start screen.
    MenuFile(QStringLiteral("&File"),
             {{"mnuNuovaPalla", QStringLiteral("&Nuova palla - Salva dati"), [this] { mnuNuovaPalla_Click(); }},
              {"mnuSalvaConNome", QStringLiteral("Salva &con nome"), [this] { prog_.Doc().SalvaConNome(this); },
               QKeySequence::Save},
              {"mnuOpzioni", QStringLiteral("&Indietro ad \"Opzioni\""), [this] { mnuOpzioni_Click(); }},
              {"mnuStampa", QStringLiteral("&Stampa Tabella"), [this] { mnuStampa_Click(); }, QKeySequence::Print},
              {"mnuFileEsci", QStringLiteral("&Esci"), [this] { prog_.Esci(); }, QKeySequence::Quit}});
    // The menu "Tabella" after File: exports, copy and chart.
    azioni_ = new AzioniTabella(*this, prog_, *modello_, *MSFlexGrid1_);
}

void frmInputDatiTraiet::Form_Load() {
    AvviaOrologio(lblTime_, lblData_);
    modelloVisto_ = prog_.Doc().Opzioni().modello;
    Comprimi();
    MostraDatiProiettile();
    // The request shown is the document's; each edit goes back into it.
    MostraRichiesta();
    for (int i = 0; i < kCampiRichiesta; ++i) {
        const Campo campo = kCampi[static_cast<size_t>(kCampiIngresso + i)].campo;
        connect(richiesta_[i], &QLineEdit::textChanged, this,
                [this, campo](const QString& testo) { prog_.Doc().ImpostaTesto(campo, testo); });
    }
    connect(&prog_.Doc(), &Documento::campiCaricati, this, [this] {
        MostraRichiesta();
        modelloCartellino_->Mostra();
    });
    connect(&prog_.Doc(), &Documento::scelteCambiate, this, [this] { ScelteCambiate(); });
    connect(&prog_.Doc(), &Documento::pallaCambiata, this, [this] { MostraFunzioneCoefficiente(); });
    connect(modelloCartellino_, &PannelloModello::sensibilitaRichiesta, this, [this] { ApriSensibilita(); });
    connect(modelloCartellino_, &PannelloModello::calibraRichiesta, this, [this] { ApriCalibra(); });
    MostraFunzioneCoefficiente();
    // Enter in a box computes the table of the layout ticked (the first when none is).
    const auto invio = [this] {
        if (!optTabellaCampagna_->isChecked()) optTabellaVari_->setChecked(true);
        CalcolaTabella();
    };
    for (QLineEdit* casella : richiesta_) connect(casella, &QLineEdit::returnPressed, this, invio);
    for (QWidget* casella : modelloCartellino_->Caselle()) {
        auto* lista = qobject_cast<QComboBox*>(casella);
        if (QLineEdit* riga = lista ? lista->lineEdit() : qobject_cast<QLineEdit*>(casella))
            connect(riga, &QLineEdit::returnPressed, this, invio);
    }
    CalcolaAtmosfera(prog_.Dati());
}

// A choice changed: a model that does not fit the coefficient is told at
// once; a table in sight is computed again with the new choices, or taken
// out of sight when they cannot give one, and back as soon as they can (a
// "-" typed before "35" gives no table for a moment).
void frmInputDatiTraiet::ScelteCambiate() {
    const TipoModello modello = prog_.Doc().Opzioni().modello;
    if (modello != modelloVisto_) {
        modelloVisto_ = modello;
        if (const auto r = prog_.Doc().ControllaCoefficiente())
            prog_.Dlg().Avviso(this, Qs(r->titolo), Qs(r->messaggio));
    }
    RicalcolaInVista();
}

// The table in sight (or taken out of sight by a choice since) computed
// again; out of sight while that gives none.
void frmInputDatiTraiet::RicalcolaInVista() {
    if (!espanso_ && !sospesa_) return;
    const bool calcolata = CalcolaTabella(false);
    if (!calcolata && espanso_) Comprimi();
    sospesa_ = !calcolata;
}

// The sensitivity's calculator; the sensitivity used goes into its box (and
// so into the document).
void frmInputDatiTraiet::ApriSensibilita() {
    auto* finestra = new FinestraSensibilita(this, prog_.Dlg(), prog_.Separatore());
    connect(finestra, &FinestraSensibilita::usa, this, [this](const QString& sensibilita) {
        prog_.Doc().ImpostaScelta(Scelta::Sensibilita, sensibilita);
        modelloCartellino_->Mostra();
    });
    finestra->open();
}

// The truing: computed from the request and choices in force; the velocity
// used becomes the typed one, and the one before comes back on Annulla.
void frmInputDatiTraiet::ApriCalibra() {
    const QString prima = prog_.Doc().Testo(Campo::VelocitaBocca);
    const float primaVelocita = prog_.Dati().VelocitaBocca;
    const auto calcolo = [this](const QString& distanza, const QString& scarto) { return Calibra(distanza, scarto); };
    auto* finestra = new FinestraCalibra(this, prog_.Dlg(), prog_.Separatore(), calcolo);
    connect(finestra, &FinestraCalibra::usa, this,
            [this](const QString& velocita) { UsaVelocita(velocita, S(LeggiNumero(Std(velocita)))); });
    connect(finestra, &FinestraCalibra::annulla, this,
            [this, prima, primaVelocita] { UsaVelocita(prima, primaVelocita); });
    finestra->open();
}

std::variant<Calibrazione, Rifiuto> frmInputDatiTraiet::Calibra(const QString& distanza, const QString& scarto) {
    RichiestaTabella richiesta;
    if (const auto rifiuto = LeggiRichiestaEScelte(richiesta)) return *rifiuto;
    return CalibraDaTesti(prog_.Dati(), richiesta, prog_.Doc().Opzioni(), Std(distanza), Std(scarto));
}

// A muzzle velocity put in the user's place: its text in the document (the
// start screen shows it), the record's velocity and drag, the labels, and
// the table in sight computed again.
void frmInputDatiTraiet::UsaVelocita(const QString& testo, float velocita) {
    prog_.Doc().SostituisciTesto(Campo::VelocitaBocca, testo);
    ShotData& d = prog_.Dati();
    d.VelocitaBocca = velocita;
    CalcolaResistenza(d);
    MostraDatiProiettile();
    RicalcolaInVista();
}

void frmInputDatiTraiet::MostraRichiesta() {
    const QStringList testi = prog_.Doc().TestiRichiesta();
    for (int i = 0; i < kCampiRichiesta; ++i) richiesta_[i]->setText(testi[i]);
}

void frmInputDatiTraiet::MostraDatiProiettile() {
    datiProiettile_->Mostra(prog_.Dati(), prog_.Separatore());
}

// The coefficient's caption names its drag function ("Coeff. balistico G1").
void frmInputDatiTraiet::MostraFunzioneCoefficiente() {
    datiProiettile_->findChild<QLabel*>(QStringLiteral("Label7"))
        ->setText(kTitoliDatiInForza[5] + QLatin1Char(' ') +
                  QString::fromLatin1(NomeFunzione(prog_.Doc().FunzioneCoefficiente())));
}

// The window as tall as its layout asks: the request alone, or with the
// table under it; every control keeps its own height.
void frmInputDatiTraiet::Comprimi() {
    espanso_ = false;
    sospesa_ = false;
    risultato_->hide();
    lblRiepilogo_->clear();
    if (azioni_) azioni_->TabellaNascosta();
    AdattaAltezza();
}

void frmInputDatiTraiet::Espandi() {
    espanso_ = true;
    risultato_->show();
    AdattaAltezza();
    show();
}

void frmInputDatiTraiet::AdattaAltezza() {
    // The layouts asked again at once, from the inside out: the window's
    // least height is then the new one, and the window can shrink to it.
    for (QWidget* w : {static_cast<QWidget*>(Frame3_), centralWidget(), static_cast<QWidget*>(this)}) {
        w->layout()->invalidate();
        w->layout()->activate();
    }
    resize(width(), sizeHint().height());
}

// The request typed, then the choices: the first refusal, if any.
std::optional<Rifiuto> frmInputDatiTraiet::LeggiRichiestaEScelte(RichiestaTabella& richiesta) const {
    const Documento& doc = prog_.Doc();
    std::optional<Rifiuto> rifiuto = LeggiRichiesta(TestiRichiestaDi(doc.Campi()), richiesta);
    if (!rifiuto) rifiuto = doc.SceltaRifiutata();
    if (!rifiuto) rifiuto = doc.ControllaCoefficiente();
    return rifiuto;
}

bool frmInputDatiTraiet::LeggiDatiTabella(bool conMessaggi) {
    ShotData& d = prog_.Dati();
    RichiestaTabella richiesta;
    // A request or a choice the model cannot compute is refused before anything changes.
    std::optional<Rifiuto> rifiuto = LeggiRichiestaEScelte(richiesta);
    if (!rifiuto) {
        auto esito = TabellaCalcolata::Calcola(d, richiesta, prog_.Doc().Opzioni());
        if (auto* r = std::get_if<Rifiuto>(&esito)) rifiuto = *r;
        else tabella_ = std::get<TabellaCalcolata>(std::move(esito));
    }
    if (rifiuto) {
        if (conMessaggi) prog_.Dlg().Avviso(this, Qs(rifiuto->titolo), Qs(rifiuto->messaggio));
        return false;
    }
    d = tabella_->Dati();  // the request stored and the rifle zeroed, as every screen reads them
    const auto ottimale = tabella_->DistanzaOttimale();
    lblRisultDistZeroOK_->setText(ottimale ? Qs(TestoIntero(*ottimale)) : QStringLiteral("-"));
    return true;
}

// The layout's eight columns, then the extra ones the compact grid shows
// (ColonneAggiunte: the clicks, the slope, the leads), their long names on
// lines of their own, so the window stays narrow.
void frmInputDatiTraiet::ImpostaGrigliaTabelle(TipoTabella tipo, const ColonneAggiunte& aggiunte) {
    QStringList intestazioni = ComeLista(Intestazioni(tipo, PendiiInDiscesa(tabella_->Opzioni())));
    for (const ColonnaAggiunta& c : aggiunte.Colonne())
        if (c.griglia) intestazioni << RigheIntestazioneStretta(Qs(c.intestazione)).join(QLatin1Char('\n'));
    modello_->Imposta(intestazioni, NumeroRighe(prog_.Dati()).value_or(0));
    MSFlexGrid1_->show();
}

bool frmInputDatiTraiet::CalcolaTabella(bool conMessaggi) {
    if (!LeggiDatiTabella(conMessaggi)) {
        RimettiSpunta();
        return false;
    }
    opzioneMostrata_ = optTabellaVari_->isChecked() ? optTabellaVari_ : optTabellaCampagna_;
    const TipoTabella tipo = optTabellaVari_->isChecked() ? TipoTabella::Vari : TipoTabella::Campagna;
    const std::string sep = Std(prog_.Separatore());
    const ColonneAggiunte aggiunte(tabella_->Opzioni(), sep);
    ImpostaGrigliaTabelle(tipo, aggiunte);
    std::vector<bool> inGriglia;
    for (const ColonnaAggiunta& c : aggiunte.Colonne()) inGriglia.push_back(c.griglia);
    std::vector<std::string> altre;
    tabella_->Righe([&](const ShotData& riga) {
        QStringList celle = ComeLista(CelleTabella(tipo, riga, sep));
        aggiunte.Celle(riga, altre);
        for (size_t i = 0; i < altre.size(); ++i)
            if (inGriglia[i]) celle << Qs(altre[i]);
        modello_->AggiungiRiga(celle);
    });
    modello_->Completa();
    MostraRiepilogo();
    AdattaGriglia();
    Espandi();
    azioni_->TabellaMostrata(*tabella_, tipo);
    return true;
}

// Each column starts as wide as its header. The grid at least as wide as its
// columns, so no scroll bar takes the last row's place, and as tall as the
// default table.
void frmInputDatiTraiet::AdattaGriglia() {
    QHeaderView* intestazione = MSFlexGrid1_->horizontalHeader();
    for (int c = 0; c < modello_->columnCount(); ++c)
        intestazione->resizeSection(
            c, intestazione->fontMetrics().size(0, modello_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()).width() + 16);
    const int cornice = 2 * MSFlexGrid1_->frameWidth();
    MSFlexGrid1_->setMinimumWidth(intestazione->length() + cornice);
    MSFlexGrid1_->setMinimumHeight(intestazione->sizeHint().height() +
                                   kRigheInVista * MSFlexGrid1_->verticalHeader()->defaultSectionSize() + cornice);
}

// The card's summary of the table, without the optimal zero the label beside
// the table already shows.
void frmInputDatiTraiet::MostraRiepilogo() {
    Riepilogo riepilogo = ComponiRiepilogo(*tabella_, prog_.Doc().Opzioni(), Std(prog_.Separatore()));
    riepilogo.zeroOttimale.clear();
    QStringList righe;
    for (const std::string& frase : riepilogo.Righe()) righe << Qs(frase);
    lblRiepilogo_->setText(righe.join('\n'));
}

// The tick goes back to the layout of the table still in the grid (none
// before the first table), so the screen and its print never show one layout
// ticked over the other's table.
void frmInputDatiTraiet::RimettiSpunta() {
    if (opzioneMostrata_) return opzioneMostrata_->setChecked(true);
    for (OpzioneDoppioClick* o : {optTabellaVari_, optTabellaCampagna_}) {
        o->setAutoExclusive(false);
        o->setChecked(false);
        o->setAutoExclusive(true);
    }
}

void frmInputDatiTraiet::mnuOpzioni_Click() {
    Comprimi();
    prog_.VaiAOpzioni(this);
}

void frmInputDatiTraiet::mnuNuovaPalla_Click() {
    Comprimi();
    prog_.VaiAdAvvio(this);
}

void frmInputDatiTraiet::mnuStampa_Click() {
    // The report drawn into the print job (text and lines, every row of the
    // table on as many pages as it needs), after the printer dialog.
    azioni_->Stampa();
}
