// Information on the displacement analysis (`TForm76`): the number of
// compared points, the risk level of the tests, the number of displacements
// significant a priori / a posteriori in X, Y, Z, horizontal and spatial
// length ("-" for a test that is off; X and Y whatever the axis order), and
// the smallest / largest displacement of each in the displacement unit with
// the value decimals. The risk level shows with up to 13 decimals and no
// trailing zeros (0.0001 stays "0.0001").
//
// Copy (popup, Ctrl+P) puts 17 lines on the clipboard, each ended by CR LF:
// the caption, then the headings alone and every label with TAB and its
// value, in the window's order. Enter and Esc close the window.
#pragma once

#include <array>
#include <string>

#include "ui/SouradniceMenu.h"
#include "ui/layer/Formular.h"

class QAction;
class QLabel;

namespace sitmera {

class Nabidka;
class Tjazyk;
class Tnastaveni;
class TmodelPosuny;

// Caption ("") and the texts of Label1 .. Label28 (labels 1..16, values
// 17..28).
Tpopisky PopiskyInfoPosunu(const Tjazyk& jazyk, const TmodelPosuny& model, const Tnastaveni& nastaveni);
// The clipboard text of the window from those texts.
std::string TextKopieInfoPosunu(const Tpopisky& popisky);

class TForm76 : public Formular {
    Q_OBJECT
public:
    explicit TForm76(QWidget* rodic = nullptr);

    // Label1 .. Label28 (index 0 .. 27): headings Label1, Label3, Label5,
    // Label11; captions Label2, Label4, Label6..10, Label12..16; values
    // Label17 .. Label28.
    std::array<QLabel*, 28> Label{};
    Nabidka* PopupMenu1;
    QAction* Kopirovat1;

    void Kopirovat1Click();

protected:
    void FormShow() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;
};

// The one information window of the program (created on first use).
TForm76& Form76();

}  // namespace sitmera
