// Find (`okno.atributyVyberu` 1) and select (2) of displacements by criteria
// (`TForm81`), opened by the displacement window over its list.
//
// Criteria: the point number (compared as text: "=", "≈" contains ignoring
// case, ">", "<", "≥", "≤", "≠" in point-number order), the value of X, Y,
// Z, horizontal and spatial length in the displacement unit (as the grid
// shows it, rounded to the value decimals; "=", ">", "<", "≥", "≤", "≠"),
// the fixation (not fixed, fixed in epoch 1 only, in epoch 2 only, in both)
// and the significance of each of the five (not significant, a priori only,
// a posteriori only, both). An empty entry is no criterion; a value that is
// no number is dropped and its entry emptied. With no criterion the window
// stays open.
//
// Find: the first matching displacement after the displacement window's
// current row, the search wrapping once to the start (the current row
// examined last), becomes current and is centred; nothing moves when none
// matches. Select: the displacement window's selection becomes exactly the
// matching displacements, and the first of them is centred. Then the window
// closes. Every close (also Esc) keeps the criteria last read by Enter (or,
// when none was, those it opened with) as the find or select criteria
// (`posunHledani`, `posunVyber`), offered again next time and used by find
// next / previous; entries typed and not confirmed are dropped.
#pragma once

#include <array>
#include <string>

#include "analysis/Posuny.h"
#include "numerics/Zaklad.h"
#include "ui/SouradniceMenu.h"
#include "ui/layer/Formular.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sitmera {

class Tjazyk;
class Tnastaveni;

// The entries of the window: texts as typed and item indexes.
struct TzadaniPosunu {
    std::string cislo;                   // Edit1
    int operatorCisla = 0;               // ComboBox01: 0 =, 1 ≈, 2 >, 3 <, 4 ≥, 5 ≤, 6 ≠
    std::array<std::string, 5> hodnoty;  // Edit2 .. Edit6: X, Y, Z, horizontal, spatial
    std::array<int, 5> operatory{};      // ComboBox02 .. 06: 0 =, 1 >, 2 <, 3 ≥, 4 ≤, 5 ≠
    int fixace = 0;                      // ComboBox11: 0 any, 1 free, 2 epoch 1, 3 epoch 2, 4 both
    std::array<int, 5> vyznamnost{};     // ComboBox12 .. 16: 0 any, 1 none, 2 a priori, 3 a posteriori, 4 both
};

// The entries into the criteria record (TabulkaPosuny.h): the trimmed number
// (in force when not empty), each value that reads as a number (in force;
// "," is read as "."), the fixation and significance codes (in force when
// the index > 0) and every operator. Returns whether any criterion is in
// force.
bool ZadaniDoKriterii(const TzadaniPosunu& zadani, Tposun& kriteria);
// The entries that show a criteria record: the number when in force, each
// value in force with the value decimals (`presnost.posun.hodnota`), every
// code as its nearest whole number (0 when outside its box's items).
TzadaniPosunu KriteriaDoZadani(const Tposun& kriteria, const Tnastaveni& nastaveni);

// Texts: caption by the mode (1 find, 2 select), labels, buttons.
Tpopisky PopiskyVyberPosuny(const Tjazyk& jazyk, int rezim);
// Items of the fixation box and of the significance boxes (item 0 empty).
TStringList PolozkyFixacePosunu(const Tjazyk& jazyk);
TStringList PolozkyVyznamnostiPosunu(const Tjazyk& jazyk);

class TForm81 : public Formular {
    Q_OBJECT
public:
    explicit TForm81(QWidget* rodic = nullptr);

    QLabel* Label1;  // number
    QLineEdit* Edit1;
    QComboBox* ComboBox01;
    QLabel* Label2;  // fixation
    QComboBox* ComboBox11;
    // Values X .. spatial: Label3..7, ComboBox02..06, Edit2..6.
    std::array<QLabel*, 5> LabelHodnoty{};
    std::array<QComboBox*, 5> ComboHodnoty{};
    std::array<QLineEdit*, 5> EditHodnoty{};
    QLabel* Label8;  // significance heading
    // Significance X .. spatial: Label9..13, ComboBox12..16.
    std::array<QLabel*, 5> LabelVyznamnost{};
    std::array<QComboBox*, 5> ComboVyznamnost{};
    QPushButton* Button1;  // find / select [Ent]
    QPushButton* Button2;  // close [Esc]

    // The entries as the controls hold them, and the controls set from them.
    TzadaniPosunu Zadani() const;
    void NastavZadani(const TzadaniPosunu& zadani);

    void Button1Click();
    void Button2Click();

protected:
    void FormShow() override;
    void FormClose() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;
};

// The one find and select window of the displacements (created on first use).
TForm81& Form81();

}  // namespace sitmera
