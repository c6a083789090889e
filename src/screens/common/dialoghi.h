// The one way the screens ask the user something outside their own window:
// message boxes, file dialogs, the printer dialog and a number. The program uses the Qt
// dialogs; tests install a scripted implementation that answers as told.
#pragma once

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

class Dialoghi {
public:
    virtual ~Dialoghi() = default;

    // A warning box with an OK button.
    virtual void Avviso(QWidget* padre, const QString& titolo, const QString& testo) = 0;
    // A question box with Yes and No; true for Yes.
    virtual bool Domanda(QWidget* padre, const QString& titolo, const QString& testo) = 0;
    // File dialogs; the filter list is written "Name|*.ext|Name|*.ext|". Empty when cancelled.
    virtual QString ApriFile(QWidget* padre, const QString& filtri, const QString& proposta) = 0;
    virtual QString SalvaFile(QWidget* padre, const QString& filtri, const QString& proposta) = 0;
    // The printer dialog; false when cancelled. On true the printer is set up to print.
    virtual bool ScegliStampante(QWidget* padre, QPrinter& stampante) = 0;
    // A whole number between minimo and massimo, valore proposed; empty when cancelled.
    virtual std::optional<int> Intero(QWidget* padre, const QString& titolo, const QString& testo, int valore,
                                      int minimo, int massimo) = 0;
};

// The real dialogs.
class DialoghiQt : public Dialoghi {
public:
    void Avviso(QWidget* padre, const QString& titolo, const QString& testo) override;
    bool Domanda(QWidget* padre, const QString& titolo, const QString& testo) override;
    QString ApriFile(QWidget* padre, const QString& filtri, const QString& proposta) override;
    QString SalvaFile(QWidget* padre, const QString& filtri, const QString& proposta) override;
    bool ScegliStampante(QWidget* padre, QPrinter& stampante) override;
    std::optional<int> Intero(QWidget* padre, const QString& titolo, const QString& testo, int valore, int minimo,
                              int massimo) override;
};

// "File dati|*.dat|Tutti i file|*.*|" as a Qt filter list:
// "File dati (*.dat);;Tutti i file (*)".
QString FiltroQt(const QString& filtri);
