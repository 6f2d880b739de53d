// String grid of the grid windows, on QTableView.
//
// The grid holds a number of rows and columns of texts, a current row and a
// top row, and is painted cell by cell by the window's cell-drawing handler
// (the painters of Bunky.h). The windows fill only the rows on screen, so a
// list of thousands of rows costs one screen of text per refill.
//
// The grid has no header, no grid lines of its own (the painters draw them),
// fixed-height rows (18 pixels by default) and a vertical scroll bar that
// moves by whole rows (the top row). Up, Down, Page Up/Down, Ctrl+Home and
// Ctrl+End move the current row and scroll so that it stays on screen.
// Qt's own Ctrl+C, Ctrl+A and type-to-search are off: keys other than the
// arrows, Page Up/Down and Home/End go to the window's handlers (menu
// shortcuts and key preview of the window, then the grid's OnKeyDown).
// Handlers run in the command boundary of the grid's window.
//
// Rows and columns are 0-based; an out-of-range row or column given to a
// setter is ignored (the grid's errors are ignored, as the windows expect).
#pragma once

#include <QTableView>

class QLabel;

#include <functional>
#include <string>
#include <vector>

namespace sitmera {

class Platno;
class MrizkaModel;

// State of a painted cell.
struct TstavBunky {
    bool aktualni = false;  // the cell is in the current row
    bool fokus = false;     // the current row of a grid that has the focus
};

class Mrizka : public QTableView {
    Q_OBJECT
public:
    Mrizka(const QString& jmeno, QWidget* rodic);
    ~Mrizka() override;

    int RowCount() const;
    void SetRowCount(int pocet);
    int ColCount() const;
    void SetColCount(int pocet);

    // Current row (-1 with no rows or none set).
    int Row() const;
    void SetRow(int radek);
    // Top visible row.
    int TopRow() const;
    void SetTopRow(int radek);
    // Number of rows that fit wholly in the visible area.
    int VisibleRowCount() const;

    int DefaultRowHeight() const;
    void SetDefaultRowHeight(int vyska);
    int ColWidth(int sloupec) const;
    void SetColWidth(int sloupec, int sirka);

    // Cell texts (UTF-8).
    std::string Cell(int sloupec, int radek) const;
    void SetCell(int sloupec, int radek, const std::string& text);
    void ClearRow(int radek);

    // Cell under a point of the grid's client area; -1 outside.
    void MouseToCell(int x, int y, int& sloupec, int& radek) const;

    // Repaints the visible cells at once.
    void Repaint();

    // Mouse confinement while a button is held in the grid.
    void OmezKurzor(bool zapnuto) { omezitKurzor_ = zapnuto; }

    // Event handlers of the window (each may be empty).
    std::function<void(Platno& c, int sloupec, int radek, const QRect& bunka, TstavBunky stav)> OnDrawCell;
    std::function<void()> OnTopLeftChanged;
    std::function<void(int sloupec, int radek)> OnSelectCell;
    // klavesa: Qt key code; set to 0 to take the key.
    std::function<void(int& klavesa, Qt::KeyboardModifiers modifikatory)> OnKeyDown;
    std::function<void(Qt::MouseButton tlacitko, Qt::KeyboardModifiers modifikatory, int x, int y)> OnMouseDown;
    std::function<void(Qt::MouseButtons tlacitka, Qt::KeyboardModifiers modifikatory, int x, int y)> OnMouseMove;
    std::function<void()> OnDblClick;

    // Paints one cell (the view's delegate calls it; a test may too).
    void KresliBunku(Platno& c, int sloupec, int radek, const QRect& bunka);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyboardSearch(const QString&) override {}

private:
    void Spust(const std::function<void()>& prikaz);
    MrizkaModel* model_;
    bool omezitKurzor_ = false;
};

// The grid helpers of the windows.

// Row and column counts.
void NastavVelikostTabulky(Mrizka* mrizka, int radky, int sloupce);

// Top row that shows row r of n rows in the middle of v visible rows, the
// last rows kept at the bottom: t = max(r - v div 2, 0); n - v when n < v + t,
// else t. -1 when that would be negative (the grid keeps its top row then).
int HorniRadekProRadek(int r, int n, int v);

// Makes r the current row and scrolls it to the middle of the visible rows.
void ZobrazRadek(Mrizka* mrizka, int r, int n);

// Confines the mouse pointer to the control while a mouse button is held.
void OmezKurzorNaTabulku(QWidget* ovladac);

// A label named `jmeno` on the parent; a header label above a grid's columns
// is a raised panel with its text centred, at the given place (pixels).
QLabel* NovyLabel(QWidget* rodic, const char* jmeno);
QLabel* NovyLabel(QWidget* rodic, const QString& jmeno);
// The label named `jmeno` among the children of `rodic` (at any depth), or
// null.
QLabel* NajdiLabel(const QWidget& rodic, const QString& jmeno);
QLabel* NajdiLabel(const QWidget& rodic, const char* jmeno);
// A label named `jmeno` in bold (a heading).
QLabel* NovyNadpis(QWidget* rodic, const char* jmeno);
// Makes the control's font bold.
void NastavTucne(QWidget* ovladac);
QLabel* ZahlaviLabel(QWidget* rodic, const char* jmeno, int x, int y, int w, int h);

// The fixed outer width of a grid window (pixels): the window's frame, the
// header up to its filler label above the scroll bar, the grid's right frame
// and the scroll bar.
int PevnaSirkaOkna(const QWidget& okno, const QWidget& doplnek, const Mrizka& mrizka);

}  // namespace sitmera
