#include "ui/displacements/VyberPosunyOkno.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "program/Globalni.h"
#include "ui/displacements/PosunyMainOkno.h"
#include "ui/displacements/PosunyMenu.h"
#include "ui/displacements/TabulkaPosuny.h"
#include "ui/layer/ComboPomocne.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/VyberSouradniceOkno.h"

namespace sitmera {

namespace {

// The item of a stored code, 0 when the box has no such item.
int Polozka(Extended kod, int polozek)
{
    const int k = KodKriteria(kod);
    return k >= 0 && k < polozek ? k : 0;
}

QComboBox* NoveCombo(QWidget* rodic, const std::string& jmeno)
{
    auto* c = new QComboBox(rodic);
    c->setObjectName(NaQString(jmeno));
    return c;
}

QLineEdit* NovyEdit(QWidget* rodic, const std::string& jmeno)
{
    auto* e = new QLineEdit(rodic);
    e->setObjectName(NaQString(jmeno));
    e->setMinimumWidth(120);
    return e;
}

}  // namespace

// ---------------------------------------------------------------- pure functions

bool ZadaniDoKriterii(const TzadaniPosunu& zadani, Tposun& kriteria)
{
    kriteria.JePlny = !OrizniAJePrazdny(zadani.cislo, kriteria.cislo);
    kriteria.kvantilS.X = zadani.operatorCisla;
    for (int k = 0; k < 5; ++k) {
        const auto i = static_cast<std::size_t>(k);
        Extended hodnota = 0;
        const bool platna = ZkusTextNaCislo(zadani.hodnoty[i], hodnota);
        NastavProkazaniVeliciny(kriteria.prokazaniAprior, k, platna);
        NastavHodnotuVeliciny(kriteria.hodnota, k, hodnota);
        NastavHodnotuVeliciny(kriteria.kvantilS, k + 1, zadani.operatory[i]);
        NastavProkazaniVeliciny(kriteria.prokazaniAposter, k, zadani.vyznamnost[i] > 0);
        NastavHodnotuVeliciny(kriteria.odchylkaAprior, k + 1, zadani.vyznamnost[i]);
    }
    kriteria.JeFix1 = zadani.fixace > 0;
    kriteria.odchylkaAprior.X = zadani.fixace;
    return JePosunOznacen(kriteria);
}

TzadaniPosunu KriteriaDoZadani(const Tposun& kriteria, const Tnastaveni& nastaveni)
{
    TzadaniPosunu z;
    if (kriteria.JePlny) z.cislo = kriteria.cislo;
    z.operatorCisla = Polozka(kriteria.kvantilS.X, 7);
    for (int k = 0; k < 5; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (ProkazaniVeliciny(kriteria.prokazaniAprior, k))
            z.hodnoty[i] = CisloNaTextPresnost(nastaveni.presnost.posun.hodnota, HodnotaVeliciny(kriteria.hodnota, k));
        z.operatory[i] = Polozka(HodnotaVeliciny(kriteria.kvantilS, k + 1), 6);
        z.vyznamnost[i] = Polozka(HodnotaVeliciny(kriteria.odchylkaAprior, k + 1), 5);
    }
    z.fixace = Polozka(kriteria.odchylkaAprior.X, 5);
    return z;
}

Tpopisky PopiskyVyberPosuny(const Tjazyk& jazyk, int rezim)
{
    const auto& t = jazyk.tlacitko;
    const auto& p = jazyk.popis;
    Tpopisky texty{
        {"", rezim == 1 ? t.najit + " " + MalaPismena(t.posun2) : t.vyber + " " + MalaPismena(t.dleAtributu)},
        {"Label1", p.cislo + ":"},
        {"Label2", t.fixace + ":"},
        {"Label8", t.hodnoceni},
        {"Button1", t.vybrat + " [Ent]"},
        {"Button2", t.ukoncit + " [Esc]"},
    };
    const std::string jednotka = " [" + jazyk.popisJednotky.posun_hodnota + "]:";
    for (int k = 0; k < 5; ++k) {
        texty.push_back({"Label" + std::to_string(3 + k), NazevVelicinyPosunu(jazyk, k) + jednotka});
        texty.push_back({"Label" + std::to_string(9 + k), NazevVelicinyPosunu(jazyk, k) + jednotka});
    }
    return texty;
}

TStringList PolozkyFixacePosunu(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    const auto etapa = [&](std::size_t i) {
        const std::string cislo = i < jazyk.arabskeCislice.size() ? jazyk.arabskeCislice[i] : std::to_string(i + 1);
        return t.jeFixni + " (" + cislo + ". " + MalaPismena(t.etapa) + ")";
    };
    return {"", t.neniFixni, etapa(0), etapa(1), t.jeFixni};
}

TStringList PolozkyVyznamnostiPosunu(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    return {"", t.nevyznamny, t.vyznamny + " (" + MalaPismena(jazyk.popis.apriorni) + ")",
            t.vyznamny + " (" + MalaPismena(jazyk.popis.aposteriorni) + ")", t.vyznamny};
}

// ---------------------------------------------------------------- the window

TForm81::TForm81(QWidget* rodic) : Formular(QStringLiteral("Form81"), rodic)
{
    auto* hlavni = new QVBoxLayout(this);
    hlavni->setSizeConstraint(QLayout::SetFixedSize);
    auto* mrizka = new QGridLayout();
    mrizka->setHorizontalSpacing(8);
    hlavni->addLayout(mrizka);

    int radek = 0;
    Label1 = NovyLabel(this, "Label1");
    ComboBox01 = NoveCombo(this, "ComboBox01");
    Edit1 = NovyEdit(this, "Edit1");
    mrizka->addWidget(Label1, radek, 0);
    mrizka->addWidget(ComboBox01, radek, 1);
    mrizka->addWidget(Edit1, radek++, 2);
    Label2 = NovyLabel(this, "Label2");
    ComboBox11 = NoveCombo(this, "ComboBox11");
    mrizka->addWidget(Label2, radek, 0);
    mrizka->addWidget(ComboBox11, radek++, 1, 1, 2);
    for (int k = 0; k < 5; ++k) {
        const auto i = static_cast<std::size_t>(k);
        LabelHodnoty[i] = NovyLabel(this, ("Label" + std::to_string(3 + k)).c_str());
        ComboHodnoty[i] = NoveCombo(this, "ComboBox0" + std::to_string(2 + k));
        EditHodnoty[i] = NovyEdit(this, "Edit" + std::to_string(2 + k));
        mrizka->addWidget(LabelHodnoty[i], radek, 0);
        mrizka->addWidget(ComboHodnoty[i], radek, 1);
        mrizka->addWidget(EditHodnoty[i], radek++, 2);
    }
    mrizka->setRowMinimumHeight(radek++, 6);
    Label8 = NovyNadpis(this, "Label8");
    mrizka->addWidget(Label8, radek++, 0, 1, 3);
    for (int k = 0; k < 5; ++k) {
        const auto i = static_cast<std::size_t>(k);
        LabelVyznamnost[i] = NovyLabel(this, ("Label" + std::to_string(9 + k)).c_str());
        ComboVyznamnost[i] = NoveCombo(this, "ComboBox1" + std::to_string(2 + k));
        mrizka->addWidget(LabelVyznamnost[i], radek, 0);
        mrizka->addWidget(ComboVyznamnost[i], radek++, 1, 1, 2);
    }

    Button1 = VytvorTlacitko(*this, "Button1", [this] { Button1Click(); });
    Button2 = VytvorTlacitko(*this, "Button2", [this] { Button2Click(); });
    hlavni->addSpacing(8);
    hlavni->addLayout(RadaTlacitek({Button1, Button2}));

    NaplnComboTexty(ComboBox01, PolozkyOperatoruCisla());
    for (QComboBox* c : ComboHodnoty) NaplnComboTexty(c, PolozkyOperatoruHodnoty());
}

TzadaniPosunu TForm81::Zadani() const
{
    TzadaniPosunu z;
    z.cislo = NaUtf8(Edit1->text());
    z.operatorCisla = ComboBox01->currentIndex();
    z.fixace = ComboBox11->currentIndex();
    for (std::size_t i = 0; i < 5; ++i) {
        z.hodnoty[i] = NaUtf8(EditHodnoty[i]->text());
        z.operatory[i] = ComboHodnoty[i]->currentIndex();
        z.vyznamnost[i] = ComboVyznamnost[i]->currentIndex();
    }
    return z;
}

void TForm81::NastavZadani(const TzadaniPosunu& z)
{
    Edit1->setText(NaQString(z.cislo));
    ComboBox01->setCurrentIndex(z.operatorCisla);
    ComboBox11->setCurrentIndex(z.fixace);
    for (std::size_t i = 0; i < 5; ++i) {
        EditHodnoty[i]->setText(NaQString(z.hodnoty[i]));
        ComboHodnoty[i]->setCurrentIndex(z.operatory[i]);
        ComboVyznamnost[i]->setCurrentIndex(z.vyznamnost[i]);
    }
}

void TForm81::FormShow()
{
    if (!ExistujiGlobalniObjekty()) return;
    const int rezim = nastaveni->okno.atributyVyberu;
    posunPracovni = rezim == 1 ? posunHledani : posunVyber;
    PouzijPopisky(*this, PopiskyVyberPosuny(*jazyk, rezim));
    NaplnComboTexty(ComboBox11, PolozkyFixacePosunu(*jazyk));
    for (QComboBox* c : ComboVyznamnost) NaplnComboTexty(c, PolozkyVyznamnostiPosunu(*jazyk));
    NastavZadani(KriteriaDoZadani(posunPracovni, *nastaveni));
    layout()->activate();  // the window takes the size of its new texts at once
    VycentrujOkno(this, Otvirac());
    Edit1->setFocus();
    Edit1->selectAll();
}

void TForm81::FormClose()
{
    // Also after Esc: the entries are offered again next time.
    if (!ExistujiGlobalniObjekty()) return;
    if (nastaveni->okno.atributyVyberu == 1)
        posunHledani = posunPracovni;
    else
        posunVyber = posunPracovni;
}

void TForm81::Button1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    const bool nejake = ZadaniDoKriterii(Zadani(), posunPracovni);
    // An entry that is no criterion is emptied.
    if (!posunPracovni.JePlny) Edit1->clear();
    for (int k = 0; k < 5; ++k)
        if (!ProkazaniVeliciny(posunPracovni.prokazaniAprior, k)) EditHodnoty[static_cast<std::size_t>(k)]->clear();
    if (!nejake) return;

    if (TForm68* okno = OknoPosunu(Otvirac())) {
        const Tposuny& posuny = modelPosuny->posuny;
        Mrizka* mrizka = okno->StringGrid3;
        int index = -1;
        if (nastaveni->okno.atributyVyberu == 1) {
            // From the current row to the end, then once round to it.
            const int aktualni = mrizka->Row();
            const int posledni = static_cast<int>(posuny.zaznam.size()) - 1;
            if (!HledejPosunDleAtributu(posuny, posunPracovni, index, *nastaveni, posledni, aktualni) &&
                !HledejPosunDleAtributu(posuny, posunPracovni, index, *nastaveni, aktualni, -1))
                index = -1;
        } else {
            VyberPosunyDleAtributu(posuny, posunPracovni, okno->vyber, *nastaveni);
            for (std::size_t i = 0; i < okno->vyber.size() && index < 0; ++i)
                if (okno->vyber[i]) index = static_cast<int>(i);
        }
        if (index >= 0) ZobrazRadek(mrizka, index, mrizka->RowCount());
        mrizka->Repaint();
    }
    Close();
}

void TForm81::Button2Click()
{
    Close();
}

void TForm81::FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory)
{
    (void)modifikatory;
    if (KlavesyDialogu(klavesa, [this] { Button1Click(); }, [this] { Close(); })) FokusTabulkyPosunu(Otvirac());
}

TForm81& Form81()
{
    return JedineOkno<TForm81>();
}

}  // namespace sitmera
