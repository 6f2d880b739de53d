#include "ui/graf_win.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <initializer_list>

#include "drawing/dxfwriterSit.h"
#include "program/Globalni.h"
#include "ui/layer/BarvaBox.h"
#include "ui/layer/GrafOvladace.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/layer/UlozeniKresby.h"

namespace sitmera {

namespace {

// Colour-list positions of the default colours.
constexpr std::uint8_t kCerna = 0;
constexpr std::uint8_t kStribrna = 8;
constexpr std::uint8_t kZelena = 10;  // lime
constexpr std::uint8_t kZluta = 11;
constexpr std::uint8_t kAzurova = 14;  // aqua
constexpr std::uint8_t kBila = 15;

// Layout of the window: the option panel on the left, the picture right of it.
constexpr int kOkraj = 8;
constexpr int kSirkaPanelu = 250;
constexpr int kLevyOkrajObrazku = kOkraj + kSirkaPanelu + kOkraj;
// Pan step of the arrow buttons (pixels).
constexpr int kKrokPosunu = 10;

std::uint8_t Barva(std::uint8_t index, std::uint8_t vychozi)
{
    return JeIndexBarvy(index) ? index : vychozi;
}

std::uint8_t Index(const std::vector<int>& seznam, std::uint8_t index, std::uint8_t vychozi)
{
    return JePolozka(seznam, index) ? index : vychozi;
}

}  // namespace

// ---------------------------------------------------------------- options

Tgrafika VychoziVolbyGrafu()
{
    Tgrafika g;
    g.barvaFixBod = kZluta;
    g.barvaVyrBod = kZelena;
    g.barvaMereni = kStribrna;
    g.barvaElipsa = kAzurova;
    g.barvaPozadi = kCerna;
    g.kreslitBod = true;
    g.kreslitMereniLinie = true;
    g.kreslitMereniPopis = false;
    g.kreslitElipsa = true;
    g.kreslitOsa = true;
    g.kreslitMeritko = true;
    g.tloustkaBod = g.tloustkaMereni = g.tloustkaElipsa = g.tloustkaOsa = g.tloustkaMeritko = 0;  // "1"
    g.textFont = -1;
    g.textVelikost = 6;     // "10"
    g.textRez = 0;          // normal
    g.krizek = 2;           // "2"
    g.krouzek = 1;          // "1"
    g.zvetseniElipsa = 7;   // "50000"
    g.presnost = true;      // a priori
    return g;
}

Tgrafika PlatneVolbyGrafu(const Tgrafika& volby, int pocetPisem)
{
    const Tgrafika v = VychoziVolbyGrafu();
    Tgrafika g = volby;
    g.barvaFixBod = Barva(g.barvaFixBod, v.barvaFixBod);
    g.barvaVyrBod = Barva(g.barvaVyrBod, v.barvaVyrBod);
    g.barvaMereni = Barva(g.barvaMereni, v.barvaMereni);
    g.barvaElipsa = Barva(g.barvaElipsa, v.barvaElipsa);
    g.barvaPozadi = Barva(g.barvaPozadi, v.barvaPozadi);
    for (std::uint8_t* t : {&g.tloustkaBod, &g.tloustkaMereni, &g.tloustkaElipsa, &g.tloustkaOsa, &g.tloustkaMeritko})
        *t = Index(SirkyPera, *t, 0);
    if (g.textFont < 0 || g.textFont >= pocetPisem) g.textFont = -1;
    g.textVelikost = Index(VelikostiPisma, g.textVelikost, v.textVelikost);
    if (g.textRez > 1) g.textRez = v.textRez;
    g.krizek = Index(VelikostiZnacky, g.krizek, v.krizek);
    g.krouzek = Index(VelikostiZnacky, g.krouzek, v.krouzek);
    g.zvetseniElipsa = Index(ZvetseniKresby, g.zvetseniElipsa, v.zvetseniElipsa);
    return g;
}

TpovoleniGrafu PovoleniGrafu(const Tgrafika& g)
{
    TpovoleniGrafu p;
    p.bod = g.kreslitBod;
    p.elipsa = g.kreslitElipsa;
    p.mereni = g.kreslitMereniLinie;
    p.osa = g.kreslitOsa;
    p.meritko = g.kreslitMeritko;
    // Font choices matter only when some text is drawn: point numbers, axis
    // and scale labels, or the labels of drawn measurement lines.
    p.pismo = g.kreslitBod || g.kreslitOsa || g.kreslitMeritko || (g.kreslitMereniLinie && g.kreslitMereniPopis);
    return p;
}

void VolbyDoKresby(const Tgrafika& g, const std::string& pismo, const TgrafikaData& data, TPaintSettings& ps)
{
    auto sirka = [](std::uint8_t i) { return static_cast<std::uint8_t>(HodnotaPolozky(SirkyPera, i, 1)); };
    ps.PenWidthP = sirka(g.tloustkaBod);
    ps.PenWidthL = sirka(g.tloustkaMereni);
    ps.PenWidthE = sirka(g.tloustkaElipsa);
    ps.PenWidthA = sirka(g.tloustkaOsa);
    ps.PenWidthS = sirka(g.tloustkaMeritko);
    ps.ColorF = BarvaSeznamu(g.barvaFixBod);
    ps.ColorA = BarvaSeznamu(g.barvaVyrBod);
    ps.ColorL = BarvaSeznamu(g.barvaMereni);
    ps.ColorB = BarvaSeznamu(g.barvaPozadi);
    ps.ColorE = BarvaSeznamu(g.barvaElipsa);
    ps.FontName = pismo;
    ps.FontSize = static_cast<std::uint8_t>(HodnotaPolozky(VelikostiPisma, g.textVelikost, 10));
    ps.FontBold = g.textRez == 1;
    ps.PaintBody = g.kreslitBod;
    ps.PaintMere = g.kreslitMereniLinie;
    ps.PaintElips = g.kreslitElipsa;
    ps.PaintAxes = g.kreslitOsa;
    ps.PaintScale = g.kreslitMeritko;
    ps.PaintDesc = g.kreslitMereniPopis;
    ps.CrossSize = static_cast<std::uint8_t>(HodnotaPolozky(VelikostiZnacky, g.krizek, 2));
    ps.CircleSize = static_cast<std::uint8_t>(HodnotaPolozky(VelikostiZnacky, g.krouzek, 1));
    ps.Escale = HodnotaPolozky(ZvetseniKresby, g.zvetseniElipsa, 50000);
    ps.s0 = g.presnost ? data.odchylkaJednotkovaAprior : data.odchylkaJednotkovaAposterior;
}

void VolbyDoDXF(const Tgrafika& g, std::uint8_t jazyk, TDXFwriterSit& dxf)
{
    if (dxf.layers.size() < 11) return;
    const int lang = jazyk == 0 ? 0 : 1;
    auto nastav = [&dxf](int od, int po, std::uint8_t barva, bool viditelna) {
        for (int k = od; k <= po; ++k) {
            dxf.layers[static_cast<std::size_t>(k)].color = dxf.ConvertColor(barva);
            dxf.layers[static_cast<std::size_t>(k)].visible = viditelna;
        }
    };
    nastav(1, 3, g.barvaVyrBod, g.kreslitBod);
    nastav(4, 6, g.barvaFixBod, g.kreslitBod);
    nastav(7, 7, g.barvaMereni, g.kreslitMereniLinie);
    nastav(8, 8, g.barvaMereni, g.kreslitMereniPopis);
    nastav(9, 9, g.barvaElipsa, g.kreslitElipsa && g.presnost);
    nastav(10, 10, g.barvaElipsa, g.kreslitElipsa && !g.presnost);
    const int zvetseni = HodnotaPolozky(ZvetseniKresby, g.zvetseniElipsa, 50000);
    dxf.Scale = zvetseni;
    dxf.lang = lang;
    for (std::size_t k : {std::size_t{9}, std::size_t{10}})
        dxf.layers[k].name[static_cast<std::size_t>(lang)] += "_" + std::to_string(zvetseni);
}

// ---------------------------------------------------------------- construction

TForm44::TForm44(QWidget* rodic) : Formular(QStringLiteral("Form44"), rodic)
{
    VytvorOvladace();
    NastavOvladace(VychoziVolbyGrafu());
    ZachytKolecko(*this, [this](int delta) { FormMouseWheel(delta); });
    resize(kMinSirkaGrafu, kMinVyskaGrafu);
    Image1->move(kLevyOkrajObrazku, kOkraj);
    Image1->NastavVelikost(kMinSirkaGrafu - kLevyOkrajObrazku - 8, kMinVyskaGrafu - 16);
}

TForm44::~TForm44() = default;

void TForm44::VytvorOvladace()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(kOkraj, kOkraj, kSirkaPanelu, kMinVyskaGrafu - 2 * kOkraj);
    auto* sloupec = new QVBoxLayout(Panel1);
    sloupec->setContentsMargins(0, 0, 0, 0);
    sloupec->setSpacing(3);

    auto label = [this](const char* jmeno) { return NovyLabel(this, jmeno); };
    auto nadpis = [this](const char* jmeno) { return NovyNadpis(this, jmeno); };
    auto combo = [this](const char* jmeno) { return NovyComboGrafu(this, jmeno, [this] { Prekreslit(); }); };
    auto check = [this](const char* jmeno) { return NovyCheckGrafu(this, jmeno, [this] { Prekreslit(); }); };
    auto barva = [this](const char* jmeno) {
        auto* b = new BarvaBox(QLatin1String(jmeno), this);
        b->OnSelect = [this] { Prekreslit(); };
        return b;
    };
    auto tlacitko = [this](const char* jmeno, const QString& text, void (TForm44::*prikaz)()) {
        return NoveTlacitkoGrafu(this, jmeno, text, [this, prikaz] { (this->*prikaz)(); });
    };

    // Colours.
    Label14 = nadpis("Label14");
    sloupec->addWidget(Label14);
    auto* barvy = new QGridLayout();
    barvy->setColumnStretch(1, 1);
    Label1 = label("Label1");
    Label2 = label("Label2");
    Label3 = label("Label3");
    Label4 = label("Label4");
    Label5 = label("Label5");
    ColorBox1 = barva("ColorBox1");
    ColorBox2 = barva("ColorBox2");
    ColorBox3 = barva("ColorBox3");
    ColorBox5 = barva("ColorBox5");
    ColorBox4 = barva("ColorBox4");
    const std::array<std::pair<QLabel*, BarvaBox*>, 5> radkyBarev = {
        {{Label1, ColorBox1}, {Label2, ColorBox2}, {Label3, ColorBox3}, {Label4, ColorBox5}, {Label5, ColorBox4}}};
    for (int i = 0; i < 5; ++i) {
        barvy->addWidget(radkyBarev[static_cast<std::size_t>(i)].first, i, 0);
        barvy->addWidget(radkyBarev[static_cast<std::size_t>(i)].second, i, 1);
    }
    sloupec->addLayout(barvy);
    auto* tlacitkaBarev = new QHBoxLayout();
    BitBtn11 = tlacitko("BitBtn11", {}, &TForm44::BitBtn11Click);
    BitBtn10 = tlacitko("BitBtn10", {}, &TForm44::BitBtn10Click);
    tlacitkaBarev->addWidget(BitBtn11);
    tlacitkaBarev->addWidget(BitBtn10);
    sloupec->addLayout(tlacitkaBarev);

    // Elements with their widths.
    auto* prvky = new QGridLayout();
    prvky->setColumnStretch(0, 1);
    Label8 = nadpis("Label8");
    Label7 = nadpis("Label7");
    prvky->addWidget(Label8, 0, 0);
    prvky->addWidget(Label7, 0, 1);
    CheckBox1 = check("CheckBox1");
    CheckBox2 = check("CheckBox2");
    CheckBox3 = check("CheckBox3");
    CheckBox4 = check("CheckBox4");
    CheckBox5 = check("CheckBox5");
    ComboBox3 = combo("ComboBox3");
    ComboBox4 = combo("ComboBox4");
    ComboBox5 = combo("ComboBox5");
    ComboBox6 = combo("ComboBox6");
    ComboBox7 = combo("ComboBox7");
    const std::array<std::pair<QCheckBox*, QComboBox*>, 5> radkyPrvku = {
        {{CheckBox1, ComboBox3}, {CheckBox2, ComboBox4}, {CheckBox3, ComboBox5}, {CheckBox4, ComboBox6},
         {CheckBox5, ComboBox7}}};
    for (int i = 0; i < 5; ++i) {
        prvky->addWidget(radkyPrvku[static_cast<std::size_t>(i)].first, i + 1, 0);
        prvky->addWidget(radkyPrvku[static_cast<std::size_t>(i)].second, i + 1, 1);
        NaplnComboSeznam(radkyPrvku[static_cast<std::size_t>(i)].second, SirkyPera);
    }
    // Point symbols and ellipses.
    Label20 = label("Label20");
    Label22 = label("Label22");
    Label23 = label("Label23");
    Label6 = label("Label6");
    ComboBox9 = combo("ComboBox9");
    ComboBox11 = combo("ComboBox11");
    ComboBox12 = combo("ComboBox12");
    ComboBox13 = combo("ComboBox13");
    NaplnComboSeznam(ComboBox9, VelikostiZnacky);
    NaplnComboSeznam(ComboBox11, VelikostiZnacky);
    NaplnComboSeznam(ComboBox12, ZvetseniKresby);
    ComboBox13->addItems({QString(), QString()});
    const std::array<std::pair<QLabel*, QComboBox*>, 4> radkyZnacek = {
        {{Label20, ComboBox9}, {Label22, ComboBox11}, {Label23, ComboBox12}, {Label6, ComboBox13}}};
    for (int i = 0; i < 4; ++i) {
        prvky->addWidget(radkyZnacek[static_cast<std::size_t>(i)].first, i + 6, 0);
        prvky->addWidget(radkyZnacek[static_cast<std::size_t>(i)].second, i + 6, 1);
    }
    sloupec->addLayout(prvky);

    // Text.
    Label16 = nadpis("Label16");
    sloupec->addWidget(Label16);
    CheckBox7 = check("CheckBox7");
    sloupec->addWidget(CheckBox7);
    ComboBox2 = combo("ComboBox2");
    NaplnComboPisma(ComboBox2);
    sloupec->addWidget(ComboBox2);
    auto* pismo = new QHBoxLayout();
    Label19 = label("Label19");
    ComboBox8 = combo("ComboBox8");
    NaplnComboSeznam(ComboBox8, VelikostiPisma);
    ComboBox1 = combo("ComboBox1");
    ComboBox1->addItems({QString(), QString()});
    pismo->addWidget(Label19);
    pismo->addWidget(ComboBox8);
    pismo->addWidget(ComboBox1, 1);
    sloupec->addLayout(pismo);

    BitBtn1 = tlacitko("BitBtn1", {}, &TForm44::BitBtn1Click);
    sloupec->addWidget(BitBtn1);
    sloupec->addStretch(1);

    // View: whole network, zoom, pan.
    BitBtn2 = tlacitko("BitBtn2", {}, &TForm44::BitBtn2Click);
    BitBtn3 = tlacitko("BitBtn3", {}, &TForm44::BitBtn3Click);
    BitBtn4 = tlacitko("BitBtn4", {}, &TForm44::BitBtn4Click);
    BitBtn5 = tlacitko("BitBtn5", {}, &TForm44::BitBtn5Click);
    BitBtn8 = tlacitko("BitBtn8", {}, &TForm44::BitBtn8Click);
    BitBtn6 = tlacitko("BitBtn6", {}, &TForm44::BitBtn6Click);
    BitBtn7 = tlacitko("BitBtn7", {}, &TForm44::BitBtn7Click);
    sloupec->addLayout(MrizkaPohledu(BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn8, BitBtn6, BitBtn7));

    BitBtn12 = tlacitko("BitBtn12", {}, &TForm44::BitBtn12Click);
    sloupec->addWidget(BitBtn12);

    Image1 = new Obrazek(QStringLiteral("Image1"), this);
    Image1->OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        Image1MouseDown(b, m, x, y);
    };
    Image1->OnMouseMove = [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) {
        Image1MouseMove(b, m, x, y);
    };
}

TForm44& Form44()
{
    return JedineOkno<TForm44>();
}

// ---------------------------------------------------------------- texts

void TForm44::PopisOkna()
{
    const Tjazyk& j = *jazyk;
    const Tpopis& p = j.popis;
    const Ttlacitko& t = j.tlacitko;
    const std::string bod = MalaPismena(p.bod);
    Label14->setText(NaQString(p.barva));
    Label1->setText(NaQString(t.fixni + " " + bod + ":"));
    Label2->setText(NaQString(p.vyrovnany + " " + bod + ":"));
    Label3->setText(NaQString(p.mereni2 + ":"));
    Label5->setText(NaQString(p.pozadi + ":"));
    Label4->setText(NaQString(p.elipsaChyb + ":"));
    BitBtn11->setText(NaQString(p.cernobily));
    BitBtn10->setText(NaQString(t.vychozi));
    BitBtn1->setText(NaQString(t.vychozi));
    Label7->setText(NaQString(p.sirka));
    Label8->setText(NaQString(p.prvky));
    Label16->setText(NaQString(p.text));
    Label19->setText(NaQString(p.velikost));
    Label20->setText(NaQString(p.krizek + ":"));
    Label22->setText(NaQString(p.krouzek + ":"));
    Label23->setText(NaQString(p.meritkoElips + ":"));
    Label6->setText(NaQString(p.presnost + ":"));
    BitBtn2->setText(NaQString(p.vse));
    BitBtn12->setText(NaQString(t.ulozit + " ..."));
    CheckBox1->setText(NaQString(p.bod + ":"));
    // The lines' box shares the measurements' caption; the labels' box
    // (under Text) carries it as well.
    CheckBox2->setText(NaQString(p.mereni2 + ":"));
    CheckBox7->setText(NaQString(p.mereni2 + ":"));
    CheckBox3->setText(NaQString(p.elipsaChyb + ":"));
    CheckBox4->setText(NaQString(p.osy + ":"));
    CheckBox5->setText(NaQString(p.meritko + ":"));
    ComboBox13->setItemText(0, NaQString(p.apriorni));
    ComboBox13->setItemText(1, NaQString(p.aposteriorni));
    ComboBox1->setItemText(0, NaQString(p.normalni));
    ComboBox1->setItemText(1, NaQString(p.tucne));
    // The columns fit the new texts now, not only at the next layout pass.
    Panel1->layout()->activate();
}

// ---------------------------------------------------------------- options

void TForm44::NastavOvladace(const Tgrafika& g)
{
    ColorBox1->NastavIndex(g.barvaFixBod);
    ColorBox2->NastavIndex(g.barvaVyrBod);
    ColorBox3->NastavIndex(g.barvaMereni);
    ColorBox5->NastavIndex(g.barvaElipsa);
    ColorBox4->NastavIndex(g.barvaPozadi);
    CheckBox1->setChecked(g.kreslitBod);
    CheckBox2->setChecked(g.kreslitMereniLinie);
    CheckBox7->setChecked(g.kreslitMereniPopis);
    CheckBox3->setChecked(g.kreslitElipsa);
    CheckBox4->setChecked(g.kreslitOsa);
    CheckBox5->setChecked(g.kreslitMeritko);
    ComboBox3->setCurrentIndex(g.tloustkaBod);
    ComboBox4->setCurrentIndex(g.tloustkaMereni);
    ComboBox5->setCurrentIndex(g.tloustkaElipsa);
    ComboBox6->setCurrentIndex(g.tloustkaOsa);
    ComboBox7->setCurrentIndex(g.tloustkaMeritko);
    // No font of the list: the box shows "Tahoma".
    ComboBox2->setCurrentIndex(g.textFont >= 0 && g.textFont < ComboBox2->count() ? g.textFont : -1);
    ComboBox8->setCurrentIndex(g.textVelikost);
    ComboBox1->setCurrentIndex(g.textRez);
    ComboBox9->setCurrentIndex(g.krizek);
    ComboBox11->setCurrentIndex(g.krouzek);
    ComboBox12->setCurrentIndex(g.zvetseniElipsa);
    ComboBox13->setCurrentIndex(g.presnost ? 0 : 1);
}

Tgrafika TForm44::VolbyOvladacu() const
{
    auto index = [](const QComboBox* c) { return static_cast<std::uint8_t>(std::max(c->currentIndex(), 0)); };
    Tgrafika g;
    g.barvaFixBod = static_cast<std::uint8_t>(std::max(ColorBox1->Index(), 0));
    g.barvaVyrBod = static_cast<std::uint8_t>(std::max(ColorBox2->Index(), 0));
    g.barvaMereni = static_cast<std::uint8_t>(std::max(ColorBox3->Index(), 0));
    g.barvaElipsa = static_cast<std::uint8_t>(std::max(ColorBox5->Index(), 0));
    g.barvaPozadi = static_cast<std::uint8_t>(std::max(ColorBox4->Index(), 0));
    g.kreslitBod = CheckBox1->isChecked();
    g.kreslitMereniLinie = CheckBox2->isChecked();
    g.kreslitMereniPopis = CheckBox7->isChecked();
    g.kreslitElipsa = CheckBox3->isChecked();
    g.kreslitOsa = CheckBox4->isChecked();
    g.kreslitMeritko = CheckBox5->isChecked();
    g.tloustkaBod = index(ComboBox3);
    g.tloustkaMereni = index(ComboBox4);
    g.tloustkaElipsa = index(ComboBox5);
    g.tloustkaOsa = index(ComboBox6);
    g.tloustkaMeritko = index(ComboBox7);
    g.textFont = static_cast<std::int16_t>(ComboBox2->currentIndex());
    g.textVelikost = index(ComboBox8);
    g.textRez = index(ComboBox1);
    g.krizek = index(ComboBox9);
    g.krouzek = index(ComboBox11);
    g.zvetseniElipsa = index(ComboBox12);
    g.presnost = ComboBox13->currentIndex() == 0;
    return g;
}

std::string TForm44::NazevPisma() const
{
    return NazevPismaComba(*ComboBox2);
}

void TForm44::NacistNastaveni()
{
    if (nastaveni == nullptr) return;
    NastavOvladace(PlatneVolbyGrafu(nastaveni->grafika, ComboBox2->count()));
}

void TForm44::UlozitNastaveni()
{
    if (nastaveni == nullptr) return;
    nastaveni->grafika = VolbyOvladacu();
}

void TForm44::Zmrazit()
{
    const TpovoleniGrafu p = PovoleniGrafu(VolbyOvladacu());
    using Ovladace = std::initializer_list<QWidget*>;
    for (QWidget* w : Ovladace{ColorBox1, ColorBox2, ComboBox3, ComboBox9, ComboBox11}) w->setEnabled(p.bod);
    for (QWidget* w : Ovladace{ColorBox5, ComboBox5, ComboBox12, ComboBox13}) w->setEnabled(p.elipsa);
    // The labels' box keeps its tick while disabled.
    for (QWidget* w : Ovladace{ColorBox3, ComboBox4, CheckBox7}) w->setEnabled(p.mereni);
    ComboBox6->setEnabled(p.osa);
    ComboBox7->setEnabled(p.meritko);
    for (QWidget* w : Ovladace{ComboBox2, ComboBox8, ComboBox1}) w->setEnabled(p.pismo);
    ColorBox4->setEnabled(true);
}

void TForm44::Prekreslit()
{
    if (kontejnerSit_ && kontejnerSit_->data != nullptr) {
        VolbyDoKresby(VolbyOvladacu(), NazevPisma(), *kontejnerSit_->data, kontejnerSit_->PaintSettings);
        Vykresli();
    }
    Zmrazit();
}

void TForm44::Vykresli()
{
    if (!kontejnerSit_) return;
    kontejnerSit_->PaintAll();
    Image1->update();
}

// ---------------------------------------------------------------- data

bool TForm44::PripravData()
{
    if (etapaAktualni == nullptr || nastaveni == nullptr || !kontejnerSit_) return false;
    Tetapa& etapa = *etapaAktualni;
    if (etapa.souradnice.PocetPlnychBodu() < 1 || etapa.grafika.body.empty()) return false;
    if (!etapa.grafika.PrepsatSouradnice(etapa.souradnice, nastaveni->jednotky.souradnicovySystem)) return false;
    kontejnerSit_->ConnectData(etapa.grafika);
    return true;
}

void TForm44::UpdateDat()
{
    if (!isVisible() || !kontejnerSit_) return;
    if (!PripravData()) {
        Close();
        return;
    }
    kontejnerSit_->CalcDefView();
    // The new epoch's unit deviations and the options, as a fresh showing.
    Prekreslit();
}

// ---------------------------------------------------------------- window handlers

void TForm44::FormShow()
{
    if (etapaAktualni == nullptr || nastaveni == nullptr || jazyk == nullptr) {
        Close();
        return;
    }
    setWindowTitle(NaQString(jazyk->tlacitko.kresba + " - " +
                     etapaAktualni->Nazev(*jazyk, false, nastaveni->okno.etapa, nastaveni->okno.etapaDruh)));
    // A window made smaller while hidden gets its minimum back first.
    Image1->PrizpusobOknu();
    VycentrujOkno(this, Otvirac());
    PopisOkna();
    kontejnerSit_ = std::make_unique<TContainer>();
    kontejnerSit_->ConnectBitmap(Image1->Bitmapa());
    if (!PripravData()) {
        // Nothing to draw: the options stay as stored.
        kontejnerSit_.reset();
        Close();
        return;
    }
    kontejnerSit_->CalcDefView();
    kontejnerSit_->PaintSettings.AxesType = nastaveni->jednotky.souradnicovySystem;
    kontejnerSit_->PaintSettings.UnitType = nastaveni->jednotky.souradnice;
    NacistNastaveni();
    Prekreslit();
    BitBtn12->setFocus();
}

void TForm44::FormClose()
{
    if (kontejnerSit_) UlozitNastaveni();
    kontejnerSit_.reset();
}

void TForm44::FormResize()
{
    if (!isVisible()) return;
    if (!Image1->PrizpusobOknu()) return;
    if (kontejnerSit_ && kontejnerSit_->data != nullptr && kontejnerSit_->data->body.size() > 1) Vykresli();
}

// ---------------------------------------------------------------- mouse and view

void TForm44::Image1MouseDown(Qt::MouseButton tlacitko, Qt::KeyboardModifiers, int x, int y)
{
    mys_.Stisk(tlacitko, x, y);
}

void TForm44::Image1MouseMove(Qt::MouseButtons tlacitka, Qt::KeyboardModifiers modifikatory, int x, int y)
{
    int dx = 0, dy = 0;
    if (kontejnerSit_ && mys_.Tah(tlacitka, modifikatory, x, y, dx, dy)) Posun(dx, dy);
}

void TForm44::FormMouseWheel(int delta) { Zvetsi(delta > 0); }

void TForm44::BitBtn2Click()
{
    if (!kontejnerSit_) return;
    kontejnerSit_->CalcDefView();
    Vykresli();
}

void TForm44::BitBtn3Click() { Zvetsi(true); }
void TForm44::BitBtn4Click() { Zvetsi(false); }

void TForm44::Zvetsi(bool priblizit)
{
    if (!kontejnerSit_) return;
    if (priblizit)
        kontejnerSit_->ZoomIn();
    else
        kontejnerSit_->ZoomOut();
    Vykresli();
}

void TForm44::BitBtn5Click() { Posun(-kKrokPosunu, 0); }
void TForm44::BitBtn8Click() { Posun(kKrokPosunu, 0); }
void TForm44::BitBtn6Click() { Posun(0, -kKrokPosunu); }
void TForm44::BitBtn7Click() { Posun(0, kKrokPosunu); }

void TForm44::Posun(int dx, int dy)
{
    if (!kontejnerSit_) return;
    kontejnerSit_->Trans(dx, dy);
    Vykresli();
}

// ---------------------------------------------------------------- colour and default buttons

void TForm44::BitBtn11Click()
{
    for (BarvaBox* b : {ColorBox1, ColorBox2, ColorBox3, ColorBox5}) b->NastavIndex(kCerna);
    ColorBox4->NastavIndex(kBila);
    Prekreslit();
}

void TForm44::BitBtn10Click()
{
    const Tgrafika v = VychoziVolbyGrafu();
    ColorBox1->NastavIndex(v.barvaFixBod);
    ColorBox2->NastavIndex(v.barvaVyrBod);
    ColorBox3->NastavIndex(v.barvaMereni);
    ColorBox4->NastavIndex(v.barvaPozadi);
    ColorBox5->NastavIndex(v.barvaElipsa);
    Prekreslit();
}

void TForm44::BitBtn1Click()
{
    NastavOvladace(VychoziVolbyGrafu());
    if (kontejnerSit_) kontejnerSit_->CalcDefView();
    Prekreslit();
}

// ---------------------------------------------------------------- saving

void TForm44::PrekreslitDXF(TDXFwriterSit& dxf)
{
    VolbyDoDXF(VolbyOvladacu(), nastaveni != nullptr ? nastaveni->typJazyk : 1, dxf);
}

void TForm44::BitBtn12Click()
{
    if (!kontejnerSit_ || kontejnerSit_->data == nullptr || nastaveni == nullptr) return;
    UlozKresbu(*Image1->Bitmapa(), [this](const std::string& cesta, std::string& duvod) {
        // The DXF axes for the chosen coordinate system, on a copy.
        TgrafikaData kopie;
        kopie.KopirujDXF(*kontejnerSit_->data, nastaveni->jednotky.souradnicovySystem);
        TDXFwriterSit dxf;
        dxf.ConnectData(kopie);
        PrekreslitDXF(dxf);
        dxf.filename = cesta;
        if (dxf.createdxf()) return true;
        duvod = dxf.duvodOtevreni;
        return false;
    });
}

}  // namespace sitmera
