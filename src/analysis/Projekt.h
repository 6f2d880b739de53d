// The project file (*.pea): the whole state of an analysis in one text file.
//
// A project holds the settings, both epochs of the comparison model as loaded,
// the user points and the transformation key. It is the only place where the
// settings persist. The file is plain text, one value or one record a line,
// lines ended by CR LF, eleven tagged sections ("<n>" ... "</n>") in order:
//    1      settings, exactly 112 lines (see ZapisNastaveni);
//    2 - 5  epoch 1 as epoch text (analysis/Etapa.h), eight tag lines alone
//           when no epoch is attached;
//    6 - 9  epoch 2 the same;
//   10      user points, one line a filled point: number, X, Y, Z (metres,
//           rounded to 1e-6), fixed flag, active flag ("-1" / "0"), TAB
//           separated;
//   11      transformation key, exactly 19 lines: typ, typBod 0..2,
//           poradiBod by rows (-1 = no point), the user translation
//           (metres) and the user angles (radians).
// Integers are decimal, flags "-1" (true) / "0" (false), reals in the general
// number format with "." (a "," is accepted when reading). Lines are trimmed
// and empty lines dropped before the tags are looked for; lines outside the
// sections are ignored.
//
// Reading is all or nothing: the text is read into scratch objects and the
// live settings, model, user points and key are replaced only when every
// section has been read and checked. After a successful read the key refers to
// the live point lists (the epochs' lists of the model and the user points)
// and is recomputed, and the model's identical points are searched again.
//
// Saving is atomic: a save that fails leaves an existing file as it was.
#pragma once

#include <string>

#include "analysis/EtapaTransformacniKlic.h"
#include "analysis/ModelPorovnani.h"
#include "core/Nastaveni.h"
#include "numerics/Zaklad.h"
#include "points/Souradnice.h"

namespace sitmera {

class TctecRadku;

inline constexpr int PocetSekciProjektu = 11;
inline constexpr int PocetRadkuNastaveni = 112;
inline constexpr int PocetRadkuKlice = 19;
// First section of each epoch's text inside the project.
inline constexpr int SekceEtapa1 = 2;
inline constexpr int SekceEtapa2 = 6;
inline constexpr int SekceUzivatelskeBody = 10;
inline constexpr int SekceKlic = 11;
// Colour settings index the 20-colour list of the drawing windows.
inline constexpr int MaxIndexBarvy = 19;

// ---------------------------------------------------------------- settings section

// Appends the 112 settings lines in the file's order: units (angle unit,
// length, coordinate and displacement units, coordinate system, axis order),
// decimals (angle value, length value, angle deviation, length deviation,
// coordinate value and deviation, displacement value and deviation), the
// dialog file kinds (typEtapa in/out, typSouradnice in/out, typProjekt in/out,
// typGrafika out), the language, the risk level, the a-priori and a-posteriori
// switches, the network drawing options (colours, switches, widths, font,
// size, style, cross, circle, ellipse magnification, precision), the
// displacement drawing options (colours, switches, widths, symbol sizes,
// scale, precision, font, size, style, kind of horizontal displacement) and
// the 28 report switches in their field order.
// Not stored: poradiXY (it follows from the axis order), presnost.meritko,
// souborVstup.typProtokol and typGrafika, souborVystup.typProtokol, the
// window-mode bytes, the point-buffer state and pocetVlaknaVse.
void ZapisNastaveni(const Tnastaveni& nastaveni, TStringList& lines);

// Reads the 112 settings lines (exactly 112) into nastaveni. Integers must be
// decimal and lie in their field's range (unit, decimal and choice ranges as
// the settings windows offer them; colours 0 .. 19; fonts -32768 .. 32767,
// -1 the default font, any other index a font of the list or, where the list
// has no such font, the default font); flags "-1" / "0", any other number
// (non-zero true) or "true" / "false" in any case; the risk level a number
// strictly between 0 and 1 ("," accepted; a value that counts as zero fails).
// On success the stored fields are replaced and poradiXY follows the axis
// order; the fields not stored keep their values. False, with nastaveni
// unchanged, on any failure. Never throws.
bool CteniNastaveni(Tnastaveni& nastaveni, const TStringList& lines);

// ---------------------------------------------------------------- key section

// Reads the 19 key lines (exactly 19) into klic: typ 0 .. 3, typBod 0 .. 2,
// the nine point choices (32-bit integers; a choice that is not -1 or an
// index of its list, column 0 the point list of model.etapa1, 1 that of
// model.etapa2, 2 souradniceUzivatelske, becomes -1), the user translation
// (metres) and angles (radians) as numbers of magnitude at most 1e12 (smaller
// ones than 1e-12 included: a value entered in feet or degrees may shrink
// below it in metres or radians). The given-flags of the user values are all set (every stored
// value is a valid number). The key is then bound to the three lists and
// computed: a key of kind 1 or 2 whose points are missing is read but not
// filled (jePlny false), and the reading still succeeds. False, with klic
// unchanged, when the section does not read. Never throws.
bool CteniTransformacnihoKlice(const TStringList& lines, const TmodelPorovnani& model,
                               const Tsouradnice& souradniceUzivatelske,
                               TtransformacniKlicEtapa& klic);

// ---------------------------------------------------------------- whole project

// Clears lines and fills them with the eleven sections of the project. False
// (lines empty) when something would not read back: a filled user point
// (a point number that is empty or holds a blank, a tab or a line break, or
// that the reader would trim, or a coordinate the point-line reader
// rejects), or a settings line the settings reader rejects (a value held in
// memory outside the range the reader accepts).
bool ZapisProjektu(TStringList& lines, const TmodelPorovnani& model,
                   const Tsouradnice& souradniceUzivatelske, const Tnastaveni& nastaveni,
                   const TtransformacniKlicEtapa& klic);

// Writes the project file atomically, each section into the temporary file
// as it is formatted (the text is never held whole). On success the model's file record
// (model.soubor, nacteni true) and that of every attached epoch name the
// project file. On failure (a user point that cannot be written, the file
// cannot be written) an existing file is left byte for byte as it was, the
// file records of the model and of both epochs are reset (NulujSoubor) and
// the result is false. Never throws. `duvod`, when given, receives the
// file's message (ChybaSouboru) when the file could not be written, and is
// left empty when a user point cannot be written.
bool UlozitProjektAnalyzy(const std::string& nazevSouboru, TmodelPorovnani& model,
                          const Tsouradnice& souradniceUzivatelske, const Tnastaveni& nastaveni,
                          const TtransformacniKlicEtapa& klic, std::string* duvod = nullptr);

// Parses a project text already in memory (the lines are trimmed and empty
// lines dropped in place). Every tag of sections 1 .. 11 exactly once and in
// order; the settings, both epochs, the user points and the key must read.
// On success the settings, both epochs of the model (an epoch given by its
// tags alone is detached), the user points and the key are replaced, the key
// is bound to the live lists (model.etapa1.souradnice, model.etapa2.souradnice,
// souradniceUzivatelske) and recomputed, and the identical points of the model
// are searched again. An attached epoch keeps its file record, ID and colour;
// model.soubor is not touched. On failure nothing changes and the result is
// false. Never throws.
bool CteniProjektu(TStringList& lines, TmodelPorovnani& model, Tsouradnice& souradniceUzivatelske,
                   Tnastaveni& nastaveni, TtransformacniKlicEtapa& klic);

// Reads the project text the reader gives (a file or bytes, piece by piece)
// with every check and the result of CteniProjektu: only the epochs grow
// with the text. The file records are not touched. False, with nothing
// changed, on any failure (one of reading included). Never throws.
// `duvod`, when given, receives the file's message (ChybaSouboru) when the
// file could not be read, and is left empty for a rejected content.
bool NacistProjektZTextu(TctecRadku& text, TmodelPorovnani& model, Tsouradnice& souradniceUzivatelske,
                         Tnastaveni& nastaveni, TtransformacniKlicEtapa& klic, std::string* duvod = nullptr);

// Loads the project file and reads it (NacistProjektZTextu); then the
// model's file record and that of every attached epoch name the project
// file. False, with nothing changed, when the file cannot be loaded or does
// not read. Never throws. `duvod` as in NacistProjektZTextu.
bool NacistProjektAnalyzy(const std::string& nazevSouboru, TmodelPorovnani& model,
                          Tsouradnice& souradniceUzivatelske, Tnastaveni& nastaveni,
                          TtransformacniKlicEtapa& klic, std::string* duvod = nullptr);

}  // namespace sitmera
