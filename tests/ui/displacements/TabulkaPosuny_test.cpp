// The displacement grid table on hand-made records: cell texts of each view
// in the user's units, padding, copy, the significance kinds, criteria and
// their search.
#include <QFrame>
#include <QVBoxLayout>

#include <numbers>

#include "core/Nastaveni.h"
#include "ui/OknaTest.h"
#include "ui/displacements/TabulkaPosuny.h"
#include "ui/layer/Mrizka.h"

namespace sitmera {
namespace {

using Radek4 = std::array<std::string, 4>;
using Radek6 = std::array<std::string, 6>;

// A filled record with the displacement (metres) and its deviations.
Tposun Posun(const std::string& cislo, Extended x, Extended y, Extended z)
{
    Tposun p;
    ClearPosun(p);
    p.JePlny = true;
    p.cislo = cislo;
    p.hodnota = {x, y, z, std::hypot(x, y), std::sqrt(x * x + y * y + z * z), 0, 0};
    return p;
}

Tposuny Seznam(std::initializer_list<Tposun> posuny)
{
    Tposuny s;
    for (const Tposun& p : posuny) s.PridejPosun(p);
    return s;
}

class TabulkaPosunuTest : public test::OknaTest {
protected:
    void SetUp() override
    {
        OknaTest::SetUp();
        nastaveni.presnost.posun = {2, 3};
        nastaveni.presnost.uhel = {4, 1};
    }
};

TEST_F(TabulkaPosunuTest, RowsShowTheViewsInTheDisplacementUnitAndTheAxisOrder)
{
    // 2 mm in X, -1 mm in Y, 0.5 mm in Z; bearing 100 gon; a-priori
    // deviations 0.4 mm, limits 0.8 mm; a-posteriori 0.3 / 0.6 mm.
    Tposun p = Posun("101", 0.002L, -0.001L, 0.0005L);
    p.hodnota.smernik = std::numbers::pi_v<Extended> / 2;
    p.hodnota.zenit = std::numbers::pi_v<Extended> / 4;
    p.odchylkaAprior = {0.0004L, 0.0004L, 0.0004L, 0.0004L, 0.0004L, 0, 0};
    p.odchylkaMezAprior = {0.0008L, 0.0008L, 0.0008L, 0.0008L, 0.0008L, 0, 0};
    p.odchylkaAposter = {0.0003L, 0.0003L, 0.0003L, 0.0003L, 0.0003L, 0, 0};
    p.odchylkaMezAposter = {0.0006L, 0.0006L, 0.0006L, 0.0006L, 0.0006L, 0, 0};

    EXPECT_EQ(RadekPosunu(p, nastaveni), (Radek6{"101", "2.00", "-1.00", "0.50", "2.24", "2.29"}));
    EXPECT_EQ(RadekPosunuPlny(p, nastaveni, 2), (Radek6{"101", "0.300", "0.300", "0.300", "0.300", "0.300"}));
    EXPECT_EQ(RadekPosunuZkraceny(p, nastaveni, 1), (Radek4{"101", "2.00", "-1.00", "0.50"}));
    // The bearing takes the angle unit (gon) and the angle decimals.
    EXPECT_EQ(RadekPosunuZkraceny(p, nastaveni, 2), (Radek4{"101", "2.24", "100.0000", "0.50"}));
    EXPECT_EQ(RadekPosunuZkraceny(p, nastaveni, 3), (Radek4{"101", "2.29", "100.0000", "50.0000"}));
    EXPECT_EQ(RadekPosunuZkraceny(p, nastaveni, 4), (Radek4{"101", "2.00", "0.400", "0.800"}));
    EXPECT_EQ(RadekPosunuZkraceny(p, nastaveni, 13), (Radek4{"101", "2.29", "0.300", "0.600"}));
    EXPECT_EQ(RadekPosunuZkraceny(p, nastaveni, 14), Radek4{});
    EXPECT_FALSE(RezimZkracene(0).aprior || RezimZkracene(14).aposter || RezimZkracene(14).druh >= 0);

    // Y before X; points of 1/864 ft: 2 mm = 5.669 pt, 1 mm = 2.835 pt.
    nastaveni.NastavPoradiXY(1);
    nastaveni.jednotky.posun = 1;
    EXPECT_EQ(RadekPosunu(p, nastaveni), (Radek6{"101", "-2.83", "5.67", "1.42", "6.34", "6.49"}));
    EXPECT_EQ(VelicinaSloupce(nastaveni, 1), 1);
    EXPECT_EQ(VelicinaSloupce(nastaveni, 2), 0);
    EXPECT_EQ(VelicinaSloupce(nastaveni, 5), 4);

    p.JePlny = false;
    EXPECT_EQ(RadekPosunu(p, nastaveni), Radek6{});
}

TEST_F(TabulkaPosunuTest, RefillPadsTheListFormatsOnlyTheRowsOnScreenAndCopiesSelectedRows)
{
    // 29 whole rows and a partly visible one.
    Formular okno(QStringLiteral("Form90"));
    auto* l = new QVBoxLayout(&okno);
    l->setContentsMargins(0, 0, 0, 0);
    auto* m = new Mrizka(QStringLiteral("StringGrid3"), &okno);
    m->setFrameShape(QFrame::NoFrame);
    m->setFixedHeight(29 * 18 + 9);
    l->addWidget(m);
    okno.show();

    Tposuny s = Seznam({Posun("1", 0.001L, 0, 0), Posun("2", 0, 0.002L, 0), Posun("3", 0, 0, -0.003L)});
    TboolVector v;
    ObnovTabulkuPosunu(m, s, nastaveni, 1, v);
    EXPECT_EQ(s.zaznam.size(), 30u);
    EXPECT_EQ(s.PocetPlnych(), 3);
    EXPECT_EQ(v.size(), 30u);
    EXPECT_EQ(m->RowCount(), 30);
    EXPECT_EQ(m->Cell(3, 2), "-3.00");
    EXPECT_EQ(m->Cell(0, 3), "");

    // A long list: the partly visible last row is written, the row after it not.
    s.zaznam.resize(3);
    for (int i = 4; i <= 100; ++i) s.PridejPosun(Posun(std::to_string(i), 0.001L * i, 0, 0));
    ObnovTabulkuPosunu(m, s, nastaveni, 1, v);
    EXPECT_EQ(m->Cell(0, 29), "30");
    EXPECT_EQ(m->Cell(0, 30), "");
    QCoreApplication::processEvents();  // the scroll bar takes the new row count
    m->SetTopRow(50);
    EXPECT_EQ(m->Cell(0, 50), "");  // the window's scroll handler refills
    ObnovTabulkuPosunu(m, s, nastaveni, 1, v);

    EXPECT_EQ(m->Cell(1, 79), "80.00");
    EXPECT_EQ(m->Cell(0, 80), "");

    // Copy: the selected filled rows in list order, TAB and CR LF, no header.
    v.assign(s.zaznam.size(), false);
    v[2] = v[0] = true;
    EXPECT_EQ(TextKopieTabulkyPosunu(s, nastaveni, v, 1),
              "1\t1.00\t0.00\t0.00\t1.00\t1.00\r\n3\t0.00\t0.00\t-3.00\t0.00\t3.00\r\n");
    EXPECT_EQ(TextKopieTabulkyPosunuZkracene(s, nastaveni, v, 1), "1\t1.00\t0.00\t0.00\r\n3\t0.00\t0.00\t-3.00\r\n");
    EXPECT_EQ(TextKopieTabulkyPosunu(s, nastaveni, v, 4), "");
    EXPECT_EQ(TextKopieTabulkyPosunuZkracene(s, nastaveni, v, 14), "");
    KopirujTabulkuPosunu(s, nastaveni, TboolVector(s.zaznam.size(), false), 1);
    EXPECT_EQ(TextSchranky(), "");

    // Each grid has its own guard: a refill of another grid asked for while
    // this one refills (it returns to the top as the list shrinks below a
    // screen) is done.
    auto* druha = new Mrizka(QStringLiteral("StringGrid4"), &okno);
    Tposuny t = Seznam({Posun("77", 0.001L, 0, 0)});
    TboolVector vt;
    m->OnTopLeftChanged = [&] { ObnovTabulkuPosunuZkracene(druha, t, nastaveni, 1, vt); };
    s.zaznam.resize(10);
    ObnovTabulkuPosunu(m, s, nastaveni, 1, v);
    ASSERT_EQ(m->TopRow(), 0);
    EXPECT_EQ(druha->Cell(0, 0), "77");
    m->OnTopLeftChanged = nullptr;
    okno.Close();
}

TEST_F(TabulkaPosunuTest, SignificanceKindsSearchWrapAndMarking)
{
    Tposuny s = Seznam({Posun("1", 0, 0, 0), Posun("2", 0, 0, 0), Posun("3", 0, 0, 0), Posun("4", 0, 0, 0)});
    s.zaznam[1].prokazaniAprior.X = true;
    s.zaznam[2].prokazaniAposter.delkaH = true;
    s.zaznam[3].prokazaniAprior.delkaS = true;
    s.PridejPrazdnyPosun();
    // (druh, a priori) -> the rows that match.
    const struct {
        int druh;
        bool aprior;
        TboolVector radky;
    } tabulka[] = {
        {0, true, {false, true, false, false, false}},  {5, true, {false, true, false, false, false}},
        {6, false, {false, false, true, false, false}}, {7, true, {false, false, false, true, false}},
        {8, true, {false, true, false, true, false}},   {8, false, {false, false, true, false, false}},
        {9, true, TboolVector(5, false)},
    };
    for (const auto& t : tabulka) {
        TboolVector v(5, true);
        OznacVyznamnePosuny(v, s, t.druh, t.aprior);
        EXPECT_EQ(v, t.radky) << t.druh << " " << t.aprior;
    }
    // The search from the only significant row finds it again after the wrap.
    int index = -7;
    EXPECT_FALSE(HledejVyznamnyPosun(s, index, 1, true, 5, 3));
    EXPECT_EQ(index, -7);
    EXPECT_TRUE(HledejVyznamnyPosun(s, index, -1, true, 5, 1));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(HledejVyznamnyPosun(s, index, 3, true, 8, 3));

    // A list without a filled record is not sorted (its empty tail stays).
    Tposuny prazdny;
    prazdny.PridejPrazdnyPosun();
    TboolVector v;
    EXPECT_FALSE(SeradPosuny(nullptr, v, prazdny, 0, nastaveni));
    EXPECT_EQ(prazdny.zaznam.size(), 1u);
}

TEST_F(TabulkaPosunuTest, CriteriaCompareWhatTheGridShowsAndCodesExactly)
{
    nastaveni.presnost.posun.hodnota = 0;
    // 2.5 mm shows as "3", -2.5 mm as "-3" (halves away from zero).
    Tposuny s = Seznam({Posun("9", 0.0025L, 0, 0), Posun("10", -0.0025L, 0, 0), Posun("A1", 0.001L, 0, 0)});
    s.zaznam[0].JeFix1 = true;
    s.zaznam[1].prokazaniAprior.X = true;
    s.zaznam[2].prokazaniAprior.X = s.zaznam[2].prokazaniAposter.X = true;
    s.PridejPrazdnyPosun();
    ASSERT_EQ(RadekPosunu(s.zaznam[0], nastaveni)[1], "3");
    ASSERT_EQ(RadekPosunu(s.zaznam[1], nastaveni)[1], "-3");

    auto kriteria = [] {
        Tposun k;
        return k;
    };
    auto vyber = [&](const Tposun& k) {
        TboolVector v(s.zaznam.size(), true);
        VyberPosunyDleAtributu(s, k, v, nastaveni);
        return v;
    };
    Tposun k = kriteria();
    k.prokazaniAprior.X = true;  // X = 3
    k.hodnota.X = 3;
    k.kvantilS.Y = 0;
    EXPECT_EQ(vyber(k), (TboolVector{true, false, false, true}));  // the empty record keeps its flag
    k.hodnota.X = 2;
    k.kvantilS.Y = 1;  // X > 2
    EXPECT_EQ(vyber(k), (TboolVector{true, false, false, true}));
    k.kvantilS.Y = 5.2;  // <> 2, the code rounded
    EXPECT_EQ(vyber(k), (TboolVector{true, true, true, true}));
    // The spatial length, the last quantity, has its criteria too: shown as
    // 3, 3 and 1.
    k = kriteria();
    k.prokazaniAprior.delkaS = true;
    k.hodnota.delkaS = 2;
    k.kvantilS.smernik = 3;  // spatial >= 2
    EXPECT_EQ(vyber(k), (TboolVector{true, true, false, true}));
    s.zaznam[0].prokazaniAprior.delkaS = true;
    k = kriteria();
    k.prokazaniAposter.delkaS = true;
    k.odchylkaAprior.smernik = 2;  // spatial significant a priori only
    EXPECT_EQ(vyber(k), (TboolVector{true, false, false, true}));
    s.zaznam[0].prokazaniAprior.delkaS = false;

    // Significance codes are exact: "a priori" is a priori only.
    k = kriteria();
    k.prokazaniAposter.X = true;
    k.odchylkaAprior.Y = 2;  // KodProkazani 1
    EXPECT_EQ(vyber(k), (TboolVector{false, true, false, true}));
    k.odchylkaAprior.Y = 4;  // both
    EXPECT_EQ(vyber(k), (TboolVector{false, false, true, true}));

    // Fixity and number (TextMensi order: 9 < 10 < A1).
    k = kriteria();
    k.JeFix1 = true;
    k.odchylkaAprior.X = 2;  // fixed in epoch 1 only
    EXPECT_EQ(vyber(k), (TboolVector{true, false, false, true}));
    k = kriteria();
    k.JePlny = true;
    k.cislo = "10";
    k.kvantilS.X = 4;  // >= 10
    EXPECT_EQ(vyber(k), (TboolVector{false, true, true, true}));

    // Find: no wrap, strictly after the start, either way.
    int index = -1;
    EXPECT_TRUE(HledejPosunDleAtributu(s, k, index, nastaveni, 3, 0));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(HledejPosunDleAtributu(s, k, index, nastaveni, 0, 3));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(HledejPosunDleAtributu(s, k, index, nastaveni, 3, 2));
    EXPECT_FALSE(HledejPosunDleAtributu(s, k, index, nastaveni, 1, 1));
    EXPECT_EQ(index, 2);
}

}  // namespace
}  // namespace sitmera
