// The full view of the deviations of the displacements (`TForm71`): the
// a-priori (`okno.posunyPlne` 1) or a-posteriori (2) standard deviations of
// X, Y (in the axis order), Z, the horizontal and the spatial length in the
// displacement unit, for the displacements not fixed in both epochs only (a
// pair fixed in both has no deviations); `Label_vyber` shows their number
// (`pocetNefix`). The displacement window sets the mode and the caption
// before it opens the view. The copy gives the deviations shown, per
// selected row; the popup commands show the processing label while they run.
// Common behaviour: PosunyPohledOkno.h.
#pragma once

#include <string>

#include "ui/displacements/PosunyPohledOkno.h"

namespace sitmera {

class TForm71 : public TposunyPohled {
    Q_OBJECT
public:
    explicit TForm71(QWidget* rodic = nullptr);

    // Heads of the five value columns and their units.
    QLabel* Label_srd_X;
    QLabel* Label_srd_Y;
    QLabel* Label_srd_Z;
    QLabel* Label_srd_delkaH;
    QLabel* Label_srd_delkaS;
    QLabel* Label_srd_X_jdn;
    QLabel* Label_srd_Y_jdn;
    QLabel* Label_srd_Z_jdn;
    QLabel* Label_srd_delkaH_jdn;
    QLabel* Label_srd_delkaS_jdn;

    // The caption the next showing takes (set by the displacement window).
    std::string nadpis;

protected:
    void NastavPopisky() override;
    int NaplnSeznam(Tposuny& posuny) override;
    void Obnov(Tposuny& posuny) override;
    std::string TextKopie() const override;
    void KresliBunku(Platno& c, int sloupec, int radek, const QRect& bunka, const std::string& text,
                     bool aktualni) override;
};

// The one full view of the program (created on first use).
TForm71& Form71();

}  // namespace sitmera
