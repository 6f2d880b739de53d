#include "ui/layer/GrafOvladace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

#include "ui/layer/Formular.h"

namespace sitmera {

const std::vector<int> SirkyPera = {1, 2, 3, 4, 5, 6, 7};
const std::vector<int> VelikostiZnacky = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                          15, 16, 18, 20, 22, 24, 26, 28, 36, 48, 60, 72, 84, 96};
const std::vector<int> VelikostiPisma = {4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                                         16, 18, 20, 22, 24, 26, 28, 36, 48, 60, 72};
const std::vector<int> ZvetseniKresby = {100,   500,    1000,   2000,   5000,   10000,
                                         20000, 50000, 100000, 200000, 500000, 1000000};

bool JePolozka(const std::vector<int>& seznam, int i)
{
    return i >= 0 && i < static_cast<int>(seznam.size());
}

int HodnotaPolozky(const std::vector<int>& seznam, int i, int nahradni)
{
    return JePolozka(seznam, i) ? seznam[static_cast<std::size_t>(i)] : nahradni;
}

void NaplnComboSeznam(QComboBox* combo, const std::vector<int>& seznam)
{
    combo->clear();
    for (int v : seznam) combo->addItem(QString::number(v));
}

void NaplnComboPisma(QComboBox* combo)
{
    combo->clear();
    combo->addItems(QFontDatabase::families());
    combo->setCurrentIndex(-1);
    combo->setPlaceholderText(QString::fromLatin1(kVychoziPismoGrafu));
    // "Tahoma" is a font like the others, not a greyed hint.
    QPalette paleta = combo->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
        paleta.setColor(g, QPalette::PlaceholderText, paleta.color(g, QPalette::ButtonText));
    combo->setPalette(paleta);
    combo->setMinimumContentsLength(12);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

std::string NazevPismaComba(const QComboBox& combo)
{
    return combo.currentIndex() >= 0 ? combo.currentText().toStdString() : kVychoziPismoGrafu;
}

// ---------------------------------------------------------------- controls

QComboBox* NovyComboGrafu(QWidget* okno, const char* jmeno, std::function<void()> prikaz)
{
    auto* c = new QComboBox(okno);
    c->setObjectName(QLatin1String(jmeno));
    QObject::connect(c, &QComboBox::activated, okno, [okno, prikaz = std::move(prikaz)](int) { SpustPrikaz(okno, prikaz); });
    return c;
}

QCheckBox* NovyCheckGrafu(QWidget* okno, const char* jmeno, std::function<void()> prikaz)
{
    auto* c = new QCheckBox(okno);
    c->setObjectName(QLatin1String(jmeno));
    QObject::connect(c, &QCheckBox::clicked, okno, [okno, prikaz = std::move(prikaz)] { SpustPrikaz(okno, prikaz); });
    return c;
}

QPushButton* NoveTlacitkoGrafu(QWidget* okno, const char* jmeno, const QString& text, std::function<void()> prikaz)
{
    auto* b = new QPushButton(text, okno);
    b->setObjectName(QLatin1String(jmeno));
    // No button of a graph window is its default one: Enter in an option box
    // would otherwise press the first button (black and white).
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, okno, [okno, prikaz = std::move(prikaz)] { SpustPrikaz(okno, prikaz); });
    return b;
}

QGridLayout* MrizkaPohledu(QPushButton* vse, QPushButton* priblizit, QPushButton* oddalit, QPushButton* vlevo,
                           QPushButton* vpravo, QPushButton* nahoru, QPushButton* dolu)
{
    priblizit->setText(QStringLiteral("+"));
    oddalit->setText(QString(QChar(0x2212)));
    vlevo->setText(QString(QChar(0x2190)));
    vpravo->setText(QString(QChar(0x2192)));
    nahoru->setText(QString(QChar(0x2191)));
    dolu->setText(QString(QChar(0x2193)));
    auto* m = new QGridLayout();
    m->addWidget(vse, 0, 0, 1, 2);
    m->addWidget(priblizit, 0, 2);
    m->addWidget(oddalit, 0, 3);
    m->addWidget(vlevo, 1, 0);
    m->addWidget(vpravo, 1, 1);
    m->addWidget(nahoru, 1, 2);
    m->addWidget(dolu, 1, 3);
    return m;
}

// ---------------------------------------------------------------- mouse

bool JeTahPosunu(Qt::MouseButtons tlacitka, Qt::KeyboardModifiers modifikatory)
{
    return (tlacitka == Qt::LeftButton || tlacitka == Qt::MiddleButton) && modifikatory == Qt::NoModifier;
}

void TtahMysi::Stisk(Qt::MouseButton tlacitko, int x, int y)
{
    if (tlacitko != Qt::LeftButton && tlacitko != Qt::MiddleButton) return;
    x_ = x;
    y_ = y;
}

bool TtahMysi::Tah(Qt::MouseButtons tlacitka, Qt::KeyboardModifiers modifikatory, int x, int y, int& dx, int& dy)
{
    if (!JeTahPosunu(tlacitka, modifikatory)) return false;
    dx = x - x_;
    dy = y - y_;
    x_ = x;
    y_ = y;
    return true;
}

namespace {

// Takes the wheel of every widget of one window.
class KoleckoOkna : public QObject {
public:
    KoleckoOkna(QWidget& okno, std::function<void(int)> kolecko)
        : QObject(&okno), okno_(&okno), kolecko_(std::move(kolecko))
    {
    }

    bool eventFilter(QObject* objekt, QEvent* udalost) override
    {
        if (udalost->type() != QEvent::Wheel || !objekt->isWidgetType()) return false;
        // A popup list of a box is a window of its own and scrolls as usual.
        if (static_cast<QWidget*>(objekt)->window() != okno_) return false;
        const int delta = static_cast<QWheelEvent*>(udalost)->angleDelta().y();
        if (delta != 0 && kolecko_) SpustPrikaz(okno_, [this, delta] { kolecko_(delta); });
        udalost->accept();
        return true;
    }

private:
    QPointer<QWidget> okno_;
    std::function<void(int)> kolecko_;
};

}  // namespace

void ZachytKolecko(QWidget& okno, std::function<void(int delta)> kolecko)
{
    auto* filtr = new KoleckoOkna(okno, std::move(kolecko));
    okno.installEventFilter(filtr);
    const auto deti = okno.findChildren<QWidget*>();
    for (QWidget* w : deti) w->installEventFilter(filtr);
}

QSize KlientGrafu(const QSize& klient)
{
    if (klient.height() < kMinVyskaGrafu || klient.width() < kMinSirkaGrafu)
        return {kMinSirkaGrafu, kMinVyskaGrafu};
    return klient;
}

// ---------------------------------------------------------------- Obrazek

Obrazek::Obrazek(const QString& jmeno, QWidget* rodic) : QWidget(rodic)
{
    setObjectName(jmeno);
    setAttribute(Qt::WA_OpaquePaintEvent);
    bitmapa_ = QImage(1, 1, QImage::Format_RGB888);
    bitmapa_.fill(Qt::black);
}

void Obrazek::NastavVelikost(int sirka, int vyska)
{
    sirka = std::max(sirka, 1);
    vyska = std::max(vyska, 1);
    resize(sirka, vyska);
    if (bitmapa_.size() == QSize(sirka, vyska)) return;
    // copy() fills what lies outside the old bitmap with 0: black.
    bitmapa_ = bitmapa_.copy(0, 0, sirka, vyska);
}

bool Obrazek::PrizpusobOknu()
{
    QWidget* okno = window();
    const QSize klient = okno->size();
    const QSize pozadovany = KlientGrafu(klient);
    if (pozadovany != klient) {
        if (!pozadano_) {
            // The window's resize handler runs again with the new size.
            pozadano_ = true;
            okno->resize(pozadovany);
            return false;
        }
    } else {
        pozadano_ = false;
    }
    const QSize nova(std::max(okno->width() - x() - 8, 1), std::max(okno->height() - 16, 1));
    if (nova == size() && bitmapa_.size() == nova) return false;
    NastavVelikost(nova.width(), nova.height());
    return true;
}

void Obrazek::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, bitmapa_);
    // Beyond the bitmap (never while the window keeps it sized): black.
    if (bitmapa_.width() < width()) p.fillRect(bitmapa_.width(), 0, width() - bitmapa_.width(), height(), Qt::black);
    if (bitmapa_.height() < height())
        p.fillRect(0, bitmapa_.height(), width(), height() - bitmapa_.height(), Qt::black);
}

void Obrazek::mousePressEvent(QMouseEvent* e)
{
    const QPoint m = e->position().toPoint();
    const Qt::MouseButton b = e->button();
    const Qt::KeyboardModifiers k = e->modifiers();
    if (OnMouseDown) SpustPrikaz(window(), [&] { OnMouseDown(b, k, m.x(), m.y()); });
}

void Obrazek::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint m = e->position().toPoint();
    const Qt::MouseButtons b = e->buttons();
    const Qt::KeyboardModifiers k = e->modifiers();
    if (OnMouseMove) SpustPrikaz(window(), [&] { OnMouseMove(b, k, m.x(), m.y()); });
}

}  // namespace sitmera
