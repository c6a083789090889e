// The pocket card printed: faces of 10 x 7 cm drawn with QPainter (text and
// lines as vectors), on a page of their own size or twice on an A4 sheet with
// cutting marks. Text is never below 7 pt. With leads the card has a back:
// the front's table at its most rows fills the front, so the leads go on a
// second face printed under the first, to be folded behind it.
#pragma once

#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QString>

#include <vector>

#include "cartellino.h"

class QPagedPaintDevice;
class QPaintDevice;

enum class FoglioCartellino { Cartellino, A4 };

// Card size, mm, and the type sizes, points.
constexpr double kLarghezzaCartellino = 100, kAltezzaCartellino = 70;
constexpr double kPuntiCartellinoTitolo = 8, kPuntiCartellino = 7;

// A text placed on a face: its box (device units, from the face's top left
// corner) holds the whole text drawn with its font and flags.
struct TestoCartellino {
    QRectF riquadro;
    QString testo;
    QFont carattere;
    int opzioni = 0;  // Qt::AlignmentFlag and Qt::TextWordWrap
};

// One face laid out: every text, shaded row and rule inside `area`, the
// card less its margins.
struct FacciaCartellino {
    QRectF carta, area;
    std::vector<TestoCartellino> testi;
    std::vector<QRectF> fasce;  // every other row, shaded
    std::vector<QLineF> linee;  // the rule under a table's header
};

// The front and, with leads, the back, measured with the device's fonts.
std::vector<FacciaCartellino> ImpaginaCartellino(const rigata::Cartellino& c, QPaintDevice* dispositivo);

// Sets the device's page (the card, or A4) and draws the card; false when the
// device could not be opened. A card with a back takes a page of 10 x 14 cm,
// and an A4 sheet turned sideways for two copies.
bool DisegnaCartellino(QPagedPaintDevice& foglio, const rigata::Cartellino& c,
                       FoglioCartellino formato = FoglioCartellino::Cartellino);
