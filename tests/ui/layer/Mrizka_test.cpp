// The string grid, the row placement of ZobrazRadek and the pixel geometry of
// the cell painters.
#include <QClipboard>
#include <QImage>
#include <QLayout>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

#include "ui/layer/Bunky.h"
#include "ui/layer/Mrizka.h"
#include "ui/OknaTest.h"

namespace sitmera {
namespace {

using test::OknaTest;
using test::StiskniKlavesu;

TEST(HorniRadekTest, MiddleOfTheVisibleRowsAndTheLastRowsAtTheBottom)
{
    const struct {
        int r, n, v, horni;
    } tabulka[] = {
        {50, 100, 10, 45},  // t = 50 - 5
        {2, 100, 10, 0},    // t = max(2 - 5, 0)
        {98, 100, 10, 90},  // 100 < 10 + 93: the last row at the bottom
        {95, 100, 10, 90},  // 100 = 10 + 90: t itself
        {94, 100, 10, 89},
        {99, 100, 11, 89},  // v div 2 = 5
        {3, 5, 10, -1},     // fewer rows than fit: n - v < 0, the grid keeps its top row
        {0, 10, 10, 0},
    };
    for (const auto& r : tabulka) EXPECT_EQ(HorniRadekProRadek(r.r, r.n, r.v), r.horni) << r.r << " " << r.n;
}

class ZkusebniMrizka : public Formular {
public:
    ZkusebniMrizka() : Formular(QStringLiteral("Form90"))
    {
        auto* l = new QVBoxLayout(this);
        l->setContentsMargins(0, 0, 0, 0);
        StringGrid3 = new Mrizka(QStringLiteral("StringGrid3"), this);
        l->addWidget(StringGrid3);
        StringGrid3->setFrameShape(QFrame::NoFrame);
        resize(420, 18 * 10);
    }
    Mrizka* StringGrid3;
    std::vector<int> klavesy;

protected:
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers) override { klavesy.push_back(klavesa); }
};

class MrizkaTest : public OknaTest {};

TEST_F(MrizkaTest, ZobrazRadekMakesTheRowCurrentAndKeepsTheLastRowsAtTheBottom)
{
    ZkusebniMrizka okno;
    okno.show();
    Mrizka* m = okno.StringGrid3;
    NastavVelikostTabulky(m, 100, 4);
    const int v = m->VisibleRowCount();
    ASSERT_GT(v, 3);
    ZobrazRadek(m, 50, 100);
    EXPECT_EQ(m->Row(), 50);
    EXPECT_EQ(m->TopRow(), 50 - v / 2);
    ZobrazRadek(m, 99, 100);
    EXPECT_EQ(m->Row(), 99);
    EXPECT_EQ(m->TopRow(), 100 - v);
    // Errors of the grid are ignored: a row past the end changes nothing.
    ZobrazRadek(m, 150, 100);
    EXPECT_EQ(m->Row(), 99);
    okno.Close();
}

// The keys move the current row and the view follows it.
TEST_F(MrizkaTest, KeysMoveTheCurrentRowAndKeepItOnScreen)
{
    ZkusebniMrizka okno;
    okno.show();
    Mrizka* m = okno.StringGrid3;
    NastavVelikostTabulky(m, 100, 2);
    m->SetRow(0);
    const int v = m->VisibleRowCount();
    ASSERT_GT(v, 3);
    auto naObrazovce = [&] { return m->Row() >= m->TopRow() && m->Row() < m->TopRow() + v; };
    const struct {
        int klavesa;
        Qt::KeyboardModifiers m;
        int opakovani;
        int radek;  // -1: not checked, only on screen
    } kroky[] = {
        {Qt::Key_Down, Qt::NoModifier, v + 2, v + 2}, {Qt::Key_PageDown, Qt::NoModifier, 3, -1},
        {Qt::Key_End, Qt::ControlModifier, 1, 99},    {Qt::Key_Up, Qt::NoModifier, v + 1, 98 - v},
        {Qt::Key_PageUp, Qt::NoModifier, 2, -1},      {Qt::Key_Home, Qt::ControlModifier, 1, 0},
    };
    for (const auto& k : kroky) {
        for (int i = 0; i < k.opakovani; ++i) StiskniKlavesu(m, k.klavesa, k.m);
        SCOPED_TRACE(std::to_string(k.klavesa));
        if (k.radek >= 0) {
            EXPECT_EQ(m->Row(), k.radek);
        }
        EXPECT_TRUE(naObrazovce()) << m->Row() << " " << m->TopRow();
    }
    okno.Close();
}

TEST_F(MrizkaTest, QtsOwnCopySelectAllAndTypeToSearchAreOff)
{
    ZkusebniMrizka okno;
    okno.show();
    Mrizka* m = okno.StringGrid3;
    NastavVelikostTabulky(m, 20, 2);
    for (int r = 0; r < 20; ++r) m->SetCell(0, r, "B" + std::to_string(r));
    m->SetRow(0);
    NastavTextSchranky("beze zmeny");
    StiskniKlavesu(m, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"));
    StiskniKlavesu(m, Qt::Key_A, Qt::ControlModifier, QStringLiteral("a"));
    StiskniKlavesu(m, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
    EXPECT_EQ(TextSchranky(), "beze zmeny");
    EXPECT_EQ(m->Row(), 0);
    // The keys went on to the window.
    EXPECT_EQ(okno.klavesy, (std::vector<int>{Qt::Key_C, Qt::Key_A, Qt::Key_B}));
    // Arrows still move the current row.
    StiskniKlavesu(m, Qt::Key_Down);
    EXPECT_EQ(m->Row(), 1);
    okno.Close();
    // The clipboard keeps CR LF.
    NastavTextSchranky("a\tb\r\nc\r\n");
    EXPECT_EQ(TextSchranky(), "a\tb\r\nc\r\n");
}

TEST_F(MrizkaTest, CellTextsAndOutOfRangeWritesAreIgnored)
{
    ZkusebniMrizka okno;
    Mrizka* m = okno.StringGrid3;
    NastavVelikostTabulky(m, 3, 2);
    m->SetCell(1, 2, "x");
    m->SetCell(2, 2, "mimo");
    m->SetCell(0, 3, "mimo");
    EXPECT_EQ(m->Cell(1, 2), "x");
    EXPECT_EQ(m->Cell(2, 2), "");
    m->ClearRow(2);
    EXPECT_EQ(m->Cell(1, 2), "");
}

// --- painters ----------------------------------------------------------------

class PlatnoTest : public OknaTest {
protected:
    // A white 40 x 18 cell at (0, 0).
    QImage obraz{40, 18, QImage::Format_RGB32};
    QRect bunka{0, 0, 40, 18};
    void SetUp() override
    {
        OknaTest::SetUp();
        obraz.fill(Qt::white);
    }
    // Paints on the cell through the program's canvas.
    void Kresli(const std::function<void(Platno&)>& prace)
    {
        QPainter p(&obraz);
        Platno c(p);
        prace(c);
    }
    bool Je(int x, int y, const QColor& barva) const { return obraz.pixelColor(x, y) == barva; }
    int PocetBarvy(const QColor& barva) const
    {
        int n = 0;
        for (int y = 0; y < obraz.height(); ++y)
            for (int x = 0; x < obraz.width(); ++x) n += obraz.pixelColor(x, y) == barva;
        return n;
    }
};

TEST_F(PlatnoTest, LetterFHasItsStemAndBarsWithExclusiveEnds)
{
    const QColor z = barvyTabulky[0];
    Kresli([&](Platno& c) { KresliPismenoF(c, bunka, z, true, true); });
    // Stem x = 3 from y = 13 (bottom - 5) up to y = 5 (top + 4 excluded).
    for (int y = 5; y <= 13; ++y) EXPECT_TRUE(Je(3, y, z)) << y;
    EXPECT_FALSE(Je(3, 14, z));
    // Top bar y = 4 from x = 3 to x = 6 (left + 7 excluded).
    for (int x = 3; x <= 6; ++x) EXPECT_TRUE(Je(x, 4, z)) << x;
    EXPECT_FALSE(Je(7, 4, z));
    // Middle bar y = 8 (bottom - 10) from x = 3 to 5.
    for (int x = 3; x <= 5; ++x) EXPECT_TRUE(Je(x, 8, z)) << x;
    EXPECT_FALSE(Je(6, 8, z));
    EXPECT_EQ(PocetBarvy(z), 9 + 4 + 3 - 1);  // (3, 8) lies on the stem
}

TEST_F(PlatnoTest, TriangleAndBars)
{
    const QColor o = barvyTabulky[2];
    Kresli([&](Platno& c) { KresliTrojuhelnik(c, bunka, o, true, true); });
    // Column i: x = 2 + i, y from 16 - i (bottom - 2 - i) down to 2 + i
    // (top + 1 + i excluded): 15 - 2i pixels.
    for (int i = 0; i <= 7; ++i) {
        EXPECT_TRUE(Je(2 + i, 16 - i, o)) << i;
        EXPECT_TRUE(Je(2 + i, 2 + i, o)) << i;
        EXPECT_FALSE(Je(2 + i, 1 + i, o)) << i;
        EXPECT_FALSE(Je(2 + i, 17 - i, o)) << i;
    }
    EXPECT_EQ(PocetBarvy(o), 64);  // 15 + 13 + ... + 1

    obraz.fill(Qt::white);
    const QColor b = barvyTabulky[3], g = barvyTabulky[0];
    Kresli([&](Platno& c) {
        KresliPruhVlevo(c, bunka, b, true, true);
        KresliPruhVlevo2(c, bunka, g, true, true);
        KresliPruhVlevo(c, QRect(20, 0, 20, 18), b, true, false);  // not both flags: nothing
    });
    for (int y = 2; y <= 15; ++y) {
        EXPECT_TRUE(Je(2, y, b) && Je(3, y, b)) << y;
        EXPECT_TRUE(Je(6, y, g) && Je(7, y, g)) << y;
    }
    EXPECT_EQ(PocetBarvy(b), 2 * 14);
    EXPECT_EQ(PocetBarvy(g), 2 * 14);
}

TEST_F(PlatnoTest, NormalCellDottedFrameAndRightAlignedText)
{
    Kresli([&](Platno& c) {
        KresliBeznouBunku(c, bunka);
        KresliTextBunkyVpravo(c, bunka, "88");
        KresliTeckovanyRamecek(c, bunka, true);
    });
    const QColor k = barvyTabulky[11];
    for (int y = 0; y < 18; ++y) EXPECT_TRUE(Je(39, y, k)) << y;  // right edge line
    // Dots every second pixel on y = 1 and y = 16.
    EXPECT_TRUE(Je(0, 1, k));
    EXPECT_FALSE(Je(1, 1, k));
    EXPECT_TRUE(Je(2, 16, k));
    EXPECT_FALSE(Je(3, 16, k));
    // The text ends left of x = right - 2 and starts right of the middle.
    int nejlevejsi = 40, nejpravejsi = -1;
    for (int y = 3; y < 15; ++y)
        for (int x = 0; x < 38; ++x)
            if (obraz.pixelColor(x, y).lightness() < 128) {
                nejlevejsi = std::min(nejlevejsi, x);
                nejpravejsi = std::max(nejpravejsi, x);
            }
    EXPECT_LT(nejpravejsi, 38);
    EXPECT_GT(nejlevejsi, 15);
}

// Every line, solid or dotted, straight or slanted, either way, covers
// exactly the pixels from its start towards its end (the end left out, a
// dotted pen every second one), also on an image whose pixels the screen
// scales by 2; the painter's pen and brush stay as they were.
TEST_F(PlatnoTest, LinesCoverExactlyTheirPixels)
{
    struct Cara {
        int x0, y0, x1, y1;
    };
    // The slanted lines pass no pixel halfway between two rows.
    const Cara cary[] = {{2, 3, 30, 3}, {30, 4, 2, 4}, {5, 1, 5, 16}, {6, 16, 6, 1},
                         {2, 2, 12, 6}, {12, 6, 2, 2}, {3, 3, 11, 11}};
    const QColor barva = barvyTabulky[1];
    for (const qreal pomer : {1.0, 2.0})
        for (const TstylPera styl : {TstylPera::plny, TstylPera::teckovany})
            for (const Cara& c : cary) {
                QImage kresba(static_cast<int>(40 * pomer), static_cast<int>(18 * pomer), QImage::Format_RGB32);
                kresba.setDevicePixelRatio(pomer);
                kresba.fill(Qt::white);
                QImage ocekavana = kresba;
                const QPen pero(Qt::green, 3);
                {
                    QPainter p(&kresba);
                    p.setPen(pero);
                    p.setBrush(Qt::blue);
                    Platno platno(p);
                    platno.barvaPera = barva;
                    platno.stylPera = styl;
                    platno.MoveTo(c.x0, c.y0);
                    platno.LineTo(c.x1, c.y1);
                    EXPECT_EQ(p.pen(), pero);
                    EXPECT_EQ(p.brush(), QBrush(Qt::blue));
                }
                {
                    // Pixel i along the longer axis: the other axis rounded.
                    QPainter p(&ocekavana);
                    const int dx = c.x1 - c.x0, dy = c.y1 - c.y0;
                    const int n = std::max(std::abs(dx), std::abs(dy));
                    for (int i = 0; i < n; i += styl == TstylPera::plny ? 1 : 2)
                        p.fillRect(c.x0 + static_cast<int>(std::lround(double(i) * dx / n)),
                                   c.y0 + static_cast<int>(std::lround(double(i) * dy / n)), 1, 1, barva);
                }
                EXPECT_EQ(kresba, ocekavana) << pomer << " " << (styl == TstylPera::plny) << " " << c.x0 << ","
                                             << c.y0 << " -> " << c.x1 << "," << c.y1;
            }
}

TEST_F(PlatnoTest, EdgeLinesAndBrush)
{
    const QColor s = barvyTabulky[8];
    Kresli([&](Platno& c) {
        KresliSpodniOkraj(c, bunka, s, TstylPera::plny, true, true);
        EXPECT_EQ(c.barvaStetce, s);
        KresliPravyOkraj(c, QRect(0, 0, 20, 18), s, TstylPera::plny, true);
        KresliVodorovnouCaru(c, QRect(10, 0, 10, 18), s, TstylPera::teckovany, true, 5);
        EXPECT_EQ(c.stylPera, TstylPera::plny);
        NastavBarvuPozadiBunky(c, barvyTabulky[7], true, false);
        EXPECT_EQ(c.barvaStetce, s);
        NastavBarvuPozadiBunky(c, barvyTabulky[7], true, true);
        EXPECT_EQ(c.barvaStetce, barvyTabulky[7]);
    });
    for (int x = 0; x < 40; ++x) EXPECT_TRUE(Je(x, 17, s)) << x;  // bottom edge
    for (int y = 0; y < 17; ++y) EXPECT_TRUE(Je(19, y, s)) << y;   // right edge of the 20-wide cell
    // Dotted line at y = 13 from x = 9 to 20 (21 excluded), every second pixel.
    EXPECT_TRUE(Je(9, 13, s));
    EXPECT_FALSE(Je(10, 13, s));
    EXPECT_TRUE(Je(11, 13, s));
    EXPECT_FALSE(Je(8, 13, s));
}

}  // namespace
}  // namespace sitmera
