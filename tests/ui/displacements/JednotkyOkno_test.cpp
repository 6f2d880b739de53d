// The units and rounding window: what it shows, what a confirmed change
// stores and refreshes, what an unchanged confirm and Esc leave, the copy,
// the two pictures, and the gallery.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "reports/ProtokolEtapa.h"
#include "ui/displacements/JednotkyOkno.h"
#include "ui/layer/Mrizka.h"
#include "ui/displacements/NastaveniTest.h"

namespace sitmera {
namespace {

using test::StiskniKlavesu;

Tnastaveni& N() { return *sitmera::nastaveni; }

using JednotkyOknoTest = test::NastaveniTest;

TEST_F(JednotkyOknoTest, ShowsTheSettingsAndThePictureOfTheirSystemEscKeepsThem)
{
    N().jednotky = {3, 1, 0, 1, false, 1};
    N().presnost = {{7, 1}, {0, 10}, {3, 9}, {2, 5}, 6};
    okno->StringGrid3->clearFocus();
    ASSERT_EQ(okno->focusWidget(), nullptr);
    Otevri(Form14(), [](TForm14& f) {
        // ComboBox1 .. ComboBox14: decimals of lengths, angles, coordinates,
        // the length, angle and coordinate units, the system, displacement
        // decimals, the axis order, the displacement unit, its deviation.
        EXPECT_EQ(f.Form2Str(), "0#10#7#1#3#9#1#3#0#1#2#1#1#5");
        EXPECT_EQ(f.ComboBox3->count(), 11);
        EXPECT_TRUE(f.Image2->isVisible());
        EXPECT_FALSE(f.Image1->isVisible());
        EXPECT_EQ(f.focusWidget(), f.Button2);
        EXPECT_EQ(NaUtf8(f.Button1->text()), "Insert [Ent]");
        // The picture follows the choice at once; Esc keeps the settings.
        f.ComboBox10->setCurrentIndex(0);
        EXPECT_TRUE(f.Image1->isVisible());
        EXPECT_FALSE(f.Image2->isVisible());
        f.ComboBox8->setCurrentIndex(0);
        StiskniKlavesu(f.ComboBox8, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_FALSE(N().jednotky.souradnicovySystem);
    EXPECT_EQ(N().jednotky.uhel, 3);
    EXPECT_EQ(Postaveno(), "ABC");
    EXPECT_EQ(okno->focusWidget(), okno->StringGrid3);
}

TEST_F(JednotkyOknoTest, EnterStoresEveryChoiceSwapsTheAxesRefreshesTheMainWindowAndDropsTheReports)
{
    NactiEtapy();
    ASSERT_TRUE(Porovnej());
    NaplnProtokoly();
    const Tinfo stav = *info;
    Otevri(Form14(), [](TForm14& f) {
        const std::pair<QComboBox*, int> volby[] = {
            {f.ComboBox8, 1},  {f.ComboBox7, 1},  {f.ComboBox9, 1},  {f.ComboBox13, 1}, {f.ComboBox3, 6},
            {f.ComboBox4, 7},  {f.ComboBox1, 8},  {f.ComboBox2, 9},  {f.ComboBox5, 3},  {f.ComboBox6, 1},
            {f.ComboBox11, 0}, {f.ComboBox14, 10}, {f.ComboBox10, 1}, {f.ComboBox12, 1},
        };
        for (const auto& [combo, index] : volby) combo->setCurrentIndex(index);
        StiskniKlavesu(f.ComboBox12, Qt::Key_Return);
        EXPECT_FALSE(f.isVisible());
    });
    const Tjednotky& j = N().jednotky;
    EXPECT_EQ((std::vector<int>{j.uhel, j.delka, j.souradnice, j.posun, j.poradiSouradnice}),
              (std::vector<int>{1, 1, 1, 1, 1}));
    EXPECT_FALSE(j.souradnicovySystem);
    const Tpresnost& p = N().presnost;
    EXPECT_EQ((std::vector<int>{p.uhel.hodnota, p.uhel.odchylka, p.delka.hodnota, p.delka.odchylka,
                                p.souradnice.hodnota, p.souradnice.odchylka, p.posun.hodnota, p.posun.odchylka}),
              (std::vector<int>{6, 7, 8, 9, 3, 1, 0, 10}));
    EXPECT_EQ(p.meritko, 8);  // not shown, kept
    EXPECT_EQ(N().poradiXY, (TindexVector{2, 1}));
    EXPECT_EQ(sitmera::jazyk->nazevXY, (TtextVektor{"Y", "X"}));

    // The main window: captions, units and the grid in feet, YX order.
    EXPECT_EQ(NaUtf8(okno->Label_srd_X->text()), "Y");
    EXPECT_EQ(NaUtf8(okno->Label_srd_Y->text()), "X");
    EXPECT_EQ(NaUtf8(okno->Label_srd_X_jdn->text()), "[ft]");
    Mrizka* g = okno->StringGrid3;
    EXPECT_EQ((std::vector<std::string>{g->Cell(0, 2), g->Cell(1, 2), g->Cell(2, 2), g->Cell(3, 2)}),
              (std::vector<std::string>{"101", "6563.320", "3281.245", "985.072"}));
    EXPECT_TRUE(okno->Label_zpracovani->isHidden());
    EXPECT_TRUE(okno->ProjektOtevrit1->isEnabled());
    EXPECT_EQ(okno->focusWidget(), g);

    // Reports dropped, flags kept; a report built again is in feet.
    EXPECT_EQ(Postaveno(), "---");
    EXPECT_TRUE(info->jeTransformaceEtapa1 == stav.jeTransformaceEtapa1 &&
                info->jeTransformaceEtapa2 == stav.jeTransformaceEtapa2 &&
                info->jeAnalyzaPosunu == stav.jeAnalyzaPosunu && stav.jeAnalyzaPosunu);
    ASSERT_TRUE(ProtokolEtapy(modelPorovnani->etapa1, 1, 1, N(), *sitmera::jazyk, klicTransformace));
    std::string text;
    for (const std::string& l : modelPorovnani->etapa1.protokol.text) text += l + "\n";
    EXPECT_NE(text.find("[ft]"), std::string::npos);
    EXPECT_NE(text.find("6563.320  3281.245  985.072"), std::string::npos) << text;
}

TEST_F(JednotkyOknoTest, CopyPutsTheFourteenLinesOnTheClipboardAnUnchangedConfirmOnlyCloses)
{
    const std::string jednotka = NaUtf8(okno->Label_srd_X_jdn->text());
    // Coordinates in feet with 3 decimals, lengths in metres with 4: each
    // line shows its own.
    N().jednotky.souradnice = 1;
    N().presnost.souradnice.hodnota = 3;
    Otevri(Form14(), [](TForm14& f) {
        StiskniKlavesu(f.ComboBox12, Qt::Key_P, Qt::ControlModifier);
        f.ComboBox8->setCurrentIndex(0);
        f.ComboBox8->setCurrentIndex(1);  // back to the unit shown
        f.Button1->click();
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(Postaveno(), "ABC");
    EXPECT_EQ(N().jednotky.uhel, 1);
    EXPECT_EQ(NaUtf8(okno->Label_srd_X_jdn->text()), jednotka);
    EXPECT_EQ(TextSchranky(),
              "Options - Units\r\n"
              "Units:\tValue/Standard deviation\r\n"
              "Angular variables:\tgon/mgon\r\n"
              "Length variables:\tm/mm\r\n"
              "Coordinates:\tft/pt\r\n"
              "Movements:\tmm/mm\r\n"
              "Rounding:\tValue/Standard deviation\r\n"
              "Angular variables:\t5/3\r\n"
              "Length variables:\t4/2\r\n"
              "Coordinates:\t3/2\r\n"
              "Movements:\t2/2\r\n"
              "Coordinate system:\tgeodetical\r\n"
              "Displaying:\r\n"
              "Coordinates:\tXYZ\r\n");
}

// The mean position of the red (X axis) or the blue (Y axis) pixels.
QPointF Teziste(const QImage& obraz, bool cervena)
{
    QPointF soucet;
    int n = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x) {
            const QColor c = obraz.pixelColor(x, y);
            const int hlavni = cervena ? c.red() : c.blue();
            if (hlavni > 150 && c.red() + c.green() + c.blue() - hlavni < 180) {
                soucet += QPointF(x, y);
                ++n;
            }
        }
    return n > 0 ? soucet / n : QPointF(-1, -1);
}

TEST_F(JednotkyOknoTest, PicturesDrawXUpInTheGeodeticSystemAndToTheRightInTheMathematicalOne)
{
    const QImage geo = ObrazSouradnicovehoSystemu(true, 188, 140);
    const QImage mat = ObrazSouradnicovehoSystemu(false, 188, 140);
    // Geodetic: X is the tall axis on the left, Y the long one at the bottom.
    EXPECT_LT(Teziste(geo, true).x(), Teziste(geo, false).x());
    EXPECT_LT(Teziste(geo, true).y(), Teziste(geo, false).y());
    EXPECT_GT(Teziste(mat, true).x(), Teziste(mat, false).x());
    EXPECT_GT(Teziste(mat, true).y(), Teziste(mat, false).y());
    Galerie(Form14());
}

}  // namespace
}  // namespace sitmera
