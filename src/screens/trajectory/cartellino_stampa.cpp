#include "cartellino_stampa.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

using rigata::Cartellino;

namespace {

QFont Carattere(double punti, bool grassetto = false) {
    QFont f = QGuiApplication::font();
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    f.setStyleStrategy(QFont::PreferNoShaping);  // "fi" stays two letters in the PDF
    return f;
}

QString Q(const std::string& t) { return QString::fromStdString(t); }

// A header on two lines, split before its unit ("Energia (J)" over "Energia"
// and "(J)"), so that six columns fit 10 cm.
QStringList RigheIntestazione(const QString& t) {
    const int unita = t.indexOf(QLatin1Char('('));
    if (unita <= 0) return {t};
    return {t.left(unita).trimmed(), t.mid(unita)};
}

// Draws one card in the rectangle r (device units, u per mm).
void Disegna(QPainter& p, const QRectF& r, double u, const Cartellino& c) {
    QPaintDevice* dev = p.device();
    const QFont titolo = Carattere(kPuntiCartellinoTitolo, true), testo = Carattere(kPuntiCartellino),
                intestazione = Carattere(kPuntiCartellino, true);
    const QFontMetricsF fmTitolo(titolo, dev), fmTesto(testo, dev), fmIntestazione(intestazione, dev);
    const QRectF area = r.adjusted(3 * u, 2.5 * u, -3 * u, -2.5 * u);

    p.setPen(QPen(QColor(0x99, 0x99, 0x99), 0.2 * u));
    p.drawRoundedRect(r.adjusted(0.5 * u, 0.5 * u, -0.5 * u, -0.5 * u), 2 * u, 2 * u);
    p.setPen(Qt::black);

    // Bullet and load, zero and band: wrapped, never cut.
    double y = area.top();
    const auto paragrafo = [&](const QString& t, const QFont& f, const QFontMetricsF& fm) {
        const QRectF b = fm.boundingRect(QRectF(area.left(), y, area.width(), area.height()), Qt::TextWordWrap, t);
        p.setFont(f);
        p.drawText(QRectF(area.left(), y, area.width(), b.height()), Qt::TextWordWrap, t);
        y += b.height();
    };
    paragrafo(Q(c.palla), titolo, fmTitolo);
    paragrafo(Q(c.azzeramento), testo, fmTesto);
    y += 1 * u;

    // Columns: the widest of header lines and cells; the clicks column is
    // left out when no unit is chosen (empty header).
    QVector<int> colonne;
    for (int i = 0; i < static_cast<int>(c.intestazioni.size()); ++i)
        if (!c.intestazioni[i].empty()) colonne << i;
    QVector<double> larghezze;
    int lineeIntestazione = 1;
    for (int i : colonne) {
        double l = 0;
        const QStringList linee = RigheIntestazione(Q(c.intestazioni[i]));
        lineeIntestazione = std::max(lineeIntestazione, static_cast<int>(linee.size()));
        for (const QString& t : linee) l = std::max(l, fmIntestazione.horizontalAdvance(t));
        for (const auto& riga : c.righe) l = std::max(l, fmTesto.horizontalAdvance(Q(riga[i])));
        larghezze << l;
    }
    double totale = 0;
    for (double l : larghezze) totale += l;
    const double spazio = colonne.size() > 1 ? (area.width() - totale) / (colonne.size() - 1) : 0;

    // Right-aligned figures under right-aligned headers. The rows close up
    // a little when wrapped titles leave less room (the legend stays on the card).
    const double altezzaIntestazione = lineeIntestazione * fmIntestazione.height();
    const QRectF legenda = fmTesto.boundingRect(area, Qt::TextWordWrap, Q(c.legenda));
    const double posto = area.bottom() - legenda.height() - 0.5 * u - (y + altezzaIntestazione + 0.8 * u);
    const double altezzaRiga =
        std::min(fmTesto.height() * 1.08, c.righe.empty() ? 0.0 : posto / static_cast<double>(c.righe.size()));
    const auto riga = [&](const QVector<QString>& celle, const QFont& f, double altezza, double top) {
        p.setFont(f);
        double x = area.left();
        for (int k = 0; k < colonne.size(); ++k) {
            p.drawText(QRectF(x, top, larghezze[k], altezza), Qt::AlignRight | Qt::AlignVCenter, celle[k]);
            x += larghezze[k] + spazio;
        }
    };
    QVector<QString> testata;
    for (int i : colonne) testata << RigheIntestazione(Q(c.intestazioni[i])).join(QLatin1Char('\n'));
    riga(testata, intestazione, altezzaIntestazione, y);
    y += altezzaIntestazione + 0.5 * u;
    p.setPen(QPen(Qt::black, 0.2 * u));
    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    y += 0.3 * u;
    for (size_t n = 0; n < c.righe.size(); ++n) {
        if (n % 2 == 1) p.fillRect(QRectF(area.left(), y, area.width(), altezzaRiga), QColor(0xee, 0xf0, 0xf3));
        QVector<QString> celle;
        for (int i : colonne) celle << Q(c.righe[n][i]);
        riga(celle, testo, altezzaRiga, y);
        y += altezzaRiga;
    }

    // The legend at the foot.
    p.setFont(testo);
    p.drawText(QRectF(area.left(), std::max(y + 0.5 * u, area.bottom() - legenda.height()), area.width(),
                      legenda.height()),
               Qt::TextWordWrap, Q(c.legenda));
}

// Four corner marks just outside a card, for the scissors.
void SegniDiTaglio(QPainter& p, const QRectF& r, double u) {
    p.setPen(QPen(Qt::black, 0.15 * u));
    const double d = 1.5 * u, l = 4 * u;
    for (const QPointF& a : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
        const double sx = a.x() == r.left() ? -1 : 1, sy = a.y() == r.top() ? -1 : 1;
        p.drawLine(QPointF(a.x() + sx * d, a.y()), QPointF(a.x() + sx * (d + l), a.y()));
        p.drawLine(QPointF(a.x(), a.y() + sy * d), QPointF(a.x(), a.y() + sy * (d + l)));
    }
}

}  // namespace

bool DisegnaCartellino(QPagedPaintDevice& foglio, const Cartellino& c, FoglioCartellino formato) {
    const bool a4 = formato == FoglioCartellino::A4;
    // A page as large as the card, landscape; or A4 portrait.
    const QPageSize pagina = a4 ? QPageSize(QPageSize::A4)
                                : QPageSize(QSizeF(kAltezzaCartellino, kLarghezzaCartellino), QPageSize::Millimeter,
                                            QStringLiteral("Cartellino"), QPageSize::ExactMatch);
    foglio.setPageLayout(QPageLayout(pagina, a4 ? QPageLayout::Portrait : QPageLayout::Landscape, QMarginsF(),
                                     QPageLayout::Millimeter));
    QPainter p;
    if (!p.begin(&foglio)) return false;
    p.setRenderHint(QPainter::Antialiasing);
    const double u = foglio.logicalDpiX() / 25.4;  // device units per mm
    const QSizeF carta(kLarghezzaCartellino * u, kAltezzaCartellino * u);
    if (!a4) {
        Disegna(p, QRectF(QPointF(0, 0), carta), u, c);
    } else {
        // Two cards in the middle of the sheet, 20 mm apart.
        const double x = (210 - kLarghezzaCartellino) / 2 * u, y = (297 - 2 * kAltezzaCartellino - 20) / 2 * u;
        for (const QRectF& r : {QRectF(QPointF(x, y), carta), QRectF(QPointF(x, y + (kAltezzaCartellino + 20) * u), carta)}) {
            SegniDiTaglio(p, r, u);
            Disegna(p, r, u, c);
        }
    }
    return p.end();
}
