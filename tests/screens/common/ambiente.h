// A program in a temporary folder with a small catalogue and dialogs answered
// by script, and helpers that drive its screens like a user.
#pragma once

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "dialoghi.h"
#include "programma.h"

// Warnings and questions are recorded as "title|text" (numbers asked as
// "title|text|proposed|min..max"); questions, file dialogs, the printer dialog
// and numbers are answered from a queue (a bool, a path, an int). A dialog
// with no answer queued is recorded in inattesi and gets an empty one.
class DialoghiScriptati : public Dialoghi {
public:
    QStringList avvisi, domande, inattesi, numeri;
    QQueue<QVariant> risposte;
    QString pdf;  // where a confirmed printer dialog prints

    void Avviso(QWidget*, const QString& titolo, const QString& testo) override { avvisi << titolo + '|' + testo; }
    bool Domanda(QWidget*, const QString& titolo, const QString& testo) override {
        domande << titolo + '|' + testo;
        return Prossima(titolo).toBool();
    }
    QString ApriFile(QWidget*, const QString&, const QString&) override { return Prossima("apri").toString(); }
    QString SalvaFile(QWidget*, const QString&, const QString&) override { return Prossima("salva").toString(); }
    bool ScegliStampante(QWidget*, QPrinter& stampante) override {
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(pdf);
        return Prossima("stampante").toBool();
    }
    // A number queued as an int; anything else cancels.
    std::optional<int> Intero(QWidget*, const QString& titolo, const QString& testo, int valore, int minimo,
                              int massimo) override {
        numeri << QStringLiteral("%1|%2|%3|%4..%5").arg(titolo, testo).arg(valore).arg(minimo).arg(massimo);
        const QVariant v = Prossima("intero");
        if (v.typeId() != QMetaType::Int) return std::nullopt;
        return v.toInt();
    }
    QVariant Prossima(const QString& cosa) {
        if (risposte.isEmpty()) return inattesi << cosa, QVariant();
        return risposte.dequeue();
    }
};

// Six bullets, the default one (Nosler .243 95 grain) among them.
inline const char* kCatalogoProva =
    "(c) catalogo di prova\r\nSierra,.308,150,SPBT,.226,.400,2800,.420,2000,.400,1600,.380\r\n"
    "Nosler,.243,95,BTsb,.230,.379\r\n\r\nHornady,.308,180,InterLock SP,.271,.425\r\n"
    "Speer,.416,400,African GS,.330,.318\r\nBarnes,.308,130,TTSX,.196,.350,3000,.360\r\nRWS,.308,150,KS,.226,.301\r\n";

struct Ambiente {
    explicit Ambiente(const char* catalogo = kCatalogoProva) {
        QFile f(File("stdbulls.bc"));
        if (catalogo && f.open(QIODevice::WriteOnly)) f.write(catalogo);
        f.close();
        programma = std::make_unique<Programma>(cartella.path(), dialoghi);
        programma->Main();
    }
    QString File(const QString& nome) const { return cartella.path() + '/' + nome; }
    QByteArray Contenuto(const QString& nome) const {
        QFile f(File(nome));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir cartella;
    DialoghiScriptati dialoghi;
    std::unique_ptr<Programma> programma;
};

template <class T = QWidget>
T* Trova(QWidget* schermo, const char* nome) {
    return schermo->findChild<T*>(QString::fromLatin1(nome));
}
// Selects the box's text (or an editable list's) and types over it.
inline QLineEdit* Scrivi(QWidget* schermo, const QString& campo, const QString& testo) {
    QWidget* w = schermo->findChild<QWidget*>(campo);
    auto* lista = qobject_cast<QComboBox*>(w);
    QLineEdit* casella = lista ? lista->lineEdit() : qobject_cast<QLineEdit*>(w);
    casella->selectAll();
    QTest::keyClick(casella, Qt::Key_Backspace);
    QTest::keyClicks(casella, testo);
    return casella;
}
inline QString Testo(QWidget* schermo, const char* nome) {
    auto* l = Trova<QLabel>(schermo, nome);
    return l ? l->text() : Trova<QLineEdit>(schermo, nome)->text();
}
inline void Premi(QWidget* schermo, const char* pulsante) {
    QTest::mouseClick(Trova<QPushButton>(schermo, pulsante), Qt::LeftButton);
}
inline void DoppioClick(QWidget* schermo, const char* opzione) {
    QWidget* w = Trova(schermo, opzione);
    QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
}
// The named number boxes show bold red text while they can be edited.
inline void GrassettoRosso(QWidget* schermo, const QStringList& caselle) {
    for (const QString& nome : caselle) {
        auto* w = schermo->findChild<QWidget*>(nome);
        QVERIFY2(w && w->font().bold() && w->palette().color(QPalette::Active, QPalette::Text) == QColor(Qt::red), qPrintable(nome));
    }
}
// Exactly one warning, beginning with inizio and holding dentro.
inline void UnAvviso(const QStringList& avvisi, const QString& inizio, const QString& dentro = {}) {
    QVERIFY2(avvisi.size() == 1 && avvisi[0].startsWith(inizio) && avvisi[0].contains(dentro),
             qPrintable(avvisi.join('\n')));
}
inline void Menu(QWidget* schermo, const char* voce) { Trova<QAction>(schermo, voce)->trigger(); }
inline void Svuota() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
