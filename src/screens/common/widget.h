// Small controls and helpers shared by the screens.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <QStringList>

#include <string>

#include <utility>

// A label that reacts to a click.
class EtichettaCliccabile : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
};

// An option item whose action is the double click; a single click only selects it.
class OpzioneDoppioClick : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;
signals:
    void doubleClicked();
protected:
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
};

// A text box that reports a click (the coefficient boxes of the start screen).
class CasellaCliccabile : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
};

// Creates a child with the given objectName.
template <class T, class... A>
T* Crea(QWidget* padre, const char* nome, A&&... argomenti) {
    T* w = new T(std::forward<A>(argomenti)..., padre);
    w->setObjectName(QString::fromLatin1(nome));
    return w;
}

// A one-line field: line breaks pasted, dropped or set into it are removed
// (a value spread over lines would break the data line of the data files).
void UnaRiga(QLineEdit* campo);

// Number fields show bold red text.
void CampoNumerico(QWidget* campo);

// The fixed-pitch font of the catalogue list.
QFont FontMonospaziato();

// A length in twips (1/1440 inch) in pixels of the widget's screen.
int TwipInPixel(const QWidget* w, int twip);

// The clock texts: the time in the system's format, the date as dd.MM.yyyy.
QString TestoOra();
QString TestoData();

namespace rigata {
struct ShotData;
}

// The six values in force (diameter, weight, altitude, temperature, muzzle
// velocity, coefficient) as the options and trajectory screens show them.
QStringList TestiDatiInForza(const rigata::ShotData& dati, const QString& separatore);

// Qt text <-> the core's UTF-8 strings.
inline std::string Std(const QString& s) { return s.toStdString(); }
inline QString Qs(const std::string& s) { return QString::fromStdString(s); }

// An up-down spinner: two small arrow buttons; each press reports +1 or -1.
class FrecceSuGiu : public QWidget {
    Q_OBJECT
public:
    explicit FrecceSuGiu(QWidget* padre = nullptr);
signals:
    void passo(int direzione);
};
