#include "pannellomodello.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <cmath>
#include <variant>

#include "caratteri.h"
#include "cartellino.h"
#include "documento.h"
#include "numeri.h"
#include "tabellacalcolata.h"
#include "widget.h"

using namespace rigata;

namespace {

const TipoModello kModelli[] = {TipoModello::Classico, TipoModello::G1, TipoModello::G7};
const UnitaCorrezione kUnita[] = {UnitaCorrezione::Nessuna, UnitaCorrezione::Cm100, UnitaCorrezione::Mrad,
                                  UnitaCorrezione::Moa};
// The bands offered; any other from kBandaMinima to kBandaMassima can be typed.
const std::pair<double, const char*> kBande[] = {{4, "±4 cm (GEE)"}, {5, "±5 cm"}, {6, "±6 cm"}};



// The value of a box, or why it is refused: a decimal comma (the program's
// usual refusal), then anything that is not a number. nome is the box as the
// messages call it, aiuto what to type.
std::variant<double, Rifiuto> Valore(const std::string& testo, const char* nome, const char* aiuto) {
    if (VirgolaDecimale(testo)) return RifiutoVirgola(nome, testo);
    if (const auto v = LeggiNumeroScritto(testo)) return *v;
    return Rifiuto{"CAMBIA VALORE!!", std::string(nome) + ": \"" + std::string(SenzaBianchi(testo)) + "\" non è un numero; scrivere " + aiuto};
}

// The model's three numbers, each checked alone against its range
// (ControllaDatiModello), so that the refusal names its own box.
using Assegna = void (*)(DatiModello&, std::optional<double>);
std::optional<Rifiuto> LeggiNumeroModello(const QLineEdit* casella, const char* nome, const char* aiuto,
                                          Assegna assegna, OpzioniFile& o) {
    const std::string testo = Std(casella->text());
    DatiModello solo;
    if (std::string(SenzaBianchi(testo)).empty()) {  // empty: the default (the standard pressure at the altitude)
        assegna(o.modello, std::nullopt);
        return std::nullopt;
    }
    const auto v = Valore(testo, nome, aiuto);
    if (auto* r = std::get_if<Rifiuto>(&v)) return *r;
    assegna(solo, std::get<double>(v));
    if (auto r = ControllaDatiModello(solo)) return r;
    assegna(o.modello, std::get<double>(v));
    return std::nullopt;
}

std::optional<Rifiuto> LeggiBandaDi(const QString& testo, OpzioniFile& o) {
    QString t = testo;
    t.remove(QStringLiteral("(GEE)")).remove(QChar(0xB1)).remove(QStringLiteral("cm"));
    const auto v = Valore(Std(t), "banda di tiro utile", "i centimetri sopra e sotto la linea di mira (per esempio 4 o 4.5)");
    if (auto* r = std::get_if<Rifiuto>(&v)) return *r;
    const double banda = std::get<double>(v);
    if (!(banda >= kBandaMinima && banda <= kBandaMassima))
        return Rifiuto{"CAMBIA VALORE!!", "banda di tiro utile consentita tra 2 e 15 cm; scrivere i centimetri "
                                          "sopra e sotto la linea di mira (per esempio 4 o 4.5)"};
    o.cartellino.banda = banda;
    return std::nullopt;
}

// Thresholds separated by semicolons or blanks (a comma would be read as a
// decimal comma and is refused as one); none at all is allowed.
std::optional<Rifiuto> LeggiSoglieDi(const QString& testo, OpzioniFile& o) {
    std::vector<double> soglie;
    for (const QString& parte : testo.split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts)) {
        auto v = Valore(Std(parte), "soglie di energia",
                              "le energie in joule separate da punto e virgola (per esempio 1000; 2000)");
        if (auto* r = std::get_if<Rifiuto>(&v)) {
            if (r->titolo == "USA IL PUNTO!!") r->messaggio += "; più soglie si separano con il punto e virgola";
            return *r;
        }
        const double soglia = std::get<double>(v);
        if (!(soglia > 0 && soglia <= 1e9))
            return Rifiuto{"CAMBIA VALORE!!", "soglie di energia: ogni soglia deve essere sopra lo zero; scrivere le "
                                              "energie in joule separate da punto e virgola (per esempio 1000; 2000)"};
        soglie.push_back(soglia);
    }
    o.cartellino.soglie = soglie;
    return std::nullopt;
}

// A click in the unit: a number or a fraction ("0.1", "1/4"), the unit's name
// after it allowed. The unit's usual click is stored as 0 (the default).
std::optional<Rifiuto> LeggiClickDi(const QString& testo, OpzioniFile& o) {
    const UnitaCorrezione u = o.cartellino.unita;
    if (u == UnitaCorrezione::Nessuna) return std::nullopt;
    const std::string t = std::string(SenzaBianchi(Std(QString(testo).remove(Qs(NomeUnita(u))))));
    const std::string aiuto = "quanto vale un click in " + NomeUnita(u) + ", sopra lo zero (per esempio 0.1, 1/4 o 1/8)";
    if (VirgolaDecimale(t)) return RifiutoVirgola("valore del click", t);
    const auto v = rigata::LeggiClick(t);
    if (!std::holds_alternative<double>(v))
        return Rifiuto{"CAMBIA VALORE!!", "valore del click: \"" + t + "\" non è valido; scrivere " + aiuto};
    const double click = std::get<double>(v);
    o.cartellino.click = click == ClickPredefinito(u) ? 0 : click;
    return std::nullopt;
}

}  // namespace

PannelloModello::PannelloModello(Documento& documento, QWidget* padre, QGridLayout* griglia, int riga,
                                 QWidget* padreCartellino)
    : QObject(padre), doc_(documento) {
    CreaModello(padre, griglia, riga);
    CreaCartellino(padreCartellino);
    Mostra();
    Collega();
}

namespace {
QLineEdit* CasellaPiccola(QWidget* padre, const char* nome, int caratteri) {
    auto* casella = Crea<QLineEdit>(padre, nome);
    CampoNumerico(casella);
    UnaRiga(casella);
    casella->setFixedWidth(casella->fontMetrics().horizontalAdvance(QString(caratteri, QLatin1Char('0'))) + 14);
    return casella;
}
void Etichetta(QGridLayout* griglia, QWidget* padre, const char* nome, const QString& testo, QWidget* compagno,
               int riga, int colonna) {
    auto* etichetta = Crea<QLabel>(padre, nome, testo);
    etichetta->setBuddy(compagno);
    griglia->addWidget(etichetta, riga, colonna);
    griglia->addWidget(compagno, riga, colonna + 1);
}
}  // namespace

// The model, and under it what only the point mass reads.
void PannelloModello::CreaModello(QWidget* padre, QGridLayout* griglia, int riga) {
    cboModello_ = Crea<QComboBox>(padre, "cboModello");
    for (TipoModello m : kModelli) cboModello_->addItem(QString::fromUtf8(NomeModello(m)));
    auto* etichetta = Crea<QLabel>(padre, "lblModello", QStringLiteral("&Modello"));
    etichetta->setBuddy(cboModello_);
    griglia->addWidget(etichetta, riga, 0);
    griglia->addWidget(cboModello_, riga, 1, 1, 3);
    txtPressione_ = CasellaPiccola(padre, "txtPressione", 6);
    txtPressione_->setToolTip(QStringLiteral("pressione alla stazione in hPa; vuota: l'atmosfera standard alla quota"));
    Etichetta(griglia, padre, "lblPressione", QStringLiteral("&Pressione hPa"), txtPressione_, riga + 1, 0);
    txtUmidita_ = CasellaPiccola(padre, "txtUmidita", 4);
    txtUmidita_->setToolTip(QStringLiteral("umidità relativa dell'aria in %, da 0 a 100"));
    Etichetta(griglia, padre, "lblUmidita", QStringLiteral("&Umidità %"), txtUmidita_, riga + 1, 2);
    txtAngoloVento_ = CasellaPiccola(padre, "txtAngoloVento", 4);
    txtAngoloVento_->setToolTip(
        QStringLiteral("direzione da cui viene il vento, in gradi: 90 = di traverso, 0 = da dietro, 180 = contrario"));
    Etichetta(griglia, padre, "lblAngoloVento", QStringLiteral("&Vento da °"), txtAngoloVento_, riga + 2, 0);
    chkCoppie_ = Crea<QCheckBox>(padre, "chkCoppie", QStringLiteral("usa le &coppie velocità-CB"));
    chkCoppie_->setToolTip(QStringLiteral("coefficiente balistico dalle coppie velocità-CB della palla scelta"));
    griglia->addWidget(chkCoppie_, riga + 3, 0, 1, 4);
}

// The hunter's band, energy thresholds, scope unit and click.
void PannelloModello::CreaCartellino(QWidget* padre) {
    fraCartellino_ = Crea<QGroupBox>(padre, "fraCartellino", QStringLiteral("Cartellino"));
    auto* griglia = new QGridLayout(fraCartellino_);
    griglia->setVerticalSpacing(1);
    griglia->setContentsMargins(6, 2, 6, 2);
    padre = fraCartellino_;
    cboBanda_ = Crea<QComboBox>(padre, "cboBanda");
    cboBanda_->setEditable(true);
    cboBanda_->setInsertPolicy(QComboBox::NoInsert);
    cboBanda_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const auto& [banda, testo] : kBande) cboBanda_->addItem(QString::fromUtf8(testo));
    cboBanda_->setToolTip(QStringLiteral("banda accettata sopra e sotto la linea di mira: da 2 a 15 cm"));
    Etichetta(griglia, padre, "lblBanda", QStringLiteral("&Banda"), cboBanda_, 0, 0);
    txtSoglie_ = CasellaPiccola(padre, "txtSoglie", 10);
    txtSoglie_->setToolTip(QStringLiteral("soglie di energia in joule, separate da punto e virgola"));
    Etichetta(griglia, padre, "lblSoglie", QStringLiteral("Soglie &J"), txtSoglie_, 1, 0);
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

void PannelloModello::Collega() {
    connect(cboModello_, &QComboBox::currentIndexChanged, this, [this] { AbilitaModello(), Aggiorna(); });
    connect(cboUnita_, &QComboBox::currentIndexChanged, this, [this] {
        if (mostrando_) return;
        Aggiorna();
        OpzioniFile o = doc_.Opzioni();
        o.cartellino.click = 0;  // a new unit starts from its usual click
        doc_.ImpostaOpzioni(o);
        MostraClick();
    });
    for (QLineEdit* c : {txtPressione_, txtUmidita_, txtAngoloVento_, txtSoglie_})
        connect(c, &QLineEdit::textChanged, this, [this] { Aggiorna(); });
    for (QComboBox* c : {cboBanda_, cboClick_}) connect(c, &QComboBox::currentTextChanged, this, [this] { Aggiorna(); });
    connect(chkCoppie_, &QCheckBox::toggled, this, [this] { Aggiorna(); });
    connect(&doc_, &Documento::coppieCambiate, this, [this] { AbilitaModello(); });
}

QList<QWidget*> PannelloModello::Caselle() const {
    return {txtPressione_, txtUmidita_, txtAngoloVento_, cboBanda_, txtSoglie_, cboClick_};
}

void PannelloModello::Mostra() {
    mostrando_ = true;
    const OpzioniFile& o = doc_.Opzioni();
    for (int i = 0; i < 3; ++i)
        if (kModelli[i] == o.modello.modello) cboModello_->setCurrentIndex(i);
    txtPressione_->setText(o.modello.pressione ? Qs(TestoNumeroScritto(*o.modello.pressione)) : QString());
    txtUmidita_->setText(Qs(TestoNumeroScritto(o.modello.umidita)));
    txtAngoloVento_->setText(Qs(TestoNumeroScritto(o.modello.angoloVento)));
    chkCoppie_->setChecked(o.modello.coppie);
    QString banda = Qs(TestoNumeroScritto(o.cartellino.banda));
    for (const auto& [b, testo] : kBande)
        if (b == o.cartellino.banda) banda = QString::fromUtf8(testo);
    cboBanda_->setEditText(banda);
    QStringList soglie;
    for (double s : o.cartellino.soglie) soglie << Qs(TestoNumeroScritto(s));
    txtSoglie_->setText(soglie.join(QStringLiteral("; ")));
    for (int i = 0; i < 4; ++i)
        if (kUnita[i] == o.cartellino.unita) cboUnita_->setCurrentIndex(i);
    MostraClick();
    AbilitaModello();
    mostrando_ = false;
}

// The clicks offered for the unit in force, the document's one shown.
void PannelloModello::MostraClick() {
    const bool prima = mostrando_;
    mostrando_ = true;
    const DatiCartellino& c = doc_.Cartellino();
    cboClick_->clear();
    cboClick_->setEnabled(c.unita != UnitaCorrezione::Nessuna);
    const QString unita = Qs(NomeUnita(c.unita));
    switch (c.unita) {
        case UnitaCorrezione::Cm100: cboClick_->addItem(QStringLiteral("1 ") + unita); break;
        case UnitaCorrezione::Mrad: cboClick_->addItem(QStringLiteral("0.1 ") + unita); break;
        case UnitaCorrezione::Moa:
            cboClick_->addItems({QStringLiteral("1/4 ") + unita, QStringLiteral("1/8 ") + unita});
            break;
        case UnitaCorrezione::Nessuna: break;
    }
    if (c.unita != UnitaCorrezione::Nessuna && c.click != 0) {
        if (c.unita == UnitaCorrezione::Moa && c.click == 0.125) cboClick_->setCurrentIndex(1);
        else cboClick_->setEditText(Qs(TestoNumeroScritto(c.click)) + ' ' + unita);
    }
    mostrando_ = prima;
}

// The model's boxes only with the point mass; the pairs only when the picked
// bullet has them.
void PannelloModello::AbilitaModello() {
    const bool punto = cboModello_->currentIndex() > 0;
    for (QWidget* w : {static_cast<QWidget*>(txtPressione_), static_cast<QWidget*>(txtUmidita_),
                       static_cast<QWidget*>(txtAngoloVento_)})
        w->setEnabled(punto);
    chkCoppie_->setEnabled(punto && !doc_.Modello().coppieVelocita.empty());
}

void PannelloModello::Aggiorna() {
    if (mostrando_) return;
    OpzioniFile o = doc_.Opzioni();
    o.modello.modello = kModelli[std::max(0, cboModello_->currentIndex())];
    LeggiNumeroModello(txtPressione_, "", "", [](DatiModello& m, std::optional<double> v) { m.pressione = v; }, o);
    LeggiNumeroModello(txtUmidita_, "", "", [](DatiModello& m, std::optional<double> v) { m.umidita = v.value_or(0); }, o);
    LeggiNumeroModello(txtAngoloVento_, "", "",
                       [](DatiModello& m, std::optional<double> v) { m.angoloVento = v.value_or(90); }, o);
    o.modello.coppie = chkCoppie_->isChecked();
    LeggiBandaDi(cboBanda_->currentText(), o);
    LeggiSoglieDi(txtSoglie_->text(), o);
    o.cartellino.unita = kUnita[std::max(0, cboUnita_->currentIndex())];
    LeggiClickDi(cboClick_->currentText(), o);
    doc_.ImpostaOpzioni(o);
}

std::optional<rigata::Rifiuto> PannelloModello::Leggi(OpzioniFile& o) {
    Aggiorna();
    o = doc_.Opzioni();
    if (o.modello.modello != TipoModello::Classico) {
        if (auto r = LeggiNumeroModello(
                txtPressione_, "pressione",
                "la pressione alla stazione in hPa (per esempio 1013.2), o niente per l'atmosfera standard alla quota",
                [](DatiModello& m, std::optional<double> v) { m.pressione = v; }, o))
            return r;
        if (auto r = LeggiNumeroModello(txtUmidita_, "umidità relativa", "l'umidità relativa in %, da 0 a 100",
                                        [](DatiModello& m, std::optional<double> v) { m.umidita = v.value_or(0); }, o))
            return r;
        if (auto r = LeggiNumeroModello(
                txtAngoloVento_, "direzione del vento", "i gradi da cui viene il vento (90: di traverso, 0: da dietro)",
                [](DatiModello& m, std::optional<double> v) { m.angoloVento = v.value_or(90); }, o))
            return r;
    }
    if (auto r = LeggiBandaDi(cboBanda_->currentText(), o)) return r;
    if (auto r = LeggiSoglieDi(txtSoglie_->text(), o)) return r;
    if (auto r = LeggiClickDi(cboClick_->currentText(), o)) return r;
    return std::nullopt;
}
