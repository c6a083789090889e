// Placeholder until the new-bullet screen exists.
#include "programma.h"
Schermo* Programma::CreaNuovaPalla() { return nullptr; }
