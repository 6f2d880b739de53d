// Report text buffer.
#include <gtest/gtest.h>

#include "core/ProtokolAnalyser.h"

using namespace sitmera;

TEST(ProtokolAnalyser, NovyJePrazdnyANeplny)
{
    const TprotokolAnalyser p;
    EXPECT_TRUE(p.text.empty());
    EXPECT_FALSE(p.jePlny);
}

TEST(ProtokolAnalyser, ClearVyprazdniAZrusiPriznak)
{
    TprotokolAnalyser p;
    p.text = {"a", "b"};
    p.jePlny = true;
    p.Clear();
    EXPECT_TRUE(p.text.empty());
    EXPECT_FALSE(p.jePlny);
}

TEST(ProtokolAnalyser, KopirujNahradiObsahNezavislouKopii)
{
    TprotokolAnalyser zdroj;
    zdroj.text = {"Protokol", "", "A-01 Body"};
    zdroj.jePlny = true;
    TprotokolAnalyser cil;
    cil.text = {"stary"};
    cil.Kopiruj(zdroj);
    EXPECT_EQ(cil.text, zdroj.text);
    EXPECT_TRUE(cil.jePlny);
    zdroj.text[0] = "zmeneno";
    EXPECT_EQ(cil.text[0], "Protokol");

    TprotokolAnalyser prazdny;
    cil.Kopiruj(prazdny);
    EXPECT_TRUE(cil.text.empty());
    EXPECT_FALSE(cil.jePlny);
}

TEST(ProtokolAnalyser, KopirujSamSebeNeztratiText)
{
    TprotokolAnalyser p;
    p.text = {"a", "b"};
    p.jePlny = true;
    p.Kopiruj(p);
    EXPECT_EQ(p.text, (TStringList{"a", "b"}));
    EXPECT_TRUE(p.jePlny);
}
