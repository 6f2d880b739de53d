// The open and save dialogs: filters, stored filter items, chosen paths,
// appended extensions, the opener's processing label; the combo fillers.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <map>
#include <utility>

#include "numerics/TextSoubor.h"
#include "numerics/ZapisSouboru.h"
#include "points/UzivatelskeBody.h"
#include "ui/layer/ComboPomocne.h"
#include "ui/OknaTest.h"
#include "ui/layer/OtevritOkno.h"
#include "ui/layer/UlozitOkno.h"

namespace sitmera {
namespace {

using test::OknaTest;
using test::StiskniKlavesu;

TEST(FiltrTest, CaptionMaskPairsWithATrailingBarTolerated)
{
    const auto a = RozdelFiltr("SM Analyser projekt|*.pea|");
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0], TpolozkaFiltru("SM Analyser projekt", "*.pea"));
    const auto b = RozdelFiltr("Text format XYZ|*.txt|Text format YXZ|*.txt");
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[1].first, "Text format YXZ");
    EXPECT_EQ(RozdelFiltr(kFiltrGrafika).size(), 4u);
    EXPECT_EQ(RozdelFiltr("Vse").at(0).second, "*");
    EXPECT_TRUE(RozdelFiltr("").empty());
    EXPECT_EQ(OmezPolozkuFiltru(5, 2), 1);
    EXPECT_EQ(OmezPolozkuFiltru(0, 0), 0);
    EXPECT_EQ(PriponaPolozky({".png", ".bmp", ".jpg", ".dxf"}, 2), ".jpg");
    EXPECT_EQ(PriponaPolozky({".pea", ".pea"}, 7), ".pea");
}

TEST(FiltrTest, MasksMatchIgnoringCase)
{
    EXPECT_TRUE(OdpovidaMasce("Body.TXT", "*.txt"));
    EXPECT_TRUE(OdpovidaMasce("a.png", "*.bmp;*.png"));
    EXPECT_FALSE(OdpovidaMasce("a.txt.bak", "*.txt"));
    EXPECT_FALSE(OdpovidaMasce("txt", "*.txt"));
}

class DialogTest : public OknaTest {
protected:
    void SetUp() override
    {
        OknaTest::SetUp();
        slozka = test::DocasnaSlozka("dialog");
        for (const char* jmeno : {"b.TXT", "a.txt", "c.epc", "d.pea", ".skryty.txt"})
            test::ZapisSoubor(slozka + "/" + jmeno, "1\n");
        QDir().mkpath(QString::fromStdString(slozka + "/podslozka"));
    }
    static std::vector<std::string> Polozky(QListWidget* l)
    {
        std::vector<std::string> v;
        for (int i = 0; i < l->count(); ++i) v.push_back(NaUtf8(l->item(i)->text()));
        return v;
    }
    static void Vyber(QListWidget* l, const std::vector<std::string>& jmena)
    {
        for (int i = 0; i < l->count(); ++i)
            for (const auto& j : jmena)
                if (NaUtf8(l->item(i)->text()) == j) l->item(i)->setSelected(true);
    }
    std::string slozka;
};

TEST_F(DialogTest, CoordinateFilesAreChosenInListOrderAndTheFilterItemIsStored)
{
    nastaveni.souborVstup.typSouradnice = 1;
    Obsluz("Form8", [&](Formular& f) {
        auto& d = static_cast<TForm8&>(f);
        EXPECT_EQ(NaUtf8(d.windowTitle()), "Add points");
        EXPECT_EQ(NaUtf8(d.Label1->text()), "  " + jazyk.tlacitko.vybratSoubor);
        EXPECT_EQ(NaUtf8(d.Button1->text()), jazyk.tlacitko.pridat);
        EXPECT_EQ(d.FilterComboBox1->count(), 2);
        EXPECT_EQ(d.FilterComboBox1->currentIndex(), 1);
        d.NastavSlozku(slozka);
        EXPECT_EQ(NaUtf8(d.Edit2->text()), slozka + "/");
        // Case-insensitive mask, sorted by name, hidden files left out.
        EXPECT_EQ(Polozky(d.FileListBox1), (std::vector<std::string>{"a.txt", "b.TXT"}));
        d.FilterComboBox1->setCurrentIndex(0);
        Vyber(d.FileListBox1, {"b.TXT", "a.txt"});
        EXPECT_EQ(NaUtf8(d.Edit1->text()), "a.txt; b.TXT");
        StiskniKlavesu(d.FileListBox1, Qt::Key_Return);  // Enter confirms
        EXPECT_FALSE(d.isVisible());
    });
    TStringList soubory;
    EXPECT_TRUE(OtevritSouboryDialog(soubory, nastaveni, jazyk));
    EXPECT_EQ(soubory, (TStringList{slozka + "/a.txt", slozka + "/b.TXT"}));
    EXPECT_EQ(nastaveni.souborVstup.typSouradnice, 0);
}

TEST_F(DialogTest, CancelledDialogsStillStoreTheFilterItemShownAndGiveNothing)
{
    nastaveni.souborVstup.typSouradnice = 0;
    Obsluz("Form8", [&](Formular& f) {
        auto& d = static_cast<TForm8&>(f);
        d.FilterComboBox1->setCurrentIndex(1);
        d.Button2->click();
    });
    TStringList soubory{"stare"};
    EXPECT_FALSE(OtevritSouboryDialog(soubory, nastaveni, jazyk));
    EXPECT_TRUE(soubory.empty());
    EXPECT_EQ(nastaveni.souborVstup.typSouradnice, 1);

    Obsluz("Form8", [&](Formular& f) {
        EXPECT_EQ(NaUtf8(f.windowTitle()), "Connect Sitmera epoch");
        StiskniKlavesu(&f, Qt::Key_Escape);
    });
    std::string soubor = "x";
    EXPECT_FALSE(OtevritSouborEtapa(soubor, nastaveni, jazyk));
    EXPECT_EQ(soubor, "");

    Obsluz("Form9", [&](Formular& f) {
        auto& d = static_cast<TForm9&>(f);
        EXPECT_EQ(NaUtf8(d.windowTitle()), "Save points");
        d.FilterComboBox1->setCurrentIndex(1);
        d.Edit1->setText(QStringLiteral("nic"));
        d.Button2->click();
    });
    soubor = "x";
    EXPECT_FALSE(UlozitSouborSouradnice(soubor, nastaveni, jazyk));
    EXPECT_EQ(soubor, "");
    EXPECT_EQ(nastaveni.souborVystup.typSouradnice, 1);
}

TEST_F(DialogTest, ProjectOpenIsSingleSelectionAndStaysOpenWithNoFile)
{
    NastavJazyk(0);
    nastaveni.souborVstup.typProjekt = 9;  // more than there are items: clamped
    Obsluz("Form8", [&](Formular& f) {
        auto& d = static_cast<TForm8&>(f);
        EXPECT_EQ(NaUtf8(d.windowTitle()), "Otevřít Sitmera Analyser projekt");
        EXPECT_EQ(d.FilterComboBox1->count(), 1);  // "...|*.pea|" has one item
        EXPECT_EQ(d.FileListBox1->selectionMode(), QAbstractItemView::SingleSelection);
        d.NastavSlozku(slozka);
        d.Button1->click();  // nothing selected: stays open
        EXPECT_TRUE(d.isVisible());
        Vyber(d.FileListBox1, {"d.pea"});
        d.Button1->click();
        EXPECT_FALSE(d.isVisible());
    });
    std::string soubor;
    EXPECT_TRUE(OtevritSouborProjekt(soubor, nastaveni, jazyk));
    EXPECT_EQ(soubor, slozka + "/d.pea");
    EXPECT_EQ(nastaveni.souborVstup.typProjekt, 0);
}

TEST_F(DialogTest, SaveAppendsTheExtensionOfTheFilterItem)
{
    nastaveni.souborVystup.typGrafika = 0;
    Obsluz("Form9", [&](Formular& f) {
        auto& d = static_cast<TForm9&>(f);
        EXPECT_EQ(NaUtf8(d.windowTitle()), "Save");
        EXPECT_EQ(NaUtf8(d.Button1->text()), "Save");
        d.NastavSlozku(slozka);
        d.FilterComboBox1->setCurrentIndex(2);  // JPEG
        d.Edit1->setText(QStringLiteral("   "));
        d.Button1->click();  // a blank name keeps the dialog open
        EXPECT_TRUE(d.isVisible());
        d.Edit1->setText(QStringLiteral("a"));
        d.Button1->click();
    });
    std::string soubor;
    EXPECT_TRUE(UlozitSouborGrafika(soubor, nastaveni, jazyk));
    EXPECT_EQ(soubor, slozka + "/a.jpg");
    EXPECT_EQ(nastaveni.souborVystup.typGrafika, 2);
}

TEST_F(DialogTest, SelectingAFileInTheSaveDialogTakesItsNameWithoutExtension)
{
    Obsluz("Form9", [&](Formular& f) {
        auto& d = static_cast<TForm9&>(f);
        EXPECT_EQ(NaUtf8(d.windowTitle()), "Save as Sitmera Analyser project");
        d.NastavSlozku(slozka);
        EXPECT_EQ(Polozky(d.FileListBox1), std::vector<std::string>{"d.pea"});
        Vyber(d.FileListBox1, {"d.pea"});
        EXPECT_EQ(NaUtf8(d.Edit1->text()), "d");
        d.Button1->click();
    });
    std::string soubor;
    EXPECT_TRUE(UlozitSouborProjekt(soubor, nastaveni, jazyk));
    EXPECT_EQ(soubor, slozka + "/d.pea");
}

TEST_F(DialogTest, DirectoryTreeOpensASubfolderAndTheParent)
{
    Obsluz("Form8", [&](Formular& f) {
        auto& d = static_cast<TForm8&>(f);
        d.NastavSlozku(slozka);
        QListWidgetItem* pod = nullptr;
        for (int i = 0; i < d.DirectoryListBox1->count(); ++i)
            if (d.DirectoryListBox1->item(i)->text().trimmed() == QStringLiteral("podslozka"))
                pod = d.DirectoryListBox1->item(i);
        EXPECT_NE(pod, nullptr);
        if (pod != nullptr) emit d.DirectoryListBox1->itemDoubleClicked(pod);
        EXPECT_EQ(d.Slozka(), slozka + "/podslozka");
        EXPECT_EQ(d.FileListBox1->count(), 0);
        // The row above the current folder is its parent.
        const int radek = d.DirectoryListBox1->currentRow();
        emit d.DirectoryListBox1->itemDoubleClicked(d.DirectoryListBox1->item(radek - 1));
        EXPECT_EQ(d.Slozka(), slozka);
        EXPECT_GE(d.DriveComboBox1->count(), 1);
        d.Close();
    });
    TStringList soubory;
    OtevritSouboryDialog(soubory, nastaveni, jazyk);
}

TEST_F(DialogTest, KeysAloneGoIntoFoldersAndChooseTheCurrentFile)
{
    // Open: Enter on another folder of the tree goes there, on the folder
    // shown it confirms; a file row made current by the keys is chosen.
    Obsluz("Form8", [&](Formular& f) {
        auto& d = static_cast<TForm8&>(f);
        QApplication::processEvents();  // activated: the focus moves
        d.NastavSlozku(slozka + "/podslozka");
        QListWidget* strom = d.DirectoryListBox1;
        strom->setFocus();
        StiskniKlavesu(strom, Qt::Key_Up);  // the parent
        StiskniKlavesu(strom, Qt::Key_Return);
        EXPECT_EQ(d.Slozka(), slozka);
        StiskniKlavesu(strom, Qt::Key_Return);  // nothing chosen: stays open
        EXPECT_TRUE(d.isVisible());
        StiskniKlavesu(strom, Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_TRUE(d.FileListBox1->hasFocus());
        StiskniKlavesu(d.FileListBox1, Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    std::string soubor;
    EXPECT_TRUE(OtevritSouborEtapa(soubor, nastaveni, jazyk));
    EXPECT_EQ(soubor, slozka + "/c.epc");

    // Save: the current row gives the name.
    Obsluz("Form9", [&](Formular& f) {
        auto& d = static_cast<TForm9&>(f);
        QApplication::processEvents();
        d.NastavSlozku(slozka);
        d.FileListBox1->setFocus(Qt::TabFocusReason);
        StiskniKlavesu(d.FileListBox1, Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(UlozitSouborProjekt(soubor, nastaveni, jazyk));
    EXPECT_EQ(soubor, slozka + "/d.pea");
}

// A name typed, Tab on into the file list (its first row current, none
// selected), Enter: the typed name is saved, and no listed file is taken for
// it and overwritten. With only blanks typed the current row's file is taken.
TEST_F(DialogTest, EnterInTheFileListSavesTheTypedNameElseTheCurrentRow)
{
    for (const auto& [jmeno, cil] : {std::pair{QStringLiteral("novy"), std::string("novy.txt")},
                                     std::pair{QStringLiteral("   "), std::string("a.txt")}}) {
        const QString napsano = jmeno;  // a lambda below takes it
        std::map<std::string, std::string> pred;
        for (const auto& e : std::filesystem::directory_iterator(slozka))
            if (e.is_regular_file()) pred[e.path().string()] = test::CtiSoubor(e.path().string());
        Obsluz("Form9", [&](Formular& f) {
            auto& d = static_cast<TForm9&>(f);
            QApplication::processEvents();
            d.NastavSlozku(slozka);
            ASSERT_TRUE(d.Edit1->hasFocus());
            for (const QChar c : napsano) StiskniKlavesu(d.Edit1, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            ASSERT_EQ(d.Edit1->text(), napsano);
            for (int i = 0; i < 10 && !d.FileListBox1->hasFocus(); ++i)
                StiskniKlavesu(QApplication::focusWidget(), Qt::Key_Tab);
            ASSERT_TRUE(d.FileListBox1->hasFocus());
            ASSERT_NE(d.FileListBox1->currentItem(), nullptr);
            EXPECT_EQ(NaUtf8(d.FileListBox1->currentItem()->text()), "a.txt");
            EXPECT_TRUE(d.FileListBox1->selectedItems().isEmpty());
            StiskniKlavesu(d.FileListBox1, Qt::Key_Return);
            EXPECT_FALSE(d.isVisible());
        });
        std::string soubor;
        ASSERT_TRUE(UlozitSouborProtokol(soubor, nastaveni, jazyk)) << NaUtf8(napsano);
        EXPECT_EQ(soubor, slozka + "/" + cil);
        ZapisTextovySoubor(soubor, {"protokol"});
        pred[slozka + "/" + cil] = "protokol\r\n";
        for (const auto& [cesta, obsah] : pred) EXPECT_EQ(test::CtiSoubor(cesta), obsah) << cesta;
    }
}

TEST_F(DialogTest, ClosingTheDialogTogglesTheOpenersProcessingLabel)
{
    test::OknoSLabelem okno(QStringLiteral("Form78"));
    for (bool zvolit : {true, false}) {
        Obsluz("Form78", [&](Formular&) {
            Obsluz("Form8", [&](Formular& f) {
                auto& d = static_cast<TForm8&>(f);
                EXPECT_TRUE(okno.Label_zpracovani->isHidden());
                d.NastavSlozku(slozka);
                if (zvolit) {
                    Vyber(d.FileListBox1, {"a.txt"});
                    d.Button1->click();
                } else {
                    d.Button2->click();
                }
            });
            TStringList soubory;
            EXPECT_EQ(OtevritSouboryDialog(soubory, nastaveni, jazyk), zvolit);
            // Shown after the close, chosen or cancelled; the caller switches it off.
            EXPECT_FALSE(okno.Label_zpracovani->isHidden());
            PrepniZpracovani(&okno);
        });
        ZobrazModalne(okno);
    }
}

// --- combo fillers -------------------------------------------------------------

struct Bod {
    std::string cislo;
    bool JeFixni;
};
struct Seznam {
    std::vector<Bod> bod;
};
struct Posun {
    std::string cislo;
    bool JeFix1, JeFix2;
};

TEST_F(DialogTest, ComboFillers)
{
    QComboBox combo;
    const auto polozky = [&combo] {
        std::vector<std::string> v;
        for (int i = 0; i < combo.count(); ++i) v.push_back(NaUtf8(combo.itemText(i)));
        return v;
    };
    using V = std::vector<std::string>;
    NaplnComboCisla(&combo, 3, 2);
    EXPECT_EQ(polozky(), (V{"0", "1", "2", "3"}));
    EXPECT_EQ(combo.currentIndex(), 2);

    const Seznam s{{{"1", false}, {"2", true}, {"3", true}}};
    NaplnComboBody(&combo, s, 0, true);
    EXPECT_EQ(combo.count(), 0);
    NaplnComboBody(&combo, s, 2, true);
    EXPECT_EQ(polozky(), (V{"1", "2 F"}));
    NaplnComboBody(&combo, s, 9, false);
    EXPECT_EQ(polozky(), (V{"1", "2", "3"}));

    const std::vector<Posun> p = {{"A", false, false}, {"B", true, false}, {"C", false, true}, {"D", true, true}};
    NaplnComboPosuny(&combo, p, 4, true);
    EXPECT_EQ(polozky(), (V{"A", "B F1", "C F2", "D F"}));
}

}  // namespace
}  // namespace sitmera
