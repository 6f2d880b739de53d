#include "numerics/TextSoubor.h"

#include "numerics/TextPole.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>
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

[[noreturn]] void Selhani(const std::string& co, const std::string& cesta, int chyba)
{
    throw ChybaSouboru(co + " \"" + cesta + "\": " + std::strerror(chyba));
}

[[noreturn]] void Zmenen(const std::string& cesta)
{
    throw ChybaSouboru("Cannot read \"" + cesta + "\": it changed while it was being read");
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

std::function<void()> PoPohleduNaSoubor;

TctecRadku::TctecRadku(const std::string& cesta, std::size_t kus, std::size_t maxRadek)
    : cesta_(cesta), kus_(std::max<std::size_t>(kus, 4)), maxRadek_(maxRadek)
{
    // Looked at before it is opened: a pipe, a device or a socket is no file
    // of the program (it could block or never end, /dev/zero), and opening
    // some devices does something already.
    const int pohled = ::open(cesta.c_str(), O_PATH | O_CLOEXEC);
    if (pohled < 0) Selhani("Cannot open", cesta, errno);
    const Tdeskriptor zavriPohled(pohled);
    struct stat videno {};
    if (::fstat(pohled, &videno) != 0) Selhani("Cannot read", cesta, errno);
    auto jenSoubor = [&](const struct stat& st) {
        if (S_ISDIR(st.st_mode)) Selhani("Cannot read", cesta, EISDIR);
        if (!S_ISREG(st.st_mode)) throw ChybaSouboru("Cannot read \"" + cesta + "\": not a regular file");
    };
    jenSoubor(videno);
    if (PoPohleduNaSoubor) PoPohleduNaSoubor();
    // The very file looked at is opened, through the look's descriptor: a
    // name that another program points meanwhile at a pipe or a device is
    // never opened. Without blocking all the same (a lease is waited for).
    fd_ = OtevriBezBlokovani(AT_FDCWD, CestaDeskriptoru(pohled).c_str(), O_RDONLY);
    int chyba = fd_ < 0 ? errno : 0;
    if (chyba == ENOENT && ::access("/proc/self/fd", F_OK) != 0) {
        // No /proc (a bare container): the name is opened again, and a file
        // other than the one looked at is refused below, though only once it
        // was opened.
        fd_ = OtevriBezBlokovani(AT_FDCWD, cesta.c_str(), O_RDONLY);
        chyba = fd_ < 0 ? errno : 0;
    }
    if (fd_ < 0) Selhani("Cannot open", cesta, chyba);
    // The destructor does not run for a constructor that throws.
    try {
        struct stat st {};
        if (::fstat(fd_, &st) != 0) Selhani("Cannot read", cesta, errno);
        jenSoubor(st);
        if (st.st_dev != videno.st_dev || st.st_ino != videno.st_ino) Zmenen(cesta);
        const int priznaky = ::fcntl(fd_, F_GETFL);
        if (priznaky < 0 || ::fcntl(fd_, F_SETFL, priznaky & ~O_NONBLOCK) != 0) Selhani("Cannot read", cesta, errno);
        if (st.st_size == 0) {
            // A virtual file system's file shows no size: it is read whole
            // now, and then as the bytes in memory are.
            PrectiCele();
        } else {
            velikost_ = static_cast<std::uint64_t>(st.st_size);
            upraven_ = st.st_mtim;
            zmenen_ = st.st_ctim;
            // No piece larger than the file.
            kus_ = std::clamp<std::uint64_t>(velikost_, 4, kus_);
        }
        Znovu(false);
    } catch (...) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        throw;
    }
}

void TctecRadku::PrectiCele()
{
    constexpr std::size_t kKus = std::size_t{64} << 10;
    for (;;) {
        const std::size_t mame = precteno_.size();
        if (mame > MaxBezVelikosti)
            throw ChybaSouboru("Cannot read \"" + cesta_ + "\": it shows no size and is larger than " +
                               std::to_string(MaxBezVelikosti) + " bytes");
        precteno_.resize(mame + kKus);
        const ssize_t n = ::read(fd_, precteno_.data() + mame, kKus);
        precteno_.resize(mame + static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
        if (n == 0) break;
        if (n < 0 && errno != EINTR) Selhani("Cannot read", cesta_, errno);
    }
    ::close(fd_);
    fd_ = -1;
    pamet_ = precteno_;
    velikost_ = precteno_.size();
    kus_ = std::clamp<std::size_t>(kus_, 4, std::max<std::size_t>(precteno_.size(), 4));
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
    // grows meanwhile (another program appending to it) still ends.
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
            // The end before the size the file had when opened: it was
            // cut meanwhile, and what is left is no whole file.
            if (n == 0) Zmenen(cesta_);
            hotovo += static_cast<std::size_t>(n);
        }
    }
    pozice_ += hotovo;
    if (hotovo < pocet) {
        // The end: what was read is one content only if the file was not
        // written meanwhile.
        if (fd_ >= 0) OverNezmeneny();
        konecZdroje_ = true;
    }
    return hotovo;
}

void TctecRadku::OverNezmeneny() const
{
    struct stat st {};
    if (::fstat(fd_, &st) != 0) Selhani("Cannot read", cesta_, errno);
    auto stejny = [](const std::timespec& a, const std::timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    };
    if (static_cast<std::uint64_t>(st.st_size) != velikost_ || !stejny(st.st_mtim, upraven_) ||
        !stejny(st.st_ctim, zmenen_))
        Zmenen(cesta_);
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

int OtevriBezBlokovani(int slozka, const char* jmeno, int priznaky)
{
    priznaky |= O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::openat(slozka, jmeno, priznaky);
    if (fd >= 0 || errno != EWOULDBLOCK) return fd;
    // A lease: its holder has been told to give it up. The system breaks it
    // itself after its lease-break time; the open is not tried longer.
    long sekund = 45;
    if (std::FILE* f = std::fopen("/proc/sys/fs/lease-break-time", "re")) {
        if (std::fscanf(f, "%ld", &sekund) != 1 || sekund < 0) sekund = 45;
        std::fclose(f);
    }
    const auto konec = std::chrono::steady_clock::now() + std::chrono::seconds(sekund);
    auto pauza = std::chrono::milliseconds(1);
    for (;;) {
        std::this_thread::sleep_for(pauza);
        pauza = std::min(pauza * 2, std::chrono::milliseconds(50));
        const bool posledni = std::chrono::steady_clock::now() >= konec;
        fd = ::openat(slozka, jmeno, priznaky);
        if (fd >= 0 || errno != EWOULDBLOCK || posledni) return fd;
    }
}

void VratPametSystemu()
{
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}

}  // namespace sitmera
