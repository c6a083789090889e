#include "modellotabella.h"

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
