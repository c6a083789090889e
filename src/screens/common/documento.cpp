#include "documento.h"

#include "dialoghi.h"
#include "widget.h"

using namespace rigata;

namespace {

const QString kFiltri = QStringLiteral("File dati|*.dat|File di testo|*.txt|Tutti i file|*.*|");
const QString kTitoloConferma = QStringLiteral("Conferma salvataggio");

// The request a new document starts with: zero at 225 m, a table from 0 to
// 500 m every 20 m, 5 m/s of cross-wind, the sight 50 mm over the bore.
constexpr const char* kRichiestaIniziale[kCampiRichiesta] = {"225", "0", "500", "20", "5", "50"};

}  // namespace

Documento::Documento(Dialoghi& dialoghi, QObject* padre) : QObject(padre), dialoghi_(dialoghi) {
    for (int i = 0; i < kCampiRichiesta; ++i) campi_[static_cast<size_t>(kCampiIngresso + i)] = kRichiestaIniziale[i];
    for (int i = 0; i < 6; ++i) note_ << QString();
}

QString Documento::Testo(Campo campo) const { return Qs(campi_[static_cast<size_t>(Indice(campo))]); }

void Documento::ImpostaTesto(Campo campo, const QString& testo) {
    std::string& campoDati = campi_[static_cast<size_t>(Indice(campo))];
    const std::string nuovo = Std(testo);
    if (campoDati == nuovo) return;
    campoDati = nuovo;
    modificato_ = true;
}

void Documento::ImpostaOpzioni(const OpzioniFile& opzioni) {
    if (RigaOpzioni(opzioni) != RigaOpzioni(opzioni_)) modificato_ = true;
    opzioni_ = opzioni;
}

void Documento::ImpostaCoppie(std::vector<std::pair<double, double>> coppie) {
    if (coppie == opzioni_.modello.coppieVelocita) return;
    opzioni_.modello.coppieVelocita = std::move(coppie);
    emit coppieCambiate();
}

QStringList Documento::TestiRichiesta() const {
    QStringList testi;
    for (int i = kCampiIngresso; i < kNumeroCampi; ++i) testi << Qs(campi_[static_cast<size_t>(i)]);
    return testi;
}

void Documento::ImpostaNota(int indice, const QString& testo) {
    if (indice >= 0 && indice < note_.size()) note_[indice] = testo;
}

void Documento::setCurrentFile(const QString& percorso) {
    file_ = percorso;
    modificato_ = false;
}

void Documento::Apri(QWidget* padre) {
    // A save that fails stops the opening, so the changed data stay on the screen.
    if (modificato_ &&
        dialoghi_.Domanda(padre, kTitoloConferma,
                          QStringLiteral("Il testo è stato modificato.\nVuoi salvare le modifiche?")) &&
        SalvaConNome(padre) == EsitoSalvataggio::Fallito)
        return;
    const QString percorso = dialoghi_.ApriFile(padre, kFiltri, file_);
    if (percorso.isEmpty()) return;
    file_ = percorso;
    CampiDati campi;
    OpzioniFile opzioni;
    std::vector<std::string> avvisi;
    if (const auto errore = LeggiFileDati(Std(percorso), campi, opzioni, avvisi))
        return dialoghi_.Avviso(padre, QStringLiteral("FILE NON LEGGIBILE!!"), Qs(*errore));
    // The pairs come with the bullet, not with the file: they stay only for the same bullet.
    const auto stessaPalla = [&](Campo c) { return campi[static_cast<size_t>(Indice(c))] == campi_[static_cast<size_t>(Indice(c))]; };
    if (stessaPalla(Campo::Diametro) && stessaPalla(Campo::Peso) && stessaPalla(Campo::CoeffBalistico))
        opzioni.modello.coppieVelocita = opzioni_.modello.coppieVelocita;
    const bool coppie = opzioni.modello.coppieVelocita != opzioni_.modello.coppieVelocita;
    campi_ = campi;
    opzioni_ = opzioni;
    emit campiCaricati();
    if (coppie) emit coppieCambiate();
    setCurrentFile(percorso);
    // The file is open with all it holds; what the second line could not give is told.
    if (!avvisi.empty()) {
        QString testo = QStringLiteral("Il file %1 è stato aperto, ma nella seconda riga:").arg(percorso);
        for (const auto& a : avvisi) testo += QStringLiteral("\n- ") + Qs(a);
        dialoghi_.Avviso(padre, QStringLiteral("ATTENZIONE!!"), testo);
    }
}

Documento::EsitoSalvataggio Documento::SalvaConNome(QWidget* padre) {
    const QString percorso = dialoghi_.SalvaFile(padre, kFiltri, file_);
    if (percorso.isEmpty()) return EsitoSalvataggio::Annullato;
    file_ = percorso;
    // The twelve texts and the choices, each checked before anything is written.
    if (const auto errore = ScriviFileDati(Std(percorso), campi_, opzioni_)) {
        dialoghi_.Avviso(padre, QStringLiteral("SALVATAGGIO NON RIUSCITO!!"), Qs(*errore));
        return EsitoSalvataggio::Fallito;
    }
    setCurrentFile(percorso);
    return EsitoSalvataggio::Salvato;
}

void Documento::maybeSave(QWidget* padre) {
    // A save that fails asks again: leaving never loses the data silently.
    while (modificato_ &&
           dialoghi_.Domanda(padre, kTitoloConferma,
                             QStringLiteral("Non esiste o è stato modificato il file dei dati impostati.\n"
                                            "Vuoi salvare le modifiche in un file?")))
        if (SalvaConNome(padre) != EsitoSalvataggio::Fallito) break;
}
