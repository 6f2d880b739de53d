// Filter tests of the find and select criteria.
//
// The find and select windows compare a value of each record with a value
// the user typed, through an operator chosen in a combo box; the displacement
// list sorts with the same tests. Both tests are plain functions without any
// window toolkit.
//
// The result is an in-out flag: a test that is not in force (aktivni false)
// or has an unknown operator code leaves it as it was, so a caller can chain
// several criteria into one flag.
//
// Numbers: two values count as equal when they differ by at most
// max(1e-16, 1e-16 x the smaller magnitude); otherwise they compare as usual.
// The test works on the values as given (any unit, the caller converts).
//
// Texts: point numbers are ordered as everywhere in the program (TextMensi):
// shorter text first, equal lengths by character codes ("9" < "10" < "A1").
#pragma once

#include <string_view>

#include "numerics/Zaklad.h"

namespace sitmera {

// Numeric operator codes of VyhovujeCislo.
enum : int {
    kFiltrRovno = 0,        // a = b
    kFiltrVetsi = 1,        // a > b
    kFiltrMensi = 2,        // a < b
    kFiltrVetsiRovno = 3,   // a >= b
    kFiltrMensiRovno = 4,   // a <= b
    kFiltrRuzne = 5,        // a <> b
};

// Text operator codes of VyhovujeText.
enum : int {
    kFiltrTextRovno = 0,        // a equals b exactly
    kFiltrTextObsahuje = 1,     // a contains b, ignoring case
    kFiltrTextVetsi = 2,        // a > b (TextMensi order)
    kFiltrTextMensi = 3,        // a < b
    kFiltrTextVetsiRovno = 4,   // a >= b
    kFiltrTextMensiRovno = 5,   // a <= b
    kFiltrTextRuzne = 6,        // a differs from b
};

// vysledek := a op b with op by kod (0 =, 1 >, 2 <, 3 >=, 4 <=, 5 <>),
// equality within the tolerance above. When aktivni is false or kod lies
// outside 0..5, vysledek is left as it is. NaN equals nothing and is neither
// greater nor smaller than anything.
void VyhovujeCislo(int kod, bool aktivni, bool& vysledek, Extended a, Extended b);

// vysledek := the text test of a against b by kod: 0 a = b exactly; 1 a
// contains b ignoring case (an empty b is contained in every text); 2 a > b,
// 3 a < b, 4 a >= b, 5 a <= b in TextMensi order; 6 a <> b. When aktivni is
// false or kod lies outside 0..6, vysledek is left as it is. Texts are UTF-8;
// case is folded for Latin (Czech letters included), Greek and Cyrillic.
void VyhovujeText(std::string_view a, std::string_view b, int kod, bool& vysledek, bool aktivni);

}  // namespace sitmera
