// What the user has typed, apart from any screen: the twelve texts of the data
// line, the model's extra inputs, the cartridge notes of the report, the unit
// mode of the catalogue list, the current data file and whether the texts
// changed since that file was opened or saved. The screens show it and push
// their edits into it; opening and saving a data file are its operations.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "campi.h"
#include "rigadati.h"
#include "rigaopzioni.h"
#include "traiettoria.h"

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

    // The choices beyond the twelve texts (the model's inputs, the hunter's
    // band, thresholds and scope unit), saved on the data file's second line.
    const rigata::OpzioniFile& Opzioni() const { return opzioni_; }
    const rigata::DatiModello& Modello() const { return opzioni_.modello; }
    const rigata::DatiCartellino& Cartellino() const { return opzioni_.cartellino; }
    // A screen's edit: the document is changed when what is saved differs.
    void ImpostaOpzioni(const rigata::OpzioniFile& opzioni);
    // The velocity pairs (m/s, coefficient) of the bullet picked from the
    // catalogue, empty for a bullet typed by hand; they do not change the
    // document (they are not saved).
    void ImpostaCoppie(std::vector<std::pair<double, double>> coppie);

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
    // The texts were replaced as a whole (a data file opened).
    void campiCaricati();
    // The picked bullet's velocity pairs changed.
    void coppieCambiate();

private:
    Dialoghi& dialoghi_;
    rigata::CampiDati campi_;
    rigata::OpzioniFile opzioni_;
    QStringList note_;
    Unita unita_ = Unita::SAE;
    bool modificato_ = false;
    QString file_;
};
