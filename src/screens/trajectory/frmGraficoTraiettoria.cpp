#include "frmGraficoTraiettoria.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include "dialoghi.h"
#include "file.h"
#include "widget.h"

frmGraficoTraiettoria::frmGraficoTraiettoria(Dialoghi& dialoghi, const QString& separatore, QWidget* padre)
    : QWidget(padre, Qt::Window), dialoghi_(dialoghi) {
    setObjectName(QStringLiteral("frmGraficoTraiettoria"));
    setWindowTitle(QStringLiteral("Grafico della traiettoria"));
    auto* colonna = new QVBoxLayout(this);
    grafico_ = new GraficoTraiettoria(separatore, this);
    colonna->addWidget(grafico_, 1);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    auto* salva = Crea<QPushButton>(this, "cmdSalvaImmagine", QStringLiteral("&Salva immagine..."));
    auto* chiudi = Crea<QPushButton>(this, "cmdChiudi", QStringLiteral("&Chiudi"));
    pulsanti->addWidget(salva);
    pulsanti->addWidget(chiudi);
    colonna->addLayout(pulsanti);
    connect(salva, &QPushButton::clicked, this, &frmGraficoTraiettoria::SalvaImmagine);
    connect(chiudi, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    resize(900, 640);
}

void frmGraficoTraiettoria::Imposta(const DatiGrafico& dati) { grafico_->Imposta(dati); }

QByteArray ImmagineGrafico(const GraficoTraiettoria& grafico, const QSize& dimensione, bool svg) {
    QByteArray byte;
    QBuffer buffer(&byte);
    buffer.open(QIODevice::WriteOnly);
    const QRectF area(QPointF(8, 8), QSizeF(dimensione) - QSizeF(16, 16));
    if (svg) {
        QSvgGenerator generatore;
        generatore.setOutputDevice(&buffer);
        generatore.setSize(dimensione);
        generatore.setViewBox(QRect(QPoint(0, 0), dimensione));
        generatore.setResolution(96);
        generatore.setTitle(QStringLiteral("Grafico della traiettoria"));
        QPainter p(&generatore);
        p.fillRect(QRect(QPoint(0, 0), dimensione), Qt::white);
        grafico.Disegna(p, area);
    } else {
        QImage immagine(dimensione * 2, QImage::Format_RGB32);
        immagine.setDevicePixelRatio(2);
        immagine.fill(Qt::white);
        {
            QPainter p(&immagine);
            grafico.Disegna(p, area);
        }
        if (!immagine.save(&buffer, "PNG")) return {};
    }
    return byte;
}

void frmGraficoTraiettoria::SalvaImmagine() {
    // The format is the extension's; a name without one becomes a PNG picture.
    const QString percorso = FileDaEsportare(dialoghi_, this, QStringLiteral("Immagine PNG|*.png|Disegno SVG|*.svg|"),
                                             ultimoFile_, QStringLiteral("traiettoria.png"),
                                             {QStringLiteral(".png"), QStringLiteral(".svg")});
    if (percorso.isEmpty()) return;
    const bool svg = percorso.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    const QByteArray byte = ImmagineGrafico(*grafico_, grafico_->size(), svg);
    if (byte.isEmpty())
        return dialoghi_.Avviso(this, QStringLiteral("SALVATAGGIO NON RIUSCITO!!"),
                                QStringLiteral("L'immagine non si è potuta comporre; il file \"%1\" non è stato "
                                               "scritto. Riprovare.").arg(percorso));
    SalvaEsportazione(dialoghi_, this, percorso, byte);
}
