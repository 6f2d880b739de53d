// Report text buffer: the lines of one report and whether it has been built.
//
// Each epoch and the displacement model own one. A report generator fills it
// once and sets jePlny; it is reused until a change that affects the report
// clears it.
#pragma once

#include "numerics/Zaklad.h"

namespace sitmera {

class TprotokolAnalyser {
public:
    TprotokolAnalyser() = default;

    // Empties the text and marks the report as not built.
    void Clear();
    // Clear, then takes over zdroj's flag and appends all of its lines.
    void Kopiruj(const TprotokolAnalyser& zdroj);

    TStringList text;     // the report lines, without line ends
    bool jePlny = false;  // the report has been built
};

}  // namespace sitmera
