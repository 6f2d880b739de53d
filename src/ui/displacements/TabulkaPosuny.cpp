#include "ui/displacements/TabulkaPosuny.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>

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

template <std::size_t N>
void Obnov(Mrizka* mrizka, Tposuny& posuny, TboolVector& vyber,
           const std::function<std::array<std::string, N>(const Tposun&)>& radek)
{
    const TplneniTabulky plneni(mrizka);
    if (plneni.Vnorena()) return;

    const int viditelne = ViditelneRadkyTabulky(mrizka);
    PripravRadkyTabulky(mrizka, static_cast<int>(N), viditelne, [&posuny] { return Pocet(posuny); },
                        [&posuny] { posuny.PridejPrazdnyPosun(); });
    vyber.resize(posuny.zaznam.size(), false);
    if (mrizka == nullptr) return;
    VyplnRadkyNaObrazovce(*mrizka, Pocet(posuny), viditelne, TypTabulkySouradnic, static_cast<int>(N),
                          [&](int r, TtextVektor& t) {
                              const Tposun& p = posuny.zaznam[static_cast<std::size_t>(r)];
                              if (!p.JePlny || !radek) return false;
                              const auto texty = radek(p);
                              std::copy(texty.begin(), texty.end(), t.begin());
                              return true;
                          });
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
    const TrezimZkracene r = RezimZkracene(rezim);
    if (r.velicina >= 0) return RadekPosunuVeliciny(posun, nastaveni, r.velicina, r.aprior ? 1 : 2);
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

// ---------------------------------------------------------------- modes of the shortened view

TrezimZkracene RezimZkracene(int rezim)
{
    using H = ThlavickaZkracene;
    using J = TjednotkaZkracene;
    TrezimZkracene r;
    if (rezim >= 1 && rezim <= 3) {
        r.aprior = r.aposter = true;
        switch (rezim) {
            case 1:
                r.druh = 5;
                r.pruhy = {0, 1, 2};
                r.osy = true;
                r.hlavicky = {H::prvniOsa, H::druhaOsa, H::z};
                r.jednotky = {J::posunHodnota, J::posunHodnota, J::posunHodnota};
                break;
            case 2:
                r.druh = 6;
                r.pruhy = {3, -1, 2};
                r.hlavicky = {H::polohovy, H::smernik, H::svisly};
                r.jednotky = {J::posunHodnota, J::smerHodnota, J::posunHodnota};
                break;
            default:
                r.druh = 7;
                r.pruhy = {4, -1, -1};
                r.hlavicky = {H::prostorovy, H::smernik, H::zenit};
                r.jednotky = {J::posunHodnota, J::smerHodnota, J::smerHodnota};
                break;
        }
    } else if (rezim >= 4 && rezim <= 13) {
        r.aprior = rezim <= 8;
        r.aposter = !r.aprior;
        r.velicina = rezim - (r.aprior ? 4 : 9);
        r.druh = r.velicina;
        r.pruhy = {r.velicina, -1, -1};
        r.hlavicky = {H::hodnota, H::smerOdchylka, H::mezOdchylka};
        r.jednotky = {J::posunHodnota, J::posunOdchylka, J::posunOdchylka};
    }
    return r;
}

int VelicinaPruhuZkracene(const TrezimZkracene& rezim, const Tnastaveni& nastaveni, int sloupec)
{
    if (sloupec < 1 || sloupec > 3) return -1;
    if (rezim.osy && sloupec <= 2) return VelicinaSloupce(nastaveni, sloupec);
    return rezim.pruhy[static_cast<std::size_t>(sloupec - 1)];
}

// ---------------------------------------------------------------- filling the grid

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

int KodKriteria(Extended x)
{
    try {
        const std::int64_t k = ZaokrouhliNaCele(x);
        return k >= -1000 && k <= 1000 ? static_cast<int>(k) : -1;
    } catch (const std::exception&) {
        return -1;
    }
}

bool PosunVyhovujeAtributu(const Tposun& posun, const Tposun& kriteria, const Tnastaveni& nastaveni)
{
    if (!posun.JePlny) return false;
    bool v = true;
    VyhovujeText(posun.cislo, kriteria.cislo, KodKriteria(kriteria.kvantilS.X), v, kriteria.JePlny);
    if (!v) return false;
    if (kriteria.JeFix1 && KodFix(posun) != KodKriteria(kriteria.odchylkaAprior.X) - 1) return false;
    for (int k = 0; k <= 4; ++k) {
        if (!ProkazaniVeliciny(kriteria.prokazaniAprior, k)) continue;
        const Extended zobrazena = ZaokrouhliJakoText(nastaveni.presnost.posun.hodnota,
                                                      VMalychJednotkach(nastaveni, HodnotaVeliciny(posun.hodnota, k)));
        VyhovujeCislo(KodKriteria(HodnotaVeliciny(kriteria.kvantilS, k + 1)), true, v, zobrazena,
                      HodnotaVeliciny(kriteria.hodnota, k));
        if (!v) return false;
    }
    for (int k = 0; k <= 4; ++k)
        if (ProkazaniVeliciny(kriteria.prokazaniAposter, k) &&
            KodProkazani(posun, k) != KodKriteria(HodnotaVeliciny(kriteria.odchylkaAprior, k + 1)) - 1)
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

namespace {

// Steps of every displacement cell before the bars: the normal cell, column
// 0 bold, a selected row light red and not bold, the text right-aligned, the
// F marks in column 0. The record shown, or null for an empty row.
const Tposun* KresliZakladBunkyPosunu(Platno& c, const Tposuny& posuny, const TboolVector& vyber, int sloupec,
                                      int radek, const QRect& bunka, const std::string& text)
{
    const Tposun* p = radek >= 0 && radek < Pocet(posuny) ? &posuny.zaznam[radek] : nullptr;
    if (p != nullptr && !p->JePlny) p = nullptr;
    KresliBeznouBunku(c, bunka);
    if (sloupec == 0) c.pismo.setBold(true);
    if (JeVybran(vyber, radek)) {
        c.barvaStetce = barvyTabulky[7];
        c.pismo.setBold(false);
    }
    KresliTextBunkyVpravo(c, bunka, text);
    if (p != nullptr && sloupec == 0) {
        KresliPismenoF(c, bunka, barvyTabulky[0], p->JeFix1, true);
        KresliPismenoF(c, bunka, barvyTabulky[1], p->JeFix2, true);
        KresliPismenoF(c, bunka, barvyTabulky[2], JeFixObe(*p), true);
    }
    return p;
}

// Blue bar (first position) for a-priori significance of quantity k, green
// one beside it for a-posteriori.
void KresliPruhyObou(Platno& c, const QRect& bunka, const Tposun& p, int k)
{
    KresliPruhVlevo(c, bunka, barvyTabulky[3], ProkazaniVeliciny(p.prokazaniAprior, k), true);
    KresliPruhVlevo2(c, bunka, barvyTabulky[0], ProkazaniVeliciny(p.prokazaniAposter, k), true);
}

}  // namespace

void KresliBunkuPosunu(Platno& c, const Tposuny& posuny, const TboolVector& vyber, const Tnastaveni& nastaveni,
                       int sloupec, int radek, const QRect& bunka, const std::string& text, bool aktualni)
{
    const Tposun* p = KresliZakladBunkyPosunu(c, posuny, vyber, sloupec, radek, bunka, text);
    const int k = VelicinaSloupce(nastaveni, sloupec);
    if (p != nullptr && k >= 0) KresliPruhyObou(c, bunka, *p, k);
    KresliTeckovanyRamecek(c, bunka, aktualni);
}

void KresliBunkuPosunuZkracene(Platno& c, const Tposuny& posuny, const TboolVector& vyber,
                               const Tnastaveni& nastaveni, int rezim, int sloupec, int radek, const QRect& bunka,
                               const std::string& text, bool aktualni)
{
    const Tposun* p = KresliZakladBunkyPosunu(c, posuny, vyber, sloupec, radek, bunka, text);
    const TrezimZkracene r = RezimZkracene(rezim);
    const int k = VelicinaPruhuZkracene(r, nastaveni, sloupec);
    if (p != nullptr && k >= 0) {
        if (r.velicina < 0)
            KresliPruhyObou(c, bunka, *p, k);
        else if (r.aprior)
            KresliPruhVlevo(c, bunka, barvyTabulky[3], ProkazaniVeliciny(p->prokazaniAprior, k), true);
        else
            KresliPruhVlevo(c, bunka, barvyTabulky[0], ProkazaniVeliciny(p->prokazaniAposter, k), true);
    }
    KresliTeckovanyRamecek(c, bunka, aktualni);
}

void KresliBunkuPosunuPlne(Platno& c, const Tposuny& posuny, const TboolVector& vyber, int sloupec, int radek,
                           const QRect& bunka, const std::string& text, bool aktualni)
{
    KresliZakladBunkyPosunu(c, posuny, vyber, sloupec, radek, bunka, text);
    KresliTeckovanyRamecek(c, bunka, aktualni);
}

// ---------------------------------------------------------------- window controls

namespace {

constexpr int kVyskaZahlavi = 17;
constexpr int kVyskaStavu = 20;

QLabel* StavovyLabel(QWidget* rodic, const char* jmeno, int x, int w)
{
    QLabel* l = NovyLabel(rodic, jmeno);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setGeometry(x, 0, w, kVyskaStavu);
    return l;
}

}  // namespace

TovladacePosunu VytvorOvladacePosunu(QWidget& okno, int sloupcu, bool pocty)
{
    sloupcu = std::clamp(sloupcu, 1, 5);
    auto* hlavni = qobject_cast<QBoxLayout*>(okno.layout());
    if (hlavni == nullptr) {
        hlavni = new QVBoxLayout(&okno);
        hlavni->setContentsMargins(0, 0, 0, 0);
        hlavni->setSpacing(0);
    }
    TovladacePosunu o;
    const int sloupec0 = SirkaSloupceTabulky(TypTabulkySouradnic, 0);
    const int sloupec = SirkaSloupceTabulky(TypTabulkySouradnic, 1);

    o.StringGrid3 = new Mrizka(QStringLiteral("StringGrid3"), &okno);
    o.StringGrid3->SetDefaultRowHeight(18);
    NastavVelikostTabulky(o.StringGrid3, 0, sloupcu + 1);
    for (int c = 0; c <= sloupcu; ++c) o.StringGrid3->SetColWidth(c, c == 0 ? sloupec0 : sloupec);

    // Header: "Point" / "Number" over column 0, "Displacements" over the
    // value columns with their heads and units below, a filler above the
    // scroll bar.
    const int ram = o.StringGrid3->frameWidth();
    const int sirkaPosuvniku = o.StringGrid3->verticalScrollBar()->sizeHint().width();
    const int h = kVyskaZahlavi;
    const int x1 = ram + sloupec0;
    o.Panel2 = new QWidget(&okno);
    o.Panel2->setObjectName(QStringLiteral("Panel2"));
    o.Panel2->setFixedHeight(3 * h);
    o.Label_BOD = ZahlaviLabel(o.Panel2, "Label_BOD", 0, 0, x1, h);
    o.Label_bod_cislo = ZahlaviLabel(o.Panel2, "Label_bod_cislo", 0, h, x1, 2 * h);
    o.Label_SRD = ZahlaviLabel(o.Panel2, "Label_SRD", x1, 0, sloupcu * sloupec, h);
    static const char* const kHlavicky[5] = {"Label_srd_X", "Label_srd_Y", "Label_srd_Z", "Label_srd_delkaH",
                                             "Label_srd_delkaS"};
    static const char* const kJednotky[5] = {"Label_srd_X_jdn", "Label_srd_Y_jdn", "Label_srd_Z_jdn",
                                             "Label_srd_delkaH_jdn", "Label_srd_delkaS_jdn"};
    for (int k = 0; k < sloupcu; ++k) {
        const int x = x1 + k * sloupec;
        o.hlavicky[static_cast<std::size_t>(k)] = ZahlaviLabel(o.Panel2, kHlavicky[k], x, h, sloupec, h);
        o.jednotky[static_cast<std::size_t>(k)] = ZahlaviLabel(o.Panel2, kJednotky[k], x, 2 * h, sloupec, h);
    }
    o.Label_doplnek =
        ZahlaviLabel(o.Panel2, "Label_doplnek", x1 + sloupcu * sloupec, 0, sirkaPosuvniku + ram, 3 * h);

    // Status panel: the count under the number column (over the whole panel
    // without the counts of the main window under the value columns).
    o.Panel1 = new QWidget(&okno);
    o.Panel1->setObjectName(QStringLiteral("Panel1"));
    o.Panel1->setFixedHeight(kVyskaStavu);
    o.Label_vyber = StavovyLabel(o.Panel1, "Label_vyber", 0, pocty ? x1 : x1 + sloupcu * sloupec);
    if (pocty) {
        static const char* const kPocty[5] = {"Label1", "Label2", "Label3", "Label4", "Label5"};
        for (int k = 0; k < 5; ++k)
            o.pocty[static_cast<std::size_t>(k)] = StavovyLabel(o.Panel1, kPocty[k], x1 + k * sloupec, sloupec);
    }
    // The processing label covers the first two cells while it shows.
    o.Label_zpracovani = StavovyLabel(o.Panel1, "Label_zpracovani", 0, x1 + sloupec);
    o.Label_zpracovani->setText(QStringLiteral(" Processing ..."));
    o.Label_zpracovani->setAutoFillBackground(true);
    o.Label_zpracovani->setStyleSheet(QStringLiteral("QLabel { color: #c00000; font-weight: bold; }"));
    o.Label_zpracovani->hide();

    hlavni->addWidget(o.Panel2);
    hlavni->addWidget(o.StringGrid3, 1);
    hlavni->addWidget(o.Panel1);
    return o;
}

void RoztahniOvladacePosunu(const TovladacePosunu& o)
{
    auto natahni = [](QWidget* panel, QLabel* l) {
        if (panel != nullptr && l != nullptr) l->resize(std::max(panel->width() - l->x() - 1, 1), l->height());
    };
    natahni(o.Panel2, o.Label_doplnek);
    natahni(o.Panel1, o.pocty[4] != nullptr ? o.pocty[4] : o.Label_vyber);
}

}  // namespace sitmera
