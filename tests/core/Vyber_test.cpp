// Selection helpers of the grid windows.
#include <gtest/gtest.h>

#include "core/Vyber.h"

namespace sitmera {
namespace {

TboolVector Vektor(const std::string& znaky)
{
    TboolVector v;
    for (char c : znaky) v.push_back(c == '1');
    return v;
}

TEST(VyberTest, FlipSetClearAndClearExcept)
{
    TboolVector v = Vektor("0100");
    EXPECT_TRUE(PrepniVyber(v, 0));
    EXPECT_FALSE(PrepniVyber(v, 1));
    EXPECT_FALSE(PrepniVyber(v, 4));  // outside: nothing changes
    EXPECT_FALSE(PrepniVyber(v, -1));
    EXPECT_EQ(v, Vektor("1000"));

    VyberVse(v);
    EXPECT_EQ(v, Vektor("1111"));
    ZrusVyber(v);
    EXPECT_EQ(v, Vektor("0000"));
    v = Vektor("1101");
    ZrusVyberKrome(v, 1);
    EXPECT_EQ(v, Vektor("0100"));
    v = Vektor("1011");
    ZrusVyberKrome(v, 1);  // flag 1 keeps its (cleared) value
    EXPECT_EQ(v, Vektor("0000"));
    NastavVyber(v, true, 3);
    NastavVyber(v, true, 9);
    EXPECT_EQ(v, Vektor("0001"));
}

TEST(VyberTest, NastavVyberRozsahIsSymmetric)
{
    for (int a = -2; a < 8; ++a)
        for (int b = -2; b < 8; ++b) {
            TboolVector v1 = Vektor("000000"), v2 = Vektor("000000");
            NastavVyberRozsah(v1, true, a, b);
            NastavVyberRozsah(v2, true, b, a);
            EXPECT_EQ(v1, v2) << a << " " << b;
        }
    TboolVector v = Vektor("111111");
    NastavVyberRozsah(v, false, 4, 1);
    EXPECT_EQ(v, Vektor("100001"));
    TboolVector prazdny;
    NastavVyberRozsah(prazdny, true, 0, 3);
    EXPECT_TRUE(prazdny.empty());
}

TEST(VyberTest, CountsAndFirstSelected)
{
    EXPECT_FALSE(JeNecoVybrano(Vektor("0000")));
    EXPECT_TRUE(JeNecoVybrano(Vektor("0010")));
    EXPECT_EQ(PocetVybranych(Vektor("1011")), 3);
    EXPECT_EQ(PrvniVybrany(Vektor("0011")), 2);
    // Nothing selected gives 0, the same as when only flag 0 is set.
    EXPECT_EQ(PrvniVybrany(Vektor("0000")), 0);
    EXPECT_EQ(PrvniVybrany(Vektor("1000")), 0);
    EXPECT_EQ(PrvniVybrany(TboolVector()), 0);
}

TEST(VyberTest, JeKontrolaWhenAnyCriterionIsInForce)
{
    Tatribut a;
    EXPECT_FALSE(JeKontrola(a));
    for (int i = 0; i < 5; ++i) {
        Tatribut b;
        b.kontrola[i] = true;
        EXPECT_TRUE(JeKontrola(b)) << i;
    }
}

}  // namespace
}  // namespace sitmera
