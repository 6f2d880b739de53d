#include "ui/layer/Mrizka.h"

#include <QAbstractTableModel>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

#include "ui/layer/Bunky.h"
#include "ui/layer/Formular.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

class MrizkaModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& rodic = {}) const override { return rodic.isValid() ? 0 : radku_; }
    int columnCount(const QModelIndex& rodic = {}) const override { return rodic.isValid() ? 0 : sloupcu_; }

    QVariant data(const QModelIndex& i, int role) const override
    {
        if (role != Qt::DisplayRole || !i.isValid()) return {};
        return NaQString(Text(i.column(), i.row()));
    }

    std::string Text(int c, int r) const
    {
        if (r < 0 || r >= radku_ || c < 0 || c >= sloupcu_) return {};
        if (static_cast<std::size_t>(r) >= bunky_.size()) return {};
        const auto& radek = bunky_[r];
        return static_cast<std::size_t>(c) < radek.size() ? radek[c] : std::string();
    }

    void NastavText(int c, int r, const std::string& text)
    {
        if (r < 0 || r >= radku_ || c < 0 || c >= sloupcu_) return;
        if (bunky_.size() <= static_cast<std::size_t>(r)) bunky_.resize(r + 1);
        auto& radek = bunky_[r];
        if (radek.size() <= static_cast<std::size_t>(c)) radek.resize(sloupcu_);
        radek[c] = text;
    }

    void VymazRadek(int r)
    {
        if (r >= 0 && static_cast<std::size_t>(r) < bunky_.size()) bunky_[r].clear();
    }

    void NastavRadky(int n)
    {
        n = std::max(n, 0);
        if (n > radku_) {
            beginInsertRows({}, radku_, n - 1);
            radku_ = n;
            endInsertRows();
        } else if (n < radku_) {
            beginRemoveRows({}, n, radku_ - 1);
            radku_ = n;
            if (bunky_.size() > static_cast<std::size_t>(n)) bunky_.resize(n);
            endRemoveRows();
        }
    }

    void NastavSloupce(int n)
    {
        n = std::max(n, 0);
        if (n > sloupcu_) {
            beginInsertColumns({}, sloupcu_, n - 1);
            sloupcu_ = n;
            endInsertColumns();
        } else if (n < sloupcu_) {
            beginRemoveColumns({}, n, sloupcu_ - 1);
            sloupcu_ = n;
            for (auto& radek : bunky_)
                if (radek.size() > static_cast<std::size_t>(n)) radek.resize(n);
            endRemoveColumns();
        }
    }

private:
    int radku_ = 0;
    int sloupcu_ = 0;
    std::vector<std::vector<std::string>> bunky_;
};

namespace {

class MrizkaDelegat : public QStyledItemDelegate {
public:
    explicit MrizkaDelegat(Mrizka* m) : QStyledItemDelegate(m), mrizka_(m) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& volba, const QModelIndex& i) const override
    {
        painter->save();
        Platno c(*painter);
        c.pismo = volba.font;
        mrizka_->KresliBunku(c, i.column(), i.row(), volba.rect);
        painter->restore();
    }

private:
    Mrizka* mrizka_;
};

}  // namespace

Mrizka::Mrizka(const QString& jmeno, QWidget* rodic) : QTableView(rodic), model_(new MrizkaModel(this))
{
    setObjectName(jmeno);
    setModel(model_);
    setItemDelegate(new MrizkaDelegat(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(18);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    setShowGrid(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(false);
    setMouseTracking(false);
    setAutoScroll(false);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (OnTopLeftChanged) Spust(OnTopLeftChanged);
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& nyni, const QModelIndex&) {
                viewport()->update();
                if (OnSelectCell && nyni.isValid()) {
                    const int c = nyni.column(), r = nyni.row();
                    Spust([this, c, r] { OnSelectCell(c, r); });
                }
            });
}

Mrizka::~Mrizka() = default;

void Mrizka::Spust(const std::function<void()>& prikaz)
{
    SpustPrikaz(window(), prikaz);
}

int Mrizka::RowCount() const { return model_->rowCount(); }

void Mrizka::SetRowCount(int pocet)
{
    model_->NastavRadky(pocet);
    viewport()->update();
}

int Mrizka::ColCount() const { return model_->columnCount(); }

void Mrizka::SetColCount(int pocet)
{
    model_->NastavSloupce(pocet);
    viewport()->update();
}

int Mrizka::Row() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : -1;
}

void Mrizka::SetRow(int radek)
{
    if (radek < 0 || radek >= RowCount() || ColCount() == 0) return;
    const int sloupec = std::max(currentIndex().column(), 0);
    selectionModel()->setCurrentIndex(model_->index(radek, sloupec), QItemSelectionModel::NoUpdate);
    scrollTo(model_->index(radek, sloupec), QAbstractItemView::EnsureVisible);
}

int Mrizka::TopRow() const
{
    return verticalScrollBar()->value();
}

void Mrizka::SetTopRow(int radek)
{
    if (radek < 0 || radek >= std::max(RowCount(), 1)) return;
    verticalScrollBar()->setValue(radek);
}

int Mrizka::VisibleRowCount() const
{
    const int v = DefaultRowHeight();
    return v > 0 ? viewport()->height() / v : 0;
}

int Mrizka::DefaultRowHeight() const { return verticalHeader()->defaultSectionSize(); }

void Mrizka::SetDefaultRowHeight(int vyska)
{
    verticalHeader()->setDefaultSectionSize(vyska);
}

int Mrizka::ColWidth(int sloupec) const { return columnWidth(sloupec); }

void Mrizka::SetColWidth(int sloupec, int sirka)
{
    if (sloupec >= 0 && sloupec < ColCount()) setColumnWidth(sloupec, sirka);
}

std::string Mrizka::Cell(int sloupec, int radek) const { return model_->Text(sloupec, radek); }

void Mrizka::SetCell(int sloupec, int radek, const std::string& text)
{
    model_->NastavText(sloupec, radek, text);
    viewport()->update();
}

void Mrizka::ClearRow(int radek)
{
    model_->VymazRadek(radek);
    viewport()->update();
}

void Mrizka::MouseToCell(int x, int y, int& sloupec, int& radek) const
{
    sloupec = columnAt(x);
    radek = rowAt(y);
}

void Mrizka::Repaint()
{
    viewport()->repaint();
}

void Mrizka::KresliBunku(Platno& c, int sloupec, int radek, const QRect& bunka)
{
    TstavBunky stav;
    stav.aktualni = radek == Row();
    stav.fokus = stav.aktualni && hasFocus();
    if (OnDrawCell) {
        try {
            OnDrawCell(c, sloupec, radek, bunka, stav);
        } catch (...) {
            // A paint cannot show a box; the cell stays as far as it got.
        }
        return;
    }
    KresliBeznouBunku(c, bunka);
    KresliTextBunkyVpravo(c, bunka, Cell(sloupec, radek));
    KresliTeckovanyRamecek(c, bunka, stav.aktualni);
}

void Mrizka::keyPressEvent(QKeyEvent* e)
{
    int klavesa = e->key();
    if (OnKeyDown) {
        const Qt::KeyboardModifiers m = e->modifiers();
        Spust([&] { OnKeyDown(klavesa, m); });
        if (klavesa == 0) {
            e->accept();
            return;
        }
    }
    switch (klavesa) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Left:
        case Qt::Key_Right: {
            // Ctrl+Home and Ctrl+End go to the first and the last row.
            Qt::KeyboardModifiers povolene = Qt::ShiftModifier | Qt::KeypadModifier;
            if (klavesa == Qt::Key_Home || klavesa == Qt::Key_End) povolene |= Qt::ControlModifier;
            if (e->modifiers() & ~povolene) {
                e->ignore();
                return;
            }
            QTableView::keyPressEvent(e);
            // The current row stays on screen (the view scrolls by itself
            // only with auto-scroll, which is off for the mouse's sake).
            if (currentIndex().isValid()) scrollTo(currentIndex(), QAbstractItemView::EnsureVisible);
            return;
        }
        default:
            // The window's keys (Esc, Enter, Ctrl+A, Ctrl+C, letters...).
            e->ignore();
    }
}

void Mrizka::mousePressEvent(QMouseEvent* e)
{
    QTableView::mousePressEvent(e);
    if (OnMouseDown) {
        const auto b = e->button();
        const auto m = e->modifiers();
        const QPoint p = e->position().toPoint();
        Spust([&] { OnMouseDown(b, m, p.x(), p.y()); });
    }
}

void Mrizka::mouseMoveEvent(QMouseEvent* e)
{
    if (omezitKurzor_ && e->buttons() != Qt::NoButton) {
        const QRect oblast(viewport()->mapToGlobal(QPoint(0, 0)), viewport()->size());
        const QPoint kurzor = QCursor::pos();
        const QPoint omezeny(std::clamp(kurzor.x(), oblast.left(), oblast.right()),
                             std::clamp(kurzor.y(), oblast.top(), oblast.bottom()));
        if (omezeny != kurzor) QCursor::setPos(omezeny);
    }
    if (OnMouseMove) {
        const auto b = e->buttons();
        const auto m = e->modifiers();
        const QPoint p = e->position().toPoint();
        Spust([&] { OnMouseMove(b, m, p.x(), p.y()); });
    }
}

void Mrizka::mouseReleaseEvent(QMouseEvent* e)
{
    QTableView::mouseReleaseEvent(e);
    omezitKurzor_ = false;
}

void Mrizka::mouseDoubleClickEvent(QMouseEvent* e)
{
    QTableView::mouseDoubleClickEvent(e);
    if (OnDblClick) Spust(OnDblClick);
}

void NastavVelikostTabulky(Mrizka* mrizka, int radky, int sloupce)
{
    if (mrizka == nullptr) return;
    mrizka->SetRowCount(radky);
    mrizka->SetColCount(sloupce);
}

int HorniRadekProRadek(int r, int n, int v)
{
    const int t = std::max(r - v / 2, 0);
    const int horni = n < v + t ? n - v : t;
    return horni < 0 ? -1 : horni;
}

void ZobrazRadek(Mrizka* mrizka, int r, int n)
{
    if (mrizka == nullptr) return;
    const int v = mrizka->VisibleRowCount();
    mrizka->SetRow(r);
    const int horni = HorniRadekProRadek(r, n, v);
    if (horni >= 0) mrizka->SetTopRow(horni);
}

void OmezKurzorNaTabulku(QWidget* ovladac)
{
    if (auto* m = qobject_cast<Mrizka*>(ovladac)) m->OmezKurzor(true);
}

QLabel* NovyLabel(QWidget* rodic, const char* jmeno)
{
    return NovyLabel(rodic, QString(QLatin1String(jmeno)));
}

QLabel* NovyLabel(QWidget* rodic, const QString& jmeno)
{
    auto* l = new QLabel(rodic);
    l->setObjectName(jmeno);
    return l;
}

QLabel* NajdiLabel(const QWidget& rodic, const QString& jmeno)
{
    return rodic.findChild<QLabel*>(jmeno);
}

QLabel* NajdiLabel(const QWidget& rodic, const char* jmeno)
{
    return NajdiLabel(rodic, QString(QLatin1String(jmeno)));
}

QLabel* NovyNadpis(QWidget* rodic, const char* jmeno)
{
    QLabel* l = NovyLabel(rodic, jmeno);
    NastavTucne(l);
    return l;
}

void NastavTucne(QWidget* ovladac)
{
    QFont f = ovladac->font();
    f.setBold(true);
    ovladac->setFont(f);
}

QLabel* ZahlaviLabel(QWidget* rodic, const char* jmeno, int x, int y, int w, int h)
{
    QLabel* l = NovyLabel(rodic, jmeno);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Raised);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(x, y, w, h);
    return l;
}

int PevnaSirkaOkna(const QWidget& okno, const QWidget& doplnek, const Mrizka& mrizka)
{
    const int ramOkna = okno.frameGeometry().width() - okno.geometry().width();
    const int sirkaPosuvniku = mrizka.verticalScrollBar()->sizeHint().width();
    return ramOkna + doplnek.x() + mrizka.frameWidth() + sirkaPosuvniku;
}

}  // namespace sitmera
