// The screens Programma builds afresh at every opening: the five calculators
// and the new-bullet screen.
#include "frmInputNuovaPalla.h"
#include "frmPenetrazioneFerro.h"
#include "frmPenetrazioneLegno.h"
#include "frmPenetrazioneOsso.h"
#include "frmPenetrazioneUomo.h"
#include "frmVarVelCanna.h"
#include "programma.h"

Schermo* Programma::CreaCalcolatore(TipoCalcolatore tipo) {
    switch (tipo) {
        case TipoCalcolatore::Legno: return new frmPenetrazioneLegno(*this);
        case TipoCalcolatore::Ferro: return new frmPenetrazioneFerro(*this);
        case TipoCalcolatore::Osso: return new frmPenetrazioneOsso(*this);
        case TipoCalcolatore::Uomo: return new frmPenetrazioneUomo(*this);
        case TipoCalcolatore::Canna: return new frmVarVelCanna(*this);
    }
    return nullptr;
}

Schermo* Programma::CreaNuovaPalla() { return new frmInputNuovaPalla(*this); }
