// Coordinate text files, the point lines of epoch and project files, and the
// checks run on point lists.
//
// Coordinate file: one point a line, four words: the point number and three
// coordinates, X Y Z or Y X Z (the axis order is the filter item chosen in the
// open or save dialog, `souborVstup` / `souborVystup.typSouradnice`: 0 XYZ,
// 1 YXZ; it does not depend on the display axis order). Words are separated by
// any run of blanks or tabs. Coordinates are in the user's coordinate unit
// (`jednotky.souradnice`: metres or feet); "." is the decimal point, "," is
// accepted when reading. Written lines are "number X Y Z" (or "number Y X Z")
// with one blank between the words and `presnost.souradnice.hodnota` decimals.
//
// Point lines: the text the point list writes (Tsouradnice::UlozDoStringList),
// "number X Y Z" in metres, fields separated by blanks or tabs, X Y Z always in
// this order. The readers below turn coordinate-file lines into point lines
// and the writers turn point lines into coordinate-file lines, in place.
//
// Faulty-line numbers count the non-empty lines of a file, from 1.
//
// A value read from a file must count as zero (magnitude at most 1e-16) or lie
// between 1e-12 and 1e12 in magnitude, both in the file's unit and once
// converted to metres; a written value must pass the same test in the file's
// unit, so every file written here can be read back.
#pragma once

#include "numerics/Zaklad.h"

namespace sitmera {

class Tnastaveni;
class Tchyby;
class Tsouradnice;
class TctecRadku;

// ---------------------------------------------------------------- coordinate files

// Converts the lines of a coordinate file in the XYZ order into point lines in
// metres: lines trimmed, empty lines dropped, each remaining line "number X Y Z"
// (values written back by CisloNaText, words joined by single blanks).
// True with cisloRadku := the number of lines. A line that is not four words, a
// value that is no number or out of range (in the file's unit or in metres)
// stops the read: the list is emptied, cisloRadku keeps the number of the
// faulty line (among the non-empty lines, from 1) and the result is false.
// Never throws for any content of the lines.
bool NactiSouradniceXYZ(TStringList& radky, const Tnastaveni& nastaveni, int& cisloRadku);
// The same for files in the YXZ order: the output is still "number X Y Z".
bool NactiSouradniceYXZ(TStringList& radky, const Tnastaveni& nastaveni, int& cisloRadku);
// By `nastaveni.souborVstup.typSouradnice`: 0 NactiSouradniceXYZ, 1
// NactiSouradniceYXZ; any other value empties the lines, sets cisloRadku to 0
// and gives false.
bool NactiSouradniceTXT(TStringList& radky, const Tnastaveni& nastaveni, int& cisloRadku);
// Reads a coordinate file from its reader and converts its lines as they
// come, as NactiSouradniceTXT does, into `radky`; the file's lines are never
// held all at once. A line longer than the reader takes is the faulty line.
// Throws ChybaSouboru only when the file cannot be read.
bool NactiSouradniceZTextu(TctecRadku& text, const Tnastaveni& nastaveni, TStringList& radky,
                           int& cisloRadku);

// Converts point lines "number X Y Z" (metres) into coordinate-file lines in
// the XYZ order: values converted to the user's coordinate unit and written
// with `presnost.souradnice.hodnota` decimals, words joined by single blanks.
// A line that is not exactly four words (a point number holding a blank, an
// empty number), a value that is no number or out of range, or a written value
// that would not read back, stops the writer: the list is emptied and the
// result is false. Never throws for any content of the lines.
bool UlozSouradniceXYZ(TStringList& radky, const Tnastaveni& nastaveni);
// The same in the YXZ order: "number Y X Z".
bool UlozSouradniceYXZ(TStringList& radky, const Tnastaveni& nastaveni);
// By `nastaveni.souborVystup.typSouradnice`: 0 UlozSouradniceXYZ, 1
// UlozSouradniceYXZ; any other value empties the lines and gives false.
bool UlozSouradniceTXT(TStringList& radky, const Tnastaveni& nastaveni);

// ---------------------------------------------------------------- epoch and project point lines

// Reads the point lines of an epoch or project file: line i (from 0) must be
// exactly six words: number, X, Y, Z (metres, range-checked), fixed flag and
// active flag ("-1" / "0"; any other number counts as true, "true" / "false"
// are accepted in any case). The list is cleared and gets one zeroed record per
// line with poradi i + 1, the values, the flags and JePlny; standard
// deviations stay 0. Any bad line empties both the lines and the list and the
// result is false. Never throws for any content of the lines.
bool NacistSouradniceZeSeznamu(TStringList& radky, Tsouradnice& souradnice);

// ---------------------------------------------------------------- list checks

// Duplicate checks of record i (a filled record). Each clears its own check
// flag of record i, sets it when another record j != i matches, and returns
// false when one does (true otherwise; also for an index outside the list):
// flag 0: record j (filled or not) has exactly the same number;
bool KontrolaCisloBodu(Tsouradnice& souradnice, int i);
// flag 2: record j is filled and X, Y and Z are exactly equal;
bool KontrolaPolohaBodu(Tsouradnice& souradnice, int i);
// flag 1: record j is filled and X and Y are exactly equal.
bool KontrolaPolohaXYBodu(Tsouradnice& souradnice, int i);

// Runs the three checks on every filled record (nothing when `kontrola` is
// false). With `nastaveni.okno.bodyVstup` = 3 (user points) the counters of
// `chyby` are reset and then set: souradniceUzivatelskePocetChyb.X = points
// whose number occurs again, .Y = points whose X, Y, Z equal another point's,
// .Z = points whose X, Y equal another point's less the count in .Y, and
// souradniceUzivatelskeCekovyPocetChyb = their sum. The check flags of the
// records are set in every mode.
void KontrolaSouradnic(Tsouradnice& souradnice, Tchyby& chyby, bool kontrola,
                       const Tnastaveni& nastaveni);

// True when posledni - prvni < 1, or when the numbers of records prvni ..
// posledni stand in strictly ascending TextMensi order (shorter number first,
// equal lengths by character codes). False at the first pair that does not,
// and when the range reaches outside the list.
bool KontrolaPoradiBodu(const Tsouradnice& souradnice, int prvni, int posledni);

// vystup := the records of a and b interleaved: record i of a at 2i, record i
// of b at 2i + 1, for every record of a. Throws ChybaArgumentu (and changes
// nothing) when b holds fewer records than a. vystup may be a or b.
void SpojitSouradnice(Tsouradnice& vystup, const Tsouradnice& a, const Tsouradnice& b);

}  // namespace sitmera
