// Small controls and helpers shared by the screens.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <string>

#include <utility>

// A label that reacts to a click. It takes the keyboard focus too (drawn as a
// dotted frame), and Enter or Space on it is its click.
class EtichettaCliccabile : public QLabel {
    Q_OBJECT
public:
    explicit EtichettaCliccabile(QWidget* padre = nullptr) : EtichettaCliccabile(QString(), padre) {}
    explicit EtichettaCliccabile(const QString& testo, QWidget* padre = nullptr) : QLabel(testo, padre) {
        setFocusPolicy(Qt::StrongFocus);
    }
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
};

// An option item whose action is the double click; a single click only selects
// it. From the keyboard, Enter or Space on the focused item is its double click.
class OpzioneDoppioClick : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;
signals:
    void doubleClicked();
protected:
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void keyReleaseEvent(QKeyEvent* evento) override;
};

// A text box that reports a click (the coefficient boxes of the start
// screen); Enter in it is its click.
class CasellaCliccabile : public QLineEdit {
    Q_OBJECT
public:
    explicit CasellaCliccabile(QWidget* padre = nullptr) : QLineEdit(padre) {
        connect(this, &QLineEdit::returnPressed, this, &CasellaCliccabile::clicked);
    }
signals:
    void clicked();
protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
};

// A drop-down list whose pick changes only by a deliberate choice: the wheel
// turns it only while it has the keyboard focus, and the wheel never gives
// it the focus.
class ListaSceltaDeliberata : public QComboBox {
    Q_OBJECT
public:
    explicit ListaSceltaDeliberata(QWidget* padre = nullptr) : QComboBox(padre) { setFocusPolicy(Qt::StrongFocus); }
protected:
    void wheelEvent(QWheelEvent* evento) override;
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

// Number fields show bold red text (grey when disabled).
void CampoNumerico(QWidget* campo);

// Enables or disables a control together with the labels that name it
// (their buddy), so a disabled box never keeps a caption that looks usable.
void AbilitaConEtichetta(QWidget* controllo, bool abilitato);

class QAbstractButton;
// Enter in any of the fields (text boxes, or editable drop-down lists) does
// what a click on the screen's main button does.
void InvioPreme(QAbstractButton* pulsante, std::initializer_list<QWidget*> campi);

// Enter on a focused button of the window clicks it, as in a dialog.
void PulsantiConInvio(QWidget* finestra);

class Dialoghi;

// The file chosen in the save dialog for an export: ultimo (the previous
// choice, or the proposed name when empty) is offered, a name without one of
// the extensions gets the first, and the choice is remembered in ultimo. Empty
// when cancelled.
QString FileDaEsportare(Dialoghi& dialoghi, QWidget* finestra, const QString& filtri, QString& ultimo,
                        const QString& proposta, const QStringList& estensioni);
// Writes the bytes through the safe write; a failure is shown with its reason.
void SalvaEsportazione(Dialoghi& dialoghi, QWidget* finestra, const QString& percorso, const QByteArray& byte);

// The fixed-pitch font of the catalogue list.
QFont FontMonospaziato();

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

// Up and Down in the box report +1 and -1, Page Up and Page Down +10 and -10
// (the keyboard's way to step a number that spinners step with the mouse).
void FrecceDaTastiera(QLineEdit* casella, std::function<void(int)> passo);

// An up-down spinner: two small arrow buttons; each press reports +1 or -1.
// The arrows stay out of the tab order: the keyboard steps the box itself.
class FrecceSuGiu : public QWidget {
    Q_OBJECT
public:
    explicit FrecceSuGiu(QWidget* padre = nullptr);
signals:
    void passo(int direzione);
};
