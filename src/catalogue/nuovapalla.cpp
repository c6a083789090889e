#include "nuovapalla.h"

#include <algorithm>

#include "caratteri.h"
#include "catalogo.h"
#include "file.h"
#include "numeri.h"

namespace rigata {

namespace {

const char* const kTitoloNonValido = "INSERISCI VALORE VALIDO!!";

bool IniziaConPunto(const std::string& testo) { return !testo.empty() && testo.front() == '.'; }

// A point and three digits, as ".308".
bool TreDecimali(const std::string& testo) {
    return testo.size() == 4 && testo[0] == '.' &&
           std::all_of(testo.begin() + 1, testo.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Coefficients are typed as a point and digits, compared as texts by
// character code with the largest allowed one: ".65" passes, ".650" does not.
std::optional<Rifiuto> ControllaCoefficiente(const std::string& testo) {
    if (!IniziaConPunto(testo) || testo > ".65")
        return Rifiuto{kTitoloNonValido,
                       "usare il punto come separatore decimale\nsenza zero iniziale\nusa valori minori di .650 "};
    return std::nullopt;
}

struct Campo {
    const char* nome;
    const std::string* testo;
};

std::array<Campo, 13> Campi(const DatiNuovaPalla& d) {
    return {{{"Marca", &d.marca},
             {"Diametro", &d.diametro},
             {"Peso", &d.peso},
             {"Tipo palla", &d.tipo},
             {"Coeff. Bal. Standard", &d.cbStd},
             {"Velocità 1", &d.velocita[0]},
             {"Coeff. Bal. 1", &d.cb[0]},
             {"Velocità 2", &d.velocita[1]},
             {"Coeff. Bal. 2", &d.cb[1]},
             {"Velocità 3", &d.velocita[2]},
             {"Coeff. Bal. 3", &d.cb[2]},
             {"Velocità 4", &d.velocita[3]},
             {"Coeff. Bal. 4", &d.cb[3]}}};
}

// What would break the row in the file: a comma or a line end splits it, and
// a character outside Windows-1252 cannot be written at all.
std::optional<Rifiuto> ControllaCaratteri(const DatiNuovaPalla& dati) {
    const auto campi = Campi(dati);
    for (const auto& campo : campi)
        if (campo.testo->find_first_of(",\r\n") != std::string::npos)
            return Rifiuto{kTitoloNonValido,
                           std::string("il campo ") + campo.nome + " non può contenere virgole né a capo\n" +
                               "la virgola separa i dati nell'archivio delle palle\n" +
                               "per i numeri usare il punto come separatore decimale"};
    for (const auto& campo : campi) {
        const std::string carattere = PrimoCarattereNon1252(*campo.testo);
        if (!carattere.empty())
            return Rifiuto{kTitoloNonValido, "il carattere \"" + carattere + "\" del campo " + campo.nome +
                                                 " non si può scrivere nell'archivio delle palle\n" +
                                                 "sostituirlo con un altro carattere"};
    }
    return std::nullopt;
}

// Grain over 7000 x inch^2, lb/in2. The diameter is typed without its leading zero.
double CaricoSezionale(const std::string& diametro, const std::string& peso) {
    const double d = LeggiNumero("0" + diametro);
    return LeggiNumero(peso) / (7000.0 * d * d);
}

}  // namespace

std::optional<Rifiuto> ControllaNuovaPalla(const DatiNuovaPalla& dati) {
    for (const auto& campo : Campi(dati))
        if (campo.testo != &dati.marca && campo.testo != &dati.tipo)
            if (auto r = ControllaVirgole({{campo.nome, *campo.testo}})) return r;
    if (dati.marca.empty() || dati.diametro.empty() || dati.peso.empty() || dati.tipo.empty())
        return Rifiuto{kTitoloNonValido,
                       "               I CAMPI NON POSSONO ESSERE VUOTI!\n\n"
                       "Per i numeri usare il punto come separatore decimale senza zero iniziale"};
    if (!IniziaConPunto(dati.diametro) || dati.diametro > ".780")
        return Rifiuto{kTitoloNonValido,
                       "usare il punto come separatore decimale\nsenza zero iniziale\nusa valori minori di .780 "};
    const double peso = LeggiNumero(dati.peso);
    if (peso < 20 || peso > 800) return Rifiuto{kTitoloNonValido, "usa valori >= 20 e <= di 800 "};
    if (auto r = ControllaCoefficiente(dati.cbStd)) return r;
    for (size_t n = 0; n < 4; ++n) {
        if (!dati.cb[n].empty())
            if (auto r = ControllaCoefficiente(dati.cb[n])) return r;
        if (!dati.velocita[n].empty()) {
            const double v = LeggiNumero(dati.velocita[n]);
            if (v < 32 || v > 4500)
                return Rifiuto{kTitoloNonValido, "inserire valori maggiori di 32 feet/s\ne minori di 4500 feet/sec"};
        } else if (!dati.cb[n].empty()) {
            return Rifiuto{"INSERISCI VALORE!!", " Inserire la velocità relativa\n\nal proprio coefficiente balistico"};
        }
    }
    if (auto r = ControllaCaratteri(dati)) return r;
    // The reader skips every note line: the bullet would vanish.
    if (RigaDiNota(dati.marca))
        return Rifiuto{kTitoloNonValido, "la marca non può iniziare con \"" + std::string(kPrefissoNota) +
                                             "\"\nle righe che iniziano così sono note e vengono ignorate"};
    if (!(LeggiNumero("0" + dati.diametro) > 0))
        return Rifiuto{kTitoloNonValido,
                       "il diametro deve essere maggiore di zero\nusare il punto come separatore decimale\n"
                       "senza zero iniziale (esempio: .308)"};
    // The list shows the diameter in millimetres from its last three
    // characters, the thousandths of an inch: ".3" would list as 0.01 mm.
    if (!TreDecimali(dati.diametro))
        return Rifiuto{kTitoloNonValido,
                       "scrivere il diametro in pollici con il punto e tre decimali,\nsenza zero iniziale "
                       "(esempio: .308; per 3/10 di pollice .300)"};
    return std::nullopt;
}

std::string CalcolaCaricoSezionale(const std::string& diametro, const std::string& peso) {
    const std::string testo = FormattaNumero(CaricoSezionale(diametro, peso), "0.##0");
    // Below 1 the file holds the point and three decimals; a larger density
    // keeps its whole text, as cutting the first character would change it.
    if (testo.compare(0, 2, "0.") == 0) return "." + testo.substr(2, 5);
    return testo;
}

std::string RigaNuovaPalla(const DatiNuovaPalla& dati) {
    std::string riga = dati.marca + "," + dati.diametro + "," + dati.peso + "," + dati.tipo + "," +
                       CalcolaCaricoSezionale(dati.diametro, dati.peso) + "," + dati.cbStd;
    const std::string* ultimo = &dati.cbStd;
    for (size_t n = 0; n < 4; ++n)
        for (const std::string* testo : {&dati.velocita[n], &dati.cb[n]})
            if (!testo->empty()) {
                riga += "," + *testo;
                ultimo = testo;
            }
    // The reader takes at most four characters of a last field: a longer one
    // (".6499", "1000.5") gets a closing comma so that it reads back whole.
    if (Caratteri(*ultimo) > 4) riga += ",";
    return riga;
}

std::string ContenutoConNuovaRiga(const std::string& vecchioContenuto, const std::string& riga1252) {
    std::string contenuto = vecchioContenuto;
    // Without a line end the new bullet would be joined to the last one.
    if (!contenuto.empty() && contenuto.back() != '\n') contenuto += "\r\n";
    // The reader skips a UTF-8 byte-order mark at the start of the file: a
    // first line beginning with those bytes ("ï»¿") goes after an empty line.
    if (contenuto.empty() && SenzaBOM(riga1252).size() < riga1252.size()) contenuto = "\r\n";
    contenuto += riga1252;
    contenuto += "\r\n";
    return contenuto;
}

std::string FileBloccoCatalogo(const std::string& percorsoCatalogo) {
    const std::string bersaglio = RisolviCollegamento(percorsoCatalogo);
    const std::string cartella = CartellaDi(bersaglio);
    const auto barra = bersaglio.find_last_of('/');
    const std::string nome = barra == std::string::npos ? bersaglio : bersaglio.substr(barra + 1);
    return cartella + "/." + nome + ".lock";
}

std::optional<std::string> MemorizzaPalla(const std::string& percorsoCatalogo, const DatiNuovaPalla& dati,
                                          int righeAltrove) {
    const std::string riga = RigaNuovaPalla(dati);
    const std::string inizio = "Impossibile salvare il file \"" + percorsoCatalogo + "\": ";
    const std::string fine = " L'archivio non è stato modificato.";
    const auto riga1252 = A1252(riga);
    if (!riga1252)
        return inizio + "il carattere \"" + PrimoCarattereNon1252(riga) +
               "\" non si può scrivere nell'archivio delle palle." + fine;
    // Read, append and rename under one lock, so that a bullet stored by
    // another program in the meantime is kept.
    const Blocco blocco(FileBloccoCatalogo(percorsoCatalogo), 10);
    if (blocco.errore()) return inizio + *blocco.errore() + "." + fine;
    std::string vecchio;
    // A catalogue removed since start-up is created anew with this bullet alone.
    if (FileEsiste(percorsoCatalogo))
        if (auto errore = LeggiTestoCatalogo(percorsoCatalogo, vecchio)) return errore;
    if (ContaRigheDati(vecchio) + righeAltrove >= kMassimoPalle)
        return "L'archivio delle palle \"" + percorsoCatalogo + "\"" +
               (righeAltrove > 0 ? " e quello fornito con il programma contengono" : " contiene") + " già " +
               std::to_string(kMassimoPalle) + " palle, il massimo che il programma può caricare: la nuova palla non è stata memorizzata." + fine +
               " Per aggiungerla togliere dall'archivio le palle che non servono.";
    const std::string nuovo = ContenutoConNuovaRiga(vecchio, *riga1252);
    if (nuovo.size() > kMassimoByteCatalogo)
        return inizio + "l'archivio supererebbe " + std::to_string(kMassimoByteCatalogo >> 20) +
               " MB, il massimo che il programma può leggere." + fine;
    return ScriviFileSicuro(percorsoCatalogo, nuovo);
}

}  // namespace rigata
