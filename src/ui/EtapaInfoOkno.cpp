#include "ui/EtapaInfoOkno.h"

#include <QGridLayout>
#include <QLabel>

#include <array>

#include "analysis/Etapa.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "program/Globalni.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

// ---------------------------------------------------------------- information windows

QGridLayout* PripravInformacniOkno(Formular& okno, Nabidka*& popup, QAction*& polozka,
                                   std::function<void()> kopirovat)
{
    auto* mrizka = new QGridLayout(&okno);
    mrizka->setSizeConstraint(QLayout::SetFixedSize);
    mrizka->setContentsMargins(12, 10, 12, 10);
    mrizka->setHorizontalSpacing(16);
    mrizka->setVerticalSpacing(3);
    popup = VytvorPopupMenu(okno, QStringLiteral("PopupMenu1"));
    polozka = PridejPolozku(popup, QStringLiteral("Kopirovat1"), zkratka::CtrlP, std::move(kopirovat));
    PripojPopupMenu(&okno, popup);
    return mrizka;
}

void RozlozRadkyInformaci(QWidget& okno, QGridLayout& mrizka, const TradkyInformaci& radky)
{
    int r = 0;
    for (const auto& [popisek, hodnota] : radky) {
        QLabel* p = NajdiLabel(okno, NaQString(popisek));
        QLabel* h = hodnota.empty() ? nullptr : NajdiLabel(okno, NaQString(hodnota));
        if (p == nullptr) continue;
        if (h == nullptr) {
            mrizka.addWidget(p, r, 0, 1, 2);
        } else {
            mrizka.addWidget(p, r, 0);
            h->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            mrizka.addWidget(h, r, 1);
        }
        ++r;
    }
}

std::string TextKopieInformaci(const QWidget& okno, const TradkyInformaci& radky)
{
    auto text = [&okno](const std::string& jmeno) {
        const QLabel* l = NajdiLabel(okno, NaQString(jmeno));
        return l != nullptr ? NaUtf8(l->text()) : std::string();
    };
    std::string kopie = NaUtf8(okno.windowTitle()) + "\r\n";
    for (const auto& [popisek, hodnota] : radky) {
        kopie += text(popisek);
        if (!hodnota.empty()) kopie += "\t" + text(hodnota);
        kopie += "\r\n";
    }
    return kopie;
}

// ---------------------------------------------------------------- epoch information

const TradkyInformaci& RadkyEtapaInfo()
{
    static const TradkyInformaci radky = {
        {"Label8", ""},         {"Label9", "Label25"},  {"Label10", "Label26"}, {"Label11", "Label27"},
        {"Label34", "Label24"}, {"Label12", "Label28"}, {"Label13", "Label29"}, {"Label14", "Label30"},
        {"Label15", "Label31"}, {"Label16", "Label32"}, {"Label49", "Label50"}, {"Label41", "Label44"},
        {"Label42", "Label45"}, {"Label43", "Label46"}, {"Label17", "Label33"},
    };
    return radky;
}

Tpopisky PopiskyEtapaInfo(const Tjazyk& jazyk, const Tetapa& etapa, std::uint8_t typEtapa,
                          std::uint8_t druhEtapa)
{
    const auto& p = jazyk.popis;
    const auto cele = [](int n) { return std::to_string(n); };
    return {
        {"", jazyk.tlacitko.informace + " - " + etapa.Nazev(jazyk, false, typEtapa, druhEtapa)},
        {"Kopirovat1", jazyk.tlacitko.kopirovat},
        {"Label8", jazyk.tlacitko.vyrovaniSite},
        {"Label9", p.sigJednotkovaAprior + ":"},
        {"Label25", CisloNaTextPresnost(3, etapa.odchylkaJednotkovaAprior)},
        {"Label10", p.sigJednotkovaAposterior + ":"},
        {"Label26", CisloNaTextPresnost(3, etapa.odchylkaJednotkovaAposterior)},
        {"Label11", p.pocetFixBodu + ":"},
        {"Label27", cele(etapa.pocetBoduFixnich)},
        {"Label34", p.pocetVyrBodu + ":"},
        {"Label24", cele(etapa.pocetBoduUrcovanych)},
        {"Label12", p.pocetVyrPosun + ":"},
        {"Label28", cele(etapa.pocetPosunu)},
        {"Label13", p.pocetVyrmerni + ":"},
        {"Label29", cele(etapa.pocetMereni)},
        {"Label14", p.smer + ":"},
        {"Label30", cele(etapa.pocetSmer)},
        {"Label15", p.zenit + ":"},
        {"Label31", cele(etapa.pocetZenit)},
        {"Label16", p.delka + ":"},
        {"Label32", cele(etapa.pocetDelka)},
        // The same text in both languages.
        {"Label49", "Sikma delka:"},
        {"Label50", cele(etapa.pocetDoplnekDelka)},
        {"Label41", p.smernik + ":"},
        {"Label44", cele(etapa.pocetDoplnekSmernik)},
        {"Label42", p.prevyseni + ":"},
        {"Label45", cele(etapa.pocetDoplnekPrevyseni)},
        // A tie is two measurements, one in each plane axis.
        {"Label43", p.provazovani + " (" + p.x + " + " + p.y + "):"},
        {"Label46", cele(etapa.pocetDoplnekProvazeni) + " (" + cele(2 * etapa.pocetDoplnekProvazeni) + ")"},
        {"Label17", p.pocetNadbytecnych + ":"},
        {"Label33", cele(etapa.pocetNadbytecnych)},
    };
}

TForm67::TForm67(QWidget* rodic) : Formular(QStringLiteral("Form67"), rodic)
{
    QGridLayout* mrizka = PripravInformacniOkno(*this, PopupMenu1, Kopirovat1, [this] { Kopirovat1Click(); });
    const std::array<std::pair<QLabel**, const char*>, 29> labely = {{
        {&Label8, "Label8"},   {&Label9, "Label9"},   {&Label10, "Label10"}, {&Label11, "Label11"},
        {&Label34, "Label34"}, {&Label12, "Label12"}, {&Label13, "Label13"}, {&Label14, "Label14"},
        {&Label15, "Label15"}, {&Label16, "Label16"}, {&Label49, "Label49"}, {&Label41, "Label41"},
        {&Label42, "Label42"}, {&Label43, "Label43"}, {&Label17, "Label17"}, {&Label25, "Label25"},
        {&Label26, "Label26"}, {&Label27, "Label27"}, {&Label24, "Label24"}, {&Label28, "Label28"},
        {&Label29, "Label29"}, {&Label30, "Label30"}, {&Label31, "Label31"}, {&Label32, "Label32"},
        {&Label50, "Label50"}, {&Label44, "Label44"}, {&Label45, "Label45"}, {&Label46, "Label46"},
        {&Label33, "Label33"},
    }};
    for (const auto& [label, jmeno] : labely) *label = NovyLabel(this, jmeno);
    NastavTucne(Label8);
    RozlozRadkyInformaci(*this, *mrizka, RadkyEtapaInfo());
}

void TForm67::FormShow()
{
    if (ExistujiGlobalniObjekty() && etapaAktualni != nullptr)
        PouzijPopisky(*this,
                      PopiskyEtapaInfo(*jazyk, *etapaAktualni, nastaveni->okno.etapa, nastaveni->okno.etapaDruh));
    // The size follows the texts, then the window is centred.
    adjustSize();
    VycentrujOkno(this, Otvirac());
}

void TForm67::Kopirovat1Click()
{
    NastavTextSchranky(TextKopieInformaci(*this, RadkyEtapaInfo()));
}

void TForm67::FormKeyDown(int& klavesa, Qt::KeyboardModifiers)
{
    ZavriNaEnterEsc(*this, klavesa);
}

TForm67& Form67()
{
    return JedineOkno<TForm67>();
}

}  // namespace sitmera
