#include "points/UzivatelskeBody.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "analysis/OtiskEtapy.h"
#include "core/Info.h"
#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "numerics/TestProces.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "points/Souradnice.h"
#include "points/SouradniceSoubor.h"

// Every allocation of this test program goes through Alokuj: the first one
// of at least `selhaniPametiOd` bytes (0: none) fails, once, as if the memory
// had run out there.
namespace {
std::atomic<std::size_t> selhaniPametiOd{0};

void* Alokuj(std::size_t n)
{
    std::size_t mez = selhaniPametiOd.load();
    if (mez != 0 && n >= mez && selhaniPametiOd.compare_exchange_strong(mez, 0)) throw std::bad_alloc();
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}

void* AlokujBezVyjimky(std::size_t n) noexcept
{
    try {
        return Alokuj(n);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
}  // namespace

void* operator new(std::size_t n) { return Alokuj(n); }
void* operator new[](std::size_t n) { return Alokuj(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return AlokujBezVyjimky(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return AlokujBezVyjimky(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace sitmera {
namespace {

namespace fs = std::filesystem;

const std::string Data = std::string(SITMERA_TEST_DATA) + "/coords/";

std::string Obsah(const fs::path& cesta)
{
    std::ifstream f(cesta, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void Zapis(const fs::path& cesta, const std::string& obsah)
{
    std::ofstream f(cesta, std::ios::binary);
    f << obsah;
}

Tbod Bod(const std::string& cislo, Extended x, Extended y, Extended z)
{
    Tbod b;
    BodDefault(b);
    b.cislo = cislo;
    b.X = x;
    b.Y = y;
    b.Z = z;
    b.JePlny = true;
    return b;
}

class UzivatelskeBodyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        slozka = fs::temp_directory_path() /
                 ("sitmera-uzivatelske-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(slozka);
        fs::create_directories(slozka);
        nastaveni.Default();
        nastaveni.okno.bodyVstup = 3;
        jazyk.Default(nastaveni);
    }
    void TearDown() override { fs::remove_all(slozka); }

    // An open dialog that "chooses" these files with this filter item.
    TdialogOtevritSoubory Otevrit(TStringList soubory, std::uint8_t polozka)
    {
        return [this, soubory, polozka](TStringList& vystup, Tnastaveni& n, const Tjazyk& j) {
            ++volaniDialogu;
            EXPECT_EQ(&j, &jazyk);
            n.souborVstup.typSouradnice = polozka;
            vystup = soubory;
            return !vystup.empty();
        };
    }
    // A save dialog that "chooses" this path with this filter item.
    TdialogUlozitSoubor Ulozit(std::string cesta, std::uint8_t polozka)
    {
        return [this, cesta, polozka](std::string& vystup, Tnastaveni& n, const Tjazyk&) {
            ++volaniDialogu;
            n.souborVystup.typSouradnice = polozka;
            vystup = cesta;
            return !cesta.empty();
        };
    }

    fs::path slozka;
    Tnastaveni nastaveni;
    Tjazyk jazyk;
    Tinfo info;
    Tsouradnice body;
    int volaniDialogu = 0;
};

TEST_F(UzivatelskeBodyTest, LoadsAFileInEachAxisOrder)
{
    ASSERT_TRUE(NacteniSouboru(body, info, nastaveni, jazyk, Otevrit({Data + "body_xyz.txt"}, 0)));
    ASSERT_TRUE(NacteniSouboru(body, info, nastaveni, jazyk, Otevrit({Data + "body_yxz.txt"}, 1)));
    ASSERT_EQ(body.bod.size(), 8u);
    // Both files hold the same points, one in each order.
    for (std::size_t i = 0; i < 4; ++i) {
        const Tbod& a = body.bod[i];
        const Tbod& b = body.bod[i + 4];
        EXPECT_EQ(a.cislo, b.cislo);
        EXPECT_EQ((std::vector<Extended>{a.X, a.Y, a.Z}), (std::vector<Extended>{b.X, b.Y, b.Z})) << a.cislo;
        EXPECT_EQ((std::vector<int>{a.soubor, b.soubor, a.poradi, b.poradi}),
                  (std::vector<int>{1, 2, int(i) + 1, int(i) + 5}));
        EXPECT_FALSE(a.JeFixni || a.JeAktiv || b.JeFixni || b.JeAktiv);
        EXPECT_EQ(a.sig_X, -1.0L);
    }
    EXPECT_EQ(body.bod[1].cislo, "2");
    EXPECT_EQ((std::vector<Extended>{body.bod[1].X, body.bod[1].Y, body.bod[1].Z, body.bod[3].X}),
              (std::vector<Extended>{1010.5L, 2005.25L, 301.125L, -5.5L}));  // "1010,5"

    ASSERT_EQ(info.souborySouradniceUzivatelske.size(), 2u);
    const Tsoubor& s1 = info.souborySouradniceUzivatelske[0];
    EXPECT_EQ(s1.ID, 1);
    EXPECT_EQ(s1.jmeno, "body_xyz.txt");
    EXPECT_EQ(s1.cesta, Data);
    EXPECT_EQ(s1.pripona, ".txt");
    EXPECT_EQ(s1.typ, 0);
    EXPECT_TRUE(s1.nacteni);
    EXPECT_EQ(s1.hlaseni, 4);  // lines read
    EXPECT_EQ(info.souborySouradniceUzivatelske[1].typ, 1);
}

TEST_F(UzivatelskeBodyTest, LoadsFeetAndWindows1250)
{
    nastaveni.jednotky.souradnice = 1;
    NacistSoubory(body, info, nastaveni, {Data + "body_stopy.txt"});
    ASSERT_EQ(body.bod.size(), 2u);
    // 1000 ft = 304.8 m, 2000 ft = 609.6 m, 100 ft = 30.48 m.
    EXPECT_EQ(body.bod[0].X, TextNaCislo("304.8"));
    EXPECT_EQ(body.bod[0].Y, TextNaCislo("609.6"));
    EXPECT_EQ(body.bod[0].Z, TextNaCislo("30.48"));
    EXPECT_EQ(body.bod[1].Y, TextNaCislo("-3.048"));

    nastaveni.jednotky.souradnice = 0;
    NacistSoubory(body, info, nastaveni, {Data + "body_cp1250.txt"});
    ASSERT_EQ(body.bod.size(), 4u);
    EXPECT_EQ(body.bod[2].cislo, "Kóta1");
    EXPECT_EQ(body.bod[3].cislo, "Šachta");
}

TEST_F(UzivatelskeBodyTest, NothingHappensOutsideTheUserPointWindowOrOnCancel)
{
    nastaveni.okno.bodyVstup = 0;
    EXPECT_FALSE(NacteniSouboru(body, info, nastaveni, jazyk, Otevrit({Data + "body_xyz.txt"}, 0)));
    EXPECT_EQ(volaniDialogu, 0);

    nastaveni.okno.bodyVstup = 3;
    EXPECT_FALSE(NacteniSouboru(body, info, nastaveni, jazyk, Otevrit({}, 1)));
    EXPECT_EQ(volaniDialogu, 1);
    EXPECT_EQ(nastaveni.souborVstup.typSouradnice, 1);  // the filter item is kept
    EXPECT_TRUE(body.bod.empty());
    EXPECT_TRUE(info.souborySouradniceUzivatelske.empty());

    EXPECT_FALSE(NacteniSouboru(body, info, nastaveni, jazyk, nullptr));
}

// The first file has a bad third (non-empty) line: its record says line 3
// and it adds no points; the second file's points carry the second id; an
// empty or blank file is not loaded, faulty line 0.
TEST_F(UzivatelskeBodyTest, BadFileDoesNotStopTheNextOne)
{
    body.PridejBod(Bod("old", 1, 2, 3));
    NacistSoubory(body, info, nastaveni,
                  {Data + "chybny_treti_radek.txt", Data + "body_xyz.txt", Data + "mimo_rozsah.txt",
                   Data + "prazdny.txt", Data + "jen_mezery.txt"});
    const Tsoubory& s = info.souborySouradniceUzivatelske;
    ASSERT_EQ(s.size(), 5u);
    const bool nacteni[5] = {false, true, false, false, false};
    const int hlaseni[5] = {3, 4, 2, 0, 0};  // faulty line, or lines read
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(s[i].nacteni, nacteni[i]) << i;
        EXPECT_EQ(s[i].hlaseni, hlaseni[i]) << i;
    }
    EXPECT_EQ(info.VratUspesneNactenychSouboru(TypSouboruUzivatelske), 1);

    ASSERT_EQ(body.bod.size(), 5u);
    EXPECT_EQ(body.bod[0].cislo, "old");  // nothing already loaded is lost
    EXPECT_EQ(body.bod[0].X, 1.0L);
    for (std::size_t i = 1; i < 5; ++i) {
        EXPECT_EQ(body.bod[i].soubor, 2);
        EXPECT_EQ(body.bod[i].poradi, int(i) + 1);
    }
}

// A line longer than any line of a coordinate file is the faulty line (its
// number among the non-empty lines): the file adds no points, the next one
// loads. A point line padded with blanks to exactly the cap reads.
TEST_F(UzivatelskeBodyTest, ALineLongerThanTheCapIsTheFaultyLine)
{
    body.PridejBod(Bod("old", 1, 2, 3));
    std::string radek = "3 1 2 3";
    radek.resize(MaxDelkaRadku, ' ');
    const fs::path dlouhy = slozka / "dlouhy.txt", presny = slozka / "presny.txt";
    Zapis(dlouhy, "1 1 2 3\r\n\r\n2 1 2 3\r\n" + radek + " \r\n4 1 2 3\r\n");
    Zapis(presny, "1 1 2 3\r\n\r\n2 1 2 3\r\n" + radek);
    NacistSoubory(body, info, nastaveni, {dlouhy.string(), Data + "body_xyz.txt", presny.string()});
    const Tsoubory& s = info.souborySouradniceUzivatelske;
    ASSERT_EQ(s.size(), 3u);
    EXPECT_FALSE(s[0].nacteni);
    EXPECT_EQ(s[0].hlaseni, 3);
    EXPECT_TRUE(s[1].nacteni);
    EXPECT_TRUE(s[2].nacteni);
    EXPECT_EQ(s[2].hlaseni, 3);
    ASSERT_EQ(body.bod.size(), 8u);
    EXPECT_EQ(body.bod[0].cislo, "old");
    EXPECT_EQ(body.bod[1].soubor, 2);
    EXPECT_EQ(body.bod[7].cislo, "3");
    EXPECT_EQ(body.bod[7].soubor, 3);
}

// Mended fault: a file that could not be opened stopped the whole load with an
// error, so the files after it were never read. Now it is recorded as not
// loaded (faulty line 0) and the others load.
TEST_F(UzivatelskeBodyTest, FaultUnreadableFileStopsTheLoad)
{
    const std::string chybi = (slozka / "neni.txt").string();
    const std::string adresar = slozka.string();  // a folder, not a file
    EXPECT_TRUE(NacteniSouboru(body, info, nastaveni, jazyk,
                               Otevrit({chybi, Data + "body_stopy.txt", adresar, Data + "body_xyz.txt"}, 0)));
    ASSERT_EQ(info.souborySouradniceUzivatelske.size(), 4u);
    const Tsoubory& s = info.souborySouradniceUzivatelske;
    EXPECT_EQ(s[0].jmeno, "neni.txt");
    EXPECT_FALSE(s[0].nacteni);
    EXPECT_EQ(s[0].hlaseni, 0);
    EXPECT_TRUE(s[1].nacteni);
    EXPECT_FALSE(s[2].nacteni);
    EXPECT_EQ(s[2].hlaseni, 0);
    EXPECT_TRUE(s[3].nacteni);
    EXPECT_EQ(body.bod.size(), 6u);
    EXPECT_EQ(body.bod[0].soubor, 2);
    EXPECT_EQ(body.bod[5].soubor, 4);
}

// What is not a regular file, not even a pipe that holds a valid coordinate
// file, is recorded as not loaded at once; the points loaded before are kept
// exactly and the file after them loads. The load runs in a child process,
// where a reading that waits for ever fails.
TEST_F(UzivatelskeBodyTest, APipeAndADeviceAreNotLoadedAndLoseNothing)
{
    body.PridejBod(Bod("old", 1, 2, 3));
    const std::string pred = test::OtiskBodu(body);
    const test::RouryAZarizeni neSoubory(Data + "body_xyz.txt");
    ASSERT_TRUE(neSoubory.Pripraveno());
    TStringList soubory = neSoubory.Cesty();
    soubory.push_back(Data + "body_xyz.txt");
    EXPECT_TRUE(test::VDetskemProcesu([&] {
        NacistSoubory(body, info, nastaveni, soubory);
        const Tsoubory& s = info.souborySouradniceUzivatelske;
        bool ok = s.size() == 4 && s[3].nacteni && body.bod.size() == 5 && body.bod[1].soubor == 4;
        for (std::size_t i = 0; ok && i < 3; ++i) ok = !s[i].nacteni && s[i].hlaseni == 0;
        body.bod.resize(1);
        return ok && test::OtiskBodu(body) == pred;
    }));
}

#if defined(__SANITIZE_ADDRESS__)
#define SITMERA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SITMERA_ASAN 1
#endif
#endif

// A file too large for the memory (here: the memory of the process held to
// a little more than it uses) is recorded as not loaded instead of ending
// the load with an exception; the points loaded before are kept and the
// file after it loads.
TEST_F(UzivatelskeBodyTest, AFileTooLargeForTheMemoryIsNotLoadedAndLosesNothing)
{
#ifdef SITMERA_ASAN
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit left to the test";
#else
    const fs::path velky = slozka / "velky.txt";
    {
        std::ofstream f(velky, std::ios::binary);
        for (int i = 1; i <= 2'000'000; ++i) f << i << " 1000.25 2000.5 300.125\r\n";
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        try {
            body.PridejBod(Bod("old", 1, 2, 3));
            long stranek = 0;
            std::ifstream("/proc/self/statm") >> stranek;
            const rlim_t mez = static_cast<rlim_t>(stranek) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) +
                               (rlim_t{96} << 20);
            const struct rlimit r {mez, mez};
            if (::setrlimit(RLIMIT_AS, &r) != 0) ::_exit(2);
            NacistSoubory(body, info, nastaveni, {velky.string(), Data + "body_xyz.txt"});
            const Tsoubory& s = info.souborySouradniceUzivatelske;
            const bool ok = s.size() == 2 && !s[0].nacteni && s[0].hlaseni == 0 && s[1].nacteni &&
                            body.bod.size() > 1 && body.bod[0].cislo == "old" && body.bod[1].soubor == 2;
            ::_exit(ok ? 0 : 1);
        } catch (...) {
            ::_exit(3);
        }
    }
    int stav = 0;
    ASSERT_EQ(::waitpid(pid, &stav, 0), pid);
    ASSERT_TRUE(WIFEXITED(stav)) << "ended by signal " << WTERMSIG(stav);
    EXPECT_EQ(WEXITSTATUS(stav), 0) << "1: a wrong result, 2: no limit, 3: an exception left the load";
#endif
}

// A file whose points do not fit the memory once it is read (the list of
// points cannot grow to hold them) is recorded as not loaded instead of
// ending the load with an exception; the points loaded before are kept
// exactly and the file after it loads.
TEST_F(UzivatelskeBodyTest, PointsThatDoNotFitTheMemoryAfterTheReadingAreNotLoadedAndLoseNothing)
{
    body.PridejBod(Bod("old", 1, 2, 3));
    body.PridejBod(Bod("old2", -4.5, 5, 6.25));
    Tsouradnice pred;
    pred.Kopiruj(body);
    const std::string soubor = Data + "body_xyz.txt";  // four points
    // The list must grow to hold the points before and the file's: the
    // reading of the file alone asks for no block that large.
    const std::size_t mez = (body.bod.size() + 4) * sizeof(Tbod);
    selhaniPametiOd = mez;
    bool precteno = false;
    {
        TctecRadku text(soubor);
        TStringList radky;
        int cisloRadku = 0;
        precteno = NactiSouradniceZTextu(text, nastaveni, radky, cisloRadku);
    }
    ASSERT_EQ(selhaniPametiOd.exchange(0), mez);
    ASSERT_TRUE(precteno);

    selhaniPametiOd = mez;
    NacistSoubory(body, info, nastaveni, {soubor, soubor});
    EXPECT_EQ(selhaniPametiOd.exchange(0), 0u);  // the allocation failed
    const Tsoubory& s = info.souborySouradniceUzivatelske;
    ASSERT_EQ(s.size(), 2u);
    EXPECT_FALSE(s[0].nacteni);
    EXPECT_EQ(s[0].hlaseni, 0);
    EXPECT_TRUE(s[1].nacteni);
    EXPECT_EQ(s[1].hlaseni, 4);
    ASSERT_EQ(body.bod.size(), 6u);
    EXPECT_EQ((std::vector<int>{body.bod[2].soubor, body.bod[2].poradi, body.bod[5].poradi}),
              (std::vector<int>{2, 3, 6}));
    body.Velikost(2);
    EXPECT_EQ(test::OtiskBodu(body), test::OtiskBodu(pred));
}

TEST_F(UzivatelskeBodyTest, TrailingEmptyRecordsAreRemovedBeforeAppending)
{
    body.PridejBod(Bod("1", 1, 1, 1));
    body.PridejPrazdnyBod();
    body.PridejBod(Bod("2", 2, 2, 2));
    body.PridejPrazdnyBod();
    body.PridejPrazdnyBod();
    NacistSoubory(body, info, nastaveni, {Data + "body_stopy.txt"});
    ASSERT_EQ(body.bod.size(), 5u);  // the empty record in the middle stays
    EXPECT_FALSE(body.bod[1].JePlny);
    EXPECT_EQ(body.bod[3].cislo, "P1");
    EXPECT_EQ(body.bod[3].poradi, 4);
}

TEST_F(UzivatelskeBodyTest, SavesInTheDialogsAxisOrderWithCoordinateDecimals)
{
    body.PridejBod(Bod("7", 100, 200, 5));
    body.PridejPrazdnyBod();
    body.PridejBod(Bod("A1", -0.5, 1234567.891, 0));
    body.PridejPrazdnyBod();
    const fs::path cesta = slozka / "body.txt";

    ASSERT_EQ(UlozeniSouboru(body, info, nastaveni, jazyk, Ulozit(cesta.string(), 0)),
              TvysledekUlozeni::Ulozeno);
    EXPECT_EQ(Obsah(cesta), "7 100.0000 200.0000 5.0000\r\nA1 -0.5000 1234567.8910 0.0000\r\n");

    ASSERT_EQ(UlozeniSouboru(body, info, nastaveni, jazyk, Ulozit(cesta.string(), 1)),
              TvysledekUlozeni::Ulozeno);
    EXPECT_EQ(nastaveni.souborVystup.typSouradnice, 1);
    EXPECT_EQ(Obsah(cesta), "7 200.0000 100.0000 5.0000\r\nA1 1234567.8910 -0.5000 0.0000\r\n");

    nastaveni.jednotky.souradnice = 1;  // feet: 100 m = 328.0840 ft, 200 m = 656.1680 ft
    nastaveni.presnost.souradnice.hodnota = 3;
    ASSERT_EQ(UlozeniSouboru(body, info, nastaveni, jazyk, Ulozit(cesta.string(), 0)),
              TvysledekUlozeni::Ulozeno);
    EXPECT_EQ(Obsah(cesta), "7 328.084 656.168 16.404\r\nA1 -1.640 4050419.590 0.000\r\n");
    EXPECT_EQ(body.bod.size(), 4u);  // the list itself is not changed
}

// Files written and read back through the disk, in both axis orders and in
// feet, give the same points.
TEST_F(UzivatelskeBodyTest, RoundTripThroughFiles)
{
    NacistSoubory(body, info, nastaveni, {Data + "body_xyz.txt"});
    ASSERT_EQ(body.bod.size(), 4u);
    for (const std::uint8_t jednotka : {0, 1}) {
        for (const std::uint8_t poradi : {0, 1}) {
            nastaveni.jednotky.souradnice = jednotka;
            nastaveni.presnost.souradnice.hodnota = 8;
            const fs::path cesta = slozka / ("zpet" + std::to_string(jednotka) + std::to_string(poradi) + ".txt");
            ASSERT_EQ(UlozeniSouboru(body, info, nastaveni, jazyk, Ulozit(cesta.string(), poradi)),
                      TvysledekUlozeni::Ulozeno);
            Tsouradnice zpet;
            Tinfo infoZpet;
            ASSERT_TRUE(NacteniSouboru(zpet, infoZpet, nastaveni, jazyk, Otevrit({cesta.string()}, poradi)));
            ASSERT_TRUE(infoZpet.souborySouradniceUzivatelske[0].nacteni);
            ASSERT_EQ(zpet.bod.size(), body.bod.size());
            for (std::size_t i = 0; i < body.bod.size(); ++i) {
                EXPECT_EQ(zpet.bod[i].cislo, body.bod[i].cislo);
                // Eight decimals: exact in metres, within 0.3048e-8 m in feet.
                EXPECT_NEAR(double(zpet.bod[i].X), double(body.bod[i].X), 1e-8);
                EXPECT_NEAR(double(zpet.bod[i].Y), double(body.bod[i].Y), 1e-8);
                EXPECT_NEAR(double(zpet.bod[i].Z), double(body.bod[i].Z), 1e-8);
            }
        }
    }
}

// Mended fault: a point number holding a blank was written as a line of five
// words, which made the file (and a project) unreadable. Now nothing is
// written and an existing file stays byte for byte.
TEST_F(UzivatelskeBodyTest, FaultPointNumberWithBlankCorruptsTheFile)
{
    const fs::path cesta = slozka / "body.txt";
    const std::string stary = "old 1 2 3\r\n";
    Zapis(cesta, stary);
    body.PridejBod(Bod("1", 1, 2, 3));
    body.PridejBod(Bod("A 1", 4, 5, 6));
    EXPECT_EQ(UlozeniSouboru(body, info, nastaveni, jazyk, Ulozit(cesta.string(), 0)),
              TvysledekUlozeni::ChybnyBod);
    EXPECT_EQ(Obsah(cesta), stary);

    // A value that the file cannot hold in feet (1e12 m) fails the same way.
    body.bod[1].cislo = "2";
    body.bod[1].X = 1e12L;
    nastaveni.jednotky.souradnice = 1;
    EXPECT_EQ(UlozitSouborSouradnic(body, nastaveni, cesta.string()), TvysledekUlozeni::ChybnyBod);
    EXPECT_EQ(Obsah(cesta), stary);
}

TEST_F(UzivatelskeBodyTest, CancelledOrFailedSaveLeavesTheFile)
{
    const fs::path cesta = slozka / "body.txt";
    const std::string stary = "old 1 2 3\r\n";
    Zapis(cesta, stary);
    body.PridejBod(Bod("1", 1, 2, 3));

    EXPECT_EQ(UlozeniSouboru(body, info, nastaveni, jazyk, Ulozit("", 1)), TvysledekUlozeni::Zruseno);
    EXPECT_EQ(nastaveni.souborVystup.typSouradnice, 1);
    EXPECT_EQ(UlozeniSouboru(body, info, nastaveni, jazyk, Ulozit("   ", 0)), TvysledekUlozeni::Zruseno);
    EXPECT_EQ(UlozeniSouboru(body, info, nastaveni, jazyk, nullptr), TvysledekUlozeni::Zruseno);
    EXPECT_EQ(Obsah(cesta), stary);

    // A folder that does not exist, and a device that is always full.
    EXPECT_EQ(UlozitSouborSouradnic(body, nastaveni, (slozka / "neni" / "body.txt").string()),
              TvysledekUlozeni::ChybaZapisu);
    if (fs::exists("/dev/full")) {
        EXPECT_EQ(UlozitSouborSouradnic(body, nastaveni, "/dev/full"), TvysledekUlozeni::ChybaZapisu);
    }
    // The target is a folder: it cannot be replaced.
    EXPECT_EQ(UlozitSouborSouradnic(body, nastaveni, slozka.string()), TvysledekUlozeni::ChybaZapisu);
    EXPECT_TRUE(fs::is_directory(slozka));
    EXPECT_EQ(Obsah(cesta), stary);
}

}  // namespace
}  // namespace sitmera
