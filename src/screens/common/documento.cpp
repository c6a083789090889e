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

void Documento::SostituisciTesto(Campo campo, const QString& testo) {
    ImpostaTesto(campo, testo);
    emit campiCaricati();
}

std::optional<Rifiuto> Documento::ImpostaScelta(Scelta scelta, const QString& testo) {
    Scelte nuove = scelte_;
    auto rifiuto = CambiaScelta(scelta, Std(testo), nuove);
    if (rifiuto) {
        rifiuti_[scelta] = *rifiuto;
    } else {
        rifiuti_.erase(scelta);
        if (RigaOpzioni(nuove) != RigaOpzioni(scelte_)) modificato_ = true;
        scelte_ = std::move(nuove);
    }
    emit scelteCambiate();
    return rifiuto;
}

std::optional<Rifiuto> Documento::SceltaRifiutata() const {
    for (const auto& [scelta, rifiuto] : rifiuti_)
        if (!NonConta(scelta, scelte_, UsoScelte::Schermo)) return rifiuto;
    return std::nullopt;
}

void Documento::ImpostaPallaScelta(std::vector<CoppiaVelocita> coppie) {
    coppiePalla_ = std::move(coppie);
    funzione_ = FunzioneCoefficiente::G1;
    emit pallaCambiata();
}

void Documento::CoefficienteCalcolato() {
    funzione_ = FunzioneCoefficiente::G1;
    emit pallaCambiata();
}

void Documento::PallaDigitata(bool coefficiente) {
    coppiePalla_.clear();
    if (coefficiente) funzione_ = FunzioneDelModello(scelte_.modello);
    emit pallaCambiata();
}

std::optional<Rifiuto> Documento::ControllaCoefficiente() const {
    return ControllaFunzioneCoefficiente(funzione_, campi_[static_cast<size_t>(Indice(Campo::CoeffBalistico))],
                                         scelte_);
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
    Scelte opzioni;
    std::vector<std::string> avvisi;
    if (const auto errore = LeggiFileDati(Std(percorso), campi, opzioni, avvisi))
        return dialoghi_.Avviso(padre, QStringLiteral("FILE NON LEGGIBILE!!"), Qs(*errore));
    // The picked bullet's pairs stay only while the file's bullet is that one.
    const auto stessa = [&](Campo c) { return campi[static_cast<size_t>(Indice(c))] == campi_[static_cast<size_t>(Indice(c))]; };
    if (!stessa(Campo::Diametro) || !stessa(Campo::Peso) || !stessa(Campo::CoeffBalistico)) coppiePalla_.clear();
    campi_ = campi;
    scelte_ = opzioni;
    rifiuti_.clear();
    // The file's coefficient belongs to the model it was saved with.
    funzione_ = FunzioneDelModello(scelte_.modello);
    emit campiCaricati();
    emit pallaCambiata();
    emit scelteCambiate();
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
    if (const auto errore = ScriviFileDati(Std(percorso), campi_, scelte_)) {
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
