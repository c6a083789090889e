// The velocity of the bullet from a barrel of another length, from the
// velocity measured in a known barrel.
#pragma once

#include "schermocalcolatore.h"

class frmVarVelCanna : public SchermoCalcolatore {
    Q_OBJECT
public:
    explicit frmVarVelCanna(Navigazione& programma);

private:
    void cmdCalcolaOsso_Click();

    QLineEdit* txtVelCannaNota_;
    QLineEdit* txtPercorsoCannaNota_;
    QLineEdit* txtPesoPolvere_;
    QLineEdit* txtPercorsoCannaDiversa_;
    QLineEdit* txtVelocitaNuovaCanna_;
};
