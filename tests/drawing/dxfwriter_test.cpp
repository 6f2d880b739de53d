// The DXF writer base: number text, colours, the ASCII form of values, the
// groups of tables and entities, the point symbols and the file itself,
// checked by parsing the written file and by an independent reader (ezdxf).
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "drawing/DxfTest.h"
#include "drawing/dxfwriter.h"

namespace sitmera {
namespace {

using namespace test;

// The extent of a list of drawing points.
TDuoPoint Meze(const std::vector<T2DPoint>& body)
{
    return MezeBodu(static_cast<int>(body.size()), [&body](int i) { return body[static_cast<std::size_t>(i)]; });
}

// The file's lines (each must end with CR LF).
std::vector<std::string> Radky(const std::string& text)
{
    std::vector<std::string> r;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t j = text.find("\r\n", i);
        if (j == std::string::npos) {
            r.push_back("<no CR LF>" + text.substr(i));
            break;
        }
        r.push_back(text.substr(i, j - i));
        i = j + 2;
    }
    return r;
}

// The lines hold `cast` as consecutive lines.
bool Obsahuje(const std::vector<std::string>& r, const std::vector<std::string>& cast)
{
    return std::search(r.begin(), r.end(), cast.begin(), cast.end()) != r.end();
}

class DxfZaklad : public DxfTest<TDXFwriter> {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(VytvorSlozku("/tmp/sitmera_dxf_XXXXXX"));
        w.layers = {
            TLayer{{"0", "0"}, "7", true},
            TLayer{{"BodVyr_Bod", "PointAdj_Point"}, "3", true},
            TLayer{{"BodVyr_Znak", "PointAdj_Mark"}, "3", false},
            TLayer{{"BodVyr_Cislo", "PointAdj_Number"}, "3", true},
            TLayer{{"BodFix_Bod", "PointFix_Point"}, "2", true},
            TLayer{{"BodFix_Znak", "PointFix_Mark"}, "2", true},
            TLayer{{"BodFix_Cislo", "PointFix_Number"}, "2", true},
        };
        w.layersnum = 7;
    }

    // A whole file with one determined point at X 10.5, Y 20.25 and one
    // fixed point at X 30.5, Y 20.25.
    std::string ZapisVzor(const std::string& jmeno)
    {
        w.filename = slozka + "/" + jmeno;
        EXPECT_TRUE(w.fileopen());
        w.Rozsah(Meze({{10.5L, 20.25L}, {30.5L, 20.25L}}));
        w.WriteTables();
        w.section();
        w.Entities();
        w.AdjPointPaint(10.5L, 20.25L, "1");
        w.FixPointPaint(30.5L, 20.25L, "2");
        w.EndSec();
        w.Seceof();
        w.fileclose();
        return Precti(w.filename);
    }
};

// ---------------------------------------------------------------- values

TEST(FtSf, GeneralFormatWithPointAndAtMost15Digits)
{
    const struct {
        long double x;
        const char* text;
    } tabulka[] = {
        {12.5L, "12.5"},
        {-3.0L, "-3"},
        {0.0000012L, "1.2E-6"},
        {0.00001L, "0.00001"},
        {0.000012L, "0.000012"},
        {-0.0L, "0"},
        {0.0L, "0"},
        {1e15L, "1E15"},
        {999999999999999.0L, "999999999999999"},
        {123456.78901234567L, "123456.789012346"},
        {-20.25L, "-20.25"},
        {0.1L + 0.2L, "0.3"},
    };
    TDXFwriter w;
    for (const auto& r : tabulka) EXPECT_EQ(w.FtSf(r.x), r.text) << r.text;
    w.FormatSettings.DecimalSeparator = ',';
    EXPECT_EQ(w.FtSf(12.5L), "12,5");
}

TEST(ConvertColor, TwentyListColoursToDxfNumbers)
{
    const char* ocekavane[20] = {"7", "26", "94", "52", "174", "214", "134", "252", "254", "1",
                                 "3", "2",  "5",  "6",  "4",   "7",   "103", "151", "41",  "253"};
    TDXFwriter w;
    for (int i = 0; i < 20; ++i) EXPECT_EQ(w.ConvertColor(i), ocekavane[i]) << i;
    EXPECT_EQ(w.ConvertColor(-1), "7");
    EXPECT_EQ(w.ConvertColor(20), "7");
    // Black and white are both 7; the list colours are $00BBGGRR.
    EXPECT_EQ(BarvySeznamu[9], 0x0000FFu);   // red
    EXPECT_EQ(BarvySeznamu[12], 0xFF0000u);  // blue
    EXPECT_EQ(BarvySeznamu[17], 0xF0CAA6u);  // sky blue
}

TEST(TextDXF, ValuesStayPrintableAscii)
{
    EXPECT_EQ(TextDXF("P-12 a.b"), "P-12 a.b");
    EXPECT_EQ(TextDXF("\xC4\x8D" "5"), "\\U+010D5");              // č5
    EXPECT_EQ(TextDXF("\xC5\xA0T\xC3\x81"), "\\U+0160T\\U+00C1");  // ŠTÁ
    EXPECT_EQ(TextDXF("\xE2\x82\xAC"), "\\U+20AC");                // €
    EXPECT_EQ(TextDXF("\xF0\x9F\x98\x80"), "\\U+D83D\\U+DE00");    // beyond U+FFFF: UTF-16 halves
    EXPECT_EQ(TextDXF("a\r\nb\tc"), "a\\U+000D\\U+000Ab\\U+0009c");
    EXPECT_EQ(TextDXF("\x7F"), "\\U+007F");
    EXPECT_EQ(TextDXF("x\xFFy"), "x\\U+FFFDy");          // no UTF-8
    EXPECT_EQ(TextDXF("\xC4"), "\\U+FFFD");              // cut sequence
    EXPECT_EQ(TextDXF("\xC0\xAF"), "\\U+FFFD\\U+FFFD");  // overlong
    EXPECT_EQ(TextDXF(""), "");
}

// ---------------------------------------------------------------- the file

TEST_F(DxfZaklad, FileBeginsAndEndsWithTheFixedGroupsOnCrLfLines)
{
    const std::string text = ZapisVzor("vzor.dxf");
    const auto r = Radky(text);
    ASSERT_GE(r.size(), 12u);
    const std::vector<std::string> zacatek = {"0", "SECTION", "2", "TABLES", "0", "TABLE", "2", "VPORT"};
    EXPECT_EQ(std::vector<std::string>(r.begin(), r.begin() + 8), zacatek);
    const std::vector<std::string> konec = {"0", "ENDSEC", "0", "EOF"};
    EXPECT_EQ(std::vector<std::string>(r.end() - 4, r.end()), konec);
    EXPECT_EQ(r.size() % 2, 0u);
    for (const std::string& l : r) EXPECT_EQ(l.find("<no CR LF>"), std::string::npos);
    for (char c : text) EXPECT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F));
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
}

TEST_F(DxfZaklad, IndependentReaderAcceptsTheFile)
{
    ZapisVzor("vzor.dxf");
    OverCtenarem({"LAYER BodVyr_Znak -3", "COUNT BodVyr_Znak LINE 2", "COUNT BodVyr_Cislo TEXT 1",
                  "COUNT BodVyr_Bod POINT 1", "COUNT BodFix_Znak LINE 2", "COUNT BodFix_Znak CIRCLE 1",
                  "COUNT BodFix_Cislo TEXT 1", "COUNT BodFix_Bod POINT 1"});
}

TEST_F(DxfZaklad, HiddenLayerGetsANegativeColour)
{
    const auto r = Radky(ZapisVzor("vzor.dxf"));
    EXPECT_TRUE(Obsahuje(r, {"0", "LAYER", "2", "BodVyr_Znak", "70", "0", "62", "-3", "6", "CONTINUOUS"}));
    EXPECT_TRUE(Obsahuje(r, {"0", "LAYER", "2", "BodVyr_Cislo", "70", "0", "62", "3", "6", "CONTINUOUS"}));
    // The layer table's count group says 10 whatever the number of layers.
    EXPECT_TRUE(Obsahuje(r, {"0", "TABLE", "2", "LAYER", "70", "10", "0", "LAYER", "2", "0"}));
}

TEST_F(DxfZaklad, TablesHoldTheViewportAndBothLineTypes)
{
    const auto r = Radky(ZapisVzor("vzor.dxf"));
    // Extent X 10.5 .. 30.5, Y 20.25: view centre (-20.25, -20.5), height 20.
    EXPECT_TRUE(Obsahuje(r, {"11", "1.0", "21", "1.0", "12", "-20.25", "22", "-20.5"}));
    EXPECT_TRUE(Obsahuje(r, {"37", "0.0", "40", "20", "41", "1.7", "42", "50.0"}));
    EXPECT_TRUE(Obsahuje(r, {"0", "LTYPE", "2", "ACAD_ISO03W100", "70", "0", "3",
                             "ISO prerusovana __    __    __    __    __    _", "72", "65", "73", "2", "40", "30.0",
                             "49", "12.0", "49", "-18", "0", "ENDTAB"}));
}

TEST_F(DxfZaklad, PointAtX10_5Y20_25LandsAtMinus20_25Minus10_5)
{
    const auto r = Radky(ZapisVzor("vzor.dxf"));
    // del = 20, PointSize = 0.1.
    EXPECT_EQ(w.PointSize, 0.005L * 20);
    EXPECT_TRUE(Obsahuje(r, {"0", "POINT", "8", "BodVyr_Bod", "10", "-20.25", "20", "-10.5", "30", "0"}));
    EXPECT_TRUE(Obsahuje(r, {"0", "LINE", "8", "BodVyr_Znak", "10", "-20.25", "20", "-10.6", "30", "0", "11", "-20.25",
                             "21", "-10.4", "31", "0"}));
    EXPECT_TRUE(Obsahuje(r, {"0", "LINE", "8", "BodVyr_Znak", "10", "-20.35", "20", "-10.5", "30", "0", "11", "-20.15",
                             "21", "-10.5", "31", "0"}));
    EXPECT_TRUE(Obsahuje(r, {"0", "TEXT", "1", "1", "40", "0.1", "8", "BodVyr_Cislo", "10", "-20.15", "20", "-10.4",
                             "30", "0"}));
    EXPECT_TRUE(
        Obsahuje(r, {"0", "CIRCLE", "8", "BodFix_Znak", "10", "-20.25", "20", "-30.5", "30", "0", "40", "0.07"}));
    // The fixed point's number: PointSize off the point on both axes, as the
    // determined point's.
    EXPECT_TRUE(Obsahuje(r, {"0", "TEXT", "1", "2", "40", "0.1", "8", "BodFix_Cislo", "10", "-20.15", "20", "-30.4",
                             "30", "0"}));
}

TEST_F(DxfZaklad, EnglishLayerNames)
{
    w.lang = 1;
    const std::string text = ZapisVzor("en.dxf");
    EXPECT_NE(text.find("\r\nPointAdj_Point\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nPointFix_Mark\r\n"), std::string::npos);
    EXPECT_EQ(text.find("BodVyr"), std::string::npos);
    EXPECT_EQ(text.find("BodFix"), std::string::npos);
}

TEST_F(DxfZaklad, PolylineRecords)
{
    w.filename = slozka + "/p.dxf";
    ASSERT_TRUE(w.fileopen());
    w.PLineStart("E");
    w.PLineVertex("1", "2", "0", "E");
    w.PLineEnd();
    w.fileclose();
    EXPECT_EQ(Precti(w.filename),
              "0\r\nPOLYLINE\r\n8\r\nE\r\n66\r\n1\r\n10\r\n0.0\r\n20\r\n0.0\r\n30\r\n0.0\r\n70\r\n8\r\n"
              "0\r\nVERTEX\r\n8\r\nE\r\n10\r\n1\r\n20\r\n2\r\n30\r\n0\r\n0\r\nSEQEND\r\n");
}

// ---------------------------------------------------------------- extent

TEST(Rozsah, LargerRangeIsTheViewHeightAndOnePointGetsAPositiveTextHeight)
{
    TDXFwriter w;
    w.Rozsah(Meze({{0, 0}, {100, 0}, {50, 0}}));  // all on a line along X
    EXPECT_EQ(w.del, 100);
    EXPECT_EQ(w.PointSize, 0.5L);
    w.Rozsah(Meze({{0, 0}, {10, -30}}));
    EXPECT_EQ(w.del, 30);
    EXPECT_EQ(w.minY, -30);
    EXPECT_EQ(w.maxX, 10);
    w.Rozsah(Meze({{5, 7}}));
    EXPECT_GT(w.del, 0);
    EXPECT_GT(w.PointSize, 0);
    EXPECT_EQ(w.maxX, 5);
    EXPECT_EQ(w.minY, 7);
    w.Rozsah(Meze({}));
    EXPECT_GT(w.PointSize, 0);
}

// ---------------------------------------------------------------- failures

TEST_F(DxfZaklad, OpenFailsCleanlyForAMissingFolderOrAFolder)
{
    w.filename = slozka + "/neni/k.dxf";
    EXPECT_FALSE(w.fileopen());
    w.filename = slozka;
    EXPECT_FALSE(w.fileopen());
    w.filename = "";
    EXPECT_FALSE(w.fileopen());
    EXPECT_THROW(w.parval("0", "EOF"), ChybaSouboru);
    EXPECT_FALSE(std::filesystem::exists(slozka + "/neni"));
    // The rule of every save: a pipe (writing would block) and a link to
    // nothing are refused too.
    ASSERT_EQ(::mkfifo((slozka + "/roura.dxf").c_str(), 0666), 0);
    std::filesystem::create_symlink(slozka + "/nikam.dxf", slozka + "/odkaz.dxf");
    for (const char* jmeno : {"/roura.dxf", "/odkaz.dxf"}) {
        w.filename = slozka + jmeno;
        EXPECT_FALSE(w.fileopen()) << jmeno;
    }
}

// A device is no file of the drawing: it is refused when opened. A full
// disk fails the close, which throws, leaves the writer closed and no file.
TEST_F(DxfZaklad, WriteToAFullDiskThrows)
{
    w.filename = "/dev/full";
    EXPECT_FALSE(w.fileopen());
    w.filename = slozka + "/plny.dxf";
    EXPECT_TRUE(ZapisNaPlnyDiskSelze([&] {
        if (!w.fileopen()) return;
        w.section();
        w.Seceof();
        try {
            w.fileclose();
        } catch (const ChybaSouboru&) {
            if (!w.JeOtevren()) throw;
        }
    }));
    EXPECT_FALSE(std::filesystem::exists(w.filename));
}

TEST_F(DxfZaklad, AbandonedFileWritesNothing)
{
    const std::string cesta = slozka + "/stary.dxf";
    {
        std::ofstream f(cesta, std::ios::binary);
        f << "old";
    }
    w.filename = cesta;
    ASSERT_TRUE(w.fileopen());
    w.section();
    w.ZrusSoubor();
    w.fileclose();
    EXPECT_EQ(Precti(cesta), "old");
}

}  // namespace
}  // namespace sitmera
