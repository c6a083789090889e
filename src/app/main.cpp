// The program: with arguments, the command line (no window is opened);
// without, the windows.
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "comando.h"

int main(int argc, char** argv) {
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    std::setlocale(LC_ALL, "");
    const std::string separatore = std::localeconv()->decimal_point;
    if (rigata::ChiedeRigaDiComando(argomenti))
        return rigata::EseguiComando(argomenti, std::cout, std::cerr, separatore);
    std::cout << rigata::TestoUso();
    return 0;
}
