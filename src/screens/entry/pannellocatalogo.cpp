#include "pannellocatalogo.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QVBoxLayout>

#include "catalogo.h"
#include "dialoghi.h"
#include "documento.h"
#include "navigazione.h"
#include "widget.h"

using namespace rigata;

namespace {

// The least time between two moves of the sorting's progress bar.
constexpr qint64 kPassoAvanzamentoMs = 16;

}  // namespace

PannelloCatalogo::PannelloCatalogo(Navigazione& programma, QWidget* padre)
    : QGroupBox(QStringLiteral("Caratteristiche della palla"), padre), prog_(programma) {
    setObjectName(QStringLiteral("fraCarattPalla"));
    auto* colonna = new QVBoxLayout(this);
    colonna->addLayout(CreaIntestazioni());
    CreaElenco();
    colonna->addWidget(Combo1_);
    colonna->addLayout(CreaAvanzamento());
    colonna->addLayout(CreaTabellaCoefficienti());
    MostraUnita();
    lblAggiungi_->hide();
}

// Headings over the list's diameter, weight, maker and type, then the unit switch.
QLayout* PannelloCatalogo::CreaIntestazioni() {
    const QFont fisso = FontMonospaziato();
    const int carattere = QFontMetrics(fisso).horizontalAdvance(QLatin1Char('M'));
    auto* intestazioni = new QHBoxLayout;
    intestazioni->setSpacing(0);
    struct Intestazione {
        const char* nome;
        QString testo;
        int caratteri;  // up to the next heading's column; 0 for the last heading
    };
    const auto passo = [](CampoElenco campo) { return static_cast<int>(PassoColonnaElenco(campo)); };
    const Intestazione titoli[] = {{"Label17", QStringLiteral("Diametro"), passo(kCampoDiametro)},
                                   {"Label19", QStringLiteral("Peso"), passo(kCampoPeso)},
                                   {"Label18", QStringLiteral("Marca"), passo(kCampoMarca)},
                                   {"Label20", QStringLiteral("Tipo"), 0}};
    for (const Intestazione& i : titoli) {
        auto* etichetta = Crea<QLabel>(this, i.nome, i.testo);
        etichetta->setFont(fisso);
        if (i.caratteri) etichetta->setFixedWidth(i.caratteri * carattere);
        if (&i == titoli) {
            etichetta->setFixedWidth(i.caratteri * carattere + 5);
            etichetta->setContentsMargins(5, 0, 0, 0);  // the list's own text margin
        }
        intestazioni->addWidget(etichetta);
    }
    intestazioni->addStretch();
    lblUnita_ = Crea<EtichettaCliccabile>(this, "lblUnita");
    QFont f = lblUnita_->font();
    f.setBold(true);
    lblUnita_->setFont(f);
    lblUnita_->setStyleSheet(QStringLiteral("color: #00008b;"));
    lblUnita_->setCursor(Qt::PointingHandCursor);
    connect(lblUnita_, &EtichettaCliccabile::clicked, this, [this] { CambiaUnita(); });
    intestazioni->addWidget(lblUnita_);
    return intestazioni;
}

void PannelloCatalogo::CreaElenco() {
    Combo1_ = Crea<ListaSceltaDeliberata>(this, "Combo1");
    Combo1_->setFont(FontMonospaziato());
    Combo1_->setToolTip(QStringLiteral("visualizza le caratteristiche delle palle"));
    Combo1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Combo1_->setMinimumContentsLength(kLunghezzaRigaElenco);
    Combo1_->setMaxVisibleItems(20);
    connect(Combo1_, qOverload<int>(&QComboBox::activated), this, [this](int) { Combo1_Click(); });
}

// The loading notice, the sorting's progress and "Aggiungi palle".
QLayout* PannelloCatalogo::CreaAvanzamento() {
    auto* avanzamento = new QHBoxLayout;
    Text1_ = Crea<QLineEdit>(this, "Text1", QStringLiteral(" Attendi!!!!  Caricamento e ordinamento dati"));
    Text1_->setFont(FontMonospaziato());
    Text1_->setReadOnly(true);
    Text1_->setFocusPolicy(Qt::NoFocus);
    avanzamento->addWidget(Text1_, 1);
    PB1_ = Crea<QProgressBar>(this, "PB1");
    PB1_->setToolTip(QStringLiteral("ordina i dati delle palle"));
    PB1_->setTextVisible(false);
    PB1_->hide();
    avanzamento->addWidget(PB1_, 1);
    lblAggiungi_ = Crea<EtichettaCliccabile>(this, "lblAggiungi", QStringLiteral("Aggiungi palle"));
    lblAggiungi_->setToolTip(QStringLiteral("click per inserire nuova palla in archivio"));
    lblAggiungi_->setStyleSheet(QStringLiteral("color: #00008b; text-decoration: underline;"));
    lblAggiungi_->setCursor(Qt::PointingHandCursor);
    avanzamento->addWidget(lblAggiungi_);
    connect(lblAggiungi_, &EtichettaCliccabile::clicked, this, [this] { prog_.ApriNuovaPalla(); });
    return avanzamento;
}

// Coefficients of the picked bullet: nine headings over nine boxes; a click
// on a coefficient box puts it in the coefficient field.
QLayout* PannelloCatalogo::CreaTabellaCoefficienti() {
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
        auto* intestazione = Crea<QLabel>(this, celle[i].intestazione, celle[i].testo);
        intestazione->setToolTip(celle[i].suggerimento);
        tabellaCB->addWidget(intestazione, 0, i);
        const bool coefficiente = i % 2 == 0;
        QLineEdit* casella;
        if (coefficiente) {
            auto* c = Crea<CasellaCliccabile>(this, celle[i].casella);
            c->setToolTip(QStringLiteral("click per utilizzare questo coefficiente balistico"));
            c->setCursor(Qt::PointingHandCursor);
            coeff_[i / 2] = c;
            connect(c, &CasellaCliccabile::clicked, this, [this, c] { emit coefficienteScelto(c->text()); });
            casella = c;
        } else {
            casella = velocita_[i / 2] = Crea<QLineEdit>(this, celle[i].casella);
        }
        casella->setMaximumWidth(80);
        CampoNumerico(casella);
        // Tab goes through the coefficients, which Enter puts in the coefficient field.
        if (!coefficiente) casella->setFocusPolicy(Qt::ClickFocus);
        tabellaCB->addWidget(casella, 1, i);
    }
    return tabellaCB;
}

void PannelloCatalogo::CaricaEdElenca() {
    Catalogo& cat = prog_.Cat();
    const EsitoCaricamento esito = prog_.CaricaCatalogo();
    const auto avviso = [this](const QString& titolo, const QString& testo) { prog_.Dlg().Avviso(window(), titolo, testo); };
    if (esito.fileMancante) {
        avviso(QStringLiteral("CAMBIA PERCORSO!!"), QStringLiteral("File Inesistente!!"));
    } else if (esito.errore) {
        avviso(QStringLiteral("CATALOGO NON LEGGIBILE!!"), Qs(*esito.errore));
    } else {
        PB1_->show();
        if (esito.righeEscluse > 0)
            avviso(QStringLiteral("CATALOGO TROPPO GRANDE!!"), Qs(TestoRigheEscluse(esito.righeEscluse)));
    }
    PB1_->setRange(0, cat.NumeroPalle);
    QElapsedTimer dallUltimo;
    OrdinaCatalogo(cat, [&](int i) {
        // Let the screen repaint and move the bar, at most about once a frame:
        // each move repaints the bar at once. Clicks wait until the list is ready.
        if (i > 1 && !dallUltimo.hasExpired(kPassoAvanzamentoMs)) return;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        PB1_->setValue(i);
        dallUltimo.start();
    });
    Elenca();
}

void PannelloCatalogo::Elenca() {
    Catalogo& cat = prog_.Cat();
    const bool metrico = prog_.Doc().UnitaMisura() == Documento::Unita::Metrico;
    const auto righe = ElencaCatalogo(cat, metrico, cat.RigaPallaDefault);
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

void PannelloCatalogo::Combo1_Click() {
    Text1_->hide();
    const PallaScelta palla = LeggiRigaElenco(Std(Combo1_->currentText()),
                                              prog_.Doc().UnitaMisura() == Documento::Unita::Metrico);
    for (int i = 0; i < 4; ++i) velocita_[i]->setText(Qs(palla.velocita[static_cast<size_t>(i)]));
    coeff_[0]->setText(Qs(palla.cbStd));
    for (int i = 0; i < 4; ++i) coeff_[i + 1]->setText(Qs(palla.cb[static_cast<size_t>(i)]));
    emit pallaScelta(palla);
}

// The list again in the other units, the same bullet selected: its line is
// first found among the lines of the units still in force.
void PannelloCatalogo::CambiaUnita() {
    Documento& doc = prog_.Doc();
    prog_.Cat().RigaPallaDefault = Std(Combo1_->currentIndex() >= 0 ? Combo1_->currentText() : QString());
    Combo1_->clear();
    Elenca();
    Combo1_->clear();
    doc.ImpostaUnita(doc.UnitaMisura() == Documento::Unita::SAE ? Documento::Unita::Metrico : Documento::Unita::SAE);
    MostraUnita();
    Elenca();
}

void PannelloCatalogo::MostraUnita() {
    const bool sae = prog_.Doc().UnitaMisura() == Documento::Unita::SAE;
    lblUnita_->setText(sae ? QStringLiteral("    SAE") : QStringLiteral("Metrico"));
    lblUnita_->setToolTip(sae ? QStringLiteral("click per unità di miura metriche")
                              : QStringLiteral("click per unità di misura SAE"));
}
