#include "cartellino.h"

#include <algorithm>
#include <cmath>

#include "modello.h"
#include "numeri.h"
#include "tabella.h"

namespace rigata {

const char* const kNotaEnergia =
    "Valori di riferimento: l'energia minima per ogni specie la stabiliscono le norme del proprio paese e "
    "della propria regione.";

namespace {


// A cell written with the table's pattern and read back: the figure the
// hunter reads. Empty for a value the table would leave blank.
std::optional<double> Cella(float valore, const char* schema) {
    const std::string testo = FormattaNumero(valore, schema, ".");
    if (testo.empty()) return std::nullopt;
    return LeggiNumero(testo);
}

// The row fields of a model at a distance (m).
ShotData Riga(const Traiettoria& t, double metro) {
    ShotData riga;
    riga.Distanza = S(metro);
    t.CalcolaRiga(riga);
    return riga;
}

std::optional<double> ScartoCella(const Traiettoria& t, int metro) {
    return Cella(S(Riga(t, metro).ScartoMira * 100.0), kSchemaCentimetri);
}

// The model of the record zeroed at another distance (m).
std::unique_ptr<Traiettoria> Azzerata(const ShotData& d, const Scelte& m, int zero) {
    ShotData copia = d;
    copia.DistanzaAzzeramento = S(zero);
    CalcolaCadutaZero(copia);  // the closed form's zero; the point mass zeroes itself
    return CreaTraiettoria(copia, m, kMassimoTiroUtile);
}

// The highest point of the impact over the line of sight, as the cell reads
// it. The impact is concave in the distance (a straight line less a growing
// drop), so the walk ends at the first cell below the highest one.
std::optional<double> Culmine(const Traiettoria& t) {
    std::optional<double> massimo;
    for (int metro = 0; metro <= kMassimoTiroUtile; ++metro) {
        const auto cella = ScartoCella(t, metro);
        if (!cella || (massimo && *cella < *massimo)) break;
        massimo = cella;
    }
    return massimo;
}

std::string Soglia(double soglia, std::string_view sep) { return TestoSingolo(S(soglia), sep); }

// Half away from zero on the value taken to 15 significant digits, as every
// written figure; never "-0".
long long Click(double misura, double click) {
    return static_cast<long long>(LeggiNumero(FormattaNumero(misura / click, kSchemaDistanza, ".")));
}

const char* SchemaMisura(UnitaCorrezione u) { return u == UnitaCorrezione::Cm100 ? kSchemaCentimetri : "##0.00"; }

}  // namespace

// --- The band ---------------------------------------------------------------

std::string TestoBanda(double banda, std::string_view sep) { return "±" + TestoSingolo(S(banda), sep) + " cm"; }

std::optional<ZeroBanda> CalcolaZeroBanda(const ShotData& d, const Scelte& m, double banda) {
    // The highest point falls as the zero comes nearer, down to the zero at
    // which the line of sight only touches the trajectory, and grows again
    // nearer still: the band zero is the far end of the zeros within the
    // band. The model's own root search gives the start; the cells decide.
    const auto entro = [&](int zero) {
        const auto culmine = Culmine(*Azzerata(d, m, zero));
        return culmine && *culmine <= banda;
    };
    const auto seme = ZeroPerBanda(d, m, banda);
    if (!seme) return std::nullopt;
    int zero = static_cast<int>(std::clamp(std::floor(*seme), 1.0, static_cast<double>(kMassimoTiroUtile)));
    constexpr int kPassiMassimi = 200;  // the root search is off by a few metres at most
    int passi = 0;
    if (entro(zero)) {
        while (zero < kMassimoTiroUtile && entro(zero + 1) && ++passi < kPassiMassimi) ++zero;
    } else {
        while (zero > 1 && !entro(zero) && ++passi < kPassiMassimi) --zero;
        if (!entro(zero)) return std::nullopt;
    }
    const auto t = Azzerata(d, m, zero);
    return ZeroBanda{zero, S(Riga(*t, 100).ScartoMira * 100.0), TiroUtileDi(*t, banda)};
}

std::string TestoTiroUtileBanda(double banda, const std::optional<TrattoUtile>& tratto, std::string_view sep) {
    const std::string inizio = "Tiro utile (" + TestoBanda(banda, sep) + "): ";
    if (!tratto) return inizio + "nessuna distanza entro la fascia";
    return inizio + "da " + TestoIntero(tratto->da) + " m a " + TestoIntero(tratto->a) + " m";
}

std::string TestoZeroBanda(double banda, const std::optional<ZeroBanda>& z, std::string_view sep) {
    const std::string inizio = "Con banda " + TestoBanda(banda, sep) + ": ";
    if (!z) return inizio + "nessun azzeramento tiene il colpo entro la banda";
    std::string testo = inizio + "azzerare a m " + TestoIntero(z->distanza) + "; a 100 m il colpo ";
    const std::string cella = FormattaNumero(std::fabs(z->scarto100), kSchemaCentimetri, sep);
    if (LeggiNumero(FormattaNumero(z->scarto100, kSchemaCentimetri, ".")) == 0)
        testo += "è sulla linea di mira";
    else
        testo += "va " + cella + (z->scarto100 > 0 ? " cm alto" : " cm basso");
    if (!z->tratto) return testo + "; nessuna distanza entro la banda";
    return testo + "; tiro utile da " + TestoIntero(z->tratto->da) + " m a " + TestoIntero(z->tratto->a) + " m";
}

// --- Energy -----------------------------------------------------------------

std::optional<double> EnergiaCella(const Traiettoria& t, int metro) {
    return Cella(Riga(t, metro).Energia, kSchemaEnergia);
}

std::optional<int> UltimoMetroSopra(const Traiettoria& t, double soglia) {
    std::optional<int> ultimo;
    for (int metro = 0; metro <= kMassimoTiroUtile; ++metro) {
        const auto e = EnergiaCella(t, metro);
        if (e && *e >= soglia) ultimo = metro;
    }
    return ultimo;
}

std::vector<std::string> FrasiEnergia(const Traiettoria& t, const std::vector<double>& soglie,
                                      std::string_view sep) {
    std::vector<std::string> frasi{"Energia a 100 m: " + FormattaNumero(Riga(t, 100).Energia, kSchemaEnergia, sep) +
                                   " J"};
    for (double soglia : soglie) {
        const std::string inizio = "Energia ≥ " + Soglia(soglia, sep) + " J";
        const auto ultimo = UltimoMetroSopra(t, soglia);
        if (!ultimo)
            frasi.push_back(inizio + ": già sotto alla bocca (" + FormattaNumero(Riga(t, 0).Energia, kSchemaEnergia, sep) +
                            " J)");
        else if (*ultimo == kMassimoTiroUtile)
            frasi.push_back(inizio + " fino a m " + TestoIntero(*ultimo) + " e oltre");
        else
            frasi.push_back(inizio + " fino a m " + TestoIntero(*ultimo));
    }
    frasi.push_back(kNotaEnergia);
    return frasi;
}

// --- Summary ----------------------------------------------------------------

std::vector<std::string> FrasiRiepilogo(const TabellaCalcolata& t, const Scelte& c, std::string_view sep) {
    std::vector<std::string> frasi{TestoDistanzaOttimale(t),
                                   TestoZeroBanda(c.banda, CalcolaZeroBanda(t.Dati(), t.Opzioni(), c.banda), sep),
                                   TestoTiroUtileBanda(c.banda, t.TiroUtile(c.banda), sep)};
    for (auto& frase : FrasiEnergia(t.Modello(), c.soglie, sep)) frasi.push_back(std::move(frase));
    return frasi;
}

// --- Scope corrections ------------------------------------------------------

std::optional<double> MisuraCorrezione(double scartoCm, double distanza, UnitaCorrezione u) {
    if (!(distanza > 0) || !std::isfinite(scartoCm) || u == UnitaCorrezione::Nessuna) return std::nullopt;
    const double radianti = -scartoCm / (distanza * 100);
    constexpr double kPi = 3.14159265358979323846;
    switch (u) {
        case UnitaCorrezione::Cm100: return radianti * 10000;           // cm at 100 m
        case UnitaCorrezione::Mrad: return radianti * 1000;
        case UnitaCorrezione::Moa: return radianti * 180 / kPi * 60;  // minutes of a degree
        case UnitaCorrezione::Nessuna: break;
    }
    return std::nullopt;
}

CelleCorrezione CelleCorrezioneRiga(const ShotData& riga, const Scelte& c, std::string_view sep) {
    CelleCorrezione celle;
    const double click = ClickDi(c);
    const float scarti[] = {S(riga.ScartoMira * 100.0), S(riga.DerivaVento * -1.0)};  // the table's two cells
    for (size_t i = 0; i < 2; ++i) {
        const auto misura = MisuraCorrezione(scarti[i], riga.Distanza, c.unita);
        if (!misura || !(click > 0)) continue;
        celle[2 * i] = FormattaNumero(*misura, SchemaMisura(c.unita), sep);
        celle[2 * i + 1] = TestoIntero(Click(*misura, click));
    }
    return celle;
}

CelleCorrezione IntestazioniCorrezione(UnitaCorrezione u) {
    const std::string unita = "(" + NomeUnita(u) + ")";
    return {"Correzione " + unita, "Correzione (click)", "Correzione vento " + unita, "Correzione vento (click)"};
}

// --- The pocket card --------------------------------------------------------

std::variant<Cartellino, std::string> ComponiCartellino(const TabellaCalcolata& tabella, const Scelte& c,
                                                        int passo, std::string_view sep) {
    const ShotData& d = tabella.Dati();
    if (passo <= 0) return std::string("il passo del cartellino deve essere un numero intero di metri sopra lo zero");
    const int righe = tabella.NumeroRighe();
    const double ultima = static_cast<double>(d.DistanzaInizio) + std::max(righe - 1, 0) * static_cast<double>(d.Intervallo);
    const double fine = righe > 0 ? std::max<double>(d.DistanzaInizio, ultima) : 0;
    const int quante = static_cast<int>(std::floor(fine / passo));
    if (quante < 1)
        return "il passo del cartellino (" + TestoIntero(passo) + " m) supera l'ultima distanza della tabella";
    if (quante > kMassimoRigheCartellino)
        return "il cartellino ha posto per " + TestoIntero(kMassimoRigheCartellino) +
               " righe: scegliere un passo di almeno " +
               TestoIntero(static_cast<long long>(std::ceil(fine / kMassimoRigheCartellino))) + " m";

    const bool click = c.unita != UnitaCorrezione::Nessuna;
    // The drift for 1 m/s of wind all across.
    ShotData d1 = d;
    d1.VelocitaVento = 1;
    Scelte m1 = tabella.Opzioni();
    m1.angoloVento = 90;
    const Traiettoria& t = tabella.Modello();
    const auto t1 = CreaTraiettoria(d1, m1, fine);
    std::vector<double> soglie = c.soglie;
    std::sort(soglie.begin(), soglie.end());

    Cartellino k;
    k.palla = "Palla " + TestoSingolo(d.DiametroInch, sep) + " in, " + TestoSingolo(d.PesoGrain, sep) + " gr; V0 " +
              TestoSingolo(d.VelocitaBocca, sep) + " m/s; " + TestoIntero(d.Altitudine) + " m, " + TestoSingolo(d.Temperatura, sep) + " °C";
    k.azzeramento = TestoModelloECoefficiente(tabella.Opzioni(), d.CoeffBalistico, sep) + "; azzerata a m " +
                    TestoSingolo(d.DistanzaAzzeramento, sep) + ", mira " +
                    TestoSingolo(S(d.AltezzaMira * 1000.0), sep) + " mm; " +
                    TestoTiroUtileBanda(c.banda, tabella.TiroUtile(c.banda), sep);
    k.intestazioni = {"m", "Scarto (cm)", click ? "Click" : "", click ? "Vento 1 m/s (click)" : "Vento 1 m/s (cm)",
                      "Energia (J)", "Soglia (J)"};
    for (int i = 1; i <= quante; ++i) {
        const ShotData r = Riga(t, static_cast<double>(i) * passo), r1 = Riga(*t1, static_cast<double>(i) * passo);
        const CelleCorrezione corr = CelleCorrezioneRiga(r, c, sep), corr1 = CelleCorrezioneRiga(r1, c, sep);
        RigaCartellino riga{TestoIntero(static_cast<long long>(i) * passo),
                            FormattaNumero(S(r.ScartoMira * 100.0), kSchemaCentimetri, sep), click ? corr[1] : "",
                            click ? corr1[3] : FormattaNumero(S(r1.DerivaVento * -1.0), kSchemaCentimetri, sep),
                            FormattaNumero(r.Energia, kSchemaEnergia, sep), ""};
        const auto e = Cella(r.Energia, kSchemaEnergia);
        for (double s : soglie)
            if (e && *e >= s) riga[5] = "≥ " + Soglia(s, sep);
        k.righe.push_back(std::move(riga));
    }
    k.legenda = click ? "1 click = " + TestoSingolo(S(ClickDi(c)), sep) + " " + NomeUnita(c.unita) +
                            "; click +: in alto; vento: verso il lato da cui soffia"
                      : "Scarto + in alto; vento: deviazione per 1 m/s di vento laterale";
    return k;
}

}  // namespace rigata
