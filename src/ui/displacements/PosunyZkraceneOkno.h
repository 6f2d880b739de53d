// The shortened displacement view (`TForm70`): one projection or one
// evaluated quantity of all displacements, in the mode the displacement
// window sets before it opens the view (`okno.posunyZkracene`, 1..13; the
// columns, heads, bars and search kind of each mode: RezimZkracene in
// TabulkaPosuny.h):
//   1 orthogonal projection (X, Y in the axis order, Z), 2 semipolar
//   (horizontal length, bearing, vertical), 3 polar (spatial length, bearing,
//   zenith angle): bars and commands of both tests;
//   4..8 / 9..13 evaluation of X, Y, Z, horizontal, spatial length a priori
//   / a posteriori (value, standard deviation, limit deviation): only that
//   test's bar and commands (the other test's items are hidden and disabled).
// Values in the displacement unit, angles in the user's angle unit.
//
// Beyond the common view (PosunyPohledOkno.h): F4 / F5 find the next
// displacement significant a priori / a posteriori in the mode's kind after
// the current row, wrapping once to the start (the current row examined
// last); nothing moves when none is significant. F6 / F7 select every
// displacement significant in the mode's kind. The copy gives the four
// cells of the mode per selected row.
#pragma once

#include "ui/displacements/PosunyPohledOkno.h"

namespace sitmera {

class TForm70 : public TposunyPohled {
    Q_OBJECT
public:
    explicit TForm70(QWidget* rodic = nullptr);

    // Heads of the three value columns and their units.
    QLabel* Label_srd_X;
    QLabel* Label_srd_Y;
    QLabel* Label_srd_Z;
    QLabel* Label_srd_X_jdn;
    QLabel* Label_srd_Y_jdn;
    QLabel* Label_srd_Z_jdn;
    // Significance commands of the popup.
    QAction* HledatVyznamneAprior1;
    QAction* HledatVyznamneAposter1;
    QAction* OznacitVyznamneAprior1;
    QAction* OznacitVyznamneAposter1;

    // The mode shown (set at show) and its search kind.
    int Rezim() const { return rezim_; }
    int Druh() const { return RezimZkracene(rezim_).druh; }

    void HledatVyznamneAprior1Click() { HledejVyznamny(true); }
    void HledatVyznamneAposter1Click() { HledejVyznamny(false); }
    void OznacitVyznamneAprior1Click() { OznacVyznamne(true); }
    void OznacitVyznamneAposter1Click() { OznacVyznamne(false); }

protected:
    void FormShow() override;
    void NastavPopisky() override;
    int NaplnSeznam(Tposuny& posuny) override;
    void Obnov(Tposuny& posuny) override;
    std::string TextKopie() const override;
    void KresliBunku(Platno& c, int sloupec, int radek, const QRect& bunka, const std::string& text,
                     bool aktualni) override;
    void PoNaplneni() override;

private:
    void HledejVyznamny(bool aprior);
    void OznacVyznamne(bool aprior);
    int rezim_ = 0;
};

// The one shortened view of the program (created on first use).
TForm70& Form70();

}  // namespace sitmera
