// The columns after the layout's eight.
#include "colonne.h"

#include "casi.h"

using namespace rigata;

namespace {

// Every extra column in order, and which of them the compact grid shows.
TEST(ColonneAggiunte, OrdineEGriglia) {
    Scelte s;
    s.unita = UnitaCorrezione::Moa;
    s.pendio = -12.5;
    std::vector<std::string> intestazioni;
    std::vector<bool> griglia;
    const ColonneAggiunte colonne(s, ",");
    for (const ColonnaAggiunta& c : colonne.Colonne()) {
        intestazioni.push_back(c.intestazione);
        griglia.push_back(c.griglia);
    }
    EXPECT_EQ(intestazioni, (std::vector<std::string>{"Correzione (MOA)", "Correzione (click)",
                                                      "Correzione vento (MOA)", "Correzione vento (click)",
                                                      "Scarto a -12.5° (cm)"}));
    EXPECT_EQ(griglia, (std::vector<bool>{false, true, false, true, true}));
    EXPECT_TRUE(ColonneAggiunte(Scelte{}, ".").Colonne().empty());
}

}  // namespace
