#include "ui/displacements/grafBarvaOkno.h"

#include <QGridLayout>
#include <QLabel>

#include "core/Jazyk.h"
#include "numerics/TextSoubor.h"
#include "program/Globalni.h"
#include "ui/layer/BarvaBox.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

TForm85::TForm85(QWidget* rodic) : Formular(QStringLiteral("Form85"), rodic)
{
    auto* mrizka = new QGridLayout(this);
    mrizka->setColumnStretch(1, 1);
    int radek = 0;
    auto label = [&](const char* jmeno, bool nadpis) {
        QLabel* l = NovyLabel(this, jmeno);
        if (nadpis) {
            NastavTucne(l);
            mrizka->addWidget(l, radek++, 0, 1, 2);
        }
        return l;
    };
    auto box = [&](const char* jmeno, QLabel* l) {
        auto* b = new BarvaBox(QLatin1String(jmeno), this);
        b->OnSelect = [] { Form84().Prekreslit(); };
        mrizka->addWidget(l, radek, 0);
        mrizka->addWidget(b, radek++, 1);
        return b;
    };
    ColorBox1 = box("ColorBox1", Label1 = label("Label1", false));
    ColorBox2 = box("ColorBox2", Label2 = label("Label2", false));
    Label3 = label("Label3", true);
    ColorBox3 = box("ColorBox3", Label4 = label("Label4", false));
    ColorBox4 = box("ColorBox4", Label5 = label("Label5", false));
    ColorBox5 = box("ColorBox5", Label6 = label("Label6", false));
    Label7 = label("Label7", true);
    ColorBox6 = box("ColorBox6", Label8 = label("Label8", false));
    ColorBox7 = box("ColorBox7", Label9 = label("Label9", false));
    ColorBox8 = box("ColorBox8", Label10 = label("Label10", false));
    ColorBox9 = box("ColorBox9", Label11 = label("Label11", false));
    NastavBarvy(BarvyVoleb(VychoziVolbyGrafuPosun()));
}

TForm85& Form85()
{
    return JedineOkno<TForm85>();
}

TbarvyPosun TForm85::Barvy() const
{
    const BarvaBox* boxy[] = {ColorBox1, ColorBox2, ColorBox3, ColorBox4, ColorBox5,
                              ColorBox6, ColorBox7, ColorBox8, ColorBox9};
    TbarvyPosun b{};
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(std::max(boxy[i]->Index(), 0));
    return b;
}

void TForm85::NastavBarvy(const TbarvyPosun& barvy)
{
    BarvaBox* boxy[] = {ColorBox1, ColorBox2, ColorBox3, ColorBox4, ColorBox5,
                        ColorBox6, ColorBox7, ColorBox8, ColorBox9};
    for (std::size_t i = 0; i < barvy.size(); ++i) boxy[i]->NastavIndex(barvy[i]);
}

void TForm85::PopisOkna()
{
    const Tpopis& p = jazyk->popis;
    const std::string posun = MalaPismena(jazyk->tlacitko.posun2);
    const std::string hodnota = p.hodnota + ":";
    const std::string vyznamna = p.hodnota + " (" + MalaPismena(jazyk->tlacitko.vyznamny) + "):";
    const std::string mez = p.mezOdchylka + ":";
    setWindowTitle(NaQString(jazyk->tlacitko.kresba + " - " + p.barva));
    const std::pair<QLabel*, std::string> texty[] = {
        {Label1, p.bod + ":"},
        {Label2, p.elipsaChyb + ":"},
        {Label3, PopisPosunuHz(*jazyk, Form84().PolozkaPosunuHz())},
        {Label4, hodnota},
        {Label5, vyznamna},
        {Label6, mez},
        {Label7, p.z + " " + posun + ":"},
        {Label8, hodnota},
        {Label9, vyznamna},
        {Label10, mez},
        {Label11, p.pozadi + ":"},
    };
    for (const auto& [label, text] : texty) label->setText(NaQString(text));
}

void TForm85::FormShow()
{
    if (jazyk == nullptr) {
        Close();
        return;
    }
    PopisOkna();
    adjustSize();
    VycentrujOkno(this, Otvirac());
}

}  // namespace sitmera
