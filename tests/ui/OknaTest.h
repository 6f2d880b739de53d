// Shared set-up of the window tests: the offscreen application with a
// 1920 x 1080 screen (or two screens), the settings, texts and notice state
// the windows read, and the modal hook that answers modal windows in order.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

#include "core/Chyby.h"
#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "numerics/TestProces.h"
#include "ui/layer/Formular.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/layer/Prostredi.h"

// Fontconfig keeps a cache it never frees; the leak checker of sanitizer
// builds is told so (each test program includes this header from one file).
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

namespace sitmera::test {

// The application of the test program; dveObrazovky: a second 1280 x 1024
// screen right of the first.
inline void ZajistiAplikaci(bool dveObrazovky = false)
{
    if (QApplication::instance() != nullptr) return;
    // In the process's own folder (CTest runs the test cases in parallel
    // processes), removed when the process ends.
    const std::string soubor = SlozkaProcesu() + "/ui_obrazovky.json";
    QFile f(QString::fromStdString(soubor));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(R"({"screens":[{"name":"A","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1})");
        if (dveObrazovky)
            f.write(R"(,{"name":"B","x":1920,"y":0,"width":1280,"height":1024,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1})");
        f.write("]}");
        f.close();
    }
    const std::string platforma = "offscreen:configfile=" + soubor;
    setenv("QT_QPA_PLATFORM", platforma.c_str(), 1);
    // Without a runtime folder Qt would make one of its own in the
    // temporary folder and leave it there.
    setenv("XDG_RUNTIME_DIR", SlozkaProcesu().c_str(), 0);
    // The offscreen platform reports every window's size hints; keep quiet.
    qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext&, const QString& zprava) {
        if (zprava.contains(QLatin1String("propagateSizeHints"))) return;
        if (typ != QtDebugMsg) fprintf(stderr, "%s\n", qPrintable(zprava));
    });
    static int argc = 1;
    static char nazev[] = "ui_test";
    static char* argv[] = {nazev, nullptr};
    new Aplikace(argc, argv);  // lives for the whole test program
}

// One expected modal window: its object name and what the test does with it.
struct Ocekavane {
    std::string jmeno;
    std::function<int(Formular&)> odpoved;
};

// Base fixture: English texts (or Czech with NastavJazyk(0)), the modal hook.
class OknaTest : public ::testing::Test {
protected:
    // The application exists before the fixture's own members (windows) are
    // made; dveObrazovky: the two-screen configuration.
    explicit OknaTest(bool dveObrazovky = false) { ZajistiAplikaci(dveObrazovky); }

    void SetUp() override
    {
        nastaveni.Default();
        jazyk.Default(nastaveni);
        chyby = Tchyby();
        Prostredi().nastaveni = &nastaveni;
        Prostredi().jazyk = &jazyk;
        Prostredi().chyby = &chyby;
        Prostredi().textProtokolu = {};
        NastavModalniHook([this](Formular& okno) { return Odpovez(okno); });
    }

    void TearDown() override
    {
        NastavModalniHook({});
        for (const auto& o : ocekavane) ADD_FAILURE() << "Modal window " << o.jmeno << " was expected but not shown";
        ocekavane.clear();
        Prostredi() = TprostrediOken();
    }

    void NastavJazyk(std::uint8_t typ)
    {
        nastaveni.typJazyk = typ;
        jazyk.Default(nastaveni);
    }

    // Expects the window `jmeno` to be shown modally next.
    void Ocekavej(const std::string& jmeno, std::function<int(Formular&)> odpoved)
    {
        ocekavane.push_back({jmeno, std::move(odpoved)});
    }
    // The same, for a handler that gives no result (the window's result is 0).
    void Obsluz(const std::string& jmeno, std::function<void(Formular&)> prace)
    {
        Ocekavej(jmeno, [prace = std::move(prace)](Formular& f) {
            prace(f);
            return 0;
        });
    }

    int Odpovez(Formular& okno)
    {
        const std::string jmeno = okno.objectName().toStdString();
        zobrazena.push_back(jmeno);
        if (ocekavane.empty() || ocekavane.front().jmeno != jmeno) {
            ADD_FAILURE() << "Unexpected modal window " << jmeno << " (" << NaUtf8(okno.windowTitle()) << ")";
            okno.Close();
            return QDialog::Rejected;
        }
        auto odpoved = std::move(ocekavane.front().odpoved);
        ocekavane.pop_front();
        return odpoved ? odpoved(okno) : okno.result();
    }

    Tnastaveni nastaveni;
    Tjazyk jazyk;
    Tchyby chyby;
    std::deque<Ocekavane> ocekavane;
    std::vector<std::string> zobrazena;  // names of the modal windows shown
};

// A window with nothing but its hidden processing label, to open others from.
class OknoSLabelem : public Formular {
public:
    explicit OknoSLabelem(const QString& jmeno) : Formular(jmeno)
    {
        auto* l = new QVBoxLayout(this);
        Label_zpracovani = new QLabel(QStringLiteral(" Processing ..."), this);
        Label_zpracovani->setObjectName(QStringLiteral("Label_zpracovani"));
        Label_zpracovani->hide();
        l->addWidget(Label_zpracovani);
    }
    QLabel* Label_zpracovani;
};

// A key pressed on a control, delivered as Qt delivers it (through the
// application, so window shortcuts and key preview apply).
inline bool StiskniKlavesu(QWidget* cil, int klavesa, Qt::KeyboardModifiers m = Qt::NoModifier,
                           const QString& text = {})
{
    QKeyEvent stisk(QEvent::KeyPress, klavesa, m, text);
    QApplication::sendEvent(cil, &stisk);
    QKeyEvent uvolneni(QEvent::KeyRelease, klavesa, m, text);
    QApplication::sendEvent(cil, &uvolneni);
    return stisk.isAccepted();
}

// A temporary folder in the process's own folder (removed when the process
// ends), emptied first.
inline std::string DocasnaSlozka(const std::string& jmeno)
{
    const QString cesta = QString::fromStdString(SlozkaProcesu() + "/" + jmeno);
    QDir(cesta).removeRecursively();
    QDir().mkpath(cesta);
    return cesta.toStdString();
}

inline void ZapisSoubor(const std::string& cesta, const std::string& obsah)
{
    QFile f(QString::fromStdString(cesta));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(obsah.data(), static_cast<qint64>(obsah.size()));
}

// The file at `cesta` replaced by a named pipe, which no reader may take.
inline bool NahradRouru(const std::string& cesta)
{
    return QFile::remove(QString::fromStdString(cesta)) && ::mkfifo(cesta.c_str(), 0600) == 0;
}

// A notice without the system's words ending a file's message (their
// language is the test run's).
inline std::string BezSlovSystemu(const std::string& text)
{
    const std::size_t p = text.rfind("\": ");
    return p == std::string::npos ? text : text.substr(0, p + 1);
}

inline std::string CtiSoubor(const std::string& cesta)
{
    QFile f(QString::fromStdString(cesta));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

// The caption of every menu and menu item of a window by name, as shown (the
// shortcut beside an item left out; separators and the popup menus' own
// untitled menus skipped).
inline std::map<std::string, std::string> PopiskyNabidek(const QWidget& okno)
{
    std::map<std::string, std::string> m;
    for (const QMenu* n : okno.findChildren<QMenu*>())
        if (!n->title().isEmpty()) m[n->objectName().toStdString()] = n->title().toStdString();
    for (const QAction* a : okno.findChildren<QAction*>())
        if (!a->isSeparator() && a->menu() == nullptr && !a->objectName().isEmpty())
            m[a->objectName().toStdString()] = a->text().section(QLatin1Char('\t'), 0, 0).toStdString();
    return m;
}

// The captions of one language (0 Czech, 1 English) from rows of a name, its
// Czech and its English text.
inline std::map<std::string, std::string> TextyJazyka(const std::vector<std::array<const char*, 3>>& radky,
                                                      int typJazyk)
{
    std::map<std::string, std::string> m;
    for (const auto& r : radky) m[r[0]] = r[typJazyk == 0 ? 1 : 2];
    return m;
}

}  // namespace sitmera::test
