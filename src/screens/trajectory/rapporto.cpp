#include "rapporto.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>

#include "modellotabella.h"
#include "tabella.h"

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

// Words of a sentence on as many lines as its width needs.
QStringList ACapo(const QString& frase, const QFontMetricsF& fm, double larghezza) {
    QStringList linee;
    QString linea;
    for (const QString& parola : frase.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString prova = linea.isEmpty() ? parola : linea + QLatin1Char(' ') + parola;
        if (!linea.isEmpty() && fm.horizontalAdvance(prova) > larghezza) {
            linee << linea;
            linea = parola;
        } else {
            linea = prova;
        }
    }
    if (!linea.isEmpty()) linee << linea;
    return linee;
}

// The grid's own columns; a grid that shows more (a correction of its own)
// lends the report only these.
constexpr int kColonneTabella = static_cast<int>(std::tuple_size_v<rigata::CelleRiga>);

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

        altezzaRiga_ = fmTabella_->height() * 1.2;
        righe_ = c.tabella ? c.tabella->rowCount() : 0;
        // The table's columns, then those its choices add: the grid's always,
        // the corrections as angles too when the page is wide enough for all.
        const int proprie = c.tabella && righe_ > 0 ? std::min(c.tabella->columnCount(), kColonneTabella) : 0;
        for (int col = 0; col < proprie; ++col)
            colonne_ << Colonna{RigheIntestazione(c.tabella->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString()),
                                col, -1};
        double totale = 0;
        for (Colonna& col : colonne_) totale += Larghezza(col);
        if (proprie > 0) totale = Aggiunte(totale);
        int lineeIntestazione = 1;
        for (const Colonna& col : colonne_) lineeIntestazione = std::max(lineeIntestazione, static_cast<int>(col.intestazione.size()));
        altezzaIntestazione_ = lineeIntestazione * fmIntestazione_->height() + 6 * u_;
        if (totale > pagina_.width()) totale = AdattaColonne(pagina_.width());
        sinistraTabella_ = pagina_.left() + (pagina_.width() - totale) / 2;
        larghezzaTabella_ = totale;

        // The summary's sentences, each on as many lines as the page's width needs.
        const QFontMetricsF fmGrassetto(Carattere(kPuntiTesto, true), &foglio);
        const auto aggiungi = [&](const QString& frase, bool grassetto) {
            if (frase.isEmpty()) return;
            for (const QString& l : ACapo(frase, grassetto ? fmGrassetto : *fmTesto_, pagina_.width()))
                frasi_.append({l, grassetto});
        };
        aggiungi(c.distanzaOttimale, true);
        aggiungi(c.modello, false);
        aggiungi(c.zeroBanda, true);
        aggiungi(c.tiroUtile, true);
        // The energy at 100 m and its limits on one line, the note under them.
        aggiungi(c.energia.join(QStringLiteral(" · ")), false);
        aggiungi(c.notaEnergia, false);
        Impagina();
    }

    int Pagine() const { return g_.pagine; }

    // A printed column: one of the grid's eight (griglia) or one the choices
    // add (aggiunta, its place in c.aggiunte).
    struct Colonna {
        QStringList intestazione;
        int griglia = -1, aggiunta = -1;
        double larghezza = 0;
    };
    QString Cella(int riga, const Colonna& col) const {
        return col.griglia >= 0 ? c_.tabella->Cella(riga, col.griglia) : c_.aggiunte[col.aggiunta].celle.value(riga);
    }

    // The added columns after the table's (totale wide): those always
    // printed, and the others with them where all fit the page, in their
    // order. Returns the width of all the columns.
    double Aggiunte(double totale) {
        QVector<Colonna> tutte;
        double sempre = totale, ogni = totale;
        for (int k = 0; k < c_.aggiunte.size(); ++k) {
            if (c_.aggiunte[k].celle.size() != righe_) continue;
            tutte << Colonna{RigheIntestazioneStretta(c_.aggiunte[k].intestazione), -1, k};
            const double l = Larghezza(tutte.last());
            ogni += l;
            if (c_.aggiunte[k].sempre) sempre += l;
        }
        const bool tutteNellaPagina = ogni <= pagina_.width();
        for (const Colonna& col : tutte)
            if (tutteNellaPagina || c_.aggiunte[col.aggiunta].sempre) colonne_ << col;
        return tutteNellaPagina ? ogni : sempre;
    }
    // The widest of its header's lines and its cells (a digit is as wide as any other), with room around.
    double Larghezza(Colonna& col) const {
        double l = 0;
        for (const QString& t : col.intestazione) l = std::max(l, fmIntestazione_->horizontalAdvance(t));
        int caratteri = 0;
        for (int r = 0; r < righe_; ++r) caratteri = std::max(caratteri, static_cast<int>(Cella(r, col).size()));
        col.larghezza = std::max(l, caratteri * fmTabella_->horizontalAdvance(QLatin1Char('0'))) + 10 * u_;
        return col.larghezza;
    }

    // Columns wider than the page together (a narrow paper, or values of
    // absurd size far beyond any shooting distance): the columns that fit an
    // equal share keep their width, the others share what is left, and their
    // longer texts are drawn narrower (never cut).
    double AdattaColonne(double disponibile) {
        QVector<int> aperte;
        for (int c = 0; c < colonne_.size(); ++c) aperte << c;
        bool cambiato = true;
        while (cambiato && !aperte.isEmpty()) {
            cambiato = false;
            const double quota = disponibile / aperte.size();
            for (int i = 0; i < aperte.size(); ++i)
                if (colonne_[aperte[i]].larghezza <= quota) {
                    disponibile -= colonne_[aperte[i]].larghezza;
                    aperte.remove(i);
                    cambiato = true;
                    break;
                }
        }
        for (int c : aperte) colonne_[c].larghezza = disponibile / aperte.size();
        double totale = 0;
        for (const Colonna& col : colonne_) totale += col.larghezza;
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
            if (!colonne_.isEmpty() && quante > 0) {
                DisegnaTabella(p, g_.InizioTabella(n), riga, quante);
                riga += quante;
            }
            DisegnaPiede(p, n);
        }
        return true;
    }

private:
    double AltezzaGrafico() const { return altezzaGrafico_; }

    // The pages: the chart 3.2 inches (81 mm) tall, or shorter, down to
    // 2 inches, where that keeps the whole table on page 1 (the default
    // table of 26 rows with every summary line the choices give).
    void Impagina() {
        MisureRapporto m;
        m.altezzaPagina = pagina_.height();
        m.altezzaPiede = fmPiede_->height();
        m.punto = u_;
        m.altezzaTitolo = fmTitolo_->height();
        m.altezzaTesto = fmTesto_->height();
        m.lineeBlocchi = std::max({c_.richiesta.size(), c_.proiettile.size(), c_.cartuccia.size()}) + 1;
        m.frasi = static_cast<int>(frasi_.size());
        m.altezzaSegue = fmTesto_->height() * 2;
        m.altezzaIntestazione = altezzaIntestazione_;
        m.altezzaRiga = altezzaRiga_;
        m.righe = righe_;
        const bool grafico = c_.grafico && righe_ > 0;
        const double spazio = 6 * u_;  // under the chart
        altezzaGrafico_ = 72 * u_ * 3.2;
        m.altezzaGrafico = grafico ? altezzaGrafico_ + spazio : 0;
        g_ = CalcolaGeometria(m);
        if (!grafico || g_.pagine == 1) return;
        MisureRapporto corto = m;
        corto.altezzaGrafico = 72 * u_ * 2 + spazio;
        const GeometriaRapporto g = CalcolaGeometria(corto);
        if (g.pagine > 1) return;  // a long table: the chart whole, the rows on the pages after
        const double avanzo = g.fondo - (g.inizioTabellaPrima + m.altezzaIntestazione + m.righe * m.altezzaRiga);
        altezzaGrafico_ = 72 * u_ * 2 + std::max(0.0, avanzo - 0.1 * u_);
        m.altezzaGrafico = altezzaGrafico_ + spazio;
        g_ = CalcolaGeometria(m);
    }

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
        p.setPen(Qt::black);
        double yFrase = g_.inizioFrasi;
        for (const auto& [linea, grassetto] : frasi_) {
            p.setFont(Carattere(kPuntiTesto, grassetto));
            p.drawText(QPointF(pagina_.left(), yFrase + fmTesto_->ascent()), linea);
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
        for (const Colonna& col : colonne_) {
            double yy = y + 3 * u_ + fmIntestazione_->ascent();
            for (const QString& l : col.intestazione) {
                const double w = fmIntestazione_->horizontalAdvance(l);
                TestoStretto(p, QPointF(x + std::max(2 * u_, (col.larghezza - w) / 2), yy), l, w, col.larghezza - 4 * u_);
                yy += fmIntestazione_->height();
            }
            x += col.larghezza;
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
            for (const Colonna& col : colonne_) {
                const QString t = Cella(primaRiga + i, col);
                const double w = fmTabella_->horizontalAdvance(t);
                const double posto = col.larghezza - 2 * spazio;
                TestoStretto(p, QPointF(x + col.larghezza - spazio - std::min(w, posto), base), t, w, posto);
                x += col.larghezza;
            }
        }
        // Lines: frame, column rules, the rule under the header.
        const double fine = inizioRighe + quante * altezzaRiga_;
        p.setPen(QPen(kLinea, 0.5 * u_));
        x = x0;
        for (int col = 1; col < colonne_.size(); ++col) {
            x += colonne_[col - 1].larghezza;
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
    int righe_ = 0;
    QVector<Colonna> colonne_;
    QVector<std::pair<QString, bool>> frasi_;  // the summary's lines, bold or not
    double altezzaGrafico_ = 0, altezzaRiga_ = 0, altezzaIntestazione_ = 0, sinistraTabella_ = 0, larghezzaTabella_ = 0;
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
