#include "ui/layer/VelkyText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScopeGuard>
#include <QScrollBar>

#include <algorithm>

#include "ui/layer/Formular.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

constexpr int kOkraj = 2;  // left margin of the text (pixels)

void Pridej(std::string& cil, const char* data, std::size_t n)
{
    cil.append(data, n);
}

void Pridej(QByteArray& cil, const char* data, std::size_t n)
{
    cil.append(data, static_cast<qsizetype>(n));
}

bool JeMezera(QChar z)
{
    return z.isSpace();
}

}  // namespace

VelkyText::VelkyText(const QString& jmeno, QWidget* rodic) : QAbstractScrollArea(rodic)
{
    setObjectName(jmeno);
    setFont(PismoPevneSirky());
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    ObnovPosuvniky();
}

// ---------------------------------------------------------------- content

void VelkyText::NastavZdroj(int pocetRadku, TzdrojRadku zdroj, TzdrojRozsahu rozsah)
{
    zdroj_ = std::move(zdroj);
    rozsah_ = zdroj_ ? std::move(rozsah) : TzdrojRozsahu();
    pocetRadku_ = zdroj_ ? std::max(pocetRadku, 1) : 1;
    radky_.clear();
    poradi_.clear();
    nejdelsi_ = 0;
    kurzor_ = kotva_ = Tpozice();
    sloupecPohybu_ = -1;
    ObnovPosuvniky();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void VelkyText::Vycisti()
{
    NastavZdroj(1, {});
}

QString VelkyText::Radek(int i) const
{
    if (i < 0 || i >= pocetRadku_ || !zdroj_) return {};
    const auto it = radky_.find(i);
    if (it != radky_.end()) return it->second;
    QString text;
    try {
        text = NaQString(zdroj_(i));
    } catch (const std::exception&) {
        // A line the source cannot give shows empty; painting goes on.
    }
    nejdelsi_ = std::max(nejdelsi_, static_cast<int>(text.size()));
    // A few screens of lines are kept, the oldest dropped first.
    const std::size_t kapacita = static_cast<std::size_t>(std::max(64, 3 * (CelychRadku() + 1)));
    while (poradi_.size() >= kapacita) {
        radky_.erase(poradi_.front());
        poradi_.pop_front();
    }
    poradi_.push_back(i);
    radky_.emplace(i, text);
    return text;
}

int VelkyText::DelkaRadku(int i) const
{
    return static_cast<int>(Radek(i).size());
}

// ---------------------------------------------------------------- caret and selection

VelkyText::Tpozice VelkyText::Omez(Tpozice p) const
{
    p.radek = std::clamp(p.radek, 0, pocetRadku_ - 1);
    p.sloupec = std::clamp(p.sloupec, 0, DelkaRadku(p.radek));
    return p;
}

void VelkyText::NastavKurzor(Tpozice pozice, bool rozsirit)
{
    sloupecPohybu_ = -1;
    kurzor_ = Omez(pozice);
    if (!rozsirit) kotva_ = kurzor_;
    UkazKurzor();
    viewport()->update();
}

void VelkyText::VybratVse()
{
    kotva_ = Tpozice();
    NastavKurzor({pocetRadku_ - 1, DelkaRadku(pocetRadku_ - 1)}, true);
}

template <class Tcil>
void VelkyText::PridejVyber(Tcil& cil) const
{
    if (!JeVyber()) return;
    const Tpozice a = std::min(kotva_, kurzor_);
    const Tpozice b = std::max(kotva_, kurzor_);
    // The first and the last line as the view shows them, cut at the
    // selection's columns.
    auto kus = [&](int r, int od, int po) {
        const QString radek = Radek(r);
        const QByteArray t = radek.mid(od, (po < 0 ? static_cast<int>(radek.size()) : po) - od).toUtf8();
        Pridej(cil, t.constData(), static_cast<std::size_t>(t.size()));
    };
    if (a.radek == b.radek) {
        kus(a.radek, a.sloupec, b.sloupec);
        return;
    }
    kus(a.radek, a.sloupec, -1);
    Pridej(cil, "\r\n", 2);
    // Whole lines straight from the source: the kept lines stay.
    const auto cely = [&cil](std::string_view radek) {
        Pridej(cil, radek.data(), radek.size());
        Pridej(cil, "\r\n", 2);
    };
    if (a.radek + 1 < b.radek) {
        if (rozsah_)
            rozsah_(a.radek + 1, b.radek, cely);
        else
            for (int r = a.radek + 1; r < b.radek; ++r) cely(zdroj_(r));
    }
    kus(b.radek, 0, b.sloupec);
}

std::string VelkyText::VybranyText() const
{
    std::string text;
    PridejVyber(text);
    return text;
}

void VelkyText::Kopirovat() const
{
    if (!JeVyber()) return;
    // The window shows its processing label while the text is made, and
    // hides it again however the copy ends.
    QWidget* okno = window();
    PrepniZpracovani(okno);
    const auto zpet = qScopeGuard([okno] { PrepniZpracovani(okno); });
    // The text goes to the clipboard as UTF-8 bytes: half the memory of a
    // Qt string, which a large selection needs. Room for every line as long
    // as the longest one seen is reserved first (pages never written cost
    // nothing), so the text is not moved while it grows; the rest is given
    // back at the end.
    QByteArray text;
    const qsizetype radku = std::abs(kurzor_.radek - kotva_.radek) + 1;
    text.reserve(radku * (nejdelsi_ + nejdelsi_ / 16 + 2));
    PridejVyber(text);
    text.squeeze();
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/plain"), text);
    data->setData(QStringLiteral("text/plain;charset=utf-8"), text);
    QGuiApplication::clipboard()->setMimeData(data);
}

VelkyText::Tpozice VelkyText::SlovoVlevo(Tpozice p) const
{
    if (p.sloupec == 0) return p.radek > 0 ? Tpozice{p.radek - 1, DelkaRadku(p.radek - 1)} : p;
    const QString radek = Radek(p.radek);
    int c = p.sloupec;
    while (c > 0 && JeMezera(radek[c - 1])) --c;
    while (c > 0 && !JeMezera(radek[c - 1])) --c;
    return {p.radek, c};
}

VelkyText::Tpozice VelkyText::SlovoVpravo(Tpozice p) const
{
    const QString radek = Radek(p.radek);
    const int n = static_cast<int>(radek.size());
    if (p.sloupec >= n) return p.radek + 1 < pocetRadku_ ? Tpozice{p.radek + 1, 0} : p;
    int c = p.sloupec;
    while (c < n && !JeMezera(radek[c])) ++c;
    while (c < n && JeMezera(radek[c])) ++c;
    return {p.radek, c};
}

// ---------------------------------------------------------------- geometry

int VelkyText::VyskaRadku() const
{
    return std::max(fontMetrics().lineSpacing(), 1);
}

int VelkyText::SirkaZnaku() const
{
    return std::max(fontMetrics().horizontalAdvance(QLatin1Char('0')), 1);
}

int VelkyText::CelychRadku() const
{
    return std::max(viewport()->height() / VyskaRadku(), 1);
}

int VelkyText::CelychSloupcu() const
{
    return std::max((viewport()->width() - kOkraj) / SirkaZnaku(), 1);
}

int VelkyText::HorniRadek() const
{
    return verticalScrollBar()->value();
}

int VelkyText::LevySloupec() const
{
    return horizontalScrollBar()->value();
}

VelkyText::Tpozice VelkyText::PoziceVBode(const QPoint& bod) const
{
    const int y = bod.y();
    const int radek = HorniRadek() + (y >= 0 ? y / VyskaRadku() : -1);
    const int sirka = SirkaZnaku();
    // The nearer edge of the character under the point.
    const int x = bod.x() - kOkraj;
    const int sloupec = LevySloupec() + (x >= 0 ? (x + sirka / 2) / sirka : -1);
    return Omez({radek, sloupec});
}

void VelkyText::ObnovPosuvniky()
{
    QScrollBar* v = verticalScrollBar();
    v->setPageStep(CelychRadku());
    v->setSingleStep(1);
    v->setRange(0, std::max(pocetRadku_ - CelychRadku(), 0));
    QScrollBar* h = horizontalScrollBar();
    h->setPageStep(CelychSloupcu());
    h->setSingleStep(1);
    // Room for the caret after the longest line.
    h->setRange(0, std::max(nejdelsi_ + 1 - CelychSloupcu(), 0));
}

void VelkyText::UkazKurzor()
{
    ObnovPosuvniky();
    QScrollBar* v = verticalScrollBar();
    if (kurzor_.radek < HorniRadek())
        v->setValue(kurzor_.radek);
    else if (kurzor_.radek >= HorniRadek() + CelychRadku())
        v->setValue(kurzor_.radek - CelychRadku() + 1);
    QScrollBar* h = horizontalScrollBar();
    if (kurzor_.sloupec < LevySloupec())
        h->setValue(kurzor_.sloupec);
    else if (kurzor_.sloupec >= LevySloupec() + CelychSloupcu())
        h->setValue(kurzor_.sloupec - CelychSloupcu() + 1);
}

// ---------------------------------------------------------------- events

void VelkyText::paintEvent(QPaintEvent*)
{
    const int vyska = VyskaRadku();
    const int sirka = SirkaZnaku();
    const int horni = HorniRadek();
    const int levy = LevySloupec();
    const int radku = std::min(viewport()->height() / vyska + 1, pocetRadku_ - horni);
    const int sloupcu = (viewport()->width() - kOkraj) / sirka + 2;

    // The lines on screen, the partly visible last one included; the scroll
    // range grows with the longest of them.
    std::vector<QString> radky;
    radky.reserve(static_cast<std::size_t>(std::max(radku, 0)));
    const int nejdelsiPred = nejdelsi_;
    for (int i = 0; i < radku; ++i) radky.push_back(Radek(horni + i));
    if (nejdelsi_ != nejdelsiPred) ObnovPosuvniky();

    QPainter p(viewport());
    p.setFont(font());
    const QPalette& paleta = palette();
    const Tpozice a = std::min(kotva_, kurzor_);
    const Tpozice b = std::max(kotva_, kurzor_);
    const int uaci = fontMetrics().ascent();
    auto xSloupce = [&](int sloupec) { return kOkraj + (sloupec - levy) * sirka; };
    for (int i = 0; i < radku; ++i) {
        const int r = horni + i;
        const int y = i * vyska;
        const QString& radek = radky[static_cast<std::size_t>(i)];
        const int delka = static_cast<int>(radek.size());
        p.setPen(paleta.color(QPalette::Text));
        if (levy < delka) p.drawText(kOkraj, y + uaci, radek.mid(levy, sloupcu));
        if (JeVyber() && r >= a.radek && r <= b.radek) {
            // The selected part of the line; a selected line end shows as
            // one cell after the text.
            const int od = std::max(r == a.radek ? a.sloupec : 0, levy);
            const int po = std::min(r == b.radek ? b.sloupec : delka + 1, levy + sloupcu);
            if (po > od) {
                p.fillRect(QRect(xSloupce(od), y, (po - od) * sirka, vyska), paleta.brush(QPalette::Highlight));
                p.setPen(paleta.color(QPalette::HighlightedText));
                if (od < delka) p.drawText(xSloupce(od), y + uaci, radek.mid(od, std::min(po, delka) - od));
            }
        }
    }
    if (hasFocus() && kurzor_.radek >= horni && kurzor_.radek < horni + radku) {
        const int x = xSloupce(kurzor_.sloupec);
        const int y = (kurzor_.radek - horni) * vyska;
        p.setPen(paleta.color(QPalette::Text));
        p.drawLine(x, y, x, y + vyska - 1);
    }
}

void VelkyText::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    ObnovPosuvniky();
}

void VelkyText::scrollContentsBy(int, int)
{
    viewport()->update();
}

void VelkyText::changeEvent(QEvent* e)
{
    QAbstractScrollArea::changeEvent(e);
    if (e->type() == QEvent::FontChange) ObnovPosuvniky();
}

void VelkyText::focusInEvent(QFocusEvent* e)
{
    QAbstractScrollArea::focusInEvent(e);
    viewport()->update();
}

void VelkyText::focusOutEvent(QFocusEvent* e)
{
    QAbstractScrollArea::focusOutEvent(e);
    viewport()->update();
}

void VelkyText::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::SelectAll)) {
        VybratVse();
        return;
    }
    const bool ctrl = e->modifiers().testFlag(Qt::ControlModifier);
    if (e->matches(QKeySequence::Copy) || (e->key() == Qt::Key_Insert && ctrl)) {
        // A large copy may fail for want of memory: the error box says so.
        SpustPrikaz(window(), [this] { Kopirovat(); });
        return;
    }
    const bool shift = e->modifiers().testFlag(Qt::ShiftModifier);
    const Tpozice k = kurzor_;
    // Up and down keep the column over shorter lines.
    const int sloupec = sloupecPohybu_ >= 0 ? sloupecPohybu_ : k.sloupec;
    auto svisle = [&](int radek) {
        NastavKurzor({std::clamp(radek, 0, pocetRadku_ - 1), sloupec}, shift);
        sloupecPohybu_ = sloupec;
    };
    switch (e->key()) {
        case Qt::Key_Up: svisle(k.radek - 1); return;
        case Qt::Key_Down: svisle(k.radek + 1); return;
        case Qt::Key_PageUp: svisle(k.radek - CelychRadku()); return;
        case Qt::Key_PageDown: svisle(k.radek + CelychRadku()); return;
        default: break;
    }
    Tpozice cil = k;
    switch (e->key()) {
        case Qt::Key_Left:
            if (ctrl)
                cil = SlovoVlevo(k);
            else if (k.sloupec > 0)
                cil = {k.radek, k.sloupec - 1};
            else if (k.radek > 0)
                cil = {k.radek - 1, DelkaRadku(k.radek - 1)};
            break;
        case Qt::Key_Right:
            if (ctrl)
                cil = SlovoVpravo(k);
            else if (k.sloupec < DelkaRadku(k.radek))
                cil = {k.radek, k.sloupec + 1};
            else if (k.radek + 1 < pocetRadku_)
                cil = {k.radek + 1, 0};
            break;
        case Qt::Key_Home: cil = ctrl ? Tpozice() : Tpozice{k.radek, 0}; break;
        case Qt::Key_End:
            cil = ctrl ? Tpozice{pocetRadku_ - 1, DelkaRadku(pocetRadku_ - 1)} : Tpozice{k.radek, DelkaRadku(k.radek)};
            break;
        default: e->ignore(); return;
    }
    NastavKurzor(cil, shift);
}

void VelkyText::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(e);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    NastavKurzor(PoziceVBode(e->position().toPoint()), e->modifiers().testFlag(Qt::ShiftModifier));
}

void VelkyText::mouseMoveEvent(QMouseEvent* e)
{
    // Dragging past an edge scrolls: the position is kept inside the text
    // and the caret is brought into view.
    if (e->buttons().testFlag(Qt::LeftButton)) NastavKurzor(PoziceVBode(e->position().toPoint()), true);
}

void VelkyText::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return;
    const Tpozice p = PoziceVBode(e->position().toPoint());
    const QString radek = Radek(p.radek);
    const int n = static_cast<int>(radek.size());
    // The word under the point; a click just after a word takes that word.
    int od = p.sloupec;
    if (od > 0 && (od == n || JeMezera(radek[od])) && !JeMezera(radek[od - 1])) --od;
    if (od >= n || JeMezera(radek[od])) return;
    int po = od;
    while (od > 0 && !JeMezera(radek[od - 1])) --od;
    while (po < n && !JeMezera(radek[po])) ++po;
    NastavKurzor({p.radek, od});
    NastavKurzor({p.radek, po}, true);
}

}  // namespace sitmera
