#include "frmInputNuovaPalla.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogo.h"
#include "dialoghi.h"
#include "navigazione.h"
#include "nuovapalla.h"
#include "widget.h"

using namespace rigata;

namespace {

const QString kSenzaZero = QStringLiteral("Usa il punto come separatore decimale senza lo zero davanti");

const QStringList kMarche = {
    QStringLiteral("Berger"), QStringLiteral("Barnes"), QStringLiteral("Hornady"),   QStringLiteral("Lapua"),
    QStringLiteral("Lyman"),  QStringLiteral("Nosler"), QStringLiteral("OrgnTr"),    QStringLiteral("RCBS"),
    QStringLiteral("Remington"), QStringLiteral("RWS"), QStringLiteral("Sierra"),    QStringLiteral("Speer"),
    QStringLiteral("Winchester")};

// A number box (bold red).
QLineEdit* Casella(QWidget* padre, const char* nome, int larghezza, const QString& suggerimento = {}) {
    auto* casella = Crea<QLineEdit>(padre, nome);
    CampoNumerico(casella);
    casella->setFixedWidth(larghezza);
    casella->setToolTip(suggerimento);
    return casella;
}

}  // namespace

frmInputNuovaPalla::frmInputNuovaPalla(Navigazione& programma) : Schermo(programma, false) {
    setObjectName(QStringLiteral("frmInputNuovaPalla"));
    setWindowTitle(QStringLiteral("Input dati nuova palla"));
    auto* centro = new QWidget(this);
    auto* principale = new QVBoxLayout(centro);
    principale->setContentsMargins(16, 12, 16, 12);
    CreaTitolo(centro, principale);
    principale->addSpacing(8);
    principale->addLayout(CreaCampi(centro));
    principale->addWidget(CreaCoppie(centro));
    // Only a buffer of the storing; never shown.
    txtDatiPalle_ = Crea<QPlainTextEdit>(centro, "txtDatiPalle");
    txtDatiPalle_->hide();
    principale->addStretch();
    principale->addLayout(CreaPulsanti(centro));
    CollegaRegole();
    setCentralWidget(centro);
    setMinimumWidth(560);
    Form_Load();
}

void frmInputNuovaPalla::CreaTitolo(QWidget* centro, QVBoxLayout* principale) {
    auto* titolo = Crea<QLabel>(centro, "Label1", QStringLiteral("Archiviazione dati di una nuova palla"));
    QFont grande = titolo->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    titolo->setFont(grande);
    titolo->setAlignment(Qt::AlignCenter);
    principale->addWidget(titolo);
    auto* nota = Crea<QLabel>(centro, "Label2", kSenzaZero);
    nota->setAlignment(Qt::AlignCenter);
    principale->addWidget(nota);
}

// The five boxes every bullet needs.
QLayout* frmInputNuovaPalla::CreaCampi(QWidget* centro) {
    auto* griglia = new QGridLayout;
    cBoMarca_ = Crea<QComboBox>(centro, "cBoMarca");
    cBoMarca_->setEditable(true);
    // What is typed is stored as typed: no completion from the makers, and a
    // typed maker does not join the list.
    cBoMarca_->setCompleter(nullptr);
    cBoMarca_->setInsertPolicy(QComboBox::NoInsert);
    cBoMarca_->setMaxVisibleItems(kMarche.size());
    cBoMarca_->setFixedWidth(170);
    txtInpDiametro_ = Casella(centro, "txtInpDiametro", 80, kSenzaZero);
    txtInpPeso_ = Casella(centro, "txtInpPeso", 80);
    txtImpTipoPalla_ = Crea<QLineEdit>(centro, "txtImpTipoPalla");
    txtImpTipoPalla_->setFixedWidth(170);
    txtInpCBStd_ = Casella(centro, "txtInpCBStd", 80, kSenzaZero);
    struct Riga {
        const char* etichetta;
        QString testo;
        QWidget* campo;
    };
    const Riga righe[] = {{"lblInpMarca", QStringLiteral("Marca"), cBoMarca_},
                          {"lblInpDiametro", QStringLiteral("Diametro (inch)"), txtInpDiametro_},
                          {"lblInpPeso", QStringLiteral("Peso (grains)"), txtInpPeso_},
                          {"lblInpTipoPalla", QStringLiteral("Tipo palla"), txtImpTipoPalla_},
                          {"lblInpCBStd", QStringLiteral("Coeff. Bal. Standard"), txtInpCBStd_}};
    for (int i = 0; i < 5; ++i) {
        griglia->addWidget(Crea<QLabel>(centro, righe[i].etichetta, righe[i].testo), i, 0);
        griglia->addWidget(righe[i].campo, i, 1, Qt::AlignLeft);
    }
    griglia->setColumnStretch(2, 1);
    return griglia;
}

// The four optional pairs of coefficient and the velocity it holds at.
QGroupBox* frmInputNuovaPalla::CreaCoppie(QWidget* centro) {
    fraDatiPallaExtra_ = Crea<QGroupBox>(centro, "fraDatiPallaExtra", QStringLiteral("Dati Palla supplementari"));
    auto* coppie = new QGridLayout(fraDatiPallaExtra_);
    const char* nomiCB[] = {"txtInpCB1", "txtInpCB2", "txtInpCB3", "txtInpCB4"};
    const char* nomiVelocita[] = {"txtInpVelocita1", "txtInpVelocita2", "txtInpVelocita3", "txtInpVelocita4"};
    const char* etichetteCB[] = {"lblInpCB1", "lblInpCB2", "lblInpCB3", "lblInpCB4"};
    const char* etichetteVelocita[] = {"lblInpVelocita1", "lblInpVelocita2", "lblInpVelocita3", "lblInpVelocita4"};
    const QString testiVelocita[] = {QStringLiteral(" alla Velocità di  (feet/s)"),
                                     QStringLiteral(" alla Velocità di  (feet/s)"),
                                     QStringLiteral("alla Velocità di  (feet/s)"),
                                     QStringLiteral("alla Velocità di (feet/s)")};
    for (int n = 0; n < 4; ++n) {
        txtInpCB_[n] = Casella(fraDatiPallaExtra_, nomiCB[n], 80, kSenzaZero);
        txtInpVelocita_[n] = Casella(fraDatiPallaExtra_, nomiVelocita[n], 80);
        coppie->addWidget(
            Crea<QLabel>(fraDatiPallaExtra_, etichetteCB[n], QStringLiteral("%1)  Coeff. Bal.").arg(n + 1)), n, 0);
        coppie->addWidget(txtInpCB_[n], n, 1);
        coppie->addWidget(Crea<QLabel>(fraDatiPallaExtra_, etichetteVelocita[n], testiVelocita[n]), n, 2);
        coppie->addWidget(txtInpVelocita_[n], n, 3);
    }
    coppie->setColumnStretch(4, 1);
    return fraDatiPallaExtra_;
}

QLayout* frmInputNuovaPalla::CreaPulsanti(QWidget* centro) {
    auto* pulsanti = new QHBoxLayout;
    auto* indietro = Crea<QPushButton>(centro, "cmdIndietro", QStringLiteral("<-- &Indietro  "));
    auto* annulla = Crea<QPushButton>(centro, "cmdAnnulla", QStringLiteral("&Cancella dati impostati"));
    auto* memorizza = Crea<QPushButton>(centro, "cmdMemorizza", QStringLiteral("&Memorizza dati"));
    cmdUtilizza_ = Crea<QPushButton>(centro, "cmdUtilizza", QStringLiteral("&Utilizza nuovi dati"));
    pulsanti->addWidget(indietro);
    pulsanti->addStretch();
    pulsanti->addWidget(annulla);
    pulsanti->addWidget(memorizza);
    pulsanti->addWidget(cmdUtilizza_);
    connect(indietro, &QPushButton::clicked, this, [this] { cmdIndietro_Click(); });
    connect(annulla, &QPushButton::clicked, this, [this] { cmdAnnulla_Click(); });
    connect(memorizza, &QPushButton::clicked, this, [this] { cmdMemorizza_Click(); });
    connect(cmdUtilizza_, &QPushButton::clicked, this, [this] { cmdUtilizza_Click(); });
    // Enter in any box stores the bullet.
    InvioPreme(memorizza, {cBoMarca_, txtInpDiametro_, txtInpPeso_, txtImpTipoPalla_, txtInpCBStd_});
    for (int n = 0; n < 4; ++n) InvioPreme(memorizza, {txtInpCB_[n], txtInpVelocita_[n]});
    PulsantiConInvio(this);
    return pulsanti;
}

void frmInputNuovaPalla::CollegaRegole() {
    // Change rules. The maker's rule follows its typed text only (textEdited):
    // a pick from the drop-down part sets the text without being a change of
    // it, and the program's own emptying calls the rule itself (cmdAnnulla).
    connect(cBoMarca_->lineEdit(), &QLineEdit::textEdited, this, [this] { ControlloDatiSpeciali(); });
    for (QLineEdit* casella : {txtInpDiametro_, txtInpPeso_, txtImpTipoPalla_})
        connect(casella, &QLineEdit::textChanged, this, [this] { ControlloDatiSpeciali(); });
    connect(txtInpCBStd_, &QLineEdit::textChanged, this, [this] {
        txtInpCB_[0]->setEnabled(true);
        ControlloDatiSpeciali();
    });
    // Each box of the frame opens the next one: CB1, Velocita1, CB2, ...
    // No rule closes a box again.
    for (int n = 0; n < 4; ++n) {
        QLineEdit* velocita = txtInpVelocita_[n];
        connect(txtInpCB_[n], &QLineEdit::textChanged, velocita, [velocita] { velocita->setEnabled(true); });
        if (n < 3) {
            QLineEdit* prossimo = txtInpCB_[n + 1];
            connect(velocita, &QLineEdit::textChanged, prossimo, [prossimo] { prossimo->setEnabled(true); });
        }
    }
}

void frmInputNuovaPalla::Form_Load() {
    fraDatiPallaExtra_->setEnabled(false);
    prog_.NascondiAvvio();
    cmdUtilizza_->hide();
    cBoMarca_->addItems(kMarche);
    cBoMarca_->setCurrentIndex(-1);  // the maker's box opens empty
    for (int n = 0; n < 4; ++n) {
        txtInpCB_[n]->setEnabled(false);
        txtInpVelocita_[n]->setEnabled(false);
    }
}

void frmInputNuovaPalla::ControlloInput(const QString& messaggio, const QString& titolo) {
    prog_.Dlg().Avviso(this, titolo, messaggio);
}

void frmInputNuovaPalla::ControlloDatiSpeciali() {
    bool tutti = !cBoMarca_->currentText().isEmpty();
    for (const QLineEdit* casella : {txtInpDiametro_, txtInpPeso_, txtImpTipoPalla_, txtInpCBStd_})
        tutti = tutti && !casella->text().isEmpty();
    fraDatiPallaExtra_->setEnabled(tutti);
}

DatiNuovaPalla frmInputNuovaPalla::DatiImpostati() const {
    DatiNuovaPalla dati;
    dati.marca = Std(cBoMarca_->currentText());
    dati.diametro = Std(txtInpDiametro_->text());
    dati.peso = Std(txtInpPeso_->text());
    dati.tipo = Std(txtImpTipoPalla_->text());
    dati.cbStd = Std(txtInpCBStd_->text());
    for (int n = 0; n < 4; ++n) {
        dati.velocita[n] = Std(txtInpVelocita_[n]->text());
        dati.cb[n] = Std(txtInpCB_[n]->text());
    }
    return dati;
}

void frmInputNuovaPalla::cmdMemorizza_Click() {
    const DatiNuovaPalla dati = DatiImpostati();
    if (const auto rifiuto = ControllaNuovaPalla(dati))
        return ControlloInput(Qs(rifiuto->messaggio), Qs(rifiuto->titolo));
    // The file's old text is read and rewritten with the new line by the
    // catalogue's safe append; a failure leaves the file and every box as they were.
    // The program says which file: the delivered catalogue, or the user's own.
    txtDatiPalle_->clear();
    const DestinazionePalla destinazione = prog_.CatalogoPerMemorizzare();
    if (const auto errore = destinazione.errore ? destinazione.errore
                                                : MemorizzaPalla(destinazione.percorso, dati, destinazione.righeAltrove))
        return ControlloInput(Qs(*errore), QStringLiteral("SALVATAGGIO NON RIUSCITO!!"));

    // Closed and opened again fresh, in the same place, now offering the restart.
    const QPoint posizione = pos();
    if (auto* nuova = qobject_cast<frmInputNuovaPalla*>(prog_.ApriNuovaPalla())) {
        nuova->move(posizione);
        nuova->cmdUtilizza_->show();
        if (destinazione.primaDellUtente) prog_.AvvisaCatalogoUtente(nuova);
    }
}

void frmInputNuovaPalla::cmdAnnulla_Click() {
    cBoMarca_->setEditText(QString());
    ControlloDatiSpeciali();  // the program's emptying is a change of the maker's text
    for (QLineEdit* casella : {txtInpDiametro_, txtInpPeso_, txtImpTipoPalla_, txtInpCBStd_}) casella->clear();
    for (int n = 0; n < 4; ++n) {
        txtInpCB_[n]->clear();
        txtInpVelocita_[n]->clear();
    }
}

void frmInputNuovaPalla::cmdIndietro_Click() { prog_.VaiAdAvvio(this); }

void frmInputNuovaPalla::cmdUtilizza_Click() { prog_.Riavvia(); }
