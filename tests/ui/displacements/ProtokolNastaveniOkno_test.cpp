// The report settings window: loading the switches, enabling of the accuracy
// boxes, storing and clearing only the changed groups, and the gallery.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <cstring>

#include "ui/displacements/ProtokolNastaveniOkno.h"
#include "ui/displacements/NastaveniTest.h"

namespace sitmera {
namespace {

using test::StiskniKlavesu;

TprotokolNastaveni& P() { return sitmera::nastaveni->protokol; }

// A pattern with sections on and off in every group and an accuracy choice
// of a switched-off section (etapaVstupElipsPresnost) that no one can change.
TprotokolNastaveni Vzor()
{
    TprotokolNastaveni p;
    p.etapaVstupInfo = p.etapaVstupSour = p.etapaTransInfo = p.etapaTransElips = true;
    p.posunKlic = p.posunBodyIdent = p.posunValueSemipolar = p.posunHodnoceniZ = true;
    p.etapaVstupSourPresnost = 3; p.etapaVstupElipsPresnost = 2; p.etapaTransSourPresnost = 1;
    p.posunValuePresnost = 3; p.posunElipsPresnost = 1; p.posunHodnoceniPresnost = 2;
    return p;
}

bool Stejne(const TprotokolNastaveni& a, const TprotokolNastaveni& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;  // bools and bytes only, no padding
}

class ProtokolNastaveniOknoTest : public test::NastaveniTest {
protected:
    void SetUp() override
    {
        NastaveniTest::SetUp();
        P() = Vzor();
    }
};

TEST_F(ProtokolNastaveniOknoTest, LoadsEverySwitchAndEnablesAnAccuracyBoxOnlyWithItsSections)
{
    Otevri(Form83(), [](TForm83& f) {
        const QCheckBox* zapnute[] = {f.CheckBox1, f.CheckBox2, f.CheckBox5, f.CheckBox7,
                                      f.CheckBox8, f.CheckBox10, f.CheckBox13, f.CheckBox18};
        for (const QCheckBox* c : f.findChildren<QCheckBox*>())
            EXPECT_EQ(c->isChecked(), std::find(std::begin(zapnute), std::end(zapnute), c) != std::end(zapnute))
                << NaUtf8(c->objectName());
        const struct {
            QComboBox* combo;
            int index, polozek;
            bool povoleno;
        } boxy[] = {
            {f.ComboBox1, 3, 4, true}, {f.ComboBox2, 2, 3, false}, {f.ComboBox3, 1, 4, false},
            {f.ComboBox4, 0, 3, true}, {f.ComboBox5, 0, 4, true},  {f.ComboBox6, 3, 4, true},
            {f.ComboBox7, 1, 2, false}, {f.ComboBox8, 2, 3, true},
        };
        for (const auto& b : boxy) {
            EXPECT_EQ(b.combo->currentIndex(), b.index) << NaUtf8(b.combo->objectName());
            EXPECT_EQ(b.combo->count(), b.polozek) << NaUtf8(b.combo->objectName());
            EXPECT_EQ(b.combo->isEnabled(), b.povoleno) << NaUtf8(b.combo->objectName());
        }
        EXPECT_EQ(NaUtf8(f.ComboBox1->itemText(0)), "Without standard deviations");
        EXPECT_EQ(NaUtf8(f.ComboBox1->itemText(3)), "A priori / A posteriori accuracy");
        EXPECT_EQ(NaUtf8(f.ComboBox7->itemText(1)), "A posteriori accuracy");
        EXPECT_EQ(NaUtf8(f.windowTitle()), "Options - Protocol");
        EXPECT_EQ(NaUtf8(f.Label1->text()), "A. Connected (original) epoch");
        EXPECT_EQ(NaUtf8(f.CheckBox14->text()), "07. Polar projection");
        EXPECT_EQ(NaUtf8(f.CheckBox20->text()), "13. Spatial movement");
        EXPECT_EQ(f.focusWidget(), f.Button2);

        // A shared box follows any of its sections.
        f.CheckBox13->setChecked(false);
        EXPECT_FALSE(f.ComboBox6->isEnabled());
        f.CheckBox14->setChecked(true);
        EXPECT_TRUE(f.ComboBox6->isEnabled());
        f.CheckBox18->setChecked(false);
        f.CheckBox20->setChecked(true);
        EXPECT_TRUE(f.ComboBox8->isEnabled());
        f.CheckBox3->setChecked(true);
        EXPECT_TRUE(f.ComboBox2->isEnabled());
    });
}

TEST_F(ProtokolNastaveniOknoTest, StoresAndClearsOnlyTheChangedGroups)
{
    const struct {
        const char* co;
        std::function<void(TForm83&)> zmena;
        const char* postaveno;  // reports still built
        std::function<void(TprotokolNastaveni&)> ulozeno;
    } tabulka[] = {
        {"input epoch info off", [](TForm83& f) { f.CheckBox1->setChecked(false); }, "-BC",
         [](TprotokolNastaveni& p) { p.etapaVstupInfo = false; }},
        {"transformed ellipsoid accuracy", [](TForm83& f) { f.ComboBox4->setCurrentIndex(2); }, "A-C",
         [](TprotokolNastaveni& p) { p.etapaTransElipsPresnost = 2; }},
        {"one displacement switch", [](TForm83& f) { f.CheckBox19->setChecked(true); }, "AB-",
         [](TprotokolNastaveni& p) { p.posunHodnoceniDelkaH = true; }},
        {"off and on again",
         [](TForm83& f) {
             f.CheckBox2->setChecked(false);
             f.CheckBox2->setChecked(true);
             f.CheckBox13->setChecked(false);
             f.CheckBox13->setChecked(true);
         },
         "ABC", [](TprotokolNastaveni&) {}},
        {"accuracy of a section that is off",
         [](TForm83& f) {
             f.CheckBox3->setChecked(true);
             f.ComboBox2->setCurrentIndex(0);
             f.CheckBox3->setChecked(false);
         },
         "ABC", [](TprotokolNastaveni&) {}},
        {"both epoch groups",
         [](TForm83& f) {
             f.CheckBox6->setChecked(true);
             f.CheckBox3->setChecked(true);
         },
         "--C",
         [](TprotokolNastaveni& p) {
             p.etapaTransSour = true;
             p.etapaVstupElips = true;
         }},
    };
    for (const auto& r : tabulka) {
        P() = Vzor();
        NaplnProtokoly();
        Otevri(Form83(), [&r](TForm83& f) {
            r.zmena(f);
            StiskniKlavesu(f.Button2, Qt::Key_Return);
            EXPECT_FALSE(f.isVisible()) << r.co;
        });
        TprotokolNastaveni ocekavane = Vzor();
        r.ulozeno(ocekavane);
        EXPECT_TRUE(Stejne(P(), ocekavane)) << r.co;
        EXPECT_EQ(Postaveno(), r.postaveno) << r.co;
    }

    // Esc stores nothing.
    P() = Vzor();
    NaplnProtokoly();
    Otevri(Form83(), [](TForm83& f) {
        f.CheckBox1->setChecked(false);
        f.CheckBox12->setChecked(true);
        StiskniKlavesu(f.CheckBox12, Qt::Key_Escape);
    });
    EXPECT_TRUE(Stejne(P(), Vzor()));
    EXPECT_EQ(Postaveno(), "ABC");
    Galerie(Form83());
}

}  // namespace
}  // namespace sitmera
