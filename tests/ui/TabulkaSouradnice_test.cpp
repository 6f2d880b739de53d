// The coordinate grid table: cell texts by table type, padding of the grid,
// copy to the clipboard and the point buffer, the user-point list operations,
// activation of pairs, the scans, find and select by criteria, the selection
// gestures and the painting of the main grid.
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

#include "numerics/TextPole.h"
#include "points/SouradniceSoubor.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/Mrizka.h"
#include "ui/OknaTest.h"
#include "ui/TabulkaSouradnice.h"

namespace sitmera {
namespace {

using test::OknaTest;

Tbod Bod(const std::string& cislo, Extended x, Extended y, Extended z, int soubor = 0)
{
    Tbod b;
    BodDefault(b);
    b.cislo = cislo;
    b.X = x;
    b.Y = y;
    b.Z = z;
    b.soubor = soubor;
    b.JePlny = true;
    b.JeAktiv = true;
    return b;
}

Tsouradnice Seznam(std::initializer_list<Tbod> body)
{
    Tsouradnice s;
    for (const Tbod& b : body) s.PridejBod(b);
    return s;
}

// Points at the origin with these numbers; dvojice: the main list's pairs
// (rows 2k and 2k + 1 are pair k + 1).
Tsouradnice VPocatku(std::initializer_list<const char*> cisla, bool dvojice = false)
{
    Tsouradnice s;
    int i = 0;
    for (const char* c : cisla) s.PridejBod(Bod(c, 0, 0, 0, dvojice ? i++ / 2 + 1 : 0));
    return s;
}

std::vector<std::string> Cisla(const Tsouradnice& s)
{
    std::vector<std::string> v;
    for (const Tbod& b : s.bod)
        if (b.JePlny) v.push_back(b.cislo);
    return v;
}

// A window with a frameless grid whose client area holds 29 whole rows, so
// 30 rows count as visible (the partly visible one included).
class OknoTabulky : public Formular {
public:
    OknoTabulky() : Formular(QStringLiteral("Form90"))
    {
        auto* l = new QVBoxLayout(this);
        l->setContentsMargins(0, 0, 0, 0);
        StringGrid3 = new Mrizka(QStringLiteral("StringGrid3"), this);
        StringGrid3->setFrameShape(QFrame::NoFrame);
        StringGrid3->setFixedHeight(29 * 18);
        l->addWidget(StringGrid3);
    }
    Mrizka* StringGrid3;
};

class TabulkaTest : public OknaTest {
protected:
    void SetUp() override
    {
        OknaTest::SetUp();
        okno.show();
    }
    void TearDown() override
    {
        okno.Close();
        OknaTest::TearDown();
    }
    OknoTabulky okno;
    Mrizka* m = okno.StringGrid3;
};

using V = std::vector<std::string>;

// ---------------------------------------------------------------- cell texts

TEST_F(TabulkaTest, CellTextsFollowTheTableTypeUnitsDecimalsAndAxisOrder)
{
    Tbod b = Bod("101", 1000.123456L, 2000.5L, 300.25L);
    b.sig_X = 0.0015L;
    b.sig_Y = 0.002L;
    b.sig_Z = -1;  // not set
    // Type 1 and 11: metres with 4 decimals, halves away from zero.
    using A = std::array<std::string, 4>;
    EXPECT_EQ(TextyRadkuSouradnic(b, nastaveni, TypTabulkySouradnic), (A{"101", "1000.1235", "2000.5000", "300.2500"}));
    EXPECT_EQ(TextyRadkuSouradnic(b, nastaveni, TypTabulkyVstup), (A{"101", "1000.1235", "2000.5000", "300.2500"}));
    // Deviations in millimetres with 2 decimals; one not set shows "-".
    EXPECT_EQ(TextyRadkuSouradnic(b, nastaveni, TypTabulkyOdchylekAprior), (A{"101", "1.50", "2.00", "-"}));
    // YX order: Y in column 1, X in column 2; Z stays in column 3.
    nastaveni.NastavPoradiXY(1);
    EXPECT_EQ(TextyRadkuSouradnic(b, nastaveni, TypTabulkySouradnic), (A{"101", "2000.5000", "1000.1235", "300.2500"}));
    EXPECT_EQ(TextyRadkuSouradnic(b, nastaveni, TypTabulkyOdchylekAposterior), (A{"101", "2.00", "1.50", "-"}));
    // Ellipsoid rows keep their columns: length in mm, angles in gon
    // (pi/2 rad = 100 gon, pi/4 rad = 50 gon) with 5 decimals.
    Tbod e = Bod("7", 0.003L, std::numbers::pi_v<long double> / 2, std::numbers::pi_v<long double> / 4);
    EXPECT_EQ(TextyRadkuSouradnic(e, nastaveni, TypTabulkyElipsoidu), (A{"7", "3.00", "100.00000", "50.00000"}));
    // Feet: 0.3048 m is 1 ft.
    nastaveni.NastavPoradiXY(0);
    nastaveni.jednotky.souradnice = 1;
    EXPECT_EQ(TextyRadkuSouradnic(Bod("1", 0.3048L, 3.048L, 0), nastaveni, TypTabulkySouradnic)[1], "1.0000");
    // An empty record gives empty cells.
    Tbod prazdny;
    EXPECT_EQ(TextyRadkuSouradnic(prazdny, nastaveni, TypTabulkySouradnic), A{});
}

TEST_F(TabulkaTest, AnEmptyListIsPaddedToTheVisibleRows)
{
    ASSERT_EQ(ViditelneRadkyTabulky(m), 30);
    Tsouradnice s;
    TboolVector vyber;
    ObnovTabulkuSouradnic(m, s, nastaveni, TypTabulkySouradnic, vyber);
    EXPECT_EQ(s.bod.size(), 30u);
    EXPECT_EQ(s.PocetPlnychBodu(), 0);
    EXPECT_EQ(vyber.size(), 30u);
    EXPECT_EQ(m->RowCount(), 30);
    EXPECT_EQ(m->ColCount(), 4);
    EXPECT_EQ(m->ColWidth(0), 99);
    EXPECT_EQ(m->ColWidth(3), 130);
    ObnovTabulkuSouradnic(m, s, nastaveni, TypTabulkyVstup, vyber);
    EXPECT_EQ(m->ColWidth(0), 129);
}

TEST_F(TabulkaTest, ALongListFillsOnlyTheRowsOnScreen)
{
    Tsouradnice s;
    for (int i = 0; i < 1000; ++i) s.PridejBod(Bod(std::to_string(i + 1), i, 2 * i, 0));
    TboolVector vyber;
    ObnovTabulkuSouradnic(m, s, nastaveni, TypTabulkySouradnic, vyber);
    EXPECT_EQ(s.bod.size(), 1000u);  // no padding
    EXPECT_EQ(m->RowCount(), 1000);
    EXPECT_EQ(m->Cell(0, 29), "30");  // the partly visible row too
    EXPECT_EQ(m->Cell(0, 30), "");
    // Scrolling refills the new rows through the window's handler.
    m->OnTopLeftChanged = [&] {
        ObnovTabulkuSouradnic(m, s, nastaveni, TypTabulkySouradnic, vyber);
    };
    m->SetTopRow(500);
    EXPECT_EQ(m->Cell(0, 500), "501");
    EXPECT_EQ(m->Cell(2, 510), "1020.0000");

    // Each grid has its own guard: a refill of another grid asked for while
    // this one refills (it returns to the top as the list shrinks below a
    // screen) is done.
    Mrizka druha(QStringLiteral("StringGrid4"), &okno);
    Tsouradnice t = Seznam({Bod("77", 1, 2, 3)});
    TboolVector vyberDruhe;
    m->OnTopLeftChanged = [&] { ObnovTabulkuSouradnic(&druha, t, nastaveni, TypTabulkySouradnic, vyberDruhe); };
    s.Velikost(10);
    ObnovTabulkuSouradnic(m, s, nastaveni, TypTabulkySouradnic, vyber);
    ASSERT_EQ(m->TopRow(), 0);
    EXPECT_EQ(druha.Cell(0, 0), "77");
    m->OnTopLeftChanged = nullptr;
}

// ---------------------------------------------------------------- copy

TEST_F(TabulkaTest, CopyPutsSelectedRowsOnTheClipboardInAxisOrderAndIntoThePointBuffer)
{
    Tsouradnice s = Seznam({Bod("101", 1000.123456L, 2000.5L, 300.25L), Bod("102", 1, 2, 3),
                            Bod("103", -5.00004L, 6.00005L, 7)});
    Tsouradnice schranka = VPocatku({"stary"});
    TboolVector vyber{true, false, true};
    KopirujSouradnice(s, schranka, nastaveni, 1, vyber);
    EXPECT_EQ(TextSchranky(), "101\t1000.1235\t2000.5000\t300.2500\r\n103\t-5.0000\t6.0001\t7.0000\r\n");
    EXPECT_EQ(Cisla(schranka), (V{"101", "103"}));
    EXPECT_TRUE(nastaveni.schranka.souradnice_existuje);
    // YX: the first plane coordinate is Y; kind 2 copies alike.
    nastaveni.NastavPoradiXY(1);
    KopirujSouradnice(s, schranka, nastaveni, 2, TboolVector{true});
    EXPECT_EQ(TextSchranky(), "101\t2000.5000\t1000.1235\t300.2500\r\n");
    // Nothing selected: an empty clipboard and an empty buffer.
    KopirujSouradnice(s, schranka, nastaveni, 1, TboolVector{false, false, false});
    EXPECT_EQ(TextSchranky(), "");
    EXPECT_TRUE(schranka.bod.empty());
}

TEST_F(TabulkaTest, CopyOfDeviationAndEllipsoidRowsLeavesThePointBufferAlone)
{
    Tbod a = Bod("5", 0.004L, std::numbers::pi_v<long double>, 0);
    a.sig_X = 0.001L;
    a.sig_Y = 0.0025L;
    a.sig_Z = 0.01L;
    Tsouradnice s = Seznam({a});
    EXPECT_EQ(TextKopieTabulkySouradnic(s, nastaveni, {true}, TypTabulkyOdchylekAprior), "5\t1.00\t2.50\t10.00\r\n");
    nastaveni.NastavPoradiXY(1);
    EXPECT_EQ(TextKopieTabulkySouradnic(s, nastaveni, {true}, TypTabulkyOdchylekAposterior), "5\t2.50\t1.00\t10.00\r\n");
    // Ellipsoid rows: length in mm, pi rad = 200 gon; the point buffer is not touched.
    nastaveni.schranka.souradnice_existuje = false;
    KopirujTabulkuSouradnic(s, nastaveni, {true}, TypTabulkyElipsoidu);
    EXPECT_EQ(TextSchranky(), "5\t4.00\t200.00000\t0.00000\r\n");
    EXPECT_FALSE(nastaveni.schranka.souradnice_existuje);
}

// ---------------------------------------------------------------- user-point list

TEST_F(TabulkaTest, PasteWithOneSelectedRowInsertsBeforeItAndWithNoneAppends)
{
    Tsouradnice buffer = Seznam({Bod("X1", 10, 10, 0), Bod("X2", 20, 20, 0)});
    Tsouradnice s = Seznam({Bod("1", 1, 1, 0), Bod("2", 2, 2, 0), Bod("3", 3, 3, 0)});
    TboolVector vyber;
    ObnovTabulkuSouradnic(m, s, nastaveni, TypTabulkyVstup, vyber);

    nastaveni.okno.bodyVstup = 3;  // the user points: the check counts duplicates
    // The buffer flag is off: nothing.
    EXPECT_FALSE(VlozSouradniceZeSchranky(m, s, buffer, vyber, chyby, nastaveni));
    nastaveni.schranka.souradnice_existuje = true;

    vyber[1] = true;
    EXPECT_TRUE(VlozSouradniceZeSchranky(m, s, buffer, vyber, chyby, nastaveni));
    EXPECT_EQ(Cisla(s), (V{"1", "X1", "X2", "2", "3"}));
    // The records up to the insertion point and the pasted ones are renumbered.
    EXPECT_EQ(s.bod[1].poradi, 2);
    EXPECT_EQ(s.bod[2].poradi, 3);

    ZrusVyber(vyber);
    EXPECT_TRUE(VlozSouradniceZeSchranky(m, s, buffer, vyber, chyby, nastaveni));
    EXPECT_EQ(Cisla(s), (V{"1", "X1", "X2", "2", "3", "X1", "X2"}));
    EXPECT_EQ(m->Row(), 6);  // the last filled point
    // The buffer keeps its points; the list check marked the repeated numbers.
    EXPECT_EQ(buffer.bod.size(), 2u);
    EXPECT_TRUE(s.bod[1].kontrola[0]);
    EXPECT_EQ(chyby.souradniceUzivatelskePocetChyb.X, 4);

    // Two selected rows: nothing changes, still true.
    vyber.assign(s.bod.size(), false);
    vyber[0] = vyber[3] = true;
    const auto pred = Cisla(s);
    EXPECT_TRUE(VlozSouradniceZeSchranky(m, s, buffer, vyber, chyby, nastaveni));
    EXPECT_EQ(Cisla(s), pred);
}

TEST_F(TabulkaTest, CutFillsOnlyTheBufferAndDeletes)
{
    Tsouradnice s = Seznam({Bod("1", 1, 1, 0), Bod("2", 2, 2, 0), Bod("3", 3, 3, 0)});
    Tsouradnice buffer;
    TboolVector vyber{false, true, true};
    NastavTextSchranky("beze zmeny");
    EXPECT_TRUE(VyjmiSouradnice(nullptr, s, buffer, vyber, chyby, nastaveni));
    EXPECT_EQ(Cisla(buffer), (V{"2", "3"}));
    EXPECT_EQ(Cisla(s), V{"1"});
    EXPECT_TRUE(nastaveni.schranka.souradnice_existuje);
    EXPECT_EQ(TextSchranky(), "beze zmeny");
    EXPECT_FALSE(JeNecoVybrano(vyber));
}

TEST_F(TabulkaTest, DeletingOrDetachingAllPointsLeavesRowZeroAndAnEmptyList)
{
    Tsouradnice s = Seznam({Bod("1", 1, 1, 0), Bod("2", 2, 2, 0), Bod("3", 3, 3, 0)});
    TboolVector vyber;
    ObnovTabulkuSouradnic(m, s, nastaveni, TypTabulkyVstup, vyber);
    // Deleting the middle point makes the next one (now at its place) current.
    vyber[1] = true;
    EXPECT_TRUE(SmazVybraneBody(m, vyber, s, chyby, nastaveni));
    EXPECT_EQ(Cisla(s), (V{"1", "3"}));
    EXPECT_EQ(s.bod[1].poradi, 2);
    EXPECT_EQ(m->Row(), 1);
    // Deleting the last point: its row stays current, now an empty row of
    // the padded grid.
    Tsouradnice tri = Seznam({Bod("1", 1, 1, 0), Bod("2", 2, 2, 0), Bod("3", 3, 3, 0)});
    TboolVector vyberTri;
    ObnovTabulkuSouradnic(m, tri, nastaveni, TypTabulkyVstup, vyberTri);
    vyberTri[2] = true;
    EXPECT_TRUE(SmazVybraneBody(m, vyberTri, tri, chyby, nastaveni));
    EXPECT_EQ(Cisla(tri), (V{"1", "2"}));
    EXPECT_EQ(m->Row(), 2);
    EXPECT_EQ(m->Cell(0, 2), "");
    // A long list that shrinks below the first deleted row keeps the grid's last row.
    Tsouradnice dlouhy;
    for (int i = 0; i < 40; ++i) dlouhy.PridejBod(Bod(std::to_string(i + 1), i, i, 0));
    TboolVector vyberDlouhy;
    ObnovTabulkuSouradnic(m, dlouhy, nastaveni, TypTabulkyVstup, vyberDlouhy);
    for (int i = 35; i < 40; ++i) vyberDlouhy[i] = true;
    EXPECT_TRUE(SmazVybraneBody(m, vyberDlouhy, dlouhy, chyby, nastaveni));
    EXPECT_EQ(m->RowCount(), 35);
    EXPECT_EQ(m->Row(), 34);

    ObnovTabulkuSouradnic(m, s, nastaveni, TypTabulkyVstup, vyber);
    VyberVse(vyber);
    EXPECT_TRUE(SmazVybraneBody(m, vyber, s, chyby, nastaveni));
    EXPECT_EQ(s.PocetPlnychBodu(), 0);
    EXPECT_EQ(m->Row(), 0);
    EXPECT_FALSE(SmazVybraneBody(m, vyber, s, chyby, nastaveni));  // nothing selected

    // Detaching an epoch empties the main list.
    Tsouradnice hlavni = VPocatku({"1", "1"});
    vyber = {true, true};
    SmazVsechnyBody(m, vyber, hlavni, nastaveni);
    EXPECT_EQ(hlavni.PocetPlnychBodu(), 0);
    EXPECT_FALSE(JeNecoVybrano(vyber));
    EXPECT_EQ(m->Row(), 0);
    EXPECT_EQ(m->Cell(0, 0), "");
}

TEST_F(TabulkaTest, MoveSortAndSwap)
{
    Tsouradnice s = Seznam({Bod("B", 2, 20, 0), Bod("A", 1, 10, 0), Bod("C", 3, 30, 0)});
    s.SeraditPoradi();
    TboolVector vyber{true, false, false};
    // The first point cannot go up: nothing moves, it stays selected.
    EXPECT_TRUE(PosunVybranyBod(nullptr, vyber, s, true, nastaveni));
    EXPECT_EQ(Cisla(s), (V{"B", "A", "C"}));
    EXPECT_EQ(vyber, (TboolVector{true, false, false}));
    EXPECT_TRUE(PosunVybranyBod(nullptr, vyber, s, false, nastaveni));
    EXPECT_EQ(Cisla(s), (V{"A", "B", "C"}));
    EXPECT_EQ(vyber, (TboolVector{false, true, false}));
    EXPECT_EQ(s.bod[1].poradi, 2);
    vyber = {true, true, false};
    EXPECT_FALSE(PosunVybranyBod(nullptr, vyber, s, true, nastaveni));  // two selected

    EXPECT_TRUE(SeradSouradnice(nullptr, vyber, s, 3, nastaveni));  // by Y
    EXPECT_FALSE(JeNecoVybrano(vyber));
    EXPECT_EQ(Cisla(s), (V{"A", "B", "C"}));
    Tsouradnice prazdny;
    EXPECT_FALSE(SeradSouradnice(nullptr, vyber, prazdny, 1, nastaveni));

    vyber = {false, false, true};
    EXPECT_TRUE(ZamenXYVybranych(nullptr, vyber, s, nastaveni));
    EXPECT_EQ(s.bod[2].X, 30);
    EXPECT_EQ(s.bod[2].Y, 3);
    EXPECT_EQ(s.bod[0].X, 1);
    ZrusVyber(vyber);
    EXPECT_FALSE(ZamenXYVybranych(nullptr, vyber, s, nastaveni));
}

// ---------------------------------------------------------------- main list

TEST_F(TabulkaTest, ActivatingTheEpochTwoRowOfAPairActivatesBothRows)
{
    Tsouradnice s = VPocatku({"1", "1", "2", "2"}, true);
    TboolVector vyber{false, true, false, false};
    EXPECT_TRUE(NastavAktivituDvojic(nullptr, vyber, s, false, nastaveni));
    EXPECT_FALSE(s.bod[0].JeAktiv);
    EXPECT_FALSE(s.bod[1].JeAktiv);
    EXPECT_TRUE(s.bod[2].JeAktiv);
    EXPECT_TRUE(s.bod[3].JeAktiv);
    // Setting the same value again still counts as set.
    EXPECT_TRUE(NastavAktivituDvojic(nullptr, vyber, s, false, nastaveni));
    ZrusVyber(vyber);
    EXPECT_FALSE(NastavAktivituDvojic(nullptr, vyber, s, true, nastaveni));
    EXPECT_FALSE(s.bod[0].JeAktiv);
    // A lone filled row after the pairs belongs to no pair.
    Tsouradnice liche = VPocatku({"1", "1", "9"});
    liche.bod[2].JeAktiv = false;
    TboolVector jen{false, false, true};
    EXPECT_FALSE(NastavAktivituDvojic(nullptr, jen, liche, true, nastaveni));
    EXPECT_FALSE(liche.bod[2].JeAktiv);
}

// ---------------------------------------------------------------- scans

TEST_F(TabulkaTest, FaultSearchWrapsOnceAndZeroDeviationSearch)
{
    Tsouradnice s = VPocatku({"1", "2", "3", "4"});
    s.bod[0].kontrola[1] = true;
    s.bod[2].kontrola[0] = true;
    const int posledni = 3;
    // From the last row: nothing after it, the wrap finds row 0.
    int index = posledni;
    EXPECT_FALSE(NajdiChybnyBod(s, index, posledni, posledni));
    EXPECT_TRUE(NajdiChybnyBod(s, index, -1, posledni));
    EXPECT_EQ(index, 0);
    // From row 0 the next fault is row 2; the current row is examined last.
    EXPECT_TRUE(NajdiChybnyBod(s, index, 0, posledni));
    EXPECT_EQ(index, 2);
    // No faulty point: the index stays.
    Tsouradnice ok = VPocatku({"1", "2"});
    index = 1;
    EXPECT_FALSE(NajdiChybnyBod(ok, index, 1, 1));
    EXPECT_FALSE(NajdiChybnyBod(ok, index, -1, 1));
    EXPECT_EQ(index, 1);

    Tsouradnice odchylky = VPocatku({"1", "2", "3"});
    for (Tbod& b : odchylky.bod) b.sig_X = b.sig_Y = b.sig_Z = 0.001L;
    odchylky.bod[1].sig_Z = 0;
    index = 0;
    EXPECT_TRUE(NajdiNulovouOdchylku(odchylky, index, 0, 2));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(NajdiNulovouOdchylku(odchylky, index, 1, 2));
    EXPECT_EQ(index, 1);
}

// ---------------------------------------------------------------- criteria

Tatribut Cislem(const std::string& text, int kod)
{
    Tatribut a;
    a.cislo_stn = text;
    a.sig_smer = kod;
    a.kontrola[0] = true;
    return a;
}

TEST_F(TabulkaTest, NumberCriterionContainsIgnoringCaseAndOrders)
{
    Tsouradnice s = VPocatku({"10", "110", "a10b", "9", "101"});
    TboolVector vyber(s.bod.size(), false);
    VyberBodyDleAtributu(s, Cislem("10", 1), vyber, nastaveni);  // "≈"
    EXPECT_EQ(vyber, (TboolVector{true, true, true, false, true}));
    VyberBodyDleAtributu(s, Cislem("A10B", 1), vyber, nastaveni);
    EXPECT_EQ(vyber, (TboolVector{false, false, true, false, false}));
    VyberBodyDleAtributu(s, Cislem("10", 0), vyber, nastaveni);  // "="
    EXPECT_EQ(vyber, (TboolVector{true, false, false, false, false}));
    // ">" in point-number order: shorter numbers are smaller.
    VyberBodyDleAtributu(s, Cislem("10", 2), vyber, nastaveni);
    EXPECT_EQ(vyber, (TboolVector{false, true, true, false, true}));
}

TEST_F(TabulkaTest, CoordinateEqualsComparesTheValueAsTheGridShowsIt)
{
    // 1000.12345 m shows as "1000.1235" with 4 decimals (half away from zero).
    Tsouradnice s = Seznam({Bod("1", 1000.12345L, 0, 0), Bod("2", 1000.12344L, 0, 0)});
    Tatribut a;
    a.kontrola[1] = true;
    a.sig_zenit = 0;  // "="
    a.delka = 1000.1235L;
    TboolVector vyber(2, false);
    VyberBodyDleAtributu(s, a, vyber, nastaveni);
    EXPECT_EQ(vyber, (TboolVector{true, false}));
    // ">" with the point's value on the left.
    a.sig_zenit = 1;
    a.delka = 1000.1234L;
    VyberBodyDleAtributu(s, a, vyber, nastaveni);
    EXPECT_EQ(vyber, (TboolVector{true, false}));
    // In feet the same point is 3281.2449... ft.
    nastaveni.jednotky.souradnice = 1;
    a.sig_zenit = 0;
    a.delka = std::stold(CisloNaTextPresnost(4, 1000.12345L / 0.3048L));
    VyberBodyDleAtributu(s, a, vyber, nastaveni);
    EXPECT_TRUE(vyber[0]);
}

TEST_F(TabulkaTest, FixationCriterionJudgesEachRowByItsOwnFlag)
{
    Tsouradnice s = VPocatku({"1", "1", "2", "2"});
    s.bod[1].JeFixni = true;
    s.bod[2].JeFixni = true;
    s.PridejPrazdnyBod();
    Tatribut a;
    a.kontrola[4] = true;
    a.smernik = 2;
    TboolVector vyber(5, false);
    vyber[4] = true;  // an empty record's flag is not touched
    VyberBodyDleAtributu(s, a, vyber, nastaveni);
    EXPECT_EQ(vyber, (TboolVector{false, true, true, false, true}));
    a.smernik = 1;
    VyberBodyDleAtributu(s, a, vyber, nastaveni);
    EXPECT_EQ(vyber, (TboolVector{true, false, false, true, true}));
    // The user-point variant has no fixation criterion: everything matches.
    VyberBodyDleAtributu(s, a, vyber, nastaveni, false);
    EXPECT_EQ(vyber, (TboolVector{true, true, true, true, true}));
}

TEST_F(TabulkaTest, SearchRunsStrictlyAfterTheStartTowardsTheEnd)
{
    Tsouradnice s = VPocatku({"5", "1", "5", "2", "5"});
    const Tatribut a = Cislem("5", 0);
    int index = -7;
    EXPECT_TRUE(HledejBodDleAtributu(s, a, index, nastaveni, 4, 0));  // upwards from 0
    EXPECT_EQ(index, 2);
    EXPECT_TRUE(HledejBodDleAtributu(s, a, index, nastaveni, 0, 4));  // downwards from 4
    EXPECT_EQ(index, 2);
    EXPECT_TRUE(HledejBodDleAtributu(s, a, index, nastaveni, 0, 2));
    EXPECT_EQ(index, 0);
    // Equal bounds examine nothing; at the last row find-next finds nothing.
    index = 4;
    EXPECT_FALSE(HledejBodDleAtributu(s, a, index, nastaveni, 4, 4));
    EXPECT_EQ(index, 4);
    // Wrapping as the find dialog does: -1 .. current examines row 0 first.
    EXPECT_TRUE(HledejBodDleAtributu(s, a, index, nastaveni, 4, -1));
    EXPECT_EQ(index, 0);
    // Bounds beyond the list are not examined.
    index = 1;
    EXPECT_FALSE(HledejBodDleAtributu(s, Cislem("9", 0), index, nastaveni, 100, -50));
    EXPECT_EQ(index, 1);
}

// ---------------------------------------------------------------- gestures

TEST_F(TabulkaTest, MouseAndKeySelectionGestures)
{
    Tsouradnice s = VPocatku({"1", "2", "3", "4", "5"});
    s.PridejPrazdnyBod();
    TboolVector v(6, false);
    TvyberMysi mys;
    VyberMysiStisk(v, s, mys, 1, false, false);  // click: only row 1
    EXPECT_EQ(v, (TboolVector{false, true, false, false, false, false}));
    VyberMysiStisk(v, s, mys, 3, true, false);  // Ctrl+click adds row 3
    EXPECT_EQ(v, (TboolVector{false, true, false, true, false, false}));
    VyberMysiStisk(v, s, mys, 5, true, true);  // Ctrl+Shift: range 3..5, the empty row cleared
    EXPECT_EQ(v, (TboolVector{false, true, false, true, true, false}));
    VyberMysiStisk(v, s, mys, 2, false, false);  // a plain click keeps only row 2
    EXPECT_EQ(v, (TboolVector{false, false, true, false, false, false}));
    VyberMysiStisk(v, s, mys, 0, false, true);  // Shift: range from the anchor 2 to 0
    EXPECT_EQ(v, (TboolVector{true, true, true, false, false, false}));
    EXPECT_EQ(mys.kotva, 0);
    VyberMysiStisk(v, s, mys, 0, true, false);  // toggles off; the drag now clears
    EXPECT_FALSE(mys.stav);
    VyberMysiTah(v, s, mys, 1, true, false);
    EXPECT_EQ(v, (TboolVector{false, false, true, false, false, false}));
    // A plain drag keeps just the row under the cursor.
    VyberMysiStisk(v, s, mys, 3, false, false);
    VyberMysiTah(v, s, mys, 4, false, false);
    EXPECT_EQ(v, (TboolVector{false, false, false, false, true, false}));
    VyberMysiStisk(v, s, mys, -1, false, false);  // outside the rows
    EXPECT_EQ(v, (TboolVector{false, false, false, false, true, false}));

    VyberKlavesou(v, s, 1, TklavesaVyberu::mezernik);
    EXPECT_EQ(v, (TboolVector{false, true, false, false, true, false}));
    VyberKlavesou(v, s, 1, TklavesaVyberu::enter);  // toggles row 1 off, clears the rest
    EXPECT_EQ(v, (TboolVector(6, false)));
    VyberKlavesou(v, s, 2, TklavesaVyberu::enter);
    EXPECT_EQ(v, (TboolVector{false, false, true, false, false, false}));
    VyberKlavesou(v, s, 0, TklavesaVyberu::vse);
    EXPECT_EQ(v, (TboolVector{true, true, true, true, true, false}));
    VyberKlavesou(v, s, 0, TklavesaVyberu::nic);
    EXPECT_EQ(v, TboolVector(6, false));
}

// ---------------------------------------------------------------- painting

QColor Pixel(int sloupec, int radek, const Tsouradnice& s, const TboolVector& v, const std::string& text, QPoint bod,
             bool aktualni = false)
{
    QImage obraz(130, 18, QImage::Format_RGB32);
    obraz.fill(Qt::magenta);
    QPainter p(&obraz);
    Platno c(p);
    KresliBunkuHlavni(c, s, v, sloupec, radek, QRect(0, 0, 130, 18), text, aktualni);
    p.end();
    return obraz.pixelColor(bod);
}

TEST_F(TabulkaTest, MainGridPaintsPairsInactiveSelectedAndFixedPoints)
{
    Tsouradnice s = VPocatku({"1", "1", "2", "2"}, true);
    s.bod[2].JeAktiv = s.bod[3].JeAktiv = false;
    s.bod[0].JeFixni = s.bod[1].JeFixni = true;
    s.PridejPrazdnyBod();
    TboolVector v{false, false, false, true, false};
    const QPoint pozadi(20, 8);
    EXPECT_EQ(Pixel(1, 0, s, v, "", pozadi), QColor(0xDD, 0xEE, 0xFF));  // pair 1: light blue
    EXPECT_EQ(Pixel(1, 2, s, v, "", pozadi), QColor(255, 255, 255));     // inactive: white
    EXPECT_EQ(Pixel(1, 3, s, v, "", pozadi), QColor(0xFF, 0xD2, 0xD2));  // selected: light red
    EXPECT_EQ(Pixel(0, 0, s, v, "", pozadi), QColor(255, 255, 255));     // number column white
    EXPECT_EQ(Pixel(1, 4, s, v, "", pozadi), QColor(255, 255, 255));     // empty record
    s.bod[0].soubor = 2;
    EXPECT_EQ(Pixel(1, 0, s, v, "", pozadi), QColor(0xEE, 0xFF, 0xDD));  // even pair: light green
    // The letter F of a fixed point: green on the epoch-1 row, red on epoch 2.
    EXPECT_EQ(Pixel(0, 0, s, v, "", QPoint(3, 8)), QColor(0x59, 0xBE, 0x4D));
    EXPECT_EQ(Pixel(0, 1, s, v, "", QPoint(3, 8)), QColor(0xEE, 0x5C, 0x5C));
    EXPECT_EQ(Pixel(0, 2, s, v, "", QPoint(3, 8)), QColor(255, 255, 255));
    // A grey line closes the pair (odd rows) and not the first row.
    EXPECT_EQ(Pixel(2, 1, s, v, "", QPoint(50, 17)), QColor(0x80, 0x80, 0x80));
    EXPECT_NE(Pixel(2, 0, s, v, "", QPoint(50, 17)), QColor(0x80, 0x80, 0x80));
    // The right edge line of a cell is black, in the number column down to
    // its last pixel (not broken by the white bottom line).
    EXPECT_EQ(Pixel(1, 0, s, v, "", QPoint(129, 8)), QColor(0, 0, 0));
    EXPECT_EQ(Pixel(0, 0, s, v, "", QPoint(129, 17)), QColor(0, 0, 0));
    EXPECT_EQ(Pixel(0, 0, s, v, "", QPoint(60, 17)), QColor(255, 255, 255));
}

TEST_F(TabulkaTest, EpochGridMarksAFixedPointGreenInEpochOneRedInEpochTwo)
{
    Tsouradnice s = VPocatku({"1", "2"}, true);
    s.bod[0].JeFixni = true;
    TboolVector v{false, true};
    auto pixel = [&](int etapa, int sloupec, int radek, QPoint bod) {
        QImage obraz(130, 18, QImage::Format_RGB32);
        QPainter p(&obraz);
        Platno c(p);
        KresliBunkuEtapa(c, s, v, etapa, sloupec, radek, QRect(0, 0, 130, 18), "", false);
        p.end();
        return obraz.pixelColor(bod);
    };
    EXPECT_EQ(pixel(1, 0, 0, QPoint(3, 8)), QColor(0x59, 0xBE, 0x4D));
    EXPECT_EQ(pixel(2, 0, 0, QPoint(3, 8)), QColor(0xEE, 0x5C, 0x5C));
    EXPECT_EQ(pixel(2, 0, 1, QPoint(3, 8)), QColor(0xFF, 0xD2, 0xD2));  // selected, not fixed
    EXPECT_EQ(pixel(1, 1, 0, QPoint(20, 8)), QColor(255, 255, 255));
}

TEST_F(TabulkaTest, MainGridWritesTheNumberOncePerPair)
{
    Tsouradnice s = VPocatku({"1", "1"}, true);
    TboolVector v{false, false};
    auto tmave = [&](int radek) {
        QImage obraz(130, 18, QImage::Format_RGB32);
        QPainter p(&obraz);
        Platno c(p);
        KresliBunkuHlavni(c, s, v, 0, radek, QRect(0, 0, 130, 18), "8888", false);
        p.end();
        int n = 0;
        for (int y = 0; y < 17; ++y)
            for (int x = 10; x < 128; ++x)
                if (qGray(obraz.pixel(x, y)) < 100) ++n;
        return n;
    };
    EXPECT_GT(tmave(0), 10);  // the epoch-1 row shows the number
    EXPECT_EQ(tmave(1), 0);   // the epoch-2 row writes it white
    v[1] = true;
    EXPECT_GT(tmave(1), 10);  // a selected row writes black
}

}  // namespace
}  // namespace sitmera
