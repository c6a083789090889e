// The pocket card printed: one side of 10 x 7 cm drawn with QPainter (text and
// lines as vectors), on a page of its own size or twice on an A4 sheet with
// cutting marks. Text is never below 7 pt.
#pragma once

#include "cartellino.h"

class QPagedPaintDevice;

enum class FoglioCartellino { Cartellino, A4 };

// Card size, mm, and the type sizes, points.
constexpr double kLarghezzaCartellino = 100, kAltezzaCartellino = 70;
constexpr double kPuntiCartellinoTitolo = 8, kPuntiCartellino = 7;

// Sets the device's page (10 x 7 cm, or A4 portrait) and draws the card; false
// when the device could not be opened.
bool DisegnaCartellino(QPagedPaintDevice& foglio, const rigata::Cartellino& c,
                       FoglioCartellino formato = FoglioCartellino::Cartellino);
