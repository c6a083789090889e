#include "finestregiornata.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialoghi.h"
#include "numeri.h"
#include "polvere.h"
#include "widget.h"

using namespace rigata;

namespace {

QLineEdit* CasellaNumero(QWidget* padre, const char* nome) {
    auto* casella = Crea<QLineEdit>(padre, nome);
    CampoNumerico(casella);
    UnaRiga(casella);
    casella->setFixedWidth(casella->fontMetrics().horizontalAdvance(QStringLiteral("-0000.00")) + 14);
    return casella;
}

QLabel* Spiegazione(QWidget* padre, const QString& testo) {
    auto* etichetta = new QLabel(testo, padre);
    etichetta->setWordWrap(true);
    return etichetta;
}

// The row of buttons at the foot; the first is the default (Enter).
QHBoxLayout* Pulsanti(QVBoxLayout* corpo, std::initializer_list<QPushButton*> pulsanti) {
    auto* riga = new QHBoxLayout;
    riga->addStretch();
    for (QPushButton* p : pulsanti) riga->addWidget(p);
    (*pulsanti.begin())->setDefault(true);
    corpo->addLayout(riga);
    return riga;
}

QString ConSeparatore(QString numero, const QString& separatore) {
    return numero.replace(QLatin1Char('.'), separatore);
}

}  // namespace

FinestraSensibilita::FinestraSensibilita(QWidget* padre, Dialoghi& dialoghi, const QString& separatore)
    : QDialog(padre), dialoghi_(dialoghi), separatore_(separatore) {
    setObjectName(QStringLiteral("frmSensibilita"));
    setWindowTitle(QStringLiteral("Sensibilità della polvere"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* corpo = new QVBoxLayout(this);
    corpo->addWidget(Spiegazione(this, QStringLiteral("Due velocità alla bocca dello stesso carico, misurate con la "
                                                      "cartuccia a due temperature diverse.")));
    auto* griglia = new QGridLayout;
    corpo->addLayout(griglia);
    griglia->addWidget(new QLabel(QStringLiteral("Temperatura °C"), this), 0, 1);
    griglia->addWidget(new QLabel(QStringLiteral("Velocità m/s"), this), 0, 2);
    const char* nomi[] = {"txtTemperatura1", "txtVelocita1", "txtTemperatura2", "txtVelocita2"};
    for (int i = 0; i < 4; ++i) {
        letture_[i] = CasellaNumero(this, nomi[i]);
        griglia->addWidget(letture_[i], 1 + i / 2, 1 + i % 2);
        // A reading changed after the calculation: its result is no longer offered.
        connect(letture_[i], &QLineEdit::textEdited, this, [this] {
            calcolata_.clear();
            lblRisultato_->clear();
            cmdUsa_->setEnabled(false);
        });
    }
    auto* prima = Crea<QLabel>(this, "lblLettura1", QStringLiteral("&Prima lettura"));
    prima->setBuddy(letture_[0]);
    griglia->addWidget(prima, 1, 0);
    auto* seconda = Crea<QLabel>(this, "lblLettura2", QStringLiteral("&Seconda lettura"));
    seconda->setBuddy(letture_[2]);
    griglia->addWidget(seconda, 2, 0);
    lblRisultato_ = Crea<QLabel>(this, "lblSensibilitaCalcolata");
    corpo->addWidget(lblRisultato_);
    auto* calcola = Crea<QPushButton>(this, "cmdCalcolaSensibilita", QStringLiteral("&Calcola"));
    cmdUsa_ = Crea<QPushButton>(this, "cmdUsaSensibilita", QStringLiteral("&Usa"));
    auto* annulla = Crea<QPushButton>(this, "cmdAnnullaSensibilita", QStringLiteral("Annulla"));
    Pulsanti(corpo, {calcola, cmdUsa_, annulla});
    cmdUsa_->setEnabled(false);
    connect(calcola, &QPushButton::clicked, this, [this] { Calcola(); });
    connect(cmdUsa_, &QPushButton::clicked, this, [this] {
        emit usa(calcolata_);
        accept();
    });
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

void FinestraSensibilita::Calcola() {
    const RisultatoSensibilita r = CalcolaSensibilitaDaTesti(Std(letture_[0]->text()), Std(letture_[1]->text()),
                                                             Std(letture_[2]->text()), Std(letture_[3]->text()));
    if (r.rifiuto) return dialoghi_.Avviso(this, Qs(r.rifiuto->titolo), Qs(r.rifiuto->messaggio));
    calcolata_ = Qs(r.sensibilita);
    lblRisultato_->setText(QStringLiteral("Sensibilità: %1 m/s per °C").arg(ConSeparatore(calcolata_, separatore_)));
    cmdUsa_->setEnabled(true);
    cmdUsa_->setFocus();
}

FinestraCalibra::FinestraCalibra(QWidget* padre, Dialoghi& dialoghi, const QString& separatore, Calcolo calcolo)
    : QDialog(padre), dialoghi_(dialoghi), separatore_(separatore), calcolo_(std::move(calcolo)) {
    setObjectName(QStringLiteral("frmCalibra"));
    setWindowTitle(QStringLiteral("Calibra velocità"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* corpo = new QVBoxLayout(this);
    corpo->addWidget(Spiegazione(this, QStringLiteral("Dove è arrivato il colpo a una distanza nota, con "
                                                      "l'azzeramento in uso: la velocità alla bocca che dà quello "
                                                      "scarto con il modello scelto.")));
    auto* griglia = new QGridLayout;
    corpo->addLayout(griglia);
    txtDistanza_ = CasellaNumero(this, "txtDistanzaCalibra");
    txtScarto_ = CasellaNumero(this, "txtScartoCalibra");
    const std::pair<QLineEdit*, QString> righe[] = {
        {txtDistanza_, QStringLiteral("&Distanza (m)")},
        {txtScarto_, QStringLiteral("Sc&arto visto (cm, + sopra, - sotto il punto mirato)")}};
    int riga = 0;
    for (const auto& [casella, testo] : righe) {
        auto* etichetta = new QLabel(testo, this);
        etichetta->setBuddy(casella);
        griglia->addWidget(etichetta, riga, 0);
        griglia->addWidget(casella, riga++, 1);
        connect(casella, &QLineEdit::textEdited, this, [this] {
            calcolata_.clear();
            lblRisultato_->clear();
            cmdUsa_->setEnabled(false);
        });
    }
    lblRisultato_ = Crea<QLabel>(this, "lblVelocitaCalibrata");
    lblRisultato_->setWordWrap(true);
    corpo->addWidget(lblRisultato_);
    auto* calcola = Crea<QPushButton>(this, "cmdCalcolaCalibra", QStringLiteral("&Calcola"));
    cmdUsa_ = Crea<QPushButton>(this, "cmdUsaCalibra", QStringLiteral("&Usa"));
    auto* chiudi = Crea<QPushButton>(this, "cmdChiudiCalibra", QStringLiteral("C&hiudi"));
    auto* annulla = Crea<QPushButton>(this, "cmdAnnullaCalibra", QStringLiteral("Annulla"));
    Pulsanti(corpo, {calcola, cmdUsa_, chiudi, annulla});
    cmdUsa_->setEnabled(false);
    connect(calcola, &QPushButton::clicked, this, [this] { Calcola(); });
    connect(cmdUsa_, &QPushButton::clicked, this, [this] {
        usata_ = true;
        emit usa(calcolata_);
        lblRisultato_->setText(lblRisultato_->text() +
                               QStringLiteral("\nIn uso: Annulla torna alla velocità di prima."));
        cmdUsa_->setEnabled(false);
    });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

void FinestraCalibra::Calcola() {
    const auto esito = calcolo_(txtDistanza_->text(), txtScarto_->text());
    if (const auto* r = std::get_if<Rifiuto>(&esito))
        return dialoghi_.Avviso(this, Qs(r->titolo), Qs(r->messaggio));
    const Calibrazione& c = std::get<Calibrazione>(esito);
    calcolata_ = Qs(FormattaNumero(c.velocita, "0.0"));
    lblRisultato_->setText(
        Qs(TestoCalibrazione(c, LeggiNumero(Std(txtDistanza_->text())), Std(separatore_))).trimmed());
    cmdUsa_->setEnabled(true);
    cmdUsa_->setFocus();
}

void FinestraCalibra::reject() {
    if (usata_) emit annulla();
    QDialog::reject();
}
