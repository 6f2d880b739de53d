// Shared window helpers: placement of windows on the monitors, the processing
// state of a window, the one-point editor's panel toggle, the clipboard.
//
// Placement works on rectangles in screen pixels (outer window rectangles,
// frames included). The arithmetic is done by pure functions over a list of
// monitors (their full rectangle and their work area), so that it can be
// checked with any monitor layout; the window versions feed them the screens
// that Qt reports. All divisions by 2 round toward zero.
#pragma once

#include <QFont>
#include <QRect>

#include <string>
#include <vector>
#include "numerics/TextSoubor.h"

class QLabel;
class QWidget;

namespace sitmera {

// One monitor: its whole area and its work area (without task bars).
struct Tmonitor {
    QRect obdelnik;
    QRect pracovniPlocha;
};

// The monitors of the screen as Qt reports them (at least one: a missing
// screen gives a 1920 x 1080 monitor at 0, 0).
std::vector<Tmonitor> MonitoryObrazovky();

// Index of the monitor that holds most of the rectangle; a rectangle on no
// monitor gives the nearest one (by distance between centres).
int MonitorObdelniku(const QRect& obdelnik, const std::vector<Tmonitor>& monitory);

// Centring of a window (outer rectangle `okno`) over the reference window:
// with a visible reference, centred on its rectangle and then kept on the
// monitor (UdrzObdelnikNaMonitoru); without one, centred on the monitor of
// `reference` (the monitor at 0, 0 when `reference` is empty) with no further
// correction.
QRect VycentrujObdelnik(const QRect& okno, const QRect& reference, bool referenceViditelna,
                        const std::vector<Tmonitor>& monitory);

// The main window's placement: height := 0.9 x the work-area height of the
// reference's monitor (rounded), centred on that monitor's work area size,
// then kept on the monitor.
QRect VycentrujObdelnikNaMonitor(const QRect& okno, const QRect& reference,
                                 const std::vector<Tmonitor>& monitory);

// Keeps the rectangle on its monitor: no higher than the monitor, top not
// above it, bottom not below it, right edge not past it, left edge not before
// it (in this order, so a window wider than the monitor keeps its left edge
// on it).
QRect UdrzObdelnikNaMonitoru(const QRect& okno, const std::vector<Tmonitor>& monitory);

// The same on windows (the reference may be null).
void VycentrujOkno(QWidget* okno, QWidget* reference);
void VycentrujOknoNaMonitor(QWidget* okno, QWidget* reference);

// Outer rectangle of a window, and the window moved and sized to an outer
// rectangle.
QRect VnejsiObdelnik(const QWidget* okno);
void NastavVnejsiObdelnik(QWidget* okno, const QRect& obdelnik);

// Flips the window's processing label ("Label_zpracovani", any case) and with
// it locks (label shown) or unlocks (label hidden) every menu item and every
// grid of the window; an unlocked grid gets the focus. A window without the
// label is left as it is. A null window is ignored.
void PrepniZpracovani(QWidget* okno);

// Hides the window's processing label when it is shown (PrepniZpracovani,
// so the window is unlocked too); nothing when it is hidden or missing. A
// handler calls it after a dialog that showed the label when it closed.
void SkryjZpracovani(QWidget* okno);

// A new processing label of a window: "Label_zpracovani", hidden, the text
// " Processing ..." in bold red (the window sets its language's text).
QLabel* VytvorLabelZpracovani(QWidget* rodic);

// The one-point editor's processing panel: a visible panel is hidden and the
// six controls enabled; otherwise the panel is shown and they are disabled.
// Null controls are skipped.
void PrepniPanel(QWidget* panel, QWidget* c1, QWidget* c2, QWidget* c3, QWidget* c4, QWidget* c5,
                 QWidget* c6);

// The fixed-pitch font of the text views: "Courier New", or the system's
// fixed font where that is missing.
QFont PismoPevneSirky();

// Clipboard text (UTF-8), passed as it is: CR LF line ends are kept.
void NastavTextSchranky(const std::string& text);
std::string TextSchranky();

// UTF-8 <-> Qt text. (Lower case of a UTF-8 text: MalaPismena of
// numerics/TextSoubor.h.)
QString NaQString(const std::string& text);
std::string NaUtf8(const QString& text);
// The former name of NaQString, still called by the cell painters (Bunky.cpp);
// it goes once they call NaQString.
inline QString Q(const std::string& text) { return NaQString(text); }

}  // namespace sitmera
