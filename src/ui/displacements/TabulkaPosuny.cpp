#include "ui/displacements/TabulkaPosuny.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/Filtr.h"
#include "core/Nastaveni.h"
#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

constexpr const char* kKonecRadku = "\r\n";

int Pocet(const Tposuny& p)
{
    return static_cast<int>(p.zaznam.size());
}

// A displacement quantity (metres) in the displacement unit.
Extended VMalychJednotkach(const Tnastaveni& n, Extended metry)
{
    return MetryNaMaleJednotky(n.jednotky.posun, metry);
}

std::string Hodnota(const Tnastaveni& n, Extended metry)
{
    return CisloNaTextPresnost(n.presnost.posun.hodnota, VMalychJednotkach(n, metry));
}

std::string Odchylka(const Tnastaveni& n, Extended metry)
{
    return CisloNaTextPresnost(n.presnost.posun.odchylka, VMalychJednotkach(n, metry));
}

std::string Uhel(const Tnastaveni& n, Extended radiany)
{
    return CisloNaTextPresnost(n.presnost.uhel.hodnota, RadianyNaUhel(n.jednotky.uhel, radiany));
}

// The five tested quantities of a record in grid order: column 1..5.
std::array<std::string, 6> SestSloupcu(const Tposun& p, const Tnastaveni& n, const TposunHodnota& h,
                                       std::string (*text)(const Tnastaveni&, Extended))
{
    std::array<std::string, 6> t;
    t[0] = p.cislo;
    const auto [sx, sy] = SloupceXY(n);
    t[sx] = text(n, h.X);
    t[sy] = text(n, h.Y);
    t[3] = text(n, h.Z);
    t[4] = text(n, h.delkaH);
    t[5] = text(n, h.delkaS);
    return t;
}

// Code stored as a real: the nearest whole number, -1 when there is none.
int Kod(Extended x)
{
    try {
        const std::int64_t k = ZaokrouhliNaCele(x);
        return k >= -1000 && k <= 1000 ? static_cast<int>(k) : -1;
    } catch (const std::exception&) {
        return -1;
    }
}

// Repaints only: changing the row count moves the scroll bar, whose handler
// asks for a refill again, and the outer refill does the work.
bool& ObnovaBezi()
{
    static bool bezi = false;
    return bezi;
}

template <std::size_t N>
void Obnov(Mrizka* mrizka, Tposuny& posuny, TboolVector& vyber,
           const std::function<std::array<std::string, N>(const Tposun&)>& radek)
{
    if (ObnovaBezi()) return;
    ObnovaBezi() = true;
    struct Konec {
        ~Konec() { ObnovaBezi() = false; }
    } konec;

    const int viditelne = ViditelneRadkyTabulky(mrizka);
    NastavRadkyTabulkyPosunu(mrizka, posuny, vyber, static_cast<int>(N), viditelne);
    if (mrizka == nullptr) return;
    for (int c = 0; c < static_cast<int>(N); ++c) mrizka->SetColWidth(c, SirkaSloupceTabulky(TypTabulkySouradnic, c));
    // Every row on screen, the partly visible last one included.
    const int horni = std::max(mrizka->TopRow(), 0);
    const int posledni = std::min(Pocet(posuny) - 1, horni + viditelne - 1);
    for (int r = horni; r <= posledni; ++r) {
        const Tposun& p = posuny.zaznam[r];
        if (!p.JePlny || !radek) {
            mrizka->ClearRow(r);
            continue;
        }
        const auto texty = radek(p);
        for (int c = 0; c < static_cast<int>(N); ++c) mrizka->SetCell(c, r, texty[c]);
    }
    mrizka->Repaint();
}

template <std::size_t N>
std::string TextKopie(const Tposuny& posuny, const TboolVector& vyber,
                      const std::function<std::array<std::string, N>(const Tposun&)>& radek)
{
    std::string text;
    for (int i = 0; i < Pocet(posuny); ++i) {
        const Tposun& p = posuny.zaznam[i];
        if (!JeVybran(vyber, i) || !p.JePlny) continue;
        const auto texty = radek(p);
        for (std::size_t c = 0; c < N; ++c) {
            if (c > 0) text += '\t';
            text += texty[c];
        }
        text += kKonecRadku;
    }
    return text;
}

}  // namespace

// ---------------------------------------------------------------- row texts

std::array<std::string, 6> RadekPosunu(const Tposun& posun, const Tnastaveni& nastaveni)
{
    if (!posun.JePlny) return {};
    return SestSloupcu(posun, nastaveni, posun.hodnota, Hodnota);
}

std::array<std::string, 6> RadekPosunuPlny(const Tposun& posun, const Tnastaveni& nastaveni, int typ)
{
    if (!posun.JePlny) return {};
    if (typ == 1) return SestSloupcu(posun, nastaveni, posun.odchylkaAprior, Odchylka);
    if (typ == 2) return SestSloupcu(posun, nastaveni, posun.odchylkaAposter, Odchylka);
    std::array<std::string, 6> t;
    t[0] = posun.cislo;
    return t;
}

std::array<std::string, 4> RadekPosunuVeliciny(const Tposun& posun, const Tnastaveni& nastaveni, int k, int typ)
{
    if (!posun.JePlny) return {};
    std::array<std::string, 4> t;
    t[0] = posun.cislo;
    t[1] = Hodnota(nastaveni, HodnotaVeliciny(posun.hodnota, k));
    if (typ == 1 || typ == 2) {
        const bool aprior = typ == 1;
        t[2] = Odchylka(nastaveni, HodnotaVeliciny(aprior ? posun.odchylkaAprior : posun.odchylkaAposter, k));
        t[3] = Odchylka(nastaveni, HodnotaVeliciny(aprior ? posun.odchylkaMezAprior : posun.odchylkaMezAposter, k));
    }
    return t;
}

std::array<std::string, 4> RadekPosunuOrtogonal(const Tposun& posun, const Tnastaveni& nastaveni)
{
    if (!posun.JePlny) return {};
    std::array<std::string, 4> t;
    t[0] = posun.cislo;
    const auto [sx, sy] = SloupceXY(nastaveni);
    t[sx] = Hodnota(nastaveni, posun.hodnota.X);
    t[sy] = Hodnota(nastaveni, posun.hodnota.Y);
    t[3] = Hodnota(nastaveni, posun.hodnota.Z);
    return t;
}

std::array<std::string, 4> RadekPosunuSemipolar(const Tposun& posun, const Tnastaveni& nastaveni)
{
    if (!posun.JePlny) return {};
    return {posun.cislo, Hodnota(nastaveni, posun.hodnota.delkaH), Uhel(nastaveni, posun.hodnota.smernik),
            Hodnota(nastaveni, posun.hodnota.Z)};
}

std::array<std::string, 4> RadekPosunuPolar(const Tposun& posun, const Tnastaveni& nastaveni)
{
    if (!posun.JePlny) return {};
    return {posun.cislo, Hodnota(nastaveni, posun.hodnota.delkaS), Uhel(nastaveni, posun.hodnota.smernik),
            Uhel(nastaveni, posun.hodnota.zenit)};
}

std::array<std::string, 4> RadekPosunuZkraceny(const Tposun& posun, const Tnastaveni& nastaveni, int rezim)
{
    if (rezim == 1) return RadekPosunuOrtogonal(posun, nastaveni);
    if (rezim == 2) return RadekPosunuSemipolar(posun, nastaveni);
    if (rezim == 3) return RadekPosunuPolar(posun, nastaveni);
    if (rezim >= 4 && rezim <= 8) return RadekPosunuVeliciny(posun, nastaveni, rezim - 4, 1);
    if (rezim >= 9 && rezim <= 13) return RadekPosunuVeliciny(posun, nastaveni, rezim - 9, 2);
    return {};
}

int VelicinaSloupce(const Tnastaveni& nastaveni, int sloupec)
{
    const auto [sx, sy] = SloupceXY(nastaveni);
    if (sloupec == sx) return 0;
    if (sloupec == sy) return 1;
    if (sloupec >= 3 && sloupec <= 5) return sloupec - 1;
    return -1;
}

// ---------------------------------------------------------------- filling the grid

void NastavRadkyTabulkyPosunu(Mrizka* mrizka, Tposuny& posuny, TboolVector& vyber, int sloupcu,
                              int viditelnychRadku)
{
    if (viditelnychRadku > Pocet(posuny)) {
        if (mrizka != nullptr) {
            NastavVelikostTabulky(mrizka, viditelnychRadku, sloupcu);
            mrizka->SetTopRow(0);
        }
        while (Pocet(posuny) < viditelnychRadku) posuny.PridejPrazdnyPosun();
    } else if (mrizka != nullptr) {
        NastavVelikostTabulky(mrizka, Pocet(posuny), sloupcu);
    }
    vyber.resize(posuny.zaznam.size(), false);
}

void ObnovTabulkuPosunu(Mrizka* mrizka, Tposuny& posuny, const Tnastaveni& nastaveni, int rezim,
                        TboolVector& vyber)
{
    std::function<std::array<std::string, 6>(const Tposun&)> radek;
    if (rezim == 1) radek = [&nastaveni](const Tposun& p) { return RadekPosunu(p, nastaveni); };
    Obnov<6>(mrizka, posuny, vyber, radek);
}

void ObnovTabulkuPosunuZkracene(Mrizka* mrizka, Tposuny& posuny, const Tnastaveni& nastaveni, int rezim,
                                TboolVector& vyber)
{
    Obnov<4>(mrizka, posuny, vyber,
             [&nastaveni, rezim](const Tposun& p) { return RadekPosunuZkraceny(p, nastaveni, rezim); });
}

void ObnovTabulkuPosunuPlne(Mrizka* mrizka, Tposuny& posuny, const Tnastaveni& nastaveni, int typ,
                            TboolVector& vyber)
{
    Obnov<6>(mrizka, posuny, vyber, [&nastaveni, typ](const Tposun& p) { return RadekPosunuPlny(p, nastaveni, typ); });
}

// ---------------------------------------------------------------- clipboard

std::string TextKopieTabulkyPosunu(const Tposuny& posuny, const Tnastaveni& nastaveni, const TboolVector& vyber,
                                   int rezim)
{
    if (rezim == 1)
        return TextKopie<6>(posuny, vyber, [&nastaveni](const Tposun& p) { return RadekPosunu(p, nastaveni); });
    if (rezim == 2 || rezim == 3)
        return TextKopie<6>(posuny, vyber,
                            [&nastaveni, rezim](const Tposun& p) { return RadekPosunuPlny(p, nastaveni, rezim - 1); });
    return {};
}

std::string TextKopieTabulkyPosunuZkracene(const Tposuny& posuny, const Tnastaveni& nastaveni,
                                           const TboolVector& vyber, int rezim)
{
    if (rezim < 1 || rezim > 13) return {};
    return TextKopie<4>(posuny, vyber,
                        [&nastaveni, rezim](const Tposun& p) { return RadekPosunuZkraceny(p, nastaveni, rezim); });
}

void KopirujTabulkuPosunu(const Tposuny& posuny, const Tnastaveni& nastaveni, const TboolVector& vyber, int rezim)
{
    NastavTextSchranky(TextKopieTabulkyPosunu(posuny, nastaveni, vyber, rezim));
}

void KopirujTabulkuPosunuZkracene(const Tposuny& posuny, const Tnastaveni& nastaveni, const TboolVector& vyber,
                                  int rezim)
{
    NastavTextSchranky(TextKopieTabulkyPosunuZkracene(posuny, nastaveni, vyber, rezim));
}

// ---------------------------------------------------------------- selection

void ZrusVyberPrazdnych(TboolVector& vyber, const Tposuny& posuny)
{
    for (std::size_t i = 0; i < vyber.size(); ++i)
        if (i >= posuny.zaznam.size() || !posuny.zaznam[i].JePlny) vyber[i] = false;
}

// ---------------------------------------------------------------- significance

bool JeVyznamnyPosun(const Tposun& posun, int druh, bool aprior)
{
    if (!posun.JePlny) return false;
    const TposunProkazani& p = aprior ? posun.prokazaniAprior : posun.prokazaniAposter;
    switch (druh) {
        case 0: return p.X;
        case 1: return p.Y;
        case 2: return p.Z;
        case 3: return p.delkaH;
        case 4: return p.delkaS;
        case 5: return p.X || p.Y || p.Z;
        case 6: return p.Z || p.delkaH;
        case 7: return p.delkaS;
        case 8: return p.X || p.Y || p.Z || p.delkaH || p.delkaS;
        default: return false;
    }
}

bool HledejVyznamnyPosun(const Tposuny& posuny, int& index, int od, bool aprior, int druh, int do_)
{
    if (do_ - od < 1) return false;
    for (int r = std::max(od + 1, 0); r <= do_ && r < Pocet(posuny); ++r)
        if (JeVyznamnyPosun(posuny.zaznam[r], druh, aprior)) {
            index = r;
            return true;
        }
    return false;
}

void OznacVyznamnePosuny(TboolVector& vyber, const Tposuny& posuny, int druh, bool aprior)
{
    ZrusVyber(vyber);
    const int n = std::min(Pocet(posuny), static_cast<int>(vyber.size()));
    for (int i = 0; i < n; ++i)
        if (JeVyznamnyPosun(posuny.zaznam[i], druh, aprior)) vyber[i] = true;
}

// ---------------------------------------------------------------- sort

bool SeradPosuny(Mrizka* mrizka, TboolVector& vyber, Tposuny& posuny, int velicina, const Tnastaveni& nastaveni)
{
    if (!posuny.ExistujePlnyBod()) return false;
    posuny.SmazPrazdneZaznamyNaKonci();
    ZrusVyber(vyber);
    posuny.Sort(velicina);
    ObnovTabulkuPosunu(mrizka, posuny, nastaveni, 1, vyber);
    if (mrizka != nullptr) mrizka->SetRow(0);
    return true;
}

// ---------------------------------------------------------------- find and select by criteria

bool PosunVyhovujeAtributu(const Tposun& posun, const Tposun& kriteria, const Tnastaveni& nastaveni)
{
    if (!posun.JePlny) return false;
    bool v = true;
    VyhovujeText(posun.cislo, kriteria.cislo, Kod(kriteria.kvantilS.X), v, kriteria.JePlny);
    if (!v) return false;
    if (kriteria.JeFix1 && KodFix(posun) != Kod(kriteria.odchylkaAprior.X) - 1) return false;
    for (int k = 0; k <= 4; ++k) {
        if (!ProkazaniVeliciny(kriteria.prokazaniAprior, k)) continue;
        const Extended zobrazena = ZaokrouhliJakoText(nastaveni.presnost.posun.hodnota,
                                                      VMalychJednotkach(nastaveni, HodnotaVeliciny(posun.hodnota, k)));
        VyhovujeCislo(Kod(HodnotaVeliciny(kriteria.kvantilS, k + 1)), true, v, zobrazena,
                      HodnotaVeliciny(kriteria.hodnota, k));
        if (!v) return false;
    }
    for (int k = 0; k <= 4; ++k)
        if (ProkazaniVeliciny(kriteria.prokazaniAposter, k) &&
            KodProkazani(posun, k) != Kod(HodnotaVeliciny(kriteria.odchylkaAprior, k + 1)) - 1)
            return false;
    return true;
}

void VyberPosunyDleAtributu(const Tposuny& posuny, const Tposun& kriteria, TboolVector& vyber,
                            const Tnastaveni& nastaveni)
{
    if (vyber.size() < posuny.zaznam.size()) vyber.resize(posuny.zaznam.size(), false);
    for (int i = 0; i < Pocet(posuny); ++i)
        if (posuny.zaznam[i].JePlny) vyber[i] = PosunVyhovujeAtributu(posuny.zaznam[i], kriteria, nastaveni);
}

bool HledejPosunDleAtributu(const Tposuny& posuny, const Tposun& kriteria, int& index,
                            const Tnastaveni& nastaveni, int mez, int start)
{
    const int n = Pocet(posuny);
    auto vyhovuje = [&](int r) {
        if (!PosunVyhovujeAtributu(posuny.zaznam[r], kriteria, nastaveni)) return false;
        index = r;
        return true;
    };
    if (mez > start) {
        for (int r = std::max(start + 1, 0); r <= mez && r < n; ++r)
            if (vyhovuje(r)) return true;
    } else if (mez < start) {
        for (int r = std::min(start - 1, n - 1); r >= mez && r >= 0; --r)
            if (vyhovuje(r)) return true;
    }
    return false;
}

// ---------------------------------------------------------------- painting

void KresliBunkuPosunu(Platno& c, const Tposuny& posuny, const TboolVector& vyber, const Tnastaveni& nastaveni,
                       int sloupec, int radek, const QRect& bunka, const std::string& text, bool aktualni)
{
    const Tposun* p = radek >= 0 && radek < Pocet(posuny) ? &posuny.zaznam[radek] : nullptr;
    const bool plny = p != nullptr && p->JePlny;
    KresliBeznouBunku(c, bunka);
    if (sloupec == 0) c.pismo.setBold(true);
    if (JeVybran(vyber, radek)) {
        c.barvaStetce = barvyTabulky[7];
        c.pismo.setBold(false);
    }
    KresliTextBunkyVpravo(c, bunka, text);
    if (plny && sloupec == 0) {
        KresliPismenoF(c, bunka, barvyTabulky[0], p->JeFix1, true);
        KresliPismenoF(c, bunka, barvyTabulky[1], p->JeFix2, true);
        KresliPismenoF(c, bunka, barvyTabulky[2], JeFixObe(*p), true);
    }
    const int k = VelicinaSloupce(nastaveni, sloupec);
    if (plny && k >= 0) {
        KresliPruhVlevo(c, bunka, barvyTabulky[3], ProkazaniVeliciny(p->prokazaniAprior, k), true);
        KresliPruhVlevo2(c, bunka, barvyTabulky[0], ProkazaniVeliciny(p->prokazaniAposter, k), true);
    }
    KresliTeckovanyRamecek(c, bunka, aktualni);
}

}  // namespace sitmera
