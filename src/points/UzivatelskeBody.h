// Loading coordinate text files into the user points and saving the user
// points as one coordinate file.
//
// The file dialogs belong to the windows: the window layer passes them in as
// callbacks, so the model never shows a window itself. The open dialog
// records the chosen filter item (the axis order of the files, 0 XYZ, 1 YXZ)
// in `souborVstup.typSouradnice`, the save dialog in
// `souborVystup.typSouradnice`.
//
// Loading appends the points of every chosen file and one record per file to
// the loaded-file list (Tinfo); a file that is faulty or cannot be read at all
// adds its record (not loaded, with its faulty line, 0 when it could not be
// read) and no points, and the next file is read all the same. Points read
// from a file carry the file's id, their position in the list + 1 as order
// number, and are neither fixed nor active. Coordinates are converted from the
// user's coordinate unit to metres.
//
// Saving writes the filled points in the user's coordinate unit with the
// coordinate decimals, atomically: a save that fails leaves an existing file
// exactly as it was.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/Info.h"
#include "numerics/Zaklad.h"

namespace sitmera {

class Tnastaveni;
class Tjazyk;
class Tsouradnice;

// The open dialog for several coordinate files: fills `soubory` with the full
// paths of the chosen files in the dialog's order, stores the chosen filter
// item in `nastaveni.souborVstup.typSouradnice`; true when at least one file
// was chosen.
using TdialogOtevritSoubory =
    std::function<bool(TStringList& soubory, Tnastaveni& nastaveni, const Tjazyk& jazyk)>;

// The save dialog for a coordinate file: gives the full path (with the
// extension of the filter item), stores the chosen filter item in
// `nastaveni.souborVystup.typSouradnice`; true when a path was chosen.
using TdialogUlozitSoubor =
    std::function<bool(std::string& cesta, Tnastaveni& nastaveni, const Tjazyk& jazyk)>;

// Outcome of saving the user points.
enum class TvysledekUlozeni : std::uint8_t {
    Ulozeno,      // the file was written
    Zruseno,      // no path was chosen; nothing was written
    ChybnyBod,    // a point cannot be written as a coordinate line (a number
                  // holding a blank or empty, a value out of range, an unknown
                  // axis order); nothing was written
    ChybaZapisu,  // the file could not be written; an existing file is unchanged
};

// Loads user coordinate files and appends their points to `souradnice`. Only
// when `nastaveni.okno.bodyVstup` is 3 (user points): runs the open dialog and
// loads the chosen files (NacistSoubory, `duvody` as there). True when the
// dialog was run and files were chosen.
bool NacteniSouboru(Tsouradnice& souradnice, Tinfo& info, Tnastaveni& nastaveni,
                    const Tjazyk& jazyk, const TdialogOtevritSoubory& dialog,
                    TStringList* duvody = nullptr);

// Loads the files, in the given order, in the axis order
// `nastaveni.souborVstup.typSouradnice`: for each file a record is appended to
// `info.souborySouradniceUzivatelske` (loaded flag and faulty line or line
// count), empty records at the end of the list are removed, and the file's
// points are appended. Never throws for a missing, unreadable or faulty file,
// nor for one too large for the memory (recorded as not loaded, the points
// loaded before kept). `duvody`, when given, is cleared and receives the
// message (ChybaSouboru) of every file that could not be opened or read, in
// order; a faulty content gives none.
void NacistSoubory(Tsouradnice& souradnice, Tinfo& info, const Tnastaveni& nastaveni,
                   const TStringList& soubory, TStringList* duvody = nullptr);

// Saves the user points as one coordinate file: runs the save dialog and,
// when it gives a path, writes the file (UlozitSouborSouradnic, `duvod` as
// there). `info` is not changed.
TvysledekUlozeni UlozeniSouboru(const Tsouradnice& souradnice, Tinfo& info,
                                Tnastaveni& nastaveni, const Tjazyk& jazyk,
                                const TdialogUlozitSoubor& dialog, std::string* duvod = nullptr);

// Writes the filled points of the list to the file `cesta` in the axis order
// `nastaveni.souborVystup.typSouradnice`, in the user's coordinate unit with
// `presnost.souradnice.hodnota` decimals. Nothing is written unless every
// point makes a valid line; the write itself is atomic. `duvod`, when
// given, receives the file's message (ChybaSouboru) with ChybaZapisu and is
// left empty otherwise.
TvysledekUlozeni UlozitSouborSouradnic(const Tsouradnice& souradnice,
                                       const Tnastaveni& nastaveni, const std::string& cesta,
                                       std::string* duvod = nullptr);

}  // namespace sitmera
