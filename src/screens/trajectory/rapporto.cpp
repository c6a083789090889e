#include "rapporto.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <memory>

#include "modellotabella.h"

namespace {

const QColor kGrigioIntestazione(0xe4, 0xe8, 0xee);
const QColor kGrigioRiga(0xf4, 0xf6, 0xf8);
const QColor kLinea(0x99, 0x99, 0x99);

QFont Carattere(double punti, bool grassetto = false) {
    QFont f = QGuiApplication::font();
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    // No ligatures: text copied from the PDF reads "fi", not one glyph.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

// A header on two lines, split before its unit ("Velocità (m/s)" over
// "Velocità" and "(m/s)"), so that eight columns fit a portrait page.
QStringList RigheIntestazione(const QString& testo) {
    const QString t = testo.trimmed();
    const int unita = t.lastIndexOf(QLatin1Char('('));
    if (unita <= 0) return {t};
    // The grid's header may lack the closing bracket ("Distanza (m"): the page closes it.
    QString misura = t.mid(unita);
    if (!misura.endsWith(QLatin1Char(')'))) misura += QLatin1Char(')');
    return {t.left(unita).trimmed(), misura};
}

// The page geometry, shared by counting and drawing.
class Impaginazione {
public:
    Impaginazione(QPagedPaintDevice& foglio, const ContenutoRapporto& c) : c_(c) {
        u_ = foglio.logicalDpiY() / 72.0;
        const QRect r = foglio.pageLayout().paintRectPixels(foglio.logicalDpiX());
        pagina_ = QRectF(0, 0, r.width(), r.height());
        QPaintDevice* dev = &foglio;
        fmTesto_ = std::make_unique<QFontMetricsF>(Carattere(kPuntiTesto), dev);
        fmTabella_ = std::make_unique<QFontMetricsF>(Carattere(kPuntiTabella), dev);
        fmIntestazione_ = std::make_unique<QFontMetricsF>(Carattere(kPuntiIntestazione, true), dev);
        fmTitolo_ = std::make_unique<QFontMetricsF>(Carattere(kPuntiTitolo, true), dev);
        fmPiede_ = std::make_unique<QFontMetricsF>(Carattere(kPuntiPiede), dev);

        altezzaRiga_ = fmTabella_->height() * 1.25;
        righe_ = c.tabella ? c.tabella->rowCount() : 0;
        colonne_ = c.tabella && righe_ > 0 ? c.tabella->columnCount() : 0;
        int lineeIntestazione = 1;
        larghezze_.fill(0, colonne_);
        for (int col = 0; col < colonne_; ++col) {
            const QStringList linee = RigheIntestazione(c.tabella->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString());
            lineeIntestazione = std::max(lineeIntestazione, static_cast<int>(linee.size()));
            for (const QString& l : linee) larghezze_[col] = std::max(larghezze_[col], fmIntestazione_->horizontalAdvance(l));
            // Cells: the widest text of the column (a digit is as wide as any other).
            int caratteri = 0;
            for (int r = 0; r < righe_; ++r) caratteri = std::max(caratteri, static_cast<int>(c.tabella->Cella(r, col).size()));
            larghezze_[col] = std::max(larghezze_[col], caratteri * fmTabella_->horizontalAdvance(QLatin1Char('0')));
            larghezze_[col] += 10 * u_;
        }
        altezzaIntestazione_ = lineeIntestazione * fmIntestazione_->height() + 6 * u_;
        double totale = 0;
        for (double l : larghezze_) totale += l;
        if (totale > pagina_.width()) totale = AdattaColonne(pagina_.width());
        sinistraTabella_ = pagina_.left() + (pagina_.width() - totale) / 2;
        larghezzaTabella_ = totale;

        MisureRapporto m;
        m.altezzaPagina = pagina_.height();
        m.altezzaPiede = fmPiede_->height();
        m.punto = u_;
        m.altezzaTitolo = fmTitolo_->height();
        m.altezzaTesto = fmTesto_->height();
        m.lineeBlocchi = std::max({c.richiesta.size(), c.proiettile.size(), c.cartuccia.size()}) + 1;
        m.frasi = !c.distanzaOttimale.isEmpty() + !c.tiroUtile.isEmpty();
        m.altezzaGrafico = c.grafico && righe_ > 0 ? AltezzaGrafico() + 6 * u_ : 0;
        m.altezzaSegue = fmTesto_->height() * 2;
        m.altezzaIntestazione = altezzaIntestazione_;
        m.altezzaRiga = altezzaRiga_;
        m.righe = righe_;
        g_ = CalcolaGeometria(m);
    }

    int Pagine() const { return g_.pagine; }

    // Columns wider than the page together (a narrow paper, or values of
    // absurd size far beyond any shooting distance): the columns that fit an
    // equal share keep their width, the others share what is left, and their
    // longer texts are drawn narrower (never cut).
    double AdattaColonne(double disponibile) {
        QVector<int> aperte;
        for (int c = 0; c < colonne_; ++c) aperte << c;
        bool cambiato = true;
        while (cambiato && !aperte.isEmpty()) {
            cambiato = false;
            const double quota = disponibile / aperte.size();
            for (int i = 0; i < aperte.size(); ++i)
                if (larghezze_[aperte[i]] <= quota) {
                    disponibile -= larghezze_[aperte[i]];
                    aperte.remove(i);
                    cambiato = true;
                    break;
                }
        }
        for (int c : aperte) larghezze_[c] = disponibile / aperte.size();
        double totale = 0;
        for (double l : larghezze_) totale += l;
        return totale;
    }

    bool Disegna(QPainter& p, QPagedPaintDevice& foglio, const AvanzamentoRapporto& avanzamento) {
        int riga = 0;
        for (int n = 1; n <= g_.pagine; ++n) {
            if (avanzamento && !avanzamento(n, g_.pagine)) return false;
            if (n > 1) foglio.newPage();
            if (n == 1) {
                DisegnaTesta(p);
                if (c_.grafico && righe_ > 0)
                    DisegnaGrafico(p, QRectF(pagina_.left(), g_.inizioGrafico, pagina_.width(), AltezzaGrafico()),
                                   *c_.grafico, Carattere(kPuntiPiede), c_.separatore);
            } else {
                p.setFont(Carattere(kPuntiTesto, true));
                p.setPen(Qt::black);
                p.drawText(QPointF(sinistraTabella_, fmTesto_->ascent()),
                           QStringLiteral("Rigata - %1 (segue)").arg(c_.titolo));
            }
            const int quante = std::min(righe_ - riga, g_.RighePerPagina(n));
            if (colonne_ > 0 && quante > 0) {
                DisegnaTabella(p, g_.InizioTabella(n), riga, quante);
                riga += quante;
            }
            DisegnaPiede(p, n);
        }
        return true;
    }

private:
    double AltezzaGrafico() const { return 72 * u_ * 3.2; }  // 3.2 inch, about 81 mm

    // Title and date, the three blocks, the sentences: where g_ puts them.
    void DisegnaTesta(QPainter& p) {
        const double y = fmTitolo_->ascent();
        p.setPen(Qt::black);
        p.setFont(Carattere(kPuntiTitolo, true));
        p.drawText(QPointF(pagina_.left(), y), QStringLiteral("Rigata - %1").arg(c_.titolo));
        p.setFont(Carattere(kPuntiTesto));
        p.drawText(QPointF(pagina_.right() - fmTesto_->horizontalAdvance(c_.dataOra), y), c_.dataOra);
        p.setPen(QPen(Qt::black, 0.8 * u_));
        p.drawLine(QPointF(pagina_.left(), g_.lineaTitolo), QPointF(pagina_.right(), g_.lineaTitolo));
        DisegnaBlocco(p, 0, QStringLiteral("Richiesta"), c_.richiesta);
        DisegnaBlocco(p, 1, QStringLiteral("Palla e ambiente"), c_.proiettile);
        DisegnaBlocco(p, 2, QStringLiteral("Cartuccia"), c_.cartuccia);
        p.setFont(Carattere(kPuntiTesto, true));
        p.setPen(Qt::black);
        double yFrase = g_.inizioFrasi;
        for (const QString& frase : {c_.distanzaOttimale, c_.tiroUtile}) {
            if (frase.isEmpty()) continue;
            p.drawText(QPointF(pagina_.left(), yFrase + fmTesto_->ascent()), frase);
            yFrase += g_.passoFrasi;
        }
    }

    // Block b of three side by side: heading, then label and value per line;
    // the cartridge's empty notes get a line to write on by hand.
    void DisegnaBlocco(QPainter& p, int b, const QString& titolo, const QVector<VoceRapporto>& voci) {
        const double larghezzaBlocco = pagina_.width() / 3;
        const double x = pagina_.left() + b * larghezzaBlocco;
        // Values start after the longest caption of the block.
        double etichette = 0;
        for (const VoceRapporto& v : voci) etichette = std::max(etichette, fmTesto_->horizontalAdvance(v.etichetta));
        const double xValore = x + std::min(etichette + 8 * u_, larghezzaBlocco * 0.7);
        const double fineValore = x + larghezzaBlocco - 6 * u_;
        double yy = g_.inizioBlocchi + fmTesto_->ascent();
        p.setFont(Carattere(kPuntiTesto, true));
        p.setPen(Qt::black);
        p.drawText(QPointF(x, yy), titolo);
        for (const VoceRapporto& v : voci) {
            yy += g_.passoBlocchi;
            p.setFont(Carattere(kPuntiTesto));
            p.setPen(QColor(0x44, 0x44, 0x44));
            p.drawText(QPointF(x, yy), fmTesto_->elidedText(v.etichetta, Qt::ElideRight, xValore - x - 4 * u_));
            p.setFont(Carattere(kPuntiTesto, true));
            p.setPen(Qt::black);
            p.drawText(QPointF(xValore, yy), fmTesto_->elidedText(v.valore, Qt::ElideRight, fineValore - xValore));
            if (b == 2 && v.valore.isEmpty()) {
                p.setPen(QPen(kLinea, 0.4 * u_, Qt::DotLine));
                p.drawLine(QPointF(xValore, yy + 1.5 * u_), QPointF(fineValore, yy + 1.5 * u_));
            }
        }
    }

    void DisegnaTabella(QPainter& p, double y, int primaRiga, int quante) {
        const double x0 = sinistraTabella_;
        // Header row.
        p.fillRect(QRectF(x0, y, larghezzaTabella_, altezzaIntestazione_), kGrigioIntestazione);
        p.setFont(Carattere(kPuntiIntestazione, true));
        p.setPen(Qt::black);
        double x = x0;
        for (int col = 0; col < colonne_; ++col) {
            const QStringList linee = RigheIntestazione(c_.tabella->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString());
            double yy = y + 3 * u_ + fmIntestazione_->ascent();
            for (const QString& l : linee) {
                const double w = fmIntestazione_->horizontalAdvance(l);
                TestoStretto(p, QPointF(x + std::max(2 * u_, (larghezze_[col] - w) / 2), yy), l, w, larghezze_[col] - 4 * u_);
                yy += fmIntestazione_->height();
            }
            x += larghezze_[col];
        }
        const double inizioRighe = y + altezzaIntestazione_;
        // Rows, every other one shaded, numbers aligned on the right.
        p.setFont(Carattere(kPuntiTabella));
        const double spazio = 5 * u_;
        for (int i = 0; i < quante; ++i) {
            const double yr = inizioRighe + i * altezzaRiga_;
            if (i % 2 == 1) p.fillRect(QRectF(x0, yr, larghezzaTabella_, altezzaRiga_), kGrigioRiga);
            const double base = yr + (altezzaRiga_ + fmTabella_->ascent() - fmTabella_->descent()) / 2;
            x = x0;
            for (int col = 0; col < colonne_; ++col) {
                const QString t = c_.tabella->Cella(primaRiga + i, col);
                const double w = fmTabella_->horizontalAdvance(t);
                const double posto = larghezze_[col] - 2 * spazio;
                TestoStretto(p, QPointF(x + larghezze_[col] - spazio - std::min(w, posto), base), t, w, posto);
                x += larghezze_[col];
            }
        }
        // Lines: frame, column rules, the rule under the header.
        const double fine = inizioRighe + quante * altezzaRiga_;
        p.setPen(QPen(kLinea, 0.5 * u_));
        x = x0;
        for (int col = 1; col < colonne_; ++col) {
            x += larghezze_[col - 1];
            p.drawLine(QPointF(x, y), QPointF(x, fine));
        }
        p.setPen(QPen(Qt::black, 0.8 * u_));
        p.drawLine(QPointF(x0, inizioRighe), QPointF(x0 + larghezzaTabella_, inizioRighe));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(x0, y, larghezzaTabella_, fine - y));
    }

    // A text at its size, or squeezed sideways when wider than its room.
    static void TestoStretto(QPainter& p, const QPointF& punto, const QString& t, double larghezza, double posto) {
        if (larghezza <= posto) {
            p.drawText(punto, t);
            return;
        }
        p.save();
        p.translate(punto);
        p.scale(posto / larghezza, 1);
        p.drawText(QPointF(0, 0), t);
        p.restore();
    }

    void DisegnaPiede(QPainter& p, int n) {
        p.setFont(Carattere(kPuntiPiede));
        p.setPen(QColor(0x44, 0x44, 0x44));
        const QString t = QStringLiteral("pagina %1 di %2").arg(n).arg(g_.pagine);
        p.drawText(QPointF(pagina_.center().x() - fmPiede_->horizontalAdvance(t) / 2, g_.piede + fmPiede_->ascent()), t);
    }

    const ContenutoRapporto& c_;
    double u_ = 1;
    QRectF pagina_;
    std::unique_ptr<QFontMetricsF> fmTesto_, fmTabella_, fmIntestazione_, fmTitolo_, fmPiede_;
    int righe_ = 0, colonne_ = 0;
    QVector<double> larghezze_;
    double altezzaRiga_ = 0, altezzaIntestazione_ = 0, sinistraTabella_ = 0, larghezzaTabella_ = 0;
    GeometriaRapporto g_;
};

}  // namespace

GeometriaRapporto CalcolaGeometria(const MisureRapporto& m) {
    GeometriaRapporto g;
    // Page 1's head: the title with a rule 3 pt under it, the blocks 5 pt
    // lower, the sentences 6 pt under the blocks, 6 pt to the chart.
    g.lineaTitolo = m.altezzaTitolo + 3 * m.punto;
    g.inizioBlocchi = g.lineaTitolo + 5 * m.punto;
    g.passoBlocchi = m.altezzaTesto * 1.15;
    g.inizioFrasi = g.inizioBlocchi + m.lineeBlocchi * g.passoBlocchi + 6 * m.punto;
    g.passoFrasi = m.altezzaTesto * 1.3;
    g.inizioGrafico = g.inizioFrasi + m.frasi * g.passoFrasi + 6 * m.punto;
    // The footer's line at the page's foot, and a line of space above it.
    g.piede = m.altezzaPagina - m.altezzaPiede;
    g.fondo = g.piede - m.altezzaPiede;
    g.inizioTabellaPrima = g.inizioGrafico + m.altezzaGrafico;
    g.inizioTabellaSeguenti = m.altezzaSegue;
    const auto righeSotto = [&](double inizio) {
        return static_cast<int>(std::floor((g.fondo - inizio - m.altezzaIntestazione) / m.altezzaRiga));
    };
    g.righePrima = std::max(0, righeSotto(g.inizioTabellaPrima));
    // At least one row on a following page, however small the paper.
    g.righeSeguenti = std::max(1, righeSotto(g.inizioTabellaSeguenti));
    if (m.righe > g.righePrima) g.pagine += (m.righe - g.righePrima + g.righeSeguenti - 1) / g.righeSeguenti;
    return g;
}

bool DisegnaRapporto(QPagedPaintDevice& foglio, const ContenutoRapporto& c, const AvanzamentoRapporto& avanzamento) {
    Impaginazione impaginazione(foglio, c);
    QPainter p;
    if (!p.begin(&foglio)) return false;
    const bool completo = impaginazione.Disegna(p, foglio, avanzamento);
    if (!completo)
        if (auto* stampante = dynamic_cast<QPrinter*>(&foglio)) stampante->abort();
    p.end();
    return completo;
}
