// The analysis settings window: the risk level shown and typed, which
// confirms mark the comparison stale, Esc, the copy and the gallery.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/displacements/AnalyzaNastaveniOkno.h"
#include "ui/layer/Mrizka.h"
#include "ui/displacements/NastaveniTest.h"

namespace sitmera {
namespace {

using test::StiskniKlavesu;

Tporovnani& Porovnani() { return sitmera::nastaveni->porovnani; }

class AnalyzaNastaveniOknoTest : public test::NastaveniTest {
protected:
    void SetUp() override
    {
        NastaveniTest::SetUp();
        info->jeAnalyzaPosunu = true;
    }
};

TEST_F(AnalyzaNastaveniOknoTest, RiskTextHasThirteenDecimalsWithoutTrailingZeros)
{
    EXPECT_EQ(TextRizika(0.001L), "0.001");
    EXPECT_EQ(TextRizika(1e-7L), "0.0000001");
    EXPECT_EQ(TextRizika(0.12345678901234L), "0.1234567890123");
}

TEST_F(AnalyzaNastaveniOknoTest, ShowsTheSettingsAndAnUnchangedConfirmKeepsTheComparisonCurrent)
{
    Otevri(Form82(), [](TForm82& f) {
        EXPECT_EQ(NaUtf8(f.Edit1->text()), "0.05");
        EXPECT_TRUE(f.CheckBox1->isChecked() && f.CheckBox2->isChecked());
        EXPECT_EQ(f.KopirovatUdajeOkna(), "-1#-1#0.05");
        EXPECT_EQ(NaUtf8(f.CheckBox1->text()), "A priori accuracy");
        EXPECT_EQ(NaUtf8(f.CheckBox2->text()), "A posteriori accuracy");
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
        Otevri(Form82(), [&r](TForm82& f) {
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
    Otevri(Form82(), [](TForm82& f) {
        f.CheckBox2->setChecked(false);
        f.Edit1->setText(QStringLiteral("0.1"));
        StiskniKlavesu(f.CheckBox2, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_TRUE(Porovnani().aposteriorni);
    EXPECT_EQ(Porovnani().riziko, 0.05L);
    EXPECT_TRUE(info->jeAnalyzaPosunu);

    okno->StringGrid3->clearFocus();
    Otevri(Form82(), [](TForm82& f) {
        f.CheckBox2->setChecked(false);
        StiskniKlavesu(f.CheckBox2, Qt::Key_Enter);
    });
    EXPECT_TRUE(Porovnani().apriorni);
    EXPECT_FALSE(Porovnani().aposteriorni);
    EXPECT_EQ(Porovnani().riziko, 0.05L);
    EXPECT_FALSE(info->jeAnalyzaPosunu);
    EXPECT_EQ(okno->focusWidget(), okno->StringGrid3);
    Galerie(Form82());
}

}  // namespace
}  // namespace sitmera
