// The epoch text: reading an epoch file or the epoch sections of a project
// file, and writing the sections.
//
// Reading goes into a scratch epoch and replaces the target only when every
// check has passed, so a rejected text never touches a loaded epoch. The
// covariance section of a large epoch is the bulk of the text (u = 2000: 18
// million numbers in 1.8 million lines): its lines go from the file's piece
// straight into the triangle (TctecEtapy), and writing formats them a line
// at a time.
#include "analysis/Etapa.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "analysis/ElipsyChyb.h"
#include "core/Chyby.h"
#include "numerics/Matrix2.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "numerics/TrojuhelnikText.h"
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

// Hands the lines of a text whose lines are joined by CR LF (or LF) to the
// writer, the text's trailing blanks and line ends trimmed first; an empty
// text gives no line.
void PridejRadkyTextu(const TvystupRadku& vystup, const std::string& text)
{
    std::size_t konec = text.size();
    while (konec > 0 && static_cast<unsigned char>(text[konec - 1]) <= 0x20) --konec;
    std::size_t z = 0;
    while (z < konec) {
        std::size_t p = text.find_first_of("\r\n", z);
        if (p == std::string::npos || p > konec) p = konec;
        vystup(std::string_view(text).substr(z, p - z));
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

// The tags in order: 0 open(s), 1 close(s), 2 open(s+1), ... 7 close(s+3).
// What a line is, by the tag expected next: 1 header, 3 points, 5
// covariance, 7 drawing records; 2, 4 and 6 lie between sections; 0 and 8
// outside the epoch.
TctecEtapy::TctecEtapy(int s, std::uint64_t mezTextu)
    : mezTextu_(mezTextu), nova_(std::make_unique<Tetapa>())
{
    const TStringList z = ParyZnacek(4, s);
    for (std::size_t i = 0; i < 8; ++i) znacky_[i] = z[i];
}

TctecEtapy::~TctecEtapy() = default;

// The header and the points, read when the covariance section opens: they
// give the order of the triangle.
bool TctecEtapy::ZacniKovarianci()
{
    Tetapa& nova = *nova_;
    if (!NacistHlavickuEtapy(nova, hlavicka_)) return false;
    const int u = nova.pocetBoduUrcovanych;
    const int f = nova.pocetBoduFixnich;
    if (!NacistSouradniceZeSeznamu(body_, nova.souradnice)) return false;
    if (!KontrolaBoduEtapy(nova.souradnice, u, f)) return false;
    nova.souradnice.ZaokrouhlitSouradnice(-6);
    TStringList().swap(hlavicka_);
    TStringList().swap(body_);
    kovariance_ = std::make_unique<TctecTrojuhelniku>(3 * u, CislaNaRadekKovariance);
    return kovariance_->Zacni(mezTextu_);
}

bool TctecEtapy::Radky(const std::string_view* radky, std::size_t pocet)
{
    if (zamitnuto_) return false;
    try {
        // Covariance lines go on in runs [zacatek, i) straight to the triangle.
        std::size_t zacatek = pocet;
        auto predej = [&](std::size_t konec) {
            if (zacatek >= konec) return true;
            const bool ok = kovariance_->Radky(radky + zacatek, konec - zacatek);
            zacatek = pocet;
            return ok;
        };
        for (std::size_t i = 0; i < pocet && !zamitnuto_; ++i) {
            const std::string_view r = radky[i];
            int znacka = -1;
            if (r.size() >= 3 && r.front() == '<' && r.back() == '>')
                for (int t = 0; t < 8 && znacka < 0; ++t)
                    if (r == znacky_[t]) znacka = t;
            if (znacka >= 0) {
                // Every tag once, in order.
                if (!predej(i) || znacka != dalsiZnacka_) {
                    zamitnuto_ = true;
                    break;
                }
                ++radkuVRozsahu_;
                dalsiZnacka_ = znacka + 1;
                if (znacka == 4) {
                    // So far the tags alone: an empty epoch, unless a line
                    // follows (then its empty header is rejected).
                    moznaPrazdna_ = radkuVRozsahu_ == 5;
                    if (!moznaPrazdna_ && !ZacniKovarianci()) zamitnuto_ = true;
                } else if (znacka == 5 && !moznaPrazdna_) {
                    if (!kovariance_->Dokonci(nova_->maticeKovariancni)) zamitnuto_ = true;
                    kovariance_.reset();
                }
                continue;
            }
            if (dalsiZnacka_ == 0 || dalsiZnacka_ == 8) continue;
            ++radkuVRozsahu_;
            switch (dalsiZnacka_) {
                case 1: hlavicka_.emplace_back(r); break;
                case 3: body_.emplace_back(r); break;
                case 5:
                    if (moznaPrazdna_) zamitnuto_ = true;
                    else if (zacatek == pocet) zacatek = i;
                    break;
                case 7: grafika_.emplace_back(r); break;
                default: break;
            }
        }
        if (!zamitnuto_ && !predej(pocet)) zamitnuto_ = true;
    } catch (...) {
        zamitnuto_ = true;
    }
    if (zamitnuto_) kovariance_.reset();
    return !zamitnuto_;
}

bool TctecEtapy::Dokonci(Tetapa& etapa)
{
    if (zamitnuto_ || dalsiZnacka_ != 8) return false;
    try {
        // The eight tags alone: an empty epoch.
        if (radkuVRozsahu_ == 8) {
            etapa.Clear();
            return true;
        }
        if (moznaPrazdna_) return false;
        Tetapa& nova = *nova_;
        const int u = nova.pocetBoduUrcovanych;

        // Covariance: finite, no negative variance.
        if (!MaticeKonecna(nova.maticeKovariancni)) return false;
        if (!DiagonalNonNegative(nova.maticeKovariancni, 0, 3 * u - 1)) return false;

        // Standard deviations, ellipsoids and ellipses of the determined
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

        // The full covariance table is built on first use.
        nova.KovariancniMaticeZmenena();

        // Drawing records and drawing points.
        if (!NacistGrafikuEtapy(nova, grafika_)) return false;
        if (!nova.grafika.NacistSouradnice(nova.souradnice)) return false;
        nova.grafika.odchylkaJednotkovaAprior = nova.odchylkaJednotkovaAprior;
        nova.grafika.odchylkaJednotkovaAposterior = nova.odchylkaJednotkovaAposterior;

        // Analyses at their default point choice, without rows of another
        // epoch; the report of another epoch is never shown for this one.
        nova.analyzaDelka.Default();
        nova.analyzaUhel.Default();
        nova.protokol.Clear();

        // Attached: replaces the target, keeping its file record, ID and
        // colour.
        nova.jePripojen = true;
        nova.soubor = std::move(etapa.soubor);
        nova.ID = etapa.ID;
        nova.barva = etapa.barva;
        etapa = std::move(nova);
        return true;
    } catch (...) {
        return false;
    }
}

bool NacistEtapuZeSeznamu(TStringList& lines, Tetapa& etapa, int s)
{
    try {
        // Every tag once and in order; the lines trimmed in place.
        if (!KontrolaZnacek(lines, 4, s)) return false;
        std::uint64_t velikost = 0;
        for (const std::string& r : lines) velikost += r.size() + 2;
        const std::vector<std::string_view> radky(lines.begin(), lines.end());
        TctecEtapy ctec(s, velikost);
        return ctec.Radky(radky.data(), radky.size()) && ctec.Dokonci(etapa);
    } catch (...) {
        return false;
    }
}

bool NacistEtapuZTextu(TctecRadku& text, Tetapa& etapa, int s, std::string* duvod)
{
    if (duvod != nullptr) duvod->clear();
    try {
        std::unique_ptr<TctecEtapy> ctec;
        return ProjdiOrizleRadky(
                   text,
                   [&] {
                       ctec.reset();
                       ctec = std::make_unique<TctecEtapy>(s, text.MezVelikosti());
                   },
                   [&](const std::string_view* radky, std::size_t pocet) { return ctec->Radky(radky, pocet); }) &&
               ctec->Dokonci(etapa);
    } catch (const ChybaSouboru& e) {
        UlozDuvod(duvod, e);
        return false;
    } catch (...) {
        return false;
    }
}

bool NacistEtapu(const std::string& nazevSouboru, Tetapa& etapa, std::string* duvod)
{
    if (duvod != nullptr) duvod->clear();
    bool ok = false;
    try {
        TctecRadku soubor(nazevSouboru);
        ok = NacistEtapuZTextu(soubor, etapa, 1, duvod);
    } catch (const ChybaSouboru& e) {
        UlozDuvod(duvod, e);
        ok = false;
    } catch (...) {
        ok = false;
    }
    VratPametSystemu();
    if (ok) etapa.InfoSoubor(nazevSouboru);
    return ok;
}

void UlozitEtapu(const TvystupRadku& vystup, const Tetapa& etapa, int s)
{
    if (!etapa.jePripojen) {
        for (int k = s; k < s + 4; ++k) {
            vystup(TextZnacky(k, true));
            vystup(TextZnacky(k, false));
        }
        return;
    }
    TStringList radky;
    vystup(TextZnacky(s, true));
    UlozitHlavickuEtapy(radky, etapa);
    for (const std::string& r : radky) vystup(r);
    vystup(TextZnacky(s, false));

    vystup(TextZnacky(s + 1, true));
    radky.clear();
    etapa.souradnice.UlozDoStringListFixAktiv(radky, -6, true);
    for (const std::string& r : radky) vystup(r);
    vystup(TextZnacky(s + 1, false));

    vystup(TextZnacky(s + 2, true));
    TrojuhelnikNaRadky(etapa.maticeKovariancni, 3 * etapa.pocetBoduUrcovanych, CislaNaRadekKovariance, vystup);
    vystup(TextZnacky(s + 2, false));

    vystup(TextZnacky(s + 3, true));
    PridejRadkyTextu(vystup, etapa.grafika.mereni2Str());
    vystup(TextZnacky(s + 3, false));
}

void UlozitEtapu(TStringList& lines, const Tetapa& etapa, int s)
{
    UlozitEtapu([&](std::string_view radek) { lines.emplace_back(radek); }, etapa, s);
}

}  // namespace sitmera
