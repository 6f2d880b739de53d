// The main displacement window on a comparison of real epoch files
// (PosunyTest.h).
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>

#include <map>

#include "program/Globalni.h"
#include "reports/ProtokolPosuny.h"
#include "ui/Galerie.h"
#include "ui/displacements/PosunyTest.h"
#include "ui/displacements/PosunyMainOkno.h"
#include "ui/displacements/PosunyMenu.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/ProtokolOkno.h"

namespace sitmera {
namespace {

using test::J;
using test::M;
using test::N;
using test::PosunyOknoTest;
using test::StiskniKlavesu;
using test::Text;

// ---------------------------------------------------------------- showing

TEST_F(PosunyOknoTest, ShowsOneRowPerPairInTheChosenUnitsAxisOrderAndDecimals)
{
    const struct {
        std::uint8_t poradi;
        std::uint8_t jednotka;
        std::uint8_t desetiny;
        std::vector<std::string> radek10;  // the row of point 10
        const char* hlavickaX;
        const char* jednotkaHlavicky;
        std::vector<std::string> pocty;  // Label1 .. Label5
    } tabulka[] = {
        {0, 0, 1, {"10", "0.5", "-8.0", "0.0", "8.0", "8.0"}, "X", "[mm]",
         {" 1 / 2", " 1 / 1", " 1 / 0", " 2 / 3", " 3 / 3"}},
        // Y first: the Y column and its counts lead.
        {1, 0, 2, {"10", "-8.00", "0.50", "0.00", "8.02", "8.02"}, "Y", "[mm]",
         {" 1 / 1", " 1 / 2", " 1 / 0", " 2 / 3", " 3 / 3"}},
        // Points of 1/864 ft: 0.5 mm = 1.417 pt, 8 mm = 22.677 pt.
        {0, 1, 2, {"10", "1.42", "-22.68", "0.00", "22.72", "22.72"}, "X", "[pt]",
         {" 1 / 2", " 1 / 1", " 1 / 0", " 2 / 3", " 3 / 3"}},
    };
    for (const auto& t : tabulka) {
        N().NastavPoradiXY(t.poradi);
        N().jednotky.posun = t.jednotka;
        N().presnost.posun.hodnota = t.desetiny;
        J().Default(N());
        Otevri();
        EXPECT_EQ(Cisla(), (std::vector<std::string>{"7", "8", "9", "10", "11", "A1", "F1"}));
        EXPECT_EQ(Radek(RadekBodu("10")), t.radek10);
        EXPECT_EQ(Text(okno68->Label_srd_X), t.hlavickaX);
        EXPECT_EQ(Text(okno68->Label_srd_delkaS_jdn), t.jednotkaHlavicky);
        EXPECT_EQ(Text(okno68->Label_vyber), " 7");
        const std::vector<std::string> pocty{Text(okno68->Label1), Text(okno68->Label2), Text(okno68->Label3),
                                             Text(okno68->Label4), Text(okno68->Label5)};
        EXPECT_EQ(pocty, t.pocty);
        EXPECT_EQ(g->Row(), 0);
        // The last header and status labels reach the panels' right edge.
        EXPECT_EQ(okno68->Label_doplnek->x() + okno68->Label_doplnek->width(), okno68->Panel2->width() - 1);
        EXPECT_EQ(okno68->Label5->x() + okno68->Label5->width(), okno68->Panel1->width() - 1);
        okno68->Close();
    }
    // The list is padded for display; the model's count stays.
    EXPECT_GT(M().posuny.zaznam.size(), 7u);
    EXPECT_EQ(M().pocet, 7);
    EXPECT_EQ(okno68->minimumWidth(), okno68->maximumWidth());
    EXPECT_EQ(g->viewport()->width(), 99 + 5 * 130);
}

// Every menu and popup caption of the displacement window: name, Czech,
// English.
const std::vector<std::array<const char*, 3>> kNabidkyPosunu = {
    {"Hlavni1", "Hlavní", "Main"}, {"Informace1", "Informace", "Information"},
    {"InfoAnalyza1", "Analýza posunů", "Movement analysis"}, {"InfoKlic1", "Transformační klíč", "Transformation key"},
    {"Kresba1", "Kresba", "Drawing"}, {"Protokol1", "Protokol", "Protocol"}, {"Zavrit1", "Ukončit", "Close"},
    {"Posuny1", "Posuny", "Movements"}, {"Hledat1", "Najít ...", "Find ..."}, {"HledatDalsi1", "Najít další", "Find next"},
    {"HledatPredchozi1", "Najít předchozí", "Find previous"},
    {"HledatVyznamneAprior2", "Najít významné (apriorní)", "Find significant (a priori)"},
    {"HledatVyznamneAposter2", "Najít významné (aposteriorní)", "Find significant (a posteriori)"},
    {"Seradit1", "Seřadit podle ...", "Sort by ..."}, {"SeraditDleCislo1", "Číslo bodu", "Point number"},
    {"SeraditDleX1", "X posun", "X movement"}, {"SeraditDleY1", "Y posun", "Y movement"},
    {"SeraditDleZ1", "Z posun", "Z movement"}, {"SeraditDleDelkaH1", "Polohový posun", "Horizontal movement"},
    {"SeraditDleDelkaS1", "Prostorový posun", "Spatial movement"}, {"Kopirovat2", "Kopírovat", "Copy"},
    {"Vyber1", "Výběr", "Selection"}, {"OznacitVse2", "Vybrat vše", "Select all"},
    {"OdznacitVse2", "Zrušit výběr", "Clear selection"},
    {"OznacitVyznamneAprior2", "Vybrat významné (apriorní)", "Select significant (a priori)"},
    {"OznacitVyznamneAposter2", "Vybrat významné (aposteriorní)", "Select significant (a posteriori)"},
    {"VyberDleAtributu1", "Dle atributů ...", "By attributes ..."}, {"Projekce1", "Projekce", "Projection"},
    {"Ortogonalni1", "Ortogonální", "Orthogonal"}, {"Semipolarni1", "Semipolární", "Semipolar"},
    {"Polarni1", "Polární", "Polar"}, {"Presnost1", "Přesnost", "Accuracy"},
    {"OdchylkyAprior1", "Apriorní směrodatné odchylky", "A priori standard deviations"},
    {"OdchylkyAposterior1", "Aposteriorní směrodatné odchylky", "A posteriori standard deviations"},
    {"ElipsoidAprior1", "Apriorní elipsoidy chyb", "A priori error ellipsoids"},
    {"ElipsoidAposterior1", "Aposteriorní elipsoidy chyb", "A posteriori error ellipsoids"},
    {"Hodnoceni1", "Hodnocení", "Evaluation"}, {"PresnostAprior1", "Apriorní přesnost", "A priori accuracy"},
    {"PresnostAposterior1", "Aposteriorní přesnost", "A posteriori accuracy"},
    {"SouradniceX1", "X posun", "X movement"}, {"SouradniceY1", "Y posun", "Y movement"},
    {"SouradniceZ1", "Z posun", "Z movement"}, {"DelkaH1", "Polohový posun", "Horizontal movement"},
    {"DelkaS1", "Prostorový posun", "Spatial movement"}, {"SouradniceX2", "X posun", "X movement"},
    {"SouradniceY2", "Y posun", "Y movement"}, {"SouradniceZ2", "Z posun", "Z movement"},
    {"DelkaH2", "Polohový posun", "Horizontal movement"}, {"DelkaS2", "Prostorový posun", "Spatial movement"},
    {"Analyza1", "Vnitřní analýza", "Internal analysis"}, {"AnalyzaDelky1", "Délkové veličiny", "Length variables"},
    {"AnalyzaUhly1", "Úhlové veličiny", "Angular variables"}, {"OznacitVse1", "Vybrat vše", "Select all"},
    {"OdznacitVse1", "Zrušit výběr", "Clear selection"}, {"Kopirovat1", "Kopírovat", "Copy"},
    {"HledatVyznamneAprior1", "Najít významné (apriorní)", "Find significant (a priori)"},
    {"HledatVyznamneAposter1", "Najít významné (aposteriorní)", "Find significant (a posteriori)"},
    {"OznacitVyznamneAprior1", "Vybrat významné (apriorní)", "Select significant (a priori)"},
    {"OznacitVyznamneAposter1", "Vybrat významné (aposteriorní)", "Select significant (a posteriori)"},
};

TEST_F(PosunyOknoTest, TheCompareCommandOpensTheWindowInEnglishAndCzech)
{
    DalsiOkna().Form68 = [this] { ZobrazModalne(*okno68); };
    for (std::uint8_t typ : {1, 0}) {
        N().typJazyk = typ;
        J().Default(N());
        const std::string j = typ == 0 ? "Form68_cz" : "Form68_en";
        Obsluz("Form68", [&](Formular& f) {
            auto& o = static_cast<TForm68&>(f);
            o.StringGrid3->SetRow(2);
            o.OznacitVyznamneAprior2Click();
            o.StringGrid3->Repaint();
            QCoreApplication::processEvents();  // the menu bar takes its height
            test::UlozDoGalerie(o, j);
            EXPECT_EQ(NaUtf8(o.windowTitle()), typ == 0 ? "Analýza posunů" : "Movement analysis");
            EXPECT_EQ(NaUtf8(o.HledatVyznamneAprior2->text().section(QLatin1Char('\t'), 0, 0)),
                      typ == 0 ? "Najít významné (apriorní)" : "Find significant (a priori)");
            EXPECT_EQ(test::PopiskyNabidek(o), test::TextyJazyka(kNabidkyPosunu, typ));
        });
        ASSERT_TRUE(VyvolejPolozku(okno->Porovnat1));
    }
    EXPECT_EQ(zobrazena, (std::vector<std::string>{"Form68", "Form68"}));
}

// ---------------------------------------------------------------- painting

TEST_F(PosunyOknoTest, CellsMarkFixedPointsAndExactlyTheSignificantValues)
{
    Otevri();
    const QColor &zelena = test::kZelena, &cervena = test::kCervena, &oranzova = test::kOranzova;
    const QColor &modra = test::kModra, &bila = test::kBila;
    const QPoint &f = test::kBodF, &pruh1 = test::kPruh1, &pruh2 = test::kPruh2;
    EXPECT_EQ(Pixel(0, RadekBodu("7"), f), zelena);
    EXPECT_EQ(Pixel(0, RadekBodu("8"), f), cervena);
    EXPECT_EQ(Pixel(0, RadekBodu("F1"), f), oranzova);
    EXPECT_EQ(Pixel(0, RadekBodu("9"), f), bila);
    // X of 9: both tests; Z of 11: a priori only; X of 7: a posteriori only.
    EXPECT_EQ(Pixel(1, RadekBodu("9"), pruh1), modra);
    EXPECT_EQ(Pixel(1, RadekBodu("9"), pruh2), zelena);
    EXPECT_EQ(Pixel(3, RadekBodu("11"), pruh1), modra);
    EXPECT_EQ(Pixel(3, RadekBodu("11"), pruh2), bila);
    EXPECT_EQ(Pixel(1, RadekBodu("7"), pruh1), bila);
    EXPECT_EQ(Pixel(1, RadekBodu("7"), pruh2), zelena);
    EXPECT_EQ(Pixel(2, RadekBodu("9"), pruh1), bila);
    EXPECT_EQ(Pixel(1, RadekBodu("A1"), pruh1), bila);
    // With Y first the bars follow the Y flags: 10's Y moves to column 1.
    N().NastavPoradiXY(1);
    okno68->ObnovTabulku();
    EXPECT_EQ(Pixel(1, RadekBodu("10"), pruh1), modra);
    EXPECT_EQ(Pixel(2, RadekBodu("10"), pruh1), bila);
    // A selected row is light red.
    okno68->vyber[RadekBodu("A1")] = true;
    EXPECT_EQ(Pixel(2, RadekBodu("A1"), QPoint(20, 8)), QColor(0xFF, 0xD2, 0xD2));
}

// ---------------------------------------------------------------- selection and copy

TEST_F(PosunyOknoTest, GesturesNeverSelectPaddedRowsAndCopyPutsExactlyTheSelectedRows)
{
    N().presnost.posun.hodnota = 1;
    Otevri();
    Klik(9);  // a padded row
    EXPECT_TRUE(Vybrane().empty());
    EXPECT_FALSE(okno68->Kopirovat2->isEnabled());
    EXPECT_FALSE(PolozkaPovolena(okno68->Kopirovat1));
    NastavTextSchranky("before");
    StiskniKlavesu(g, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"));
    EXPECT_EQ(TextSchranky(), "before");  // disabled: nothing runs

    Klik(RadekBodu("10"));
    Klik(12, Qt::ShiftModifier);  // a range into the padding
    EXPECT_EQ(Vybrane(), (std::vector<int>{3, 4, 5, 6}));
    EXPECT_TRUE(okno68->Kopirovat2->isEnabled());  // enabling follows the selection
    Klik(RadekBodu("11"), Qt::ControlModifier);
    StiskniKlavesu(g, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"));
    EXPECT_EQ(TextSchranky(),
              "10\t0.5\t-8.0\t0.0\t8.0\t8.0\r\n"
              "A1\t0.3\t-0.2\t0.1\t0.4\t0.4\r\n"
              "F1\t0.0\t0.0\t0.0\t0.0\t0.0\r\n");

    StiskniKlavesu(g, Qt::Key_A, Qt::ControlModifier, QStringLiteral("a"));
    EXPECT_EQ(Vybrane(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    StiskniKlavesu(g, Qt::Key_D, Qt::ControlModifier, QStringLiteral("d"));
    EXPECT_TRUE(Vybrane().empty());
    g->SetRow(9);  // a padded row
    StiskniKlavesu(g, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    EXPECT_TRUE(Vybrane().empty());
    g->SetRow(1);
    StiskniKlavesu(g, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    EXPECT_EQ(Vybrane(), (std::vector<int>{1}));
    EXPECT_FALSE(okno68->Label_zpracovani->isVisible());
}

// ---------------------------------------------------------------- finding

TEST_F(PosunyOknoTest, SignificantFindWrapsOnceAndMarkSelectsEverySignificantRow)
{
    Otevri();
    const int r9 = RadekBodu("9"), r10 = RadekBodu("10"), r11 = RadekBodu("11"), r7 = RadekBodu("7");
    // A1 significant a priori and F1 a posteriori in the lengths only: the
    // commands look at X, Y and Z, so they pass both by.
    TposunProkazani& a1 = M().posuny.zaznam[RadekBodu("A1")].prokazaniAprior;
    TposunProkazani& f1 = M().posuny.zaznam[RadekBodu("F1")].prokazaniAposter;
    a1.delkaH = a1.delkaS = f1.delkaH = f1.delkaS = true;
    // F4 (a priori, X, Y or Z): 9, 10, 11, then round to 9.
    for (const int cil : {r9, r10, r11, r9}) {
        StiskniKlavesu(g, Qt::Key_F4);
        EXPECT_EQ(g->Row(), cil);
    }
    // F5 (a posteriori): from 9 to 10, then round to 7.
    StiskniKlavesu(g, Qt::Key_F5);
    EXPECT_EQ(g->Row(), r10);
    StiskniKlavesu(g, Qt::Key_F5);
    EXPECT_EQ(g->Row(), r7);
    StiskniKlavesu(g, Qt::Key_F6);
    EXPECT_EQ(Vybrane(), (std::vector<int>{r9, r10, r11}));
    StiskniKlavesu(g, Qt::Key_F7);
    EXPECT_EQ(Vybrane(), (std::vector<int>{r7, r9, r10}));
}

TEST_F(PosunyOknoTest, FindNextAndPreviousUseTheStoredCriteriaWithoutWrap)
{
    Otevri();
    posunHledani = Tposun();
    StiskniKlavesu(g, Qt::Key_F3);  // no criterion: nothing happens
    EXPECT_EQ(g->Row(), 0);
    // X as shown different from 0.
    posunHledani.prokazaniAprior.X = true;
    posunHledani.kvantilS.Y = 5;
    posunHledani.hodnota.X = 0;
    const int r7 = RadekBodu("7"), r9 = RadekBodu("9"), r10 = RadekBodu("10"), rA1 = RadekBodu("A1");
    for (const int cil : {r9, r10, rA1, rA1}) {
        StiskniKlavesu(g, Qt::Key_F3);
        EXPECT_EQ(g->Row(), cil);
    }
    StiskniKlavesu(g, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(g->Row(), r10);
    g->SetRow(r7);
    StiskniKlavesu(g, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(g->Row(), r7);
    // From an empty row below the points nothing lies ahead (F1 is behind).
    posunHledani = Tposun();
    posunHledani.JePlny = true;
    posunHledani.cislo = "F1";
    g->SetRow(9);
    StiskniKlavesu(g, Qt::Key_F3);
    EXPECT_EQ(g->Row(), 9);
    StiskniKlavesu(g, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(g->Row(), RadekBodu("F1"));
    EXPECT_TRUE(JePosunOznacen(posunPracovni));
    // The only match the first record: found backwards, the search reaching record 0.
    posunHledani.cislo = Cisla()[0];
    g->SetRow(3);
    StiskniKlavesu(g, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(g->Row(), 0);
}

// ---------------------------------------------------------------- sorting

TEST_F(PosunyOknoTest, EachSortOrdersKeepsEmptyRowsLastAndClearsTheReport)
{
    Otevri();
    const struct {
        QAction* TForm68::*polozka;
        std::vector<std::string> poradi;
    } tabulka[] = {
        // Each from the order before: equal values keep it (X: 8, 11, F1).
        {&TForm68::SeraditDleX1, {"8", "11", "F1", "A1", "10", "7", "9"}},
        {&TForm68::SeraditDleCislo1, {"7", "8", "9", "10", "11", "A1", "F1"}},
        {&TForm68::SeraditDleY1, {"10", "A1", "7", "9", "11", "F1", "8"}},
        {&TForm68::SeraditDleZ1, {"10", "7", "9", "F1", "8", "A1", "11"}},
        {&TForm68::SeraditDleDelkaH1, {"F1", "11", "A1", "8", "7", "10", "9"}},
        {&TForm68::SeraditDleDelkaS1, {"F1", "A1", "8", "7", "11", "10", "9"}},
    };
    for (const auto& t : tabulka) {
        M().protokol.text = {"old"};
        M().protokol.jePlny = true;
        M().analyzaDelka.iStn = 4;
        M().analyzaUhel.iCilP = 5;
        g->SetRow(5);
        okno68->vyber[2] = true;
        ASSERT_TRUE(VyvolejPolozku((*okno68).*t.polozka));
        EXPECT_EQ(Cisla(), t.poradi);
        EXPECT_EQ(g->Row(), 0);
        EXPECT_TRUE(Vybrane().empty());
        EXPECT_FALSE(M().protokol.jePlny);
        EXPECT_EQ(M().analyzaDelka.iStn, 0);
        EXPECT_EQ(M().analyzaUhel.iCilP, 2);
        EXPECT_EQ(M().posuny.PocetPlnych(), 7);
        for (std::size_t i = 0; i < M().posuny.zaznam.size(); ++i)
            EXPECT_EQ(M().posuny.zaznam[i].JePlny, i < 7) << i;
    }
}

// ---------------------------------------------------------------- report

TEST_F(PosunyOknoTest, ReportOpensTheViewerWithTheModelsTextOrShowsNotice26)
{
    Otevri();
    Obsluz("Form55", [](Formular& f) {
        auto& v = static_cast<TForm55&>(f);
        std::string text;
        for (const std::string& r : M().protokol.text) text += (text.empty() ? "" : "\n") + r;
        EXPECT_EQ(NaUtf8(v.RichEdit1->toPlainText()), NaUtf8(NaQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
        EXPECT_NE(text.find("C-04 "), std::string::npos);
        EXPECT_EQ(NaUtf8(v.windowTitle()), "Protocol - C. Movement analysis");
    });
    ASSERT_TRUE(VyvolejPolozku(okno68->Protokol1));
    EXPECT_TRUE(M().protokol.jePlny);
    // The padding of the list for display changes nothing in the report (but
    // the time it was made).
    TmodelPosuny bezVyplne = M();
    bezVyplne.posuny.SmazPrazdneZaznamyNaKonci();
    bezVyplne.protokol.Clear();
    ASSERT_TRUE(ProtokolPosunu(bezVyplne, *modelPorovnani, klicTransformace, N(), J()));
    auto bezCasu = [](TStringList t) {
        std::erase_if(t, [](const std::string& r) { return r.starts_with(J().protokol.vytvoreno + ": "); });
        return t;
    };
    EXPECT_EQ(bezCasu(bezVyplne.protokol.text), bezCasu(M().protokol.text));
    EXPECT_EQ(N().okno.protokol, 3);
    EXPECT_TRUE(okno68->Label_zpracovani->isHidden());

    // A key pointing outside its lists: the report fails.
    M().protokol.Clear();
    klicTransformace.typ = 1;  // a two-point key without its points
    klicTransformace.typBod.clear();
    Obsluz("Form3", [](Formular& f) { EXPECT_EQ(NaUtf8(static_cast<TForm3&>(f).Label1->text()), TextOznameni(J(), 26)); });
    okno68->Protokol1Click();
    EXPECT_TRUE(okno68->Label_zpracovani->isHidden());
    EXPECT_FALSE(M().protokol.jePlny);
}

// ---------------------------------------------------------------- texts, enabling, other windows

TEST_F(PosunyOknoTest, EnablingFollowsTheCountAndTheTestsInTheMenuAndThePopup)
{
    TmodelPosuny m;
    const TboolVector nic(3, false);
    auto povoleno = [](const Tpovoleni& p, const std::string& jmeno) {
        for (const auto& [j, z] : p)
            if (j == jmeno) return z;
        return true;
    };
    for (int pocet : {1, 2, 3}) {
        m.pocet = pocet;
        const Tpovoleni p = PovoleniMenuPosuny(m, nic);
        EXPECT_EQ(povoleno(p, "Seradit1"), pocet >= 2);
        EXPECT_EQ(povoleno(p, "AnalyzaDelky1"), pocet >= 2);
        EXPECT_EQ(povoleno(p, "AnalyzaUhly1"), pocet >= 3);
    }

    // Only the a-priori comparison: the a-posteriori commands are off.
    N().porovnani.aposteriorni = false;
    ASSERT_TRUE(Porovnej());
    DalsiOknaPosuny().Form74 = [] {};
    DalsiOknaPosuny().Form75 = [] {};
    Otevri();
    EXPECT_EQ(Text(okno68->Label1), " 1 / -");
    for (QAction* a : {okno68->HledatVyznamneAposter2, okno68->OznacitVyznamneAposter2,
                       okno68->HledatVyznamneAposter1, okno68->OznacitVyznamneAposter1})
        EXPECT_FALSE(PolozkaPovolena(a)) << NaUtf8(a->objectName());
    for (QAction* a : {okno68->HledatVyznamneAprior2, okno68->OznacitVyznamneAprior1, okno68->SeraditDleZ1,
                       okno68->AnalyzaDelky1, okno68->AnalyzaUhly1})
        EXPECT_TRUE(PolozkaPovolena(a)) << NaUtf8(a->objectName());
    okno68->vyber[0] = true;
    StiskniKlavesu(g, Qt::Key_F7);  // disabled: the selection stays
    EXPECT_EQ(Vybrane(), std::vector<int>{0});

    // Commands of windows that are not registered stay disabled, also after
    // a processing step unlocked the menus.
    okno68->OznacitVse2Click();
    for (QAction* a : {okno68->InfoAnalyza1, okno68->InfoKlic1, okno68->Kresba1, okno68->Hledat1,
                       okno68->VyberDleAtributu1, okno68->Ortogonalni1, okno68->DelkaS2, okno68->OdchylkyAprior1,
                       okno68->ElipsoidAposterior1})
        EXPECT_FALSE(a->isEnabled()) << NaUtf8(a->objectName());
}

TEST_F(PosunyOknoTest, CommandsSetTheirModesBeforeOpeningAndClosingClosesTheGraph)
{
    std::vector<std::string> volani;
    auto& o = DalsiOknaPosuny();
    o.Form70 = [&] { volani.push_back("70:" + std::to_string(N().okno.posunyZkracene)); };
    o.Form71 = [&](const std::string& n) { volani.push_back("71:" + std::to_string(N().okno.posunyPlne) + " " + n); };
    o.Form24 = [&](const std::string& n) { volani.push_back("24:" + std::to_string(N().okno.elipsoidChyb) + " " + n); };
    o.Form81 = [&] { volani.push_back("81:" + std::to_string(N().okno.atributyVyberu)); };
    o.Form84 = [&] { volani.push_back("84"); };
    o.Form84Zavrit = [&] { volani.push_back("84 closed"); };
    Otevri();
    for (QAction* a : {okno68->Semipolarni1, okno68->SouradniceX1, okno68->DelkaS2, okno68->OdchylkyAposterior1,
                       okno68->ElipsoidAprior1, okno68->Hledat1, okno68->VyberDleAtributu1, okno68->Kresba1})
        EXPECT_TRUE(VyvolejPolozku(a)) << NaUtf8(a->objectName());
    StiskniKlavesu(g, Qt::Key_Escape);
    EXPECT_FALSE(okno68->isVisible());
    EXPECT_EQ(volani, (std::vector<std::string>{
                          "70:2", "70:4", "70:13", "71:2 " + J().nadpis.smerOdchylkyAposteriorPosuny,
                          "24:5 " + J().nadpis.elipsoidApriorPosuny, "81:1", "81:2", "84", "84 closed"}));
    // Every kind of close closes the graph.
    Otevri();
    okno68->reject();
    EXPECT_EQ(volani.back(), "84 closed");
    EXPECT_EQ(volani.size(), 10u);
}

TEST_F(PosunyOknoTest, TheRealEllipsoidAndKeyInformationWindowsOpenFromTheWindow)
{
    PropojitOkna();
    Otevri();
    std::string nadpis;
    Obsluz("Form24", [&](Formular& f) { nadpis = NaUtf8(f.windowTitle()); });
    EXPECT_TRUE(VyvolejPolozku(okno68->ElipsoidAposterior1));
    EXPECT_EQ(nadpis, J().nadpis.elipsoidAposteriorPosuny);
    EXPECT_EQ(N().okno.elipsoidChyb, 6);
    Obsluz("Form80", [](Formular&) {});
    EXPECT_TRUE(VyvolejPolozku(okno68->InfoKlic1));
}

TEST_F(PosunyOknoTest, AnalysisWindowTextsTakeTheAxisOrderAndLowerCaseCzech)
{
    NastavJazyk(0);
    EXPECT_EQ(PopiskyAnalyzaUhly(jazyk).front().second, "Vnitřní analýza (Úhlové veličiny [BAC]) - Rozdíl");
    NastavJazyk(1);
    jazyk.NastavXY(1);
    const Tpopisky texty = PopiskyAnalyzaDelky(jazyk);
    const std::map<std::string, std::string> d(texty.begin(), texty.end());
    EXPECT_EQ(d.at("Label1"), "Difference Y [mm]:");
    EXPECT_EQ(d.at("Label10"), "Point B:");
}

}  // namespace
}  // namespace sitmera
