// The weight-coefficient window over the epoch of the epoch window.
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollBar>

#include <string>
#include <vector>

#include "ui/Galerie.h"
#include "ui/KovariancniMaticeOkno.h"
#include "ui/ProgramTest.h"
#include "ui/layer/VelkyText.h"

namespace sitmera {
namespace {

using test::StiskniKlavesu;
using test::UlozDoGalerie;

class KovariancniMaticeTest : public test::ProgramTest {
protected:
    // Opens the window as the epoch window's command does; prace runs while
    // it is shown.
    void Zobraz(std::uint8_t rezim, const std::function<void(TForm36&)>& prace)
    {
        sitmera::nastaveni->okno.kovariancniMatice = rezim;
        Obsluz("Form36", [&](Formular&) { prace(Form36()); });
        ZobrazModalne(Form36());
    }
};

TEST_F(KovariancniMaticeTest, ShowsTheFullTableWhoseCopyIsTheEpochsCovarianceText)
{
    NactiEtapy();
    etapaAktualni = &modelPorovnani->etapa1;
    Zobraz(1, [&](TForm36& f) {
        EXPECT_EQ(NaUtf8(f.windowTitle()), "Weight coefficient matrix of adjusted point coordinates XYZ");
        EXPECT_EQ(NaUtf8(f.Label_vyber->text()), " 2 \u00d7 2");
        // Two determined points: six rows, the upper half mirrored (the
        // lower triangle of the file read column by column).
        EXPECT_EQ(f.RichEdit1->PocetRadku(), 7);
        EXPECT_EQ(NaUtf8(f.RichEdit1->Radek(0)), "4E-6 0 0 5E-7 0 0");
        EXPECT_EQ(NaUtf8(f.RichEdit1->Radek(3)), "5E-7 0 0 2.5E-6 1.5E-6 0");
        EXPECT_EQ(f.RichEdit1->Kurzor(), VelkyText::Tpozice());
        // What a read-only text box shows: a fixed-pitch font, both scroll bars.
        const QFontMetrics pismo(f.RichEdit1->font());
        EXPECT_EQ(pismo.horizontalAdvance(QLatin1Char('i')), pismo.horizontalAdvance(QLatin1Char('W')));
        EXPECT_EQ(pismo.horizontalAdvance(QLatin1Char('.')), pismo.horizontalAdvance(QLatin1Char('0')));
        EXPECT_TRUE(f.RichEdit1->horizontalScrollBar()->isVisible() && f.RichEdit1->verticalScrollBar()->isVisible());
        UlozDoGalerie(f, "Form36_en");
        StiskniKlavesu(f.RichEdit1, Qt::Key_A, Qt::ControlModifier);
        StiskniKlavesu(f.RichEdit1, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(TextSchranky(), etapaAktualni->kovariancniMaticeStr());
        // Esc closes the window, and the main window is usable again.
        StiskniKlavesu(f.RichEdit1, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_TRUE(okno->Label_zpracovani->isHidden());
    EXPECT_TRUE(okno->Zavrit1->isEnabled());
    sitmera::nastaveni->typJazyk = 0;
    sitmera::jazyk->Default(*sitmera::nastaveni);
    Zobraz(1, [&](TForm36& f) { UlozDoGalerie(f, "Form36_cs"); });
}

TEST_F(KovariancniMaticeTest, AnotherModeOrAnEpochWithoutPointsOpensEmpty)
{
    NactiEtapy();
    etapaAktualni = &modelPorovnani->etapa1;
    Zobraz(1, [](TForm36&) {});
    Zobraz(0, [](TForm36& f) {
        EXPECT_EQ(f.RichEdit1->PocetRadku(), 1);
        EXPECT_TRUE(f.RichEdit1->Radek(0).isEmpty());
        EXPECT_TRUE(f.Label_vyber->text().isEmpty());
    });
    etapaAktualni = &modelPorovnani->etapa2;
    etapaAktualni->Clear();
    Zobraz(1, [](TForm36& f) {
        EXPECT_EQ(NaUtf8(f.Label_vyber->text()), " 0 \u00d7 0");
        StiskniKlavesu(f.RichEdit1, Qt::Key_A, Qt::ControlModifier);
        EXPECT_TRUE(f.RichEdit1->VybranyText().empty());
    });
}

// Counts the times a widget is shown.
struct PocitadloZobrazeni : QObject {
    int zobrazeni = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        zobrazeni += e->type() == QEvent::Show ? 1 : 0;
        return false;
    }
};

// One call of a range source: its rows and whether the processing label
// showed meanwhile.
struct Tvolani {
    int od, po;
    bool labelVidet;
    bool operator==(const Tvolani&) const = default;
    friend void PrintTo(const Tvolani& v, std::ostream* os)
    {
        *os << "rows " << v.od << " .. " << v.po << (v.labelVidet ? ", label shown" : ", label hidden");
    }
};

TEST_F(KovariancniMaticeTest, ACopyOfManyRowsReadsAsTheTableWhileTheProcessingLabelShows)
{
    // 70 points: a 210 x 210 table whose rows a copy formats in many blocks
    // on several threads; it must read as the epoch's whole covariance text
    // (a whole copy of a small epoch: the test above).
    NactiEtapy();
    Tetapa& etapa = modelPorovnani->etapa1;
    const int n = 210;
    etapa.pocetBoduUrcovanych = n / 3;
    etapa.maticeKovariancni.assign(n, {});
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j) etapa.maticeKovariancni[i].push_back((i + 1) * 1e-5L - (j + 1) * 3e-11L);
    etapa.KovariancniMaticeZmenena();
    etapaAktualni = &etapa;
    const std::string& tabulka = etapa.kovariancniMaticeStr();
    auto pozice = [&](int radek, std::size_t sloupec) {  // byte offset of (row, column) in the table
        std::size_t p = 0;
        for (int i = 0; i < radek; ++i) p = tabulka.find("\r\n", p) + 2;
        return p + sloupec;
    };
    Zobraz(1, [&](TForm36& f) {
        EXPECT_EQ(NaUtf8(f.Label_zpracovani->text()), " Processing ...");
        ASSERT_TRUE(f.isVisible());
        // The window's own range source, wrapped so that the label is seen
        // while the copy takes its rows.
        VelkyText& text = *f.RichEdit1;
        std::vector<Tvolani> volani;
        text.NastavZdroj(text.PocetRadku(), text.Zdroj(),
                         [&, rozsah = text.ZdrojRozsahu()](int od, int po, const auto& radek) {
                             volani.push_back({od, po, f.Label_zpracovani->isVisible()});
                             rozsah(od, po, radek);
                         });
        const std::string vyber = tabulka.substr(pozice(5, 7), pozice(180, 12) - pozice(5, 7));
        // From row 5, column 7 to row 180, column 12; the rows between come
        // from the range source, the label showing meanwhile.
        text.NastavKurzor({5, 7});
        text.NastavKurzor({180, 12}, true);
        text.Kopirovat();
        EXPECT_EQ(TextSchranky(), vyber);
        EXPECT_EQ(volani, (std::vector<Tvolani>{{6, 180, true}}));
        EXPECT_TRUE(f.Label_zpracovani->isHidden());
        // The same by the keys: shown once, hidden afterwards.
        QGuiApplication::clipboard()->clear();
        volani.clear();
        PocitadloZobrazeni pocitadlo;
        f.Label_zpracovani->installEventFilter(&pocitadlo);
        StiskniKlavesu(f.RichEdit1, Qt::Key_Insert, Qt::ControlModifier);
        EXPECT_EQ(TextSchranky(), vyber);
        EXPECT_EQ(volani, (std::vector<Tvolani>{{6, 180, true}}));
        EXPECT_EQ(pocitadlo.zobrazeni, 1);
        EXPECT_TRUE(f.Label_zpracovani->isHidden());
    });
}

}  // namespace
}  // namespace sitmera
