// The gallery of the shared windows (notice, question, report viewer,
// dialogs) and of a painted grid, in both languages.
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/layer/Bunky.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/Mrizka.h"
#include "ui/Galerie.h"
#include "ui/OknaTest.h"
#include "ui/layer/OtazkaOkno.h"
#include "ui/layer/OtevritOkno.h"
#include "ui/layer/ProtokolOkno.h"
#include "ui/layer/UlozitOkno.h"

namespace sitmera {
namespace {

class GalerieTest : public test::OknaTest {
protected:
    void SetUp() override
    {
        OknaTest::SetUp();
        slozka = test::DocasnaSlozka("galerie");
        for (const char* j : {"etapa1.epc", "etapa2.epc", "body.txt", "posuny.txt", "projekt.pea"})
            test::ZapisSoubor(slozka + "/" + j, "1\n");
    }

    void Uloz(QWidget& okno, const std::string& jmeno)
    {
        const std::string soubor = test::UlozDoGalerie(okno, jmeno);
        if (!soubor.empty()) ulozene.push_back(soubor);
    }

    std::string slozka;
    std::vector<std::string> ulozene;
};

TEST_F(GalerieTest, WritesEveryWindowInBothLanguages)
{
    Prostredi().textProtokolu = [](std::uint8_t) {
        return TStringList{"Sitmera Analyser", "", "C-01 Displacements", "", "   A        B         C",
                           "----------------------------", "  101   12.3456   -0.0021", "  102    7.0001    0.0130"};
    };
    for (std::uint8_t typ : {0, 1}) {
        NastavJazyk(typ);
        const std::string j = typ == 0 ? "_cz" : "_en";

        chyby.Oznameni(29);
        Obsluz("Form3", [&](Formular& f) { Uloz(f, "Form3_oznameni" + j); });
        OznameniDleCisla();

        Obsluz("Form3", [&](Formular& f) { Uloz(f, "Form3_protokol" + j); });
        OznameniProtokol(jazyk.hlaseni.pridaneSoubory + "2/2 (" + jazyk.hlaseni.pocetBodu + "14)",
                         jazyk.nadpis.pridatBody);

        Obsluz("Form4", [&](Formular& f) { Uloz(f, "Form4" + j); });
        ZobrazPotvrzeni(jazyk.hlaseni.ukoncitProgram, jazyk.nadpis.varovani);

        nastaveni.okno.protokol = 3;
        Obsluz("Form55", [&](Formular& f) { Uloz(f, "Form55" + j); });
        ZobrazModalne(Form55());

        Obsluz("Form8", [&](Formular& f) {
            static_cast<TForm8&>(f).NastavSlozku(slozka);
            Uloz(f, "Form8" + j);
        });
        TStringList soubory;
        OtevritSouboryDialog(soubory, nastaveni, jazyk);

        Obsluz("Form9", [&](Formular& f) {
            auto& d = static_cast<TForm9&>(f);
            d.NastavSlozku(slozka);
            d.Edit1->setText(QStringLiteral("posuny"));
            Uloz(f, "Form9" + j);
        });
        std::string cesta;
        UlozitSouborProtokol(cesta, nastaveni, jazyk);
    }

    // A grid painted by the cell painters (selected row, current row, marks).
    Formular okno(QStringLiteral("Form90"));
    auto* l = new QVBoxLayout(&okno);
    l->setContentsMargins(0, 0, 0, 0);
    auto* m = new Mrizka(QStringLiteral("StringGrid3"), &okno);
    l->addWidget(m);
    NastavVelikostTabulky(m, 12, 4);
    m->SetColWidth(0, 99);
    for (int c = 1; c < 4; ++c) m->SetColWidth(c, 130);
    for (int r = 0; r < 12; ++r) {
        m->SetCell(0, r, std::to_string(100 + r / 2));
        for (int c = 1; c < 4; ++c) m->SetCell(c, r, std::to_string(1000 + 17 * r + c) + ".1234");
    }
    m->OnDrawCell = [m](Platno& c, int s, int r, const QRect& b, TstavBunky stav) {
        KresliBeznouBunku(c, b);
        if (s == 0) c.pismo.setBold(true);
        NastavBarvuPozadiBunky(c, (r / 2) % 2 ? barvyTabulky[6] : barvyTabulky[5], s > 0, true);
        NastavBarvuPozadiBunky(c, barvyTabulky[7], r == 4 || r == 5, true);
        KresliTextBunkyVpravo(c, b, m->Cell(s, r));
        KresliPismenoF(c, b, r % 2 ? barvyTabulky[1] : barvyTabulky[0], s == 0, r < 4);
        KresliTrojuhelnik(c, b, barvyTabulky[2], s == 0, r == 8);
        KresliPruhVlevo(c, b, barvyTabulky[3], s == 2, r == 6);
        KresliPruhVlevo2(c, b, barvyTabulky[0], s == 2, r == 6);
        KresliVodorovnouCaru(c, b, barvyTabulky[8], TstylPera::plny, r % 2 == 1, 1);
        KresliTeckovanyRamecek(c, b, stav.aktualni);
    };
    okno.resize(99 + 3 * 130 + 20, 12 * 18 + 4);
    okno.show();
    m->SetRow(2);
    Uloz(okno, "Mrizka");
    okno.Close();

    EXPECT_EQ(ulozene.size(), 13u);
    for (const auto& s : ulozene) EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(s))) << s;
}

}  // namespace
}  // namespace sitmera
