#include "analysis/GrafikaData.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"

namespace sitmera {

namespace {

// Largest count or index a drawing record may hold.
constexpr int MaxHodnotaZaznamu = 10000;

bool JeMezera(char c) { return static_cast<unsigned char>(c) <= 0x20 && c != '\0'; }

// Items of a comma-and-blank delimited line: blanks, tabs and other control
// characters and commas separate items; an item may be enclosed in double
// quotes (a doubled quote inside stands for one). Two commas in a row, or a
// comma at the end of the line, give an empty item.
TStringList RozdelPolozky(const std::string& radek)
{
    TStringList polozky;
    std::size_t p = 0;
    const std::size_t n = radek.size();
    auto preskocMezery = [&] {
        while (p < n && JeMezera(radek[p])) ++p;
    };
    preskocMezery();
    while (p < n) {
        std::string polozka;
        if (radek[p] == '"') {
            ++p;
            while (p < n) {
                if (radek[p] == '"') {
                    if (p + 1 < n && radek[p + 1] == '"') {
                        polozka += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                polozka += radek[p++];
            }
        } else {
            const std::size_t zacatek = p;
            while (p < n && !JeMezera(radek[p]) && radek[p] != ',') ++p;
            polozka.assign(radek, zacatek, p - zacatek);
        }
        polozky.push_back(std::move(polozka));
        preskocMezery();
        if (p < n && radek[p] == ',') {
            ++p;
            if (p == n) polozky.emplace_back();
            preskocMezery();
        }
    }
    return polozky;
}

// A decimal integer: optional sign and digits only (no blanks, no hex, no
// trailing characters), within 32 bits. Throws ChybaPrevodu otherwise.
int TextNaCele(const std::string& text)
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
        if (c < '0' || c > '9') throw ChybaPrevodu("'" + text + "' is not a valid integer value");
        hodnota = hodnota * 10 + (c - '0');
        if (hodnota > 2147483648LL)
            throw ChybaPrevodu("'" + text + "' is not a valid integer value");
    }
    if (zaporne) hodnota = -hodnota;
    if (hodnota > 2147483647LL) throw ChybaPrevodu("'" + text + "' is not a valid integer value");
    return static_cast<int>(hodnota);
}

// A flag: a number (non-zero is true, "-1" as written), or "true" / "false"
// in any letter case. Throws ChybaPrevodu otherwise.
bool TextNaPriznak(const std::string& text)
{
    std::string male = text;
    std::transform(male.begin(), male.end(), male.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (male == "true") return true;
    if (male == "false") return false;
    return TextNaCisloBezKontroly(text) != 0;
}

const char* PriznakNaText(bool priznak) { return priznak ? "-1" : "0"; }

// Lines joined by CR LF, trailing white space of the whole text removed.
std::string SpojRadky(const TStringList& radky)
{
    std::string text;
    for (std::size_t i = 0; i < radky.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += radky[i];
    }
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20) text.pop_back();
    return text;
}

int CeleVRozsahu(const std::string& text)
{
    const int hodnota = TextNaCele(text);
    if (hodnota < 0 || hodnota > MaxHodnotaZaznamu)
        throw ChybaPrevodu("Drawing record value out of range: " + text);
    return hodnota;
}

TgrafikaZaznam TextNaZaznam(const std::string& radek)
{
    const TStringList polozky = RozdelPolozky(radek);
    if (polozky.size() < 9) throw ChybaPrevodu("Drawing record with fewer than nine items");
    TgrafikaZaznam z;
    z.iStn = CeleVRozsahu(polozky[0]);
    z.iCil = CeleVRozsahu(polozky[1]);
    z.delkaS = CeleVRozsahu(polozky[2]);
    z.smer = CeleVRozsahu(polozky[3]);
    z.zenit = CeleVRozsahu(polozky[4]);
    z.smernik = CeleVRozsahu(polozky[5]);
    z.delkaH = CeleVRozsahu(polozky[6]);
    z.prevyseni = CeleVRozsahu(polozky[7]);
    z.JePlny = TextNaPriznak(polozky[8]);
    return z;
}

TgrafikaBod TextNaBod(const std::string& radek)
{
    const TStringList polozky = RozdelNaSlova(radek);
    if (polozky.size() != 7) throw ChybaPrevodu("Drawing point line without seven items");
    TgrafikaBod b;
    b.cislo = polozky[0];
    b.X = TextNaCisloBezKontroly(polozky[1]);
    b.Y = TextNaCisloBezKontroly(polozky[2]);
    b.a_delka = TextNaCisloBezKontroly(polozky[3]);
    b.b_delka = TextNaCisloBezKontroly(polozky[4]);
    b.a_smernik = TextNaCisloBezKontroly(polozky[5]);
    b.JeFixni = TextNaPriznak(polozky[6]);
    return b;
}

}  // namespace

TgrafikaData::TgrafikaData(int pocetBod, int pocetZaznam)
    : body(static_cast<std::size_t>(std::max(pocetBod, 0))),
      mereni(static_cast<std::size_t>(std::max(pocetZaznam, 0))),
      pocetBodu(std::max(pocetBod, 0)),
      pocetMereni(std::max(pocetZaznam, 0))
{
}

void TgrafikaData::Clear()
{
    body.clear();
    mereni.clear();
    odchylkaJednotkovaAprior = 0;
    odchylkaJednotkovaAposterior = 0;
    pocetBodu = 0;
    pocetMereni = 0;
}

void TgrafikaData::Kopiruj(const TgrafikaData& vstup)
{
    if (&vstup == this) return;
    body = vstup.body;
    mereni = vstup.mereni;
    odchylkaJednotkovaAprior = vstup.odchylkaJednotkovaAprior;
    odchylkaJednotkovaAposterior = vstup.odchylkaJednotkovaAposterior;
    pocetBodu = vstup.pocetBodu;
    pocetMereni = vstup.pocetMereni;
}

void TgrafikaData::KopirujDXF(const TgrafikaData& vstup, bool souradnicovySystem)
{
    Kopiruj(vstup);
    if (souradnicovySystem) return;
    for (TgrafikaBod& b : body) {
        b.X = -b.X;
        b.Y = -b.Y;
    }
}

bool TgrafikaData::NacistSouradnice(const Tsouradnice& souradnice)
{
    body.clear();
    pocetBodu = 0;
    const int pocet = souradnice.PocetPlnychBodu();
    if (pocet < 1) return false;

    std::vector<TgrafikaBod> nove(static_cast<std::size_t>(pocet));
    for (int i = 0; i < pocet; ++i) {
        const Tbod& bod = souradnice.bod[i];
        TgrafikaBod& g = nove[i];
        g.cislo = bod.cislo;
        g.X = bod.X;
        g.Y = bod.Y;
        g.JeFixni = bod.JeFixni;
        if (!bod.JeFixni) {
            g.a_delka = bod.elipsa.a_delka;
            g.b_delka = bod.elipsa.b_delka;
            g.a_smernik = bod.elipsa.a_smernik;
        }
    }
    body = std::move(nove);
    pocetBodu = pocet;
    return true;
}

bool TgrafikaData::PrepsatSouradnice(const Tsouradnice& souradnice, bool typ)
{
    if (souradnice.bod.size() < body.size()) return false;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const Tbod& bod = souradnice.bod[i];
        TgrafikaBod& g = body[i];
        g.JeFixni = bod.JeFixni;
        if (typ) {
            g.X = bod.X;
            g.Y = bod.Y;
            if (!bod.JeFixni) g.a_smernik = bod.elipsa.a_smernik;
        } else {
            // Axes exchanged: a bearing t from X towards Y becomes pi/2 - t
            // from the new first axis (the old Y) towards the new second.
            g.X = bod.Y;
            g.Y = bod.X;
            if (!bod.JeFixni) g.a_smernik = Pi / 2 - bod.elipsa.a_smernik;
        }
    }
    return true;
}

std::string TgrafikaData::mereni2Str() const
{
    TStringList radky;
    radky.reserve(mereni.size());
    for (const TgrafikaZaznam& z : mereni) {
        radky.push_back(std::to_string(z.iStn) + ' ' + std::to_string(z.iCil) + ' ' +
                        std::to_string(z.delkaS) + ' ' + std::to_string(z.smer) + ' ' +
                        std::to_string(z.zenit) + ' ' + std::to_string(z.smernik) + ' ' +
                        std::to_string(z.delkaH) + ' ' + std::to_string(z.prevyseni) + ' ' +
                        PriznakNaText(z.JePlny));
    }
    return SpojRadky(radky);
}

bool TgrafikaData::StrList2mereni(const TStringList& vstup)
{
    try {
        std::vector<TgrafikaZaznam> nove;
        nove.reserve(vstup.size());
        for (const std::string& radek : vstup) nove.push_back(TextNaZaznam(radek));
        mereni = std::move(nove);
        pocetMereni = static_cast<int>(mereni.size());
        return true;
    } catch (...) {
        mereni.clear();
        pocetMereni = 0;
        return false;
    }
}

void TgrafikaData::SmazPrazdneZaznamy()
{
    mereni.erase(std::remove_if(mereni.begin(), mereni.end(),
                                [](const TgrafikaZaznam& z) { return !z.JePlny; }),
                 mereni.end());
}

std::string TgrafikaData::body2Str() const
{
    TStringList radky;
    radky.reserve(body.size());
    for (const TgrafikaBod& b : body) {
        radky.push_back(b.cislo + ' ' + CisloNaText(b.X) + ' ' + CisloNaText(b.Y) + ' ' +
                        CisloNaText(b.a_delka) + ' ' + CisloNaText(b.b_delka) + ' ' +
                        CisloNaText(b.a_smernik) + ' ' + PriznakNaText(b.JeFixni));
    }
    return SpojRadky(radky);
}

bool TgrafikaData::StrList2body(const TStringList& vstup)
{
    try {
        std::vector<TgrafikaBod> nove;
        nove.reserve(vstup.size());
        for (const std::string& radek : vstup) nove.push_back(TextNaBod(radek));
        body = std::move(nove);
        pocetBodu = static_cast<int>(body.size());
        return true;
    } catch (...) {
        body.clear();
        pocetBodu = 0;
        return false;
    }
}

}  // namespace sitmera
