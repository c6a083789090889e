// The choices of the trajectory screen beyond the request, in two parts: the
// trajectory model and the inputs only the point mass reads (station
// pressure, humidity, wind direction, the bullet's velocity pairs), under the
// two layouts; the hunter's band, energy thresholds, scope unit and click in
// the frame "Cartellino" beside the table. It shows the document's choices
// and pushes every edit that reads as a valid value into the document; the
// typed values are checked, with a message naming the box, when a table is
// computed.
#pragma once

#include <QObject>

#include <optional>

#include "controlli.h"
#include "rigaopzioni.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class Documento;

class PannelloModello : public QObject {
    Q_OBJECT
public:
    // The model's controls in griglia of padre from row riga on; the card's
    // in a frame of padreCartellino (Cartellino()).
    PannelloModello(Documento& documento, QWidget* padre, QGridLayout* griglia, int riga, QWidget* padreCartellino);
    QGroupBox* Cartellino() const { return fraCartellino_; }

    // The choices as typed: the first box whose text is refused (the model's
    // boxes only with the point mass), or the choices stored into the
    // document and returned in o.
    std::optional<rigata::Rifiuto> Leggi(rigata::OpzioniFile& o);

    // The boxes whose Enter computes the table (line edits and editable lists).
    QList<QWidget*> Caselle() const;

    // The document's choices into the boxes (a data file opened).
    void Mostra();

private:
    void CreaModello(QWidget* padre, QGridLayout* griglia, int riga);
    void CreaCartellino(QWidget* padre);
    void Collega();
    void AbilitaModello();
    void MostraClick();
    // The boxes read leniently: a box that does not read as a valid value
    // keeps the document's value. The document then takes them.
    void Aggiorna();

    Documento& doc_;
    bool mostrando_ = false;  // filling the boxes: their signals change nothing
    QComboBox *cboModello_, *cboBanda_, *cboUnita_, *cboClick_;
    QLineEdit *txtPressione_, *txtUmidita_, *txtAngoloVento_, *txtSoglie_;
    QCheckBox* chkCoppie_;
    QGroupBox* fraCartellino_;
};
