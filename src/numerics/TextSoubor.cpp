#include "numerics/TextSoubor.h"

#include "numerics/Cesta.h"
#include "numerics/TextPole.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
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

// Thrown inside the reader when a text taken for UTF-8 is not UTF-8.
struct NeniUtf8 {};

// Strict UTF-8 check of s[od, n): no overlong forms, no surrogates, nothing
// above U+10FFFF; throws NeniUtf8. With vse false the data may go on: a
// sequence cut at the end is left for later, and the result is where it
// begins (else n). Sets neAscii when a byte above 0x7F is met.
std::size_t OverUtf8(const char* s, std::size_t od, std::size_t n, bool vse, bool& neAscii)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s);
    std::size_t i = od;
    while (i < n) {
        if (n - i >= 32) {  // 32 ASCII bytes at once
            std::uint64_t w[4];
            std::memcpy(w, p + i, 32);
            if (((w[0] | w[1] | w[2] | w[3]) & 0x8080808080808080ULL) == 0) {
                i += 32;
                continue;
            }
        }
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        neAscii = true;
        std::size_t delka;
        char32_t kod;
        if (c >= 0xC2 && c <= 0xDF) { delka = 2; kod = c & 0x1F; }
        else if (c >= 0xE0 && c <= 0xEF) { delka = 3; kod = c & 0x0F; }
        else if (c >= 0xF0 && c <= 0xF4) { delka = 4; kod = c & 0x07; }
        else throw NeniUtf8{};
        const std::size_t mame = std::min(delka, n - i);
        for (std::size_t k = 1; k < mame; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) throw NeniUtf8{};
            kod = (kod << 6) | (p[i + k] & 0x3F);
        }
        if (mame < delka) {
            if (vse) throw NeniUtf8{};
            return i;
        }
        if ((delka == 3 && kod < 0x800) || (delka == 4 && kod < 0x10000)) throw NeniUtf8{};
        if (kod >= 0xD800 && kod <= 0xDFFF) throw NeniUtf8{};
        if (kod > 0x10FFFF) throw NeniUtf8{};
        i += delka;
    }
    return n;
}

// Bytes a save gathers before it writes them.
constexpr std::size_t kVelikostBufferu = std::size_t{1} << 20;

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
            Selhani("Cannot write", cesta, errno);
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

// ------------------------------------------------------------------ reading

TctecRadku::TctecRadku(const std::string& cesta, std::size_t kus, std::size_t maxRadek)
    : cesta_(cesta), kus_(std::max<std::size_t>(kus, 4)), maxRadek_(maxRadek)
{
    // Without blocking: a pipe with no writer would hold the open for ever.
    fd_ = ::open(cesta.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) Selhani("Cannot open", cesta, errno);
    // The destructor does not run for a constructor that throws.
    try {
        struct stat st {};
        if (::fstat(fd_, &st) != 0) Selhani("Cannot read", cesta, errno);
        if (S_ISDIR(st.st_mode)) Selhani("Cannot read", cesta, EISDIR);
        // A pipe, a device or a socket is no file of the program: it could
        // block or never end (/dev/zero).
        if (!S_ISREG(st.st_mode)) throw ChybaSouboru("Cannot read \"" + cesta + "\": not a regular file");
        const int priznaky = ::fcntl(fd_, F_GETFL);
        if (priznaky < 0 || ::fcntl(fd_, F_SETFL, priznaky & ~O_NONBLOCK) != 0) Selhani("Cannot read", cesta, errno);
        velikost_ = static_cast<std::uint64_t>(st.st_size);
        // No piece larger than the file.
        kus_ = std::clamp<std::uint64_t>(velikost_, 4, kus_);
        Znovu(false);
    } catch (...) {
        ::close(fd_);
        fd_ = -1;
        throw;
    }
}

TctecRadku::TctecRadku(TzPameti, std::string_view bajty, std::size_t kus, std::size_t maxRadek)
    : pamet_(bajty),
      velikost_(bajty.size()),
      kus_(std::clamp<std::size_t>(kus, 4, std::max<std::size_t>(bajty.size(), 4))),
      maxRadek_(maxRadek)
{
    Znovu(false);
}

TctecRadku::~TctecRadku()
{
    if (fd_ >= 0) ::close(fd_);
}

std::size_t TctecRadku::CtiSurove(char* cil, std::size_t pocet)
{
    // Never past the size the file had when it was opened: a file that
    // grows meanwhile (another program appending to it) is read as it was.
    const auto zbyva = static_cast<std::size_t>(std::min<std::uint64_t>(pocet, velikost_ - pozice_));
    std::size_t hotovo = 0;
    if (fd_ < 0) {
        hotovo = zbyva;
        std::memcpy(cil, pamet_.data() + pozice_, hotovo);
    } else {
        while (hotovo < zbyva) {
            const ssize_t n = ::read(fd_, cil + hotovo, zbyva - hotovo);
            if (n < 0) {
                if (errno == EINTR) continue;
                Selhani("Cannot read", cesta_, errno);
            }
            if (n == 0) break;
            hotovo += static_cast<std::size_t>(n);
        }
    }
    pozice_ += hotovo;
    if (hotovo < pocet) konecZdroje_ = true;
    return hotovo;
}

// Back to the start of the text; the byte-order mark decides the decoding,
// a text without one is taken for UTF-8 unless windows1250.
void TctecRadku::Znovu(bool windows1250)
{
    if (fd_ >= 0 && ::lseek(fd_, 0, SEEK_SET) != 0) Selhani("Cannot read", cesta_, errno);
    pozice_ = 0;
    konecZdroje_ = false;
    zac_ = konec_ = overeno_ = prohledano_ = 0;
    poCR_ = neAscii_ = prilisDlouhy_ = false;
    lichy_ = -1;
    vysoky_ = 0;
    char bom[3] = {};
    const std::size_t n = CtiSurove(bom, 3);
    const std::string_view b(bom, n);
    kodovani_ = windows1250 ? Kodovani::Windows1250 : Kodovani::Utf8;
    zacatekDat_ = 0;
    bomUtf8_ = b.substr(0, 3) == "\xEF\xBB\xBF";
    if (bomUtf8_) {
        zacatekDat_ = 3;
    } else if (!windows1250 && b.substr(0, 2) == "\xFF\xFE") {
        kodovani_ = Kodovani::Utf16LE;
        zacatekDat_ = 2;
    } else if (!windows1250 && b.substr(0, 2) == "\xFE\xFF") {
        kodovani_ = Kodovani::Utf16BE;
        zacatekDat_ = 2;
    }
    // The bytes read past the mark are data.
    text_.clear();
    const std::string_view zbytek = b.substr(zacatekDat_);
    if (kodovani_ == Kodovani::Utf8) {
        text_.assign(zbytek);
        konec_ = text_.size();
    } else {
        Dekoduj(zbytek.data(), zbytek.size());
    }
}

// Appends the decoded raw bytes to the text (Windows-1250 or UTF-16).
void TctecRadku::Dekoduj(const char* p, std::size_t n)
{
    text_.resize(konec_);
    if (kodovani_ == Kodovani::Windows1250) {
        for (std::size_t i = 0; i < n; ++i) {
            const auto c = static_cast<unsigned char>(p[i]);
            PridejZnak(text_, c < 0x80 ? char32_t(c) : kWindows1250[c - 0x80]);
        }
    } else {
        Dekoduj16(p, n);
    }
    konec_ = text_.size();
}

void TctecRadku::Dekoduj16(const char* p, std::size_t n)
{
    const bool be = kodovani_ == Kodovani::Utf16BE;
    auto jednotka = [be](unsigned char a, unsigned char b) -> char32_t {
        return be ? char32_t(a << 8 | b) : char32_t(b << 8 | a);
    };
    auto vezmi = [this](char32_t u) {
        if (vysoky_ != 0) {
            const char32_t h = vysoky_;
            vysoky_ = 0;
            if (u >= 0xDC00 && u <= 0xDFFF) {
                PridejZnak(text_, 0x10000 + ((h - 0xD800) << 10) + (u - 0xDC00));
                return;
            }
            PridejZnak(text_, 0xFFFD);
        }
        if (u >= 0xD800 && u <= 0xDBFF) vysoky_ = u;
        else PridejZnak(text_, (u >= 0xDC00 && u <= 0xDFFF) ? char32_t(0xFFFD) : u);
    };
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    std::size_t i = 0;
    if (lichy_ >= 0 && n > 0) {
        vezmi(jednotka(static_cast<unsigned char>(lichy_), b[0]));
        lichy_ = -1;
        i = 1;
    }
    for (; i + 1 < n; i += 2) vezmi(jednotka(b[i], b[i + 1]));
    if (i < n) lichy_ = b[i];
    if (konecZdroje_) {
        if (vysoky_ != 0) PridejZnak(text_, 0xFFFD);
        vysoky_ = 0;
        if (lichy_ >= 0) PridejZnak(text_, 0xFFFD);
        lichy_ = -1;
    }
}

// Checks the UTF-8 of the text read so far (all of it at the end).
void TctecRadku::Over(bool vse)
{
    if (kodovani_ == Kodovani::Utf8) overeno_ = OverUtf8(text_.data(), overeno_, konec_, vse, neAscii_);
}

bool TctecRadku::Dalsi(std::vector<std::string_view>& radky)
{
    radky.clear();
    if (prilisDlouhy_) return false;
    for (;;) {
        // The unfinished line moves to the front, the next piece after it.
        if (zac_ > 0) {
            std::memmove(text_.data(), text_.data() + zac_, konec_ - zac_);
            konec_ -= zac_;
            overeno_ -= std::min(overeno_, zac_);
            zac_ = 0;
        }
        if (konecZdroje_ && zac_ == konec_) return false;
        if (!konecZdroje_) {
            if (kodovani_ == Kodovani::Utf8) {
                text_.resize(konec_ + kus_);
                konec_ += CtiSurove(text_.data() + konec_, kus_);
            } else {
                surove_.resize(kus_);
                const std::size_t n = CtiSurove(surove_.data(), kus_);
                Dekoduj(surove_.data(), n);
            }
        }
        Over(konecZdroje_);
        const char* const zacatek = text_.data();
        const char* const konec = zacatek + konec_;
        const char* p = zacatek;
        if (poCR_ && p < konec) {
            if (*p == '\n') ++p;
            poCR_ = false;
        }
        // The next CR and LF, each searched once per stretch; the search
        // goes on where the last piece left the unfinished line.
        auto najdi = [konec](const char* od, char znak) {
            const void* z = std::memchr(od, znak, static_cast<std::size_t>(konec - od));
            return z ? static_cast<const char*>(z) : konec;
        };
        const char* const od = p + std::min<std::size_t>(prohledano_, static_cast<std::size_t>(konec - p));
        const char* lf = najdi(od, '\n');
        const char* cr = najdi(od, '\r');
        for (;;) {
            const char* const e = std::min(lf, cr);
            if (e == konec) break;
            if (static_cast<std::size_t>(e - p) > maxRadek_) {
                prilisDlouhy_ = true;
                return !radky.empty();
            }
            radky.emplace_back(p, static_cast<std::size_t>(e - p));
            p = e + 1;
            if (*e == '\r') {
                if (p < konec) {
                    if (*p == '\n') ++p;
                } else if (!konecZdroje_) {
                    poCR_ = true;
                }
            }
            if (lf < p) lf = najdi(p, '\n');
            if (cr < p) cr = najdi(p, '\r');
        }
        // The unfinished line: no line end in it so far.
        prohledano_ = static_cast<std::size_t>(konec - p);
        if (prohledano_ > maxRadek_) {
            prilisDlouhy_ = true;
            return !radky.empty();
        }
        zac_ = static_cast<std::size_t>(p - zacatek);
        if (konecZdroje_) {
            // The last line needs no line end; a final line end makes no
            // further line.
            if (p < konec) radky.emplace_back(p, static_cast<std::size_t>(konec - p));
            zac_ = konec_;
        }
        if (!radky.empty() || konecZdroje_) return !radky.empty();
    }
}

// Reads the rest of a text taken for UTF-8 only to check it.
void TctecRadku::DoctiKontrolu()
{
    if (kodovani_ != Kodovani::Utf8) return;
    Over(konecZdroje_);
    while (!konecZdroje_) {
        // Keep the unchecked end, read the next piece after it.
        const std::size_t drz = konec_ - overeno_;
        std::memmove(text_.data(), text_.data() + overeno_, drz);
        konec_ = drz;
        overeno_ = 0;
        zac_ = 0;
        text_.resize(konec_ + kus_);
        konec_ += CtiSurove(text_.data() + konec_, kus_);
        Over(konecZdroje_);
    }
}

bool ProjdiRadky(TctecRadku& ctec, const std::function<void()>& zacni,
                 const std::function<bool(const std::vector<std::string_view>&)>& davka)
{
    std::vector<std::string_view> radky;
    for (;;) {
        try {
            zacni();
            bool prijato = true;
            while (prijato && ctec.Dalsi(radky)) prijato = davka(radky);
            if (prijato && !ctec.prilisDlouhy_) return true;
            // Rejected lines that held bytes above 0x7F may read otherwise
            // (and a line be longer) when the text proves not to be UTF-8.
            if (ctec.neAscii_) ctec.DoctiKontrolu();
            return false;
        } catch (const NeniUtf8&) {
            ctec.Znovu(true);
        }
    }
}

bool ProjdiOrizleRadky(TctecRadku& ctec, const std::function<void()>& zacni,
                       const std::function<bool(const std::string_view* radky, std::size_t pocet)>& davka)
{
    std::vector<std::string_view> oriznute;
    return ProjdiRadky(ctec, zacni, [&](const std::vector<std::string_view>& radky) {
        OrizniPohledy(radky, oriznute);
        return davka(oriznute.data(), oriznute.size());
    });
}

bool RadkyDoMeze(TctecRadku& ctec, TStringList& radky)
{
    return ProjdiRadky(
        ctec, [&] { radky.clear(); },
        [&](const std::vector<std::string_view>& davka) {
            radky.insert(radky.end(), davka.begin(), davka.end());
            return true;
        });
}

TStringList VsechnyRadky(TctecRadku& ctec)
{
    TStringList radky;
    if (!RadkyDoMeze(ctec, radky)) throw ChybaSouboru("A line of \"" + ctec.cesta_ + "\" is longer than " +
                                 std::to_string(ctec.maxRadek_) + " bytes");
    return radky;
}

TStringList RozdelNaRadky(std::string_view bajty)
{
    TctecRadku ctec(TctecRadku::ZPameti, bajty);
    return VsechnyRadky(ctec);
}

TStringList NactiTextovySoubor(const std::string& cesta)
{
    TctecRadku ctec(cesta);
    return VsechnyRadky(ctec);
}

namespace {

// What a save writes to: the real folder of the target and its name there
// (links followed, once), a descriptor of that folder through which the
// temporary file is made, renamed and removed, and of an existing target:
// the target opened for writing, whether it is a device written in place, and
// its permissions, owner, group and link count.
struct TcilZapisu {
    std::string slozka;
    std::string jmeno;
    int fdSlozky = -1;  // O_PATH
    int fdCil = -1;
    bool existuje = false;
    bool zarizeni = false;
    mode_t prava = 0;
    uid_t vlastnik = 0;
    gid_t skupina = 0;
    nlink_t odkazu = 1;

    TcilZapisu() = default;
    TcilZapisu(const TcilZapisu&) = delete;
    TcilZapisu& operator=(const TcilZapisu&) = delete;
    ~TcilZapisu()
    {
        if (fdCil >= 0) ::close(fdCil);
        if (fdSlozky >= 0) ::close(fdSlozky);
    }
};

bool SmimZapsat(const std::string& cesta, int mod)
{
    return ::faccessat(AT_FDCWD, cesta.c_str(), mod, AT_EACCESS) == 0;
}

[[noreturn]] void CilSeZmenil(const std::string& cesta)
{
    throw ChybaSouboru("Cannot write \"" + cesta + "\": it was replaced by another file while it was being saved");
}

// The real folder and name of a save's target: every link followed, once. A
// target that does not exist yet is named in the real folder of its path.
void RozlozCestu(const std::string& cesta, std::string& slozka, std::string& jmeno)
{
    std::string skutecna;
    if (char* r = ::realpath(cesta.c_str(), nullptr)) {
        skutecna = r;
        std::free(r);
    } else {
        const int chyba = errno;
        struct stat odkaz {};
        // A link to nothing is not replaced by a file of its own.
        if (::lstat(cesta.c_str(), &odkaz) == 0 && S_ISLNK(odkaz.st_mode))
            Selhani("Cannot write through the broken link", cesta, chyba);
        const std::string nazev = ExtractFileName(cesta);
        if (chyba != ENOENT || nazev.empty()) Selhani("Cannot write", cesta, chyba);
        std::string nad = ExtractFileDir(cesta);
        if (nad.empty()) nad = ".";
        char* r2 = ::realpath(nad.c_str(), nullptr);
        if (r2 == nullptr) Selhani("Cannot write", cesta, errno);
        skutecna = r2;
        std::free(r2);
        if (skutecna.back() != '/') skutecna += '/';
        skutecna += nazev;
    }
    if (skutecna == "/") Selhani("Cannot write", cesta, EISDIR);
    slozka = ExtractFileDir(skutecna);
    jmeno = ExtractFileName(skutecna);
}

// Checks the target of a save (see the header) and fills `cil`. What is at the
// real name is looked at without following a link or opening it, then an
// existing file or device is opened for writing without blocking and must be
// the very file looked at; its owner, group and mode are taken from that
// descriptor. Whatever takes the name later is replaced, never followed.
void CilZapisu(const std::string& cesta, TcilZapisu& cil)
{
    if (cesta.empty()) throw ChybaSouboru("Cannot write a file without a name");
    RozlozCestu(cesta, cil.slozka, cil.jmeno);
    cil.fdSlozky = ::open(cil.slozka.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (cil.fdSlozky < 0) Selhani("Cannot write", cesta, errno);

    struct stat st {};
    const int fdJmeno = ::openat(cil.fdSlozky, cil.jmeno.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (fdJmeno >= 0) {
        const bool ok = ::fstat(fdJmeno, &st) == 0;
        const int chyba = errno;
        ::close(fdJmeno);
        if (!ok) Selhani("Cannot write", cesta, chyba);
        cil.existuje = true;
    } else if (errno != ENOENT) {
        Selhani("Cannot write", cesta, errno);
    }

    if (cil.existuje) {
        if (S_ISLNK(st.st_mode)) CilSeZmenil(cesta);  // a link since the path was resolved
        if (S_ISDIR(st.st_mode)) Selhani("Cannot write", cesta, EISDIR);
        // A device is written in place; a pipe or a socket would block or
        // cannot be written at all.
        cil.zarizeni = S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode);
        if (!S_ISREG(st.st_mode) && !cil.zarizeni) Selhani("Cannot write", cesta, EINVAL);
        if (PredOtevrenimCile) PredOtevrenimCile();
        // Opening it for writing also asks whether the user may write it: a
        // file the user may not write is not replaced through its folder
        // either. A pipe that took the name meanwhile does not block the
        // open; it is not the file looked at.
        cil.fdCil = ::openat(cil.fdSlozky, cil.jmeno.c_str(),
                             O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (cil.fdCil < 0) {
            if (errno == ELOOP || errno == ENXIO || errno == ENOENT) CilSeZmenil(cesta);
            Selhani("Cannot write", cesta, errno);
        }
        struct stat ot {};
        if (::fstat(cil.fdCil, &ot) != 0) Selhani("Cannot write", cesta, errno);
        if (ot.st_dev != st.st_dev || ot.st_ino != st.st_ino || (ot.st_mode & S_IFMT) != (st.st_mode & S_IFMT))
            CilSeZmenil(cesta);
        const int priznaky = ::fcntl(cil.fdCil, F_GETFL);
        if (priznaky < 0 || ::fcntl(cil.fdCil, F_SETFL, priznaky & ~O_NONBLOCK) != 0)
            Selhani("Cannot write", cesta, errno);
        if (cil.zarizeni) return;
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
    if (!SmimZapsat(cil.slozka, W_OK | X_OK)) Selhani("Cannot write", cesta, errno);
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

}  // namespace

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

void VratPametSystemu()
{
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}

void OverCilZapisu(const std::string& cesta)
{
    TcilZapisu cil;
    CilZapisu(cesta, cil);
}

// ------------------------------------------------------------------ writing

TzapisSouboru::TzapisSouboru(const std::string& cesta) : cesta_(cesta)
{
    TcilZapisu cil;
    CilZapisu(cesta, cil);
    slozka_ = cil.slozka;
    if (cil.zarizeni) {
        fd_ = std::exchange(cil.fdCil, -1);
        buf_.reserve(kVelikostBufferu);
        return;
    }
    std::string docasny;
    const int fd = VytvorDocasny(cil.fdSlozky, cil.jmeno, docasny);
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
    else fdCil_ = std::exchange(cil.fdCil, -1);
    fd_ = fd;
    docasny_ = std::move(docasny);
    jmeno_ = cil.jmeno;
    fdSlozky_ = std::exchange(cil.fdSlozky, -1);
    buf_.reserve(kVelikostBufferu);
}

TzapisSouboru::~TzapisSouboru()
{
    if (fdCil_ >= 0) ::close(fdCil_);
    if (fd_ >= 0) ::close(fd_);
    if (fd_ >= 0 && !docasny_.empty()) ::unlinkat(fdSlozky_, docasny_.c_str(), 0);
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
    if (docasny_.empty()) {
        if (::close(fd) != 0) Selhani("Cannot write", cesta_, errno);
        return;
    }
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
    struct stat novy {}, stary {};
    if (::fstat(fd, &novy) != 0 || ::fstat(cil, &stary) != 0) pred("Cannot write", errno);
    // Room for a longer content is taken first: a full disk fails the save
    // here, with the target untouched. A file system that cannot reserve
    // room is written all the same.
    if (novy.st_size > stary.st_size &&
        ::fallocate(cil, FALLOC_FL_KEEP_SIZE, stary.st_size, novy.st_size - stary.st_size) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        pred("Cannot write", errno);

    auto behem = [&](int chyba) {
        zavri();
        throw ChybaSouboru("Cannot write \"" + cesta_ + "\": " + std::strerror(chyba) +
                           "; its new content is kept in \"" + CestaDocasneho() + "\"");
    };
    std::string kus(kVelikostBufferu, '\0');
    off_t poloha = 0;
    while (poloha < novy.st_size) {
        const ssize_t n = ::pread(fd, kus.data(), kus.size(), poloha);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) behem(n < 0 ? errno : EIO);
        std::size_t hotovo = 0;
        while (hotovo < static_cast<std::size_t>(n)) {
            const ssize_t m = ::pwrite(cil, kus.data() + hotovo, static_cast<std::size_t>(n) - hotovo,
                                       poloha + static_cast<off_t>(hotovo));
            if (m < 0 && errno == EINTR) continue;
            if (m <= 0) behem(m < 0 ? errno : EIO);
            hotovo += static_cast<std::size_t>(m);
        }
        poloha += n;
    }
    if (::ftruncate(cil, novy.st_size) != 0) behem(errno);
    if (::fsync(cil) != 0 && errno != EINVAL) behem(errno);
    ::close(fd);
    if (::close(cil) != 0) {
        const int chyba = errno;
        throw ChybaSouboru("Cannot write \"" + cesta_ + "\": " + std::strerror(chyba) +
                           "; its new content is kept in \"" + CestaDocasneho() + "\"");
    }
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
