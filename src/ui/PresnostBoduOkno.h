// The common part of the two precision grid windows, the standard deviations
// (`TForm10`, PriblizneSouradniceOkno.h) and the error ellipsoids (`TForm24`,
// ElipsoidyChybOkno.h) of points: a read-only grid of the shared display list
// `souradniceOkno` under a header of three columns, a status label, and the
// popup menu to select all (Ctrl+A), cancel the selection (Ctrl+D) and copy
// the selected rows (Ctrl+C) as tab-separated lines.
//
// The grid has the gestures of the point grids (TabulkaSouradnice.h): a
// click selects a row (Ctrl adds, Shift a range), a drag selects the rows it
// passes, Enter toggles the current row alone, Space toggles it, Ctrl+A and
// Ctrl+D select all and none, Esc closes the window. The window keeps a
// fixed width (frame, the four columns and a vertical scroll bar) and a
// minimum height of 227 pixels. Each window fills the list in its show
// handler, between ZacniZobrazeni and DokonciZobrazeni, which also show the
// calling window's processing label meanwhile.
#pragma once

#include <array>
#include <string>

#include <QRect>

#include "core/Vyber.h"
#include "ui/TabulkaSouradnice.h"
#include "ui/layer/Formular.h"

class QAction;
class QLabel;

namespace sitmera {

class Mrizka;
class Nabidka;
class Platno;

class OknoPresnostiBodu : public Formular {
    Q_OBJECT
public:
    Nabidka* PopupMenu1;
    QAction* OznacitVse1;
    QAction* OdznacitVse1;
    QAction* Kopirovat1;
    Mrizka* StringGrid1;
    QWidget* Panel1;
    QLabel* Label_vyber;
    QWidget* Panel2;
    QLabel* Label_BOD;
    QLabel* Label_bod_cislo;
    QLabel* Label_SRD;
    QLabel* Label_doplnek;

    // The selection (one flag per record of souradniceOkno) and the current
    // row.
    Tvyber vyber;

    // The fixed outer width (pixels).
    int PevnaSirka() const;
    // Refills the grid from souradniceOkno (the rows on screen).
    void ObnovTabulku();

    // The selected rows to the clipboard, as the window's table type.
    void Kopirovat1Click();
    void OznacitVse1Click();
    void OdznacitVse1Click();
    // Enabling of the popup (copy when some row is selected).
    virtual void PopupMenu1Popup() = 0;

protected:
    // sloupce: the object names of the three column labels, then of their
    // three unit labels (left to right).
    OknoPresnostiBodu(const QString& jmeno, const std::array<const char*, 6>& sloupce, QWidget* rodic);

    // The table type of the grid (TabulkaSouradnice.h).
    virtual int TypTabulky() const = 0;
    // Paints one cell of the grid.
    virtual void KresliBunku(Platno& c, int sloupec, int radek, const QRect& bunka, const std::string& text,
                             bool aktualni) = 0;

    // Start of a show: the display list emptied, the selection cleared, the
    // anchor 0, no current row; the caller's processing label on; the window
    // centred on the caller.
    void ZacniZobrazeni();
    // End of a show: the status label " " + pocet, one empty record after
    // the rows, the grid refilled from the top, the caller's processing
    // label off.
    void DokonciZobrazeni(int pocet);

    void FormResize() override;

    std::array<QLabel*, 6> sloupce_{};  // column labels, then unit labels

private:
    void VytvorOvladace(const std::array<const char*, 6>& sloupce);
    void PripojMrizku();

    TvyberMysi mys_;
};

// Paints a cell of a precision grid. The rows of one point form a group:
// rows with the same order number `poradi` (podlePoradi, the ellipsoid rows)
// or the same point number (the deviation rows). Column 0 is bold and shows
// the number once per group (white in the group's later rows); data cells of
// filled records are light blue for an odd and light green for an even
// `poradi` (podlePoradi) or `soubor`; selected rows light red, not bold,
// black; text right-aligned; with znackaFixace a letter F in column 0, green
// for `soubor` 1 and red for 2 (a point fixed in the first or the second
// epoch); a grey line under the last filled row of a group; a dotted frame
// on the current row.
void KresliBunkuPresnosti(Platno& c, const Tsouradnice& souradnice, const TboolVector& vyber, int sloupec,
                          int radek, const QRect& bunka, const std::string& text, bool aktualni, bool podlePoradi,
                          bool znackaFixace);

}  // namespace sitmera
