// Penetration of the bullet in force into human muscle, and the velocity it
// needs to pierce the skin.
#pragma once

#include "schermocalcolatore.h"

class frmPenetrazioneUomo : public SchermoCalcolatore {
    Q_OBJECT
public:
    explicit frmPenetrazioneUomo(Navigazione& programma);

private:
    void cmdCalcolaUomo_Click();

    QLineEdit* txtVelImpattoUomo_;
    QLineEdit* txtPenetrazioneUomo_;
    QLineEdit* txtVelocitaLimiteCute_;
};
