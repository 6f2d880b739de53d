#include "numerics/ZapisSouboru.h"

#include "numerics/Cesta.h"
#include "numerics/TextSoubor.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

namespace sitmera {

namespace {

// Bytes a save gathers before it writes them.
constexpr std::size_t kVelikostBufferu = std::size_t{1} << 20;

// Links followed in one path at most, as the system follows them.
constexpr int kNejvicOdkazu = 40;

[[noreturn]] void Selhani(const std::string& co, const std::string& cesta, int chyba)
{
    throw ChybaSouboru(co + " \"" + cesta + "\": " + std::strerror(chyba));
}

[[noreturn]] void CilSeZmenil(const std::string& cesta)
{
    throw ChybaSouboru("Cannot write \"" + cesta + "\": it was replaced by another file while it was being saved");
}

void ZapisVse(int fd, std::string_view bajty, const std::string& cesta)
{
    std::size_t hotovo = 0;
    while (hotovo < bajty.size()) {
        const ssize_t n = ::write(fd, bajty.data() + hotovo, bajty.size() - hotovo);
        if (n < 0) {
            if (errno == EINTR) continue;
            Selhani("Cannot write", cesta, errno);
        }
        hotovo += static_cast<std::size_t>(n);
    }
}

// What a save writes to: a descriptor of the target's real folder, through
// which the temporary file is made, renamed and removed, and the target's
// name in it; of an existing target: the target opened for writing, and its
// permissions, owner, group and link count.
struct TcilZapisu {
    std::string slozka;  // the folder's path, for messages
    std::string jmeno;
    Tdeskriptor fdSlozky;  // O_PATH
    Tdeskriptor fdCil;
    bool existuje = false;
    mode_t prava = 0;
    uid_t vlastnik = 0;
    gid_t skupina = 0;
    nlink_t odkazu = 1;
};

// The path of an open folder, for messages; `nahrada` where it cannot be told.
std::string CestaSlozky(int fd, const std::string& nahrada)
{
    char cesta[PATH_MAX];
    const std::string proc = CestaDeskriptoru(fd);
    const ssize_t n = ::readlink(proc.c_str(), cesta, sizeof cesta);
    return n > 0 && cesta[0] == '/' ? std::string(cesta, static_cast<std::size_t>(n)) : nahrada;
}

// Puts the names of `cesta` on the stack `zbyva`, its first name on top (at
// the back); empty names and "." are left out.
void NaZasobnik(std::string_view cesta, std::vector<std::string>& zbyva)
{
    std::vector<std::string_view> jmena;
    while (!cesta.empty()) {
        const std::size_t lomitko = cesta.find('/');
        const std::string_view jmeno = cesta.substr(0, lomitko);
        if (!jmeno.empty() && jmeno != ".") jmena.push_back(jmeno);
        cesta.remove_prefix(lomitko == std::string_view::npos ? cesta.size() : lomitko + 1);
    }
    for (auto i = jmena.rbegin(); i != jmena.rend(); ++i) zbyva.emplace_back(*i);
}

// A link `jmeno` (to `kam`) in the folder `slozka` is followed only when it
// is the saver's own or the folder owner's, or nobody but the folder's owner
// may write the folder; else another user could have placed it there to lead
// the save onto a file of the saver's. The refusal names the linked file by
// its absolute path: the end of the chain of links, or where the chain
// cannot be followed to its end, the link's text read from its folder.
void OverOdkaz(int slozka, const struct stat& odkaz, const std::string& jmeno, const std::string& kam,
               const std::string& cesta)
{
    namespace fs = std::filesystem;
    struct stat s {};
    if (::fstat(slozka, &s) != 0) Selhani("Cannot write", cesta, errno);
    if (odkaz.st_uid == ::geteuid() || odkaz.st_uid == s.st_uid || (s.st_mode & (S_IWGRP | S_IWOTH)) == 0) return;
    const std::string kde = CestaSlozky(slozka, "");
    fs::path konec = kam;  // where the folder's path cannot be told
    if (!kde.empty()) {
        std::error_code chyba;
        konec = fs::canonical(fs::path(kde) / jmeno, chyba);
        if (chyba) konec = (fs::path(kde) / kam).lexically_normal();
    }
    throw ChybaSouboru("Cannot write \"" + cesta + "\": the link \"" +
                       (kde.empty() ? jmeno : (fs::path(kde) / jmeno).string()) +
                       "\" was made by another user in a folder that others may write too; save to the linked "
                       "file's own path (\"" + konec.string() + "\") instead");
}

// The path names a folder: its last name is empty ("a/") or "." ("a/.").
bool JmenoSlozky(const std::string& cesta)
{
    const std::string posledni = ExtractFileName(cesta);
    return posledni.empty() || posledni == ".";
}

// Resolves the path of a save's target one name at a time, each looked at
// through the descriptor of the folder that holds it and never by the path
// again, following links by the rule of OverOdkaz (at most kNejvicOdkazu).
// Sets the target's folder and name in `cil`, and for an existing target
// `cil.existuje` and what is there in `st`.
void RozlozCestu(const std::string& cesta, TcilZapisu& cil, struct stat& st)
{
    // A path whose last name is a folder's ("F/", "F/.", or a link at its
    // end to such a path) names no file to write, whatever is there.
    bool jenSlozka = JmenoSlozky(cesta);
    std::vector<std::string> zbyva;
    NaZasobnik(cesta, zbyva);
    Tdeskriptor slozka(::open(cesta.front() == '/' ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (slozka.fd < 0) Selhani("Cannot write", cesta, errno);
    int odkazu = 0;
    bool zOdkazu = false;  // the last name is that of a link's target
    while (!zbyva.empty()) {
        std::string jmeno = std::move(zbyva.back());
        zbyva.pop_back();
        const bool posledni = zbyva.empty();
        if (posledni && PredPohledemNaCil) PredPohledemNaCil();
        Tdeskriptor tady(::openat(slozka.fd, jmeno.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (tady.fd < 0) {
            const int chyba = errno;
            // A link to nothing is not replaced by a file of its own.
            if (chyba == ENOENT && zOdkazu) Selhani("Cannot write through the broken link", cesta, chyba);
            if (chyba != ENOENT || !posledni || jenSlozka) Selhani("Cannot write", cesta, chyba);
            cil.jmeno = std::move(jmeno);  // a new file
            break;
        }
        if (::fstat(tady.fd, &st) != 0) Selhani("Cannot write", cesta, errno);
        if (S_ISLNK(st.st_mode)) {
            if (++odkazu > kNejvicOdkazu) Selhani("Cannot write", cesta, ELOOP);
            std::string kam(PATH_MAX, '\0');
            const ssize_t n = ::readlinkat(tady.fd, "", kam.data(), kam.size());
            if (n < 0) Selhani("Cannot write", cesta, errno);
            kam.resize(static_cast<std::size_t>(n));
            OverOdkaz(slozka.fd, st, jmeno, kam, cesta);
            if (kam.empty()) Selhani("Cannot write through the broken link", cesta, ENOENT);
            if (posledni) {
                zOdkazu = true;
                jenSlozka = jenSlozka || JmenoSlozky(kam);
            }
            // Resolved from the folder that holds the link, or from the root.
            if (kam.front() == '/') {
                slozka.Nastav(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
                if (slozka.fd < 0) Selhani("Cannot write", cesta, errno);
            }
            NaZasobnik(kam, zbyva);
            continue;
        }
        if (posledni) {
            if (jenSlozka) Selhani("Cannot write", cesta, S_ISDIR(st.st_mode) ? EISDIR : ENOTDIR);
            cil.existuje = true;
            cil.jmeno = std::move(jmeno);
            break;
        }
        if (!S_ISDIR(st.st_mode)) Selhani("Cannot write", cesta, ENOTDIR);
        slozka.Nastav(tady.Vezmi());
    }
    // A path of folders only ("/", ".", a link to "/") names no file.
    if (cil.jmeno.empty()) Selhani("Cannot write", cesta, EISDIR);
    cil.fdSlozky.Nastav(slozka.Vezmi());
}

// Checks the target of a save (see the header) and fills `cil`. An existing
// target, looked at already, is opened for writing without blocking and must
// be the very file looked at; its owner, group and mode are taken from that
// descriptor. Whatever takes the name later is replaced, never followed.
void CilZapisu(const std::string& cesta, TcilZapisu& cil)
{
    if (cesta.empty()) throw ChybaSouboru("Cannot write a file without a name");
    // A path the system would not take whole (the file could not be opened
    // by it again, nor read back).
    if (cesta.size() >= PATH_MAX) Selhani("Cannot write", cesta, ENAMETOOLONG);
    struct stat st {};
    RozlozCestu(cesta, cil, st);
    const int slozka = cil.fdSlozky.fd;
    if (cil.existuje) {
        if (S_ISDIR(st.st_mode)) Selhani("Cannot write", cesta, EISDIR);
        // A device, a pipe or a socket is no file of the program: writing it
        // could block for ever or write a disk raw.
        if (!S_ISREG(st.st_mode)) throw ChybaSouboru("Cannot write \"" + cesta + "\": not a regular file");
        if (PredOtevrenimCile) PredOtevrenimCile();
        // Opening it for writing also asks whether the user may write it: a
        // file the user may not write is not replaced through its folder
        // either. A pipe that took the name meanwhile does not block the
        // open; it is not the file looked at.
        cil.fdCil.Nastav(OtevriBezBlokovani(slozka, cil.jmeno.c_str(), O_WRONLY | O_NOFOLLOW));
        if (cil.fdCil.fd < 0) {
            if (errno == ELOOP || errno == ENXIO || errno == ENOENT) CilSeZmenil(cesta);
            Selhani("Cannot write", cesta, errno);
        }
        struct stat ot {};
        if (::fstat(cil.fdCil.fd, &ot) != 0) Selhani("Cannot write", cesta, errno);
        if (ot.st_dev != st.st_dev || ot.st_ino != st.st_ino || !S_ISREG(ot.st_mode)) CilSeZmenil(cesta);
        const int priznaky = ::fcntl(cil.fdCil.fd, F_GETFL);
        if (priznaky < 0 || ::fcntl(cil.fdCil.fd, F_SETFL, priznaky & ~O_NONBLOCK) != 0)
            Selhani("Cannot write", cesta, errno);
        cil.prava = ot.st_mode & 07777;
        cil.vlastnik = ot.st_uid;
        cil.skupina = ot.st_gid;
        cil.odkazu = ot.st_nlink;
    } else {
        const mode_t maska = ::umask(0);
        ::umask(maska);
        cil.prava = 0666 & ~maska;
    }
    // The new file is made in the target's folder and renamed over it.
    if (::faccessat(slozka, ".", W_OK | X_OK, AT_EACCESS) != 0) Selhani("Cannot write", cesta, errno);
    cil.slozka = CestaSlozky(slozka, ".");
}

// Creates the temporary file of a save in the folder: the target's name with
// ".tmp-" and six random characters, the name cut (at a character) where the
// whole would not fit a file name of the folder's file system. Sets `jmeno`;
// -1 with errno set when it cannot be made.
int VytvorDocasny(int fdSlozky, const std::string& cil, std::string& jmeno)
{
    static constexpr char kZnaky[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    constexpr std::size_t kPripona = 11;  // ".tmp-" and six characters
    long nejvic = ::fpathconf(fdSlozky, _PC_NAME_MAX);
    if (nejvic <= 0) nejvic = NAME_MAX;
    std::size_t delka = cil.size();
    const std::size_t mez = static_cast<std::size_t>(nejvic) > kPripona ? static_cast<std::size_t>(nejvic) - kPripona : 0;
    if (delka > mez) {
        delka = mez;
        while (delka > 0 && (static_cast<unsigned char>(cil[delka]) & 0xC0) == 0x80) --delka;
    }
    for (int pokus = 0; pokus < 100; ++pokus) {
        unsigned char nahodne[6];
        ::arc4random_buf(nahodne, sizeof nahodne);
        jmeno.assign(cil, 0, delka);
        jmeno += ".tmp-";
        for (const unsigned char n : nahodne) jmeno += kZnaky[n % (sizeof kZnaky - 1)];
        const int fd = ::openat(fdSlozky, jmeno.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Puts a folder's new entry on the disk; 0 or the error. A folder the saver
// may not read is synced with its whole file system (through `fdSouboru`).
int SynchronizujSlozku(int fdSlozky, int fdSouboru)
{
    const int fd = ::openat(fdSlozky, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int vysledek = fd >= 0 ? ::fsync(fd) : ::syncfs(fdSouboru);
    const int chyba = vysledek != 0 && errno != EINVAL ? errno : 0;
    if (fd >= 0) ::close(fd);
    return chyba;
}

// Copies the bytes [od, po) of `z` to the same place in `na`; 0 or the error.
int KopirujUsek(int z, int na, off_t od, off_t po, std::string& kus)
{
    while (od < po) {
        const auto chce = static_cast<std::size_t>(std::min<off_t>(po - od, static_cast<off_t>(kus.size())));
        const ssize_t n = ::pread(z, kus.data(), chce, od);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        std::size_t hotovo = 0;
        while (hotovo < static_cast<std::size_t>(n)) {
            const ssize_t m = ::pwrite(na, kus.data() + hotovo, static_cast<std::size_t>(n) - hotovo,
                                       od + static_cast<off_t>(hotovo));
            if (m < 0 && errno == EINTR) continue;
            if (m <= 0) return m < 0 ? errno : EIO;
            hotovo += static_cast<std::size_t>(m);
        }
        od += n;
    }
    return 0;
}

}  // namespace

std::function<void()> PredPohledemNaCil;
std::function<void()> PredOtevrenimCile;
std::function<void()> PredNahrazenimCile;

void PripravProcesProZapis()
{
    // A file-size limit then fails the write (EFBIG) like any full disk,
    // instead of ending the program in the middle of a save.
    struct sigaction akce {};
    akce.sa_handler = SIG_IGN;
    ::sigemptyset(&akce.sa_mask);
    ::sigaction(SIGXFSZ, &akce, nullptr);
}

void OverCilZapisu(const std::string& cesta)
{
    TcilZapisu cil;
    CilZapisu(cesta, cil);
}

TzapisSouboru::TzapisSouboru(const std::string& cesta) : cesta_(cesta)
{
    TcilZapisu cil;
    CilZapisu(cesta, cil);
    slozka_ = cil.slozka;
    std::string docasny;
    const int fd = VytvorDocasny(cil.fdSlozky.fd, cil.jmeno, docasny);
    if (fd < 0) Selhani("Cannot create", cesta, errno);
    // The new file takes the owner and group of the file it replaces
    // (before its mode: a change of owner clears the set-id bits). Where
    // the saver may not give it to them, or the file has other hard links,
    // the file is written in place instead, so that it stays its owner's
    // and its links stay one file.
    bool nahradit = !cil.existuje || cil.odkazu <= 1;
    struct stat st {};
    if (nahradit && cil.existuje && (::fstat(fd, &st) != 0 ||
                                     ((st.st_uid != cil.vlastnik || st.st_gid != cil.skupina) &&
                                      ::fchown(fd, cil.vlastnik, cil.skupina) != 0)))
        nahradit = false;
    if (nahradit) ::fchmod(fd, cil.prava);
    else fdCil_ = cil.fdCil.Vezmi();
    fd_ = fd;
    docasny_ = std::move(docasny);
    jmeno_ = cil.jmeno;
    fdSlozky_ = cil.fdSlozky.Vezmi();
    buf_.reserve(kVelikostBufferu);
}

TzapisSouboru::~TzapisSouboru()
{
    if (fdCil_ >= 0) ::close(fdCil_);
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlinkat(fdSlozky_, docasny_.c_str(), 0);
    }
    if (fdSlozky_ >= 0) ::close(fdSlozky_);
}

std::string TzapisSouboru::CestaDocasneho() const
{
    return (slozka_.empty() || slozka_.back() != '/' ? slozka_ + "/" : slozka_) + docasny_;
}

void TzapisSouboru::Vyprazdni()
{
    if (fd_ < 0) throw ChybaSouboru("Cannot write \"" + cesta_ + "\": the file is closed");
    ZapisVse(fd_, buf_, cesta_);
    buf_.clear();
}

void TzapisSouboru::Pridej(std::string_view bajty)
{
    if (buf_.size() + bajty.size() > kVelikostBufferu) {
        Vyprazdni();
        if (bajty.size() >= kVelikostBufferu) {
            ZapisVse(fd_, bajty, cesta_);
            return;
        }
    }
    buf_.append(bajty);
}

void TzapisSouboru::PridejRadek(std::string_view radek)
{
    Pridej(radek);
    Pridej("\r\n");
}

void TzapisSouboru::Dokonci()
{
    Vyprazdni();
    const int fd = fd_;
    fd_ = -1;  // closed below whatever happens
    auto selhani = [&](const char* co, int chyba) {
        ::close(fd);
        ::unlinkat(fdSlozky_, docasny_.c_str(), 0);
        Selhani(co, cesta_, chyba);
    };
    if (::fsync(fd) != 0 && errno != EINVAL) selhani("Cannot write", errno);
    if (PredNahrazenimCile) PredNahrazenimCile();
    if (fdCil_ >= 0) {
        ZapisNaMiste(fd);
        return;
    }
    // Renamed within the folder looked at: a link that took the target's
    // name meanwhile is replaced, not followed.
    if (::renameat(fdSlozky_, docasny_.c_str(), fdSlozky_, jmeno_.c_str()) != 0) selhani("Cannot replace", errno);
    // The new name on the disk too, so that a save reported as done
    // survives a crash.
    int chyba = SynchronizujSlozku(fdSlozky_, fd);
    if (::close(fd) != 0 && chyba == 0) chyba = errno;
    if (chyba != 0) Selhani("Cannot write", cesta_, chyba);
}

// The new content, complete and on the disk in the temporary file `fd`, is
// copied over the target's own content. Until the copy begins the target is
// as it was; from then on, until it is complete, the temporary file is kept,
// so that one whole content is on the disk at every moment.
// Room for the whole new content is taken before the copy begins, so that a
// full disk fails the save with the target as it was: room past the old end,
// and room for the holes of a sparse target too (a hole written over takes
// room as writing past the end does). Where the file system can reserve
// room, the range [0, new size) is reserved, holes included, no byte changed.
// Where it cannot (ext2, NFS v3, some FUSE file systems), the old bytes of
// [0, min(old size, new size)) are first written onto themselves, which
// makes every hole there real (it reads as zeros) and changes no byte; not
// only where the file system tells holes (SEEK_HOLE), as NFS v3 tells none.
// The in-place save is rare, the doubled write acceptable; a file the saver
// may write but not read cannot be saved so. Then the part past the old end
// is written, and both are put on the disk before the copy; should that
// fail, the file is cut back to its old length, its content as it was.
void TzapisSouboru::ZapisNaMiste(int fd)
{
    const int cil = fdCil_;
    fdCil_ = -1;
    auto zavri = [&] {
        ::close(fd);
        ::close(cil);
    };
    auto pred = [&](const char* co, int chyba) {
        zavri();
        ::unlinkat(fdSlozky_, docasny_.c_str(), 0);
        Selhani(co, cesta_, chyba);
    };
    // A failure once the target may no longer be as it was: the complete new
    // content stays in the temporary file, named in the message.
    auto ponechano = [&](int chyba, const std::string& jak) {
        return ChybaSouboru("Cannot write \"" + cesta_ + "\": " + std::strerror(chyba) + "; " + jak +
                            "its new content is kept in \"" + CestaDocasneho() + "\"");
    };
    struct stat novy {}, stary {};
    if (::fstat(fd, &novy) != 0 || ::fstat(cil, &stary) != 0) pred("Cannot write", errno);
    std::string kus(kVelikostBufferu, '\0');
    off_t naMiste = novy.st_size;  // the part still to copy
    if (novy.st_size > 0 && ::fallocate(cil, FALLOC_FL_KEEP_SIZE, 0, novy.st_size) != 0) {
        if (errno != EOPNOTSUPP && errno != ENOSYS) pred("Cannot write", errno);
        naMiste = std::min(novy.st_size, stary.st_size);
        // The target is open for writing only: its old bytes are read
        // through the very file opened again for reading.
        Tdeskriptor cteni(::open(CestaDeskriptoru(cil).c_str(), O_RDONLY | O_CLOEXEC));
        if (cteni.fd < 0) pred("Cannot write", errno);
        int chyba = KopirujUsek(cteni.fd, cil, 0, naMiste, kus);
        if (chyba == 0) chyba = KopirujUsek(fd, cil, naMiste, novy.st_size, kus);
        if (chyba == 0 && ::fsync(cil) != 0 && errno != EINVAL) chyba = errno;
        if (chyba != 0) {
            if (::ftruncate(cil, stary.st_size) != 0 || (::fsync(cil) != 0 && errno != EINVAL)) {
                zavri();
                throw ponechano(chyba, "it could not be cut back to its old length, ");
            }
            pred("Cannot write", chyba);
        }
    }

    auto behem = [&](int chyba) {
        zavri();
        throw ponechano(chyba, "");
    };
    if (const int chyba = KopirujUsek(fd, cil, 0, naMiste, kus)) behem(chyba);
    if (::ftruncate(cil, novy.st_size) != 0) behem(errno);
    if (::fsync(cil) != 0 && errno != EINVAL) behem(errno);
    ::close(fd);
    if (::close(cil) != 0) throw ponechano(errno, "");
    ::unlinkat(fdSlozky_, docasny_.c_str(), 0);
}

void ZapisSouborAtomicky(const std::string& cesta, std::string_view bajty)
{
    TzapisSouboru zapis(cesta);
    zapis.Pridej(bajty);
    zapis.Dokonci();
}

void ZapisTextovySoubor(const std::string& cesta, const TStringList& radky)
{
    TzapisSouboru zapis(cesta);
    for (const auto& r : radky) zapis.PridejRadek(r);
    zapis.Dokonci();
}

}  // namespace sitmera
