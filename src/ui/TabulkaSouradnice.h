// The coordinate grid table: a point list shown in a four-column grid, and
// the list operations the point windows offer on the selected rows (copy,
// cut, paste, delete, move, sort, swap X and Y, activate and deactivate
// identical pairs), the scans for faulty points, and the find and select by
// criteria.
//
// A grid shows one list (Tsouradnice) and one selection vector, one flag per
// record; grid row r shows record r. A grid holds only the rows that fit on
// screen: when the list is shorter, it is padded with empty records (JePlny
// false) up to the number of visible rows. Empty records show as empty rows
// and every count looks at filled records only.
//
// Table types and what columns 1 to 3 show (column 0 is the point number):
//   1  main and epoch window: X, Y, Z in the coordinate unit
//      (`jednotky.souradnice`), `presnost.souradnice.hodnota` decimals;
//  11  user-point window: as type 1, column 0 wider;
//   2, 3  standard deviations a priori / a posteriori: sig_X, sig_Y, sig_Z in
//      the small length unit (millimetres or points), `presnost.souradnice.
//      odchylka` decimals; a deviation that is not set (negative) shows "-";
//  10  error ellipsoid rows: semi-axis length (small unit, deviation
//      decimals; "-" when not set), bearing and zenith angle in the angle
//      unit with `presnost.uhel.hodnota` decimals.
// For types 1, 11, 2 and 3 the plane columns follow the axis order: X goes to
// column `poradiXY[0]`, Y to `poradiXY[1]` (1 and 2 for XY, 2 and 1 for YX).
//
// The grid argument of the operations may be null (the list work is done, the
// grid part skipped). Numbers never depend on the process locale.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>

#include <QRect>

#include "core/Vyber.h"
#include "numerics/Zaklad.h"
#include "points/Souradnice.h"

class QLabel;
class QWidget;

namespace sitmera {

class Mrizka;
class Platno;
class Tnastaveni;
class Tchyby;

// Table types.
inline constexpr int TypTabulkySouradnic = 1;
inline constexpr int TypTabulkyOdchylekAprior = 2;
inline constexpr int TypTabulkyOdchylekAposterior = 3;
inline constexpr int TypTabulkyElipsoidu = 10;
inline constexpr int TypTabulkyVstup = 11;

// ---------------------------------------------------------------- filling the grid

// Grid columns of X and of Y by the axis order `poradiXY`: (1, 2) or (2, 1);
// anything else is taken as the XY order.
std::pair<int, int> SloupceXY(const Tnastaveni& nastaveni);

// Rows that the grid shows, the partly visible last row counted:
// trunc(client height / row height) + 1. 0 without a grid.
int ViditelneRadkyTabulky(const Mrizka* mrizka);

// Column widths in pixels: column 0 99 (129 for type 11), columns 1 to 3 130.
int SirkaSloupceTabulky(int typTabulky, int sloupec);

// The four cell texts of a filled record by the table type (see the top of
// the file). An empty record gives four empty texts.
std::array<std::string, 4> TextyRadkuSouradnic(const Tbod& bod, const Tnastaveni& nastaveni, int typTabulky);

// The guard of one grid's refill, held while the refill runs: changing the
// row count moves the scroll bar, whose handler asks for a refill of the same
// grid again, and the outer refill does the work (Vnorena is then true and
// the inner one does nothing). A refill of another grid meanwhile goes ahead.
class TplneniTabulky {
public:
    explicit TplneniTabulky(const Mrizka* mrizka);
    ~TplneniTabulky();
    TplneniTabulky(const TplneniTabulky&) = delete;
    TplneniTabulky& operator=(const TplneniTabulky&) = delete;
    bool Vnorena() const { return vnorena_; }

private:
    const Mrizka* mrizka_;
    bool vnorena_;
};

// The sizing step of a grid over a list of records (points or
// displacements; pocet() records): when viditelnychRadku > records, the grid
// gets viditelnychRadku rows and `sloupcu` columns, its top row 0, and the
// list is padded with empty records (pridejPrazdny) up to viditelnychRadku;
// otherwise the grid gets one row per record. Without a grid only the list
// is padded.
void PripravRadkyTabulky(Mrizka* mrizka, int sloupcu, int viditelnychRadku, const std::function<int()>& pocet,
                         const std::function<void()>& pridejPrazdny);

// The writing step of a grid of `sloupcu` columns over pocet records: column
// widths by the table type (SirkaSloupceTabulky), then the rows from the top
// row to the last visible one (the partly visible one included) written by
// texty(radek, t) (true: the texts in t, which comes with `sloupcu` empty
// texts; false: an empty record, the row is cleared), then a repaint.
void VyplnRadkyNaObrazovce(Mrizka& mrizka, int pocet, int viditelnychRadku, int typTabulky, int sloupcu,
                           const std::function<bool(int radek, TtextVektor& texty)>& texty);

// Sizes and fills the grid: rows from the top row to the last visible one are
// written by the table type, empty records as empty rows; then repaints.
// Without a grid only the selection is sized to the list.
void ObnovTabulkuSouradnic(Mrizka* mrizka, Tsouradnice& souradnice, const Tnastaveni& nastaveni,
                           int typTabulky, TboolVector& vyber);

// Clears the flag of every empty record (and of flags beyond the list).
void OpravVyberSouradnic(TboolVector& vyber, const Tsouradnice& souradnice);

// ---------------------------------------------------------------- clipboard and point buffer

// Lines "number TAB first TAB second TAB Z CR LF" of the selected records in
// list order; the plane coordinates in the user's axis order, in the
// coordinate unit with `presnost.souradnice.hodnota` decimals.
std::string TextKopieSouradnic(const Tsouradnice& souradnice, const Tnastaveni& nastaveni,
                               const TboolVector& vyber);

// Copy of points: the point buffer becomes the selected records, the
// clipboard the text above (empty when nothing is selected), and
// `schranka.souradnice_existuje` is set. `druh` (1 or 2) makes no difference.
void KopirujSouradnice(const Tsouradnice& souradnice, Tsouradnice& souradniceSchranka, Tnastaveni& nastaveni,
                       int druh, const TboolVector& vyber);

// Lines of the selected deviation (types 2, 3) or ellipsoid (type 10) rows,
// cells joined by TAB, each line ended by CR LF; deviations in the axis order.
std::string TextKopieTabulkySouradnic(const Tsouradnice& souradnice, const Tnastaveni& nastaveni,
                                      const TboolVector& vyber, int typTabulky);
// The same text to the clipboard; the point buffer is not touched.
void KopirujTabulkuSouradnic(const Tsouradnice& souradnice, const Tnastaveni& nastaveni,
                             const TboolVector& vyber, int typTabulky);

// ---------------------------------------------------------------- user-point list (type 11)

// Cut: the point buffer becomes the selected records and its flag is set;
// then the selected records are deleted (SmazVybraneBody). The clipboard text
// is not touched. Returns the result of the deletion.
bool VyjmiSouradnice(Mrizka* mrizka, Tsouradnice& souradnice, Tsouradnice& souradniceSchranka,
                     TboolVector& vyber, Tchyby& chyby, Tnastaveni& nastaveni);

// Paste from the point buffer (only when its flag is set, else false): the
// empty records at the end are removed; with one selected row the buffer's
// points are inserted before it (the records before the insertion point and
// the pasted ones renumbered); with none they are appended and the last
// filled point becomes the current row; with two or more nothing changes.
// Then the list check and a refill. True whenever the flag was set.
bool VlozSouradniceZeSchranky(Mrizka* mrizka, Tsouradnice& souradnice, const Tsouradnice& souradniceSchranka,
                              TboolVector& vyber, Tchyby& chyby, Tnastaveni& nastaveni);

// Deletes the selected records: true when something was selected. The
// current row becomes the first selected row, also when that row is now an
// empty one (row 0 when no filled point is left; the grid's last row when the
// grid shrank below it); the list loses its empty records, is renumbered, checked and
// refilled; the selection is cleared.
bool SmazVybraneBody(Mrizka* mrizka, TboolVector& vyber, Tsouradnice& souradnice, Tchyby& chyby,
                     const Tnastaveni& nastaveni);

// Moves the one selected record up (nahoru) or down by exchanging it with
// its neighbour; the selection follows it. False unless exactly one row is
// selected.
bool PosunVybranyBod(Mrizka* mrizka, TboolVector& vyber, Tsouradnice& souradnice, bool nahoru,
                     const Tnastaveni& nastaveni);

// Sorts the list by `velicina` (1 number, 2 X, 3 Y, 4 Z), renumbers it and
// clears the selection; row 0 becomes current. False when the list has no
// filled point.
bool SeradSouradnice(Mrizka* mrizka, TboolVector& vyber, Tsouradnice& souradnice, int velicina,
                     const Tnastaveni& nastaveni);

// Exchanges X with Y (and sig_X with sig_Y) of every selected record; true
// when any was exchanged.
bool ZamenXYVybranych(Mrizka* mrizka, TboolVector& vyber, Tsouradnice& souradnice, const Tnastaveni& nastaveni);

// ---------------------------------------------------------------- main list (type 1)

// The list holds identical pairs interleaved (rows 2p and 2p + 1). For each
// whole pair with either row selected, JeAktiv of both rows := aktivni.
// Refills as type 1. True when any pair was set.
bool NastavAktivituDvojic(Mrizka* mrizka, TboolVector& vyber, Tsouradnice& souradnice, bool aktivni,
                          const Tnastaveni& nastaveni);

// Empties the list and the selection and refills as type 1 with row 0
// current (an epoch detached).
void SmazVsechnyBody(Mrizka* mrizka, TboolVector& vyber, Tsouradnice& souradnice, const Tnastaveni& nastaveni);

// ---------------------------------------------------------------- scans

// First filled record among rows od + 1 .. do_ with a check flag set
// (BodMaChybu) / with sig_X, sig_Y or sig_Z exactly 0. False (index kept)
// when do_ - od < 1 or none is found. Callers wrap once by calling again with
// od = -1, do_ = the current row.
bool NajdiChybnyBod(const Tsouradnice& souradnice, int& index, int od, int do_);
bool NajdiNulovouOdchylku(const Tsouradnice& souradnice, int& index, int od, int do_);

// ---------------------------------------------------------------- find and select by criteria

// An operator code of the criteria (a real field) as an integer: the nearest
// one; -1 for a value that is not finite.
int KodOperatoru(Extended x);

// Whether a filled record meets the criteria in force, tested in the order
// number, fixation (only with `fixace`), X, Y, Z. The point's coordinate is
// converted to the coordinate unit and rounded to the decimals the grid
// shows before it is compared, so "=" matches what the user sees. Operator
// codes are the criteria's real fields rounded to integers. Empty records
// never match.
bool BodVyhovujeAtributu(const Tbod& bod, const Tatribut& atribut, const Tnastaveni& nastaveni, bool fixace);

// Selects every filled record by whether it meets the criteria (the flags of
// empty records are left alone). `fixace` false: the user-point variant,
// without the fixation criterion.
void VyberBodyDleAtributu(const Tsouradnice& souradnice, const Tatribut& atribut, TboolVector& vyber,
                          const Tnastaveni& nastaveni, bool fixace = true);

// The first matching filled record strictly after `od` going towards `do_`:
// upwards (od + 1 .. do_) when do_ > od, downwards (od - 1 .. do_) when
// do_ < od, nothing when equal. True and index := the row when found; index
// unchanged otherwise. Rows outside the list are not examined.
bool HledejBodDleAtributu(const Tsouradnice& souradnice, const Tatribut& atribut, int& index,
                          const Tnastaveni& nastaveni, int do_, int od, bool fixace = true);

// ---------------------------------------------------------------- selection gestures

// State of the mouse selection: the anchor row of Shift ranges and the state
// the last toggle gave.
struct TvyberMysi {
    int kotva = 0;
    bool stav = false;
};

// Left button down on row `radek`: the row's flag is toggled and the new
// state remembered; without Ctrl the other flags are cleared; with Shift the
// flags from the anchor to the row take the remembered state; the anchor
// moves to the row; flags of empty records are cleared. A row outside the
// list (-1) changes nothing.
void VyberMysiStisk(TboolVector& vyber, const Tsouradnice& souradnice, TvyberMysi& mys, int radek, bool ctrl,
                    bool shift);

// Mouse moved with the left button held over row `radek`: its flag takes the
// remembered state, the anchor moves there; without Ctrl and Shift the other
// flags are cleared; flags of empty records are cleared.
void VyberMysiTah(TboolVector& vyber, const Tsouradnice& souradnice, TvyberMysi& mys, int radek, bool ctrl,
                  bool shift);

// Keyboard selection of the point grids.
enum class TklavesaVyberu {
    enter,     // toggle the current row, clear the others
    mezernik,  // toggle the current row
    vse,       // Ctrl+A: select all
    nic,       // Ctrl+D: clear all
};
void VyberKlavesou(TboolVector& vyber, const Tsouradnice& souradnice, int aktualni, TklavesaVyberu klavesa);

// The three gestures on the flags alone, for a grid of any list: the caller
// clears the flags of its empty records afterwards.
void VyberMysiStisk(TboolVector& vyber, TvyberMysi& mys, int radek, bool ctrl, bool shift);
void VyberMysiTah(TboolVector& vyber, TvyberMysi& mys, int radek, bool ctrl, bool shift);
void VyberKlavesou(TboolVector& vyber, int aktualni, TklavesaVyberu klavesa);

// The selection gestures wired to a grid's events: Enter, Space, Ctrl+A and
// Ctrl+D on the current row; a left click with Ctrl and Shift, and a drag,
// with the mouse confined to the grid while the button is held; Esc closes
// the grid's window (or runs `esc` when given). `vyber` gives the flags (null
// while the list is not there: the events do nothing), `oprav` clears the
// flags of the list's empty records, `poZmene` runs after every change (the
// window repaints and shows the new selection).
struct TvyberTabulky {
    std::function<TboolVector*()> vyber;
    std::function<void(TboolVector&)> oprav;
    std::function<void()> poZmene;
    std::function<void()> esc;
};
void PripojVyberTabulky(Mrizka* mrizka, TvyberMysi& mys, const TvyberTabulky& vyber);

// ---------------------------------------------------------------- point windows over a global list

// The grid hooks the main window and the user-point editor share: scrolling
// refills the grid (obnov), a new current row goes to vyber.aktualni, and the
// selection gestures (PripojVyberTabulky) work on vyber.hromadny while
// seznam() gives the list (null before the global objects exist), the flags
// of its empty records cleared; a change repaints the grid and writes the
// status line (stav).
void PripojMrizkuSeznamu(Mrizka* mrizka, TvyberMysi& mys, Tvyber& vyber, std::function<const Tsouradnice*()> seznam,
                         std::function<void()> obnov, std::function<void()> stav);

// Find next (dopredu) or previous of a point window: the working criteria
// `pracovni` become the find criteria `hledani`; when they check anything,
// the nearest matching filled record after (before) the grid's current row
// becomes current and is shown. fixace false: without the fixation
// criterion (HledejBodDleAtributu).
void HledejDalsiVTabulce(Mrizka* mrizka, const Tsouradnice& seznam, const Tatribut& hledani, Tatribut& pracovni,
                         const Tnastaveni& nastaveni, bool dopredu, bool fixace);

// ---------------------------------------------------------------- grid window parts

// The header above a point grid (the four columns of the table type and a
// filler above the scroll bar), three label rows high: jmena[0] over column 0 and
// jmena[1] below it over two rows; jmena[2] over columns 1 to 3, their names
// jmena[3..5] below and their units jmena[6..8] below those; the filler
// "Label_doplnek" at the right, over all three rows. Returns the panel
// ("Panel2"); the labels are its children named as given.
QWidget* VytvorZahlaviTabulky(QWidget* rodic, const Mrizka* mrizka, const std::array<const char*, 9>& jmena,
                              int typTabulky = TypTabulkySouradnic);

// ---------------------------------------------------------------- painting

// Cell of the main window's grid (type 1): pairs on alternating light blue
// and light green, inactive points white with grey text, selected rows light
// red, the number written once per pair, a green (epoch 1) or red (epoch 2)
// F by a fixed point, a grey line closing each pair, a dotted frame on the
// current row.
void KresliBunkuHlavni(Platno& c, const Tsouradnice& souradnice, const TboolVector& vyber, int sloupec,
                       int radek, const QRect& bunka, const std::string& text, bool aktualni);

// Cell of the user-point grid (type 11): number bold (red when duplicated),
// selected rows light red, the duplicate triangles, the current row's frame.
void KresliBunkuVstup(Platno& c, const Tsouradnice& souradnice, const TboolVector& vyber, int sloupec,
                      int radek, const QRect& bunka, const std::string& text, bool aktualni);

// Cell of the epoch window's grid (type 1): column 0 bold, selected rows
// light red and not bold, text right-aligned, a letter F by a fixed point's
// number (green for epoch 1, red for epoch 2), a dotted frame on the current
// row.
void KresliBunkuEtapa(Platno& c, const Tsouradnice& souradnice, const TboolVector& vyber, int etapa,
                      int sloupec, int radek, const QRect& bunka, const std::string& text, bool aktualni);

// In column 0 of a filled record: an orange triangle for a plane-position
// duplicate, a red one for a 3-D position duplicate.
void KresliZnackyDuplicit(Platno& c, const Tsouradnice& souradnice, int radek, int sloupec, const QRect& bunka);

// In column 0 of a filled record whose number occurs again: red text.
void ObarviDuplicitniCislo(Platno& c, const Tsouradnice& souradnice, int radek, int sloupec, const QRect& bunka);

// ---------------------------------------------------------------- window controls

// The controls of a window that shows a point list in this grid (main and
// epoch window), named as the program names them: the header `Panel2` over
// the grid ("Point" / "Number" over column 0, "Coordinates" over columns 1 to
// 3 with the axis names and the units below them, the filler `Label_doplnek`
// over the scroll bar), the grid `StringGrid3` (18-pixel rows, four columns
// as wide as table type 1) and the status panel `Panel1` with the selection
// summary `Label_vyber` and the hidden processing label `Label_zpracovani`.
struct TovladaceSouradnic {
    Mrizka* StringGrid3 = nullptr;
    QWidget* Panel1 = nullptr;
    QLabel* Label_vyber = nullptr;
    QLabel* Label_zpracovani = nullptr;
    QWidget* Panel2 = nullptr;
    QLabel* Label_BOD = nullptr;
    QLabel* Label_bod_cislo = nullptr;
    QLabel* Label_SRD = nullptr;
    QLabel* Label_srd_X = nullptr;
    QLabel* Label_srd_Y = nullptr;
    QLabel* Label_srd_Z = nullptr;
    QLabel* Label_srd_X_jdn = nullptr;
    QLabel* Label_srd_Y_jdn = nullptr;
    QLabel* Label_srd_Z_jdn = nullptr;
    QLabel* Label_doplnek = nullptr;
};

// Creates the controls and adds header, grid and status panel to the
// window's vertical layout (created when the window has none); the columns
// are as wide as the table type wants (type 11 has a wider number column).
TovladaceSouradnic VytvorOvladaceSouradnic(QWidget& okno, int typTabulky = TypTabulkySouradnic);


}  // namespace sitmera
