// Base of every screen: a main window that knows the program through its
// navigation interface (Navigazione) and decides what its own close command
// does.
#pragma once

#include <QKeySequence>
#include <QMainWindow>

#include <functional>
#include <vector>

class Navigazione;
class QLabel;
class QMenu;

class Schermo : public QMainWindow {
    Q_OBJECT
public:
    // senzaChiusura: the window offers no close command of its own (the start,
    // options and trajectory screens are left through their buttons and menus).
    Schermo(Navigazione& programma, bool senzaChiusura);

protected:
    // One entry of a menu: its name (objectName of the action), its caption
    // (an ampersand marks the access key), what it does and the platform's
    // standard shortcut beside the access key (shown in the menu), if any.
    struct VoceMenu {
        const char* nome;
        QString testo;
        std::function<void()> azione;
        QKeySequence::StandardKey scorciatoia = QKeySequence::UnknownKey;
    };
    // The window's menu, named "mnuFile", with its entries in order.
    QMenu* MenuFile(const QString& titolo, const std::vector<VoceMenu>& voci);

    // The clock: the time in the system's format, refreshed every second by
    // the timer "Timer1" when it changes, and today's date (set once).
    void AvviaOrologio(QLabel* ora, QLabel* data);

    void closeEvent(QCloseEvent* evento) override;
    // The window's own close command on a screen that has one; the screen
    // says what it means (back to the options, back to the start screen).
    virtual void ChiusuraDallaFinestra() {}

    Navigazione& prog_;

private:
    bool senzaChiusura_;
};
