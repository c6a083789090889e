// Common ground of the five calculator screens: the File menu with its three
// moves, the window's own close command, and the way a calculation's texts
// and refusal reach the screen.
#pragma once

#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "controlli.h"
#include "schermo.h"
#include "widget.h"

class QGridLayout;
class QGroupBox;
class QLineEdit;
class QVBoxLayout;
class QWidget;

class SchermoCalcolatore : public Schermo {
    Q_OBJECT
protected:
    enum class Mossa { Opzioni, NuovaPalla, Esci };
    // One entry of the File menu: its name, its caption (with the access-key
    // ampersand where it has one) and what it does. Each screen lists its own
    // names, captions and order.
    struct VoceCalcolatore {
        const char* nome;
        const char* testo;
        Mossa mossa;
    };

    // Builds the window's body: the inputs on top, then (as the screen adds
    // them) the Calcola button and the results frame.
    SchermoCalcolatore(Navigazione& programma, const char* nome, const QString& titolo);

    void CreaMenu(std::initializer_list<VoceCalcolatore> voci);

    // The input area: a caption and its box on one row, or one widget across the row.
    void Ingresso(QWidget* didascalia, QWidget* casella);
    void IngressoIntero(QWidget* widget);
    // A caption and a number box (bold red) with its text at creation.
    QLineEdit* IngressoNumerico(const char* nomeDidascalia, const QString& didascalia, const char* nome,
                                const QString& testo);
    // The Calcola button under the inputs; a click runs `azione`.
    void PulsanteCalcola(const char* nome, std::function<void()> azione);
    // The frame "Risultati" under the button, and a caption with its result
    // box (an ordinary text box, empty at creation) as a row in it.
    void CorniceRisultati(const char* nome);
    QLineEdit* Risultato(const char* nomeDidascalia, const QString& didascalia, const char* nome);

    // The window's close command does what the Opzioni entry does, so the
    // program is never left running with no window shown.
    void ChiusuraDallaFinestra() override;

    // Number boxes hold a few digits; wide enough for "-12345.67" in bold.
    static constexpr int kLarghezzaCasella = 90;

    // Shows the refusal of a calculation, if any, once its texts are in the boxes.
    void Avvisa(const std::optional<rigata::Rifiuto>& rifiuto);
    // The decimal separator results are written with.
    std::string Separatore() const;

private:
    static void Riga(QGridLayout* griglia, QWidget* didascalia, QWidget* casella);

    void mnuOpzioni_Click();
    void mnuNuovaPalla_Click();
    void mnuEsci_Click();

    QVBoxLayout* corpo_ = nullptr;
    QGridLayout* ingressi_ = nullptr;
    QGroupBox* cornice_ = nullptr;
    QGridLayout* risultati_ = nullptr;
};
