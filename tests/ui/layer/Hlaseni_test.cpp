// The notice box with the catalogue of numbered notices, the question box and
// the report viewer with Save As.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <tuple>

#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/Menu.h"
#include "ui/OknaTest.h"
#include "ui/layer/OtazkaOkno.h"
#include "ui/layer/ProtokolOkno.h"
#include "ui/layer/UlozitOkno.h"

namespace sitmera {
namespace {

using test::OknaTest;
using test::StiskniKlavesu;

class HlaseniTest : public OknaTest {};

// The catalogue's texts themselves are checked word for word with the notice
// state (tests/core); here every code reaches the box.
TEST_F(HlaseniTest, EveryNoticeCodeShowsItsComposedTitleAndMessageInBothLanguages)
{
    for (std::uint8_t typ : {0, 1}) {
        NastavJazyk(typ);
        for (const int kod : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                              24, 25, 26, 27, 28, 29, 30, 31, 32, 100}) {
            SCOPED_TRACE("language " + std::to_string(typ) + ", code " + std::to_string(kod));
            chyby.Oznameni(kod);
            Obsluz("Form3", [&](Formular& f) {
                auto& box = static_cast<TForm3&>(f);
                EXPECT_EQ(NaUtf8(box.windowTitle()), NadpisOznameni(jazyk, kod));
                EXPECT_EQ(NaUtf8(box.Label1->text()), TextOznameni(jazyk, kod));
                EXPECT_EQ(NaUtf8(box.Button1->text()), "OK");
                EXPECT_TRUE(box.Button2->isHidden());
                EXPECT_EQ(box.size(), QSize(400, 96));  // every catalogue text fits
                box.Button1->click();
            });
            EXPECT_TRUE(OznameniDleCisla());
            EXPECT_EQ(chyby.cisloOznameni, 0);
        }
    }
    // A composed title and message spelt out.
    NastavJazyk(1);
    EXPECT_EQ(NadpisOznameni(jazyk, 3), "Warning - Fixed points error");
    EXPECT_EQ(TextOznameni(jazyk, 29), "Transformation parametres error! Please check your settings.");
}

TEST_F(HlaseniTest, MuteFlagSkipsExactlyOneNotice)
{
    chyby.Nehlasit();
    chyby.Oznameni(29);
    EXPECT_FALSE(OznameniDleCisla());  // nothing shown
    EXPECT_FALSE(chyby.vypnoutHlaseni);
    EXPECT_EQ(chyby.cisloOznameni, 29);  // still pending
    Obsluz("Form3", [](Formular& f) { EXPECT_EQ(NaUtf8(f.windowTitle()), "Transformation error"); });
    EXPECT_FALSE(OznameniDleCisla());  // closed by the hook, not by OK
    EXPECT_EQ(zobrazena, std::vector<std::string>{"Form3"});
}

// A reason (kept through the mute) shows whole under its notice in a taller
// box; a plain notice drops an old reason and is laid out as ever.
TEST_F(HlaseniTest, AReasonShowsUnderItsNoticeInATallerBoxAndAPlainNoticeDropsIt)
{
    std::string cesta;
    for (int i = 0; i < 20; ++i) cesta += "/slozka_" + std::to_string(i);  // ~200 characters, no blank
    const std::string duvod = "Cannot write \"" + cesta + "/p.pea\": No space left on device";
    chyby.Nehlasit();
    chyby.Oznameni(28, duvod);
    EXPECT_FALSE(OznameniDleCisla());
    Obsluz("Form3", [&](Formular& f) {
        auto& box = static_cast<TForm3&>(f);
        const int navic = box.Label1->height() - 65;
        EXPECT_EQ(NaUtf8(box.Label1->text()), TextOznameni(jazyk, 28) + "\n" + duvod);
        EXPECT_GE(box.Label1->height(), box.Label1->heightForWidth(384));  // all of it shows
        EXPECT_EQ(box.size(), QSize(400, 96 + navic));
        EXPECT_EQ(box.Button1->y(), 67 + navic);
        EXPECT_TRUE(navic > 0 && box.Label1->textInteractionFlags() & Qt::TextSelectableByMouse);
        StiskniKlavesu(box.Label1, Qt::Key_Return);
    });
    EXPECT_TRUE(OznameniDleCisla());
    // A file name too wide to wrap (the kept new content of a save, say)
    // widens the box, so that the whole name shows.
    const std::string jmeno = std::string(100, 'n') + ".pea";
    chyby.Oznameni(28, "Cannot write \"/" + jmeno + "\": Input/output error");
    Obsluz("Form3", [&](Formular& f) {
        auto& box = static_cast<TForm3&>(f);
        const int sirka = box.Label1->fontMetrics().horizontalAdvance(NaQString(jmeno));
        EXPECT_GT(box.Label1->width(), sirka);
        EXPECT_EQ(box.width() - box.Label1->width(), 16);
        EXPECT_EQ(box.Button1->geometry().right(), box.width() - 9);
    });
    OznameniDleCisla();
    chyby.Oznameni(28, "stale");
    chyby.Oznameni(28);
    Obsluz("Form3", [&](Formular& f) {
        EXPECT_EQ(NaUtf8(static_cast<TForm3&>(f).Label1->text()), TextOznameni(jazyk, 28));
        EXPECT_EQ(static_cast<TForm3&>(f).Button1->geometry(), QRect(317, 67, 75, 25));
    });
    OznameniDleCisla();
}

TEST_F(HlaseniTest, NoticeBoxIsOkOnlyWhenOkClosedIt)
{
    Obsluz("Form3", [](Formular& f) { StiskniKlavesu(&f, Qt::Key_Escape); });
    EXPECT_FALSE(ZobrazOznameni("zprava", "nadpis"));
    Obsluz("Form3", [](Formular& f) { StiskniKlavesu(&f, Qt::Key_Return); });  // Enter presses OK
    EXPECT_TRUE(ZobrazOznameni("zprava", "nadpis"));
}

TEST_F(HlaseniTest, ReportButtonOpensTheViewerOverTheOpenBox)
{
    Prostredi().textProtokolu = [](std::uint8_t rezim) {
        return rezim == 4 ? TStringList{"Added files", "a.txt"} : TStringList{};
    };
    Obsluz("Form3", [&](Formular& f) {
        auto& box = static_cast<TForm3&>(f);
        EXPECT_FALSE(box.Button2->isHidden());
        EXPECT_EQ(NaUtf8(box.Button2->text()), "Protocol");
        Obsluz("Form55", [&](Formular& v) {
            auto& viewer = static_cast<TForm55&>(v);
            EXPECT_EQ(viewer.Otvirac(), &box);
            EXPECT_EQ(NaUtf8(viewer.RichEdit1->toPlainText()), "Added files\na.txt");
            EXPECT_EQ(NaUtf8(viewer.windowTitle()), "Protocol - Add points");
            // A notice raised here (a failed save, say) gets a box of its
            // own over the viewer; the open box keeps its text and button.
            Obsluz("Form3", [&](Formular& g) {
                auto& druhy = static_cast<TForm3&>(g);
                EXPECT_NE(&druhy, &box);
                EXPECT_EQ(NaUtf8(druhy.Label1->text()), "An error occurred during the save process!");
                EXPECT_TRUE(druhy.Button2->isHidden());
                druhy.Button1->click();
            });
            chyby.Oznameni(28);
            EXPECT_TRUE(OznameniDleCisla());
            viewer.Zavrit1Click();
        });
        box.Button2->click();
        EXPECT_EQ(nastaveni.okno.protokol, 4);
        EXPECT_TRUE(box.isVisible());  // the box is still open
        EXPECT_EQ(NaUtf8(box.Label1->text()), "Added files: 1/1 (Number of points: 3)");
        EXPECT_FALSE(box.Button2->isHidden());
        box.Button1->click();
    });
    EXPECT_TRUE(OznameniProtokol("Added files: 1/1 (Number of points: 3)", "Add points"));
}

TEST_F(HlaseniTest, QuestionBoxEscAndEnterAnswerNo)
{
    for (const auto& [typ, anoText, neText] : {std::tuple{0, "Ano", "Ne"}, std::tuple{1, "Yes", "No"}}) {
        const std::string ano = anoText, ne = neText;
        NastavJazyk(static_cast<std::uint8_t>(typ));
        Obsluz("Form4", [&](Formular& f) {
            auto& box = static_cast<TForm4&>(f);
            EXPECT_EQ(NaUtf8(box.Button1->text()), ano);
            EXPECT_EQ(NaUtf8(box.Button2->text()), ne);
            EXPECT_EQ(NaUtf8(box.Label1->text()), "Really?");
            StiskniKlavesu(&f, Qt::Key_Escape);
        });
        EXPECT_FALSE(ZobrazPotvrzeni("Really?", "Warning"));
        Obsluz("Form4", [](Formular& f) { StiskniKlavesu(&f, Qt::Key_Return); });
        EXPECT_FALSE(ZobrazPotvrzeni("Really?", "Warning"));
        Obsluz("Form4", [](Formular& f) { static_cast<TForm4&>(f).Button1->click(); });
        EXPECT_TRUE(ZobrazPotvrzeni("Really?", "Warning"));
    }
}

class ProtokolTest : public OknaTest {
protected:
    void SetUp() override
    {
        OknaTest::SetUp();
        Prostredi().textProtokolu = [](std::uint8_t rezim) {
            return TStringList{"Report " + std::to_string(rezim), "", "  A   B"};
        };
    }
    // Shows the viewer from a window whose processing label is on (as the
    // report commands do) and hands the viewer to `prace`.
    void ZobrazZOtvirace(std::uint8_t rezim, const std::function<void(TForm55&)>& prace)
    {
        nastaveni.okno.protokol = rezim;
        Obsluz("Form66", [&](Formular& f) {
            PrepniZpracovani(&f);
            Obsluz("Form55", [&](Formular& v) { prace(static_cast<TForm55&>(v)); });
            ZobrazModalne(Form55());
        });
        ZobrazModalne(otvirac);
    }
    test::OknoSLabelem otvirac{QStringLiteral("Form66")};
};

TEST_F(ProtokolTest, ModesSetCaptionTextAndSwitchTheOpenersLabelOff)
{
    const struct {
        std::uint8_t rezim;
        std::string en, cz;
        bool prepina;
    } tabulka[] = {
        {1, "Protocol - A. Connected epoch", "Protokol - A. Připojená etapa", true},
        {2, "Protocol - B. Transformed epoch", "Protokol - B. Transformovaná etapa", true},
        {3, "Protocol - C. Movement analysis", "Protokol - C. Analýza posunů", true},
        {4, "Protocol - Add points", "Protokol - Přidat body", false},
    };
    for (std::uint8_t typ : {1, 0})
        for (const auto& r : tabulka) {
            NastavJazyk(typ);
            SCOPED_TRACE(std::to_string(r.rezim));
            ZobrazZOtvirace(r.rezim, [&](TForm55& v) {
                EXPECT_EQ(NaUtf8(v.windowTitle()), typ == 1 ? r.en : r.cz);
                EXPECT_EQ(NaUtf8(v.RichEdit1->toPlainText()), "Report " + std::to_string(r.rezim) + "\n\n  A   B");
                EXPECT_EQ(NaUtf8(v.Label_vyber->text()), " 3");
                EXPECT_EQ(otvirac.Label_zpracovani->isHidden(), r.prepina);
                EXPECT_EQ(NaUtf8(v.Label_zpracovani->text()), " " + jazyk.tlacitko.zpracovani + " ...");
                EXPECT_EQ(v.RichEdit1->font().family().isEmpty(), false);
                StiskniKlavesu(v.RichEdit1, Qt::Key_Escape);
                EXPECT_FALSE(v.isVisible());
            });
            if (!otvirac.Label_zpracovani->isHidden()) PrepniZpracovani(&otvirac);
        }
}

// Some window systems activate a window as it is shown, before its show
// handler runs: the label switched off is still the opener's.
TEST_F(ProtokolTest, TheOpenersLabelIsSwitchedOffAlsoWhenTheViewerIsAlreadyActive)
{
    nastaveni.okno.protokol = 3;
    Obsluz("Form66", [&](Formular& f) {
        PrepniZpracovani(&f);
        QApplication::setActiveWindow(&Form55());
        Obsluz("Form55", [&](Formular& v) {
            EXPECT_TRUE(otvirac.Label_zpracovani->isHidden());
            EXPECT_TRUE(static_cast<TForm55&>(v).Label_zpracovani->isHidden());
        });
        ZobrazModalne(Form55());
    });
    ZobrazModalne(otvirac);
    QApplication::setActiveWindow(nullptr);
}

TEST_F(ProtokolTest, SaveAsWritesTheReportAndUnlocksTheViewerAlsoWhenCancelled)
{
    const std::string slozka = test::DocasnaSlozka("protokol");
    ZobrazZOtvirace(3, [&](TForm55& v) {
        Obsluz("Form9", [](Formular& f) { StiskniKlavesu(&f, Qt::Key_Escape); });
        v.UlozitJako1Click();
        EXPECT_TRUE(v.Label_zpracovani->isHidden());
        Obsluz("Form9", [&](Formular& f) {
            auto& d = static_cast<TForm9&>(f);
            EXPECT_EQ(NaUtf8(d.windowTitle()), "Save protocol");
            d.NastavSlozku(slozka);
            d.Edit1->setText(QStringLiteral(" posuny "));
            d.Button1->click();
        });
        VyvolejPolozku(v.UlozitJako1);
        EXPECT_TRUE(v.Label_zpracovani->isHidden());
        EXPECT_TRUE(v.UlozitJako1->isEnabled());
        v.Close();
    });
    EXPECT_EQ(test::CtiSoubor(slozka + "/posuny.txt"), "Report 3\r\n\r\n  A   B\r\n");
}

TEST_F(ProtokolTest, FailedSaveAsShowsNotice28AndLeavesTheViewerUsable)
{
    const std::string slozka = test::DocasnaSlozka("protokol_chyba");
    QDir().mkpath(QString::fromStdString(slozka + "/obsazeno.txt"));  // a folder where the file should go
    ZobrazZOtvirace(1, [&](TForm55& v) {
        Obsluz("Form9", [&](Formular& f) {
            auto& d = static_cast<TForm9&>(f);
            d.NastavSlozku(slozka);
            d.Edit1->setText(QStringLiteral("obsazeno"));
            d.Button1->click();
        });
        Obsluz("Form3", [&](Formular& f) {
            EXPECT_EQ(NaUtf8(f.windowTitle()), "Error");
            EXPECT_EQ(test::BezSlovSystemu(NaUtf8(static_cast<TForm3&>(f).Label1->text())),
                      "An error occurred during the save process!\nCannot write \"" + slozka + "/obsazeno.txt\"");
            EXPECT_FALSE(v.Label_zpracovani->isHidden());  // still saving while the notice shows
        });
        v.UlozitJako1Click();
        EXPECT_TRUE(v.isVisible());
        EXPECT_TRUE(v.Label_zpracovani->isHidden());
        EXPECT_TRUE(v.UlozitJako1->isEnabled());
        EXPECT_EQ(chyby.cisloOznameni, 0);
        v.Close();
    });
}

}  // namespace
}  // namespace sitmera
