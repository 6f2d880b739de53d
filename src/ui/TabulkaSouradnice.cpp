#include "ui/TabulkaSouradnice.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/Chyby.h"
#include "core/Filtr.h"
#include "core/Nastaveni.h"
#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"
#include "points/SouradniceSoubor.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/Formular.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

constexpr const char* kKonecRadku = "\r\n";

int Pocet(const Tsouradnice& s)
{
    return static_cast<int>(s.bod.size());
}

bool Vybran(const TboolVector& vyber, int i)
{
    return JeVybran(vyber, i);
}

std::string Hodnota(const Tnastaveni& n, Extended metry)
{
    return CisloNaTextPresnost(n.presnost.souradnice.hodnota, MetryNaDelku(n.jednotky.souradnice, metry));
}

// A standard deviation or semi-axis (metres) in the small unit; "-" when it
// is not set (negative).
std::string Odchylka(const Tnastaveni& n, Extended metry)
{
    if (metry < 0) return "-";
    return CisloNaTextPresnost(n.presnost.souradnice.odchylka,
                               MetryNaMaleJednotkyPresDelku(n.jednotky.souradnice, metry));
}

std::string Uhel(const Tnastaveni& n, Extended radiany)
{
    return CisloNaTextPresnost(n.presnost.uhel.hodnota, RadianyNaUhel(n.jednotky.uhel, radiany));
}

// Refills the grid of a list operation, when there is a grid.
void Obnov(Mrizka* mrizka, Tsouradnice& s, const Tnastaveni& n, int typ, TboolVector& vyber)
{
    ObnovTabulkuSouradnic(mrizka, s, n, typ, vyber);
}

void NastavRadek(Mrizka* mrizka, int radek)
{
    if (mrizka != nullptr) mrizka->SetRow(radek);
}

// The coordinate as the grid shows it: in the coordinate unit, rounded to
// the shown decimals (through the very text the grid writes).
Extended ZobrazenaHodnota(const Tnastaveni& n, Extended metry)
{
    return ZaokrouhliJakoText(n.presnost.souradnice.hodnota, MetryNaDelku(n.jednotky.souradnice, metry));
}

// The grids being refilled (each grid has its own guard).
std::vector<const Mrizka*>& PlneneTabulky()
{
    static std::vector<const Mrizka*> tabulky;
    return tabulky;
}

}  // namespace

// ---------------------------------------------------------------- filling the grid

std::pair<int, int> SloupceXY(const Tnastaveni& nastaveni)
{
    const TindexVector& p = nastaveni.poradiXY;
    if (p.size() >= 2 && ((p[0] == 1 && p[1] == 2) || (p[0] == 2 && p[1] == 1))) return {p[0], p[1]};
    return {1, 2};
}

int ViditelneRadkyTabulky(const Mrizka* mrizka)
{
    if (mrizka == nullptr) return 0;
    const int vyska = mrizka->DefaultRowHeight();
    if (vyska <= 0) return 1;
    return mrizka->viewport()->height() / vyska + 1;
}

int SirkaSloupceTabulky(int typTabulky, int sloupec)
{
    if (sloupec == 0) return typTabulky == TypTabulkyVstup ? 129 : 99;
    return 130;
}

std::array<std::string, 4> TextyRadkuSouradnic(const Tbod& bod, const Tnastaveni& nastaveni, int typTabulky)
{
    std::array<std::string, 4> t;
    if (!bod.JePlny) return t;
    t[0] = bod.cislo;
    const auto [sx, sy] = SloupceXY(nastaveni);
    switch (typTabulky) {
        case TypTabulkyOdchylekAprior:
        case TypTabulkyOdchylekAposterior:
            t[sx] = Odchylka(nastaveni, bod.sig_X);
            t[sy] = Odchylka(nastaveni, bod.sig_Y);
            t[3] = Odchylka(nastaveni, bod.sig_Z);
            break;
        case TypTabulkyElipsoidu:
            t[1] = Odchylka(nastaveni, bod.X);
            t[2] = Uhel(nastaveni, bod.Y);
            t[3] = Uhel(nastaveni, bod.Z);
            break;
        default:  // 1 and 11
            t[sx] = Hodnota(nastaveni, bod.X);
            t[sy] = Hodnota(nastaveni, bod.Y);
            t[3] = Hodnota(nastaveni, bod.Z);
            break;
    }
    return t;
}

TplneniTabulky::TplneniTabulky(const Mrizka* mrizka) : mrizka_(mrizka)
{
    auto& plnene = PlneneTabulky();
    vnorena_ = std::find(plnene.begin(), plnene.end(), mrizka) != plnene.end();
    if (!vnorena_) plnene.push_back(mrizka);
}

TplneniTabulky::~TplneniTabulky()
{
    if (vnorena_) return;
    auto& plnene = PlneneTabulky();
    plnene.erase(std::find(plnene.begin(), plnene.end(), mrizka_));
}

void PripravRadkyTabulky(Mrizka* mrizka, int sloupcu, int viditelnychRadku, const std::function<int()>& pocet,
                         const std::function<void()>& pridejPrazdny)
{
    if (viditelnychRadku > pocet()) {
        if (mrizka != nullptr) {
            NastavVelikostTabulky(mrizka, viditelnychRadku, sloupcu);
            mrizka->SetTopRow(0);
        }
        while (pocet() < viditelnychRadku) pridejPrazdny();
    } else if (mrizka != nullptr) {
        NastavVelikostTabulky(mrizka, pocet(), sloupcu);
    }
}

void VyplnRadkyNaObrazovce(Mrizka& mrizka, int pocet, int viditelnychRadku, int typTabulky, int sloupcu,
                           const std::function<bool(int radek, TtextVektor& texty)>& texty)
{
    for (int c = 0; c < sloupcu; ++c) mrizka.SetColWidth(c, SirkaSloupceTabulky(typTabulky, c));
    // Every row on screen, the partly visible last one included.
    const int horni = std::max(mrizka.TopRow(), 0);
    const int posledni = std::min(pocet - 1, horni + viditelnychRadku - 1);
    TtextVektor t;
    for (int r = horni; r <= posledni; ++r) {
        t.assign(static_cast<std::size_t>(sloupcu), std::string());
        if (!texty(r, t)) {
            mrizka.ClearRow(r);
            continue;
        }
        for (int c = 0; c < sloupcu; ++c) mrizka.SetCell(c, r, t[static_cast<std::size_t>(c)]);
    }
    mrizka.Repaint();
}

void ObnovTabulkuSouradnic(Mrizka* mrizka, Tsouradnice& souradnice, const Tnastaveni& nastaveni,
                           int typTabulky, TboolVector& vyber)
{
    const TplneniTabulky plneni(mrizka);
    if (plneni.Vnorena()) return;

    const int viditelne = ViditelneRadkyTabulky(mrizka);
    PripravRadkyTabulky(mrizka, 4, viditelne, [&souradnice] { return Pocet(souradnice); },
                        [&souradnice] { souradnice.PridejPrazdnyBod(); });
    vyber.resize(souradnice.bod.size(), false);
    if (mrizka == nullptr) return;
    VyplnRadkyNaObrazovce(*mrizka, Pocet(souradnice), viditelne, typTabulky, 4, [&](int r, TtextVektor& t) {
        const Tbod& b = souradnice.bod[static_cast<std::size_t>(r)];
        if (!b.JePlny) return false;
        const auto texty = TextyRadkuSouradnic(b, nastaveni, typTabulky);
        std::copy(texty.begin(), texty.end(), t.begin());
        return true;
    });
}

void OpravVyberSouradnic(TboolVector& vyber, const Tsouradnice& souradnice)
{
    for (std::size_t i = 0; i < vyber.size(); ++i)
        if (i >= souradnice.bod.size() || !souradnice.bod[i].JePlny) vyber[i] = false;
}

// ---------------------------------------------------------------- clipboard and point buffer

std::string TextKopieSouradnic(const Tsouradnice& souradnice, const Tnastaveni& nastaveni,
                               const TboolVector& vyber)
{
    const int poradi = nastaveni.jednotky.poradiSouradnice;
    std::string text;
    for (int i = 0; i < Pocet(souradnice); ++i) {
        if (!Vybran(vyber, i)) continue;
        const Tbod& b = souradnice.bod[i];
        text += b.cislo;
        text += '\t' + Hodnota(nastaveni, BodPrvniSouradnice(b, poradi));
        text += '\t' + Hodnota(nastaveni, BodDruhaSouradnice(b, poradi));
        text += '\t' + Hodnota(nastaveni, b.Z);
        text += kKonecRadku;
    }
    return text;
}

void KopirujSouradnice(const Tsouradnice& souradnice, Tsouradnice& souradniceSchranka, Tnastaveni& nastaveni,
                       int druh, const TboolVector& vyber)
{
    (void)druh;  // both kinds copy alike
    const std::string text = TextKopieSouradnic(souradnice, nastaveni, vyber);
    if (&souradniceSchranka != &souradnice) {
        souradniceSchranka.Clear();
        for (int i = 0; i < Pocet(souradnice); ++i)
            if (Vybran(vyber, i)) souradniceSchranka.PridejBod(souradnice.bod[i]);
    }
    NastavTextSchranky(text);
    nastaveni.schranka.souradnice_existuje = true;
}

std::string TextKopieTabulkySouradnic(const Tsouradnice& souradnice, const Tnastaveni& nastaveni,
                                      const TboolVector& vyber, int typTabulky)
{
    const int poradi = nastaveni.jednotky.poradiSouradnice;
    std::string text;
    for (int i = 0; i < Pocet(souradnice); ++i) {
        if (!Vybran(vyber, i)) continue;
        const Tbod& b = souradnice.bod[i];
        text += b.cislo;
        if (typTabulky == TypTabulkyElipsoidu) {
            text += '\t' + Odchylka(nastaveni, b.X);
            text += '\t' + Uhel(nastaveni, b.Y);
            text += '\t' + Uhel(nastaveni, b.Z);
        } else {
            text += '\t' + Odchylka(nastaveni, BodPrvniOdchylka(b, poradi));
            text += '\t' + Odchylka(nastaveni, BodDruhaOdchylka(b, poradi));
            text += '\t' + Odchylka(nastaveni, b.sig_Z);
        }
        text += kKonecRadku;
    }
    return text;
}

void KopirujTabulkuSouradnic(const Tsouradnice& souradnice, const Tnastaveni& nastaveni,
                             const TboolVector& vyber, int typTabulky)
{
    NastavTextSchranky(TextKopieTabulkySouradnic(souradnice, nastaveni, vyber, typTabulky));
}

// ---------------------------------------------------------------- user-point list

bool VyjmiSouradnice(Mrizka* mrizka, Tsouradnice& souradnice, Tsouradnice& souradniceSchranka,
                     TboolVector& vyber, Tchyby& chyby, Tnastaveni& nastaveni)
{
    if (&souradniceSchranka != &souradnice) {
        souradniceSchranka.Clear();
        for (int i = 0; i < Pocet(souradnice); ++i)
            if (Vybran(vyber, i)) souradniceSchranka.PridejBod(souradnice.bod[i]);
    }
    nastaveni.schranka.souradnice_existuje = true;
    return SmazVybraneBody(mrizka, vyber, souradnice, chyby, nastaveni);
}

bool VlozSouradniceZeSchranky(Mrizka* mrizka, Tsouradnice& souradnice, const Tsouradnice& souradniceSchranka,
                              TboolVector& vyber, Tchyby& chyby, Tnastaveni& nastaveni)
{
    if (!nastaveni.schranka.souradnice_existuje) return false;
    // Only the selection of records that exist counts.
    TboolVector platny = vyber;
    platny.resize(souradnice.bod.size(), false);
    OpravVyberSouradnic(platny, souradnice);
    const int vybrano = PocetVybranych(platny);
    if (vybrano >= 2) return true;  // nothing changes

    const Tsouradnice buffer = souradniceSchranka;  // the buffer may be this very list
    souradnice.SmazPrazdneZaznamyNaKonci();
    if (vybrano == 1) {
        const int i = std::min(PrvniVybrany(platny), Pocet(souradnice));
        Tsouradnice novy;
        for (int k = 0; k < i; ++k) novy.PridejBod(souradnice.bod[k]);
        novy.PridejBody2(buffer);
        novy.SeraditPoradi();
        for (int k = i; k < Pocet(souradnice); ++k) novy.PridejBod(souradnice.bod[k]);
        souradnice.Kopiruj(novy);
    } else {
        souradnice.PridejBody2(buffer);
    }
    KontrolaSouradnic(souradnice, chyby, true, nastaveni);
    Obnov(mrizka, souradnice, nastaveni, TypTabulkyVstup, vyber);
    if (vybrano == 0) NastavRadek(mrizka, souradnice.PocetPlnychBodu() - 1);
    return true;
}

bool SmazVybraneBody(Mrizka* mrizka, TboolVector& vyber, Tsouradnice& souradnice, Tchyby& chyby,
                     const Tnastaveni& nastaveni)
{
    OpravVyberSouradnic(vyber, souradnice);
    const bool neco = JeNecoVybrano(vyber);
    const int prvni = PrvniVybrany(vyber);
    for (int i = 0; i < Pocet(souradnice); ++i)
        if (Vybran(vyber, i)) souradnice.VyprazdniZaznamDlePoradi(i);
    souradnice.SmazPrazdneZaznamy();
    ZrusVyber(vyber);
    souradnice.SeraditPoradi();
    KontrolaSouradnic(souradnice, chyby, true, nastaveni);
    Obnov(mrizka, souradnice, nastaveni, TypTabulkyVstup, vyber);
    // The first deleted row stays current (an empty row when the deleted
    // points were the last ones); a grid that shrank below it keeps its
    // last row.
    if (mrizka != nullptr) {
        const int radek = souradnice.PocetPlnychBodu() > 0 ? std::min(prvni, mrizka->RowCount() - 1) : 0;
        NastavRadek(mrizka, std::max(radek, 0));
    }
    return neco;
}

bool PosunVybranyBod(Mrizka* mrizka, TboolVector& vyber, Tsouradnice& souradnice, bool nahoru,
                     const Tnastaveni& nastaveni)
{
    OpravVyberSouradnic(vyber, souradnice);
    if (PocetVybranych(vyber) != 1) return false;
    int i = PrvniVybrany(vyber);
    souradnice.PosunZaznam(i, nahoru);
    ZrusVyber(vyber);
    NastavVyber(vyber, true, i);
    souradnice.SeraditPoradi();
    Obnov(mrizka, souradnice, nastaveni, TypTabulkyVstup, vyber);
    NastavRadek(mrizka, i);
    return true;
}

bool SeradSouradnice(Mrizka* mrizka, TboolVector& vyber, Tsouradnice& souradnice, int velicina,
                     const Tnastaveni& nastaveni)
{
    if (!souradnice.ExistujePlnyBod()) return false;
    souradnice.SmazPrazdneZaznamyNaKonci();
    ZrusVyber(vyber);
    souradnice.Sort(velicina);
    souradnice.SeraditPoradi();
    Obnov(mrizka, souradnice, nastaveni, TypTabulkyVstup, vyber);
    NastavRadek(mrizka, 0);
    return true;
}

bool ZamenXYVybranych(Mrizka* mrizka, TboolVector& vyber, Tsouradnice& souradnice, const Tnastaveni& nastaveni)
{
    bool zmena = false;
    for (int i = 0; i < Pocet(souradnice); ++i)
        if (Vybran(vyber, i) && souradnice.bod[i].JePlny) {
            BodZamenXY(souradnice.bod[i]);
            zmena = true;
        }
    Obnov(mrizka, souradnice, nastaveni, TypTabulkyVstup, vyber);
    return zmena;
}

// ---------------------------------------------------------------- main list

bool NastavAktivituDvojic(Mrizka* mrizka, TboolVector& vyber, Tsouradnice& souradnice, bool aktivni,
                          const Tnastaveni& nastaveni)
{
    const int par = souradnice.PocetPlnychBodu() / 2;
    bool zmena = false;
    for (int p = 0; p < par; ++p) {
        const int a = 2 * p, b = 2 * p + 1;
        if (b >= Pocet(souradnice)) break;
        if (Vybran(vyber, a) || Vybran(vyber, b)) {
            souradnice.bod[a].JeAktiv = aktivni;
            souradnice.bod[b].JeAktiv = aktivni;
            zmena = true;
        }
    }
    Obnov(mrizka, souradnice, nastaveni, TypTabulkySouradnic, vyber);
    return zmena;
}

void SmazVsechnyBody(Mrizka* mrizka, TboolVector& vyber, Tsouradnice& souradnice, const Tnastaveni& nastaveni)
{
    NastavRadek(mrizka, 0);
    souradnice.Clear();
    vyber.clear();
    Obnov(mrizka, souradnice, nastaveni, TypTabulkySouradnic, vyber);
    NastavRadek(mrizka, 0);
}

// ---------------------------------------------------------------- scans

namespace {

template <class Podminka>
bool Najdi(const Tsouradnice& s, int& index, int od, int do_, Podminka podminka)
{
    if (do_ - od < 1) return false;
    for (int r = std::max(od + 1, 0); r <= do_ && r < Pocet(s); ++r)
        if (s.bod[r].JePlny && podminka(s.bod[r])) {
            index = r;
            return true;
        }
    return false;
}

}  // namespace

bool NajdiChybnyBod(const Tsouradnice& souradnice, int& index, int od, int do_)
{
    return Najdi(souradnice, index, od, do_, [](const Tbod& b) { return BodMaChybu(b); });
}

bool NajdiNulovouOdchylku(const Tsouradnice& souradnice, int& index, int od, int do_)
{
    return Najdi(souradnice, index, od, do_,
                 [](const Tbod& b) { return b.sig_X == 0 || b.sig_Y == 0 || b.sig_Z == 0; });
}

// ---------------------------------------------------------------- find and select

int KodOperatoru(Extended x)
{
    if (!std::isfinite(static_cast<double>(x))) return -1;
    return static_cast<int>(std::lround(static_cast<double>(x)));
}

bool BodVyhovujeAtributu(const Tbod& bod, const Tatribut& atribut, const Tnastaveni& nastaveni, bool fixace)
{
    if (!bod.JePlny) return false;
    bool v = true;
    if (atribut.kontrola[0]) {
        VyhovujeText(bod.cislo, atribut.cislo_stn, KodOperatoru(atribut.sig_smer), v, true);
        if (!v) return false;
    }
    if (fixace && atribut.kontrola[4]) {
        v = bod.JeFixni == (KodOperatoru(atribut.smernik) == 2);
        if (!v) return false;
    }
    if (atribut.kontrola[1]) {
        VyhovujeCislo(KodOperatoru(atribut.sig_zenit), true, v, ZobrazenaHodnota(nastaveni, bod.X), atribut.delka);
        if (!v) return false;
    }
    if (atribut.kontrola[2]) {
        VyhovujeCislo(KodOperatoru(atribut.vaha_delka), true, v, ZobrazenaHodnota(nastaveni, bod.Y), atribut.smer);
        if (!v) return false;
    }
    if (atribut.kontrola[3]) {
        VyhovujeCislo(KodOperatoru(atribut.vaha_smer), true, v, ZobrazenaHodnota(nastaveni, bod.Z), atribut.zenit);
        if (!v) return false;
    }
    return true;
}

void VyberBodyDleAtributu(const Tsouradnice& souradnice, const Tatribut& atribut, TboolVector& vyber,
                          const Tnastaveni& nastaveni, bool fixace)
{
    if (vyber.size() < souradnice.bod.size()) vyber.resize(souradnice.bod.size(), false);
    for (int i = 0; i < Pocet(souradnice); ++i)
        if (souradnice.bod[i].JePlny) vyber[i] = BodVyhovujeAtributu(souradnice.bod[i], atribut, nastaveni, fixace);
}

bool HledejBodDleAtributu(const Tsouradnice& souradnice, const Tatribut& atribut, int& index,
                          const Tnastaveni& nastaveni, int do_, int od, bool fixace)
{
    const int n = Pocet(souradnice);
    if (do_ > od) {
        for (int r = std::max(od + 1, 0); r <= do_ && r < n; ++r)
            if (BodVyhovujeAtributu(souradnice.bod[r], atribut, nastaveni, fixace)) {
                index = r;
                return true;
            }
    } else if (do_ < od) {
        for (int r = std::min(od - 1, n - 1); r >= do_ && r >= 0; --r)
            if (BodVyhovujeAtributu(souradnice.bod[r], atribut, nastaveni, fixace)) {
                index = r;
                return true;
            }
    }
    return false;
}

// ---------------------------------------------------------------- selection gestures

void VyberMysiStisk(TboolVector& vyber, TvyberMysi& mys, int radek, bool ctrl, bool shift)
{
    if (radek < 0 || radek >= static_cast<int>(vyber.size())) return;
    mys.stav = PrepniVyber(vyber, radek);
    if (!ctrl) ZrusVyberKrome(vyber, radek);
    if (shift) NastavVyberRozsah(vyber, mys.stav, mys.kotva, radek);
    mys.kotva = radek;
}

void VyberMysiTah(TboolVector& vyber, TvyberMysi& mys, int radek, bool ctrl, bool shift)
{
    if (radek < 0 || radek >= static_cast<int>(vyber.size())) return;
    NastavVyber(vyber, mys.stav, radek);
    mys.kotva = radek;
    if (!ctrl && !shift) ZrusVyberKrome(vyber, radek);
}

void VyberKlavesou(TboolVector& vyber, int aktualni, TklavesaVyberu klavesa)
{
    switch (klavesa) {
        case TklavesaVyberu::enter:
            PrepniVyber(vyber, aktualni);
            ZrusVyberKrome(vyber, aktualni);
            break;
        case TklavesaVyberu::mezernik: PrepniVyber(vyber, aktualni); break;
        case TklavesaVyberu::vse: VyberVse(vyber); break;
        case TklavesaVyberu::nic: ZrusVyber(vyber); break;
    }
}

void VyberMysiStisk(TboolVector& vyber, const Tsouradnice& souradnice, TvyberMysi& mys, int radek, bool ctrl,
                    bool shift)
{
    VyberMysiStisk(vyber, mys, radek, ctrl, shift);
    OpravVyberSouradnic(vyber, souradnice);
}

void VyberMysiTah(TboolVector& vyber, const Tsouradnice& souradnice, TvyberMysi& mys, int radek, bool ctrl,
                  bool shift)
{
    VyberMysiTah(vyber, mys, radek, ctrl, shift);
    OpravVyberSouradnic(vyber, souradnice);
}

void VyberKlavesou(TboolVector& vyber, const Tsouradnice& souradnice, int aktualni, TklavesaVyberu klavesa)
{
    VyberKlavesou(vyber, aktualni, klavesa);
    OpravVyberSouradnic(vyber, souradnice);
}

void PripojVyberTabulky(Mrizka* mrizka, TvyberMysi& mys, const TvyberTabulky& vyber)
{
    const TvyberTabulky v = vyber;
    auto zmena = [v](TboolVector& flagy) {
        if (v.oprav) v.oprav(flagy);
        if (v.poZmene) v.poZmene();
    };
    auto flagy = [v] { return v.vyber ? v.vyber() : nullptr; };
    mrizka->OnKeyDown = [mrizka, v, flagy, zmena](int& klavesa, Qt::KeyboardModifiers m) {
        TboolVector* f = flagy();
        if (f == nullptr) return;
        if (klavesa == Qt::Key_Escape) {
            klavesa = 0;
            if (v.esc) {
                v.esc();
            } else if (auto* okno = qobject_cast<Formular*>(mrizka->window())) {
                okno->Close();
            }
            return;
        }
        const bool ctrl = m.testFlag(Qt::ControlModifier);
        TklavesaVyberu k;
        if ((klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) && !ctrl) {
            k = TklavesaVyberu::enter;
        } else if (klavesa == Qt::Key_Space && !ctrl) {
            k = TklavesaVyberu::mezernik;
        } else if (klavesa == Qt::Key_A && ctrl) {
            k = TklavesaVyberu::vse;
        } else if (klavesa == Qt::Key_D && ctrl) {
            k = TklavesaVyberu::nic;
        } else {
            return;
        }
        klavesa = 0;
        VyberKlavesou(*f, mrizka->Row(), k);
        zmena(*f);
    };
    mrizka->OnMouseDown = [mrizka, &mys, flagy, zmena](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        TboolVector* f = flagy();
        if (b != Qt::LeftButton || f == nullptr) return;
        mrizka->Repaint();
        OmezKurzorNaTabulku(mrizka);
        int sloupec = -1, radek = -1;
        mrizka->MouseToCell(x, y, sloupec, radek);
        VyberMysiStisk(*f, mys, radek, m.testFlag(Qt::ControlModifier), m.testFlag(Qt::ShiftModifier));
        zmena(*f);
    };
    mrizka->OnMouseMove = [mrizka, &mys, flagy, zmena](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) {
        TboolVector* f = flagy();
        if (!b.testFlag(Qt::LeftButton) || f == nullptr) return;
        int sloupec = -1, radek = -1;
        mrizka->MouseToCell(x, y, sloupec, radek);
        VyberMysiTah(*f, mys, radek, m.testFlag(Qt::ControlModifier), m.testFlag(Qt::ShiftModifier));
        zmena(*f);
    };
}

// ---------------------------------------------------------------- point windows over a global list

void PripojMrizkuSeznamu(Mrizka* mrizka, TvyberMysi& mys, Tvyber& vyber, std::function<const Tsouradnice*()> seznam,
                         std::function<void()> obnov, std::function<void()> stav)
{
    mrizka->OnTopLeftChanged = std::move(obnov);
    mrizka->OnSelectCell = [&vyber](int, int radek) { vyber.aktualni = radek; };
    TvyberTabulky v;
    v.vyber = [&vyber, seznam] { return seznam() != nullptr ? &vyber.hromadny : nullptr; };
    v.oprav = [seznam](TboolVector& flagy) { OpravVyberSouradnic(flagy, *seznam()); };
    v.poZmene = [mrizka, stav = std::move(stav)] {
        mrizka->Repaint();
        stav();
    };
    PripojVyberTabulky(mrizka, mys, v);
}

void HledejDalsiVTabulce(Mrizka* mrizka, const Tsouradnice& seznam, const Tatribut& hledani, Tatribut& pracovni,
                         const Tnastaveni& nastaveni, bool dopredu, bool fixace)
{
    pracovni = hledani;
    if (!JeKontrola(pracovni)) return;
    const int aktualni = mrizka->Row();
    int index = aktualni;
    const int konec = dopredu ? static_cast<int>(seznam.bod.size()) - 1 : 0;
    if (HledejBodDleAtributu(seznam, pracovni, index, nastaveni, konec, aktualni, fixace))
        ZobrazRadek(mrizka, index, mrizka->RowCount());
}

// ---------------------------------------------------------------- grid window parts

namespace {

// Header geometry: three label rows above the grid's columns.
constexpr int kVyskaZahlavi = 17;

}  // namespace

QWidget* VytvorZahlaviTabulky(QWidget* rodic, const Mrizka* mrizka, const std::array<const char*, 9>& jmena,
                              int typTabulky)
{
    auto* panel = new QWidget(rodic);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFixedHeight(3 * kVyskaZahlavi);
    const int h = kVyskaZahlavi;
    const int ram = mrizka->frameWidth();
    const int s = SirkaSloupceTabulky(typTabulky, 1);
    const int x1 = ram + SirkaSloupceTabulky(typTabulky, 0);
    ZahlaviLabel(panel, jmena[0], 0, 0, x1, h);
    ZahlaviLabel(panel, jmena[1], 0, h, x1, 2 * h);
    ZahlaviLabel(panel, jmena[2], x1, 0, 3 * s, h);
    for (std::size_t i = 0; i < 3; ++i) {
        const int x = x1 + static_cast<int>(i) * s;
        ZahlaviLabel(panel, jmena[3 + i], x, h, s, h);
        ZahlaviLabel(panel, jmena[6 + i], x, 2 * h, s, h);
    }
    const int sirkaPosuvniku = mrizka->verticalScrollBar()->sizeHint().width();
    ZahlaviLabel(panel, "Label_doplnek", x1 + 3 * s, 0, sirkaPosuvniku + ram, 3 * h);
    return panel;
}

// ---------------------------------------------------------------- painting

namespace {

const Tbod* Zaznam(const Tsouradnice& s, int radek)
{
    return radek >= 0 && radek < Pocet(s) ? &s.bod[radek] : nullptr;
}

}  // namespace

void KresliBunkuHlavni(Platno& c, const Tsouradnice& souradnice, const TboolVector& vyber, int sloupec,
                       int radek, const QRect& bunka, const std::string& text, bool aktualni)
{
    const Tbod* b = Zaznam(souradnice, radek);
    const bool plny = b != nullptr && b->JePlny;
    KresliBeznouBunku(c, bunka);
    if (sloupec == 0) {
        c.pismo.setBold(true);
        // The number shows once per identical pair.
        const Tbod* predchozi = Zaznam(souradnice, radek - 1);
        if (plny && predchozi != nullptr && predchozi->JePlny && predchozi->cislo == b->cislo)
            c.barvaPisma = barvyTabulky[10];
        KresliSpodniOkraj(c, bunka, barvyTabulky[10], TstylPera::plny, true, true);
        // The bottom line covered the foot of the right edge: draw it again.
        KresliPravyOkraj(c, bunka, barvyTabulky[11], TstylPera::plny, true);
    } else if (plny) {
        // Pairs alternate by their running number.
        c.barvaStetce = b->soubor % 2 != 0 ? barvyTabulky[6] : barvyTabulky[5];
        if (!b->JeAktiv) {
            c.barvaStetce = barvyTabulky[10];
            c.barvaPisma = barvyTabulky[9];
        }
    }
    if (Vybran(vyber, radek)) {
        c.barvaStetce = barvyTabulky[7];
        c.pismo.setBold(false);
        c.barvaPisma = barvyTabulky[11];
    }
    KresliTextBunkyVpravo(c, bunka, text);
    if (sloupec == 0 && plny && b->JeFixni)
        KresliPismenoF(c, bunka, radek % 2 == 0 ? barvyTabulky[0] : barvyTabulky[1], true, true);
    // A grey line closes each pair.
    KresliVodorovnouCaru(c, bunka, barvyTabulky[8], TstylPera::plny, plny && radek % 2 == 1, 1);
    KresliTeckovanyRamecek(c, bunka, aktualni);
}

void KresliZnackyDuplicit(Platno& c, const Tsouradnice& souradnice, int radek, int sloupec, const QRect& bunka)
{
    const Tbod* b = Zaznam(souradnice, radek);
    if (sloupec != 0 || b == nullptr || !b->JePlny) return;
    KresliTrojuhelnik(c, bunka, barvyTabulky[2], b->kontrola[1], true);
    KresliTrojuhelnik(c, bunka, barvyTabulky[1], b->kontrola[2], true);
}

void ObarviDuplicitniCislo(Platno& c, const Tsouradnice& souradnice, int radek, int sloupec, const QRect& bunka)
{
    (void)bunka;
    const Tbod* b = Zaznam(souradnice, radek);
    if (sloupec == 0 && b != nullptr && b->JePlny && b->kontrola[0]) c.barvaPisma = barvyTabulky[1];
}

void KresliBunkuEtapa(Platno& c, const Tsouradnice& souradnice, const TboolVector& vyber, int etapa,
                      int sloupec, int radek, const QRect& bunka, const std::string& text, bool aktualni)
{
    const Tbod* b = Zaznam(souradnice, radek);
    KresliBeznouBunku(c, bunka);
    if (sloupec == 0) c.pismo.setBold(true);
    if (Vybran(vyber, radek)) {
        c.barvaStetce = barvyTabulky[7];
        c.pismo.setBold(false);
    }
    KresliTextBunkyVpravo(c, bunka, text);
    if (sloupec == 0 && b != nullptr && b->JePlny && b->JeFixni)
        KresliPismenoF(c, bunka, etapa == 1 ? barvyTabulky[0] : barvyTabulky[1], true, true);
    KresliTeckovanyRamecek(c, bunka, aktualni);
}

void KresliBunkuVstup(Platno& c, const Tsouradnice& souradnice, const TboolVector& vyber, int sloupec,
                      int radek, const QRect& bunka, const std::string& text, bool aktualni)
{
    KresliBeznouBunku(c, bunka);
    if (sloupec == 0) c.pismo.setBold(true);
    if (Vybran(vyber, radek)) {
        c.barvaStetce = barvyTabulky[7];
        c.pismo.setBold(false);
    }
    ObarviDuplicitniCislo(c, souradnice, radek, sloupec, bunka);
    KresliTextBunkyVpravo(c, bunka, text);
    KresliTeckovanyRamecek(c, bunka, aktualni);
    KresliZnackyDuplicit(c, souradnice, radek, sloupec, bunka);
}

// ---------------------------------------------------------------- window controls

TovladaceSouradnic VytvorOvladaceSouradnic(QWidget& okno, int typTabulky)
{
    TovladaceSouradnic o;
    auto* hlavni = qobject_cast<QBoxLayout*>(okno.layout());
    if (hlavni == nullptr) {
        hlavni = new QVBoxLayout(&okno);
        hlavni->setContentsMargins(0, 0, 0, 0);
        hlavni->setSpacing(0);
    }

    o.StringGrid3 = new Mrizka(QStringLiteral("StringGrid3"), &okno);
    o.StringGrid3->SetDefaultRowHeight(18);
    NastavVelikostTabulky(o.StringGrid3, 0, 4);
    for (int c = 0; c < 4; ++c) o.StringGrid3->SetColWidth(c, SirkaSloupceTabulky(typTabulky, c));

    o.Panel2 = VytvorZahlaviTabulky(&okno, o.StringGrid3,
                                    {"Label_BOD", "Label_bod_cislo", "Label_SRD", "Label_srd_X", "Label_srd_Y",
                                     "Label_srd_Z", "Label_srd_X_jdn", "Label_srd_Y_jdn", "Label_srd_Z_jdn"},
                                    typTabulky);
    o.Label_BOD = NajdiLabel(*o.Panel2, "Label_BOD");
    o.Label_bod_cislo = NajdiLabel(*o.Panel2, "Label_bod_cislo");
    o.Label_SRD = NajdiLabel(*o.Panel2, "Label_SRD");
    o.Label_srd_X = NajdiLabel(*o.Panel2, "Label_srd_X");
    o.Label_srd_Y = NajdiLabel(*o.Panel2, "Label_srd_Y");
    o.Label_srd_Z = NajdiLabel(*o.Panel2, "Label_srd_Z");
    o.Label_srd_X_jdn = NajdiLabel(*o.Panel2, "Label_srd_X_jdn");
    o.Label_srd_Y_jdn = NajdiLabel(*o.Panel2, "Label_srd_Y_jdn");
    o.Label_srd_Z_jdn = NajdiLabel(*o.Panel2, "Label_srd_Z_jdn");
    o.Label_doplnek = NajdiLabel(*o.Panel2, "Label_doplnek");

    o.Panel1 = new QWidget(&okno);
    o.Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* dolni = new QHBoxLayout(o.Panel1);
    dolni->setContentsMargins(2, 2, 2, 2);
    o.Label_vyber = NovyLabel(o.Panel1, "Label_vyber");
    o.Label_zpracovani = VytvorLabelZpracovani(o.Panel1);
    dolni->addWidget(o.Label_vyber, 1);
    dolni->addWidget(o.Label_zpracovani);

    hlavni->addWidget(o.Panel2);
    hlavni->addWidget(o.StringGrid3, 1);
    hlavni->addWidget(o.Panel1);
    return o;
}

}  // namespace sitmera
