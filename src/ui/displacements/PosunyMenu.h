// Texts and enabling of the main displacement window, and the texts of the
// two analysis windows between the epochs (lengths, angles).
//
// As in SouradniceMenu.h, the texts and the enabling are pure functions that
// give pairs of (control name, text) or (item name, enabled); the window
// versions apply them to the window's controls by their object names (menu
// items keep their shortcut beside the caption, "" is the window caption, a
// name the window lacks is passed over). Texts are set each time a window is
// shown, so a change of language shows at the next showing.
//
// "lower" below means the language text in lower case (Czech letters too).
#pragma once

#include <array>
#include <string>

#include "numerics/Zaklad.h"
#include "ui/SouradniceMenu.h"

class QWidget;

namespace sitmera {

class Tjazyk;
class Tnastaveni;
class TmodelPosuny;

// ---------------------------------------------------------------- main displacement window

// Window caption and every main-menu caption.
Tpopisky PopiskyMenuPosunyHlavni(const Tjazyk& jazyk);
// Header labels above the grid (axis names in the chosen order, the
// displacement unit under each value column) and the processing label.
Tpopisky PopiskyZahlaviPosunyHlavni(const Tjazyk& jazyk);
// Popup captions (as their main-menu twins).
Tpopisky PopiskyPopupPosunyHlavni(const Tjazyk& jazyk);
// The three above, in this order.
void NastavPopiskyPosunyHlavni(QWidget& okno, const Tjazyk& jazyk);

// Main-menu enabling: the a-priori find and mark of significant
// displacements follow `porovnaniAprior`, the a-posteriori ones
// `porovnaniAposter`; the sort and the length analysis need pocet >= 2, the
// angle analysis pocet >= 3; copy needs a selected row. Other items are not
// listed (always enabled).
Tpovoleni PovoleniMenuPosuny(const TmodelPosuny& model, const TboolVector& vyber);
// Popup enabling: copy, and the four significance items as in the main menu.
Tpovoleni PovoleniPopupPosuny(const TmodelPosuny& model, const TboolVector& vyber);
void PovolitMenuPosuny(QWidget& okno, const TmodelPosuny& model, const TboolVector& vyber);
void PovolitPopupPosuny(QWidget& okno, const TmodelPosuny& model, const TboolVector& vyber);

// The labels below the grid: `Label_vyber` " " + pocet, and `Label1` ..
// `Label5` under the five value columns in grid order (X and Y by the axis
// order, then Z, horizontal, spatial length): " a / p", the counts of
// displacements significant a priori and a posteriori in that column's
// quantity, "-" for a test that is off.
Tpopisky PopiskyPoctuPosunu(const TmodelPosuny& model, const Tnastaveni& nastaveni);

// ---------------------------------------------------------------- the views

// The name of displacement quantity k (0 X, 1 Y, 2 Z, 3 horizontal, 4
// spatial), not in the axis order; "" outside 0..4.
std::string NazevVelicinyPosunu(const Tjazyk& jazyk, int k);
// The shortened view in mode rezim (TabulkaPosuny.h RezimZkracene): caption
// ("Displacements - Orthogonal projection", "Evaluation (A priori precision)
// - X displacement"), the header over the grid (the three heads and units
// of the mode), the processing label and the popup captions (as the main
// window's twins). An unknown mode: the caption "Displacements", no heads.
Tpopisky PopiskyPosunyZkracene(const Tjazyk& jazyk, int rezim);
// The full view of the deviations: the header (axis names in the chosen
// order, the deviation unit under every value column), the processing label
// and the popup captions. Its caption comes from the displacement window.
Tpopisky PopiskyPosunyPlne(const Tjazyk& jazyk);

// ---------------------------------------------------------------- analyses between the epochs

// The items of the precision box of both windows: a priori, a posteriori.
TStringList PolozkyPresnostiAnalyzy(const Tjazyk& jazyk);
// Caption, labels, column heads, button and copy item of the length window
// and of the angle window.
Tpopisky PopiskyAnalyzaDelky(const Tjazyk& jazyk);
Tpopisky PopiskyAnalyzaUhly(const Tjazyk& jazyk);
// The window versions; they also refill the precision box (`ComboBox3` of
// the length window, `ComboBox4` of the angle window), keeping its index.
void NastavPopiskyAnalyzaDelky(QWidget& okno, const Tjazyk& jazyk);
void NastavPopiskyAnalyzaUhly(QWidget& okno, const Tjazyk& jazyk);

}  // namespace sitmera
