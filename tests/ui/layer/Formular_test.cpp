// Window conventions: closing runs the close handler once per close whatever
// the way, Esc closes, the modal hook, the command boundary, the processing
// state, menus with enabling and shortcuts, the active window.
#include <gtest/gtest-spi.h>

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/OknaTest.h"

namespace sitmera {
namespace {

using test::OknaTest;
using test::StiskniKlavesu;

class ZkusebniOkno : public Formular {
public:
    explicit ZkusebniOkno(const QString& jmeno, bool sLabelem = true) : Formular(jmeno)
    {
        auto* menu = VytvorHlavniMenu(*this);
        Hlavni1 = PridejMenu(menu, QStringLiteral("Hlavni1"), [this] { ++otevreniMenu; });
        Kopirovat1 = PridejPolozku(Hlavni1, QStringLiteral("Kopirovat1"), 16451, [this] { ++kopirovani; });
        Zavrit1 = PridejPolozku(Hlavni1, QStringLiteral("Zavrit1"), 0, [this] { Close(); });
        Vyber1 = PridejMenu(menu, QStringLiteral("Vyber1"), [this] { Vybratvse1->setEnabled(povolitVyber); });
        Vybratvse1 = PridejPolozku(Vyber1, QStringLiteral("Vybratvse1"), 16449, [this] { ++vybrani; });
        StringGrid3 = new Mrizka(QStringLiteral("StringGrid3"), this);
        layout()->addWidget(StringGrid3);
        Button1 = new QPushButton(QStringLiteral("OK"), this);
        Button1->setObjectName(QStringLiteral("Button1"));
        layout()->addWidget(Button1);
        connect(Button1, &QPushButton::clicked, this, [this] { SpustPrikaz(this, [this] { Close(); }); });
        if (sLabelem) {
            Label_zpracovani = new QLabel(QStringLiteral(" Processing ..."), this);
            Label_zpracovani->setObjectName(QStringLiteral("Label_Zpracovani"));  // case does not matter
            Label_zpracovani->hide();
            layout()->addWidget(Label_zpracovani);
        }
        resize(300, 200);
    }

    Nabidka* Hlavni1;
    Nabidka* Vyber1;
    QAction* Kopirovat1;
    QAction* Zavrit1;
    QAction* Vybratvse1;
    Mrizka* StringGrid3;
    QPushButton* Button1;
    QLabel* Label_zpracovani = nullptr;

    int zobrazeni = 0, dotazy = 0, zavreni = 0, kopirovani = 0, vybrani = 0, otevreniMenu = 0;
    bool muzeZavrit = true;
    bool povolitVyber = true;
    std::vector<int> klavesy;
    bool vzitKlavesy = false;
    std::function<void()> priZobrazeni;

protected:
    void FormShow() override
    {
        ++zobrazeni;
        if (priZobrazeni) priZobrazeni();
    }
    void FormCloseQuery(bool& muze) override
    {
        ++dotazy;
        muze = muzeZavrit;
    }
    void FormClose() override { ++zavreni; }
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers) override
    {
        klavesy.push_back(klavesa);
        if (vzitKlavesy) klavesa = 0;
    }
};

class FormularTest : public OknaTest {};

TEST_F(FormularTest, EveryWayOfClosingRunsTheCloseHandlerOnce)
{
    ZkusebniOkno okno(QStringLiteral("Form90"));
    const std::vector<std::pair<std::string, std::function<void(ZkusebniOkno&)>>> cesty = {
        {"Close", [](ZkusebniOkno& o) { o.Close(); }},
        {"close box", [](ZkusebniOkno& o) { o.close(); }},
        {"Esc", [](ZkusebniOkno& o) { StiskniKlavesu(&o, Qt::Key_Escape); }},
        {"Esc in the grid", [](ZkusebniOkno& o) { StiskniKlavesu(o.StringGrid3, Qt::Key_Escape); }},
        {"button", [](ZkusebniOkno& o) { o.Button1->click(); }},
        {"reject", [](ZkusebniOkno& o) { o.reject(); }},
        {"accept", [](ZkusebniOkno& o) { o.accept(); }},
        {"menu item", [](ZkusebniOkno& o) { VyvolejPolozku(o.Zavrit1); }},
        {"Close twice", [](ZkusebniOkno& o) { o.Close(); o.Close(); }},
    };
    for (const auto& cesta : cesty) {
        SCOPED_TRACE(cesta.first);
        const auto& zavri = cesta.second;
        const int pred = okno.zavreni;
        Ocekavej("Form90", [&](Formular& f) {
            EXPECT_TRUE(f.isVisible());
            zavri(okno);
            EXPECT_FALSE(f.isVisible());
            return f.result();
        });
        ZobrazModalne(okno);
        EXPECT_EQ(okno.zavreni, pred + 1);
    }
    EXPECT_EQ(okno.zobrazeni, static_cast<int>(cesty.size()));
    EXPECT_EQ(okno.dotazy, static_cast<int>(cesty.size()));
}

TEST_F(FormularTest, ACloseFromTheShowHandlerLeavesNoNativeWindowOnScreen)
{
    ZkusebniOkno okno(QStringLiteral("Form90"));
    okno.priZobrazeni = [&] { EXPECT_TRUE(okno.Close()); };
    okno.show();
    EXPECT_FALSE(okno.isVisible());
    EXPECT_FALSE(okno.windowHandle()->isVisible());
    EXPECT_EQ(okno.zavreni, 1);
}

TEST_F(FormularTest, RefusedCloseQueryKeepsTheWindowOpenAndRunsNoCloseHandler)
{
    ZkusebniOkno okno(QStringLiteral("Form90"));
    Ocekavej("Form90", [&](Formular& f) {
        okno.muzeZavrit = false;
        StiskniKlavesu(&okno, Qt::Key_Escape);
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(okno.zavreni, 0);
        // A refused accept leaves the result as it was.
        okno.accept();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.result(), QDialog::Rejected);
        okno.muzeZavrit = true;
        okno.Close();
        return 7;
    });
    EXPECT_EQ(ZobrazModalne(okno), 7);  // the hook's result
    EXPECT_EQ(okno.dotazy, 3);
    EXPECT_EQ(okno.zavreni, 1);
}

TEST_F(FormularTest, TheHookClosesAWindowItLeavesOpenAndFailsOnAnUnexpectedOne)
{
    ZkusebniOkno okno(QStringLiteral("Form90"));
    Ocekavej("Form90", [](Formular&) { return 3; });
    EXPECT_EQ(ZobrazModalne(okno), 3);
    EXPECT_FALSE(okno.isVisible());
    EXPECT_EQ(okno.zavreni, 1);

    ZkusebniOkno necekane(QStringLiteral("Form91"));
    EXPECT_NONFATAL_FAILURE(ZobrazModalne(necekane), "Unexpected modal window Form91");
    EXPECT_FALSE(necekane.isVisible());
}

TEST_F(FormularTest, KeyPreviewSeesKeysBeforeTheControlAndCanTakeThem)
{
    ZkusebniOkno okno(QStringLiteral("Form90"));
    int mrizkaVidela = 0;
    okno.StringGrid3->OnKeyDown = [&](int&, Qt::KeyboardModifiers) { ++mrizkaVidela; };
    okno.show();
    StiskniKlavesu(okno.StringGrid3, Qt::Key_Space);
    EXPECT_EQ(okno.klavesy, std::vector<int>{Qt::Key_Space});
    EXPECT_EQ(mrizkaVidela, 1);
    okno.vzitKlavesy = true;
    StiskniKlavesu(okno.StringGrid3, Qt::Key_Space);
    EXPECT_EQ(mrizkaVidela, 1);
    // A key the window takes does not close it either.
    StiskniKlavesu(okno.StringGrid3, Qt::Key_Escape);
    EXPECT_TRUE(okno.isVisible());
    okno.vzitKlavesy = false;
    okno.Close();
}

TEST_F(FormularTest, ShortcutRunsItsCommandOnlyWhenEnabledAfterTheMenuRecomputed)
{
    ZkusebniOkno okno(QStringLiteral("Form90"));
    okno.show();
    StiskniKlavesu(okno.StringGrid3, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(okno.kopirovani, 1);
    EXPECT_EQ(okno.otevreniMenu, 1);  // the menu's enabling ran first
    // The menu's enabling handler disables the item: the shortcut does nothing
    // even though the item was enabled before the key.
    okno.povolitVyber = false;
    okno.Vybratvse1->setEnabled(true);
    StiskniKlavesu(okno.StringGrid3, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(okno.vybrani, 0);
    EXPECT_FALSE(okno.Vybratvse1->isEnabled());
    okno.povolitVyber = true;
    StiskniKlavesu(okno.StringGrid3, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(okno.vybrani, 1);
    // A disabled command lets the key through to the window's handlers.
    okno.povolitVyber = false;
    okno.klavesy.clear();
    StiskniKlavesu(okno.StringGrid3, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(okno.klavesy, std::vector<int>{Qt::Key_A});
    okno.Close();
}

TEST_F(FormularTest, PopupShortcutOfTheFocusedControlComesBeforeTheMainMenu)
{
    ZkusebniOkno okno(QStringLiteral("Form90"));
    int popupKopie = 0;
    Nabidka* popup = VytvorPopupMenu(okno, QStringLiteral("PopupMenu1"));
    PridejPolozku(popup, QStringLiteral("Kopirovat2"), 16451, [&] { ++popupKopie; });
    PripojPopupMenu(okno.StringGrid3, popup);
    okno.show();
    StiskniKlavesu(okno.StringGrid3, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(popupKopie, 1);
    EXPECT_EQ(okno.kopirovani, 0);
    StiskniKlavesu(okno.Button1, Qt::Key_C, Qt::ControlModifier);  // no popup there
    EXPECT_EQ(okno.kopirovani, 1);
    okno.Close();
}

TEST_F(FormularTest, F10HighlightsTheFirstMenuWhoseKeysThenSkipTheWindowsHandlers)
{
    ZkusebniOkno okno(QStringLiteral("Form90"));
    okno.show();
    QApplication::processEvents();  // activated
    okno.StringGrid3->setFocus();
    auto* lista = okno.findChild<QMenuBar*>();
    StiskniKlavesu(okno.StringGrid3, Qt::Key_F10);
    EXPECT_TRUE(lista->hasFocus());
    EXPECT_EQ(lista->activeAction(), okno.Hlavni1->menuAction());
    EXPECT_FALSE(okno.Hlavni1->isVisible());  // highlighted, not opened
    // Esc leaves the menu, not the window; the key preview saw no key.
    StiskniKlavesu(lista, Qt::Key_Escape);
    EXPECT_TRUE(okno.StringGrid3->hasFocus());
    EXPECT_TRUE(okno.isVisible());
    EXPECT_TRUE(okno.klavesy.empty());
    // F10 again leaves it too.
    StiskniKlavesu(okno.StringGrid3, Qt::Key_F10);
    StiskniKlavesu(lista, Qt::Key_F10);
    EXPECT_TRUE(okno.StringGrid3->hasFocus());
    okno.Close();
}

TEST(ZkratkyTest, StoredShortcutCodesMapToKeysAndBack)
{
    const struct {
        int kod;
        QKeyCombination klavesa;
    } tabulka[] = {
        {16469, QKeyCombination(Qt::ControlModifier, Qt::Key_U)}, {16498, QKeyCombination(Qt::ControlModifier, Qt::Key_F3)},
        {114, QKeyCombination(Qt::Key_F3)},                       {8306, QKeyCombination(Qt::ShiftModifier, Qt::Key_F3)},
        {16451, QKeyCombination(Qt::ControlModifier, Qt::Key_C)}, {45, QKeyCombination(Qt::Key_Insert)},
        {46, QKeyCombination(Qt::Key_Delete)},                    {113, QKeyCombination(Qt::Key_F2)},
        {16461, QKeyCombination(Qt::ControlModifier, Qt::Key_M)}, {16464, QKeyCombination(Qt::ControlModifier, Qt::Key_P)},
    };
    for (const auto& r : tabulka) {
        EXPECT_EQ(ZkratkaNaKlavesu(r.kod), r.klavesa) << r.kod;
        EXPECT_EQ(KlavesaNaZkratku(r.klavesa.key(), r.klavesa.keyboardModifiers()), r.kod) << r.kod;
    }
    EXPECT_EQ(KlavesaNaZkratku(Qt::Key_Shift, Qt::ShiftModifier), 0);  // a modifier alone is no shortcut
}

TEST_F(FormularTest, PrepniZpracovaniLocksAWindowWithTheLabelAndLeavesOneWithoutItAlone)
{
    ZkusebniOkno okno(QStringLiteral("Form90"));
    okno.show();
    PrepniZpracovani(&okno);
    EXPECT_FALSE(okno.Label_zpracovani->isHidden());
    EXPECT_FALSE(okno.Kopirovat1->isEnabled());
    EXPECT_FALSE(okno.Hlavni1->menuAction()->isEnabled());
    EXPECT_FALSE(okno.StringGrid3->isEnabled());
    // Locked: a shortcut runs nothing.
    StiskniKlavesu(okno.StringGrid3, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(okno.kopirovani, 0);
    PrepniZpracovani(&okno);
    EXPECT_TRUE(okno.Label_zpracovani->isHidden());
    EXPECT_TRUE(okno.Kopirovat1->isEnabled());
    EXPECT_TRUE(okno.StringGrid3->isEnabled());
    okno.Close();

    // A window without the label is left alone.
    ZkusebniOkno bez(QStringLiteral("Form91"), false);
    bez.Kopirovat1->setEnabled(false);
    bez.show();
    PrepniZpracovani(&bez);
    EXPECT_FALSE(bez.Kopirovat1->isEnabled());
    EXPECT_TRUE(bez.Zavrit1->isEnabled());
    EXPECT_TRUE(bez.StringGrid3->isEnabled());
    PrepniZpracovani(nullptr);  // ignored
    bez.Close();
}

TEST_F(FormularTest, CommandBoundaryEndsASilentAbortQuietlyShowsOtherErrorsAndUnlocksTheWindow)
{
    ZkusebniOkno okno(QStringLiteral("Form90"));
    okno.show();
    SpustPrikaz(&okno, [&] {
        PrepniZpracovani(&okno);
        throw TichePreruseni();
    });
    EXPECT_TRUE(okno.Label_zpracovani->isHidden());
    EXPECT_TRUE(okno.Kopirovat1->isEnabled());
    EXPECT_TRUE(zobrazena.empty());  // no box

    Ocekavej("Form3", [](Formular& f) {
        auto& box = static_cast<TForm3&>(f);
        EXPECT_EQ(NaUtf8(box.windowTitle()), "Error");
        EXPECT_EQ(NaUtf8(box.Label1->text()), "disk on fire");
        box.Button1->click();
        return f.result();
    });
    SpustPrikaz(&okno, [&] {
        PrepniZpracovani(&okno);
        throw ChybaSouboru("disk on fire");
    });
    EXPECT_TRUE(okno.Label_zpracovani->isHidden());
    EXPECT_TRUE(okno.StringGrid3->isEnabled());

    // An exception in a menu command does not leave the handler either.
    QAction* spatna = PridejPolozku(okno.Hlavni1, QStringLiteral("Spatna1"), 0, [] { throw std::runtime_error("x"); });
    Ocekavej("Form3", nullptr);
    EXPECT_TRUE(VyvolejPolozku(spatna));
    okno.Close();
}

TEST_F(FormularTest, ModalWindowRecordsItsOpenerAsTransientParentAndActiveWindow)
{
    ZkusebniOkno hlavni(QStringLiteral("Form65"));
    ZkusebniOkno prvni(QStringLiteral("Form66"));
    ZkusebniOkno druhe(QStringLiteral("Form77"));  // a tool window by its name
    NastavHlavniOkno(&hlavni);
    hlavni.show();
    EXPECT_EQ(AktivniOkno(), &hlavni);
    Formular* aktivniPriZobrazeni = nullptr;
    druhe.priZobrazeni = [&] { aktivniPriZobrazeni = AktivniOkno(); };
    Obsluz("Form66", [&](Formular& f) {
        EXPECT_EQ(AktivniOkno(), &prvni);
        EXPECT_EQ(prvni.Otvirac(), &hlavni);
        EXPECT_EQ(f.windowHandle()->transientParent(), hlavni.windowHandle());
        EXPECT_EQ(QGuiApplication::modalWindow(), f.windowHandle());
        Obsluz("Form77", [&](Formular& g) {
            EXPECT_EQ(AktivniOkno(), &druhe);
            EXPECT_EQ(g.windowHandle()->transientParent(), prvni.windowHandle());
            // A tool window over a modal one is the active and the modal window.
            QApplication::processEvents();
            EXPECT_EQ(g.windowType(), Qt::Tool);
            EXPECT_EQ(QApplication::activeWindow(), &g);
            EXPECT_EQ(QGuiApplication::modalWindow(), g.windowHandle());
        });
        ZobrazModalne(druhe);
        EXPECT_EQ(AktivniOkno(), &prvni);
    });
    ZobrazModalne(prvni);
    // While the second window's show handler ran, its opener was still active.
    EXPECT_EQ(aktivniPriZobrazeni, &prvni);
    EXPECT_EQ(AktivniOkno(), &hlavni);
    NastavHlavniOkno(nullptr);
    hlavni.Close();
}

TEST_F(FormularTest, TheOpenerTakesTheKeyboardBackWhenAModalWindowCloses)
{
    // Run as the program runs (no test hook); the modal window, on closing,
    // leaves no window active, as a window system without a window manager
    // does.
    NastavModalniHook({});
    ZkusebniOkno hlavni(QStringLiteral("Form65"));
    ZkusebniOkno modalni(QStringLiteral("Form66"));
    NastavHlavniOkno(&hlavni);
    hlavni.show();
    hlavni.activateWindow();
    QApplication::processEvents();
    modalni.priZobrazeni = [&] {
        QTimer::singleShot(0, &modalni, [&] {
            modalni.Close();
            QApplication::setActiveWindow(nullptr);
        });
    };
    ZobrazModalne(modalni);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &hlavni);
    NastavHlavniOkno(nullptr);
    hlavni.Close();
}

TEST_F(FormularTest, ModelessWindowOpenedFromAModalOneIsItsTransientChildAndClosesWithIt)
{
    ZkusebniOkno modalni(QStringLiteral("Form68"));
    ZkusebniOkno kresba(QStringLiteral("Form84"));
    Obsluz("Form68", [&](Formular&) {
        ZobrazNemodalne(kresba);
        EXPECT_TRUE(kresba.isVisible());
        EXPECT_FALSE(kresba.JeModalni());
        EXPECT_EQ(kresba.Otvirac(), &modalni);
        // A transient child of the modal window is not blocked by it.
        EXPECT_TRUE(modalni.windowHandle()->isAncestorOf(kresba.windowHandle(), QWindow::IncludeTransients));
    });
    ZobrazModalne(modalni);
    EXPECT_FALSE(kresba.isVisible());
    EXPECT_EQ(kresba.zavreni, 1);
    // Closed already: the opener's next close does not run its handlers again.
    Obsluz("Form68", [](Formular&) {});
    ZobrazModalne(modalni);
    EXPECT_EQ(kresba.zavreni, 1);
}

}  // namespace
}  // namespace sitmera
