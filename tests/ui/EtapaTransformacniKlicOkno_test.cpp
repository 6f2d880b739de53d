// The transformation-key window: the checks of the user values, the
// enabling by method, the point boxes of the roles, the copy text, and what
// confirm and Esc do to the global key and the staleness flags.
#include <QComboBox>
#include <QLineEdit>

#include <cmath>
#include <numbers>

#include "program/Globalni.h"
#include "ui/EtapaTransformacniKlicOkno.h"
#include "ui/Galerie.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/ProgramTest.h"

namespace sitmera {
namespace {

using test::StiskniKlavesu;

constexpr long double kPi = std::numbers::pi_v<long double>;

class KlicTest : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        info->jeTransformaceEtapa1 = info->jeTransformaceEtapa2 = true;
    }

    void VKlici(std::function<void(TForm77&)> prace)
    {
        Obsluz("Form77", [prace](Formular& f) { prace(static_cast<TForm77&>(f)); });
        ZobrazModalne(Form77());
    }

    static void Hodnoty(TForm77& f, const std::array<const char*, 6>& texty)
    {
        const std::array<QLineEdit*, 6> edity{f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6};
        for (int i = 0; i < 6; ++i) edity[i]->setText(QString::fromUtf8(texty[i]));
    }

    static bool Stejne(const TtransformacniKlicEtapa& a, const TtransformacniKlicEtapa& b)
    {
        return a.jePlny == b.jePlny && a.typ == b.typ && a.typBod == b.typBod && a.poradiBod == b.poradiBod &&
               a.translace == b.translace && a.rotace == b.rotace && a.translaceUser == b.translaceUser &&
               a.uhelStoceniUser == b.uhelStoceniUser;
    }
};

TEST_F(KlicTest, UserValuesOutsideTheirRangesAreEmptiedAndStoreNothingInDegrees)
{
    sitmera::nastaveni->jednotky.uhel = 2;  // degrees
    const struct {
        int edit;  // 0..5: Edit1..Edit6
        const char* text;
        bool prijat;
        long double hodnota;  // metres or radians when accepted
    } tabulka[] = {
        {3, "360", false, 0},
        {3, "-1", false, 0},
        {3, "359.9999", true, 359.9999L * kPi / 180},
        {4, "0", true, 0},
        {0, "1e13", false, 0},
        {1, "1e-13", false, 0},
        {2, "0", true, 0},
        {0, "12,5", true, 12.5L},
    };
    for (const auto& r : tabulka) {
        TtransformacniKlicEtapa pred;
        KopirujKlic(pred, klicTransformace);
        VKlici([&](TForm77& f) {
            f.ComboBox7Select(3);
            std::array<const char*, 6> texty{"0", "0", "0", "0", "0", "0"};
            texty[r.edit] = r.text;
            Hodnoty(f, texty);
            StiskniKlavesu(f.Edit1, Qt::Key_Return);
            EXPECT_EQ(f.isVisible(), !r.prijat) << r.text;
            if (!r.prijat) {
                const std::array<QLineEdit*, 6> edity{f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6};
                EXPECT_EQ(NaUtf8(edity[r.edit]->text()), "") << r.text;
                EXPECT_EQ(NaUtf8(f.Edit6->text()), "0.00000") << r.text;  // a valid field shown again
            }
        });
        if (!r.prijat) {
            EXPECT_TRUE(Stejne(klicTransformace, pred)) << r.text;
            continue;
        }
        EXPECT_EQ(klicTransformace.typ, 3);
        const long double ulozena =
            r.edit < 3 ? klicTransformace.translaceUser[r.edit][0] : klicTransformace.uhelStoceniUser[r.edit - 3];
        EXPECT_NEAR(static_cast<double>(ulozena), static_cast<double>(r.hodnota), 1e-15) << r.text;
        // Rotation from the user's angles, translation as given.
        EXPECT_EQ(klicTransformace.translace[0][0], klicTransformace.translaceUser[0][0]);
    }
}

TEST_F(KlicTest, AShownValueLeftAsItWasKeepsItsFullPrecisionAndComingBackToUserValuesShowsThem)
{
    sitmera::nastaveni->jednotky.uhel = 2;
    VKlici([](TForm77& f) {
        f.ComboBox7Select(3);
        Hodnoty(f, {"5", "0.123456", "0", "359.999999", "0", "0"});
        // To another method and back: the valid values are kept.
        f.ComboBox7Select(0);
        EXPECT_EQ(NaUtf8(f.Edit1->text()), "0.0000");
        f.ComboBox7Select(3);
        EXPECT_EQ(NaUtf8(f.Edit2->text()), "0.1235");
        EXPECT_EQ(NaUtf8(f.Edit4->text()), "360.00000");  // 359.999999 rounded for the eye
        f.Button1Click();
        EXPECT_FALSE(f.isVisible());
    });
    ASSERT_EQ(klicTransformace.typ, 3);
    EXPECT_NEAR(static_cast<double>(klicTransformace.uhelStoceniUser[0]), 359.999999 * std::numbers::pi / 180, 1e-15);
    EXPECT_NEAR(static_cast<double>(klicTransformace.translaceUser[1][0]), 0.123456, 1e-15);

    // Shown again; confirmed without a change: still valid, still exact.
    VKlici([](TForm77& f) {
        EXPECT_EQ(f.ComboBox7->currentIndex(), 3);
        EXPECT_FALSE(f.Edit1->isReadOnly());
        StiskniKlavesu(f.Edit1, Qt::Key_Return);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_NEAR(static_cast<double>(klicTransformace.uhelStoceniUser[0]), 359.999999 * std::numbers::pi / 180, 1e-15);
    EXPECT_NEAR(static_cast<double>(klicTransformace.translaceUser[1][0]), 0.123456, 1e-15);
}

TEST_F(KlicTest, StoredUserValuesOutsideTheirRangesFailUntouchedAndTheValidOnesKeepFullPrecision)
{
    // User values as a project may bring them, checked in the user's units:
    // 4e11 m is 1.3e12 ft, beyond the largest number; 2 pi - 1e-9 rad is
    // just under a full turn, 6.3 rad just over it. A stored value that fails
    // is read from its text as a typed one: 1e-13 m shows as "0.0000", a
    // number, and is stored as 0.
    const struct {
        std::uint8_t uhel, souradnice;
        std::array<long double, 3> translace;  // metres
        std::array<long double, 3> uhly;       // radians
        std::array<bool, 6> platne;
        std::array<long double, 6> ulozeno;  // after the empty fields are given 0
    } tabulka[] = {
        {0, 0, {3.25L, 2e12L, 1e-13L}, {-0.5L, 7, 1}, {true, false, true, false, false, true}, {3.25L, 0, 0, 0, 0, 1}},
        {1, 1, {4e11L, 0.1L, 0}, {2 * kPi - 1e-9L, 0, 6.3L}, {false, true, true, true, true, false},
         {0, 0.1L, 0, 2 * kPi - 1e-9L, 0, 0}},
    };
    for (const auto& r : tabulka) {
        sitmera::nastaveni->jednotky.uhel = r.uhel;
        sitmera::nastaveni->jednotky.souradnice = r.souradnice;
        klicTransformace.typ = 3;
        for (int i = 0; i < 3; ++i) {
            klicTransformace.translaceUser[i][0] = r.translace[i];
            klicTransformace.uhelStoceniUser[i] = r.uhly[i];
            klicTransformace.translaceUserJePlny[i] = klicTransformace.uhelStoceniUserJePlny[i] = true;
        }
        TtransformacniKlicEtapa pred;
        KopirujKlic(pred, klicTransformace);
        VKlici([&](TForm77& f) {
            const std::array<QLineEdit*, 6> edity{f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6};
            StiskniKlavesu(f.Edit1, Qt::Key_Return);  // nothing touched
            EXPECT_TRUE(f.isVisible());
            EXPECT_TRUE(Stejne(klicTransformace, pred));
            for (int i = 0; i < 6; ++i) {
                EXPECT_EQ(edity[i]->text().isEmpty(), !r.platne[i]) << i;
                if (!r.platne[i]) edity[i]->setText(QStringLiteral("0"));
            }
            StiskniKlavesu(f.Edit1, Qt::Key_Return);
            EXPECT_FALSE(f.isVisible());
        });
        EXPECT_TRUE(klicTransformace.jePlny);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(klicTransformace.translaceUser[i][0], r.ulozeno[i]) << i;
            EXPECT_EQ(klicTransformace.uhelStoceniUser[i], r.ulozeno[3 + i]) << i;
        }
    }
}

TEST_F(KlicTest, EscLeavesTheKeyAndTheFlagsMethodZeroConfirmsAtOnceAndClearsThem)
{
    TtransformacniKlicEtapa pred;
    KopirujKlic(pred, klicTransformace);
    VKlici([](TForm77& f) {
        f.ComboBox7Select(3);
        Hodnoty(f, {"1", "2", "3", "0", "0", "0"});
        StiskniKlavesu(f.Edit1, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_TRUE(Stejne(klicTransformace, pred));
    EXPECT_TRUE(info->jeTransformaceEtapa1 && info->jeTransformaceEtapa2);

    VKlici([](TForm77& f) {
        EXPECT_EQ(f.ComboBox7->currentIndex(), 0);
        EXPECT_TRUE(f.Edit1->isReadOnly());
        for (QComboBox* c : {f.ComboBox1, f.ComboBox4, f.ComboBox3, f.ComboBox6}) EXPECT_FALSE(c->isEnabled());
        StiskniKlavesu(f.ComboBox7, Qt::Key_Return);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_TRUE(klicTransformace.jePlny);
    EXPECT_FALSE(info->jeTransformaceEtapa1);
    EXPECT_FALSE(info->jeTransformaceEtapa2);
}

TEST_F(KlicTest, RolesTakeTheirPointsFromTheChosenListsAndAPlaneKeyMapsTheStationToTheOrigin)
{
    NactiEtapy();
    Tbod u;
    BodDefault(u);
    u.cislo = "U1";
    u.X = 950;
    u.Y = 2100;
    u.Z = 305;
    u.JePlny = true;
    souradniceUzivatelske->PridejBod(u);
    u.cislo = "U2";
    u.JeFixni = true;
    souradniceUzivatelske->PridejBod(u);
    klicTransformace.poradiBod[0][2] = 1;  // A's stored user point: U2
    VKlici([](TForm77& f) {
        f.ComboBox7Select(1);
        EXPECT_TRUE(f.ComboBox4->isEnabled());
        EXPECT_FALSE(f.ComboBox3->isEnabled());
        EXPECT_FALSE(f.ComboBox6->isEnabled());
        EXPECT_EQ(NaUtf8(f.Edit1->text()), "");  // no points chosen: no key
        // Epoch 1: 101, 102, 50 (fixed).
        ASSERT_EQ(f.ComboBox4->count(), 3);
        EXPECT_EQ(NaUtf8(f.ComboBox4->itemText(2)), "50 F");
        f.ComboBoxBodSelect(0, 0);  // A = 101 of epoch 1
        f.ComboBoxSeznamSelect(1, 1);
        f.ComboBoxBodSelect(1, 1);  // B = 102 of epoch 2
        EXPECT_FALSE(NaUtf8(f.Edit1->text()).empty());
        f.Kopirovat1Click();
        const std::string kopie = TextSchranky();
        EXPECT_NE(kopie.find("\r\nA:\t1\t101\r\nB:\t2\t102\r\n"), std::string::npos) << kopie;
        EXPECT_EQ(kopie.find("C:"), std::string::npos);
        EXPECT_EQ(kopie.rfind("Transformation key\r\nTransformation method\r\n2. Line AB (rotation Z)\r\n", 0), 0u)
            << kopie;

        // A from the user points: the box is refilled and shows A's stored point.
        f.ComboBoxSeznamSelect(0, 2);
        ASSERT_EQ(f.ComboBox4->count(), 2);
        EXPECT_EQ(NaUtf8(f.ComboBox4->currentText()), "U2 F");

        f.ComboBox7Select(2);
        EXPECT_TRUE(f.ComboBox6->isEnabled());
        f.ComboBoxSeznamSelect(2, 0);
        f.ComboBoxBodSelect(2, 2);  // C = 50 of epoch 1
        f.Button1Click();
        EXPECT_FALSE(f.isVisible());
    });
    const TtransformacniKlicEtapa& k = klicTransformace;
    ASSERT_TRUE(k.jePlny);
    EXPECT_EQ(k.typ, 2);
    EXPECT_EQ(k.typBod, (TindexVector{2, 1, 0}));
    EXPECT_EQ(k.poradiBod[0][2], 1);
    EXPECT_EQ(k.poradiBod[0][0], 0);  // the choice in epoch 1 is kept too
    // p' = R p + t: the station A goes to the origin, B onto the +X axis,
    // C into the XY plane with a positive Y.
    auto obraz = [&](const Tbod& b) {
        std::array<long double, 3> p{};
        const long double v[3] = {b.X, b.Y, b.Z};
        for (int i = 0; i < 3; ++i) p[i] = k.rotace[i][0] * v[0] + k.rotace[i][1] * v[1] + k.rotace[i][2] * v[2] + k.translace[i][0];
        return p;
    };
    const auto a = obraz(souradniceUzivatelske->bod[1]);
    const auto b = obraz(modelPorovnani->etapa2.souradnice.bod[1]);
    const auto c = obraz(modelPorovnani->etapa1.souradnice.bod[2]);
    for (long double x : a) EXPECT_NEAR(static_cast<double>(x), 0, 1e-9);
    EXPECT_GT(b[0], 0);
    EXPECT_NEAR(static_cast<double>(b[1]), 0, 1e-9);
    EXPECT_NEAR(static_cast<double>(b[2]), 0, 1e-9);
    EXPECT_GT(c[1], 0);
    EXPECT_NEAR(static_cast<double>(c[2]), 0, 1e-9);
    EXPECT_FALSE(info->jeTransformaceEtapa1);
}

TEST_F(KlicTest, Gallery)
{
    NactiEtapy();
    for (std::uint8_t typ : {0, 1}) {
        sitmera::nastaveni->typJazyk = typ;
        sitmera::jazyk->Default(*sitmera::nastaveni);
        VKlici([typ](TForm77& f) {
            f.ComboBox7Select(2);
            for (int r = 0; r < 3; ++r) f.ComboBoxBodSelect(r, r);
            test::UlozDoGalerie(f, typ == 0 ? "Form77_cz" : "Form77_en");
        });
    }
}

}  // namespace
}  // namespace sitmera
