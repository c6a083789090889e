// What leaves the trajectory screen: the printed report, the PDF and CSV
// exports, the copy to the clipboard, the chart window and the pocket card. Adds the menu
// "&Tabella" to the screen; its entries are enabled once a table is shown.
// The table's record and the hunter's choices (band, thresholds, scope unit)
// are kept as they were when it was computed, so the report, the files, the
// chart and the card always describe the table in the grid, whatever is
// typed since.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

#include <memory>
#include <optional>

#include "cartellino.h"
#include "rapporto.h"
#include "shotdata.h"
#include "tabella.h"
#include "tabellacalcolata.h"

class QAction;
class QMainWindow;
class QTableView;
class ModelloTabella;
class Navigazione;
class frmGraficoTraiettoria;

class AzioniTabella : public QObject {
    Q_OBJECT
public:
    AzioniTabella(QMainWindow& schermo, Navigazione& programma, const ModelloTabella& modello, QTableView& griglia);

    // A table was computed and shown (the record, the model, the zero).
    void TabellaMostrata(const rigata::TabellaCalcolata& tabella, rigata::TipoTabella tipo);
    // The table went out of sight (the screen was left): nothing describes it
    // any more; the entries are disabled and the chart window closed.
    void TabellaNascosta();

    void Stampa();       // the printer dialog, then the report
    void EsportaPdf();
    void EsportaCsv();
    void CopiaTabella();  // the selected cells, or the whole table
    void MostraGrafico();
    // The pocket card: the step asked, then two cards on an A4 sheet printed,
    // or one card of 10 x 7 cm saved as PDF.
    void StampaCartellino();
    void EsportaCartellinoPdf();

    // What the report shows now: the table's record and the document.
    ContenutoRapporto Contenuto() const;
    // The report as PDF bytes; empty when cancelled.
    std::optional<QByteArray> PdfRapporto(const AvanzamentoRapporto& avanzamento = {}) const;
    // The table as the CSV file holds it (byte-order mark first).
    QByteArray Csv() const;
    // The selection (or the whole table) as tab-separated lines with headers.
    QString TestoAppunti() const;
    // The card of the table shown at the step asked; empty when cancelled or
    // refused (the refusal shown as a warning).
    std::optional<rigata::Cartellino> CartellinoChiesto();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QMainWindow& schermo_;
    Navigazione& prog_;
    const ModelloTabella& modello_;
    QTableView& griglia_;
    QVector<QAction*> azioni_;
    std::shared_ptr<const rigata::TabellaCalcolata> tabella_;  // the table shown, null when none
    rigata::Scelte cartellino_;      // the choices in force when it was computed
    rigata::TipoTabella tipo_ = rigata::TipoTabella::Vari;
    QString separatore_;                    // the decimal separator of its cells
    QPointer<frmGraficoTraiettoria> grafico_;
    QString ultimoPdf_, ultimoCsv_, ultimoCartellino_;
};
