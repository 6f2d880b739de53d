#include "analysis/Posuny.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "core/Filtr.h"

namespace sitmera {

// ---------------------------------------------------------------- record routines

Extended HodnotaVeliciny(const TposunHodnota& hodnota, int index)
{
    switch (index) {
    case 0: return hodnota.X;
    case 1: return hodnota.Y;
    case 2: return hodnota.Z;
    case 3: return hodnota.delkaH;
    case 4: return hodnota.delkaS;
    case 5: return hodnota.smernik;
    case 6: return hodnota.zenit;
    default: return 0;
    }
}

void NastavHodnotuVeliciny(TposunHodnota& hodnota, int index, Extended hodnotaVeliciny)
{
    switch (index) {
    case 0: hodnota.X = hodnotaVeliciny; break;
    case 1: hodnota.Y = hodnotaVeliciny; break;
    case 2: hodnota.Z = hodnotaVeliciny; break;
    case 3: hodnota.delkaH = hodnotaVeliciny; break;
    case 4: hodnota.delkaS = hodnotaVeliciny; break;
    case 5: hodnota.smernik = hodnotaVeliciny; break;
    case 6: hodnota.zenit = hodnotaVeliciny; break;
    default: break;
    }
}

void NulujPosunHodnota(TposunHodnota& hodnota)
{
    for (int i = 0; i < 7; ++i) NastavHodnotuVeliciny(hodnota, i, 0);
}

void NeurcitPosunHodnota(TposunHodnota& hodnota)
{
    for (int i = 0; i < 7; ++i) NastavHodnotuVeliciny(hodnota, i, -1);
}

bool ProkazaniVeliciny(const TposunProkazani& prokazani, int index)
{
    switch (index) {
    case 0: return prokazani.X;
    case 1: return prokazani.Y;
    case 2: return prokazani.Z;
    case 3: return prokazani.delkaH;
    case 4: return prokazani.delkaS;
    default: return false;
    }
}

void NastavProkazaniVeliciny(TposunProkazani& prokazani, int index, bool hodnota)
{
    switch (index) {
    case 0: prokazani.X = hodnota; break;
    case 1: prokazani.Y = hodnota; break;
    case 2: prokazani.Z = hodnota; break;
    case 3: prokazani.delkaH = hodnota; break;
    case 4: prokazani.delkaS = hodnota; break;
    default: break;
    }
}

void NulujProkazani(TposunProkazani& prokazani)
{
    for (int i = 0; i < 5; ++i) NastavProkazaniVeliciny(prokazani, i, false);
}

bool ExistujeProkazani(const TposunProkazani& prokazani, bool hodnota)
{
    for (int i = 0; i < 5; ++i)
        if (ProkazaniVeliciny(prokazani, i) == hodnota) return true;
    return false;
}

void PricistProkazane(TposunHodnota& pocet, const TposunProkazani& prokazani)
{
    for (int i = 0; i < 5; ++i)
        if (ProkazaniVeliciny(prokazani, i))
            NastavHodnotuVeliciny(pocet, i, HodnotaVeliciny(pocet, i) + 1);
}

bool JeFixObe(const Tposun& posun) { return posun.JeFix1 && posun.JeFix2; }

bool JeNefixObe(const Tposun& posun) { return !posun.JeFix1 && !posun.JeFix2; }

int KodFix(const Tposun& posun) { return (posun.JeFix1 ? 1 : 0) + (posun.JeFix2 ? 2 : 0); }

int KodProkazani(const Tposun& posun, int index)
{
    return (ProkazaniVeliciny(posun.prokazaniAprior, index) ? 1 : 0) +
           (ProkazaniVeliciny(posun.prokazaniAposter, index) ? 2 : 0);
}

void ZnackaProkazani(const Tposun& posun, int index, std::string& text)
{
    text.clear();
    if (ProkazaniVeliciny(posun.prokazaniAprior, index)) text += '#';
    if (ProkazaniVeliciny(posun.prokazaniAposter, index)) text += '&';
    if (!text.empty()) text += ' ';
}

std::string ZnackaProkazani(const Tposun& posun, int index)
{
    std::string text;
    ZnackaProkazani(posun, index, text);
    return text;
}

void ElipsaPosunu(const Tposun& posun, int typ, Telipsa& elipsa)
{
    if (typ == 0) elipsa = posun.elipsaAprior;
    else if (typ == 1) elipsa = posun.elipsaAposter;
}

void ProkazaniPosunu(const Tposun& posun, int typ, TposunProkazani& prokazani)
{
    if (typ == 0) prokazani = posun.prokazaniAprior;
    else if (typ == 1) prokazani = posun.prokazaniAposter;
}

void OdchylkaMezPosunu(const Tposun& posun, int typ, TposunHodnota& hodnota)
{
    if (typ == 0) hodnota = posun.odchylkaMezAprior;
    else if (typ == 1) hodnota = posun.odchylkaMezAposter;
}

bool JePosunOznacen(const Tposun& posun)
{
    return posun.JePlny || ExistujeProkazani(posun.prokazaniAprior, true) || posun.JeFix1 ||
           ExistujeProkazani(posun.prokazaniAposter, true);
}

void ClearPosun(Tposun& posun)
{
    posun.poradi = 0;
    posun.cislo.clear();
    NeurcitPosunHodnota(posun.hodnota);
    NeurcitPosunHodnota(posun.odchylkaAprior);
    NeurcitPosunHodnota(posun.odchylkaAposter);
    NeurcitPosunHodnota(posun.kvantilS);
    NeurcitPosunHodnota(posun.odchylkaMezAprior);
    NeurcitPosunHodnota(posun.odchylkaMezAposter);
    ElipsoidDefault(posun.elipsoidAprior);
    ElipsoidDefault(posun.elipsoidAposter);
    ElipsaDefault(posun.elipsaAprior);
    ElipsaDefault(posun.elipsaAposter);
    NulujProkazani(posun.prokazaniAprior);
    NulujProkazani(posun.prokazaniAposter);
    posun.JePlny = false;
    posun.JeNulovyH = false;
    posun.JeNulovyS = false;
    posun.JeFix1 = false;
    posun.JeFix2 = false;
}

namespace {

// The common part of the three projections: a zeroed point carrying the
// record's fill flag, number and fixation code.
void ZakladBodu(const Tposun& posun, Tbod& bod)
{
    bod = Tbod{};
    bod.JePlny = posun.JePlny;
    bod.cislo = posun.cislo;
    bod.soubor = KodFix(posun);
}

// A count limited to 0 .. delka.
std::size_t Omezit(int pocet, std::size_t delka)
{
    if (pocet <= 0) return 0;
    return std::min(static_cast<std::size_t>(pocet), delka);
}

}  // namespace

void PosunNaBodOrtogonal(const Tposun& posun, Tbod& bod)
{
    ZakladBodu(posun, bod);
    bod.X = posun.hodnota.X;
    bod.Y = posun.hodnota.Y;
    bod.Z = posun.hodnota.Z;
}

void PosunNaBodPolar(const Tposun& posun, Tbod& bod)
{
    ZakladBodu(posun, bod);
    bod.X = posun.hodnota.delkaS;
    bod.Y = posun.hodnota.smernik;
    bod.Z = posun.hodnota.zenit;
}

void PosunNaBodSemipolar(const Tposun& posun, Tbod& bod)
{
    ZakladBodu(posun, bod);
    bod.X = posun.hodnota.smernik;
    bod.Y = posun.hodnota.delkaH;
    bod.Z = posun.hodnota.Z;
}

// ---------------------------------------------------------------- the list

Tposuny::Tposuny(int pocet) { Velikost(pocet); }

void Tposuny::Velikost(int pocet)
{
    zaznam.resize(pocet > 0 ? static_cast<std::size_t>(pocet) : 0);
}

void Tposuny::Clear()
{
    zaznam.clear();
    stoceniOs = 0;
}

void Tposuny::Kopiruj(const Tposuny& posuny)
{
    if (&posuny == this) return;
    zaznam = posuny.zaznam;
    stoceniOs = posuny.stoceniOs;
}

void Tposuny::KopirujNefixni(const Tposuny& posuny, int pocet, int pocetNefix)
{
    // Built aside, so that the source may be this list.
    std::vector<Tposun> nove(pocetNefix > 0 ? static_cast<std::size_t>(pocetNefix) : 0);
    const std::size_t n = Omezit(pocet, posuny.zaznam.size());
    std::size_t j = 0;
    for (std::size_t i = 0; i < n && j < nove.size(); ++i)
        if (!JeFixObe(posuny.zaznam[i])) nove[j++] = posuny.zaznam[i];
    stoceniOs = posuny.stoceniOs;
    zaznam = std::move(nove);
}

void Tposuny::PridejPosun(const Tposun& posun)
{
    // A copy first: posun may be a record of this list.
    Tposun kopie = posun;
    zaznam.push_back(std::move(kopie));
}

void Tposuny::PridejPrazdnyPosun()
{
    Tposun posun;
    ClearPosun(posun);
    zaznam.push_back(std::move(posun));
}

int Tposuny::PocetPlnych() const
{
    return static_cast<int>(
        std::count_if(zaznam.begin(), zaznam.end(), [](const Tposun& p) { return p.JePlny; }));
}

int Tposuny::PocetFix() const
{
    return static_cast<int>(
        std::count_if(zaznam.begin(), zaznam.end(), [](const Tposun& p) { return JeFixObe(p); }));
}

bool Tposuny::ExistujePlnyBod() const
{
    return std::any_of(zaznam.begin(), zaznam.end(), [](const Tposun& p) { return p.JePlny; });
}

bool Tposuny::SmazPrazdneZaznamyNaKonci()
{
    bool smazano = false;
    while (!zaznam.empty() && !zaznam.back().JePlny) {
        zaznam.pop_back();
        smazano = true;
    }
    return smazano;
}

Extended Tposuny::MarginalniPosun(int typ, bool vztah) const
{
    if (zaznam.empty()) return -1;
    Extended m = HodnotaVeliciny(zaznam[0].hodnota, typ);
    for (std::size_t i = 1; i < zaznam.size(); ++i) {
        const Extended h = HodnotaVeliciny(zaznam[i].hodnota, typ);
        if (vztah ? h > m : h < m) m = h;
    }
    return m;
}

void Tposuny::Sort(int velicina)
{
    const std::size_t n = zaznam.size();
    if (n < 2 || velicina < kSeraditDleCisla || velicina > 6) return;

    // Record j is exchanged with record j - 1 only when it is strictly
    // smaller, so equal keys never pass each other and the sort is stable.
    std::vector<std::size_t> poradi(n);
    std::iota(poradi.begin(), poradi.end(), std::size_t{0});
    if (velicina == kSeraditDleCisla) {
        // TextMensi is a strict total order: any stable sort gives exactly
        // the bubble sort's result.
        std::stable_sort(poradi.begin(), poradi.end(), [this](std::size_t a, std::size_t b) {
            bool mensi = false;
            VyhovujeText(zaznam[a].cislo, zaznam[b].cislo, kFiltrTextMensi, mensi, true);
            return mensi;
        });
    } else {
        // Equality within a tolerance is not transitive, so the bubble sort is
        // kept as it is (on indexes; early exit once a pass exchanges nothing,
        // as every later pass would repeat it).
        std::vector<Extended> klic(n);
        for (std::size_t i = 0; i < n; ++i) klic[i] = HodnotaVeliciny(zaznam[i].hodnota, velicina);
        for (std::size_t pruchod = 1; pruchod < n; ++pruchod) {
            bool vymena = false;
            for (std::size_t j = 1; j < n; ++j) {
                bool mensi = false;
                VyhovujeCislo(kFiltrMensi, true, mensi, klic[poradi[j]], klic[poradi[j - 1]]);
                if (mensi) {
                    std::swap(poradi[j], poradi[j - 1]);
                    vymena = true;
                }
            }
            if (!vymena) break;
        }
    }

    std::vector<Tposun> serazene;
    serazene.reserve(n);
    for (std::size_t i : poradi) serazene.push_back(std::move(zaznam[i]));
    zaznam = std::move(serazene);
}

namespace {

// The ellipsoid of the given kind: 1 a priori, 2 a posteriori; another kind
// gives an ellipsoid that is not set.
Telipsoid ElipsoidPosunu(const Tposun& posun, int typ)
{
    if (typ == 1) return posun.elipsoidAprior;
    if (typ == 2) return posun.elipsoidAposter;
    Telipsoid e;
    ElipsoidDefault(e);
    return e;
}

}  // namespace

void Tposuny::UlozElipsoidyDoSouradnice(Tsouradnice& vystup, int typ, int pocet,
                                        int pocetNefix) const
{
    const std::size_t m = pocetNefix > 0 ? static_cast<std::size_t>(pocetNefix) : 0;
    const std::size_t n = Omezit(pocet, zaznam.size());
    std::vector<Tbod> nove(3 * m);
    std::size_t p = 0;
    for (std::size_t i = 0; i < n && p < m; ++i) {
        const Tposun& posun = zaznam[i];
        if (JeFixObe(posun)) continue;
        const Telipsoid e = ElipsoidPosunu(posun, typ);
        const Extended osy[3][3] = {{e.a_delka, e.a_smernik, e.a_zenit},
                                    {e.b_delka, e.b_smernik, e.b_zenit},
                                    {e.c_delka, e.c_smernik, e.c_zenit}};
        for (std::size_t k = 0; k < 3; ++k) {
            Tbod& bod = nove[3 * p + k];
            bod.JePlny = true;
            bod.poradi = static_cast<std::int32_t>(p + 1);
            bod.cislo = posun.cislo;
            bod.X = osy[k][0];
            bod.Y = osy[k][1];
            bod.Z = osy[k][2];
        }
        nove[3 * p].soubor = KodFix(posun);
        ++p;
    }
    vystup.bod = std::move(nove);
}

void Tposuny::UlozElipsoidyDoSouradnice2(Tsouradnice& vystup, int typ, int pocet,
                                         int pocetNefix) const
{
    const std::size_t m = pocetNefix > 0 ? static_cast<std::size_t>(pocetNefix) : 0;
    const std::size_t n = Omezit(pocet, zaznam.size());
    std::vector<Tbod> nove(m);
    std::size_t j = 0;
    for (std::size_t i = 0; i < n && j < m; ++i) {
        const Tposun& posun = zaznam[i];
        if (JeFixObe(posun)) continue;
        Tbod& bod = nove[j];
        bod.JePlny = true;
        bod.poradi = static_cast<std::int32_t>(j + 1);
        bod.cislo = posun.cislo;
        bod.elipsoid = ElipsoidPosunu(posun, typ);
        ++j;
    }
    vystup.bod = std::move(nove);
}

namespace {

template <typename Projekce>
void UlozProjekci(const std::vector<Tposun>& zaznam, Tsouradnice& souradnice, int pocet,
                  Projekce projekce)
{
    const std::size_t n = Omezit(pocet, zaznam.size());
    std::vector<Tbod> nove(n);
    for (std::size_t i = 0; i < n; ++i) projekce(zaznam[i], nove[i]);
    souradnice.bod = std::move(nove);
}

}  // namespace

void Tposuny::UlozOrtogonal(Tsouradnice& souradnice, int pocet) const
{
    UlozProjekci(zaznam, souradnice, pocet, PosunNaBodOrtogonal);
}

void Tposuny::UlozPolar(Tsouradnice& souradnice, int pocet) const
{
    UlozProjekci(zaznam, souradnice, pocet, PosunNaBodPolar);
}

void Tposuny::UlozSemipolar(Tsouradnice& souradnice, int pocet) const
{
    UlozProjekci(zaznam, souradnice, pocet, PosunNaBodSemipolar);
}

void Tposuny::UlozJakoSouradnice(Tsouradnice& souradnice) const
{
    std::vector<Tbod> nove(zaznam.size());
    for (std::size_t i = 0; i < zaznam.size(); ++i) {
        const Tposun& posun = zaznam[i];
        Tbod& bod = nove[i];
        bod.JePlny = posun.JePlny;
        bod.cislo = posun.cislo;
        bod.X = posun.hodnota.X * 1000;
        bod.Y = posun.hodnota.Y * 1000;
        bod.Z = posun.hodnota.Z * 1000;
        bod.sig_X = posun.hodnota.delkaH * 1000;
        bod.sig_Y = posun.hodnota.delkaS * 1000;
    }
    souradnice.bod = std::move(nove);
}

}  // namespace sitmera
