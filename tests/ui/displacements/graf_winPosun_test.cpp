// The displacement graph window and its colour window over a comparison of
// real epoch files (tests/data/posuny: significant and fixed points): opened
// from the modal displacement window it takes input and closes with it; the
// first showing paints once, every control repaints; options survive close
// and reopen, broken ones fall back to the defaults; the buttons, the
// enabling and the minimum size; the drawing saved and read back by libpng,
// Qt's BMP reader, libjpeg and ezdxf, and the same before and after every
// sort of the displacement list.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWheelEvent>

#include <vector>

#include "analysis/Projekt.h"
#include "drawing/CteniJpeg.h"
#include "drawing/DxfTest.h"
#include "drawing/dxfwriterPosun.h"
#include "ui/Galerie.h"
#include "ui/GrafTest.h"
#include "ui/displacements/PosunyMainOkno.h"
#include "ui/displacements/grafBarvaOkno.h"
#include "ui/displacements/graf_winPosun.h"
#include "ui/layer/BarvaBox.h"
#include "ui/layer/Menu.h"

namespace sitmera {
namespace {

using test::CtiSoubor;

const std::string kData = std::string(SITMERA_TEST_DATA) + "/posuny/";

// Options as the project file writes them (its lines of the displacement drawing).
TStringList TextVoleb(const TgrafikaPosun& g)
{
    Tnastaveni n;
    n.grafikaPosun = g;
    TStringList radky;
    ZapisNastaveni(n, radky);
    return TStringList(radky.begin() + 48, radky.begin() + 84);
}

class GrafPosunTest : public test::GrafTest {
protected:
    void SetUp() override
    {
        GrafTest::SetUp();
        DalsiOknaPosuny() = TdalsiOknaPosuny();
        PropojitOkna();
        NactiEtapy(kData + "etapa1.epc", kData + "etapa2.epc");
        ASSERT_TRUE(Porovnej());
    }
    void TearDown() override
    {
        f.Close();
        DalsiOknaPosuny() = TdalsiOknaPosuny();
        GrafTest::TearDown();
    }

    void Otevri()
    {
        ZobrazNemodalne(f);
        ASSERT_TRUE(f.isVisible());
        ASSERT_NE(f.Kontejner(), nullptr);
    }
    QImage Obraz() { return f.Image1->Obraz().copy(); }
    // The DXF the window writes, as bytes.
    std::string Dxf()
    {
        const std::string slozka = test::DocasnaSlozka("graf_posun_dxf");
        UlozJako([this] { f.BitBtn04Click(); }, slozka, "p", 3);
        return CtiSoubor(slozka + "/p.dxf");
    }
    std::vector<TColor> Barvy()
    {
        std::vector<TColor> v;
        for (BarvaBox* b : {c.ColorBox1, c.ColorBox2, c.ColorBox3, c.ColorBox4, c.ColorBox5, c.ColorBox6, c.ColorBox7,
                            c.ColorBox8, c.ColorBox9})
            v.push_back(b->Barva());
        return v;
    }

    TForm84& f = Form84();
    TForm85& c = Form85();
};

TEST_F(GrafPosunTest, OpensOverTheModalDisplacementWindowTakesInputPaintsOnceAndClosesWithIt)
{
    Obsluz("Form68", [&](Formular& okno68) {
        const int pred = f.PocetPrekresleni();
        ASSERT_TRUE(VyvolejPolozku(Form68().Kresba1));
        ASSERT_TRUE(f.isVisible());
        EXPECT_EQ(f.Otvirac(), &okno68);
        EXPECT_FALSE(f.JeModalni());
        EXPECT_EQ(f.PocetPrekresleni(), pred + 1);  // the first showing paints once
        f.NacistNastaveni();  // filling the controls paints nothing
        EXPECT_EQ(f.PocetPrekresleni(), pred + 1);
        const TTransPar p = f.Kontejner()->TransPar;
        Tahni(f, *f.Image1, {100, 100}, {130, 90}, Qt::LeftButton);
        EXPECT_EQ(f.Kontejner()->TransPar.txx - p.txx, 30);
        EXPECT_EQ(f.Kontejner()->TransPar.tyy - p.tyy, -10);
        // The wheel turned forward over the picture zooms in, backward out.
        for (const int delta : {120, -120}) {
            const Extended m = f.Kontejner()->TransPar.m;
            QWheelEvent e(QPointF(50, 50), f.Image1->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(f.Image1, &e);
            EXPECT_DOUBLE_EQ(double(f.Kontejner()->TransPar.m), double(delta > 0 ? m * 1.05 : m / 1.05)) << delta;
        }
        f.CheckBox05->click();
    });
    ZobrazModalne(Form68());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.Kontejner(), nullptr);
    EXPECT_TRUE(sitmera::nastaveni->grafikaPosun.kreslitPosunZHodnota);  // stored when it closed

    Obsluz("Form68", [&](Formular&) {
        ASSERT_TRUE(VyvolejPolozku(Form68().Kresba1));
        Form68().reject();
        EXPECT_FALSE(f.isVisible());
    });
    ZobrazModalne(Form68());

    // Without a comparison result there is nothing to draw: the window
    // closes at once and the stored options stay as they were.
    const TStringList ulozene = TextVoleb(sitmera::nastaveni->grafikaPosun);
    sitmera::modelPosuny->pocet = 0;
    ZobrazNemodalne(f);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.Kontejner(), nullptr);
    EXPECT_EQ(TextVoleb(sitmera::nastaveni->grafikaPosun), ulozene);
}

TEST_F(GrafPosunTest, EveryControlRepaintsAndEnablesItsBoxesAsListed)
{
    Otevri();
    for (QCheckBox* b : f.findChildren<QCheckBox*>()) {
        const int n = f.PocetPrekresleni();
        b->click();
        EXPECT_EQ(f.PocetPrekresleni(), n + 1) << NaUtf8(b->objectName());
    }
    for (QComboBox* b : f.findChildren<QComboBox*>()) {
        const int n = f.PocetPrekresleni();
        b->setCurrentIndex(b->count() - 1);
        emit b->activated(b->currentIndex());
        EXPECT_EQ(f.PocetPrekresleni(), n + 1) << NaUtf8(b->objectName());
    }
    EXPECT_EQ(NaUtf8(f.Label07->text()), "Hz movement:");
    const int n = f.PocetPrekresleni();
    emit c.ColorBox9->activated(3);
    EXPECT_EQ(f.PocetPrekresleni(), n + 1);

    // Switches 1-8 drawn; enabled: points, ellipses, Hz, Hz limit, Z, Z
    // limit, axes, scale, font, magnification and precision.
    const std::pair<std::string, std::string> tabulka[] = {
        {"11111111", "1111111111"}, {"00000000", "0000000000"}, {"10000000", "1000000010"},
        {"00000010", "0000001010"}, {"00000001", "0000000110"}, {"01000000", "0100000001"},
        {"00100000", "0010000001"}, {"00010000", "0001000001"}, {"00001000", "0000100001"},
        {"00000100", "0000010001"},
    };
    for (const auto& [zapnuto, povoleno] : tabulka) {
        TgrafikaPosun g;
        bool* spinace[] = {&g.kreslitBod,           &g.kreslitElipsa,        &g.kreslitPosunHzHodnota,
                           &g.kreslitPosunHzMezOdchylka, &g.kreslitPosunZHodnota, &g.kreslitPosunZMezOdchylka,
                           &g.kreslitOsa,           &g.kreslitMeritko};
        for (std::size_t i = 0; i < 8; ++i) *spinace[i] = zapnuto[i] == '1';
        const TpovoleniGrafuPosun p = PovoleniGrafuPosun(g);
        std::string vysledek;
        for (bool b : {p.bod, p.elipsa, p.posunHz, p.mezHz, p.posunZ, p.mezZ, p.osa, p.meritko, p.pismo, p.zvetseni})
            vysledek += b ? '1' : '0';
        EXPECT_EQ(vysledek, povoleno) << zapnuto;
    }
    for (QCheckBox* b : f.findChildren<QCheckBox*>())
        if (b->isChecked()) b->click();
    f.CheckBox06->click();
    for (QComboBox* b : f.findChildren<QComboBox*>()) {
        const bool povolen = b == f.ComboBox06 || b == f.ComboBox17 || b == f.ComboBox18 || b == f.ComboBox19;
        EXPECT_EQ(b->isEnabled(), povolen) << NaUtf8(b->objectName());
    }
}

TEST_F(GrafPosunTest, CloseAndReopenRestoreEveryOptionAndBrokenOptionsFallBackToTheDefaults)
{
    Otevri();
    // Everything away from the defaults: colours 1..9, switches flipped, the
    // last item of every list, X, no font of the list, bold, a posteriori.
    c.NastavBarvy({1, 2, 3, 4, 5, 6, 7, 8, 9});
    for (QCheckBox* b : f.findChildren<QCheckBox*>()) b->setChecked(!b->isChecked());
    for (QComboBox* b : f.findChildren<QComboBox*>()) b->setCurrentIndex(b->count() - 1);
    f.ComboBox09->setCurrentIndex(0);
    f.ComboBox10->setCurrentIndex(-1);
    f.Prekreslit();
    const TPaintSettingsPosun& ps = f.Kontejner()->PaintSettings;
    EXPECT_EQ(std::vector<double>({double(ps.PenWidthBod), double(ps.PenWidthMeritko), double(ps.SizeBod),
                                   double(ps.SizePosunZMezOdchylka), ps.zvetseni, double(ps.presnost),
                                   double(ps.typHzPosunu), double(ps.FontSize), double(ps.FontBold),
                                   double(ps.kreslitBod), double(ps.kreslitPosunZHodnota),
                                   double(ps.ColorPosunHzHodnota), double(ps.ColorPozadi)}),
              std::vector<double>({7, 7, 96, 96, 1000000, 1, 0, 72, 1, 0, 1, 0x008080, 0x0000FF}));
    EXPECT_EQ(ps.FontName, "Tahoma");
    const TStringList volby = TextVoleb(f.VolbyOvladacu());
    f.Close();
    EXPECT_EQ(TextVoleb(sitmera::nastaveni->grafikaPosun), volby);
    c.NastavBarvy(CernobileBarvyPosun());
    Otevri();
    EXPECT_EQ(TextVoleb(f.VolbyOvladacu()), volby);
    EXPECT_EQ(NaUtf8(f.ComboBox10->currentText()), "");
    EXPECT_EQ(NaUtf8(f.ComboBox19->currentText()), "A posteriori");
    EXPECT_EQ(NaUtf8(f.Label07->text()), "X movement:");
    f.Close();

    // Any index outside its list: the defaults; a font beyond the list: none.
    const TgrafikaPosun v = VychoziVolbyGrafuPosun();
    const std::function<void(TgrafikaPosun&)> poruchy[] = {
        [](TgrafikaPosun& g) { g.barvaPozadi = 20; },        [](TgrafikaPosun& g) { g.tloustkaMeritko = 7; },
        [](TgrafikaPosun& g) { g.textVelikost = 23; },       [](TgrafikaPosun& g) { g.textRez = 2; },
        [](TgrafikaPosun& g) { g.velikostPosunZMezOdchylka = 29; }, [](TgrafikaPosun& g) { g.zvetseni = 12; },
        [](TgrafikaPosun& g) { g.typHzPosunu = 3; },
    };
    for (const auto& porucha : poruchy) {
        TgrafikaPosun g = v;
        g.kreslitOsa = false;
        porucha(g);
        EXPECT_EQ(TextVoleb(PlatneVolbyGrafuPosun(g, 5)), TextVoleb(v));
    }
    TgrafikaPosun g = v;
    g.textFont = 5;
    g.velikostBod = 28;
    g.barvaBod = 19;
    TgrafikaPosun ocekavane = g;
    ocekavane.textFont = -1;
    EXPECT_EQ(TextVoleb(PlatneVolbyGrafuPosun(g, 5)), TextVoleb(ocekavane));

    sitmera::nastaveni->grafikaPosun.zvetseni = 200;
    sitmera::nastaveni->grafikaPosun.kreslitOsa = false;
    Otevri();
    EXPECT_EQ(TextVoleb(f.VolbyOvladacu()), TextVoleb(v));
    EXPECT_EQ(f.Kontejner()->PaintSettings.presnost, 0);
}

TEST_F(GrafPosunTest, ColourAndDefaultButtonsSetTheListedValues)
{
    sitmera::nastaveni->grafikaPosun = TgrafikaPosun();  // nothing drawn, first items, a posteriori
    Otevri();
    const TTransPar vychozi = f.Kontejner()->TransPar;
    f.BitBtn01Click();
    EXPECT_EQ(Barvy(), (std::vector<TColor>{0, 0, 0, 0, 0, 0, 0, 0, 0xFFFFFF}));
    EXPECT_EQ(f.Image1->Obraz().pixel(0, 0), qRgb(255, 255, 255));
    f.BitBtn02Click();
    // Lime, aqua, lime, red, silver, lime, purple, silver, black ($00BBGGRR).
    EXPECT_EQ(Barvy(), (std::vector<TColor>{0x00FF00, 0xFFFF00, 0x00FF00, 0x0000FF, 0xC0C0C0, 0x00FF00, 0x800080,
                                            0xC0C0C0, 0x000000}));
    EXPECT_EQ(f.Image1->Obraz().pixel(0, 0), qRgb(0, 0, 0));

    c.ColorBox1->NastavIndex(3);
    f.BitBtn07Click();
    f.BitBtn09Click();
    f.BitBtn05Click();
    const bool zapnuto[] = {true, true, true, false, false, false, true, true};
    const QCheckBox* spinace[] = {f.CheckBox01, f.CheckBox02, f.CheckBox03, f.CheckBox04,
                                  f.CheckBox05, f.CheckBox06, f.CheckBox07, f.CheckBox08};
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(spinace[i]->isChecked(), zapnuto[i]) << i;
    std::string texty;
    for (QComboBox* b : {f.ComboBox01, f.ComboBox02, f.ComboBox03, f.ComboBox04, f.ComboBox05, f.ComboBox06,
                         f.ComboBox07, f.ComboBox08, f.ComboBox13, f.ComboBox14, f.ComboBox15, f.ComboBox16,
                         f.ComboBox17, f.ComboBox18, f.ComboBox19, f.ComboBox11, f.ComboBox12, f.ComboBox09})
        texty += NaUtf8(b->currentText()) + " ";
    EXPECT_EQ(texty, "1 1 1 1 1 1 1 1 4 10 4 3 4 50000 A priori 10 Normal Hz ");
    EXPECT_EQ(f.NazevPisma(), "Tahoma");
    EXPECT_EQ(c.ColorBox1->Barva(), 0x00FF00u);
    EXPECT_EQ(f.Kontejner()->TransPar.m, vychozi.m);  // the whole drawing again
    EXPECT_EQ(f.Kontejner()->TransPar.txx, vychozi.txx);
}

TEST_F(GrafPosunTest, AClientOf1000x600BecomesTheMinimum1025x681AndALargerOneIsRepainted)
{
    Otevri();
    f.resize(1000, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.size(), QSize(1025, 681));
    EXPECT_EQ(f.Image1->geometry(), QRect(286, 8, 1025 - 286 - 8, 681 - 16));
    EXPECT_EQ(f.Image1->Obraz().size(), f.Image1->size());
    f.resize(1300, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.Image1->Obraz().size(), QSize(1300 - 286 - 8, 800 - 16));
    const QImage nova = Obraz();
    f.Kontejner()->PaintAll();
    EXPECT_EQ(Obraz(), nova);
}

TEST_F(GrafPosunTest, SavedPicturesAndDxfReadBackThroughIndependentReaders)
{
    sitmera::nastaveni->typJazyk = 0;  // Czech layer names
    Otevri();
    c.ColorBox9->NastavIndex(4);  // navy background
    c.ColorBox4->NastavIndex(13);  // Hz significant fuchsia: DXF 6
    f.ComboBox19->setCurrentIndex(1);  // a posteriori
    f.Prekreslit();
    const QSize velikost = f.Image1->Obraz().size();
    const std::string slozka = test::DocasnaSlozka("graf_posun_ulozit");
    auto uloz = [this](const std::string& s, int typ, bool oznameni = false) {
        UlozJako([this] { f.BitBtn04Click(); }, s, "posuny", typ, oznameni);
    };
    int w = 0, h = 0, slozek = 0;
    std::vector<unsigned char> rgb;
    uloz(slozka, 0);
    ASSERT_TRUE(test::DekodujPng(CtiSoubor(slozka + "/posuny.png"), w, h, rgb));
    EXPECT_EQ(QSize(w, h), velikost);
    EXPECT_EQ(std::vector<int>({rgb[0], rgb[1], rgb[2]}), std::vector<int>({0, 0, 128}));
    uloz(slozka, 1);
    EXPECT_EQ(QImage(NaQString(slozka + "/posuny.bmp"), "BMP").size(), velikost);
    uloz(slozka, 2);
    ASSERT_TRUE(test::DekodujJpeg(CtiSoubor(slozka + "/posuny.jpg"), w, h, slozek, rgb));
    EXPECT_EQ(QSize(w, h), velikost);

    uloz(slozka, 3);
    std::string vypis;
    ASSERT_EQ(test::Ezdxf(slozka + "/posuny.dxf", vypis), 0) << vypis;
    // Both precisions, the a-priori one hidden; the magnification in the names.
    for (const char* vrstva : {"LAYER Bod_Bod 3\n", "LAYER ElipsaChyb_Apri_50000 -4\n",
                               "LAYER ElipsaChyb_Apos_50000 4\n", "LAYER H_Vyzn_Apri_50000 -6\n",
                               "LAYER H_Vyzn_Apos_50000 6\n", "LAYER H_Nevyzn_Apos_50000 3\n",
                               "LAYER Z_Mez_Apos_50000 -254\n", "COUNT H_Vyzn_Apri_50000 LINE"})
        EXPECT_NE(vypis.find(vrstva), std::string::npos) << vrstva << vypis;

    // In English at magnification 1000000 with the X component: the English
    // names carry the chosen magnification, and every vector runs along the
    // X axis, which the DXF draws upright (DXF Y = -X).
    sitmera::nastaveni->typJazyk = 1;
    f.ComboBox18->setCurrentIndex(11);
    f.ComboBox09->setCurrentIndex(0);
    uloz(slozka, 3);
    ASSERT_EQ(test::Ezdxf(slozka + "/posuny.dxf", vypis), 0) << vypis;
    for (const char* vrstva : {"LAYER ErrElips_Apri_1000000 -4\n", "LAYER H_Sign_Apos_1000000 6\n"})
        EXPECT_NE(vypis.find(vrstva), std::string::npos) << vrstva << vypis;
    int vektoru = 0;
    for (const test::Entita& e : test::Entity(CtiSoubor(slozka + "/posuny.dxf")))
        if (e.typ == "LINE" && e.Vrstva().starts_with("H_") && e.Vrstva().find("Critic") == std::string::npos) {
            EXPECT_EQ(e.Hodnota(10), e.Hodnota(11)) << e.Vrstva();
            ++vektoru;
        }
    EXPECT_GT(vektoru, 0);

    // A place where no file can be made: notice 28, and the window goes on.
    uloz("/proc", 3, true);
    EXPECT_TRUE(f.isVisible());
    f.BitBtn12Click();
    EXPECT_EQ(f.Kontejner()->TransPar.txx, 10);
}

TEST_F(GrafPosunTest, TheBitmapAndTheDxfAreTheSameAfterEverySortOfTheList)
{
    sitmera::nastaveni->grafikaPosun.kreslitPosunZHodnota = true;
    sitmera::nastaveni->grafikaPosun.kreslitPosunHzMezOdchylka = true;
    Obsluz("Form68", [&](Formular&) {
        ASSERT_TRUE(VyvolejPolozku(Form68().Kresba1));
        const QImage obraz = Obraz();
        const std::string dxf = Dxf();
        ASSERT_FALSE(dxf.empty());
        for (QAction* a : {Form68().SeraditDleX1, Form68().SeraditDleY1, Form68().SeraditDleZ1,
                           Form68().SeraditDleDelkaH1, Form68().SeraditDleDelkaS1, Form68().SeraditDleCislo1}) {
            f.Close();
            ASSERT_TRUE(VyvolejPolozku(a));
            ASSERT_TRUE(VyvolejPolozku(Form68().Kresba1));
            EXPECT_EQ(Obraz(), obraz) << NaUtf8(a->objectName());
            EXPECT_EQ(Dxf(), dxf) << NaUtf8(a->objectName());
        }
    });
    ZobrazModalne(Form68());
}

TEST_F(GrafPosunTest, Gallery)
{
    for (std::uint8_t typ : {0, 1}) {
        sitmera::nastaveni->typJazyk = typ;
        sitmera::jazyk->Default(*sitmera::nastaveni);
        Otevri();
        const char* jazyk = typ == 0 ? "_cz" : "_en";
        test::UlozDoGalerie(f, std::string("Form84") + jazyk);
        EXPECT_EQ(NaUtf8(f.windowTitle()), typ == 0 ? "Kresba - Analýza posunů" : "Drawing - Movement analysis");
        Obsluz("Form85", [&](Formular&) {
            test::UlozDoGalerie(c, std::string("Form85") + jazyk);
            EXPECT_EQ(NaUtf8(c.Label3->text()), typ == 0 ? "Hz posun:" : "Hz movement:");
        });
        f.BitBtn03Click();
        f.Close();
    }
}

}  // namespace
}  // namespace sitmera
