// The transformation-key information window (`TForm80`): the current key
// `klicTransformace`: its method, the translation in the coordinate unit and
// the rotation angles in the angle unit (with the decimals of the settings),
// and the reference points of the roles the method uses (A and B for the
// line AB, A, B and C for the plane ABC): "[list] number" (list "1", "2" or
// "U" for the first epoch, the second epoch or the user points) and X, Y, Z
// in the coordinate unit. A role the method does not use, or one without a
// point, shows "-" in its four labels.
//
// Opened by the epoch window and by the displacement window. Copy (Ctrl+P)
// puts the caption, the method and the key on the clipboard, then the
// reference points A and B for the line and the plane, and C for the plane
// only; lines of a label, a TAB and a value, each ended by CR LF. Enter or
// Esc closes the window.
#pragma once

#include <string>

#include "ui/SouradniceMenu.h"
#include "ui/layer/Formular.h"

class QAction;
class QLabel;

namespace sitmera {

class Nabidka;
class Tjazyk;
class Tnastaveni;
struct TtransformacniKlicEtapa;

// Caption, labels and values of the window for the key.
Tpopisky PopiskyKlicInfo(const Tjazyk& jazyk, const Tnastaveni& nastaveni, const TtransformacniKlicEtapa& klic);

// The clipboard text of the window's labels for a key of the method typ.
std::string TextKopieKlicInfo(const QWidget& okno, int typ);

class TForm80 : public Formular {
    Q_OBJECT
public:
    explicit TForm80(QWidget* rodic = nullptr);

    Nabidka* PopupMenu1;
    QAction* Kopirovat1;
    // Captions (1 to 24) and values (25 to 42).
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11,
        *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18, *Label19, *Label20, *Label21,
        *Label22, *Label23, *Label24;
    QLabel *Label25, *Label26, *Label27, *Label28, *Label29, *Label30, *Label31, *Label32, *Label33, *Label34,
        *Label35, *Label36, *Label37, *Label38, *Label39, *Label40, *Label41, *Label42;

    void Kopirovat1Click();

protected:
    void FormShow() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;
};

// The one key information window of the program (created on first use).
TForm80& Form80();

}  // namespace sitmera
