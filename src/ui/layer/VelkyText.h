// A read-only text view for texts too large to hold as one text (the
// weight-coefficient matrix of a large epoch runs to hundreds of megabytes).
//
// The view does not keep its text. It asks a source for the text of line i
// (UTF-8, without its line end) and formats only the lines it paints, keeping
// a few screens of them; the text it stands for is its lines joined by CR LF.
// What a read-only text box gives stays: both scroll bars, a fixed-pitch font,
// a caret that the keys move (arrows, Ctrl+arrows by words, Home/End,
// Ctrl+Home/End, Page Up/Down), selection by mouse (drag, Shift+click,
// double click on a word) and by the keys with Shift, Ctrl+A to select all
// and Ctrl+C or Ctrl+Insert to copy the selection as it reads. Other keys
// (Esc, Enter) go on to the window.
//
// A source may also hand out many whole lines at once (a range source); a
// copy then takes its whole lines from it (the matrix window formats them on
// several threads). While a copy runs, the window's processing label shows.
//
// Positions are (line, column), the column counted in characters (UTF-16
// units) of the line; a position at the line's length is the line's end. The
// horizontal scroll range follows the longest line formatted so far, as a
// text box that lays out its lines on demand.
//
// The source must stay valid while the view shows it: a window clears the
// view (Vycisti) when it closes.
#pragma once

#include <QAbstractScrollArea>

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace sitmera {

class VelkyText : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Text of line i, 0 <= i < the line count (UTF-8, no line end).
    using TzdrojRadku = std::function<std::string(int radek)>;
    // Lines od .. po-1 (od < po, inside the lines), each as the line source
    // gives it, handed to `radek` in order on the calling thread.
    using TzdrojRozsahu =
        std::function<void(int od, int po, const std::function<void(std::string_view radek)>& radek)>;

    struct Tpozice {
        int radek = 0;
        int sloupec = 0;
        auto operator<=>(const Tpozice&) const = default;
    };

    VelkyText(const QString& jmeno, QWidget* rodic);

    // Shows pocetRadku lines of the source (at least one line: no lines or
    // no source show one empty line); the caret goes to the start, the
    // selection is cleared and the view scrolls to the top left. Without a
    // range source whole lines are taken from the line source one by one.
    void NastavZdroj(int pocetRadku, TzdrojRadku zdroj, TzdrojRozsahu rozsah = {});
    // One empty line (the source is dropped).
    void Vycisti();
    // The sources shown (empty when none was given).
    const TzdrojRadku& Zdroj() const { return zdroj_; }
    const TzdrojRozsahu& ZdrojRozsahu() const { return rozsah_; }

    int PocetRadku() const { return pocetRadku_; }
    // Line i as the view shows it (an empty text outside the lines).
    QString Radek(int i) const;

    Tpozice Kurzor() const { return kurzor_; }
    // Moves the caret (kept inside the text) and scrolls it into view; with
    // rozsirit the selection runs from the anchor to it, otherwise the anchor
    // moves along (no selection).
    void NastavKurzor(Tpozice pozice, bool rozsirit = false);
    // Selects the whole text (anchor at the start, caret at the end).
    void VybratVse();
    bool JeVyber() const { return kotva_ != kurzor_; }
    // The selected text, lines joined by CR LF (empty without a selection).
    std::string VybranyText() const;
    // Puts the selected text on the clipboard, the window's processing label
    // shown meanwhile; without a selection the clipboard is left as it is.
    void Kopirovat() const;

    // The first line and the first column on screen.
    int HorniRadek() const;
    int LevySloupec() const;
    // The position under a point of the viewport (kept inside the text).
    Tpozice PoziceVBode(const QPoint& bod) const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* e) override;

private:
    template <class Tcil>
    void PridejVyber(Tcil& cil) const;
    int VyskaRadku() const;
    int SirkaZnaku() const;
    int CelychRadku() const;   // lines that fit wholly
    int CelychSloupcu() const; // columns that fit wholly
    int DelkaRadku(int i) const;
    void ObnovPosuvniky();
    void UkazKurzor();
    Tpozice Omez(Tpozice p) const;
    Tpozice SlovoVlevo(Tpozice p) const;
    Tpozice SlovoVpravo(Tpozice p) const;

    TzdrojRadku zdroj_;
    TzdrojRozsahu rozsah_;
    int pocetRadku_ = 1;
    Tpozice kurzor_;
    Tpozice kotva_;
    int sloupecPohybu_ = -1;  // column kept by Up/Down over shorter lines
    // Lines formatted lately (a few screens), oldest first in poradi_.
    mutable std::unordered_map<int, QString> radky_;
    mutable std::deque<int> poradi_;
    mutable int nejdelsi_ = 0;  // the longest line formatted so far
};

}  // namespace sitmera
