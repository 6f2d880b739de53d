#include "numerics/ZapisSouboru.h"
#include "numerics/TextSoubor.h"
#include "numerics/SouboryTestu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sitmera {
namespace {

using namespace test;

// Sets the save's test hooks for its scope: they are cleared when it ends,
// also when a failed assertion leaves it, so that later tests run without.
struct Thaky {
    Thaky() = default;
    Thaky(const Thaky&) = delete;
    Thaky& operator=(const Thaky&) = delete;
    ~Thaky() { PredPohledemNaCil = PredOtevrenimCile = PredNahrazenimCile = nullptr; }
};

// Saves the bytes; the message of the failure, empty when saved.
std::string ZpravaUlozeni(const fs::path& cesta, std::string_view bajty)
{
    try {
        ZapisSouborAtomicky(cesta.string(), bajty);
        return "";
    } catch (const ChybaSouboru& e) {
        return e.what();
    }
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
    // A device is refused, never written or replaced.
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

// A path that names a folder saves nothing: "F/" and "F/." onto a file are
// refused as not a folder, "D/" and "D/." as a folder. A path of PATH_MAX
// bytes or more is refused as too long (it could not be read back); one byte
// shorter saves.
TEST_F(TextSouborTest, PathsThatNameAFolderOrAreTooLongAreRefused)
{
    const fs::path f = slozka / "f.txt", d = slozka / "d";
    ZapisSouborAtomicky(f.string(), "stary");
    fs::create_directory(d);
    for (const auto& [p, chyba] : {std::pair{f, "Not a directory"}, std::pair{d, "Is a directory"}})
        for (const std::string& cesta : {p.string() + "/", p.string() + "/."})
            EXPECT_EQ(ZpravaUlozeni(cesta, "novy"), "Cannot write \"" + cesta + "\": " + chyba);
    EXPECT_EQ(ObsahSouboru(f), "stary");
    EXPECT_EQ(Polozek(slozka), 2u);

    // Folders of 200-byte names, as deep as a name of 50 to 250 bytes then
    // makes a path of PATH_MAX - 1 bytes.
    std::string hluboka = d.string();
    while (PATH_MAX - 2 - hluboka.size() > 250)
        ASSERT_EQ(::mkdir((hluboka += "/" + std::string(200, 'h')).c_str(), 0700), 0);
    const std::string nejdelsi = hluboka + "/" + std::string(PATH_MAX - 2 - hluboka.size(), 'n');
    EXPECT_EQ(ZpravaUlozeni(nejdelsi, "novy"), "");
    EXPECT_EQ(ObsahSouboru(nejdelsi), "novy");
    EXPECT_EQ(ZpravaUlozeni(nejdelsi + "x", "novy"), "Cannot write \"" + nejdelsi + "x\": File name too long");
    EXPECT_EQ(Polozek(hluboka), 1u);
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
    const Thaky haky;
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
        const Thaky haky;
        (p.predOtevrenim ? PredOtevrenimCile : PredNahrazenimCile) = vymen;
        bool uspel = true;
        try {
            ZapisTextovySoubor(cil.string(), {"novy"});
        } catch (const ChybaSouboru&) {
            uspel = false;
        }
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
// names all the time (its file and a link of its own to root's file, placed
// again whenever a save replaced it) while root saves again and again:
// root's file outside keeps its content too. The member is stopped between
// whole swaps (when the pipe closes), so that both names are there after.
TEST_F(SdilenaSlozkaTest, AMemberSwappingTheNameWhileRootSavesGainsNoFile)
{
    SouborClena(cil, "clen");
    fs::create_symlink(cizi, druhe);
    ASSERT_EQ(::lchown(druhe.c_str(), kClen, kSkupina), 0);
    int stop[2];
    ASSERT_EQ(::pipe(stop), 0);
    const pid_t clen = ::fork();
    if (clen == 0) {
        ::close(stop[1]);
        const gid_t skupiny[] = {kSkupina};
        if (::setgroups(1, skupiny) != 0 || ::setgid(kClen) != 0 || ::setuid(kClen) != 0) ::_exit(1);
        for (pollfd konec{stop[0], POLLIN, 0}; ::poll(&konec, 1, 0) == 0;) {
            ::renameat2(AT_FDCWD, cil.c_str(), AT_FDCWD, druhe.c_str(), RENAME_EXCHANGE);
            // A save that replaced the link by a file: the link is placed again.
            struct stat a {}, b {};
            if (::lstat(cil.c_str(), &a) == 0 && ::lstat(druhe.c_str(), &b) == 0 && !S_ISLNK(a.st_mode) &&
                !S_ISLNK(b.st_mode) && ::unlink(druhe.c_str()) == 0)
                ::symlink(cizi.c_str(), druhe.c_str());
        }
        ::_exit(0);
    }
    int ulozeno = 0, pokusu = 0;
    bool ok = true;
    for (; pokusu < 300 && ok; ++pokusu) {
        try {
            ZapisTextovySoubor(cil.string(), {"novy " + std::to_string(pokusu)});
            ++ulozeno;
        } catch (const ChybaSouboru&) {
            // the member's link, or the name changed between the look and the open
        }
        ok = NikdoNicNeziskal() && ObsahSouboru(cizi) == "venku\r\n";
    }
    ::close(stop[0]);
    ::close(stop[1]);
    int stav = -1;
    ::waitpid(clen, &stav, 0);
    EXPECT_EQ(stav, 0) << "the member did not stop by itself";
    EXPECT_TRUE(ok) << "after " << pokusu << " saves";
    EXPECT_TRUE(NikdoNicNeziskal());
    EXPECT_EQ(ObsahSouboru(cizi), "venku\r\n");
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

// A link that a member of the shared folder placed there is not followed by
// anyone else's save: root's save through a link to root's file outside, and
// root's save when the member swaps its own file for such a link while the
// save resolves the name, are refused, and the file outside keeps its
// content; so is another member's save through a link to its private file.
// The refusal names the linked file by its absolute path: the end of a chain
// of relative links, or the text of a link to nothing read from its folder.
// A link of the saver's own and one of the folder owner's are followed (the
// linked file written, the link kept).
TEST_F(SdilenaSlozkaTest, ALinkAnotherUserPlacedIsNotFollowed)
{
    auto odkazClena = [](const fs::path& kam, const fs::path& p, uid_t clen) {
        fs::create_symlink(kam, p);
        return ::lchown(p.c_str(), clen, kSkupina) == 0;
    };
    auto ulozeni = [](const fs::path& p, const std::string& obsah) {
        try {
            ZapisTextovySoubor(p.string(), {obsah});
            return std::string();
        } catch (const ChybaSouboru& e) {
            return std::string(e.what());
        }
    };
    const fs::path report = sdilena / "report.txt", nikam = sdilena / "nikam.txt";
    fs::create_symlink("../venku/soubor.txt", sdilena / "dal");
    ASSERT_TRUE(odkazClena("dal", report, kClen));
    ASSERT_TRUE(odkazClena("../venku/./nic/../chybi.txt", nikam, kClen));
    const std::string chyba = ulozeni(report, "novy"), chybaNikam = ulozeni(nikam, "novy");
    EXPECT_NE(chyba.find("the link \"" + report.string() + "\""), std::string::npos) << chyba;
    EXPECT_NE(chyba.find("linked file's own path (\"" + fs::canonical(cizi).string() + "\")"), std::string::npos)
        << chyba;
    EXPECT_NE(chybaNikam.find("own path (\"" + (fs::canonical(venku) / "chybi.txt").string() + "\")"),
              std::string::npos) << chybaNikam;
    EXPECT_TRUE(fs::is_symlink(report));

    {
        SouborClena(cil, "clen");
        ASSERT_TRUE(odkazClena(cizi, druhe, kClen));
        const Thaky haky;
        PredPohledemNaCil = [&] { ::renameat2(AT_FDCWD, cil.c_str(), AT_FDCWD, druhe.c_str(), RENAME_EXCHANGE); };
        EXPECT_NE(ulozeni(cil, "novy"), "");
        EXPECT_EQ(ObsahSouboru(druhe), "clen\r\n");
        EXPECT_TRUE(fs::is_symlink(cil));
    }
    EXPECT_EQ(ObsahSouboru(cizi), "venku\r\n");
    EXPECT_TRUE(NikdoNicNeziskal());

    // The member's private folder and file; another member (4321) links to
    // it, the member itself and root (the shared folder's owner) do too.
    const fs::path domov = slozka / "domov", soukromy = domov / "soukromy.txt";
    fs::create_directories(domov);
    ZapisTextovySoubor(soukromy.string(), {"soukromy"});
    ASSERT_EQ(::chown(domov.c_str(), kClen, kClen), 0);
    ASSERT_EQ(::chmod(domov.c_str(), 0700), 0);
    ASSERT_EQ(::chown(soukromy.c_str(), kClen, kClen), 0);
    ASSERT_EQ(::chmod(soukromy.c_str(), 0600), 0);
    const fs::path past = sdilena / "past.txt", vlastni = sdilena / "vlastni.txt", korenovy = sdilena / "korenovy.txt";
    ASSERT_TRUE(odkazClena(soukromy, past, 4321));
    ASSERT_TRUE(odkazClena(soukromy, vlastni, kClen));
    fs::create_symlink(soukromy, korenovy);
    EXPECT_TRUE(JakoBeznyUzivatel([&] {
        return ulozeni(past, "cizi") != "" && ObsahSouboru(soukromy) == "soukromy\r\n" &&
               ulozeni(vlastni, "vlastni") == "" && ObsahSouboru(soukromy) == "vlastni\r\n" &&
               ulozeni(korenovy, "korenovy") == "";
    }, {kSkupina}));
    EXPECT_EQ(ObsahSouboru(soukromy), "korenovy\r\n");
    EXPECT_EQ(Identita(soukromy), (Tidentita{kClen, kClen, 0600}));
    for (const fs::path& p : {past, vlastni, korenovy}) EXPECT_TRUE(fs::is_symlink(p)) << p;
}

// A save writes regular files only: a device, a pipe or a socket at the
// name or at the end of a link is refused at once ("not a regular file"),
// without writing or waiting for anything, and nothing is left behind.
TEST_F(TextSouborTest, ASaveOntoADeviceAPipeOrASocketIsRefusedAtOnce)
{
    const fs::path roura = slozka / "roura";
    ASSERT_EQ(::mkfifo(roura.c_str(), 0666), 0);
    const Tsoket soket;
    ASSERT_FALSE(soket.cesta.empty());
    std::vector<fs::path> cile = {roura, soket.cesta};
    for (const char* zarizeni : {"/dev/ptmx", "/dev/null", "/dev/full"}) {
        cile.push_back(slozka / (std::string("k_") + (std::strrchr(zarizeni, '/') + 1)));
        fs::create_symlink(zarizeni, cile.back());
    }
    cile.push_back(slozka / "k_roure");
    fs::create_symlink(roura, cile.back());
    if (::geteuid() == 0) {
        cile.push_back(slozka / "disk");
        // Device number 0:0 is reserved, no driver's: a save that wrote it
        // anyway could write nothing real.
        ASSERT_EQ(::mknod(cile.back().c_str(), S_IFBLK | 0600, ::makedev(0, 0)), 0);
        ASSERT_LT(::open(cile.back().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC), 0);
        ASSERT_EQ(errno, ENXIO);
    }
    const std::size_t polozek = Polozek(slozka);
    for (const fs::path& cil : cile) {
        EXPECT_TRUE(VDetskemProcesu([&] {
            try {
                ZapisTextovySoubor(cil.string(), {"x"});
            } catch (const ChybaSouboru& e) {
                return std::string(e.what()).find("not a regular file") != std::string::npos;
            }
            return false;
        })) << cil;
    }
    EXPECT_EQ(Polozek(slozka), polozek);
}

// On a file system that cannot reserve room (ext2), a save in place (the
// file has a second hard link) that runs out of room leaves the old content
// whole, at every fill level of the disk; so on one that reserves it (ext4).
// The old file is dense and saved longer, or sparse (1,000 bytes of data
// amid holes, which take room once written) and saved as long and longer. A
// save that succeeds writes the new content.
TEST_F(TextSouborTest, AFullDiskThatCannotReserveRoomLeavesTheOldFileWhole)
{
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to mount small file systems";
    const std::string kus(1 << 16, 'v');
    for (const std::string typ : {"ext2", "ext4"}) {
        const fs::path obraz = slozka / (typ + ".img"), koren = slozka / typ;
        fs::create_directories(koren);
        std::ofstream{obraz};
        fs::resize_file(obraz, 2 << 20);
        if (std::system(("mkfs." + typ + " -q -F -m 0 -b 1024 -O ^has_journal " + obraz.string() + " >/dev/null 2>&1")
                            .c_str()) != 0)
            GTEST_SKIP() << "mkfs." << typ << " cannot make the file system here";
        if (std::system(("mount -o loop " + obraz.string() + " " + koren.string() + " >/dev/null 2>&1").c_str()) != 0)
            GTEST_SKIP() << "a loop device cannot be mounted here";
        struct Todpojeni {
            fs::path koren;
            ~Todpojeni() { ::umount2(koren.c_str(), MNT_DETACH); }
        } odpojeni{koren};

        const fs::path cil = koren / "cil.txt", odkaz = koren / "odkaz.txt", vypln = koren / "vypln";
        for (const auto& [ridky, delka] : {std::pair{false, 220000}, std::pair{true, 100000}, std::pair{true, 220000}}) {
            bool uspelo = false, selhalo = false;
            for (off_t volno = 80 << 10; volno <= 500 << 10; volno += 20 << 10) {
                for (const auto& e : fs::directory_iterator(koren))
                    if (e.path().filename() != "lost+found") fs::remove(e.path());
                std::string stary(100000, ridky ? '\0' : 's');
                std::fill_n(stary.begin() + 40000, 1000, 's');
                if (ridky) std::ofstream(cil, std::ios::binary).seekp(40000) << stary.substr(40000, 1000);
                else ZapisSouborAtomicky(cil.string(), stary);
                fs::resize_file(cil, 100000);  // a sparse file: holes around its data
                fs::create_hard_link(cil, odkaz);
                // The disk filled, then `volno` bytes freed.
                const int fd = ::open(vypln.c_str(), O_WRONLY | O_CREAT, 0600);
                ASSERT_EQ(::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, 4096) == 0, typ == "ext4");
                off_t zapsano = 0;
                for (ssize_t n; (n = ::write(fd, kus.data(), kus.size())) > 0;) zapsano += n;
                ASSERT_EQ(errno, ENOSPC);
                ASSERT_EQ(::ftruncate(fd, zapsano - volno), 0);
                ::close(fd);

                const std::string novy(static_cast<std::size_t>(delka), 'n');
                const bool uspel = ZpravaUlozeni(cil, novy).empty();
                (uspel ? uspelo : selhalo) = true;
                EXPECT_TRUE(ObsahSouboru(cil) == (uspel ? novy : stary))
                    << typ << (ridky ? ", sparse, " : ", dense, ") << delka << " bytes, " << volno << " bytes free: "
                    << (uspel ? "saved wrong, " : "the old file was torn, ") << fs::file_size(cil) << " bytes";
                EXPECT_EQ(Polozek(koren), 4u);  // lost+found, the file, its link, the filling: no temporary file
            }
            EXPECT_TRUE(uspelo && selhalo) << "the fill levels span both outcomes";
        }
    }
}

}  // namespace
}  // namespace sitmera
