// The save dialog (`TForm9`) and the entry functions that choose a file to
// save: coordinate file, report, drawing, project.
//
// The typed name is the name without extension: the entry function always
// appends the extension of the chosen filter item ("a" under JPEG gives
// "a.jpg"). The filter item is stored in `souborVystup`, also after a cancel.
// A blank name keeps the dialog open. Enter confirms the name as typed, also
// in the file list; only with no name typed does it take the current row's.
#pragma once

#include <string>
#include <vector>

#include "ui/layer/SouborDialog.h"

namespace sitmera {

class Tnastaveni;
class Tjazyk;

class TForm9 : public TsouborDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget* rodic = nullptr);

    // The chosen path without extension (filled by Button1Click).
    std::string vybrana;

    void Button1Click() override;

protected:
    void FormShow() override;
    void ZmenaVyberu() override;
    // A name is typed (more than blanks).
    bool MaVolbu() const override;
};

// The one save dialog of the program (created on first use).
TForm9& Form9();

// The fixed captions of the save dialog.
void NastavPopiskyUlozit(const Tjazyk& jazyk);

// The drawing filter, the same in both languages.
extern const char* const kFiltrGrafika;

// The extension of a filter item from the kind's table (the last one for an
// item past the table).
std::string PriponaPolozky(const std::vector<std::string>& pripony, int polozka);

// True when a path was chosen; the path ends with the filter item's extension.
bool UlozitSouborSouradnice(std::string& soubor, Tnastaveni& nastaveni, const Tjazyk& jazyk);
bool UlozitSouborProtokol(std::string& soubor, Tnastaveni& nastaveni, const Tjazyk& jazyk);
bool UlozitSouborGrafika(std::string& soubor, Tnastaveni& nastaveni, const Tjazyk& jazyk);
bool UlozitSouborProjekt(std::string& soubor, Tnastaveni& nastaveni, const Tjazyk& jazyk);

}  // namespace sitmera
