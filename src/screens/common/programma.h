// The program: owns the shot record, the catalogue, the dialogs and the one
// instance of each screen, and is the one place that creates, shows, hides
// and closes screens. "Closing" a screen deletes it (the next opening builds
// it afresh with its design-time texts); "hiding" keeps it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <string>

#include "catalogo.h"
#include "schermo.h"
#include "shotdata.h"

class Dialoghi;
class Schermo;
class frmAvvio;
class frmOpzioni;
class frmInputDatiTraiet;

enum class TipoCalcolatore { Legno, Ferro, Osso, Uomo, Canna };

class Programma : public QObject {
    Q_OBJECT
public:
    // cartella: the program's folder, where the catalogue lives.
    Programma(const QString& cartella, Dialoghi& dialoghi);
    // The folder as the system's bytes (any name, valid UTF-8 or not).
    Programma(const std::string& cartellaFile, Dialoghi& dialoghi);
    ~Programma() override;

    rigata::ShotData& Dati() { return dati_; }
    rigata::Catalogo& Cat() { return catalogo_; }
    Dialoghi& Dlg() { return dialoghi_; }
    const QString& Cartella() const { return cartella_; }  // for showing
    const std::string& CartellaFile() const { return cartellaFile_; }  // for the core's file functions
    // The decimal separator of the user's locale, for every number shown.
    QString Separatore() const;

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

    // Moves between screens.
    void MostraAvvio();
    void NascondiAvvio();
    void MostraOpzioni();      // builds the options screen afresh when it was closed
    void ChiudiOpzioni();
    void MostraTraiettorie();  // from the options screen: refreshes the six labels
    void NascondiTraiettorie();
    void ApriCalcolatore(TipoCalcolatore tipo);  // closes the options screen
    void ChiudiCalcolatore();
    void ApriNuovaPalla();
    void ChiudiNuovaPalla();
    // Uses newly stored bullets: closes the new-bullet and start screens and runs start-up again.
    void Riavvia();

    // Ends the program at once: every screen goes, nothing is asked.
    void Termina();
    bool InChiusura() const { return inChiusura_; }

signals:
    void terminato();

private:
    void Chiudi(QPointer<Schermo>& schermo);
    // Built afresh at every opening (defined with the screens they build).
    Schermo* CreaCalcolatore(TipoCalcolatore tipo);
    Schermo* CreaNuovaPalla();

    QString cartella_;
    std::string cartellaFile_;
    Dialoghi& dialoghi_;
    rigata::ShotData dati_;
    rigata::Catalogo catalogo_;
    QPointer<frmAvvio> avvio_;
    QPointer<frmOpzioni> opzioni_;
    QPointer<frmInputDatiTraiet> traiettorie_;
    QPointer<Schermo> calcolatore_;
    QPointer<Schermo> nuovaPalla_;
    bool inChiusura_ = false;
};
