// Penetration of the bullet in force into iron, from its energy and diameter.
#pragma once

#include "schermocalcolatore.h"

class frmPenetrazioneFerro : public SchermoCalcolatore {
    Q_OBJECT
public:
    explicit frmPenetrazioneFerro(Navigazione& programma);

private:
    void cmdCalcolaFerro_Click();

    QLineEdit* txtVelImpatto_;
    QLineEdit* txtPenetrazioneFerro_;
};
