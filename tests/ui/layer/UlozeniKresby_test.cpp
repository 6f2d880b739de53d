// Saving a graph's drawing: a cancelled dialog saves nothing; every failed
// save shows notice 28 and nothing else; the window the dialog locked is
// unlocked in every case. (The files themselves are read back in the graph
// window tests.)
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include <stdexcept>

#include "ui/OknaTest.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/UlozeniKresby.h"
#include "ui/layer/UlozitOkno.h"

namespace sitmera {
namespace {

class UlozeniKresbyTest : public test::OknaTest {
protected:
    // UlozKresbu run from the graph, over the modal window `graf`, the dialog
    // answered with folder, name and kind (or cancelled, kind -1).
    bool Uloz(const std::string& slozka, int typ, const TzapisDXF& dxf, bool oznameni)
    {
        bool vysledek = true;
        Obsluz("Form66", [&](Formular&) {
            Obsluz("Form9", [&](Formular& d) {
                auto& dialog = static_cast<TForm9&>(d);
                dialog.NastavSlozku(slozka);
                dialog.NastavPolozkuFiltru(std::max(typ, 0));
                dialog.Edit1->setText(QStringLiteral("kresba"));
                if (typ >= 0) dialog.Button1Click();
            });
            if (oznameni)
                Obsluz("Form3", [&](Formular& box) {
                    EXPECT_EQ(NaUtf8(box.windowTitle()), NadpisOznameni(jazyk, 28));
                    zprava = NaUtf8(static_cast<TForm3&>(box).Label1->text());
                    EXPECT_TRUE(graf.Label_zpracovani->isHidden());  // unlocked before the notice
                });
            vysledek = UlozKresbu(bitmapa, dxf);
        });
        ZobrazModalne(graf);
        EXPECT_TRUE(graf.Label_zpracovani->isHidden());
        return vysledek;
    }

    test::OknoSLabelem graf{QStringLiteral("Form66")};
    std::string zprava;  // of the notice
    QImage bitmapa{40, 30, QImage::Format_RGB888};
};

TEST_F(UlozeniKresbyTest, ACancelledDialogSavesNothing)
{
    const std::string slozka = test::DocasnaSlozka("ulozeni_zrusit");
    int zapisu = 0;
    EXPECT_FALSE(Uloz(slozka, -1, [&](const std::string&, std::string&) { return ++zapisu > 0; }, false));
    EXPECT_EQ(zapisu, 0);
    EXPECT_TRUE(SouboryVeSlozce(slozka, "*").empty());
}

TEST_F(UlozeniKresbyTest, EveryFailedSaveShowsNotice28AndNothingElse)
{
    const std::string slozka = test::DocasnaSlozka("ulozeni_chyba");
    const struct {
        const char* nazev;
        std::string slozka;
        int typ;
        TzapisDXF dxf;
    } tabulka[] = {
        {"PNG where no file can be made", "/proc", 0, nullptr},
        {"DXF writer says no", slozka, 3, [](const std::string&, std::string&) { return false; }},
        {"DXF writer throws", slozka, 3,
         [](const std::string&, std::string&) -> bool { throw std::runtime_error("disk full"); }},
        {"no DXF writer", slozka, 3, nullptr},
    };
    for (const auto& r : tabulka) {
        SCOPED_TRACE(r.nazev);
        EXPECT_FALSE(Uloz(r.slozka, r.typ, r.dxf, true));
        // The file's message under the notice (the graph tests read it): none
        // for the other failures.
        EXPECT_EQ(zprava == TextOznameni(jazyk, 28), r.typ == 3) << zprava;
        EXPECT_EQ(nastaveni.souborVystup.typGrafika, r.typ);
        EXPECT_EQ(chyby.cisloOznameni, 0);  // shown and taken
    }
    EXPECT_TRUE(SouboryVeSlozce(slozka, "*").empty());

    // A DXF that writes: saved, no notice.
    EXPECT_TRUE(
        Uloz(slozka, 3, [](const std::string& cesta, std::string&) { return cesta.ends_with("/kresba.dxf"); }, false));
}

}  // namespace
}  // namespace sitmera
