#include "pannellomodello.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "documento.h"
#include "widget.h"

using namespace rigata;

namespace {

// The bands offered; any other within the choice's range can be typed.
const std::pair<double, const char*> kBande[] = {{4, "±4 cm (GEE)"}, {5, "±5 cm"}, {6, "±6 cm"}};

// A name of a choice (its position in the list) as the reader takes it.
QString NomeScelto(Scelta s, int indice) {
    const auto& nomi = Definizione(s).nomi;
    return indice >= 0 && static_cast<size_t>(indice) < nomi.size() && nomi[static_cast<size_t>(indice)]
               ? QString::fromLatin1(nomi[static_cast<size_t>(indice)])
               : QString();
}

// The band as typed or picked: the list's "±" and "cm" dropped.
QString TestoBanda(QString t) { return t.remove(QStringLiteral("(GEE)")).remove(QChar(0xB1)).remove(QStringLiteral("cm")); }

// The pairs as the choice's writer gives them.
QString TestoCoppie(const std::vector<CoppiaVelocita>& coppie) {
    Scelte s;
    s.coppie = coppie;
    return Qs(TestoScelta(Scelta::Coppie, s));
}

}  // namespace

PannelloModello::PannelloModello(Documento& documento, QWidget* padre, QGridLayout* griglia, int riga,
                                 QWidget* padreCartellino)
    : QObject(padre), doc_(documento) {
    CreaModello(padre, griglia, riga);
    CreaCartellino(padreCartellino);
    CreaGiornata(padreCartellino);
    const std::pair<Scelta, QWidget*> voci[] = {
        {Scelta::Modello, cboModello_},         {Scelta::Coppie, chkCoppie_}, {Scelta::Banda, cboBanda_},
        {Scelta::Correzione, cboUnita_},        {Scelta::Click, cboClick_},   {Scelta::VersoPendii, cboVersoPendii_}};
    for (const auto& [scelta, controllo] : voci) voci_.push_back({scelta, controllo, controllo->toolTip()});
    for (const auto& [scelta, casella] : caselle_) voci_.push_back({scelta, casella, casella->toolTip()});
    Mostra();
    Collega();
}

namespace {
// A titled frame of padre (in cornice) with its compact grid.
QGridLayout* Cornice(QWidget* padre, const char* nome, const char* titolo, QGroupBox*& cornice) {
    cornice = Crea<QGroupBox>(padre, nome, QString::fromUtf8(titolo));
    auto* griglia = new QGridLayout(cornice);
    griglia->setVerticalSpacing(1);
    griglia->setContentsMargins(6, 2, 6, 2);
    return griglia;
}
void Etichetta(QGridLayout* griglia, QWidget* padre, const char* nome, const QString& testo, QWidget* compagno,
               int riga, int colonna) {
    auto* etichetta = Crea<QLabel>(padre, nome, testo);
    etichetta->setBuddy(compagno);
    griglia->addWidget(etichetta, riga, colonna);
    griglia->addWidget(compagno, riga, colonna + 1);
}
}  // namespace

// A box of a choice typed as text, with its caption before it, in griglia
// at (riga, colonna) of the grid's parent.
QLineEdit* PannelloModello::Casella(QGridLayout* griglia, const CasellaScelta& c, int riga, int colonna) {
    QWidget* padre = griglia->parentWidget();
    auto* casella = Crea<QLineEdit>(padre, c.nome);
    CampoNumerico(casella);
    UnaRiga(casella);
    casella->setFixedWidth(casella->fontMetrics().horizontalAdvance(QString(c.caratteri, QLatin1Char('0'))) + 14);
    casella->setToolTip(QString::fromUtf8(c.aiuto));
    Etichetta(griglia, padre, c.nomeEtichetta, QString::fromUtf8(c.etichetta), casella, riga, colonna);
    caselle_.push_back({c.scelta, casella});
    return casella;
}

// The model, and under it what only the point mass reads.
void PannelloModello::CreaModello(QWidget* padre, QGridLayout* griglia, int riga) {
    cboModello_ = Crea<QComboBox>(padre, "cboModello");
    for (TipoModello m : {TipoModello::Classico, TipoModello::G1, TipoModello::G7})
        cboModello_->addItem(QString::fromUtf8(NomeModello(m)));
    auto* etichetta = Crea<QLabel>(padre, "lblModello", QStringLiteral("&Modello"));
    etichetta->setBuddy(cboModello_);
    griglia->addWidget(etichetta, riga, 0);
    griglia->addWidget(cboModello_, riga, 1, 1, 3);
    Casella(griglia, {Scelta::Pressione, "txtPressione", 6, "lblPressione", "&Pressione hPa",
                      "pressione alla stazione in hPa; vuota: l'atmosfera standard alla quota"},
            riga + 1, 0);
    Casella(griglia, {Scelta::Umidita, "txtUmidita", 4, "lblUmidita", "&Umidità %",
                      "umidità relativa dell'aria in %, da 0 a 100"},
            riga + 1, 2);
    Casella(griglia, {Scelta::AngoloVento, "txtAngoloVento", 4, "lblAngoloVento", "&Vento da °",
                      "direzione da cui viene il vento, in gradi: 90 = di traverso, 0 = da dietro, 180 = contrario"},
            riga + 2, 0);
    chkCoppie_ = Crea<QCheckBox>(padre, "chkCoppie", QStringLiteral("usa le &coppie velocità-CB"));
    chkCoppie_->setToolTip(QStringLiteral("coefficiente balistico dalle coppie velocità-CB (G1) della palla scelta; "
                                          "solo con il modello Punto materiale G1"));
    griglia->addWidget(chkCoppie_, riga + 3, 0, 1, 4);
}

// The hunter's band, energy thresholds, scope unit and click.
void PannelloModello::CreaCartellino(QWidget* padre) {
    QGridLayout* griglia = Cornice(padre, "fraCartellino", "Cartellino", fraCartellino_);
    padre = fraCartellino_;
    cboBanda_ = Crea<QComboBox>(padre, "cboBanda");
    cboBanda_->setEditable(true);
    cboBanda_->setInsertPolicy(QComboBox::NoInsert);
    cboBanda_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const auto& [banda, testo] : kBande) cboBanda_->addItem(QString::fromUtf8(testo));
    cboBanda_->setToolTip(QStringLiteral("banda accettata sopra e sotto la linea di mira: da 2 a 15 cm"));
    Etichetta(griglia, padre, "lblBanda", QStringLiteral("&Banda"), cboBanda_, 0, 0);
    Casella(griglia, {Scelta::Soglie, "txtSoglie", 10, "lblSoglie", "Soglie &J",
                      "soglie di energia in joule, numeri interi separati da virgole o spazi"},
            1, 0);
    cboUnita_ = Crea<QComboBox>(padre, "cboUnita");
    cboUnita_->addItem(QStringLiteral("nessuna"));
    for (UnitaCorrezione u : {UnitaCorrezione::Cm100, UnitaCorrezione::Mrad, UnitaCorrezione::Moa})
        cboUnita_->addItem(Qs(NomeUnita(u)));
    cboUnita_->setToolTip(QStringLiteral("unità delle correzioni del cannocchiale"));
    Etichetta(griglia, padre, "lblUnitaMira", QStringLiteral("&Ottica"), cboUnita_, 2, 0);
    cboClick_ = Crea<QComboBox>(padre, "cboClick");
    cboClick_->setEditable(true);
    cboClick_->setInsertPolicy(QComboBox::NoInsert);
    cboClick_->setMinimumContentsLength(9);
    cboClick_->setToolTip(QStringLiteral("quanto vale un click nell'unità scelta"));
    Etichetta(griglia, padre, "lblClick", QStringLiteral("C&lick"), cboClick_, 3, 0);
}

// The hunting day: a slope for its own column and the direction of the
// field table's slopes; the powder's sensitivity and temperatures, with the
// calculator of the sensitivity; the speeds and angle of running game; the
// truing of the muzzle velocity.
void PannelloModello::CreaGiornata(QWidget* padre) {
    QGridLayout* griglia = Cornice(padre, "fraGiornata", "Giornata di caccia", fraGiornata_);
    padre = fraGiornata_;
    Casella(griglia, {Scelta::Pendio, "txtPendio", 4, "lblPendio", "P&endio °",
                      "pendio del tiro in gradi, da -60 (in discesa) a 60 (in salita): aggiunge la colonna dello "
                      "scarto a quel pendio; vuota: nessuna colonna"},
            0, 0);
    cboVersoPendii_ = Crea<QComboBox>(padre, "cboVersoPendii");
    cboVersoPendii_->addItems({QStringLiteral("pendii in salita"), QStringLiteral("pendii in discesa")});
    cboVersoPendii_->setToolTip(
        QStringLiteral("verso dei pendii della tabella di campagna con il punto materiale"));
    griglia->addWidget(cboVersoPendii_, 0, 2, 1, 2);
    Casella(griglia, {Scelta::Sensibilita, "txtSensibilita", 5, "lblSensibilita", "&Sensibilità m/s/°C",
                      "m/s che la velocità alla bocca guadagna per ogni °C in più della cartuccia; 0: nessuna "
                      "correzione"},
            1, 0);
    cmdSensibilita_ = Crea<QPushButton>(padre, "cmdSensibilita", QStringLiteral("Da &due letture..."));
    cmdSensibilita_->setToolTip(QStringLiteral("ricava la sensibilità da due velocità a due temperature"));
    griglia->addWidget(cmdSensibilita_, 1, 2, 1, 2);
    Casella(griglia, {Scelta::TempRiferimento, "txtTempRiferimento", 4, "lblTempRiferimento", "Velocità &a °C",
                      "temperatura della cartuccia a cui vale la velocità alla bocca scritta"},
            2, 0);
    Casella(griglia, {Scelta::TempCartuccia, "txtTempCartuccia", 4, "lblTempCartuccia", "Ca&rtuccia °C",
                      "temperatura della cartuccia al tiro; vuota: quella dell'aria"},
            2, 2);
    Casella(griglia, {Scelta::Anticipo, "txtAnticipo", 8, "lblAnticipo", "Corsa &km/h",
                      "fino a 3 velocità dell'animale in km/h, separate da virgole o spazi: aggiunge le colonne "
                      "dell'anticipo"},
            3, 0);
    Casella(griglia, {Scelta::AngoloBersaglio, "txtAngoloBersaglio", 3, "lblAngoloBersaglio", "An&golo °",
                      "angolo fra la corsa dell'animale e la linea di mira: 90 = di traverso"},
            3, 2);
    cmdCalibra_ = Crea<QPushButton>(padre, "cmdCalibra", QStringLiteral("Cal&ibra velocità..."));
    cmdCalibra_->setToolTip(QStringLiteral("ricava la velocità alla bocca dallo scarto visto sul bersaglio"));
    griglia->addWidget(cmdCalibra_, 4, 0, 1, 4, Qt::AlignLeft);
    connect(cmdSensibilita_, &QPushButton::clicked, this, &PannelloModello::sensibilitaRichiesta);
    connect(cmdCalibra_, &QPushButton::clicked, this, &PannelloModello::calibraRichiesta);
}

void PannelloModello::Collega() {
    connect(cboModello_, &QComboBox::currentIndexChanged, this, [this](int i) {
        Imposta(Scelta::Modello, NomeScelto(Scelta::Modello, i));
        // The pairs are G1: never offered with the G7 model.
        if (doc_.Opzioni().modello == TipoModello::G7 && !doc_.Opzioni().coppie.empty()) Imposta(Scelta::Coppie, {});
        Mostra();
    });
    connect(cboUnita_, &QComboBox::currentIndexChanged, this, [this](int i) {
        Imposta(Scelta::Correzione, NomeScelto(Scelta::Correzione, i));
        MostraClick();  // a new unit brings back its usual click
    });
    for (const auto& [scelta, casella] : caselle_)
        connect(casella, &QLineEdit::textChanged, this, [this, s = scelta](const QString& t) { Imposta(s, t); });
    connect(cboVersoPendii_, &QComboBox::currentIndexChanged, this,
            [this](int i) { Imposta(Scelta::VersoPendii, NomeScelto(Scelta::VersoPendii, i)); });
    connect(&doc_, &Documento::scelteCambiate, this, [this] { Abilita(); });
    connect(cboBanda_, &QComboBox::currentTextChanged, this,
            [this](const QString& t) { Imposta(Scelta::Banda, TestoBanda(t)); });
    connect(cboClick_, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        // The unit's name after the number is the list's; the usual click is no choice.
        const UnitaCorrezione unita = doc_.Opzioni().unita;
        QString click = QString(t).remove(Qs(NomeUnita(unita))).trimmed();
        Scelte letta;
        if (!LeggiScelta(Scelta::Click, Std(click), letta) && letta.click == ClickPredefinito(unita)) click.clear();
        Imposta(Scelta::Click, click);
    });
    connect(chkCoppie_, &QCheckBox::toggled, this,
            [this](bool si) { Imposta(Scelta::Coppie, si ? TestoCoppie(doc_.CoppiePalla()) : QString()); });
    connect(&doc_, &Documento::pallaCambiata, this, [this] { Abilita(); });
}

void PannelloModello::Imposta(Scelta scelta, const QString& testo) {
    if (mostrando_) return;
    const auto rifiuto = doc_.ImpostaScelta(scelta, testo);
    Segna(scelta, rifiuto ? Qs(rifiuto->messaggio) : QString());
}

// A refused text: the box tinted, the refusal its tooltip, until mended.
void PannelloModello::Segna(Scelta scelta, const QString& rifiuto) {
    for (Voce& v : voci_) {
        if (v.scelta != scelta) continue;
        v.controllo->setProperty("rifiutata", !rifiuto.isEmpty());
        v.controllo->setStyleSheet(rifiuto.isEmpty() ? QString() : QStringLiteral("background: #ffd8d8;"));
        v.controllo->setToolTip(rifiuto.isEmpty() ? v.aiuto : rifiuto);
    }
}

QList<QWidget*> PannelloModello::Caselle() const {
    QList<QWidget*> caselle{cboBanda_, cboClick_};
    for (const auto& [scelta, casella] : caselle_) caselle << casella;
    return caselle;
}

QWidget* PannelloModello::Controllo(Scelta scelta) const {
    for (const Voce& v : voci_)
        if (v.scelta == scelta) return v.controllo;
    return nullptr;
}

void PannelloModello::Mostra() {
    const bool prima = mostrando_;
    mostrando_ = true;
    const Scelte& o = doc_.Opzioni();
    cboModello_->setCurrentIndex(static_cast<int>(o.modello));
    for (const auto& [scelta, casella] : caselle_) casella->setText(Qs(TestoScelta(scelta, o)));
    cboVersoPendii_->setCurrentIndex(static_cast<int>(o.versoPendii));
    chkCoppie_->setChecked(!o.coppie.empty());
    QString banda = Qs(TestoScelta(Scelta::Banda, o));
    for (const auto& [b, testo] : kBande)
        if (b == o.banda) banda = QString::fromUtf8(testo);
    cboBanda_->setEditText(banda);
    cboUnita_->setCurrentIndex(static_cast<int>(o.unita));
    MostraClick();
    for (const Voce& v : voci_) Segna(v.scelta, {});
    Abilita();
    mostrando_ = prima;
}

// The clicks offered for the unit in force, the document's one shown.
void PannelloModello::MostraClick() {
    const bool prima = mostrando_;
    mostrando_ = true;
    const Scelte& o = doc_.Opzioni();
    cboClick_->clear();
    AbilitaConEtichetta(cboClick_, o.unita != UnitaCorrezione::Nessuna);
    const QString unita = QLatin1Char(' ') + Qs(NomeUnita(o.unita));
    switch (o.unita) {
        case UnitaCorrezione::Cm100: cboClick_->addItem(QStringLiteral("1") + unita); break;
        case UnitaCorrezione::Mrad: cboClick_->addItem(QStringLiteral("0.1") + unita); break;
        case UnitaCorrezione::Moa: cboClick_->addItems({QStringLiteral("1/4") + unita, QStringLiteral("1/8") + unita}); break;
        case UnitaCorrezione::Nessuna: break;
    }
    if (o.unita == UnitaCorrezione::Moa && o.click == 0.125) cboClick_->setCurrentIndex(1);
    else if (o.unita != UnitaCorrezione::Nessuna && o.click) cboClick_->setEditText(Qs(TestoScelta(Scelta::Click, o)) + unita);
    mostrando_ = prima;
}

// A box only where its choice counts (NonConta: the point mass's inputs with
// the point mass, the powder's temperatures with a sensitivity, the angle
// with target speeds, the click with a unit); the pairs only with G1 and
// when there are some to use.
void PannelloModello::Abilita() {
    const Scelte& o = doc_.Opzioni();
    for (const Voce& v : voci_)
        if (v.scelta != Scelta::Coppie) AbilitaConEtichetta(v.controllo, !NonConta(v.scelta, o, UsoScelte::Schermo));
    chkCoppie_->setEnabled(o.modello == TipoModello::G1 && (!doc_.CoppiePalla().empty() || !o.coppie.empty()));
}
