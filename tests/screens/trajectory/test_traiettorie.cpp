// The trajectory screen, printing and the data files, driven like a user.
#include <QClipboard>
#include <QFile>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

#include <sys/stat.h>

#include "ambiente.h"
#include "frmAvvio.h"
#include "frmInputDatiTraiet.h"
#include "frmOpzioni.h"
#include "modellotabella.h"

class TestTraiettorie : public QObject {
    Q_OBJECT

    using A = Ambiente;

    // Start-up, the given bullet confirmed, "Calcolo Traiettorie".
    static frmInputDatiTraiet* ApriTraiettorie(A& a, const QStringList& palla = {"0.243", "95", "0", "15", "965",
                                                                                  "0.379"}) {
        a.programma->Main();
        frmAvvio* s = a.programma->Avvio();
        const char* campi[] = {"txtDiametro", "txtPeso", "txtAltitudine", "txtTemperatura", "txtVelocitabocca",
                               "txtCoeffbalistico"};
        for (int i = 0; i < 6; ++i) A::Scrivi(s, campi[i], palla[i]);
        A::Premi(s, "cmdConferma");
        A::Premi(a.programma->Opzioni(), "cmdCalcoloTraiettorie");
        return a.programma->Traiettorie();
    }
    static QStringList RigaTabella(frmInputDatiTraiet* t, int riga) {
        QStringList celle;
        for (int c = 0; c < 8; ++c) celle << t->Tabella().Cella(riga, c);
        return celle;
    }
    static QStringList Richiesta(frmInputDatiTraiet* t) {
        return {A::Testo(t, "txtDistZero"),   A::Testo(t, "txtDistInizio"), A::Testo(t, "txtDistFine"),
                A::Testo(t, "txtIntervallo"), A::Testo(t, "txtVelVento"),   A::Testo(t, "txtHottica")};
    }
    static void ScriviRichiesta(frmInputDatiTraiet* t, const QStringList& v) {
        const char* campi[] = {"txtDistZero", "txtDistInizio", "txtDistFine", "txtIntervallo", "txtVelVento",
                               "txtHottica"};
        for (int i = 0; i < 6; ++i) A::Scrivi(t, campi[i], v[i]);
    }

private slots:
    void primaAperturaCompressa() {
        A a;
        frmInputDatiTraiet* t = ApriTraiettorie(a);
        QVERIFY(t->isVisible());
        QCOMPARE(t->windowTitle(), QStringLiteral("Dati Traiettorie"));
        QCOMPARE(Richiesta(t), (QStringList{"225", "0", "500", "20", "5", "50"}));
        QVERIFY(!t->Espanso());
        QVERIFY(!A::Trova<QTableView>(t, "MSFlexGrid1")->isVisible());
        QVERIFY(!a.programma->Opzioni());
        QCOMPARE(A::Testo(t, "lblDiametro"), QStringLiteral("0.243"));
        QCOMPARE(A::Testo(t, "lblCoeffBalistico"), QStringLiteral("0.379"));
        QCOMPARE(A::Testo(t, "lblDistMin"), QStringLiteral("Distanza finale della  tabella"));
        QVERIFY(!(t->windowFlags() & Qt::WindowCloseButtonHint));
        t->close();
        QVERIFY(t->isVisible());
    }

    void tabellaGenerale() {
        A a;
        frmInputDatiTraiet* t = ApriTraiettorie(a);
        A::DoppioClick(t, "optTabellaVari");
        QVERIFY(a.dialoghi.registro.isEmpty());
        QVERIFY(t->Espanso());
        QCOMPARE(A::Testo(t, "lblRisultDistZeroOK"), QStringLiteral("224"));
        auto* griglia = A::Trova<QTableView>(t, "MSFlexGrid1");
        QVERIFY(griglia->isVisible());
        QCOMPARE(t->Tabella().rowCount(), 26);
        QCOMPARE(t->Tabella().headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Energia   (J) "));
        QCOMPARE(RigaTabella(t, 1), (QStringList{"20", "-0.2", "2.5", "946.6", "2758.3", "-0.1", "0.021", "-2.0"}));
        QCOMPARE(RigaTabella(t, 25),
                 (QStringList{"500", "-186.3", "-117.5", "597.0", "1096.9", "-73.5", "0.665", "-111.4"}));
        // The grid shows what the model holds.
        QCOMPARE(griglia->model()->index(1, 3).data().toString(), QStringLiteral("946.6"));
    }

    void tabellaDiCampagnaSostituisceLaGenerale() {
        A a;
        frmInputDatiTraiet* t = ApriTraiettorie(a);
        A::DoppioClick(t, "optTabellaVari");
        A::DoppioClick(t, "optTabellaCampagna");
        QCOMPARE(t->Tabella().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Distanza (m"));
        QCOMPARE(t->Tabella().headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Scarto  0°(cm)"));
        QCOMPARE(RigaTabella(t, 0), (QStringList{"0", "965.0", "2866.3", "-5.0", "-5.0", "-5.0", "-5.0", "-5.0"}));
        QCOMPARE(RigaTabella(t, 25),
                 (QStringList{"500", "597.0", "1096.9", "-111.4", "-105.1", "-86.4", "-56.8", "-18.2"}));
    }

    void passoFrazionarioERigheDellaGriglia_data() {
        QTest::addColumn<QString>("fine");
        QTest::addColumn<int>("righe");
        QTest::newRow("530") << "530" << 28;
        QTest::newRow("510") << "510" << 26;
    }
    void passoFrazionarioERigheDellaGriglia() {
        QFETCH(QString, fine);
        QFETCH(int, righe);
        A a;
        frmInputDatiTraiet* t = ApriTraiettorie(a);
        A::Scrivi(t, "txtDistFine", fine);
        A::DoppioClick(t, "optTabellaVari");
        QCOMPARE(t->Tabella().rowCount(), righe);  // plus the header row in the grid
    }

    void richiesteRifiutate_data() {
        QTest::addColumn<QStringList>("richiesta");
        QTest::addColumn<QString>("titolo");
        QTest::newRow("passo zero") << QStringList{"225", "0", "500", "0", "5", "50"} << "CAMBIA INTERVALLO!!";
        QTest::newRow("azzeramento zero") << QStringList{"", "0", "500", "20", "5", "50"} << "CAMBIA DISTANZA!!";
        QTest::newRow("troppe righe") << QStringList{"225", "0", "40000", "1", "5", "50"} << "TROPPE RIGHE!!";
        QTest::newRow("righe negative") << QStringList{"225", "500", "0", "20", "5", "50"} << "CAMBIA DISTANZE!!";
        QTest::newRow("troppo lontano") << QStringList{"225", "0", "90000", "100", "5", "50"}
                                        << "DISTANZA TROPPO GRANDE!!";
    }
    void richiesteRifiutate() {
        QFETCH(QStringList, richiesta);
        QFETCH(QString, titolo);
        A a;
        frmInputDatiTraiet* t = ApriTraiettorie(a);
        A::DoppioClick(t, "optTabellaVari");  // a first table, which a refusal keeps
        ScriviRichiesta(t, richiesta);
        A::DoppioClick(t, "optTabellaCampagna");
        QCOMPARE(a.dialoghi.Di("avviso").size(), 1);
        QVERIFY(a.dialoghi.Di("avviso")[0].startsWith(titolo + QLatin1Char('|')));
        QCOMPARE(t->Tabella().rowCount(), 26);
        QCOMPARE(t->Tabella().Cella(1, 1), QStringLiteral("-0.2"));
        QCOMPARE(A::Testo(t, "lblRisultDistZeroOK"), QStringLiteral("224"));
        QCOMPARE(Richiesta(t), richiesta);
    }

    void nascondereEDTornareConservaTutto() {
        A a;
        frmInputDatiTraiet* t = ApriTraiettorie(a);
        A::Scrivi(t, "txtDistFine", QStringLiteral("300"));
        A::Scrivi(t, "txtCalibro", QStringLiteral(".243 Win"));
        A::DoppioClick(t, "optTabellaCampagna");
        A::Menu(t, "mnuOpzioni");
        QVERIFY(!t->isVisible());
        QVERIFY(!t->Espanso());
        frmOpzioni* o = a.programma->Opzioni();
        QVERIFY(o && o->isVisible());
        A::Premi(o, "cmdCalcoloTraiettorie");
        QCOMPARE(a.programma->Traiettorie(), t);
        QVERIFY(t->isVisible());
        QCOMPARE(A::Testo(t, "txtDistFine"), QStringLiteral("300"));
        QCOMPARE(A::Testo(t, "txtCalibro"), QStringLiteral(".243 Win"));
        QVERIFY(A::Trova<QRadioButton>(t, "optTabellaCampagna")->isChecked());
        QCOMPARE(t->Tabella().rowCount(), 16);
    }

    void etichetteAggiornateDopoUnaNuovaPalla() {
        A a;
        frmInputDatiTraiet* t = ApriTraiettorie(a);
        A::Menu(t, "mnuNuovaPalla");
        frmAvvio* s = a.programma->Avvio();
        QVERIFY(s->isVisible());
        A::Scrivi(s, "txtDiametro", QStringLiteral("0.308"));
        A::Scrivi(s, "txtPeso", QStringLiteral("150"));
        A::Scrivi(s, "txtCoeffbalistico", QStringLiteral("0.25"));
        A::Premi(s, "cmdConferma");
        A::Premi(a.programma->Opzioni(), "cmdCalcoloTraiettorie");
        QCOMPARE(A::Testo(t, "lblDiametro"), QStringLiteral("0.308"));
        QCOMPARE(A::Testo(t, "lblPeso"), QStringLiteral("150"));
        QCOMPARE(A::Testo(t, "lblCoeffBalistico"), QStringLiteral("0.250"));
    }

    void rigaDatiAggiornataDaEntrambiGliSchermi() {
        A a;
        frmInputDatiTraiet* t = ApriTraiettorie(a);
        A::Scrivi(t, "txtVelVento", QStringLiteral("3.5"));
        QCOMPARE(A::Testo(a.programma->Avvio(), "txtFile"),
                 QStringLiteral("0.243,95,0,15,965,0.379,225,0,500,20,3.5,50"));
    }

    void stampaSuPdf() {
        A a;
        frmInputDatiTraiet* t = ApriTraiettorie(a);
        A::DoppioClick(t, "optTabellaVari");
        const QString pdf = a.PercorsoFile(QStringLiteral("tabella.pdf"));
        a.dialoghi.StampaSuPdf(pdf);
        a.dialoghi.Rispondi(true);
        A::Menu(t, "mnuStampa");
        QCOMPARE(a.dialoghi.Di("stampante").size(), 1);
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray contenuto = f.readAll();
        QVERIFY(contenuto.startsWith("%PDF"));
        QVERIFY(contenuto.size() > 20000);  // the picture of the table
        QCOMPARE(contenuto.count("/Type /Page\n") + contenuto.count("/Type /Page\r") + contenuto.count("/Type /Page "), 1);
    }

    void stampaAnnullataNonStampa() {
        A a;
        frmInputDatiTraiet* t = ApriTraiettorie(a);
        const QString pdf = a.PercorsoFile(QStringLiteral("niente.pdf"));
        a.dialoghi.StampaSuPdf(pdf);
        a.dialoghi.Rispondi(false);
        A::Menu(t, "mnuStampa");
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(a.dialoghi.inattesi.isEmpty());
        QVERIFY(!t->Espanso());
    }

    // ---- data files ----

    void salvaERiapreTuttiIDodiciTesti() {
        A a;
        frmInputDatiTraiet* t = ApriTraiettorie(a, {"0.308", "150", "300", "-5.5", "820", "0.400"});
        ScriviRichiesta(t, {"200", "50", "400", "25", "3", "45"});
        frmAvvio* s = a.programma->Avvio();
        const QString file = a.PercorsoFile(QStringLiteral("caccia.dat"));
        a.dialoghi.Rispondi(file);
        s->mnuSalvaConNome_Click();
        QVERIFY(!s->DatiCambiati());
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("0.308,150,300,-5.5,820,0.400,200,50,400,25,3,45\r\n"));
        // Change everything, then open the file again.
        A::Scrivi(s, "txtDiametro", QStringLiteral("0.224"));
        A::Scrivi(t, "txtHottica", QStringLiteral("38"));
        QVERIFY(s->DatiCambiati());
        a.dialoghi.Rispondi(false);  // "Il testo è stato modificato." No
        a.dialoghi.Rispondi(file);
        s->mnuApri_Click();
        QCOMPARE(a.dialoghi.Di("domanda"),
                 QStringList{"Conferma salvataggio|Il testo è stato modificato.\nVuoi salvare le modifiche?"});
        QCOMPARE(A::Testo(s, "txtDiametro"), QStringLiteral("0.308"));
        QCOMPARE(A::Testo(t, "txtHottica"), QStringLiteral("45"));
        QCOMPARE(A::Testo(s, "txtFile"), QStringLiteral("0.308,150,300,-5.5,820,0.400,200,50,400,25,3,45"));
        QVERIFY(!s->DatiCambiati());
        QVERIFY(a.dialoghi.inattesi.isEmpty());
    }

    void dodicesimoValoreTornaIntero() {
        A a;
        frmInputDatiTraiet* t = ApriTraiettorie(a);
        QFile f(a.PercorsoFile(QStringLiteral("lungo.dat")));
        f.open(QIODevice::WriteOnly);
        f.write("0.243,95,450,15,965,0.379,225,0,500,20,5,38.125\r\n");
        f.close();
        frmAvvio* s = a.programma->Avvio();
        a.dialoghi.Rispondi(false);
        a.dialoghi.Rispondi(f.fileName());
        s->mnuApri_Click();
        QCOMPARE(A::Testo(t, "txtHottica"), QStringLiteral("38.125"));
    }

    // Values that would not come back from the file: refused before writing, the data kept.
    void salvataggioRifiutatoPrimaDiScrivere_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("virgola decimale") << "txtVelVento" << "3,5"
                                          << "il campo \"velocità del vento laterale\" contiene una virgola";
        QTest::newRow("carattere non scrivibile") << "txtHottica" << "50Ω" << "contiene il carattere \"Ω\"";
    }
    void salvataggioRifiutatoPrimaDiScrivere() {
        QFETCH(QString, campo);
        QFETCH(QString, testo);
        QFETCH(QString, messaggio);
        A a;
        frmInputDatiTraiet* t = ApriTraiettorie(a);
        A::Trova<QLineEdit>(t, campo.toLatin1().constData())->setText(testo);
        frmAvvio* s = a.programma->Avvio();
        const QString file = a.PercorsoFile(QStringLiteral("caccia.dat"));
        a.dialoghi.Rispondi(file);
        s->mnuSalvaConNome_Click();
        const QStringList avvisi = a.dialoghi.Di("avviso");
        QCOMPARE(avvisi.size(), 1);
        QVERIFY2(avvisi[0].startsWith(QStringLiteral("SALVATAGGIO NON RIUSCITO!!|")), qPrintable(avvisi[0]));
        QVERIFY2(avvisi[0].contains(messaggio), qPrintable(avvisi[0]));
        QVERIFY(!QFile::exists(file));
        QVERIFY(s->DatiCambiati());
    }

    // A value copied with its line end goes in without it.
    void incollaSenzaACapo() {
        A a;
        frmInputDatiTraiet* t = ApriTraiettorie(a);
        frmAvvio* s = a.programma->Avvio();
        auto* temperatura = A::Trova<QLineEdit>(s, "txtTemperatura");
        temperatura->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("15\r\n"));
        temperatura->paste();
        QCOMPARE(temperatura->text(), QStringLiteral("15"));
        auto* vento = A::Trova<QLineEdit>(t, "txtVelVento");
        vento->setText(QStringLiteral("3.5"));
        vento->setCursorPosition(1);
        QGuiApplication::clipboard()->setText(QStringLiteral("2\n5"));
        vento->paste();
        QCOMPARE(vento->text(), QStringLiteral("325.5"));
        QCOMPARE(vento->cursorPosition(), 3);
    }

    void fileIllegibiliNonCambianoNulla_data() {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<bool>("speciale");  // not a plain file: the path in contenuto, or the folder;
        QTest::newRow("mancante") << QByteArray() << false;
        QTest::newRow("vuoto") << QByteArray("") << false;
        QTest::newRow("binario") << QByteArray("\x7f" "ELF\0\0\0", 7) << false;
        QTest::newRow("riga lunghissima") << QByteArray(40000, '7') << false;
        QTest::newRow("una cartella") << QByteArray() << true;
        QTest::newRow("un dispositivo") << QByteArray("/dev/zero") << true;
        QTest::newRow("una fifo") << QByteArray("fifo") << true;
    }
    void fileIllegibiliNonCambianoNulla() {
        QFETCH(QByteArray, contenuto);
        QFETCH(bool, speciale);
        A a;
        ApriTraiettorie(a);
        frmAvvio* s = a.programma->Avvio();
        QString percorso = a.PercorsoFile(QStringLiteral("dati.dat"));
        if (speciale && contenuto == "fifo") {
            QVERIFY(mkfifo(QFile::encodeName(percorso).constData(), 0644) == 0);
        } else if (speciale) {
            percorso = contenuto.isNull() ? a.cartella.path() : QString::fromLatin1(contenuto);
        } else if (!contenuto.isNull()) {
            QFile f(percorso);
            f.open(QIODevice::WriteOnly);
            f.write(contenuto);
        }
        const QString prima = A::Testo(s, "txtFile");
        const bool cambiati = s->DatiCambiati();
        a.dialoghi.Rispondi(false);
        a.dialoghi.Rispondi(percorso);
        s->mnuApri_Click();
        const QStringList avvisi = a.dialoghi.Di("avviso");
        QCOMPARE(avvisi.size(), 1);
        QVERIFY(avvisi[0].startsWith(QStringLiteral("FILE NON LEGGIBILE!!|")));
        QVERIFY(avvisi[0].contains(percorso));
        QCOMPARE(A::Testo(s, "txtFile"), prima);
        QCOMPARE(s->DatiCambiati(), cambiati);
    }

    void salvataggioFallitoNonPerdeIDati() {
        A a;
        ApriTraiettorie(a);
        frmAvvio* s = a.programma->Avvio();
        // A folder where the file should be: the save fails, the question comes back.
        a.dialoghi.Rispondi(true);                 // save? yes
        a.dialoghi.Rispondi(a.cartella.path());    // ... onto a folder: fails
        a.dialoghi.Rispondi(true);                 // asked again: yes
        a.dialoghi.Rispondi(QString());            // dialog cancelled: leave
        QSignalSpy fine(a.programma.get(), &Programma::terminato);
        s->mnuFileEsci_Click();
        QCOMPARE(a.dialoghi.Di("domanda").size(), 2);
        QCOMPARE(a.dialoghi.Di("avviso").size(), 1);
        QVERIFY(a.dialoghi.Di("avviso")[0].startsWith(QStringLiteral("SALVATAGGIO NON RIUSCITO!!|")));
        QCOMPARE(fine.count(), 1);
    }

    void uscitaConDatiSalvatiNonChiede() {
        A a;
        ApriTraiettorie(a);
        frmAvvio* s = a.programma->Avvio();
        a.dialoghi.Rispondi(a.PercorsoFile(QStringLiteral("x.dat")));
        s->mnuSalvaConNome_Click();
        a.dialoghi.Azzera();
        QSignalSpy fine(a.programma.get(), &Programma::terminato);
        A::Menu(a.programma->Traiettorie(), "mnuFileEsci");
        QVERIFY(a.dialoghi.registro.isEmpty());
        QCOMPARE(fine.count(), 1);
    }

    void uscitaConDatiCambiatiChiede() {
        A a;
        ApriTraiettorie(a);
        a.dialoghi.Rispondi(false);
        QSignalSpy fine(a.programma.get(), &Programma::terminato);
        A::Premi(a.programma->Avvio(), "cmdEsci");
        QCOMPARE(a.dialoghi.Di("domanda"),
                 QStringList{"Conferma salvataggio|Non esiste o è stato modificato il file dei dati impostati.\n"
                             "Vuoi salvare le modifiche in un file?"});
        QCOMPARE(fine.count(), 1);
    }
};

QTEST_MAIN(TestTraiettorie)
#include "test_traiettorie.moc"
