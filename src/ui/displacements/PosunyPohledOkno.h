// What the two displacement views have in common: the shortened view
// (`TForm70`, PosunyZkraceneOkno.h) and the full view of the deviations
// (`TForm71`, PosunyPlneOkno.h), both opened modally by the main
// displacement window.
//
// A view shows the display copy `posunyOkno` of the displacement model's
// list, made when the window is shown and emptied on every kind of close
// (Esc, the close box, Close()), so that no stale copy outlives the window.
// The grid is the displacement grid (TabulkaPosuny.h) with its header and
// status panel; rows are selected by the usual gestures (click, Ctrl, Shift,
// drag, Enter, Space, Ctrl+A, Ctrl+D; rows without a record never stay
// selected), and the popup selects all, clears the selection and copies the
// selected rows as the view shows them. Esc on the grid closes the view and
// gives the focus back to the displacement window's grid.
//
// After a showing the first row is current, the selection is empty, and one
// empty record follows the padded list.
#pragma once

#include <functional>
#include <string>

#include "numerics/Zaklad.h"
#include "ui/TabulkaSouradnice.h"
#include "ui/displacements/TabulkaPosuny.h"
#include "ui/layer/Formular.h"

class QAction;
class QLabel;
class QRect;

namespace sitmera {

class Mrizka;
class Nabidka;
class Platno;

class TposunyPohled : public Formular {
    Q_OBJECT
public:
    // Header, grid and status panel (TovladacePosunu).
    QWidget* Panel2;
    QLabel* Label_BOD;
    QLabel* Label_bod_cislo;
    QLabel* Label_SRD;
    QLabel* Label_doplnek;
    Mrizka* StringGrid3;
    QWidget* Panel1;
    QLabel* Label_vyber;
    QLabel* Label_zpracovani;
    // Popup menu of the grid.
    Nabidka* PopupMenu1;
    QAction* OznacitVse1;
    QAction* OdznacitVse1;
    QAction* Kopirovat1;

    // Selection flags, one per record of `posunyOkno`.
    TboolVector vyber;

    // The window's fixed outer width (pixels).
    int PevnaSirka() const;
    // Refills the rows on screen from `posunyOkno`.
    void ObnovTabulku();

    void OznacitVse1Click();
    void OdznacitVse1Click();
    void Kopirovat1Click();

protected:
    // sloupcu: value columns after the number; minimalniVyska: the minimum
    // outer height (pixels); vlastniZpracovani: the window's own processing
    // label shows while it fills and around its popup commands (else the
    // opener's label shows while the window fills).
    TposunyPohled(const QString& jmeno, int sloupcu, int minimalniVyska, bool vlastniZpracovani, QWidget* rodic);

    void FormShow() override;
    void FormClose() override;
    void FormResize() override;

    // What differs between the views.
    virtual void NastavPopisky() = 0;
    // Fills the emptied copy; returns the count `Label_vyber` shows.
    virtual int NaplnSeznam(Tposuny& posuny) = 0;
    virtual void Obnov(Tposuny& posuny) = 0;
    virtual std::string TextKopie() const = 0;
    virtual void KresliBunku(Platno& c, int sloupec, int radek, const QRect& bunka, const std::string& text,
                             bool aktualni) = 0;
    // The end of the showing, before the processing label hides.
    virtual void PoNaplneni() {}

    // After every change of the selection: repaint and popup enabling.
    void ZmenaVyberu();
    void PovolitPopup();
    // Adds a popup item with its handler (or a separator, without one)
    // before the copy item.
    QAction* PridejPolozkuPopup(const char* jmeno, int zkratka, std::function<void()> prikaz);

    TovladacePosunu ovladace_;

private:
    QAction* oddelovacKopie_ = nullptr;
    TvyberMysi mys_;
    int minimalniVyska_;
    bool vlastniZpracovani_;
};

}  // namespace sitmera
