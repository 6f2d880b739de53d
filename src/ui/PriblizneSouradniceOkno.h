// The standard-deviation window (`TForm10`): the standard deviations of the
// adjusted coordinates of the determined points of the epoch the epoch
// window shows (`etapaAktualni`), a priori (mode 2 of
// `nastaveni.okno.souradnice`) or a posteriori (mode 3): each point's
// cofactor-based deviations multiplied by the epoch's unit standard
// deviation, shown in the small length unit (millimetres, or points of
// 1/864 ft) with the deviation decimals, the plane columns in the user's
// axis order. The status label gives the number of points. The caller sets
// the caption. The find item of the popup (next zero deviation, F2) is
// hidden in both modes.
#pragma once

#include "ui/PresnostBoduOkno.h"

namespace sitmera {

class TForm10 : public OknoPresnostiBodu {
    Q_OBJECT
public:
    explicit TForm10(QWidget* rodic = nullptr);

    QLabel* Label_srd_X;
    QLabel* Label_srd_Y;
    QLabel* Label_srd_Z;
    QLabel* Label_srd_X_jdn;
    QLabel* Label_srd_Y_jdn;
    QLabel* Label_srd_Z_jdn;
    QAction* N1;
    QAction* HledatChybu1;

    // The next row with a zero deviation after the current one, wrapping
    // once; found: it becomes current, in the middle of the grid.
    void HledatChybu1Click();
    void PopupMenu1Popup() override;

protected:
    void FormShow() override;
    void FormClose() override;
    int TypTabulky() const override;
    void KresliBunku(Platno& c, int sloupec, int radek, const QRect& bunka, const std::string& text,
                     bool aktualni) override;
};

// The one standard-deviation window of the program (created on first use).
TForm10& Form10();

}  // namespace sitmera
