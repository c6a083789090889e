// The delivered catalogue, data/stdbulls.bc, against the tables it is built
// from, and its copy next to the executable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "../supporto/cartella.h"
#include "catalogo.h"
#include "elenco.h"
#include "nuovapalla.h"
#include "numeri.h"

using namespace rigata;

namespace {

const std::string kDati = RIGATA_DATI;

// The lines of a CSV table after its heading, split at the commas.
std::vector<std::vector<std::string>> Tabella(const std::string& nome, size_t colonne) {
    std::vector<std::vector<std::string>> righe;
    std::istringstream testo(prova::Leggi(kDati + "/" + nome));
    std::string linea;
    std::getline(testo, linea);  // the heading
    while (std::getline(testo, linea)) {
        std::vector<std::string> c;
        std::stringstream campi(linea);
        for (std::string campo; std::getline(campi, campo, ',');) c.push_back(campo);
        c.resize(colonne);
        righe.push_back(c);
    }
    return righe;
}

// A coefficient as the catalogue holds it: three decimals at most.
std::string TreDecimali(const std::string& cb) {
    return cb.size() > 5 ? FormattaNumero(LeggiNumero(cb), "0.000") : cb;
}

// The rows the generator means, from its source tables in their order:
// maker, diameter, weight, model (told apart or left out as varianti.csv
// says), the sectional density as the program computes it, the G1
// coefficient, then the pairs whose velocity is not 0.
std::vector<RigaCatalogo> RigheAttese() {
    std::map<std::vector<std::string>, std::string> varianti;
    for (auto& v : Tabella("varianti.csv", 6)) varianti[{v.begin(), v.begin() + 5}] = v[5];
    std::vector<RigaCatalogo> righe;
    for (const char* nome : {"bullets-g1.csv", "nosler-a-mano.csv"}) {
        for (const auto& c : Tabella(nome, 13)) {
            std::string tipo = c[3];
            if (const auto v = varianti.find({c.begin(), c.begin() + 5}); v != varianti.end()) {
                if (v->second.empty()) continue;
                tipo = v->second;
            }
            RigaCatalogo r{c[0], c[1], c[2], tipo, "0" + CalcolaCaricoSezionale(c[1].substr(1), c[2]), TreDecimali(c[4])};
            size_t colonna = kVelocita1;
            for (size_t n = 0; n < 4; ++n) {
                const std::string &v = c[5 + 2 * n], &cb = c[6 + 2 * n];
                if (v.empty() || v == "0") continue;
                r[colonna++] = v;
                r[colonna++] = TreDecimali(cb);
            }
            righe.push_back(r);
        }
    }
    return righe;
}

TEST(CatalogoConsegnato, OgniRigaSiRileggeComeVoluta) {
    Catalogo c;
    const EsitoCaricamento esito = LeggiFileCatalogo(c, kDati + "/stdbulls.bc");
    ASSERT_FALSE(esito.fileMancante);
    ASSERT_FALSE(esito.errore);
    EXPECT_EQ(esito.righeEscluse, 0);
    const auto attese = RigheAttese();
    ASSERT_GE(attese.size(), 752u + 30u);
    ASSERT_EQ(c.Righe.size(), attese.size());
    for (size_t r = 0; r < attese.size(); ++r) EXPECT_EQ(c.Righe[r], attese[r]) << "riga " << r + 1;
}

// A hunter can tell every bullet of the list from the others: no two rows
// with the same maker, diameter, weight and type, no coefficient with more
// than three decimals.
TEST(CatalogoConsegnato, NessunaPallaAmbigua) {
    Catalogo c;
    LeggiFileCatalogo(c, kDati + "/stdbulls.bc");
    ASSERT_GT(c.Righe.size(), 700u);
    std::set<std::array<std::string, 4>> chiavi;
    for (const RigaCatalogo& r : c.Righe) {
        EXPECT_TRUE(chiavi.insert({r[kMarca], r[kDiametro], r[kPeso], r[kTipoPalla]}).second)
            << r[kMarca] << " " << r[kDiametro] << " " << r[kPeso] << " " << r[kTipoPalla];
        for (size_t k : {kCBStd, kCB1, kCB2, kCB3, kCB4}) {
            const size_t punto = r[k].find('.');
            EXPECT_TRUE(r[k].empty() || (punto != std::string::npos && r[k].size() - punto - 1 <= 3))
                << r[kMarca] << " " << r[kDiametro] << " " << r[kPeso] << " " << r[k];
        }
    }
}

TEST(CatalogoConsegnato, SelezionaLaPallaDiDefault) {
    Catalogo c;
    LeggiFileCatalogo(c, kDati + "/stdbulls.bc");
    OrdinaCatalogo(c);
    const auto righe = ElencaCatalogo(c, false, RigaPallaDefaultSAE());
    ASSERT_EQ(std::count(righe.begin(), righe.end(), RigaPallaDefaultSAE()), 1);
    EXPECT_EQ(righe[static_cast<size_t>(c.IndicePallaDefault)], RigaPallaDefaultSAE());
    EXPECT_GT(c.IndicePallaDefault, 0);
}

// The build copies the catalogue next to the program only where none is.
TEST(CatalogoConsegnato, LaCopiaNonSovrascriveLePalleDellUtente) {
    prova::CartellaTemporanea cartella;
    const auto copia = [&](const std::string& destinazione) {
        const std::string comando = std::string("\"") + RIGATA_CMAKE + "\" -DORIGINE=\"" + kDati +
                                    "/stdbulls.bc\" -DDESTINAZIONE=\"" + destinazione + "\" -P \"" +
                                    RIGATA_COPIA_CATALOGO + "\"";
        return std::system(comando.c_str());
    };
    const std::string nuova = cartella.File("stdbulls.bc");
    ASSERT_EQ(copia(nuova), 0);
    EXPECT_EQ(prova::Leggi(nuova), prova::Leggi(kDati + "/stdbulls.bc"));

    prova::Scrivi(nuova, "Mia,.308,150,T,.226,.400\r\n");
    ASSERT_EQ(copia(nuova), 0);
    EXPECT_EQ(prova::Leggi(nuova), "Mia,.308,150,T,.226,.400\r\n");
}

}  // namespace
