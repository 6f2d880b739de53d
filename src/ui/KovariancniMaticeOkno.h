// The weight-coefficient window (`TForm36`): the cofactor matrix of the
// determined points of the epoch the epoch window shows (`etapaAktualni`),
// as the full 3u x 3u table of the epoch's covariance text (the upper half
// mirrored, one blank between cells), u the number of determined points.
//
// The window opens with its matrix when the mode byte
// `nastaveni.okno.kovariancniMatice` is 1 (the epoch window sets it), empty
// otherwise. The table of a large epoch runs to hundreds of megabytes, so the
// text view formats the rows on screen from the matrix instead of building
// the text (layer/VelkyText.h); selecting all and copying still gives the
// whole text exactly; a copy formats the rows on several threads, the
// window's processing label shown meanwhile. The status label reads
// " u × u". Esc closes the window.
#pragma once

#include <string>

#include "ui/layer/Formular.h"

class QLabel;

namespace sitmera {

class Tetapa;
class VelkyText;

class TForm36 : public Formular {
    Q_OBJECT
public:
    explicit TForm36(QWidget* rodic = nullptr);

    VelkyText* RichEdit1;
    QWidget* Panel1;
    QLabel* Label_vyber;
    QLabel* Label_zpracovani;

protected:
    void FormShow() override;
    void FormClose() override;
};

// Shows the covariance table of the epoch in the text view: its rows and the
// empty line after the last CR LF, so that the view's text is the epoch's
// covariance text.
void ZobrazKovariancniMatici(VelkyText& text, const Tetapa& etapa);

// The status label: " " + u + " × " + u (0 for an emptied epoch).
std::string TextRozmeruMatice(int pocetBoduUrcovanych);

// The one covariance window of the program (created on first use).
TForm36& Form36();

}  // namespace sitmera
