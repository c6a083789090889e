// Base of every screen: a main window that knows the program and decides
// what its own close command does.
#pragma once

#include <QMainWindow>

class Programma;

class Schermo : public QMainWindow {
    Q_OBJECT
public:
    // senzaChiusura: the window offers no close command of its own (the start,
    // options and trajectory screens are left through their buttons and menus).
    Schermo(Programma& programma, bool senzaChiusura);

protected:
    void closeEvent(QCloseEvent* evento) override;
    // The window's own close command on a screen that has one; the screen
    // says what it means (back to the options, back to the start screen).
    virtual void ChiusuraDallaFinestra() {}

    Programma& prog_;

private:
    bool senzaChiusura_;
};
