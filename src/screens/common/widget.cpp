#include "widget.h"

#include <QDate>
#include <QFontDatabase>
#include <QLocale>
#include <QMouseEvent>
#include <QTime>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

#include "numeri.h"
#include "shotdata.h"

void EtichettaCliccabile::mouseReleaseEvent(QMouseEvent* evento) {
    QLabel::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) emit clicked();
}

void OpzioneDoppioClick::mouseDoubleClickEvent(QMouseEvent* evento) {
    QRadioButton::mouseDoubleClickEvent(evento);
    if (evento->button() == Qt::LeftButton) {
        setChecked(true);
        emit doubleClicked();
    }
}

void CasellaCliccabile::mouseReleaseEvent(QMouseEvent* evento) {
    QLineEdit::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton) emit clicked();
}

namespace {

// Accepts every text, once its line breaks are removed; QLineEdit takes the
// changed text and cursor in place of what was typed or pasted.
class SenzaACapo : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& testo, int& cursore) const override {
        for (qsizetype i = testo.size() - 1; i >= 0; --i) {
            const QChar c = testo.at(i);
            if (c == u'\n' || c == u'\r' || c == QChar(0x2028) || c == QChar(0x2029) || c == QChar(0x85)) {
                testo.remove(i, 1);
                if (i < cursore) --cursore;
            }
        }
        return Acceptable;
    }
};

}  // namespace

void UnaRiga(QLineEdit* campo) { campo->setValidator(new SenzaACapo(campo)); }

void CampoNumerico(QWidget* campo) {
    QFont f = campo->font();
    f.setBold(true);
    campo->setFont(f);
    QPalette p = campo->palette();
    p.setColor(QPalette::Text, Qt::red);
    p.setColor(QPalette::WindowText, Qt::red);
    p.setColor(QPalette::ButtonText, Qt::red);
    campo->setPalette(p);
}

QFont FontMonospaziato() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::Monospace);
    return f;
}

int TwipInPixel(const QWidget* w, int twip) { return qRound(twip * w->logicalDpiY() / 1440.0); }

QString TestoOra() {
    // The system's long time format without the time zone.
    QString formato = QLocale::system().timeFormat(QLocale::LongFormat);
    formato.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
    return QLocale::system().toString(QTime::currentTime(), formato.trimmed());
}

QString TestoData() { return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")); }

QStringList TestiDatiInForza(const rigata::ShotData& d, const QString& separatore) {
    const std::string sep = separatore.toStdString();
    return {Qs(rigata::TestoSingolo(d.DiametroInch, sep)), Qs(rigata::TestoSingolo(d.PesoGrain, sep)),
            Qs(rigata::TestoIntero(d.Altitudine)),         Qs(rigata::TestoSingolo(d.Temperatura, sep)),
            Qs(rigata::TestoSingolo(d.VelocitaBocca, sep)), Qs(rigata::FormattaNumero(d.CoeffBalistico, "0.0#0", sep))};
}

FrecceSuGiu::FrecceSuGiu(QWidget* padre) : QWidget(padre) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int direzione : {+1, -1}) {
        auto* freccia = new QToolButton(this);
        freccia->setObjectName(direzione > 0 ? QStringLiteral("su") : QStringLiteral("giu"));
        freccia->setArrowType(direzione > 0 ? Qt::UpArrow : Qt::DownArrow);
        freccia->setAutoRepeat(true);
        freccia->setFixedSize(18, 12);
        connect(freccia, &QToolButton::clicked, this, [this, direzione] { emit passo(direzione); });
        layout->addWidget(freccia);
    }
}
