// The notice box (`TForm3`): a message, an OK button and optionally a button
// that opens the report of added files; and the numbered notices of the
// notice state shown through it.
//
// The texts come from the language object of Prostredi(); the catalogue of
// numbered notices (title and message per code) is `NadpisOznameni` /
// `TextOznameni` of the notice state. The box has no key handler of its own:
// Esc closes it as its close box does (not OK), Enter presses OK. A notice
// raised while the box is open is shown in a box of its own over it.
//
// The box is 400 x 96 while its message fits the label's 384 x 65. A longer
// one (a file's message under the notice, a long path breaking after its
// "/") makes the label as tall as the wrapped text and the box taller by as
// much, the buttons moving down with it; a piece that cannot be wrapped (a
// file name wider than the label) makes the box wider too, at most as wide
// as the screen. The message can be selected with the mouse, so that a path
// named in it can be copied.
#pragma once

#include <functional>
#include <string>

#include "ui/layer/Formular.h"

class QLabel;
class QPushButton;
class QRect;

namespace sitmera {

// The controls of the notice and question boxes: the client area fixed at
// 400 x 96 pixels, the message `Label1` centred and wrapped above two buttons
// `Button1` and `Button2` at the given places, whose clicks run klik1 and
// klik2 in the command boundary.
struct TovladaceZpravy {
    QLabel* Label1;
    QPushButton* Button1;
    QPushButton* Button2;
};
TovladaceZpravy VytvorOvladaceZpravy(Formular& okno, const QRect& tlacitko1, const QRect& tlacitko2,
                                     std::function<void()> klik1, std::function<void()> klik2);

class TForm3 : public Formular {
    Q_OBJECT
public:
    static constexpr int kSirkaTextu = 384;  // Label1, pixels
    static constexpr int kVyskaTextu = 65;   // Label1 when the message fits, pixels

    explicit TForm3(QWidget* rodic = nullptr);

    QLabel* Label1;
    QPushButton* Button1;  // OK
    QPushButton* Button2;  // the report of added files
    bool JeOk = false;     // OK closed the box (this showing)

    // Command handlers.
    void Button1Click();
    void Button2Click();

    // The size for the message now in Label1 (see above).
    void PrizpusobVelikost();

protected:
    void FormShow() override;
};

// The one notice box of the program (created on first use).
TForm3& Form3();

// Shows a message; true when OK closed the box.
bool ZobrazOznameni(const std::string& zprava, const std::string& nadpis);

// As ZobrazOznameni, with the report button shown (its caption
// `protokol.protokol1`): it opens the report viewer in mode 4 over the box.
bool OznameniProtokol(const std::string& zprava, const std::string& nadpis);

// Shows the pending numbered notice of the notice state and clears it. When
// the one-shot mute flag is set, the flag is cleared, nothing is shown and the
// code stays pending (result false). True when OK closed the box.
bool OznameniDleCisla();

}  // namespace sitmera
