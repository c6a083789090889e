#include "cartellino_stampa.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <numeric>

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
QString RigheIntestazione(const QString& t) {
    const int unita = t.indexOf(QLatin1Char('('));
    if (unita <= 0) return t;
    return t.left(unita).trimmed() + QLatin1Char('\n') + t.mid(unita);
}

// A face being laid out: the fonts measured on the device, u device units per
// mm, y the top of what comes next.
struct Impaginatore {
    FacciaCartellino& f;
    QPaintDevice* dev;
    double u;
    double y;
    const QFont titolo = Carattere(kPuntiCartellinoTitolo, true), testo = Carattere(kPuntiCartellino),
                intestazione = Carattere(kPuntiCartellino, true);

    Impaginatore(FacciaCartellino& faccia, QPaintDevice* d) : f(faccia), dev(d), u(d->logicalDpiX() / 25.4) {
        f.carta = QRectF(0, 0, kLarghezzaCartellino * u, kAltezzaCartellino * u);
        f.area = f.carta.adjusted(3 * u, 2.5 * u, -3 * u, -2.5 * u);
        y = f.area.top();
    }
    QFontMetricsF Misure(const QFont& c) const { return QFontMetricsF(c, dev); }
    // Wrapped to the area's width.
    double Altezza(const QString& t, const QFont& c) const {
        return Misure(c).boundingRect(QRectF(0, 0, f.area.width(), f.area.height()), Qt::TextWordWrap, t).height();
    }
    void Paragrafo(const QString& t, const QFont& c) {
        const double h = Altezza(t, c);
        f.testi.push_back({QRectF(f.area.left(), y, f.area.width(), h), t, c, Qt::TextWordWrap});
        y += h;
    }
    // The natural height of a row of 7 pt figures.
    double Riga() const { return Misure(testo).height() * 1.08; }
};

// A table's texts: the header's (a unit on a line of its own) and the cells.
struct Tabella {
    QVector<QString> intestazioni;
    QVector<QVector<QString>> righe;
    // Measured: each column as wide as its widest text; the tallest header.
    QVector<double> larghezze;
    double altezzaIntestazione = 0;

    void Misura(const Impaginatore& i) {
        const QFontMetricsF fmI = i.Misure(i.intestazione), fmT = i.Misure(i.testo);
        const QRectF libero(0, 0, i.f.area.width(), i.f.area.height());
        for (int k = 0; k < intestazioni.size(); ++k) {
            const QRectF h = fmI.boundingRect(libero, 0, intestazioni[k]);
            double l = h.width();
            altezzaIntestazione = std::max(altezzaIntestazione, h.height());
            for (const auto& r : righe) l = std::max(l, fmT.horizontalAdvance(r[k]));
            larghezze << l;
        }
    }
    // The height of the header and its rule.
    double Testata(double u) const { return altezzaIntestazione + 0.8 * u; }
};

// Lays the measured table out from y: right-aligned figures under
// right-aligned headers, the columns spread over the area's width but never
// more than spazioMassimo apart, every other row shaded.
void PosaTabella(Impaginatore& i, const Tabella& t, double altezzaRiga, double spazioMassimo) {
    const int n = t.larghezze.size();
    const double totale = std::accumulate(t.larghezze.begin(), t.larghezze.end(), 0.0);
    const double spazio = n > 1 ? std::min(spazioMassimo, (i.f.area.width() - totale) / (n - 1)) : 0;
    const double sinistra = i.f.area.left(), destra = sinistra + totale + spazio * (n - 1);
    const auto riga = [&](const QVector<QString>& celle, const QFont& c, double altezza) {
        double x = sinistra;
        for (int k = 0; k < n; ++k) {
            if (!celle[k].isEmpty())
                i.f.testi.push_back({QRectF(x, i.y, t.larghezze[k], altezza), celle[k], c, Qt::AlignRight | Qt::AlignVCenter});
            x += t.larghezze[k] + spazio;
        }
        i.y += altezza;
    };
    riga(t.intestazioni, i.intestazione, t.altezzaIntestazione);
    i.y += 0.5 * i.u;
    i.f.linee.push_back(QLineF(sinistra, i.y, destra, i.y));
    i.y += 0.3 * i.u;
    for (int r = 0; r < t.righe.size(); ++r) {
        if (r % 2 == 1) i.f.fasce.push_back(QRectF(sinistra, i.y, destra - sinistra, altezzaRiga));
        riga(t.righe[r], i.testo, altezzaRiga);
    }
}

// Bullet and load, zero and band, the table of the rows asked for; the legend
// at the foot. The rows close up a little when wrapped titles leave less room.
FacciaCartellino Fronte(const Cartellino& c, QPaintDevice* dev) {
    FacciaCartellino f;
    Impaginatore i(f, dev);
    i.Paragrafo(Q(c.palla), i.titolo);
    i.Paragrafo(Q(c.azzeramento), i.testo);
    i.y += 1 * i.u;

    // The clicks column is left out when no unit is chosen (empty header).
    Tabella t;
    QVector<int> colonne;
    for (int k = 0; k < static_cast<int>(c.intestazioni.size()); ++k)
        if (!c.intestazioni[k].empty()) colonne << k;
    for (int k : colonne) t.intestazioni << RigheIntestazione(Q(c.intestazioni[k]));
    for (const auto& riga : c.righe) {
        QVector<QString> celle;
        for (int k : colonne) celle << Q(riga[k]);
        t.righe << celle;
    }
    t.Misura(i);
    const double legenda = i.Altezza(Q(c.legenda), i.testo);
    const double posto = f.area.bottom() - legenda - 0.5 * i.u - (i.y + t.Testata(i.u));
    PosaTabella(i, t, std::min(i.Riga(), c.righe.empty() ? 0.0 : posto / static_cast<double>(c.righe.size())),
                f.area.width());
    i.y = std::max(i.y + 0.5 * i.u, f.area.bottom() - legenda);
    i.Paragrafo(Q(c.legenda), i.testo);
    return f;
}

// The leads on a face of their own: what they are, the load they belong to,
// a row every 25 m with a column per speed, and the angle they assume.
FacciaCartellino Retro(const Cartellino& c, QPaintDevice* dev) {
    const rigata::AnticipiCartellino& a = *c.anticipi;
    FacciaCartellino f;
    Impaginatore i(f, dev);
    i.Paragrafo(QStringLiteral("Anticipo sulla selvaggina in corsa (cm)"), i.titolo);
    i.Paragrafo(Q(c.palla), i.testo);
    i.y += 1.5 * i.u;
    Tabella t;
    for (const std::string& h : a.intestazioni) t.intestazioni << Q(h);
    for (const auto& riga : a.righe) {
        QVector<QString> celle;
        for (const std::string& cella : riga) celle << Q(cella);
        t.righe << celle;
    }
    t.Misura(i);
    PosaTabella(i, t, i.Riga() * 1.2, 10 * i.u);
    i.y += 1.5 * i.u;
    i.Paragrafo(Q(a.legenda), i.testo);
    return f;
}

void DisegnaFaccia(QPainter& p, const FacciaCartellino& f, double u) {
    p.setPen(QPen(QColor(0x99, 0x99, 0x99), 0.2 * u));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(f.carta.adjusted(0.5 * u, 0.5 * u, -0.5 * u, -0.5 * u), 2 * u, 2 * u);
    for (const QRectF& r : f.fasce) p.fillRect(r, QColor(0xee, 0xf0, 0xf3));
    p.setPen(QPen(Qt::black, 0.2 * u));
    for (const QLineF& l : f.linee) p.drawLine(l);
    for (const TestoCartellino& t : f.testi) {
        p.setFont(t.carattere);
        p.drawText(t.riquadro, t.opzioni, t.testo);
    }
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

std::vector<FacciaCartellino> ImpaginaCartellino(const Cartellino& c, QPaintDevice* dispositivo) {
    std::vector<FacciaCartellino> facce{Fronte(c, dispositivo)};
    if (c.anticipi) facce.push_back(Retro(c, dispositivo));
    return facce;
}

bool DisegnaCartellino(QPagedPaintDevice& foglio, const Cartellino& c, FoglioCartellino formato) {
    const bool a4 = formato == FoglioCartellino::A4, retro = c.anticipi.has_value();
    // The faces one above the other (mm): the back folds behind the front.
    const QSizeF striscia(kLarghezzaCartellino, kAltezzaCartellino * (retro ? 2 : 1));
    // A page as large as the card; or A4, turned sideways to hold two cards with a back.
    const bool orizzontale = a4 ? retro : striscia.width() > striscia.height();
    const QPageSize pagina = a4 ? QPageSize(QPageSize::A4)
                                : QPageSize(orizzontale ? striscia.transposed() : striscia, QPageSize::Millimeter,
                                            QStringLiteral("Cartellino"), QPageSize::ExactMatch);
    foglio.setPageLayout(QPageLayout(pagina, orizzontale ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(), QPageLayout::Millimeter));
    QPainter p;
    if (!p.begin(&foglio)) return false;
    p.setRenderHint(QPainter::Antialiasing);
    const double u = foglio.logicalDpiX() / 25.4;  // device units per mm
    const std::vector<FacciaCartellino> facce = ImpaginaCartellino(c, &foglio);
    // Where each card's top left corner goes (mm): two cards 20 mm apart in
    // the middle of an A4 sheet, beside each other when they have a back.
    QVector<QPointF> copie{QPointF()};
    if (a4) {
        const QSizeF a(orizzontale ? 297 : 210, orizzontale ? 210 : 297);
        const QPointF passo = retro ? QPointF(striscia.width() + 20, 0) : QPointF(0, striscia.height() + 20);
        const QPointF primo((a.width() - striscia.width() - passo.x()) / 2, (a.height() - striscia.height() - passo.y()) / 2);
        copie = {primo, primo + passo};
    }
    for (const QPointF& copia : copie) {
        const QRectF r(copia * u, striscia * u);
        if (a4) SegniDiTaglio(p, r, u);
        for (size_t k = 0; k < facce.size(); ++k) {
            p.save();
            p.translate(r.left(), r.top() + k * kAltezzaCartellino * u);
            DisegnaFaccia(p, facce[k], u);
            p.restore();
        }
        // The fold: a dashed line across, between the faces.
        p.setPen(QPen(QColor(0x99, 0x99, 0x99), 0.15 * u, Qt::DashLine));
        for (size_t k = 1; k < facce.size(); ++k)
            p.drawLine(QPointF(r.left(), r.top() + k * kAltezzaCartellino * u),
                       QPointF(r.right(), r.top() + k * kAltezzaCartellino * u));
    }
    return p.end();
}
