// Placeholder until the calculator and new-bullet screens exist.
#include "programma.h"
Schermo* Programma::CreaCalcolatore(TipoCalcolatore) { return nullptr; }
Schermo* Programma::CreaNuovaPalla() { return nullptr; }
