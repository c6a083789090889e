#include "elenco.h"

#include "numeri.h"

namespace rigata {

namespace {

bool Continuazione(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

size_t Caratteri(std::string_view testo) {
    size_t n = 0;
    for (char c : testo) n += Continuazione(c) ? 0 : 1;
    return n;
}

// The first n characters of a UTF-8 text.
std::string_view PrimiCaratteri(std::string_view testo, size_t n) {
    size_t fine = 0;
    for (size_t contati = 0; fine < testo.size(); ++fine) {
        if (!Continuazione(testo[fine]) && contati++ == n) break;
    }
    return testo.substr(0, fine);
}

// The last n characters of a UTF-8 text.
std::string_view UltimiCaratteri(std::string_view testo, size_t n) {
    size_t inizio = testo.size();
    for (size_t contati = 0; inizio > 0 && contati < n;) {
        --inizio;
        if (!Continuazione(testo[inizio])) ++contati;
    }
    return testo.substr(inizio);
}

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

// Writes one value from its start column (1-based), cut to its width.
void Scrivi(std::string& riga, size_t& colonna, size_t inizio, size_t larghezza, std::string_view valore) {
    riga.append(inizio - colonna, ' ');
    const std::string_view tenuto = PrimiCaratteri(valore, larghezza);
    riga += tenuto;
    riga.append(larghezza - Caratteri(tenuto), ' ');
    colonna = inizio + larghezza;
}

}  // namespace

std::string FormattaRigaElenco(std::string_view diametro, std::string_view unitaDiametro,
                               std::string_view peso, std::string_view unitaPeso,
                               std::string_view marca, std::string_view tipoPalla,
                               std::string_view cbStd, const std::array<std::string_view, 8>& coppie) {
    std::string riga;
    riga.reserve(kLunghezzaRigaElenco + 16);
    size_t colonna = 1;
    Scrivi(riga, colonna, 1, 9, std::string(diametro) + std::string(unitaDiametro));
    Scrivi(riga, colonna, 10, 7, std::string(peso) + std::string(unitaPeso));
    Scrivi(riga, colonna, 18, 7, marca);
    Scrivi(riga, colonna, 26, 20, tipoPalla);
    Scrivi(riga, colonna, 48, 7, cbStd);
    for (size_t m = 0; m < coppie.size(); ++m) Scrivi(riga, colonna, 55 + 7 * m, 7, coppie[m]);
    riga.append(kLunghezzaRigaElenco + 1 - colonna, ' ');
    return riga;
}

std::string ConvertiVelocita(std::string_view velocita) {
    if (velocita.empty()) return {};
    return FormattaNumero(CifreIniziali(velocita) * 0.3048, "####.0");
}

UnitaElenco ConvertiUnitaElenco(bool metrico, std::string& diametro, std::string& peso,
                                std::array<std::string, 4>& velocita) {
    if (!metrico) return {"\"", "gr"};
    if (LeggiNumero(diametro) > 0) {
        // The last three characters are the thousandths of an inch.
        const double pollici = LeggiNumero(UltimiCaratteri(diametro, 3)) / 1000;
        diametro = FormattaNumero(pollici * 25.4, "###.#0");
    }
    peso = FormattaNumero(LeggiNumero(peso) * 0.0648, "#0.#0");
    for (auto& v : velocita) v = ConvertiVelocita(v);
    return {"mm", "g"};
}

std::string RigaElenco(const RigaCatalogo& riga, bool metrico) {
    std::string diametro = riga[kDiametro], peso = riga[kPeso];
    std::array<std::string, 4> velocita = {riga[kVelocita1], riga[kVelocita2], riga[kVelocita3], riga[kVelocita4]};
    const UnitaElenco unita = ConvertiUnitaElenco(metrico, diametro, peso, velocita);
    return FormattaRigaElenco(diametro, unita.diametro, peso, unita.peso, riga[kMarca], riga[kTipoPalla],
                              riga[kCBStd],
                              {velocita[0], riga[kCB1], velocita[1], riga[kCB2], velocita[2], riga[kCB3],
                               velocita[3], riga[kCB4]});
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
    const std::string vuoto(7, ' ');
    return FormattaRigaElenco("0.243", "\"   ", "95", "gr   ", "Nosler   ", "BTsb" + std::string(18, ' '),
                              "0.379  ", {vuoto, vuoto, vuoto, vuoto, vuoto, vuoto, vuoto, vuoto});
}

}  // namespace rigata
