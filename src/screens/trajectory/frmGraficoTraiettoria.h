// The window "Grafico della traiettoria": the chart of the table shown on the
// trajectory screen, redrawn whenever a new table is computed, and saved as a
// PNG or SVG picture.
#pragma once

#include <QWidget>

#include "graficotraiettoria.h"

class Dialoghi;

class frmGraficoTraiettoria : public QWidget {
    Q_OBJECT
public:
    frmGraficoTraiettoria(Dialoghi& dialoghi, const QString& separatore, QWidget* padre);
    void Imposta(const DatiGrafico& dati);
    GraficoTraiettoria* Grafico() const { return grafico_; }
    void SalvaImmagine();

private:
    Dialoghi& dialoghi_;
    GraficoTraiettoria* grafico_;
    QString ultimoFile_;
};

// The chart as PNG (twice the pixels of the size, for sharp prints) or SVG
// bytes; the format follows the file name's extension.
QByteArray ImmagineGrafico(const GraficoTraiettoria& grafico, const QSize& dimensione, bool svg);
