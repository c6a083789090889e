#!/usr/bin/env python3
"""Builds the delivered bullet catalogue, data/stdbulls.bc.

Usage: python3 data/make-catalogue.py [OUTPUT]   (Python 3 standard library only;
       OUTPUT defaults to stdbulls.bc beside this script)

Input, beside this script, both in the columns
maker,diameter_in,weight_gr,model,bc_g1,v1_fps,bc1,v2_fps,bc2,v3_fps,bc3,v4_fps,bc4:
- bullets-g1.csv: 752 bullets of six makers (MIT licence, LICENSE-bullets-g1.txt;
  where they come from: bullets-g1.md);
- nosler-a-mano.csv: the default bullet of start-up and Nosler bullets added by
  hand from the maker's published G1 coefficients.

Output: Windows-1252 text, lines ending in CR LF. First the note lines (they
begin with "(c)" and the program skips them), then one line per bullet, in the
order of bullets-g1.csv followed by nosler-a-mano.csv (the program sorts the
rows itself; the test "catalogo_generato" checks data/stdbulls.bc is this output):

    maker,.ddd,weight,model,.sd,.bc[,velocity,.bc]...

- no two bullets with the same maker, diameter, weight and model: the rows
  listed in varianti.csv get a model that tells them apart, or are left out;
- the diameter and every coefficient without the leading zero (0.308 -> .308),
  the coefficients with three decimals at most (.2106 -> .211);
- the sectional density weight / (7000 x diameter^2) to three decimals, taken
  to 15 significant digits and rounded half away from zero, as the program's
  own "0.##0" format does, then written from the point (.230);
- each (velocity, coefficient) pair whose velocity is given and not 0; for
  Sierra the velocity is the lower edge of the band in which the coefficient
  holds (a band "below N fps" has lower edge 0 and is left out);
- the program reads the last field of a line (the one with no comma after it)
  as four characters at most, so a line whose last field is longer ends with a
  comma: the reader then finds the whole field before it, and empty columns after.
"""
import csv
import os
import sys
from decimal import Decimal, ROUND_HALF_UP

CARTELLA = os.path.dirname(os.path.abspath(__file__))
SORGENTI = ["bullets-g1.csv", "nosler-a-mano.csv"]
LICENZA = "LICENSE-bullets-g1.txt"
USCITA = "stdbulls.bc"
RIGA_DEFAULT = "Nosler,.243,95,BTsb,.230,.379"

NOTE = [
    "Rigata - archivio delle palle. Una palla per riga: marca,diametro (inch),peso (grain),",
    "tipo,carico sezionale,coefficiente balistico G1 standard e fino a quattro coppie",
    "velocità (feet/s),coefficiente. Le righe che iniziano con (c) sono note.",
    "Palle di Barnes, Berger, Hornady, Lapua, Sierra e Speer: dati \"Open Source Projectile",
    "Dataset\" (ammolytics/projectiles, 2018), coefficienti G1 raccolti dai siti dei",
    "fabbricanti nel 2018 e non verificati sui cataloghi attuali. Per Sierra la velocità",
    "di ogni coppia è il limite inferiore della fascia in cui vale il coefficiente.",
    "Le palle Nosler sono state aggiunte a mano: coefficienti G1 pubblicati dal",
    "fabbricante, trascritti senza confronto con il catalogo attuale. Verificarle",
    "prima dell'uso.",
    "",
    "I dati delle palle sono distribuiti con questa licenza:",
]


# Rows of the sources whose maker, diameter, weight and model are the same
# as another row's: different bullets the sources do not tell apart, or the
# same bullet listed twice. varianti.csv lists them by maker, diameter,
# weight, model and G1 coefficient, with the model to write (written_model),
# or an empty one to leave the row out:
# - a much lower coefficient at the same weight is the flat-nose bullet for
#   tubular magazines (the sources' notes say so of the .308 150 gr TSX at
#   .184; the same holds for the Hot-Cor and the Barnes .458 pairs): "FN";
# - Sierra .308 200 gr MatchKing at .715/.695/.660: the bands of the 230 gr
#   bullet (the sources' notes); the .565 row is the 200 gr one; left out;
# - Barnes .308 110 gr TAC-TX at .289 and .295: one bullet listed twice with
#   two figures; the first listing is kept.
VARIANTI_CSV = "varianti.csv"


def leggi_varianti():
    with open(os.path.join(CARTELLA, VARIANTI_CSV), newline="", encoding="utf-8") as f:
        return {(r["maker"], r["diameter_in"], r["weight_gr"], r["model"], r["bc_g1"]): r["written_model"] or None
                for r in csv.DictReader(f)}


VARIANTI = leggi_varianti()


USATE = set()


def variante(r):
    """The row for the catalogue: model told apart, or None when left out."""
    chiave = (r["maker"], r["diameter_in"], r["weight_gr"], r["model"], r["bc_g1"])
    if chiave not in VARIANTI:
        return r
    USATE.add(chiave)
    if VARIANTI[chiave] is None:
        return None
    return dict(r, model=VARIANTI[chiave])


def tre_decimali(testo):
    """A coefficient with three decimals at most, rounded half up (.2106 -> .211)."""
    if not testo or len(testo.partition(".")[2]) <= 3:
        return testo
    return format(Decimal(testo).quantize(Decimal("0.001"), rounding=ROUND_HALF_UP), "f")


def senza_zero(testo):
    """0.308 -> .308 (the file's form of diameters and coefficients)."""
    return testo[1:] if testo.startswith("0.") else testo


def carico_sezionale(diametro, peso):
    s = float(peso) / (7000.0 * float(diametro) * float(diametro))
    arrotondato = Decimal("%.14e" % s).quantize(Decimal("0.001"), rounding=ROUND_HALF_UP)
    testo = format(arrotondato, "f")
    return senza_zero(testo)


def riga_palla(r):
    campi = [r["maker"], senza_zero(r["diameter_in"]), r["weight_gr"], r["model"],
             carico_sezionale(r["diameter_in"], r["weight_gr"]), senza_zero(tre_decimali(r["bc_g1"]))]
    for n in range(1, 5):
        velocita, cb = r["v%d_fps" % n], r["bc%d" % n]
        if velocita and velocita != "0":
            campi += [velocita, senza_zero(tre_decimali(cb))]
    for campo in campi:
        if not campo or "," in campo or campo != campo.strip(" "):
            sys.exit("campo non scrivibile %r in %r" % (campo, r))
    if campi[0].startswith("(c)"):
        sys.exit("la marca farebbe della riga una nota: %r" % r)
    riga = ",".join(campi)
    if len(campi[-1]) > 4:
        riga += ","
    return riga


def main():
    righe = ["(c)" + (" " + n if n else "") for n in NOTE]
    with open(os.path.join(CARTELLA, LICENZA), encoding="utf-8") as f:
        righe += ["(c)" + (" " + l if l else "") for l in f.read().splitlines()]
    palle = 0
    viste = set()
    for nome in SORGENTI:
        with open(os.path.join(CARTELLA, nome), newline="", encoding="utf-8") as f:
            for r in csv.DictReader(f):
                r = variante(r)
                if r is None:
                    continue
                chiave = (r["maker"], r["diameter_in"], r["weight_gr"], r["model"])
                if chiave in viste:
                    sys.exit("due palle con marca, diametro, peso e tipo %r: distinguerle in varianti.csv" % (chiave,))
                viste.add(chiave)
                righe.append(riga_palla(r))
                palle += 1
    if RIGA_DEFAULT not in righe:
        sys.exit("manca la palla di default " + RIGA_DEFAULT)
    if palle > 4000:
        sys.exit("più di 4000 palle")
    # An entry that matches no row any more would rename the wrong bullet later.
    for chiave in VARIANTI.keys() - USATE:
        sys.exit("riga di varianti.csv senza palla corrispondente: %r" % (chiave,))
    uscita = sys.argv[1] if len(sys.argv) > 1 else os.path.join(CARTELLA, USCITA)
    with open(uscita, "w", encoding="cp1252", newline="") as f:
        f.write("".join(riga + "\r\n" for riga in righe))
    print("%s: %d palle" % (uscita, palle))


if __name__ == "__main__":
    main()
