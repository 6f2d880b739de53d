#include "numerics/TextSoubor.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <tuple>
#include <vector>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "numerics/TestProces.h"

namespace sitmera {
namespace {

namespace fs = std::filesystem;
using test::VDetskemProcesu;

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
    static std::size_t Polozek(const fs::path& p)
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(p), fs::directory_iterator()));
    }

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

TStringList PoKusech(std::string_view bajty, std::size_t kus)
{
    TctecRadku ctec(TctecRadku::ZPameti, bajty, kus);
    return VsechnyRadky(ctec);
}

// Line ends, byte-order marks and characters cut by the end of a piece read
// as the whole text does.
TEST(TctecRadku, PiecesGiveTheLinesOfTheWholeText)
{
    const std::string texty[] = {
        "a\r\nb\r\n\r\nc", "a\rb\r\rc\r", "a\r\nb\n\rc", "\r\n", "",
        std::string(40, 'x') + "\r\n" + std::string(3, 'y'),
        "\xEF\xBB\xBF" "Bod \xC4\x8D.\r\n\xE2\x82\xAC \xF0\x9F\x98\x80\r",
        std::string("\xFF\xFE" "B\0o\0d\0 \0\x0D\x01.\0\r\0\n\0\x3D\xD8\x00\xDE" "a", 21),
        std::string("\xFE\xFF" "\0B\xD8\x00\0a\0\r", 10),
        "Bod \xE8.\r\n\x8A\x9E\x80"};
    for (const std::string& t : texty)
        for (std::size_t kus = 4; kus <= 9; ++kus) EXPECT_EQ(PoKusech(t, kus), RozdelNaRadky(t)) << t << " " << kus;
}

// A text taken for UTF-8 whose invalid byte comes after many lines is read
// again from its start as Windows-1250, where C4 8D is "ÄŤ".
TEST(TctecRadku, ALateInvalidByteReadsTheWholeTextAsWindows1250)
{
    std::string text;
    for (int i = 0; i < 50; ++i) text += "Bod \xC4\x8D\r\n";
    text += "konec \xE8";
    const TStringList radky = PoKusech(text, 16);
    ASSERT_EQ(radky.size(), 51u);
    EXPECT_EQ(radky.front(), "Bod \xC3\x84\xC5\xA4");
    EXPECT_EQ(radky.back(), "konec \xC4\x8D");
    EXPECT_EQ(radky, RozdelNaRadky(text));
}

// The lines a reader with a cap of `max` bytes a line hands out, and whether
// it took the whole text.
std::pair<TStringList, bool> SMezi(std::string_view bajty, std::size_t kus, std::size_t max)
{
    TctecRadku ctec(TctecRadku::ZPameti, bajty, kus, max);
    TStringList radky;
    const bool vse = RadkyDoMeze(ctec, radky);
    EXPECT_EQ(ctec.RadekPrilisDlouhy(), !vse);
    return {radky, vse};
}

// A line of up to `max` decoded bytes is read, a longer one stops the
// reading after the lines before it, whether the piece ends inside the line
// or after its line end, and whatever ends it.
TEST(TctecRadku, ALineLongerThanTheCapStopsTheReadingAfterTheLinesBeforeIt)
{
    struct Pripad {
        std::string text;
        std::size_t max;
        TStringList radky;  // handed out
        bool vse;
    };
    const std::string osm(8, 'x'), devet(9, 'y');
    const Pripad pripady[] = {
        {"ab\r\n" + osm + "\r\ncd", 8, {"ab", osm, "cd"}, true},
        {"ab\r\n" + devet + "\r\ncd", 8, {"ab"}, false},
        {"ab\n" + devet, 8, {"ab"}, false},             // the last line, without a line end
        {"ab\r" + devet + "\r", 8, {"ab"}, false},
        {osm + "\n" + osm + "\n" + devet + "\n", 8, {osm, osm}, false},
        {devet, 8, {}, false},
        {osm, 8, {osm}, true},
        // Counted in decoded bytes: č is two bytes in UTF-8.
        {"\xC4\x8D\xC4\x8D\xC4\x8D\xC4\x8D", 8, {"\xC4\x8D\xC4\x8D\xC4\x8D\xC4\x8D"}, true},
        {"a\n\xE8\xE8\xE8\xE8\xE8", 9, {"a"}, false},  // Windows-1250: five č
        {std::string("\xFF\xFE" "a\0b\0\n\0", 8) + std::string(18, '\0'), 8, {"ab"}, false},
        // Under UTF-8 the second line is too long; the text then proves to
        // be Windows-1250, where the first one (ÄŤ three times) already is.
        {"\xC4\x8D\xC4\x8D\xC4\x8D\r\n" + devet + "\r\n\xE8", 8, {}, false},
    };
    for (const Pripad& p : pripady)
        for (const std::size_t kus : {4, 5, 7, 64}) {
            const auto [radky, vse] = SMezi(p.text, kus, p.max);
            EXPECT_EQ(radky, p.radky) << p.text << " " << kus;
            EXPECT_EQ(vse, p.vse) << p.text << " " << kus;
        }
}

// A file read whole: the cap of the program's files.
TEST_F(TextSouborTest, AFileWithALineLongerThanTheCapIsNotRead)
{
    const auto cesta = (slozka / "dlouhy.txt").string();
    ZapisTextovySoubor(cesta, {"a", std::string(MaxDelkaRadku, 'x')});
    EXPECT_EQ(NactiTextovySoubor(cesta).at(1).size(), MaxDelkaRadku);
    ZapisTextovySoubor(cesta, {"a", std::string(MaxDelkaRadku + 1, 'x')});
    EXPECT_THROW(NactiTextovySoubor(cesta), ChybaSouboru);
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

// Runs `zkouska` as an ordinary user: in a child process that drops to
// "nobody" (with the supplementary groups `skupiny` only) when the tests run
// as root (root may write anything, so the rule could not be seen). True
// when it returned true.
bool JakoBeznyUzivatel(const std::function<bool()>& zkouska, const std::vector<gid_t>& skupiny = {})
{
    if (::geteuid() != 0) return zkouska();
    return VDetskemProcesu([&] {
        return ::setgroups(skupiny.size(), skupiny.data()) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
               zkouska();
    });
}

// One rule for every save: a target the user may not write, a pipe and a
// link to nothing fail at once and are left as they were.
TEST_F(TextSouborTest, SavesTheUserMayNotMakeFailAndLeaveTheTargetAlone)
{
    const bool root = ::geteuid() == 0;
    fs::permissions(slozka, fs::perms::all);  // an ordinary user may write here
    const auto vlastni = slozka / "jen_pro_cteni.txt";
    const auto cizi = slozka / "cizi.txt";
    const auto roura = slozka / "roura";
    const auto odkaz = slozka / "odkaz.txt";
    ZapisTextovySoubor(vlastni.string(), {"stary"});
    ZapisTextovySoubor(cizi.string(), {"cizi"});
    ASSERT_EQ(::mkfifo(roura.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(roura.c_str(), 0666), 0);  // writable by anyone: only its kind refuses it
    fs::create_symlink(slozka / "nikam.txt", odkaz);
    if (root) {
        // Root's files: "vlastni" is handed to the ordinary user below.
        ASSERT_EQ(::chown(vlastni.c_str(), 65534, 65534), 0);
        ASSERT_EQ(::chmod(cizi.c_str(), 0644), 0);
    }
    ASSERT_EQ(::chmod(vlastni.c_str(), 0444), 0);

    const bool ok = JakoBeznyUzivatel([&] {
        bool vse = true;
        std::vector<fs::path> cile = {vlastni, roura, odkaz};
        if (root) cile.push_back(cizi);
        for (const fs::path& cil : cile) {
            try {
                ZapisTextovySoubor(cil.string(), {"novy"});
                vse = false;
            } catch (const ChybaSouboru&) {
            }
            try {
                OverCilZapisu(cil.string());
                vse = false;
            } catch (const ChybaSouboru&) {
            }
        }
        // A file of one's own that may be written is replaced as before.
        const auto muj = slozka / (root ? "novy_nobody.txt" : "novy.txt");
        try {
            ZapisTextovySoubor(muj.string(), {"muj"});
        } catch (const ChybaSouboru&) {
            vse = false;
        }
        return vse;
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(ObsahSouboru(vlastni), "stary\r\n");
    EXPECT_EQ(ObsahSouboru(cizi), "cizi\r\n");
    EXPECT_TRUE(fs::is_fifo(roura));
    EXPECT_TRUE(fs::is_symlink(odkaz));
    EXPECT_FALSE(fs::exists(slozka / "nikam.txt"));
    // Nothing else was left behind: the four targets and the file written.
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka), fs::directory_iterator()), 5);
}

// A save keeps the owner, group, mode and hard links of the file it
// replaces: a new file given to the owner where the saver may do that and the
// file has no other link (a new inode), else the file written in place (the
// same inode), longer and then shorter than before. Root makes the files of
// other users and saves; "nobody" in group 4242 saves too.
TEST_F(TextSouborTest, ASaveKeepsTheOwnerGroupModeAndLinksOfTheFileItReplaces)
{
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give files to other users and to save as another user";
    fs::permissions(slozka, fs::perms::all);
    constexpr uid_t nikdo = 65534, jiny = 4321;
    constexpr gid_t skupina = 4242;
    struct Pripad {
        const char* nazev;
        uid_t uid;
        gid_t gid;
        mode_t prava;
        bool odkaz;      // a second hard link
        bool jakoNikdo;  // saved by "nobody", else by root
        bool naMiste;
    };
    const Pripad pripady[] = {
        {"another user's file, saved by root", nikdo, nikdo, 0640, false, false, false},
        {"root's file with a second link", 0, 0, 0644, true, false, true},
        {"another user's group-writable file", jiny, skupina, 0664, false, true, true},
        {"another user's group-writable file with a second link", jiny, skupina, 0660, true, true, true},
        {"one's own file of another group of one's own", nikdo, skupina, 0660, false, true, false},
        {"one's own file with a second link", nikdo, nikdo, 0600, true, true, true},
    };
    const TStringList delsi = {"novy obsah", "delsi nez stary"}, kratsi = {"x"};
    int i = 0;
    for (const Pripad& p : pripady) {
        const fs::path cil = slozka / ("cil" + std::to_string(i) + ".txt");
        const fs::path odkaz = slozka / ("odkaz" + std::to_string(i++) + ".txt");
        ZapisTextovySoubor(cil.string(), {"stary"});
        ASSERT_EQ(::chown(cil.c_str(), p.uid, p.gid), 0);
        ASSERT_EQ(::chmod(cil.c_str(), p.prava), 0);
        if (p.odkaz) fs::create_hard_link(cil, odkaz);
        // Held open, so that a new file cannot take its inode number.
        const int stary = ::open(cil.c_str(), O_RDONLY);
        struct stat pred {}, po {};
        ASSERT_EQ(::fstat(stary, &pred), 0);
        auto uloz = [&] {
            try {
                ZapisTextovySoubor(cil.string(), delsi);
                if (ObsahSouboru(cil) != "novy obsah\r\ndelsi nez stary\r\n") return false;
                ZapisTextovySoubor(cil.string(), kratsi);
                return true;
            } catch (const ChybaSouboru&) {
                return false;
            }
        };
        EXPECT_TRUE(p.jakoNikdo ? JakoBeznyUzivatel(uloz, {skupina}) : uloz()) << p.nazev;
        ASSERT_EQ(::stat(cil.c_str(), &po), 0);
        EXPECT_EQ(ObsahSouboru(cil), "x\r\n") << p.nazev;
        if (p.odkaz) {
            EXPECT_EQ(ObsahSouboru(odkaz), "x\r\n") << p.nazev;
        }
        EXPECT_EQ(po.st_uid, p.uid) << p.nazev;
        EXPECT_EQ(po.st_gid, p.gid) << p.nazev;
        EXPECT_EQ(po.st_mode & 07777, p.prava) << p.nazev;
        EXPECT_EQ(po.st_nlink, p.odkaz ? 2u : 1u) << p.nazev;
        EXPECT_EQ(po.st_ino == pred.st_ino, p.naMiste) << p.nazev;
        ::close(stary);
    }
    // No temporary file is left: the six targets and their three links.
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka), fs::directory_iterator()), 9);

    // A save in place that fails while the new content is written (the file
    // size limit) leaves the old file byte-identical and nothing behind.
    const fs::path cil = slozka / "cil0.txt", odkaz = slozka / "odkaz_omezeny.txt";
    fs::create_hard_link(cil, odkaz);
    EXPECT_TRUE(JakoBeznyUzivatel([&] {
        PripravProcesProZapis();  // as the program starts
        const struct rlimit mez {100, 100};
        if (::setrlimit(RLIMIT_FSIZE, &mez) != 0) return false;
        try {
            ZapisTextovySoubor(cil.string(), {std::string(200, 'y')});
            return false;
        } catch (const ChybaSouboru&) {
            return true;
        }
    }));
    EXPECT_EQ(ObsahSouboru(cil), "x\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka), fs::directory_iterator()), 10);
}

// A file that another program goes on appending to while it is read is read
// as far as it reached when opened, so that the reading ends.
TEST_F(TextSouborTest, AFileThatGrowsWhileItIsReadIsReadAsItWasOpened)
{
    const auto cesta = (slozka / "roste.txt").string();
    ZapisTextovySoubor(cesta, {"1 2", "3 4"});
    TctecRadku ctec(cesta, 4);
    {
        std::ofstream f(cesta, std::ios::binary | std::ios::app);
        f << "5 6\r\n7 8\r\n";
    }
    EXPECT_EQ(VsechnyRadky(ctec), (TStringList{"1 2", "3 4"}));
}

bool CteniSelze(const std::string& cesta)
{
    try {
        NactiTextovySoubor(cesta);
        return false;
    } catch (const ChybaSouboru&) {
        return true;
    }
}

// What is not a regular file is refused when opened, at once: a pipe that
// holds a text, a named pipe without a writer (whose open would wait for one
// for ever), one whose writer never stops, and a device that never ends.
TEST_F(TextSouborTest, WhatIsNotARegularFileIsRefusedAtOnce)
{
    int roura[2];
    ASSERT_EQ(::pipe(roura), 0);
    const std::string text = "1 2\r\n3 4\r\n";
    ASSERT_EQ(::write(roura[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
    ::close(roura[1]);
    EXPECT_TRUE(CteniSelze("/proc/self/fd/" + std::to_string(roura[0])));
    ::close(roura[0]);

    const fs::path bezPisatele = slozka / "bez_pisatele", krmena = slozka / "krmena";
    ASSERT_EQ(::mkfifo(bezPisatele.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(krmena.c_str(), 0600), 0);
    const pid_t pisatel = ::fork();
    if (pisatel == 0) {
        ::alarm(30);
        const int fd = ::open(krmena.c_str(), O_WRONLY);
        const std::string radek(4096, 'y');
        while (fd >= 0 && ::write(fd, radek.data(), radek.size()) > 0) {
        }
        ::_exit(0);
    }
    for (const std::string& cesta : {bezPisatele.string(), krmena.string(), std::string("/dev/zero")})
        EXPECT_TRUE(VDetskemProcesu([&] { return CteniSelze(cesta); })) << cesta;
    ::kill(pisatel, SIGKILL);
    ::waitpid(pisatel, nullptr, 0);
}

// Under a file-size limit a save fails like one onto a full disk, in a
// process set up as the program sets itself up: the old file is kept, no
// temporary file is left, and the program goes on (it is not ended by the
// limit's signal).
TEST_F(TextSouborTest, AFileSizeLimitFailsTheSaveAndTheProgramGoesOn)
{
    const fs::path cil = slozka / "projekt.pea";
    ZapisTextovySoubor(cil.string(), {"stary"});
    const pid_t pid = ::fork();
    if (pid == 0) {
        PripravProcesProZapis();
        const struct rlimit mez {1000, RLIM_INFINITY};
        if (::setrlimit(RLIMIT_FSIZE, &mez) != 0) ::_exit(2);
        try {
            ZapisTextovySoubor(cil.string(), {std::string(5000, 'y')});
        } catch (const ChybaSouboru&) {
            ::_exit(0);
        }
        ::_exit(1);
    }
    int stav = 0;
    ASSERT_EQ(::waitpid(pid, &stav, 0), pid);
    EXPECT_TRUE(WIFEXITED(stav)) << "ended by signal " << (WIFSIGNALED(stav) ? WTERMSIG(stav) : 0);
    EXPECT_EQ(WIFEXITED(stav) ? WEXITSTATUS(stav) : -1, 0);
    EXPECT_EQ(ObsahSouboru(cil), "stary\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka), fs::directory_iterator()), 1);
}

// The longest names a folder allows (255 bytes) save, new and over an
// existing file; the temporary file's name then is cut to fit, at a
// character, not inside one.
TEST_F(TextSouborTest, TheLongestNamesSaveNewAndOverAnOldFile)
{
    const std::string ascii(255, 'n');
    std::string cesky = "a";
    for (int i = 0; i < 127; ++i) cesky += "č";  // 255 bytes; byte 244 is inside a "č"
    ASSERT_EQ(cesky.size(), 255u);
    std::vector<std::string> docasne;
    PredNahrazenimCile = [&] {
        for (const auto& e : fs::directory_iterator(slozka))
            if (e.path().filename().string().find(".tmp-") != std::string::npos)
                docasne.push_back(e.path().filename().string());
    };
    for (const std::string& jmeno : {ascii, cesky}) {
        const fs::path cil = slozka / jmeno;
        docasne.clear();
        EXPECT_NO_THROW(ZapisTextovySoubor(cil.string(), {"novy"})) << jmeno.substr(0, 3);
        EXPECT_NO_THROW(ZapisTextovySoubor(cil.string(), {"prepsany"})) << jmeno.substr(0, 3);
        EXPECT_EQ(ObsahSouboru(cil), "prepsany\r\n");
        ASSERT_EQ(docasne.size(), 2u);
        for (const std::string& d : docasne) {
            EXPECT_LE(d.size(), 255u);
            EXPECT_EQ(d.substr(0, d.find(".tmp-")), jmeno.substr(0, d.find(".tmp-")));
            for (const char32_t znak : ZnakyTextu(d)) EXPECT_LT(znak, 0x110000u) << "a byte of a cut character";
        }
    }
    PredNahrazenimCile = nullptr;
    EXPECT_EQ(std::distance(fs::directory_iterator(slozka), fs::directory_iterator()), 2);
}

// A shared folder (02775, group 4242) where "nobody", a member of the group,
// has a file of its own, and a folder of root's outside it with root's file.
class SdilenaSlozkaTest : public TextSouborTest {
protected:
    static constexpr uid_t kClen = 65534;
    static constexpr gid_t kSkupina = 4242;
    using Tidentita = std::tuple<uid_t, gid_t, mode_t>;

    void SetUp() override
    {
        TextSouborTest::SetUp();
        if (::geteuid() != 0) GTEST_SKIP() << "needs root to save into a folder that another user shares";
        sdilena = slozka / "sdilena";
        venku = slozka / "venku";
        cil = sdilena / "protokol.txt";
        druhe = sdilena / "druhe";
        cizi = venku / "soubor.txt";
        fs::create_directories(sdilena);
        fs::create_directories(venku);
        ASSERT_EQ(::chmod(slozka.c_str(), 0755), 0);
        ASSERT_EQ(::chown(sdilena.c_str(), 0, kSkupina), 0);
        ASSERT_EQ(::chmod(sdilena.c_str(), 02775), 0);
        ZapisTextovySoubor(cizi.string(), {"venku"});
        ASSERT_EQ(::chmod(cizi.c_str(), 0644), 0);
    }
    // A file of the member's at `p`.
    void SouborClena(const fs::path& p, const std::string& obsah)
    {
        ZapisTextovySoubor(p.string(), {obsah});
        ASSERT_EQ(::chown(p.c_str(), kClen, kSkupina), 0);
        ASSERT_EQ(::chmod(p.c_str(), 0664), 0);
    }
    static Tidentita Identita(const fs::path& p)
    {
        struct stat st {};
        ::lstat(p.c_str(), &st);
        return {st.st_uid, st.st_gid, st.st_mode & 07777};
    }
    // Root's file outside keeps owner and mode, and every file in the shared
    // folder is the member's.
    bool NikdoNicNeziskal() const
    {
        if (Identita(cizi) != Tidentita{0, 0, 0644}) return false;
        for (const auto& e : fs::directory_iterator(sdilena)) {
            struct stat st {};
            if (::lstat(e.path().c_str(), &st) == 0 && !S_ISLNK(st.st_mode) &&
                Tidentita{st.st_uid, st.st_gid, st.st_mode & 07777} != Tidentita{kClen, kSkupina, 0664})
                return false;
        }
        return true;
    }
    fs::path sdilena, venku, cil, druhe, cizi;
};

// The member swaps the target's name between its own file and a link to
// root's file at the moment a save has looked at the name and before it
// opens it, or before it replaces it. Whatever was at the real name when
// the path was resolved sets the new file's owner, group and mode: root's
// file outside is written only through a link that was there then, and
// keeps its owner and mode; the member's file keeps its own.
TEST_F(SdilenaSlozkaTest, ANameSwappedDuringASaveGivesNoFileAnotherOwner)
{
    struct Pripad {
        const char* nazev;
        bool odkazNaZacatku;  // the name is a link to root's file when the save begins
        bool predOtevrenim;   // swapped before the open, else before the replacement
        bool uspeje;
        const char* obsahCile, *obsahDruheho, *obsahCiziho;  // nullptr: a link
    };
    const Pripad pripady[] = {
        {"a file, then a link before the replacement", false, false, true, "novy\r\n", "clen\r\n", "venku\r\n"},
        {"a file, then a link before the open", false, true, false, nullptr, "clen\r\n", "venku\r\n"},
        {"a link, then a file before the replacement", true, false, true, "clen\r\n", nullptr, "novy\r\n"},
        {"a link, then a file before the open", true, true, true, "clen\r\n", nullptr, "novy\r\n"},
    };
    for (const Pripad& p : pripady) {
        fs::remove(cil);
        fs::remove(druhe);
        ZapisTextovySoubor(cizi.string(), {"venku"});
        SouborClena(p.odkazNaZacatku ? druhe : cil, "clen");
        fs::create_symlink(cizi, p.odkazNaZacatku ? cil : druhe);
        auto vymen = [&] { ::renameat2(AT_FDCWD, cil.c_str(), AT_FDCWD, druhe.c_str(), RENAME_EXCHANGE); };
        (p.predOtevrenim ? PredOtevrenimCile : PredNahrazenimCile) = vymen;
        bool uspel = true;
        try {
            ZapisTextovySoubor(cil.string(), {"novy"});
        } catch (const ChybaSouboru&) {
            uspel = false;
        }
        PredOtevrenimCile = PredNahrazenimCile = nullptr;
        EXPECT_EQ(uspel, p.uspeje) << p.nazev;
        EXPECT_TRUE(NikdoNicNeziskal()) << p.nazev;
        auto obsah = [](const fs::path& f) { return fs::is_symlink(f) ? std::string("(link)") : ObsahSouboru(f); };
        EXPECT_EQ(obsah(cil), p.obsahCile ? p.obsahCile : "(link)") << p.nazev;
        EXPECT_EQ(obsah(druhe), p.obsahDruheho ? p.obsahDruheho : "(link)") << p.nazev;
        EXPECT_EQ(ObsahSouboru(cizi), p.obsahCiziho) << p.nazev;
        EXPECT_EQ(Polozek(sdilena), 2u) << p.nazev;  // no temporary file left
        EXPECT_EQ(Polozek(venku), 1u) << p.nazev;
    }
}

// The same by a member of the group as a process of its own, swapping the
// names all the time while root saves again and again.
TEST_F(SdilenaSlozkaTest, AMemberSwappingTheNameWhileRootSavesGainsNoFile)
{
    SouborClena(cil, "clen");
    fs::create_symlink(cizi, druhe);
    const pid_t clen = ::fork();
    if (clen == 0) {
        ::alarm(60);
        const gid_t skupiny[] = {kSkupina};
        if (::setgroups(1, skupiny) != 0 || ::setgid(kClen) != 0 || ::setuid(kClen) != 0) ::_exit(1);
        for (;;) ::renameat2(AT_FDCWD, cil.c_str(), AT_FDCWD, druhe.c_str(), RENAME_EXCHANGE);
    }
    int ulozeno = 0, pokusu = 0;
    bool ok = true;
    for (; pokusu < 300 && ok; ++pokusu) {
        try {
            ZapisTextovySoubor(cil.string(), {"novy " + std::to_string(pokusu)});
            ++ulozeno;
        } catch (const ChybaSouboru&) {
            // the name changed between the look and the open
        }
        ok = NikdoNicNeziskal();
    }
    ::kill(clen, SIGKILL);
    ::waitpid(clen, nullptr, 0);
    EXPECT_TRUE(ok) << "after " << pokusu << " saves";
    EXPECT_TRUE(NikdoNicNeziskal());
    EXPECT_GT(ulozeno, 0);
    EXPECT_EQ(Polozek(sdilena), 2u);
    EXPECT_EQ(Polozek(venku), 1u);
}

// A pipe that takes the name of a file to be written in place (it has a
// second hard link) after the save looked at it is refused without
// blocking, whether a reader holds it or not; nothing is left behind.
TEST_F(TextSouborTest, APipeSwappedInBeforeTheOpenIsRefusedWithoutBlocking)
{
    const fs::path cil = slozka / "cil.txt", odkaz = slozka / "odkaz.txt", roura = slozka / "roura";
    for (const bool ctenar : {false, true}) {
        fs::remove(cil);
        fs::remove(odkaz);
        ZapisTextovySoubor(cil.string(), {"stary"});
        fs::create_hard_link(cil, odkaz);
        EXPECT_TRUE(VDetskemProcesu([&] {
            PredOtevrenimCile = [&] {
                fs::remove(cil);
                ::mkfifo(cil.c_str(), 0666);
                if (ctenar) ::open(cil.c_str(), O_RDONLY | O_NONBLOCK);
            };
            try {
                ZapisTextovySoubor(cil.string(), {"novy"});
                return false;
            } catch (const ChybaSouboru&) {
                return true;
            }
        })) << (ctenar ? "with a reader" : "without a reader");
        EXPECT_TRUE(fs::is_fifo(cil));
        EXPECT_EQ(ObsahSouboru(odkaz), "stary\r\n");
        EXPECT_EQ(Polozek(slozka), 2u);
    }
}

TEST_F(TextSouborTest, ReadingFailuresRaise)
{
    EXPECT_THROW(NactiTextovySoubor((slozka / "neni.txt").string()), ChybaSouboru);
    EXPECT_THROW(NactiTextovySoubor(slozka.string()), ChybaSouboru);
}

}  // namespace
}  // namespace sitmera
