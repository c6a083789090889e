#include "programma.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include "catalogoutente.h"
#include "dialoghi.h"
#include "elenco.h"
#include "file.h"
#include "frmAvvio.h"
#include "frmInputDatiTraiet.h"
#include "frmOpzioni.h"

namespace {

// An environment variable as the system holds it (bytes), or null when unset.
const char* Variabile(const char* nome, QByteArray& valore) {
    if (!qEnvironmentVariableIsSet(nome)) return nullptr;
    valore = qgetenv(nome);
    return valore.constData();
}

}  // namespace

Programma::Programma(const QString& cartella, Dialoghi& dialoghi)
    : Programma(QFile::encodeName(cartella).toStdString(), dialoghi) {}

Programma::Programma(const std::string& cartellaFile, Dialoghi& dialoghi)
    : cartellaFile_(cartellaFile),
      dialoghi_(dialoghi), documento_(dialoghi) {
    QByteArray xdg, casa;
    catalogoUtente_ = rigata::PercorsoCatalogoUtente(Variabile("XDG_DATA_HOME", xdg), Variabile("HOME", casa));
}

Programma::~Programma() {
    inChiusura_ = true;
    delete nuovaPalla_;
    delete calcolatore_;
    delete opzioni_;
    delete traiettorie_;
    delete avvio_;
}

QString Programma::Separatore() const { return QLocale().decimalPoint(); }

// ---- the catalogue's files ----

rigata::EsitoCaricamento Programma::CaricaCatalogo() {
    const std::string& consegnato = rigata::ImpostaPercorsiCatalogo(catalogo_, cartellaFile_);
    const rigata::EsitoCaricamento esito = rigata::CaricaCatalogoUnito(catalogo_, consegnato, catalogoUtente_);
    righeConsegnate_ = esito.righeConsegnate;
    return esito;
}

rigata::DestinazionePalla Programma::CatalogoPerMemorizzare() {
    return rigata::DoveMemorizzare(rigata::ImpostaPercorsiCatalogo(catalogo_, cartellaFile_), catalogoUtente_,
                                   righeConsegnate_);
}

void Programma::AvvisaCatalogoUtente(QWidget* padre) {
    dialoghi_.Avviso(padre, QStringLiteral("ARCHIVIO PERSONALE"),
                     QStringLiteral("Le palle che memorizzi sono salvate nel tuo archivio personale:\n\n%1\n\n"
                                    "L'elenco della finestra iniziale le mostra insieme a quelle fornite con il "
                                    "programma, che restano com'erano.")
                         .arg(QFile::decodeName(QByteArray::fromStdString(catalogoUtente_))));
}

void Programma::Main() {
    // Every start lists the catalogue in SAE units, around the default bullet's SAE line.
    documento_.ImpostaUnita(Documento::Unita::SAE);
    catalogo_.RigaPallaDefault = rigata::RigaPallaDefaultSAE();
    frmAvvio* avvio = Avvio();
    avvio->show();
    avvio->CaricaEdElenca();
}

frmOpzioni* Programma::Opzioni() const { return opzioni_; }
Schermo* Programma::Calcolatore() const { return calcolatore_; }
Schermo* Programma::NuovaPalla() const { return nuovaPalla_; }

frmAvvio* Programma::Avvio() {
    if (!avvio_) avvio_ = new frmAvvio(*this);
    return avvio_;
}

frmInputDatiTraiet* Programma::Traiettorie() {
    if (!traiettorie_) traiettorie_ = new frmInputDatiTraiet(*this);
    return traiettorie_;
}

void Programma::MostraAvvio() {
    frmAvvio* avvio = Avvio();
    avvio->show();
    avvio->raise();
    avvio->activateWindow();
}

void Programma::NascondiAvvio() {
    if (avvio_) avvio_->hide();
}

void Programma::MostraOpzioni() {
    if (!opzioni_) opzioni_ = new frmOpzioni(*this);
    opzioni_->show();
    opzioni_->raise();
    opzioni_->activateWindow();
}

void Programma::Chiudi(QPointer<Schermo>& schermo) {
    if (!schermo) return;
    Schermo* s = schermo;
    schermo = nullptr;
    s->hide();
    s->deleteLater();
}

void Programma::ChiudiOpzioni() {
    QPointer<Schermo> s = opzioni_.data();
    opzioni_ = nullptr;
    Chiudi(s);
}

void Programma::MostraTraiettorie() {
    ChiudiOpzioni();
    frmInputDatiTraiet* t = Traiettorie();
    t->show();
    t->raise();
    t->activateWindow();
    t->MostraDatiProiettile();
}

void Programma::NascondiTraiettorie() {
    if (traiettorie_) traiettorie_->hide();
}

void Programma::ApriCalcolatore(TipoCalcolatore tipo) {
    ChiudiOpzioni();
    Chiudi(calcolatore_);
    calcolatore_ = CreaCalcolatore(tipo);
    if (calcolatore_) calcolatore_->show();
}

void Programma::ChiudiCalcolatore() { Chiudi(calcolatore_); }

Schermo* Programma::ApriNuovaPalla() {
    Chiudi(nuovaPalla_);
    nuovaPalla_ = CreaNuovaPalla();
    if (nuovaPalla_) nuovaPalla_->show();
    return nuovaPalla_;
}

void Programma::ChiudiNuovaPalla() {
    Chiudi(nuovaPalla_);
}

void Programma::Lascia(Schermo* schermo) {
    if (schermo == opzioni_.data())
        ChiudiOpzioni();
    else if (schermo == calcolatore_.data())
        ChiudiCalcolatore();
    else if (schermo == nuovaPalla_.data())
        ChiudiNuovaPalla();
    else if (schermo == traiettorie_.data())
        NascondiTraiettorie();
    else if (schermo == avvio_.data())
        NascondiAvvio();
}

void Programma::VaiAdAvvio(Schermo* da) {
    Lascia(da);
    MostraAvvio();
}

void Programma::VaiAOpzioni(Schermo* da) {
    Lascia(da);
    MostraOpzioni();
}

void Programma::Riavvia() {
    ChiudiNuovaPalla();
    QPointer<Schermo> avvio = avvio_.data();
    avvio_ = nullptr;
    Chiudi(avvio);
    Main();
}

void Programma::Esci() {
    documento_.maybeSave(Avvio());
    Termina();
}

void Programma::Termina() {
    inChiusura_ = true;
    for (QPointer<Schermo> s : {nuovaPalla_, calcolatore_,
                                QPointer<Schermo>(opzioni_.data()), QPointer<Schermo>(traiettorie_.data()),
                                QPointer<Schermo>(avvio_.data())})
        if (s) s->hide();
    emit terminato();
    QCoreApplication::quit();
}
