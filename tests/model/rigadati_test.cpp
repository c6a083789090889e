// The lines of the two file formats (data files and the bullet catalogue), the
// data files, and their Windows-1252 text.
#include "rigadati.h"

#include "../supporto/cartella.h"
#include "casi.h"
#include "catalogo.h"
#include "file.h"

using namespace rigata;

namespace {

// The fields of a data line ('D') or of a catalogue line ('C'), joined by "|".
struct CasoDivisione {
    const char* nome;
    char formato;
    const char *riga, *campi;
};
class DivisioneRiga : public ::testing::TestWithParam<CasoDivisione> {};
TEST_P(DivisioneRiga, Campi) {
    std::string campi;
    if (GetParam().formato == 'D')
        for (const auto& campo : DividiRigaDati(GetParam().riga)) campi += "|" + campo;
    else
        for (const auto& campo : DividiRigaCatalogo(GetParam().riga)) campi += "|" + campo;
    EXPECT_EQ(campi.substr(1, campi.find_last_not_of('|')), GetParam().campi);
}
const CasoDivisione kDivisioni[] = {
    {"dati ultimo campo fino alla fine", 'D', "1,2,3,4,5,6,7,8,9,10,11,123.45", "1|2|3|4|5|6|7|8|9|10|11|123.45"},
    {"dati senza virgole cinque caratteri e uno saltato", 'D', "1,2,abcdefghijklmnopq", "1|2|abcde|ghijk|mnopq"},
    {"dati oltre il dodicesimo ignorato", 'D', "a,b,c,d,e,f,g,h,i,j,k,l,m", "a|b|c|d|e|f|g|h|i|j|k|l"},
    {"catalogo ultimo campo di quattro caratteri", 'C', "A,.3,1,T,.1,.3795", "A|0.3|1|T|0.1|0.379"},
    {"catalogo quinto carattere perso", 'C', "A,.3,1,T,.1,.3,2800123456789", "A|0.3|1|T|0.1|0.3|2800|2345|789"},
    {"catalogo virgola finale tiene il campo", 'C', "A,.3,1,T,.1,.3,2950,.2106,", "A|0.3|1|T|0.1|0.3|2950|0.2106"},
    {"catalogo spazi tolti solo davanti al punto", 'C', " Nosler, .308,95 ,BTsb", " Nosler|0.308|95 |BTsb"},
    {"catalogo quattordici campi al massimo", 'C', "a,b,c,d,e,f,1,2,3,4,5,6,7,8,9", "a|b|c|d|e|f|1|2|3|4|5|6|7|8"},
};
TABELLA(DivisioneRiga, CasoDivisione, kDivisioni);

// Bytes 0x80 to 0x9F: the letters and signs Windows-1252 puts there, and the
// five bytes without a character kept as the control of the same code.
TEST(Windows1252, CaratteriDeiByteAlti) {
    std::string alti, tutti;
    for (int b = 0x80; b < 0xA0; ++b) alti.push_back(static_cast<char>(b));
    EXPECT_EQ(Da1252(alti), "€\xC2\x81‚ƒ„…†‡ˆ‰Š‹Œ\xC2\x8DŽ\xC2\x8F\xC2\x90‘’“”•–—˜™š›œ\xC2\x9DžŸ");
    EXPECT_EQ(Da1252("\xA0\xB0\xE0\xFF"), "\xC2\xA0°àÿ");
    for (int b = 1; b < 256; ++b) tutti.push_back(static_cast<char>(b));
    EXPECT_EQ(A1252(Da1252(tutti)), tutti);
    EXPECT_FALSE(A1252("Ω"));
    EXPECT_FALSE(A1252("\xff\xfe"));  // not UTF-8
}

// Written in Windows-1252 and read back; a refused
// write or read leaves the file, or the fields, as they were.
TEST(FileDati, SalvaERiapreLaPrimaRiga) {
    prova::CartellaTemporanea cartella;
    const std::string percorso = cartella.File("a.dat"), riga = "0.243,95,450,15,965,0.379,225,0,500,20,5,50";
    CampiDati campi;
    ASSERT_FALSE(ScriviFileDati(percorso, DividiRigaDati("café,€," + riga.substr(10))));
    EXPECT_EQ(prova::Leggi(percorso), "caf\xe9,\x80," + riga.substr(10) + "\r\n");
    ASSERT_FALSE(LeggiFileDati(percorso, campi));
    EXPECT_EQ(RigaDati(campi), "café,€," + riga.substr(10));
    prova::Scrivi(percorso, std::string("1,2\0,3", 6));
    EXPECT_NE(LeggiFileDati(percorso, campi).value_or("").find("non è un file di testo"), std::string::npos);
    EXPECT_EQ(RigaDati(campi), "café,€," + riga.substr(10));
    ASSERT_TRUE(ScriviFileDati(percorso, DividiRigaDati("0.243,Ω")));
    EXPECT_EQ(prova::Leggi(percorso), std::string("1,2\0,3", 6));
}

}  // namespace
