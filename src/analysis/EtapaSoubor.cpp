// The epoch text: reading an epoch file or the epoch sections of a project
// file, and writing the sections.
//
// Reading goes into a scratch epoch and replaces the target only when every
// check has passed, so a rejected text never touches a loaded epoch. The
// covariance section of a large epoch is the bulk of the text (u = 2000: 18
// million numbers); when the reader owns the lines (an epoch file) it moves
// that section's lines instead of copying them.
#include "analysis/Etapa.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "analysis/ElipsyChyb.h"
#include "numerics/Matrix2.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "points/SouradniceSoubor.h"

namespace sitmera {

namespace {

constexpr int PocetRadkuHlavicky = 17;
constexpr int MaxPocetZaznamu = 10000;  // any count of a drawing record

// A decimal integer as the header writes it: an optional sign and digits
// only (no blanks, no hexadecimal, nothing after), within 32 bits. Throws
// ChybaPrevodu otherwise.
int TextNaCeleCislo(const std::string& text)
{
    std::size_t p = 0;
    bool zaporne = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        zaporne = text[p] == '-';
        ++p;
    }
    if (p == text.size()) throw ChybaPrevodu("'" + text + "' is not a valid integer value");
    std::int64_t hodnota = 0;
    for (; p < text.size(); ++p) {
        const char c = text[p];
        if (c < '0' || c > '9' || hodnota > 2147483648LL)
            throw ChybaPrevodu("'" + text + "' is not a valid integer value");
        hodnota = hodnota * 10 + (c - '0');
    }
    if (zaporne) hodnota = -hodnota;
    if (hodnota < INT32_MIN || hodnota > INT32_MAX)
        throw ChybaPrevodu("'" + text + "' is not a valid integer value");
    return static_cast<int>(hodnota);
}

bool VRozsahu(std::int64_t n, std::int64_t min, std::int64_t max) { return n >= min && n <= max; }

// Copies of the lines strictly between positions a and b.
TStringList KopieMezi(const TStringList& radky, std::size_t a, std::size_t b)
{
    return TStringList(radky.begin() + static_cast<std::ptrdiff_t>(a + 1),
                       radky.begin() + static_cast<std::ptrdiff_t>(b));
}

// The lines strictly between positions a and b, moved out of radky.
TStringList PresunMezi(TStringList& radky, std::size_t a, std::size_t b)
{
    TStringList v;
    v.reserve(b - a - 1);
    for (std::size_t i = a + 1; i < b; ++i) v.push_back(std::move(radky[i]));
    return v;
}

// Appends the lines of a text whose lines are joined by CR LF (or LF); an
// empty text appends nothing.
void PridejRadkyTextu(TStringList& lines, const std::string& text)
{
    std::size_t konec = text.size();
    while (konec > 0 && static_cast<unsigned char>(text[konec - 1]) <= 0x20) --konec;
    std::size_t z = 0;
    while (z < konec) {
        std::size_t p = text.find_first_of("\r\n", z);
        if (p == std::string::npos || p > konec) p = konec;
        lines.emplace_back(text, z, p - z);
        if (p < konec && text[p] == '\r' && p + 1 < text.size() && text[p + 1] == '\n') ++p;
        z = p + 1;
    }
}

bool MaticeKonecna(const Tmatrix& m)
{
    for (const Tvector& radek : m)
        for (const Extended x : radek)
            if (!std::isfinite(x)) return false;
    return true;
}

// Every standard deviation and ellipse and ellipsoid value of the first u
// points is a finite number.
bool OdvozeneKonecne(const Tsouradnice& souradnice, int u)
{
    for (int i = 0; i < u; ++i) {
        const Tbod& b = souradnice.bod[static_cast<std::size_t>(i)];
        const Telipsoid& e = b.elipsoid;
        for (const Extended x : {b.sig_X, b.sig_Y, b.sig_Z, e.a_delka, e.a_smernik, e.a_zenit,
                                 e.b_delka, e.b_smernik, e.b_zenit, e.c_delka, e.c_smernik,
                                 e.c_zenit, b.elipsa.a_delka, b.elipsa.b_delka, b.elipsa.a_smernik})
            if (!std::isfinite(x)) return false;
    }
    return true;
}

// The points of the epoch text: u determined points in rows 0 .. u-1 and f
// fixed points in rows u .. u+f-1, each group in strictly ascending
// point-number order, and no number in both groups (a misplaced fixed point
// would take a determined point's covariance block).
bool KontrolaBoduEtapy(const Tsouradnice& souradnice, int u, int f)
{
    const std::size_t n = souradnice.bod.size();
    if (souradnice.PocetFixnichBodu() != f || static_cast<int>(n) - f != u) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (souradnice.bod[i].JeFixni != (i >= static_cast<std::size_t>(u))) return false;
    if (!KontrolaPoradiBodu(souradnice, 0, u - 1)) return false;
    if (!KontrolaPoradiBodu(souradnice, u, u + f - 1)) return false;
    // Both groups are sorted: one merge pass finds a shared number.
    std::size_t i = 0, j = static_cast<std::size_t>(u);
    while (i < static_cast<std::size_t>(u) && j < n) {
        const std::string& a = souradnice.bod[i].cislo;
        const std::string& b = souradnice.bod[j].cislo;
        if (a == b) return false;
        if (TextMensi(a, b))
            ++i;
        else
            ++j;
    }
    return true;
}

// Reads sections s .. s+3 of the lines into etapa (see NacistEtapuZeSeznamu).
// With vzitRadky the covariance lines are moved out of the list instead of
// copied. Throws on a failure inside; etapa is only written at the end.
bool CtiEtapu(TStringList& radky, Tetapa& etapa, int s, bool vzitRadky)
{
    // 1. Every tag exactly once, in order (lines trimmed, empty ones dropped).
    if (!KontrolaZnacek(radky, 4, s)) return false;
    const TStringList znacky = ParyZnacek(4, s);
    std::size_t p[8] = {};
    std::size_t nalezeno = 0;
    for (std::size_t r = 0; r < radky.size() && nalezeno < 8; ++r)
        if (radky[r] == znacky[nalezeno]) p[nalezeno++] = r;
    if (nalezeno != 8) return false;

    // 2. The eight tags alone: an empty epoch.
    if (p[7] - p[0] + 1 == 8) {
        etapa.Clear();
        return true;
    }

    Tetapa nova;

    // 3. Header.
    if (!NacistHlavickuEtapy(nova, KopieMezi(radky, p[0], p[1]))) return false;
    const int u = nova.pocetBoduUrcovanych;
    const int f = nova.pocetBoduFixnich;

    // 4. - 7. Points: groups, order, rounding.
    {
        TStringList body = KopieMezi(radky, p[2], p[3]);
        if (!NacistSouradniceZeSeznamu(body, nova.souradnice)) return false;
    }
    if (!KontrolaBoduEtapy(nova.souradnice, u, f)) return false;
    nova.souradnice.ZaokrouhlitSouradnice(-6);

    // 8. Covariance: 3u rows, ten numbers a line, finite, no negative variance.
    {
        TStringList kov = vzitRadky ? PresunMezi(radky, p[4], p[5]) : KopieMezi(radky, p[4], p[5]);
        if (!TextNaTrojuhelnik(kov, 3 * u, CislaNaRadekKovariance, nova.maticeKovariancni))
            return false;
    }
    if (!MaticeKonecna(nova.maticeKovariancni)) return false;
    if (!DiagonalNonNegative(nova.maticeKovariancni, 0, 3 * u - 1)) return false;

    // 9. Standard deviations, ellipsoids and ellipses of the determined
    // points; the fixed points have none.
    for (std::size_t i = static_cast<std::size_t>(u); i < nova.souradnice.bod.size(); ++i) {
        Tbod& b = nova.souradnice.bod[i];
        b.sig_X = b.sig_Y = b.sig_Z = -1;
        ElipsoidDefault(b.elipsoid);
        ElipsaDefault(b.elipsa);
    }
    VypocetElipsoidu(nova.souradnice, nova.maticeKovariancni, u);
    VypocetElips(nova.souradnice, nova.maticeKovariancni, u);
    if (!OdvozeneKonecne(nova.souradnice, u)) return false;

    // 10. The full covariance table is built on first use.
    nova.KovariancniMaticeZmenena();

    // 11. Drawing records.
    if (!NacistGrafikuEtapy(nova, KopieMezi(radky, p[6], p[7]))) return false;

    // 12. Drawing points.
    if (!nova.grafika.NacistSouradnice(nova.souradnice)) return false;
    nova.grafika.odchylkaJednotkovaAprior = nova.odchylkaJednotkovaAprior;
    nova.grafika.odchylkaJednotkovaAposterior = nova.odchylkaJednotkovaAposterior;

    // 13. Analyses at their default point choice, without rows of another
    // epoch; the report of another epoch is never shown for this one.
    nova.analyzaDelka.Default();
    nova.analyzaUhel.Default();
    nova.protokol.Clear();

    // 14. Attached: replaces the target, keeping its file record, ID and
    // colour.
    nova.jePripojen = true;
    nova.soubor = std::move(etapa.soubor);
    nova.ID = etapa.ID;
    nova.barva = etapa.barva;
    etapa = std::move(nova);
    return true;
}

}  // namespace

// ---------------------------------------------------------------- header

void UlozitHlavickuEtapy(TStringList& lines, const Tetapa& etapa)
{
    for (const int n : {etapa.pocetSmer, etapa.pocetZenit, etapa.pocetDelka, etapa.pocetDoplnekDelka,
                        etapa.pocetDoplnekSmernik, etapa.pocetDoplnekPrevyseni,
                        etapa.pocetDoplnekProvazeni, etapa.pocetMereni, etapa.pocetBodu,
                        etapa.pocetBoduUrcovanych, etapa.pocetBoduFixnich, etapa.pocetPosunu,
                        etapa.pocetNeznamych, etapa.pocetNadbytecnych, etapa.pocetPodminek})
        lines.push_back(std::to_string(n));
    lines.push_back(CisloNaText(etapa.odchylkaJednotkovaAprior));
    lines.push_back(CisloNaText(etapa.odchylkaJednotkovaAposterior));
}

bool NacistHlavickuEtapy(Tetapa& etapa, const TStringList& lines)
{
    try {
        if (lines.size() != PocetRadkuHlavicky) return false;
        std::int64_t h[15];
        for (int i = 0; i < 15; ++i) h[i] = TextNaCeleCislo(lines[static_cast<std::size_t>(i)]);
        const Extended aprior = TextNaCislo(lines[15]);
        const Extended aposterior = TextNaCislo(lines[16]);

        // Ranges: lines 1-7, line 10, lines 11-12, line 15.
        for (int i = 0; i < 7; ++i)
            if (!VRozsahu(h[i], 0, MaxPocetEtapy)) return false;
        if (!VRozsahu(h[9], 1, MaxPocetEtapy)) return false;
        if (!VRozsahu(h[10], 0, MaxPocetEtapy) || !VRozsahu(h[11], 0, MaxPocetEtapy)) return false;
        if (!VRozsahu(h[14], 0, MaxPocetEtapy)) return false;
        // Measurements (a tie counts twice), points, unknowns, redundancy.
        if (h[7] != h[0] + h[1] + h[2] + h[3] + h[4] + h[5] + 2 * h[6]) return false;
        if (h[8] != h[9] + h[10]) return false;
        if (h[12] != 3 * h[9] + h[11]) return false;
        if (h[13] != h[7] - h[12] + h[14]) return false;
        // 0 < a priori < 100000; 0 <= a posteriori < 1e12, each compared as
        // read (a text that counts as zero keeps its value and its sign).
        if (!(aprior > 0 && aprior < MaxOdchylkaAprior)) return false;
        if (!(aposterior >= 0 && aposterior < MaxOdchylkaAposterior)) return false;
        // Adjusted with an a-posteriori estimate, or neither: an epoch without
        // one has redundancy 0 and a-posteriori deviation 0.
        const bool vyrovnan = aposterior > 0 && h[13] > 0;
        if (!vyrovnan && !(aposterior == 0 && h[13] == 0)) return false;

        int* pole[15] = {&etapa.pocetSmer, &etapa.pocetZenit, &etapa.pocetDelka,
                         &etapa.pocetDoplnekDelka, &etapa.pocetDoplnekSmernik,
                         &etapa.pocetDoplnekPrevyseni, &etapa.pocetDoplnekProvazeni,
                         &etapa.pocetMereni, &etapa.pocetBodu, &etapa.pocetBoduUrcovanych,
                         &etapa.pocetBoduFixnich, &etapa.pocetPosunu, &etapa.pocetNeznamych,
                         &etapa.pocetNadbytecnych, &etapa.pocetPodminek};
        for (int i = 0; i < 15; ++i) *pole[i] = static_cast<int>(h[i]);
        etapa.odchylkaJednotkovaAprior = aprior;
        etapa.odchylkaJednotkovaAposterior = aposterior;
        etapa.rozptylJednotkovyAprior = aprior * aprior;
        etapa.rozptylJednotkovyAposterior = aposterior * aposterior;
        etapa.jeVyrovnan = vyrovnan;
        return true;
    } catch (...) {
        return false;
    }
}

// ---------------------------------------------------------------- drawing records

bool NacistGrafikuEtapy(Tetapa& etapa, const TStringList& lines)
{
    try {
        TgrafikaData nova;
        if (!nova.StrList2mereni(lines)) return false;
        std::int64_t delkaS = 0, smer = 0, zenit = 0, smernik = 0, delkaH = 0, prevyseni = 0;
        for (const TgrafikaZaznam& z : nova.mereni) {
            if (!VRozsahu(z.iStn, 0, static_cast<std::int64_t>(etapa.pocetBodu) - 1) ||
                !VRozsahu(z.iCil, 0, static_cast<std::int64_t>(etapa.pocetBodu) - 1))
                return false;
            for (const int n : {z.delkaS, z.smer, z.zenit, z.smernik, z.delkaH, z.prevyseni})
                if (!VRozsahu(n, 0, MaxPocetZaznamu)) return false;
            delkaS += z.delkaS;
            smer += z.smer;
            zenit += z.zenit;
            smernik += z.smernik;
            delkaH += z.delkaH;
            prevyseni += z.prevyseni;
        }
        if (delkaS != etapa.pocetDelka || smer != etapa.pocetSmer || zenit != etapa.pocetZenit ||
            smernik != etapa.pocetDoplnekSmernik || prevyseni != etapa.pocetDoplnekPrevyseni ||
            delkaH != etapa.pocetDoplnekDelka)
            return false;
        etapa.grafika.mereni = std::move(nova.mereni);
        etapa.grafika.pocetMereni = static_cast<int>(etapa.grafika.mereni.size());
        return true;
    } catch (...) {
        return false;
    }
}

// ---------------------------------------------------------------- whole epoch

bool NacistEtapuZeSeznamu(TStringList& lines, Tetapa& etapa, int s)
{
    try {
        return CtiEtapu(lines, etapa, s, false);
    } catch (...) {
        return false;
    }
}

bool NacistEtapu(const std::string& nazevSouboru, Tetapa& etapa)
{
    try {
        TStringList radky = NactiTextovySoubor(nazevSouboru);
        if (!CtiEtapu(radky, etapa, 1, true)) return false;
        etapa.InfoSoubor(nazevSouboru);
        return true;
    } catch (...) {
        return false;
    }
}

void UlozitEtapu(TStringList& lines, const Tetapa& etapa, int s)
{
    if (!etapa.jePripojen) {
        for (int k = s; k < s + 4; ++k) {
            lines.push_back(TextZnacky(k, true));
            lines.push_back(TextZnacky(k, false));
        }
        return;
    }
    lines.push_back(TextZnacky(s, true));
    UlozitHlavickuEtapy(lines, etapa);
    lines.push_back(TextZnacky(s, false));

    lines.push_back(TextZnacky(s + 1, true));
    etapa.souradnice.UlozDoStringListFixAktiv(lines, -6, true);
    lines.push_back(TextZnacky(s + 1, false));

    lines.push_back(TextZnacky(s + 2, true));
    PridejRadkyTextu(lines, TrojuhelnikNaText(etapa.maticeKovariancni, 3 * etapa.pocetBoduUrcovanych,
                                              CislaNaRadekKovariance));
    lines.push_back(TextZnacky(s + 2, false));

    lines.push_back(TextZnacky(s + 3, true));
    PridejRadkyTextu(lines, etapa.grafika.mereni2Str());
    lines.push_back(TextZnacky(s + 3, false));
}

}  // namespace sitmera
