// The common part of the program's own open and save dialogs: a drive list
// (the mounted file systems), a directory tree (the folders from the drive's
// root down to the current folder, then its subfolders; a double click opens
// one), a file list filtered by the chosen filter item, the current folder,
// the chosen name(s), two labels and two buttons.
//
// A filter is given as "caption|mask|caption|mask..."; a trailing "|" is
// tolerated. A mask may hold several patterns separated by ";"; matching
// ignores case. Files are listed by name, ignoring case; hidden files are not
// listed.
//
// Keys: Enter in any control confirms, Esc cancels; Enter in the directory
// tree on a folder other than the one shown opens it instead, and Enter in
// the file list with nothing selected chooses the current row first (in the
// save dialog only when no name is typed: a typed name is saved as typed,
// never replaced by the name of a file it would then overwrite). Closing the dialog
// toggles the processing label of the window that opened it (the caller
// toggles it back after its work, also after a cancel).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ui/layer/Formular.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace sitmera {

// One filter item: caption and mask.
using TpolozkaFiltru = std::pair<std::string, std::string>;

// The items of a filter text (a caption without a mask gets the mask "*").
std::vector<TpolozkaFiltru> RozdelFiltr(const std::string& filtr);

// A stored filter item limited to the items there are (0 when there are none).
int OmezPolozkuFiltru(int polozka, int pocet);

// Whether a file name matches a mask ("*.txt", "*.png;*.bmp"), ignoring case.
bool OdpovidaMasce(const std::string& jmeno, const std::string& maska);

// The names of the files of a folder that match the mask, ordered by name
// ignoring case (hidden files left out).
std::vector<std::string> SouboryVeSlozce(const std::string& slozka, const std::string& maska);

// The folder with a trailing "/".
std::string SlozkaSLomitkem(const std::string& slozka);

class TsouborDialog : public Formular {
    Q_OBJECT
public:
    TsouborDialog(const QString& jmeno, QWidget* rodic);

    QComboBox* DriveComboBox1;
    QListWidget* DirectoryListBox1;
    QListWidget* FileListBox1;
    QComboBox* FilterComboBox1;
    QLineEdit* Edit2;  // the current folder, with a trailing "/"
    QLineEdit* Edit1;  // the chosen name(s)
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Button1;  // confirm
    QPushButton* Button2;  // cancel

    // The dialog's filter (sets the filter list's items) and its item.
    void NastavFiltr(const std::string& filtr);
    int PolozkaFiltru() const;
    void NastavPolozkuFiltru(int polozka);

    // The current folder (without a trailing "/"); setting it refreshes the
    // drive, the tree and the file list.
    std::string Slozka() const { return slozka_; }
    void NastavSlozku(const std::string& slozka);

    // The names of the selected files, in the order of the file list.
    std::vector<std::string> VybraneSoubory() const;

    virtual void Button1Click() = 0;
    void Button2Click();

    // The captions: the file and folder headings, the confirm button
    // (potvrdit) and cancel.
    void NastavPopisky(const std::string& vybratSoubor, const std::string& vybratSlozku, const std::string& potvrdit,
                       const std::string& zrusit);

protected:
    void FormShow() override;
    void FormClose() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;
    // The file list's selection changed.
    virtual void ZmenaVyberu() = 0;
    // Whether a confirm has its choice without the file list's current row.
    virtual bool MaVolbu() const { return false; }

    void ObnovSeznamSouboru();

private:
    void ObnovDisky();
    void ObnovStrom();
    std::string slozka_;
};

}  // namespace sitmera
