// What the graph windows share: the wheel taken from every control of the
// window, no default button for Enter, the picture keeping its bitmap object.
// (The minimum client area is tried on the network graph window.)
#include <QComboBox>
#include <QPushButton>
#include <QWheelEvent>

#include "ui/OknaTest.h"
#include "ui/layer/GrafOvladace.h"

namespace sitmera {
namespace {

class GrafOvladaceTest : public test::OknaTest {};

TEST_F(GrafOvladaceTest, TheWheelOverAnyControlGoesToTheWindowAndLeavesTheBoxAlone)
{
    test::OknoSLabelem okno(QStringLiteral("Form44"));
    auto* box = new QComboBox(&okno);
    box->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    box->setCurrentIndex(1);
    okno.layout()->addWidget(box);
    std::vector<int> delty;
    ZachytKolecko(okno, [&](int d) { delty.push_back(d); });
    okno.show();
    for (const QPoint uhel : {QPoint(0, -120), QPoint(0, 120), QPoint(120, 0)}) {
        QWheelEvent e(QPointF(3, 3), box->mapToGlobal(QPointF(3, 3)), {}, uhel, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &e);
    }
    EXPECT_EQ(delty, (std::vector<int>{-120, 120}));  // the sideways turn is no zoom
    EXPECT_EQ(box->currentIndex(), 1);
    okno.Close();
}

TEST_F(GrafOvladaceTest, EnterInAnOptionBoxPressesNoButton)
{
    test::OknoSLabelem okno(QStringLiteral("Form44"));
    auto* box = new QComboBox(&okno);
    box->addItems({QStringLiteral("1"), QStringLiteral("2")});
    okno.layout()->addWidget(box);
    int stisku = 0;
    for (const char* jmeno : {"BitBtn11", "BitBtn12"})
        okno.layout()->addWidget(NoveTlacitkoGrafu(&okno, jmeno, QStringLiteral("x"), [&] { ++stisku; }));
    okno.show();
    box->setFocus();
    for (int klavesa : {Qt::Key_Return, Qt::Key_Enter}) test::StiskniKlavesu(box, klavesa);
    EXPECT_EQ(stisku, 0);
    EXPECT_TRUE(okno.isVisible());
    okno.Close();
}

TEST_F(GrafOvladaceTest, APictureKeepsItsBitmapObjectAndPixelsWhenResized)
{
    Obrazek obrazek(QStringLiteral("Image1"), nullptr);
    QImage* bitmapa = obrazek.Bitmapa();
    obrazek.NastavVelikost(20, 10);
    bitmapa->fill(qRgb(255, 0, 0));
    obrazek.NastavVelikost(30, 12);
    EXPECT_EQ(obrazek.Bitmapa(), bitmapa);
    EXPECT_EQ(bitmapa->size(), QSize(30, 12));
    EXPECT_EQ(bitmapa->format(), QImage::Format_RGB888);
    EXPECT_EQ(bitmapa->pixel(19, 9), qRgb(255, 0, 0));
    EXPECT_EQ(bitmapa->pixel(29, 11), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace sitmera
