// The frame "Dati inseriti ..." of the options and trajectory screens: six
// captions, each beside the bold value in force (diameter, weight, altitude,
// temperature, muzzle velocity, coefficient). Each screen names its controls
// and words its captions.
#pragma once

#include <QGroupBox>
#include <QString>

class QGridLayout;
class QLabel;

namespace rigata {
struct ShotData;
}

class PannelloDatiInForza : public QGroupBox {
    Q_OBJECT
public:
    struct Voce {
        const char* nomeTitolo;  // objectName of the caption
        QString titolo;
        const char* nomeValore;  // objectName of the value
    };
    // larghezzaValori: the least width of a value, pixels.
    PannelloDatiInForza(QWidget* padre, const char* nome, const Voce (&voci)[6], int larghezzaValori);

    void Mostra(const rigata::ShotData& dati, const QString& separatore);
    QGridLayout* Griglia() const { return griglia_; }

private:
    QGridLayout* griglia_;
    QLabel* valori_[6];
};
