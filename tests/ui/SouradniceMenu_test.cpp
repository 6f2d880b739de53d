// Texts, enabling and status lines of the main window and the coordinate
// windows, and their application to a window's controls by name.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <map>

#include "analysis/ModelPorovnani.h"
#include "ui/layer/Menu.h"
#include "ui/OknaTest.h"
#include "ui/SouradniceMenu.h"

namespace sitmera {
namespace {

using test::OknaTest;

std::map<std::string, std::string> Mapa(const Tpopisky& p)
{
    std::map<std::string, std::string> m;
    for (const auto& [k, v] : p) m[k] = v;
    return m;
}

std::map<std::string, bool> Mapa(const Tpovoleni& p)
{
    std::map<std::string, bool> m;
    for (const auto& [k, v] : p) m[k] = v;
    return m;
}

Tbod Bod(const std::string& cislo, bool aktivni)
{
    Tbod b;
    BodDefault(b);
    b.cislo = cislo;
    b.JePlny = true;
    b.JeAktiv = aktivni;
    return b;
}

class SouradniceMenuTest : public OknaTest {};

TEST_F(SouradniceMenuTest, HeadersFollowTheAxisOrderAndUnit)
{
    auto h = Mapa(PopiskyZahlaviHlavni(jazyk));
    EXPECT_EQ(h["Label_srd_X"], "X");
    EXPECT_EQ(h["Label_srd_Y"], "Y");
    EXPECT_EQ(h["Label_srd_Z"], jazyk.popis.z);
    EXPECT_EQ(h["Label_srd_X_jdn"], "[m]");
    nastaveni.NastavPoradiXY(1);
    nastaveni.jednotky.souradnice = 1;
    jazyk.Default(nastaveni);
    h = Mapa(PopiskyZahlaviHlavni(jazyk));
    EXPECT_EQ(h["Label_srd_X"], "Y");
    EXPECT_EQ(h["Label_srd_Y"], "X");
    EXPECT_EQ(h["Label_srd_Z_jdn"], "[ft]");
}

// (The enabling and status line of an empty list are checked on the main window.)
TEST_F(SouradniceMenuTest, EnablingOfASelection)
{
    TmodelPorovnani model;
    Tsouradnice s;
    Tvyber v;
    s.PridejBod(Bod("1", false));
    s.PridejBod(Bod("1", false));
    v.hromadny = {false, true};
    model.etapa2.jePripojen = true;
    auto e = Mapa(PovoleniMenuHlavni(s, v, model));
    EXPECT_EQ(e.count("PrvniEtapa1"), 0u);  // the epoch items are always enabled
    EXPECT_TRUE(e["Hledat1"]);
    EXPECT_TRUE(e["Kopirovat1"]);
    EXPECT_TRUE(e["Spravovat1"]);
    EXPECT_FALSE(e["TransformaceEpocha1"]);
    EXPECT_TRUE(e["TransformaceEpocha2"]);
    EXPECT_FALSE(e["Porovnat1"]);  // no active point
    s.bod[0].JeAktiv = true;
    EXPECT_TRUE(Mapa(PovoleniMenuHlavni(s, v, model))["Porovnat1"]);

    auto p = Mapa(PovoleniPopupHlavni(s, v));
    EXPECT_TRUE(p["Kopirovat2"] && p["JeAktivni2"] && p["JeNeaktivni2"] && p["VybratVse2"] && p["ZrusitVyber2"]);
    v.hromadny = {false, false};
    p = Mapa(PovoleniPopupHlavni(s, v));
    EXPECT_FALSE(p["Kopirovat2"] || p["JeAktivni2"] || p["JeNeaktivni2"]);
    EXPECT_TRUE(p["VybratVse2"] && p["ZrusitVyber2"]);
}

TEST_F(SouradniceMenuTest, MainStatusLine)
{
    Tvyber v;
    v.hromadny.assign(40, false);
    v.hromadny[0] = v.hromadny[5] = v.hromadny[39] = true;
    EXPECT_EQ(TextStavuVyberuHlavni(v, 20, 18), " 3 / 40 (20 : 18 + 2)");
}

TEST_F(SouradniceMenuTest, UserPointEnablingAndStatus)
{
    Tsouradnice s;
    s.PridejBod(Bod("1", true));
    s.PridejBod(Bod("2", true));
    Tvyber v;
    v.hromadny = {true, false};
    nastaveni.schranka.souradnice_existuje = true;
    auto e = Mapa(PovoleniMenuVstup(s, nastaveni, v, chyby));
    EXPECT_TRUE(e["Posun1"]);
    EXPECT_TRUE(e["Seradit1"]);
    EXPECT_TRUE(e["Vlozit1"]);
    EXPECT_FALSE(e["HledatChybu1"]);  // no duplicates
    chyby.souradniceUzivatelskeCekovyPocetChyb = 2;
    v.hromadny = {true, true};
    e = Mapa(PovoleniMenuVstup(s, nastaveni, v, chyby));
    EXPECT_FALSE(e["Posun1"]);
    EXPECT_FALSE(e["Vlozit1"]);  // two rows selected
    EXPECT_TRUE(e["HledatChybu1"]);
    auto p = Mapa(PovoleniPopupVstup(nastaveni, v));
    EXPECT_FALSE(p["PosunNahoru2"]);
    EXPECT_TRUE(p["Smazat2"]);

    // No duplicates: both counters show green zeros.
    Tchyby bez;
    TstavVstup st = StavVstup(bez, s, v);
    EXPECT_EQ(st.duplikatySouradnice, " 0");
    EXPECT_EQ(st.duplikatyCislo, "0 ");
    EXPECT_EQ(st.barvaSouradnice, QColor(0x59, 0xBE, 0x4D));
    EXPECT_EQ(st.barvaCislo, QColor(0x59, 0xBE, 0x4D));
    EXPECT_EQ(st.vyber, " 2 / 2");
    bez.souradniceUzivatelskePocetChyb.X = 3;
    bez.souradniceUzivatelskePocetChyb.Y = 2;
    bez.souradniceUzivatelskePocetChyb.Z = 1;
    st = StavVstup(bez, s, v);
    EXPECT_EQ(st.duplikatySouradnice, " 3");
    EXPECT_EQ(st.duplikatyCislo, "3 ");
    EXPECT_EQ(st.barvaSouradnice, QColor(0xEE, 0x5C, 0x5C));
}

TEST_F(SouradniceMenuTest, FindDeviationAndEllipsoidTexts)
{
    EXPECT_EQ(Mapa(PopiskyHledaniHlavni(jazyk))["Label2"], "X [m]:");
    EXPECT_EQ(Mapa(PopiskyHledaniVstup(jazyk)).count("Label5"), 0u);  // no fixation criterion
    EXPECT_EQ(Mapa(PopiskyZahlaviOdchylek(jazyk, 2))["Label_srd_X_jdn"], "[mm]");
    EXPECT_EQ(Mapa(PopiskyZahlaviOdchylek(jazyk, 1))["Label_srd_X_jdn"], "[m]");
    auto v = Mapa(ViditelnostPopupOdchylek(2));
    EXPECT_FALSE(v["HledatChybu1"] || v["N1"]);
    auto el = Mapa(PopiskyZahlaviElipsoidu(jazyk));
    EXPECT_EQ(el["Label_SRD"], jazyk.popis.poloosyElsoidu);
    EXPECT_EQ(el["Label_smernik_jdn"], "[gon]");
    Tvyber nic;
    EXPECT_FALSE(Mapa(PovoleniPopupElipsoidu(nic))["Kopirovat1"]);
}

// A window with a menu, a label, a button and a combo box named as the
// tables name them.
class OknoPopisku : public Formular {
public:
    OknoPopisku() : Formular(QStringLiteral("Form91"))
    {
        auto* menu = VytvorHlavniMenu(*this);
        Hlavni1 = PridejMenu(menu, QStringLiteral("Souadnice1"));
        Kopirovat1 = PridejPolozku(Hlavni1, QStringLiteral("Kopirovat1"), 16451, {});
        Label = new QLabel(this);
        Label->setObjectName(QStringLiteral("Label5"));
        Button = new QPushButton(this);
        Button->setObjectName(QStringLiteral("Button1"));
        Combo = new QComboBox(this);
        Combo->setObjectName(QStringLiteral("ComboBox5"));
    }
    Nabidka* Hlavni1;
    QAction* Kopirovat1;
    QLabel* Label;
    QPushButton* Button;
    QComboBox* Combo;
};

TEST_F(SouradniceMenuTest, TextsAndEnablingAreAppliedByName)
{
    OknoPopisku okno;
    PouzijPopisky(okno, {{"", "Nadpis"}, {"Souadnice1", "Body & mapy"}, {"Kopirovat1", "Kopírovat"},
                         {"Label5", "Fixace:"}, {"Button1", "OK"}, {"Nic1", "nic"}});
    EXPECT_EQ(NaUtf8(okno.windowTitle()), "Nadpis");
    EXPECT_EQ(NaUtf8(okno.Hlavni1->title()), "Body && mapy");  // "&" shows as it is
    EXPECT_TRUE(NaUtf8(okno.Kopirovat1->text()).starts_with("Kopírovat\t"));  // shortcut kept beside it
    EXPECT_EQ(NaUtf8(okno.Label->text()), "Fixace:");
    EXPECT_EQ(NaUtf8(okno.Button->text()), "OK");
    PouzijPovoleni(okno, {{"Kopirovat1", false}, {"Souadnice1", false}});
    EXPECT_FALSE(okno.Kopirovat1->isEnabled());
    EXPECT_FALSE(okno.Hlavni1->menuAction()->isEnabled());
    NastavPopiskyHledaniHlavni(okno, jazyk);
    ASSERT_EQ(okno.Combo->count(), 3);
    EXPECT_EQ(NaUtf8(okno.Combo->itemText(2)), jazyk.tlacitko.jeFixni);
}

}  // namespace
}  // namespace sitmera
