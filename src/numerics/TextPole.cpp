// Emptiness tests, words and lines, the order of point numbers, text tables
// and tagged sections.
#include "numerics/TextPole.h"

#include <algorithm>

#include "numerics/TextSoubor.h"

namespace sitmera {

namespace {

bool JeMezera(char c) { return static_cast<unsigned char>(c) <= ' '; }

int Delka(std::string_view s) { return static_cast<int>(DelkaTextu(s)); }

void PridejUtf8(std::string& s, char32_t c)
{
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | ((c >> 18) & 0x07));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Length first, then bytes (UTF-8 byte order is code-point order): <0, 0, >0.
int PorovnejText(std::string_view a, std::string_view b)
{
    const std::size_t la = DelkaTextu(a), lb = DelkaTextu(b);
    if (la != lb) return la < lb ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

void PridejBunku(std::string& s, const std::string& bunka, int sirka)
{
    const int chybi = sirka - Delka(bunka);
    if (chybi > 0) s.append(static_cast<std::size_t>(chybi), ' ');
    s += bunka;
}

}  // namespace

// ------------------------------------------------------------------ emptiness

std::string Orizni(std::string_view text) { return std::string(OrizniPohled(text)); }

bool JePrazdny(std::string_view text) { return text.empty(); }

bool OrizniAJePrazdny(std::string_view text, std::string& oriznuty)
{
    oriznuty = Orizni(text);
    return oriznuty.empty();
}

bool JePrazdnyPoOriznuti(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), JeMezera);
}

// ------------------------------------------------------------------ words and lines

TStringList RozdelNaSlova(std::string_view text)
{
    TStringList slova;
    const std::string t = Orizni(text);
    std::size_t i = 0;
    while (i < t.size()) {
        while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
        const std::size_t z = i;
        while (i < t.size() && t[i] != ' ' && t[i] != '\t') ++i;
        if (i > z) slova.emplace_back(t, z, i - z);
    }
    return slova;
}

std::string SpojSlovaPocet(const TStringList& slova, int n)
{
    if (slova.empty()) throw ChybaArgumentu("List index out of bounds (0)");
    const std::size_t pocet = n < 1 ? 0 : std::min(slova.size(), static_cast<std::size_t>(n));
    std::string s;
    for (std::size_t i = 0; i < pocet; ++i) {
        if (i > 0) s += ' ';
        s += slova[i];
    }
    return Orizni(s);
}

std::string SpojSlova(const TStringList& slova)
{
    if (slova.empty()) throw ChybaArgumentu("List index out of bounds (0)");
    return SpojSlovaPocet(slova, static_cast<int>(std::min<std::size_t>(slova.size(), 0x7FFFFFFF)));
}

void OrizniRadky(TStringList& radky)
{
    std::size_t cil = 0;
    for (std::size_t i = 0; i < radky.size(); ++i) {
        std::string t = Orizni(radky[i]);
        if (t.empty()) continue;
        radky[cil++] = std::move(t);
    }
    radky.resize(cil);
}

void OrizniPohledy(const std::vector<std::string_view>& radky, std::vector<std::string_view>& cil)
{
    cil.clear();
    for (const std::string_view r : radky) {
        const std::string_view t = OrizniPohled(r);
        if (!t.empty()) cil.push_back(t);
    }
}

std::string VyberText(std::string_view a, std::string_view b, bool flag)
{
    return std::string(flag ? a : b);
}

std::string OpakujZnak(int n, char32_t znak)
{
    std::string jeden;
    PridejUtf8(jeden, znak);
    std::string s;
    if (n < 1) return s;
    s.reserve(jeden.size() * static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) s += jeden;
    return s;
}

std::string OpakujZnakPodleTextu(std::string_view text, char32_t znak)
{
    return OpakujZnak(Delka(text), znak);
}

// ------------------------------------------------------------------ order of point numbers

bool TextMensi(std::string_view a, std::string_view b) { return PorovnejText(a, b) < 0; }
bool TextVetsi(std::string_view a, std::string_view b) { return PorovnejText(a, b) > 0; }
bool TextMensiRovno(std::string_view a, std::string_view b) { return PorovnejText(a, b) <= 0; }
bool TextVetsiRovno(std::string_view a, std::string_view b) { return PorovnejText(a, b) >= 0; }

// ------------------------------------------------------------------ text tables

TtextVektor NovyTextVektor(int n) { return TtextVektor(n < 1 ? 0 : static_cast<std::size_t>(n)); }

int MaxDelkaSloupce(const TtextPole& pole, int sloupec)
{
    int m = 0;
    if (sloupec < 0) return 0;
    const auto c = static_cast<std::size_t>(sloupec);
    for (const auto& radek : pole)
        if (c < radek.size()) m = std::max(m, Delka(radek[c]));
    return m;
}

void RozsirSirkySloupcu(const TtextVektor& radek, TindexVector& sirky)
{
    for (std::size_t i = 0; i < sirky.size() && i < radek.size(); ++i)
        sirky[i] = std::max(sirky[i], Delka(radek[i]));
}

void SlucSirkySloupcu(TindexVector& a, const TindexVector& b)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) a[i] = std::max(a[i], b[i]);
}

std::string TabulkaNaText(const TtextVektor& radek, std::string_view oddelovac, const TindexVector& sirky)
{
    std::string s;
    for (std::size_t i = 0; i < radek.size(); ++i) {
        if (i > 0) s += oddelovac;
        PridejBunku(s, radek[i], i < sirky.size() ? sirky[i] : 0);
    }
    return s;
}

std::string RadekPoleNaText(const TtextPole& pole, std::string_view oddelovac, int r, const TindexVector& sirky)
{
    if (r < 0 || static_cast<std::size_t>(r) >= pole.size()) return std::string();
    return TabulkaNaText(pole[static_cast<std::size_t>(r)], oddelovac, sirky);
}

std::string PoleNaText(const TtextPole& pole, std::string_view oddelovac)
{
    std::string s;
    for (const auto& radek : pole) {
        for (std::size_t i = 0; i < radek.size(); ++i) {
            if (i > 0) s += oddelovac;
            s += radek[i];
        }
        s += "\r\n";
    }
    return s;
}

TtextVektor ZnackySloupcu(const TtextVektor& texty)
{
    TtextVektor v;
    v.reserve(texty.size());
    for (std::size_t i = 0; i < texty.size(); ++i) {
        std::string s;
        PridejUtf8(s, static_cast<char32_t>(65 + i));
        v.push_back(s + texty[i]);
    }
    return v;
}

std::string LegendaSloupcu(const TtextVektor& nadpisy, const TtextVektor& druhe, const TtextVektor& treti)
{
    std::string s;
    for (std::size_t i = 0; i < nadpisy.size(); ++i) {
        PridejUtf8(s, static_cast<char32_t>(65 + i));
        s += ": ";
        s += nadpisy[i];
        if (i < druhe.size() && !druhe[i].empty()) {
            s += ' ';
            s += druhe[i];
        }
        if (i < treti.size() && !treti[i].empty()) s += treti[i];
        s += "\r\n";
    }
    return s;
}

// ------------------------------------------------------------------ tagged sections

std::string TextZnacky(int n, bool otevrena)
{
    return (otevrena ? "<" : "</") + std::to_string(n) + ">";
}

TStringList ParyZnacek(int n, int start)
{
    TStringList v;
    for (int i = 0; i < n; ++i) {
        v.push_back(TextZnacky(start + i, true));
        v.push_back(TextZnacky(start + i, false));
    }
    return v;
}

bool KontrolaZnacek(TStringList& radky, int n, int start)
{
    try {
        OrizniRadky(radky);
        if (n <= 0) return true;
        const TStringList znacky = ParyZnacek(n, start);
        std::vector<std::size_t> pocet(znacky.size(), 0), pozice(znacky.size(), 0);
        // One pass: a line can only be a tag when it starts with '<' and ends
        // with '>'; its number says which tag it has to be equal to.
        for (std::size_t r = 0; r < radky.size(); ++r) {
            const std::string& l = radky[r];
            if (l.size() < 3 || l.front() != '<' || l.back() != '>') continue;
            const bool otevrena = l[1] != '/';
            const std::string_view cislo =
                std::string_view(l).substr(otevrena ? 1 : 2, l.size() - (otevrena ? 2 : 3));
            if (cislo.empty() || cislo.size() > 11) continue;
            long long k = 0;
            std::size_t i = 0;
            const bool zaporne = cislo[0] == '-';
            if (zaporne) ++i;
            if (i == cislo.size()) continue;
            bool ok = true;
            for (; i < cislo.size(); ++i) {
                if (cislo[i] < '0' || cislo[i] > '9') { ok = false; break; }
                k = k * 10 + (cislo[i] - '0');
            }
            if (!ok) continue;
            if (zaporne) k = -k;
            if (k < start || k >= static_cast<long long>(start) + n) continue;
            const std::size_t idx = static_cast<std::size_t>(k - start) * 2 + (otevrena ? 0 : 1);
            if (l != znacky[idx]) continue;  // such as "<05>"
            if (pocet[idx]++ == 0) pozice[idx] = r;
        }
        for (std::size_t t = 0; t < znacky.size(); ++t) {
            if (pocet[t] != 1) return false;
            if (t > 0 && pozice[t] <= pozice[t - 1]) return false;
        }
        return true;
    } catch (...) {
        return false;
    }
}

void NactiSekci(TStringList& cil, const TStringList& zdroj, int k)
{
    const std::string otevrena = TextZnacky(k, true), zavrena = TextZnacky(k, false);
    TStringList v;
    bool uvnitr = false;
    for (const auto& l : zdroj) {
        if (l == zavrena) break;
        if (uvnitr)
            v.push_back(l);
        else if (l == otevrena)
            uvnitr = true;
    }
    cil = std::move(v);  // cil may be zdroj itself
}

void NactiSekceSeZnackami(TStringList& cil, const TStringList& zdroj, int a, int b)
{
    const std::string otevrena = TextZnacky(a, true), zavrena = TextZnacky(b, false);
    TStringList v;
    bool uvnitr = false;
    for (const auto& l : zdroj) {
        if (l == zavrena) {
            v.push_back(l);
            break;
        }
        if (uvnitr) v.push_back(l);
        if (l == otevrena) {
            uvnitr = true;
            v.push_back(l);
        }
    }
    cil = std::move(v);
}

}  // namespace sitmera
