// The weight-coefficient window over the epoch of the epoch window.
#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>

#include "ui/Galerie.h"
#include "ui/KovariancniMaticeOkno.h"
#include "ui/ProgramTest.h"
#include "ui/layer/VelkyText.h"

namespace sitmera {
namespace {

using test::StiskniKlavesu;
using test::UlozDoGalerie;

class KovariancniMaticeTest : public test::ProgramTest {
protected:
    // Opens the window as the epoch window's command does; prace runs while
    // it is shown.
    void Zobraz(std::uint8_t rezim, const std::function<void(TForm36&)>& prace)
    {
        sitmera::nastaveni->okno.kovariancniMatice = rezim;
        Obsluz("Form36", [&](Formular&) { prace(Form36()); });
        ZobrazModalne(Form36());
    }
};

TEST_F(KovariancniMaticeTest, ShowsTheFullTableWhoseCopyIsTheEpochsCovarianceText)
{
    NactiEtapy();
    etapaAktualni = &modelPorovnani->etapa1;
    Zobraz(1, [&](TForm36& f) {
        EXPECT_EQ(NaUtf8(f.windowTitle()), "Weight coefficient matrix of adjusted point coordinates XYZ");
        EXPECT_EQ(NaUtf8(f.Label_vyber->text()), " 2 \u00d7 2");
        // Two determined points: six rows, the upper half mirrored (the
        // lower triangle of the file read column by column).
        EXPECT_EQ(f.RichEdit1->PocetRadku(), 7);
        EXPECT_EQ(NaUtf8(f.RichEdit1->Radek(0)), "4E-6 0 0 5E-7 0 0");
        EXPECT_EQ(NaUtf8(f.RichEdit1->Radek(3)), "5E-7 0 0 2.5E-6 1.5E-6 0");
        EXPECT_EQ(f.RichEdit1->Kurzor(), VelkyText::Tpozice());
        // What a read-only text box shows: a fixed-pitch font, both scroll bars.
        const QFontMetrics pismo(f.RichEdit1->font());
        EXPECT_EQ(pismo.horizontalAdvance(QLatin1Char('i')), pismo.horizontalAdvance(QLatin1Char('W')));
        EXPECT_EQ(pismo.horizontalAdvance(QLatin1Char('.')), pismo.horizontalAdvance(QLatin1Char('0')));
        EXPECT_TRUE(f.RichEdit1->horizontalScrollBar()->isVisible() && f.RichEdit1->verticalScrollBar()->isVisible());
        UlozDoGalerie(f, "Form36_en");
        StiskniKlavesu(f.RichEdit1, Qt::Key_A, Qt::ControlModifier);
        StiskniKlavesu(f.RichEdit1, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(TextSchranky(), etapaAktualni->kovariancniMaticeStr());
        // Esc closes the window, and the main window is usable again.
        StiskniKlavesu(f.RichEdit1, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_TRUE(okno->Label_zpracovani->isHidden());
    EXPECT_TRUE(okno->Zavrit1->isEnabled());
    sitmera::nastaveni->typJazyk = 0;
    sitmera::jazyk->Default(*sitmera::nastaveni);
    Zobraz(1, [&](TForm36& f) { UlozDoGalerie(f, "Form36_cs"); });
}

TEST_F(KovariancniMaticeTest, AnotherModeOrAnEpochWithoutPointsOpensEmpty)
{
    NactiEtapy();
    etapaAktualni = &modelPorovnani->etapa1;
    Zobraz(1, [](TForm36&) {});
    Zobraz(0, [](TForm36& f) {
        EXPECT_EQ(f.RichEdit1->PocetRadku(), 1);
        EXPECT_TRUE(f.RichEdit1->Radek(0).isEmpty());
        EXPECT_TRUE(f.Label_vyber->text().isEmpty());
    });
    etapaAktualni = &modelPorovnani->etapa2;
    etapaAktualni->Clear();
    Zobraz(1, [](TForm36& f) {
        EXPECT_EQ(NaUtf8(f.Label_vyber->text()), " 0 \u00d7 0");
        StiskniKlavesu(f.RichEdit1, Qt::Key_A, Qt::ControlModifier);
        EXPECT_TRUE(f.RichEdit1->VybranyText().empty());
    });
}

}  // namespace
}  // namespace sitmera
