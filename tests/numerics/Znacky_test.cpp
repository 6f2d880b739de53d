// Numbered tagged sections of text files.
#include <gtest/gtest.h>

#include "numerics/TextPole.h"

using namespace sitmera;

namespace {

TStringList DobrySoubor()
{
    return {"  <1>  ", "hlavicka", "", "</1>", "<2>", "  bod 1  ", "bod 2", "\t</2>", "   "};
}

}  // namespace

TEST(Znacky, TextyZnacek)
{
    EXPECT_EQ(TextZnacky(3, true), "<3>");
    EXPECT_EQ(TextZnacky(12, false), "</12>");
    EXPECT_EQ(ParyZnacek(2, 5), (TStringList{"<5>", "</5>", "<6>", "</6>"}));
    EXPECT_TRUE(ParyZnacek(0, 1).empty());
}

TEST(KontrolaZnacek, OrezaRadkyUVolajiciho)
{
    TStringList l = DobrySoubor();
    EXPECT_TRUE(KontrolaZnacek(l, 2, 1));
    EXPECT_EQ(l, (TStringList{"<1>", "hlavicka", "</1>", "<2>", "bod 1", "bod 2", "</2>"}));
}

TEST(KontrolaZnacek, OdmitaChybejiciZdvojenouAPrehozenouZnacku)
{
    struct {
        const char* popis;
        TStringList radky;
    } spatne[] = {
        {"missing closing", {"<1>", "a", "<2>", "b", "</2>"}},
        {"missing opening", {"a", "</1>", "<2>", "</2>"}},
        {"doubled opening", {"<1>", "<1>", "</1>", "<2>", "</2>"}},
        {"doubled closing", {"<1>", "</1>", "<2>", "</2>", "</2>"}},
        {"closing before opening", {"</1>", "<1>", "<2>", "</2>"}},
        {"sections swapped", {"<2>", "</2>", "<1>", "</1>"}},
        {"sections nested", {"<1>", "<2>", "</1>", "</2>"}},
        {"leading zero is another tag", {"<01>", "</1>", "<2>", "</2>"}},
        {"empty file", {}},
    };
    for (auto& p : spatne) EXPECT_FALSE(KontrolaZnacek(p.radky, 2, 1)) << p.popis;
}

TEST(KontrolaZnacek, CiziZnackyAObsahNevadi)
{
    TStringList l{"<3>", "<9>", "x", "</3>", "<4>", "<a>", "</>", "<>", "</4>", "<3 >"};
    EXPECT_TRUE(KontrolaZnacek(l, 2, 3));
    TStringList prazdny;
    EXPECT_TRUE(KontrolaZnacek(prazdny, 0, 1));
    TStringList zaporne{"<-1>", "</-1>", "<0>", "</0>"};
    EXPECT_TRUE(KontrolaZnacek(zaporne, 2, -1));
}

TEST(NactiSekci, RadkyMeziZnackami)
{
    const TStringList zdroj{"x", "<1>", "a", "b", "</1>", "<2>", "c", "</2>", "<3>", "</3>"};
    TStringList cil{"stare"};
    NactiSekci(cil, zdroj, 1);
    EXPECT_EQ(cil, (TStringList{"a", "b"}));
    NactiSekci(cil, zdroj, 2);
    EXPECT_EQ(cil, (TStringList{"c"}));
    NactiSekci(cil, zdroj, 3);
    EXPECT_TRUE(cil.empty());
    cil = {"stare"};
    NactiSekci(cil, zdroj, 4);  // no opening tag: nothing
    EXPECT_TRUE(cil.empty());
    // the first closing tag ends the section, also one before the opening tag
    NactiSekci(cil, {"</1>", "<1>", "a", "</1>"}, 1);
    EXPECT_TRUE(cil.empty());
    // the target may be the source itself
    TStringList l = zdroj;
    NactiSekci(l, l, 2);
    EXPECT_EQ(l, (TStringList{"c"}));
}

TEST(NactiSekceSeZnackami, OdOtviraciPoZaviraciVcetne)
{
    const TStringList zdroj{"x", "<1>", "a", "</1>", "<2>", "c", "</2>", "<3>", "d", "</3>"};
    TStringList cil{"stare"};
    NactiSekceSeZnackami(cil, zdroj, 1, 2);
    EXPECT_EQ(cil, (TStringList{"<1>", "a", "</1>", "<2>", "c", "</2>"}));
    NactiSekceSeZnackami(cil, zdroj, 3, 3);
    EXPECT_EQ(cil, (TStringList{"<3>", "d", "</3>"}));
    // the closing tag of b ends the copy even before the opening tag of a
    NactiSekceSeZnackami(cil, {"</2>", "<1>", "a", "</1>"}, 1, 2);
    EXPECT_EQ(cil, (TStringList{"</2>"}));
    NactiSekceSeZnackami(cil, zdroj, 7, 8);
    EXPECT_TRUE(cil.empty());
    // a repeated opening tag inside is copied by both tests
    NactiSekceSeZnackami(cil, {"<1>", "<1>", "</1>"}, 1, 1);
    EXPECT_EQ(cil, (TStringList{"<1>", "<1>", "<1>", "</1>"}));
}
