// Text form of covariance matrices (lower triangles).
#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <random>
#include <string_view>
#include <vector>

#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"

using namespace sitmera;

namespace {

// m[i][j] = 10 * (i+1) + (j+1), so every element says where it belongs.
Tmatrix Oznacena(int n)
{
    Tmatrix m(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j) m[i].push_back(10 * (i + 1) + (j + 1));
    return m;
}

}  // namespace

TEST(TrojuhelnikNaText, PoSloupcichKHodnotNaRadek)
{
    // column 0: m00 m10 m20, column 1: m11 m21, column 2: m22
    EXPECT_EQ(TrojuhelnikNaText(Oznacena(3), 3, 4), "11 21 31 22\r\n32 33");
    EXPECT_EQ(TrojuhelnikNaText(Oznacena(3), 3, 3), "11 21 31\r\n22 32 33");  // no line end at the end
    EXPECT_EQ(TrojuhelnikNaText(Oznacena(2), 2, 1), "11\r\n21\r\n22");
    EXPECT_EQ(TrojuhelnikNaText({}, 0, 10), "");
    // only the first n rows are written
    EXPECT_EQ(TrojuhelnikNaText(Oznacena(3), 2, 10), "11 21 22");
    EXPECT_THROW(TrojuhelnikNaText(Oznacena(3), 3, 0), ChybaArgumentu);
    EXPECT_THROW(TrojuhelnikNaText(Oznacena(2), 3, 10), ChybaArgumentu);
}

TEST(SymetrickaMaticeNaText, HorniPolovinaZrcadlena)
{
    EXPECT_EQ(SymetrickaMaticeNaText(Oznacena(3), 3), "11 21 31\r\n21 22 32\r\n31 32 33\r\n");
    EXPECT_EQ(SymetrickaMaticeNaText({{1}, {0.5L, 2}}, 2), "1 0.5\r\n0.5 2\r\n");
    EXPECT_EQ(SymetrickaMaticeNaText({}, 0), "");
    // A row alone reads as that row of the whole table.
    EXPECT_EQ(SymetrickaMaticeRadekNaText(Oznacena(3), 3, 1), "21 22 32");
    EXPECT_EQ(SymetrickaMaticeRadekNaText(Oznacena(3), 2, 1), "21 22");
    EXPECT_THROW(SymetrickaMaticeRadekNaText(Oznacena(3), 3, 3), ChybaArgumentu);
    EXPECT_THROW(SymetrickaMaticeRadekNaText({{1}, {2}}, 2, 1), ChybaArgumentu);
}

TEST(SymetrickaMaticeNaRadky, RadkyTabulkyPoBlocichNaVlaknech)
{
    // n = 200: rows 37 .. 170 are 17 blocks, formatted on several threads
    // ahead of the rows handed out; every row must come once, in order.
    const int n = 200;
    Tmatrix m(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j) m[i].push_back(1000 * (i + 1) + (j + 1));
    auto radek = [](int i) {  // row i by plain loops, the upper half mirrored
        std::string r;
        for (int j = 0; j < n; ++j)
            r += (j > 0 ? " " : "") + std::to_string(1000 * (std::max(i, j) + 1) + std::min(i, j) + 1);
        return r;
    };
    struct {
        int od, po, prvni, konec;  // asked for, and the rows that must come
    } pripady[] = {{0, n, 0, n}, {37, 171, 37, 171}, {5, 6, 5, 6}, {-3, 2, 0, 2}, {190, 900, 190, n}, {9, 9, 0, 0}};
    for (const auto& p : pripady) {
        std::vector<std::string> radky;
        SymetrickaMaticeNaRadky(m, n, p.od, p.po, [&](std::string_view r) { radky.emplace_back(r); });
        ASSERT_EQ(radky.size(), static_cast<std::size_t>(p.konec - p.prvni)) << p.od << " " << p.po;
        for (int i = p.prvni; i < p.konec; ++i) ASSERT_EQ(radky[static_cast<std::size_t>(i - p.prvni)], radek(i)) << i;
    }
    // A receiver that fails stops the work; the failure comes out whole.
    int prijato = 0;
    EXPECT_THROW(SymetrickaMaticeNaRadky(m, n, 0, n,
                                         [&](std::string_view) {
                                             if (++prijato == 50) throw std::bad_alloc();
                                         }),
                 std::bad_alloc);
    EXPECT_EQ(prijato, 50);
    // A row too short for the rows asked for is refused.
    Tmatrix kratka = m;
    kratka[150].resize(100);
    EXPECT_THROW(SymetrickaMaticeNaRadky(kratka, n, 99, 101, [](std::string_view) {}), ChybaArgumentu);
    EXPECT_THROW(SymetrickaMaticeNaRadky(m, n + 1, 0, 1, [](std::string_view) {}), ChybaArgumentu);
}

TEST(TextNaTrojuhelnik, Devet_bodu_text_matice_text_beze_zmeny)
{
    // n = 9 (three points), 45 values, 10 a line: 4 full lines and 5 values
    const std::string text =
        "0.0001234 -1.5E-7 2.25E-6 0 -0.000012 3E-8 1E-6 -7.5E-7 4.4E-6 0.0002\r\n"
        "-1E-9 0.000012345678901 6E-6 -6E-6 0.00001 2E-10 -3.33333333333333E-6 0.000345 8.1E-7 -9E-8\r\n"
        "1E-7 2E-7 3E-7 0.0000123 4E-7 5E-7 6E-7 7E-7 0.00031 8E-7\r\n"
        "9E-7 -1E-6 1.1E-6 1.2E-6 0.000299 -1.3E-6 1.4E-6 1.5E-6 1.6E-6 1.7E-6\r\n"
        "0.000401 -1.8E-6 1.9E-6 0.000402 -2.1E-6";
    const TStringList radky = RozdelNaRadky(text);
    ASSERT_EQ(radky.size(), 5u);
    Tmatrix m;
    ASSERT_TRUE(TextNaTrojuhelnik(radky, 9, 10, m));
    ASSERT_EQ(m.size(), 9u);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(m[i].size(), static_cast<std::size_t>(i + 1));
    // column by column: values 1..9 are column 0 (m[0][0] .. m[8][0]),
    // 10..17 column 1 (m[1][1] .. m[8][1]), 18 is m[2][2]; the last, 45, m[8][8]
    EXPECT_EQ(m[8][0], 4.4E-6L);
    EXPECT_EQ(m[1][1], 0.0002L);
    EXPECT_EQ(m[3][3], 4E-7L);    // 9 + 8 + 7 + 1 = value 25
    EXPECT_EQ(m[7][7], 1.9E-6L);  // 45 - 3 + 1 = value 43
    EXPECT_EQ(m[8][8], -2.1E-6L);
    EXPECT_EQ(TrojuhelnikNaText(m, 9, 10), text);
}

TEST(TextNaTrojuhelnik, VelkaMaticePoradiHodnot)
{
    // n = 200 spans many blocks of columns, written on several threads;
    // k = 7 leaves a rest of 3
    const int n = 200, k = 7;
    Tmatrix m(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j) m[i].push_back(1000 * (i + 1) + (j + 1));
    // expected text by plain loops: column j, rows j .. n-1
    std::string ocekavano;
    int poradi = 0;
    for (int j = 0; j < n; ++j)
        for (int i = j; i < n; ++i) {
            if (poradi > 0) ocekavano += poradi % k == 0 ? "\r\n" : " ";
            ocekavano += std::to_string(1000 * (i + 1) + (j + 1));
            ++poradi;
        }
    ASSERT_EQ(poradi, 20100);
    const std::string t = TrojuhelnikNaText(m, n, k);
    EXPECT_EQ(t, ocekavano);
    const TStringList radky = RozdelNaRadky(t);
    EXPECT_EQ(radky.size(), 2872u);  // ceil(20100 / 7)
    Tmatrix zpet;
    ASSERT_TRUE(TextNaTrojuhelnik(radky, n, k, zpet));
    EXPECT_EQ(zpet, m);
}

TEST(TextNaTrojuhelnik, OddelovaceJakoSeznamSCarkami)
{
    Tmatrix m;
    // commas, blanks, tabs; quotes group; values without the magnitude check
    ASSERT_TRUE(TextNaTrojuhelnik({"1,2 3\t4", " \"5\" , 1e-20 "}, 3, 4, m));
    EXPECT_EQ(m, (Tmatrix{{1}, {2, 4}, {3, 5, 1e-20L}}));
    ASSERT_TRUE(TextNaTrojuhelnik({"1e20 2,5"}, 2, 10, m));  // "2,5" is two items
    EXPECT_EQ(m, (Tmatrix{{1e20L}, {2, 5}}));
    // a quote left open takes the rest of the line
    ASSERT_TRUE(TextNaTrojuhelnik({"1 2 3 \"4", "5 6"}, 3, 4, m));
    EXPECT_EQ(m, (Tmatrix{{1}, {2, 4}, {3, 5, 6}}));
    ASSERT_TRUE(TextNaTrojuhelnik({}, 0, 10, m));
    EXPECT_TRUE(m.empty());
}

TEST(TextNaTrojuhelnik, ChybnyTextDavaFalseAPrazdnouMatici)
{
    const TStringList dobre{"1 2 3 4", "5 6"};  // n = 3, k = 4
    Tmatrix m;
    ASSERT_TRUE(TextNaTrojuhelnik(dobre, 3, 4, m));
    struct {
        const char* popis;
        TStringList radky;
    } spatne[] = {
        {"extra line", {"1 2 3 4", "5 6", "7"}},
        {"missing line", {"1 2 3 4"}},
        {"missing item", {"1 2 3 4", "5"}},
        {"extra item", {"1 2 3 4 9", "5 6"}},
        {"extra item in last line", {"1 2 3 4", "5 6 7"}},
        {"non-number", {"1 2 x 4", "5 6"}},
        {"hex", {"1 2 0x3 4", "5 6"}},
        {"nan", {"1 2 nan 4", "5 6"}},
        {"empty item between commas", {"1,,3 4", "5 6"}},
        {"trailing comma", {"1 2 3 4", "5 6,"}},
        {"empty line", {"", "5 6"}},
        {"NUL byte", {std::string("1 2\0 3 4", 8), "5 6"}},
        {"unclosed quote swallowing an item", {"1 2 \"3 4", "5 6"}},
    };
    for (auto& p : spatne) {
        m = {{7}};
        EXPECT_FALSE(TextNaTrojuhelnik(p.radky, 3, 4, m)) << p.popis;
        EXPECT_TRUE(m.empty()) << p.popis;
    }
    m = {{7}};
    EXPECT_FALSE(TextNaTrojuhelnik(dobre, 3, 0, m));
    EXPECT_TRUE(m.empty());
    EXPECT_FALSE(TextNaTrojuhelnik(dobre, -1, 4, m));
}

TEST(TextNaTrojuhelnik, NahodneZnakyNikdyNespadnou)
{
    // random lines of number-like characters: the reader answers true with a
    // full triangle or false with an empty matrix, and never throws
    const std::string abeceda = "0123456789.,eE+-  \t\"x\x01";
    std::mt19937 gen(17);
    std::uniform_int_distribution<std::size_t> znak(0, abeceda.size() - 1);
    std::uniform_int_distribution<int> delka(0, 40), radku(0, 3);
    for (int i = 0; i < 5000; ++i) {
        TStringList radky(static_cast<std::size_t>(radku(gen)));
        for (auto& r : radky)
            for (int j = delka(gen); j > 0; --j) r += abeceda[znak(gen)];
        Tmatrix m{{1}};
        bool ok = false;
        ASSERT_NO_THROW(ok = TextNaTrojuhelnik(radky, 2, 2, m));
        if (ok) {
            ASSERT_EQ(m.size(), 2u);
            EXPECT_EQ(m[1].size(), 2u);
        } else {
            EXPECT_TRUE(m.empty());
        }
        for (const auto& r : radky) {
            try {
                TextNaCislo(r);
            } catch (const ChybaPrevodu&) {
            } catch (const TichePreruseni&) {
            }
        }
    }
}

TEST(TctecTrojuhelniku, DavkyATextBezKoncePodleTrojuhelniku)
{
    // n = 300: 45150 values; batches of 1, 4, 13, ... lines end inside
    // columns, and the last one (2879 lines) is read on several threads
    const int n = 300, k = 10;
    Tmatrix m(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j) m[i].push_back(1000 * (i + 1) + (j + 1) + 0.125L * (i % 7));
    const TStringList radky = RozdelNaRadky(TrojuhelnikNaText(m, n, k));
    ASSERT_EQ(radky.size(), 4515u);
    const std::vector<std::string_view> pohledy(radky.begin(), radky.end());
    TctecTrojuhelniku ctec(n, k);
    ASSERT_TRUE(ctec.Zacni(UINT64_MAX));
    std::size_t r = 0;
    for (std::size_t davka = 1; r < pohledy.size(); davka = 3 * davka + 1) {
        const std::size_t pocet = std::min(davka, pohledy.size() - r);
        ASSERT_TRUE(ctec.Radky(pohledy.data() + r, pocet));
        r += pocet;
    }
    Tmatrix zpet;
    ASSERT_TRUE(ctec.Dokonci(zpet));
    EXPECT_EQ(zpet, m);

    // A text that cannot hold 45150 numbers (a digit each, a separator
    // between) is refused before the triangle is made; a line too many is
    // refused, and so is a text that ends early.
    EXPECT_FALSE(TctecTrojuhelniku(n, k).Zacni(2 * 45150 - 2));
    TctecTrojuhelniku navic(n, k);
    ASSERT_TRUE(navic.Zacni(2 * 45150 - 1));
    ASSERT_TRUE(navic.Radky(pohledy.data(), pohledy.size()));
    EXPECT_FALSE(navic.Radky(pohledy.data(), 1));
    EXPECT_FALSE(navic.Dokonci(zpet));
    TctecTrojuhelniku kratky(n, k);
    ASSERT_TRUE(kratky.Zacni(UINT64_MAX));
    ASSERT_TRUE(kratky.Radky(pohledy.data(), pohledy.size() - 1));
    EXPECT_FALSE(kratky.Dokonci(zpet));
    EXPECT_EQ(zpet, m);
}
