#include "ui/AnalyzaEtapyOkno.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "analysis/Etapa.h"
#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"
#include "program/Globalni.h"
#include "ui/EtapaMenu.h"
#include "ui/layer/ComboPomocne.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

constexpr const char* kNedefinovano = "- ";

TtextyRadkuAnalyzy TextyRadku(const Tbod& r, TvelicinaAnalyzy velicina, const Tnastaveni& n)
{
    TtextyRadkuAnalyzy t{kNedefinovano, kNedefinovano, kNedefinovano};
    int desetinyHodnoty = 0, desetinyOdchylky = 0;
    Extended hodnota = 0, apriori = 0, aposteriori = 0;
    switch (velicina) {
        case TvelicinaAnalyzy::souradnice:
        case TvelicinaAnalyzy::delka: {
            const bool souradnice = velicina == TvelicinaAnalyzy::souradnice;
            const std::uint8_t jednotka = souradnice ? n.jednotky.souradnice : n.jednotky.delka;
            const Tzaokrouhleni& z = souradnice ? n.presnost.souradnice : n.presnost.delka;
            desetinyHodnoty = z.hodnota;
            desetinyOdchylky = z.odchylka;
            hodnota = MetryNaDelku(jednotka, r.X);
            apriori = MetryNaMaleJednotkyPresDelku(jednotka, r.Y);
            aposteriori = MetryNaMaleJednotkyPresDelku(jednotka, r.Z);
            break;
        }
        case TvelicinaAnalyzy::uhel:
            desetinyHodnoty = n.presnost.uhel.hodnota;
            desetinyOdchylky = n.presnost.uhel.odchylka;
            hodnota = RadianyNaUhel(n.jednotky.uhel, r.X);
            apriori = RadianyNaMalyUhel(n.jednotky.uhel, r.Y);
            aposteriori = RadianyNaMalyUhel(n.jednotky.uhel, r.Z);
            break;
    }
    if (r.kontrola[0]) t[0] = CisloNaTextPresnost(desetinyHodnoty, hodnota);
    if (r.kontrola[1]) {
        t[1] = CisloNaTextPresnost(desetinyOdchylky, apriori);
        t[2] = CisloNaTextPresnost(desetinyOdchylky, aposteriori);
    }
    return t;
}

}  // namespace

// ---------------------------------------------------------------- pure functions

std::vector<TtextyRadkuAnalyzy> TextyAnalyzy(const Tsouradnice& data, const std::vector<TvelicinaAnalyzy>& veliciny,
                                             const Tnastaveni& nastaveni, bool platna)
{
    std::vector<TtextyRadkuAnalyzy> texty;
    for (std::size_t i = 0; i < veliciny.size(); ++i) {
        if (platna && i < data.bod.size())
            texty.push_back(TextyRadku(data.bod[i], veliciny[i], nastaveni));
        else
            texty.push_back({kNedefinovano, kNedefinovano, kNedefinovano});
    }
    return texty;
}

bool PlatnyVyberAnalyzy(const std::vector<int>& indexy, int pocet)
{
    for (std::size_t i = 0; i < indexy.size(); ++i) {
        if (indexy[i] < 0 || indexy[i] >= pocet) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (indexy[j] == indexy[i]) return false;
    }
    return true;
}

// ---------------------------------------------------------------- shared controls

std::string JmenoLabeluRadkuAnalyzy(int r)
{
    return "Label" + std::to_string(r + 1);
}

std::array<std::string, 3> JmenaEdituRadkuAnalyzy(int r, int radku)
{
    return {"Edit" + std::to_string(r + 1), "Edit" + std::to_string(r + 1 + radku),
            "Edit" + std::to_string(r + 1 + 2 * radku)};
}

TovladaceAnalyzy VytvorOvladaceAnalyzy(Formular& okno, QVBoxLayout& hlavni,
                                       const std::vector<std::string>& jmenaLabelBodu,
                                       const std::vector<ThlavickaAnalyzy>& hlavicky, int radku,
                                       const std::function<void()>& vyberBodu, const std::function<void()>& zavrit,
                                       const std::function<void()>& kopirovat)
{
    TovladaceAnalyzy o;
    Formular* w = &okno;

    // The points: label and combo box each, side by side.
    auto* body = new QHBoxLayout();
    for (std::size_t i = 0; i < jmenaLabelBodu.size(); ++i) {
        QLabel* l = NovyLabel(w, NaQString(jmenaLabelBodu[i]));
        auto* c = new QComboBox(w);
        c->setObjectName(QStringLiteral("ComboBox%1").arg(i + 1));
        c->setMinimumWidth(110);
        c->setMaxVisibleItems(20);
        l->setBuddy(c);
        body->addWidget(l);
        body->addWidget(c);
        body->addSpacing(12);
        o.labelBody.push_back(l);
        o.comboBody.push_back(c);
        QObject::connect(c, &QComboBox::activated, w, [w, vyberBodu] { SpustPrikaz(w, vyberBodu); });
    }
    body->addStretch(1);
    hlavni.addLayout(body);

    // The table: heads, then a label and three read-only boxes a row. The gap
    // left of a box may hold a mark.
    auto* tabulka = new QGridLayout();
    tabulka->setHorizontalSpacing(8);
    int sloupec = 0;
    for (const ThlavickaAnalyzy& h : hlavicky) {
        QLabel* l = NovyLabel(w, NaQString(h.jmeno));
        if (sloupec > 0) l->setAlignment(Qt::AlignCenter);
        tabulka->addWidget(l, 0, sloupec, 1, h.rozpeti);
        sloupec += h.rozpeti;
        o.hlavicky.push_back(l);
    }
    for (int r = 0; r < radku; ++r) {
        QLabel* l = NovyLabel(w, NaQString(JmenoLabeluRadkuAnalyzy(r)));
        o.labelRadku.push_back(l);
        tabulka->addWidget(l, r + 1, 0);
        const std::array<std::string, 3> jmena = JmenaEdituRadkuAnalyzy(r, radku);
        std::array<QLineEdit*, 3> edity{};
        for (std::size_t k = 0; k < 3; ++k) {
            auto* e = new QLineEdit(w);
            e->setObjectName(NaQString(jmena[k]));
            e->setReadOnly(true);
            e->setAlignment(Qt::AlignRight);
            e->setMinimumWidth(k == 0 ? 120 : 100);
            tabulka->addWidget(e, r + 1, static_cast<int>(k) + 1);
            edity[k] = e;
        }
        o.editRadku.push_back(edity);
    }
    hlavni.addLayout(tabulka);

    o.Button2 = VytvorTlacitko(okno, "Button2", zavrit);
    hlavni.addSpacing(6);
    hlavni.addLayout(RadaTlacitek({o.Button2}));

    o.PopupMenu1 = VytvorPopupMenu(okno, QStringLiteral("PopupMenu1"));
    o.Kopirovat1 = PridejPolozku(o.PopupMenu1, QStringLiteral("Kopirovat1"), zkratka::CtrlP, kopirovat);
    PripojPopupMenu(w, o.PopupMenu1);
    return o;
}

// ---------------------------------------------------------------- common window

TanalyzaEtapyOkno::TanalyzaEtapyOkno(const QString& jmeno, const std::vector<TvelicinaAnalyzy>& veliciny,
                                     QWidget* rodic)
    : Formular(jmeno, rodic), veliciny_(veliciny)
{
}

void TanalyzaEtapyOkno::Vytvor(const std::vector<std::string>& jmenaLabelBodu, int radku,
                               const std::string& jmenoVelicina, const std::string& jmenoHodnota,
                               const std::string& jmenoOdchylka)
{
    auto* hlavni = new QVBoxLayout(this);
    hlavni->setContentsMargins(8, 8, 8, 8);
    TovladaceAnalyzy o = VytvorOvladaceAnalyzy(
        *this, *hlavni, jmenaLabelBodu, {{jmenoVelicina, 1}, {jmenoHodnota, 1}, {jmenoOdchylka, 2}}, radku,
        [this] { ComboBoxSelect(); }, [this] { Button2Click(); }, [this] { Kopirovat1Click(); });
    hlavni->insertStretch(2, 1);
    labelBody = o.labelBody;
    comboBody = o.comboBody;
    LabelVelicina = o.hlavicky[0];
    LabelHodnota = o.hlavicky[1];
    LabelOdchylka = o.hlavicky[2];
    labelRadku = o.labelRadku;
    editRadku = o.editRadku;
    Button2 = o.Button2;
    PopupMenu1 = o.PopupMenu1;
    Kopirovat1 = o.Kopirovat1;
}

void TanalyzaEtapyOkno::FormShow()
{
    if (ExistujiGlobalniObjekty() && etapaAktualni != nullptr) {
        NastavPopisky();
        const Tetapa& etapa = *etapaAktualni;
        const std::vector<int> ulozene = UlozeneIndexy(etapa);
        for (std::size_t i = 0; i < comboBody.size(); ++i) {
            QComboBox* c = comboBody[i];
            NaplnComboBody(c, etapa.souradnice, etapa.pocetBodu, true);
            // A stored index the box does not hold leaves it without a choice.
            const int index = i < ulozene.size() ? ulozene[i] : -1;
            c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
        }
        Prepocitej();
    }
    // Centred at the size its new texts give it, not at the size of the
    // showing before.
    layout()->activate();
    VycentrujOkno(this, Otvirac());
}

void TanalyzaEtapyOkno::Prepocitej()
{
    if (!ExistujiGlobalniObjekty() || etapaAktualni == nullptr) return;
    Tetapa& etapa = *etapaAktualni;
    std::vector<int> indexy;
    int pocet = -1;
    bool vsechnyVybrane = true;
    for (QComboBox* c : comboBody) {
        indexy.push_back(c->currentIndex());
        pocet = pocet < 0 ? c->count() : std::min(pocet, c->count());
        vsechnyVybrane = vsechnyVybrane && c->currentIndex() >= 0;
    }
    const bool platna = PlatnyVyberAnalyzy(indexy, pocet);
    if (platna)
        Vypocti(etapa, indexy);
    else if (vsechnyVybrane)
        UlozIndexy(etapa, indexy);  // a point twice: kept as chosen, never analysed
    const auto texty = TextyAnalyzy(Data(etapa), veliciny_, *nastaveni, platna);
    for (std::size_t r = 0; r < editRadku.size() && r < texty.size(); ++r)
        for (int k = 0; k < 3; ++k) editRadku[r][k]->setText(NaQString(texty[r][k]));
}

std::string TanalyzaEtapyOkno::TextKopie() const
{
    TtextPole pole;
    pole.push_back({NaUtf8(windowTitle())});
    for (std::size_t i = 0; i < comboBody.size(); ++i)
        pole.push_back({NaUtf8(labelBody[i]->text()), NaUtf8(comboBody[i]->currentText())});
    pole.push_back({NaUtf8(LabelVelicina->text()), NaUtf8(LabelHodnota->text()), NaUtf8(LabelOdchylka->text())});
    for (std::size_t r = 0; r < labelRadku.size(); ++r)
        pole.push_back({NaUtf8(labelRadku[r]->text()), NaUtf8(editRadku[r][0]->text()), NaUtf8(editRadku[r][1]->text()),
                        NaUtf8(editRadku[r][2]->text())});
    return PoleNaText(pole, "\t");
}

void TanalyzaEtapyOkno::Button2Click()
{
    Close();
}

void TanalyzaEtapyOkno::Kopirovat1Click()
{
    NastavTextSchranky(TextKopie());
}

void TanalyzaEtapyOkno::ComboBoxSelect()
{
    Prepocitej();
}

void TanalyzaEtapyOkno::FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory)
{
    (void)modifikatory;
    ZavriNaEsc(*this, klavesa);
}

// ---------------------------------------------------------------- length analysis

TForm72::TForm72(QWidget* rodic)
    : TanalyzaEtapyOkno(QStringLiteral("Form72"),
                        {TvelicinaAnalyzy::souradnice, TvelicinaAnalyzy::souradnice, TvelicinaAnalyzy::souradnice,
                         TvelicinaAnalyzy::delka, TvelicinaAnalyzy::delka, TvelicinaAnalyzy::uhel,
                         TvelicinaAnalyzy::uhel},
                        rodic)
{
    Vytvor({"Label9", "Label10"}, 7, "Label11", "Label12", "Label13");
    ComboBox1 = comboBody[0];
    ComboBox2 = comboBody[1];
}

void TForm72::NastavPopisky()
{
    NastavPopiskyAnalyzaDelky(*this, *jazyk, nastaveni->okno.etapa, nastaveni->okno.etapaDruh);
}

std::vector<int> TForm72::UlozeneIndexy(const Tetapa& etapa) const
{
    return {etapa.analyzaDelka.iStn, etapa.analyzaDelka.iCilL};
}

void TForm72::UlozIndexy(Tetapa& etapa, const std::vector<int>& indexy) const
{
    etapa.analyzaDelka.iStn = indexy[0];
    etapa.analyzaDelka.iCilL = indexy[1];
}

void TForm72::Vypocti(Tetapa& etapa, const std::vector<int>& indexy) const
{
    etapa.VypocetAnalyzaDelka(indexy[0], indexy[1]);
}

const Tsouradnice& TForm72::Data(const Tetapa& etapa) const
{
    return etapa.analyzaDelka.data;
}

// ---------------------------------------------------------------- angle analysis

TForm73::TForm73(QWidget* rodic)
    : TanalyzaEtapyOkno(QStringLiteral("Form73"),
                        {TvelicinaAnalyzy::uhel, TvelicinaAnalyzy::uhel, TvelicinaAnalyzy::uhel}, rodic)
{
    Vytvor({"Label4", "Label5", "Label6"}, 3, "Label7", "Label8", "Label9");
    ComboBox1 = comboBody[0];
    ComboBox2 = comboBody[1];
    ComboBox3 = comboBody[2];
}

void TForm73::NastavPopisky()
{
    NastavPopiskyAnalyzaUhly(*this, *jazyk, nastaveni->okno.etapa, nastaveni->okno.etapaDruh);
}

std::vector<int> TForm73::UlozeneIndexy(const Tetapa& etapa) const
{
    return {etapa.analyzaUhel.iStn, etapa.analyzaUhel.iCilL, etapa.analyzaUhel.iCilP};
}

void TForm73::UlozIndexy(Tetapa& etapa, const std::vector<int>& indexy) const
{
    etapa.analyzaUhel.iStn = indexy[0];
    etapa.analyzaUhel.iCilL = indexy[1];
    etapa.analyzaUhel.iCilP = indexy[2];
}

void TForm73::Vypocti(Tetapa& etapa, const std::vector<int>& indexy) const
{
    etapa.VypocetAnalyzaUhel(indexy[0], indexy[1], indexy[2]);
}

const Tsouradnice& TForm73::Data(const Tetapa& etapa) const
{
    return etapa.analyzaUhel.data;
}

// ---------------------------------------------------------------- the windows

TForm72& Form72()
{
    return JedineOkno<TForm72>();
}

TForm73& Form73()
{
    return JedineOkno<TForm73>();
}

}  // namespace sitmera
