// Main menus and popup menus of the windows, built from item names and
// shortcut codes.
//
// A menu item is a QAction named as the program names it ("Kopirovat1"); a
// menu (top-level, submenu or popup) is a `Nabidka`, which carries the handler
// that recomputes its items' enabling when it opens ("on opening:
// PovolitMenuHlavni"). Commands run in the command boundary (Formular.h).
//
// Shortcuts are given as the program stores them: key code plus 8192 Shift,
// 16384 Ctrl, 32768 Alt (Ctrl+C = 16451, Shift+F3 = 8306, F3 = 114,
// Ins = 45, Del = 46). The window dispatches them itself: before a shortcut
// runs, the opening handlers of every menu above its item run, and the command
// runs only when the item and all menus above it are visible and enabled, so a
// shortcut never runs a disabled command. Popup menus of the focused control
// are searched before the main menu; a disabled match lets the key through to
// the control.
#pragma once

#include <QKeyCombination>
#include <QMenu>
#include <QPointer>

#include <functional>
#include <string>

class QMenuBar;
class QAction;

namespace sitmera {

class Formular;

// The shortcut codes the program's items use (zkratka::CtrlC, ...).
namespace zkratka {
inline constexpr int Ins = 45;
inline constexpr int Del = 46;
inline constexpr int F2 = 113;
inline constexpr int F3 = 114;
inline constexpr int F4 = 115;
inline constexpr int F5 = 116;
inline constexpr int F6 = 117;
inline constexpr int F7 = 118;
inline constexpr int ShiftF3 = 8306;
inline constexpr int CtrlA = 16449;
inline constexpr int CtrlB = 16450;
inline constexpr int CtrlC = 16451;
inline constexpr int CtrlD = 16452;
inline constexpr int CtrlL = 16460;
inline constexpr int CtrlM = 16461;
inline constexpr int CtrlN = 16462;
inline constexpr int CtrlP = 16464;
inline constexpr int CtrlU = 16469;
inline constexpr int CtrlV = 16470;
inline constexpr int CtrlX = 16472;
inline constexpr int CtrlF3 = 16498;
}  // namespace zkratka

class Nabidka : public QMenu {
    Q_OBJECT
public:
    Nabidka(const QString& jmeno, QWidget* rodic);
    // Recomputes the enabling of the items (may be empty).
    std::function<void()> priOtevreni;
    // Runs the opening handler in the command boundary.
    void Otevira();

    QPointer<Formular> okno;      // the window of the menu
    QPointer<QMenu> nadrazena;    // the menu above (null: top-level or popup)
    bool jePopup = false;         // a popup menu (not in the main menu)
};

// The window's main menu (created once; placed above the window's layout,
// which is created when the window has none).
QMenuBar* VytvorHlavniMenu(Formular& okno, const QString& jmeno = QStringLiteral("MainMenu1"));

// A top-level menu of the main menu.
Nabidka* PridejMenu(QMenuBar* menu, const QString& jmeno, std::function<void()> priOtevreni = {});

// A submenu.
Nabidka* PridejPodmenu(QMenu* menu, const QString& jmeno, std::function<void()> priOtevreni = {});

// An item; zkratka 0 = no shortcut. The command runs in the boundary of the
// menu's window.
QAction* PridejPolozku(QMenu* menu, const QString& jmeno, int zkratka, std::function<void()> prikaz);

// A top-level item of the main menu that is a command itself (no submenu).
QAction* PridejPolozkuHlavni(QMenuBar* menu, const QString& jmeno, std::function<void()> prikaz);

// A separator.
QAction* PridejOddelovac(QMenu* menu, const QString& jmeno = {});

// A popup menu of the window, and its attachment to a control (right click).
Nabidka* VytvorPopupMenu(Formular& okno, const QString& jmeno, std::function<void()> priOtevreni = {});
void PripojPopupMenu(QWidget* ovladac, Nabidka* popup);
Nabidka* PopupMenuOvladace(const QWidget* ovladac);

// Caption of an item or menu (UTF-8; "&" is shown as it is); an item with a
// shortcut shows it beside the caption.
void NastavPopisek(QAction* polozka, const std::string& text);
void NastavPopisek(QMenu* menu, const std::string& text);

// Shortcut codes.
QKeyCombination ZkratkaNaKlavesu(int kod);
int KlavesaNaZkratku(int klavesa, Qt::KeyboardModifiers modifikatory);
int ZkratkaPolozky(const QAction* polozka);

// The window's item (or top-level menu action) of that name, or null.
QAction* NajdiPolozku(const Formular& okno, const QString& jmeno);

// Runs an item as its shortcut would: recomputes the enabling of the menus
// above it, then runs the command when the item can run. Returns whether it
// ran.
bool VyvolejPolozku(QAction* polozka);

// Whether the item can run now (itself and every menu above it visible and
// enabled), after the enabling of the menus above it was recomputed.
bool PolozkaPovolena(QAction* polozka);

// ---------------------------------------------------------------- items that open windows of other units

// Whether the entry `clen` (a function) of a window's registry of other
// windows (registr(), e.g. DalsiOkna) is set, asked each time it is called:
// an empty entry means the window it opens does not exist yet.
template <class Registr, class Clen>
std::function<bool()> JeOknoVRegistru(Registr& (*registr)(), Clen Registr::*clen)
{
    return [registr, clen] { return static_cast<bool>(registr().*clen); };
}

// Keeps the item disabled while its window is not there (existuje false),
// whatever enables it (the menus' enabling, the end of a processing step).
void HlidejOknoPolozky(QAction* polozka, std::function<bool()> existuje);

// Puts the focus on the window's main menu with its first menu highlighted,
// as a press and release of Alt does (the menu bar's own keyboard mode: the
// arrows, Enter and Esc then work in the menus; the same again leaves it).
// False when the window has no visible main menu with an enabled menu.
bool AktivujHlavniMenu(Formular& okno);

// Shortcut dispatch of a window (called for every key of the window; prijemce
// is the control the key was meant for: its popup menus come first). Returns
// true when a command ran.
bool ZpracujZkratku(Formular& okno, QWidget* prijemce, int klavesa, Qt::KeyboardModifiers modifikatory);

}  // namespace sitmera
