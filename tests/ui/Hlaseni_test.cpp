// The notice box with the catalogue of numbered notices, the question box and
// the report viewer with Save As.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/HlaseniOkno.h"
#include "ui/Menu.h"
#include "ui/OknaTest.h"
#include "ui/OtazkaOkno.h"
#include "ui/ProtokolOkno.h"
#include "ui/UlozitOkno.h"

namespace sitmera {
namespace {

using test::OknaTest;
using test::StiskniKlavesu;

// The catalogue as the notice table gives it: title and message pieces
// (fields of the messages, or of the titles where marked), joined by " - "
// in the title of code 3 and by " " in the messages.
struct Radek {
    int kod;
    std::vector<std::string Thlaseni::*> nadpis;  // empty: nadpis.chyba
    bool varovani;                                // title starts with nadpis.varovani + " - "
    std::vector<std::string Thlaseni::*> zprava;
};

const std::vector<Radek>& Katalog()
{
    using H = Thlaseni;
    static const std::vector<Radek> k = {
        {0, {}, false, {&H::chybaPriZpracovani}},
        {1, {&H::chybaFixnichBodu}, false, {&H::nejmeneDvaBodyVlozeny, &H::seznamBezDuplicit}},
        {2, {&H::chybaFixnichBodu}, false, {&H::nevhodnaKonfiguraceBodu}},
        {3, {&H::chybaFixnichBodu}, true, {&H::prekrocenMezniRozdil, &H::mereniObsahujeHrube}},
        {4, {&H::chybaVyrovnani}, false, {&H::maloNadbytecnych}},
        {5, {&H::chybaRobustnihoVyrovnani}, false, {&H::chybaVResenNormalRovnic, &H::mereniObsahujeHrube}},
        {6, {&H::chybaDetekceOdlehlych}, false, {&H::apriorPresnostNeodpovida, &H::mereniObsahujeHrube}},
        {7, {&H::chybaVyrovnani}, false, {&H::chybaVResenNormalRovnic, &H::mereniObsahujeHrube}},
        {8, {&H::chybaVyrovnani}, false, {&H::chybaVyhodnoceniMereni, &H::mereniObsahujeHrube}},
        {9, {&H::chybaIdentickychBodu}, false, {&H::nejmeneDvaIdentikeBodyVlozeny, &H::seznamIdentickychBezDuplicit}},
        {10, {&H::chybaIdentickychBodu}, false, {&H::identickeMusiOdpovidatSiti}},
        {11, {&H::chybaIdentickychBodu}, false, {&H::identickeMusiMitDozdilneXY}},
        {12, {&H::chybaRobustnihoVyrovnani}, false, {&H::chybaVResenNormalRovnic, &H::identickeObsahujiHrube}},
        {13, {&H::chybaDetekceOdlehlych}, false, {&H::apriorPresnostIdentickcyhNeodpovida, &H::identickeObsahujiHrube}},
        {14, {&H::chybaVyrovnani}, false, {&H::chybaVResenNormalRovnic, &H::identickeObsahujiHrube}},
        {15, {&H::chybaVyrovnani}, false, {&H::chybaVyhodnoceniTransformace, &H::identickeObsahujiHrube}},
        {16, {&H::chybaTransformace}, false, {&H::chybaPriTransform}},
        {17, {&H::chybaMeritkovychKoeficientu}, false, {&H::meritkoObsahujeChyby}},
        {18, {&H::chybaDoplnkovehoMereni}, false, {&H::doplnekDelkaObsahujeChyby}},
        {19, {&H::chybaDoplnkovehoMereni}, false, {&H::doplnekSmernikObsahujeChyby}},
        {20, {&H::chybaDoplnkovehoMereni}, false, {&H::doplnekPrevyseniObsahujeChyby}},
        {21, {&H::chybaDoplnkovehoMereni}, false, {&H::doplnekProvazeniObsahujeChyby}},
        {22, {&H::chybaDoplnkovehoMereni}, false, {&H::prekrocenMezniRozdilDoplnekDelka, &H::mereniObsahujeHrube}},
        {23, {&H::chybaDoplnkovehoMereni}, false, {&H::prekrocenMezniRozdilDoplnekSmernik, &H::mereniObsahujeHrube}},
        {24, {&H::chybaDoplnkovehoMereni}, false, {&H::prekrocenMezniRozdilDoplnekPrevyseni, &H::mereniObsahujeHrube}},
        {25, {&H::chybaDoplnkovehoMereni}, false, {&H::prekrocenMezniRozdilDoplnekProvazeni, &H::mereniObsahujeHrube}},
        {26, {&H::chybaProtokol}, false, {&H::chybaZpracovaniProtokolu}},
        {28, {}, false, {&H::chybaPriUkladani}},
        {29, {&H::chybaTransformace}, false, {&H::chybaTransfromacniKlic}},
        {30, {&H::chybaTransformace}, false, {&H::chybaPriTransform}},
        {31, {}, false, {&H::chybaAnalyzaPosunu}},
    };
    return k;
}

class HlaseniTest : public OknaTest {};

TEST_F(HlaseniTest, EveryNoticeCodeShowsItsComposedTitleAndMessageInBothLanguages)
{
    for (std::uint8_t typ : {0, 1}) {
        NastavJazyk(typ);
        std::vector<std::pair<int, std::pair<std::string, std::string>>> ocekavane;
        for (const Radek& r : Katalog()) {
            std::string nadpis = r.nadpis.empty() ? jazyk.nadpis.chyba : jazyk.hlaseni.*(r.nadpis[0]);
            if (r.varovani) nadpis = jazyk.nadpis.varovani + " - " + nadpis;
            std::string zprava;
            for (auto pole : r.zprava) zprava += (zprava.empty() ? "" : " ") + jazyk.hlaseni.*pole;
            ocekavane.push_back({r.kod, {nadpis, zprava}});
        }
        // Codes without a row: the title twice.
        for (int kod : {27, 32, 100, -1}) ocekavane.push_back({kod, {jazyk.nadpis.chyba, jazyk.nadpis.chyba}});
        for (const auto& [kod, texty] : ocekavane) {
            SCOPED_TRACE("language " + std::to_string(typ) + ", code " + std::to_string(kod));
            ASSERT_FALSE(texty.second.empty());
            chyby.Oznameni(kod);
            Ocekavej("Form3", [&](Formular& f) {
                auto& box = static_cast<TForm3&>(f);
                EXPECT_EQ(S(box.windowTitle()), texty.first);
                EXPECT_EQ(S(box.Label1->text()), texty.second);
                EXPECT_EQ(S(box.Button1->text()), "OK");
                EXPECT_TRUE(box.Button2->isHidden());
                box.Button1->click();
                return 0;
            });
            EXPECT_TRUE(OznameniDleCisla());
            EXPECT_EQ(chyby.cisloOznameni, 0);
        }
    }
    // Spot checks against the texts themselves.
    NastavJazyk(1);
    EXPECT_EQ(jazyk.hlaseni.chybaTransfromacniKlic, "Transformation parametres error! Please check your settings.");
}

TEST_F(HlaseniTest, MuteFlagSkipsExactlyOneNotice)
{
    chyby.Nehlasit();
    chyby.Oznameni(29);
    EXPECT_FALSE(OznameniDleCisla());  // nothing shown
    EXPECT_FALSE(chyby.vypnoutHlaseni);
    EXPECT_EQ(chyby.cisloOznameni, 29);  // still pending
    Ocekavej("Form3", [](Formular& f) {
        EXPECT_EQ(S(f.windowTitle()), "Transformation error");
        return 0;
    });
    EXPECT_FALSE(OznameniDleCisla());  // closed by the hook, not by OK
    EXPECT_EQ(zobrazena, std::vector<std::string>{"Form3"});
}

TEST_F(HlaseniTest, NoticeBoxIsOkOnlyWhenOkClosedIt)
{
    Ocekavej("Form3", [](Formular& f) {
        StiskniKlavesu(&f, Qt::Key_Escape);
        return 0;
    });
    EXPECT_FALSE(ZobrazOznameni("zprava", "nadpis"));
    Ocekavej("Form3", [](Formular& f) {
        StiskniKlavesu(&f, Qt::Key_Return);  // Enter presses OK
        return 0;
    });
    EXPECT_TRUE(ZobrazOznameni("zprava", "nadpis"));
}

TEST_F(HlaseniTest, ReportButtonOpensTheViewerOverTheOpenBox)
{
    Prostredi().textProtokolu = [](std::uint8_t rezim) {
        return rezim == 4 ? TStringList{"Added files", "a.txt"} : TStringList{};
    };
    Ocekavej("Form3", [&](Formular& f) {
        auto& box = static_cast<TForm3&>(f);
        EXPECT_FALSE(box.Button2->isHidden());
        EXPECT_EQ(S(box.Button2->text()), "Protocol");
        Ocekavej("Form55", [&](Formular& v) {
            auto& viewer = static_cast<TForm55&>(v);
            EXPECT_EQ(viewer.Otvirac(), &box);
            EXPECT_EQ(S(viewer.RichEdit1->toPlainText()), "Added files\na.txt");
            EXPECT_EQ(S(viewer.windowTitle()), "Protocol - Add points");
            viewer.Zavrit1Click();
            return 0;
        });
        box.Button2->click();
        EXPECT_EQ(nastaveni.okno.protokol, 4);
        EXPECT_TRUE(box.isVisible());  // the box is still open
        box.Button1->click();
        return 0;
    });
    EXPECT_TRUE(OznameniProtokol("Added files: 1/1 (Number of points: 3)", "Add points"));
}

TEST_F(HlaseniTest, QuestionBoxEscAndEnterAnswerNo)
{
    for (std::uint8_t typ : {0, 1}) {
        NastavJazyk(typ);
        Ocekavej("Form4", [&](Formular& f) {
            auto& box = static_cast<TForm4&>(f);
            EXPECT_EQ(S(box.Button1->text()), jazyk.tlacitko.ano);
            EXPECT_EQ(S(box.Button2->text()), jazyk.tlacitko.ne);
            EXPECT_EQ(S(box.Label1->text()), "Really?");
            StiskniKlavesu(&f, Qt::Key_Escape);
            return 0;
        });
        EXPECT_FALSE(ZobrazPotvrzeni("Really?", "Warning"));
        Ocekavej("Form4", [](Formular& f) {
            StiskniKlavesu(&f, Qt::Key_Return);
            return 0;
        });
        EXPECT_FALSE(ZobrazPotvrzeni("Really?", "Warning"));
        Ocekavej("Form4", [](Formular& f) {
            static_cast<TForm4&>(f).Button1->click();
            return 0;
        });
        EXPECT_TRUE(ZobrazPotvrzeni("Really?", "Warning"));
    }
}

// A window with a processing label that opens the viewer.
class Otvirac : public Formular {
public:
    Otvirac() : Formular(QStringLiteral("Form66"))
    {
        auto* l = new QVBoxLayout(this);
        Label_zpracovani = new QLabel(QStringLiteral(" Processing ..."), this);
        Label_zpracovani->setObjectName(QStringLiteral("Label_zpracovani"));
        Label_zpracovani->hide();
        l->addWidget(Label_zpracovani);
    }
    QLabel* Label_zpracovani;
};

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
        Ocekavej("Form66", [&](Formular& f) {
            PrepniZpracovani(&f);
            Ocekavej("Form55", [&](Formular& v) {
                prace(static_cast<TForm55&>(v));
                return 0;
            });
            ZobrazModalne(Form55());
            return 0;
        });
        ZobrazModalne(otvirac);
    }
    Otvirac otvirac;
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
                EXPECT_EQ(S(v.windowTitle()), typ == 1 ? r.en : r.cz);
                EXPECT_EQ(S(v.RichEdit1->toPlainText()), "Report " + std::to_string(r.rezim) + "\n\n  A   B");
                EXPECT_EQ(S(v.Label_vyber->text()), " 3");
                EXPECT_EQ(otvirac.Label_zpracovani->isHidden(), r.prepina);
                EXPECT_EQ(S(v.Label_zpracovani->text()), " " + jazyk.tlacitko.zpracovani + " ...");
                EXPECT_EQ(v.RichEdit1->font().family().isEmpty(), false);
                StiskniKlavesu(v.RichEdit1, Qt::Key_Escape);
                EXPECT_FALSE(v.isVisible());
            });
            if (!otvirac.Label_zpracovani->isHidden()) PrepniZpracovani(&otvirac);
        }
}

TEST_F(ProtokolTest, SaveAsWritesTheReportAndUnlocksTheViewer)
{
    const std::string slozka = test::DocasnaSlozka("protokol");
    ZobrazZOtvirace(3, [&](TForm55& v) {
        Ocekavej("Form9", [&](Formular& f) {
            auto& d = static_cast<TForm9&>(f);
            EXPECT_EQ(S(d.windowTitle()), "Save protocol");
            d.NastavSlozku(slozka);
            d.Edit1->setText(QStringLiteral(" posuny "));
            d.Button1->click();
            return 0;
        });
        VyvolejPolozku(v.UlozitJako1);
        EXPECT_TRUE(v.Label_zpracovani->isHidden());
        EXPECT_TRUE(v.UlozitJako1->isEnabled());
        v.Close();
    });
    EXPECT_EQ(test::CtiSoubor(slozka + "/posuny.txt"), "Report 3\r\n\r\n  A   B\r\n");
}

TEST_F(ProtokolTest, CancelledSaveAsLeavesTheViewerUnlocked)
{
    ZobrazZOtvirace(3, [&](TForm55& v) {
        Ocekavej("Form9", [](Formular& f) {
            StiskniKlavesu(&f, Qt::Key_Escape);
            return 0;
        });
        v.UlozitJako1Click();
        EXPECT_TRUE(v.Label_zpracovani->isHidden());
        v.Close();
    });
}

TEST_F(ProtokolTest, FailedSaveAsShowsNotice28AndLeavesTheViewerUsable)
{
    const std::string slozka = test::DocasnaSlozka("protokol_chyba");
    QDir().mkpath(QString::fromStdString(slozka + "/obsazeno.txt"));  // a folder where the file should go
    ZobrazZOtvirace(1, [&](TForm55& v) {
        Ocekavej("Form9", [&](Formular& f) {
            auto& d = static_cast<TForm9&>(f);
            d.NastavSlozku(slozka);
            d.Edit1->setText(QStringLiteral("obsazeno"));
            d.Button1->click();
            return 0;
        });
        Ocekavej("Form3", [&](Formular& f) {
            EXPECT_EQ(S(f.windowTitle()), "Error");
            EXPECT_EQ(S(static_cast<TForm3&>(f).Label1->text()), "An error occurred during the save process!");
            EXPECT_FALSE(v.Label_zpracovani->isHidden());  // still saving while the notice shows
            return 0;
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
