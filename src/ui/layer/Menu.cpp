#include "ui/layer/Menu.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

#include "ui/layer/Formular.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

constexpr int kShift = 0x2000;
constexpr int kCtrl = 0x4000;
constexpr int kAlt = 0x8000;

const char* const kZkratka = "sitmeraZkratka";
const char* const kMenu = "sitmeraMenu";
const char* const kPopisek = "sitmeraPopisek";
const char* const kPopup = "sitmeraPopup";

// Virtual key codes of the program's shortcuts and the Qt keys they stand for.
const std::map<int, int>& KodyKlaves()
{
    static const std::map<int, int> kody = [] {
        std::map<int, int> m{{8, Qt::Key_Backspace}, {9, Qt::Key_Tab},     {13, Qt::Key_Return},
                             {27, Qt::Key_Escape},   {32, Qt::Key_Space},  {33, Qt::Key_PageUp},
                             {34, Qt::Key_PageDown}, {35, Qt::Key_End},    {36, Qt::Key_Home},
                             {37, Qt::Key_Left},     {38, Qt::Key_Up},     {39, Qt::Key_Right},
                             {40, Qt::Key_Down},     {45, Qt::Key_Insert}, {46, Qt::Key_Delete}};
        for (int c = '0'; c <= '9'; ++c) m[c] = c;
        for (int c = 'A'; c <= 'Z'; ++c) m[c] = c;
        for (int f = 0; f < 24; ++f) m[112 + f] = Qt::Key_F1 + f;
        return m;
    }();
    return kody;
}

Formular* OknoWidgetu(QWidget* w)
{
    while (w != nullptr) {
        if (auto* f = qobject_cast<Formular*>(w)) return f;
        w = w->parentWidget();
    }
    return nullptr;
}

Nabidka* MenuPolozky(const QAction* polozka)
{
    return qobject_cast<Nabidka*>(polozka->property(kMenu).value<QObject*>());
}

// The menus above an item, the outermost first.
std::vector<Nabidka*> RetezMenu(const QAction* polozka)
{
    std::vector<Nabidka*> retez;
    for (QMenu* m = MenuPolozky(polozka); m != nullptr;) {
        auto* n = qobject_cast<Nabidka*>(m);
        if (n == nullptr) break;
        retez.insert(retez.begin(), n);
        m = n->nadrazena.data();
    }
    return retez;
}

void ObnovPopisek(QAction* polozka)
{
    QString text = polozka->property(kPopisek).toString();
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const int kod = ZkratkaPolozky(polozka);
    if (kod != 0) text += QLatin1Char('\t') + QKeySequence(ZkratkaNaKlavesu(kod)).toString(QKeySequence::NativeText);
    polozka->setText(text);
}

}  // namespace

Nabidka::Nabidka(const QString& jmeno, QWidget* rodic) : QMenu(rodic)
{
    setObjectName(jmeno);
    menuAction()->setObjectName(jmeno);
    menuAction()->setProperty(kMenu, QVariant());
    connect(this, &QMenu::aboutToShow, this, &Nabidka::Otevira);
}

void Nabidka::Otevira()
{
    if (priOtevreni) SpustPrikaz(okno.data(), priOtevreni);
}

QMenuBar* VytvorHlavniMenu(Formular& okno, const QString& jmeno)
{
    auto* lista = new QMenuBar(&okno);
    lista->setObjectName(jmeno);
    lista->setNativeMenuBar(false);
    // The menu reached by the keyboard (F10, Alt) shows highlighted also
    // while it is closed.
    lista->setStyleSheet(QStringLiteral(
        "QMenuBar::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    QLayout* layout = okno.layout();
    if (layout == nullptr) {
        auto* novy = new QVBoxLayout(&okno);
        novy->setContentsMargins(0, 0, 0, 0);
        novy->setSpacing(0);
        layout = novy;
    }
    layout->setMenuBar(lista);
    return lista;
}

Nabidka* PridejMenu(QMenuBar* menu, const QString& jmeno, std::function<void()> priOtevreni)
{
    auto* n = new Nabidka(jmeno, menu);
    n->okno = OknoWidgetu(menu);
    n->priOtevreni = std::move(priOtevreni);
    menu->addMenu(n);
    return n;
}

Nabidka* PridejPodmenu(QMenu* menu, const QString& jmeno, std::function<void()> priOtevreni)
{
    auto* n = new Nabidka(jmeno, menu);
    auto* nad = qobject_cast<Nabidka*>(menu);
    n->okno = nad != nullptr ? nad->okno.data() : OknoWidgetu(menu);
    n->nadrazena = menu;
    n->jePopup = nad != nullptr && nad->jePopup;
    n->priOtevreni = std::move(priOtevreni);
    menu->addMenu(n);
    n->menuAction()->setProperty(kMenu, QVariant::fromValue<QObject*>(menu));
    return n;
}

QAction* PridejPolozku(QMenu* menu, const QString& jmeno, int zkratka, std::function<void()> prikaz)
{
    auto* a = new QAction(menu);
    a->setObjectName(jmeno);
    a->setProperty(kZkratka, zkratka);
    a->setProperty(kMenu, QVariant::fromValue<QObject*>(menu));
    a->setProperty(kPopisek, jmeno);
    ObnovPopisek(a);
    menu->addAction(a);
    auto* n = qobject_cast<Nabidka*>(menu);
    QPointer<Formular> okno = n != nullptr ? n->okno.data() : OknoWidgetu(menu);
    QObject::connect(a, &QAction::triggered, a, [okno, prikaz = std::move(prikaz)] {
        if (prikaz) SpustPrikaz(okno.data(), prikaz);
    });
    return a;
}

QAction* PridejPolozkuHlavni(QMenuBar* menu, const QString& jmeno, std::function<void()> prikaz)
{
    auto* a = new QAction(menu);
    a->setObjectName(jmeno);
    a->setProperty(kZkratka, 0);
    a->setProperty(kPopisek, jmeno);
    ObnovPopisek(a);
    menu->addAction(a);
    QPointer<Formular> okno = OknoWidgetu(menu);
    QObject::connect(a, &QAction::triggered, a, [okno, prikaz = std::move(prikaz)] {
        if (prikaz) SpustPrikaz(okno.data(), prikaz);
    });
    return a;
}

QAction* PridejOddelovac(QMenu* menu, const QString& jmeno)
{
    QAction* a = menu->addSeparator();
    a->setObjectName(jmeno);
    return a;
}

Nabidka* VytvorPopupMenu(Formular& okno, const QString& jmeno, std::function<void()> priOtevreni)
{
    auto* n = new Nabidka(jmeno, &okno);
    n->okno = &okno;
    n->jePopup = true;
    n->priOtevreni = std::move(priOtevreni);
    return n;
}

void PripojPopupMenu(QWidget* ovladac, Nabidka* popup)
{
    if (ovladac == nullptr) return;
    ovladac->setProperty(kPopup, QVariant::fromValue<QObject*>(popup));
    ovladac->setContextMenuPolicy(Qt::CustomContextMenu);
    QPointer<Nabidka> p(popup);
    QObject::connect(ovladac, &QWidget::customContextMenuRequested, ovladac, [ovladac, p](const QPoint& bod) {
        if (p.isNull()) return;
        QWidget* zaklad = ovladac;
        if (auto* sa = qobject_cast<QAbstractScrollArea*>(ovladac)) zaklad = sa->viewport();
        p->popup(zaklad->mapToGlobal(bod));  // aboutToShow recomputes the enabling
    });
}

Nabidka* PopupMenuOvladace(const QWidget* ovladac)
{
    return ovladac != nullptr ? qobject_cast<Nabidka*>(ovladac->property(kPopup).value<QObject*>()) : nullptr;
}

void NastavPopisek(QAction* polozka, const std::string& text)
{
    if (polozka == nullptr) return;
    polozka->setProperty(kPopisek, NaQString(text));
    ObnovPopisek(polozka);
}

void NastavPopisek(QMenu* menu, const std::string& text)
{
    if (menu == nullptr) return;
    QString t = NaQString(text);
    t.replace(QLatin1Char('&'), QStringLiteral("&&"));
    menu->setTitle(t);
}

QKeyCombination ZkratkaNaKlavesu(int kod)
{
    Qt::KeyboardModifiers m;
    if (kod & kShift) m |= Qt::ShiftModifier;
    if (kod & kCtrl) m |= Qt::ControlModifier;
    if (kod & kAlt) m |= Qt::AltModifier;
    const auto it = KodyKlaves().find(kod & 0xFF);
    const Qt::Key klavesa = it != KodyKlaves().end() ? static_cast<Qt::Key>(it->second) : Qt::Key_unknown;
    return QKeyCombination(m, klavesa);
}

int KlavesaNaZkratku(int klavesa, Qt::KeyboardModifiers modifikatory)
{
    if (klavesa == Qt::Key_Enter) klavesa = Qt::Key_Return;
    if (klavesa == Qt::Key_Backtab) klavesa = Qt::Key_Tab;
    int vk = 0;
    for (const auto& [kod, qt] : KodyKlaves())
        if (qt == klavesa) {
            vk = kod;
            break;
        }
    if (vk == 0) return 0;
    if (modifikatory & Qt::ShiftModifier) vk |= kShift;
    if (modifikatory & Qt::ControlModifier) vk |= kCtrl;
    if (modifikatory & Qt::AltModifier) vk |= kAlt;
    return vk;
}

int ZkratkaPolozky(const QAction* polozka)
{
    return polozka != nullptr ? polozka->property(kZkratka).toInt() : 0;
}

QAction* NajdiPolozku(const Formular& okno, const QString& jmeno)
{
    return okno.findChild<QAction*>(jmeno);
}

bool PolozkaPovolena(QAction* polozka)
{
    if (polozka == nullptr) return false;
    const std::vector<Nabidka*> retez = RetezMenu(polozka);
    for (Nabidka* n : retez) n->Otevira();
    if (!polozka->isVisible() || !polozka->isEnabled()) return false;
    for (Nabidka* n : retez) {
        QAction* a = n->menuAction();
        if (!a->isVisible() || !a->isEnabled()) return false;
    }
    return true;
}

bool VyvolejPolozku(QAction* polozka)
{
    if (!PolozkaPovolena(polozka)) return false;
    polozka->trigger();
    return true;
}

bool ZpracujZkratku(Formular& okno, QWidget* prijemce, int klavesa, Qt::KeyboardModifiers modifikatory)
{
    const int kod = KlavesaNaZkratku(klavesa, modifikatory);
    if (kod == 0) return false;
    std::vector<QAction*> kandidati;
    // Popup menus of the control and of the controls around it first.
    for (QWidget* w = prijemce; w != nullptr; w = w->parentWidget()) {
        if (Nabidka* p = PopupMenuOvladace(w))
            for (QAction* a : p->findChildren<QAction*>())
                if (ZkratkaPolozky(a) == kod) kandidati.push_back(a);
        if (w == &okno) break;
    }
    // Then the main menu.
    for (QMenuBar* lista : okno.findChildren<QMenuBar*>())
        for (QAction* a : lista->findChildren<QAction*>())
            if (ZkratkaPolozky(a) == kod) kandidati.push_back(a);
    for (QAction* a : kandidati)
        if (VyvolejPolozku(a)) return true;
    return false;
}

bool AktivujHlavniMenu(Formular& okno)
{
    for (QMenuBar* lista : okno.findChildren<QMenuBar*>()) {
        const auto akce = lista->actions();
        if (!lista->isVisible() || !lista->isEnabled() ||
            std::none_of(akce.begin(), akce.end(), [](QAction* a) { return a->isVisible() && a->isEnabled(); }))
            continue;
        // Alt alone pressed and released, as the keyboard delivers it (the
        // menu bar watches its window for it; its own keys reach the window
        // without the window's shortcuts and key preview).
        QKeyEvent ohlaseni(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
        QApplication::sendEvent(lista, &ohlaseni);
        QKeyEvent stisk(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QApplication::sendEvent(lista, &stisk);
        QKeyEvent uvolneni(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QApplication::sendEvent(lista, &uvolneni);
        return true;
    }
    return false;
}

void HlidejOknoPolozky(QAction* polozka, std::function<bool()> existuje)
{
    QObject::connect(polozka, &QAction::enabledChanged, polozka, [polozka, existuje = std::move(existuje)](bool zapnuto) {
        if (zapnuto && !existuje()) polozka->setEnabled(false);
    });
}

}  // namespace sitmera
