// Base of every window of the program, modal display and the command boundary.
//
// Every window is a `Formular` (a top-level QDialog) named "FormNN"; its
// children carry the names the program's code uses ("Label_zpracovani",
// "StringGrid3", "Hlavni1", ...). A window subclass overrides the handlers
// it needs (FormShow, FormCloseQuery, FormClose, FormResize, FormKeyDown);
// the base calls them from Qt's events, each inside the command boundary.
//
// Border: the small windows listed by object name in the base (notice box,
// open and save dialogs, information, analysis, key, find/select of
// displacements, graph colours) get a tool-window border: a small caption,
// no minimize or maximize button, kept over their opener. The others are
// ordinary windows with a minimize button.
//
// Closing: every way of closing (Esc, the close box, Close(), a button that
// calls Close(), accept/reject) runs FormCloseQuery and then FormClose
// exactly once per showing. Esc closes every window (unless the window's key
// handler takes the key); Enter presses the dialog's default button.
//
// Keys: FormKeyDown sees every key pressed in the window before the focused
// control (the key preview); setting the key to 0
// takes it. Menu shortcuts of the window are handled before that (Menu.h).
// Both need the application object to be an `Aplikace` (below), which sees
// every key once before Qt hands it to the focused control.
//
// Modal display: ZobrazModalne shows a window modally over the active window
// (which becomes its transient parent and is remembered as its opener).
// A test sets a hook (NastavModalniHook) that receives every modally shown
// window while it is shown, instead of a nested event loop.
//
// Command boundary: SpustPrikaz runs a command so that no exception leaves
// it: the silent abort (TichePreruseni) ends it quietly, any other failure
// shows the error box, and the window's processing label is put back as it
// was before the command, so a window is never left locked.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>

#include <functional>
#include <initializer_list>
#include <string>

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace sitmera {

// The application object of the program (and of the window tests).
class Aplikace : public QApplication {
    Q_OBJECT
public:
    Aplikace(int& argc, char** argv);
    bool notify(QObject* prijemce, QEvent* udalost) override;
};

class Formular : public QDialog {
    Q_OBJECT
public:
    // jmeno: the window's object name ("Form55").
    explicit Formular(const QString& jmeno, QWidget* parent = nullptr);
    ~Formular() override;

    // Closes the window as its close box does (FormCloseQuery may refuse).
    // Returns true when the window is closed afterwards. Called from the
    // window's show handler, the close follows as soon as the showing is
    // over (so that no native window is left on screen); true then.
    bool Close();

    // The window that opened this one by ZobrazModalne or ZobrazNemodalne
    // (may be null: no active window then, or already destroyed).
    Formular* Otvirac() const { return otvirac_.data(); }

    // True while the window is shown by ZobrazModalne.
    bool JeModalni() const { return modalni_; }

    // Order of the window's last showing (larger = shown later).
    int PoradiZobrazeni() const { return poradiZobrazeni_; }

    // Grid windows: fixed outer width and minimum height (pixels).
    void NastavPevnouSirku(int sirka, int minimalniVyska);

    // Called by the key preview (Formular.cpp); runs FormKeyDown in the
    // command boundary. Returns true when the handler took the key.
    bool ZpracujNahledKlavesy(int& klavesa, Qt::KeyboardModifiers modifikatory);

    // Overrides of QDialog so that every close goes through closeEvent; a
    // close the close query refuses leaves the result as it was.
    void done(int vysledek) override;
    // Shows or hides; a close asked for by the show handler runs right after
    // the window is shown.
    void setVisible(bool viditelne) override;

signals:
    // Emitted once per showing after FormClose ran and the window hid.
    void zavreno();

protected:
    // Handlers of the window (the base ones do nothing). They run inside the
    // command boundary.
    virtual void FormShow() {}
    virtual void FormCloseQuery(bool& muzeZavrit) { (void)muzeZavrit; }
    virtual void FormClose() {}
    virtual void FormResize() {}
    // klavesa: Qt key code (Qt::Key_Escape, Qt::Key_Return, ...); set it to
    // 0 to take the key.
    virtual void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory)
    {
        (void)klavesa;
        (void)modifikatory;
    }

    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    friend int ZobrazModalne(Formular& okno);
    friend void ZobrazNemodalne(Formular& okno);

    QPointer<Formular> otvirac_;
    QMetaObject::Connection zavritSOtviracem_;  // a modeless window closing with its opener
    bool modalni_ = false;
    bool zavira_ = false;     // inside closeEvent
    bool zobrazuje_ = false;  // inside the show handler
    bool zavritPoZobrazeni_ = false;  // the show handler asked for a close
    bool zavreno_ = true;     // closed since the last showing
    int poradiZobrazeni_ = 0; // order of the last showing (for the active window)
};

// Shows the window modally over the active window and returns its result
// (QDialog::Accepted / Rejected or what the window set by done()). The active
// window becomes the opener and the transient parent. While a hook is set the
// window is shown (modal, but without a nested event loop) and handed to the
// hook; the window is closed afterwards when the hook left it open, and the
// hook's return value is the result.
int ZobrazModalne(Formular& okno);

// Shows the window modeless, with the active window as its transient parent,
// so that it stays usable beside a modal opener (the drawing windows), and
// closes it (through its close handlers) when that opener closes.
void ZobrazNemodalne(Formular& okno);

// The hook that answers modal windows in tests: gets the shown window, returns
// the modal result. An empty function switches the hook off.
using ModalniHook = std::function<int(Formular&)>;
void NastavModalniHook(ModalniHook hook);

// The active window of the program: the most recently shown visible window
// among the modal windows on the stack and the active modeless windows, or the
// registered main window, or null.
Formular* AktivniOkno();

// The main window (set by the program start; may stay null in tests).
void NastavHlavniOkno(Formular* okno);
Formular* HlavniOkno();

// The program's one window of the class T (the accessors FormNN()): created
// on first use, and again when the one before was deleted.
template <class T>
T& JedineOkno()
{
    static QPointer<T> okno;
    if (okno.isNull()) okno = new T();
    return *okno;
}

// Runs a command in the boundary (see the top of the file). okno: the window
// whose processing label is restored (may be null).
void SpustPrikaz(QWidget* okno, const std::function<void()>& prikaz);

// Shows the error box for a failure that reached the boundary (through the
// notice box; a plain message box before the texts exist).
void ZobrazChybu(const std::string& zprava);

// The processing label of a window ("Label_zpracovani", any case), or null.
QLabel* NajdiLabelZpracovani(QWidget* okno);

// A push button of the window named `jmeno` whose click runs `prikaz` in the
// command boundary. It never presses itself on Enter: the window's key
// handler says what Enter does.
QPushButton* VytvorTlacitko(Formular& okno, const char* jmeno, std::function<void()> prikaz);

// A row of buttons aligned to the right.
QHBoxLayout* RadaTlacitek(std::initializer_list<QPushButton*> tlacitka);

// Keys of a dialog: Enter runs `potvrdit`, Esc runs `zavrit`; either takes
// the key (klavesa := 0, result true). Other keys pass (result false).
bool KlavesyDialogu(int& klavesa, const std::function<void()>& potvrdit, const std::function<void()>& zavrit);

// Keys of a window that only shows something: Enter or Esc closes it (the
// key is taken).
void ZavriNaEnterEsc(Formular& okno, int& klavesa);
// Esc closes the window (the key is taken); other keys pass.
void ZavriNaEsc(Formular& okno, int& klavesa);

}  // namespace sitmera
