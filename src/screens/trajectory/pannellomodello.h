// The choices of the trajectory screen beyond the request, in two parts: the
// trajectory model and the inputs only the point mass reads (station
// pressure, humidity, wind direction, the bullet's velocity pairs), under the
// two layouts; the hunter's band, energy thresholds, scope unit and click in
// the frame "Cartellino" beside the table, and under it the hunting day's
// (slope, powder temperature, running game) in "Giornata di caccia". The boxes only show the
// document's choices and hand every edit, as typed, to the document, which
// reads it with the choice's own reader; a box whose text is refused is
// marked, with the refusal as its tooltip.
#pragma once

#include <QObject>
#include <QString>

#include <vector>

#include "scelte.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class Documento;

class PannelloModello : public QObject {
    Q_OBJECT
public:
    // The model's controls in griglia of padre from row riga on; the card's
    // in a frame of padreCartellino (Cartellino()).
    PannelloModello(Documento& documento, QWidget* padre, QGridLayout* griglia, int riga, QWidget* padreCartellino);
    QGroupBox* Cartellino() const { return fraCartellino_; }
    // The hunting day's choices and buttons, in their own frame.
    QGroupBox* Giornata() const { return fraGiornata_; }

    // The boxes whose Enter computes the table (line edits and editable lists).
    QList<QWidget*> Caselle() const;
    // The control of a choice (to put the focus on a refused one).
    QWidget* Controllo(rigata::Scelta scelta) const;

    // The document's choices into the boxes (a data file opened).
    void Mostra();

signals:
    // The buttons of the sensitivity's calculator and of the truing.
    void sensibilitaRichiesta();
    void calibraRichiesta();

private:
    void CreaModello(QWidget* padre, QGridLayout* griglia, int riga);
    void CreaCartellino(QWidget* padre);
    void CreaGiornata(QWidget* padre);
    // A choice's text box and its caption.
    struct CasellaScelta {
        rigata::Scelta scelta;
        const char* nome;
        int caratteri;  // the box as wide as this many digits
        const char *nomeEtichetta, *etichetta, *aiuto;
    };
    QLineEdit* Casella(QGridLayout* griglia, const CasellaScelta& c, int riga, int colonna);
    void Collega();
    void Abilita();
    void MostraClick();
    // An edit of the user, handed to the document; the box marked when refused.
    void Imposta(rigata::Scelta scelta, const QString& testo);
    void Segna(rigata::Scelta scelta, const QString& rifiuto);

    Documento& doc_;
    bool mostrando_ = false;  // filling the boxes: their signals change nothing
    QComboBox *cboModello_, *cboBanda_, *cboUnita_, *cboClick_, *cboVersoPendii_;
    QCheckBox* chkCoppie_;
    QPushButton *cmdSensibilita_, *cmdCalibra_;
    QGroupBox *fraCartellino_, *fraGiornata_;
    std::vector<std::pair<rigata::Scelta, QLineEdit*>> caselle_;  // the choices typed as text
    struct Voce {
        rigata::Scelta scelta;
        QWidget* controllo;
        QString aiuto;  // its own tooltip, back when the text is taken
    };
    std::vector<Voce> voci_;
};
