// The user-point window and the one-point editor: the validity rules of the
// editor, inserting and editing points, adding files with their notice and
// report, saving, deleting, the point buffer, and the close work that runs
// on every close.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "numerics/TextPole.h"
#include "program/Globalni.h"
#include "ui/Galerie.h"
#include "ui/JednaSouradniceOkno2.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OtazkaOkno.h"
#include "ui/layer/OtevritOkno.h"
#include "ui/layer/UlozitOkno.h"
#include "ui/ProgramTest.h"
#include "ui/SouradniceVstupOkno2.h"

namespace sitmera {
namespace {

using test::StiskniKlavesu;

const std::string kDataSouradnice = std::string(SITMERA_TEST_DATA) + "/coords";

Tbod Bod(const std::string& cislo, Extended x, Extended y, Extended z)
{
    Tbod b;
    BodDefault(b);
    b.cislo = cislo;
    b.X = x;
    b.Y = y;
    b.Z = z;
    b.JePlny = true;
    return b;
}

std::vector<std::string> Cisla(const Tsouradnice& s)
{
    std::vector<std::string> v;
    for (const Tbod& b : s.bod)
        if (b.JePlny) v.push_back(b.cislo);
    return v;
}

TEST(PlatnostVLEditoruTest, NumbersThatCannotBeStoredAndCoordinatesOutOfRangeAreInvalid)
{
    using P = std::array<bool, 4>;
    const struct {
        ThodnotyBodu hodnoty;
        int rezim;
        P platne;
    } tabulka[] = {
        {{"101", "1000.5", "2000,25", "0"}, 1, {true, true, true, true}},
        {{" 101 ", "-1e-12", "1e12", "1e-13"}, 1, {true, false, false, false}},  // bounds excluded
        {{"A B", "x", "", "  "}, 1, {false, false, false, false}},
        {{"1\t2", "", "", ""}, 2, {false, true, true, true}},  // a tab inside: not storable
        {{"   ", "5", "1e13", " "}, 2, {true, true, false, true}},
    };
    for (const auto& r : tabulka) EXPECT_EQ(PlatnostVLEditoru(r.hodnoty, r.rezim), r.platne) << r.hodnoty[0];
    using Z = TznackaPlatnosti;
    EXPECT_EQ(ZnackyVLEditoru({"", "5", "x", ""}, 2), (std::array<Z, 4>{Z::zadna, Z::platna, Z::neplatna, Z::zadna}));
    EXPECT_EQ(ZnackyVLEditoru({"", "5", "x", ""}, 1),
              (std::array<Z, 4>{Z::neplatna, Z::platna, Z::neplatna, Z::neplatna}));
}

class VstupTest : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        slozka = test::DocasnaSlozka("vstup");
    }

    // Opens the user-point window as the main window does and runs `prace`
    // in it; the window closes afterwards.
    void VUzivatelskychBodech(std::function<void(TForm78&)> prace)
    {
        Obsluz("Form78", [prace](Formular& f) { prace(static_cast<TForm78&>(f)); });
        sitmera::nastaveni->okno.bodyVstup = 3;
        ZobrazModalne(Form78());
    }

    // Expects the one-point editor next and runs `prace` in it.
    void Editor(std::function<void(TForm79&)> prace)
    {
        Obsluz("Form79", [prace](Formular& f) { prace(static_cast<TForm79&>(f)); });
    }

    static void Napis(TForm79& f, const ThodnotyBodu& h)
    {
        for (int r = 0; r < 4; ++r) f.ValueListEditor1->NastavHodnotu(r, h[r]);
    }

    std::string slozka;
};

TEST_F(VstupTest, ANewPointGoesBeforeTheSelectedRowOnceAndInvalidRowsBlockTheInsert)
{
    souradniceUzivatelske->PridejBod(Bod("1", 1, 1, 1));
    souradniceUzivatelske->PridejBod(Bod("2", 2, 2, 2));
    souradniceUzivatelske->PridejBod(Bod("3", 3, 3, 3));
    VUzivatelskychBodech([this](TForm78& okno) {
        vyberVstup.hromadny[1] = true;  // point 2
        Editor([](TForm79& f) {
            EXPECT_EQ(NaUtf8(f.windowTitle()), "Insert new point");
            EXPECT_EQ(f.ValueListEditor1->Klic(1), "Coordinate X");
            EXPECT_EQ(f.ValueListEditor2->Klic(1), "m");
            Napis(f, {"N", "10", "x", "30"});
            f.Button3Click();  // invalid Y: nothing
            EXPECT_EQ(souradniceVstup.PocetPlnychBodu(), 3);
            EXPECT_EQ(f.ValueListEditor2->Znacka(2), TznackaPlatnosti::neplatna);
            EXPECT_EQ(f.ValueListEditor2->Znacka(1), TznackaPlatnosti::platna);
            Napis(f, {"N", "10", "20,5", "30"});
            f.Button3Click();
            f.Button3Click();  // the same values again: stored once
            EXPECT_EQ(f.ValueListEditor1->Hodnoty(), (TStringList{"", "", "", ""}));
        });
        okno.Novy1Click();
        EXPECT_EQ(Cisla(souradniceVstup), (std::vector<std::string>{"1", "N", "2", "3"}));
        const Tbod& n = souradniceVstup.bod[1];
        EXPECT_EQ(n.X, 10);
        EXPECT_EQ(n.Y, 20.5L);
        EXPECT_EQ(n.poradi, 2);
        EXPECT_EQ(souradniceVstup.bod[3].poradi, 4);
        EXPECT_EQ(PocetVybranych(vyberVstup.hromadny), 1);
        EXPECT_TRUE(vyberVstup.hromadny[1]);
        EXPECT_EQ(okno.StringGrid3->Row(), 1);
        EXPECT_EQ(okno.StringGrid3->Cell(0, 1), "N");
    });
    // New points are fixed while edited; the user points never are.
    EXPECT_FALSE(souradniceUzivatelske->bod[1].JeFixni);
}

TEST_F(VstupTest, EnterInAnEditedCellInsertsWhatWasTypedAndYXOrderFillsTheRowsAsCaptioned)
{
    sitmera::nastaveni->NastavPoradiXY(1);
    sitmera::jazyk->NastavXY(1);
    VUzivatelskychBodech([this](TForm78& okno) {
        Editor([](TForm79& f) {
            EXPECT_EQ(f.ValueListEditor1->Klic(1), "Coordinate Y");
            Napis(f, {"P7", "200", "100", ""});
            f.ValueListEditor1->UpravHodnotu(3);
            QLineEdit* bunka = nullptr;
            for (QLineEdit* e : f.ValueListEditor1->findChildren<QLineEdit*>())
                if (e->isVisible()) bunka = e;
            ASSERT_NE(bunka, nullptr);
            bunka->setText(QStringLiteral("5"));
            StiskniKlavesu(bunka, Qt::Key_Return);

            // Del inside a cell deletes a character; outside one it clears every row.
            Napis(f, {"P8", "1", "2", "3"});
            f.ValueListEditor1->UpravHodnotu(0);
            for (QLineEdit* e : f.ValueListEditor1->findChildren<QLineEdit*>())
                if (e->isVisible()) bunka = e;
            bunka->setCursorPosition(0);
            StiskniKlavesu(bunka, Qt::Key_Delete);
            EXPECT_EQ(f.ValueListEditor1->Hodnoty(), (TStringList{"8", "1", "2", "3"}));
            f.ValueListEditor1->PotvrdUpravu();
            StiskniKlavesu(f.ValueListEditor1, Qt::Key_Delete);
            EXPECT_EQ(f.ValueListEditor1->Hodnoty(), (TStringList{"", "", "", ""}));
            EXPECT_EQ(f.ValueListEditor2->Znacka(1), TznackaPlatnosti::neplatna);
        });
        okno.Novy1Click();
        ASSERT_EQ(souradniceVstup.PocetPlnychBodu(), 1);
        const Tbod& b = souradniceVstup.bod[0];
        EXPECT_EQ(b.cislo, "P7");
        EXPECT_EQ(b.X, 100);  // the second row in YX order
        EXPECT_EQ(b.Y, 200);
        EXPECT_EQ(b.Z, 5);
        // Shown as in the grid: Y first.
        EXPECT_EQ(okno.StringGrid3->Cell(1, 0), "200.0000");
    });
}

TEST_F(VstupTest, EditingChangesOnlyTheFilledRowsOfEverySelectedPoint)
{
    souradniceUzivatelske->PridejBod(Bod("1", 1.123456L, 2, 3));
    souradniceUzivatelske->PridejBod(Bod("2", 4, 5, 6));
    souradniceUzivatelske->PridejBod(Bod("3", 7, 8, 9));
    VUzivatelskychBodech([this](TForm78& okno) {
        // Several points: only Z given.
        vyberVstup.hromadny[0] = vyberVstup.hromadny[2] = true;
        Editor([](TForm79& f) {
            EXPECT_EQ(NaUtf8(f.windowTitle()), "Edit point");
            EXPECT_EQ(f.ValueListEditor1->Hodnoty(), (TStringList{"", "", "", ""}));
            EXPECT_EQ(f.ValueListEditor2->Znacka(0), TznackaPlatnosti::zadna);
            Napis(f, {"", "", " ", "100"});
            f.Button4Click();
        });
        okno.Upravit1Click();
        EXPECT_FALSE(Form79().isVisible());
        const Tsouradnice& s = souradniceVstup;
        EXPECT_EQ(Cisla(s), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(s.bod[0].Z, 100);
        EXPECT_EQ(s.bod[2].Z, 100);
        EXPECT_EQ(s.bod[1].Z, 6);
        EXPECT_EQ(s.bod[0].X, 1.123456L);
        EXPECT_EQ(s.bod[2].Y, 8);

        // One point: its values shown; a new number only leaves the
        // coordinates at full precision, a number with a blank is refused.
        ZrusVyber(vyberVstup.hromadny);
        vyberVstup.hromadny[0] = true;
        Editor([](TForm79& f) {
            EXPECT_EQ(f.ValueListEditor1->Hodnoty(), (TStringList{"1", "1.1235", "2.0000", "100.0000"}));
            f.ValueListEditor1->NastavHodnotu(0, "1 A");
            f.Button3Click();
            EXPECT_EQ(f.ValueListEditor2->Znacka(0), TznackaPlatnosti::neplatna);
            f.ValueListEditor1->NastavHodnotu(0, "1A");
            f.Button3Click();
        });
        okno.Upravit1Click();
        EXPECT_EQ(s.bod[0].cislo, "1A");
        EXPECT_EQ(s.bod[0].X, 1.123456L);

        // Edited and inserted, then set back to what the editor showed at
        // first and inserted again: the point takes that too.
        Editor([](TForm79& f) {
            f.ValueListEditor1->NastavHodnotu(0, "1B");
            f.Button3Click();
            f.ValueListEditor1->NastavHodnotu(0, "1A");
            f.Button3Click();
        });
        okno.Upravit1Click();
        EXPECT_EQ(s.bod[0].cislo, "1A");
    });
}

TEST_F(VstupTest, AddedFilesAppendTheGoodPointsAndReportTheFaultyLineAndAFileThatCannotBeOpened)
{
    souradniceUzivatelske->PridejBod(Bod("X", 1, 1, 1));
    for (const char* j : {"chybny_treti_radek.txt", "body_xyz.txt", "body_yxz.txt"})
        test::ZapisSoubor(slozka + "/" + j, test::CtiSoubor(kDataSouradnice + "/" + j));
    auto vyber = [this](std::vector<std::string> jmena, bool smazatTreti) {
        Obsluz("Form8", [this, jmena, smazatTreti](Formular& f) {
            auto& d = static_cast<TForm8&>(f);
            d.NastavSlozku(slozka);
            for (int i = 0; i < d.FileListBox1->count(); ++i)
                for (const auto& j : jmena)
                    if (NaUtf8(d.FileListBox1->item(i)->text()) == j) d.FileListBox1->item(i)->setSelected(true);
            // A chosen file gone before it is read.
            if (smazatTreti) QFile::remove(QString::fromStdString(slozka + "/body_yxz.txt"));
            d.Button1->click();
        });
    };
    VUzivatelskychBodech([&](TForm78& okno) {
        vyber({"chybny_treti_radek.txt", "body_xyz.txt"}, false);
        Obsluz("Form3", [](Formular& f) {
            EXPECT_EQ(NaUtf8(static_cast<TForm3&>(f).Label1->text()), "Added files: 1/2 (Number of points: 4)");
            EXPECT_EQ(NaUtf8(f.windowTitle()), "Add points");
            EXPECT_TRUE(static_cast<TForm3&>(f).Button2->isVisible());
        });
        okno.Pridat1Click();
        EXPECT_EQ(Cisla(souradniceVstup), (std::vector<std::string>{"X", "1", "2", "A1", "10"}));
        EXPECT_TRUE(okno.Label_zpracovani->isHidden());
        std::string radekChyby;
        for (const std::string& r : protokolSouboru->text)
            if (r.find("chybny_treti_radek.txt") != std::string::npos) radekChyby = r;
        EXPECT_EQ(RozdelNaSlova(radekChyby), (TStringList{"2", "chybny_treti_radek.txt", "-", "3"})) << radekChyby;

        vyber({"body_yxz.txt"}, true);
        Obsluz("Form3", [this](Formular& f) {  // under the counts, why the file was not read
            EXPECT_EQ(test::BezSlovSystemu(NaUtf8(static_cast<TForm3&>(f).Label1->text())),
                      "Added files: 0/1 (Number of points: 0)\nCannot open \"" + slozka + "/body_yxz.txt\"");
        });
        okno.Pridat1Click();
        EXPECT_TRUE(okno.Label_zpracovani->isHidden());
        EXPECT_TRUE(okno.Pridat1->isEnabled() && okno.StringGrid3->isEnabled());

        // A cancelled dialog adds nothing and shows nothing.
        Obsluz("Form8", [](Formular& f) { static_cast<TForm8&>(f).Button2->click(); });
        okno.Pridat1Click();
        EXPECT_TRUE(okno.Label_zpracovani->isHidden());
    });
    EXPECT_EQ(souradniceUzivatelske->PocetPlnychBodu(), 5);
    EXPECT_EQ(info->VratPocetSouboru(TypSouboruUzivatelske), 3);
}

TEST_F(VstupTest, AFailedSaveShowsNotice28AndLeavesTheFileAsItWas)
{
    souradniceUzivatelske->PridejBod(Bod("1", 1, 2, 3));
    souradniceUzivatelske->PridejBod(Bod("2", 1e13L, 2, 3));  // cannot be written
    const std::string cesta = slozka + "/body.txt";
    test::ZapisSoubor(cesta, "stary\r\n");
    VUzivatelskychBodech([this](TForm78& okno) {
        // The notice alone for a point that cannot be written; with the
        // points made valid, the file's message under it for a folder that
        // does not exist.
        const std::string veta = "An error occurred during the save process!";
        for (const std::string jmeno : {"body", "chybi/body"}) {
            Obsluz("Form9", [this, jmeno](Formular& f) {
                auto& d = static_cast<TForm9&>(f);
                d.NastavSlozku(slozka);
                d.Edit1->setText(NaQString(jmeno));
                d.Button1->click();
            });
            const std::string text = jmeno == "body" ? veta : veta + "\nCannot write \"" + slozka + "/chybi/body.txt\"";
            Obsluz("Form3", [text](Formular& f) {
                EXPECT_EQ(test::BezSlovSystemu(NaUtf8(static_cast<TForm3&>(f).Label1->text())), text);
            });
            okno.UlozitJako1Click();
            EXPECT_TRUE(okno.Label_zpracovani->isHidden());
            souradniceVstup.bod[1].X = 1;
        }
    });
    EXPECT_EQ(test::CtiSoubor(cesta), "stary\r\n");
    EXPECT_EQ(souradniceUzivatelske->PocetPlnychBodu(), 2);
}

TEST_F(VstupTest, DeleteAsksFirstAndCutAndPasteGoThroughTheBufferAlsoFromTheMainWindow)
{
    NactiEtapy();
    for (const char* c : {"1", "2", "3"}) souradniceUzivatelske->PridejBod(Bod(c, 1, 2, 3));
    // Pair 50 copied in the main window.
    vyberHlavni.hromadny[0] = vyberHlavni.hromadny[1] = true;
    okno->Kopirovat1Click();
    VUzivatelskychBodech([this](TForm78& okno) {
        vyberVstup.hromadny[0] = true;
        Obsluz("Form4", [](Formular& f) {
            EXPECT_EQ(NaUtf8(static_cast<TForm4&>(f).Label1->text()),
                      "Do you really want to delete the points? (Number of points: 1)");
            static_cast<TForm4&>(f).Button2->click();
        });
        okno.Smazat1Click();
        EXPECT_EQ(Cisla(souradniceVstup), (std::vector<std::string>{"1", "2", "3"}));

        okno.Vlozit1Click();  // before point 1
        EXPECT_EQ(Cisla(souradniceVstup), (std::vector<std::string>{"50", "50", "1", "2", "3"}));
        ZrusVyber(vyberVstup.hromadny);
        vyberVstup.hromadny[4] = true;
        okno.Vyjmout1Click();
        ZrusVyber(vyberVstup.hromadny);
        okno.Vlozit1Click();  // at the end
        EXPECT_EQ(Cisla(souradniceVstup), (std::vector<std::string>{"50", "50", "1", "2", "3"}));
        EXPECT_EQ(NaUtf8(okno.Label_duplikaty_cislo->text()), "2 ");  // the two 50s
        EXPECT_EQ(okno.Label_duplikaty_cislo->palette().color(QPalette::WindowText), QColor(0xEE, 0x5C, 0x5C));
    });
}

TEST_F(VstupTest, EveryCloseWritesBackClearsFixationResetsTheKeysUserPointsAndMarksTheEpochsStale)
{
    NactiEtapy();
    Tbod u = Bod("U1", 950, 2100, 305);
    u.JeFixni = true;
    souradniceUzivatelske->PridejBod(u);
    souradniceUzivatelske->PridejPrazdnyBod();
    // A three-point key with C among the user points.
    klicTransformace.typ = 2;
    klicTransformace.typBod = {0, 1, 2};
    klicTransformace.poradiBod[0][0] = 0;
    klicTransformace.poradiBod[1][1] = 1;
    klicTransformace.poradiBod[2][2] = 0;
    PriraditSouradniceKlice(klicTransformace, modelPorovnani->etapa1.souradnice, modelPorovnani->etapa2.souradnice,
                            *souradniceUzivatelske);
    ASSERT_TRUE(VypocetKlice(klicTransformace));
    info->jeTransformaceEtapa1 = info->jeTransformaceEtapa2 = true;

    VUzivatelskychBodech([](TForm78&) {});  // no edit at all

    ASSERT_EQ(souradniceUzivatelske->bod.size(), 1u);
    EXPECT_FALSE(souradniceUzivatelske->bod[0].JeFixni);
    EXPECT_EQ(klicTransformace.poradiBod[2][2], -1);
    EXPECT_EQ(klicTransformace.poradiBod[0][0], 0);
    EXPECT_FALSE(klicTransformace.jePlny);
    EXPECT_FALSE(info->jeTransformaceEtapa1);
    EXPECT_FALSE(info->jeTransformaceEtapa2);
    EXPECT_TRUE(souradniceVstup.bod.empty());
}

TEST_F(VstupTest, ATallerWindowFillsEveryRowOnScreen)
{
    souradniceUzivatelske->PridejBod(Bod("1", 1, 2, 3));
    VUzivatelskychBodech([](TForm78& okno) {
        Mrizka* g = okno.StringGrid3;
        const int predtim = g->RowCount();
        okno.resize(okno.width(), okno.height() + 300);
        QCoreApplication::processEvents();
        EXPECT_GT(g->RowCount(), predtim);
        // The last pixel line of the grid lies on a row of the list.
        EXPECT_NE(g->rowAt(g->viewport()->height() - 1), -1);
        EXPECT_EQ(static_cast<int>(souradniceVstup.bod.size()), g->RowCount());
    });
    EXPECT_EQ(souradniceUzivatelske->bod.size(), 1u);  // the padding is not stored
}

// Every menu and popup caption of the user-point window: name, Czech,
// English.
const std::vector<std::array<const char*, 3>> kNabidkyVstupu = {
    {"Hlavni1", "Hlavní", "Main"}, {"Pridat1", "Přidat ...", "Add ..."}, {"UlozitJako1", "Uložit jako ...", "Save as ..."},
    {"Zavrit1", "Ukončit", "Close"}, {"Souadnice1", "Souřadnice", "Coordinates"}, {"Novy1", "Nový ...", "New ..."},
    {"Upravit1", "Upravit ...", "Edit ..."}, {"Smazat1", "Smazat", "Delete"}, {"Hledat1", "Najít ...", "Find ..."},
    {"HledatDalsi1", "Najít další", "Find next"}, {"HledatPredchozi1", "Najít předchozí", "Find previous"},
    {"HledatChybu1", "Najít chybné", "Find faulty"}, {"Posun1", "Posunout", "Move"},
    {"PosunNahoru1", "Posunout nahoru", "Move up"}, {"PosunDolu1", "Posunout dolů", "Move down"},
    {"Seradit1", "Seřadit podle ...", "Sort by ..."}, {"SeraditDleCislo1", "Číslo bodu", "Point number"},
    {"SeraditDleX1", "Souřadnice X", "Coordinate X"}, {"SeraditDleY1", "Souřadnice Y", "Coordinate Y"},
    {"SeraditDleZ1", "Souřadnice Z", "Coordinate Z"}, {"ProhoditXY1", "Zaměnit X-Y", "Swap X-Y"},
    {"Kopirovat1", "Kopírovat", "Copy"}, {"Vyjmout1", "Vyjmout", "Cut"}, {"Vlozit1", "Vložit", "Paste"},
    {"Vyber1", "Výběr", "Selection"}, {"Vybratvse1", "Vybrat vše", "Select all"},
    {"Zrusitvyber1", "Zrušit výběr", "Clear selection"}, {"VyberDleAtributu1", "Dle atributů ...", "By attributes ..."},
    {"Novy2", "Nový ...", "New ..."}, {"Upravit2", "Upravit ...", "Edit ..."}, {"Smazat2", "Smazat", "Delete"},
    {"PosunNahoru2", "Posunout nahoru", "Move up"}, {"PosunDolu2", "Posunout dolů", "Move down"},
    {"Kopirovat2", "Kopírovat", "Copy"}, {"Vyjmout2", "Vyjmout", "Cut"}, {"Vlozit2", "Vložit", "Paste"},
};

TEST_F(VstupTest, Gallery)
{
    souradniceUzivatelske->PridejBod(Bod("1", 1000, 2000, 300));
    souradniceUzivatelske->PridejBod(Bod("2", 1000, 2000, 301));
    souradniceUzivatelske->PridejBod(Bod("A1", 1010.5L, 2005.25L, 301.125L));
    for (std::uint8_t typ : {0, 1}) {
        sitmera::nastaveni->typJazyk = typ;
        sitmera::jazyk->Default(*sitmera::nastaveni);
        const std::string j = typ == 0 ? "_cz" : "_en";
        VUzivatelskychBodech([&](TForm78& okno) {
            EXPECT_EQ(test::PopiskyNabidek(okno), test::TextyJazyka(kNabidkyVstupu, typ));
            vyberVstup.hromadny[2] = true;
            okno.ObnovTabulku();
            test::UlozDoGalerie(okno, "Form78" + j);
            Editor([&](TForm79& f) {
                f.ValueListEditor1->NastavHodnotu(0, "A2");
                f.ValueListEditor1->NastavHodnotu(2, "x");
                test::UlozDoGalerie(f, "Form79" + j);
            });
            okno.Novy1Click();
        });
    }
}

}  // namespace
}  // namespace sitmera
