// The range table as the grid shows it: the header row and the cell texts.
// The texts are made once, when the table is computed; the view draws only
// the rows in sight.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

// A header for a narrow column: the unit ("(cm)", "(click)") on a line of its
// own, the words before it joined on lines no longer than eight characters or
// the longest word ("Anticipo 20 km/h (cm)" as "Anticipo", "20 km/h", "(cm)";
// "Scarto a -35° (cm)" as "Scarto a", "-35°", "(cm)").
QStringList RigheIntestazioneStretta(const QString& testo);

class ModelloTabella : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Sets the headers and empties the rows (the grid's header row and column count).
    void Imposta(const QStringList& intestazioni, int righePreviste);
    void AggiungiRiga(const QStringList& celle);
    // Ends a computation: the view shows the rows added since Imposta.
    void Completa();

    QString Cella(int riga, int colonna) const;

    int rowCount(const QModelIndex& genitore = {}) const override;
    int columnCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo) const override;

private:
    QStringList intestazioni_;
    QVector<QString> celle_;  // row by row, one entry per column
    bool inCorso_ = false;
};
