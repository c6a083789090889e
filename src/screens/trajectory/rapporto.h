// The printed report of the trajectory screen, drawn with QPainter (text and
// lines as vectors) on any paged device: the printer or a PDF. A title line
// with the program name, date and time; the request, the bullet and place and
// the cartridge notes; the optimal zero and the point-blank range; the chart;
// the table shown, every row, over as many pages as needed, the header row on
// each page and "pagina N di M" at the foot. Text is never below 8 pt.
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
    QString distanzaOttimale, tiroUtile;     // the two sentences; empty without a table
    const ModelloTabella* tabella = nullptr;  // null or empty: no table
    std::optional<DatiGrafico> grafico;
    QString separatore = QStringLiteral(".");
};

// Called before each page is drawn (pagina from 1); false cancels the report.
using AvanzamentoRapporto = std::function<bool(int pagina, int pagine)>;

// Type sizes of the report, in points.
constexpr double kPuntiTitolo = 13, kPuntiTesto = 9, kPuntiTabella = 9, kPuntiIntestazione = 8.5, kPuntiPiede = 8;

// Draws the report; false when cancelled (a printer's job is then aborted) or
// when the device could not be opened.
bool DisegnaRapporto(QPagedPaintDevice& foglio, const ContenutoRapporto& c, const AvanzamentoRapporto& avanzamento = {});
