// The one-point editor (`TForm79`): a new point for the user points
// (mode 1) or an edit of the selected user points (mode 2), opened from the
// user-point window with `nastaveni.okno.souradniceVstup` set to the mode.
//
// Four rows are edited in a value-list editor: the point number, the first
// and the second plane coordinate in the user's axis order (XY or YX, the
// row captions follow it) and Z, in the coordinate unit. A companion editor
// shows the unit beside each coordinate and a mark per row: green when the
// row holds a valid value, red when not; in mode 2 an empty row shows no
// mark. A point number is valid when it is not empty after trimming and
// holds no blank, tab or other control character (such a number could not be
// written to a coordinate file or a project and read back); a coordinate
// when it is a number of the program (JeCislo: zero or a magnitude strictly
// between 1e-12 and 1e12, "," read as ".").
//
// Insert (Enter, also while a cell is being edited) does nothing when the
// values are those of the last stored state; otherwise:
//   mode 1: every row must be valid; the new point (fixed) goes before the
//     first selected row of the list, or to its end, and becomes the only
//     selected row; the list is renumbered.
//   mode 2: every row must be valid or empty; for each selected point a
//     filled row replaces its value, an empty row, or a row still holding
//     the text the editor showed for the one selected point, leaves it.
// Invalid rows block the insert silently (the marks show which).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/layer/EditorHodnot.h"
#include "ui/layer/Formular.h"

class QPushButton;

namespace sitmera {

class Tjazyk;
class Tnastaveni;
class Tsouradnice;

// The four row texts: number, first and second plane coordinate, Z.
using ThodnotyBodu = std::array<std::string, 4>;

// A point number that can be stored (see the top of the file).
bool JePlatneCisloBodu(const std::string& text);

// Validity of each row by the mode (1 new, 2 edit).
std::array<bool, 4> PlatnostVLEditoru(const ThodnotyBodu& hodnoty, int rezim);
// The mark of each row: green when the row meets the rule of mode 1, red
// when not; in mode 2 no mark for a row empty after trimming.
std::array<TznackaPlatnosti, 4> ZnackyVLEditoru(const ThodnotyBodu& hodnoty, int rezim);

// The values string of a state: each value followed by "#".
std::string RetezecVLEditoru(const ThodnotyBodu& hodnoty);

// Row captions (number, the two plane axes in the axis order, Z).
std::array<std::string, 4> KliceVLEditoru(const Tjazyk& jazyk);

// The values shown: mode 1 empty; mode 2 with exactly one selected filled
// record its number and coordinates (in the axis order, the coordinate unit,
// `presnost.souradnice.hodnota` decimals); otherwise empty.
ThodnotyBodu HodnotyVLEditoru(const Tsouradnice& souradnice, const TboolVector& vyber, int rezim,
                              const Tnastaveni& nastaveni);

// The insert on the list (see the top of the file). `zobrazene`: the values
// the editor showed (HodnotyVLEditoru). True when the values were valid and
// the list was changed; false leaves list and selection as they were.
bool VlozBodZVLEditoru(const ThodnotyBodu& hodnoty, const ThodnotyBodu& zobrazene, int rezim,
                       Tsouradnice& souradnice, TboolVector& vyber, const Tnastaveni& nastaveni);

class TForm79 : public Formular {
    Q_OBJECT
public:
    explicit TForm79(QWidget* rodic = nullptr);

    EditorHodnot* ValueListEditor1;  // number, coordinates
    EditorHodnot* ValueListEditor2;  // units and validity marks
    QPushButton* Button1;            // close [Esc]
    QPushButton* Button2;            // clear [Del]
    QPushButton* Button3;            // insert [Enter]
    QPushButton* Button4;            // insert and close

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();

    // The four values (with a cell being edited).
    ThodnotyBodu Hodnoty() const;

protected:
    void FormShow() override;
    void FormClose() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;

private:
    void NaplnVLEditor();
    void ObnovPlatnost();
    void PrepniPanelVstupu();
    int Rezim() const;

    ThodnotyBodu zobrazene_;    // the values filled in last
    std::string zapamatovany_;  // values string of the last stored state
    std::array<bool, 4> platnost_{};
};

// The one one-point editor of the program (created on first use).
TForm79& Form79();

}  // namespace sitmera
