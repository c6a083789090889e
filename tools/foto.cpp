// Saves pictures of the screens into a folder (for the README), driving the
// program as a user would. Runs without a display: rigata_foto FOLDER [CATALOGUE_FOLDER]
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include "dialoghi.h"
#include "frmAvvio.h"
#include "frmGraficoTraiettoria.h"
#include "frmInputDatiTraiet.h"
#include "frmOpzioni.h"
#include "programma.h"

namespace {

// Answers nothing: the pictures need no dialogs.
class DialoghiMuti : public Dialoghi {
public:
    void Avviso(QWidget*, const QString& t, const QString& m) override { qWarning("%s: %s", qPrintable(t), qPrintable(m)); }
    bool Domanda(QWidget*, const QString&, const QString&) override { return false; }
    QString ApriFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString SalvaFile(QWidget*, const QString&, const QString&) override { return {}; }
    // The printed page goes to a PDF file beside the pictures.
    bool ScegliStampante(QWidget*, QPrinter& stampante) override {
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(pdf);
        return true;
    }
    QString pdf;
};

void Salva(QWidget* w, const QString& cartella, const char* nome) {
    w->show();
    QApplication::processEvents();
    w->grab().save(cartella + QLatin1Char('/') + QLatin1String(nome));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("uso: rigata_foto CARTELLA [CARTELLA_CATALOGO]");
        return 64;
    }
    const QString uscita = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(uscita);
    DialoghiMuti dialoghi;
    dialoghi.pdf = uscita + QStringLiteral("/stampa.pdf");
    Programma p(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QCoreApplication::applicationDirPath(), dialoghi);
    p.Main();
    frmAvvio* avvio = p.Avvio();
    Salva(avvio, uscita, "avvio.png");

    avvio->findChild<QPushButton*>(QStringLiteral("cmdConferma"))->click();
    Salva(p.Opzioni(), uscita, "opzioni.png");

    p.Opzioni()->findChild<QPushButton*>(QStringLiteral("cmdCalcoloTraiettorie"))->click();
    frmInputDatiTraiet* t = p.Traiettorie();
    t->findChild<QLineEdit*>(QStringLiteral("txtCalibro"))->setText(QStringLiteral(".243 Win"));
    Salva(t, uscita, "traiettorie.png");
    QWidget* vari = t->findChild<QWidget*>(QStringLiteral("optTabellaVari"));
    QTest::mouseDClick(vari, Qt::LeftButton, {}, QPoint(8, vari->height() / 2));
    Salva(t, uscita, "tabella-generale.png");
    t->mnuStampa_Click();
    // The menu "Tabella" open over the screen.
    QMenu* tabella = t->findChild<QMenu*>(QStringLiteral("mnuTabella"));
    const QRect voce = t->menuBar()->actionGeometry(tabella->menuAction());
    tabella->popup(t->menuBar()->mapToGlobal(voce.bottomLeft()));
    QApplication::processEvents();
    QPixmap schermo = t->grab();
    {
        QPainter pittore(&schermo);
        pittore.drawPixmap(t->mapFromGlobal(tabella->pos()), tabella->grab());
    }
    schermo.copy(0, 0, schermo.width(), std::min(schermo.height(), 330)).save(uscita + QStringLiteral("/menu-tabella.png"));
    tabella->hide();
    // The chart window, with the values under the mouse at 150 m.
    t->findChild<QAction*>(QStringLiteral("mnuGrafico"))->trigger();
    auto* grafico = t->findChild<frmGraficoTraiettoria*>();
    QWidget* disegno = grafico->Grafico();
    QApplication::processEvents();
    QTest::mouseMove(disegno, QPoint(disegno->width() * 3 / 10, disegno->height() / 3));
    Salva(grafico, uscita, "grafico.png");
    QWidget* campagna = t->findChild<QWidget*>(QStringLiteral("optTabellaCampagna"));
    QTest::mouseDClick(campagna, Qt::LeftButton, {}, QPoint(8, campagna->height() / 2));
    Salva(t, uscita, "tabella-campagna.png");
    QTest::mouseMove(disegno, QPoint(disegno->width() * 8 / 10, disegno->height() / 2));
    Salva(grafico, uscita, "grafico-campagna.png");
    return 0;
}
