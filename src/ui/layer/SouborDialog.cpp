#include "ui/layer/SouborDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStorageInfo>

#include <algorithm>

#include "ui/layer/OknoPomocne.h"

namespace sitmera {

std::vector<TpolozkaFiltru> RozdelFiltr(const std::string& filtr)
{
    std::vector<std::string> casti;
    std::string cast;
    for (char znak : filtr) {
        if (znak == '|') {
            casti.push_back(cast);
            cast.clear();
        } else {
            cast += znak;
        }
    }
    casti.push_back(cast);
    // A trailing "|" leaves one empty piece at the end.
    if (casti.size() % 2 == 1 && casti.back().empty()) casti.pop_back();
    std::vector<TpolozkaFiltru> polozky;
    for (std::size_t i = 0; i < casti.size(); i += 2) {
        const std::string maska = i + 1 < casti.size() && !casti[i + 1].empty() ? casti[i + 1] : std::string("*");
        if (casti[i].empty() && i + 1 >= casti.size()) break;
        polozky.emplace_back(casti[i], maska);
    }
    return polozky;
}

int OmezPolozkuFiltru(int polozka, int pocet)
{
    if (pocet <= 0) return 0;
    return std::clamp(polozka, 0, pocet - 1);
}

bool OdpovidaMasce(const std::string& jmeno, const std::string& maska)
{
    const QStringList vzory = NaQString(maska).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& vzor : vzory) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(
                                        vzor.trimmed(), QRegularExpression::UnanchoredWildcardConversion),
                                    QRegularExpression::CaseInsensitiveOption);
        const QRegularExpression cely(QRegularExpression::anchoredPattern(re.pattern()),
                                      QRegularExpression::CaseInsensitiveOption);
        if (cely.match(NaQString(jmeno)).hasMatch()) return true;
    }
    return false;
}

std::vector<std::string> SouboryVeSlozce(const std::string& slozka, const std::string& maska)
{
    std::vector<std::string> jmena;
    const QDir dir(NaQString(slozka));
    const QStringList vse = dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& j : vse)
        if (OdpovidaMasce(NaUtf8(j), maska)) jmena.push_back(NaUtf8(j));
    return jmena;
}

std::string SlozkaSLomitkem(const std::string& slozka)
{
    if (!slozka.empty() && slozka.back() == '/') return slozka;
    return slozka + "/";
}

// --- the dialog -------------------------------------------------------------

TsouborDialog::TsouborDialog(const QString& jmeno, QWidget* rodic) : Formular(jmeno, rodic)
{
    // A tool window: client area 580 x 300.
    setFixedSize(580, 300);
    auto* mrizka = new QGridLayout(this);
    mrizka->setContentsMargins(8, 8, 8, 8);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    DirectoryListBox1 = new QListWidget(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    FilterComboBox1 = new QComboBox(this);
    FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    Button1 = VytvorTlacitko(*this, "Button1", [this] { Button1Click(); });
    Button2 = VytvorTlacitko(*this, "Button2", [this] { Button2Click(); });

    mrizka->addWidget(Label1, 0, 0);
    mrizka->addWidget(Label2, 0, 1);
    mrizka->addWidget(Edit1, 1, 0);
    mrizka->addWidget(Edit2, 1, 1);
    mrizka->addWidget(FileListBox1, 2, 0);
    mrizka->addWidget(DirectoryListBox1, 2, 1);
    mrizka->addWidget(FilterComboBox1, 3, 0);
    mrizka->addWidget(DriveComboBox1, 3, 1);
    mrizka->addLayout(RadaTlacitek({Button1, Button2}), 4, 0, 1, 2);

    connect(DriveComboBox1, &QComboBox::activated, this, [this](int i) {
        SpustPrikaz(this, [this, i] { NastavSlozku(NaUtf8(DriveComboBox1->itemData(i).toString())); });
    });
    connect(DirectoryListBox1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* polozka) {
        SpustPrikaz(this, [this, polozka] { NastavSlozku(NaUtf8(polozka->data(Qt::UserRole).toString())); });
    });
    connect(FilterComboBox1, &QComboBox::currentIndexChanged, this,
            [this] { SpustPrikaz(this, [this] { ObnovSeznamSouboru(); }); });
    connect(FileListBox1, &QListWidget::itemSelectionChanged, this,
            [this] { SpustPrikaz(this, [this] { ZmenaVyberu(); }); });

    slozka_ = NaUtf8(QDir::currentPath());
}

void TsouborDialog::NastavFiltr(const std::string& filtr)
{
    const QSignalBlocker blokace(FilterComboBox1);
    FilterComboBox1->clear();
    for (const auto& [popisek, maska] : RozdelFiltr(filtr)) FilterComboBox1->addItem(NaQString(popisek), NaQString(maska));
}

int TsouborDialog::PolozkaFiltru() const
{
    return std::max(FilterComboBox1->currentIndex(), 0);
}

void TsouborDialog::NastavPolozkuFiltru(int polozka)
{
    FilterComboBox1->setCurrentIndex(OmezPolozkuFiltru(polozka, FilterComboBox1->count()));
    ObnovSeznamSouboru();
}

void TsouborDialog::NastavSlozku(const std::string& slozka)
{
    QString cesta = QDir::cleanPath(QFileInfo(NaQString(slozka)).absoluteFilePath());
    if (!QFileInfo(cesta).isDir()) return;  // a folder that is gone: stay where we are
    slozka_ = NaUtf8(cesta);
    Edit2->setText(NaQString(SlozkaSLomitkem(slozka_)));
    ObnovDisky();
    ObnovStrom();
    ObnovSeznamSouboru();
}

std::vector<std::string> TsouborDialog::VybraneSoubory() const
{
    std::vector<std::string> jmena;
    for (int i = 0; i < FileListBox1->count(); ++i)
        if (FileListBox1->item(i)->isSelected()) jmena.push_back(NaUtf8(FileListBox1->item(i)->text()));
    return jmena;
}

void TsouborDialog::NastavPopisky(const std::string& vybratSoubor, const std::string& vybratSlozku,
                                  const std::string& potvrdit, const std::string& zrusit)
{
    Label1->setText(NaQString("  " + vybratSoubor));
    Label2->setText(NaQString("  " + vybratSlozku));
    Button1->setText(NaQString(potvrdit));
    Button2->setText(NaQString(zrusit));
}

void TsouborDialog::Button2Click()
{
    Close();
}

void TsouborDialog::FormShow()
{
    VycentrujOkno(this, AktivniOkno());
    if (!QFileInfo(NaQString(slozka_)).isDir()) slozka_ = NaUtf8(QDir::currentPath());
    NastavSlozku(slozka_);
    Edit1->clear();
    FileListBox1->setFocus();
}

void TsouborDialog::FormClose()
{
    // The opener's processing label shows while the caller works on the
    // result; the caller switches it off again.
    PrepniZpracovani(Otvirac());
}

void TsouborDialog::FormKeyDown(int& klavesa, Qt::KeyboardModifiers)
{
    if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) {
        // A confirm on a folder of the tree other than the one shown opens it.
        const QListWidgetItem* slozka = DirectoryListBox1->currentItem();
        if (focusWidget() == DirectoryListBox1 && slozka != nullptr &&
            QDir::cleanPath(slozka->data(Qt::UserRole).toString()) != NaQString(slozka_)) {
            klavesa = 0;
            NastavSlozku(NaUtf8(slozka->data(Qt::UserRole).toString()));
            return;
        }
        // In the file list the current row counts as chosen (a row reached
        // by Tab or the arrows is current without being selected), unless
        // the dialog has a choice already (a name typed in a save).
        QListWidgetItem* soubor = FileListBox1->currentItem();
        if (focusWidget() == FileListBox1 && soubor != nullptr && FileListBox1->selectedItems().isEmpty() &&
            !MaVolbu())
            soubor->setSelected(true);
    }
    KlavesyDialogu(klavesa, [this] { Button1Click(); }, [this] { Button2Click(); });
}

void TsouborDialog::ObnovSeznamSouboru()
{
    const QSignalBlocker blokace(FileListBox1);
    FileListBox1->clear();
    const QString maska = FilterComboBox1->count() > 0 ? FilterComboBox1->currentData().toString() : QStringLiteral("*");
    for (const std::string& jmeno : SouboryVeSlozce(slozka_, NaUtf8(maska))) FileListBox1->addItem(NaQString(jmeno));
    Edit1->clear();
}

void TsouborDialog::ObnovDisky()
{
    // Drives are the mounted file systems; the one holding the folder is
    // chosen (the longest root that is a prefix of it).
    QStringList koreny{QStringLiteral("/")};
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
        const QString koren = s.rootPath();
        if (!s.isValid() || !s.isReady()) continue;
        if (koren.startsWith(QLatin1String("/proc")) || koren.startsWith(QLatin1String("/sys")) ||
            koren.startsWith(QLatin1String("/dev")) || koren.startsWith(QLatin1String("/run")))
            continue;
        if (!koreny.contains(koren)) koreny.append(koren);
    }
    koreny.sort();
    const QSignalBlocker blokace(DriveComboBox1);
    DriveComboBox1->clear();
    int vybrany = 0, delka = -1;
    const QString slozka = NaQString(SlozkaSLomitkem(slozka_));
    for (int i = 0; i < koreny.size(); ++i) {
        DriveComboBox1->addItem(koreny[i], koreny[i]);
        const QString k = NaQString(SlozkaSLomitkem(NaUtf8(koreny[i])));
        if (slozka.startsWith(k) && k.size() > delka) {
            delka = static_cast<int>(k.size());
            vybrany = i;
        }
    }
    DriveComboBox1->setCurrentIndex(vybrany);
}

void TsouborDialog::ObnovStrom()
{
    DirectoryListBox1->clear();
    // The path from the root down to the folder, each level indented.
    QStringList casti = NaQString(slozka_).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString cesta = QStringLiteral("/");
    int uroven = 0;
    auto pridej = [this](const QString& text, const QString& cil, int odsazeni) {
        auto* p = new QListWidgetItem(QString(odsazeni * 2, QLatin1Char(' ')) + text, DirectoryListBox1);
        p->setData(Qt::UserRole, cil);
    };
    pridej(QStringLiteral("/"), cesta, uroven++);
    for (const QString& c : casti) {
        cesta = cesta.endsWith(QLatin1Char('/')) ? cesta + c : cesta + QLatin1Char('/') + c;
        pridej(c, cesta, uroven++);
    }
    DirectoryListBox1->setCurrentRow(DirectoryListBox1->count() - 1);
    const QDir dir(NaQString(slozka_));
    for (const QString& pod : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        pridej(pod, dir.absoluteFilePath(pod), uroven);
}

}  // namespace sitmera
