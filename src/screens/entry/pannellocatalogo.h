// The catalogue panel of the start screen: headings over the list's columns,
// the unit switch (SAE or metric), the bullet list, the loading notice and
// progress, "Aggiungi palle", and the coefficients of the picked bullet.
#pragma once

#include <QGroupBox>

#include "elenco.h"

class QComboBox;
class QLayout;
class QLineEdit;
class QProgressBar;
class CasellaCliccabile;
class EtichettaCliccabile;
class Navigazione;

class PannelloCatalogo : public QGroupBox {
    Q_OBJECT
public:
    PannelloCatalogo(Navigazione& programma, QWidget* padre);

    // Start-up after the screen is shown: load, sort and list the catalogue,
    // select the bullet of RigaPallaDefault.
    void CaricaEdElenca();

signals:
    // A bullet picked from the list (also the default one at start-up).
    void pallaScelta(const rigata::PallaScelta& palla);
    // A click (or Enter) on one of the picked bullet's coefficients.
    void coefficienteScelto(const QString& coefficiente);

private:
    QLayout* CreaIntestazioni();
    void CreaElenco();
    QLayout* CreaAvanzamento();
    QLayout* CreaTabellaCoefficienti();
    void Elenca();
    void Combo1_Click();
    void CambiaUnita();
    void MostraUnita();

    Navigazione& prog_;
    EtichettaCliccabile* lblUnita_;
    QComboBox* Combo1_;
    QLineEdit* Text1_;
    QProgressBar* PB1_;
    EtichettaCliccabile* lblAggiungi_;
    CasellaCliccabile* coeff_[5];  // standard, then the four velocity-dependent coefficients
    QLineEdit* velocita_[4];
};
