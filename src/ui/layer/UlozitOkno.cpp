#include "ui/layer/UlozitOkno.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

const char* const kFiltrGrafika = "PNG|*.png|BMP|*.bmp|JPEG|*.jpg|AutoCAD DXF|*.dxf";

TForm9::TForm9(QWidget* rodic) : TsouborDialog(QStringLiteral("Form9"), rodic)
{
    FileListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
}

void TForm9::FormShow()
{
    TsouborDialog::FormShow();
    vybrana.clear();
    Edit1->setFocus();
}

void TForm9::ZmenaVyberu()
{
    const std::vector<std::string> jmena = VybraneSoubory();
    if (!jmena.empty()) Edit1->setText(QFileInfo(NaQString(jmena.front())).completeBaseName());
}

bool TForm9::MaVolbu() const
{
    return !Edit1->text().trimmed().isEmpty();
}

void TForm9::Button1Click()
{
    const std::string jmeno = NaUtf8(Edit1->text().trimmed());
    if (jmeno.empty()) return;  // only blanks: stay open
    vybrana = SlozkaSLomitkem(Slozka()) + jmeno;
    Close();
}

TForm9& Form9()
{
    return JedineOkno<TForm9>();
}

void NastavPopiskyUlozit(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    Form9().NastavPopisky(t.vybratSoubor, t.vybratSlozku, t.ulozit, t.zrusit);
}

std::string PriponaPolozky(const std::vector<std::string>& pripony, int polozka)
{
    if (pripony.empty()) return {};
    return pripony[static_cast<std::size_t>(std::clamp(polozka, 0, static_cast<int>(pripony.size()) - 1))];
}

namespace {

bool Ulozit(std::string& soubor, const std::string& nadpis, const std::string& filtr, std::uint8_t& polozka,
            const std::vector<std::string>& pripony, const Tjazyk& jazyk)
{
    NastavPopiskyUlozit(jazyk);
    TForm9& f = Form9();
    f.setWindowTitle(NaQString(nadpis));
    f.NastavFiltr(filtr);
    f.NastavPolozkuFiltru(polozka);
    f.vybrana.clear();
    ZobrazModalne(f);
    polozka = static_cast<std::uint8_t>(f.PolozkaFiltru());
    soubor.clear();
    if (!NaQString(f.vybrana).trimmed().isEmpty()) soubor = f.vybrana + PriponaPolozky(pripony, polozka);
    return !soubor.empty();
}

}  // namespace

bool UlozitSouborSouradnice(std::string& soubor, Tnastaveni& nastaveni, const Tjazyk& jazyk)
{
    return Ulozit(soubor, jazyk.nadpis.ulozitBody, jazyk.filter.typSouradnice,
                  nastaveni.souborVystup.typSouradnice, {".txt", ".txt"}, jazyk);
}

bool UlozitSouborProtokol(std::string& soubor, Tnastaveni& nastaveni, const Tjazyk& jazyk)
{
    return Ulozit(soubor, jazyk.tlacitko.ulozit + " " + MalaPismena(jazyk.protokol.protokol1),
                  jazyk.filter.typProtokol, nastaveni.souborVystup.typProtokol, {".txt", ".txt"}, jazyk);
}

bool UlozitSouborGrafika(std::string& soubor, Tnastaveni& nastaveni, const Tjazyk& jazyk)
{
    return Ulozit(soubor, jazyk.tlacitko.ulozit, kFiltrGrafika, nastaveni.souborVystup.typGrafika,
                  {".png", ".bmp", ".jpg", ".dxf"}, jazyk);
}

bool UlozitSouborProjekt(std::string& soubor, Tnastaveni& nastaveni, const Tjazyk& jazyk)
{
    return Ulozit(soubor,
                  jazyk.tlacitko.ulozit + " " + jazyk.tlacitko.jako + " Sitmera Analyser " + jazyk.tlacitko.projekt,
                  jazyk.filter.typProjekt, nastaveni.souborVystup.typProjekt, {".pea", ".pea"}, jazyk);
}

}  // namespace sitmera
