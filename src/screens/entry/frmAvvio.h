// The start screen: bullet and place typed or picked from the catalogue,
// checked and confirmed; the coefficient from two measured velocities; the
// data files (opened and saved from its File menu).
#pragma once

#include "campi.h"
#include "schermo.h"

class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class PannelloCatalogo;
class RiquadroCalcoloCB;

namespace rigata {
struct PallaScelta;
}

class frmAvvio : public Schermo {
    Q_OBJECT
public:
    explicit frmAvvio(Navigazione& programma);

    // Start-up after the screen is shown: load, sort and list the catalogue,
    // select the bullet of RigaPallaDefault.
    void CaricaEdElenca();

    // "<  Uscita" and File > Esci: the way out of the program (Navigazione::Esci).
    void mnuFileEsci_Click();

private:
    // The steps of the constructor, in the order the widgets are created.
    QLayout* CreaOrologio(QWidget* centro);
    QGroupBox* CreaCampi(QWidget* centro);
    QLayout* CreaFrecce(QWidget* ingresso);
    QLayout* CreaDescrizione(QWidget* centro);
    QLayout* CreaPulsanti(QWidget* centro);
    void CreaMenu();
    void CollegaCampi();

    void Form_Load();
    void MostraDocumento();
    void MostraPalla(const rigata::PallaScelta& palla);
    void cmdConferma_Click();
    void CoefficienteCalcolato(const QString& coefficiente);
    void PassoVelocita(int passo);

    QLineEdit* ingresso_[rigata::kCampiIngresso];  // the entry boxes, in the order of the data line
    QLineEdit *txtAltitudine_, *txtTemperatura_, *txtVelocitabocca_, *txtCoeffbalistico_;
    RiquadroCalcoloCB* calcoloCB_;
    PannelloCatalogo* catalogo_;
    QLabel *lblData_, *lblTime_;
};
