#include "azionitabella.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDateTime>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPrinter>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTableView>

#include <set>

#include "csv.h"
#include "campi.h"
#include "dialoghi.h"
#include "didascalie.h"
#include "documento.h"
#include "file.h"
#include "frmGraficoTraiettoria.h"
#include "modellotabella.h"
#include "numeri.h"
#include "programma.h"
#include "widget.h"

using namespace rigata;

namespace {

// Margins of the printed page, mm.
constexpr double kMarginePagina = 12;

void ImpostaPagina(QPagedPaintDevice& foglio) {
    foglio.setPageSize(QPageSize(QPageSize::A4));
    foglio.setPageOrientation(QPageLayout::Portrait);
    foglio.setPageMargins(QMarginsF(kMarginePagina, kMarginePagina, kMarginePagina, kMarginePagina),
                          QPageLayout::Millimeter);
}

// A progress dialog that appears when making the pages takes a while; its
// "Annulla" cancels the report.
class Avanzamento {
public:
    explicit Avanzamento(QWidget* padre, const QString& testo)
        : dialogo_(testo, QStringLiteral("Annulla"), 0, 1, padre) {
        dialogo_.setObjectName(QStringLiteral("dlgAvanzamento"));
        dialogo_.setWindowTitle(QStringLiteral("Rigata"));
        dialogo_.setWindowModality(Qt::WindowModal);
        dialogo_.setMinimumDuration(400);
        dialogo_.setAutoReset(false);
    }
    bool operator()(int pagina, int pagine) {
        dialogo_.setMaximum(pagine);
        dialogo_.setLabelText(QStringLiteral("Pagina %1 di %2...").arg(pagina).arg(pagine));
        dialogo_.setValue(pagina - 1);
        return !dialogo_.wasCanceled();
    }
    bool Annullato() const { return dialogo_.wasCanceled(); }

private:
    QProgressDialog dialogo_;
};

QString TestoNumero(double v, const QString& sep) { return Qs(TestoSingolo(static_cast<float>(v), Std(sep))); }

}  // namespace

AzioniTabella::AzioniTabella(QMainWindow& schermo, Programma& programma, const ModelloTabella& modello,
                             QTableView& griglia)
    : QObject(&schermo), schermo_(schermo), prog_(programma), modello_(modello), griglia_(griglia) {
    QMenu* menu = schermo.menuBar()->addMenu(QStringLiteral("&Tabella"));
    menu->setObjectName(QStringLiteral("mnuTabella"));
    const std::pair<const char*, QString> voci[] = {{"mnuEsportaPdf", QStringLiteral("Esporta &PDF...")},
                                                    {"mnuEsportaCsv", QStringLiteral("Esporta &CSV...")},
                                                    {"mnuCopiaTabella", QStringLiteral("&Copia tabella")},
                                                    {"mnuGrafico", QStringLiteral("&Grafico della traiettoria")}};
    void (AzioniTabella::*comandi[])() = {&AzioniTabella::EsportaPdf, &AzioniTabella::EsportaCsv,
                                          &AzioniTabella::CopiaTabella, &AzioniTabella::MostraGrafico};
    for (int i = 0; i < 4; ++i) {
        if (i == 2) menu->addSeparator();
        azioni_[i] = menu->addAction(voci[i].second);
        azioni_[i]->setObjectName(QString::fromLatin1(voci[i].first));
        azioni_[i]->setEnabled(false);
        connect(azioni_[i], &QAction::triggered, this, comandi[i]);
    }
    // Several cells can be selected and copied with Ctrl+C.
    griglia_.setSelectionMode(QAbstractItemView::ExtendedSelection);
    griglia_.installEventFilter(this);
}

void AzioniTabella::TabellaMostrata(const TabellaCalcolata& tabella, TipoTabella tipo) {
    tabella_ = std::make_shared<const TabellaCalcolata>(tabella);
    tipo_ = tipo;
    separatore_ = prog_.Separatore();
    for (QAction* a : azioni_) a->setEnabled(true);
    if (grafico_) grafico_->Imposta(CreaDatiGrafico(tabella_, tipo));
}

void AzioniTabella::TabellaNascosta() {
    tabella_.reset();
    for (QAction* a : azioni_) a->setEnabled(false);
    if (grafico_) grafico_->close();
}

bool AzioniTabella::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == &griglia_ && evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->matches(QKeySequence::Copy)) {
        if (tabella_) CopiaTabella();
        return true;
    }
    return QObject::eventFilter(oggetto, evento);
}

ContenutoRapporto AzioniTabella::Contenuto() const {
    ContenutoRapporto c;
    c.dataOra = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy  HH:mm"));
    const QString sep = tabella_ ? separatore_ : prog_.Separatore();
    c.separatore = sep;

    // The request of the table shown; before any table the document's texts
    // as typed (nothing is read from them until a table is asked for).
    const Documento& doc = prog_.Doc();
    struct VoceRichiesta {
        const char* titolo;
        Campo campo;
        const char* unita;
    };
    const VoceRichiesta voci[] = {{"Distanza di azzeramento", Campo::DistanzaAzzeramento, " m"},
                                  {"Altezza linea di mira", Campo::AltezzaMira, " mm"},
                                  {"Distanza iniziale", Campo::DistanzaInizio, " m"},
                                  {"Distanza finale", Campo::DistanzaFine, " m"},
                                  {"Intervallo", Campo::Intervallo, " m"},
                                  {"Vento laterale", Campo::VelocitaVento, " m/s"}};
    QStringList numeri;
    if (tabella_)
        numeri = {TestoNumero(tabella_->Dati().DistanzaAzzeramento, sep), TestoNumero(tabella_->Dati().AltezzaMira * 1000.0, sep),
                  TestoNumero(tabella_->Dati().DistanzaInizio, sep),      TestoNumero(tabella_->Dati().DistanzaFine, sep),
                  Qs(TestoIntero(tabella_->Dati().Intervallo)),           TestoNumero(tabella_->Dati().VelocitaVento, sep)};
    for (int i = 0; i < 6; ++i)
        c.richiesta.append({QString::fromUtf8(voci[i].titolo),
                            (tabella_ ? numeri[i] : doc.Testo(voci[i].campo).trimmed()) + QString::fromUtf8(voci[i].unita)});

    // The bullet and place with the screen's captions.
    const QStringList valori = TestiDatiInForza(tabella_ ? tabella_->Dati() : prog_.Dati(), sep);
    for (int i = 0; i < 6; ++i) c.proiettile.append({kTitoliDatiInForza[i].simplified(), valori.value(i)});

    // The cartridge notes, captions without their dotted fillers.
    static const QRegularExpression puntini(QStringLiteral("\\s*\\.{3,}\\s*"));
    for (int i = 0; i < 6; ++i)
        c.cartuccia.append({QString(kTitoliNote[i]).replace(puntini, QStringLiteral(" ")).simplified(),
                            doc.NoteCartuccia().value(i).trimmed()});

    if (tabella_ && modello_.rowCount() > 0) {
        c.titolo = tipo_ == TipoTabella::Vari ? QStringLiteral("Tabella parametri vari") : QStringLiteral("Tabella di Campagna");
        c.distanzaOttimale = Qs(TestoDistanzaOttimale(*tabella_));
        c.grafico = CreaDatiGrafico(tabella_, tipo_);
        c.tiroUtile = Qs(TestoTiroUtile(c.grafico->tiroUtile));
        c.tabella = &modello_;
    } else {
        c.titolo = QStringLiteral("Dati della tabella di tiro");
    }
    return c;
}

void AzioniTabella::Stampa() {
    QPrinter stampante(QPrinter::HighResolution);
    ImpostaPagina(stampante);
    stampante.setDocName(QStringLiteral("Rigata - tabella di tiro"));
    if (!prog_.Dlg().ScegliStampante(&schermo_, stampante)) return;
    const ContenutoRapporto c = Contenuto();
    Avanzamento avanzamento(&schermo_, QStringLiteral("Stampa della tabella..."));
    if (!DisegnaRapporto(stampante, c, std::ref(avanzamento)) && !avanzamento.Annullato())
        prog_.Dlg().Avviso(&schermo_, QStringLiteral("STAMPA NON RIUSCITA!!"),
                           QStringLiteral("La stampante scelta non ha accettato la stampa: controllarla (o il file "
                                          "di uscita indicato) e stampare di nuovo."));
}

std::optional<QByteArray> AzioniTabella::PdfRapporto(const AvanzamentoRapporto& avanzamento) const {
    QByteArray byte;
    QBuffer buffer(&byte);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        ImpostaPagina(pdf);
        pdf.setResolution(1200);
        pdf.setTitle(QStringLiteral("Rigata - tabella di tiro"));
        pdf.setCreator(QStringLiteral("Rigata"));
        if (!DisegnaRapporto(pdf, Contenuto(), avanzamento)) return std::nullopt;
    }
    return byte;
}

QByteArray AzioniTabella::Csv() const {
    const char sep = SeparatoreCsv(Std(separatore_));
    CelleRiga celle;
    for (int col = 0; col < 8 && col < modello_.columnCount(); ++col)
        celle[static_cast<size_t>(col)] = Std(modello_.headerData(col, Qt::Horizontal, Qt::DisplayRole).toString());
    std::string testo = std::string(kBomUtf8) + IntestazioneCsv(celle, sep);
    testo.reserve(static_cast<size_t>(modello_.rowCount()) * 64);
    for (int r = 0; r < modello_.rowCount(); ++r) {
        for (int col = 0; col < 8; ++col) celle[static_cast<size_t>(col)] = Std(modello_.Cella(r, col));
        testo += RigaCsv(celle, sep);
    }
    return QByteArray::fromStdString(testo);
}

QString AzioniTabella::TestoAppunti() const {
    // The rows and columns the selection touches; unselected cells among them stay empty.
    std::set<int> righe, colonne;
    const QModelIndexList scelte = griglia_.selectionModel() ? griglia_.selectionModel()->selectedIndexes() : QModelIndexList();
    for (const QModelIndex& i : scelte) righe.insert(i.row()), colonne.insert(i.column());
    if (scelte.isEmpty()) {
        for (int r = 0; r < modello_.rowCount(); ++r) righe.insert(r);
        for (int c = 0; c < modello_.columnCount(); ++c) colonne.insert(c);
    }
    QStringList linee, campi;
    for (int c : colonne) campi << modello_.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().trimmed();
    linee << campi.join(QLatin1Char('\t'));
    for (int r : righe) {
        campi.clear();
        for (int c : colonne)
            campi << (scelte.isEmpty() || griglia_.selectionModel()->isSelected(modello_.index(r, c)) ? modello_.Cella(r, c) : QString());
        linee << campi.join(QLatin1Char('\t'));
    }
    return linee.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void AzioniTabella::CopiaTabella() { QApplication::clipboard()->setText(TestoAppunti()); }

void AzioniTabella::EsportaPdf() {
    const QString percorso = FileDaEsportare(prog_.Dlg(), &schermo_, QStringLiteral("Documento PDF|*.pdf|"), ultimoPdf_,
                                             QStringLiteral("tabella.pdf"), {QStringLiteral(".pdf")});
    if (percorso.isEmpty()) return;
    Avanzamento avanzamento(&schermo_, QStringLiteral("Esportazione in PDF..."));
    // Made in memory first: a cancelled export writes nothing.
    if (const auto pdf = PdfRapporto(std::ref(avanzamento)))
        SalvaEsportazione(prog_.Dlg(), &schermo_, percorso, *pdf);
    else if (!avanzamento.Annullato())
        prog_.Dlg().Avviso(&schermo_, QStringLiteral("SALVATAGGIO NON RIUSCITO!!"),
                           QStringLiteral("Il documento PDF non si è potuto comporre; il file \"%1\" non è stato "
                                          "scritto. Riprovare.").arg(percorso));
}

void AzioniTabella::EsportaCsv() {
    const QString percorso = FileDaEsportare(prog_.Dlg(), &schermo_, QStringLiteral("Tabella CSV|*.csv|"), ultimoCsv_,
                                             QStringLiteral("tabella.csv"), {QStringLiteral(".csv")});
    if (percorso.isEmpty()) return;
    SalvaEsportazione(prog_.Dlg(), &schermo_, percorso, Csv());
}

void AzioniTabella::MostraGrafico() {
    if (!tabella_) return;
    if (!grafico_) grafico_ = new frmGraficoTraiettoria(prog_.Dlg(), prog_.Separatore(), &schermo_);
    grafico_->Imposta(CreaDatiGrafico(tabella_, tipo_));
    grafico_->show();
    grafico_->raise();
    grafico_->activateWindow();
}

