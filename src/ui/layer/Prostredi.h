// What the shared windows need of the program's global objects.
//
// The notice box, the report viewer and the error box of the command boundary
// read the settings, the texts and the notice state through this one record,
// which the program start points at its global objects (and a test at its
// own). A null pointer means "not there yet": the windows then fall back to
// neutral texts and skip what needs the object.
#pragma once

#include <cstdint>
#include <functional>

#include "numerics/Zaklad.h"

namespace sitmera {

class Tnastaveni;
class Tjazyk;
class Tchyby;

struct TprostrediOken {
    Tnastaveni* nastaveni = nullptr;
    Tjazyk* jazyk = nullptr;
    Tchyby* chyby = nullptr;
    // The report the viewer shows and saves, by `nastaveni.okno.protokol`:
    // 1 and 2 the current epoch's report, 3 the displacement report, 4 the
    // report of added files. Empty function: no report (an empty text).
    std::function<TStringList(std::uint8_t rezim)> textProtokolu;
};

// The one record (zero-initialised until the program start fills it).
TprostrediOken& Prostredi();

}  // namespace sitmera
