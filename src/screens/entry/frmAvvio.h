// The start screen: bullet and place typed or picked from the catalogue,
// checked and confirmed; the coefficient from two measured velocities; the
// data files (opened and saved from its File menu).
#pragma once

#include <QString>
#include <QStringList>

#include "schermo.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class CasellaCliccabile;
class EtichettaCliccabile;

namespace rigata {
struct Rifiuto;
}

class frmAvvio : public Schermo {
    Q_OBJECT
public:
    explicit frmAvvio(Programma& programma);

    // Start-up after the screen is shown: load, sort and list the catalogue,
    // select the bullet of RigaPallaDefault.
    void CaricaEdElenca();

    // "<  Uscita" and File > Esci: the way out of the program (Programma::Esci).
    void mnuFileEsci_Click();

private:
    // The steps of the constructor, in the order the widgets are created.
    QLayout* CreaOrologio(QWidget* centro);
    QGroupBox* CreaCampi(QWidget* centro);
    QLayout* CreaDescrizione(QWidget* centro);
    QLayout* CreaCalcoloCB(QWidget* centro);
    QGroupBox* CreaElenco(QWidget* centro);
    QLayout* CreaTabellaCoefficienti(QGroupBox* catalogo);
    QLayout* CreaPulsanti(QWidget* centro);
    void CreaMenu(QWidget* centro);
    void CollegaCampi();
    void MostraDocumento();

    void Form_Load();
    void ControlloInput(const QString& messaggio, const QString& titolo);
    void ControlloInput(const rigata::Rifiuto& rifiuto);
    void cmdConferma_Click();
    void txtCoeffbalistico_Change();
    void Combo1_Click();
    void lblSAE_Click();
    void lblMetrico_Click();
    void cmdConfCBVel_Click();
    void PassoVelocita(int passo);
    void Elenca();
    bool UnitaSAE() const;
    void MostraCalcoloCB(bool calcolo);

    QLineEdit *txtDiametro_, *txtPeso_, *txtAltitudine_, *txtTemperatura_, *txtVelocitabocca_, *txtCoeffbalistico_;
    QComboBox* Combo1_;
    CasellaCliccabile* coeff_[5];  // standard, then the four velocity-dependent coefficients
    QLineEdit* velocita_[4];
    EtichettaCliccabile *lblAggiungi_, *lblSAE_, *lblMetrico_;
    QLineEdit* Text1_;
    QProgressBar* PB1_;
    QGroupBox *fraIstruzioniCB_, *fraCalcolaCB_;
    QLineEdit *txtVelIniz_, *txtVelFin_, *txtTratto_;
    QLabel *lblData_, *lblTime_;
    QLineEdit* ingresso_[6];  // the six entry boxes, in the order of the data line
};
