// The large read-only text view: it formats only the lines on screen, and
// what the user selects and copies reads exactly as the whole text.
#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "ui/OknaTest.h"
#include "ui/layer/VelkyText.h"

namespace sitmera {
namespace {

using test::OknaTest;
using test::StiskniKlavesu;

// A mouse event on the view's viewport.
void Mys(VelkyText* text, QEvent::Type typ, QPoint bod, Qt::MouseButton tlacitko, Qt::MouseButtons drzena)
{
    QMouseEvent e(typ, QPointF(bod), QPointF(text->viewport()->mapToGlobal(bod)), tlacitko, drzena,
                  Qt::NoModifier);
    QApplication::sendEvent(text->viewport(), &e);
}

class OknoSTextem : public Formular {
public:
    OknoSTextem() : Formular(QStringLiteral("Form90"))
    {
        auto* l = new QVBoxLayout(this);
        RichEdit1 = new VelkyText(QStringLiteral("RichEdit1"), this);
        l->addWidget(RichEdit1);
        resize(400, 300);
    }
    VelkyText* RichEdit1;
};

class VelkyTextTest : public OknaTest {
protected:
    void SetUp() override
    {
        OknaTest::SetUp();
        okno.show();
        text = okno.RichEdit1;
        text->setFocus();
    }

    // Lines of uneven length with a non-ASCII letter and blanks, made on
    // demand; for a short text also the whole text as the view stands for it.
    static std::string RadekTextu(int i)
    {
        return "ř" + std::to_string(i) + std::string(static_cast<std::size_t>(i % 7), 'x') + " ab " +
               std::to_string(i % 1000 * 3);
    }

    void NastavRadky(int pocet)
    {
        text->NastavZdroj(pocet, [this](int i) {
            ++dotazu;
            return RadekTextu(i);
        });
        radky.clear();
        cely.clear();
        for (int i = 0; i < pocet && pocet <= 1000; ++i) {
            radky.push_back(RadekTextu(i));
            cely += (i > 0 ? "\r\n" : "") + radky.back();
        }
    }

    // Byte offset of a position (line, column in characters) in the whole text.
    std::size_t Offset(int radek, int sloupec) const
    {
        std::size_t o = 0;
        for (int i = 0; i < radek; ++i) o += radky[static_cast<std::size_t>(i)].size() + 2;
        return o + static_cast<std::size_t>(
                       NaQString(radky[static_cast<std::size_t>(radek)]).left(sloupec).toUtf8().size());
    }

    // The viewport point of a position on screen.
    QPoint Bod(int radek, int sloupec) const
    {
        const QFontMetrics m(text->font());
        return {2 + (sloupec - text->LevySloupec()) * m.horizontalAdvance(QLatin1Char('0')),
                (radek - text->HorniRadek()) * m.lineSpacing() + 1};
    }

    OknoSTextem okno;
    VelkyText* text = nullptr;
    std::vector<std::string> radky;
    std::string cely;
    int dotazu = 0;
};

TEST_F(VelkyTextTest, OnlyTheLinesOnScreenAreFormatted)
{
    NastavRadky(1000000);
    okno.grab();
    const int naObrazovce = text->viewport()->height() / QFontMetrics(text->font()).lineSpacing() + 1;
    EXPECT_LE(dotazu, naObrazovce);
    EXPECT_GT(dotazu, 0);
    EXPECT_EQ(text->verticalScrollBar()->maximum(), 1000000 - (naObrazovce - 1));
    // The end of the text: one more screen.
    const int pred = dotazu;
    StiskniKlavesu(text, Qt::Key_End, Qt::ControlModifier);
    okno.grab();
    EXPECT_EQ(text->Kurzor().radek, 999999);
    EXPECT_EQ(text->HorniRadek(), text->verticalScrollBar()->maximum());
    EXPECT_LE(dotazu - pred, naObrazovce + 1);
}

TEST_F(VelkyTextTest, SelectAllAndCopyGiveTheWholeTextAndPartsReadAsTheyStand)
{
    NastavRadky(60);
    StiskniKlavesu(text, Qt::Key_A, Qt::ControlModifier);
    StiskniKlavesu(text, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(TextSchranky(), cely);

    // Keys: from line 2, column 3 one line down and two characters right.
    text->NastavKurzor({2, 3});
    StiskniKlavesu(text, Qt::Key_Down, Qt::ShiftModifier);
    StiskniKlavesu(text, Qt::Key_Right, Qt::ShiftModifier);
    StiskniKlavesu(text, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(text->VybranyText(), cely.substr(Offset(2, 3), Offset(3, 5) - Offset(2, 3)));
    // Shift+Home back over the start of the line the caret is on.
    StiskniKlavesu(text, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(text->VybranyText(), cely.substr(Offset(2, 3), Offset(3, 0) - Offset(2, 3)));

    // The mouse: a drag from line 1, column 0 to line 4, column 2.
    Mys(text, QEvent::MouseButtonPress, Bod(1, 0), Qt::LeftButton, Qt::LeftButton);
    Mys(text, QEvent::MouseMove, Bod(4, 2), Qt::NoButton, Qt::LeftButton);
    Mys(text, QEvent::MouseButtonRelease, Bod(4, 2), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(text->VybranyText(), cely.substr(Offset(1, 0), Offset(4, 2) - Offset(1, 0)));
    // A double click takes the word under the pointer.
    Mys(text, QEvent::MouseButtonDblClick, Bod(5, 1), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(text->VybranyText(), radky[5].substr(0, radky[5].find(' ')));
}

TEST_F(VelkyTextTest, TheScrollBarsFollowTheCaretAndTheLongestLineAndEscReachesTheWindow)
{
    radky = {std::string(5000, 'a'), "b"};
    text->NastavZdroj(2, [this](int i) { return radky[static_cast<std::size_t>(i)]; });
    okno.grab();
    const int sloupcu = (text->viewport()->width() - 2) / QFontMetrics(text->font()).horizontalAdvance('0');
    EXPECT_EQ(text->horizontalScrollBar()->maximum(), 5001 - sloupcu);
    StiskniKlavesu(text, Qt::Key_End);
    EXPECT_EQ(text->Kurzor().sloupec, 5000);
    EXPECT_EQ(text->LevySloupec(), 5000 - sloupcu + 1);
    // Down onto a shorter line puts the caret at its end.
    StiskniKlavesu(text, Qt::Key_Down);
    EXPECT_EQ(text->Kurzor().sloupec, 1);
    StiskniKlavesu(text, Qt::Key_Escape);
    EXPECT_FALSE(okno.isVisible());
}

}  // namespace
}  // namespace sitmera
