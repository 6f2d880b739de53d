// The analysis settings window: the risk level shown and typed, which
// confirms mark the comparison stale, Esc, the copy and the gallery.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/Globalni.h"
#include "ui/displacements/AnalyzaNastaveniOkno.h"
#include "ui/Galerie.h"
#include "ui/layer/Mrizka.h"
#include "ui/ProgramTest.h"

namespace sitmera {
namespace {

using test::StiskniKlavesu;

Tporovnani& Porovnani() { return sitmera::nastaveni->porovnani; }

class AnalyzaNastaveniOknoTest : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        info->jeAnalyzaPosunu = true;
    }

    void Otevri(std::function<void(TForm82&)> prace)
    {
        Obsluz("Form82", [prace = std::move(prace)](Formular& f) { prace(static_cast<TForm82&>(f)); });
        ZobrazModalne(Form82());
    }
};

TEST_F(AnalyzaNastaveniOknoTest, RiskTextHasThirteenDecimalsWithoutTrailingZeros)
{
    const struct {
        Extended riziko;
        const char* text;
    } tabulka[] = {
        {0.05L, "0.05"}, {0.001L, "0.001"}, {1e-7L, "0.0000001"}, {0.12345678901234L, "0.1234567890123"},
        {0.5L, "0.5"},
    };
    for (const auto& r : tabulka) EXPECT_EQ(TextRizika(r.riziko), r.text);
}

TEST_F(AnalyzaNastaveniOknoTest, ShowsTheSettingsAndAnUnchangedConfirmKeepsTheComparisonCurrent)
{
    Otevri([](TForm82& f) {
        EXPECT_EQ(S(f.Edit1->text()), "0.05");
        EXPECT_TRUE(f.CheckBox1->isChecked() && f.CheckBox2->isChecked());
        EXPECT_EQ(f.KopirovatUdajeOkna(), "-1#-1#0.05");
        EXPECT_EQ(S(f.windowTitle()), "Options - Movement analysis");
        EXPECT_EQ(S(f.Label2->text()), "Significance level:");
        EXPECT_EQ(S(f.CheckBox1->text()), "A priori accuracy");
        EXPECT_EQ(S(f.CheckBox2->text()), "A posteriori accuracy");
        EXPECT_EQ(f.focusWidget(), f.Button2);
        StiskniKlavesu(f.Edit1, Qt::Key_P, Qt::ControlModifier);
        f.Button1->click();
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(TextSchranky(), "Options - Movement analysis\r\nEvaluation of significant movements\r\n"
                              "Significance level:\t0.05\r\n");
    EXPECT_TRUE(info->jeAnalyzaPosunu);
}

TEST_F(AnalyzaNastaveniOknoTest, OnlyARiskStrictlyBetweenTheBoundsIsStoredAnotherEmptiesTheEdit)
{
    const struct {
        const char* text;
        Extended ulozene;  // 0: rejected
    } tabulka[] = {
        {"1e-8", 0}, {"1", 0}, {"0", 0}, {"1e-9", 0}, {"-0.05", 0}, {"abc", 0}, {"", 0},
        {"0,01", 0.01L}, {"2e-8", 2e-8L}, {"0.999", 0.999L},
    };
    for (const auto& r : tabulka) {
        Porovnani().riziko = 0.05L;
        info->jeAnalyzaPosunu = true;
        Otevri([&r](TForm82& f) {
            f.Edit1->setText(QString::fromUtf8(r.text));
            StiskniKlavesu(f.Edit1, Qt::Key_Return);
            EXPECT_EQ(f.isVisible(), r.ulozene == 0) << r.text;
            if (r.ulozene == 0) {
                EXPECT_TRUE(f.Edit1->text().isEmpty()) << r.text;
            }
        });
        EXPECT_EQ(Porovnani().riziko, r.ulozene == 0 ? 0.05L : r.ulozene) << r.text;
        EXPECT_EQ(info->jeAnalyzaPosunu, r.ulozene == 0) << r.text;
    }
}

TEST_F(AnalyzaNastaveniOknoTest, SwitchingOnlyTheAPosterioriTestOffMakesTheComparisonStaleEscChangesNothing)
{
    Otevri([](TForm82& f) {
        f.CheckBox2->setChecked(false);
        f.Edit1->setText(QStringLiteral("0.1"));
        StiskniKlavesu(f.CheckBox2, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_TRUE(Porovnani().aposteriorni);
    EXPECT_EQ(Porovnani().riziko, 0.05L);
    EXPECT_TRUE(info->jeAnalyzaPosunu);

    okno->StringGrid3->clearFocus();
    Otevri([](TForm82& f) {
        f.CheckBox2->setChecked(false);
        StiskniKlavesu(f.CheckBox2, Qt::Key_Enter);
    });
    EXPECT_TRUE(Porovnani().apriorni);
    EXPECT_FALSE(Porovnani().aposteriorni);
    EXPECT_EQ(Porovnani().riziko, 0.05L);
    EXPECT_FALSE(info->jeAnalyzaPosunu);
    EXPECT_EQ(okno->focusWidget(), okno->StringGrid3);

    for (std::uint8_t typ : {0, 1}) {
        sitmera::nastaveni->typJazyk = typ;
        sitmera::jazyk->Default(*sitmera::nastaveni);
        Otevri([typ](TForm82& f) { test::UlozDoGalerie(f, typ == 0 ? "Form82_cz" : "Form82_en"); });
    }
}

}  // namespace
}  // namespace sitmera
