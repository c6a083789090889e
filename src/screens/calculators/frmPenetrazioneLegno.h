// Penetration of the bullet in force into fir wood, and the cavity it leaves.
#pragma once

#include "schermocalcolatore.h"

class frmPenetrazioneLegno : public SchermoCalcolatore {
    Q_OBJECT
public:
    explicit frmPenetrazioneLegno(Navigazione& programma);

private:
    void cmdCalcolaLegno_Click();

    QLineEdit* txtVelImpatto_;
    QLineEdit* txtPenetrazioneLegno_;
    QLineEdit* txtVolumeLegno_;
};
