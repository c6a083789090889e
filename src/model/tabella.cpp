#include "tabella.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "costanti.h"
#include "modello.h"
#include "numeri.h"

namespace rigata {

const char* const kIntestazioneTabVari =
    "Distanza (m)|Caduta (cm)|Ordinata (cm)|Velocità (m/s)|Energia   (J) |Dev.Vento (cm)|Tempo volo "
    "(s)|Scarto mira (cm)";
const char* const kIntestazioneTabCampagna =
    "Distanza (m|Velocità (m/s)|Energia   (J)|Scarto  0°(cm)|Scarto 15°(cm)|Scarto 30°(cm)|Scarto "
    "45°(cm)|Scarto 60°(cm)";
const char* const kTestoDistanzaOttimale =
    "La distanza ottimale di azzeramento per uno scarto max. di +6cm è di m ";

namespace {

// The cubic fit of 1 - cos(a), a in degrees (0..60). At 15, 30, 45 and 60
// degrees the linear term is the constant of its product with the angle, so
// the field table's columns keep their exact values.
double FattorePendio(double a) {
    double lineare = 0.000318437 * a;
    if (a == 15) lineare = 0.004776555;
    else if (a == 30) lineare = 0.00955311;
    else if (a == 45) lineare = 0.014329665;
    else if (a == 60) lineare = 0.01910622;
    return -4.78632e-7 * std::pow(a, 3) + 0.000172521 * std::pow(a, 2) - lineare + 0.00139394;
}
const double kFattore15 = FattorePendio(15);
const double kFattore30 = FattorePendio(30);
const double kFattore45 = FattorePendio(45);
const double kFattore60 = FattorePendio(60);

bool Finito(float v) { return std::isfinite(v); }

// Every value a row stores or shows stays within single precision.
bool RigaFinita(const ShotData& d) {
    const float valori[] = {d.Distanza, d.CoeffCadutaRiga, d.TermineEspRiga, d.Caduta, d.Ordinata,
                            d.Velocita, d.Energia, d.TempoVolo, d.DerivaVento, d.CorrezioneMira,
                            d.ScartoMira, d.Scarto15, d.Scarto30, d.Scarto45, d.Scarto60,
                            S(d.Caduta * -100.0), S(d.Ordinata * 100.0), S(d.ScartoMira * 100.0)};
    for (float v : valori)
        if (!Finito(v)) return false;
    return true;
}

Rifiuto RifiutoGenerico() {
    return Rifiuto{"CAMBIA VALORE!!",
                   "con questi dati la tabella avrebbe valori fuori dai limiti di calcolo; ridurre la "
                   "velocità del vento, l'altezza della linea di mira o le distanze"};
}

}  // namespace

std::optional<Rifiuto> LeggiRichiesta(const TestiRichiesta& testi, RichiestaTabella& r) {
    if (auto rifiuto = ControllaVirgole(GruppoCampo::Richiesta, testi)) return rifiuto;
    auto numero = [&testi](Campo c) { return LeggiNumero(testi[IndiceNelGruppo(c)]); };
    r = RichiestaTabella{numero(Campo::DistanzaAzzeramento), numero(Campo::DistanzaInizio),
                         numero(Campo::DistanzaFine),        numero(Campo::Intervallo),
                         numero(Campo::VelocitaVento),       numero(Campo::AltezzaMira)};
    return std::nullopt;
}

void ApplicaRichiesta(ShotData& d, const RichiestaTabella& r) {
    d.DistanzaAzzeramento = S(r.distanzaZero);
    d.DistanzaInizio = S(r.inizio);
    d.DistanzaFine = S(r.fine);
    d.Intervallo = InInteger(r.intervallo).value_or(0);
    d.VelocitaVento = S(r.vento);
    d.AltezzaMira = S(r.altezzaMira);
}

std::optional<int> NumeroRighe(const ShotData& d) {
    const double righe =
        (static_cast<double>(d.DistanzaFine) - d.DistanzaInizio) / d.Intervallo + 1;
    const auto n = InInteger(righe);
    if (!n) return std::nullopt;
    return *n;
}

double UltimaDistanza(const ShotData& d) {
    const int righe = NumeroRighe(d).value_or(0);
    return static_cast<double>(d.DistanzaInizio) + std::max(righe - 1, 0) * static_cast<double>(d.Intervallo);
}

std::optional<Rifiuto> ControllaRichiesta(const ShotData& d, const RichiestaTabella& r) {
    const std::pair<double, Campo> campi[] = {{r.distanzaZero, Campo::DistanzaAzzeramento},
                                              {r.inizio, Campo::DistanzaInizio},
                                              {r.fine, Campo::DistanzaFine},
                                              {r.vento, Campo::VelocitaVento},
                                              {r.altezzaMira, Campo::AltezzaMira}};
    for (const auto& [valore, campo] : campi)
        if (!InSingle(valore)) return RifiutoFuoriLimiti(NomeCampo(campo), valore);

    const auto passo = InInteger(r.intervallo);
    if (!passo || *passo == 0)
        return Rifiuto{"CAMBIA INTERVALLO!!",
                       "l'intervallo di calcolo deve essere un numero intero di metri diverso da zero, "
                       "fra -32768 e 32767; correggere l'intervallo"};
    if (S(r.distanzaZero) == 0)
        return Rifiuto{"CAMBIA DISTANZA!!",
                       "la distanza di azzeramento non può essere zero; inserire la distanza a cui "
                       "l'arma è azzerata"};

    ShotData prova = d;
    ApplicaRichiesta(prova, r);
    const auto righe = NumeroRighe(prova);
    const double quoziente = (static_cast<double>(prova.DistanzaFine) - prova.DistanzaInizio) / prova.Intervallo;
    if (!righe || *righe < 0 || *righe > 32766) {
        if (quoziente < 0)
            return Rifiuto{"CAMBIA DISTANZE!!",
                           "la distanza finale viene prima di quella iniziale nel verso dell'intervallo; "
                           "scambiare le due distanze o cambiare il segno dell'intervallo"};
        return Rifiuto{"TROPPE RIGHE!!",
                       "la tabella avrebbe più di 32766 righe; aumentare l'intervallo o avvicinare la "
                       "distanza iniziale a quella finale"};
    }

    const double k = CostanteResistenzaDi(prova);
    if (!(std::isfinite(k) && k > 0))
        return Rifiuto{"CAMBIA VALORE!!",
                       "la resistenza dell'aria calcolata per questa palla è nulla o non valida; tornare "
                       "ai dati della palla e controllare il coefficiente balistico"};

    // The drop, CoeffCaduta x (exp(2 k x) - 2 k x - 1), grows fastest of all
    // values: keep it in centimetres, with a margin of ten for the columns that
    // add two such terms, within single precision at every distance.
    const double coeffCaduta = CoeffCadutaDi(prova.VelocitaBocca, k);
    const double limite = std::log(static_cast<double>(FLT_MAX) / std::max(1.0, 1000 * coeffCaduta)) / (2 * k);
    if (!(std::isfinite(limite) && limite > 0)) return RifiutoGenerico();
    const double ultima = UltimaDistanza(prova);
    const double piuLontana = std::max({std::fabs(static_cast<double>(prova.DistanzaAzzeramento)),
                                        *righe > 0 ? std::fabs(static_cast<double>(prova.DistanzaInizio)) : 0.0,
                                        *righe > 0 ? std::fabs(ultima) : 0.0});
    if (piuLontana > limite)
        return Rifiuto{"DISTANZA TROPPO GRANDE!!",
                       "con questa palla il calcolo vale fino a " +
                           FormattaNumero(std::floor(limite), kSchemaDistanza) +
                           " m; ridurre la distanza di azzeramento e le distanze della tabella"};

    CalcolaAzzeramento(prova);
    if (!(prova.OrdinataMaxOttimale >= 0))
        return Rifiuto{"CAMBIA VALORE!!",
                       "altezza della linea di mira non valida (sotto -136 mm la distanza ottimale non "
                       "si può calcolare); inserire l'altezza della linea di mira sopra la canna in "
                       "millimetri"};
    const float azzeramento[] = {prova.CoeffCaduta, prova.TermineEsp, prova.CadutaAzzeramento,
                                 prova.AltezzaMira, prova.OrdinataMaxOttimale, prova.TempoVoloOttimale};
    for (float v : azzeramento)
        if (!Finito(v)) return RifiutoGenerico();
    if (!InLong(DistanzaOttimaleEsatta(prova))) return RifiutoGenerico();

    bool finita = true;
    CalcRisultati(prova, [&finita](const ShotData& riga) { finita = finita && RigaFinita(riga); });
    if (!finita) return RifiutoGenerico();
    return std::nullopt;
}

void CalcolaRiga(ShotData& d) {
    const double k = d.CostanteResistenza;
    const double v0 = d.VelocitaBocca;
    const double x0 = d.DistanzaAzzeramento;
    const double h = d.AltezzaMira;  // m
    const double x = d.Distanza;

    const CadutaCalcolata c = CadutaA(v0, k, x);
    d.CoeffCadutaRiga = c.coeff;
    d.TermineEspRiga = c.termine;
    d.Caduta = c.caduta;
    d.Ordinata = S(d.CadutaAzzeramento / x0 * x - d.Caduta);
    d.Velocita = S(v0 * std::exp(-k * x));
    d.Energia = EnergiaCinetica(d.Velocita, d.PesoGrammi);
    d.TempoVolo = S((1 / (v0 * k)) * (std::exp(k * x) - 1));
    // Lag behind a flight in vacuum times the cross-wind, in cm.
    d.DerivaVento = S((d.TempoVolo - x / v0) * S(d.VelocitaVento * 100.0));
    d.CorrezioneMira = S((x0 - x) * h / x0);
    d.ScartoMira = S(d.Ordinata - d.CorrezioneMira);

    const double caduta = S(d.Caduta * 100.0);
    const double scarto = S(d.ScartoMira * 100.0);
    d.Scarto15 = S(kFattore15 * caduta + scarto);
    d.Scarto30 = S(kFattore30 * caduta + scarto);
    d.Scarto45 = S(kFattore45 * caduta + scarto);
    d.Scarto60 = S(kFattore60 * caduta + scarto);
}

float ScartoPendioClassico(const ShotData& riga, double gradi) {
    const double scarto = S(riga.ScartoMira * 100.0);
    if (gradi == 0) return static_cast<float>(scarto);
    return S(FattorePendio(std::fabs(gradi)) * S(riga.Caduta * 100.0) + scarto);
}

namespace {

template <typename Riga>
void PerOgniRiga(ShotData& d, const Riga& calcola, const ScriviRiga& scrivi) {
    d.Distanza = S(d.DistanzaInizio - static_cast<float>(d.Intervallo));
    d.RigaGriglia = 0;
    const int righe = NumeroRighe(d).value_or(0);
    for (int indice = 1; indice <= righe; ++indice) {
        d.IndiceRiga = static_cast<int16_t>(indice);
        d.Distanza = S(d.Distanza + d.Intervallo);
        calcola(d);
        d.RigaGriglia = static_cast<int16_t>(d.RigaGriglia + 1);
        scrivi(d);
    }
}

}  // namespace

void CalcRisultati(ShotData& d, const ScriviRiga& scrivi) {
    PerOgniRiga(d, [](ShotData& riga) { CalcolaRiga(riga); }, scrivi);
}

void CalcRisultati(ShotData& d, const Traiettoria& t, const ScriviRiga& scrivi) {
    PerOgniRiga(d, [&t](ShotData& riga) { t.CalcolaRiga(riga); }, scrivi);
}

CelleRiga CelleTabVari(const ShotData& d, std::string_view sep) {
    return {FormattaNumero(d.Distanza, kSchemaDistanza, sep),
            FormattaNumero(S(d.Caduta * -100.0), kSchemaCentimetri, sep),
            FormattaNumero(S(d.Ordinata * 100.0), kSchemaCentimetri, sep),
            FormattaNumero(d.Velocita, kSchemaVelocita, sep),
            FormattaNumero(d.Energia, kSchemaEnergia, sep),
            FormattaNumero(S(d.DerivaVento * -1.0), kSchemaCentimetri, sep),
            FormattaNumero(d.TempoVolo, kSchemaTempo, sep),
            FormattaNumero(S(d.ScartoMira * 100.0), kSchemaCentimetri, sep)};
}

CelleRiga CelleTabCampagna(const ShotData& d, std::string_view sep) {
    return {FormattaNumero(d.Distanza, kSchemaDistanza, sep),
            FormattaNumero(d.Velocita, kSchemaVelocita, sep),
            FormattaNumero(d.Energia, kSchemaEnergia, sep),
            FormattaNumero(S(d.ScartoMira * 100.0), kSchemaCentimetri, sep),
            FormattaNumero(d.Scarto15, kSchemaCentimetri, sep),
            FormattaNumero(d.Scarto30, kSchemaCentimetri, sep),
            FormattaNumero(d.Scarto45, kSchemaCentimetri, sep),
            FormattaNumero(d.Scarto60, kSchemaCentimetri, sep)};
}

CelleRiga CelleTabella(TipoTabella tipo, const ShotData& d, std::string_view separatore) {
    return tipo == TipoTabella::Vari ? CelleTabVari(d, separatore) : CelleTabCampagna(d, separatore);
}

CelleRiga Intestazioni(TipoTabella tipo, bool discesa) {
    const std::string_view riga = tipo == TipoTabella::Vari ? kIntestazioneTabVari : kIntestazioneTabCampagna;
    CelleRiga celle;
    size_t inizio = 0;
    for (size_t i = 0; i < celle.size(); ++i) {
        const size_t fine = std::min(riga.find('|', inizio), riga.size());
        celle[i] = std::string(riga.substr(inizio, fine - inizio));
        inizio = fine + 1;
    }
    if (tipo == TipoTabella::Campagna && discesa)
        for (size_t i = 0; i < 4; ++i) celle[4 + i] = "Scarto -" + std::to_string(15 * (i + 1)) + "°(cm)";
    return celle;
}

bool PendiiInDiscesa(const Scelte& m) {
    return m.modello != TipoModello::Classico && m.versoPendii == VersoPendii::Discesa;
}

std::string IntestazionePendio(double gradi) { return "Scarto a " + TestoNumeroScritto(gradi) + "° (cm)"; }

std::string CellaPendio(const ShotData& riga, std::string_view separatore) {
    return FormattaNumero(riga.ScartoPendio, kSchemaCentimetri, separatore);
}

}  // namespace rigata
