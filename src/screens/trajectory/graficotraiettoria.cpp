#include "graficotraiettoria.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

#include "numeri.h"
#include "widget.h"

using namespace rigata;

namespace {

// The colours of the curves.
const QColor kColoreTraiettoria(0x1f, 0x4e, 0x9a);
const QColor kColoreClassico(0x8e, 0x44, 0xad);  // the closed form beside the point mass
const QColor kColoreVelocita(0x1f, 0x4e, 0x9a);
const QColor kColoreEnergia(0xa6, 0x4b, 0x00);
const QColor kColoreFascia(0xee, 0xf3, 0xe8);
const QColor kColoreTiroUtile(0xc9, 0xe4, 0xb8);
const QColor kColoreAzzeramento(0xb0, 0x20, 0x20);
const QColor kColoreGriglia(0xdd, 0xdd, 0xdd);
const QColor kColoriPendii[5] = {QColor(0x1f, 0x4e, 0x9a), QColor(0x00, 0x8b, 0x8b), QColor(0x3a, 0x8f, 0x2a),
                                 QColor(0xd0, 0x7a, 0x00), QColor(0xb0, 0x20, 0x20)};
// The field table's slopes by their place (0: level, then 15 to 60 degrees),
// negative when the table's slopes are downhill, as its headers.
QString NomePendio(int i, const Scelte& scelte) {
    if (i == 0) return QStringLiteral("piano");
    return QStringLiteral("%1%2°").arg(PendiiInDiscesa(scelte) ? QStringLiteral("-") : QString()).arg(15 * i);
}

// An axis with round tick values: 1, 2 or 5 times a power of ten.
struct Scala {
    double min = 0, max = 1, passo = 1;
    double Tra(double v, double da, double a) const { return da + (v - min) / (max - min) * (a - da); }
};

Scala ScalaTonda(double lo, double hi, int tacche, bool arrotondaEstremi) {
    if (!std::isfinite(lo) || !std::isfinite(hi)) lo = 0, hi = 1;
    if (hi - lo < 1e-9) lo -= 1, hi += 1;
    const double grezzo = (hi - lo) / std::max(1, tacche);
    const double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
    const double f = grezzo / potenza;
    const double passo = (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * potenza;
    if (!arrotondaEstremi) return {lo, hi, passo};
    return {std::floor(lo / passo) * passo, std::ceil(hi / passo) * passo, passo};
}

// A round scale of exactly passi steps that holds lo..hi (the second scale of
// a panel, sharing the grid of the first).
Scala ScalaConPassi(double lo, double hi, int passi) {
    Scala s = ScalaTonda(lo, hi, passi, true);
    for (int i = 0; i < 60; ++i) {
        s.min = std::floor(lo / s.passo) * s.passo;
        if (s.min + passi * s.passo >= hi) break;
        const double f = s.passo / std::pow(10.0, std::floor(std::log10(s.passo) + 1e-9));
        s.passo *= f < 1.5 ? 2 : f < 3 ? 2.5 : 2;  // 1 -> 2 -> 5 -> 10
    }
    s.max = s.min + passi * s.passo;
    return s;
}

// A tick value with as many decimals as its step needs; beyond ten million
// (only far past any shooting distance) in exponent form.
QString TestoTacca(double v, double passo, const QString& sep) {
    const int decimali = std::max(0, static_cast<int>(-std::floor(std::log10(passo) + 1e-9)));
    if (std::fabs(v) < passo * 1e-6) v = 0;
    QString t = std::fabs(v) >= 1e7 ? QString::number(v, 'g', 3) : QString::number(v, 'f', decimali);
    t.replace(QLatin1Char('.'), sep);
    return t;
}

// A value as the table writes it (one decimal), with the screen's separator.
QString Valore(double v, const char* schema, const QString& sep) { return Qs(FormattaNumero(v, schema, Std(sep))); }

struct Pannello {
    QRectF piano;
    Scala sx, sy;
    double X(double d) const { return sx.Tra(d, piano.left(), piano.right()); }
    double Y(double v) const { return sy.Tra(v, piano.bottom(), piano.top()); }
};

void DisegnaAssi(QPainter& p, const Pannello& pan, const QFontMetricsF& fm, const QString& sep, bool etichetteX,
                 const std::optional<Scala>& destra = std::nullopt, const QColor& coloreSinistra = Qt::black,
                 const QColor& coloreDestra = Qt::black) {
    const double u = p.device()->logicalDpiX() / 72.0;
    p.setPen(QPen(kColoreGriglia, 0.5 * u));
    const double mezzaRiga = fm.ascent() / 2 - fm.descent() / 2;
    // Vertical grid and distance ticks: multiples of the step within the table's span.
    for (double d = std::ceil(pan.sx.min / pan.sx.passo - 1e-9) * pan.sx.passo; d <= pan.sx.max + pan.sx.passo * 1e-9;
         d += pan.sx.passo) {
        const double x = pan.X(d);
        p.setPen(QPen(kColoreGriglia, 0.5 * u));
        p.drawLine(QPointF(x, pan.piano.top()), QPointF(x, pan.piano.bottom()));
        if (etichetteX) {
            const QString t = TestoTacca(d, pan.sx.passo, sep);
            p.setPen(Qt::black);
            p.drawText(QPointF(x - fm.horizontalAdvance(t) / 2, pan.piano.bottom() + fm.ascent() + 2 * u), t);
        }
    }
    for (double v = pan.sy.min; v <= pan.sy.max + pan.sy.passo * 1e-9; v += pan.sy.passo) {
        const double y = pan.Y(v);
        p.setPen(QPen(kColoreGriglia, 0.5 * u));
        p.drawLine(QPointF(pan.piano.left(), y), QPointF(pan.piano.right(), y));
        const QString t = TestoTacca(v, pan.sy.passo, sep);
        p.setPen(coloreSinistra);
        p.drawText(QPointF(pan.piano.left() - fm.horizontalAdvance(t) - 3 * u, y + mezzaRiga), t);
        if (destra) {
            const double w = destra->min + (v - pan.sy.min) / (pan.sy.max - pan.sy.min) * (destra->max - destra->min);
            p.setPen(coloreDestra);
            p.drawText(QPointF(pan.piano.right() + 3 * u, y + mezzaRiga), TestoTacca(w, destra->passo, sep));
        }
    }
    p.setPen(QPen(Qt::black, 0.8 * u));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pan.piano);
}

// A curve in device coordinates, one point per sample, x increasing;
// scalaPropria: the values' own scale, mapped onto the panel's.
QPolygonF Linea(const Pannello& pan, const std::vector<PuntoTraiettoria>& punti,
                double (*valore)(const PuntoTraiettoria&, int), int indice,
                const std::optional<Scala>& scalaPropria = std::nullopt) {
    QPolygonF linea;
    linea.reserve(static_cast<int>(punti.size()));
    for (const auto& pt : punti) {
        double v = valore(pt, indice);
        if (!std::isfinite(v)) continue;
        if (scalaPropria) v = pan.sy.min + (v - scalaPropria->min) / (scalaPropria->max - scalaPropria->min) *
                                               (pan.sy.max - pan.sy.min);
        linea << QPointF(pan.X(pt.distanza), pan.Y(v));
    }
    return linea;
}

void DisegnaLinea(QPainter& p, const QPolygonF& linea, const QPen& penna) {
    p.setPen(penna);
    p.drawPolyline(linea);
}

// Where the labels of a plot go: at the first of their places, in the order
// given, that lies in the plot, that no curve crosses and that no label or
// box taken before overlaps. Where none is free, the first place, with a
// white ground under the text, so that no curve ever runs through a label.
class Posti {
public:
    Posti(const QRectF& piano, double margine) : piano_(piano), margine_(margine) {}
    void Curva(const QPolygonF& linea) { curve_.push_back(&linea); }
    void Occupa(const QRectF& r) { presi_.push_back(r); }

    // The rectangle of the size at the first free top-left corner; libero
    // false when it is the fallback.
    QRectF Scegli(const QSizeF& misura, std::initializer_list<QPointF> angoli, bool& libero) {
        libero = true;
        for (const QPointF& a : angoli) {
            const QRectF r(a, misura);
            if (Libero(r)) return Prendi(r);
        }
        libero = false;
        return Prendi(QRectF(*angoli.begin(), misura));
    }

private:
    QRectF Prendi(const QRectF& r) {
        presi_.push_back(r);
        return r;
    }
    bool Libero(const QRectF& r) const {
        if (!piano_.contains(r)) return false;
        for (const QRectF& preso : presi_)
            if (preso.intersects(r)) return false;
        const QRectF largo = r.adjusted(-margine_, -margine_, margine_, margine_);
        for (const QPolygonF* linea : curve_)
            if (Attraversa(*linea, largo)) return false;
        return true;
    }
    // Whether a polyline of increasing x runs through the rectangle.
    static bool Attraversa(const QPolygonF& linea, const QRectF& r) {
        auto i = std::lower_bound(linea.begin(), linea.end(), r.left(),
                                  [](const QPointF& pt, double x) { return pt.x() < x; });
        if (i != linea.begin()) --i;
        for (; i != linea.end() && i->x() <= r.right(); ++i) {
            const QPointF a = *i;
            const QPointF b = i + 1 != linea.end() ? *(i + 1) : a;
            const auto y = [&](double x) { return b.x() == a.x() ? a.y() : a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()); };
            const double y1 = y(std::clamp(r.left(), a.x(), b.x())), y2 = y(std::clamp(r.right(), a.x(), b.x()));
            if (b.x() >= r.left() && std::max(y1, y2) >= r.top() && std::min(y1, y2) <= r.bottom()) return true;
        }
        return false;
    }

    QRectF piano_;
    double margine_;  // half a curve's width and a pixel
    std::vector<const QPolygonF*> curve_;
    std::vector<QRectF> presi_;
};

double Scarto(const PuntoTraiettoria& pt, int i) { return i == 0 ? pt.scarto : pt.pendii[i - 1]; }
double Velocita(const PuntoTraiettoria& pt, int) { return pt.velocita; }
double Energia(const PuntoTraiettoria& pt, int) { return pt.energia; }

std::pair<double, double> Estremi(const std::vector<PuntoTraiettoria>& punti, int curve) {
    double lo = INFINITY, hi = -INFINITY;
    for (const auto& pt : punti)
        for (int i = 0; i < curve; ++i) {
            const double v = Scarto(pt, i);
            if (std::isfinite(v)) lo = std::min(lo, v), hi = std::max(hi, v);
        }
    return {lo, hi};
}

// The values at the mouse in a small box beside the cursor line.
void DisegnaCursore(QPainter& p, const QRectF& tutto, const Pannello& pan, const DatiGrafico& g, double distanza,
                    const QFont& carattere, const QString& sep) {
    const double u = p.device()->logicalDpiX() / 72.0;
    const ShotData riga = RigaA(g.tabella->Modello(), distanza);
    const PuntoTraiettoria pt = PuntoDaRiga(riga, distanza);
    QStringList righe{QStringLiteral("Distanza: %1 m").arg(Valore(distanza, "####0", sep))};
    if (g.tipo == TipoTabella::Vari) {
        righe << QStringLiteral("Scarto: %1 cm").arg(Valore(pt.scarto, "###0.0", sep))
              << QStringLiteral("Velocità: %1 m/s").arg(Valore(pt.velocita, kSchemaVelocita, sep))
              << QStringLiteral("Energia: %1 J").arg(Valore(pt.energia, kSchemaEnergia, sep));
        if (g.cartellino.unita != UnitaCorrezione::Nessuna && distanza > 0) {
            // The correction cells the table would have at this distance.
            const CelleCorrezione c = CelleCorrezioneRiga(riga, g.cartellino, Std(sep));
            if (!c.correzione.empty())
                righe << QStringLiteral("Correzione: %1 %2 (%3 click)")
                             .arg(Qs(c.correzione), Qs(NomeUnita(g.cartellino.unita)), Qs(c.click));
        }
    } else {
        for (int i = 0; i < 5; ++i)
            righe << QStringLiteral("Scarto %1: %2 cm").arg(NomePendio(i, g.tabella->Opzioni()), Valore(Scarto(pt, i), "###0.0", sep));
    }
    const double x = pan.X(distanza);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 0.8 * u, Qt::DashLine));
    p.drawLine(QPointF(x, pan.piano.top()), QPointF(x, tutto.bottom()));
    const QFontMetricsF fm(carattere, p.device());
    double larghezza = 0;
    for (const QString& r : righe) larghezza = std::max(larghezza, fm.horizontalAdvance(r));
    QRectF riquadro(0, pan.piano.top() + 4 * u, larghezza + 8 * u, righe.size() * fm.height() + 6 * u);
    riquadro.moveLeft(x + 8 * u + riquadro.width() < pan.piano.right() ? x + 8 * u : x - 8 * u - riquadro.width());
    p.setPen(QPen(QColor(0x88, 0x88, 0x88), 0.5 * u));
    p.setBrush(QColor(255, 255, 240, 235));
    p.drawRect(riquadro);
    p.setPen(Qt::black);
    p.setFont(carattere);
    for (int i = 0; i < righe.size(); ++i)
        p.drawText(QPointF(riquadro.left() + 4 * u, riquadro.top() + 3 * u + fm.ascent() + i * fm.height()), righe[i]);
}

}  // namespace

DatiGrafico CreaDatiGrafico(std::shared_ptr<const TabellaCalcolata> tabella, TipoTabella tipo,
                            const Scelte& cartellino) {
    DatiGrafico g;
    g.tabella = std::move(tabella);
    g.dati = g.tabella->Dati();
    const ShotData& d = g.dati;
    g.tipo = tipo;
    const int righe = NumeroRighe(d).value_or(0);
    const double ultima = static_cast<double>(d.DistanzaInizio) + std::max(0, righe - 1) * static_cast<double>(d.Intervallo);
    g.da = std::min<double>(d.DistanzaInizio, ultima);
    g.a = std::max<double>(d.DistanzaInizio, ultima);
    if (g.a - g.da < 1) {  // one row: a span around it from the muzzle
        g.da = std::min(0.0, g.da);
        g.a = std::max(g.a, g.da + 100);
    }
    g.cartellino = cartellino;
    g.tiroUtile = TiroUtile(g.tabella->Modello(), cartellino.banda);
    for (double soglia : cartellino.soglie)
        if (const auto metro = UltimoMetroSopra(g.tabella->Modello(), soglia)) g.soglie.emplace_back(soglia, *metro);
    return g;
}

namespace {

// What every step of the drawing shares: the painter, its units and fonts,
// and where the labels inside the plots went.
struct Tela {
    QPainter& p;
    const QFontMetricsF& fm;
    double u;  // device units per point
    const QString& sep;
    QFont carattere, grassetto;
    std::vector<QRectF>& etichette;

    QSizeF Misura(const QString& testo) const { return {fm.horizontalAdvance(testo), fm.height()}; }
    // A label at the first free place of posti among the top-left corners.
    void Etichetta(Posti& posti, const QString& testo, const QColor& colore, std::initializer_list<QPointF> angoli) const {
        bool libero = true;
        const QRectF r = posti.Scegli(Misura(testo), angoli, libero);
        if (!libero) p.fillRect(r, QColor(255, 255, 255, 230));
        p.setPen(colore);
        p.drawText(QPointF(r.left(), r.top() + fm.ascent()), testo);
        etichette.push_back(r);
    }
};

// The upper panel: the point of impact against the line of sight over the
// table's distances, its scale rounded around the curves and the +-6 cm band.
Pannello PannelloScarto(const Tela& t, const QRectF& area, const DatiGrafico& g, bool generale,
                        std::vector<PuntoTraiettoria>& punti, std::vector<PuntoTraiettoria>& classici) {
    // Margins: tick labels left and right, a title line above each panel, distances below.
    const double sinistra = t.fm.horizontalAdvance(QStringLiteral("-0.00e+00")) + 6 * t.u;
    const double destra = generale ? t.fm.horizontalAdvance(QStringLiteral("0.00e+00")) + 6 * t.u : 14 * t.u;
    const double titolo = t.fm.height() * 1.5;
    const double sotto = t.fm.height() * 2.6;
    const double altezzaUtile =
        area.height() - sotto - titolo * (generale ? 2 : 1) - (generale ? t.fm.height() * 0.5 : 0);
    const double altezzaSopra = generale ? altezzaUtile * 0.64 : altezzaUtile;
    Pannello sopra;
    sopra.piano = QRectF(area.left() + sinistra, area.top() + titolo, area.width() - sinistra - destra, altezzaSopra);
    const int colonne = std::max(2, static_cast<int>(sopra.piano.width()));  // one point per pixel column
    punti = Campiona(g.tabella->Modello(), g.da, g.a, colonne);
    sopra.sx = ScalaTonda(g.da, g.a, 10, false);
    auto [lo, hi] = Estremi(punti, generale ? 1 : 5);
    if (generale && g.tabella->Confronto()) {
        classici = Campiona(*g.tabella->Confronto(), g.da, g.a, colonne);
        const auto [loC, hiC] = Estremi(classici, 1);
        lo = std::min(lo, loC), hi = std::max(hi, hiC);
    }
    lo = std::min(lo, -g.cartellino.banda);
    hi = std::max(hi, g.cartellino.banda);
    const double margine = (hi - lo) * 0.05;
    const int tacche = std::max(3, static_cast<int>(sopra.piano.height() / (t.fm.height() * 2.2)));
    sopra.sy = ScalaTonda(lo - margine, hi + margine, tacche, true);
    return sopra;
}

// Title line: what is drawn, and the point-blank range.
void DisegnaTitolo(const Tela& t, const QRectF& area, const Pannello& sopra, const DatiGrafico& g, bool generale) {
    t.p.setFont(t.grassetto);
    t.p.setPen(Qt::black);
    t.p.drawText(QPointF(sopra.piano.left(), area.top() + t.fm.ascent()),
                 generale ? QStringLiteral("Scarto dalla linea di mira (cm)")
                          : QStringLiteral("Scarto dalla linea di mira (cm) in piano e in pendenza"));
    t.p.setFont(t.carattere);
    const QString utile = Qs(TestoTiroUtileBanda(g.cartellino.banda, g.tiroUtile, Std(t.sep)));
    if (generale)
        t.p.drawText(QPointF(sopra.piano.right() - t.fm.horizontalAdvance(utile), area.top() + t.fm.ascent()), utile);
}

// The hunter's band with the point-blank stretch inside it, the axes, the band's
// edges and the line of sight.
void DisegnaFascia(const Tela& t, const Pannello& sopra, const DatiGrafico& g, bool generale) {
    QPainter& p = t.p;
    const QRectF& piano = sopra.piano;
    p.save();
    p.setClipRect(piano);
    const double y6 = sopra.Y(g.cartellino.banda), ym6 = sopra.Y(-g.cartellino.banda);
    p.fillRect(QRectF(QPointF(piano.left(), y6), QPointF(piano.right(), ym6)), kColoreFascia);
    if (generale && g.tiroUtile)
        p.fillRect(QRectF(QPointF(sopra.X(g.tiroUtile->da), y6), QPointF(sopra.X(g.tiroUtile->a), ym6)), kColoreTiroUtile);
    p.restore();
    DisegnaAssi(p, sopra, t.fm, t.sep, !generale);
    p.save();
    p.setClipRect(piano);
    p.setPen(QPen(QColor(0x5a, 0x8f, 0x3a), 0.6 * t.u, Qt::DashLine));
    p.drawLine(QPointF(piano.left(), y6), QPointF(piano.right(), y6));
    p.drawLine(QPointF(piano.left(), ym6), QPointF(piano.right(), ym6));
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.0 * t.u));
    p.drawLine(QPointF(piano.left(), sopra.Y(0)), QPointF(piano.right(), sopra.Y(0)));
    p.restore();
}

// The labels of the line of sight (along it, above or under) and of the
// band (outside its edges), where no curve runs.
void EtichetteFascia(const Tela& t, Posti& posti, const Pannello& sopra, const DatiGrafico& g) {
    const QRectF& piano = sopra.piano;
    const double h = t.fm.height(), d = 2 * t.u;
    const QString mira = QStringLiteral("linea di mira");
    const double w = t.Misura(mira).width(), y0 = sopra.Y(0);
    const auto x = [&](double f) { return piano.left() + 4 * t.u + f * (piano.width() - w - 8 * t.u); };
    t.Etichetta(posti, mira, QColor(0x33, 0x33, 0x33),
                {{x(0), y0 - d - h}, {x(0), y0 + d}, {x(0.25), y0 - d - h}, {x(0.25), y0 + d}, {x(0.5), y0 - d - h},
                 {x(0.5), y0 + d}, {x(0.75), y0 - d - h}, {x(0.75), y0 + d}, {x(1), y0 - d - h}, {x(1), y0 + d}});
    const QString fascia = Qs(TestoBanda(g.cartellino.banda, Std(t.sep)));
    const double wf = t.Misura(fascia).width(), y6 = sopra.Y(g.cartellino.banda), ym6 = sopra.Y(-g.cartellino.banda);
    const double destra = piano.right() - wf - 4 * t.u, mezzo = piano.center().x() - wf / 2;
    t.Etichetta(posti, fascia, QColor(0x3a, 0x6f, 0x2a),
                {{destra, y6 - d - h}, {destra, ym6 + d}, {mezzo, y6 - d - h}, {mezzo, ym6 + d},
                 {piano.left() + 4 * t.u, y6 - d - h}, {piano.left() + 4 * t.u, ym6 + d}});
}

// The zero distance in the table's span, or none.
std::optional<double> Azzeramento(const DatiGrafico& g) {
    const double x0 = g.dati.DistanzaAzzeramento;
    return x0 < g.da || x0 > g.a ? std::nullopt : std::optional<double>(x0);
}

// The zero distance: a dashed line, under the curves.
void LineaAzzeramento(const Tela& t, const Pannello& sopra, const DatiGrafico& g) {
    const auto x0 = Azzeramento(g);
    if (!x0) return;
    t.p.setPen(QPen(kColoreAzzeramento, 0.8 * t.u, Qt::DashLine));
    t.p.drawLine(QPointF(sopra.X(*x0), sopra.piano.top()), QPointF(sopra.X(*x0), sopra.piano.bottom()));
}

// Its caption beside it, at the top or the foot.
void EtichettaAzzeramento(const Tela& t, Posti& posti, const Pannello& sopra, const DatiGrafico& g) {
    const auto x0 = Azzeramento(g);
    if (!x0) return;
    const QRectF& piano = sopra.piano;
    const double x = sopra.X(*x0);
    const QString testo = QStringLiteral("azzeramento %1 m").arg(Valore(*x0, "####0", t.sep));
    const QSizeF m = t.Misura(testo);
    const double destra = x + 3 * t.u, sinistra = x - 3 * t.u - m.width();
    const double alto = piano.top() + 2 * t.u, basso = piano.bottom() - 2 * t.u - m.height();
    t.Etichetta(posti, testo, kColoreAzzeramento, {{destra, alto}, {sinistra, alto}, {destra, basso}, {sinistra, basso}});
}

// The highest point, where the bullet turns within the table's span.
void DisegnaPuntoPiuAlto(const Tela& t, Posti& posti, const Pannello& sopra, const std::vector<PuntoTraiettoria>& punti) {
    if (punti.size() <= 2) return;
    size_t massimo = 0;
    for (size_t i = 1; i < punti.size(); ++i)
        if (punti[i].scarto > punti[massimo].scarto) massimo = i;
    if (massimo == 0 || massimo + 1 >= punti.size()) return;
    const QRectF& piano = sopra.piano;
    const QPointF c(sopra.X(punti[massimo].distanza), sopra.Y(punti[massimo].scarto));
    t.p.setPen(QPen(kColoreTraiettoria, 0.8 * t.u));
    t.p.setBrush(kColoreTraiettoria);
    t.p.drawEllipse(c, 2.2 * t.u, 2.2 * t.u);
    t.p.setBrush(Qt::NoBrush);
    const QString testo = QStringLiteral("punto più alto %1 cm a %2 m")
                              .arg(Valore(punti[massimo].scarto, "###0.0", t.sep),
                                   Valore(punti[massimo].distanza, "####0", t.sep));
    const QSizeF m = t.Misura(testo);
    const double x = std::clamp(c.x() - m.width() / 2, piano.left() + 2 * t.u, piano.right() - m.width() - 2 * t.u);
    const double d = 5 * t.u;
    t.Etichetta(posti, testo, Qt::black,
                {{x, c.y() - d - m.height()}, {x, c.y() + d}, {c.x() + d, c.y() - d - m.height()},
                 {c.x() - d - m.width(), c.y() - d - m.height()}, {c.x() + d, c.y() + d}, {c.x() - d - m.width(), c.y() + d}});
}

// The field table's legend: one short line per slope, right-aligned on the title line.
void DisegnaLegenda(const Tela& t, const QRectF& area, const Pannello& sopra, const Scelte& scelte) {
    double x = sopra.piano.right();
    for (int i = 4; i >= 0; --i) {
        const QString testo = NomePendio(i, scelte);
        x -= t.fm.horizontalAdvance(testo) + 20 * t.u;
        const double y = area.top() + t.fm.ascent();
        t.p.setPen(QPen(kColoriPendii[i], 2 * t.u));
        t.p.drawLine(QPointF(x, y - t.fm.ascent() / 3), QPointF(x + 14 * t.u, y - t.fm.ascent() / 3));
        t.p.setPen(Qt::black);
        t.p.drawText(QPointF(x + 17 * t.u, y), testo);
    }
}

// The pens of the upper panel: the table's model solid, the closed form
// beside the point mass dashed (the legend shows both).
QPen PennaModello(const Tela& t, const QColor& colore = kColoreTraiettoria) { return QPen(colore, 1.6 * t.u); }
QPen PennaClassico(const Tela& t) { return QPen(kColoreClassico, 1.4 * t.u, Qt::DashLine); }

// With the point mass: which curve is which, in a box in a corner no curve
// runs through (the lower left first).
void DisegnaLegendaModelli(const Tela& t, Posti& posti, const Pannello& sopra, const DatiGrafico& g) {
    const QString nomi[2] = {Qs(NomeModello(g.tabella->Opzioni().modello)), Qs(NomeModello(TipoModello::Classico))};
    const QPen penne[2] = {PennaModello(t), PennaClassico(t)};
    const double tratto = 22 * t.u, d = 6 * t.u;
    const QSizeF m(std::max(t.fm.horizontalAdvance(nomi[0]), t.fm.horizontalAdvance(nomi[1])) + tratto + 12 * t.u,
                   2 * t.fm.height() + 6 * t.u);
    const QRectF& piano = sopra.piano;
    const double sinistra = piano.left() + d, destra = piano.right() - d - m.width();
    const double alto = piano.top() + d, basso = piano.bottom() - d - m.height();
    bool libero = true;
    const QRectF riquadro = posti.Scegli(m, {{sinistra, basso}, {destra, basso}, {destra, alto}, {sinistra, alto}}, libero);
    t.p.setPen(QPen(QColor(0x99, 0x99, 0x99), 0.5 * t.u));
    t.p.setBrush(QColor(255, 255, 255, 230));
    t.p.drawRect(riquadro);
    t.p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
        const double y = riquadro.top() + 3 * t.u + i * t.fm.height();
        const double mezzo = y + t.fm.height() / 2;
        t.p.setPen(penne[i]);
        t.p.drawLine(QPointF(riquadro.left() + 4 * t.u, mezzo), QPointF(riquadro.left() + 4 * t.u + tratto, mezzo));
        t.p.setPen(Qt::black);
        t.p.drawText(QPointF(riquadro.left() + 8 * t.u + tratto, y + t.fm.ascent()), nomi[i]);
    }
}

// The last metre of each energy threshold: a dotted line across the panel,
// a tick on its distance axis and "≥ 2000 J" beside it, where no curve runs
// (by the foot first; labels of thresholds close together one above the other).
void DisegnaSoglie(const Tela& t, Posti& posti, const Pannello& pan, const DatiGrafico& g) {
    const QColor testoEnergia = kColoreEnergia.darker(155);  // text a shade darker than the curve
    for (const auto& [soglia, metro] : g.soglie) {
        if (metro < g.da || metro > g.a) continue;
        const double x = pan.X(metro);
        t.p.setPen(QPen(kColoreEnergia, 0.8 * t.u, Qt::DotLine));
        t.p.drawLine(QPointF(x, pan.piano.top()), QPointF(x, pan.piano.bottom()));
        t.p.setPen(QPen(kColoreEnergia, 1.6 * t.u));
        t.p.drawLine(QPointF(x, pan.piano.bottom() - 5 * t.u), QPointF(x, pan.piano.bottom()));
        const QString testo = QStringLiteral("≥ %1 J").arg(Qs(TestoSingolo(static_cast<float>(soglia), Std(t.sep))));
        const QSizeF m = t.Misura(testo);
        const double destra = x + 3 * t.u, sinistra = x - 3 * t.u - m.width();
        const double piede = pan.piano.bottom() - 6 * t.u - m.height(), cima = pan.piano.top() + 2 * t.u;
        const double h = m.height();
        t.Etichetta(posti, testo, testoEnergia,
                    {{destra, piede}, {sinistra, piede}, {destra, piede - h}, {sinistra, piede - h}, {destra, piede - 2 * h},
                     {sinistra, piede - 2 * h}, {destra, cima}, {sinistra, cima}, {destra, cima + h}, {sinistra, cima + h}});
    }
}

// The general table's lower panel: velocity (left scale) and energy (right
// scale) over the same distances, both solid (dashed is the closed form's);
// their curves in linee.
Pannello DisegnaVelocitaEnergia(const Tela& t, const QRectF& area, const Pannello& sopra,
                                const std::vector<PuntoTraiettoria>& punti, std::vector<QPolygonF>& linee) {
    QPainter& p = t.p;
    const double titolo = t.fm.height() * 1.5, sotto = t.fm.height() * 2.6;
    const double topSotto = sopra.piano.bottom() + t.fm.height() * 0.5 + titolo;
    Pannello basso;
    basso.piano = QRectF(sopra.piano.left(), topSotto, sopra.piano.width(), area.bottom() - sotto - topSotto);
    basso.sx = sopra.sx;
    double vmin = INFINITY, vmax = -INFINITY, emin = INFINITY, emax = -INFINITY;
    for (const auto& pt : punti) {
        if (std::isfinite(pt.velocita)) vmin = std::min(vmin, pt.velocita), vmax = std::max(vmax, pt.velocita);
        if (std::isfinite(pt.energia)) emin = std::min(emin, pt.energia), emax = std::max(emax, pt.energia);
    }
    const int tacche = std::max(2, static_cast<int>(basso.piano.height() / (t.fm.height() * 2.2)));
    basso.sy = ScalaTonda(vmin, vmax, tacche, true);
    // The energy scale has as many steps as the velocity scale, so both share the grid.
    const int passi = static_cast<int>(std::lround((basso.sy.max - basso.sy.min) / basso.sy.passo));
    const Scala energia = ScalaConPassi(emin, emax, passi);
    p.setPen(kColoreVelocita);
    p.setFont(t.grassetto);
    const double yTitolo = topSotto - titolo + t.fm.ascent();
    p.drawText(QPointF(basso.piano.left(), yTitolo), QStringLiteral("Velocità (m/s)"));
    p.setPen(kColoreEnergia);
    const QString te = QStringLiteral("Energia (J)");
    p.drawText(QPointF(basso.piano.right() - QFontMetricsF(t.grassetto, p.device()).horizontalAdvance(te), yTitolo), te);
    p.setFont(t.carattere);
    DisegnaAssi(p, basso, t.fm, t.sep, true, energia, kColoreVelocita, kColoreEnergia);
    linee = {Linea(basso, punti, Velocita, 0), Linea(basso, punti, Energia, 0, energia)};
    p.save();
    p.setClipRect(basso.piano);
    DisegnaLinea(p, linee[0], PennaModello(t, kColoreVelocita));
    DisegnaLinea(p, linee[1], PennaModello(t, kColoreEnergia));
    p.restore();
    return basso;
}

// The upper panel's curves (the closed form's first, under the model's),
// kept in linee, then its captions and the legend where no curve runs.
void DisegnaScarti(const Tela& t, Posti& posti, const Pannello& sopra, const DatiGrafico& g, bool generale,
                   const std::vector<PuntoTraiettoria>& punti, const std::vector<PuntoTraiettoria>& classici,
                   std::vector<QPolygonF>& linee) {
    const int curve = generale ? 1 : 5;
    for (int i = 0; i < curve; ++i) linee.push_back(Linea(sopra, punti, Scarto, i));
    if (!classici.empty()) linee.push_back(Linea(sopra, classici, Scarto, 0));
    t.p.save();
    t.p.setClipRect(sopra.piano);
    if (generale) LineaAzzeramento(t, sopra, g);
    if (!classici.empty()) DisegnaLinea(t.p, linee.back(), PennaClassico(t));
    for (int i = curve - 1; i >= 0; --i)
        DisegnaLinea(t.p, linee[static_cast<size_t>(i)], PennaModello(t, generale ? kColoreTraiettoria : kColoriPendii[i]));
    for (const QPolygonF& l : linee) posti.Curva(l);
    if (!classici.empty()) DisegnaLegendaModelli(t, posti, sopra, g);
    if (generale) DisegnaPuntoPiuAlto(t, posti, sopra, punti);
    if (generale) EtichettaAzzeramento(t, posti, sopra, g);
    EtichetteFascia(t, posti, sopra, g);
    t.p.restore();
}

}  // namespace

PosizioneGrafico DisegnaGrafico(QPainter& p, const QRectF& area, const DatiGrafico& g, const QFont& carattere,
                                const QString& sep, std::optional<double> cursore) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(carattere);
    const QFontMetricsF fm(carattere, p.device());
    QFont grassetto = carattere;
    grassetto.setBold(true);
    PosizioneGrafico posizione;
    const Tela t{p, fm, p.device()->logicalDpiX() / 72.0, sep, carattere, grassetto, posizione.etichette};
    const bool generale = g.tipo == TipoTabella::Vari;

    std::vector<PuntoTraiettoria> punti, classici;
    const Pannello sopra = PannelloScarto(t, area, g, generale, punti, classici);
    p.fillRect(area, Qt::white);
    DisegnaTitolo(t, area, sopra, g, generale);
    DisegnaFascia(t, sopra, g, generale);
    std::vector<QPolygonF> lineeSopra, lineeSotto;
    Posti postiSopra(sopra.piano, 2 * t.u);
    DisegnaScarti(t, postiSopra, sopra, g, generale, punti, classici, lineeSopra);

    if (!generale) DisegnaLegenda(t, area, sopra, g.tabella->Opzioni());
    const Pannello ultimo = generale ? DisegnaVelocitaEnergia(t, area, sopra, punti, lineeSotto) : sopra;
    Posti postiSotto(ultimo.piano, 2 * t.u);
    for (const QPolygonF& l : lineeSotto) postiSotto.Curva(l);
    p.save();
    p.setClipRect(ultimo.piano.adjusted(0, -1, 0, 1));
    DisegnaSoglie(t, generale ? postiSotto : postiSopra, ultimo, g);
    p.restore();
    const QString etichetta = QStringLiteral("Distanza (m)");
    p.setPen(Qt::black);
    p.drawText(QPointF(ultimo.piano.center().x() - fm.horizontalAdvance(etichetta) / 2,
                       ultimo.piano.bottom() + fm.height() + fm.ascent() + 4 * t.u),
               etichetta);
    if (cursore && *cursore >= g.da && *cursore <= g.a)
        DisegnaCursore(p, QRectF(area.left(), area.top(), area.width(), ultimo.piano.bottom() - area.top()), sopra, g,
                       *cursore, carattere, sep);
    p.restore();
    posizione.piano = sopra.piano;
    posizione.da = g.da;
    posizione.a = g.a;
    return posizione;
}

GraficoTraiettoria::GraficoTraiettoria(const QString& separatore, QWidget* padre)
    : QWidget(padre), separatore_(separatore) {
    setObjectName(QStringLiteral("graficoTraiettoria"));
    setMouseTracking(true);
    setMinimumSize(420, 320);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraficoTraiettoria::Imposta(const DatiGrafico& dati) {
    dati_ = dati;
    cursore_.reset();
    update();
}

void GraficoTraiettoria::Disegna(QPainter& p, const QRectF& area) const {
    if (dati_) DisegnaGrafico(p, area, *dati_, font(), separatore_);
}

void GraficoTraiettoria::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF area = QRectF(rect()).adjusted(8, 8, -8, -8);
    p.fillRect(rect(), Qt::white);
    if (!dati_) {
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Nessuna tabella calcolata"));
        return;
    }
    posizione_ = DisegnaGrafico(p, area, *dati_, font(), separatore_, cursore_);
}

void GraficoTraiettoria::mouseMoveEvent(QMouseEvent* evento) {
    const QRectF& piano = posizione_.piano;
    const double x = evento->position().x();
    std::optional<double> nuovo;
    if (dati_ && piano.width() > 0 && x >= piano.left() && x <= piano.right())
        nuovo = std::round(posizione_.da + (x - piano.left()) / piano.width() * (posizione_.a - posizione_.da));
    if (nuovo != cursore_) {
        cursore_ = nuovo;
        update();
    }
}

void GraficoTraiettoria::leaveEvent(QEvent*) {
    cursore_.reset();
    update();
}
