// The new-bullet screen, driven like a user: typing, the checks and their
// messages, the line stored in the catalogue file, and the restart.
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

#include "ambiente.h"
#include "frmAvvio.h"
#include "frmInputNuovaPalla.h"

namespace {

using A = Ambiente;

const char* const kPrincipali[] = {"txtInpDiametro", "txtInpPeso", "txtImpTipoPalla", "txtInpCBStd"};
// The boxes of the frame in the order they open.
const char* const kCornice[] = {"txtInpCB1", "txtInpVelocita1", "txtInpCB2", "txtInpVelocita2",
                                "txtInpCB3", "txtInpVelocita3", "txtInpCB4", "txtInpVelocita4"};

const QString kTitolo = QStringLiteral("INSERISCI VALORE VALIDO!!");
const QString kVuoti = kTitolo + QStringLiteral(
                                     "|               I CAMPI NON POSSONO ESSERE VUOTI!\n\n"
                                     "Per i numeri usare il punto come separatore decimale senza zero iniziale");
const QString kDiametro = kTitolo + QStringLiteral(
                                        "|usare il punto come separatore decimale\nsenza zero iniziale\n"
                                        "usa valori minori di .780 ");
const QString kPeso = kTitolo + QStringLiteral("|usa valori >= 20 e <= di 800 ");
const QString kCoefficiente = kTitolo + QStringLiteral(
                                            "|usare il punto come separatore decimale\nsenza zero iniziale\n"
                                            "usa valori minori di .650 ");
const QString kSenzaVelocita =
    QStringLiteral("INSERISCI VALORE!!| Inserire la velocità relativa\n\nal proprio coefficiente balistico");

// Types a text key by key; characters beyond Latin-1 go as key events with their text.
void Digita(QWidget* w, const QString& testo) {
    for (const QChar c : testo) {
        if (c.unicode() < 0x80)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QLineEdit* Marca(QWidget* s) { return A::Trova<QComboBox>(s, "cBoMarca")->lineEdit(); }
QGroupBox* Cornice(QWidget* s) { return A::Trova<QGroupBox>(s, "fraDatiPallaExtra"); }

// A box of the frame opened by the change rules (the frame itself may be closed).
bool Aperta(QWidget* s, const char* nome) { return A::Trova<QWidget>(s, nome)->isEnabledTo(Cornice(s)); }

void Cancella(QWidget* w) {
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_Backspace);
}

// Picks an entry of a drop-down list with the mouse: open it, click the entry.
void ScegliDallaLista(QComboBox* combo, int indice) {
    combo->showPopup();
    QAbstractItemView* vista = combo->view();
    QVERIFY(QTest::qWaitForWindowExposed(vista->window()));
    const QRect voce = vista->visualRect(vista->model()->index(indice, 0));
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, voce.center());
    QTRY_VERIFY(!vista->isVisible());
}

// Fills the screen as a user does: the five boxes, then the frame in its
// order. A box of the frame left empty before a filled one is opened by typing
// a character and erasing it, as the rules require.
void Compila(QWidget* s, const QStringList& principali, const QStringList& cornice = {}) {
    Digita(Marca(s), principali.value(0));
    for (int i = 0; i < 4; ++i) Digita(A::Trova<QLineEdit>(s, kPrincipali[i]), principali.value(i + 1));
    int ultima = -1;
    for (int i = 0; i < cornice.size(); ++i)
        if (!cornice[i].isEmpty()) ultima = i;
    for (int i = 0; i <= ultima; ++i) {
        auto* casella = A::Trova<QLineEdit>(s, kCornice[i]);
        if (cornice[i].isEmpty() && i < ultima) {
            QTest::keyClick(casella, '1');
            QTest::keyClick(casella, Qt::Key_Backspace);
        }
        Digita(casella, cornice[i]);
    }
}

// All thirteen texts, maker first, then the frame in its order.
QStringList Caselle(QWidget* s) {
    QStringList t{Marca(s)->text()};
    for (const char* nome : kPrincipali) t << A::Testo(s, nome);
    for (const char* nome : kCornice) t << A::Testo(s, nome);
    return t;
}

QByteArray Contenuto(const Ambiente& a) {
    QFile f(a.PercorsoFile(QStringLiteral("stdbulls.bc")));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void Svuota() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

class TestNuovaPalla : public QObject {
    Q_OBJECT

    // The start screen, then a click on "Aggiungi palle".
    static frmInputNuovaPalla* Apri(Ambiente& a) {
        a.programma->Main();
        QTest::mouseClick(A::Trova<QWidget>(a.programma->Avvio(), "lblAggiungi"), Qt::LeftButton);
        return qobject_cast<frmInputNuovaPalla*>(a.programma->NuovaPalla());
    }
    static QWidget* Memorizza(Ambiente& a, QWidget* s) {
        A::Premi(s, "cmdMemorizza");
        Svuota();
        return a.programma->NuovaPalla();
    }

private slots:
    void apertura() {
        A a;
        frmInputNuovaPalla* s = Apri(a);
        QVERIFY(s && s->isVisible());
        QVERIFY(!a.programma->Avvio()->isVisible());
        QCOMPARE(s->windowTitle(), QStringLiteral("Input dati nuova palla"));
        auto* marca = A::Trova<QComboBox>(s, "cBoMarca");
        QVERIFY(marca->isEditable());
        QStringList marche;
        for (int i = 0; i < marca->count(); ++i) marche << marca->itemText(i);
        QCOMPARE(marche, (QStringList{"Berger", "Barnes", "Hornady", "Lapua", "Lyman", "Nosler", "OrgnTr", "RCBS",
                                      "Remington", "RWS", "Sierra", "Speer", "Winchester"}));
        QCOMPARE(Caselle(s), QStringList(13, QString()));
        QVERIFY(!Cornice(s)->isEnabled());
        for (const char* nome : kCornice) QVERIFY2(!Aperta(s, nome), nome);
        QVERIFY(A::Trova<QWidget>(s, "txtDatiPalle")->isHidden());
        QVERIFY(A::Trova<QWidget>(s, "cmdUtilizza")->isHidden());
        QVERIFY(a.dialoghi.registro.isEmpty());
    }

    // Captions and tooltips, as "name|text|tooltip".
    void testiDeiControlli() {
        A a;
        frmInputNuovaPalla* s = Apri(a);
        const QString z = QStringLiteral("Usa il punto come separatore decimale senza lo zero davanti");
        const QStringList attesi = {
            "lblInpMarca|Marca|", "lblInpDiametro|Diametro (inch)|", "txtInpDiametro||" + z,
            "lblInpPeso|Peso (grains)|", "txtInpPeso||", "lblInpTipoPalla|Tipo palla|", "txtImpTipoPalla||",
            "lblInpCBStd|Coeff. Bal. Standard|", "txtInpCBStd||" + z, "fraDatiPallaExtra|Dati Palla supplementari|",
            "lblInpCB1|1)  Coeff. Bal.|", "txtInpCB1||" + z, "lblInpVelocita1| alla Velocità di  (feet/s)|",
            "txtInpVelocita1||", "lblInpCB2|2)  Coeff. Bal.|", "txtInpCB2||" + z,
            "lblInpVelocita2| alla Velocità di  (feet/s)|", "txtInpVelocita2||", "lblInpCB3|3)  Coeff. Bal.|",
            "txtInpCB3||" + z, "lblInpVelocita3|alla Velocità di  (feet/s)|", "txtInpVelocita3||",
            "lblInpCB4|4)  Coeff. Bal.|", "txtInpCB4||" + z, "lblInpVelocita4|alla Velocità di (feet/s)|",
            "txtInpVelocita4||", "Label1|Archiviazione dati di una nuova palla|", "Label2|" + z + "|",
            "cmdMemorizza|Memorizza dati|", "cmdAnnulla|Cancella dati impostati|", "cmdIndietro|<-- Indietro  |",
            "cmdUtilizza|Utilizza nuovi dati|"};
        QStringList visti;
        for (const QString& riga : attesi) {
            const QString nome = riga.section(QLatin1Char('|'), 0, 0);
            QWidget* w = A::Trova<QWidget>(s, nome.toLatin1().constData());
            QString testo;
            if (auto* l = qobject_cast<QLabel*>(w)) testo = l->text();
            else if (auto* p = qobject_cast<QPushButton*>(w)) testo = p->text();
            else if (auto* g = qobject_cast<QGroupBox*>(w)) testo = g->title();
            visti << nome + QLatin1Char('|') + testo + QLatin1Char('|') + (w ? w->toolTip() : QString());
        }
        QCOMPARE(visti, attesi);
    }

    // The refusals in the written order: the first failing check speaks and
    // nothing is written; every box keeps its text.
    void rifiuti_data() {
        QTest::addColumn<QStringList>("principali");
        QTest::addColumn<QStringList>("cornice");
        QTest::addColumn<QString>("avviso");
        const QStringList pallaSierra{"Sierra", ".308", "150", "SPBT", ".400"};
        auto con = [&](int i, const QString& testo) {
            QStringList p = pallaSierra;
            p[i] = testo;
            return p;
        };
        QTest::newRow("marca vuota") << con(0, "") << QStringList{} << kVuoti;
        QTest::newRow("diametro 0.308") << con(1, "0.308") << QStringList{} << kDiametro;
        QTest::newRow("peso 19") << con(2, "19") << QStringList{} << kPeso;
        QTest::newRow("coefficiente .650") << con(4, ".650") << QStringList{} << kCoefficiente;
        QTest::newRow("coeff. 2 senza velocita")
            << pallaSierra << QStringList{".420", "2800", ".380"} << kSenzaVelocita;
        QTest::newRow("virgola nella marca")
            << con(0, "Acme,Inc") << QStringList{}
            << kTitolo + QStringLiteral("|il campo Marca non può contenere virgole né a capo\n"
                                        "la virgola separa i dati nell'archivio delle palle\n"
                                        "per i numeri usare il punto come separatore decimale");
        QTest::newRow("omega nel tipo") << con(3, "SPΩ") << QStringList{}
                                        << kTitolo + QStringLiteral(
                                                         "|il carattere \"Ω\" del campo Tipo palla non si può "
                                                         "scrivere nell'archivio delle palle\n"
                                                         "sostituirlo con un altro carattere");
    }

    void rifiuti() {
        QFETCH(QStringList, principali);
        QFETCH(QStringList, cornice);
        QFETCH(QString, avviso);
        A a;
        const QByteArray prima = Contenuto(a);
        frmInputNuovaPalla* s = Apri(a);
        Compila(s, principali, cornice);
        const QStringList scritte = Caselle(s);
        A::Premi(s, "cmdMemorizza");
        Svuota();
        QCOMPARE(a.dialoghi.Di("avviso"), QStringList{avviso});
        QCOMPARE(a.programma->NuovaPalla(), s);
        QCOMPARE(Caselle(s), scritte);
        QCOMPARE(Contenuto(a), prima);
        QVERIFY(A::Trova<QWidget>(s, "cmdUtilizza")->isHidden());
    }

    // Accepted entries and the line added to the end of the file.
    void rigaMemorizzata_data() {
        QTest::addColumn<QStringList>("principali");
        QTest::addColumn<QStringList>("cornice");
        QTest::addColumn<QByteArray>("riga");
        QTest::newRow("senza coppie") << QStringList{"Nosler", ".243", "95", "BTsb", ".379"} << QStringList{}
                                      << QByteArray("Nosler,.243,95,BTsb,.230,.379");
        QTest::newRow("una coppia") << QStringList{"Nosler", ".243", "95", "BTsb", ".379"}
                                    << QStringList{".400", "2500"}
                                    << QByteArray("Nosler,.243,95,BTsb,.230,.379,2500,.400");
        QTest::newRow(".308 come scritto") << QStringList{"Lapua", ".308", "185", "Scenar", ".5"} << QStringList{}
                                           << QByteArray("Lapua,.308,185,Scenar,.279,.5");
        QTest::newRow("solo la coppia 2") << QStringList{"Speer", ".257", "100", "BTSP", ".393"}
                                          << QStringList{"", "", ".380", "1800"}
                                          << QByteArray("Speer,.257,100,BTSP,.216,.393,1800,.380");
        QTest::newRow("accenti in Windows-1252") << QStringList{"Brünner", ".308", "150", "Spitz €", ".400"}
                                                 << QStringList{}
                                                 << QByteArray("Br\xfcnner,.308,150,Spitz \x80,.226,.400");
    }

    void rigaMemorizzata() {
        QFETCH(QStringList, principali);
        QFETCH(QStringList, cornice);
        QFETCH(QByteArray, riga);
        A a;
        const QByteArray prima = Contenuto(a);
        frmInputNuovaPalla* s = Apri(a);
        Compila(s, principali, cornice);
        QWidget* nuova = Memorizza(a, s);
        QCOMPARE(a.dialoghi.Di("avviso"), QStringList{});
        QCOMPARE(Contenuto(a), prima + riga + "\r\n");
        // Reopened fresh, ready for the next bullet, now offering the restart.
        QVERIFY(nuova && nuova != s && nuova->isVisible());
        QCOMPARE(Caselle(nuova), QStringList(13, QString()));
        QVERIFY(!Cornice(nuova)->isEnabled());
        for (const char* nome : kCornice) QVERIFY2(!Aperta(nuova, nome), nome);
        QVERIFY(!A::Trova<QWidget>(nuova, "cmdUtilizza")->isHidden());
        QVERIFY(!a.programma->Avvio()->isVisible());
    }

    void aperturaDellaCornice() {
        A a;
        frmInputNuovaPalla* s = Apri(a);
        Compila(s, {"Nosler", ".243", "95", "BTsb"});
        QVERIFY(!Cornice(s)->isEnabled());
        QVERIFY(!Aperta(s, "txtInpCB1"));
        Digita(A::Trova<QLineEdit>(s, "txtInpCBStd"), QStringLiteral(".379"));
        QVERIFY(Cornice(s)->isEnabled());
        // Strictly in order, each box opening the next.
        for (int i = 0; i < 8; ++i) {
            QVERIFY2(Aperta(s, kCornice[i]), kCornice[i]);
            for (int j = i + 1; j < 8; ++j) QVERIFY2(!Aperta(s, kCornice[j]), kCornice[j]);
            Digita(A::Trova<QLineEdit>(s, kCornice[i]), QStringLiteral("1"));
        }
        // Emptying any of the five closes the frame; the boxes inside stay open.
        for (const char* nome : kPrincipali) {
            auto* casella = A::Trova<QLineEdit>(s, nome);
            const QString testo = casella->text();
            Cancella(casella);
            QVERIFY2(!Cornice(s)->isEnabled(), nome);
            Digita(casella, testo);
            QVERIFY2(Cornice(s)->isEnabled(), nome);
        }
        Cancella(Marca(s));
        QVERIFY(!Cornice(s)->isEnabled());
        for (const char* nome : kCornice) QVERIFY2(Aperta(s, nome), nome);
    }

    void cancellaDatiImpostati() {
        A a;
        frmInputNuovaPalla* s = Apri(a);
        Compila(s, {"Nosler", ".243", "95", "BTsb", ".379"}, {".400", "2500"});
        A::Premi(s, "cmdAnnulla");
        QCOMPARE(Caselle(s), QStringList(13, QString()));
        QVERIFY(!Cornice(s)->isEnabled());
        QVERIFY(Aperta(s, "txtInpCB1") && Aperta(s, "txtInpVelocita1") && Aperta(s, "txtInpCB2"));
        QVERIFY(!Aperta(s, "txtInpVelocita2"));
        QVERIFY(a.dialoghi.registro.isEmpty());
        // The maker typed last opens the frame again.
        Compila(s, {"", ".243", "95", "BTsb", ".379"});
        QVERIFY(!Cornice(s)->isEnabled());
        Digita(Marca(s), QStringLiteral("Nosler"));
        QVERIFY(Cornice(s)->isEnabled());
    }

    void marcaSceltaDallaLista() {
        A a;
        frmInputNuovaPalla* s = Apri(a);
        auto* marca = A::Trova<QComboBox>(s, "cBoMarca");
        Compila(s, {"", ".243", "95", "BTsb", ".379"});
        QVERIFY(!Cornice(s)->isEnabled());
        // A pick from the list is no change of the typed text: no rule runs.
        ScegliDallaLista(marca, 5);
        QCOMPARE(marca->currentText(), QStringLiteral("Nosler"));
        QVERIFY(!Cornice(s)->isEnabled());
        // The frame follows at the next change of one of the other boxes.
        Digita(A::Trova<QLineEdit>(s, "txtInpPeso"), QStringLiteral("0"));
        QVERIFY(Cornice(s)->isEnabled());
        // Picked and stored as shown.
        Cancella(A::Trova<QLineEdit>(s, "txtInpPeso"));
        Digita(A::Trova<QLineEdit>(s, "txtInpPeso"), QStringLiteral("95"));
        QCOMPARE(marca->count(), 13);  // a pick adds nothing to the list
        const QByteArray prima = Contenuto(a);
        Memorizza(a, s);
        QCOMPARE(Contenuto(a), prima + "Nosler,.243,95,BTsb,.230,.379\r\n");
    }

    void indietroLasciaLaListaComEra() {
        A a;
        frmInputNuovaPalla* s = Apri(a);
        Compila(s, {"Lapua", ".264", "139", "Scenar", ".615"});
        QWidget* nuova = Memorizza(a, s);
        A::Premi(nuova, "cmdIndietro");
        Svuota();
        QVERIFY(!a.programma->NuovaPalla());
        frmAvvio* avvio = a.programma->Avvio();
        QVERIFY(avvio->isVisible());
        QCOMPARE(A::Trova<QComboBox>(avvio, "Combo1")->count(), 6);
    }

    // The window's own close command: back to the start screen, which would
    // otherwise stay hidden with no window left.
    void comandoDiChiusura() {
        A a;
        frmInputNuovaPalla* s = Apri(a);
        Compila(s, {"Lapua", ".264", "139"});
        s->close();
        Svuota();
        QVERIFY(!a.programma->NuovaPalla());
        QVERIFY(a.programma->Avvio()->isVisible());
        QVERIFY(a.dialoghi.registro.isEmpty());
        // Closed, not hidden: the next opening is fresh.
        QTest::mouseClick(A::Trova<QWidget>(a.programma->Avvio(), "lblAggiungi"), Qt::LeftButton);
        s = qobject_cast<frmInputNuovaPalla*>(a.programma->NuovaPalla());
        QVERIFY(s && s->isVisible());
        QCOMPARE(Caselle(s), QStringList(13, QString()));
    }

    void utilizzaNuoviDati() {
        A a;
        frmInputNuovaPalla* s = Apri(a);
        QPointer<frmAvvio> vecchio = a.programma->Avvio();
        Compila(s, {"Hornady", ".284", "162", "ELD-X", ".631"});
        QWidget* nuova = Memorizza(a, s);
        A::Premi(nuova, "cmdUtilizza");
        Svuota();
        QVERIFY(!a.programma->NuovaPalla());
        QVERIFY(!vecchio);
        frmAvvio* avvio = a.programma->Avvio();
        QVERIFY(avvio->isVisible());
        auto* combo = A::Trova<QComboBox>(avvio, "Combo1");
        QCOMPARE(combo->count(), 7);
        // Sorted in place between .243 and .308; the default bullet selected.
        QVERIFY(combo->itemText(1).startsWith(QStringLiteral("0.284\"   162gr   Hornady ELD-X")));
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(combo->currentText().startsWith(QStringLiteral("0.243\"   95gr    Nosler")));
        QCOMPARE(A::Testo(avvio, "txtDiametro"), QStringLiteral("0.243"));
    }

    void treNuovePalleInFila() {
        A a;
        frmInputNuovaPalla* s = Apri(a);
        const QStringList palle[] = {{"Lapua", ".264", "139", "Scenar", ".615"},
                                     {"Woodleigh", ".375", "300", "RN", ".340"},
                                     {"Hornady", ".224", "55", "V-Max", ".255"}};
        const QStringList cornici[] = {{".620", "2800"}, {}, {".260", "3000", ".240", "2000"}};
        QWidget* schermo = s;
        for (int i = 0; i < 3; ++i) {
            Compila(schermo, palle[i], cornici[i]);
            schermo = Memorizza(a, schermo);
        }
        QVERIFY(a.dialoghi.registro.isEmpty());
        A::Premi(schermo, "cmdUtilizza");
        Svuota();
        frmAvvio* avvio = a.programma->Avvio();
        auto* combo = A::Trova<QComboBox>(avvio, "Combo1");
        QCOMPARE(combo->count(), 9);
        const struct {
            const char* inizio;
            QStringList ingresso;  // diameter, weight, coefficient
            QString vel1, cb1, cb2;
        } attesi[] = {{"0.224\"   55gr    Hornady V-Max", {"0.224", "55", "0.255"}, "3000", "0.260", "0.240"},
                      {"0.264\"   139gr   Lapua   Scenar", {"0.264", "139", "0.615"}, "2800", "0.620", ""},
                      {"0.375\"   300gr   Woodlei RN", {"0.375", "300", "0.340"}, "", "", ""}};
        // Sorted in place: the .224 comes before the default .243.
        QVERIFY(combo->itemText(0).startsWith(QString::fromLatin1(attesi[0].inizio)));
        for (const auto& atteso : attesi) {
            int indice = -1;
            for (int i = 0; i < combo->count(); ++i)
                if (combo->itemText(i).startsWith(QString::fromLatin1(atteso.inizio))) indice = i;
            QVERIFY2(indice >= 0, atteso.inizio);
            ScegliDallaLista(combo, indice);
            QCOMPARE((QStringList{A::Testo(avvio, "txtDiametro"), A::Testo(avvio, "txtPeso"),
                                  A::Testo(avvio, "txtCoeffbalistico")}),
                     atteso.ingresso);
            QCOMPARE(A::Testo(avvio, "txtVelocita1"), atteso.vel1);
            QCOMPARE(A::Testo(avvio, "txtCoeff_Bal_Vel1"), atteso.cb1);
            QCOMPARE(A::Testo(avvio, "txtCoeff_Bal_Vel2"), atteso.cb2);
        }
    }

    // A write that fails keeps the file as it was and every typed value.
    void scritturaFallita_data() {
        QTest::addColumn<bool>("limite");
        QTest::newRow("una cartella al posto del file") << false;
        QTest::newRow("file oltre il limite di dimensione") << true;
    }

    void scritturaFallita() {
        QFETCH(bool, limite);
        A a;
        const QString percorso = a.PercorsoFile(QStringLiteral("stdbulls.bc"));
        const QByteArray prima = Contenuto(a);
        frmInputNuovaPalla* s = Apri(a);
        Compila(s, {"Nosler", ".243", "95", "BTsb", ".379"}, {".400", "2500"});
        const QStringList scritte = Caselle(s);

        rlimit vecchio{};
        void (*gestore)(int) = SIG_DFL;
        if (limite) {
            getrlimit(RLIMIT_FSIZE, &vecchio);
            gestore = std::signal(SIGXFSZ, SIG_IGN);
            rlimit stretto = vecchio;
            stretto.rlim_cur = static_cast<rlim_t>(prima.size());
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &stretto), 0);
        } else {
            QVERIFY(QFile::remove(percorso));
            QVERIFY(QDir().mkdir(percorso));
        }
        A::Premi(s, "cmdMemorizza");
        if (limite) {
            setrlimit(RLIMIT_FSIZE, &vecchio);
            std::signal(SIGXFSZ, gestore);
        }
        Svuota();

        const QStringList avvisi = a.dialoghi.Di("avviso");
        QCOMPARE(avvisi.size(), 1);
        QVERIFY2(avvisi[0].startsWith(QStringLiteral("SALVATAGGIO NON RIUSCITO!!|")), qPrintable(avvisi[0]));
        QVERIFY2(avvisi[0].contains(percorso), qPrintable(avvisi[0]));
        QCOMPARE(a.programma->NuovaPalla(), s);
        QVERIFY(s->isVisible());
        QCOMPARE(Caselle(s), scritte);
        QVERIFY(Cornice(s)->isEnabled());
        QVERIFY(A::Trova<QWidget>(s, "cmdUtilizza")->isHidden());
        if (limite) QCOMPARE(Contenuto(a), prima);
        else QVERIFY(QFileInfo(percorso).isDir());
        // No temporary file left: the catalogue (unless a folder took its place) and its lock file.
        QCOMPARE(QDir(a.cartella.path()).entryList(QDir::Files | QDir::Hidden).size(), limite ? 2 : 1);

        // Put right, the same press stores what was typed.
        if (!limite) QVERIFY(QDir().rmdir(percorso));
        a.dialoghi.Azzera();
        Memorizza(a, s);
        QVERIFY(a.dialoghi.registro.isEmpty());
        QVERIFY(Contenuto(a).endsWith("Nosler,.243,95,BTsb,.230,.379,2500,.400\r\n"));
    }

    // Writes the screen's picture when asked: RIGATA_FOTO=docs/nuova-palla.png.
    void fotografia() {
        const QString destinazione = qEnvironmentVariable("RIGATA_FOTO");
        if (destinazione.isEmpty()) QSKIP("RIGATA_FOTO non impostata");
        A a;
        frmInputNuovaPalla* s = Apri(a);
        Compila(s, {"Nosler", ".243", "95", "BTsb", ".379"});
        QWidget* nuova = Memorizza(a, s);  // after a stored bullet, with the restart offered
        Compila(nuova, {"Sierra", ".308", "150", "SPBT GameKing", ".400"}, {".420", "2800", ".400", "2000"});
        QVERIFY(nuova->grab().save(destinazione));
    }
};

QTEST_MAIN(TestNuovaPalla)
#include "test_nuovapalla.moc"
