// Saves pictures of the screens into a folder (for the README), driving the
// program as a user would: start, options, trajectory, the five calculators
// and the new-bullet screen. Runs without a display: rigata_foto FOLDER [CATALOGUE_FOLDER]
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <utility>

#include "dialoghi.h"
#include "documento.h"
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
    // The file asked for next (the card's PDF), once.
    QString SalvaFile(QWidget*, const QString&, const QString&) override { return std::exchange(salva, QString()); }
    // The printed page goes to a PDF file beside the pictures.
    bool ScegliStampante(QWidget*, QPrinter& stampante) override {
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(pdf);
        return true;
    }
    // The number proposed (the card's step).
    std::optional<int> Intero(QWidget*, const QString&, const QString&, int valore, int, int) override { return valore; }
    QString pdf, salva;
};

void Salva(QWidget* w, const QString& cartella, const char* nome) {
    w->show();
    // A screen just shown settles in a few passes (polish, fonts, layout).
    for (int passo = 0; passo < 3; ++passo) QApplication::processEvents();
    w->grab().save(cartella + QLatin1Char('/') + QLatin1String(nome));
}

void DoppioClick(QWidget* schermo, const char* nome) {
    QWidget* w = schermo->findChild<QWidget*>(QLatin1String(nome));
    QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
}

// One key event carrying the whole text, as a keyboard with that letter would send it.
void Digita(QWidget* schermo, const char* nome, const QString& testo) {
    QWidget* w = schermo->findChild<QWidget*>(QLatin1String(nome));
    if (auto* lista = qobject_cast<QComboBox*>(w)) w = lista->lineEdit();
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, testo, {});
}

// The sensitivity's calculator and the truing window, each with a result.
void Finestre(QWidget* t, const QString& uscita) {
    const struct {
        const char *pulsante, *finestra, *calcola, *foto;
        std::vector<std::pair<const char*, const char*>> testi;
    } finestre[] = {{"cmdSensibilita", "frmSensibilita", "cmdCalcolaSensibilita", "sensibilita.png",
                     {{"txtTemperatura1", "-10"}, {"txtVelocita1", "921"}, {"txtTemperatura2", "20"},
                      {"txtVelocita2", "954"}}},
                    {"cmdCalibra", "frmCalibra", "cmdCalcolaCalibra", "calibra.png",
                     {{"txtDistanzaCalibra", "300"}, {"txtScartoCalibra", "-20"}}}};
    for (const auto& f : finestre) {
        t->findChild<QPushButton*>(QLatin1String(f.pulsante))->click();
        auto* finestra = t->findChild<QDialog*>(QLatin1String(f.finestra));
        for (const auto& [nome, testo] : f.testi) Digita(finestra, nome, QString::fromLatin1(testo));
        finestra->findChild<QPushButton*>(QLatin1String(f.calcola))->click();
        Salva(finestra, uscita, f.foto);
        finestra->close();
    }
}

// The menu "Tabella" open over the screen.
void MenuTabella(QMainWindow* t, const QString& uscita) {
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
}

// The hunting day: a cartridge at -10 °C, a shot 35° downhill, boars
// running at 20 and 40 km/h; the general table with its added columns, then
// the sensitivity's and the truing's windows.
void Giornata(QMainWindow* t, const QString& uscita) {
    const std::pair<const char*, QString> giornata[] = {{"txtSensibilita", QStringLiteral("1")},
                                                        {"txtTempCartuccia", QStringLiteral("-10")},
                                                        {"txtPendio", QStringLiteral("-35")},
                                                        {"txtAnticipo", QStringLiteral("20,40")}};
    for (const auto& [nome, testo] : giornata) t->findChild<QLineEdit*>(QString::fromLatin1(nome))->setText(testo);
    t->findChild<QComboBox*>(QStringLiteral("cboUnita"))->setCurrentIndex(0);
    QApplication::processEvents();
    Salva(t, uscita, "tabella-giornata.png");
    Finestre(t, uscita);
}

// Each calculator with the results of its boxes' first values, on the .308 of 150 grains.
void Calcolatori(Programma& p, const QString& uscita) {
    const struct {
        const char *opzione, *foto;
    } calcolatori[] = {{"optLegno", "calcolatore-legno.png"}, {"optFerro", "calcolatore-ferro.png"},
                       {"optOsso", "calcolatore-osso.png"},   {"optUomo", "calcolatore-uomo.png"},
                       {"optVarVelCanna", "calcolatore-canna.png"}};
    frmAvvio* avvio = p.Avvio();
    avvio->findChild<QLineEdit*>(QStringLiteral("txtDiametro"))->setText(QStringLiteral("0.308"));
    avvio->findChild<QLineEdit*>(QStringLiteral("txtPeso"))->setText(QStringLiteral("150"));
    for (const auto& c : calcolatori) {
        if (p.Calcolatore()) p.VaiAdAvvio(p.Calcolatore());
        avvio->findChild<QPushButton*>(QStringLiteral("cmdConferma"))->click();
        DoppioClick(p.Opzioni(), c.opzione);
        QWidget* schermo = p.Calcolatore();
        for (QPushButton* b : schermo->findChildren<QPushButton*>())
            if (b->text() == QLatin1String("Calcola")) b->click();
        Salva(schermo, uscita, c.foto);
        schermo->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The new-bullet screen filled in, not stored.
void NuovaPalla(Programma& p, const QString& uscita) {
    p.ApriNuovaPalla();
    QWidget* s = p.NuovaPalla();
    const char* caselle[] = {"cBoMarca", "txtInpDiametro", "txtInpPeso", "txtImpTipoPalla", "txtInpCBStd",
                             "txtInpCB1", "txtInpVelocita1", "txtInpCB2", "txtInpVelocita2"};
    const char* testi[] = {"Sierra", ".308", "150", "SPBT GameKing", ".400", ".420", "2800", ".400", "2000"};
    for (int i = 0; i < 9; ++i) Digita(s, caselle[i], QString::fromUtf8(testi[i]));
    Salva(s, uscita, "nuova-palla.png");
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
    MenuTabella(t, uscita);
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
    // The point mass G7 with a band of 4 cm and a scope in mrad: the chart with
    // the closed form beside it (the correction under the mouse at 300 m)...
    t->findChild<QComboBox*>(QStringLiteral("cboModello"))->setCurrentIndex(2);
    // The catalogue's coefficient is a G1: the bullet's G7 one typed on the start screen.
    p.VaiAdAvvio(t);
    avvio->findChild<QLineEdit*>(QStringLiteral("txtCoeffbalistico"))->selectAll();
    Digita(avvio, "txtCoeffbalistico", QStringLiteral("0.190"));
    avvio->findChild<QPushButton*>(QStringLiteral("cmdConferma"))->click();
    p.Opzioni()->findChild<QPushButton*>(QStringLiteral("cmdCalcoloTraiettorie"))->click();
    t->findChild<QComboBox*>(QStringLiteral("cboBanda"))->setCurrentIndex(0);
    t->findChild<QComboBox*>(QStringLiteral("cboUnita"))->setCurrentText(QStringLiteral("mrad"));
    QTest::mouseDClick(vari, Qt::LeftButton, {}, QPoint(8, vari->height() / 2));
    QApplication::processEvents();
    QTest::mouseMove(disegno, QPoint(disegno->width() * 6 / 10, disegno->height() / 3));
    Salva(grafico, uscita, "grafico-punto-materiale.png");
    // ...and its pocket card every 50 m, with the leads for game running at
    // 20 and 40 km/h on its back, saved as PDF and turned into a picture.
    t->findChild<QLineEdit*>(QStringLiteral("txtAnticipo"))->setText(QStringLiteral("20,40"));
    const QString cartellino = uscita + QStringLiteral("/cartellino.pdf");
    dialoghi.salva = cartellino;
    t->findChild<QAction*>(QStringLiteral("mnuEsportaCartellino"))->trigger();
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("150"),
                                                   QStringLiteral("-singlefile"), cartellino,
                                                   uscita + QStringLiteral("/cartellino")});
    QFile::remove(cartellino);
    Giornata(t, uscita);
    p.VaiAdAvvio(t);
    Calcolatori(p, uscita);
    NuovaPalla(p, uscita);
    return 0;
}
