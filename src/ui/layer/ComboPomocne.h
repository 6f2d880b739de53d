// Combo-box fillers shared by several windows: numbers 0..n, point numbers,
// displacement point numbers. Each first clears the combo box.
//
// The point and displacement fillers take any list whose records carry
// `cislo` (UTF-8 text) and the fixed flags (`JeFixni` of a point; `JeFix1`,
// `JeFix2` of a displacement); a count beyond the list is cut to it.
#pragma once

#include <QComboBox>

#include <algorithm>
#include <string>

#include "numerics/Zaklad.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

// The texts "0" .. "n" (n + 1 items), item `index` selected.
void NaplnComboCisla(QComboBox* combo, int n, int index);

// The texts as items; the selected index is kept when the box still has it,
// else item 0 is selected (refilling a box in another language).
void NaplnComboTexty(QComboBox* combo, const TStringList& polozky);

// The item text of a point: its number, " F" appended to a fixed point's
// number when the marks are on.
std::string PolozkaBodu(const std::string& cislo, bool jeFixni, bool znacky);

// The item text of a displacement: its point number, with the marks on
// " F1" when fixed in epoch 1 only, " F2" in epoch 2 only, " F" in both.
std::string PolozkaPosunu(const std::string& cislo, bool jeFix1, bool jeFix2, bool znacky);

// The numbers of the first `pocet` points of `seznam.bod`.
template <class Seznam>
void NaplnComboBody(QComboBox* combo, const Seznam& seznam, int pocet, bool znacky)
{
    combo->clear();
    const int n = std::min(pocet, static_cast<int>(seznam.bod.size()));
    for (int i = 0; i < n; ++i) combo->addItem(NaQString(PolozkaBodu(seznam.bod[i].cislo, seznam.bod[i].JeFixni, znacky)));
}

// The point numbers of the first `pocet` displacement records (an indexable
// array of records).
template <class Zaznamy>
void NaplnComboPosuny(QComboBox* combo, const Zaznamy& posuny, int pocet, bool znacky)
{
    combo->clear();
    const int n = std::min(pocet, static_cast<int>(std::size(posuny)));
    for (int i = 0; i < n; ++i)
        combo->addItem(NaQString(PolozkaPosunu(posuny[i].cislo, posuny[i].JeFix1, posuny[i].JeFix2, znacky)));
}

}  // namespace sitmera
