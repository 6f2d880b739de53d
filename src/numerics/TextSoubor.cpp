#include "numerics/TextSoubor.h"

#include "numerics/Cesta.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace sitmera {

namespace {

// Unicode code points of the bytes 0x80..0xFF in Windows-1250; the five bytes
// that the code page leaves undefined map to the C1 controls of the same value,
// as Windows itself maps them.
constexpr char32_t kWindows1250[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void PridejZnak(std::string& cil, char32_t c)
{
    if (c < 0x80) {
        cil.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        cil.push_back(static_cast<char>(0xC0 | (c >> 6)));
        cil.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        cil.push_back(static_cast<char>(0xE0 | (c >> 12)));
        cil.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        cil.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        cil.push_back(static_cast<char>(0xF0 | (c >> 18)));
        cil.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        cil.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        cil.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Strict UTF-8 check: no overlong forms, no surrogates, nothing above U+10FFFF.
bool JePlatneUtf8(std::string_view s)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) { ++i; continue; }
        std::size_t delka;
        char32_t kod;
        if (c >= 0xC2 && c <= 0xDF) { delka = 2; kod = c & 0x1F; }
        else if (c >= 0xE0 && c <= 0xEF) { delka = 3; kod = c & 0x0F; }
        else if (c >= 0xF0 && c <= 0xF4) { delka = 4; kod = c & 0x07; }
        else return false;
        if (i + delka > n) return false;
        for (std::size_t k = 1; k < delka; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) return false;
            kod = (kod << 6) | (p[i + k] & 0x3F);
        }
        if ((delka == 3 && kod < 0x800) || (delka == 4 && kod < 0x10000)) return false;
        if (kod >= 0xD800 && kod <= 0xDFFF) return false;
        if (kod > 0x10FFFF) return false;
        i += delka;
    }
    return true;
}

std::string ZUtf16(std::string_view s, bool bigEndian)
{
    std::string vysledek;
    vysledek.reserve(s.size());
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const std::size_t n = s.size() / 2;
    auto jednotka = [&](std::size_t i) -> char32_t {
        return bigEndian ? char32_t(p[2 * i] << 8 | p[2 * i + 1]) : char32_t(p[2 * i + 1] << 8 | p[2 * i]);
    };
    for (std::size_t i = 0; i < n; ++i) {
        char32_t u = jednotka(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n) {
            const char32_t dolni = jednotka(i + 1);
            if (dolni >= 0xDC00 && dolni <= 0xDFFF) {
                u = 0x10000 + ((u - 0xD800) << 10) + (dolni - 0xDC00);
                ++i;
            } else {
                u = 0xFFFD;
            }
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            u = 0xFFFD;
        }
        PridejZnak(vysledek, u);
    }
    if (s.size() % 2 != 0) PridejZnak(vysledek, 0xFFFD);
    return vysledek;
}

std::string ZWindows1250(std::string_view s)
{
    std::string vysledek;
    vysledek.reserve(s.size() + s.size() / 4);
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        PridejZnak(vysledek, c < 0x80 ? char32_t(c) : kWindows1250[c - 0x80]);
    }
    return vysledek;
}

// Decodes the bytes into UTF-8; valid UTF-8 is kept in place (no copy), which
// matters for epochs of some hundred megabytes.
std::string DoUtf8(std::string&& b)
{
    const std::string_view v(b);
    if (v.size() >= 3 && v.substr(0, 3) == "\xEF\xBB\xBF") {
        if (!JePlatneUtf8(v.substr(3))) return ZWindows1250(v.substr(3));
        b.erase(0, 3);
        return std::move(b);
    }
    if (v.size() >= 2 && v.substr(0, 2) == "\xFF\xFE") return ZUtf16(v.substr(2), false);
    if (v.size() >= 2 && v.substr(0, 2) == "\xFE\xFF") return ZUtf16(v.substr(2), true);
    if (JePlatneUtf8(v)) return std::move(b);
    return ZWindows1250(v);
}

[[noreturn]] void Selhani(const std::string& co, const std::string& cesta, int chyba)
{
    throw ChybaSouboru(co + " \"" + cesta + "\": " + std::strerror(chyba));
}

void ZapisVse(int fd, std::string_view bajty, const std::string& cesta)
{
    std::size_t hotovo = 0;
    while (hotovo < bajty.size()) {
        const ssize_t n = ::write(fd, bajty.data() + hotovo, bajty.size() - hotovo);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int chyba = errno;
            ::close(fd);
            Selhani("Cannot write", cesta, chyba);
        }
        hotovo += static_cast<std::size_t>(n);
    }
}

}  // namespace

std::size_t DelkaTextu(std::string_view text)
{
    std::size_t n = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    }
    return n;
}

namespace {

// Splits the decoded text into lines; takes the bytes over.
TStringList RozdelPrevzate(std::string&& bajty)
{
    const std::string text = DoUtf8(std::move(bajty));
    TStringList radky;
    std::size_t zacatek = 0;
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            radky.emplace_back(text, zacatek, i - zacatek);
            if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
            zacatek = i + 1;
        }
    }
    if (zacatek < n) radky.emplace_back(text, zacatek, n - zacatek);
    return radky;
}

}  // namespace

std::vector<char32_t> ZnakyTextu(std::string_view text)
{
    std::vector<char32_t> kody;
    kody.reserve(text.size());
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        int delka = 0;
        char32_t c = 0;
        if (b0 < 0x80) {
            delka = 1;
            c = b0;
        } else if (b0 >= 0xC2 && b0 <= 0xDF) {
            delka = 2;
            c = b0 & 0x1F;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            delka = 3;
            c = b0 & 0x0F;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            delka = 4;
            c = b0 & 0x07;
        }
        bool platny = delka > 0 && i + static_cast<std::size_t>(delka) <= n;
        for (int k = 1; platny && k < delka; ++k) {
            const auto b = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((b & 0xC0) != 0x80) platny = false;
            else c = (c << 6) | (b & 0x3F);
        }
        // overlong forms, surrogates and values past U+10FFFF are not valid
        if (platny && ((delka == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
                       (delka == 4 && (c < 0x10000 || c > 0x10FFFF))))
            platny = false;
        if (platny) {
            kody.push_back(c);
            i += static_cast<std::size_t>(delka);
        } else {
            kody.push_back(0x110000 + b0);
            ++i;
        }
    }
    return kody;
}

char32_t MalePismeno(char32_t c)
{
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c < 0xC0) return c;
    if (c <= 0xDE) return c == 0xD7 ? c : c + 32;  // except the multiplication sign
    if (c >= 0x100 && c <= 0x12F) return (c % 2 == 0) ? c + 1 : c;
    if (c == 0x130) return U'i';
    if (c >= 0x132 && c <= 0x137) return (c % 2 == 0) ? c + 1 : c;
    if (c >= 0x139 && c <= 0x148) return (c % 2 == 1) ? c + 1 : c;
    if (c >= 0x14A && c <= 0x177) return (c % 2 == 0) ? c + 1 : c;
    if (c == 0x178) return 0xFF;
    if (c >= 0x179 && c <= 0x17E) return (c % 2 == 1) ? c + 1 : c;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    return c;
}

std::string MalaPismena(std::string_view text)
{
    std::string vysledek;
    vysledek.reserve(text.size());
    for (const char32_t c : ZnakyTextu(text)) {
        if (c >= 0x110000) vysledek.push_back(static_cast<char>(c - 0x110000));
        else PridejZnak(vysledek, MalePismeno(c));
    }
    return vysledek;
}

TStringList RozdelNaRadky(std::string_view bajty)
{
    return RozdelPrevzate(std::string(bajty));
}

TStringList NactiTextovySoubor(const std::string& cesta)
{
    const int fd = ::open(cesta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) Selhani("Cannot open", cesta, errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        Selhani("Cannot read", cesta, EISDIR);
    }
    std::string obsah;
    if (S_ISREG(st.st_mode) && st.st_size > 0) obsah.reserve(static_cast<std::size_t>(st.st_size));
    char buf[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int chyba = errno;
            ::close(fd);
            Selhani("Cannot read", cesta, chyba);
        }
        if (n == 0) break;
        obsah.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return RozdelPrevzate(std::move(obsah));
}

namespace {

// What a save writes to: the real target (links followed), whether it exists,
// whether it is a device written in place, and the permissions of a file
// that replaces it.
struct TcilZapisu {
    std::string cesta;
    bool existuje = false;
    bool zarizeni = false;
    mode_t prava = 0;
};

bool SmimZapsat(const std::string& cesta, int mod)
{
    return ::faccessat(AT_FDCWD, cesta.c_str(), mod, AT_EACCESS) == 0;
}

TcilZapisu CilZapisu(const std::string& cesta)
{
    if (cesta.empty()) throw ChybaSouboru("Cannot write a file without a name");
    TcilZapisu cil;
    cil.cesta = cesta;
    struct stat st {};
    if (::stat(cesta.c_str(), &st) == 0) {
        cil.existuje = true;
    } else {
        const int chyba = errno;
        struct stat odkaz {};
        // A link to nothing is not replaced by a file of its own.
        if (::lstat(cesta.c_str(), &odkaz) == 0 && S_ISLNK(odkaz.st_mode))
            Selhani("Cannot write through the broken link", cesta, chyba);
        if (chyba != ENOENT) Selhani("Cannot write", cesta, chyba);
    }
    if (cil.existuje) {
        if (S_ISDIR(st.st_mode)) Selhani("Cannot write", cesta, EISDIR);
        char skutecna[PATH_MAX];
        if (::realpath(cesta.c_str(), skutecna) != nullptr) cil.cesta = skutecna;
        if (!S_ISREG(st.st_mode)) {
            // A device is written in place; a pipe or a socket would block
            // or cannot be written at all.
            if (!S_ISCHR(st.st_mode) && !S_ISBLK(st.st_mode)) Selhani("Cannot write", cesta, EINVAL);
            if (!SmimZapsat(cil.cesta, W_OK)) Selhani("Cannot write", cesta, errno);
            cil.zarizeni = true;
            return cil;
        }
        // A file the user may not write is not replaced through its folder.
        if (!SmimZapsat(cil.cesta, W_OK)) Selhani("Cannot write", cesta, errno);
        cil.prava = st.st_mode & 07777;
    } else {
        const mode_t maska = ::umask(0);
        ::umask(maska);
        cil.prava = 0666 & ~maska;
    }
    // The new file is made in the target's folder and renamed over it.
    std::string slozka = ExtractFileDir(cil.cesta);
    if (slozka.empty()) slozka = ".";
    struct stat sl {};
    if (::stat(slozka.c_str(), &sl) != 0) Selhani("Cannot write", cesta, errno);
    if (!S_ISDIR(sl.st_mode)) Selhani("Cannot write", cesta, ENOTDIR);
    if (!SmimZapsat(slozka, W_OK | X_OK)) Selhani("Cannot write", cesta, errno);
    return cil;
}

}  // namespace

void OverCilZapisu(const std::string& cesta)
{
    (void)CilZapisu(cesta);
}

void ZapisSouborAtomicky(const std::string& cesta, std::string_view bajty)
{
    const TcilZapisu cil = CilZapisu(cesta);
    if (cil.zarizeni) {
        const int fd = ::open(cil.cesta.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) Selhani("Cannot open", cesta, errno);
        ZapisVse(fd, bajty, cesta);
        if (::close(fd) != 0) Selhani("Cannot write", cesta, errno);
        return;
    }

    std::string docasny = cil.cesta + ".tmp-XXXXXX";
    const int fd = ::mkstemp(docasny.data());
    if (fd < 0) Selhani("Cannot create", cesta, errno);
    ::fchmod(fd, cil.prava);
    try {
        ZapisVse(fd, bajty, cesta);
    } catch (...) {
        ::unlink(docasny.c_str());
        throw;
    }
    if (::fsync(fd) != 0 && errno != EINVAL) {
        const int chyba = errno;
        ::close(fd);
        ::unlink(docasny.c_str());
        Selhani("Cannot write", cesta, chyba);
    }
    if (::close(fd) != 0) {
        const int chyba = errno;
        ::unlink(docasny.c_str());
        Selhani("Cannot write", cesta, chyba);
    }
    if (::rename(docasny.c_str(), cil.cesta.c_str()) != 0) {
        const int chyba = errno;
        ::unlink(docasny.c_str());
        Selhani("Cannot replace", cesta, chyba);
    }
}

void ZapisTextovySoubor(const std::string& cesta, const TStringList& radky)
{
    std::size_t velikost = 0;
    for (const auto& r : radky) velikost += r.size() + 2;
    std::string obsah;
    obsah.reserve(velikost);
    for (const auto& r : radky) {
        obsah += r;
        obsah += "\r\n";
    }
    ZapisSouborAtomicky(cesta, obsah);
}

}  // namespace sitmera
