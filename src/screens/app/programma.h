// The program: owns the shot record, the catalogue, the dialogs and the one
// instance of each screen, and is the one place that creates, shows, hides
// and closes screens. "Closing" a screen deletes it (the next opening builds
// it afresh with its design-time texts); "hiding" keeps it. Screens reach it
// through Navigazione only.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <string>

#include "catalogo.h"
#include "catalogoutente.h"
#include "documento.h"
#include "navigazione.h"
#include "schermo.h"
#include "shotdata.h"

class Dialoghi;
class QWidget;
class Schermo;
class frmAvvio;
class frmOpzioni;
class frmInputDatiTraiet;

class Programma : public QObject, public Navigazione {
    Q_OBJECT
public:
    // cartella: the program's folder, where the catalogue lives.
    Programma(const QString& cartella, Dialoghi& dialoghi);
    // The folder as the system's bytes (any name, valid UTF-8 or not).
    Programma(const std::string& cartellaFile, Dialoghi& dialoghi);
    ~Programma() override;

    rigata::ShotData& Dati() override { return dati_; }
    Documento& Doc() override { return documento_; }
    rigata::Catalogo& Cat() override { return catalogo_; }
    Dialoghi& Dlg() override { return dialoghi_; }
    QString Separatore() const override;

    // The catalogue's files: the delivered one in the program's folder
    // (Cat().PercorsoCatalogo, set by every load and store), and the user's
    // own in his data folder (from XDG_DATA_HOME or HOME as the program found
    // them at start; none when neither is usable).
    // Loads both into Cat(): the delivered rows, then the user's.
    rigata::EsitoCaricamento CaricaCatalogo() override;
    // Where the next stored bullet goes: the delivered catalogue when this
    // user may write it and its folder and it is not a package's, otherwise
    // his own (its folder made where missing).
    rigata::DestinazionePalla CatalogoPerMemorizzare() override;
    void AvvisaCatalogoUtente(QWidget* padre) override;

    // Start-up: the default bullet's line, the start screen shown, the
    // catalogue loaded, sorted and listed, the default bullet selected.
    void Main();

    // The screens. Avvio and Traiettorie are created on first use (the
    // trajectory screen hidden) and afterwards only hidden and shown.
    frmAvvio* Avvio();
    frmInputDatiTraiet* Traiettorie();
    frmOpzioni* Opzioni() const;     // null while closed
    Schermo* Calcolatore() const;    // the open calculator, or null
    Schermo* NuovaPalla() const;        // the new-bullet screen, or null

    // Moves between screens (Navigazione).
    void NascondiAvvio() override;
    void MostraTraiettorie() override;
    void ApriCalcolatore(TipoCalcolatore tipo) override;
    Schermo* ApriNuovaPalla() override;
    void VaiAdAvvio(Schermo* da) override;
    void VaiAOpzioni(Schermo* da) override;
    void Riavvia() override;

    // The way out of the program (the start screen's "<  Uscita" and the Esci
    // entries of the start, options and trajectory screens): while the data
    // changed since the last save or opening, asks whether to save them and
    // saves (a failed save asks again, Documento::maybeSave); then ends the program.
    void Esci() override;
    // Ends the program at once: every screen goes, nothing is asked.
    void Termina() override;
    bool InChiusura() const override { return inChiusura_; }

signals:
    void terminato();

private:
    void MostraAvvio();
    void MostraOpzioni();  // builds the options screen afresh when it was closed
    void ChiudiOpzioni();
    void NascondiTraiettorie();
    void ChiudiCalcolatore();
    void ChiudiNuovaPalla();
    void Chiudi(QPointer<Schermo>& schermo);
    void Lascia(Schermo* schermo);
    // Built afresh at every opening (programma_schermi.cpp).
    Schermo* CreaCalcolatore(TipoCalcolatore tipo);
    Schermo* CreaNuovaPalla();

    std::string cartellaFile_;
    std::string catalogoUtente_;
    int righeConsegnate_ = 0;  // of the last load
    Dialoghi& dialoghi_;
    rigata::ShotData dati_;
    Documento documento_;
    rigata::Catalogo catalogo_;
    QPointer<frmAvvio> avvio_;
    QPointer<frmOpzioni> opzioni_;
    QPointer<frmInputDatiTraiet> traiettorie_;
    QPointer<Schermo> calcolatore_;
    QPointer<Schermo> nuovaPalla_;
    bool inChiusura_ = false;
};
