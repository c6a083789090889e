// The start screen's place for the coefficient from two measured velocities:
// the instructions, or (once the coefficient field is emptied) the frame of
// the initial and residual velocity over a stretch, with its "Conferma".
#pragma once

#include <QWidget>

class QGroupBox;
class QLineEdit;
class Navigazione;

class RiquadroCalcoloCB : public QWidget {
    Q_OBJECT
public:
    RiquadroCalcoloCB(Navigazione& programma, QWidget* padre);

    // The two-velocity frame (true) or the instructions (false).
    void MostraCalcolo(bool calcolo);

signals:
    // The coefficient computed, as the coefficient field writes it.
    void coefficienteCalcolato(const QString& coefficiente);

private:
    void CreaIstruzioni();
    void CreaCalcolo();
    void cmdConfCBVel_Click();

    Navigazione& prog_;
    QGroupBox *fraIstruzioniCB_, *fraCalcolaCB_;
    QLineEdit *txtVelIniz_, *txtVelFin_, *txtTratto_;
};
