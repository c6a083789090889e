// Placeholder until the calculator screens exist.
#include "programma.h"
Schermo* Programma::CreaCalcolatore(TipoCalcolatore) { return nullptr; }
