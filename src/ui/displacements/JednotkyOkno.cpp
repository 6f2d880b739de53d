#include "ui/displacements/JednotkyOkno.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "numerics/TextSoubor.h"
#include "program/Globalni.h"
#include "ui/layer/ComboPomocne.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/SouradniceMainOkno.h"

namespace sitmera {

namespace {

// Size of the pictures of the coordinate systems (pixels).
constexpr int kSirkaObrazu = 188;
constexpr int kVyskaObrazu = 140;

std::string Presnost(const Tjazyk& jazyk, const std::string& kdy)
{
    return kdy + " " + MalaPismena(jazyk.popis.presnost);
}

// Refills a combo box with the texts, keeping the selected index when the
// new list has it.
void NaplnCombo(QComboBox* combo, const TStringList& polozky)
{
    if (combo == nullptr) return;
    const int index = combo->currentIndex();
    combo->clear();
    for (const std::string& p : polozky) combo->addItem(NaQString(p));
    combo->setCurrentIndex(index < combo->count() ? index : -1);
}

}  // namespace

// ---------------------------------------------------------------- captions

Tpopisky PopiskyJednotky(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    const auto& p = jazyk.popis;
    const std::string hodnotaOdchylka = p.hodnota + "/" + p.smerOdchylka;
    return {
        {"", t.nastaveni + " - " + t.jednotky},
        {"Label8", t.jednotky},
        {"Label1", hodnotaOdchylka},
        {"Label4", hodnotaOdchylka},
        {"Label12", p.uhloveVeliciny + ":"},
        {"Label9", p.uhloveVeliciny + ":"},
        {"Label13", p.delkoveVeliciny + ":"},
        {"Label5", p.delkoveVeliciny + ":"},
        {"Label14", p.souradnice + ":"},
        {"Label6", p.souradnice + ":"},
        {"Label3", p.souradnice + ":"},
        {"Label11", t.posuny + ":"},
        {"Label2", t.posuny + ":"},
        {"Label7", p.zaokrouhlovani},
        {"Label18", p.souradSystem},
        {"Label10", p.zobrazeni},
        {"Button1", t.vlozit + " [Ent]"},
        {"Button2", t.ukoncit + " [Esc]"},
        {"Kopirovat1", t.kopirovat},
    };
}

TStringList PolozkySouradnicovehoSystemu(const Tjazyk& jazyk)
{
    return {jazyk.popis.geodeticky, jazyk.popis.matematicky};
}

Tpopisky PopiskyAnalyzaPosunu(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    const auto& p = jazyk.popis;
    return {
        {"", t.nastaveni + " - " + t.analyzaPosunu},
        {"Label1", p.hodnoceniVyznamnych},
        {"Label2", p.hladinaVyznamnosti + ":"},
        {"Label3", t.metoda},
        {"CheckBox1", Presnost(jazyk, p.apriorni)},
        {"CheckBox2", Presnost(jazyk, p.aposteriorni)},
        {"Button1", t.vlozit + " [Ent]"},
        {"Button2", t.ukoncit + " [Esc]"},
        {"Kopirovat1", t.kopirovat},
    };
}

Tpopisky PopiskyProtokolPosuny(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    const auto& p = jazyk.popis;
    const std::string etapa = MalaPismena(t.etapa);
    const std::string projekce = " " + MalaPismena(t.projekce);
    const std::string posun = " " + MalaPismena(t.posun2);
    return {
        {"", t.nastaveni + " - " + jazyk.protokol.protokol1},
        {"Label1", "A. " + p.pripojena + " (" + MalaPismena(p.puvodni) + ") " + etapa},
        {"CheckBox1", "01. " + p.zakladniInformace},
        {"CheckBox2", "02. " + p.bodySite},
        {"CheckBox3", "03. " + t.elipsoidy},
        {"Label2", "B. " + p.transformovana + " " + etapa},
        {"CheckBox4", "01. " + p.transformacniKlic},
        {"CheckBox5", "02. " + p.zakladniInformace},
        {"CheckBox6", "03. " + p.bodySite},
        {"CheckBox7", "04. " + t.elipsoidy},
        {"Label3", "C. " + t.analyzaPosunu},
        {"CheckBox8", "01. " + p.transformacniKlic},
        {"CheckBox9", "02. " + p.zakladniInformace},
        {"CheckBox10", "03. " + t.identickeBody},
        {"Label4", t.posuny},
        {"CheckBox11", "04. " + t.vsechny + " " + MalaPismena(p.hodnoty)},
        {"CheckBox12", "05. " + t.ortogonalni + projekce},
        {"CheckBox13", "06. " + t.semipolarni + projekce},
        {"CheckBox14", "07. " + t.polarni + projekce},
        {"CheckBox15", "08. " + t.elipsoidy},
        {"Label5", t.hodnoceni},
        {"CheckBox16", "09. " + p.x + posun},
        {"CheckBox17", "10. " + p.y + posun},
        {"CheckBox18", "11. " + p.z + posun},
        {"CheckBox19", "12. " + t.polohovy + posun},
        {"CheckBox20", "13. " + t.prostorovy + posun},
        {"Button1", t.vlozit + " [Ent]"},
        {"Button2", t.ukoncit + " [Esc]"},
    };
}

TStringList PolozkyPresnostiProtokolu(const Tjazyk& jazyk, int pocet)
{
    const auto& p = jazyk.popis;
    const std::string presnost = " " + MalaPismena(p.presnost);
    TStringList polozky;
    if (pocet >= 4) polozky.push_back(jazyk.protokol.bezSmerodatnychOdchylek);
    polozky.push_back(p.apriorni + presnost);
    polozky.push_back(p.aposteriorni + presnost);
    if (pocet >= 3) polozky.push_back(p.apriorni + " / " + p.aposteriorni + presnost);
    return polozky;
}

void NastavPopiskyJednotky(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyJednotky(jazyk));
    NaplnCombo(okno.findChild<QComboBox*>(QStringLiteral("ComboBox10")), PolozkySouradnicovehoSystemu(jazyk));
}

void NastavPopiskyAnalyzaPosunu(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyAnalyzaPosunu(jazyk));
}

void NastavPopiskyProtokolPosuny(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyProtokolPosuny(jazyk));
    const std::pair<const char*, int> seznamy[] = {
        {"ComboBox1", 4}, {"ComboBox2", 3}, {"ComboBox3", 4}, {"ComboBox4", 3},
        {"ComboBox5", 4}, {"ComboBox6", 4}, {"ComboBox7", 2}, {"ComboBox8", 3},
    };
    for (const auto& [jmeno, pocet] : seznamy)
        NaplnCombo(okno.findChild<QComboBox*>(QLatin1String(jmeno)), PolozkyPresnostiProtokolu(jazyk, pocet));
}

void KlavesaOknaNastaveni(int& klavesa, Formular& okno, const std::function<void()>& potvrd)
{
    if (KlavesyDialogu(klavesa, potvrd, [&okno] { okno.Close(); })) FokusHlavniTabulky();
}

QLabel* NovyPopisek(QWidget* rodic, const char* jmeno, int x, int y, int sirka, bool tucne)
{
    QLabel* l = NovyLabel(rodic, jmeno);
    l->setGeometry(x, y, sirka, 18);
    if (tucne) NastavTucne(l);
    return l;
}

QPushButton* NoveTlacitko(Formular& okno, const char* jmeno, int x, int y, std::function<void()> prikaz)
{
    QPushButton* b = VytvorTlacitko(okno, jmeno, std::move(prikaz));
    b->setGeometry(x, y, 100, 27);
    return b;
}

// ---------------------------------------------------------------- the picture

namespace {

// A filled arrow head with its tip at `spicka`, pointing along `smer`.
void Hrot(QPainter& p, const QPointF& spicka, QPointF smer, const QColor& barva)
{
    const qreal d = std::hypot(smer.x(), smer.y());
    if (d <= 0) return;
    smer /= d;
    const QPointF kolmo(-smer.y(), smer.x());
    const QPointF zaklad = spicka - 9 * smer;
    QPainterPath cesta;
    cesta.moveTo(spicka);
    cesta.lineTo(zaklad + 4 * kolmo);
    cesta.lineTo(zaklad - 4 * kolmo);
    cesta.closeSubpath();
    p.fillPath(cesta, barva);
}

void Osa(QPainter& p, const QPointF& od, const QPointF& kam, const QColor& barva)
{
    p.setPen(QPen(barva, 2));
    p.drawLine(od, kam - 6 * (kam - od) / std::hypot(kam.x() - od.x(), kam.y() - od.y()));
    Hrot(p, kam, kam - od, barva);
}

}  // namespace

QImage ObrazSouradnicovehoSystemu(bool geodeticky, int sirka, int vyska)
{
    sirka = std::max(sirka, 60);
    vyska = std::max(vyska, 60);
    QImage obraz(sirka, vyska, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor barvaX(200, 30, 30);
    const QColor barvaY(30, 60, 200);
    const QColor seda(110, 110, 110);

    // Screen coordinates: the origin at the lower left, one axis up and one
    // to the right.
    const QPointF o(26, vyska - 22);
    const QPointF nahore(o.x(), 12);
    const QPointF vpravo(sirka - 12, o.y());
    Osa(p, o, geodeticky ? nahore : vpravo, barvaX);
    Osa(p, o, geodeticky ? vpravo : nahore, barvaY);

    QFont pismo = p.font();
    pismo.setBold(true);
    pismo.setPixelSize(14);
    p.setFont(pismo);
    const QPointF popisNahore = nahore + QPointF(9, 12);
    const QPointF popisVpravo = vpravo + QPointF(-10, 17);
    p.setPen(barvaX);
    p.drawText(geodeticky ? popisNahore : popisVpravo, QStringLiteral("X"));
    p.setPen(barvaY);
    p.drawText(geodeticky ? popisVpravo : popisNahore, QStringLiteral("Y"));

    // A point, its projections on both axes and its ray from the origin.
    const QPointF bod(o.x() + 0.62 * (vpravo.x() - o.x()), o.y() - 0.62 * (o.y() - nahore.y()));
    p.setPen(QPen(seda, 1, Qt::DashLine));
    p.drawLine(bod, QPointF(bod.x(), o.y()));
    p.drawLine(bod, QPointF(o.x(), bod.y()));
    p.setPen(QPen(seda, 1));
    p.drawLine(o, bod);
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawEllipse(bod, 3.5, 3.5);

    // The bearing: from the X axis to the ray, clockwise in the geodetic
    // system (from up towards the right), counter-clockwise in the
    // mathematical one (from the right towards up). Angles below are the
    // painter's: degrees counter-clockwise from the right.
    const qreal paprsek = std::atan2(o.y() - bod.y(), bod.x() - o.x()) * 180 / std::numbers::pi;
    const qreal r = 0.42 * std::min(vpravo.x() - o.x(), o.y() - nahore.y());
    const QRectF kruh(o.x() - r, o.y() - r, 2 * r, 2 * r);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::NoBrush);
    const qreal zacatek = geodeticky ? 90 : 0;
    p.drawArc(kruh, qRound(zacatek * 16), qRound((paprsek - zacatek) * 16));
    const qreal t = paprsek * std::numbers::pi / 180;
    const QPointF konec(o.x() + r * std::cos(t), o.y() - r * std::sin(t));
    // Direction of travel at the end of the arc (screen y grows downwards).
    const QPointF tecna = geodeticky ? QPointF(std::sin(t), std::cos(t)) : QPointF(-std::sin(t), -std::cos(t));
    Hrot(p, konec + 2 * tecna, tecna, Qt::black);
    p.end();
    return obraz;
}

// ---------------------------------------------------------------- the window

namespace {

QComboBox* NovyCombo(QWidget* rodic, const char* jmeno, int x, int y, int w, const QStringList& polozky = {})
{
    auto* c = new QComboBox(rodic);
    c->setObjectName(QLatin1String(jmeno));
    c->setGeometry(x, y, w, 24);
    c->addItems(polozky);
    return c;
}

QLabel* NovyObraz(QWidget* rodic, const char* jmeno, bool geodeticky, int x, int y)
{
    QLabel* l = NovyLabel(rodic, jmeno);
    l->setFrameShape(QFrame::Box);
    l->setGeometry(x, y, kSirkaObrazu + 2, kVyskaObrazu + 2);
    l->setPixmap(QPixmap::fromImage(ObrazSouradnicovehoSystemu(geodeticky, kSirkaObrazu, kVyskaObrazu)));
    return l;
}

}  // namespace

TForm14::TForm14(QWidget* rodic) : Formular(QStringLiteral("Form14"), rodic)
{
    setFixedSize(604, 326);
    // Left: the units, then the rounding (value and deviation side by side).
    constexpr int xPopis = 20;
    constexpr int xCombo = 168;
    Label8 = NovyPopisek(this, "Label8", 10, 10, 150, true);
    Label1 = NovyPopisek(this, "Label1", xCombo, 10, 210);
    const QStringList delky = {QStringLiteral("m/mm"), QStringLiteral("ft/pt")};
    Label12 = NovyPopisek(this, "Label12", xPopis, 37, 146);
    ComboBox8 = NovyCombo(this, "ComboBox8", xCombo, 34, 124,
                          {QStringLiteral("rad/mrad"), QStringLiteral("gon/mgon"), QStringLiteral("deg/mdeg"),
                           QStringLiteral("dms/sec")});
    Label13 = NovyPopisek(this, "Label13", xPopis, 65, 146);
    ComboBox7 = NovyCombo(this, "ComboBox7", xCombo, 62, 124, delky);
    Label14 = NovyPopisek(this, "Label14", xPopis, 93, 146);
    ComboBox9 = NovyCombo(this, "ComboBox9", xCombo, 90, 124, delky);
    Label11 = NovyPopisek(this, "Label11", xPopis, 121, 146);
    ComboBox13 = NovyCombo(this, "ComboBox13", xCombo, 118, 124, {QStringLiteral("mm/mm"), QStringLiteral("pt/pt")});

    Label7 = NovyPopisek(this, "Label7", 10, 160, 150, true);
    Label4 = NovyPopisek(this, "Label4", xCombo, 160, 210);
    constexpr int xOdchylka = xCombo + 64;
    Label9 = NovyPopisek(this, "Label9", xPopis, 187, 146);
    ComboBox3 = NovyCombo(this, "ComboBox3", xCombo, 184, 60);
    ComboBox4 = NovyCombo(this, "ComboBox4", xOdchylka, 184, 60);
    Label5 = NovyPopisek(this, "Label5", xPopis, 215, 146);
    ComboBox1 = NovyCombo(this, "ComboBox1", xCombo, 212, 60);
    ComboBox2 = NovyCombo(this, "ComboBox2", xOdchylka, 212, 60);
    Label6 = NovyPopisek(this, "Label6", xPopis, 243, 146);
    ComboBox5 = NovyCombo(this, "ComboBox5", xCombo, 240, 60);
    ComboBox6 = NovyCombo(this, "ComboBox6", xOdchylka, 240, 60);
    Label2 = NovyPopisek(this, "Label2", xPopis, 271, 146);
    ComboBox11 = NovyCombo(this, "ComboBox11", xCombo, 268, 60);
    ComboBox14 = NovyCombo(this, "ComboBox14", xOdchylka, 268, 60);

    // Right: the display, the picture and the buttons.
    constexpr int xPravy = 392;
    Label10 = NovyPopisek(this, "Label10", xPravy, 10, 200, true);
    Label3 = NovyPopisek(this, "Label3", xPravy + 10, 37, 100);
    ComboBox12 = NovyCombo(this, "ComboBox12", xPravy + 112, 34, 80, {QStringLiteral("XYZ"), QStringLiteral("YXZ")});
    Label18 = NovyPopisek(this, "Label18", xPravy, 66, 200, true);
    ComboBox10 = NovyCombo(this, "ComboBox10", xPravy + 10, 88, 182);
    Image1 = NovyObraz(this, "Image1", true, xPravy + 10, 120);
    Image2 = NovyObraz(this, "Image2", false, xPravy + 10, 120);
    Image2->hide();
    Button1 = NoveTlacitko(*this, "Button1", xPravy - 6, 288, [this] { Button1Click(); });
    Button2 = NoveTlacitko(*this, "Button2", xPravy + 102, 288, [this] { Button2Click(); });

    PopupMenu1 = VytvorPopupMenu(*this, QStringLiteral("PopupMenu1"));
    Kopirovat1 = PridejPolozku(PopupMenu1, QStringLiteral("Kopirovat1"), zkratka::CtrlP, [this] { Kopirovat1Click(); });
    PripojPopupMenu(this, PopupMenu1);

    // The picture follows the choice at once (also while the window fills it).
    connect(ComboBox10, &QComboBox::currentIndexChanged, this, [this] { ComboBox10Select(); });
}

std::string TForm14::Form2Str() const
{
    const QComboBox* c[] = {ComboBox1, ComboBox2,  ComboBox3,  ComboBox4,  ComboBox5,  ComboBox6,  ComboBox7,
                            ComboBox8, ComboBox9, ComboBox10, ComboBox11, ComboBox12, ComboBox13, ComboBox14};
    std::string s;
    for (const QComboBox* combo : c) {
        if (!s.empty()) s += "#";
        s += std::to_string(combo->currentIndex());
    }
    return s;
}

void TForm14::FormShow()
{
    VycentrujOkno(this, Otvirac());
    if (!ExistujiGlobalniObjekty()) return;
    const Tjednotky& j = nastaveni->jednotky;
    const Tpresnost& p = nastaveni->presnost;
    Image1->setVisible(j.souradnicovySystem);
    Image2->setVisible(!j.souradnicovySystem);
    NastavPopiskyJednotky(*this, *jazyk);
    const std::pair<QComboBox*, std::uint8_t> desetinna[] = {
        {ComboBox3, p.uhel.hodnota},       {ComboBox4, p.uhel.odchylka},
        {ComboBox1, p.delka.hodnota},      {ComboBox2, p.delka.odchylka},
        {ComboBox5, p.souradnice.hodnota}, {ComboBox6, p.souradnice.odchylka},
        {ComboBox11, p.posun.hodnota},     {ComboBox14, p.posun.odchylka},
    };
    for (const auto& [combo, mista] : desetinna) NaplnComboCisla(combo, 10, mista);
    ComboBox10->setCurrentIndex(j.souradnicovySystem ? 0 : 1);
    ComboBox8->setCurrentIndex(j.uhel);
    ComboBox7->setCurrentIndex(j.delka);
    ComboBox9->setCurrentIndex(j.souradnice);
    ComboBox13->setCurrentIndex(j.posun);
    ComboBox12->setCurrentIndex(j.poradiSouradnice);
    Button2->setFocus();
    snimek_ = Form2Str();
}

void TForm14::Button1Click()
{
    if (Form2Str() == snimek_ || !ExistujiGlobalniObjekty()) {
        Close();
        return;
    }
    TForm65* hlavni = HlavniOknoProgramu();
    PrepniZpracovani(hlavni);

    Tjednotky& j = nastaveni->jednotky;
    Tpresnost& p = nastaveni->presnost;
    const auto index = [](const QComboBox* c) { return static_cast<std::uint8_t>(std::max(c->currentIndex(), 0)); };
    j.uhel = index(ComboBox8);
    j.delka = index(ComboBox7);
    j.souradnice = index(ComboBox9);
    j.posun = index(ComboBox13);
    p.uhel = {index(ComboBox3), index(ComboBox4)};
    p.delka = {index(ComboBox1), index(ComboBox2)};
    p.souradnice = {index(ComboBox5), index(ComboBox6)};
    p.posun = {index(ComboBox11), index(ComboBox14)};
    j.souradnicovySystem = ComboBox10->currentIndex() == 0;
    j.poradiSouradnice = index(ComboBox12);

    Close();

    // The axis names and every text (the unit captions among them) again.
    nastaveni->NastavPoradiXY(j.poradiSouradnice);
    jazyk->NastavXY(j.poradiSouradnice);
    jazyk->Default(*nastaveni);
    if (hlavni != nullptr) {
        NastavPopiskyHlavni(*hlavni, *jazyk, *modelPorovnani);
        hlavni->ObnovTabulku();
    }
    PrepniZpracovani(hlavni);

    // The reports are written again in the new units when next asked for;
    // transformations and the comparison stay valid.
    modelPorovnani->ClearProtokol();
    modelPorovnaniTransformace->ClearProtokol();
    modelPosuny->protokol.Clear();
}

void TForm14::Button2Click()
{
    Close();
}

void TForm14::ComboBox10Select()
{
    const bool geodeticky = ComboBox10->currentIndex() == 0;
    Image1->setVisible(geodeticky);
    Image2->setVisible(!geodeticky);
}

void TForm14::FormKeyDown(int& klavesa, Qt::KeyboardModifiers)
{
    KlavesaOknaNastaveni(klavesa, *this, [this] { Button1Click(); });
}

void TForm14::Kopirovat1Click()
{
    const auto t = [](const QLabel* l) { return NaUtf8(l->text()); };
    const auto c = [](const QComboBox* combo) { return NaUtf8(combo->currentText()); };
    const std::string radky[] = {
        NaUtf8(windowTitle()),
        t(Label8) + ":\t" + t(Label1),
        t(Label12) + "\t" + c(ComboBox8),
        t(Label13) + "\t" + c(ComboBox7),
        t(Label14) + "\t" + c(ComboBox9),
        t(Label11) + "\t" + c(ComboBox13),
        t(Label7) + ":\t" + t(Label4),
        t(Label9) + "\t" + c(ComboBox3) + "/" + c(ComboBox4),
        t(Label5) + "\t" + c(ComboBox1) + "/" + c(ComboBox2),
        t(Label6) + "\t" + c(ComboBox5) + "/" + c(ComboBox6),
        t(Label2) + "\t" + c(ComboBox11) + "/" + c(ComboBox14),
        t(Label18) + ":\t" + c(ComboBox10),
        t(Label10) + ":",
        t(Label3) + "\t" + c(ComboBox12),
    };
    std::string text;
    for (const std::string& r : radky) text += r + "\r\n";
    NastavTextSchranky(text);
}

TForm14& Form14()
{
    return JedineOkno<TForm14>();
}

}  // namespace sitmera
