// A new bullet for the catalogue: the checks of the typed values, the
// sectional density, the file line and its safe appending to stdbulls.bc.
// The new-bullet screen shows the refusals and calls these; nothing here
// touches the catalogue in memory.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "controlli.h"

namespace rigata {

// The texts as typed (UTF-8), pairs in the order of the screen's frame.
struct DatiNuovaPalla {
    std::string marca, diametro, peso, tipo, cbStd;
    std::array<std::string, 4> velocita, cb;  // feet/s; lb/in2 without the leading zero
};

// The checks of "Memorizza dati", in order; the first that fails comes back
// with its title and message (line ends are one LF). First a decimal comma
// in a number box (ControllaVirgole) is refused. After the program's own
// checks come three that keep a corrupt row out of the file: a comma or a
// line end in any box, a character that Windows-1252 cannot hold, and a
// diameter that reads as zero (the sectional density divides by it); last,
// the diameter must be a point and three decimals (".308"), the thousandths
// of an inch the metric list reads.
std::optional<Rifiuto> ControllaNuovaPalla(const DatiNuovaPalla& dati);

// The sectional density text: weight / (7000 x diameter^2), in the format
// "0.##0", written from the point (".226") when below 1 and whole ("1.143")
// otherwise. The diameter is typed without its leading zero (".308").
std::string CalcolaCaricoSezionale(const std::string& diametro, const std::string& peso);

// The file line of a new bullet, without its line end: maker, diameter,
// weight, type, sectional density and standard coefficient joined by commas
// as typed, then a comma and the text of each optional box that holds text,
// in the order Velocita1, CB1, ..., Velocita4, CB4.
std::string RigaNuovaPalla(const DatiNuovaPalla& dati);

// The catalogue's new content (8-bit text): the old content unchanged, a CR LF
// when it does not end with a line end, then the new line and CR LF.
std::string ContenutoConNuovaRiga(const std::string& vecchioContenuto, const std::string& riga1252);

// Appends the bullet's line to the catalogue file at a path (a symbolic link
// is followed). Programs storing at the same moment take turns: each holds
// the lock file beside the catalogue (".stdbulls.bc.lock"), reads the file
// under it and appends to what it finds, through a safe write that leaves the
// old file whole on failure. A catalogue that is missing is created with the
// new line alone; one that already holds 4000 bullets is refused, unchanged.
// On failure returns the message to show.
// righeAltrove: the bullets of the other catalogue listed with this one (the
// delivered one, when this is the user's own), counted in the 4000 limit.
std::optional<std::string> MemorizzaPalla(const std::string& percorsoCatalogo, const DatiNuovaPalla& dati,
                                          int righeAltrove = 0);

// The lock file of a catalogue: ".NAME.lock" beside the file a link leads to.
std::string FileBloccoCatalogo(const std::string& percorsoCatalogo);

}  // namespace rigata
