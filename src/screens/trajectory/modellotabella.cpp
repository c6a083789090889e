#include "modellotabella.h"

#include <algorithm>

QStringList RigheIntestazioneStretta(const QString& testo) {
    QString nome = testo.simplified(), unita;
    const int aperta = nome.lastIndexOf(QLatin1Char('('));
    if (aperta > 0) {
        unita = nome.mid(aperta);
        nome = nome.left(aperta).trimmed();
    }
    const QStringList parole = nome.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    qsizetype larga = 8;
    for (const QString& p : parole) larga = std::max(larga, p.size());
    QStringList righe;
    for (const QString& p : parole) {
        if (!righe.isEmpty() && righe.last().size() + 1 + p.size() <= larga) righe.last() += QLatin1Char(' ') + p;
        else righe << p;
    }
    if (!unita.isEmpty()) righe << unita;
    return righe;
}

void ModelloTabella::Imposta(const QStringList& intestazioni, int righePreviste) {
    beginResetModel();
    inCorso_ = true;
    intestazioni_ = intestazioni;
    celle_.clear();
    celle_.reserve(righePreviste * intestazioni.size());
}

void ModelloTabella::AggiungiRiga(const QStringList& celle) {
    for (int c = 0; c < intestazioni_.size(); ++c) celle_.append(c < celle.size() ? celle[c] : QString());
}

void ModelloTabella::Completa() {
    if (!inCorso_) return;
    inCorso_ = false;
    endResetModel();
}

QString ModelloTabella::Cella(int riga, int colonna) const {
    if (riga < 0 || riga >= rowCount() || colonna < 0 || colonna >= columnCount()) return {};
    return celle_[riga * intestazioni_.size() + colonna];
}

int ModelloTabella::rowCount(const QModelIndex& genitore) const {
    if (genitore.isValid() || intestazioni_.isEmpty()) return 0;
    return celle_.size() / intestazioni_.size();
}

int ModelloTabella::columnCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : intestazioni_.size();
}

QVariant ModelloTabella::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid()) return {};
    if (ruolo == Qt::DisplayRole) return Cella(indice.row(), indice.column());
    if (ruolo == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ModelloTabella::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const {
    if (ruolo != Qt::DisplayRole) return {};
    if (orientamento == Qt::Horizontal) return sezione < intestazioni_.size() ? intestazioni_[sezione] : QVariant();
    return sezione + 1;
}
