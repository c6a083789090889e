// What the user has typed, apart from any screen: the twelve texts of the data
// line, the model's extra inputs, the cartridge notes of the report, the unit
// mode of the catalogue list, the current data file and whether the texts
// changed since that file was opened or saved. The screens show it and push
// their edits into it; opening and saving a data file are its operations.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

#include "campi.h"
#include "rigadati.h"
#include "scelte.h"

class Dialoghi;
class QWidget;

class Documento : public QObject {
    Q_OBJECT
public:
    enum class Unita { SAE, Metrico };
    enum class EsitoSalvataggio { Salvato, Annullato, Fallito };

    explicit Documento(Dialoghi& dialoghi, QObject* padre = nullptr);

    // The twelve texts, in the order of the data line.
    const rigata::CampiDati& Campi() const { return campi_; }
    QString Testo(rigata::Campo campo) const;
    // A screen's edit: the document is changed when the text differs.
    void ImpostaTesto(rigata::Campo campo, const QString& testo);
    QStringList TestiRichiesta() const;
    // A text the program puts in the user's place (the trued velocity, or
    // the one it replaced): as ImpostaTesto, and campiCaricati tells the
    // screens that show it.
    void SostituisciTesto(rigata::Campo campo, const QString& testo);

    // The choices beyond the twelve texts (scelte.h), saved on the data
    // file's second line.
    const rigata::Scelte& Opzioni() const { return scelte_; }
    // A screen's edit of one choice, as typed, read through the choice's
    // reader: the value taken (the document changed when what is saved
    // differs), or the refusal kept until the text is mended and returned.
    // Either way scelteCambiate tells the screens.
    std::optional<rigata::Rifiuto> ImpostaScelta(rigata::Scelta scelta, const QString& testo);
    // The refusal still standing of the first choice (in the order of the
    // table) that counts for the screen; nothing when every typed choice
    // was taken.
    std::optional<rigata::Rifiuto> SceltaRifiutata() const;

    // The velocity pairs (m/s, coefficient) of the bullet picked from the
    // catalogue, empty for a bullet typed by hand. They are what "use the
    // pairs" puts into the choices; by themselves they are not saved.
    const std::vector<rigata::CoppiaVelocita>& CoppiePalla() const { return coppiePalla_; }
    // A bullet picked from the catalogue: its pairs, and its coefficient is G1.
    void ImpostaPallaScelta(std::vector<rigata::CoppiaVelocita> coppie);
    // A coefficient computed from two velocities: G1.
    void CoefficienteCalcolato();
    // The bullet typed by hand: no pairs; a typed coefficient belongs to the
    // model in force.
    void PallaDigitata(bool coefficiente);
    // The drag function of the coefficient in force.
    rigata::FunzioneCoefficiente FunzioneCoefficiente() const { return funzione_; }
    // The coefficient's function against the model chosen (ControllaFunzioneCoefficiente).
    std::optional<rigata::Rifiuto> ControllaCoefficiente() const;

    // The six free notes on the cartridge (calibre, powder, charge, primer,
    // case length, overall length), printed with the table; not saved.
    const QStringList& NoteCartuccia() const { return note_; }
    void ImpostaNota(int indice, const QString& testo);

    Unita UnitaMisura() const { return unita_; }
    void ImpostaUnita(Unita unita) { unita_ = unita; }

    bool isWindowModified() const { return modificato_; }
    void setWindowModified(bool modificato) { modificato_ = modificato; }
    const QString& FileCorrente() const { return file_; }
    void setCurrentFile(const QString& percorso);

    // File > Apri: after "save first?", the file dialog; the file's twelve
    // texts and choices replace the document's (campiCaricati tells the
    // screens); what the second line could not give is told in one warning.
    // The picked bullet's pairs are kept when the file's bullet is the same.
    void Apri(QWidget* padre);
    // File > Salva con nome: the file dialog, then the twelve texts and the
    // choices written.
    EsitoSalvataggio SalvaConNome(QWidget* padre);
    // Before leaving: while the texts changed since the last save or opening,
    // asks whether to save them and saves; a failed save asks again.
    void maybeSave(QWidget* padre);

signals:
    // The texts were replaced by the program (a data file opened, a velocity trued).
    void campiCaricati();
    // A choice was typed (taken or refused), or the choices were replaced.
    void scelteCambiate();
    // The picked bullet or the coefficient's function changed.
    void pallaCambiata();

private:
    Dialoghi& dialoghi_;
    rigata::CampiDati campi_;
    rigata::Scelte scelte_;
    std::map<rigata::Scelta, rigata::Rifiuto> rifiuti_;  // the choices typed and refused
    std::vector<rigata::CoppiaVelocita> coppiePalla_;
    rigata::FunzioneCoefficiente funzione_ = rigata::FunzioneCoefficiente::G1;
    QStringList note_;
    Unita unita_ = Unita::SAE;
    bool modificato_ = false;
    QString file_;
};
