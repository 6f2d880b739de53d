// The value-list editor: rows of a key and a value, the values edited in
// place, as the one-point editor enters a point (number, three coordinates).
//
// The key column is a read-only caption; a click or a cell selection in it
// moves to the value of the same row. A value is edited in place: typing,
// F2, a double click or a click into the current cell open the cell's line
// editor; leaving the cell (arrows, Tab, another cell, the focus moving away)
// commits it, Esc inside the cell drops the change. Enter commits the open
// cell first and then runs the editor's Enter handler, so the handler always
// sees what the user typed.
//
// Beside the value a row may carry a validity mark (two vertical bars near
// the cell's right edge, green valid, red invalid); the one-point editor uses
// a read-only companion editor for the units and the marks.
//
// Handlers run in the command boundary of the editor's window. Texts are
// UTF-8; a row outside the editor is ignored by the setters and gives an
// empty text.
#pragma once

#include <QTableWidget>

#include <functional>
#include <string>

#include "numerics/Zaklad.h"

class QLineEdit;

namespace sitmera {

// The mark beside a value.
enum class TznackaPlatnosti { zadna, platna, neplatna };

class EditorHodnot : public QTableWidget {
    Q_OBJECT
public:
    EditorHodnot(const QString& jmeno, QWidget* rodic);

    // The number of rows; the editor's height becomes
    // (row height + 1) x rows + 3 pixels, so that every row shows; new rows
    // have an empty key and value.
    void NastavRadky(int pocet);
    int Radky() const { return rowCount(); }

    std::string Klic(int radek) const;
    void NastavKlic(int radek, const std::string& text);
    // The value, with the text of a cell being edited (not yet committed).
    std::string Hodnota(int radek) const;
    void NastavHodnotu(int radek, const std::string& text);
    // Every value in row order, with the cell being edited.
    TStringList Hodnoty() const;

    // Width of the key column in pixels (the value column takes the rest).
    void NastavSirkuKlicu(int sirka);

    // Values editable (default) or read-only.
    void NastavUpravy(bool povolit);

    TznackaPlatnosti Znacka(int radek) const;
    void NastavZnacku(int radek, TznackaPlatnosti znacka);

    // A cell's line editor is open.
    bool Upravuje() const;
    // Commits the open cell and closes its editor (nothing when none is open).
    void PotvrdUpravu();
    // Makes the row's value current and opens its line editor.
    void UpravHodnotu(int radek);

    // Enter pressed in the editor (after the open cell was committed).
    std::function<void()> OnEnter;
    // A value changed (also while it is being typed).
    std::function<void(int radek)> OnZmena;

    // Runs the Enter handler as Enter does (the delegate's key filter).
    void StiskEnter();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class EditorHodnotDelegat;
    void Zmena(int radek);
    void RozvrhniSloupce();

    QLineEdit* otevrena_ = nullptr;  // the line editor of the cell being edited
    int radekOtevrene_ = -1;
    bool upravy_ = true;
};

}  // namespace sitmera
