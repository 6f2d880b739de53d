// Report text buffer.
#include <gtest/gtest.h>

#include "core/ProtokolAnalyser.h"

using namespace sitmera;

TEST(ProtokolAnalyser, KopirujNahradiObsahNezavislouKopiiAClearJejVyprazdni)
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

    cil.Kopiruj(cil);  // onto itself: nothing lost
    EXPECT_EQ(cil.text.size(), 3u);
    EXPECT_TRUE(cil.jePlny);

    cil.Kopiruj(TprotokolAnalyser());
    EXPECT_TRUE(cil.text.empty());
    EXPECT_FALSE(cil.jePlny);

    zdroj.Clear();
    EXPECT_TRUE(zdroj.text.empty());
    EXPECT_FALSE(zdroj.jePlny);
}
