// Dialogs answered by script: every call is recorded (kind, title, text) and
// answered from a queue; a dialog with no answer queued is a test failure.
#pragma once

#include <QPrinter>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "dialoghi.h"

class DialoghiScriptati : public Dialoghi {
public:
    struct Chiamata {
        QString tipo;  // "avviso", "domanda", "apri", "salva", "stampante"
        QString titolo;
        QString testo;
    };

    // Answers, in order: a bool for domanda and stampante, a QString for apri and salva.
    void Rispondi(const QVariant& risposta) { risposte_.enqueue(risposta); }
    // Printing to this PDF file when the printer dialog is confirmed.
    void StampaSuPdf(const QString& percorso) { pdf_ = percorso; }

    QList<Chiamata> registro;
    QStringList inattesi;  // dialogs that found no answer

    void Avviso(QWidget*, const QString& titolo, const QString& testo) override {
        registro.append({QStringLiteral("avviso"), titolo, testo});
    }
    bool Domanda(QWidget*, const QString& titolo, const QString& testo) override {
        registro.append({QStringLiteral("domanda"), titolo, testo});
        return Prossima(QStringLiteral("domanda ") + titolo).toBool();
    }
    QString ApriFile(QWidget*, const QString& filtri, const QString&) override {
        registro.append({QStringLiteral("apri"), QString(), filtri});
        return Prossima(QStringLiteral("apri")).toString();
    }
    QString SalvaFile(QWidget*, const QString& filtri, const QString&) override {
        registro.append({QStringLiteral("salva"), QString(), filtri});
        return Prossima(QStringLiteral("salva")).toString();
    }
    bool ScegliStampante(QWidget*, QPrinter& stampante) override {
        registro.append({QStringLiteral("stampante"), QString(), QString()});
        const bool si = Prossima(QStringLiteral("stampante")).toBool();
        if (si) {
            stampante.setOutputFormat(QPrinter::PdfFormat);
            stampante.setOutputFileName(pdf_);
        }
        return si;
    }

    // The calls of one kind, as "title|text".
    QStringList Di(const QString& tipo) const {
        QStringList l;
        for (const auto& c : registro)
            if (c.tipo == tipo) l << c.titolo + QLatin1Char('|') + c.testo;
        return l;
    }
    void Azzera() {
        registro.clear();
        inattesi.clear();
    }
    bool Esaurite() const { return risposte_.isEmpty(); }

private:
    QVariant Prossima(const QString& cosa) {
        if (risposte_.isEmpty()) {
            inattesi << cosa;
            return {};
        }
        return risposte_.dequeue();
    }
    QQueue<QVariant> risposte_;
    QString pdf_;
};
