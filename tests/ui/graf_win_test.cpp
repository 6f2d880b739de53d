// The network graph window over a real epoch: opened from a modal window it
// takes input and closes with it; an update after an attach draws what a
// fresh showing draws; options persist through close, reopen and a project;
// the buttons, the enabling, pan, zoom and the minimum size; the drawing
// saved and read back by libpng, Qt's BMP reader, libjpeg and ezdxf.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

#include "analysis/Projekt.h"
#include "drawing/CteniJpeg.h"
#include "drawing/DxfTest.h"
#include "drawing/dxfwriterSit.h"
#include "ui/Galerie.h"
#include "ui/GrafTest.h"
#include "ui/graf_win.h"
#include "ui/layer/BarvaBox.h"

namespace sitmera {
namespace {

using test::CtiSoubor;
using test::kDataHlavni;

// Options as the project file writes them (its lines of the network drawing).
TStringList TextVoleb(const Tgrafika& g)
{
    Tnastaveni n;
    n.grafika = g;
    TStringList radky;
    ZapisNastaveni(n, radky);
    return TStringList(radky.begin() + 25, radky.begin() + 48);
}

class GrafWinTest : public test::GrafTest {
protected:
    void SetUp() override
    {
        GrafTest::SetUp();
        NactiEtapy();
        // As the epoch window sets them for the first epoch as loaded.
        etapaAktualni = &modelPorovnani->etapa1;
        sitmera::nastaveni->okno.etapa = 1;
        sitmera::nastaveni->okno.etapaDruh = 1;
    }
    void TearDown() override
    {
        f.Close();
        GrafTest::TearDown();
    }

    void Otevri()
    {
        ZobrazNemodalne(f);
        ASSERT_TRUE(f.isVisible());
        ASSERT_NE(f.Kontejner(), nullptr);
    }
    const TTransPar& Pohled() { return f.Kontejner()->TransPar; }
    QImage Obraz() { return f.Image1->Obraz().copy(); }

    void Tahni(QPoint a, QPoint b, Qt::MouseButton tlacitko) { GrafTest::Tahni(f, *f.Image1, a, b, tlacitko); }
    void UlozJako(const std::string& slozka, const std::string& jmeno, int typ, bool oznameni = false)
    {
        GrafTest::UlozJako([this] { f.BitBtn12Click(); }, slozka, jmeno, typ, oznameni);
    }

    TForm44& f = Form44();
};

TEST_F(GrafWinTest, OpensOverAModalWindowTakesItsInputAndClosesWithIt)
{
    test::OknoSLabelem epocha(QStringLiteral("Form66"));
    Obsluz("Form66", [&](Formular&) {
        ZobrazNemodalne(f);
        ASSERT_TRUE(f.isVisible());
        EXPECT_EQ(f.Otvirac(), &epocha);
        const TTransPar pred = Pohled();
        Tahni({100, 100}, {130, 90}, Qt::LeftButton);
        EXPECT_EQ(Pohled().txx - pred.txx, 30);
        EXPECT_EQ(Pohled().tyy - pred.tyy, -10);
        // Without the modal window as its parent the graph would be blocked.
        f.windowHandle()->setTransientParent(nullptr);
        Tahni({100, 100}, {130, 90}, Qt::LeftButton);
        EXPECT_EQ(Pohled().txx - pred.txx, 30);
        f.windowHandle()->setTransientParent(epocha.windowHandle());
        f.CheckBox7->click();
    });
    ZobrazModalne(epocha);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.Kontejner(), nullptr);
    EXPECT_TRUE(sitmera::nastaveni->grafika.kreslitMereniPopis);  // stored when it closed
}

TEST_F(GrafWinTest, UpdateAfterAttachKeepsTheAxisOrderAndDrawsWhatAFreshShowingDraws)
{
    sitmera::nastaveni->jednotky.souradnicovySystem = false;  // mathematical: X and Y swapped
    sitmera::nastaveni->grafika.presnost = false;              // ellipses by the a-posteriori deviation
    Otevri();
    // Another epoch attached into the shown one, with another unit deviation.
    const std::string slozka = test::DocasnaSlozka("graf_win");
    std::string text = CtiSoubor(kDataHlavni + "etapa2.epc");
    const std::size_t s0 = text.find("1.2\r\n</1>");
    ASSERT_NE(s0, std::string::npos);
    text.replace(s0, 3, "3.7");
    test::ZapisSoubor(slozka + "/jina.epc", text);
    ASSERT_TRUE(NacistEtapu(slozka + "/jina.epc", *etapaAktualni));
    f.UpdateDat();
    ASSERT_TRUE(f.isVisible());
    const TgrafikaBod& b = etapaAktualni->grafika.body[1];
    EXPECT_EQ(b.X, etapaAktualni->souradnice.bod[1].Y);
    EXPECT_EQ(b.Y, etapaAktualni->souradnice.bod[1].X);
    const QImage poAktualizaci = Obraz();
    f.Close();
    Otevri();
    EXPECT_EQ(Obraz(), poAktualizaci);

    // A detached epoch: the graph closes, and does not open again.
    etapaAktualni->Clear();
    f.UpdateDat();
    EXPECT_FALSE(f.isVisible());
    ZobrazNemodalne(f);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.windowHandle()->isVisible());
}

TEST_F(GrafWinTest, OptionsSurviveCloseReopenAndAProjectSavedAndOpened)
{
    Otevri();
    f.ColorBox3->NastavIndex(12);
    f.CheckBox7->setChecked(true);
    f.CheckBox4->setChecked(false);
    f.ComboBox4->setCurrentIndex(3);
    f.ComboBox2->setCurrentIndex(f.ComboBox2->count() - 1);
    f.ComboBox8->setCurrentIndex(22);
    f.ComboBox1->setCurrentIndex(1);
    f.ComboBox9->setCurrentIndex(28);
    f.ComboBox12->setCurrentIndex(3);
    f.ComboBox13->setCurrentIndex(1);
    f.Prekreslit();
    // The canvas draws them: blue lines of width 4, font 72 bold, cross 96, magnification 2000.
    const TPaintSettings& ps = f.Kontejner()->PaintSettings;
    EXPECT_EQ(std::vector<double>({double(ps.ColorL), double(ps.PenWidthL), double(ps.FontSize), double(ps.FontBold),
                                   double(ps.CrossSize), ps.Escale, double(ps.PaintDesc), double(ps.PaintAxes)}),
              std::vector<double>({0xFF0000, 4, 72, 1, 96, 2000, 1, 0}));
    EXPECT_EQ(ps.FontName, NaUtf8(f.ComboBox2->itemText(f.ComboBox2->count() - 1)));
    EXPECT_EQ(ps.s0, etapaAktualni->grafika.odchylkaJednotkovaAposterior);
    const TStringList volby = TextVoleb(f.VolbyOvladacu());
    f.Close();
    EXPECT_EQ(TextVoleb(sitmera::nastaveni->grafika), volby);
    Otevri();
    EXPECT_EQ(TextVoleb(f.VolbyOvladacu()), volby);
    f.Close();

    const std::string projekt = test::DocasnaSlozka("graf_win_projekt") + "/p.pea";
    ASSERT_TRUE(UlozitProjektAnalyzy(projekt, *modelPorovnani, *souradniceUzivatelske, *sitmera::nastaveni,
                                     klicTransformace));
    sitmera::nastaveni->grafika = VychoziVolbyGrafu();
    ASSERT_TRUE(NacistProjektAnalyzy(projekt, *modelPorovnani, *souradniceUzivatelske, *sitmera::nastaveni,
                                     klicTransformace));
    Otevri();
    EXPECT_EQ(TextVoleb(f.VolbyOvladacu()), volby);
}

TEST_F(GrafWinTest, BrokenStoredIndexesFallBackToTheDefaults)
{
    const Tgrafika v = VychoziVolbyGrafu();
    Tgrafika g = v;
    g.barvaFixBod = g.barvaVyrBod = g.barvaMereni = g.barvaElipsa = g.barvaPozadi = 20;
    g.tloustkaBod = g.tloustkaOsa = 7;
    g.textVelikost = 23;
    g.textRez = 2;
    g.krizek = g.krouzek = 29;  // one past the 29 sizes, as a project may hold
    g.zvetseniElipsa = 12;
    g.textFont = 5;
    EXPECT_EQ(TextVoleb(PlatneVolbyGrafu(g, 5)), TextVoleb(v));  // font 5 of 5 fonts: none
    g = v;
    g.textFont = 4;
    g.barvaPozadi = 19;
    g.krizek = 28;
    EXPECT_EQ(TextVoleb(PlatneVolbyGrafu(g, 5)), TextVoleb(g));  // the last item of every list stays
    g.textFont = -7;
    EXPECT_EQ(PlatneVolbyGrafu(g, 5).textFont, -1);

    sitmera::nastaveni->grafika.barvaFixBod = 200;
    sitmera::nastaveni->grafika.textFont = 30000;
    Otevri();
    EXPECT_EQ(f.ColorBox1->Barva(), 0x00FFFFu);  // yellow
    EXPECT_EQ(f.ComboBox2->currentIndex(), -1);
    EXPECT_EQ(NaUtf8(f.ComboBox2->placeholderText()), "Tahoma");
    EXPECT_EQ(f.Kontejner()->PaintSettings.FontName, "Tahoma");
}

TEST_F(GrafWinTest, TheColourAndDefaultButtonsSetTheListedValues)
{
    sitmera::nastaveni->grafika = Tgrafika();  // nothing drawn, first items, first font, a posteriori
    Otevri();
    const TTransPar vychozi = Pohled();
    f.BitBtn11Click();
    for (BarvaBox* b : {f.ColorBox1, f.ColorBox2, f.ColorBox3, f.ColorBox5}) EXPECT_EQ(b->Barva(), 0u);
    EXPECT_EQ(f.ColorBox4->Barva(), 0xFFFFFFu);
    EXPECT_EQ(f.Image1->Obraz().pixel(0, 0), qRgb(255, 255, 255));

    f.BitBtn10Click();
    const std::pair<BarvaBox*, TColor> barvy[] = {{f.ColorBox1, 0x00FFFF},  // yellow
                                                  {f.ColorBox2, 0x00FF00},  // lime
                                                  {f.ColorBox3, 0xC0C0C0},  // silver
                                                  {f.ColorBox4, 0x000000},
                                                  {f.ColorBox5, 0xFFFF00}};  // aqua
    for (const auto& [box, barva] : barvy) EXPECT_EQ(box->Barva(), barva) << NaUtf8(box->objectName());

    f.ColorBox1->NastavIndex(3);
    f.BitBtn3Click();
    f.BitBtn5Click();
    f.BitBtn1Click();
    for (QCheckBox* c : {f.CheckBox1, f.CheckBox2, f.CheckBox3, f.CheckBox4, f.CheckBox5}) EXPECT_TRUE(c->isChecked());
    EXPECT_FALSE(f.CheckBox7->isChecked());
    const std::pair<QComboBox*, const char*> texty[] = {
        {f.ComboBox3, "1"},  {f.ComboBox4, "1"},      {f.ComboBox5, "1"},        {f.ComboBox6, "1"},
        {f.ComboBox7, "1"},  {f.ComboBox9, "2"},      {f.ComboBox11, "1"},       {f.ComboBox12, "50000"},
        {f.ComboBox8, "10"}, {f.ComboBox1, "Normal"}, {f.ComboBox13, "A priori"}};
    for (const auto& [box, text] : texty) EXPECT_EQ(NaUtf8(box->currentText()), text) << NaUtf8(box->objectName());
    EXPECT_EQ(f.NazevPisma(), "Tahoma");
    EXPECT_EQ(f.ColorBox1->Barva(), 0x00FFFFu);
    EXPECT_EQ(Pohled().m, vychozi.m);  // the whole network again
    EXPECT_EQ(Pohled().txx, 0);
}

TEST_F(GrafWinTest, OptionControlsAreEnabledByWhatIsDrawn)
{
    // Switches drawn: points, lines, labels, ellipses, axes, scale; enabled:
    // point, ellipse, measurement, axis, scale and font controls.
    const std::pair<std::string, std::string> tabulka[] = {
        {"111111", "111111"}, {"010100", "011000"}, {"011000", "001001"},
        {"001000", "000000"},  // labels of no lines draw no text
        {"000010", "000101"}, {"000001", "000011"},
    };
    for (const auto& [zapnuto, povoleno] : tabulka) {
        Tgrafika g;
        bool* spinace[] = {&g.kreslitBod, &g.kreslitMereniLinie, &g.kreslitMereniPopis,
                           &g.kreslitElipsa, &g.kreslitOsa,         &g.kreslitMeritko};
        for (int i = 0; i < 6; ++i) *spinace[i] = zapnuto[static_cast<std::size_t>(i)] == '1';
        const TpovoleniGrafu p = PovoleniGrafu(g);
        std::string vysledek;
        for (bool b : {p.bod, p.elipsa, p.mereni, p.osa, p.meritko, p.pismo}) vysledek += b ? '1' : '0';
        EXPECT_EQ(vysledek, povoleno) << zapnuto;
    }

    Otevri();
    for (QCheckBox* c : {f.CheckBox1, f.CheckBox4, f.CheckBox5}) c->click();
    for (QWidget* w : std::initializer_list<QWidget*>{f.ComboBox2, f.ComboBox8, f.ComboBox1, f.ColorBox1, f.ComboBox9,
                                                      f.ComboBox6, f.ComboBox7})
        EXPECT_FALSE(w->isEnabled()) << NaUtf8(w->objectName());
    f.CheckBox7->click();
    EXPECT_TRUE(f.ComboBox2->isEnabled());
    f.CheckBox2->click();  // no lines: their labels box is disabled and keeps its tick
    EXPECT_FALSE(f.CheckBox7->isEnabled());
    EXPECT_TRUE(f.CheckBox7->isChecked());
    EXPECT_FALSE(f.ComboBox2->isEnabled());
    EXPECT_TRUE(f.ColorBox4->isEnabled());
    f.CheckBox5->click();  // the scale bar without the axes: its width box alone
    EXPECT_TRUE(f.ComboBox7->isEnabled());
    EXPECT_FALSE(f.ComboBox6->isEnabled());
}

TEST_F(GrafWinTest, LeftOrMiddleDragPansRightOrShiftDragDoesNotAndTheWheelZooms)
{
    Otevri();
    const struct {
        Qt::MouseButtons tlacitka;
        Qt::KeyboardModifiers modifikatory;
        bool posun;
    } tabulka[] = {
        {Qt::LeftButton, Qt::NoModifier, true},
        {Qt::MiddleButton, Qt::NoModifier, true},
        {Qt::RightButton, Qt::NoModifier, false},
        {Qt::LeftButton, Qt::ShiftModifier, false},
        {Qt::LeftButton | Qt::RightButton, Qt::NoModifier, false},
    };
    for (const auto& r : tabulka) {
        const TTransPar pred = Pohled();
        const QImage obrazPred = Obraz();
        f.Image1MouseDown(static_cast<Qt::MouseButton>(r.tlacitka.toInt() & (Qt::LeftButton | Qt::MiddleButton)),
                          r.modifikatory, 200, 150);
        f.Image1MouseMove(r.tlacitka, r.modifikatory, 207, 141);
        f.Image1MouseMove(r.tlacitka, r.modifikatory, 212, 146);
        EXPECT_EQ(Pohled().txx - pred.txx, r.posun ? 12 : 0) << r.tlacitka.toInt() << " " << r.modifikatory.toInt();
        EXPECT_EQ(Pohled().tyy - pred.tyy, r.posun ? -4 : 0);
        EXPECT_EQ(Obraz() != obrazPred, r.posun);
    }

    const Extended m = Pohled().m;
    f.FormMouseWheel(120);
    EXPECT_DOUBLE_EQ(static_cast<double>(Pohled().m), static_cast<double>(m * 1.05));
    f.FormMouseWheel(-120);
    f.FormMouseWheel(0);
    EXPECT_DOUBLE_EQ(static_cast<double>(Pohled().m), static_cast<double>(m / 1.05));
}

TEST_F(GrafWinTest, AClientOf1000x900BecomesTheMinimum1025x681)
{
    Otevri();
    f.resize(1000, 900);
    QCoreApplication::processEvents();  // the window system's answers come too
    EXPECT_EQ(f.size(), QSize(1025, 681));
    EXPECT_EQ(f.Image1->geometry(), QRect(266, 8, 1025 - 266 - 8, 681 - 16));
    EXPECT_EQ(f.Image1->Obraz().size(), f.Image1->size());
    f.resize(1300, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.size(), QSize(1300, 800));
    EXPECT_EQ(f.Image1->Obraz().size(), QSize(1300 - 266 - 8, 800 - 16));
    const QImage nova = Obraz();  // drawn again on the new size
    f.Kontejner()->PaintAll();
    EXPECT_EQ(Obraz(), nova);
}

TEST_F(GrafWinTest, SavedPicturesAndDxfReadBackThroughIndependentReaders)
{
    sitmera::nastaveni->typJazyk = 0;  // Czech layer names
    Otevri();
    f.ColorBox4->NastavIndex(4);  // navy background: R 0, G 0, B 128
    f.Prekreslit();
    const QSize velikost = f.Image1->Obraz().size();
    const int x = velikost.width() - 1, y = velikost.height() - 1;
    const std::string slozka = test::DocasnaSlozka("graf_win_ulozit");

    UlozJako(slozka, "sit", 0);
    int w = 0, h = 0, slozek = 0;
    std::vector<unsigned char> rgb;
    ASSERT_TRUE(test::DekodujPng(CtiSoubor(slozka + "/sit.png"), w, h, rgb));
    EXPECT_EQ(QSize(w, h), velikost);
    const unsigned char* roh = &rgb[(static_cast<std::size_t>(y) * w + x) * 3];
    EXPECT_EQ(std::vector<int>({roh[0], roh[1], roh[2]}), std::vector<int>({0, 0, 128}));

    UlozJako(slozka, "sit", 1);
    const QImage bmp(NaQString(slozka + "/sit.bmp"), "BMP");
    EXPECT_EQ(bmp.size(), velikost);
    EXPECT_EQ(bmp.pixel(x, y), qRgb(0, 0, 128));

    UlozJako(slozka, "sit", 2);
    ASSERT_TRUE(test::DekodujJpeg(CtiSoubor(slozka + "/sit.jpg"), w, h, slozek, rgb));
    EXPECT_EQ(QSize(w, h), velikost);
    const unsigned char* r = &rgb[(static_cast<std::size_t>(y) * w + x) * 3];
    EXPECT_LE(std::abs(r[0] - 0) + std::abs(r[1] - 0) + std::abs(r[2] - 128), 12);

    UlozJako(slozka, "sit", 3);
    std::string vypis;
    ASSERT_EQ(test::Ezdxf(slozka + "/sit.dxf", vypis), 0) << vypis;
    // Ellipses in aqua (DXF 4); only the a-priori layer is on.
    EXPECT_NE(vypis.find("LAYER ElipsaChyb_Apri_50000 4\n"), std::string::npos) << vypis;
    EXPECT_NE(vypis.find("LAYER ElipsaChyb_Apos_50000 -4\n"), std::string::npos) << vypis;
    EXPECT_NE(vypis.find("LAYER Mereni_Popis -254\n"), std::string::npos) << vypis;
    EXPECT_NE(vypis.find("POLY ElipsaChyb_Apri_50000 41 1"), std::string::npos) << vypis;
    // In English, with the a-posteriori precision at magnification 100: the
    // English names carry the chosen magnification, the other layer is hidden.
    sitmera::nastaveni->typJazyk = 1;
    f.ComboBox12->setCurrentIndex(0);
    f.ComboBox13->setCurrentIndex(1);
    UlozJako(slozka, "sit", 3);
    ASSERT_EQ(test::Ezdxf(slozka + "/sit.dxf", vypis), 0) << vypis;
    EXPECT_NE(vypis.find("LAYER ErrElips_Apri_100 -4\n"), std::string::npos) << vypis;
    EXPECT_NE(vypis.find("LAYER ErrElips_Apos_100 4\n"), std::string::npos) << vypis;

    // A place where no file can be made: notice 28, and the window goes on.
    UlozJako("/proc", "sit", 0, true);
    EXPECT_TRUE(f.isVisible());
    f.BitBtn8Click();
    EXPECT_EQ(Pohled().txx, 10);
}

TEST_F(GrafWinTest, Gallery)
{
    for (std::uint8_t typ : {0, 1}) {
        sitmera::nastaveni->typJazyk = typ;
        sitmera::jazyk->Default(*sitmera::nastaveni);
        Otevri();
        f.CheckBox7->setChecked(true);
        f.Prekreslit();
        test::UlozDoGalerie(f, typ == 0 ? "Form44_cz" : "Form44_en");
        EXPECT_EQ(NaUtf8(f.windowTitle()), typ == 0 ? "Kresba - 1. etapa" : "Drawing - 1. epoch");
        f.Close();
    }
}

}  // namespace
}  // namespace sitmera
