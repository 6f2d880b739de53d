// The length and angle analyses between the epochs over the comparison of
// PosunyTest.h, transformed by a three-point key (station 7, targets 9 and
// A1 of epoch 1) that turns the frame about all three axes. Point 9 of epoch
// 1 gets correlated cofactors (X 4 mm^2, Y 1 mm^2, XY 1 mm^2), so that its
// covariance differs between the frames.
//
// Hand-computed, frame-free: the slope length 9 -> 10 is sqrt(201) m in
// epoch 1 and sqrt(9.9905^2 + 9.992^2 + 1) m in epoch 2, a change of
// -12.34 mm. Its variance along u = (10, 10, 1) / sqrt(201) is, in epoch 1,
// u'Q9u + u'Q10u = 701/201 + 1 mm^2 and in epoch 2 2 mm^2: a priori
// sqrt(6.4876) = 2.55 mm, critical value x 1.95996 = 4.99 mm; a posteriori
// sqrt(1.5^2 x 4.4876 + 0.8^2 x 2) = 3.37 mm, x 2.14479 (Student, 14) =
// 7.23 mm. Both tests find the change significant.
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>

#include <algorithm>
#include <numbers>

#include "analysis/EtapaTransformacniKlic.h"
#include "numerics/TextPole.h"
#include "ui/Galerie.h"
#include "ui/displacements/AnalyzaMeziEtapamiOkno.h"
#include "ui/displacements/PosunyTest.h"

namespace sitmera {
namespace {

using namespace test;

int IndexBodu(const Tsouradnice& s, const std::string& cislo)
{
    for (std::size_t i = 0; i < s.bod.size(); ++i)
        if (s.bod[i].cislo == cislo && s.bod[i].JePlny) return static_cast<int>(i);
    return -1;
}

class MeziEtapamiTest : public PosunyOknoTest {
protected:
    void SetUp() override
    {
        PosunyOknoTest::SetUp();
        Tetapa& e1 = modelPorovnani->etapa1;
        const int i9 = IndexBodu(e1.souradnice, "9");
        ASSERT_GE(i9, 0);
        const std::size_t r = 3 * static_cast<std::size_t>(e1.souradnice.bod[i9].poradi - 1);
        e1.maticeKovariancni[r][r] = 4e-6L;
        e1.maticeKovariancni[r + 1][r] = 1e-6L;
        klicTransformace.typ = 2;
        klicTransformace.poradiBod[0][0] = IndexBodu(e1.souradnice, "7");
        klicTransformace.poradiBod[1][0] = i9;
        klicTransformace.poradiBod[2][0] = IndexBodu(e1.souradnice, "A1");
        PriraditSouradniceKlice(klicTransformace, e1.souradnice, modelPorovnani->etapa2.souradnice,
                                *souradniceUzivatelske);
        ASSERT_TRUE(VypocetKlice(klicTransformace));
        ASSERT_TRUE(Porovnej());
        PropojitOkna();
    }

    template <class T>
    void VOkne(const std::function<void(T&)>& prace)
    {
        VOknePosunu([&] {
            if constexpr (std::is_same_v<T, TForm74>) {
                Obsluz("Form74", [&](Formular& f) { prace(static_cast<T&>(f)); });
                okno68->AnalyzaDelky1Click();
            } else {
                Obsluz("Form75", [&](Formular& f) { prace(static_cast<T&>(f)); });
                okno68->AnalyzaUhly1Click();
            }
        });
    }
};

std::vector<std::array<std::string, 3>> Boxy(const TanalyzaMeziEtapami& o)
{
    std::vector<std::array<std::string, 3>> v;
    for (const auto& r : o.editRadku) v.push_back({NaUtf8(r[0]->text()), NaUtf8(r[1]->text()), NaUtf8(r[2]->text())});
    return v;
}

void Vyber(QComboBox* c, const std::string& bod)
{
    c->setCurrentIndex(c->findText(NaQString(bod), Qt::MatchStartsWith));
}

// The boxes a comparison row gives in millimetres (rows of lengths) or
// milligon (angles), a priori, with the default decimals.
std::array<std::string, 3> Ocekavane(const Tbod& r, bool uhel)
{
    const Extended k = uhel ? 200000 / std::numbers::pi_v<Extended> : 1000;
    const int dh = uhel ? 3 : 2, dd = uhel ? 3 : 2;
    return {r.kontrola[0] ? CisloNaTextPresnost(dh, r.X * k) : "- ",
            r.kontrola[1] ? CisloNaTextPresnost(dd, r.Y * k) : "- ",
            r.kontrola[1] ? CisloNaTextPresnost(dd, r.sig_Y * k) : "- "};
}

// Whether the window, its layout done, stands centred on the displacement
// window that opened it (to a pixel of rounding).
bool Vycentrovano(Formular& o)
{
    o.layout()->activate();
    const QPoint d = o.frameGeometry().center() - o.Otvirac()->frameGeometry().center();
    return std::abs(d.x()) <= 1 && std::abs(d.y()) <= 1;
}

// The colour just left of a row's change box (where the bar goes).
QColor Pruh(TanalyzaMeziEtapami& o, std::size_t radek)
{
    const QRect box = o.editRadku[radek][0]->geometry();
    return o.grab().toImage().pixelColor(box.x() - 4, box.y() + box.height() / 2);
}

TEST_F(MeziEtapamiTest, LengthsAreTheAnalysisOfTheTransformedEpochsInTheChosenUnits)
{
    ASSERT_GT(std::abs(klicTransformace.uhelStoceni[2]), 0.1L);  // the key turns the frame
    auto zaznam = [](const std::string& cislo) {
        for (std::size_t i = 0; i < M().posuny.zaznam.size(); ++i)
            if (M().posuny.zaznam[i].cislo == cislo) return static_cast<int>(i);
        return -1;
    };
    const int i9 = zaznam("9"), i10 = zaznam("10");
    TmodelPosuny transformovany = M(), puvodni = M();
    transformovany.VypocetAnalyzaDelka(i9, i10, *modelPorovnaniTransformace);
    puvodni.VypocetAnalyzaDelka(i9, i10, *modelPorovnani);
    // The untransformed covariance of 9 would give another dX deviation.
    ASSERT_NE(Ocekavane(transformovany.analyzaDelka.data.bod[0], false)[1],
              Ocekavane(puvodni.analyzaDelka.data.bod[0], false)[1]);

    VOkne<TForm74>([&](TForm74& o) {
        EXPECT_TRUE(Vycentrovano(o));
        Vyber(o.ComboBox1, "9");
        Vyber(o.ComboBox2, "10");
        o.ComboBoxSelect();
        const auto boxy = Boxy(o);
        for (std::size_t r = 0; r < 7; ++r)
            EXPECT_EQ(boxy[r], Ocekavane(transformovany.analyzaDelka.data.bod[r], r >= 5)) << r;
        EXPECT_EQ(boxy[4], (std::array<std::string, 3>{"-12.34", "2.55", "4.99"}));
        EXPECT_EQ(M().analyzaDelka.iStn, i9);
        EXPECT_EQ(Pruh(o, 4), kModra);
        EXPECT_NE(Pruh(o, 1), kModra);
        UlozDoGalerie(o, "Form74_en");

        // The precision kind only rewrites: a changed figure of the model
        // shows as it is, the deviations and bars are the a-posteriori ones.
        M().analyzaDelka.data.bod[1].X = 0.5L;
        o.ComboBox3->setCurrentIndex(1);
        o.ComboPresnostSelect();
        EXPECT_EQ(M().analyzaDelka.typPresnost, 1);
        EXPECT_EQ(Boxy(o)[1][0], "500.00");
        EXPECT_EQ(Boxy(o)[4], (std::array<std::string, 3>{"-12.34", "3.37", "7.23"}));
        EXPECT_EQ(Pruh(o, 4), kZelena);
        StiskniKlavesu(&o, Qt::Key_P, Qt::ControlModifier, QStringLiteral("p"));
        const std::string kopie = TextSchranky();
        EXPECT_EQ(kopie.substr(0, kopie.find("Quantity")),
                  "Internal analysis (Length variables [AB]) - Difference\r\nAccuracy:\tA posteriori\r\n"
                  "Point A:\t9\r\nPoint B:\t10\r\n");
        EXPECT_NE(kopie.find("\r\nSlope distance [mm]:\t& -12.34\t3.37\t7.23\r\n"), std::string::npos);
        EXPECT_NE(kopie.find("\r\nDifference Y [mm]:\t500.00\t"), std::string::npos);
    });
    // Reopened: the last choice, recomputed; points of 1/864 ft and degrees.
    N().jednotky.posun = 1;
    N().jednotky.uhel = 2;
    N().typJazyk = 0;
    J().Default(N());
    VOkne<TForm74>([](TForm74& o) {
        EXPECT_TRUE(Vycentrovano(o));  // at the size of the longer texts
        EXPECT_EQ(NaUtf8(o.ComboBox2->currentText()), "10");
        EXPECT_EQ(o.ComboBox3->currentIndex(), 1);
        EXPECT_EQ(Boxy(o)[1][0], "-8.37");  // -2.95 mm recomputed
        EXPECT_EQ(Boxy(o)[4], (std::array<std::string, 3>{"-34.99", "9.56", "20.51"}));
        EXPECT_EQ(NaUtf8(o.labelRadku[6]->text()), "Zenitový úhel [mdeg]:");
        UlozDoGalerie(o, "Form74_cz");
        StiskniKlavesu(o.ComboBox1, Qt::Key_Escape);
        EXPECT_FALSE(o.isVisible());
    });
}

TEST_F(MeziEtapamiTest, ASortChangesNoResultAndUndefinedFiguresShowDashesWithoutBars)
{
    auto zvol = [](TanalyzaMeziEtapami& o, const std::vector<std::string>& body) {
        for (std::size_t i = 0; i < body.size(); ++i) Vyber(o.comboBody[i], body[i]);
        o.ComboBoxSelect();
        return Boxy(o);
    };
    std::vector<std::array<std::string, 3>> delky, uhly;
    VOkne<TForm74>([&](TForm74& o) {
        delky = zvol(o, {"9", "A1"});
        // Y, horizontal and slope are significant a priori only, so each
        // precision marks its own rows.
        auto vyznamne = [&] {
            std::string s;
            for (const auto& r : o.Radky()) s += r.vyznamny ? '1' : '0';
            return s;
        };
        EXPECT_EQ(vyznamne(), "1101110");
        o.ComboBox3->setCurrentIndex(1);
        o.ComboPresnostSelect();
        EXPECT_EQ(vyznamne(), "1000010");
        o.ComboBox3->setCurrentIndex(0);
        o.ComboPresnostSelect();
    });
    VOkne<TForm75>([&](TForm75& o) {
        EXPECT_TRUE(Vycentrovano(o));
        uhly = zvol(o, {"9", "7", "11"});
        EXPECT_EQ(NaUtf8(o.ComboBox2->currentText()), "7 F1");
        EXPECT_TRUE(std::all_of(uhly.begin(), uhly.end(), [](const auto& r) { return r[0] != "- "; }));
        // The angles of the transformed epochs in milligon; those of the
        // untransformed ones differ.
        const TanalyzaVnitrni& a = M().analyzaUhel;
        TmodelPosuny transformovany = M(), puvodni = M();
        transformovany.VypocetAnalyzaUhel(a.iStn, a.iCilL, a.iCilP, *modelPorovnaniTransformace);
        puvodni.VypocetAnalyzaUhel(a.iStn, a.iCilL, a.iCilP, *modelPorovnani);
        std::vector<std::array<std::string, 3>> ocekavane, jinak;
        for (std::size_t r = 0; r < 3; ++r) {
            ocekavane.push_back(Ocekavane(transformovany.analyzaUhel.data.bod[r], true));
            jinak.push_back(Ocekavane(puvodni.analyzaUhel.data.bod[r], true));
        }
        EXPECT_EQ(uhly, ocekavane);
        EXPECT_NE(uhly, jinak);
        // Frame-free by hand: the angle between 7 - 9 and 11 - 9 shrinks
        // from 179.548585 gon by 25.563 mgon, so the angle in the plane, taken
        // the other way round, grows by that (up to the rounded coordinates).
        EXPECT_NEAR(std::stod(uhly[1][0]), 25.563, 0.003);
        UlozDoGalerie(o, "Form75_en");
    });
    VOknePosunu([this] { okno68->SeraditDleX1Click(); });
    VOkne<TForm74>([&](TForm74& o) {
        // The boxes follow the list's new order (X in the turned frame).
        std::vector<std::string> polozky;
        for (int i = 0; i < o.ComboBox1->count(); ++i) polozky.push_back(NaUtf8(o.ComboBox1->itemText(i)));
        EXPECT_EQ(polozky, (std::vector<std::string>{"10", "F1 F", "A1", "11", "8 F2", "7 F1", "9"}));
        EXPECT_EQ(zvol(o, {"9", "A1"}), delky);
        // The same point twice: nothing defined, no bar.
        EXPECT_EQ(zvol(o, {"9", "9"}), (std::vector<std::array<std::string, 3>>(7, {"- ", "- ", "- "})));
        EXPECT_TRUE(std::none_of(o.Radky().begin(), o.Radky().end(), [](const auto& r) { return r.vyznamny; }));
        EXPECT_NE(Pruh(o, 0), kModra);
    });
    N().typJazyk = 0;
    J().Default(N());
    VOkne<TForm75>([&](TForm75& o) {
        EXPECT_EQ(zvol(o, {"9", "7", "11"}), uhly);
        StiskniKlavesu(&o, Qt::Key_P, Qt::ControlModifier, QStringLiteral("p"));
        EXPECT_EQ(TextSchranky().substr(0, TextSchranky().find("Bod A")),
                  "Vnitřní analýza (Úhlové veličiny [BAC]) - Rozdíl\r\n");
        UlozDoGalerie(o, "Form75_cz");
        // Without covariances the changes show, the deviations cannot be had.
        modelPorovnaniTransformace->etapa1.maticeKovariancni.clear();
        const auto bez = zvol(o, {"9", "7", "11"});
        EXPECT_EQ(bez[0][0], uhly[0][0]);
        EXPECT_EQ(bez[0][1], "- ");
        EXPECT_EQ(bez[2][2], "- ");
    });
}

}  // namespace
}  // namespace sitmera
