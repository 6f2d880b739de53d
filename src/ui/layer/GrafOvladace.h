// What the two graph windows (the network drawing and the displacement
// drawing) share besides the colour box and the picture saving: the picture
// control that shows the drawing's bitmap and reports the mouse on it, the
// pan rule of the mouse, the wheel of the whole window, the minimum client
// area with the picture filling the window, the item lists of the option
// boxes, the font box, and the option controls and view buttons that redraw
// or move the drawing.
//
// Sizes are pixels; the bitmap has 24 bits per pixel (QImage::Format_RGB888)
// and is drawn at the control's top-left corner, one bitmap pixel a screen
// pixel.
#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QPushButton;

namespace sitmera {

// ---------------------------------------------------------------- item lists
// The number in an item's text is the value it stands for.

// Pen widths 1 .. 7 (pixels; the stored index is the width - 1).
extern const std::vector<int> SirkyPera;
// Sizes of point symbols and vectors: 0 .. 16, 18, 20, 22, 24, 26, 28, 36,
// 48, 60, 72, 84, 96 (pixels).
extern const std::vector<int> VelikostiZnacky;
// Font sizes: 4 .. 16, 18, 20, 22, 24, 26, 28, 36, 48, 60, 72 (points).
extern const std::vector<int> VelikostiPisma;
// Magnifications of ellipses and vectors: 100, 500, 1000, 2000, 5000, 10000,
// 20000, 50000, 100000, 200000, 500000, 1000000.
extern const std::vector<int> ZvetseniKresby;

// The value of item i of a list; `nahradni` for an index outside it.
int HodnotaPolozky(const std::vector<int>& seznam, int i, int nahradni);
// Whether i is an index of the list.
bool JePolozka(const std::vector<int>& seznam, int i);

// Fills the combo box with the numbers of the list (cleared first).
void NaplnComboSeznam(QComboBox* combo, const std::vector<int>& seznam);
// The font shown and drawn when no font of the list is chosen.
inline constexpr const char* kVychoziPismoGrafu = "Tahoma";

// Fills the combo box with the font families of this machine, in the order
// the stored font indexes refer to (cleared first; no item selected). While
// no item is selected the box shows "Tahoma", as a font like the others.
void NaplnComboPisma(QComboBox* combo);
// The font the box shows: its item, or "Tahoma" when none is selected.
std::string NazevPismaComba(const QComboBox& combo);

// ---------------------------------------------------------------- controls
// Controls of a graph window named `jmeno`, children of the window `okno`:
// the user's choice, click or press runs `prikaz` in the command boundary of
// the window (a change made by the program runs nothing). The buttons are
// never the window's default button: Enter presses none of them.

QComboBox* NovyComboGrafu(QWidget* okno, const char* jmeno, std::function<void()> prikaz);
QCheckBox* NovyCheckGrafu(QWidget* okno, const char* jmeno, std::function<void()> prikaz);
QPushButton* NoveTlacitkoGrafu(QWidget* okno, const char* jmeno, const QString& text, std::function<void()> prikaz);

// The view buttons in their grid: whole drawing (two columns), zoom in "+",
// zoom out; below them pan left, right, up, down (arrows). The texts of the
// zoom and pan buttons are set here, that of the whole-drawing button is the
// window's.
QGridLayout* MrizkaPohledu(QPushButton* vse, QPushButton* priblizit, QPushButton* oddalit, QPushButton* vlevo,
                           QPushButton* vpravo, QPushButton* nahoru, QPushButton* dolu);

// ---------------------------------------------------------------- mouse

// A mouse move pans the drawing only with exactly the left or exactly the
// middle button held and no modifier key.
bool JeTahPosunu(Qt::MouseButtons tlacitka, Qt::KeyboardModifiers modifikatory);

// The mouse position of a pan by dragging (pixels of the picture).
class TtahMysi {
public:
    // A button pressed at (x, y): the left or the middle one starts a drag there.
    void Stisk(Qt::MouseButton tlacitko, int x, int y);
    // The mouse moved to (x, y): true, with the movement since the last
    // position in (dx, dy) and (x, y) remembered, when it pans (JeTahPosunu).
    bool Tah(Qt::MouseButtons tlacitka, Qt::KeyboardModifiers modifikatory, int x, int y, int& dx, int& dy);

private:
    int x_ = 0;
    int y_ = 0;
};

// Every wheel turn over the window or any control in it (an option box
// under the mouse included, which thus keeps its item) goes to
// kolecko(delta), in the command boundary of the window, and is taken.
// delta: the vertical wheel angle in eighths of a degree (120 a notch,
// positive away from the user); a purely horizontal turn is ignored.
// Controls added to the window later are not covered.
void ZachytKolecko(QWidget& okno, std::function<void(int delta)> kolecko);

// ---------------------------------------------------------------- size

// Smallest client area of the graph windows.
inline constexpr int kMinSirkaGrafu = 1025;
inline constexpr int kMinVyskaGrafu = 681;

// The client area a graph window keeps: one lower than 681 or narrower than
// 1025 pixels becomes 1025 x 681 (both at once); any other stays.
QSize KlientGrafu(const QSize& klient);

// ---------------------------------------------------------------- picture

class Obrazek : public QWidget {
    Q_OBJECT
public:
    Obrazek(const QString& jmeno, QWidget* rodic);

    // The bitmap the canvas draws on; the same object for the control's
    // whole life (a new size keeps the object).
    QImage* Bitmapa() { return &bitmapa_; }
    const QImage& Obraz() const { return bitmapa_; }

    // The control and its bitmap take the size; the bitmap keeps its pixels
    // where old and new size overlap, new parts are black.
    void NastavVelikost(int sirka, int vyska);

    // The resize step of a graph window, called while it is visible: a
    // client area below the minimum is set to 1025 x 681 (asked once; a
    // window system that refuses it is not asked again until the client
    // has been large enough, so there is no resize loop); otherwise the
    // control fills the client right of its left edge: width = client width
    // - left - 8, height = client height - 16. True when the control has
    // a new size (the window then redraws).
    bool PrizpusobOknu();

    // A button pressed over the picture; the mouse moved over it (with the
    // buttons held). Positions in the control's pixels. Called in the command
    // boundary of the window.
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseDown;
    std::function<void(Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y)> OnMouseMove;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QImage bitmapa_;
    bool pozadano_ = false;  // the minimum client size was asked for
};

}  // namespace sitmera
