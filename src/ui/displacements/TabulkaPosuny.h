// The displacement grid table: a displacement list (Tposuny) shown in a grid,
// row r from record r, and what the displacement windows do with it: the
// cell texts of each view, the refill of the rows on screen, the copy of the
// selected rows, the search and marking of significant displacements, the
// sort, find and select by criteria, the modes of the shortened view, the
// cell painters and the header, grid and status panel of a displacement
// window.
//
// A grid holds only the rows that fit on screen: a shorter list is padded
// with empty records (JePlny false) up to the number of visible rows, and
// stays padded. Counts, copies and searches look at filled records only
// (the model's `pocet` of them, all at the head of the list).
//
// Units of the texts: coordinate differences, lengths, standard deviations
// and limit deviations in the displacement unit (`jednotky.posun`:
// millimetres, or points of 1/864 ft; MetryNaMaleJednotky), values with
// `presnost.posun.hodnota` decimals, deviations with
// `presnost.posun.odchylka`; bearings and zenith angles in the user's angle
// unit (`jednotky.uhel`) with `presnost.uhel.hodnota` decimals. X and Y go to
// the grid columns of the axis order `poradiXY` (1 and 2 for XY, 2 and 1 for
// YX). Numbers never depend on the process locale.
//
// The row functions are toolkit-free; the grid argument of the others may be
// null (the list work is done, the grid part skipped).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <QRect>

class QLabel;
class QWidget;

#include "analysis/Posuny.h"
#include "numerics/Zaklad.h"
#include "ui/TabulkaSouradnice.h"

namespace sitmera {

class Mrizka;
class Platno;
class Tnastaveni;

// ---------------------------------------------------------------- row texts

// Main grid (6 columns): number; X and Y differences in the axis order; Z;
// horizontal length; spatial length; value decimals.
std::array<std::string, 6> RadekPosunu(const Tposun& posun, const Tnastaveni& nastaveni);
// Full grid: the same six columns of `odchylkaAprior` (typ 1) or
// `odchylkaAposter` (typ 2), deviation decimals; another typ: number only.
std::array<std::string, 6> RadekPosunuPlny(const Tposun& posun, const Tnastaveni& nastaveni, int typ);
// One quantity k (0 X, 1 Y, 2 Z, 3 horizontal, 4 spatial): number, value,
// standard deviation and limit deviation of the a-priori (typ 1) or
// a-posteriori (typ 2) test.
std::array<std::string, 4> RadekPosunuVeliciny(const Tposun& posun, const Tnastaveni& nastaveni, int k, int typ);
// Orthogonal: number, X and Y in the axis order, Z.
std::array<std::string, 4> RadekPosunuOrtogonal(const Tposun& posun, const Tnastaveni& nastaveni);
// Semipolar: number, horizontal length, bearing, Z.
std::array<std::string, 4> RadekPosunuSemipolar(const Tposun& posun, const Tnastaveni& nastaveni);
// Polar: number, spatial length, bearing, zenith angle.
std::array<std::string, 4> RadekPosunuPolar(const Tposun& posun, const Tnastaveni& nastaveni);
// The shortened grid's row by its mode (`okno.posunyZkracene`, see
// RezimZkracene): 1 orthogonal, 2 semipolar, 3 polar, 4..8 quantity mode - 4
// a priori, 9..13 quantity mode - 9 a posteriori; any other mode: four empty
// texts.
std::array<std::string, 4> RadekPosunuZkraceny(const Tposun& posun, const Tnastaveni& nastaveni, int rezim);
// Every row function gives empty texts for a record without JePlny.

// Quantity index (0 X, 1 Y, 2 Z, 3 horizontal, 4 spatial) shown in column
// 1..5 of the main grid by the axis order; -1 for column 0 or outside.
int VelicinaSloupce(const Tnastaveni& nastaveni, int sloupec);

// ---------------------------------------------------------------- modes of the shortened view

// What heads a value column of the shortened view: the axis names in the
// user's order, Z, the horizontal, vertical and spatial displacement, the
// bearing, the zenith angle; or value, standard deviation and limit
// deviation of an evaluated quantity.
enum class ThlavickaZkracene : std::uint8_t {
    prvniOsa, druhaOsa, z, polohovy, svisly, prostorovy, smernik, zenit, hodnota, smerOdchylka, mezOdchylka
};
// The unit under a head: displacement value, displacement deviation, angle.
enum class TjednotkaZkracene : std::uint8_t { posunHodnota, posunOdchylka, smerHodnota };

// One mode of the shortened view (`okno.posunyZkracene`), everything that
// differs between the 13 modes but the texts themselves:
//   1 orthogonal projection (X, Y in the axis order, Z), 2 semipolar
//   (horizontal length, bearing, Z), 3 polar (spatial length, bearing,
//   zenith angle): both tests shown, bars on both;
//   4..8 a-priori evaluation of quantity m - 4, 9..13 a-posteriori of m - 9
//   (value, standard deviation, limit deviation): only that test shown, its
//   bar on the value in the first bar position.
struct TrezimZkracene {
    int velicina = -1;     // evaluated quantity 0..4; -1 for a projection
    int druh = -1;         // kind of the significance search and marking (JeVyznamnyPosun)
    bool aprior = false;   // the a-priori significance is shown (popup items, bars)
    bool aposter = false;  // the a-posteriori one
    // Quantity whose flags bar value column 1..3 (-1 no bar).
    std::array<int, 3> pruhy{-1, -1, -1};
    // Columns 1 and 2 hold X and Y in the axis order (mode 1): their bars and
    // heads follow it.
    bool osy = false;
    std::array<ThlavickaZkracene, 3> hlavicky{};
    std::array<TjednotkaZkracene, 3> jednotky{};
};
// Modes 1..13; any other mode: nothing shown, no search (druh -1).
TrezimZkracene RezimZkracene(int rezim);
// The quantity barred in grid column `sloupec` (0..3) of the mode, or -1.
int VelicinaPruhuZkracene(const TrezimZkracene& rezim, const Tnastaveni& nastaveni, int sloupec);

// ---------------------------------------------------------------- filling the grid

// Sizes the grid (column 0 99 pixels, the others 130) and writes the rows on
// screen, the partly visible last one included, then repaints: the main grid
// (6 columns; rezim 1 writes RadekPosunu, any other mode leaves the rows
// empty), the shortened grid (4 columns, mode `okno.posunyZkracene`) and the
// full grid (6 columns, typ `okno.posunyPlne`). Without a grid only the
// selection is sized to the list.
void ObnovTabulkuPosunu(Mrizka* mrizka, Tposuny& posuny, const Tnastaveni& nastaveni, int rezim,
                        TboolVector& vyber);
void ObnovTabulkuPosunuZkracene(Mrizka* mrizka, Tposuny& posuny, const Tnastaveni& nastaveni, int rezim,
                                TboolVector& vyber);
void ObnovTabulkuPosunuPlne(Mrizka* mrizka, Tposuny& posuny, const Tnastaveni& nastaveni, int typ,
                            TboolVector& vyber);

// ---------------------------------------------------------------- clipboard

// Lines of the selected filled records in list order, cells joined by TAB,
// each line ended by CR LF, no header: number, the quantities of grid columns
// 1 and 2 (X or Y by the axis order), Z, horizontal and spatial length.
// rezim 1 values (value decimals), 2 a-priori and 3 a-posteriori standard
// deviations (deviation decimals); another mode gives an empty text.
std::string TextKopieTabulkyPosunu(const Tposuny& posuny, const Tnastaveni& nastaveni, const TboolVector& vyber,
                                   int rezim);
// The four cells of the shortened view's mode per selected record; a mode
// outside 1..13 gives an empty text.
std::string TextKopieTabulkyPosunuZkracene(const Tposuny& posuny, const Tnastaveni& nastaveni,
                                           const TboolVector& vyber, int rezim);
// The texts above replace the clipboard's content, also when empty.
void KopirujTabulkuPosunu(const Tposuny& posuny, const Tnastaveni& nastaveni, const TboolVector& vyber,
                          int rezim);

// ---------------------------------------------------------------- selection

// Clears the flag of every record without JePlny (and of flags beyond the
// list).
void ZrusVyberPrazdnych(TboolVector& vyber, const Tposuny& posuny);

// ---------------------------------------------------------------- significance

// Kinds of the significance search and marking (druh), over the a-priori
// flags (aprior true) or the a-posteriori ones: 0..4 quantity druh; 5 X or Y
// or Z; 6 Z or horizontal length; 7 spatial length; 8 any of the five. A
// record without JePlny or another kind never matches.
bool JeVyznamnyPosun(const Tposun& posun, int druh, bool aprior);

// The first matching record among od + 1 .. do_: true and index := it; false
// (index kept) when do_ - od < 1 or none matches. Callers wrap once by calling
// again with od = -1, do_ = the current row.
bool HledejVyznamnyPosun(const Tposuny& posuny, int& index, int od, bool aprior, int druh, int do_);

// Clears the selection, then selects every matching record.
void OznacVyznamnePosuny(TboolVector& vyber, const Tposuny& posuny, int druh, bool aprior);

// ---------------------------------------------------------------- sort

// Sort of the main grid by velicina (kSeraditDleCisla: point numbers in
// TextMensi order; 0..4 X, Y, Z, horizontal, spatial length), only when the
// list holds a filled record: the empty records at its end are dropped, the
// selection is cleared, the list sorted (stable), the main grid refilled
// (which pads the list again) and row 0 made current. False when nothing
// was sorted.
bool SeradPosuny(Mrizka* mrizka, TboolVector& vyber, Tposuny& posuny, int velicina, const Tnastaveni& nastaveni);

// ---------------------------------------------------------------- find and select by criteria

// An operator or wanted code of the criteria record (stored as a real): the
// nearest whole number; -1 for a value that is none (NaN, out of range).
int KodKriteria(Extended x);

// Whether a filled record meets the criteria in force (the criteria record,
// see Posuny.h: JePlny and `cislo` with the text operator in kvantilS[0];
// JeFix1 with the wanted KodFix + 1 in odchylkaAprior[0]; for quantity k
// the value criterion prokazaniAprior[k] with the value hodnota[k] in the
// displacement unit and the numeric operator in kvantilS[k + 1]; the
// significance criterion prokazaniAposter[k] with the wanted KodProkazani + 1
// in odchylkaAprior[k + 1]). Tested in that order; the record's value is
// converted to the displacement unit and rounded to the shown decimals
// before it is compared, so "=" matches what the grid shows. Codes are the
// whole numbers nearest to the stored reals. Empty records never match.
bool PosunVyhovujeAtributu(const Tposun& posun, const Tposun& kriteria, const Tnastaveni& nastaveni);

// Sets the flag of every filled record that meets the criteria and clears
// it of every filled one that does not; flags of empty records are left.
void VyberPosunyDleAtributu(const Tposuny& posuny, const Tposun& kriteria, TboolVector& vyber,
                            const Tnastaveni& nastaveni);

// The first record meeting the criteria strictly after `start` going towards
// `mez`: upwards (start + 1 .. mez) when mez > start, downwards (start - 1 ..
// mez) when mez < start, nothing when equal. True and index := it; false
// (index kept) otherwise. No wrap-around.
bool HledejPosunDleAtributu(const Tposuny& posuny, const Tposun& kriteria, int& index,
                            const Tnastaveni& nastaveni, int mez, int start);

// ---------------------------------------------------------------- painting

// Cell of the main displacement grid: a normal cell, column 0 bold; selected
// rows light red and not bold; the text right-aligned; in column 0 the letter
// F green (fixed in epoch 1), red (epoch 2), orange (both), drawn in that
// order; in the value columns a blue bar when the column's quantity is
// significant a priori and a green one beside it when a posteriori; the
// dotted frame on the current row.
void KresliBunkuPosunu(Platno& c, const Tposuny& posuny, const TboolVector& vyber, const Tnastaveni& nastaveni,
                       int sloupec, int radek, const QRect& bunka, const std::string& text, bool aktualni);
// The shortened view's cell in mode `rezim`: the same, with the bars of the
// mode (RezimZkracene): both bars in a projection; in an evaluation only the
// one test's bar, in the first position and that test's colour (blue a
// priori, green a posteriori).
void KresliBunkuPosunuZkracene(Platno& c, const Tposuny& posuny, const TboolVector& vyber,
                               const Tnastaveni& nastaveni, int rezim, int sloupec, int radek, const QRect& bunka,
                               const std::string& text, bool aktualni);
// The full view's cell: the same without bars.
void KresliBunkuPosunuPlne(Platno& c, const Tposuny& posuny, const TboolVector& vyber, int sloupec, int radek,
                           const QRect& bunka, const std::string& text, bool aktualni);

// ---------------------------------------------------------------- window controls

// The controls of a window that shows a displacement list, named as the
// program names them: the header `Panel2` ("Point" / "Number" over column 0,
// `Label_SRD` over the value columns with a head `Label_srd_X`,
// `Label_srd_Y`, `Label_srd_Z`, `Label_srd_delkaH`, `Label_srd_delkaS` and
// its unit label (`..._jdn`) for each of the first `sloupcu` of them, the
// filler `Label_doplnek` over the scroll bar), the grid `StringGrid3`
// (18-pixel rows, column 0 99 pixels, the others 130) and the status panel
// `Panel1` with `Label_vyber` and the hidden processing label
// `Label_zpracovani`; with `pocty`, `Label1` .. `Label5` under the five
// value columns as well (the main window's counts).
struct TovladacePosunu {
    QWidget* Panel2 = nullptr;
    QLabel* Label_BOD = nullptr;
    QLabel* Label_bod_cislo = nullptr;
    QLabel* Label_SRD = nullptr;
    std::array<QLabel*, 5> hlavicky{};  // Label_srd_X .. Label_srd_delkaS (null beyond sloupcu)
    std::array<QLabel*, 5> jednotky{};  // their unit labels
    QLabel* Label_doplnek = nullptr;
    Mrizka* StringGrid3 = nullptr;
    QWidget* Panel1 = nullptr;
    QLabel* Label_vyber = nullptr;
    QLabel* Label_zpracovani = nullptr;
    std::array<QLabel*, 5> pocty{};  // Label1 .. Label5 (null without pocty)
};
// Creates the controls for `sloupcu` value columns (1..5) and adds header,
// grid and status panel to the window's vertical layout (created when the
// window has none).
TovladacePosunu VytvorOvladacePosunu(QWidget& okno, int sloupcu, bool pocty);
// Stretches the last header label and the last status label to their
// panels' width (the window was resized).
void RoztahniOvladacePosunu(const TovladacePosunu& ovladace);

}  // namespace sitmera
