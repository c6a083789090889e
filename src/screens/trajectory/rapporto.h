// The printed report of the trajectory screen, drawn with QPainter (text and
// lines as vectors) on any paged device: the printer or a PDF. A title line
// with the program name, date and time; the request, the bullet and place and
// the cartridge notes; the optimal zero, the model and its air, the
// point-blank range and the energy limits; the chart; the table shown (with
// the columns its choices add), every row, over as many pages as
// needed, the header row on each page and "pagina N di M" at the foot. Text is
// never below 8 pt.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <optional>

#include "graficotraiettoria.h"

class ModelloTabella;
class QPagedPaintDevice;

struct VoceRapporto {
    QString etichetta, valore;
};

struct ContenutoRapporto {
    QString titolo;   // what the report is ("Tabella parametri vari", ...)
    QString dataOra;  // when it was made
    QVector<VoceRapporto> richiesta, proiettile, cartuccia;
    // The summary, in this order (each empty without a table): the optimal
    // zero, the model and air, the zero for the hunter's band, the
    // point-blank range, then the energy at 100 m and its limits, and the note.
    QString distanzaOttimale, modello, zeroBanda, tiroUtile;
    QStringList energia;
    QString notaEnergia;
    // The table's own columns (the grid's first eight); null or empty: no table.
    const ModelloTabella* tabella = nullptr;
    // The columns after the table's eight (ColonneAggiunte: the corrections,
    // the slope, the leads), in their order, each with a cell per row. Those
    // the grid shows (the clicks, the slope, the leads) are always printed,
    // the others (the corrections as angles) where the page is wide enough
    // for them all.
    struct ColonnaAggiunta {
        QString intestazione;
        bool sempre = false;
        QVector<QString> celle;
    };
    QVector<ColonnaAggiunta> aggiunte;
    std::optional<DatiGrafico> grafico;
    QString separatore = QStringLiteral(".");
};

// Called before each page is drawn (pagina from 1); false cancels the report.
using AvanzamentoRapporto = std::function<bool(int pagina, int pagine)>;

// Type sizes of the report, in points.
constexpr double kPuntiTitolo = 13, kPuntiTesto = 9, kPuntiTabella = 9, kPuntiIntestazione = 8.5, kPuntiPiede = 8;

// The sizes the page layout depends on, in device units.
struct MisureRapporto {
    double altezzaPagina = 0;        // of the printable area
    double altezzaPiede = 0;         // one line of the "pagina N di M" footer
    double punto = 1;                // one typographic point
    // Page 1's head: the title line, the three blocks of lines side by side
    // (their longest, heading included), the sentences under them.
    double altezzaTitolo = 0, altezzaTesto = 0;
    int lineeBlocchi = 0, frasi = 0;
    double altezzaGrafico = 0;       // page 1: the chart and the gap under it; 0 without
    double altezzaSegue = 0;         // pages 2 on: the "(segue)" title line
    double altezzaIntestazione = 0;  // the table's header row
    double altezzaRiga = 0;          // one row of the table
    int righe = 0;                   // of the whole table
};

// Where things go on the pages: computed once, read by the counting and by
// the drawing, so that the rows of a page always end above its footer.
struct GeometriaRapporto {
    double lineaTitolo = 0;                   // the rule under the title
    double inizioBlocchi = 0, passoBlocchi = 0;  // top of the blocks, line to line
    double inizioFrasi = 0, passoFrasi = 0;
    double inizioGrafico = 0, inizioTabellaPrima = 0, inizioTabellaSeguenti = 0;
    double fondo = 0;  // the rows end above this line
    double piede = 0;  // top of the footer's line, under fondo
    int righePrima = 0, righeSeguenti = 1, pagine = 1;
    double InizioTabella(int pagina) const { return pagina == 1 ? inizioTabellaPrima : inizioTabellaSeguenti; }
    int RighePerPagina(int pagina) const { return pagina == 1 ? righePrima : righeSeguenti; }
};
GeometriaRapporto CalcolaGeometria(const MisureRapporto& m);

// Draws the report; false when cancelled (a printer's job is then aborted) or
// when the device could not be opened.
bool DisegnaRapporto(QPagedPaintDevice& foglio, const ContenutoRapporto& c, const AvanzamentoRapporto& avanzamento = {});
