#include "numerics/TextSoubor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace sitmera {
namespace {

namespace fs = std::filesystem;

std::string ObsahSouboru(const fs::path& cesta)
{
    std::ifstream f(cesta, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

class TextSouborTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        slozka = fs::temp_directory_path() /
                 ("sitmera-textsoubor-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(slozka);
        fs::create_directories(slozka);
    }
    void TearDown() override { fs::remove_all(slozka); }

    fs::path slozka;
};

TEST(DelkaTextu, CountsCharactersNotBytes)
{
    EXPECT_EQ(DelkaTextu(""), 0u);
    EXPECT_EQ(DelkaTextu("Směrník"), 7u);                     // ě and í take two bytes
    EXPECT_EQ(DelkaTextu("\xE2\x82\xAC"), 1u);                // the euro sign, three bytes
    EXPECT_EQ(DelkaTextu("\xF0\x9F\x98\x80"), 1u);            // outside the BMP, four bytes
}

TEST(MalaPismena, CzechCapitalsBecomeSmallAndInvalidBytesStay)
{
    EXPECT_EQ(MalaPismena("Přesnost"), "přesnost");
    EXPECT_EQ(MalaPismena("ŘÍZENÍ ČÁST ŮŽ ĎŤŇ Ě É Ó Ý"), "řízení část ůž ďťň ě é ó ý");
    EXPECT_EQ(MalaPismena("A Priori 1.5 [mm]"), "a priori 1.5 [mm]");
    EXPECT_EQ(MalaPismena("žluťoučký"), "žluťoučký");
    // Invalid bytes are kept, other scripts fold.
    EXPECT_EQ(MalaPismena("A\xFF" "B"), "a\xFF" "b");
    EXPECT_EQ(MalaPismena("\xCE\xA9\xD0\x96"), "\xCF\x89\xD0\xB6");  // Ω Ж -> ω ж
    EXPECT_EQ(MalaPismena("\xC3\x97"), "\xC3\x97");                    // the multiplication sign stays
}

TEST(RozdelNaRadky, AcceptsEveryLineEnd)
{
    const TStringList ocekavane = {"a", "b", "", "c"};
    EXPECT_EQ(RozdelNaRadky("a\r\nb\r\n\r\nc"), ocekavane);
    EXPECT_EQ(RozdelNaRadky("a\nb\n\nc\n"), ocekavane);
    EXPECT_EQ(RozdelNaRadky("a\rb\r\rc\r"), ocekavane);
    EXPECT_EQ(RozdelNaRadky("a\r\nb\n\rc"), ocekavane);  // LF then a lone CR: an empty line
    EXPECT_TRUE(RozdelNaRadky("").empty());
    EXPECT_EQ(RozdelNaRadky("\r\n"), TStringList{""});
}

TEST(RozdelNaRadky, DecodesByteOrderMarksWindows1250AndInvalidInput)
{
    // "Bod č." in UTF-8, UTF-8 with BOM, UTF-16 LE and BE with BOM, Windows-1250.
    const std::string utf8 = "Bod \xC4\x8D.";
    EXPECT_EQ(RozdelNaRadky(utf8), TStringList{utf8});
    EXPECT_EQ(RozdelNaRadky("\xEF\xBB\xBF" + utf8 + "\r\n"), TStringList{utf8});
    const std::string le("\xFF\xFE" "B\0o\0d\0 \0\x0D\x01.\0\r\0\n\0", 18);
    EXPECT_EQ(RozdelNaRadky(le), TStringList{utf8});
    const std::string be("\xFE\xFF" "\0B\0o\0d\0 \x01\x0D\0.", 14);
    EXPECT_EQ(RozdelNaRadky(be), TStringList{utf8});
    EXPECT_EQ(RozdelNaRadky("Bod \xE8."), TStringList{utf8});  // 0xE8 is č in Windows-1250
    // Š (0x8A), ž (0x9E) and the euro sign (0x80)
    EXPECT_EQ(RozdelNaRadky("\x8A\x9E\x80"), TStringList{"\xC5\xA0\xC5\xBE\xE2\x82\xAC"});
    // An overlong form and a lone continuation byte are not UTF-8.
    EXPECT_EQ(RozdelNaRadky("\xC0\xAF"), TStringList{"\xC5\x94\xC5\xBB"});  // Ŕ Ż
    EXPECT_EQ(DelkaTextu(RozdelNaRadky("x\xA9y").at(0)), 3u);
    // A UTF-16 surrogate encoded in UTF-8 is not valid either.
    EXPECT_EQ(DelkaTextu(RozdelNaRadky("\xED\xA0\x80").at(0)), 3u);
    // Broken UTF-16 gives replacement characters.
    const std::string osamely("\xFF\xFE\x00\xD8" "a\0", 6);  // lone high surrogate
    EXPECT_EQ(RozdelNaRadky(osamely), TStringList{"\xEF\xBF\xBD" "a"});
    const std::string licha("\xFF\xFE" "a\0b", 5);  // odd byte count
    EXPECT_EQ(RozdelNaRadky(licha), TStringList{"a\xEF\xBF\xBD"});
}

TEST_F(TextSouborTest, WrittenLinesReadBackWithCrLf)
{
    const auto cesta = (slozka / "body.txt").string();
    const TStringList radky = {"1 100.5 200.25 300", "Měřický bod", "", "konec"};
    ZapisTextovySoubor(cesta, radky);
    EXPECT_EQ(ObsahSouboru(cesta), "1 100.5 200.25 300\r\nMěřický bod\r\n\r\nkonec\r\n");
    EXPECT_EQ(NactiTextovySoubor(cesta), radky);
}

TEST_F(TextSouborTest, ReplacingKeepsPermissionsAndLeavesNoTemporaryFile)
{
    const auto cesta = (slozka / "projekt.pea").string();
    ZapisTextovySoubor(cesta, {"stary"});
    ::chmod(cesta.c_str(), 0640);
    ZapisTextovySoubor(cesta, {"novy"});
    EXPECT_EQ(ObsahSouboru(cesta), "novy\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(cesta.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka), fs::directory_iterator()), 1);
}

TEST_F(TextSouborTest, WritingThroughALinkKeepsTheLink)
{
    const auto cil = slozka / "skutecny.txt";
    const auto odkaz = slozka / "odkaz.txt";
    ZapisTextovySoubor(cil.string(), {"a"});
    fs::create_symlink(cil, odkaz);
    ZapisTextovySoubor(odkaz.string(), {"b"});
    EXPECT_TRUE(fs::is_symlink(odkaz));
    EXPECT_EQ(ObsahSouboru(cil), "b\r\n");
}

TEST_F(TextSouborTest, FailedWritesAreReportedAndLeaveNothingBehind)
{
    EXPECT_THROW(ZapisTextovySoubor((slozka / "chybi" / "a.txt").string(), {"x"}), ChybaSouboru);
    EXPECT_THROW(ZapisTextovySoubor(slozka.string(), {"x"}), ChybaSouboru);
    EXPECT_THROW(ZapisTextovySoubor("", {"x"}), ChybaSouboru);
    // A full device: written in place (never replaced), and the failure is seen.
    if (fs::exists("/dev/full")) {
        EXPECT_THROW(ZapisTextovySoubor("/dev/full", {"x"}), ChybaSouboru);
        EXPECT_TRUE(fs::is_character_file("/dev/full"));
    }
    EXPECT_TRUE(fs::is_empty(slozka));
}

TEST_F(TextSouborTest, FailedReplaceLeavesTheOldFileByteIdentical)
{
    const auto cesta = (slozka / "projekt.pea").string();
    ZapisTextovySoubor(cesta, {"puvodni obsah"});
    const auto pred = ObsahSouboru(cesta);
    // The temporary file cannot be created (its folder is a file): the write
    // fails before anything is renamed.
    EXPECT_THROW(ZapisTextovySoubor(cesta + "/x", {"novy"}), ChybaSouboru);
    EXPECT_EQ(ObsahSouboru(cesta), pred);
}

TEST_F(TextSouborTest, ReadingFailuresRaise)
{
    EXPECT_THROW(NactiTextovySoubor((slozka / "neni.txt").string()), ChybaSouboru);
    EXPECT_THROW(NactiTextovySoubor(slozka.string()), ChybaSouboru);
}

}  // namespace
}  // namespace sitmera
