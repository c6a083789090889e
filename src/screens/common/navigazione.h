// What a screen may ask of the program: the objects every screen shares and
// the moves between screens. The program implements it; a screen knows only
// this, never another screen nor the program's class, so the screens' folders
// depend on nothing above them.
#pragma once

#include <QString>

#include "catalogoutente.h"

class Dialoghi;
class Documento;
class QWidget;
class Schermo;

namespace rigata {
struct ShotData;
}  // namespace rigata

// The calculators the options screen opens.
enum class TipoCalcolatore { Legno, Ferro, Osso, Uomo, Canna };

class Navigazione {
public:
    // ---- the shared objects ----
    virtual rigata::ShotData& Dati() = 0;
    // What the user typed: the twelve texts, the choices, the unit mode, the data file.
    virtual Documento& Doc() = 0;
    virtual rigata::Catalogo& Cat() = 0;
    virtual Dialoghi& Dlg() = 0;
    // The decimal separator of the user's locale, for every number shown.
    virtual QString Separatore() const = 0;

    // ---- the catalogue's files ----
    // Loads into Cat() the delivered rows, then the user's own.
    virtual rigata::EsitoCaricamento CaricaCatalogo() = 0;
    // Where the next stored bullet goes (the delivered catalogue or the user's own).
    virtual rigata::DestinazionePalla CatalogoPerMemorizzare() = 0;
    // Tells the user, once, where the bullets he stores are kept.
    virtual void AvvisaCatalogoUtente(QWidget* padre) = 0;

    // ---- the moves between screens ----
    virtual void NascondiAvvio() = 0;
    // From the options screen: closes it, shows the trajectory screen with its labels refreshed.
    virtual void MostraTraiettorie() = 0;
    virtual void ApriCalcolatore(TipoCalcolatore tipo) = 0;  // closes the options screen
    // The new-bullet screen built afresh (any open one closed); returns it.
    virtual Schermo* ApriNuovaPalla() = 0;
    // From screen da to the start or the options screen: da is closed (the
    // options, a calculator, the new-bullet screen) or hidden (the start and
    // trajectory screens), then the other one shown.
    virtual void VaiAdAvvio(Schermo* da) = 0;
    virtual void VaiAOpzioni(Schermo* da) = 0;
    // Uses newly stored bullets: closes the new-bullet and start screens and runs start-up again.
    virtual void Riavvia() = 0;
    // The way out: asks whether to save changed data, then ends the program.
    virtual void Esci() = 0;
    // Ends the program at once, nothing asked.
    virtual void Termina() = 0;
    // True while the program ends: a window's close command then runs no action of its screen.
    virtual bool InChiusura() const = 0;

protected:
    ~Navigazione() = default;
};
