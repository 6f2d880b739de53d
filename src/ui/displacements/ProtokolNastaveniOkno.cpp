#include "ui/displacements/ProtokolNastaveniOkno.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "program/Globalni.h"
#include "ui/displacements/JednotkyOkno.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

constexpr int kRadek = 24;        // row height (pixels)
constexpr int kSirkaSekce = 214;  // width of a section switch
constexpr int kSirkaCombo = 214;  // width of an accuracy box
constexpr int kSloupec = 470;     // left edge of the right column

QLabel* Nadpis(QWidget* rodic, const char* jmeno, int x, int y)
{
    return NovyPopisek(rodic, jmeno, x, y, kSirkaSekce + kSirkaCombo, true);
}

QCheckBox* Sekce(QWidget* rodic, const char* jmeno, int x, int y)
{
    auto* c = new QCheckBox(rodic);
    c->setObjectName(QLatin1String(jmeno));
    c->setGeometry(x, y, kSirkaSekce, 22);
    return c;
}

QComboBox* Presnost(QWidget* rodic, const char* jmeno, int x, int y)
{
    auto* c = new QComboBox(rodic);
    c->setObjectName(QLatin1String(jmeno));
    c->setGeometry(x + kSirkaSekce + 4, y - 1, kSirkaCombo, 24);
    return c;
}

}  // namespace

TForm83::TForm83(QWidget* rodic) : Formular(QStringLiteral("Form83"), rodic)
{
    setFixedSize(kSloupec + kSirkaSekce + kSirkaCombo + 20, 16 * kRadek + 56);
    // Left column: the two epoch groups and the buttons.
    const int xa = 10;
    const int xs = xa + 10;
    int y = 10;
    Label1 = Nadpis(this, "Label1", xa, y);
    CheckBox1 = Sekce(this, "CheckBox1", xs, y += kRadek);
    CheckBox2 = Sekce(this, "CheckBox2", xs, y += kRadek);
    ComboBox1 = Presnost(this, "ComboBox1", xs, y);
    CheckBox3 = Sekce(this, "CheckBox3", xs, y += kRadek);
    ComboBox2 = Presnost(this, "ComboBox2", xs, y);
    Label2 = Nadpis(this, "Label2", xa, y += kRadek + 10);
    CheckBox4 = Sekce(this, "CheckBox4", xs, y += kRadek);
    CheckBox5 = Sekce(this, "CheckBox5", xs, y += kRadek);
    CheckBox6 = Sekce(this, "CheckBox6", xs, y += kRadek);
    ComboBox3 = Presnost(this, "ComboBox3", xs, y);
    CheckBox7 = Sekce(this, "CheckBox7", xs, y += kRadek);
    ComboBox4 = Presnost(this, "ComboBox4", xs, y);

    // Right column: the displacement group with its two sub-headings.
    const int xc = kSloupec;
    const int xd = xc + 10;
    y = 10;
    Label3 = Nadpis(this, "Label3", xc, y);
    CheckBox8 = Sekce(this, "CheckBox8", xd, y += kRadek);
    CheckBox9 = Sekce(this, "CheckBox9", xd, y += kRadek);
    CheckBox10 = Sekce(this, "CheckBox10", xd, y += kRadek);
    ComboBox5 = Presnost(this, "ComboBox5", xd, y);
    Label4 = Nadpis(this, "Label4", xd, y += kRadek + 6);
    CheckBox11 = Sekce(this, "CheckBox11", xd, y += kRadek);
    ComboBox6 = Presnost(this, "ComboBox6", xd, y);
    CheckBox12 = Sekce(this, "CheckBox12", xd, y += kRadek);
    CheckBox13 = Sekce(this, "CheckBox13", xd, y += kRadek);
    CheckBox14 = Sekce(this, "CheckBox14", xd, y += kRadek);
    CheckBox15 = Sekce(this, "CheckBox15", xd, y += kRadek);
    ComboBox7 = Presnost(this, "ComboBox7", xd, y);
    Label5 = Nadpis(this, "Label5", xd, y += kRadek + 6);
    CheckBox16 = Sekce(this, "CheckBox16", xd, y += kRadek);
    ComboBox8 = Presnost(this, "ComboBox8", xd, y);
    CheckBox17 = Sekce(this, "CheckBox17", xd, y += kRadek);
    CheckBox18 = Sekce(this, "CheckBox18", xd, y += kRadek);
    CheckBox19 = Sekce(this, "CheckBox19", xd, y += kRadek);
    CheckBox20 = Sekce(this, "CheckBox20", xd, y += kRadek);

    Button1 = NoveTlacitko(*this, "Button1", xs + kSirkaSekce + kSirkaCombo - 218, y - 3, [this] { Button1Click(); });
    Button2 = NoveTlacitko(*this, "Button2", xs + kSirkaSekce + kSirkaCombo - 110, y - 3, [this] { Button2Click(); });

    using P = TprotokolNastaveni;
    etapaVstup_ = {{{CheckBox1, &P::etapaVstupInfo}, {CheckBox2, &P::etapaVstupSour}, {CheckBox3, &P::etapaVstupElips}},
                   {{ComboBox1, &P::etapaVstupSourPresnost}, {ComboBox2, &P::etapaVstupElipsPresnost}}};
    etapaTrans_ = {{{CheckBox4, &P::etapaTransKlic},
                    {CheckBox5, &P::etapaTransInfo},
                    {CheckBox6, &P::etapaTransSour},
                    {CheckBox7, &P::etapaTransElips}},
                   {{ComboBox3, &P::etapaTransSourPresnost}, {ComboBox4, &P::etapaTransElipsPresnost}}};
    posun_ = {{{CheckBox8, &P::posunKlic},
               {CheckBox9, &P::posunInfo},
               {CheckBox10, &P::posunBodyIdent},
               {CheckBox11, &P::posunValueVse},
               {CheckBox12, &P::posunValueOrthogonal},
               {CheckBox13, &P::posunValueSemipolar},
               {CheckBox14, &P::posunValuePolar},
               {CheckBox15, &P::posunElips},
               {CheckBox16, &P::posunHodnoceniX},
               {CheckBox17, &P::posunHodnoceniY},
               {CheckBox18, &P::posunHodnoceniZ},
               {CheckBox19, &P::posunHodnoceniDelkaH},
               {CheckBox20, &P::posunHodnoceniDelkaS}},
              {{ComboBox5, &P::posunBodyIdentPresnost},
               {ComboBox6, &P::posunValuePresnost},
               {ComboBox7, &P::posunElipsPresnost},
               {ComboBox8, &P::posunHodnoceniPresnost}}};
    zavislosti_ = {
        {ComboBox1, {CheckBox2}},
        {ComboBox2, {CheckBox3}},
        {ComboBox3, {CheckBox6}},
        {ComboBox4, {CheckBox7}},
        {ComboBox5, {CheckBox10}},
        {ComboBox6, {CheckBox11, CheckBox12, CheckBox13, CheckBox14}},
        {ComboBox7, {CheckBox15}},
        {ComboBox8, {CheckBox16, CheckBox17, CheckBox18, CheckBox19, CheckBox20}},
    };
    for (const auto& zavislost : zavislosti_)
        for (QCheckBox* c : zavislost.second) connect(c, &QCheckBox::toggled, this, [this] { Zmrazit(); });

}

void TForm83::Zmrazit()
{
    for (const auto& [combo, sekce] : zavislosti_)
        combo->setEnabled(std::any_of(sekce.begin(), sekce.end(), [](const QCheckBox* c) { return c->isChecked(); }));
}

std::string TForm83::Znacka(const Tskupina& skupina) const
{
    std::string z;
    for (const auto& s : skupina.sekce) z += s.first->isChecked() ? "1" : "0";
    for (const auto& p : skupina.presnosti)
        if (p.first->isEnabled()) z += "#" + std::to_string(p.first->currentIndex());
    return z;
}

std::string TForm83::StavOknaEtapaVstup() const
{
    return Znacka(etapaVstup_);
}

std::string TForm83::StavOknaEtapaTrans() const
{
    return Znacka(etapaTrans_);
}

std::string TForm83::StavOknaPosun() const
{
    return Znacka(posun_);
}

void TForm83::Uloz(const Tskupina& skupina, TprotokolNastaveni& protokol) const
{
    for (const auto& [prepinac, pole] : skupina.sekce) protokol.*pole = prepinac->isChecked();
    for (const auto& [combo, pole] : skupina.presnosti)
        if (combo->currentIndex() >= 0) protokol.*pole = static_cast<std::uint8_t>(combo->currentIndex());
}

void TForm83::FormShow()
{
    VycentrujOkno(this, Otvirac());
    Button2->setFocus();
    if (!ExistujiGlobalniObjekty()) return;
    NastavPopiskyProtokolPosuny(*this, *jazyk);
    const TprotokolNastaveni& protokol = nastaveni->protokol;
    for (const Tskupina* s : {&etapaVstup_, &etapaTrans_, &posun_}) {
        for (const auto& [prepinac, pole] : s->sekce) prepinac->setChecked(protokol.*pole);
        for (const auto& [combo, pole] : s->presnosti) combo->setCurrentIndex(protokol.*pole);
    }
    Zmrazit();
    znackaVstup_ = StavOknaEtapaVstup();
    znackaTrans_ = StavOknaEtapaTrans();
    znackaPosun_ = StavOknaPosun();
}

void TForm83::Button1Click()
{
    if (ExistujiGlobalniObjekty()) {
        TprotokolNastaveni& protokol = nastaveni->protokol;
        if (StavOknaEtapaVstup() != znackaVstup_) {
            Uloz(etapaVstup_, protokol);
            modelPorovnani->ClearProtokol();
        }
        if (StavOknaEtapaTrans() != znackaTrans_) {
            Uloz(etapaTrans_, protokol);
            modelPorovnaniTransformace->ClearProtokol();
        }
        if (StavOknaPosun() != znackaPosun_) {
            Uloz(posun_, protokol);
            modelPosuny->protokol.Clear();
        }
    }
    Close();
}

void TForm83::Button2Click()
{
    Close();
}

void TForm83::FormKeyDown(int& klavesa, Qt::KeyboardModifiers)
{
    KlavesaOknaNastaveni(klavesa, *this, [this] { Button1Click(); });
}

TForm83& Form83()
{
    return JedineOkno<TForm83>();
}

}  // namespace sitmera
