#include "ui/layer/EditorHodnot.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

#include "ui/layer/Bunky.h"
#include "ui/layer/Formular.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

constexpr int kVyskaRadku = 18;
constexpr int kSloupecKlic = 0;
constexpr int kSloupecHodnota = 1;

}  // namespace

// Opens a line editor for a value, passes Enter to the editor's handler and
// paints the validity marks.
class EditorHodnotDelegat : public QStyledItemDelegate {
public:
    explicit EditorHodnotDelegat(EditorHodnot* editor) : QStyledItemDelegate(editor), editor_(editor) {}

    QWidget* createEditor(QWidget* rodic, const QStyleOptionViewItem&, const QModelIndex& i) const override
    {
        auto* radka = new QLineEdit(rodic);
        radka->setFrame(false);
        const int radek = i.row();
        editor_->otevrena_ = radka;
        editor_->radekOtevrene_ = radek;
        QObject::connect(radka, &QLineEdit::textChanged, editor_, [e = editor_, radek] { e->Zmena(radek); });
        return radka;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& volba, const QModelIndex& i) const override
    {
        QStyledItemDelegate::paint(painter, volba, i);
        const auto znacka = static_cast<TznackaPlatnosti>(i.data(Qt::UserRole).toInt());
        if (i.column() != kSloupecHodnota || znacka == TznackaPlatnosti::zadna) return;
        // Two 2-pixel bars, 7 and 5 pixels left of the right edge, over the
        // cell's height.
        const QColor barva = znacka == TznackaPlatnosti::platna ? barvyTabulky[0] : barvyTabulky[1];
        const QRect& b = volba.rect;
        const int vpravo = b.x() + b.width();
        painter->fillRect(QRect(vpravo - 7, b.y(), 2, b.height()), barva);
        painter->fillRect(QRect(vpravo - 5, b.y(), 2, b.height()), barva);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override
    {
        if (udalost->type() == QEvent::KeyPress) {
            const int klavesa = static_cast<QKeyEvent*>(udalost)->key();
            if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) {
                editor_->StiskEnter();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(objekt, udalost);
    }

private:
    EditorHodnot* editor_;
};

EditorHodnot::EditorHodnot(const QString& jmeno, QWidget* rodic) : QTableWidget(rodic)
{
    setObjectName(jmeno);
    setColumnCount(2);
    setItemDelegate(new EditorHodnotDelegat(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kVyskaRadku + 1);
    horizontalHeader()->setMinimumSectionSize(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
    // The key is a caption: its cell passes the selection to the value.
    connect(this, &QTableWidget::currentCellChanged, this, [this](int radek, int sloupec, int, int) {
        if (radek >= 0 && sloupec == kSloupecKlic) setCurrentCell(radek, kSloupecHodnota);
    });
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* polozka) {
        if (polozka->column() == kSloupecHodnota) Zmena(polozka->row());
    });
}

void EditorHodnot::NastavRadky(int pocet)
{
    pocet = std::max(pocet, 0);
    const int puvodne = rowCount();
    setRowCount(pocet);
    for (int r = puvodne; r < pocet; ++r) {
        auto* klic = new QTableWidgetItem();
        klic->setFlags(Qt::ItemIsEnabled);
        klic->setBackground(palette().color(QPalette::Button));
        setItem(r, kSloupecKlic, klic);
        auto* hodnota = new QTableWidgetItem();
        hodnota->setFlags(upravy_ ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                  : Qt::ItemIsEnabled);
        setItem(r, kSloupecHodnota, hodnota);
    }
    setFixedHeight((kVyskaRadku + 1) * pocet + 3);
}

std::string EditorHodnot::Klic(int radek) const
{
    const QTableWidgetItem* i = item(radek, kSloupecKlic);
    return i != nullptr ? NaUtf8(i->text()) : std::string();
}

void EditorHodnot::NastavKlic(int radek, const std::string& text)
{
    if (QTableWidgetItem* i = item(radek, kSloupecKlic)) i->setText(NaQString(text));
}

std::string EditorHodnot::Hodnota(int radek) const
{
    if (otevrena_ != nullptr && radek == radekOtevrene_) return NaUtf8(otevrena_->text());
    const QTableWidgetItem* i = item(radek, kSloupecHodnota);
    return i != nullptr ? NaUtf8(i->text()) : std::string();
}

void EditorHodnot::NastavHodnotu(int radek, const std::string& text)
{
    if (otevrena_ != nullptr && radek == radekOtevrene_) otevrena_->setText(NaQString(text));
    if (QTableWidgetItem* i = item(radek, kSloupecHodnota)) i->setText(NaQString(text));
}

TStringList EditorHodnot::Hodnoty() const
{
    TStringList hodnoty;
    for (int r = 0; r < rowCount(); ++r) hodnoty.push_back(Hodnota(r));
    return hodnoty;
}

void EditorHodnot::NastavSirkuKlicu(int sirka)
{
    setColumnWidth(kSloupecKlic, sirka);
    RozvrhniSloupce();
}

void EditorHodnot::RozvrhniSloupce()
{
    // The value takes the rest of the width (the hidden header does not
    // stretch its last section).
    setColumnWidth(kSloupecHodnota, std::max(viewport()->width() - columnWidth(kSloupecKlic), 1));
}

void EditorHodnot::resizeEvent(QResizeEvent* e)
{
    QTableWidget::resizeEvent(e);
    RozvrhniSloupce();
}

void EditorHodnot::NastavUpravy(bool povolit)
{
    upravy_ = povolit;
    setEditTriggers(povolit ? DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed : NoEditTriggers);
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* i = item(r, kSloupecHodnota))
            i->setFlags(povolit ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::ItemIsEnabled);
}

TznackaPlatnosti EditorHodnot::Znacka(int radek) const
{
    const QTableWidgetItem* i = item(radek, kSloupecHodnota);
    return i != nullptr ? static_cast<TznackaPlatnosti>(i->data(Qt::UserRole).toInt()) : TznackaPlatnosti::zadna;
}

void EditorHodnot::NastavZnacku(int radek, TznackaPlatnosti znacka)
{
    QTableWidgetItem* i = item(radek, kSloupecHodnota);
    if (i == nullptr || Znacka(radek) == znacka) return;
    // The mark is not a value: no change is reported for it.
    const QSignalBlocker ticho(this);
    i->setData(Qt::UserRole, static_cast<int>(znacka));
    viewport()->update();
}

bool EditorHodnot::Upravuje() const
{
    return otevrena_ != nullptr;
}

void EditorHodnot::PotvrdUpravu()
{
    QLineEdit* radka = otevrena_;
    if (radka == nullptr) return;
    commitData(radka);
    closeEditor(radka, QAbstractItemDelegate::NoHint);
}

void EditorHodnot::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // However the cell closes (Enter, leaving it, Esc), its row reports the
    // value it keeps.
    int radek = -1;
    if (editor == otevrena_) {
        radek = radekOtevrene_;
        otevrena_ = nullptr;
        radekOtevrene_ = -1;
    }
    QTableWidget::closeEditor(editor, hint);
    if (radek >= 0) Zmena(radek);
}

void EditorHodnot::UpravHodnotu(int radek)
{
    if (radek < 0 || radek >= rowCount()) return;
    setCurrentCell(radek, kSloupecHodnota);
    if (upravy_) editItem(item(radek, kSloupecHodnota));
}

void EditorHodnot::StiskEnter()
{
    PotvrdUpravu();
    if (OnEnter) SpustPrikaz(window(), OnEnter);
}

void EditorHodnot::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        StiskEnter();
        e->accept();
        return;
    }
    QTableWidget::keyPressEvent(e);
}

void EditorHodnot::Zmena(int radek)
{
    if (OnZmena) SpustPrikaz(window(), [this, radek] { OnZmena(radek); });
}

}  // namespace sitmera
