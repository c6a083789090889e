// The options screen: the shot data in force and the way to each calculation.
#pragma once

#include "schermo.h"

class PannelloDatiInForza;

class frmOpzioni : public Schermo {
    Q_OBJECT
public:
    explicit frmOpzioni(Navigazione& programma);

private:
    // The steps of the constructor, in the order the widgets are created.
    QWidget* CreaDatiInForza(QWidget* centro);
    QWidget* CreaOpzioni(QWidget* centro);
    QWidget* CreaPulsanti(QWidget* centro);

    void Form_Load();
    void cmdCalcoloTraiettorie_Click();
    void cmdIndietro_Click();
    void mnuNuovaPalla_Click();
    void mnuEsci_Click();

    PannelloDatiInForza* datiInForza_ = nullptr;
};
