// The two small windows of the hunting day, opened from the trajectory
// screen: the powder's sensitivity from two chronograph readings at two
// temperatures, and the truing of the muzzle velocity from the impact seen
// at a known distance. Both are window-modal and leave the figures to the
// core (CalcolaSensibilitaDaTesti, CalibraDaTesti); a refusal is told through
// the program's dialogs.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <variant>

#include "calibrazione.h"

class Dialoghi;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// "Sensibilità della polvere": two readings (temperature, velocity); Calcola
// shows the sensitivity, Usa hands it to the screen and closes.
class FinestraSensibilita : public QDialog {
    Q_OBJECT
public:
    FinestraSensibilita(QWidget* padre, Dialoghi& dialoghi, const QString& separatore);

signals:
    // The sensitivity as the choice's box takes it ("1.13").
    void usa(const QString& sensibilita);

private:
    void Calcola();

    Dialoghi& dialoghi_;
    QString separatore_;
    QLineEdit* letture_[4];  // first temperature and velocity, then the second
    QLabel* lblRisultato_;
    QPushButton* cmdUsa_;
    QString calcolata_;
};

// "Calibra velocità": the distance and the impact seen there; Calcola shows
// the velocity that gives it, Usa puts it in use (the screen's table follows
// at once), Chiudi keeps it, Annulla (or Esc) brings back the velocity in use
// when the window opened.
class FinestraCalibra : public QDialog {
    Q_OBJECT
public:
    using Calcolo = std::function<std::variant<rigata::Calibrazione, rigata::Rifiuto>(const QString& distanza,
                                                                                        const QString& scartoCm)>;
    FinestraCalibra(QWidget* padre, Dialoghi& dialoghi, const QString& separatore, Calcolo calcolo);

    void reject() override;

signals:
    // The velocity to use, as the velocity's field takes it ("930.4").
    void usa(const QString& velocita);
    // Annulla after Usa: the velocity before it comes back.
    void annulla();

private:
    void Calcola();

    Dialoghi& dialoghi_;
    QString separatore_;
    Calcolo calcolo_;
    QLineEdit *txtDistanza_, *txtScarto_;
    QLabel* lblRisultato_;
    QPushButton* cmdUsa_;
    QString calcolata_;
    bool usata_ = false;
};
