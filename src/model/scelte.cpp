#include "scelte.h"

#include <cmath>
#include <type_traits>

#include "caratteri.h"
#include "numeri.h"

namespace rigata {

namespace {

// --- Values of the members, whatever their type ------------------------------

template <typename E, std::enable_if_t<std::is_enum_v<E>, int> = 0>
ValoreScelta ComeValore(E v) {
    return {static_cast<double>(v), {}};
}
ValoreScelta ComeValore(double v) { return {v, {}}; }
ValoreScelta ComeValore(const std::optional<double>& v) { return {v, {}}; }
ValoreScelta ComeValore(const std::vector<double>& v) { return {std::nullopt, v}; }
ValoreScelta ComeValore(const std::vector<CoppiaVelocita>& v) {
    ValoreScelta valore;
    for (const auto& [velocita, coeff] : v) valore.elementi.insert(valore.elementi.end(), {velocita, coeff});
    return valore;
}

template <typename E, std::enable_if_t<std::is_enum_v<E>, int> = 0>
void DaValore(const ValoreScelta& v, E& campo) {
    campo = static_cast<E>(static_cast<int>(v.numero.value_or(0)));
}
void DaValore(const ValoreScelta& v, double& campo) { campo = v.numero.value_or(0); }
void DaValore(const ValoreScelta& v, std::optional<double>& campo) { campo = v.numero; }
void DaValore(const ValoreScelta& v, std::vector<double>& campo) { campo = v.elementi; }
void DaValore(const ValoreScelta& v, std::vector<CoppiaVelocita>& campo) {
    campo.clear();
    for (size_t i = 0; i + 1 < v.elementi.size(); i += 2) campo.emplace_back(v.elementi[i], v.elementi[i + 1]);
}

// Where each choice lives in Scelte.
struct Accesso {
    ValoreScelta (*prendi)(const Scelte&);
    void (*metti)(Scelte&, const ValoreScelta&);
};
template <auto Membro>
Accesso Di() {
    return {[](const Scelte& s) { return ComeValore(s.*Membro); },
            [](Scelte& s, const ValoreScelta& v) { DaValore(v, s.*Membro); }};
}

// --- The table ---------------------------------------------------------------

constexpr double kCoeffCoppiaMassimo = 2;  // lb/in2: beyond any bullet's

const std::array<DefinizioneScelta, kNumeroScelte> kScelte = {{
    {Scelta::Modello, "modello", "--modello", nullptr, "modello della traiettoria", "classico, g1 o g7",
     GenereScelta::Nome, 0, 0, 0, false, {"classico", "g1", "g7"}, ContaScelta::Sempre},
    {Scelta::Pressione, "pressione", "--pressione", "HPA", "pressione alla stazione",
     "la pressione alla stazione in hPa, da 100 a 2000 (per esempio 1013.2), o niente per l'atmosfera "
     "standard alla quota",
     GenereScelta::Numero, 100, 2000, 0, true, {}, ContaScelta::PuntoMateriale},
    {Scelta::Umidita, "umidita", "--umidita", "PERCENTO", "umidità relativa",
     "l'umidità relativa in %, da 0 a 100 (per esempio 50)", GenereScelta::Numero, 0, 100, 0, false, {},
     ContaScelta::PuntoMateriale},
    {Scelta::AngoloVento, "angolo_vento", "--angolo-vento", "GRADI", "direzione del vento",
     "i gradi da cui viene il vento, da -360 a 360 (90: di traverso, 0: da dietro, 180: contro)",
     GenereScelta::Numero, -360, 360, 0, false, {}, ContaScelta::PuntoMateriale},
    {Scelta::Coppie, "coppie", "--coppie", "V:CB[,V:CB...]", "coppie velocità-CB",
     "fino a 10 coppie velocità in m/s (da 1 a 3000) e coefficiente (sopra lo zero, fino a 2) unite dai due "
     "punti e separate da virgole, per esempio 853.4:0.42,731.5:0.4, o niente",
     GenereScelta::Coppie, 1, 3000, 10, true, {}, ContaScelta::PuntoMateriale},
    {Scelta::Banda, "banda", "--banda", "CM", "banda di tiro utile",
     "i centimetri sopra e sotto la linea di mira, da 2 a 15 (per esempio 4 o 4.5)", GenereScelta::Numero, 2,
     15, 0, false, {}, ContaScelta::Riepilogo},
    {Scelta::Soglie, "soglie", "--soglie", "J[,J...]", "soglie di energia",
     "fino a 10 energie in joule, numeri interi da 1 a 1000000000 separati da virgole o spazi (per esempio "
     "1000,1500), o niente",
     GenereScelta::Interi, 1, 1e9, 10, true, {}, ContaScelta::Riepilogo},
    {Scelta::Correzione, "correzione", "--correzione", nullptr, "unità delle correzioni",
     "nessuna, cm100, mrad o moa", GenereScelta::Nome, 0, 0, 0, false, {"nessuna", "cm100", "mrad", "moa"},
     ContaScelta::Correzioni},
    {Scelta::Click, "click", "--click", "VALORE", "valore del click",
     "quanto vale un click nell'unità scelta, sopra lo zero fino a 1000 (per esempio 0.1, 1/4 o 1/8), o "
     "niente per il click usuale dell'unità",
     GenereScelta::Frazione, 1e-6, 1000, 0, true, {}, ContaScelta::Correzioni},
    {Scelta::Pendio, "pendio", "--pendio", "GRADI", "pendio del tiro",
     "i gradi del pendio lungo la linea di mira, da -60 (in discesa) a 60 (in salita), per esempio 20 o -35, o "
     "niente per nessuna colonna del pendio",
     GenereScelta::Numero, -60, 60, 0, true, {}, ContaScelta::Tabella},
    {Scelta::VersoPendii, "verso_pendii", "--verso-pendii", nullptr, "verso dei pendii di campagna",
     "salita o discesa", GenereScelta::Nome, 0, 0, 0, false, {"salita", "discesa"}, ContaScelta::PuntoMateriale},
    // 10 m/s per degree is beyond any powder's (the touchiest change by about 2).
    {Scelta::Sensibilita, "sensibilita", "--sensibilita", "MS_PER_C", "sensibilità della polvere",
     "i m/s che la velocità alla bocca guadagna per ogni °C in più della cartuccia, da -10 a 10 (per esempio "
     "0.9), o 0 per nessuna correzione",
     GenereScelta::Numero, -10, 10, 0, false, {}, ContaScelta::Sempre},
    {Scelta::TempRiferimento, "temp_riferimento", "--temp-riferimento", "GRADI_C",
     "temperatura di riferimento della velocità",
     "i °C a cui vale la velocità alla bocca scritta, da -60 a 60 (per esempio 15)", GenereScelta::Numero, -60, 60,
     0, false, {}, ContaScelta::Polvere},
    {Scelta::TempCartuccia, "temp_cartuccia", "--temp-cartuccia", "GRADI_C", "temperatura della cartuccia",
     "i °C della cartuccia, da -60 a 80 (per esempio -10), o niente per la temperatura dell'aria",
     GenereScelta::Numero, -60, 80, 0, true, {}, ContaScelta::Polvere},
    {Scelta::Anticipo, "anticipo", "--anticipo", "KMH[,KMH...]", "velocità del bersaglio",
     "fino a 3 velocità dell'animale in km/h, numeri interi da 1 a 100 separati da virgole o spazi (per esempio "
     "10,25), o niente per nessuna colonna dell'anticipo",
     GenereScelta::Interi, 1, 100, 3, true, {}, ContaScelta::Tabella},
    // Beyond 90 degrees the sine, and so the lead, comes back the same.
    {Scelta::AngoloBersaglio, "angolo_bersaglio", "--angolo-bersaglio", "GRADI", "angolo del bersaglio",
     "i gradi fra la corsa dell'animale e la linea di mira, da 0 (verso il tiratore o via da lui) a 90 (di "
     "traverso), per esempio 45",
     GenereScelta::Numero, 0, 90, 0, false, {}, ContaScelta::Anticipo},
}};

const Accesso kAccessi[kNumeroScelte] = {
    Di<&Scelte::modello>(), Di<&Scelte::pressione>(), Di<&Scelte::umidita>(),
    Di<&Scelte::angoloVento>(), Di<&Scelte::coppie>(), Di<&Scelte::banda>(),
    Di<&Scelte::soglie>(), Di<&Scelte::unita>(), Di<&Scelte::click>(),
    Di<&Scelte::pendio>(), Di<&Scelte::versoPendii>(), Di<&Scelte::sensibilita>(),
    Di<&Scelte::tempRiferimento>(), Di<&Scelte::tempCartuccia>(), Di<&Scelte::anticipi>(),
    Di<&Scelte::angoloBersaglio>(),
};

const Accesso& AccessoDi(Scelta s) { return kAccessi[static_cast<size_t>(s)]; }

// --- Reading -----------------------------------------------------------------

Rifiuto NonValido(const DefinizioneScelta& d, std::string_view testo) {
    return Rifiuto{"CAMBIA VALORE!!", std::string(d.nome) + ": \"" + std::string(testo) +
                                          "\" non è valido; scrivere " + d.aiuto};
}

bool Entro(double v, const DefinizioneScelta& d) { return v >= d.minimo && v <= d.massimo; }

bool UgualeSenzaMaiuscole(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// A number or, for a fraction, "a/b" with b above zero.
std::optional<double> Numero(std::string_view t, bool frazione) {
    const size_t barra = frazione ? t.find('/') : std::string_view::npos;
    const auto v = LeggiNumeroScritto(t.substr(0, barra));
    if (!v || barra == std::string_view::npos) return v;
    const auto sotto = LeggiNumeroScritto(t.substr(barra + 1));
    if (!sotto || !(*sotto > 0)) return std::nullopt;
    return *v / *sotto;
}

// The items of a list: separated by commas or blanks, empty ones skipped.
std::vector<std::string_view> Elementi(std::string_view t) {
    std::vector<std::string_view> elementi;
    size_t inizio = 0;
    for (size_t i = 0; i <= t.size(); ++i) {
        if (i < t.size() && t[i] != ',' && t[i] != ' ' && t[i] != '\t') continue;
        if (i > inizio) elementi.push_back(t.substr(inizio, i - inizio));
        inizio = i + 1;
    }
    return elementi;
}

// One velocity:coefficient pair into v; false when it is not one.
bool Coppia(std::string_view t, const DefinizioneScelta& d, std::vector<double>& v) {
    const size_t duepunti = t.find(':');
    if (duepunti == std::string_view::npos) return false;
    const auto velocita = LeggiNumeroScritto(t.substr(0, duepunti));
    const auto coeff = LeggiNumeroScritto(t.substr(duepunti + 1));
    if (!velocita || !coeff || !Entro(*velocita, d) || !(*coeff > 0 && *coeff <= kCoeffCoppiaMassimo)) return false;
    v.insert(v.end(), {*velocita, *coeff});
    return true;
}

// The value of a text, or its refusal.
std::optional<Rifiuto> Leggi(const DefinizioneScelta& d, std::string_view testo, ValoreScelta& v) {
    const std::string_view t = SenzaBianchi(testo);
    if (t.empty()) {
        if (d.vuota) return std::nullopt;  // the default, or no item
        return NonValido(d, t);
    }
    switch (d.genere) {
        case GenereScelta::Nome:
            for (size_t i = 0; i < d.nomi.size() && d.nomi[i]; ++i)
                if (UgualeSenzaMaiuscole(t, d.nomi[i])) return v.numero = static_cast<double>(i), std::nullopt;
            return NonValido(d, t);
        case GenereScelta::Numero:
        case GenereScelta::Frazione: {
            if (VirgolaDecimale(t)) return RifiutoVirgola(d.nome, t);
            const auto n = Numero(t, d.genere == GenereScelta::Frazione);
            if (!n || !Entro(*n, d)) return NonValido(d, t);
            v.numero = *n == 0 ? 0.0 : *n;  // never -0
            return std::nullopt;
        }
        case GenereScelta::Interi:
            for (std::string_view e : Elementi(t)) {
                const auto n = LeggiNumeroScritto(e);
                if (!n || *n != std::floor(*n) || !Entro(*n, d)) return NonValido(d, t);
                v.elementi.push_back(*n == 0 ? 0.0 : *n);
            }
            break;
        case GenereScelta::Coppie:
            if (UgualeSenzaMaiuscole(t, "no")) return std::nullopt;  // files of the first versions: no pairs
            if (UgualeSenzaMaiuscole(t, "si"))
                return Rifiuto{"CAMBIA VALORE!!",
                               std::string(d.nome) +
                                   ": il file viene da una versione precedente e non contiene le coppie; sceglierle "
                                   "di nuovo (la palla dall'elenco, poi \"usa le coppie velocità-CB\") e salvare"};
            for (std::string_view e : Elementi(t))
                if (!Coppia(e, d, v.elementi)) return NonValido(d, t);
            break;
    }
    const size_t quanti = d.genere == GenereScelta::Coppie ? v.elementi.size() / 2 : v.elementi.size();
    if (quanti > static_cast<size_t>(d.elementi)) return NonValido(d, t);
    return std::nullopt;
}

std::string Unisci(const std::vector<std::string>& parti, const char* separatore) {
    std::string testo;
    for (const auto& p : parti) testo += (testo.empty() ? "" : separatore) + p;
    return testo;
}

}  // namespace

const std::array<DefinizioneScelta, kNumeroScelte>& TabellaScelte() { return kScelte; }

const DefinizioneScelta& Definizione(Scelta s) { return kScelte[static_cast<size_t>(s)]; }

const DefinizioneScelta* SceltaPerChiave(std::string_view chiave) {
    for (const auto& d : kScelte)
        if (chiave == d.chiave) return &d;
    return nullptr;
}

const DefinizioneScelta* SceltaPerOpzione(std::string_view opzione) {
    for (const auto& d : kScelte)
        if (opzione == d.opzione) return &d;
    return nullptr;
}

ValoreScelta Valore(Scelta s, const Scelte& scelte) { return AccessoDi(s).prendi(scelte); }

std::optional<Rifiuto> LeggiScelta(Scelta s, std::string_view testo, Scelte& scelte) {
    ValoreScelta v;
    if (auto r = Leggi(Definizione(s), testo, v)) return r;
    AccessoDi(s).metti(scelte, v);
    return std::nullopt;
}

std::string TestoScelta(Scelta s, const Scelte& scelte) {
    const DefinizioneScelta& d = Definizione(s);
    const ValoreScelta v = Valore(s, scelte);
    std::vector<std::string> parti;
    switch (d.genere) {
        case GenereScelta::Nome: {
            const auto i = static_cast<size_t>(v.numero.value_or(0));
            return i < d.nomi.size() && d.nomi[i] ? d.nomi[i] : "";
        }
        case GenereScelta::Numero:
        case GenereScelta::Frazione: return v.numero ? TestoNumeroScritto(*v.numero) : "";
        case GenereScelta::Interi:
            for (double e : v.elementi) parti.push_back(TestoNumeroScritto(e));
            break;
        case GenereScelta::Coppie:
            for (size_t i = 0; i + 1 < v.elementi.size(); i += 2)
                parti.push_back(TestoNumeroScritto(v.elementi[i]) + ":" + TestoNumeroScritto(v.elementi[i + 1]));
            break;
    }
    return Unisci(parti, ",");
}

bool Predefinita(Scelta s, const Scelte& scelte) { return Valore(s, scelte) == Valore(s, Scelte{}); }

std::optional<Rifiuto> CambiaScelta(Scelta s, std::string_view testo, Scelte& scelte) {
    const UnitaCorrezione prima = scelte.unita;
    if (auto r = LeggiScelta(s, testo, scelte)) return r;
    if (scelte.unita != prima) scelte.click.reset();
    return std::nullopt;
}

std::optional<Rifiuto> ControllaScelte(const Scelte& scelte) {
    for (const auto& d : kScelte) {
        Scelte riletta = scelte;
        if (auto r = LeggiScelta(d.scelta, TestoScelta(d.scelta, scelte), riletta)) return r;
        if (Valore(d.scelta, riletta) != Valore(d.scelta, scelte))
            return Rifiuto{"CAMBIA VALORE!!", std::string(d.nome) + ": il valore non si può scrivere; scrivere " +
                                                  d.aiuto};
    }
    return std::nullopt;
}

std::optional<std::string> NonConta(Scelta s, const Scelte& scelte, UsoScelte uso) {
    const ContaScelta conta = Definizione(s).conta;
    const bool tabella = uso == UsoScelte::Tabella || uso == UsoScelte::Campagna;
    // The truing reads the level point of impact alone.
    if (uso == UsoScelte::Calibrazione &&
        (conta == ContaScelta::Riepilogo || conta == ContaScelta::Correzioni || conta == ContaScelta::Tabella ||
         conta == ContaScelta::Anticipo || s == Scelta::VersoPendii))
        return "non cambia la calibrazione: vale per " +
               std::string(conta == ContaScelta::Riepilogo ? "il riepilogo" : "le colonne della tabella");
    switch (conta) {
        case ContaScelta::PuntoMateriale:
            if (scelte.modello == TipoModello::Classico)
                return "non conta con il modello classico: vale solo per il punto materiale (modello g1 o g7)";
            if (s == Scelta::VersoPendii && (uso == UsoScelte::Tabella || uso == UsoScelte::Riepilogo))
                return "non conta senza --campagna: vale per le colonne dei pendii della tabella di campagna";
            break;
        case ContaScelta::Riepilogo:
            if (tabella) return "non cambia la tabella: vale per il riepilogo";
            break;
        case ContaScelta::Anticipo:
            if (scelte.anticipi.empty() && uso != UsoScelte::Riepilogo)
                return "non conta senza le velocità del bersaglio (--anticipo)";
            [[fallthrough]];
        case ContaScelta::Tabella:
            if (uso == UsoScelte::Riepilogo) return "non cambia il riepilogo: vale per la tabella";
            break;
        case ContaScelta::Correzioni:
            if (uso == UsoScelte::Riepilogo) return "non cambia il riepilogo: vale per le correzioni della tabella";
            if (s == Scelta::Click && scelte.unita == UnitaCorrezione::Nessuna)
                return "non conta senza un'unità delle correzioni";
            break;
        case ContaScelta::Polvere:
            if (scelte.sensibilita == 0) return "non conta con la sensibilità della polvere a 0";
            break;
        case ContaScelta::Sempre: break;
    }
    return std::nullopt;
}

// --- The second line ---------------------------------------------------------

std::vector<std::string> LeggiRigaOpzioni(std::string_view riga, Scelte& scelte) {
    std::vector<std::string> avvisi;
    std::array<bool, kNumeroScelte> viste{};
    while (!riga.empty()) {
        const size_t fine = riga.find(';');
        const std::string_view coppia = SenzaBianchi(riga.substr(0, fine));
        riga = fine == std::string_view::npos ? std::string_view{} : riga.substr(fine + 1);
        if (coppia.empty()) continue;
        const size_t uguale = coppia.find('=');
        const std::string chiave(SenzaBianchi(coppia.substr(0, uguale)));
        const std::string_view valore =
            uguale == std::string_view::npos ? std::string_view{} : SenzaBianchi(coppia.substr(uguale + 1));
        const DefinizioneScelta* d = SceltaPerChiave(chiave);
        if (!d) {
            scelte.altre.emplace_back(chiave, std::string(valore));
            avvisi.push_back("la chiave \"" + chiave +
                             "\" non è conosciuta da questa versione del programma: è stata conservata "
                             "e sarà riscritta al salvataggio");
            continue;
        }
        bool& vista = viste[static_cast<size_t>(d->scelta)];
        if (auto r = LeggiScelta(d->scelta, valore, scelte)) {
            avvisi.push_back("la chiave \"" + chiave + "\": " + r->messaggio + "; " +
                             (Predefinita(d->scelta, scelte) ? "è stato usato il valore predefinito"
                                                              : "è stato tenuto il valore precedente, \"" +
                                                                    TestoScelta(d->scelta, scelte) + "\""));
        } else if (vista) {
            avvisi.push_back("la chiave \"" + chiave + "\" compare più volte: vale l'ultima, \"" +
                             TestoScelta(d->scelta, scelte) + "\"");
        }
        vista = true;
    }
    return avvisi;
}

std::string RigaOpzioni(const Scelte& scelte) {
    std::vector<std::string> coppie;
    for (const auto& d : kScelte)
        if (!Predefinita(d.scelta, scelte)) coppie.push_back(std::string(d.chiave) + "=" + TestoScelta(d.scelta, scelte));
    for (const auto& [chiave, valore] : scelte.altre) coppie.push_back(chiave + "=" + valore);
    return Unisci(coppie, ";");
}

// --- The coefficient's drag function -----------------------------------------

FunzioneCoefficiente FunzioneDelModello(TipoModello m) {
    return m == TipoModello::G7 ? FunzioneCoefficiente::G7 : FunzioneCoefficiente::G1;
}

const char* NomeFunzione(FunzioneCoefficiente f) { return f == FunzioneCoefficiente::G7 ? "G7" : "G1"; }

std::optional<Rifiuto> ControllaFunzioneCoefficiente(FunzioneCoefficiente f, std::string_view testoCoeff,
                                                    const Scelte& scelte) {
    const FunzioneCoefficiente voluta = FunzioneDelModello(scelte.modello);
    const std::string modello = NomeModello(scelte.modello);
    if (voluta == FunzioneCoefficiente::G7 && !scelte.coppie.empty())
        return Rifiuto{"CAMBIA COEFFICIENTE!!",
                       "le coppie velocità-CB dell'elenco delle palle sono G1 e il modello " + modello +
                           " non le può usare; togliere \"usa le coppie velocità-CB\" o scegliere il modello "
                           "Punto materiale G1"};
    if (f == voluta) return std::nullopt;
    const std::string coeff(SenzaBianchi(testoCoeff));
    if (f == FunzioneCoefficiente::G1)
        return Rifiuto{"CAMBIA COEFFICIENTE!!",
                       "il coefficiente balistico " + coeff +
                           " è un G1 (viene dall'elenco delle palle, dal calcolo con due velocità o è stato "
                           "scritto per un modello G1) e il modello " + modello +
                           " vuole un coefficiente G7: con un G1 darebbe velocità ed energie troppo alte. "
                           "Scrivere il coefficiente G7 della palla nella finestra iniziale (File, Nuova palla) "
                           "o scegliere il modello Punto materiale G1"};
    return Rifiuto{"CAMBIA COEFFICIENTE!!",
                   "il coefficiente balistico " + coeff + " è stato scritto per il modello G7 e il modello " +
                       modello + " vuole un coefficiente G1. Scrivere il coefficiente G1 della palla nella "
                       "finestra iniziale (File, Nuova palla), sceglierla dall'elenco o tornare al modello "
                       "Punto materiale G7"};
}

// --- Names -------------------------------------------------------------------

const char* NomeModello(TipoModello m) {
    switch (m) {
        case TipoModello::G1: return "Punto materiale G1";
        case TipoModello::G7: return "Punto materiale G7";
        case TipoModello::Classico: break;
    }
    return "Classico (forma chiusa)";
}

std::string TestoModelloECoefficiente(const Scelte& scelte, double coefficiente, std::string_view sep) {
    return std::string(NomeModello(scelte.modello)) + ", C.B. " + NomeFunzione(FunzioneDelModello(scelte.modello)) +
           " " + (scelte.coppie.empty() ? FormattaNumero(coefficiente, "0.0#0", sep) : "dalle coppie velocità-CB");
}

std::string NomeUnita(UnitaCorrezione u) {
    switch (u) {
        case UnitaCorrezione::Cm100: return "cm/100 m";
        case UnitaCorrezione::Mrad: return "mrad";
        case UnitaCorrezione::Moa: return "MOA";
        case UnitaCorrezione::Nessuna: break;
    }
    return {};
}

double ClickPredefinito(UnitaCorrezione u) {
    switch (u) {
        case UnitaCorrezione::Cm100: return 1;
        case UnitaCorrezione::Mrad: return 0.1;
        case UnitaCorrezione::Moa: return 0.25;
        case UnitaCorrezione::Nessuna: break;
    }
    return 0;
}

double ClickDi(const Scelte& scelte) { return scelte.click.value_or(ClickPredefinito(scelte.unita)); }

}  // namespace rigata
