// The pocket card of the default load printed to PDF and read back: every row
// asked for, on a page of 10 x 7 cm or twice on A4, no type under 7 pt; with
// leads, their rows on the back. The layout of a card at its most rows: every
// text inside its face and wholly in its box, no two boxes overlapping.
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "../../supporto/palla.h"
#include "cartellino_stampa.h"
#include "modello.h"
#include "tabella.h"

using namespace rigata;

class TestCartellino : public QObject {
    Q_OBJECT

    QTemporaryDir cartella_;
    Cartellino cartellino_, conAnticipi_;

    static QString Esegui(const QString& programma, const QStringList& argomenti) {
        QProcess p;
        p.start(programma, argomenti);
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    // The card every 50 m of a table to `fine` m with the choices c.
    static Cartellino Componi(const Scelte& c, double fine) {
        const auto tabella = std::get<TabellaCalcolata>(
            TabellaCalcolata::Calcola(prova::PallaInAria(), RichiestaTabella{225, 0, fine, 25, 5, 50}, c));
        return std::get<Cartellino>(ComponiCartellino(tabella, c, kPassoCartellino, ","));
    }

private slots:
    void initTestCase() {
        QVERIFY(!QStandardPaths::findExecutable("pdftotext").isEmpty());
        Scelte c;
        c.unita = UnitaCorrezione::Mrad;
        cartellino_ = Componi(c, 500);
        QCOMPARE(cartellino_.righe.size(), size_t(10));
        c.anticipi = {20, 60};
        conAnticipi_ = Componi(c, 500);
    }

    void foglio_data() {
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("pagina");  // mm
        QTest::addColumn<int>("copie");
        QTest::addColumn<bool>("anticipi");  // a back, folded behind the front
        const int cartellino = int(FoglioCartellino::Cartellino), a4 = int(FoglioCartellino::A4);
        QTest::newRow("cartellino") << cartellino << "100 x 70" << 1 << false;
        QTest::newRow("A4 con due copie") << a4 << "210 x 297" << 2 << false;
        QTest::newRow("cartellino con il retro") << cartellino << "100 x 140" << 1 << true;
        QTest::newRow("A4 con due copie col retro") << a4 << "297 x 210" << 2 << true;
    }
    void foglio() {
        QFETCH(int, formato);
        QFETCH(QString, pagina);
        QFETCH(int, copie);
        QFETCH(bool, anticipi);
        const Cartellino& c = anticipi ? conAnticipi_ : cartellino_;
        const QString pdf = cartella_.filePath(QString("c%1%2.pdf").arg(formato).arg(anticipi));
        {
            QPdfWriter scrittore(pdf);
            QVERIFY(DisegnaCartellino(scrittore, c, FoglioCartellino(formato)));
        }
        const QString info = Esegui("pdfinfo", {pdf});
        const auto misura = QRegularExpression("Page size: +([0-9.]+) x ([0-9.]+) pts").match(info);
        QVERIFY2(misura.hasMatch(), qPrintable(info));
        const auto mm = [&](int i) { return QString::number(qRound(misura.captured(i).toDouble() / 72 * 25.4)); };
        QCOMPARE(mm(1) + " x " + mm(2), pagina);
        QVERIFY(info.contains(QRegularExpression("Pages: +1\n")));

        // Each row on one line, its cells in order, as many times as copies
        // (cards side by side share the lines).
        const QString testo = Esegui("pdftotext", {"-layout", pdf, "-"});
        std::vector<std::vector<std::string>> righe;
        for (const auto& celle : c.righe) righe.emplace_back(celle.begin(), celle.end());
        if (anticipi) righe.insert(righe.end(), c.anticipi->righe.begin(), c.anticipi->righe.end());
        for (const auto& celle : righe) {
            QStringList parti;
            for (const auto& cella : celle)
                if (!cella.empty()) parti << QRegularExpression::escape(QString::fromStdString(cella));
            const QRegularExpression riga("(?<!\\S)" + parti.join("[ ]+") + "(?!\\S)");
            QCOMPARE(testo.count(riga), copie);
        }
        // The load heads the back too.
        QCOMPARE(testo.simplified().count(QString::fromStdString(c.palla)), copie * (anticipi ? 2 : 1));
        QCOMPARE(testo.simplified().count(QString::fromStdString(c.legenda)), copie);

        // Type sizes: every font of the text at 7 pt or more (at zoom 3, the
        // largest pdftohtml takes, sizes are in thirds of a point, rounded).
        const QString xml = Esegui("pdftohtml", {"-xml", "-i", "-zoom", "3", "-stdout", pdf});
        QVERIFY2(xml.contains("fontspec"), qPrintable(xml));
        for (auto m = QRegularExpression("fontspec[^>]* size=\"([0-9.]+)\"").globalMatch(xml); m.hasNext();)
            QVERIFY2(m.next().captured(1).toDouble() >= 21, qPrintable(xml.left(2000)));
    }

    void impaginazione_data() {
        QTest::addColumn<QList<int>>("velocita");  // km/h
        QTest::addColumn<int>("unita");
        const int click = int(UnitaCorrezione::Mrad), cm = int(UnitaCorrezione::Nessuna);
        QTest::newRow("1 velocità, click") << QList<int>{100} << click;
        QTest::newRow("2 velocità, click") << QList<int>{20, 100} << click;
        QTest::newRow("3 velocità, click") << QList<int>{20, 60, 100} << click;
        QTest::newRow("1 velocità, cm") << QList<int>{100} << cm;
        QTest::newRow("2 velocità, cm") << QList<int>{20, 100} << cm;
        QTest::newRow("3 velocità, cm") << QList<int>{20, 60, 100} << cm;
    }
    void impaginazione() {
        QFETCH(QList<int>, velocita);
        QFETCH(int, unita);
        Scelte s;
        s.unita = UnitaCorrezione(unita);
        s.anticipi.assign(velocita.begin(), velocita.end());
        s.angoloBersaglio = 67.5;
        const Cartellino c = Componi(s, 750);
        QCOMPARE(c.righe.size(), size_t(kMassimoRigheCartellino));
        QPdfWriter dispositivo(cartella_.filePath("misure.pdf"));
        const std::vector<FacciaCartellino> facce = ImpaginaCartellino(c, &dispositivo);
        QCOMPARE(facce.size(), size_t(2));

        // The back's lines, left to right: the header, every row of leads, the legend.
        std::map<double, std::map<double, QString>> linee;
        for (const TestoCartellino& t : facce[1].testi) linee[t.riquadro.top()][t.riquadro.left()] = t.testo;
        QStringList retro;
        for (const auto& [y, linea] : linee) {
            QStringList testi;
            for (const auto& [x, testo] : linea) testi << testo;
            retro << testi.join(" | ");
        }
        std::vector<std::vector<std::string>> attese = c.anticipi->righe;
        attese.insert(attese.begin(), c.anticipi->intestazioni);
        for (const auto& celle : attese) {
            QStringList riga;
            for (const std::string& cella : celle) riga << QString::fromStdString(cella);
            QVERIFY2(retro.contains(riga.join(" | ")), qPrintable(retro.join('\n')));
        }
        QVERIFY(retro.contains(QString::fromStdString(c.anticipi->legenda)));

        // On both faces: inside the margins and each text wholly in its box
        // (to 0.01 mm of rounding), no box over another.
        const double e = dispositivo.logicalDpiX() / 2540.0;
        const auto dentro = [e](const QRectF& fuori, const QRectF& r) { return fuori.adjusted(-e, -e, e, e).contains(r); };
        for (const FacciaCartellino& f : facce) {
            QVERIFY(f.carta.contains(f.area));
            for (size_t i = 0; i < f.testi.size(); ++i) {
                const TestoCartellino& t = f.testi[i];
                const QRectF serve =
                    QFontMetricsF(t.carattere, &dispositivo).boundingRect(t.riquadro, t.opzioni, t.testo);
                QVERIFY2(dentro(f.area, t.riquadro) && dentro(t.riquadro, serve), qPrintable(t.testo));
                for (size_t j = 0; j < i; ++j)
                    QVERIFY2(!t.riquadro.intersects(f.testi[j].riquadro), qPrintable(t.testo + " / " + f.testi[j].testo));
            }
            for (const QRectF& r : f.fasce) QVERIFY(dentro(f.area, r));
            for (const QLineF& l : f.linee)
                QVERIFY(dentro(f.area, QRectF(l.p1(), QSizeF(e, e))) && dentro(f.area, QRectF(l.p2(), QSizeF(e, e))));
        }
    }
};

QTEST_MAIN(TestCartellino)
#include "test_cartellino.moc"
