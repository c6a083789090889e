// The trajectory screen: the table request, the bullet in use, free notes on
// the cartridge, the optimal zero distance and the range table, which can be
// printed. Created hidden the first time its fields are needed and afterwards
// only hidden and shown, so request, layout and table are kept.
#pragma once

#include <QStringList>

#include "calibrazione.h"
#include "campi.h"
#include "colonne.h"
#include "schermo.h"
#include "tabella.h"
#include "tabellacalcolata.h"

#include <optional>
#include <variant>

class QFrame;
class QLayout;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QTableView;
class AzioniTabella;
class ModelloTabella;
class OpzioneDoppioClick;
class PannelloDatiInForza;
class PannelloModello;

class frmInputDatiTraiet : public Schermo {
    Q_OBJECT
public:
    explicit frmInputDatiTraiet(Navigazione& programma);

    // The six labels of the bullet and place in force.
    void MostraDatiProiettile();

    // Computes and shows the table of the selected layout (a double click on
    // either option). False when the request or a choice was refused (told
    // in a message when conMessaggi).
    bool CalcolaTabella(bool conMessaggi = true);

    // Prints the report of the screen (request, bullet, notes, optimal zero,
    // chart and the whole table), after the printer dialog.
    void mnuStampa_Click();


private:
    // The steps of the constructor, in the order the widgets are created.
    QVBoxLayout* CreaCornice(QWidget* centro);
    QWidget* CreaRichiesta();
    QWidget* CreaTabelle();
    QWidget* CreaDatiProiettile();
    QWidget* CreaCartuccia();
    QLayout* CreaOrologio();
    QWidget* CreaRisultato();
    void CreaMenu();
    void OrdineTab();

    void Form_Load();
    bool LeggiDatiTabella(bool conMessaggi);
    std::optional<rigata::Rifiuto> LeggiRichiestaEScelte(rigata::RichiestaTabella& richiesta) const;
    void ScelteCambiate();
    void RicalcolaInVista();
    void ApriSensibilita();
    void ApriCalibra();
    std::variant<rigata::Calibrazione, rigata::Rifiuto> Calibra(const QString& distanza, const QString& scarto);
    void UsaVelocita(const QString& testo, float velocita);
    void ImpostaGrigliaTabelle(rigata::TipoTabella tipo, const rigata::ColonneAggiunte& aggiunte);
    void AdattaGriglia();
    void MostraRichiesta();
    void MostraFunzioneCoefficiente();
    void RimettiSpunta();
    void MostraRiepilogo();
    void Comprimi();
    void Espandi();
    void AdattaAltezza();
    void mnuOpzioni_Click();
    void mnuNuovaPalla_Click();

    QLineEdit* richiesta_[rigata::kCampiRichiesta];  // in the order of the data line
    OpzioneDoppioClick *optTabellaVari_, *optTabellaCampagna_;
    OpzioneDoppioClick* opzioneMostrata_ = nullptr;  // the layout of the table in the grid
    PannelloDatiInForza* datiProiettile_;
    PannelloModello* modelloCartellino_;
    QFrame* Frame3_;  // everything under the menu bar
    QWidget* risultato_;  // optimal zero labels and grid, out of sight when collapsed
    QLabel* lblRisultDistZeroOK_;
    QLabel* lblRiepilogo_;  // the card's summary beside the table
    QTableView* MSFlexGrid1_;
    ModelloTabella* modello_;
    QLabel *lblTime_, *lblData_;
    AzioniTabella* azioni_ = nullptr;
    std::optional<rigata::TabellaCalcolata> tabella_;  // the last table computed
    bool espanso_ = false;
    bool sospesa_ = false;  // a table in sight was taken out of sight by a choice that gave none
    rigata::TipoModello modelloVisto_ = rigata::TipoModello::Classico;  // the model last checked against the coefficient
};
