#include "schermocalcolatore.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialoghi.h"
#include "navigazione.h"
#include "widget.h"

SchermoCalcolatore::SchermoCalcolatore(Navigazione& programma, const char* nome, const QString& titolo)
    : Schermo(programma, false) {
    setObjectName(QString::fromLatin1(nome));
    setWindowTitle(titolo);
    auto* centro = new QWidget(this);
    corpo_ = new QVBoxLayout(centro);
    ingressi_ = new QGridLayout;
    ingressi_->setColumnStretch(1, 1);
    corpo_->addLayout(ingressi_);
    setCentralWidget(centro);
}

void SchermoCalcolatore::CreaMenu(std::initializer_list<VoceCalcolatore> voci) {
    std::vector<VoceMenu> menu;
    for (const VoceCalcolatore& v : voci) {
        std::function<void()> azione;
        switch (v.mossa) {
            case Mossa::Opzioni: azione = [this] { mnuOpzioni_Click(); }; break;
            case Mossa::NuovaPalla: azione = [this] { mnuNuovaPalla_Click(); }; break;
            case Mossa::Esci: azione = [this] { mnuEsci_Click(); }; break;
        }
        menu.push_back({v.nome, QString::fromUtf8(v.testo), azione});
    }
    MenuFile(QStringLiteral("&File"), menu);
}

// Captions on the left, boxes on the right edge, in line with the Calcola button.
void SchermoCalcolatore::Riga(QGridLayout* griglia, QWidget* didascalia, QWidget* casella) {
    const int riga = griglia->rowCount();
    griglia->addWidget(didascalia, riga, 0);
    griglia->setColumnMinimumWidth(1, 12);
    griglia->addWidget(casella, riga, 2, Qt::AlignRight);
}

void SchermoCalcolatore::Ingresso(QWidget* didascalia, QWidget* casella) { Riga(ingressi_, didascalia, casella); }

void SchermoCalcolatore::IngressoIntero(QWidget* widget) {
    ingressi_->addWidget(widget, ingressi_->rowCount(), 0, 1, -1);
}

QLineEdit* SchermoCalcolatore::IngressoNumerico(const char* nomeDidascalia, const QString& didascalia, const char* nome,
                                                const QString& testo) {
    auto* casella = Crea<QLineEdit>(centralWidget(), nome, testo);
    CampoNumerico(casella);
    casella->setFixedWidth(kLarghezzaCasella);
    Ingresso(Crea<QLabel>(centralWidget(), nomeDidascalia, didascalia), casella);
    return casella;
}

void SchermoCalcolatore::PulsanteCalcola(const char* nome, std::function<void()> azione) {
    auto* pulsante = Crea<QPushButton>(centralWidget(), nome, QStringLiteral("&Calcola"));
    pulsante->setMinimumWidth(110);
    connect(pulsante, &QPushButton::clicked, this, std::move(azione));
    // Enter in any input (all created before the button) is a click on it.
    for (QLineEdit* casella : centralWidget()->findChildren<QLineEdit*>()) InvioPreme(pulsante, {casella});
    pulsante->setAutoDefault(true);
    auto* riga = new QHBoxLayout;
    riga->addStretch();
    riga->addWidget(pulsante);
    corpo_->addLayout(riga);
}

void SchermoCalcolatore::CorniceRisultati(const char* nome) {
    cornice_ = Crea<QGroupBox>(centralWidget(), nome, QStringLiteral("Risultati"));
    risultati_ = new QGridLayout(cornice_);
    risultati_->setColumnStretch(1, 1);
    corpo_->addWidget(cornice_);
}

QLineEdit* SchermoCalcolatore::Risultato(const char* nomeDidascalia, const QString& didascalia, const char* nome) {
    auto* casella = Crea<QLineEdit>(cornice_, nome);
    CampoNumerico(casella);
    casella->setFixedWidth(kLarghezzaCasella);
    Riga(risultati_, Crea<QLabel>(cornice_, nomeDidascalia, didascalia), casella);
    return casella;
}

void SchermoCalcolatore::ChiusuraDallaFinestra() { mnuOpzioni_Click(); }

void SchermoCalcolatore::Avvisa(const std::optional<rigata::Rifiuto>& rifiuto) {
    if (rifiuto) prog_.Dlg().Avviso(this, Qs(rifiuto->titolo), Qs(rifiuto->messaggio));
}

std::string SchermoCalcolatore::Separatore() const { return Std(prog_.Separatore()); }

// ChiudiCalcolatore deletes the screen later, so leaving it from inside one
// of its own slots is safe.
void SchermoCalcolatore::mnuOpzioni_Click() { prog_.VaiAOpzioni(this); }

void SchermoCalcolatore::mnuNuovaPalla_Click() { prog_.VaiAdAvvio(this); }

// Ends at once: unlike the options and trajectory screens, nothing is asked.
void SchermoCalcolatore::mnuEsci_Click() { prog_.Termina(); }
