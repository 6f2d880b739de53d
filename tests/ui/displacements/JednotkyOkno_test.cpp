// The units and rounding window: what it shows, what a confirmed change
// stores and refreshes, what an unchanged confirm and Esc leave, the copy,
// the two pictures, and the gallery.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "core/Globalni.h"
#include "reports/ProtokolEtapa.h"
#include "ui/displacements/JednotkyOkno.h"
#include "ui/Galerie.h"
#include "ui/layer/Mrizka.h"
#include "ui/ProgramTest.h"

namespace sitmera {
namespace {

using test::StiskniKlavesu;

Tnastaveni& N() { return *sitmera::nastaveni; }

std::vector<TprotokolAnalyser*> Protokoly()
{
    return {&modelPorovnani->etapa1.protokol, &modelPorovnani->etapa2.protokol,
            &modelPorovnaniTransformace->etapa1.protokol, &modelPorovnaniTransformace->etapa2.protokol,
            &modelPosuny->protokol};
}

class JednotkyOknoTest : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        for (auto* p : Protokoly()) {
            p->text = {"report"};
            p->jePlny = true;
        }
    }

    void Otevri(std::function<void(TForm14&)> prace)
    {
        Obsluz("Form14", [prace = std::move(prace)](Formular& f) { prace(static_cast<TForm14&>(f)); });
        ZobrazModalne(Form14());
    }

    int PlnychProtokolu() const
    {
        const auto p = Protokoly();
        return static_cast<int>(std::count_if(p.begin(), p.end(), [](auto* x) { return x->jePlny; }));
    }
};

TEST_F(JednotkyOknoTest, ShowsTheSettingsAndThePictureOfTheirSystemEscKeepsThem)
{
    N().jednotky = {3, 1, 0, 1, false, 1};
    N().presnost = {{7, 1}, {0, 10}, {3, 9}, {2, 5}, 6};
    okno->StringGrid3->clearFocus();
    ASSERT_EQ(okno->focusWidget(), nullptr);
    Otevri([](TForm14& f) {
        // ComboBox1 .. ComboBox14: decimals of lengths, angles, coordinates,
        // the length, angle and coordinate units, the system, displacement
        // decimals, the axis order, the displacement unit, its deviation.
        EXPECT_EQ(f.Form2Str(), "0#10#7#1#3#9#1#3#0#1#2#1#1#5");
        EXPECT_EQ(S(f.ComboBox8->currentText()), "dms/sec");
        EXPECT_EQ(S(f.ComboBox13->currentText()), "pt/pt");
        EXPECT_EQ(f.ComboBox3->count(), 11);
        EXPECT_TRUE(f.Image2->isVisible());
        EXPECT_FALSE(f.Image1->isVisible());
        EXPECT_EQ(f.focusWidget(), f.Button2);
        EXPECT_EQ(S(f.windowTitle()), "Options - Units");
        EXPECT_EQ(S(f.Label1->text()), "Value/Standard deviation");
        EXPECT_EQ(S(f.Label12->text()), "Angular variables:");
        EXPECT_EQ(S(f.Label11->text()), "Movements:");
        EXPECT_EQ(S(f.Label18->text()), "Coordinate system");
        EXPECT_EQ(S(f.ComboBox10->itemText(0)), "geodetical");
        EXPECT_EQ(S(f.Button1->text()), "Insert [Ent]");
        EXPECT_EQ(S(f.Button2->text()), "Close [Esc]");
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
    EXPECT_EQ(PlnychProtokolu(), 5);
    EXPECT_EQ(okno->focusWidget(), okno->StringGrid3);
}

TEST_F(JednotkyOknoTest, EnterStoresEveryChoiceSwapsTheAxesRefreshesTheMainWindowAndDropsTheReports)
{
    NactiEtapy();
    ASSERT_TRUE(Porovnej());
    for (auto* p : Protokoly()) p->jePlny = true;
    const Tinfo stav = *info;
    Otevri([](TForm14& f) {
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
    EXPECT_EQ(S(okno->Label_srd_X->text()), "Y");
    EXPECT_EQ(S(okno->Label_srd_Y->text()), "X");
    EXPECT_EQ(S(okno->Label_srd_X_jdn->text()), "[ft]");
    Mrizka* g = okno->StringGrid3;
    EXPECT_EQ((std::vector<std::string>{g->Cell(0, 2), g->Cell(1, 2), g->Cell(2, 2), g->Cell(3, 2)}),
              (std::vector<std::string>{"101", "6563.320", "3281.245", "985.072"}));
    EXPECT_TRUE(okno->Label_zpracovani->isHidden());
    EXPECT_TRUE(okno->ProjektOtevrit1->isEnabled());
    EXPECT_EQ(okno->focusWidget(), g);

    // Reports dropped, flags kept; a report built again is in feet.
    EXPECT_EQ(PlnychProtokolu(), 0);
    EXPECT_TRUE(info->jeTransformaceEtapa1 == stav.jeTransformaceEtapa1 &&
                info->jeTransformaceEtapa2 == stav.jeTransformaceEtapa2 &&
                info->jeAnalyzaPosunu == stav.jeAnalyzaPosunu && stav.jeAnalyzaPosunu);
    ASSERT_TRUE(ProtokolEtapy(modelPorovnani->etapa1, 1, 1, N(), *sitmera::jazyk, klicTransformace));
    const TStringList& r = modelPorovnani->etapa1.protokol.text;
    EXPECT_TRUE(std::any_of(r.begin(), r.end(), [](const std::string& l) {
        return l.find("6563.320") != std::string::npos && l.find("3281.245") < l.find("985.072") &&
               l.find("6563.320") < l.find("3281.245");
    }));
    EXPECT_TRUE(std::any_of(r.begin(), r.end(), [](const std::string& l) { return l.find("[ft]") != std::string::npos; }));
}

TEST_F(JednotkyOknoTest, AnUnchangedConfirmOnlyCloses)
{
    const std::string hlavicka = S(okno->Label_srd_X_jdn->text());
    Otevri([](TForm14& f) {
        f.ComboBox8->setCurrentIndex(0);
        f.ComboBox8->setCurrentIndex(1);  // back to the shown unit
        f.Button1->click();
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(PlnychProtokolu(), 5);
    EXPECT_EQ(N().jednotky.uhel, 1);
    EXPECT_EQ(S(okno->Label_srd_X_jdn->text()), hlavicka);
}

TEST_F(JednotkyOknoTest, CopyPutsTheFourteenLinesOnTheClipboard)
{
    Otevri([](TForm14& f) { StiskniKlavesu(f.ComboBox12, Qt::Key_P, Qt::ControlModifier); });
    EXPECT_EQ(TextSchranky(),
              "Options - Units\r\n"
              "Units:\tValue/Standard deviation\r\n"
              "Angular variables:\tgon/mgon\r\n"
              "Length variables:\tm/mm\r\n"
              "Coordinates:\tm/mm\r\n"
              "Movements:\tmm/mm\r\n"
              "Rounding:\tValue/Standard deviation\r\n"
              "Angular variables:\t5/3\r\n"
              "Length variables:\t4/2\r\n"
              "Coordinates:\t4/2\r\n"
              "Movements:\t2/2\r\n"
              "Coordinate system:\tgeodetical\r\n"
              "Displaying:\r\n"
              "Coordinates:\tXYZ\r\n");
}

// Where a picture draws its X axis (red) and its Y axis (blue): the mean
// position of the pixels of each colour.
QPointF Teziste(const QImage& obraz, bool cervena)
{
    QPointF soucet;
    int n = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x) {
            const QColor c = obraz.pixelColor(x, y);
            const bool hleda = cervena ? c.red() > 150 && c.green() < 90 && c.blue() < 90
                                       : c.blue() > 150 && c.red() < 90 && c.green() < 120;
            if (hleda) {
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

    for (std::uint8_t typ : {0, 1}) {
        N().typJazyk = typ;
        sitmera::jazyk->Default(N());
        Otevri([typ](TForm14& f) { test::UlozDoGalerie(f, typ == 0 ? "Form14_cz" : "Form14_en"); });
    }
}

}  // namespace
}  // namespace sitmera
