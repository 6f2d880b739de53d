#include "ui/displacements/graf_winPosun.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>
#include <vector>

#include "analysis/ModelPosuny.h"
#include "core/Jazyk.h"
#include "drawing/dxfwriterPosun.h"
#include "numerics/TextSoubor.h"
#include "program/Globalni.h"
#include "ui/displacements/grafBarvaOkno.h"
#include "ui/layer/BarvaBox.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/layer/UlozeniKresby.h"

namespace sitmera {

namespace {

// Colour-list positions of black and white.
constexpr std::uint8_t kCerna = 0;
constexpr std::uint8_t kBila = 15;

// Layout of the window: the option panel on the left, the picture right of it.
constexpr int kOkraj = 8;
constexpr int kSirkaPanelu = 270;
constexpr int kLevyOkrajObrazku = kOkraj + kSirkaPanelu + kOkraj;
// Pan step of the arrow buttons (pixels).
constexpr int kKrokPosunu = 10;

// The items of the horizontal-quantity box, in the order of typHzPosunu.
const std::vector<int> kTypyPosunuHz = {0, 1, 2};
const char* const kNazvyPosunuHz[] = {"X", "Y", "Hz"};
// Font styles: normal, bold.
const std::vector<int> kRezyPisma = {0, 1};

using TpoleVoleb = std::uint8_t TgrafikaPosun::*;

constexpr std::array<TpoleVoleb, kPocetBarevPosun> kPoleBarev = {
    &TgrafikaPosun::barvaBod,           &TgrafikaPosun::barvaElipsa,
    &TgrafikaPosun::barvaPosunHzHodnota, &TgrafikaPosun::barvaPosunHzHodnotaVyznamna,
    &TgrafikaPosun::barvaPosunHzMezOdchylka, &TgrafikaPosun::barvaPosunZHodnota,
    &TgrafikaPosun::barvaPosunZHodnotaVyznamna, &TgrafikaPosun::barvaPosunZMezOdchylka,
    &TgrafikaPosun::barvaPozadi};

// Every index of the options with the list it indexes (colours aside).
const std::vector<std::pair<TpoleVoleb, const std::vector<int>*>>& IndexyVoleb()
{
    static const std::vector<std::pair<TpoleVoleb, const std::vector<int>*>> indexy = {
        {&TgrafikaPosun::tloustkaBod, &SirkyPera},
        {&TgrafikaPosun::tloustkaElipsa, &SirkyPera},
        {&TgrafikaPosun::tloustkaPosunHzHodnota, &SirkyPera},
        {&TgrafikaPosun::tloustkaPosunHzMezOdchylka, &SirkyPera},
        {&TgrafikaPosun::tloustkaPosunZHodnota, &SirkyPera},
        {&TgrafikaPosun::tloustkaPosunZMezOdchylka, &SirkyPera},
        {&TgrafikaPosun::tloustkaOsa, &SirkyPera},
        {&TgrafikaPosun::tloustkaMeritko, &SirkyPera},
        {&TgrafikaPosun::textVelikost, &VelikostiPisma},
        {&TgrafikaPosun::textRez, &kRezyPisma},
        {&TgrafikaPosun::velikostBod, &VelikostiZnacky},
        {&TgrafikaPosun::velikostPosunHzHodnota, &VelikostiZnacky},
        {&TgrafikaPosun::velikostPosunHzMezOdchylka, &VelikostiZnacky},
        {&TgrafikaPosun::velikostPosunZHodnota, &VelikostiZnacky},
        {&TgrafikaPosun::velikostPosunZMezOdchylka, &VelikostiZnacky},
        {&TgrafikaPosun::zvetseni, &ZvetseniKresby},
        {&TgrafikaPosun::typHzPosunu, &kTypyPosunuHz},
    };
    return indexy;
}

int Zvetseni(const TgrafikaPosun& g)
{
    return HodnotaPolozky(ZvetseniKresby, g.zvetseni, 50000);
}

}  // namespace

// ---------------------------------------------------------------- options

TbarvyPosun BarvyVoleb(const TgrafikaPosun& g)
{
    TbarvyPosun b{};
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = g.*kPoleBarev[i];
    return b;
}

void NastavBarvyVoleb(TgrafikaPosun& g, const TbarvyPosun& barvy)
{
    for (std::size_t i = 0; i < barvy.size(); ++i) g.*kPoleBarev[i] = barvy[i];
}

TgrafikaPosun VychoziVolbyGrafuPosun()
{
    // The window's defaults are those the settings start with.
    Tnastaveni n;
    n.Default();
    return n.grafikaPosun;
}

TbarvyPosun CernobileBarvyPosun()
{
    TbarvyPosun b{};
    b.fill(kCerna);
    b.back() = kBila;
    return b;
}

TgrafikaPosun PlatneVolbyGrafuPosun(const TgrafikaPosun& volby, int pocetPisem)
{
    TgrafikaPosun g = volby;
    if (g.textFont < 0 || g.textFont >= pocetPisem) g.textFont = -1;
    bool platne = true;
    for (TpoleVoleb pole : kPoleBarev) platne = platne && JeIndexBarvy(g.*pole);
    for (const auto& [pole, seznam] : IndexyVoleb()) platne = platne && JePolozka(*seznam, g.*pole);
    return platne ? g : VychoziVolbyGrafuPosun();
}

TpovoleniGrafuPosun PovoleniGrafuPosun(const TgrafikaPosun& g)
{
    TpovoleniGrafuPosun p;
    p.bod = g.kreslitBod;
    p.elipsa = g.kreslitElipsa;
    p.posunHz = g.kreslitPosunHzHodnota;
    p.mezHz = g.kreslitPosunHzMezOdchylka;
    p.posunZ = g.kreslitPosunZHodnota;
    p.mezZ = g.kreslitPosunZMezOdchylka;
    p.osa = g.kreslitOsa;
    p.meritko = g.kreslitMeritko;
    // Text is drawn with the point numbers and the labels of axes and scale bars.
    p.pismo = g.kreslitBod || g.kreslitOsa || g.kreslitMeritko;
    // The magnification and the precision matter for what is magnified.
    p.zvetseni = g.kreslitElipsa || g.kreslitPosunHzHodnota || g.kreslitPosunHzMezOdchylka ||
                 g.kreslitPosunZHodnota || g.kreslitPosunZMezOdchylka;
    return p;
}

void VolbyDoKresbyPosun(const TgrafikaPosun& g, const std::string& pismo, TPaintSettingsPosun& ps)
{
    auto sirka = [](std::uint8_t i) { return static_cast<std::uint8_t>(HodnotaPolozky(SirkyPera, i, 1)); };
    auto velikost = [](std::uint8_t i) { return static_cast<std::uint8_t>(HodnotaPolozky(VelikostiZnacky, i, 4)); };
    ps.PenWidthBod = sirka(g.tloustkaBod);
    ps.PenWidthElipsa = sirka(g.tloustkaElipsa);
    ps.PenWidthPosunHzHodnota = sirka(g.tloustkaPosunHzHodnota);
    ps.PenWidthPosunHzMezOdchylka = sirka(g.tloustkaPosunHzMezOdchylka);
    ps.PenWidthPosunZHodnota = sirka(g.tloustkaPosunZHodnota);
    ps.PenWidthPosunZMezOdchylka = sirka(g.tloustkaPosunZMezOdchylka);
    ps.PenWidthOsa = sirka(g.tloustkaOsa);
    ps.PenWidthMeritko = sirka(g.tloustkaMeritko);
    ps.SizeBod = velikost(g.velikostBod);
    ps.SizePosunHzHodnota = velikost(g.velikostPosunHzHodnota);
    ps.SizePosunHzMezOdchylka = velikost(g.velikostPosunHzMezOdchylka);
    ps.SizePosunZHodnota = velikost(g.velikostPosunZHodnota);
    ps.SizePosunZMezOdchylka = velikost(g.velikostPosunZMezOdchylka);
    ps.ColorBod = BarvaSeznamu(g.barvaBod);
    ps.ColorElipsa = BarvaSeznamu(g.barvaElipsa);
    ps.ColorPosunHzHodnota = BarvaSeznamu(g.barvaPosunHzHodnota);
    ps.ColorPosunHzHodnotaVyznamna = BarvaSeznamu(g.barvaPosunHzHodnotaVyznamna);
    ps.ColorPosunHzMezOdchylka = BarvaSeznamu(g.barvaPosunHzMezOdchylka);
    ps.ColorPosunZHodnota = BarvaSeznamu(g.barvaPosunZHodnota);
    ps.ColorPosunZHodnotaVyznamna = BarvaSeznamu(g.barvaPosunZHodnotaVyznamna);
    ps.ColorPosunZMezOdchylka = BarvaSeznamu(g.barvaPosunZMezOdchylka);
    ps.ColorPozadi = BarvaSeznamu(g.barvaPozadi);
    ps.zvetseni = Zvetseni(g);
    ps.presnost = IndexPresnosti(g.presnost);
    ps.typHzPosunu = g.typHzPosunu;
    ps.kreslitBod = g.kreslitBod;
    ps.kreslitElipsa = g.kreslitElipsa;
    ps.kreslitPosunHzHodnota = g.kreslitPosunHzHodnota;
    ps.kreslitPosunHzMezOdchylka = g.kreslitPosunHzMezOdchylka;
    ps.kreslitPosunZHodnota = g.kreslitPosunZHodnota;
    ps.kreslitPosunZMezOdchylka = g.kreslitPosunZMezOdchylka;
    ps.kreslitOsa = g.kreslitOsa;
    ps.kreslitMeritko = g.kreslitMeritko;
    ps.FontSize = static_cast<std::uint8_t>(HodnotaPolozky(VelikostiPisma, g.textVelikost, 10));
    ps.FontName = pismo;
    ps.FontBold = g.textRez == 1;
}

void VolbyDoDXFPosun(const TgrafikaPosun& g, std::uint8_t jazyk, TDXFwriterPosun& dxf)
{
    if (dxf.layers.size() < 18) return;
    // Layer, colour, switch, precision (-1 both, 0 a priori, 1 a posteriori).
    const struct {
        int vrstva;
        std::uint8_t barva;
        bool kreslit;
        int presnost;
    } vrstvy[] = {
        {1, g.barvaBod, g.kreslitBod, -1},
        {2, g.barvaBod, g.kreslitBod, -1},
        {3, g.barvaBod, g.kreslitBod, -1},
        {4, g.barvaElipsa, g.kreslitElipsa, 0},
        {5, g.barvaElipsa, g.kreslitElipsa, 1},
        {6, g.barvaPosunHzHodnota, g.kreslitPosunHzHodnota, 0},
        {7, g.barvaPosunHzHodnotaVyznamna, g.kreslitPosunHzHodnota, 0},
        {8, g.barvaPosunHzHodnota, g.kreslitPosunHzHodnota, 1},
        {9, g.barvaPosunHzHodnotaVyznamna, g.kreslitPosunHzHodnota, 1},
        {10, g.barvaPosunHzMezOdchylka, g.kreslitPosunHzMezOdchylka, 0},
        {11, g.barvaPosunHzMezOdchylka, g.kreslitPosunHzMezOdchylka, 1},
        {12, g.barvaPosunZHodnota, g.kreslitPosunZHodnota, 0},
        {13, g.barvaPosunZHodnotaVyznamna, g.kreslitPosunZHodnota, 0},
        {14, g.barvaPosunZHodnota, g.kreslitPosunZHodnota, 1},
        {15, g.barvaPosunZHodnotaVyznamna, g.kreslitPosunZHodnota, 1},
        {16, g.barvaPosunZMezOdchylka, g.kreslitPosunZMezOdchylka, 0},
        {17, g.barvaPosunZMezOdchylka, g.kreslitPosunZMezOdchylka, 1},
    };
    const int presnost = IndexPresnosti(g.presnost);
    const int lang = jazyk == 0 ? 0 : 1;
    const std::string pripona = "_" + std::to_string(Zvetseni(g));
    for (const auto& v : vrstvy) {
        TLayer& vrstva = dxf.layers[static_cast<std::size_t>(v.vrstva)];
        vrstva.color = dxf.ConvertColor(v.barva);
        vrstva.visible = v.kreslit && (v.presnost < 0 || v.presnost == presnost);
        if (v.vrstva >= 4) vrstva.name[static_cast<std::size_t>(lang)] += pripona;
    }
    dxf.Scale = Zvetseni(g);
    dxf.lang = lang;
    dxf.typHzPosunu = g.typHzPosunu;
}

std::string PopisPosunuHz(const Tjazyk& jazyk, const std::string& polozka)
{
    return polozka + " " + MalaPismena(jazyk.tlacitko.posun2) + ":";
}

// ---------------------------------------------------------------- construction

TForm84::TForm84(QWidget* rodic) : Formular(QStringLiteral("Form84"), rodic)
{
    VytvorOvladace();
    NastavOvladace(VychoziVolbyGrafuPosun());
    ZachytKolecko(*this, [this](int delta) { FormMouseWheel(delta); });
    resize(kMinSirkaGrafu, kMinVyskaGrafu);
    Image1->move(kLevyOkrajObrazku, kOkraj);
    Image1->NastavVelikost(kMinSirkaGrafu - kLevyOkrajObrazku - 8, kMinVyskaGrafu - 16);
}

TForm84::~TForm84() = default;

void TForm84::VytvorOvladace()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(kOkraj, kOkraj, kSirkaPanelu, kMinVyskaGrafu - 2 * kOkraj);
    auto* sloupec = new QVBoxLayout(Panel1);
    sloupec->setContentsMargins(0, 0, 0, 0);
    sloupec->setSpacing(4);

    auto label = [this](const char* jmeno) { return NovyLabel(this, jmeno); };
    auto nadpis = [this](const char* jmeno) { return NovyNadpis(this, jmeno); };
    auto prekreslit = [this] { Prekreslit(); };
    auto combo = [&](const char* jmeno, const std::vector<int>& seznam) {
        QComboBox* c = NovyComboGrafu(this, jmeno, prekreslit);
        NaplnComboSeznam(c, seznam);
        return c;
    };
    auto check = [&](const char* jmeno) { return NovyCheckGrafu(this, jmeno, prekreslit); };
    auto tlacitko = [this](const char* jmeno, void (TForm84::*prikaz)()) {
        return NoveTlacitkoGrafu(this, jmeno, {}, [this, prikaz] { (this->*prikaz)(); });
    };

    // Colours: the colour window, black and white, default colours.
    Label01 = nadpis("Label01");
    sloupec->addWidget(Label01);
    auto* barvy = new QHBoxLayout();
    BitBtn03 = tlacitko("BitBtn03", &TForm84::BitBtn03Click);
    BitBtn01 = tlacitko("BitBtn01", &TForm84::BitBtn01Click);
    BitBtn02 = tlacitko("BitBtn02", &TForm84::BitBtn02Click);
    for (QPushButton* b : {BitBtn03, BitBtn01, BitBtn02}) barvy->addWidget(b);
    sloupec->addLayout(barvy);

    // Elements with their pen widths; the horizontal quantity beside its vector.
    auto* prvky = new QGridLayout();
    prvky->setVerticalSpacing(3);
    prvky->setColumnStretch(0, 1);
    Label02 = nadpis("Label02");
    Label03 = nadpis("Label03");
    prvky->addWidget(Label02, 0, 0);
    prvky->addWidget(Label03, 0, 1);
    CheckBox01 = check("CheckBox01");
    CheckBox02 = check("CheckBox02");
    CheckBox03 = check("CheckBox03");
    CheckBox04 = check("CheckBox04");
    CheckBox05 = check("CheckBox05");
    CheckBox06 = check("CheckBox06");
    CheckBox07 = check("CheckBox07");
    CheckBox08 = check("CheckBox08");
    ComboBox01 = combo("ComboBox01", SirkyPera);
    ComboBox02 = combo("ComboBox02", SirkyPera);
    ComboBox03 = combo("ComboBox03", SirkyPera);
    ComboBox04 = combo("ComboBox04", SirkyPera);
    ComboBox05 = combo("ComboBox05", SirkyPera);
    ComboBox06 = combo("ComboBox06", SirkyPera);
    ComboBox07 = combo("ComboBox07", SirkyPera);
    ComboBox08 = combo("ComboBox08", SirkyPera);
    ComboBox09 = NovyComboGrafu(this, "ComboBox09", [this] { ComboBox09Select(); });
    for (const char* typ : kNazvyPosunuHz) ComboBox09->addItem(QLatin1String(typ));
    const std::pair<QCheckBox*, QComboBox*> radkyPrvku[] = {
        {CheckBox01, ComboBox01}, {CheckBox02, ComboBox02}, {CheckBox03, ComboBox03}, {CheckBox04, ComboBox04},
        {CheckBox05, ComboBox05}, {CheckBox06, ComboBox06}, {CheckBox07, ComboBox07}, {CheckBox08, ComboBox08}};
    int radek = 1;
    for (const auto& [spinac, sirka] : radkyPrvku) {
        if (spinac == CheckBox03) {
            auto* hz = new QHBoxLayout();
            hz->addWidget(spinac);
            hz->addWidget(ComboBox09);
            hz->addStretch(1);
            prvky->addLayout(hz, radek, 0);
        } else {
            prvky->addWidget(spinac, radek, 0);
        }
        prvky->addWidget(sirka, radek++, 1);
    }
    sloupec->addLayout(prvky);

    // Symbol sizes, magnification and precision.
    auto* velikosti = new QGridLayout();
    velikosti->setVerticalSpacing(3);
    velikosti->setColumnStretch(0, 1);
    Label05 = nadpis("Label05");
    velikosti->addWidget(Label05, 0, 0, 1, 2);
    Label06 = label("Label06");
    Label07 = label("Label07");
    Label08 = label("Label08");
    Label09 = label("Label09");
    Label10 = label("Label10");
    Label11 = label("Label11");
    Label12 = label("Label12");
    ComboBox13 = combo("ComboBox13", VelikostiZnacky);
    ComboBox14 = combo("ComboBox14", VelikostiZnacky);
    ComboBox15 = combo("ComboBox15", VelikostiZnacky);
    ComboBox16 = combo("ComboBox16", VelikostiZnacky);
    ComboBox17 = combo("ComboBox17", VelikostiZnacky);
    ComboBox18 = combo("ComboBox18", ZvetseniKresby);
    ComboBox19 = NovyComboGrafu(this, "ComboBox19", prekreslit);
    ComboBox19->addItems({QString(), QString()});
    const std::pair<QLabel*, QComboBox*> radkyVelikosti[] = {
        {Label06, ComboBox13}, {Label07, ComboBox14}, {Label08, ComboBox15}, {Label09, ComboBox16},
        {Label10, ComboBox17}, {Label11, ComboBox18}, {Label12, ComboBox19}};
    radek = 1;
    for (const auto& [popisek, box] : radkyVelikosti) {
        velikosti->addWidget(popisek, radek, 0);
        velikosti->addWidget(box, radek++, 1);
    }
    sloupec->addLayout(velikosti);

    // Text: font, size, style.
    auto* text = new QHBoxLayout();
    Label04 = nadpis("Label04");
    ComboBox10 = NovyComboGrafu(this, "ComboBox10", prekreslit);
    NaplnComboPisma(ComboBox10);
    text->addWidget(Label04);
    text->addWidget(ComboBox10, 1);
    sloupec->addLayout(text);
    auto* pismo = new QHBoxLayout();
    ComboBox11 = combo("ComboBox11", VelikostiPisma);
    ComboBox12 = NovyComboGrafu(this, "ComboBox12", prekreslit);
    ComboBox12->addItems({QString(), QString()});
    pismo->addWidget(ComboBox11);
    pismo->addWidget(ComboBox12, 1);
    sloupec->addLayout(pismo);
    sloupec->addStretch(1);

    // View: whole drawing, zoom, pan.
    BitBtn06 = tlacitko("BitBtn06", &TForm84::BitBtn06Click);
    BitBtn07 = tlacitko("BitBtn07", &TForm84::BitBtn07Click);
    BitBtn08 = tlacitko("BitBtn08", &TForm84::BitBtn08Click);
    BitBtn09 = tlacitko("BitBtn09", &TForm84::BitBtn09Click);
    BitBtn10 = tlacitko("BitBtn10", &TForm84::BitBtn10Click);
    BitBtn11 = tlacitko("BitBtn11", &TForm84::BitBtn11Click);
    BitBtn12 = tlacitko("BitBtn12", &TForm84::BitBtn12Click);
    sloupec->addLayout(MrizkaPohledu(BitBtn06, BitBtn07, BitBtn08, BitBtn09, BitBtn12, BitBtn10, BitBtn11));

    // Default settings, save.
    auto* konec = new QHBoxLayout();
    BitBtn05 = tlacitko("BitBtn05", &TForm84::BitBtn05Click);
    BitBtn04 = tlacitko("BitBtn04", &TForm84::BitBtn04Click);
    konec->addWidget(BitBtn05);
    konec->addWidget(BitBtn04);
    sloupec->addLayout(konec);

    Image1 = new Obrazek(QStringLiteral("Image1"), this);
    Image1->OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        Image1MouseDown(b, m, x, y);
    };
    Image1->OnMouseMove = [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) {
        Image1MouseMove(b, m, x, y);
    };
}

TForm84& Form84()
{
    return JedineOkno<TForm84>();
}

// ---------------------------------------------------------------- texts

void TForm84::PopisOkna()
{
    const Tpopis& p = jazyk->popis;
    const Ttlacitko& t = jazyk->tlacitko;
    const std::string bod = p.bod + ":";
    const std::string mez = p.mezOdchylka + ":";
    const std::string posunZ = p.z + " " + MalaPismena(t.posun2) + ":";
    setWindowTitle(NaQString(t.kresba + " - " + t.analyzaPosunu));
    const std::pair<QWidget*, std::string> texty[] = {
        {Label01, p.barva},
        {Label02, p.prvky},
        {Label03, p.sirka},
        {Label04, p.text},
        {Label05, p.velikost},
        {Label06, bod},
        {CheckBox01, bod},
        {Label08, mez},
        {Label10, mez},
        {CheckBox04, mez},
        {CheckBox06, mez},
        {Label09, posunZ},
        {CheckBox05, posunZ},
        {Label11, p.zvetseni + ":"},
        {Label12, p.presnost + ":"},
        {CheckBox02, p.elipsaChyb + ":"},
        {CheckBox03, t.posun2 + ":"},
        {CheckBox07, p.osy + ":"},
        {CheckBox08, p.meritko + ":"},
        {BitBtn01, p.cernobily2},
        {BitBtn02, t.vychozi},
        {BitBtn05, t.vychozi},
        {BitBtn06, p.vse},
        {BitBtn03, t.nastavit + " ..."},
        {BitBtn04, t.ulozit + " ..."},
    };
    for (const auto& [ovladac, text] : texty) ovladac->setProperty("text", NaQString(text));
    ComboBox12->setItemText(0, NaQString(p.normalni));
    ComboBox12->setItemText(1, NaQString(p.tucne));
    ComboBox19->setItemText(0, NaQString(p.apriorni));
    ComboBox19->setItemText(1, NaQString(p.aposteriorni));
    PopisLabel07();
    // The columns fit the new texts now, not only at the next layout pass.
    Panel1->layout()->activate();
}

void TForm84::PopisLabel07()
{
    if (jazyk != nullptr) Label07->setText(NaQString(PopisPosunuHz(*jazyk, PolozkaPosunuHz())));
}

std::string TForm84::PolozkaPosunuHz() const
{
    return NaUtf8(ComboBox09->currentText());
}

// ---------------------------------------------------------------- options

void TForm84::NastavOvladace(const TgrafikaPosun& g)
{
    const std::pair<QCheckBox*, bool> spinace[] = {
        {CheckBox01, g.kreslitBod},           {CheckBox02, g.kreslitElipsa},
        {CheckBox03, g.kreslitPosunHzHodnota}, {CheckBox04, g.kreslitPosunHzMezOdchylka},
        {CheckBox05, g.kreslitPosunZHodnota},  {CheckBox06, g.kreslitPosunZMezOdchylka},
        {CheckBox07, g.kreslitOsa},           {CheckBox08, g.kreslitMeritko}};
    for (const auto& [spinac, zapnuto] : spinace) spinac->setChecked(zapnuto);
    const std::pair<QComboBox*, int> indexy[] = {
        {ComboBox01, g.tloustkaBod},
        {ComboBox02, g.tloustkaElipsa},
        {ComboBox03, g.tloustkaPosunHzHodnota},
        {ComboBox04, g.tloustkaPosunHzMezOdchylka},
        {ComboBox05, g.tloustkaPosunZHodnota},
        {ComboBox06, g.tloustkaPosunZMezOdchylka},
        {ComboBox07, g.tloustkaOsa},
        {ComboBox08, g.tloustkaMeritko},
        {ComboBox09, g.typHzPosunu},
        // No font of the list: the box shows "Tahoma".
        {ComboBox10, g.textFont >= 0 && g.textFont < ComboBox10->count() ? g.textFont : -1},
        {ComboBox11, g.textVelikost},
        {ComboBox12, g.textRez},
        {ComboBox13, g.velikostBod},
        {ComboBox14, g.velikostPosunHzHodnota},
        {ComboBox15, g.velikostPosunHzMezOdchylka},
        {ComboBox16, g.velikostPosunZHodnota},
        {ComboBox17, g.velikostPosunZMezOdchylka},
        {ComboBox18, g.zvetseni},
        {ComboBox19, IndexPresnosti(g.presnost)},
    };
    for (const auto& [box, index] : indexy) box->setCurrentIndex(index);
    PopisLabel07();
}

TgrafikaPosun TForm84::VolbyOvladacu() const
{
    auto index = [](const QComboBox* c) { return static_cast<std::uint8_t>(std::max(c->currentIndex(), 0)); };
    TgrafikaPosun g;
    NastavBarvyVoleb(g, Form85().Barvy());
    g.kreslitBod = CheckBox01->isChecked();
    g.kreslitElipsa = CheckBox02->isChecked();
    g.kreslitPosunHzHodnota = CheckBox03->isChecked();
    g.kreslitPosunHzMezOdchylka = CheckBox04->isChecked();
    g.kreslitPosunZHodnota = CheckBox05->isChecked();
    g.kreslitPosunZMezOdchylka = CheckBox06->isChecked();
    g.kreslitOsa = CheckBox07->isChecked();
    g.kreslitMeritko = CheckBox08->isChecked();
    g.tloustkaBod = index(ComboBox01);
    g.tloustkaElipsa = index(ComboBox02);
    g.tloustkaPosunHzHodnota = index(ComboBox03);
    g.tloustkaPosunHzMezOdchylka = index(ComboBox04);
    g.tloustkaPosunZHodnota = index(ComboBox05);
    g.tloustkaPosunZMezOdchylka = index(ComboBox06);
    g.tloustkaOsa = index(ComboBox07);
    g.tloustkaMeritko = index(ComboBox08);
    g.textFont = static_cast<std::int16_t>(ComboBox10->currentIndex());
    g.textVelikost = index(ComboBox11);
    g.textRez = index(ComboBox12);
    g.velikostBod = index(ComboBox13);
    g.velikostPosunHzHodnota = index(ComboBox14);
    g.velikostPosunHzMezOdchylka = index(ComboBox15);
    g.velikostPosunZHodnota = index(ComboBox16);
    g.velikostPosunZMezOdchylka = index(ComboBox17);
    g.zvetseni = index(ComboBox18);
    g.presnost = ComboBox19->currentIndex() == IndexPresnosti(true);
    g.typHzPosunu = index(ComboBox09);
    return g;
}

std::string TForm84::NazevPisma() const
{
    return NazevPismaComba(*ComboBox10);
}

void TForm84::NacistNastaveni()
{
    nastaveniNactena_ = false;
    if (nastaveni != nullptr) {
        const TgrafikaPosun g = PlatneVolbyGrafuPosun(nastaveni->grafikaPosun, ComboBox10->count());
        NastavOvladace(g);
        Form85().NastavBarvy(BarvyVoleb(g));
    }
    nastaveniNactena_ = true;
}

void TForm84::UlozitNastaveni()
{
    if (nastaveni != nullptr) nastaveni->grafikaPosun = VolbyOvladacu();
}

void TForm84::DefaultNastaveni()
{
    const TgrafikaPosun g = VychoziVolbyGrafuPosun();
    NastavOvladace(g);
    Form85().NastavBarvy(BarvyVoleb(g));
}

void TForm84::Zmrazit()
{
    const TpovoleniGrafuPosun p = PovoleniGrafuPosun(VolbyOvladacu());
    const std::pair<std::vector<QWidget*>, bool> skupiny[] = {
        {{ComboBox01, ComboBox13}, p.bod},
        {{ComboBox02}, p.elipsa},
        {{ComboBox09, ComboBox03, ComboBox14}, p.posunHz},
        {{ComboBox04, ComboBox15}, p.mezHz},
        {{ComboBox05, ComboBox16}, p.posunZ},
        {{ComboBox06, ComboBox17}, p.mezZ},
        {{ComboBox07}, p.osa},
        {{ComboBox08}, p.meritko},
        {{ComboBox10, ComboBox11, ComboBox12}, p.pismo},
        {{ComboBox18, ComboBox19}, p.zvetseni},
    };
    for (const auto& [ovladace, povoleno] : skupiny)
        for (QWidget* w : ovladace) w->setEnabled(povoleno);
}

void TForm84::Prekreslit()
{
    if (!nastaveniNactena_) return;
    if (kontejner_) {
        VolbyDoKresbyPosun(VolbyOvladacu(), NazevPisma(), kontejner_->PaintSettings);
        ++pocetPrekresleni_;
        Vykresli();
    }
    Zmrazit();
}

void TForm84::Vykresli()
{
    if (!kontejner_) return;
    kontejner_->PaintAll();
    Image1->update();
}

void TForm84::UpdateDat()
{
    if (!kontejner_) return;
    kontejner_->CalcDefView();
    Vykresli();
}

// ---------------------------------------------------------------- window handlers

void TForm84::FormShow()
{
    if (!ExistujiGlobalniObjekty() || modelPosuny->pocet < 1) {
        // No comparison result: nothing to draw, the options stay as stored.
        Close();
        return;
    }
    // A window made smaller while hidden gets its minimum back first.
    Image1->PrizpusobOknu();
    VycentrujOkno(this, Otvirac());
    PopisOkna();
    kontejner_ = std::make_unique<TcontainerPosun>();
    kontejner_->ConnectBitmap(Image1->Bitmapa());
    const Tjednotky& j = nastaveni->jednotky;
    modelPosuny->GrafikaDleSouradnicovehoSystemu(j.souradnicovySystem);
    kontejner_->ConnectData(*modelPosuny);
    kontejner_->CalcDefView();
    kontejner_->PaintSettings.AxesType = j.souradnicovySystem;
    kontejner_->PaintSettings.UnitTypeSouradnice = j.souradnice;
    kontejner_->PaintSettings.UnitTypePosun = j.posun;
    NacistNastaveni();
    Prekreslit();
    BitBtn04->setFocus();
}

void TForm84::FormClose()
{
    if (kontejner_) UlozitNastaveni();
    kontejner_.reset();
}

void TForm84::FormResize()
{
    if (!isVisible()) return;
    if (!Image1->PrizpusobOknu()) return;
    if (kontejner_ && kontejner_->data != nullptr && kontejner_->data->pocet > 1) Vykresli();
}

// ---------------------------------------------------------------- mouse and view

void TForm84::Image1MouseDown(Qt::MouseButton tlacitko, Qt::KeyboardModifiers, int x, int y)
{
    mys_.Stisk(tlacitko, x, y);
}

void TForm84::Image1MouseMove(Qt::MouseButtons tlacitka, Qt::KeyboardModifiers modifikatory, int x, int y)
{
    int dx = 0, dy = 0;
    if (kontejner_ && mys_.Tah(tlacitka, modifikatory, x, y, dx, dy)) Posun(dx, dy);
}

void TForm84::FormMouseWheel(int delta) { Zvetsi(delta > 0); }

void TForm84::BitBtn06Click() { UpdateDat(); }
void TForm84::BitBtn07Click() { Zvetsi(true); }
void TForm84::BitBtn08Click() { Zvetsi(false); }
void TForm84::BitBtn09Click() { Posun(-kKrokPosunu, 0); }
void TForm84::BitBtn10Click() { Posun(0, -kKrokPosunu); }
void TForm84::BitBtn11Click() { Posun(0, kKrokPosunu); }
void TForm84::BitBtn12Click() { Posun(kKrokPosunu, 0); }

void TForm84::Zvetsi(bool priblizit)
{
    if (!kontejner_) return;
    if (priblizit)
        kontejner_->ZoomIn();
    else
        kontejner_->ZoomOut();
    Vykresli();
}

void TForm84::Posun(int dx, int dy)
{
    if (!kontejner_) return;
    kontejner_->Trans(dx, dy);
    Vykresli();
}

void TForm84::ComboBox09Select()
{
    PopisLabel07();
    Prekreslit();
}

// ---------------------------------------------------------------- colour and default buttons

void TForm84::BitBtn01Click()
{
    Form85().NastavBarvy(CernobileBarvyPosun());
    Prekreslit();
}

void TForm84::BitBtn02Click()
{
    Form85().NastavBarvy(BarvyVoleb(VychoziVolbyGrafuPosun()));
    Prekreslit();
}

void TForm84::BitBtn03Click()
{
    ZobrazModalne(Form85());
}

void TForm84::BitBtn05Click()
{
    DefaultNastaveni();
    if (kontejner_) kontejner_->CalcDefView();
    Prekreslit();
}

// ---------------------------------------------------------------- saving

void TForm84::PrekreslitDXF(TDXFwriterPosun& dxf)
{
    VolbyDoDXFPosun(VolbyOvladacu(), nastaveni != nullptr ? nastaveni->typJazyk : 1, dxf);
}

void TForm84::BitBtn04Click()
{
    if (!kontejner_ || kontejner_->data == nullptr) return;
    UlozKresbu(*Image1->Bitmapa(), [this](const std::string& cesta, std::string& duvod) {
        // The model's DXF copies were made for the coordinate system on show.
        TDXFwriterPosun dxf;
        dxf.ConnectData(*kontejner_->data);
        PrekreslitDXF(dxf);
        dxf.filename = cesta;
        if (dxf.createdxf()) return true;
        duvod = dxf.duvodOtevreni;
        return false;
    });
}

}  // namespace sitmera
