// The find/select windows of the main list and of the user points: criteria
// read from the edits, find with one wrap on the values as the grid shows
// them, select with the fixation criterion, and the criteria kept per list
// and mode.
#include <QComboBox>
#include <QLineEdit>

#include "program/Globalni.h"
#include "ui/Galerie.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/ProgramTest.h"
#include "ui/SouradniceVstupOkno2.h"
#include "ui/VyberSouradniceFixOkno.h"

namespace sitmera {
namespace {

using test::StiskniKlavesu;

class VyberTest : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        DalsiOkna().Form61 = [] { ZobrazModalne(Form61()); };
        atributHledaniHlavni = atributVyberHlavni = atributHledani = atributVyber = Tatribut();
        NactiEtapy();
    }

    // Runs the main window's find (or select) item with `prace` in the window.
    void VHlavnim(QAction* polozka, std::function<void(TForm61&)> prace)
    {
        Obsluz("Form61", [prace](Formular& f) { prace(static_cast<TForm61&>(f)); });
        ASSERT_TRUE(VyvolejPolozku(polozka));
    }

    static void Enter(TvyberBoduOkno& f) { StiskniKlavesu(f.Edit1, Qt::Key_Return); }
};

TEST_F(VyberTest, FindMatchesTheShownValueWrapsOnceAndKeepsTheWindowOpenWithoutACriterion)
{
    Mrizka* g = okno->StringGrid3;
    g->SetRow(0);
    VHlavnim(okno->Hledat1, [](TForm61& f) {
        EXPECT_EQ(NaUtf8(f.windowTitle()), "Find point");
        EXPECT_EQ(f.ComboBox1->count(), 7);
        EXPECT_EQ(f.ComboBox2->count(), 6);
        EXPECT_EQ(NaUtf8(f.ComboBox5->itemText(2)), "Is fixed");
        Enter(f);  // nothing entered
        EXPECT_TRUE(f.isVisible());
        f.Edit2->setText(QStringLiteral("abc"));
        Enter(f);
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(NaUtf8(f.Edit2->text()), "");
        // 101 of epoch 1 lies at 1000.123456 and shows as 1000.1235.
        f.Edit2->setText(QStringLiteral("1000,1235"));
        Enter(f);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(g->Row(), 2);
    EXPECT_TRUE(atributHledaniHlavni.kontrola[1]);

    // From the last row the search wraps to the first match; with no match
    // the current row stays.
    g->SetRow(5);
    VHlavnim(okno->Hledat1, [](TForm61& f) {
        EXPECT_EQ(NaUtf8(f.Edit2->text()), "1000.1235");  // the criteria of the last find
        Enter(f);
    });
    EXPECT_EQ(g->Row(), 2);
    VHlavnim(okno->Hledat1, [](TForm61& f) {
        f.ComboBox2->setCurrentIndex(1);  // ">"
        f.Edit2->setText(QStringLiteral("5000"));
        Enter(f);
    });
    EXPECT_EQ(g->Row(), 2);
    // Find next uses the same criteria, without the window.
    atributHledaniHlavni.vaha_delka = 1;  // Y ">" ...
    atributHledaniHlavni.smer = 2050;
    atributHledaniHlavni.kontrola = {false, false, true, false, false};
    okno->HledatDalsi1Click();
    EXPECT_EQ(g->Row(), 4);
}

TEST_F(VyberTest, SelectByFixationJudgesEachRowOfAPairAndTheCriteriaStaySeparatePerMode)
{
    souradniceHlavni->bod[3].JeFixni = true;  // 101 fixed in epoch 2 only
    vyberHlavni.hromadny[4] = true;           // replaced by the selection
    VHlavnim(okno->VyberDleAtributu1, [](TForm61& f) {
        EXPECT_EQ(NaUtf8(f.windowTitle()), "Selection by attributes");
        f.ComboBox5->setCurrentIndex(2);
        Enter(f);
    });
    std::vector<int> vybrane;
    for (int i = 0; i < static_cast<int>(vyberHlavni.hromadny.size()); ++i)
        if (vyberHlavni.hromadny[i]) vybrane.push_back(i);
    EXPECT_EQ(vybrane, (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(okno->StringGrid3->Row(), 0);
    EXPECT_EQ(NaUtf8(okno->Label_vyber->text()), " 3 / 6 (3 : 3 + 0)");

    // Not fixed, with the number: only 102 of epoch 1 and 2.
    VHlavnim(okno->VyberDleAtributu1, [](TForm61& f) {
        EXPECT_EQ(f.ComboBox5->currentIndex(), 2);
        f.ComboBox5->setCurrentIndex(1);
        f.ComboBox1->setCurrentIndex(2);  // ">"
        f.Edit1->setText(QStringLiteral(" 101 "));
        Enter(f);
    });
    vybrane.clear();
    for (int i = 0; i < static_cast<int>(vyberHlavni.hromadny.size()); ++i)
        if (vyberHlavni.hromadny[i]) vybrane.push_back(i);
    EXPECT_EQ(vybrane, (std::vector<int>{4, 5}));
    EXPECT_EQ(atributVyberHlavni.cislo_stn, "101");

    // The find criteria of the main list and both records of the user points
    // are untouched; Esc keeps what was confirmed.
    EXPECT_FALSE(JeKontrola(atributHledaniHlavni));
    EXPECT_FALSE(JeKontrola(atributVyber));
    VHlavnim(okno->VyberDleAtributu1, [](TForm61& f) {
        EXPECT_EQ(NaUtf8(f.Edit1->text()), "101");
        StiskniKlavesu(f.Edit1, Qt::Key_Escape);
    });
    EXPECT_EQ(atributVyberHlavni.cislo_stn, "101");
}

TEST_F(VyberTest, TheUserPointWindowFindsByNumberTextAndSelectsWithoutFixation)
{
    for (const char* c : {"10", "5", "110", "A10B", "7"}) {
        Tbod b;
        BodDefault(b);
        b.cislo = c;
        b.JePlny = true;
        b.JeFixni = true;
        souradniceUzivatelske->PridejBod(b);
    }
    Obsluz("Form78", [this](Formular& o) {
        auto& vstup = static_cast<TForm78&>(o);
        vstup.StringGrid3->SetRow(0);
        std::vector<int> nalezene;
        for (int k = 0; k < 3; ++k) {
            Obsluz("Form69", [](Formular& f) {
                auto& v = static_cast<TForm69&>(f);
                EXPECT_EQ(v.ComboBox5, nullptr);
                v.ComboBox1->setCurrentIndex(1);  // contains
                v.Edit1->setText(QStringLiteral("10"));
                Enter(v);
            });
            vstup.Hledat1Click();
            nalezene.push_back(vstup.StringGrid3->Row());
        }
        // 10 is the current row: examined last, after a wrap.
        EXPECT_EQ(nalezene, (std::vector<int>{2, 3, 0}));
        Obsluz("Form69", [](Formular& f) {
            auto& v = static_cast<TForm69&>(f);
            EXPECT_EQ(NaUtf8(v.Edit1->text()), "");  // the select criteria are apart
            v.Edit1->setText(QStringLiteral("7"));
            Enter(v);
        });
        vstup.VyberDleAtributu1Click();
        EXPECT_EQ(PocetVybranych(vyberVstup.hromadny), 1);
        EXPECT_TRUE(vyberVstup.hromadny[4]);
        EXPECT_EQ(NaUtf8(vstup.Label_vyber->text()), " 1 / 5");
    });
    sitmera::nastaveni->okno.bodyVstup = 3;
    ZobrazModalne(Form78());
    EXPECT_EQ(atributHledani.cislo_stn, "10");
    EXPECT_FALSE(JeKontrola(atributHledaniHlavni));
}

TEST_F(VyberTest, Gallery)
{
    for (std::uint8_t typ : {0, 1}) {
        sitmera::nastaveni->typJazyk = typ;
        sitmera::jazyk->Default(*sitmera::nastaveni);
        const std::string j = typ == 0 ? "_cz" : "_en";
        VHlavnim(okno->VyberDleAtributu1, [&](TForm61& f) {
            f.Edit1->setText(QStringLiteral("101"));
            f.ComboBox5->setCurrentIndex(2);
            test::UlozDoGalerie(f, "Form61" + j);
        });
        Obsluz("Form78", [&](Formular&) {
            Obsluz("Form69", [&](Formular& f) { test::UlozDoGalerie(f, "Form69" + j); });
            Form78().Hledat1Click();
        });
        sitmera::nastaveni->okno.bodyVstup = 3;
        ZobrazModalne(Form78());
    }
}

}  // namespace
}  // namespace sitmera
