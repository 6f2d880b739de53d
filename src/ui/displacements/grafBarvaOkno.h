// The colour window of the displacement graph (`TForm85`): nine colour boxes
// of the program's 20 drawing colours (ui/layer/BarvaBox.h) for the points,
// the ellipses, the horizontal vector (plain and significant) and its limit,
// the vertical vector (plain and significant) and its limit, and the
// background. The graph window (graf_winPosun.h) shows it modally from its
// colour button, reads its boxes whenever it redraws and sets them when it
// loads its options; the user's choice in any box redraws the graph at once.
// Esc or the close box closes it.
#pragma once

#include "ui/displacements/graf_winPosun.h"
#include "ui/layer/Formular.h"

class QLabel;

namespace sitmera {

class BarvaBox;

class TForm85 : public Formular {
    Q_OBJECT
public:
    explicit TForm85(QWidget* rodic = nullptr);

    // Points, ellipses, Hz vector, Hz vector significant, Hz limit, Z vector,
    // Z vector significant, Z limit, background.
    BarvaBox* ColorBox1;
    BarvaBox* ColorBox2;
    BarvaBox* ColorBox3;
    BarvaBox* ColorBox4;
    BarvaBox* ColorBox5;
    BarvaBox* ColorBox6;
    BarvaBox* ColorBox7;
    BarvaBox* ColorBox8;
    BarvaBox* ColorBox9;
    // From the top: the labels of boxes 1 and 2, the Hz heading, boxes 3-5,
    // the Z heading, boxes 6-8, box 9.
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;

    // The colour-list positions the boxes show (0 for a box without a choice).
    TbarvyPosun Barvy() const;
    // Each box takes its position; a position outside the list leaves its
    // box as it was.
    void NastavBarvy(const TbarvyPosun& barvy);

protected:
    void FormShow() override;

private:
    void PopisOkna();
};

// The one colour window of the displacement graph (created on first use).
TForm85& Form85();

}  // namespace sitmera
