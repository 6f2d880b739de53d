// The epoch information, key information and about windows.
#include <QLabel>
#include <QPushButton>

#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"
#include "ui/EtapaInfoOkno.h"
#include "ui/EtapaTransformovanaInfoOkno.h"
#include "ui/Galerie.h"
#include "ui/OProgramuOkno.h"
#include "ui/ProgramTest.h"
#include "ui/layer/Menu.h"

namespace sitmera {
namespace {

using test::StiskniKlavesu;
using test::UlozDoGalerie;

class InfoOknaTest : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        NactiEtapy();
    }

    void Zobraz(Formular& f, const std::function<void()>& prace)
    {
        Obsluz(NaUtf8(f.objectName()), [&](Formular&) { prace(); });
        ZobrazModalne(f);
    }

    static std::string Text(const QWidget& f, const char* label)
    {
        const auto* l = f.findChild<QLabel*>(QLatin1String(label));
        return l != nullptr ? NaUtf8(l->text()) : "(none)";
    }

    static void Jazyk(std::uint8_t typ)
    {
        sitmera::nastaveni->typJazyk = typ;
        sitmera::jazyk->Default(*sitmera::nastaveni);
    }
};

TEST_F(InfoOknaTest, EpochInformationShowsAndCopiesTheFourteenValues)
{
    ASSERT_TRUE(Porovnej());
    etapaAktualni = &modelPorovnaniTransformace->etapa1;
    sitmera::nastaveni->okno.etapa = 1;
    sitmera::nastaveni->okno.etapaDruh = 2;
    for (const std::uint8_t typ : {1, 0}) {
        Jazyk(typ);
        Zobraz(Form67(), [&] {
            EXPECT_EQ(NaUtf8(Form67().windowTitle()),
                      typ == 1 ? "Information - 1. epoch (transformed)" : "Informace - 1. etapa (transformovaná)");
            UlozDoGalerie(Form67(), typ == 1 ? "Form67_en" : "Form67_cs");
        });
    }
    Jazyk(1);
    // The file's unit deviations, and counters that all differ.
    Tetapa& e = modelPorovnani->etapa2;
    e.pocetBoduFixnich = 3;
    e.pocetBoduUrcovanych = 5;
    e.pocetPosunu = 6;
    e.pocetMereni = 7;
    e.pocetSmer = 8;
    e.pocetZenit = 9;
    e.pocetDelka = 10;
    e.pocetDoplnekDelka = 11;
    e.pocetDoplnekSmernik = 12;
    e.pocetDoplnekPrevyseni = 13;
    e.pocetDoplnekProvazeni = 4;
    e.pocetNadbytecnych = 15;
    etapaAktualni = &e;
    sitmera::nastaveni->okno.etapa = 2;
    sitmera::nastaveni->okno.etapaDruh = 1;
    Zobraz(Form67(), [&] {
        EXPECT_EQ(Text(Form67(), "Label46"), "4 (8)");
        StiskniKlavesu(&Form67(), Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(TextSchranky(),
                  "Information - 2. epoch\r\n"
                  "Network adjustment\r\n"
                  "A priori unit standard deviation:\t1.000\r\n"
                  "A posteriori unit standard deviation:\t1.200\r\n"
                  "Number of fixed points:\t3\r\n"
                  "Number of adjusted points:\t5\r\n"
                  "Number of adjusted orientation shifts:\t6\r\n"
                  "Number of adjusted measurements:\t7\r\n"
                  "Direction:\t8\r\n"
                  "Zenith angle:\t9\r\n"
                  "Slope distance:\t10\r\n"
                  "Sikma delka:\t11\r\n"
                  "Bearing:\t12\r\n"
                  "Height difference:\t13\r\n"
                  "Vertical plumbing (X + Y):\t4 (8)\r\n"
                  "Number of redundant measurements:\t15\r\n");
        StiskniKlavesu(&Form67(), Qt::Key_Return);
        EXPECT_FALSE(Form67().isVisible());
    });
}

TEST_F(InfoOknaTest, KeyInformationShowsTheRolesTheMethodUsesAndCopiesOnlyThem)
{
    // Feet and gon: 3.048 m = 10 ft, 0.1 rad = 6.36620 gon.
    sitmera::nastaveni->jednotky.souradnice = 1;
    sitmera::jazyk->Default(*sitmera::nastaveni);
    TtransformacniKlicEtapa& k = klicTransformace;
    k.typ = 3;
    k.translaceUser = {{3.048L}, {-0.6096L}, {0}};
    k.uhelStoceniUser = {0.1L, 0, Pi};
    ASSERT_TRUE(VypocetKlice(k));
    const std::string krok1 =
        "Information - Transformation key\r\n"
        "Transformation method\r\n"
        "4. User transformation key\r\n"
        "Transformation key\r\n"
        "Translation\r\n"
        "X [ft]:\t10.0000\r\n"
        "Y [ft]:\t-2.0000\r\n"
        "Z [ft]:\t0.0000\r\n"
        "Rotation\r\n"
        "X [gon]:\t6.36620\r\n"
        "Y [gon]:\t0.00000\r\n"
        "Z [gon]:\t200.00000\r\n";
    Zobraz(Form80(), [&] {
        EXPECT_EQ(Text(Form80(), "Label31"), "-");
        EXPECT_EQ(Text(Form80(), "Label42"), "-");
        ASSERT_TRUE(VyvolejPolozku(Form80().Kopirovat1));
        EXPECT_EQ(TextSchranky(), krok1);
    });

    // The line AB: A the first point of epoch 1 (101: 1000.123456, 2000.5,
    // 300.25 m), B a user point; C unused.
    Tbod u;
    u.JePlny = true;
    u.cislo = "U7";
    u.X = 10;
    u.Y = 20;
    u.Z = 30;
    souradniceUzivatelske->bod = {u};
    k.typ = 1;
    k.typBod = {0, 2, 0};
    k.poradiBod[0][0] = 0;
    k.poradiBod[1][2] = 0;
    k.poradiBod[2][0] = 1;
    PriraditSouradniceKlice(k, modelPorovnani->etapa1.souradnice, modelPorovnani->etapa2.souradnice,
                            *souradniceUzivatelske);
    ASSERT_TRUE(VypocetKlice(k));
    Zobraz(Form80(), [&] {
        EXPECT_EQ(Text(Form80(), "Label2"), "2. Line AB (rotation Z)");
        ASSERT_TRUE(VyvolejPolozku(Form80().Kopirovat1));
        const std::string kopie = TextSchranky();
        EXPECT_EQ(kopie.substr(0, kopie.find("Translation")),
                  "Information - Transformation key\r\nTransformation method\r\n2. Line AB (rotation Z)\r\n"
                  "Transformation key\r\n");
        EXPECT_EQ(Text(Form80(), "Label25"), CisloNaTextPresnost(4, k.translace[0][0] / 0.3048L));
        ASSERT_NE(kopie.find("Reference points"), std::string::npos);
        EXPECT_EQ(kopie.substr(kopie.find("Reference points")),
                  "Reference points\r\n"
                  "A:\t[1] 101\r\n"
                  "X [ft]:\t3281.2449\r\n"
                  "Y [ft]:\t6563.3202\r\n"
                  "Z [ft]:\t985.0722\r\n"
                  "B:\t[U] U7\r\n"
                  "X [ft]:\t32.8084\r\n"
                  "Y [ft]:\t65.6168\r\n"
                  "Z [ft]:\t98.4252\r\n");
        for (const char* c : {"Label39", "Label40", "Label41", "Label42"}) EXPECT_EQ(Text(Form80(), c), "-") << c;
        StiskniKlavesu(&Form80(), Qt::Key_Escape);
        EXPECT_FALSE(Form80().isVisible());
    });

    // The plane ABC with no point chosen for C: C shows "-", also in the copy.
    k.typ = 2;
    k.poradiBod[2][0] = -1;
    Zobraz(Form80(), [&] {
        EXPECT_EQ(Text(Form80(), "Label39"), "-");
        ASSERT_TRUE(VyvolejPolozku(Form80().Kopirovat1));
        const std::string kopie = TextSchranky();
        EXPECT_NE(kopie.find("\r\nC:\t-\r\nX [ft]:\t-\r\nY [ft]:\t-\r\nZ [ft]:\t-\r\n"), std::string::npos);
        UlozDoGalerie(Form80(), "Form80_en");
    });
    Jazyk(0);
    Zobraz(Form80(), [&] { UlozDoGalerie(Form80(), "Form80_cs"); });
}

TEST_F(InfoOknaTest, AboutOpensFromTheMainMenuAndClosesOnEnter)
{
    VytvoritOknaProgramu();
    okno->PovolitMenu();
    for (const std::uint8_t typ : {1, 0}) {
        Jazyk(typ);
        Obsluz("Form21", [&](Formular& f) {
            EXPECT_EQ(NaUtf8(f.windowTitle()), typ == 1 ? "About Sitmera Analyser" : "O programu Sitmera Analyser");
            EXPECT_EQ(Text(f, "Label1"), "Sitmera Analyser");
            EXPECT_EQ(Text(f, "Label2"), typ == 1 ? "1.1.2 (20/06/2015)" : "1.1.2 (20.06.2015)");
            UlozDoGalerie(f, typ == 1 ? "Form21_en" : "Form21_cs");
            StiskniKlavesu(Form21().Button1, Qt::Key_Return);
            EXPECT_FALSE(f.isVisible());
        });
        EXPECT_TRUE(VyvolejPolozku(okno->Oprogramu1));
    }
    ZrusitOknaProgramu();
}

}  // namespace
}  // namespace sitmera
