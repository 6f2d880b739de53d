#include "ui/displacements/PosunyPohledOkno.h"

#include <QAction>
#include <QLabel>

#include <utility>

#include "program/Globalni.h"
#include "ui/displacements/PosunyMainOkno.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

TposunyPohled::TposunyPohled(const QString& jmeno, int sloupcu, int minimalniVyska, bool vlastniZpracovani,
                             QWidget* rodic)
    : Formular(jmeno, rodic), minimalniVyska_(minimalniVyska), vlastniZpracovani_(vlastniZpracovani)
{
    ovladace_ = VytvorOvladacePosunu(*this, sloupcu, false);
    Panel2 = ovladace_.Panel2;
    Label_BOD = ovladace_.Label_BOD;
    Label_bod_cislo = ovladace_.Label_bod_cislo;
    Label_SRD = ovladace_.Label_SRD;
    Label_doplnek = ovladace_.Label_doplnek;
    StringGrid3 = ovladace_.StringGrid3;
    Panel1 = ovladace_.Panel1;
    Label_vyber = ovladace_.Label_vyber;
    Label_zpracovani = ovladace_.Label_zpracovani;

    PopupMenu1 = VytvorPopupMenu(*this, QStringLiteral("PopupMenu1"), [this] { PovolitPopup(); });
    OznacitVse1 = PridejPolozku(PopupMenu1, QStringLiteral("OznacitVse1"), zkratka::CtrlA, [this] { OznacitVse1Click(); });
    OdznacitVse1 =
        PridejPolozku(PopupMenu1, QStringLiteral("OdznacitVse1"), zkratka::CtrlD, [this] { OdznacitVse1Click(); });
    oddelovacKopie_ = PridejOddelovac(PopupMenu1, QStringLiteral("N1"));
    Kopirovat1 = PridejPolozku(PopupMenu1, QStringLiteral("Kopirovat1"), zkratka::CtrlC, [this] { Kopirovat1Click(); });
    PripojPopupMenu(StringGrid3, PopupMenu1);

    StringGrid3->OnDrawCell = [this](Platno& c, int sloupec, int radek, const QRect& bunka, TstavBunky stav) {
        if (!ExistujiGlobalniObjekty()) {
            KresliBeznouBunku(c, bunka);
            return;
        }
        KresliBunku(c, sloupec, radek, bunka, StringGrid3->Cell(sloupec, radek), stav.aktualni);
    };
    StringGrid3->OnTopLeftChanged = [this] { ObnovTabulku(); };
    TvyberTabulky v;
    v.vyber = [this] { return ExistujiGlobalniObjekty() ? &vyber : nullptr; };
    v.oprav = [](TboolVector& flagy) { ZrusVyberPrazdnych(flagy, *posunyOkno); };
    v.poZmene = [this] { ZmenaVyberu(); };
    v.esc = [this] {
        Close();
        FokusTabulkyPosunu(Otvirac());
    };
    PripojVyberTabulky(StringGrid3, mys_, v);

    // Only whole columns show: the width is fixed, the height free.
    NastavPevnouSirku(PevnaSirka(), minimalniVyska_);
    resize(PevnaSirka(), 480);
}

int TposunyPohled::PevnaSirka() const
{
    return PevnaSirkaOkna(*this, *Label_doplnek, *StringGrid3);
}

QAction* TposunyPohled::PridejPolozkuPopup(const char* jmeno, int zkratka, std::function<void()> prikaz)
{
    QAction* a = prikaz ? PridejPolozku(PopupMenu1, QLatin1String(jmeno), zkratka, std::move(prikaz))
                        : PridejOddelovac(PopupMenu1, QLatin1String(jmeno));
    PopupMenu1->removeAction(a);
    PopupMenu1->insertAction(oddelovacKopie_, a);
    return a;
}

// ---------------------------------------------------------------- grid

void TposunyPohled::ObnovTabulku()
{
    if (!ExistujiGlobalniObjekty()) return;
    Obnov(*posunyOkno);
}

void TposunyPohled::ZmenaVyberu()
{
    StringGrid3->Repaint();
    PovolitPopup();
}

void TposunyPohled::PovolitPopup()
{
    if (!Label_zpracovani->isHidden()) return;  // locked while processing
    Kopirovat1->setEnabled(JeNecoVybrano(vyber));
}

// ---------------------------------------------------------------- window handlers

void TposunyPohled::FormShow()
{
    if (!ExistujiGlobalniObjekty()) return;
    NastavPopisky();
    posunyOkno->Clear();
    mys_ = TvyberMysi();
    ZrusVyber(vyber);
    QWidget* zpracovani = vlastniZpracovani_ ? static_cast<QWidget*>(this) : Otvirac();
    PrepniZpracovani(zpracovani);
    VycentrujOkno(this, Otvirac());
    NastavPevnouSirku(PevnaSirka(), minimalniVyska_);
    // The first resize comes before the window is visible: the last labels
    // are stretched here as well.
    RoztahniOvladacePosunu(ovladace_);
    Label_vyber->setText(NaQString(" " + std::to_string(NaplnSeznam(*posunyOkno))));
    StringGrid3->SetTopRow(0);
    ObnovTabulku();
    posunyOkno->PridejPrazdnyPosun();
    PoNaplneni();
    PrepniZpracovani(zpracovani);
    // The first row is current, as in the displacement window: the searches
    // start after it.
    StringGrid3->SetRow(0);
    StringGrid3->setFocus();
    PovolitPopup();
}

void TposunyPohled::FormClose()
{
    // No copy outlives the window, however it closes.
    if (ExistujiGlobalniObjekty()) posunyOkno->Clear();
    ZrusVyber(vyber);
}

void TposunyPohled::FormResize()
{
    if (!isVisible()) return;
    RoztahniOvladacePosunu(ovladace_);
    try {
        ObnovTabulku();
    } catch (const std::exception&) {
        // A refill during a resize is redone by the next one.
    }
}

// ---------------------------------------------------------------- popup commands

void TposunyPohled::OznacitVse1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    if (vlastniZpracovani_) PrepniZpracovani(this);
    VyberVse(vyber);
    ZrusVyberPrazdnych(vyber, *posunyOkno);
    if (vlastniZpracovani_) PrepniZpracovani(this);
    ZmenaVyberu();
}

void TposunyPohled::OdznacitVse1Click()
{
    if (vlastniZpracovani_) PrepniZpracovani(this);
    ZrusVyber(vyber);
    if (vlastniZpracovani_) PrepniZpracovani(this);
    ZmenaVyberu();
}

void TposunyPohled::Kopirovat1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    if (vlastniZpracovani_) PrepniZpracovani(this);
    NastavTextSchranky(TextKopie());
    if (vlastniZpracovani_) PrepniZpracovani(this);
    PovolitPopup();
}

}  // namespace sitmera
