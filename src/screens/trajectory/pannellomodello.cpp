#include "pannellomodello.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

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
    const std::pair<Scelta, QWidget*> voci[] = {
        {Scelta::Modello, cboModello_},    {Scelta::Pressione, txtPressione_}, {Scelta::Umidita, txtUmidita_},
        {Scelta::AngoloVento, txtAngoloVento_}, {Scelta::Coppie, chkCoppie_}, {Scelta::Banda, cboBanda_},
        {Scelta::Soglie, txtSoglie_},      {Scelta::Correzione, cboUnita_},  {Scelta::Click, cboClick_}};
    for (const auto& [scelta, controllo] : voci) voci_.push_back({scelta, controllo, controllo->toolTip()});
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
    for (TipoModello m : {TipoModello::Classico, TipoModello::G1, TipoModello::G7})
        cboModello_->addItem(QString::fromUtf8(NomeModello(m)));
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
    chkCoppie_->setToolTip(QStringLiteral("coefficiente balistico dalle coppie velocità-CB (G1) della palla scelta; "
                                          "solo con il modello Punto materiale G1"));
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
    txtSoglie_->setToolTip(QStringLiteral("soglie di energia in joule, numeri interi separati da virgole o spazi"));
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
    const std::pair<QLineEdit*, Scelta> caselle[] = {{txtPressione_, Scelta::Pressione},
                                                     {txtUmidita_, Scelta::Umidita},
                                                     {txtAngoloVento_, Scelta::AngoloVento},
                                                     {txtSoglie_, Scelta::Soglie}};
    for (const auto& [casella, scelta] : caselle)
        connect(casella, &QLineEdit::textChanged, this, [this, s = scelta](const QString& t) { Imposta(s, t); });
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
    return {txtPressione_, txtUmidita_, txtAngoloVento_, cboBanda_, txtSoglie_, cboClick_};
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
    txtPressione_->setText(Qs(TestoScelta(Scelta::Pressione, o)));
    txtUmidita_->setText(Qs(TestoScelta(Scelta::Umidita, o)));
    txtAngoloVento_->setText(Qs(TestoScelta(Scelta::AngoloVento, o)));
    chkCoppie_->setChecked(!o.coppie.empty());
    QString banda = Qs(TestoScelta(Scelta::Banda, o));
    for (const auto& [b, testo] : kBande)
        if (b == o.banda) banda = QString::fromUtf8(testo);
    cboBanda_->setEditText(banda);
    txtSoglie_->setText(Qs(TestoScelta(Scelta::Soglie, o)));
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

// The model's boxes only with the point mass; the pairs only with G1 and
// when there are some to use.
void PannelloModello::Abilita() {
    const Scelte& o = doc_.Opzioni();
    const bool punto = o.modello != TipoModello::Classico;
    for (QWidget* w : {txtPressione_, txtUmidita_, txtAngoloVento_}) AbilitaConEtichetta(w, punto);
    chkCoppie_->setEnabled(o.modello == TipoModello::G1 && (!doc_.CoppiePalla().empty() || !o.coppie.empty()));
}
