// The displacement grid table: a displacement list (Tposuny) shown in a grid,
// row r from record r, and what the displacement windows do with it: the
// cell texts of each view, the refill of the rows on screen, the copy of the
// selected rows, the search and marking of significant displacements, the
// sort, and find and select by criteria.
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
#include <string>

#include <QRect>

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
// The shortened grid's row by its mode (`okno.posunyZkracene`): 1
// orthogonal, 2 semipolar, 3 polar, 4..8 quantity mode - 4 a priori, 9..13
// quantity mode - 9 a posteriori; any other mode: four empty texts.
std::array<std::string, 4> RadekPosunuZkraceny(const Tposun& posun, const Tnastaveni& nastaveni, int rezim);
// Every row function gives empty texts for a record without JePlny.

// Quantity index (0 X, 1 Y, 2 Z, 3 horizontal, 4 spatial) shown in column
// 1..5 of the main grid by the axis order; -1 for column 0 or outside.
int VelicinaSloupce(const Tnastaveni& nastaveni, int sloupec);

// ---------------------------------------------------------------- filling the grid

// The sizing step: when viditelnychRadku exceeds the list's length, the grid
// gets viditelnychRadku rows and `sloupcu` columns, its top row 0, and the
// list is padded with empty records (PridejPrazdnyPosun) up to that length;
// otherwise the grid gets one row per record. The selection gets one flag
// per record (new flags false).
void NastavRadkyTabulkyPosunu(Mrizka* mrizka, Tposuny& posuny, TboolVector& vyber, int sloupcu,
                              int viditelnychRadku);

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
void KopirujTabulkuPosunuZkracene(const Tposuny& posuny, const Tnastaveni& nastaveni, const TboolVector& vyber,
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

}  // namespace sitmera
