// A program in a temporary folder with a small catalogue, scripted dialogs
// and helpers to drive its screens like a user.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "dialoghiscriptati.h"
#include "programma.h"

// Six bullets; the default one among them (Nosler .243 95 BTsb .379).
inline const char* kCatalogoProva =
    "(c) catalogo di prova\r\n"
    "Sierra,.308,150,SPBT,.226,.400,2800,.420,2000,.400,1600,.380\r\n"
    "Nosler,.243,95,BTsb,.230,.379\r\n"
    "\r\n"
    "Hornady,.308,180,InterLock SP,.271,.425\r\n"
    "Speer,.416,400,African GS,.330,.318\r\n"
    "Barnes,.308,130,TTSX,.196,.350,3000,.360\r\n"
    "RWS,.308,150,KS,.226,.301\r\n";

class Ambiente {
public:
    explicit Ambiente(const char* catalogo = kCatalogoProva) {
        if (catalogo) {
            QFile f(cartella.path() + QStringLiteral("/stdbulls.bc"));
            f.open(QIODevice::WriteOnly);
            f.write(catalogo);
        }
        programma = std::make_unique<Programma>(cartella.path(), dialoghi);
    }

    QTemporaryDir cartella;
    DialoghiScriptati dialoghi;
    std::unique_ptr<Programma> programma;

    template <class T = QWidget>
    static T* Trova(QWidget* schermo, const char* nome) {
        T* w = schermo ? schermo->findChild<T*>(QString::fromLatin1(nome)) : nullptr;
        if (!w) qWarning("control %s not found", nome);
        return w;
    }
    static void Scrivi(QWidget* schermo, const char* campo, const QString& testo) {
        auto* casella = Trova<QLineEdit>(schermo, campo);
        casella->selectAll();
        casella->clear();
        if (!testo.isEmpty()) QTest::keyClicks(casella, testo);
    }
    static QString Testo(QWidget* schermo, const char* nome) {
        if (auto* e = schermo->findChild<QLineEdit*>(QString::fromLatin1(nome))) return e->text();
        if (auto* l = schermo->findChild<QLabel*>(QString::fromLatin1(nome))) return l->text();
        qWarning("control %s not found", nome);
        return {};
    }
    static void Premi(QWidget* schermo, const char* pulsante) {
        QTest::mouseClick(Trova<QPushButton>(schermo, pulsante), Qt::LeftButton);
    }
    static void DoppioClick(QWidget* schermo, const char* opzione) {
        QWidget* w = Trova<QWidget>(schermo, opzione);
        QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
    }
    static void Menu(QWidget* schermo, const char* voce) {
        auto* azione = schermo->findChild<QAction*>(QString::fromLatin1(voce));
        if (!azione) qWarning("menu entry %s not found", voce);
        else azione->trigger();
    }
    QString PercorsoFile(const QString& nome) const { return cartella.path() + QLatin1Char('/') + nome; }
};
