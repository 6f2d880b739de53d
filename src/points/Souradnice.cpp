// The point record and the point list.
#include "points/Souradnice.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "numerics/TextPole.h"

namespace sitmera {

namespace {

// Nearest integer of a real, exact halves to even.
Extended ZaokrouhliPulKSude(Extended x)
{
    const Extended r = std::round(x);  // halves away from zero
    if (std::fabs(r - x) == 0.5L) {
        // r is odd exactly when r/2 is not an integer; step back towards x.
        if (std::fmod(r, 2.0L) != 0) return r - (r > x ? 1.0L : -1.0L);
    }
    return r;
}

// Text of a flag in the point lines: "-1" true, "0" false.
const char* TextFlagu(bool flag) { return flag ? "-1" : "0"; }

// Text to flag: "true" / "false" in any case, otherwise a number (any
// non-zero value is true). Anything else throws ChybaPrevodu.
bool TextNaFlag(const std::string& text)
{
    const std::string t = Orizni(text);
    std::string mala(t);
    std::transform(mala.begin(), mala.end(), mala.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (mala == "true") return true;
    if (mala == "false") return false;
    return TextNaCisloBezKontroly(t) != 0;
}

// Unit deviation times a length; a value not set (negative) stays as it is.
Extended NasobeniOdchylky(Extended hodnota, Extended s) { return hodnota < 0 ? hodnota : hodnota * s; }

int Pocet(const std::vector<Tbod>& bod) { return static_cast<int>(bod.size()); }

// Appends points from lines: the list grows by the line count first, then
// ctiRadek fills each record (already reset and numbered) from the words of
// its line. A failure passes on: the points before the faulty line stay, its
// record and the records after it stay unfilled.
template <class Cteni>
void PridejBodyZRadku(std::vector<Tbod>& bod, const TStringList& strList, int identifikator,
                      Cteni ctiRadek)
{
    const std::size_t zacatek = bod.size();
    bod.resize(zacatek + strList.size());
    for (std::size_t k = 0; k < strList.size(); ++k) {
        Tbod& b = bod[zacatek + k];
        BodDefault(b);
        b.soubor = identifikator;
        b.poradi = static_cast<std::int32_t>(zacatek + k + 1);
        const TStringList slova = RozdelNaSlova(strList[k]);
        ctiRadek(b, slova);
        b.JePlny = true;
    }
}

// Word i of a line, an empty text when the line is shorter (which then
// fails as no number).
const std::string& Slovo(const TStringList& slova, std::size_t i)
{
    static const std::string prazdne;
    return i < slova.size() ? slova[i] : prazdne;
}

void CtiCisloXYZ(Tbod& b, const TStringList& slova)
{
    b.cislo = Slovo(slova, 0);
    b.X = TextNaCislo(Slovo(slova, 1));
    b.Y = TextNaCislo(Slovo(slova, 2));
    b.Z = TextNaCislo(Slovo(slova, 3));
}

// "cislo<TAB>X<TAB>Y<TAB>Z" of a point.
std::string RadekXYZ(const Tbod& b, int pocetDecimal, bool zaokrouhlovat)
{
    std::string r = b.cislo;
    for (Extended v : {b.X, b.Y, b.Z}) {
        r += '\t';
        r += CisloNaTextZaokrouhlene(pocetDecimal, zaokrouhlovat, v);
    }
    return r;
}

}  // namespace

// ---------------------------------------------------------------- record operations

void BodDefault(Tbod& bod)
{
    bod.soubor = 0;
    bod.poradi = 0;
    bod.cislo.clear();
    bod.X = 0;
    bod.Y = 0;
    bod.Z = 0;
    bod.sig_X = -1;
    bod.sig_Y = -1;
    bod.sig_Z = -1;
    bod.zkresleni = -1;
    ElipsoidDefault(bod.elipsoid);
    ElipsaDefault(bod.elipsa);
    bod.JePlny = false;
    bod.JeFixni = false;
    bod.JeAktiv = false;
}

void ElipsoidDefault(Telipsoid& elipsoid)
{
    elipsoid = Telipsoid{};
    elipsoid.a_delka = -1;
    elipsoid.b_delka = -1;
    elipsoid.c_delka = -1;
}

void ElipsaDefault(Telipsa& elipsa)
{
    elipsa.a_delka = -1;
    elipsa.b_delka = -1;
    elipsa.a_smernik = 0;
}

void BodZamenXY(Tbod& bod)
{
    std::swap(bod.X, bod.Y);
    std::swap(bod.sig_X, bod.sig_Y);
}

Extended BodPrvniSouradnice(const Tbod& bod, int poradiSouradnice)
{
    switch (poradiSouradnice) {
    case 0: return bod.X;
    case 1: return bod.Y;
    default: return 0;
    }
}

Extended BodDruhaSouradnice(const Tbod& bod, int poradiSouradnice)
{
    switch (poradiSouradnice) {
    case 0: return bod.Y;
    case 1: return bod.X;
    default: return 0;
    }
}

Extended BodPrvniOdchylka(const Tbod& bod, int poradiSouradnice)
{
    switch (poradiSouradnice) {
    case 0: return bod.sig_X;
    case 1: return bod.sig_Y;
    default: return 0;
    }
}

Extended BodDruhaOdchylka(const Tbod& bod, int poradiSouradnice)
{
    switch (poradiSouradnice) {
    case 0: return bod.sig_Y;
    case 1: return bod.sig_X;
    default: return 0;
    }
}

void BodZaokrouhlit(Tbod& bod, int rad)
{
    // For rad < 0 the value is scaled up by the exact power 10^-rad and the
    // rounded integer divided back, so 1.2345678 -> 1234568 / 1e6 is the
    // nearest 80-bit value to 1.234568.
    const Extended mocnina = std::pow(10.0L, static_cast<Extended>(rad < 0 ? -rad : rad));
    if (!std::isfinite(mocnina)) return;
    for (Extended* v : {&bod.X, &bod.Y, &bod.Z}) {
        Extended r;
        if (rad < 0) {
            r = ZaokrouhliPulKSude(*v * mocnina) / mocnina;
        } else {
            r = ZaokrouhliPulKSude(*v / mocnina) * mocnina;
        }
        if (std::isfinite(r)) *v = r;
    }
}

bool BodMaChybu(const Tbod& bod)
{
    return bod.kontrola[0] || bod.kontrola[1] || bod.kontrola[2] || bod.kontrola[3];
}

bool ShodnaPolohaXYZ(const Tbod& a, const Tbod& b)
{
    return a.JePlny && b.JePlny && a.X == b.X && a.Y == b.Y && a.Z == b.Z;
}

bool ShodnaPolohaXY(const Tbod& a, const Tbod& b)
{
    return a.JePlny && b.JePlny && a.X == b.X && a.Y == b.Y;
}

// ---------------------------------------------------------------- the list

Tsouradnice::Tsouradnice(int pocet) { Velikost(pocet); }

void Tsouradnice::Velikost(int pocet) { bod.resize(pocet > 0 ? static_cast<std::size_t>(pocet) : 0); }

void Tsouradnice::Clear() { bod.clear(); }

void Tsouradnice::Kopiruj(const Tsouradnice& souradnice)
{
    if (&souradnice != this) bod = souradnice.bod;
}

void Tsouradnice::PridejBod(const Tbod& novy) { bod.push_back(novy); }

void Tsouradnice::PridejPrazdnyBod()
{
    Tbod b;
    BodDefault(b);
    bod.push_back(b);
}

void Tsouradnice::PridejBody2(const Tsouradnice& souradnice)
{
    const std::vector<Tbod> kopie = souradnice.bod;  // the other list may be this one
    bod.insert(bod.end(), kopie.begin(), kopie.end());
}

void Tsouradnice::PridejBody(const TStringList& strList, int identifikator)
{
    PridejBodyZRadku(bod, strList, identifikator, CtiCisloXYZ);
}

void Tsouradnice::PridejBodyFix(const TStringList& strList, int identifikator)
{
    PridejBodyZRadku(bod, strList, identifikator, [](Tbod& b, const TStringList& slova) {
        CtiCisloXYZ(b, slova);
        b.JeFixni = TextNaFlag(Slovo(slova, 4));
    });
}

void Tsouradnice::PridejBodyFixVse(const TStringList& strList, int identifikator, bool fix)
{
    PridejBodyZRadku(bod, strList, identifikator, [fix](Tbod& b, const TStringList& slova) {
        CtiCisloXYZ(b, slova);
        b.JeFixni = fix;
    });
}

void Tsouradnice::PridejBodyMeritko(const TStringList& strList, int identifikator, bool fix)
{
    PridejBodyZRadku(bod, strList, identifikator, [fix](Tbod& b, const TStringList& slova) {
        b.cislo = Slovo(slova, 0);
        b.zkresleni = TextNaCislo(Slovo(slova, 1));
        b.JeFixni = fix;
    });
}

void Tsouradnice::UlozDoStringList(TStringList& strList, int pocetDecimal, bool zaokrouhlovat) const
{
    strList.clear();
    for (const Tbod& b : bod) {
        if (b.JePlny) strList.push_back(RadekXYZ(b, pocetDecimal, zaokrouhlovat));
    }
}

void Tsouradnice::UlozDoStringListFix(TStringList& strList, int pocetDecimal,
                                      bool zaokrouhlovat) const
{
    for (const Tbod& b : bod) {
        if (!b.JePlny) continue;
        strList.push_back(RadekXYZ(b, pocetDecimal, zaokrouhlovat) + '\t' + TextFlagu(b.JeFixni));
    }
}

void Tsouradnice::UlozDoStringListFixAktiv(TStringList& strList, int pocetDecimal,
                                           bool zaokrouhlovat) const
{
    for (const Tbod& b : bod) {
        if (!b.JePlny) continue;
        strList.push_back(RadekXYZ(b, pocetDecimal, zaokrouhlovat) + '\t' + TextFlagu(b.JeFixni) +
                          '\t' + TextFlagu(b.JeAktiv));
    }
}

void Tsouradnice::UlozDoStringListMeritko(TStringList& strList) const
{
    for (const Tbod& b : bod) {
        if (b.JePlny) strList.push_back(b.cislo + '\t' + CisloNaText(b.zkresleni));
    }
}

void Tsouradnice::ZaokrouhlitSouradnice(int pocetDecimal)
{
    for (Tbod& b : bod) BodZaokrouhlit(b, pocetDecimal);
}

void Tsouradnice::ZrusFixaci()
{
    for (Tbod& b : bod) b.JeFixni = false;
}

namespace {

// Order of reals for sorting: ascending, NaN after every number (so the
// order stays a strict weak one).
bool RealMensi(Extended a, Extended b)
{
    if (std::isnan(a)) return false;
    if (std::isnan(b)) return true;
    return a < b;
}

// The real key of a sort code, nullptr for the codes that are no real.
Extended Tbod::*KlicReal(int velicina)
{
    switch (velicina) {
    case 2: return &Tbod::X;
    case 3: return &Tbod::Y;
    case 4: return &Tbod::Z;
    case 5: return &Tbod::sig_X;
    case 6: return &Tbod::sig_Y;
    case 7: return &Tbod::sig_Z;
    case 19: return &Tbod::zkresleni;
    default: return nullptr;
    }
}

// The ellipsoid key of a sort code, nullptr for the other codes.
Extended Telipsoid::*KlicElipsoid(int velicina)
{
    switch (velicina) {
    case 8: return &Telipsoid::a_delka;
    case 9: return &Telipsoid::a_smernik;
    case 10: return &Telipsoid::a_zenit;
    case 11: return &Telipsoid::b_delka;
    case 12: return &Telipsoid::b_smernik;
    case 15: return &Telipsoid::b_zenit;
    case 16: return &Telipsoid::c_delka;
    case 17: return &Telipsoid::c_smernik;
    case 18: return &Telipsoid::c_zenit;
    default: return nullptr;
    }
}

}  // namespace

void Tsouradnice::Sort(int velicina)
{
    // A stable sort by "strictly smaller": records with equal keys keep their
    // order, as in the pairwise exchange of neighbours the lists were always
    // sorted by.
    if (bod.size() < 2) return;
    if (velicina == 1) {
        std::stable_sort(bod.begin(), bod.end(),
                         [](const Tbod& a, const Tbod& b) { return TextMensi(a.cislo, b.cislo); });
    } else if (velicina == 13) {
        std::stable_sort(bod.begin(), bod.end(),
                         [](const Tbod& a, const Tbod& b) { return a.soubor < b.soubor; });
    } else if (velicina == 14) {
        std::stable_sort(bod.begin(), bod.end(),
                         [](const Tbod& a, const Tbod& b) { return a.poradi < b.poradi; });
    } else if (Extended Tbod::*k = KlicReal(velicina)) {
        std::stable_sort(bod.begin(), bod.end(),
                         [k](const Tbod& a, const Tbod& b) { return RealMensi(a.*k, b.*k); });
    } else if (Extended Telipsoid::*e = KlicElipsoid(velicina)) {
        std::stable_sort(bod.begin(), bod.end(), [e](const Tbod& a, const Tbod& b) {
            return RealMensi(a.elipsoid.*e, b.elipsoid.*e);
        });
    }
}

void Tsouradnice::Transformuj(const Tmatrix& translace, const Tmatrix& rotace)
{
    bool tvar = rotace.size() == 3 && translace.size() == 3;
    for (std::size_t i = 0; tvar && i < 3; ++i) {
        tvar = rotace[i].size() == 3 && !translace[i].empty();
    }
    if (!tvar) throw ChybaArgumentu("Transformuj: rotation must be 3 x 3 and translation 3 x 1");

    for (Tbod& b : bod) {
        if (!b.JePlny) continue;
        const Extended v[3] = {b.X, b.Y, b.Z};
        Extended w[3];
        for (int i = 0; i < 3; ++i) {
            // The element of rotace x v, summed from 0 in column order, then
            // the translation added.
            Extended s = 0;
            for (int k = 0; k < 3; ++k) s += rotace[i][k] * v[k];
            w[i] = s + translace[i][0];
        }
        b.X = w[0];
        b.Y = w[1];
        b.Z = w[2];
    }
}

void Tsouradnice::VyprazdniZaznamDlePoradi(int i)
{
    if (i < 0 || i >= Pocet(bod)) throw TichePreruseni();
    BodDefault(bod[static_cast<std::size_t>(i)]);
}

void Tsouradnice::SmazPrazdneZaznamy()
{
    bod.erase(std::remove_if(bod.begin(), bod.end(), [](const Tbod& b) { return !b.JePlny; }),
              bod.end());
}

bool Tsouradnice::SmazPrazdneZaznamyNaKonci()
{
    bool smazano = false;
    while (!bod.empty() && !bod.back().JePlny) {
        bod.pop_back();
        smazano = true;
    }
    return smazano;
}

void Tsouradnice::SeraditPoradi()
{
    std::int32_t n = 0;
    for (Tbod& b : bod) {
        if (b.JePlny) b.poradi = ++n;
    }
}

Tbod Tsouradnice::BodSCislem(const std::string& cislo) const
{
    for (const Tbod& b : bod) {
        if (b.JePlny && b.cislo == cislo) return b;
    }
    Tbod prazdny;
    BodDefault(prazdny);
    return prazdny;
}

bool Tsouradnice::ExitujeBod(const std::string& cislo) const
{
    int i;
    return PoradiBodu(cislo, i);
}

bool Tsouradnice::PoradiBodu(const std::string& cislo, int& poradi) const
{
    for (int i = 0; i < Pocet(bod); ++i) {
        const Tbod& b = bod[static_cast<std::size_t>(i)];
        if (b.JePlny && b.cislo == cislo) {
            poradi = i;
            return true;
        }
    }
    poradi = -1;
    return false;
}

bool Tsouradnice::PoradiDvojiceBodu(const std::string& cislo1, const std::string& cislo2,
                                    int& poradi1, int& poradi2) const
{
    poradi1 = -1;
    poradi2 = -1;
    for (int i = 0; i < Pocet(bod) && (poradi1 < 0 || poradi2 < 0); ++i) {
        const Tbod& b = bod[static_cast<std::size_t>(i)];
        if (!b.JePlny) continue;
        if (poradi1 < 0 && b.cislo == cislo1) poradi1 = i;
        if (poradi2 < 0 && b.cislo == cislo2) poradi2 = i;
    }
    return poradi1 >= 0 && poradi2 >= 0;
}

int Tsouradnice::PoradiBoduSCislem(const std::string& cisloVstup, int& pocatek, int konec) const
{
    if (konec < pocatek) {
        pocatek = 0;
        return 1;
    }
    const int od = std::max(pocatek, 0);
    const int po = std::min(konec, Pocet(bod) - 1);
    for (int i = od; i <= po; ++i) {
        const Tbod& b = bod[static_cast<std::size_t>(i)];
        if (!b.JePlny) continue;
        if (b.cislo == cisloVstup) {
            pocatek = i;
            return 2;
        }
        if (TextMensi(cisloVstup, b.cislo)) {
            pocatek = i;
            return 3;
        }
    }
    pocatek = konec + 1;
    return 1;
}

bool Tsouradnice::ExistujePlnyBod() const
{
    return std::any_of(bod.begin(), bod.end(), [](const Tbod& b) { return b.JePlny; });
}

bool Tsouradnice::ExistujeAktivBod() const
{
    return std::any_of(bod.begin(), bod.end(), [](const Tbod& b) { return b.JePlny && b.JeAktiv; });
}

int Tsouradnice::PocetPlnychBodu() const
{
    return static_cast<int>(std::count_if(bod.begin(), bod.end(), [](const Tbod& b) { return b.JePlny; }));
}

int Tsouradnice::PocetFixnichBodu() const
{
    return static_cast<int>(
        std::count_if(bod.begin(), bod.end(), [](const Tbod& b) { return b.JePlny && b.JeFixni; }));
}

int Tsouradnice::PocetAktivBodu() const
{
    return static_cast<int>(
        std::count_if(bod.begin(), bod.end(), [](const Tbod& b) { return b.JePlny && b.JeAktiv; }));
}

int Tsouradnice::PocetNefixnichBodu() const
{
    return static_cast<int>(std::count_if(bod.begin(), bod.end(), [](const Tbod& b) { return !b.JeFixni; }));
}

int Tsouradnice::PocetNeaktivBodu() const
{
    return static_cast<int>(std::count_if(bod.begin(), bod.end(), [](const Tbod& b) { return !b.JeAktiv; }));
}

Tbod Tsouradnice::Max(int velicina)
{
    Sort(velicina);
    if (bod.empty()) {
        Tbod prazdny;
        BodDefault(prazdny);
        return prazdny;
    }
    return bod.back();
}

void Tsouradnice::KopirujVyrovnaneProZobrazeni(const Tsouradnice& souradnice,
                                               Extended odchylkaJednotkova, int pocetUrcovanych)
{
    const std::size_t n = static_cast<std::size_t>(std::clamp(pocetUrcovanych, 0, Pocet(souradnice.bod)));
    std::vector<Tbod> nove(souradnice.bod.begin(), souradnice.bod.begin() + static_cast<std::ptrdiff_t>(n));
    const Extended s = odchylkaJednotkova;
    for (Tbod& b : nove) {
        b.sig_X = NasobeniOdchylky(b.sig_X, s);
        b.sig_Y = NasobeniOdchylky(b.sig_Y, s);
        b.sig_Z = NasobeniOdchylky(b.sig_Z, s);
        b.elipsoid.a_delka = NasobeniOdchylky(b.elipsoid.a_delka, s);
        b.elipsoid.b_delka = NasobeniOdchylky(b.elipsoid.b_delka, s);
        b.elipsoid.c_delka = NasobeniOdchylky(b.elipsoid.c_delka, s);
    }
    bod = std::move(nove);
}

void Tsouradnice::Prirustky(const Tsouradnice& vyrovnane, const Tsouradnice& priblizne, int pocetBodu)
{
    const int n = std::clamp(pocetBodu, 0, std::min(Pocet(vyrovnane.bod), Pocet(priblizne.bod)));
    std::vector<Tbod> nove(vyrovnane.bod.begin(), vyrovnane.bod.begin() + n);
    for (std::size_t i = 0; i < nove.size(); ++i) {
        const Tbod& p = priblizne.bod[i];
        nove[i].X -= p.X;
        nove[i].Y -= p.Y;
        nove[i].Z -= p.Z;
    }
    bod = std::move(nove);
}

void Tsouradnice::PosunZaznam(int& poradi, bool smer)
{
    const int n = Pocet(bod);
    if (n < 2 || poradi < 0 || poradi >= n) return;
    const std::size_t i = static_cast<std::size_t>(poradi);
    if (smer) {
        if (poradi >= 1 && bod[i - 1].JePlny) {
            std::swap(bod[i], bod[i - 1]);
            --poradi;
        }
    } else {
        if (poradi <= n - 2 && bod[i + 1].JePlny) {
            std::swap(bod[i], bod[i + 1]);
            ++poradi;
        }
    }
}

void Tsouradnice::VlozitBodNaPoradi(const Tbod& novy, int poradi)
{
    if (poradi < 0 || poradi >= Pocet(bod)) throw TichePreruseni();
    const Tbod kopie = novy;  // the point may be a record of this list
    bod.insert(bod.begin() + poradi, kopie);
}

void Tsouradnice::UlozeniElipsoiduDoSouradnice(const Tsouradnice& vstup, Extended odchylkaJednotkova,
                                               int pocetBodu)
{
    const int n = std::clamp(pocetBodu, 0, Pocet(vstup.bod));
    const Extended s = odchylkaJednotkova;
    std::vector<Tbod> nove;
    nove.reserve(3 * static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        const Tbod& p = vstup.bod[static_cast<std::size_t>(k)];
        const Telipsoid& e = p.elipsoid;
        Tbod r = p;
        r.poradi = 3 * k;
        r.X = NasobeniOdchylky(e.a_delka, s);
        r.Y = e.a_smernik;
        r.Z = e.a_zenit;
        nove.push_back(r);
        r.X = NasobeniOdchylky(e.b_delka, s);
        r.Y = e.b_smernik;
        r.Z = e.b_zenit;
        nove.push_back(r);
        r.X = NasobeniOdchylky(e.c_delka, s);
        r.Y = e.c_smernik;
        r.Z = e.c_zenit;
        nove.push_back(r);
    }
    bod = std::move(nove);
}

}  // namespace sitmera
