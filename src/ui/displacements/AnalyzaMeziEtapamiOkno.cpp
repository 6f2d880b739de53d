#include "ui/displacements/AnalyzaMeziEtapamiOkno.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

#include "analysis/AnalyzaVnitrni.h"
#include "analysis/ModelPosuny.h"
#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"
#include "program/Globalni.h"
#include "ui/AnalyzaEtapyOkno.h"
#include "ui/displacements/PosunyMenu.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/ComboPomocne.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

constexpr const char* kNedefinovano = "- ";

TradekRozdilu RadekRozdilu(const Tbod& r, TvelicinaRozdilu velicina, const Tnastaveni& n, bool aposteriori)
{
    TradekRozdilu radek{{kNedefinovano, kNedefinovano, kNedefinovano}, false};
    const Extended odchylka = aposteriori ? r.Z : r.Y;
    const Extended mez = aposteriori ? r.sig_Z : r.sig_Y;
    if (velicina == TvelicinaRozdilu::posun) {
        const std::uint8_t j = n.jednotky.posun;
        if (r.kontrola[0]) radek.texty[0] = CisloNaTextPresnost(n.presnost.posun.hodnota, MetryNaMaleJednotky(j, r.X));
        if (r.kontrola[1]) {
            radek.texty[1] = CisloNaTextPresnost(n.presnost.posun.odchylka, PrevodNaMaleJednotky(j, odchylka));
            radek.texty[2] = CisloNaTextPresnost(n.presnost.posun.odchylka, PrevodNaMaleJednotky(j, mez));
        }
    } else {
        const std::uint8_t j = n.jednotky.uhel;
        const int d = n.presnost.uhel.odchylka;
        if (r.kontrola[0]) radek.texty[0] = CisloNaTextPresnost(d, RadianyNaMalyUhel(j, r.X));
        if (r.kontrola[1]) {
            radek.texty[1] = CisloNaTextPresnost(d, RadianyNaMalyUhel(j, odchylka));
            radek.texty[2] = CisloNaTextPresnost(d, RadianyNaMalyUhel(j, mez));
        }
    }
    radek.vyznamny = r.kontrola[0] && r.kontrola[1] && r.kontrola[aposteriori ? 3 : 2];
    return radek;
}

std::string Text(const QLabel* l)
{
    return NaUtf8(l->text());
}

}  // namespace

// ---------------------------------------------------------------- pure functions

std::vector<TradekRozdilu> RadkyRozdilu(const Tsouradnice& data, const std::vector<TvelicinaRozdilu>& veliciny,
                                        const Tnastaveni& nastaveni, int typPresnost, bool platna)
{
    std::vector<TradekRozdilu> radky;
    for (std::size_t i = 0; i < veliciny.size(); ++i) {
        if (platna && i < data.bod.size())
            radky.push_back(RadekRozdilu(data.bod[i], veliciny[i], nastaveni, typPresnost == 1));
        else
            radky.push_back({{kNedefinovano, kNedefinovano, kNedefinovano}, false});
    }
    return radky;
}

// ---------------------------------------------------------------- common window

TanalyzaMeziEtapami::TanalyzaMeziEtapami(const QString& jmeno, const std::vector<TvelicinaRozdilu>& veliciny,
                                         QWidget* rodic)
    : Formular(jmeno, rodic), veliciny_(veliciny)
{
}

void TanalyzaMeziEtapami::Vytvor(const char* jmenoLabelPresnost, const char* jmenoComboPresnost,
                                 const std::vector<std::string>& jmenaLabelBodu,
                                 const std::array<std::string, 4>& jmenaHlavicek, int radku)
{
    auto* hlavni = new QVBoxLayout(this);
    hlavni->setContentsMargins(10, 10, 10, 10);
    hlavni->setSizeConstraint(QLayout::SetFixedSize);

    // The precision kind above the points.
    auto* presnost = new QHBoxLayout();
    LabelPresnost = NovyLabel(this, jmenoLabelPresnost);
    ComboPresnost = new QComboBox(this);
    ComboPresnost->setObjectName(QLatin1String(jmenoComboPresnost));
    ComboPresnost->setMinimumWidth(140);
    LabelPresnost->setBuddy(ComboPresnost);
    presnost->addWidget(LabelPresnost);
    presnost->addWidget(ComboPresnost);
    presnost->addStretch(1);
    hlavni->addLayout(presnost);
    connect(ComboPresnost, &QComboBox::activated, this,
            [this] { SpustPrikaz(this, [this] { ComboPresnostSelect(); }); });

    std::vector<ThlavickaAnalyzy> hlavicky;
    for (const std::string& h : jmenaHlavicek) hlavicky.push_back({h, 1});
    TovladaceAnalyzy o = VytvorOvladaceAnalyzy(
        *this, *hlavni, jmenaLabelBodu, hlavicky, radku, [this] { ComboBoxSelect(); }, [this] { Button2Click(); },
        [this] { Kopirovat1Click(); });
    labelBody = o.labelBody;
    comboBody = o.comboBody;
    for (std::size_t k = 0; k < 4; ++k) this->hlavicky[k] = o.hlavicky[k];
    labelRadku = o.labelRadku;
    editRadku = o.editRadku;
    Button2 = o.Button2;
    PopupMenu1 = o.PopupMenu1;
    Kopirovat1 = o.Kopirovat1;
}

void TanalyzaMeziEtapami::FormShow()
{
    if (!ExistujiGlobalniObjekty()) return;
    NastavPopisky();
    TanalyzaVnitrni& analyza = Analyza();
    if (analyza.typPresnost != 1) analyza.typPresnost = 0;
    ComboPresnost->setCurrentIndex(analyza.typPresnost);
    const std::vector<int> ulozene = UlozeneIndexy();
    for (std::size_t i = 0; i < comboBody.size(); ++i) {
        QComboBox* c = comboBody[i];
        NaplnComboPosuny(c, modelPosuny->posuny.zaznam, modelPosuny->pocet, true);
        // A stored index the box does not hold leaves it without a choice.
        const int index = i < ulozene.size() ? ulozene[i] : -1;
        c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
    }
    Prepocitej();
    layout()->activate();  // the window takes the size of its new texts at once
    VycentrujOkno(this, Otvirac());
}

// The chosen records go to the model as they are: it takes the pair behind
// each, on the transformed epochs.
void TanalyzaMeziEtapami::Prepocitej()
{
    if (!ExistujiGlobalniObjekty()) return;
    std::vector<int> indexy;
    for (QComboBox* c : comboBody) indexy.push_back(c->currentIndex());
    try {
        Vypocti(indexy);
        platna_ = true;
    } catch (const std::exception&) {
        platna_ = false;
    }
    Prepis();
}

void TanalyzaMeziEtapami::Prepis()
{
    if (!ExistujiGlobalniObjekty()) return;
    const TanalyzaVnitrni& analyza = Analyza();
    radky_ = RadkyRozdilu(analyza.data, veliciny_, *nastaveni, analyza.typPresnost, platna_);
    for (std::size_t r = 0; r < editRadku.size() && r < radky_.size(); ++r)
        for (std::size_t k = 0; k < 3; ++k) editRadku[r][k]->setText(NaQString(radky_[r].texty[k]));
    update();
}

void TanalyzaMeziEtapami::ComboBoxSelect()
{
    Prepocitej();
}

void TanalyzaMeziEtapami::ComboPresnostSelect()
{
    if (!ExistujiGlobalniObjekty()) return;
    Analyza().typPresnost = ComboPresnost->currentIndex() == 1 ? 1 : 0;
    Prepis();
}

// A significant change: a 3-pixel bar just left of its box, blue a priori,
// green a posteriori.
void TanalyzaMeziEtapami::paintEvent(QPaintEvent* e)
{
    Formular::paintEvent(e);
    if (!ExistujiGlobalniObjekty()) return;
    QPainter painter(this);
    Platno c(painter);
    c.barvaPera = barvyTabulky[Analyza().typPresnost == 1 ? 0 : 3];
    for (std::size_t r = 0; r < editRadku.size() && r < radky_.size(); ++r) {
        if (!radky_[r].vyznamny) continue;
        const QRect box = editRadku[r][0]->geometry();
        for (const int dx : {4, 5, 3}) {
            c.MoveTo(box.x() - dx, box.y() + 2);
            c.LineTo(box.x() - dx, box.y() + box.height() - 2);
        }
    }
}

std::string TanalyzaMeziEtapami::TextKopie() const
{
    const bool aposteriori = ExistujiGlobalniObjekty() && Analyza().typPresnost == 1;
    const std::string znacka = aposteriori ? "& " : "# ";
    TtextPole pole;
    pole.push_back({NaUtf8(windowTitle())});
    if (PresnostVKopii()) pole.push_back({Text(LabelPresnost), NaUtf8(ComboPresnost->currentText())});
    for (std::size_t i = 0; i < comboBody.size(); ++i)
        pole.push_back({Text(labelBody[i]), NaUtf8(comboBody[i]->currentText())});
    pole.push_back({Text(hlavicky[0]), Text(hlavicky[1]), Text(hlavicky[2]), Text(hlavicky[3])});
    for (std::size_t r = 0; r < labelRadku.size(); ++r) {
        const bool vyznamny = r < radky_.size() && radky_[r].vyznamny;
        pole.push_back({Text(labelRadku[r]), (vyznamny ? znacka : "") + NaUtf8(editRadku[r][0]->text()),
                        NaUtf8(editRadku[r][1]->text()), NaUtf8(editRadku[r][2]->text())});
    }
    return PoleNaText(pole, "\t");
}

void TanalyzaMeziEtapami::Button2Click()
{
    Close();
}

void TanalyzaMeziEtapami::Kopirovat1Click()
{
    NastavTextSchranky(TextKopie());
}

void TanalyzaMeziEtapami::FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory)
{
    (void)modifikatory;
    ZavriNaEsc(*this, klavesa);
}

// ---------------------------------------------------------------- length analysis

TForm74::TForm74(QWidget* rodic)
    : TanalyzaMeziEtapami(QStringLiteral("Form74"),
                          {TvelicinaRozdilu::posun, TvelicinaRozdilu::posun, TvelicinaRozdilu::posun,
                           TvelicinaRozdilu::posun, TvelicinaRozdilu::posun, TvelicinaRozdilu::uhel,
                           TvelicinaRozdilu::uhel},
                          rodic)
{
    Vytvor("Label8", "ComboBox3", {"Label9", "Label10"}, {"Label11", "Label12", "Label13", "Label14"}, 7);
    ComboBox1 = comboBody[0];
    ComboBox2 = comboBody[1];
    ComboBox3 = ComboPresnost;
}

void TForm74::NastavPopisky()
{
    NastavPopiskyAnalyzaDelky(*this, *jazyk);
}

TanalyzaVnitrni& TForm74::Analyza() const
{
    return modelPosuny->analyzaDelka;
}

std::vector<int> TForm74::UlozeneIndexy() const
{
    return {modelPosuny->analyzaDelka.iStn, modelPosuny->analyzaDelka.iCilL};
}

void TForm74::Vypocti(const std::vector<int>& indexy) const
{
    modelPosuny->VypocetAnalyzaDelka(indexy[0], indexy[1], *modelPorovnaniTransformace);
}

// ---------------------------------------------------------------- angle analysis

TForm75::TForm75(QWidget* rodic)
    : TanalyzaMeziEtapami(QStringLiteral("Form75"),
                          {TvelicinaRozdilu::uhel, TvelicinaRozdilu::uhel, TvelicinaRozdilu::uhel}, rodic)
{
    Vytvor("Label10", "ComboBox4", {"Label4", "Label5", "Label6"}, {"Label7", "Label8", "Label9", "Label11"}, 3);
    ComboBox1 = comboBody[0];
    ComboBox2 = comboBody[1];
    ComboBox3 = comboBody[2];
    ComboBox4 = ComboPresnost;
}

void TForm75::NastavPopisky()
{
    NastavPopiskyAnalyzaUhly(*this, *jazyk);
}

TanalyzaVnitrni& TForm75::Analyza() const
{
    return modelPosuny->analyzaUhel;
}

std::vector<int> TForm75::UlozeneIndexy() const
{
    const TanalyzaVnitrni& a = modelPosuny->analyzaUhel;
    return {a.iStn, a.iCilL, a.iCilP};
}

void TForm75::Vypocti(const std::vector<int>& indexy) const
{
    modelPosuny->VypocetAnalyzaUhel(indexy[0], indexy[1], indexy[2], *modelPorovnaniTransformace);
}

// ---------------------------------------------------------------- the windows

TForm74& Form74()
{
    return JedineOkno<TForm74>();
}

TForm75& Form75()
{
    return JedineOkno<TForm75>();
}

}  // namespace sitmera
