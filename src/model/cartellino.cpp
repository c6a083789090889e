#include "cartellino.h"

#include <algorithm>
#include <cmath>

#include "colonne.h"
#include "numeri.h"
#include "polvere.h"
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

// The energy cell at a whole metre, read back (J), or empty beyond the model.
std::optional<double> EnergiaCella(const Traiettoria& t, int metro) {
    return Cella(RigaA(t, metro).Energia, kSchemaEnergia);
}

std::string Soglia(double soglia, std::string_view sep) { return TestoSingolo(S(soglia), sep); }

// Half away from zero on the value taken to 15 significant digits, as every
// written figure; never "-0". Empty beyond a Long.
std::optional<int32_t> Click(double misura, double click) {
    return InLong(LeggiNumero(FormattaNumero(misura / click, kSchemaDistanza, ".")));
}

const char* SchemaMisura(UnitaCorrezione u) { return u == UnitaCorrezione::Cm100 ? kSchemaCentimetri : "##0.00"; }

// The card's leads: the model's time of flight at each distance, as the
// table's lead columns read it.
AnticipiCartellino Anticipi(const Traiettoria& t, const Scelte& s, std::string_view sep) {
    AnticipiCartellino a;
    a.intestazioni.push_back("m");
    for (double kmh : s.anticipi) a.intestazioni.push_back(TestoNumeroScritto(kmh) + " km/h");
    for (int metro = kPrimoAnticipo; metro <= kUltimoAnticipo; metro += kPassoAnticipo) {
        const ShotData r = RigaA(t, metro);
        std::vector<std::string> riga{TestoIntero(metro)};
        for (double kmh : s.anticipi) riga.push_back(CellaAnticipo(r, kmh, s.angoloBersaglio, sep));
        a.righe.push_back(std::move(riga));
    }
    a.legenda = "Anticipo (cm) con il bersaglio a " + TestoSingolo(S(s.angoloBersaglio), sep) +
                "° dalla linea di mira: davanti all'animale, nel verso della sua corsa";
    return a;
}

}  // namespace

// --- The band ---------------------------------------------------------------

std::string TestoBanda(double banda, std::string_view sep) { return "±" + TestoSingolo(S(banda), sep) + " cm"; }

std::optional<ZeroBanda> CalcolaZeroBanda(const TabellaCalcolata& t, double banda) {
    const auto zero = t.ZeroPerBanda(banda);
    if (!zero) return std::nullopt;
    const auto azzerata = t.AzzerataA(*zero);
    ZeroBanda z{*zero, S(RigaA(*azzerata, 100).ScartoMira * 100.0), {}, {}};
    const auto culmine = CulmineCella(*azzerata, *zero);
    if (culmine && *culmine > banda) z.culmineOltre = culmine;
    z.tratto = TiroUtile(*azzerata, banda, z.culmineOltre);
    return z;
}

std::string TestoTiroUtileBanda(double banda, const std::optional<TrattoUtile>& tratto, std::string_view sep) {
    const std::string inizio = "Tiro utile (" + TestoBanda(banda, sep) + "): ";
    if (!tratto) return inizio + "nessuna distanza entro la fascia";
    return inizio + "da " + TestoIntero(tratto->da) + " m a " + TestoIntero(tratto->a) + " m";
}

std::string TestoZeroBanda(double banda, const std::optional<ZeroBanda>& z, std::string_view sep) {
    const std::string inizio = "Con banda " + TestoBanda(banda, sep) + ": ";
    if (!z) return inizio + "nessun azzeramento tiene il colpo entro la banda";
    std::string testo = inizio + "azzerare a m " + TestoIntero(z->distanza);
    const auto cella = Cella(z->scarto100, kSchemaCentimetri);
    if (cella && *cella == 0)
        testo += "; a 100 m il colpo è sulla linea di mira";
    else if (cella)
        testo += "; a 100 m il colpo va " + FormattaNumero(std::fabs(z->scarto100), kSchemaCentimetri, sep) +
                 (z->scarto100 > 0 ? " cm alto" : " cm basso");
    if (!z->tratto) return testo + "; nessuna distanza entro la banda";
    testo += "; tiro utile da " + TestoIntero(z->tratto->da) + " m a " + TestoIntero(z->tratto->a) + " m";
    if (z->culmineOltre) testo += ", con il punto più alto a " + FormattaNumero(*z->culmineOltre, kSchemaCentimetri, sep) + " cm";
    return testo;
}

// --- Energy -----------------------------------------------------------------

std::optional<int> UltimoMetroSopra(const Traiettoria& t, double soglia) {
    std::optional<int> ultimo;
    for (int metro = 0; metro <= kMassimoTiroUtile; ++metro) {
        const auto e = EnergiaCella(t, metro);
        if (e && *e >= soglia) ultimo = metro;
    }
    return ultimo;
}

// --- Summary ----------------------------------------------------------------

std::vector<std::string> Riepilogo::Righe() const {
    std::vector<std::string> righe;
    for (const std::string* frase : {&polvere, &zeroOttimale, &zeroBanda, &tiroUtile, &energia100})
        if (!frase->empty()) righe.push_back(*frase);
    for (const std::string& frase : soglie)
        if (!frase.empty()) righe.push_back(frase);
    if (!nota.empty()) righe.push_back(nota);
    return righe;
}

Riepilogo ComponiRiepilogo(const TabellaCalcolata& t, const Scelte& c, std::string_view sep) {
    const Traiettoria& modello = t.Modello();
    Riepilogo r;
    r.polvere = TestoPolvere(t.VelocitaUsata(), t.Dati().Temperatura, t.Opzioni(), sep);
    r.zeroOttimale = TestoDistanzaOttimale(t);
    r.zeroBanda = TestoZeroBanda(c.banda, CalcolaZeroBanda(t, c.banda), sep);
    r.tiroUtile = TestoTiroUtileBanda(c.banda, TiroUtile(modello, c.banda), sep);
    r.energia100 = "Energia a 100 m: " + FormattaNumero(RigaA(modello, 100).Energia, kSchemaEnergia, sep) + " J";
    for (double soglia : c.soglie) {
        const std::string inizio = "Energia ≥ " + Soglia(soglia, sep) + " J";
        const auto ultimo = UltimoMetroSopra(modello, soglia);
        if (!ultimo)
            r.soglie.push_back(inizio + ": già sotto alla bocca (" +
                               FormattaNumero(RigaA(modello, 0).Energia, kSchemaEnergia, sep) + " J)");
        else
            r.soglie.push_back(inizio + " fino a m " + TestoIntero(*ultimo) +
                               (*ultimo == kMassimoTiroUtile ? " e oltre" : ""));
    }
    r.nota = kNotaEnergia;
    return r;
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
    // The table's two cells, and where each correction and its clicks go.
    const std::pair<float, std::pair<std::string*, std::string*>> scarti[] = {
        {S(riga.ScartoMira * 100.0), {&celle.correzione, &celle.click}},
        {S(riga.DerivaVento * -1.0), {&celle.correzioneVento, &celle.clickVento}}};
    for (const auto& [scarto, cella] : scarti) {
        const auto misura = MisuraCorrezione(scarto, riga.Distanza, c.unita);
        if (!misura || !(click > 0)) continue;
        if (InSingle(*misura)) *cella.first = FormattaNumero(*misura, SchemaMisura(c.unita), sep);
        if (const auto n = Click(*misura, click)) *cella.second = TestoIntero(*n);
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
    const double fine = tabella.NumeroRighe() > 0 ? std::max<double>(d.DistanzaInizio, UltimaDistanza(d)) : 0;
    const double quante = std::floor(fine / passo);
    if (quante < 1)
        return "il passo del cartellino (" + TestoIntero(passo) + " m) supera l'ultima distanza della tabella";
    if (quante > kMassimoRigheCartellino)
        return "il cartellino ha posto per " + TestoIntero(kMassimoRigheCartellino) +
               " righe: scegliere un passo di almeno " +
               FormattaNumero(std::ceil(fine / kMassimoRigheCartellino), kSchemaDistanza) + " m";

    const bool click = c.unita != UnitaCorrezione::Nessuna;
    const Traiettoria& t = tabella.Modello();
    const auto t1 = tabella.ConVento(1, 90, fine);  // the drift for 1 m/s of wind all across
    std::vector<double> soglie = c.soglie;
    std::sort(soglie.begin(), soglie.end());

    Cartellino k;
    const Scelte& scelte = tabella.Opzioni();
    const std::string polvere = scelte.sensibilita == 0 ? "" :
        " a " + TestoSingolo(S(TemperaturaCartuccia(d.Temperatura, scelte)), sep) + " °C";
    k.palla = "Palla " + TestoSingolo(d.DiametroInch, sep) + " in, " + TestoSingolo(d.PesoGrain, sep) + " gr; V0 " +
              TestoSingolo(tabella.VelocitaUsata(), sep) + " m/s" + polvere + "; " + TestoIntero(d.Altitudine) +
              " m, " + TestoSingolo(d.Temperatura, sep) + " °C";
    k.azzeramento = TestoModelloECoefficiente(tabella.Opzioni(), d.CoeffBalistico, sep) + "; azzerata a m " +
                    TestoSingolo(d.DistanzaAzzeramento, sep) + ", mira " +
                    TestoSingolo(S(d.AltezzaMira * 1000.0), sep) + " mm; " +
                    TestoTiroUtileBanda(c.banda, TiroUtile(t, c.banda), sep);
    k.intestazioni = {"m", "Scarto (cm)", click ? "Click" : "", click ? "Vento 1 m/s (click)" : "Vento 1 m/s (cm)",
                      "Energia (J)", "Soglia (J)"};
    for (int i = 1; i <= quante; ++i) {
        const ShotData r = RigaA(t, static_cast<double>(i) * passo), r1 = RigaA(*t1, static_cast<double>(i) * passo);
        const CelleCorrezione corr = CelleCorrezioneRiga(r, c, sep), corr1 = CelleCorrezioneRiga(r1, c, sep);
        RigaCartellino riga{TestoIntero(static_cast<long long>(i) * passo),
                            FormattaNumero(S(r.ScartoMira * 100.0), kSchemaCentimetri, sep), click ? corr.click : "",
                            click ? corr1.clickVento : FormattaNumero(S(r1.DerivaVento * -1.0), kSchemaCentimetri, sep),
                            FormattaNumero(r.Energia, kSchemaEnergia, sep), ""};
        const auto e = Cella(r.Energia, kSchemaEnergia);
        for (double s : soglie)
            if (e && *e >= s) riga[5] = "≥ " + Soglia(s, sep);
        k.righe.push_back(std::move(riga));
    }
    k.legenda = click ? "1 click = " + TestoSingolo(S(ClickDi(c)), sep) + " " + NomeUnita(c.unita) +
                            "; click +: in alto; vento: verso il lato da cui soffia"
                      : "Scarto + in alto; vento: deviazione per 1 m/s di vento laterale";
    if (!scelte.anticipi.empty()) k.anticipi = Anticipi(t, scelte, sep);
    return k;
}

}  // namespace rigata
