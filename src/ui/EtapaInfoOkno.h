// The epoch information window (`TForm67`): the adjustment summary of the
// epoch the epoch window shows (`etapaAktualni`): the a-priori and the
// a-posteriori unit standard deviation (3 decimals, unitless) and the
// counts of fixed and determined points, further unknowns, measurements by
// kind and the redundancy. Ties count two measurements each, shown as
// "4 (8)".
//
// The caption names the epoch by the mode bytes `nastaveni.okno.etapa` and
// `etapaDruh` ("Information - 2. epoch (transformed)"). Copy (Ctrl+P, from
// the popup menu) puts the content on the clipboard as lines of a label, a
// TAB and a value, each ended by CR LF, beginning with the caption. Enter or
// Esc closes the window.
//
// The layout and copy helpers of the information windows live here too:
// an information window is a column of rows, each a caption label and a
// value label (a heading has no value label).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/SouradniceMenu.h"
#include "ui/layer/Formular.h"

class QAction;
class QGridLayout;
class QLabel;

namespace sitmera {

class Nabidka;
class Tetapa;
class Tjazyk;

// ---------------------------------------------------------------- information windows

// One row of an information window: the object names of its caption label
// and of its value label ("" for a heading or a line of its own).
using TradkyInformaci = std::vector<std::pair<std::string, std::string>>;

// Lays the rows out in a grid: a caption on the left and its value right-
// aligned beside it; a row without a value spans both columns. The labels
// must exist (children of the window, named).
void RozlozRadkyInformaci(QWidget& okno, QGridLayout& mrizka, const TradkyInformaci& radky);

// The copy text of an information window: its caption, CR LF, then per row
// the caption label's text, with a TAB and the value label's text when the
// row has a value, and CR LF.
std::string TextKopieInformaci(const QWidget& okno, const TradkyInformaci& radky);

// Makes the window an information window: a size fixed by its content
// (the window layer gives it the tool-window frame by its name), its labels
// in a grid, and the popup menu `PopupMenu1` with `Kopirovat1` (Ctrl+P, runs
// kopirovat) attached to the whole window. Returns the grid; *popup and
// *polozka get the menu and the item.
QGridLayout* PripravInformacniOkno(Formular& okno, Nabidka*& popup, QAction*& polozka,
                                   std::function<void()> kopirovat);

// ---------------------------------------------------------------- epoch information

// The rows of the epoch information window: the heading, then the 14 rows of
// the adjustment summary.
const TradkyInformaci& RadkyEtapaInfo();

// Caption, labels and values of the window for the epoch: typEtapa and
// druhEtapa as the mode bytes (1 or 2 each).
Tpopisky PopiskyEtapaInfo(const Tjazyk& jazyk, const Tetapa& etapa, std::uint8_t typEtapa,
                          std::uint8_t druhEtapa);

class TForm67 : public Formular {
    Q_OBJECT
public:
    explicit TForm67(QWidget* rodic = nullptr);

    Nabidka* PopupMenu1;
    QAction* Kopirovat1;
    // Heading and the caption labels.
    QLabel *Label8, *Label9, *Label10, *Label11, *Label34, *Label12, *Label13, *Label14, *Label15, *Label16,
        *Label49, *Label41, *Label42, *Label43, *Label17;
    // The values.
    QLabel *Label25, *Label26, *Label27, *Label24, *Label28, *Label29, *Label30, *Label31, *Label32, *Label50,
        *Label44, *Label45, *Label46, *Label33;

    void Kopirovat1Click();

protected:
    void FormShow() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;
};

// The one epoch information window of the program (created on first use).
TForm67& Form67();

}  // namespace sitmera
