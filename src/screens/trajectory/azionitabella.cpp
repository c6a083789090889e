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

#include <algorithm>
#include <set>

#include "colonne.h"
#include "csv.h"
#include "campi.h"
#include "cartellino_stampa.h"
#include "dialoghi.h"
#include "didascalie.h"
#include "documento.h"
#include "file.h"
#include "frmGraficoTraiettoria.h"
#include "modellotabella.h"
#include "navigazione.h"
#include "numeri.h"
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

// The columns the table's choices add (ColonneAggiunte), with their cells.
QVector<ContenutoRapporto::ColonnaAggiunta> ColonneRapporto(const TabellaCalcolata& tabella, const std::string& sep) {
    const ColonneAggiunte aggiunte(tabella.Opzioni(), sep);
    QVector<ContenutoRapporto::ColonnaAggiunta> colonne;
    for (const ColonnaAggiunta& a : aggiunte.Colonne()) {
        colonne.append({Qs(a.intestazione), a.griglia, {}});
        colonne.last().celle.reserve(tabella.NumeroRighe());
    }
    if (colonne.isEmpty()) return colonne;
    std::vector<std::string> celle;
    tabella.Righe([&](const ShotData& riga) {
        aggiunte.Celle(riga, celle);
        for (int i = 0; i < colonne.size(); ++i) colonne[i].celle << Qs(celle[static_cast<size_t>(i)]);
    });
    return colonne;
}

}  // namespace

AzioniTabella::AzioniTabella(QMainWindow& schermo, Navigazione& programma, const ModelloTabella& modello,
                             QTableView& griglia)
    : QObject(&schermo), schermo_(schermo), prog_(programma), modello_(modello), griglia_(griglia) {
    QMenu* menu = schermo.menuBar()->addMenu(QStringLiteral("&Tabella"));
    menu->setObjectName(QStringLiteral("mnuTabella"));
    const struct {
        const char* nome;
        QString testo;
        void (AzioniTabella::*comando)();
    } voci[] = {{"mnuEsportaPdf", QStringLiteral("Esporta &PDF..."), &AzioniTabella::EsportaPdf},
                {"mnuEsportaCsv", QStringLiteral("Esporta C&SV..."), &AzioniTabella::EsportaCsv},
                {nullptr, {}, nullptr},
                {"mnuCopiaTabella", QStringLiteral("&Copia tabella"), &AzioniTabella::CopiaTabella},
                {"mnuGrafico", QStringLiteral("&Grafico della traiettoria"), &AzioniTabella::MostraGrafico},
                {nullptr, {}, nullptr},
                {"mnuStampaCartellino", QStringLiteral("Stampa ca&rtellino..."), &AzioniTabella::StampaCartellino},
                {"mnuEsportaCartellino", QStringLiteral("Esporta cartellino P&DF..."),
                 &AzioniTabella::EsportaCartellinoPdf}};
    for (const auto& voce : voci) {
        if (!voce.nome) {
            menu->addSeparator();
            continue;
        }
        QAction* a = menu->addAction(voce.testo);
        a->setObjectName(QString::fromLatin1(voce.nome));
        a->setEnabled(false);
        connect(a, &QAction::triggered, this, voce.comando);
        azioni_ << a;
    }
    // Several cells can be selected and copied with Ctrl+C.
    griglia_.setSelectionMode(QAbstractItemView::ExtendedSelection);
    griglia_.installEventFilter(this);
}

void AzioniTabella::TabellaMostrata(const TabellaCalcolata& tabella, TipoTabella tipo) {
    tabella_ = std::make_shared<const TabellaCalcolata>(tabella);
    tipo_ = tipo;
    cartellino_ = prog_.Doc().Opzioni();
    separatore_ = prog_.Separatore();
    for (QAction* a : azioni_) a->setEnabled(true);
    if (grafico_) grafico_->Imposta(CreaDatiGrafico(tabella_, tipo, cartellino_));
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
        c.grafico = CreaDatiGrafico(tabella_, tipo_, cartellino_);
        // The summary: the optimal zero, the model, the zero for the band
        // (only for a band of its own), the point-blank range for the band,
        // the energy at 100 m, its limits and the note.
        const Riepilogo r = ComponiRiepilogo(*tabella_, cartellino_, Std(sep));
        c.distanzaOttimale = Qs(r.zeroOttimale);
        c.modello = QStringLiteral("Modello di calcolo: ") + Qs(TestoModelloEAria(*tabella_, Std(sep)));
        if (!r.polvere.empty()) c.modello += QStringLiteral(" · ") + Qs(r.polvere);
        if (!Predefinita(Scelta::Banda, cartellino_)) c.zeroBanda = Qs(r.zeroBanda);
        c.tiroUtile = Qs(r.tiroUtile);
        c.energia << Qs(r.energia100);
        for (const std::string& frase : r.soglie) c.energia << Qs(frase);
        c.notaEnergia = Qs(r.nota);
        c.tabella = &modello_;
        c.aggiunte = ColonneRapporto(*tabella_, Std(sep));
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
    // The table's own cells, then with a scope unit the four correction cells:
    // the same text as --tabella --csv --correzione.
    if (!tabella_) return {};
    return QByteArray::fromStdString(std::string(kBomUtf8) +
                                     TabellaCsv(*tabella_, tipo_, Std(separatore_), cartellino_));
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
    // A header on two lines in the grid is one field.
    for (int c : colonne)
        campi << modello_.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed();
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
    grafico_->Imposta(CreaDatiGrafico(tabella_, tipo_, cartellino_));
    grafico_->show();
    grafico_->raise();
    grafico_->activateWindow();
}


std::optional<Cartellino> AzioniTabella::CartellinoChiesto() {
    if (!tabella_) return std::nullopt;
    const ShotData& d = tabella_->Dati();
    const double ultima =
        static_cast<double>(d.DistanzaInizio) + std::max(tabella_->NumeroRighe() - 1, 0) * static_cast<double>(d.Intervallo);
    const double fine = std::max<double>(d.DistanzaInizio, ultima);
    const int massimo = static_cast<int>(std::clamp(fine, 1.0, 1e6));
    const auto passo = prog_.Dlg().Intero(&schermo_, QStringLiteral("Cartellino"),
                                          QStringLiteral("Una riga ogni quanti metri (fino a m %1)?").arg(massimo),
                                          std::min(kPassoCartellino, massimo), 1, massimo);
    if (!passo) return std::nullopt;
    auto cartellino = ComponiCartellino(*tabella_, cartellino_, *passo, Std(separatore_));
    if (auto* rifiuto = std::get_if<std::string>(&cartellino)) {
        prog_.Dlg().Avviso(&schermo_, QStringLiteral("CARTELLINO NON COMPOSTO!!"), Qs(*rifiuto));
        return std::nullopt;
    }
    return std::get<Cartellino>(std::move(cartellino));
}

void AzioniTabella::StampaCartellino() {
    const auto cartellino = CartellinoChiesto();
    if (!cartellino) return;
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(QStringLiteral("Rigata - cartellino"));
    if (!prog_.Dlg().ScegliStampante(&schermo_, stampante)) return;
    // Two cards on an A4 sheet, with marks for cutting them out.
    if (!DisegnaCartellino(stampante, *cartellino, FoglioCartellino::A4))
        prog_.Dlg().Avviso(&schermo_, QStringLiteral("STAMPA NON RIUSCITA!!"),
                           QStringLiteral("La stampante scelta non ha accettato la stampa: controllarla (o il file "
                                          "di uscita indicato) e stampare di nuovo."));
}

void AzioniTabella::EsportaCartellinoPdf() {
    const auto cartellino = CartellinoChiesto();
    if (!cartellino) return;
    const QString percorso = FileDaEsportare(prog_.Dlg(), &schermo_, QStringLiteral("Documento PDF|*.pdf|"),
                                             ultimoCartellino_, QStringLiteral("cartellino.pdf"), {QStringLiteral(".pdf")});
    if (percorso.isEmpty()) return;
    // Made in memory, then written through the same safe path as the other files.
    QByteArray byte;
    QBuffer buffer(&byte);
    buffer.open(QIODevice::WriteOnly);
    bool fatto = false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1200);
        pdf.setTitle(QStringLiteral("Rigata - cartellino"));
        pdf.setCreator(QStringLiteral("Rigata"));
        fatto = DisegnaCartellino(pdf, *cartellino);
    }
    if (fatto) return SalvaEsportazione(prog_.Dlg(), &schermo_, percorso, byte);
    prog_.Dlg().Avviso(&schermo_, QStringLiteral("SALVATAGGIO NON RIUSCITO!!"),
                       QStringLiteral("Il cartellino non si è potuto comporre; il file \"%1\" non è stato scritto. "
                                      "Riprovare.").arg(percorso));
}
