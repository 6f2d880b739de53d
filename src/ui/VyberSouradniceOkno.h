// The find/select windows of the point lists: the shared window and the
// user-point instance (`TForm69`). The main list's instance, with a
// fixation criterion, is `TForm61` (VyberSouradniceFixOkno.h).
//
// The calling window sets `nastaveni.okno.atributyVyberu` (1 find, 2 select)
// and shows the window. The user states criteria: the point number compared
// as text ("=", "≈" contains ignoring case, ">", "<", "≥", "≤" in the order of
// point numbers, "≠"), X, Y and Z in the coordinate unit ("=", ">", "<",
// "≥", "≤", "≠", compared with the coordinate rounded as the grid shows it),
// and on the main list the fixation. An empty edit is no criterion; a
// coordinate that is no number is emptied and is no criterion either.
//
// Confirm (Enter) with no criterion keeps the window open. Find moves the
// grid's current row to the next matching row after it, wrapping once (the
// current row examined last; with no match the current row stays, centred).
// Select selects every matching filled row and nothing else, and shows the
// first one. The criteria are kept per list and per mode (find, select) in
// the global records, also those entered without confirming, and the find
// criteria serve the find-next and find-previous commands of the windows.
#pragma once

#include <array>
#include <string>

#include "core/Vyber.h"
#include "numerics/Zaklad.h"
#include "ui/layer/Formular.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sitmera {

class Mrizka;
class Tjazyk;
class Tnastaveni;
class Tsouradnice;

// Items of the operator boxes of the find and select windows (points and
// displacements): the number ("=", "≈", ">", "<", "≥", "≤", "≠": codes 0 to
// 6) and the values ("=", ">", "<", "≥", "≤", "≠": 0 to 5).
TStringList PolozkyOperatoruCisla();
TStringList PolozkyOperatoruHodnoty();

// The window caption: find mode "Find point", select mode "Selection by
// attributes" (in the language).
std::string NadpisHledaniBodu(const Tjazyk& jazyk, int atributyVyberu);

// The texts of the four edits for stored criteria: the number when its
// criterion is in force, X, Y, Z with `presnost.souradnice.hodnota` decimals
// when theirs; empty otherwise.
std::array<std::string, 4> TextyKriterii(const Tatribut& atribut, const Tnastaveni& nastaveni);

// The criteria from the four edit texts and the item indexes of the operator
// boxes (number, X, Y, Z) and of the fixation box (-1 without one): the
// number is in force when its trimmed text is not empty, a coordinate when
// its text is a number (JeCislo), the fixation when an item above 0 is
// chosen. The operator codes are the item indexes.
void PrevezmiKriteria(const std::array<std::string, 4>& texty, const std::array<int, 5>& polozky,
                      Tatribut& atribut);

// Find with one wrap: the first matching row after `aktualni` up to the
// last record, else from row 0 up to `aktualni` itself; `aktualni` when none
// matches. `fixace`: the fixation criterion applies (main list).
int NajdiBodSObtocenim(const Tsouradnice& souradnice, const Tatribut& atribut, int aktualni,
                       const Tnastaveni& nastaveni, bool fixace);

// The shared find/select window.
class TvyberBoduOkno : public Formular {
    Q_OBJECT
public:
    // fixace: with the fixation criterion (Label5, ComboBox5).
    TvyberBoduOkno(const QString& jmeno, bool fixace, QWidget* rodic = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5 = nullptr;
    QLineEdit* Edit1;  // number
    QLineEdit* Edit2;  // X
    QLineEdit* Edit3;  // Y
    QLineEdit* Edit4;  // Z
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;
    QComboBox* ComboBox4;
    QComboBox* ComboBox5 = nullptr;  // fixation: none, not fixed, fixed
    QPushButton* Button1;            // confirm [Enter]
    QPushButton* Button2;            // close [Esc]

    void Button1Click();
    void Button2Click();

protected:
    // What the window works on: the list, its selection, the grid showing
    // it, and the find and select criteria of the list.
    struct Tcil {
        Tsouradnice* souradnice = nullptr;
        TboolVector* vyber = nullptr;
        Mrizka* mrizka = nullptr;
        Tatribut* hledani = nullptr;
        Tatribut* vyberDle = nullptr;
    };
    virtual Tcil Cil() const = 0;
    virtual void NastavPopisky() = 0;

    void FormShow() override;
    void FormClose() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;

private:
    Tatribut* Kriteria() const;
    void ZamerTabulku() const;

    bool fixace_;
    int rezim_ = 1;  // 1 find, 2 select, as shown
};

// The find/select window of the user points.
class TForm69 : public TvyberBoduOkno {
    Q_OBJECT
public:
    explicit TForm69(QWidget* rodic = nullptr);

protected:
    Tcil Cil() const override;
    void NastavPopisky() override;
};

// The one user-point find/select window (created on first use).
TForm69& Form69();

}  // namespace sitmera
