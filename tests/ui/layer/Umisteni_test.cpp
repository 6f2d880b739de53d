// Placement of windows on one and on two monitors: the rectangle arithmetic
// directly, and on real windows with a two-screen offscreen configuration.
#include <QGuiApplication>
#include <QScreen>

#include "ui/OknaTest.h"

namespace sitmera {
namespace {

// Monitor A 1920 x 1080 at 0 (task bar 40 high), monitor B 1280 x 1024 right of it.
const std::vector<Tmonitor> kDva = {
    {QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1040)},
    {QRect(1920, 0, 1280, 1024), QRect(1920, 0, 1280, 1024)},
};

TEST(UmisteniTest, MonitorOfARectangle)
{
    EXPECT_EQ(MonitorObdelniku(QRect(100, 100, 300, 200), kDva), 0);
    EXPECT_EQ(MonitorObdelniku(QRect(2000, 100, 300, 200), kDva), 1);
    EXPECT_EQ(MonitorObdelniku(QRect(1800, 100, 300, 200), kDva), 1);  // more of it on B
    EXPECT_EQ(MonitorObdelniku(QRect(5000, 100, 300, 200), kDva), 1);  // on none: the nearest
}

TEST(UmisteniTest, CentredOverAVisibleReferenceAndKeptOnItsMonitor)
{
    // 1000 + 600 div 2 - 301 div 2 = 1150; 100 + 401 div 2 - 101 div 2 = 250.
    EXPECT_EQ(VycentrujObdelnik(QRect(0, 0, 301, 101), QRect(1000, 100, 600, 401), true, kDva),
              QRect(1150, 250, 301, 101));
    // Over a reference near the right edge of B: pushed back inside B.
    EXPECT_EQ(VycentrujObdelnik(QRect(0, 0, 400, 300), QRect(3000, 900, 200, 100), true, kDva),
              QRect(3200 - 400, 1024 - 300, 400, 300));
    // Near the top-left corner of A: not above or left of it.
    EXPECT_EQ(VycentrujObdelnik(QRect(0, 0, 400, 300), QRect(-50, -50, 100, 100), true, kDva),
              QRect(0, 0, 400, 300));
}

TEST(UmisteniTest, WithoutAVisibleReferenceCentredOnTheMonitor)
{
    // Monitor at 0: 1920 div 2 - 301 div 2 = 810, 1080 div 2 - 101 div 2 = 490.
    EXPECT_EQ(VycentrujObdelnik(QRect(7, 7, 301, 101), QRect(), false, kDva), QRect(810, 490, 301, 101));
    EXPECT_EQ(VycentrujObdelnik(QRect(7, 7, 301, 101), QRect(100, 100, 10, 10), false, kDva),
              QRect(810, 490, 301, 101));
    // On monitor B the window stays on B.
    const QRect r = VycentrujObdelnik(QRect(0, 0, 300, 100), QRect(2500, 10, 10, 10), false, kDva);
    EXPECT_TRUE(kDva[1].obdelnik.contains(r)) << r.x() << " " << r.y();
}

TEST(UmisteniTest, MainWindowTakesNineTenthsOfTheWorkAreaHeight)
{
    // 1040 x 0.9 = 936; left 1920 div 2 - 700 div 2 = 610; top 1040 div 2 - 936 div 2 = 52.
    EXPECT_EQ(VycentrujObdelnikNaMonitor(QRect(0, 0, 700, 300), QRect(0, 0, 700, 300), kDva),
              QRect(610, 52, 700, 936));
    // 1024 x 0.9 = 921.6 -> 922, on monitor B.
    const QRect b = VycentrujObdelnikNaMonitor(QRect(0, 0, 700, 300), QRect(2000, 0, 700, 300), kDva);
    EXPECT_EQ(b.height(), 922);
    EXPECT_TRUE(kDva[1].obdelnik.contains(b));
}

TEST(UmisteniTest, KeepOnMonitorInItsOrder)
{
    // Taller than the monitor: height cut, top 0.
    EXPECT_EQ(UdrzObdelnikNaMonitoru(QRect(10, -20, 300, 1500), kDva), QRect(10, 0, 300, 1080));
    // Below the bottom: moved up; past the right edge: moved left.
    EXPECT_EQ(UdrzObdelnikNaMonitoru(QRect(1800, 1000, 300, 200), kDva), QRect(1620, 880, 300, 200));
    // Wider than the monitor: the left edge stays on it.
    EXPECT_EQ(UdrzObdelnikNaMonitoru(QRect(100, 0, 2500, 200), kDva).x(), 0);
    // Inside: unchanged.
    EXPECT_EQ(UdrzObdelnikNaMonitoru(QRect(2000, 100, 300, 200), kDva), QRect(2000, 100, 300, 200));
}

class DveObrazovkyTest : public test::OknaTest {
protected:
    DveObrazovkyTest() : OknaTest(true) {}
};

TEST_F(DveObrazovkyTest, WindowsArePlacedOnTheirReferencesScreen)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    Formular reference(QStringLiteral("Form65"));
    reference.resize(600, 400);
    reference.show();
    NastavVnejsiObdelnik(&reference, QRect(2200, 100, 600, 400));
    Formular okno(QStringLiteral("Form14"));
    okno.resize(200, 100);
    okno.show();
    VycentrujOkno(&okno, &reference);
    EXPECT_EQ(VnejsiObdelnik(&okno).center(), VnejsiObdelnik(&reference).center());
    EXPECT_EQ(okno.screen(), QGuiApplication::screens().at(1));
    VycentrujOknoNaMonitor(&reference, &reference);
    EXPECT_EQ(VnejsiObdelnik(&reference).height(), 922);  // 0.9 x 1024
    EXPECT_TRUE(QRect(1920, 0, 1280, 1024).contains(VnejsiObdelnik(&reference)));
    okno.Close();
    reference.Close();
}

}  // namespace
}  // namespace sitmera
