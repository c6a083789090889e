#include "elenco.h"

#include <cmath>

#include "caratteri.h"
#include "costanti.h"
#include "numeri.h"

namespace rigata {

namespace {

// Leading digits with at most one point; reading stops at anything else.
double CifreIniziali(std::string_view testo) {
    size_t fine = 0;
    bool punto = false;
    for (; fine < testo.size(); ++fine) {
        const char c = testo[fine];
        if (c == '.' && !punto)
            punto = true;
        else if (c < '0' || c > '9')
            break;
    }
    return LeggiNumero(testo.substr(0, fine));
}

// Writes one field from its first column, cut to its width; colonna is the
// column after what is written so far.
void Scrivi(std::string& riga, size_t& colonna, int campo, std::string_view valore) {
    const ColonnaElenco c = kColonneElenco[static_cast<size_t>(campo)];
    riga.append(c.inizio - colonna, ' ');
    const std::string_view tenuto = PrimiCaratteri(valore, c.larghezza);
    riga += tenuto;
    riga.append(c.larghezza - Caratteri(tenuto), ' ');
    colonna = c.inizio + c.larghezza;
}

// A field without the unit mark the writer put after its value.
std::string SenzaUnita(std::string_view riga, CampoElenco campo, std::string_view unita) {
    const std::string campoIntero = CampoRigaElenco(riga, campo);
    std::string_view testo = campoIntero;
    if (testo.size() >= unita.size() && testo.substr(testo.size() - unita.size()) == unita)
        testo.remove_suffix(unita.size());
    return std::string(SenzaSpazi(testo));
}

}  // namespace

std::string FormattaRigaElenco(std::string_view diametro, std::string_view unitaDiametro,
                               std::string_view peso, std::string_view unitaPeso,
                               std::string_view marca, std::string_view tipoPalla,
                               std::string_view cbStd, const std::array<std::string_view, 8>& coppie) {
    std::string riga;
    riga.reserve(kLunghezzaRigaElenco + 16);
    size_t colonna = 1;
    Scrivi(riga, colonna, kCampoDiametro, std::string(diametro) + std::string(unitaDiametro));
    Scrivi(riga, colonna, kCampoPeso, std::string(peso) + std::string(unitaPeso));
    Scrivi(riga, colonna, kCampoMarca, marca);
    Scrivi(riga, colonna, kCampoTipo, tipoPalla);
    Scrivi(riga, colonna, kCampoCBStd, cbStd);
    for (size_t m = 0; m < coppie.size(); ++m) Scrivi(riga, colonna, kCampoCoppie + static_cast<int>(m), coppie[m]);
    riga.append(kLunghezzaRigaElenco + 1 - colonna, ' ');
    return riga;
}

std::string ConvertiVelocita(std::string_view velocita) {
    if (velocita.empty()) return {};
    return FormattaNumero(CifreIniziali(velocita) * kMetriPerPiede, "####.0");
}

UnitaElenco ConvertiUnitaElenco(bool metrico, std::string& diametro, std::string& peso,
                                std::array<std::string, 4>& velocita) {
    if (!metrico) return UnitaDiElenco(false);
    if (LeggiNumero(diametro) > 0) {
        // The last three characters are the thousandths of an inch.
        const double pollici = LeggiNumero(UltimiCaratteri(diametro, 3)) / 1000;
        diametro = FormattaNumero(pollici * kMmPerPollice, "###.#0");
    }
    peso = FormattaNumero(LeggiNumero(peso) * kGrammiPerGrain, "#0.#0");
    for (auto& v : velocita) v = ConvertiVelocita(v);
    return UnitaDiElenco(true);
}

UnitaElenco UnitaDiElenco(bool metrico) { return metrico ? UnitaElenco{"mm", "g"} : UnitaElenco{"\"", "gr"}; }

std::string RigaElenco(const RigaCatalogo& riga, bool metrico) {
    std::string diametro = riga[kDiametro], peso = riga[kPeso];
    std::array<std::string, 4> velocita = {riga[kVelocita1], riga[kVelocita2], riga[kVelocita3], riga[kVelocita4]};
    const UnitaElenco unita = ConvertiUnitaElenco(metrico, diametro, peso, velocita);
    return FormattaRigaElenco(diametro, unita.diametro, peso, unita.peso, riga[kMarca], riga[kTipoPalla],
                              riga[kCBStd],
                              {velocita[0], riga[kCB1], velocita[1], riga[kCB2], velocita[2], riga[kCB3],
                               velocita[3], riga[kCB4]});
}

std::string CampoRigaElenco(std::string_view riga, CampoElenco campo) {
    const ColonnaElenco c = kColonneElenco[static_cast<size_t>(campo)];
    return std::string(SenzaSpazi(PrimiCaratteri(DaCarattere(riga, c.inizio - 1), c.larghezza)));
}

PallaScelta LeggiRigaElenco(std::string_view riga, bool metrico) {
    PallaScelta p;
    const UnitaElenco unita = UnitaDiElenco(metrico);
    p.diametro = SenzaUnita(riga, kCampoDiametro, unita.diametro);
    p.peso = SenzaUnita(riga, kCampoPeso, unita.peso);
    if (metrico) {
        // Thousandths of an inch, halves to even, written with three decimals
        // (also below 0.100 inch, where "0." and the thousandths would be wrong).
        const double millesimi = std::nearbyint(LeggiNumero(p.diametro) / (kMmPerPollice / 1000));
        p.diametro = FormattaNumero(millesimi / 1000, "0.##0");
        p.peso = FormattaNumero(LeggiNumero(p.peso) / kGrammiPerGrain, "###");
    }
    p.cbStd = CampoRigaElenco(riga, kCampoCBStd);
    for (int i = 0; i < 4; ++i) {
        p.velocita[static_cast<size_t>(i)] = CampoRigaElenco(riga, static_cast<CampoElenco>(kCampoCoppie + 2 * i));
        p.cb[static_cast<size_t>(i)] = CampoRigaElenco(riga, static_cast<CampoElenco>(kCampoCoppie + 2 * i + 1));
    }
    return p;
}

std::vector<std::string> ElencaCatalogo(Catalogo& catalogo, bool metrico, const std::string& rigaDaRiselezionare) {
    std::vector<std::string> righe;
    righe.reserve(catalogo.Righe.size());
    for (const auto& riga : catalogo.Righe) {
        righe.push_back(RigaElenco(riga, metrico));
        if (righe.back() == rigaDaRiselezionare)
            catalogo.IndicePallaDefault = static_cast<int16_t>(righe.size() - 1);
    }
    return righe;
}

std::string RigaPallaDefaultSAE() {
    RigaCatalogo riga;
    riga[kMarca] = "Nosler", riga[kDiametro] = "0.243", riga[kPeso] = "95", riga[kTipoPalla] = "BTsb";
    riga[kCBStd] = "0.379";
    return RigaElenco(riga, false);
}

}  // namespace rigata
