#include "ui/JednaSouradniceOkno2.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"
#include "points/SouradniceSoubor.h"
#include "program/Globalni.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/SouradniceMenu.h"
#include "ui/SouradniceVstupOkno2.h"

namespace sitmera {

namespace {

constexpr int kRadku = 4;

// The rule of mode 1 for a row.
bool PlatnyRadek(const ThodnotyBodu& h, int r)
{
    return r == 0 ? JePlatneCisloBodu(h[0]) : JeCislo(h[r]);
}

Extended Metry(const Tnastaveni& n, const std::string& text)
{
    return DelkaNaMetry(n.jednotky.souradnice, TextNaCislo(text));
}

std::string Hodnota(const Tnastaveni& n, Extended metry)
{
    return CisloNaTextPresnost(n.presnost.souradnice.hodnota, MetryNaDelku(n.jednotky.souradnice, metry));
}

}  // namespace

// ---------------------------------------------------------------- the rules

bool JePlatneCisloBodu(const std::string& text)
{
    const std::string cislo = Orizni(text);
    if (cislo.empty()) return false;
    for (const char c : cislo)
        if (static_cast<unsigned char>(c) <= 0x20) return false;
    return true;
}

std::array<bool, 4> PlatnostVLEditoru(const ThodnotyBodu& hodnoty, int rezim)
{
    std::array<bool, 4> p{};
    for (int r = 0; r < kRadku; ++r)
        p[r] = PlatnyRadek(hodnoty, r) || (rezim == 2 && JePrazdnyPoOriznuti(hodnoty[r]));
    return p;
}

std::array<TznackaPlatnosti, 4> ZnackyVLEditoru(const ThodnotyBodu& hodnoty, int rezim)
{
    std::array<TznackaPlatnosti, 4> z{};
    for (int r = 0; r < kRadku; ++r) {
        if (rezim == 2 && JePrazdnyPoOriznuti(hodnoty[r]))
            z[r] = TznackaPlatnosti::zadna;
        else
            z[r] = PlatnyRadek(hodnoty, r) ? TznackaPlatnosti::platna : TznackaPlatnosti::neplatna;
    }
    return z;
}

std::string RetezecVLEditoru(const ThodnotyBodu& hodnoty)
{
    std::string s;
    for (const std::string& h : hodnoty) s += h + "#";
    return s;
}

std::array<std::string, 4> KliceVLEditoru(const Tjazyk& jazyk)
{
    const std::string s = jazyk.tlacitko.souradnice2 + " ";
    return {jazyk.popis.cisloBod, s + NazevOsy(jazyk, 0), s + NazevOsy(jazyk, 1), s + jazyk.popis.z};
}

ThodnotyBodu HodnotyVLEditoru(const Tsouradnice& souradnice, const TboolVector& vyber, int rezim,
                              const Tnastaveni& nastaveni)
{
    if (rezim != 2) return {};
    int jediny = -1;
    int pocet = 0;
    for (int i = 0; i < static_cast<int>(souradnice.bod.size()) && i < static_cast<int>(vyber.size()); ++i)
        if (vyber[i] && souradnice.bod[i].JePlny) {
            jediny = i;
            ++pocet;
        }
    if (pocet != 1) return {};
    const Tbod& b = souradnice.bod[jediny];
    const int poradi = nastaveni.jednotky.poradiSouradnice;
    return {b.cislo, Hodnota(nastaveni, BodPrvniSouradnice(b, poradi)),
            Hodnota(nastaveni, BodDruhaSouradnice(b, poradi)), Hodnota(nastaveni, b.Z)};
}

bool VlozBodZVLEditoru(const ThodnotyBodu& hodnoty, const ThodnotyBodu& zobrazene, int rezim,
                       Tsouradnice& souradnice, TboolVector& vyber, const Tnastaveni& nastaveni)
{
    const std::array<bool, 4> platnost = PlatnostVLEditoru(hodnoty, rezim);
    for (bool p : platnost)
        if (!p) return false;
    // The rows of X and Y are the grid columns of the axis order.
    const auto [radekX, radekY] = SloupceXY(nastaveni);
    OpravVyberSouradnic(vyber, souradnice);

    if (rezim == 1) {
        Tbod b;
        BodDefault(b);
        b.cislo = Orizni(hodnoty[0]);
        b.X = Metry(nastaveni, hodnoty[radekX]);
        b.Y = Metry(nastaveni, hodnoty[radekY]);
        b.Z = Metry(nastaveni, hodnoty[3]);
        b.JePlny = true;
        b.JeFixni = true;
        // The place among the filled points of the first selected row.
        int pred = -1;
        if (JeNecoVybrano(vyber)) {
            const int prvni = PrvniVybrany(vyber);
            pred = 0;
            for (int i = 0; i < prvni; ++i) pred += souradnice.bod[i].JePlny ? 1 : 0;
        }
        souradnice.SmazPrazdneZaznamy();
        const int n = static_cast<int>(souradnice.bod.size());
        int nove = n;
        if (pred >= 0 && pred < n) {
            souradnice.VlozitBodNaPoradi(b, pred);
            nove = pred;
        } else {
            souradnice.PridejBod(b);
        }
        vyber.assign(souradnice.bod.size(), false);
        vyber[nove] = true;
        souradnice.SeraditPoradi();
        return true;
    }
    if (rezim != 2) return false;

    // A row the user left empty or as the editor showed it keeps the values.
    auto zmenen = [&](int r) { return !JePrazdnyPoOriznuti(hodnoty[r]) && hodnoty[r] != zobrazene[r]; };
    for (int i = 0; i < static_cast<int>(souradnice.bod.size()) && i < static_cast<int>(vyber.size()); ++i) {
        Tbod& b = souradnice.bod[i];
        if (!vyber[i] || !b.JePlny) continue;
        if (zmenen(0)) b.cislo = Orizni(hodnoty[0]);
        if (zmenen(radekX)) b.X = Metry(nastaveni, hodnoty[radekX]);
        if (zmenen(radekY)) b.Y = Metry(nastaveni, hodnoty[radekY]);
        if (zmenen(3)) b.Z = Metry(nastaveni, hodnoty[3]);
    }
    return true;
}

// ---------------------------------------------------------------- the window

TForm79::TForm79(QWidget* rodic) : Formular(QStringLiteral("Form79"), rodic)
{
    auto* mriz = new QGridLayout(this);
    mriz->setSizeConstraint(QLayout::SetFixedSize);
    ValueListEditor1 = new EditorHodnot(QStringLiteral("ValueListEditor1"), this);
    ValueListEditor1->NastavRadky(kRadku);
    ValueListEditor1->NastavSirkuKlicu(130);
    ValueListEditor1->setFixedWidth(290);
    ValueListEditor2 = new EditorHodnot(QStringLiteral("ValueListEditor2"), this);
    ValueListEditor2->NastavRadky(kRadku);
    ValueListEditor2->NastavUpravy(false);
    ValueListEditor2->NastavSirkuKlicu(44);
    ValueListEditor2->setFixedWidth(60);
    ValueListEditor2->setFocusPolicy(Qt::NoFocus);
    mriz->addWidget(ValueListEditor1, 0, 0);
    mriz->addWidget(ValueListEditor2, 0, 1);

    Button3 = VytvorTlacitko(*this, "Button3", [this] { Button3Click(); });
    Button4 = VytvorTlacitko(*this, "Button4", [this] { Button4Click(); });
    Button2 = VytvorTlacitko(*this, "Button2", [this] { Button2Click(); });
    Button1 = VytvorTlacitko(*this, "Button1", [this] { Button1Click(); });
    mriz->addLayout(RadaTlacitek({Button3, Button4, Button2, Button1}), 1, 0, 1, 2);

    ValueListEditor1->OnZmena = [this](int) { ObnovPlatnost(); };
    ValueListEditor1->OnEnter = [this] { Button3Click(); };
    ValueListEditor2->OnEnter = [this] { Button3Click(); };
}

int TForm79::Rezim() const
{
    return ExistujiGlobalniObjekty() ? nastaveni->okno.souradniceVstup : 1;
}

ThodnotyBodu TForm79::Hodnoty() const
{
    ThodnotyBodu h;
    for (int r = 0; r < kRadku; ++r) h[r] = ValueListEditor1->Hodnota(r);
    return h;
}

void TForm79::NaplnVLEditor()
{
    const auto klice = KliceVLEditoru(*jazyk);
    zobrazene_ = HodnotyVLEditoru(souradniceVstup, vyberVstup.hromadny, Rezim(), *nastaveni);
    for (int r = 0; r < kRadku; ++r) {
        ValueListEditor1->NastavKlic(r, klice[r]);
        ValueListEditor1->NastavHodnotu(r, zobrazene_[r]);
        ValueListEditor2->NastavKlic(r, r == 0 ? std::string() : jazyk->popisJednotky.x_hodnota);
    }
    ObnovPlatnost();
}

void TForm79::ObnovPlatnost()
{
    const ThodnotyBodu h = Hodnoty();
    platnost_ = PlatnostVLEditoru(h, Rezim());
    const auto znacky = ZnackyVLEditoru(h, Rezim());
    for (int r = 0; r < kRadku; ++r) ValueListEditor2->NastavZnacku(r, znacky[r]);
}

void TForm79::PrepniPanelVstupu()
{
    PrepniPanel(Form78().Label_zpracovani, ValueListEditor1, ValueListEditor2, Button1, Button2, Button3, Button4);
}

void TForm79::FormShow()
{
    if (!ExistujiGlobalniObjekty()) return;
    NaplnVLEditor();
    Button1->setText(NaQString(jazyk->tlacitko.ukoncit + " [Esc]"));
    Button2->setText(NaQString(jazyk->tlacitko.vycistit + " [Del]"));
    Button3->setText(NaQString(jazyk->tlacitko.vlozit + " [Ent]"));
    Button4->setText(NaQString(jazyk->tlacitko.ukocitAVlozit));
    // The window takes the size of its texts before it is placed.
    layout()->activate();
    VycentrujOkno(this, Otvirac());
    zapamatovany_ = RetezecVLEditoru(Hodnoty());
    setWindowTitle(NaQString(Rezim() == 2 ? jazyk->nadpis.upravitBod : jazyk->nadpis.vlozitBod));
    ValueListEditor1->setCurrentCell(0, 1);
    ValueListEditor1->setFocus();
}

void TForm79::FormClose()
{
    ValueListEditor1->PotvrdUpravu();
    platnost_ = {};
    Form78().StringGrid3->setFocus();
}

void TForm79::FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory)
{
    if (modifikatory != Qt::NoModifier && modifikatory != Qt::KeypadModifier) return;
    if (klavesa == Qt::Key_Escape) {
        klavesa = 0;
        Button1Click();
    } else if (klavesa == Qt::Key_Delete && !ValueListEditor1->Upravuje()) {
        // Del inside a cell deletes a character; elsewhere it clears the rows.
        klavesa = 0;
        Button2Click();
    }
}

void TForm79::Button1Click()
{
    Close();
}

void TForm79::Button2Click()
{
    for (int r = 0; r < kRadku; ++r) ValueListEditor1->NastavHodnotu(r, std::string());
    ObnovPlatnost();
    ValueListEditor1->setFocus();
}

void TForm79::Button3Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    ValueListEditor1->PotvrdUpravu();
    ObnovPlatnost();
    const ThodnotyBodu h = Hodnoty();
    if (RetezecVLEditoru(h) == zapamatovany_) return;

    {
        // The user-point window shows the processing label meanwhile, and
        // the editor's controls are locked; both are undone however the
        // insert ends.
        PrepniPanelVstupu();
        struct Odemkni {
            TForm79* okno;
            ~Odemkni() { okno->PrepniPanelVstupu(); }
        } odemkni{this};

        const int rezim = Rezim();
        if (VlozBodZVLEditoru(h, zobrazene_, rezim, souradniceVstup, vyberVstup.hromadny, *nastaveni)) {
            NaplnVLEditor();
            KontrolaSouradnic(souradniceVstup, *chyby, true, *nastaveni);
            TForm78& vstup = Form78();
            vstup.ObnovTabulku();
            if (rezim == 1) vstup.StringGrid3->SetRow(PrvniVybrany(vyberVstup.hromadny));
            vstup.StringGrid3->Repaint();
            zapamatovany_ = RetezecVLEditoru(Hodnoty());
        }
    }
    ValueListEditor1->setFocus();
}

void TForm79::Button4Click()
{
    Button3Click();
    Close();
}

TForm79& Form79()
{
    return JedineOkno<TForm79>();
}

}  // namespace sitmera
