// Penetration of the bullet in force into bone, with a coefficient for the
// bullet's construction picked from a list or typed.
#pragma once

#include "schermocalcolatore.h"

class QComboBox;

class frmPenetrazioneOsso : public SchermoCalcolatore {
    Q_OBJECT
public:
    explicit frmPenetrazioneOsso(Navigazione& programma);

private:
    void Form_Load();
    void cmdCalcolaOsso_Click();

    QComboBox* cBoCoeffPallaOsso_;
    QLineEdit* txtVelImpatto_;
    QLineEdit* txtPenetrazioneOsso_;
};
