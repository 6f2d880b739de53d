#include "ui/EtapaTransformacniKlicOkno.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "program/Globalni.h"
#include "ui/layer/ComboPomocne.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

constexpr int kMetodaUzivatelska = 3;
constexpr const char* kKonecRadku = "\r\n";

// The working copy: lives for the whole run, overwritten at every showing.
TtransformacniKlicEtapa klicPracovni;

Extended Translace(const TtransformacniKlicEtapa& k, bool user, int i)
{
    const Tmatrix& t = user ? k.translaceUser : k.translace;
    return i < static_cast<int>(t.size()) && !t[i].empty() ? t[i][0] : 0;
}

Extended Uhel(const TtransformacniKlicEtapa& k, bool user, int i)
{
    const Tvector& u = user ? k.uhelStoceniUser : k.uhelStoceni;
    return i < static_cast<int>(u.size()) ? u[i] : 0;
}

bool Platny(const TboolVector& v, int i)
{
    return i < static_cast<int>(v.size()) && v[i];
}

// The stored point index of a role in the role's list; null when the key's
// tables do not hold it.
std::int32_t* UlozenyBod(TtransformacniKlicEtapa& k, int role)
{
    if (role < 0 || role >= static_cast<int>(k.typBod.size()) || role >= static_cast<int>(k.poradiBod.size()))
        return nullptr;
    const int seznam = k.typBod[role];
    if (seznam < 0 || seznam >= static_cast<int>(k.poradiBod[role].size())) return nullptr;
    return &k.poradiBod[role][seznam];
}

}  // namespace

// ---------------------------------------------------------------- pure parts

std::array<std::string, 6> TextyHodnotKlice(const TtransformacniKlicEtapa& klic, const Tnastaveni& nastaveni)
{
    std::array<std::string, 6> t;
    const bool user = klic.typ == kMetodaUzivatelska;
    if (!user && !klic.jePlny) return t;
    const auto& j = nastaveni.jednotky;
    const auto& p = nastaveni.presnost;
    for (int i = 0; i < 3; ++i) {
        if (!user || Platny(klic.translaceUserJePlny, i))
            t[i] = CisloNaTextPresnost(p.souradnice.hodnota, MetryNaDelku(j.souradnice, Translace(klic, user, i)));
        if (!user || Platny(klic.uhelStoceniUserJePlny, i))
            t[3 + i] = CisloNaTextPresnost(p.uhel.hodnota, RadianyNaUhel(j.uhel, Uhel(klic, user, i)));
    }
    return t;
}

bool KontrolaAUlozeniKlice(TtransformacniKlicEtapa& klic, const std::array<std::string, 6>& texty,
                           const std::array<std::string, 6>& zobrazene, const Tnastaveni& nastaveni)
{
    if (klic.typ != kMetodaUzivatelska) return klic.jePlny;
    klic.translaceUser.resize(3);
    for (Tvector& radek : klic.translaceUser)
        if (radek.empty()) radek.assign(1, 0);
    klic.uhelStoceniUser.resize(3, 0);
    klic.translaceUserJePlny.resize(3, false);
    klic.uhelStoceniUserJePlny.resize(3, false);
    const auto& j = nastaveni.jednotky;
    // A full turn in the user's angle unit: 2 pi rad, 400 gon, 360 degrees.
    const Extended otocka = RadianyNaUhel(j.uhel, DvaPi);
    bool vse = true;
    for (int i = 0; i < 3; ++i) {
        // A value shown and left as it was keeps its stored full precision
        // when it passes the checks of a typed value in the user's unit; a
        // typed one, or a stored one that fails them (a project may hold any
        // value), is read from its text.
        if (texty[i] != zobrazene[i] || !klic.translaceUserJePlny[i] ||
            !HodnotaJeCislo(MetryNaDelku(j.souradnice, klic.translaceUser[i][0]))) {
            klic.translaceUserJePlny[i] = JeCislo(texty[i]);
            if (klic.translaceUserJePlny[i]) klic.translaceUser[i][0] = DelkaNaMetry(j.souradnice, TextNaCislo(texty[i]));
        }
        const std::string& u = texty[3 + i];
        const Extended uhel = RadianyNaUhel(j.uhel, klic.uhelStoceniUser[i]);
        if (u != zobrazene[3 + i] || !klic.uhelStoceniUserJePlny[i] || !HodnotaJeCislo(uhel) ||
            !JeVIntervalu(uhel, 0, otocka)) {
            klic.uhelStoceniUserJePlny[i] = TextJeVIntervalu(u, 0, otocka);
            if (klic.uhelStoceniUserJePlny[i]) klic.uhelStoceniUser[i] = UhelNaRadiany(j.uhel, TextNaCislo(u));
        }
        vse = vse && klic.translaceUserJePlny[i] && klic.uhelStoceniUserJePlny[i];
    }
    return vse && VypocetKlice(klic);
}

TpovoleniKlice PovoleniKlice(int metoda)
{
    return {metoda == 1 || metoda == 2, metoda == 2, metoda == kMetodaUzivatelska};
}

Tpopisky PopiskyKlice(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    const auto& p = jazyk.popis;
    const std::string delka = " [" + jazyk.popisJednotky.x_hodnota + "]:";
    const std::string uhel = " [" + jazyk.popisJednotky.smer_hodnota + "]:";
    return {
        {"", p.transformacniKlic},
        {"Label1", t.transformacni + " " + MalaPismena(t.metoda)},
        {"Label2", t.vztazne + " " + MalaPismena(p.body)},
        {"Label3", "A:"},
        {"Label4", "B:"},
        {"Label5", "C:"},
        {"Label6", p.transformacniKlic},
        {"Label7", p.translace},
        {"Label8", p.x + delka},
        {"Label9", p.y + delka},
        {"Label10", p.z + delka},
        {"Label11", p.rotace},
        {"Label12", p.x + uhel},
        {"Label13", p.y + uhel},
        {"Label14", p.z + uhel},
        {"Button1", t.vlozit + " [Ent]"},
        {"Button2", t.ukoncit + " [Esc]"},
        {"Kopirovat1", t.kopirovat},
    };
}

TStringList PolozkyMetodyKlice(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    const std::string rotace = MalaPismena(jazyk.popis.rotace);
    return {
        "1. " + t.bez2 + " " + MalaPismena(t.transformace),
        "2. " + t.primka + " AB (" + rotace + " Z)",
        "3. " + t.rovina + " ABC (" + rotace + " XYZ)",
        "4. " + t.uzivatelsky + " " + MalaPismena(jazyk.popis.transformacniKlic),
    };
}

std::string TextKopieKlice(const TobsahKlice& o, int metoda)
{
    std::string s;
    auto radek = [&s](std::initializer_list<std::string> bunky) {
        bool prvni = true;
        for (const std::string& b : bunky) {
            if (!prvni) s += '\t';
            s += b;
            prvni = false;
        }
        s += kKonecRadku;
    };
    radek({o.nadpis});
    radek({o.label[1]});
    radek({o.combo[7]});
    if (metoda == 1 || metoda == 2) {
        radek({o.label[2]});
        radek({o.label[3], o.combo[1], o.combo[4]});
        radek({o.label[4], o.combo[2], o.combo[5]});
        if (metoda == 2) radek({o.label[5], o.combo[3], o.combo[6]});
    }
    radek({o.label[6]});
    radek({o.label[7]});
    for (int i = 0; i < 3; ++i) radek({o.label[8 + i], o.edit[1 + i]});
    radek({o.label[11]});
    for (int i = 0; i < 3; ++i) radek({o.label[12 + i], o.edit[4 + i]});
    return s;
}

// ---------------------------------------------------------------- the window

TForm77::TForm77(QWidget* rodic) : Formular(QStringLiteral("Form77"), rodic)
{
    auto* mriz = new QGridLayout(this);
    mriz->setSizeConstraint(QLayout::SetFixedSize);
    for (int i = 1; i <= 14; ++i) Label[i] = NovyLabel(this, QStringLiteral("Label%1").arg(i));
    auto combo = [this](const char* jmeno) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(jmeno));
        return c;
    };
    ComboBox7 = combo("ComboBox7");
    ComboBox1 = combo("ComboBox1");
    ComboBox2 = combo("ComboBox2");
    ComboBox3 = combo("ComboBox3");
    ComboBox4 = combo("ComboBox4");
    ComboBox5 = combo("ComboBox5");
    ComboBox6 = combo("ComboBox6");
    for (QComboBox* c : {ComboBox1, ComboBox2, ComboBox3}) {
        for (const char* p : {"1", "2", "U"}) c->addItem(QLatin1String(p));
        c->setFixedWidth(50);
    }
    for (QComboBox* c : {ComboBox4, ComboBox5, ComboBox6}) c->setMinimumWidth(150);
    std::array<QLineEdit*, 6> edity{};
    for (int i = 0; i < 6; ++i) {
        edity[i] = new QLineEdit(this);
        edity[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edity[i]->setAlignment(Qt::AlignRight);
    }
    Edit1 = edity[0];
    Edit2 = edity[1];
    Edit3 = edity[2];
    Edit4 = edity[3];
    Edit5 = edity[4];
    Edit6 = edity[5];

    // Method; reference points A, B, C (list, point); the key's translation
    // and rotation.
    mriz->addWidget(Label[1], 0, 0, 1, 3);
    mriz->addWidget(ComboBox7, 1, 0, 1, 3);
    mriz->addWidget(Label[2], 2, 0, 1, 3);
    const std::array<QComboBox*, 3> seznamy{ComboBox1, ComboBox2, ComboBox3};
    const std::array<QComboBox*, 3> body{ComboBox4, ComboBox5, ComboBox6};
    for (int r = 0; r < 3; ++r) {
        mriz->addWidget(Label[3 + r], 3 + r, 0);
        mriz->addWidget(seznamy[r], 3 + r, 1);
        mriz->addWidget(body[r], 3 + r, 2);
    }
    QFont tucne = Label[6]->font();
    tucne.setBold(true);
    Label[6]->setFont(tucne);
    mriz->addWidget(Label[6], 6, 0, 1, 3);
    mriz->addWidget(Label[7], 7, 0, 1, 3);
    for (int i = 0; i < 3; ++i) {
        mriz->addWidget(Label[8 + i], 8 + i, 0, 1, 2);
        mriz->addWidget(edity[i], 8 + i, 2);
    }
    mriz->addWidget(Label[11], 11, 0, 1, 3);
    for (int i = 0; i < 3; ++i) {
        mriz->addWidget(Label[12 + i], 12 + i, 0, 1, 2);
        mriz->addWidget(edity[3 + i], 12 + i, 2);
    }
    Button1 = VytvorTlacitko(*this, "Button1", [this] { Button1Click(); });
    Button2 = VytvorTlacitko(*this, "Button2", [this] { Button2Click(); });
    mriz->addLayout(RadaTlacitek({Button1, Button2}), 15, 0, 1, 3);

    PopupMenu1 = VytvorPopupMenu(*this, QStringLiteral("PopupMenu1"));
    Kopirovat1 = PridejPolozku(PopupMenu1, QStringLiteral("Kopirovat1"), zkratka::CtrlP, [this] { Kopirovat1Click(); });
    PripojPopupMenu(this, PopupMenu1);

    auto prikaz = [this](std::function<void()> p) { SpustPrikaz(this, p); };
    connect(ComboBox7, &QComboBox::activated, this, [this, prikaz](int i) { prikaz([this, i] { ComboBox7Select(i); }); });
    for (int r = 0; r < 3; ++r) {
        connect(seznamy[r], &QComboBox::activated, this,
                [this, prikaz, r](int i) { prikaz([this, r, i] { ComboBoxSeznamSelect(r, i); }); });
        connect(body[r], &QComboBox::activated, this,
                [this, prikaz, r](int i) { prikaz([this, r, i] { ComboBoxBodSelect(r, i); }); });
    }
}

std::array<QLineEdit*, 6> TForm77::Edity() const
{
    return {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
}

void TForm77::FormShow()
{
    if (!ExistujiGlobalniObjekty()) return;
    PouzijPopisky(*this, PopiskyKlice(*jazyk));
    ComboBox7->clear();
    for (const std::string& p : PolozkyMetodyKlice(*jazyk)) ComboBox7->addItem(NaQString(p));
    // The window takes the size of its texts before it is placed.
    layout()->activate();
    VycentrujOkno(this, Otvirac());
    KopirujKlic(klicPracovni, klicTransformace);
    ZapisTransformaceHodnoty();
    PriraditSouradniceKlice(klicPracovni, modelPorovnani->etapa1.souradnice, modelPorovnani->etapa2.souradnice,
                            *souradniceUzivatelske);
    for (int r = 0; r < 3; ++r) NaplnComboBodu(r);
    ZapisTransformaceNastaveni();
    ComboBoxZamek();
    ComboBox7->setFocus();
}

void TForm77::FormKeyDown(int& klavesa, Qt::KeyboardModifiers)
{
    KlavesyDialogu(klavesa, [this] { Button1Click(); }, [this] { Button2Click(); });
}

void TForm77::NaplnComboBodu(int role)
{
    QComboBox* combo = std::array<QComboBox*, 3>{ComboBox4, ComboBox5, ComboBox6}[role];
    const Tsouradnice* seznam =
        std::array<const Tsouradnice*, 3>{klicPracovni.souradniceBod, klicPracovni.souradniceCil1,
                                          klicPracovni.souradniceCil2}[role];
    combo->clear();
    std::vector<int>& indexy = indexyBodu_[role];
    indexy.clear();
    if (seznam == nullptr) return;
    for (int i = 0; i < static_cast<int>(seznam->bod.size()); ++i) {
        const Tbod& b = seznam->bod[i];
        if (!b.JePlny) continue;
        combo->addItem(NaQString(PolozkaBodu(b.cislo, b.JeFixni, true)));
        indexy.push_back(i);
    }
    // The stored point of the role in its list (none: no item).
    const std::int32_t* ulozeny = UlozenyBod(klicPracovni, role);
    const auto it = ulozeny != nullptr ? std::find(indexy.begin(), indexy.end(), *ulozeny) : indexy.end();
    combo->setCurrentIndex(it != indexy.end() ? static_cast<int>(it - indexy.begin()) : -1);
}

void TForm77::ZapisTransformaceHodnoty()
{
    zobrazene_ = TextyHodnotKlice(klicPracovni, *nastaveni);
    const auto edity = Edity();
    for (int i = 0; i < 6; ++i) edity[i]->setText(NaQString(zobrazene_[i]));
}

void TForm77::ZapisTransformaceNastaveni()
{
    const std::array<QComboBox*, 3> seznamy{ComboBox1, ComboBox2, ComboBox3};
    for (int r = 0; r < 3; ++r)
        seznamy[r]->setCurrentIndex(r < static_cast<int>(klicPracovni.typBod.size()) ? klicPracovni.typBod[r] : -1);
    // The point boxes were set from the stored points when they were filled.
    ComboBox7->setCurrentIndex(klicPracovni.typ);
}

void TForm77::ComboBoxZamek()
{
    const TpovoleniKlice p = PovoleniKlice(ComboBox7->currentIndex());
    for (QComboBox* c : {ComboBox1, ComboBox2, ComboBox4, ComboBox5}) c->setEnabled(p.ab);
    for (QComboBox* c : {ComboBox3, ComboBox6}) c->setEnabled(p.c);
    EditReadOnly(!p.edity);
}

void TForm77::EditReadOnly(bool vstup)
{
    // Read-only values show on the window's colour, those to be typed on
    // the usual white.
    const QPalette zaklad = QApplication::palette(this);
    for (QLineEdit* e : Edity()) {
        e->setReadOnly(vstup);
        QPalette p = e->palette();
        p.setColor(QPalette::Base, zaklad.color(vstup ? QPalette::Window : QPalette::Base));
        e->setPalette(p);
    }
}

bool TForm77::KontrolaAUlozeniKlice()
{
    std::array<std::string, 6> texty;
    const auto edity = Edity();
    for (int i = 0; i < 6; ++i) texty[i] = NaUtf8(edity[i]->text());
    const bool uspech = sitmera::KontrolaAUlozeniKlice(klicPracovni, texty, zobrazene_, *nastaveni);
    // The stored values shown again: an invalid field empty.
    if (klicPracovni.typ == kMetodaUzivatelska) ZapisTransformaceHodnoty();
    return uspech;
}

void TForm77::Button1Click()
{
    if (!ExistujiGlobalniObjekty() || !KontrolaAUlozeniKlice()) return;
    KopirujKlic(klicTransformace, klicPracovni);
    info->jeTransformaceEtapa1 = false;
    info->jeTransformaceEtapa2 = false;
    Close();
}

void TForm77::Button2Click()
{
    Close();
}

void TForm77::ComboBox7Select(int index)
{
    if (!ExistujiGlobalniObjekty() || index < 0 || index == klicPracovni.typ) return;
    // The user values typed so far are kept for a return to them.
    KontrolaAUlozeniKlice();
    klicPracovni.typ = static_cast<std::uint8_t>(index);
    ComboBox7->setCurrentIndex(index);
    ComboBoxZamek();
    VypocetKlice(klicPracovni);
    ZapisTransformaceHodnoty();
}

void TForm77::ComboBoxSeznamSelect(int role, int index)
{
    if (!ExistujiGlobalniObjekty() || role < 0 || role > 2 || index < 0 || index > 2) return;
    if (role >= static_cast<int>(klicPracovni.typBod.size())) return;
    std::array<QComboBox*, 3>{ComboBox1, ComboBox2, ComboBox3}[role]->setCurrentIndex(index);
    if (index == klicPracovni.typBod[role]) return;
    klicPracovni.typBod[role] = index;
    PriraditSouradniceKlice(klicPracovni, modelPorovnani->etapa1.souradnice, modelPorovnani->etapa2.souradnice,
                            *souradniceUzivatelske);
    NaplnComboBodu(role);
    VypocetKlice(klicPracovni);
    ZapisTransformaceHodnoty();
}

void TForm77::ComboBoxBodSelect(int role, int index)
{
    if (!ExistujiGlobalniObjekty() || role < 0 || role > 2) return;
    const std::vector<int>& indexy = indexyBodu_[role];
    const int bod = index >= 0 && index < static_cast<int>(indexy.size()) ? indexy[index] : -1;
    std::array<QComboBox*, 3>{ComboBox4, ComboBox5, ComboBox6}[role]->setCurrentIndex(bod >= 0 ? index : -1);
    std::int32_t* ulozeny = UlozenyBod(klicPracovni, role);
    if (ulozeny == nullptr || bod == *ulozeny) return;
    *ulozeny = bod;
    VypocetKlice(klicPracovni);
    ZapisTransformaceHodnoty();
}

void TForm77::Kopirovat1Click()
{
    TobsahKlice o;
    o.nadpis = NaUtf8(windowTitle());
    for (int i = 1; i <= 14; ++i) o.label[i] = NaUtf8(Label[i]->text());
    const std::array<QComboBox*, 8> comba{nullptr,   ComboBox1, ComboBox2, ComboBox3,
                                          ComboBox4, ComboBox5, ComboBox6, ComboBox7};
    for (int i = 1; i <= 7; ++i) o.combo[i] = NaUtf8(comba[i]->currentText());
    const auto edity = Edity();
    for (int i = 0; i < 6; ++i) o.edit[1 + i] = NaUtf8(edity[i]->text());
    NastavTextSchranky(TextKopieKlice(o, ComboBox7->currentIndex()));
}

TForm77& Form77()
{
    return JedineOkno<TForm77>();
}

}  // namespace sitmera
