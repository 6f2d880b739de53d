#include "ui/displacements/PosunyMainInfoOkno.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>

#include <map>

#include "analysis/ModelPosuny.h"
#include "numerics/TextSoubor.h"
#include "program/Globalni.h"
#include "reports/ProtokolPosuny.h"
#include "ui/displacements/PosunyMenu.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

std::string Jmeno(int i)
{
    return "Label" + std::to_string(i);
}

// Label i (1..16) a heading: alone on its line.
bool JeNadpis(int i)
{
    return i == 1 || i == 3 || i == 5 || i == 11;
}

// The value label beside caption label i, 0 for a heading.
int Hodnota(int i)
{
    if (i == 2) return 17;
    if (i == 4) return 18;
    if (i >= 6 && i <= 10) return i + 13;
    if (i >= 12 && i <= 16) return i + 12;
    return 0;
}

}  // namespace

Tpopisky PopiskyInfoPosunu(const Tjazyk& jazyk, const TmodelPosuny& model, const Tnastaveni& nastaveni)
{
    const auto& p = jazyk.popis;
    const auto& t = jazyk.tlacitko;
    Tpopisky texty{
        {"", t.informace + " - " + t.analyzaPosunu},
        {"Label1", p.zakladniInformace},
        {"Label2", p.pocetPosunu + ":"},
        {"Label3", t.hodnoceni},
        {"Label4", p.hladinaVyznamnosti + ":"},
        {"Label5", p.pocetVynamnych + " (" + p.apriorni + "/" + p.aposteriorni + " " + MalaPismena(p.presnost) +
                       "):"},
        {"Label11", t.marginalni + " " + MalaPismena(t.posuny) + ":"},
    };
    const std::string jednotka = " [" + jazyk.popisJednotky.posun_hodnota + "]:";
    for (int k = 0; k < 5; ++k) {
        texty.push_back({Jmeno(6 + k), NazevVelicinyPosunu(jazyk, k) + ":"});
        texty.push_back({Jmeno(12 + k), NazevVelicinyPosunu(jazyk, k) + jednotka});
    }
    // The values as the report's information table writes them: count, risk
    // level, counts of significant displacements, extremes.
    const TtextPole hodnoty = TabulkaInfoPosunu(model, nastaveni, jazyk);
    for (std::size_t r = 0; r < hodnoty.size() && r < 12; ++r)
        texty.push_back({Jmeno(17 + static_cast<int>(r)), hodnoty[r].size() > 1 ? hodnoty[r][1] : std::string()});
    return texty;
}

std::string TextKopieInfoPosunu(const Tpopisky& popisky)
{
    const std::map<std::string, std::string> text(popisky.begin(), popisky.end());
    const auto t = [&text](const std::string& jmeno) {
        const auto it = text.find(jmeno);
        return it == text.end() ? std::string() : it->second;
    };
    std::string kopie = t("") + "\r\n";
    for (int i = 1; i <= 16; ++i) {
        kopie += t(Jmeno(i));
        if (!JeNadpis(i)) kopie += "\t" + t(Jmeno(Hodnota(i)));
        kopie += "\r\n";
    }
    return kopie;
}

TForm76::TForm76(QWidget* rodic) : Formular(QStringLiteral("Form76"), rodic)
{
    auto* mrizka = new QGridLayout(this);
    mrizka->setSizeConstraint(QLayout::SetFixedSize);
    mrizka->setContentsMargins(12, 10, 16, 12);
    mrizka->setHorizontalSpacing(16);
    mrizka->setVerticalSpacing(4);
    for (int i = 1; i <= 28; ++i) Label[static_cast<std::size_t>(i - 1)] = NovyLabel(this, Jmeno(i).c_str());
    int radek = 0;
    for (int i = 1; i <= 16; ++i) {
        QLabel* l = Label[static_cast<std::size_t>(i - 1)];
        if (JeNadpis(i)) {
            NastavTucne(l);
            if (radek > 0) mrizka->setRowMinimumHeight(radek++, 6);
            mrizka->addWidget(l, radek++, 0, 1, 2);
            continue;
        }
        l->setIndent(12);
        QLabel* hodnota = Label[static_cast<std::size_t>(Hodnota(i) - 1)];
        hodnota->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        hodnota->setTextInteractionFlags(Qt::TextSelectableByMouse);
        mrizka->addWidget(l, radek, 0);
        mrizka->addWidget(hodnota, radek++, 1);
    }

    PopupMenu1 = VytvorPopupMenu(*this, QStringLiteral("PopupMenu1"));
    Kopirovat1 = PridejPolozku(PopupMenu1, QStringLiteral("Kopirovat1"), zkratka::CtrlP, [this] { Kopirovat1Click(); });
    PripojPopupMenu(this, PopupMenu1);
}

void TForm76::FormShow()
{
    if (!ExistujiGlobalniObjekty()) return;
    NastavPopisek(Kopirovat1, jazyk->tlacitko.kopirovat);
    PouzijPopisky(*this, PopiskyInfoPosunu(*jazyk, *modelPosuny, *nastaveni));
    layout()->activate();  // the window takes the size of its new texts at once
    VycentrujOkno(this, Otvirac());
}

void TForm76::Kopirovat1Click()
{
    Tpopisky texty{{"", NaUtf8(windowTitle())}};
    for (int i = 1; i <= 28; ++i) texty.push_back({Jmeno(i), NaUtf8(Label[static_cast<std::size_t>(i - 1)]->text())});
    NastavTextSchranky(TextKopieInfoPosunu(texty));
}

void TForm76::FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory)
{
    (void)modifikatory;
    ZavriNaEnterEsc(*this, klavesa);
}

TForm76& Form76()
{
    return JedineOkno<TForm76>();
}

}  // namespace sitmera
