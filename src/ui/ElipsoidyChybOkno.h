// The error-ellipsoid window (`TForm24`): three rows a point, one for each
// semi-axis of its error ellipsoid: the length in the small length unit
// (millimetres, or points of 1/864 ft) with the deviation decimals, the
// bearing and the zenith angle in the angle unit with the angle decimals.
// The number shows once per point.
//
// Modes of `nastaveni.okno.elipsoidChyb`: 1 and 2 the determined points of
// the epoch the epoch window shows (`etapaAktualni`), a priori and a
// posteriori (the cofactor ellipsoids times the unit standard deviation);
// 5 and 6 the displacements of the comparison (`modelPosuny`), a priori and
// a posteriori, where a letter F marks a point fixed in the first (green) or
// the second epoch (red). The status label gives the number of points. The
// caller sets the caption.
#pragma once

#include "ui/PresnostBoduOkno.h"

namespace sitmera {

class Tetapa;
class TmodelPosuny;

class TForm24 : public OknoPresnostiBodu {
    Q_OBJECT
public:
    explicit TForm24(QWidget* rodic = nullptr);

    QLabel* Label_srd_X;
    QLabel* Label_smernik;
    QLabel* Label_zenit;
    QLabel* Label_srd_X_jdn;
    QLabel* Label_smernik_jdn;
    QLabel* Label_zenit_jdn;

    void PopupMenu1Popup() override;

protected:
    void FormShow() override;
    int TypTabulky() const override;
    void KresliBunku(Platno& c, int sloupec, int radek, const QRect& bunka, const std::string& text,
                     bool aktualni) override;
};

// Fills the display list by the mode (1, 2 epoch; 5, 6 displacements; any
// other mode leaves it empty) and returns the number of points shown.
int NaplnElipsoidy(Tsouradnice& seznam, int rezim, const Tetapa* etapa, const TmodelPosuny& posuny);

// The one error-ellipsoid window of the program (created on first use).
TForm24& Form24();

}  // namespace sitmera
