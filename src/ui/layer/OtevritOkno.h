// The open dialog (`TForm8`) and the entry functions that choose files to
// open: coordinate files (several at once), a project, an epoch.
//
// Each entry function sets the dialog's captions and filter, selects the
// filter item stored in `souborVstup` (limited to the items there are), shows
// the dialog over the active window and stores the filter item back in the
// settings, also after a cancel. The paths are full paths, in the order of
// the file list.
#pragma once

#include <string>

#include "numerics/Zaklad.h"
#include "ui/layer/SouborDialog.h"

namespace sitmera {

class Tnastaveni;
class Tjazyk;

class TForm8 : public TsouborDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* rodic = nullptr);

    // The chosen full paths (filled by Button1Click).
    TStringList vybrane;

    // Several files can be chosen.
    void NastavVyberVice(bool vice);

    void Button1Click() override;

protected:
    void FormShow() override;
    void ZmenaVyberu() override;
};

// The one open dialog of the program (created on first use).
TForm8& Form8();

// The fixed captions of the open dialog.
void NastavPopiskyOtevrit(const Tjazyk& jazyk);

// Coordinate files: true when at least one file was chosen.
bool OtevritSouboryDialog(TStringList& soubory, Tnastaveni& nastaveni, const Tjazyk& jazyk);
// A project / an epoch: true when exactly one file was chosen (else the path
// is empty).
bool OtevritSouborProjekt(std::string& soubor, Tnastaveni& nastaveni, const Tjazyk& jazyk);
bool OtevritSouborEtapa(std::string& soubor, Tnastaveni& nastaveni, const Tjazyk& jazyk);

}  // namespace sitmera
