#include "ui/VyberSouradniceOkno.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "program/Globalni.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/SouradniceMenu.h"
#include "ui/SouradniceVstupOkno2.h"
#include "ui/TabulkaSouradnice.h"

namespace sitmera {

// ---------------------------------------------------------------- the criteria

TStringList PolozkyOperatoruCisla()
{
    return {"=", "\u2248", ">", "<", "\u2265", "\u2264", "\u2260"};
}

TStringList PolozkyOperatoruHodnoty()
{
    return {"=", ">", "<", "\u2265", "\u2264", "\u2260"};
}

std::string NadpisHledaniBodu(const Tjazyk& jazyk, int atributyVyberu)
{
    if (atributyVyberu == 2) return jazyk.tlacitko.vyber + " " + MalaPismena(jazyk.tlacitko.dleAtributu);
    return jazyk.tlacitko.najit + " " + MalaPismena(jazyk.popis.bod);
}

std::array<std::string, 4> TextyKriterii(const Tatribut& atribut, const Tnastaveni& nastaveni)
{
    const int d = nastaveni.presnost.souradnice.hodnota;
    std::array<std::string, 4> t;
    if (atribut.kontrola[0]) t[0] = atribut.cislo_stn;
    if (atribut.kontrola[1]) t[1] = CisloNaTextPresnost(d, atribut.delka);
    if (atribut.kontrola[2]) t[2] = CisloNaTextPresnost(d, atribut.smer);
    if (atribut.kontrola[3]) t[3] = CisloNaTextPresnost(d, atribut.zenit);
    return t;
}

void PrevezmiKriteria(const std::array<std::string, 4>& texty, const std::array<int, 5>& polozky,
                      Tatribut& atribut)
{
    std::string cislo;
    atribut.kontrola[0] = !OrizniAJePrazdny(texty[0], cislo);
    atribut.cislo_stn = cislo;
    atribut.kontrola[1] = ZkusTextNaCislo(texty[1], atribut.delka);
    atribut.kontrola[2] = ZkusTextNaCislo(texty[2], atribut.smer);
    atribut.kontrola[3] = ZkusTextNaCislo(texty[3], atribut.zenit);
    atribut.kontrola[4] = polozky[4] > 0;
    atribut.sig_smer = polozky[0];
    atribut.sig_zenit = polozky[1];
    atribut.vaha_delka = polozky[2];
    atribut.vaha_smer = polozky[3];
    atribut.smernik = std::max(polozky[4], 0);
}

int NajdiBodSObtocenim(const Tsouradnice& souradnice, const Tatribut& atribut, int aktualni,
                       const Tnastaveni& nastaveni, bool fixace)
{
    int index = aktualni;
    const int posledni = static_cast<int>(souradnice.bod.size()) - 1;
    if (!HledejBodDleAtributu(souradnice, atribut, index, nastaveni, posledni, aktualni, fixace))
        HledejBodDleAtributu(souradnice, atribut, index, nastaveni, aktualni, -1, fixace);
    return index;
}

// ---------------------------------------------------------------- the window

TvyberBoduOkno::TvyberBoduOkno(const QString& jmeno, bool fixace, QWidget* rodic)
    : Formular(jmeno, rodic), fixace_(fixace)
{
    auto* mriz = new QGridLayout(this);
    mriz->setSizeConstraint(QLayout::SetFixedSize);
    auto label = [this](const char* jmeno) { return NovyLabel(this, jmeno); };
    auto combo = [this](const char* jmeno, const TStringList& polozky) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(jmeno));
        for (const std::string& p : polozky) c->addItem(NaQString(p));
        return c;
    };
    auto edit = [this](const char* jmeno) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(jmeno));
        e->setMinimumWidth(150);
        return e;
    };
    Label1 = label("Label1");
    Label2 = label("Label2");
    Label3 = label("Label3");
    Label4 = label("Label4");
    ComboBox1 = combo("ComboBox1", PolozkyOperatoruCisla());
    ComboBox2 = combo("ComboBox2", PolozkyOperatoruHodnoty());
    ComboBox3 = combo("ComboBox3", PolozkyOperatoruHodnoty());
    ComboBox4 = combo("ComboBox4", PolozkyOperatoruHodnoty());
    Edit1 = edit("Edit1");
    Edit2 = edit("Edit2");
    Edit3 = edit("Edit3");
    Edit4 = edit("Edit4");
    const std::array<QLabel*, 4> labely{Label1, Label2, Label3, Label4};
    const std::array<QComboBox*, 4> comba{ComboBox1, ComboBox2, ComboBox3, ComboBox4};
    const std::array<QLineEdit*, 4> edity{Edit1, Edit2, Edit3, Edit4};
    for (int r = 0; r < 4; ++r) {
        mriz->addWidget(labely[r], r, 0);
        mriz->addWidget(comba[r], r, 1);
        mriz->addWidget(edity[r], r, 2);
    }
    int radek = 4;
    if (fixace_) {
        Label5 = label("Label5");
        ComboBox5 = combo("ComboBox5", {"", "", ""});
        mriz->addWidget(Label5, radek, 0);
        mriz->addWidget(ComboBox5, radek, 1, 1, 2);
        ++radek;
    }
    Button1 = VytvorTlacitko(*this, "Button1", [this] { Button1Click(); });
    Button2 = VytvorTlacitko(*this, "Button2", [this] { Button2Click(); });
    mriz->addLayout(RadaTlacitek({Button1, Button2}), radek, 0, 1, 3);
}

Tatribut* TvyberBoduOkno::Kriteria() const
{
    const Tcil c = Cil();
    return rezim_ == 2 ? c.vyberDle : c.hledani;
}

void TvyberBoduOkno::FormShow()
{
    if (!ExistujiGlobalniObjekty()) return;
    rezim_ = nastaveni->okno.atributyVyberu == 2 ? 2 : 1;
    if (const Tatribut* k = Kriteria()) atributPracovni = *k;
    setWindowTitle(NaQString(NadpisHledaniBodu(*jazyk, rezim_)));
    NastavPopisky();
    // The window takes the size of its texts before it is placed.
    layout()->activate();
    VycentrujOkno(this, Otvirac());
    const std::array<QComboBox*, 5> comba{ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5};
    const Tatribut& a = atributPracovni;
    const std::array<Extended, 5> kody{a.sig_smer, a.sig_zenit, a.vaha_delka, a.vaha_smer, a.smernik};
    for (int i = 0; i < 5; ++i)
        if (comba[i] != nullptr) {
            const int kod = KodOperatoru(kody[i]);
            comba[i]->setCurrentIndex(kod >= 0 && kod < comba[i]->count() ? kod : 0);
        }
    const auto texty = TextyKriterii(a, *nastaveni);
    const std::array<QLineEdit*, 4> edity{Edit1, Edit2, Edit3, Edit4};
    for (int i = 0; i < 4; ++i) edity[i]->setText(NaQString(texty[i]));
    Edit1->setFocus();
    Edit1->selectAll();
}

void TvyberBoduOkno::FormClose()
{
    // What was entered is offered next time, confirmed or not.
    if (Tatribut* k = Kriteria()) *k = atributPracovni;
}

void TvyberBoduOkno::ZamerTabulku() const
{
    if (Mrizka* m = Cil().mrizka) m->setFocus();
}

void TvyberBoduOkno::FormKeyDown(int& klavesa, Qt::KeyboardModifiers)
{
    KlavesyDialogu(klavesa, [this] { Button1Click(); }, [this] { Button2Click(); });
}

void TvyberBoduOkno::Button1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    const std::array<QLineEdit*, 4> edity{Edit1, Edit2, Edit3, Edit4};
    const std::array<std::string, 4> texty{NaUtf8(Edit1->text()), NaUtf8(Edit2->text()), NaUtf8(Edit3->text()), NaUtf8(Edit4->text())};
    const std::array<int, 5> polozky{ComboBox1->currentIndex(), ComboBox2->currentIndex(), ComboBox3->currentIndex(),
                                     ComboBox4->currentIndex(),
                                     ComboBox5 != nullptr ? ComboBox5->currentIndex() : -1};
    PrevezmiKriteria(texty, polozky, atributPracovni);
    for (int i = 0; i < 4; ++i)
        if (!atributPracovni.kontrola[i]) edity[i]->clear();
    if (!JeKontrola(atributPracovni)) return;

    const Tcil c = Cil();
    if (c.souradnice != nullptr && c.vyber != nullptr) {
        Mrizka* m = c.mrizka;
        if (rezim_ == 1) {
            const int aktualni = m != nullptr ? m->Row() : 0;
            const int radek = NajdiBodSObtocenim(*c.souradnice, atributPracovni, aktualni, *nastaveni, fixace_);
            ZobrazRadek(m, radek, m != nullptr ? m->RowCount() : 0);
        } else {
            VyberBodyDleAtributu(*c.souradnice, atributPracovni, *c.vyber, *nastaveni, fixace_);
            if (JeNecoVybrano(*c.vyber)) ZobrazRadek(m, PrvniVybrany(*c.vyber), m != nullptr ? m->RowCount() : 0);
            if (m != nullptr) m->Repaint();
        }
    }
    Close();
    ZamerTabulku();
}

void TvyberBoduOkno::Button2Click()
{
    Close();
    ZamerTabulku();
}

// ---------------------------------------------------------------- user points

TForm69::TForm69(QWidget* rodic) : TvyberBoduOkno(QStringLiteral("Form69"), false, rodic) {}

TvyberBoduOkno::Tcil TForm69::Cil() const
{
    return {&souradniceVstup, &vyberVstup.hromadny, Form78().StringGrid3, &atributHledani, &atributVyber};
}

void TForm69::NastavPopisky()
{
    NastavPopiskyHledaniVstup(*this, *jazyk);
}

TForm69& Form69()
{
    return JedineOkno<TForm69>();
}

}  // namespace sitmera
