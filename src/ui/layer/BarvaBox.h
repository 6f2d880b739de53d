// The colour box of the graph windows: the program's 20 drawing colours in
// their fixed order, each item a swatch and the colour's name (black, maroon,
// green, olive, navy, purple, teal, gray, silver, red, lime, yellow, blue,
// fuchsia, aqua, white, money green, sky blue, cream, medium gray).
//
// The settings store a colour as its position in this list (0 .. 19); the
// canvases take the colour value ($00BBGGRR, BarvySeznamu of
// drawing/dxfwriter.h) and the DXF exports turn the position into a DXF
// colour number (TDXFwriter::ConvertColor). The names are the colour box's
// own and the same in both languages.
//
// The box changes only by the user's choice or by the window's code; only the
// user's choice calls OnSelect, inside the command boundary of the box's
// window.
#pragma once

#include <QComboBox>

#include <functional>

#include "drawing/Platno.h"

namespace sitmera {

inline constexpr int PocetBarevSeznamu = 20;

// Position of the colour value in the list; -1 when the list lacks it.
int IndexBarvy(TColor barva);
// Whether i is a position of the list.
inline bool JeIndexBarvy(int i) { return i >= 0 && i < PocetBarevSeznamu; }
// The colour value ($00BBGGRR) of list position i; black outside the list.
TColor BarvaSeznamu(int i);

class BarvaBox : public QComboBox {
    Q_OBJECT
public:
    BarvaBox(const QString& jmeno, QWidget* rodic);

    // The selected position, -1 when none is selected.
    int Index() const { return currentIndex(); }
    // Selects position i; false, with the selection unchanged, when i is no
    // position of the list.
    bool NastavIndex(int i);
    // The selected colour; black when none is selected.
    TColor Barva() const;
    // Selects the item of the colour value; false, with the selection
    // unchanged, when the list lacks it.
    bool NastavBarvu(TColor barva);

    // The user chose a colour.
    std::function<void()> OnSelect;
};

}  // namespace sitmera
