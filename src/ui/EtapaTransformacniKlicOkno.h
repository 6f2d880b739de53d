// The transformation-key window (`TForm77`): how both epochs are brought
// into one frame before they are compared.
//
// The window edits a working copy of the global key (`klicTransformace`):
// the method (none, line AB, plane ABC, user values), for each role A, B, C
// the point list its point comes from ("1" first epoch, "2" second epoch,
// "U" user points) and the point itself (" F" after a fixed point), or the
// user's translations (coordinate unit) and rotations (angle unit). Every
// change of a combo box recomputes the working copy and shows the computed
// translation and rotation (empty when the key cannot be computed).
//
// Confirm (Enter) checks the key: with a computed method the key must have
// been computed; with user values every translation must be a number of the
// program (zero or a magnitude strictly between 1e-12 and 1e12) and every
// angle such a number from 0 up to, not including, a full turn. An invalid
// field is emptied and the window stays open, without a message; valid
// fields are kept (also when the method is changed, so that coming back to
// the user values shows them). A value the window showed and the user did
// not change is kept as stored, at full precision, not read back from its
// rounded text, and checked as a typed value (converted to the user's unit).
// A confirmed key replaces the global key and marks both transformed epochs
// stale. Esc closes and changes nothing.
//
// Ctrl+P (popup menu) copies the window's data to the clipboard.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/EtapaTransformacniKlic.h"
#include "ui/layer/Formular.h"
#include "ui/SouradniceMenu.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sitmera {

class Nabidka;
class Tjazyk;
class Tnastaveni;

// The six edit texts of a key: translation X, Y, Z in the coordinate unit
// with `presnost.souradnice.hodnota` decimals, rotations about X, Y, Z in
// the angle unit with `presnost.uhel.hodnota` decimals. Methods 0 to 2: the
// computed values, all empty when the key is not computed; method 3: the
// user values, each empty when not valid.
std::array<std::string, 6> TextyHodnotKlice(const TtransformacniKlicEtapa& klic, const Tnastaveni& nastaveni);

// The check of confirm (see the top of the file) on the six edit texts;
// `zobrazene` are the texts the window wrote last (TextyHodnotKlice). Method
// 3 stores the valid user values and clears the flags of the invalid ones;
// the result is whether the key is computed (for method 3: all six valid and
// VypocetKlice true).
bool KontrolaAUlozeniKlice(TtransformacniKlicEtapa& klic, const std::array<std::string, 6>& texty,
                           const std::array<std::string, 6>& zobrazene, const Tnastaveni& nastaveni);

// Enabling by the method: the list and point boxes of A and B, those of C,
// and whether the six edits can be written.
struct TpovoleniKlice {
    bool ab = false;
    bool c = false;
    bool edity = false;
};
TpovoleniKlice PovoleniKlice(int metoda);

// Captions of the window (controls by name, "" the window caption) and the
// four items of the method box.
Tpopisky PopiskyKlice(const Tjazyk& jazyk);
TStringList PolozkyMetodyKlice(const Tjazyk& jazyk);

// What the copy of the window takes: the caption, Label1..Label14 (index 1
// to 14), the chosen items of ComboBox1..ComboBox7 (index 1 to 7, empty when
// none is chosen) and Edit1..Edit6 (index 1 to 6).
struct TobsahKlice {
    std::string nadpis;
    std::array<std::string, 15> label;
    std::array<std::string, 8> combo;
    std::array<std::string, 7> edit;
};
// Lines ended by CR LF, cells by TAB: the caption, Label1, the method; with
// method 1 the reference points A and B (list and point), with method 2 also
// C; then the translation and rotation captions and values.
std::string TextKopieKlice(const TobsahKlice& obsah, int metoda);

class TForm77 : public Formular {
    Q_OBJECT
public:
    explicit TForm77(QWidget* rodic = nullptr);

    QComboBox* ComboBox7;  // method
    QComboBox* ComboBox1;  // list of A, B, C
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;
    QComboBox* ComboBox4;  // point of A, B, C
    QComboBox* ComboBox5;
    QComboBox* ComboBox6;
    QLineEdit* Edit1;  // translation X, Y, Z
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;  // rotation about X, Y, Z
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    std::array<QLabel*, 15> Label{};  // Label1 .. Label14 at 1 .. 14
    QPushButton* Button1;  // confirm [Enter]
    QPushButton* Button2;  // close [Esc]
    Nabidka* PopupMenu1;
    QAction* Kopirovat1;

    void Button1Click();
    void Button2Click();
    void ComboBox7Select(int index);
    // Role 0..2 (A, B, C): its list box / its point box chose `index`.
    void ComboBoxSeznamSelect(int role, int index);
    void ComboBoxBodSelect(int role, int index);
    void Kopirovat1Click();

protected:
    void FormShow() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;

private:
    void ZapisTransformaceHodnoty();
    void ZapisTransformaceNastaveni();
    void ComboBoxZamek();
    void EditReadOnly(bool vstup);
    bool KontrolaAUlozeniKlice();
    void NaplnComboBodu(int role);
    std::array<QLineEdit*, 6> Edity() const;

    std::array<std::string, 6> zobrazene_;
    // Per role: the list index of each item of its point box (the filled
    // points of the role's list).
    std::array<std::vector<int>, 3> indexyBodu_;
};

// The one transformation-key window (created on first use).
TForm77& Form77();

}  // namespace sitmera
