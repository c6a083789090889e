// The pocket card of the default load printed to PDF and read back: every row
// asked for, on a page of 10 x 7 cm or twice on A4, no type under 7 pt.
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
    Cartellino cartellino_;

    static QString Esegui(const QString& programma, const QStringList& argomenti) {
        QProcess p;
        p.start(programma, argomenti);
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

private slots:
    void initTestCase() {
        QVERIFY(!QStandardPaths::findExecutable("pdftotext").isEmpty());
        const auto tabella = std::get<TabellaCalcolata>(
            TabellaCalcolata::Calcola(prova::PallaInAria(), RichiestaTabella{225, 0, 500, 20, 5, 50}, {}));
        Scelte c;
        c.unita = UnitaCorrezione::Mrad;
        cartellino_ = std::get<Cartellino>(ComponiCartellino(tabella, c, kPassoCartellino, ","));
        QCOMPARE(cartellino_.righe.size(), size_t(10));
    }

    void foglio_data() {
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("pagina");  // mm
        QTest::addColumn<int>("copie");
        QTest::newRow("cartellino") << int(FoglioCartellino::Cartellino) << "100 x 70" << 1;
        QTest::newRow("A4 con due copie") << int(FoglioCartellino::A4) << "210 x 297" << 2;
    }
    void foglio() {
        QFETCH(int, formato);
        QFETCH(QString, pagina);
        QFETCH(int, copie);
        const QString pdf = cartella_.filePath(QString("c%1.pdf").arg(formato));
        {
            QPdfWriter scrittore(pdf);
            QVERIFY(DisegnaCartellino(scrittore, cartellino_, FoglioCartellino(formato)));
        }
        const QString info = Esegui("pdfinfo", {pdf});
        const auto misura = QRegularExpression("Page size: +([0-9.]+) x ([0-9.]+) pts").match(info);
        QVERIFY2(misura.hasMatch(), qPrintable(info));
        const auto mm = [&](int i) { return QString::number(qRound(misura.captured(i).toDouble() / 72 * 25.4)); };
        QCOMPARE(mm(1) + " x " + mm(2), pagina);
        QVERIFY(info.contains(QRegularExpression("Pages: +1\n")));

        // Each row on one line, its cells in order, as many times as copies.
        const QString testo = Esegui("pdftotext", {"-layout", pdf, "-"});
        for (const auto& celle : cartellino_.righe) {
            QStringList parti;
            for (const auto& cella : celle)
                if (!cella.empty()) parti << QRegularExpression::escape(QString::fromStdString(cella));
            const QRegularExpression riga("^\\s*" + parti.join("\\s+") + "\\s*$", QRegularExpression::MultilineOption);
            QCOMPARE(testo.count(riga), copie);
        }
        for (const std::string& frase : {cartellino_.palla, cartellino_.legenda})
            QCOMPARE(testo.simplified().count(QString::fromStdString(frase)), copie);

        // Type sizes: every font of the text at 7 pt or more (at zoom 3, the
        // largest pdftohtml takes, sizes are in thirds of a point, rounded).
        const QString xml = Esegui("pdftohtml", {"-xml", "-i", "-zoom", "3", "-stdout", pdf});
        QVERIFY2(xml.contains("fontspec"), qPrintable(xml));
        for (auto m = QRegularExpression("fontspec[^>]* size=\"([0-9.]+)\"").globalMatch(xml); m.hasNext();)
            QVERIFY2(m.next().captured(1).toDouble() >= 21, qPrintable(xml.left(2000)));
    }
};

QTEST_MAIN(TestCartellino)
#include "test_cartellino.moc"
