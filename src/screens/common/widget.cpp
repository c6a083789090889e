#include "widget.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QDate>
#include <QFontDatabase>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTime>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

#include "controlli.h"
#include "dialoghi.h"
#include "file.h"
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

namespace {
bool TastoDellAzione(const QKeyEvent* evento) {
    return evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter || evento->key() == Qt::Key_Space;
}
}  // namespace

void OpzioneDoppioClick::keyPressEvent(QKeyEvent* evento) {
    if (!TastoDellAzione(evento) || evento->modifiers() & ~Qt::KeypadModifier) return QRadioButton::keyPressEvent(evento);
    evento->accept();
    if (evento->isAutoRepeat()) return;
    setChecked(true);
    emit doubleClicked();
}

// The button never went down on the key press, so its release clicks nothing.
void OpzioneDoppioClick::keyReleaseEvent(QKeyEvent* evento) {
    if (TastoDellAzione(evento) && !(evento->modifiers() & ~Qt::KeypadModifier)) return evento->accept();
    QRadioButton::keyReleaseEvent(evento);
}

void EtichettaCliccabile::keyPressEvent(QKeyEvent* evento) {
    if (!TastoDellAzione(evento) || evento->modifiers() & ~Qt::KeypadModifier) return QLabel::keyPressEvent(evento);
    evento->accept();
    if (!evento->isAutoRepeat()) emit clicked();
}

void EtichettaCliccabile::paintEvent(QPaintEvent* evento) {
    QLabel::paintEvent(evento);
    if (!hasFocus()) return;
    QStylePainter pittore(this);
    QStyleOptionFocusRect opzione;
    opzione.initFrom(this);
    pittore.drawPrimitive(QStyle::PE_FrameFocusRect, opzione);
}

void ListaSceltaDeliberata::wheelEvent(QWheelEvent* evento) {
    if (hasFocus()) return QComboBox::wheelEvent(evento);
    evento->ignore();  // the window under it scrolls, the pick stays
}

void FrecceDaTastiera(QLineEdit* casella, std::function<void(int)> passo) {
    // Filters the box's keys; a child of the box, so it goes with it.
    class Filtro : public QObject {
    public:
        Filtro(QObject* padre, std::function<void(int)> p) : QObject(padre), passo_(std::move(p)) {}
        bool eventFilter(QObject*, QEvent* evento) override {
            if (evento->type() != QEvent::KeyPress) return false;
            const auto* tasto = static_cast<QKeyEvent*>(evento);
            if (tasto->modifiers() & ~Qt::KeypadModifier) return false;
            switch (tasto->key()) {
                case Qt::Key_Up: passo_(+1); return true;
                case Qt::Key_Down: passo_(-1); return true;
                case Qt::Key_PageUp: passo_(+10); return true;
                case Qt::Key_PageDown: passo_(-10); return true;
                default: return false;
            }
        }
    private:
        std::function<void(int)> passo_;
    };
    casella->installEventFilter(new Filtro(casella, std::move(passo)));
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
    // Red only while the field can be edited: a disabled one keeps the
    // style's grey, as every disabled control.
    QPalette p = campo->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole r : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) p.setColor(g, r, Qt::red);
    campo->setPalette(p);
}

void AbilitaConEtichetta(QWidget* controllo, bool abilitato) {
    controllo->setEnabled(abilitato);
    if (QWidget* padre = controllo->parentWidget())
        for (QLabel* etichetta : padre->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (etichetta->buddy() == controllo) etichetta->setEnabled(abilitato);
}

void InvioPreme(QAbstractButton* pulsante, std::initializer_list<QWidget*> campi) {
    for (QWidget* campo : campi) {
        auto* casella = qobject_cast<QLineEdit*>(campo);
        if (auto* lista = qobject_cast<QComboBox*>(campo)) casella = lista->lineEdit();
        if (casella) QObject::connect(casella, &QLineEdit::returnPressed, pulsante, &QAbstractButton::click);
    }
}

void PulsantiConInvio(QWidget* finestra) {
    for (QPushButton* pulsante : finestra->findChildren<QPushButton*>()) pulsante->setAutoDefault(true);
}

QFont FontMonospaziato() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::Monospace);
    return f;
}

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
        freccia->setFocusPolicy(Qt::NoFocus);
        connect(freccia, &QToolButton::clicked, this, [this, direzione] { emit passo(direzione); });
        layout->addWidget(freccia);
    }
}

QString FileDaEsportare(Dialoghi& dialoghi, QWidget* finestra, const QString& filtri, QString& ultimo,
                        const QString& proposta, const QStringList& estensioni) {
    QString percorso = dialoghi.SalvaFile(finestra, filtri, ultimo.isEmpty() ? proposta : ultimo);
    if (percorso.isEmpty()) return percorso;
    // An export keeps its kind in its name.
    const auto conEstensione = [&](const QString& e) { return percorso.endsWith(e, Qt::CaseInsensitive); };
    if (std::none_of(estensioni.begin(), estensioni.end(), conEstensione)) percorso += estensioni.value(0);
    return ultimo = percorso;
}

void SalvaEsportazione(Dialoghi& dialoghi, QWidget* finestra, const QString& percorso, const QByteArray& byte) {
    const std::string_view testo(byte.constData(), static_cast<size_t>(byte.size()));
    if (const auto errore = rigata::ScriviFileSicuro(Std(percorso), testo))
        dialoghi.Avviso(finestra, QStringLiteral("SALVATAGGIO NON RIUSCITO!!"), Qs(*errore));
}
