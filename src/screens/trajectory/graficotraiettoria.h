// The trajectory chart: one painting routine for the screen, the printed
// report and the saved pictures. For the general table, the point of impact
// against the line of sight with the line of sight, the hunter's band, its
// point-blank range, the zero distance and the highest point (with the point
// mass, the closed form's curve dashed beside it), and under it velocity and
// energy with the distances of the energy thresholds; for the field table,
// the point of impact on the level and on the four slopes. Every curve is computed from the model at one point
// per pixel column at most, never joined from the table's rows.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "cartellino.h"
#include "shotdata.h"
#include "tabella.h"
#include "tabellacalcolata.h"
#include "traiettoria.h"

class QPainter;

// What the chart shows: a computed table (its zeroed record and model), its
// layout and the distances its rows span.
struct DatiGrafico {
    std::shared_ptr<const rigata::TabellaCalcolata> tabella;
    rigata::ShotData dati;  // tabella->Dati()
    rigata::TipoTabella tipo = rigata::TipoTabella::Vari;
    double da = 0, a = 0;  // m, da < a
    rigata::Scelte cartellino;  // the band, the thresholds and the scope unit
    std::optional<rigata::TrattoUtile> tiroUtile;  // for the band
    // Each threshold (J) with the last metre the energy is at or above it.
    std::vector<std::pair<double, int>> soglie;
};

DatiGrafico CreaDatiGrafico(std::shared_ptr<const rigata::TabellaCalcolata> tabella, rigata::TipoTabella tipo,
                            const rigata::Scelte& cartellino = {});

// Where the plots lie, for turning a mouse position into a distance.
struct PosizioneGrafico {
    QRectF piano;  // the plot area of the distances (both panels share it horizontally)
    double da = 0, a = 0;
    std::vector<QRectF> etichette;  // the captions drawn inside the plots
};

// Paints the chart into area (device coordinates) with the given base font.
// separatore: the decimal separator of every number. cursore: a distance
// whose values are shown (mouse hover; with a scope unit the correction too),
// or none.
PosizioneGrafico DisegnaGrafico(QPainter& p, const QRectF& area, const DatiGrafico& g, const QFont& carattere,
                                const QString& separatore, std::optional<double> cursore = std::nullopt);

// The chart as a widget: repaints when the data change, shows the values
// under the mouse.
class GraficoTraiettoria : public QWidget {
    Q_OBJECT
public:
    explicit GraficoTraiettoria(const QString& separatore, QWidget* padre = nullptr);
    void Imposta(const DatiGrafico& dati);
    // The chart drawn into a picture of the given size (for the saved image).
    void Disegna(QPainter& p, const QRectF& area) const;

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void leaveEvent(QEvent* evento) override;

private:
    std::optional<DatiGrafico> dati_;
    QString separatore_;
    PosizioneGrafico posizione_;
    std::optional<double> cursore_;
};
