#include "ui/layer/BarvaBox.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <array>

#include "drawing/dxfwriter.h"
#include "ui/layer/Formular.h"

namespace sitmera {

namespace {

constexpr std::array<const char*, PocetBarevSeznamu> kNazvy = {
    "Black", "Maroon", "Green", "Olive",   "Navy",  "Purple",      "Teal",     "Gray",  "Silver", "Red",
    "Lime",  "Yellow", "Blue",  "Fuchsia", "Aqua",  "White", "Money Green", "Sky Blue", "Cream", "Medium Gray"};

static_assert(BarvySeznamu.size() == PocetBarevSeznamu, "one name per colour of the list");

QIcon Vzorek(TColor barva)
{
    QPixmap p(16, 12);
    p.fill(BarvaQt(barva));
    QPainter m(&p);
    m.setPen(Qt::black);
    m.drawRect(0, 0, p.width() - 1, p.height() - 1);
    return QIcon(p);
}

}  // namespace

int IndexBarvy(TColor barva)
{
    for (int i = 0; i < PocetBarevSeznamu; ++i)
        if (BarvySeznamu[static_cast<std::size_t>(i)] == barva) return i;
    return -1;
}

BarvaBox::BarvaBox(const QString& jmeno, QWidget* rodic) : QComboBox(rodic)
{
    setObjectName(jmeno);
    for (int i = 0; i < PocetBarevSeznamu; ++i)
        addItem(Vzorek(BarvySeznamu[static_cast<std::size_t>(i)]), QString::fromLatin1(kNazvy[static_cast<std::size_t>(i)]));
    setMaxVisibleItems(PocetBarevSeznamu);
    connect(this, &QComboBox::activated, this, [this](int) {
        if (OnSelect) SpustPrikaz(window(), OnSelect);
    });
}

bool BarvaBox::NastavIndex(int i)
{
    if (!JeIndexBarvy(i)) return false;
    setCurrentIndex(i);
    return true;
}

TColor BarvaSeznamu(int i)
{
    return JeIndexBarvy(i) ? BarvySeznamu[static_cast<std::size_t>(i)] : 0;
}

TColor BarvaBox::Barva() const
{
    return BarvaSeznamu(currentIndex());
}

bool BarvaBox::NastavBarvu(TColor barva)
{
    return NastavIndex(IndexBarvy(barva));
}

}  // namespace sitmera
