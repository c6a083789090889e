// The new-bullet screen: one bullet typed, checked and appended to the
// catalogue file; it reopens fresh after each stored bullet, and offers to
// restart the program so that the new bullets reach the start screen's list.
#pragma once

#include <array>
#include <string>

#include "schermo.h"

class QComboBox;
class QGroupBox;
class QLayout;
class QVBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rigata {
struct DatiNuovaPalla;
}

class frmInputNuovaPalla : public Schermo {
    Q_OBJECT
public:
    explicit frmInputNuovaPalla(Navigazione& programma);

protected:
    // The window's close command goes back to the start screen, which this
    // screen hid: without it no window would be left on the screen.
    void ChiusuraDallaFinestra() override { cmdIndietro_Click(); }

private:
    // The steps of the constructor, in the order the widgets are created.
    void CreaTitolo(QWidget* centro, QVBoxLayout* principale);
    QLayout* CreaCampi(QWidget* centro);
    QGroupBox* CreaCoppie(QWidget* centro);
    QLayout* CreaPulsanti(QWidget* centro);
    void CollegaRegole();

    void Form_Load();
    void ControlloInput(const QString& messaggio, const QString& titolo);
    void ControlloDatiSpeciali();
    void cmdMemorizza_Click();
    void cmdAnnulla_Click();
    void cmdIndietro_Click();
    void cmdUtilizza_Click();
    rigata::DatiNuovaPalla DatiImpostati() const;

    QComboBox* cBoMarca_;
    QLineEdit *txtInpDiametro_, *txtInpPeso_, *txtImpTipoPalla_, *txtInpCBStd_;
    QGroupBox* fraDatiPallaExtra_;
    std::array<QLineEdit*, 4> txtInpCB_, txtInpVelocita_;
    QPlainTextEdit* txtDatiPalle_;
    QPushButton* cmdUtilizza_;
};
