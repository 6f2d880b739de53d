#include "numerics/TextSoubor.h"
#include "numerics/ZapisSouboru.h"
#include "numerics/SouboryTestu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <cstring>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sitmera {
namespace {

using namespace test;


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

// A file that another program goes on appending to while it is read (still
// being written) is refused, and the reading ends.
TEST_F(TextSouborTest, AFileThatGrowsWhileItIsReadIsRefusedAndTheReadingEnds)
{
    const auto cesta = (slozka / "roste.txt").string();
    ZapisTextovySoubor(cesta, {"1 2", "3 4"});
    TctecRadku ctec(cesta, 4);
    {
        std::ofstream f(cesta, std::ios::binary | std::ios::app);
        f << "5 6\r\n7 8\r\n";
    }
    EXPECT_THROW(VsechnyRadky(ctec), ChybaSouboru);
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
    // A socket too, by the same words.
    const Tsoket soket;
    ASSERT_FALSE(soket.cesta.empty());
    for (const std::string& cesta : {bezPisatele.string(), krmena.string(), std::string("/dev/zero"), soket.cesta})
        EXPECT_TRUE(VDetskemProcesu([&] {
            try {
                NactiTextovySoubor(cesta);
            } catch (const ChybaSouboru& e) {
                return std::string(e.what()).find("not a regular file") != std::string::npos;
            }
            return false;
        })) << cesta;
    ::kill(pisatel, SIGKILL);
    ::waitpid(pisatel, nullptr, 0);
}

// A file cut while it is read (another program writing it anew, inside a
// value) is refused, never taken as a shorter file. A regular file whose
// size shows as 0 (a file of /proc) is read to its end.
TEST_F(TextSouborTest, AFileCutWhileItIsReadIsRefused)
{
    const auto cesta = (slozka / "body.txt").string();
    TStringList radky;
    for (int i = 0; i < 1000; ++i) radky.push_back(std::to_string(i) + " 100.125 200.125 300.125");
    ZapisTextovySoubor(cesta, radky);
    TctecRadku ctec(cesta, 4096);
    bool prvni = true;
    try {
        ProjdiRadky(ctec, [] {}, [&](const std::vector<std::string_view>&) {
            if (std::exchange(prvni, false)) fs::resize_file(cesta, 10000);
            return true;
        });
        ADD_FAILURE() << "a file cut while read was read whole";
    } catch (const ChybaSouboru& e) {
        EXPECT_NE(std::string(e.what()).find("changed while it was being read"), std::string::npos) << e.what();
    }

    ASSERT_EQ(fs::file_size("/proc/self/status"), 0u);
    const TStringList stav = NactiTextovySoubor("/proc/self/status");
    ASSERT_GT(stav.size(), 5u);
    EXPECT_EQ(stav.front().rfind("Name:", 0), 0u) << stav.front();
}

// A name that is a regular file when looked at and a named pipe when opened
// (another program renaming one over it meanwhile): the file looked at is
// read, the pipe is not opened.
TEST_F(TextSouborTest, TheFileLookedAtIsReadWhateverTakesItsNameBeforeTheOpen)
{
    const fs::path cesta = slozka / "body.txt", roura = slozka / "roura";
    ZapisTextovySoubor(cesta.string(), {"1 2", "3 4"});
    ASSERT_EQ(::mkfifo(roura.c_str(), 0600), 0);
    struct Hak {
        ~Hak() { PoPohleduNaSoubor = nullptr; }
    } hak;
    PoPohleduNaSoubor = [&] { fs::rename(roura, cesta); };
    EXPECT_EQ(NactiTextovySoubor(cesta.string()), (TStringList{"1 2", "3 4"}));
    EXPECT_TRUE(fs::is_fifo(cesta));
}

// A file saved in place while it is read (the same size, the same bytes or
// others) is refused when the reading reaches its end, before the last
// lines are handed out; also on the second pass of a text that proves to be
// Windows-1250.
TEST_F(TextSouborTest, AFileRewrittenInPlaceWhileItIsReadIsRefused)
{
    const auto cesta = (slozka / "body.txt").string();
    for (const bool windows1250 : {false, true})
        for (const bool stejne : {false, true}) {
            std::string stary;
            for (int i = 0; i < 1000; ++i) stary += std::to_string(i) + " 100.125 200.125 300.125\r\n";
            if (windows1250) stary += "\xE8";
            std::string novy = stary;
            if (!stejne) std::replace(novy.begin(), novy.end(), '3', '9');
            ZapisSouborAtomicky(cesta, stary);
            // Old times, so that the rewrite moves them whatever the clock.
            const timespec stare[2] = {{1000000000, 0}, {1000000000, 0}};
            ASSERT_EQ(::utimensat(AT_FDCWD, cesta.c_str(), stare, 0), 0);
            TctecRadku ctec(cesta, 4096);
            int pruchod = 0;
            bool prepsano = false;
            try {
                ProjdiRadky(ctec, [&] { ++pruchod; }, [&](const std::vector<std::string_view>&) {
                    if (pruchod == (windows1250 ? 2 : 1) && !std::exchange(prepsano, true))
                        std::fstream(cesta, std::ios::in | std::ios::out | std::ios::binary) << novy;
                    return true;
                });
                ADD_FAILURE() << "a file rewritten while read was read whole: " << windows1250 << " " << stejne;
            } catch (const ChybaSouboru& e) {
                EXPECT_EQ(e.what(), "Cannot read \"" + cesta + "\": it changed while it was being read");
            }
        }
}

// A file on which another program holds a lease (a file server's oplock) is
// read, and saved, once the holder gives the lease up when the system tells
// it to.
TEST_F(TextSouborTest, AFileUnderALeaseIsReadAndSavedOnceItsHolderGivesItUp)
{
    const fs::path cesta = slozka / "najem.txt";
    ZapisTextovySoubor(cesta.string(), {"1 2"});
    for (const bool ulozit : {false, true}) {
        int pripraven[2];
        ASSERT_EQ(::pipe(pripraven), 0);
        const pid_t drzitel = ::fork();
        if (drzitel == 0) {
            ::alarm(30);
            static int fd = ::open(cesta.c_str(), O_RDONLY);
            sigset_t sigio, puvodni;
            ::sigemptyset(&sigio);
            ::sigaddset(&sigio, SIGIO);
            ::sigprocmask(SIG_BLOCK, &sigio, &puvodni);
            struct sigaction akce {};
            akce.sa_handler = [](int) { ::fcntl(fd, F_SETLEASE, F_UNLCK); };
            ::sigaction(SIGIO, &akce, nullptr);
            if (fd < 0 || ::fcntl(fd, F_SETLEASE, F_WRLCK) != 0) ::_exit(2);
            if (::write(pripraven[1], "x", 1) != 1) ::_exit(3);
            while (::fcntl(fd, F_GETLEASE) != F_UNLCK) ::sigsuspend(&puvodni);
            ::_exit(0);
        }
        ::close(pripraven[1]);
        char c = 0;
        ASSERT_EQ(::read(pripraven[0], &c, 1), 1) << "the lease could not be taken";
        ::close(pripraven[0]);
        if (ulozit) {
            EXPECT_NO_THROW(ZapisTextovySoubor(cesta.string(), {"3 4"}));
        } else {
            EXPECT_EQ(NactiTextovySoubor(cesta.string()), TStringList{"1 2"});
        }
        int stav = 0;
        ASSERT_EQ(::waitpid(drzitel, &stav, 0), drzitel);
        EXPECT_TRUE(WIFEXITED(stav) && WEXITSTATUS(stav) == 0) << "the holder was not told to give the lease up";
    }
    EXPECT_EQ(ObsahSouboru(cesta), "3 4\r\n");
}

TEST_F(TextSouborTest, ReadingFailuresRaise)
{
    EXPECT_THROW(NactiTextovySoubor((slozka / "neni.txt").string()), ChybaSouboru);
    EXPECT_THROW(NactiTextovySoubor(slozka.string()), ChybaSouboru);
}

}  // namespace
}  // namespace sitmera
