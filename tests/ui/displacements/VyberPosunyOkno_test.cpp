// Find and select of displacements by criteria over the comparison of
// PosunyTest.h; the expected rows are read off the hand-computed figures
// there (numbers 7, 8, 9, 10, 11, A1, F1; X 1.8, 0, 10, 0.5, 0, 0.3, 0 mm;
// Y 0, 1, 0, -8, 0, -0.2, 0 mm).
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "ui/Galerie.h"
#include "ui/displacements/PosunyTest.h"
#include "ui/displacements/VyberPosunyOkno.h"

namespace sitmera {
namespace {

using namespace test;

class VyberPosunuTest : public PosunyOknoTest {
protected:
    void SetUp() override
    {
        PosunyOknoTest::SetUp();
        PropojitOkna();
        posunHledani = Tposun();
        posunVyber = Tposun();
    }

    // The window opened for find (rezim 1) or select (2) by the displacement
    // window's command; `prace` fills it in.
    void VOkne(int rezim, const std::function<void(TForm81&)>& prace)
    {
        Obsluz("Form81", [&](Formular& f) { prace(static_cast<TForm81&>(f)); });
        if (rezim == 1)
            okno68->Hledat1Click();
        else
            okno68->VyberDleAtributu1Click();
    }

    std::vector<std::string> VybraneBody() const
    {
        std::vector<std::string> v;
        for (int r : Vybrane()) v.push_back(g->Cell(0, r));
        return v;
    }
};

// The entries of one criteria line: the box's item and the edit's text.
struct Hodnota {
    int k = -1;  // quantity 0 X .. 4 spatial; -1 none
    int op = 0;
    const char* text = "";
};

TEST_F(VyberPosunuTest, SelectMarksExactlyTheMatchingRowsAndCentresTheFirst)
{
    const struct {
        const char* cislo;
        int opCisla;
        Hodnota hodnota;
        int fixace;
        int vyznamnost[5];
        std::vector<std::string> vybrane;
    } tabulka[] = {
        // X as shown (two decimals) above 1 mm.
        {"", 0, {0, 1, "1"}, 0, {0, 0, 0, 0, 0}, {"7", "9"}},
        // Y at most -0.2 mm, typed with a decimal comma: A1 shows -0.20.
        {"", 0, {1, 4, "-0,2"}, 0, {0, 0, 0, 0, 0}, {"10", "A1"}},
        {"", 0, {1, 0, "-0.20"}, 0, {0, 0, 0, 0, 0}, {"A1"}},
        // Numbers containing "1" that are free in both epochs.
        {" 1 ", 1, {}, 1, {0, 0, 0, 0, 0}, {"10", "11", "A1"}},
        {"", 0, {}, 3, {0, 0, 0, 0, 0}, {"8"}},  // fixed in epoch 2 only
        // Z significant a priori only; horizontal significant in both tests.
        {"", 0, {}, 0, {0, 0, 2, 0, 0}, {"11"}},
        {"", 0, {}, 0, {0, 0, 0, 4, 0}, {"9", "10"}},
        {"", 0, {}, 0, {1, 0, 0, 0, 0}, {"8", "10", "11", "A1", "F1"}},  // X not significant
        {"Q", 0, {}, 0, {0, 0, 0, 0, 0}, {}},
    };
    VOknePosunu([&] {
        for (const auto& t : tabulka) {
            SCOPED_TRACE(t.cislo + std::to_string(t.fixace));
            okno68->vyber.assign(okno68->vyber.size(), false);
            okno68->vyber[RadekBodu("F1")] = true;  // replaced by the new selection
            okno68->vyber[12] = true;               // a padded row is left as it is
            VOkne(2, [&](TForm81& o) {
                o.NastavZadani(TzadaniPosunu());  // the last criteria are offered: start afresh
                o.Edit1->setText(NaQString(t.cislo));
                o.ComboBox01->setCurrentIndex(t.opCisla);
                o.ComboBox11->setCurrentIndex(t.fixace);
                if (t.hodnota.k >= 0) {
                    o.ComboHodnoty[t.hodnota.k]->setCurrentIndex(t.hodnota.op);
                    o.EditHodnoty[t.hodnota.k]->setText(NaQString(t.hodnota.text));
                }
                for (std::size_t k = 0; k < 5; ++k) o.ComboVyznamnost[k]->setCurrentIndex(t.vyznamnost[k]);
                StiskniKlavesu(o.Edit1, Qt::Key_Return);
                EXPECT_FALSE(o.isVisible());
            });
            std::vector<std::string> vybrane = VybraneBody();
            ASSERT_FALSE(vybrane.empty());
            EXPECT_EQ(vybrane.back(), "");
            vybrane.pop_back();
            EXPECT_EQ(vybrane, t.vybrane);
            if (!t.vybrane.empty()) {
                EXPECT_EQ(g->Row(), RadekBodu(t.vybrane.front()));
            }
        }
        // The last criteria are offered again, the number trimmed.
        VOkne(2, [](TForm81& o) {
            EXPECT_EQ(NaUtf8(o.Edit1->text()), "Q");
            EXPECT_EQ(NaUtf8(o.EditHodnoty[0]->text()), "");
            UlozDoGalerie(o, "Form81_en");
            o.Close();
        });
    });
    EXPECT_EQ(posunVyber.cislo, "Q");
}

TEST_F(VyberPosunuTest, FindWrapsOnceDropsInvalidValuesAndKeepsTheCriteriaForFindNext)
{
    N().typJazyk = 0;
    J().Default(N());
    VOknePosunu([&] {
        // Horizontal significant in both tests: 9 and 10; from 7 to 9.
        VOkne(1, [](TForm81& o) {
            o.ComboVyznamnost[3]->setCurrentIndex(4);
            o.EditHodnoty[1]->setText(QStringLiteral("abc"));  // no number: dropped
            UlozDoGalerie(o, "Form81_cz");
            o.Button1Click();
        });
        EXPECT_EQ(g->Row(), RadekBodu("9"));
        for (const char* cil : {"10", "9"}) {  // the second wraps round
            VOkne(1, [](TForm81& o) {
                EXPECT_EQ(o.ComboVyznamnost[3]->currentIndex(), 4);
                EXPECT_EQ(NaUtf8(o.EditHodnoty[1]->text()), "");
                StiskniKlavesu(o.Edit1, Qt::Key_Return);
            });
            EXPECT_EQ(g->Row(), RadekBodu(cil));
        }
        // Find next of the displacement window uses the same criteria.
        StiskniKlavesu(g, Qt::Key_F3);
        EXPECT_EQ(g->Row(), RadekBodu("10"));
        // Nothing matches: the row stays.
        VOkne(1, [](TForm81& o) {
            o.ComboVyznamnost[3]->setCurrentIndex(0);
            o.Edit1->setText(QStringLiteral("99"));
            o.Button1Click();
            EXPECT_FALSE(o.isVisible());
        });
        EXPECT_EQ(g->Row(), RadekBodu("10"));
        // No criterion at all (an invalid value is none): the window stays
        // open, the entry emptied, nothing found; Esc closes it.
        VOkne(1, [](TForm81& o) {
            o.Edit1->clear();
            o.EditHodnoty[0]->setText(QStringLiteral("1e20"));
            StiskniKlavesu(o.Edit1, Qt::Key_Return);
            EXPECT_TRUE(o.isVisible());
            EXPECT_EQ(NaUtf8(o.EditHodnoty[0]->text()), "");
            StiskniKlavesu(o.Edit1, Qt::Key_Escape);
            EXPECT_FALSE(o.isVisible());
        });
        EXPECT_EQ(g->Row(), RadekBodu("10"));
    });
    EXPECT_FALSE(JePosunOznacen(posunHledani));
    EXPECT_TRUE(Vybrane().empty());
}

TEST_F(VyberPosunuTest, EntriesAndCriteriaConvertBothWays)
{
    TzadaniPosunu z;
    z.cislo = "  A1 ";
    z.operatorCisla = 6;
    z.hodnoty = {"", "2,5", "x", "", "0"};
    z.operatory = {0, 3, 1, 0, 5};
    z.fixace = 2;
    z.vyznamnost = {0, 0, 0, 1, 0};
    Tposun k;
    ASSERT_TRUE(ZadaniDoKriterii(z, k));
    EXPECT_EQ(k.cislo, "A1");
    EXPECT_TRUE(k.JePlny && k.JeFix1 && k.prokazaniAprior.Y && k.prokazaniAprior.delkaS && k.prokazaniAposter.delkaH);
    EXPECT_FALSE(k.prokazaniAprior.Z || k.prokazaniAprior.X || k.prokazaniAposter.X);
    EXPECT_EQ(k.hodnota.Y, 2.5L);
    EXPECT_EQ(k.kvantilS.Z, 3);  // operator of Y
    EXPECT_EQ(k.odchylkaAprior.X, 2);
    N().presnost.posun.hodnota = 3;
    const TzadaniPosunu zpet = KriteriaDoZadani(k, N());
    EXPECT_EQ(zpet.cislo, "A1");
    EXPECT_EQ(zpet.hodnoty, (std::array<std::string, 5>{"", "2.500", "", "", "0.000"}));
    EXPECT_EQ(zpet.operatory, z.operatory);
    EXPECT_EQ(zpet.vyznamnost, z.vyznamnost);
    EXPECT_EQ(zpet.fixace, 2);
    // A code outside its box shows the first item.
    k.kvantilS.X = 9;
    k.odchylkaAprior.X = -3;
    EXPECT_EQ(KriteriaDoZadani(k, N()).operatorCisla, 0);
    EXPECT_EQ(KriteriaDoZadani(k, N()).fixace, 0);
    EXPECT_FALSE(ZadaniDoKriterii(TzadaniPosunu(), k));
}

}  // namespace
}  // namespace sitmera
