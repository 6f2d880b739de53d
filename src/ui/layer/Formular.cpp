#include "ui/layer/Formular.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <vector>

#include "core/Jazyk.h"
#include "numerics/Zaklad.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/Menu.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/layer/Prostredi.h"

namespace sitmera {

namespace {

ModalniHook& Hook()
{
    static ModalniHook hook;
    return hook;
}

// Windows shown by ZobrazModalne, the innermost last.
std::vector<QPointer<Formular>>& ModalniZasobnik()
{
    static std::vector<QPointer<Formular>> zasobnik;
    return zasobnik;
}

QPointer<Formular>& HlavniOknoUkazatel()
{
    static QPointer<Formular> okno;
    return okno;
}

int& CitacZobrazeni()
{
    static int citac = 0;
    return citac;
}

void OdeberZeZasobniku(Formular* okno)
{
    auto& z = ModalniZasobnik();
    z.erase(std::remove_if(z.begin(), z.end(),
                           [okno](const QPointer<Formular>& p) { return p.isNull() || p == okno; }),
            z.end());
}

// The windows with a tool-window border (a small caption, no minimize or
// maximize button, kept over the window that opened them): the notice box,
// the open and save dialogs, the epoch and key information, the length and
// angle analyses of an epoch and between epochs, the displacement-analysis
// information, the transformation key, the displacement find/select and the
// colours of the displacement graph.
bool MaNastrojovyRam(const QString& jmeno)
{
    static const QStringList nastrojova{
        QStringLiteral("Form3"),  QStringLiteral("Form8"),  QStringLiteral("Form9"),  QStringLiteral("Form67"),
        QStringLiteral("Form80"), QStringLiteral("Form72"), QStringLiteral("Form73"), QStringLiteral("Form74"),
        QStringLiteral("Form75"), QStringLiteral("Form76"), QStringLiteral("Form77"), QStringLiteral("Form81"),
        QStringLiteral("Form85")};
    return nastrojova.contains(jmeno);
}

// Gives the window the opener as its transient (popup) parent.
void NastavPopupRodice(Formular& okno, Formular* otvirac)
{
    okno.winId();  // the native window must exist to set its transient parent
    if (QWindow* w = okno.windowHandle())
        w->setTransientParent(otvirac != nullptr && otvirac != &okno ? otvirac->windowHandle() : nullptr);
}

}  // namespace

// --- Aplikace ---------------------------------------------------------------

Aplikace::Aplikace(int& argc, char** argv) : QApplication(argc, argv) {}

bool Aplikace::notify(QObject* prijemce, QEvent* udalost)
{
    // Every key of a window first goes to its menu shortcuts and its key
    // preview; only a key neither of them took reaches the focused control.
    if (udalost->type() == QEvent::KeyPress && prijemce->isWidgetType()) {
        auto* ke = static_cast<QKeyEvent*>(udalost);
        auto* okno = qobject_cast<Formular*>(static_cast<QWidget*>(prijemce)->window());
        // F10 goes to the main menu, as Alt does; the keys of the main menu
        // in its keyboard mode are its own.
        if (okno != nullptr && okno->isEnabled() && ke->key() == Qt::Key_F10 && ke->modifiers() == Qt::NoModifier &&
            AktivujHlavniMenu(*okno))
            return true;
        if (qobject_cast<QMenuBar*>(prijemce) != nullptr) return QApplication::notify(prijemce, udalost);
        if (okno != nullptr && okno->isEnabled()) {
            if (ZpracujZkratku(*okno, static_cast<QWidget*>(prijemce), ke->key(), ke->modifiers())) return true;
            int klavesa = ke->key();
            if (okno->ZpracujNahledKlavesy(klavesa, ke->modifiers())) return true;
        }
    }
    return QApplication::notify(prijemce, udalost);
}

// --- Formular ---------------------------------------------------------------

Formular::Formular(const QString& jmeno, QWidget* parent) : QDialog(parent)
{
    setObjectName(jmeno);
    // A top-level window of its own (own taskbar button), without the
    // context-help button of dialogs; a tool window without the minimize
    // button.
    const Qt::WindowFlags ram = Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(MaNastrojovyRam(jmeno) ? Qt::Tool | ram : Qt::Window | ram | Qt::WindowMinimizeButtonHint);
    static bool varovano = false;
    if (qobject_cast<Aplikace*>(QCoreApplication::instance()) == nullptr && !varovano) {
        varovano = true;
        qWarning("sitmera: the application object is not an Aplikace; window shortcuts are off");
    }
}

Formular::~Formular()
{
    OdeberZeZasobniku(this);
}

bool Formular::Close()
{
    if (zobrazuje_) {
        // Closing inside showEvent would leave the native window mapped by
        // the rest of the showing; close when the showing is over.
        zavritPoZobrazeni_ = true;
        return true;
    }
    return close();
}

void Formular::setVisible(bool viditelne)
{
    QDialog::setVisible(viditelne);
    if (viditelne && zavritPoZobrazeni_) {
        zavritPoZobrazeni_ = false;
        close();
    }
}

void Formular::NastavPevnouSirku(int sirka, int minimalniVyska)
{
    // The width is given as an outer width; the frame is added by the system.
    const int ram = frameGeometry().width() - geometry().width();
    setMinimumWidth(std::max(sirka - ram, 0));
    setMaximumWidth(std::max(sirka - ram, 0));
    setMinimumHeight(minimalniVyska);
}

bool Formular::ZpracujNahledKlavesy(int& klavesa, Qt::KeyboardModifiers modifikatory)
{
    const int puvodni = klavesa;
    SpustPrikaz(this, [&] { FormKeyDown(klavesa, modifikatory); });
    return puvodni != 0 && klavesa == 0;
}

void Formular::done(int vysledek)
{
    // QDialog::done would only hide the window; every close goes through
    // closeEvent so that the close handlers run (they may read the result).
    // A close that the close query refuses leaves the result as it was.
    const int predtim = result();
    setResult(vysledek);
    if (!close()) setResult(predtim);
}

void Formular::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;  // the window system re-showing a window
    zavreno_ = false;
    poradiZobrazeni_ = ++CitacZobrazeni();
    zobrazuje_ = true;
    SpustPrikaz(this, [this] { FormShow(); });
    zobrazuje_ = false;
}

void Formular::closeEvent(QCloseEvent* e)
{
    if (zavira_ || zavreno_) {
        // Closing again from inside a close handler, or a window already
        // closed: nothing runs twice.
        e->accept();
        return;
    }
    zavira_ = true;
    bool muzeZavrit = true;
    SpustPrikaz(this, [&] { FormCloseQuery(muzeZavrit); });
    if (!muzeZavrit) {
        zavira_ = false;
        e->ignore();
        return;
    }
    SpustPrikaz(this, [this] { FormClose(); });
    zavreno_ = true;
    zavira_ = false;
    e->accept();
    // Hide now, so that whoever waits for the signal finds the window closed.
    hide();
    emit zavreno();
}

void Formular::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    SpustPrikaz(this, [this] { FormResize(); });
}

void Formular::keyPressEvent(QKeyEvent* e)
{
    // Esc closes every window (through closeEvent, as the close box does);
    // Enter presses the default button (QDialog).
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QDialog::keyPressEvent(e);
}

// --- modal display ----------------------------------------------------------

void NastavModalniHook(ModalniHook hook)
{
    Hook() = std::move(hook);
}

Formular* AktivniOkno()
{
    Formular* zasobnik = nullptr;
    for (auto it = ModalniZasobnik().rbegin(); it != ModalniZasobnik().rend(); ++it)
        if (!it->isNull() && (*it)->isVisible()) {
            zasobnik = it->data();
            break;
        }
    auto* aktivni = qobject_cast<Formular*>(QApplication::activeWindow());
    if (aktivni != nullptr && aktivni->isVisible()) {
        // The toolkit's active window wins when it was shown after the
        // innermost modal window (a modeless window opened from it).
        if (zasobnik == nullptr || aktivni->PoradiZobrazeni() >= zasobnik->PoradiZobrazeni()) return aktivni;
    }
    if (zasobnik != nullptr) return zasobnik;
    Formular* hlavni = HlavniOknoUkazatel().data();
    if (hlavni != nullptr && hlavni->isVisible()) return hlavni;
    return nullptr;
}

void NastavHlavniOkno(Formular* okno)
{
    HlavniOknoUkazatel() = okno;
}

Formular* HlavniOkno()
{
    return HlavniOknoUkazatel().data();
}

int ZobrazModalne(Formular& okno)
{
    if (okno.isVisible()) return okno.result();  // already open: nothing to show
    Formular* otvirac = AktivniOkno();
    okno.otvirac_ = otvirac;
    NastavPopupRodice(okno, otvirac);
    okno.setWindowModality(Qt::ApplicationModal);
    okno.setResult(QDialog::Rejected);
    okno.modalni_ = true;
    QPointer<Formular> hlidac(&okno);

    int vysledek = QDialog::Rejected;
    if (Hook()) {
        // FormShow runs while the opener is still the active window; the
        // window joins the modal stack once it is shown.
        okno.show();
        ModalniZasobnik().push_back(hlidac);
        ModalniHook hook = Hook();  // the hook may replace itself
        vysledek = hook(okno);
        if (!hlidac.isNull() && okno.isVisible() && !okno.Close()) okno.hide();
    } else {
        QEventLoop smycka;
        QObject::connect(&okno, &Formular::zavreno, &smycka, &QEventLoop::quit);
        okno.show();
        ModalniZasobnik().push_back(hlidac);
        if (okno.isVisible()) smycka.exec();
        if (!hlidac.isNull()) vysledek = okno.result();
    }
    if (!hlidac.isNull()) {
        okno.modalni_ = false;
        okno.setWindowModality(Qt::NonModal);
        OdeberZeZasobniku(&okno);
    }
    // The keyboard goes back to the window that opened it: a window system
    // without a window manager would leave it nowhere.
    if (!Hook() && otvirac != nullptr && otvirac->isVisible() &&
        QApplication::activeWindow() != otvirac)
        otvirac->activateWindow();
    return vysledek;
}

void ZobrazNemodalne(Formular& okno)
{
    Formular* otvirac = AktivniOkno();
    if (otvirac != &okno) okno.otvirac_ = otvirac;
    NastavPopupRodice(okno, okno.otvirac_.data());
    QObject::disconnect(okno.zavritSOtviracem_);
    if (!okno.otvirac_.isNull())
        okno.zavritSOtviracem_ =
            QObject::connect(okno.otvirac_.data(), &Formular::zavreno, &okno, [&okno] { okno.Close(); });
    okno.setWindowModality(Qt::NonModal);
    if (okno.isVisible()) {
        okno.raise();
        okno.activateWindow();
        return;
    }
    okno.show();
}

// --- command boundary -------------------------------------------------------

void ZobrazChybu(const std::string& zprava)
{
    const Tjazyk* jazyk = Prostredi().jazyk;
    const std::string nadpis = jazyk != nullptr && !jazyk->nadpis.chyba.empty() ? jazyk->nadpis.chyba : "Error";
    ZobrazOznameni(zprava, nadpis);
}

QLabel* NajdiLabelZpracovani(QWidget* okno)
{
    if (okno == nullptr) return nullptr;
    const auto labely = okno->findChildren<QLabel*>();
    for (QLabel* l : labely)
        if (l->objectName().compare(QStringLiteral("Label_zpracovani"), Qt::CaseInsensitive) == 0) return l;
    return nullptr;
}

QPushButton* VytvorTlacitko(Formular& okno, const char* jmeno, std::function<void()> prikaz)
{
    auto* b = new QPushButton(&okno);
    b->setObjectName(QLatin1String(jmeno));
    b->setAutoDefault(false);
    Formular* o = &okno;
    QObject::connect(b, &QPushButton::clicked, o, [o, prikaz = std::move(prikaz)] { SpustPrikaz(o, prikaz); });
    return b;
}

QHBoxLayout* RadaTlacitek(std::initializer_list<QPushButton*> tlacitka)
{
    auto* rada = new QHBoxLayout();
    rada->addStretch(1);
    for (QPushButton* b : tlacitka) rada->addWidget(b);
    return rada;
}

bool KlavesyDialogu(int& klavesa, const std::function<void()>& potvrdit, const std::function<void()>& zavrit)
{
    if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) {
        klavesa = 0;
        potvrdit();
    } else if (klavesa == Qt::Key_Escape) {
        klavesa = 0;
        zavrit();
    } else {
        return false;
    }
    return true;
}

void ZavriNaEnterEsc(Formular& okno, int& klavesa)
{
    const auto zavrit = [&okno] { okno.Close(); };
    KlavesyDialogu(klavesa, zavrit, zavrit);
}

void ZavriNaEsc(Formular& okno, int& klavesa)
{
    if (klavesa == Qt::Key_Escape) {
        klavesa = 0;
        okno.Close();
    }
}

void SpustPrikaz(QWidget* okno, const std::function<void()>& prikaz)
{
    QPointer<QWidget> hlidac(okno);
    QLabel* label = NajdiLabelZpracovani(okno);
    const bool zpracovaniPred = label != nullptr && !label->isHidden();
    auto obnov = [&] {
        // Put the processing state back as it was before the command.
        if (hlidac.isNull()) return;
        QLabel* l = NajdiLabelZpracovani(hlidac.data());
        if (l != nullptr && !l->isHidden() != zpracovaniPred) PrepniZpracovani(hlidac.data());
    };
    std::string chyba;
    bool selhal = false;
    try {
        prikaz();
    } catch (const TichePreruseni&) {
        // The notice, if any, was shown by whoever aborted.
    } catch (const std::exception& e) {
        selhal = true;
        chyba = e.what();
    } catch (...) {
        selhal = true;
        chyba = "Unknown error";
    }
    obnov();
    if (selhal) {
        try {
            ZobrazChybu(chyba);
        } catch (...) {
            // Nothing more can be shown; the window stays usable.
        }
    }
}

}  // namespace sitmera
