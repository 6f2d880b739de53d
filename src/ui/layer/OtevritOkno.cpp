#include "ui/layer/OtevritOkno.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

TForm8::TForm8(QWidget* rodic) : TsouborDialog(QStringLiteral("Form8"), rodic)
{
    Edit1->setReadOnly(true);
    NastavVyberVice(false);
}

void TForm8::NastavVyberVice(bool vice)
{
    FileListBox1->setSelectionMode(vice ? QAbstractItemView::ExtendedSelection
                                        : QAbstractItemView::SingleSelection);
}

void TForm8::FormShow()
{
    TsouborDialog::FormShow();
    vybrane.clear();
}

void TForm8::ZmenaVyberu()
{
    // The chosen names: one alone, several joined by "; ".
    std::string text;
    for (const std::string& jmeno : VybraneSoubory()) text += (text.empty() ? "" : "; ") + jmeno;
    Edit1->setText(NaQString(text));
}

void TForm8::Button1Click()
{
    vybrane.clear();
    for (const std::string& jmeno : VybraneSoubory()) vybrane.push_back(SlozkaSLomitkem(Slozka()) + jmeno);
    if (!vybrane.empty()) Close();
}

TForm8& Form8()
{
    return JedineOkno<TForm8>();
}

void NastavPopiskyOtevrit(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    Form8().NastavPopisky(t.vybratSoubor, t.vybratSlozku, t.pridat, t.zrusit);
}

namespace {

// Steps common to the open entry functions; returns the collected paths.
TStringList Otevrit(const std::string& nadpis, const std::string& filtr, std::uint8_t& polozka, bool vice,
                    const Tjazyk& jazyk)
{
    NastavPopiskyOtevrit(jazyk);
    TForm8& f = Form8();
    f.setWindowTitle(NaQString(nadpis));
    f.NastavFiltr(filtr);
    f.NastavPolozkuFiltru(polozka);
    f.vybrane.clear();
    f.NastavVyberVice(vice);
    ZobrazModalne(f);
    polozka = static_cast<std::uint8_t>(f.PolozkaFiltru());
    return f.vybrane;
}

}  // namespace

bool OtevritSouboryDialog(TStringList& soubory, Tnastaveni& nastaveni, const Tjazyk& jazyk)
{
    soubory = Otevrit(jazyk.nadpis.pridatBody, jazyk.filter.typSouradnice, nastaveni.souborVstup.typSouradnice,
                      true, jazyk);
    return !soubory.empty();
}

bool OtevritSouborProjekt(std::string& soubor, Tnastaveni& nastaveni, const Tjazyk& jazyk)
{
    const TStringList vybrane =
        Otevrit(jazyk.tlacitko.otevrit + " Sitmera Analyser " + jazyk.tlacitko.projekt, jazyk.filter.typProjekt,
                nastaveni.souborVstup.typProjekt, false, jazyk);
    soubor = vybrane.size() == 1 ? vybrane.front() : std::string();
    return vybrane.size() == 1;
}

bool OtevritSouborEtapa(std::string& soubor, Tnastaveni& nastaveni, const Tjazyk& jazyk)
{
    const TStringList vybrane =
        Otevrit(jazyk.tlacitko.pripojit + " Sitmera " + MalaPismena(jazyk.tlacitko.etapa), jazyk.filter.typEtapa,
                nastaveni.souborVstup.typEtapa, false, jazyk);
    soubor = vybrane.size() == 1 ? vybrane.front() : std::string();
    return vybrane.size() == 1;
}

}  // namespace sitmera
