// Captions of the trajectory screen that its printed report repeats: one
// place for both, so renaming or rewording a control never loses a caption.
#pragma once

#include <QString>

// The six values in force: diameter, weight, altitude, temperature, muzzle
// velocity, coefficient.
inline const QString kTitoliDatiInForza[6] = {
    QStringLiteral("Diametro (inch)"),        QStringLiteral("Peso palla (grain)"),
    QStringLiteral("Altitudine  (m.s.l.m.)"), QStringLiteral("Temperatura (°C)"),
    QStringLiteral("Vel. bocca (m/sec)"),     QStringLiteral("Coeff. balistico")};

// The six cartridge notes (the report drops the dotted fillers).
inline const QString kTitoliNote[6] = {
    QStringLiteral("Calibro"),          QStringLiteral("Tipo polvere"),
    QStringLiteral("Peso polvere (grs)"), QStringLiteral("Innesco ..............."),
    QStringLiteral("lungh. bossolo ..... (mm)"), QStringLiteral("Lungh. totale OAL (mm)")};
