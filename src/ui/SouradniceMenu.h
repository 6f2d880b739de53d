// Texts, enabling and status lines of the main window and of the coordinate
// windows (user points, find/select, standard deviations, error ellipsoids).
//
// Every visible text of these windows comes from the language object. The
// texts and the enabling are worked out by pure functions that give pairs of
// (control name, text) or (item name, enabled); the window functions apply
// them to the window's controls by their object names: a menu item or menu
// takes the text as its caption (NastavPopisek, so a shortcut stays beside
// it), a label or button as its text, and the empty name stands for the
// window caption. A name the window does not have is passed over, so the
// same tables serve windows that are built later.
//
// "lower" below means the language text in lower case (Czech letters too).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <QColor>

#include "core/Vyber.h"
#include "numerics/Zaklad.h"

class QWidget;

namespace sitmera {

class Tjazyk;
class Tnastaveni;
class Tchyby;
class Tsouradnice;
class TmodelPorovnani;

// (control name, text); the name "" is the window caption.
using Tpopisky = std::vector<std::pair<std::string, std::string>>;
// (item name, enabled).
using Tpovoleni = std::vector<std::pair<std::string, bool>>;

// The name of plane axis i (0 the first, 1 the second) in the user's axis
// order; empty when the texts have none.
std::string NazevOsy(const Tjazyk& jazyk, int i);

// ---------------------------------------------------------------- applying

// Sets the texts on the window's controls by name (see the top of the file).
void PouzijPopisky(QWidget& okno, const Tpopisky& popisky);
// Enables or disables the window's menu items and menus by name.
void PouzijPovoleni(QWidget& okno, const Tpovoleni& povoleni);
// Shows or hides the window's menu items by name.
void PouzijViditelnost(QWidget& okno, const Tpovoleni& viditelnost);

// ---------------------------------------------------------------- main window

// Caption ("Sitmera Analyser", with " [project.pea]" once a project was
// opened or saved) and every main-menu caption.
Tpopisky PopiskyMenuHlavni(const Tjazyk& jazyk, const TmodelPorovnani& modelPorovnani);
// Header labels above the grid (axis names in the chosen order, units).
Tpopisky PopiskyZahlaviHlavni(const Tjazyk& jazyk);
// Popup menu captions.
Tpopisky PopiskyPopupHlavni(const Tjazyk& jazyk);

// Main-menu enabling: find and select items when the list has a filled
// point, activation and copy when some row is selected, the transformed
// epochs when the epoch is attached, compare when the list has an active
// point. The other items are always enabled (not listed).
Tpovoleni PovoleniMenuHlavni(const Tsouradnice& souradniceHlavni, const Tvyber& vyberHlavni,
                             const TmodelPorovnani& modelPorovnani);
// Popup enabling: copy and activation when some row is selected; select all
// and cancel when the list has a filled point.
Tpovoleni PovoleniPopupHlavni(const Tsouradnice& souradniceHlavni, const Tvyber& vyberHlavni);

// Status line: " selected / 2 x pairs (pairs : active + inactive)", e.g.
// " 3 / 40 (20 : 18 + 2)".
std::string TextStavuVyberuHlavni(const Tvyber& vyberHlavni, int pary, int aktivniPary);

// The window versions (the window's controls named as in the main window).
void NastavPopiskyMenuHlavni(QWidget& okno, const Tjazyk& jazyk, const TmodelPorovnani& modelPorovnani);
void NastavZahlaviHlavni(QWidget& okno, const Tjazyk& jazyk);
void NastavPopiskyPopupHlavni(QWidget& okno, const Tjazyk& jazyk);
// The three above.
void NastavPopiskyHlavni(QWidget& okno, const Tjazyk& jazyk, const TmodelPorovnani& modelPorovnani);
void PovolitMenuHlavni(QWidget& okno, const Tsouradnice& souradniceHlavni, const Tvyber& vyberHlavni,
                       const TmodelPorovnani& modelPorovnani);
void PovolitPopupHlavni(QWidget& okno, const Tsouradnice& souradniceHlavni, const Tvyber& vyberHlavni);
// Writes the status line into `Label_vyber`.
void ZobrazStavVyberuHlavni(QWidget& okno, const Tvyber& vyberHlavni, int pary, int aktivniPary);

// ---------------------------------------------------------------- user-point window

Tpopisky PopiskyMenuVstup(const Tjazyk& jazyk);
Tpopisky PopiskyZahlaviVstup(const Tjazyk& jazyk);
Tpopisky PopiskyPopupVstup(const Tjazyk& jazyk);
Tpovoleni PovoleniMenuVstup(const Tsouradnice& souradnice, const Tnastaveni& nastaveni, const Tvyber& vyber,
                            const Tchyby& chyby);
Tpovoleni PovoleniPopupVstup(const Tnastaveni& nastaveni, const Tvyber& vyber);

// The three status labels of the user-point window.
struct TstavVstup {
    std::string duplikatySouradnice;  // " " + duplicated positions
    QColor barvaSouradnice;           // green for " 0", else red
    std::string duplikatyCislo;       // duplicated numbers + " "
    QColor barvaCislo;                // green for "0 ", else red
    std::string vyber;                // " selected / filled points"
};
TstavVstup StavVstup(const Tchyby& chyby, const Tsouradnice& souradnice, const Tvyber& vyber);

void NastavPopiskyMenuVstup(QWidget& okno, const Tjazyk& jazyk);
void NastavZahlaviVstup(QWidget& okno, const Tjazyk& jazyk);
void NastavPopupVstup(QWidget& okno, const Tjazyk& jazyk);
void PovolitMenuVstup(QWidget& okno, const Tsouradnice& souradnice, const Tnastaveni& nastaveni,
                      const Tvyber& vyber, const Tchyby& chyby);
void PovolitPopupVstup(QWidget& okno, const Tnastaveni& nastaveni, const Tvyber& vyber);
// Writes `Label_duplikaty_souradnice`, `Label_duplikaty_cislo` (text and
// colour) and `Label_vyber`.
void ZobrazStavVstup(QWidget& okno, const Tchyby& chyby, const Tsouradnice& souradnice, const Tvyber& vyber);

// ---------------------------------------------------------------- find and select windows

// Labels and buttons of both find/select windows; the main-list one adds the
// fixation label.
Tpopisky PopiskyHledaniVstup(const Tjazyk& jazyk);
Tpopisky PopiskyHledaniHlavni(const Tjazyk& jazyk);
// The three items of the fixation box: empty, not fixed, fixed.
TStringList PolozkyFixace(const Tjazyk& jazyk);

// Window versions; the main-list one also refills `ComboBox5`.
void NastavPopiskyHledaniHlavni(QWidget& okno, const Tjazyk& jazyk);
void NastavPopiskyHledaniVstup(QWidget& okno, const Tjazyk& jazyk);

// ---------------------------------------------------------------- deviation and ellipsoid windows

// typ 1: value units, typ 2: deviation units.
Tpopisky PopiskyZahlaviOdchylek(const Tjazyk& jazyk, int typ);
Tpopisky PopiskyPopupOdchylek(const Tjazyk& jazyk);
// The find item and its separator are hidden in the window's modes 2 and 3.
Tpovoleni ViditelnostPopupOdchylek(int rezim);
Tpovoleni PovoleniPopupOdchylek(const Tvyber& vyber);
Tpopisky PopiskyZahlaviElipsoidu(const Tjazyk& jazyk);
Tpopisky PopiskyPopupElipsoidu(const Tjazyk& jazyk);
Tpovoleni PovoleniPopupElipsoidu(const Tvyber& vyber);

void NastavZahlaviOdchylek(QWidget& okno, const Tjazyk& jazyk, int typ);
void NastavPopupOdchylek(QWidget& okno, const Tjazyk& jazyk, int rezim);
void PovolitPopupOdchylek(QWidget& okno, const Tvyber& vyber);
void NastavZahlaviElipsoidu(QWidget& okno, const Tjazyk& jazyk);
void NastavPopupElipsoidu(QWidget& okno, const Tjazyk& jazyk);
void PovolitPopupElipsoidu(QWidget& okno, const Tvyber& vyber);

}  // namespace sitmera
