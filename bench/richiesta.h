// Benchmarks: typing a table request without the screen's boxes.
#pragma once

#include <QStringList>

#include "campi.h"
#include "documento.h"

// The six request texts typed into the document, in the order of the data line.
inline void ImpostaRichiesta(Documento& doc, const QStringList& testi) {
    for (const rigata::DefinizioneCampo& c : rigata::kCampi)
        if (c.gruppo == rigata::GruppoCampo::Richiesta) doc.ImpostaTesto(c.campo, testi.value(rigata::IndiceNelGruppo(c.campo)));
}
