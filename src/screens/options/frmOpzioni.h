// The options screen: the shot data in force and the way to each calculation.
#pragma once

#include "schermo.h"

class QLabel;

class frmOpzioni : public Schermo {
    Q_OBJECT
public:
    explicit frmOpzioni(Programma& programma);

private:
    void Form_Load();
    void cmdCalcoloTraiettorie_Click();
    void cmdIndietro_Click();
    void mnuNuovaPalla_Click();
    void mnuEsci_Click();

    QLabel* valori_[6] = {};
};
