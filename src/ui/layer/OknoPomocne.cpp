#include "ui/layer/OknoPomocne.h"

#include <QAction>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <limits>

#include "ui/layer/Mrizka.h"

namespace sitmera {

std::vector<Tmonitor> MonitoryObrazovky()
{
    std::vector<Tmonitor> monitory;
    for (QScreen* s : QGuiApplication::screens()) monitory.push_back({s->geometry(), s->availableGeometry()});
    if (monitory.empty()) monitory.push_back({QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080)});
    return monitory;
}

int MonitorObdelniku(const QRect& obdelnik, const std::vector<Tmonitor>& monitory)
{
    int nejlepsi = 0;
    long long nejvetsiPlocha = 0;
    for (std::size_t i = 0; i < monitory.size(); ++i) {
        const QRect prunik = monitory[i].obdelnik.intersected(obdelnik);
        const long long plocha = prunik.isEmpty() ? 0 : 1LL * prunik.width() * prunik.height();
        if (plocha > nejvetsiPlocha) {
            nejvetsiPlocha = plocha;
            nejlepsi = static_cast<int>(i);
        }
    }
    if (nejvetsiPlocha > 0 || monitory.empty()) return nejlepsi;
    // On no monitor: the nearest by the distance of the centres.
    double nejmensi = std::numeric_limits<double>::max();
    const QPointF stred = QRectF(obdelnik).center();
    for (std::size_t i = 0; i < monitory.size(); ++i) {
        const QPointF d = QRectF(monitory[i].obdelnik).center() - stred;
        const double vzdalenost = d.x() * d.x() + d.y() * d.y();
        if (vzdalenost < nejmensi) {
            nejmensi = vzdalenost;
            nejlepsi = static_cast<int>(i);
        }
    }
    return nejlepsi;
}

QRect UdrzObdelnikNaMonitoru(const QRect& okno, const std::vector<Tmonitor>& monitory)
{
    if (monitory.empty()) return okno;
    const QRect m = monitory[MonitorObdelniku(okno, monitory)].obdelnik;
    int left = okno.x(), top = okno.y(), width = okno.width(), height = okno.height();
    const int right = m.x() + m.width();
    const int bottom = m.y() + m.height();
    if (m.height() < height) height = m.height();
    if (top < m.y()) top = m.y();
    if (top + height > bottom) top = bottom - height;
    if (left + width > right) left = right - width;
    if (left < m.x()) left = m.x();
    return QRect(left, top, width, height);
}

QRect VycentrujObdelnik(const QRect& okno, const QRect& reference, bool referenceViditelna,
                        const std::vector<Tmonitor>& monitory)
{
    if (referenceViditelna && !reference.isEmpty()) {
        const int left = reference.x() + reference.width() / 2 - okno.width() / 2;
        const int top = reference.y() + reference.height() / 2 - okno.height() / 2;
        return UdrzObdelnikNaMonitoru(QRect(left, top, okno.width(), okno.height()), monitory);
    }
    if (monitory.empty()) return okno;
    const QRect m = reference.isEmpty() ? monitory[MonitorObdelniku(QRect(0, 0, 1, 1), monitory)].obdelnik
                                        : monitory[MonitorObdelniku(reference, monitory)].obdelnik;
    // Centred on the monitor: left + width div 2 - window width div 2 (on a
    // monitor at 0 this is the plain "width div 2 - window width div 2").
    const int left = m.x() + m.width() / 2 - okno.width() / 2;
    const int top = m.y() + m.height() / 2 - okno.height() / 2;
    return QRect(left, top, okno.width(), okno.height());
}

QRect VycentrujObdelnikNaMonitor(const QRect& okno, const QRect& reference, const std::vector<Tmonitor>& monitory)
{
    if (monitory.empty()) return okno;
    const Tmonitor& m = monitory[MonitorObdelniku(reference, monitory)];
    const int height = static_cast<int>(std::lround(m.pracovniPlocha.height() * 0.9));
    const int left = m.obdelnik.x() + m.pracovniPlocha.width() / 2 - okno.width() / 2;
    const int top = m.obdelnik.y() + m.pracovniPlocha.height() / 2 - height / 2;
    return UdrzObdelnikNaMonitoru(QRect(left, top, okno.width(), height), monitory);
}

QRect VnejsiObdelnik(const QWidget* okno)
{
    return okno->frameGeometry();
}

void NastavVnejsiObdelnik(QWidget* okno, const QRect& obdelnik)
{
    const QRect ram = okno->frameGeometry();
    const QRect vnitrek = okno->geometry();
    const int dx = ram.width() - vnitrek.width();
    const int dy = ram.height() - vnitrek.height();
    okno->resize(std::max(obdelnik.width() - dx, 0), std::max(obdelnik.height() - dy, 0));
    okno->move(obdelnik.topLeft());  // move() places the frame of a top-level window
}

void VycentrujOkno(QWidget* okno, QWidget* reference)
{
    if (okno == nullptr) return;
    const bool viditelna = reference != nullptr && reference->isVisible() && reference != okno;
    const QRect ref = reference != nullptr ? VnejsiObdelnik(reference) : QRect();
    NastavVnejsiObdelnik(okno, VycentrujObdelnik(VnejsiObdelnik(okno), ref, viditelna, MonitoryObrazovky()));
}

void VycentrujOknoNaMonitor(QWidget* okno, QWidget* reference)
{
    if (okno == nullptr) return;
    const QRect ref = reference != nullptr ? VnejsiObdelnik(reference) : VnejsiObdelnik(okno);
    NastavVnejsiObdelnik(okno, VycentrujObdelnikNaMonitor(VnejsiObdelnik(okno), ref, MonitoryObrazovky()));
}

void PrepniZpracovani(QWidget* okno)
{
    if (okno == nullptr) return;
    QLabel* label = nullptr;
    for (QLabel* l : okno->findChildren<QLabel*>())
        if (l->objectName().compare(QStringLiteral("Label_zpracovani"), Qt::CaseInsensitive) == 0) {
            label = l;
            break;
        }
    if (label == nullptr) return;
    label->setVisible(label->isHidden());
    label->repaint();
    const bool povolit = label->isHidden();
    // Menu items are the named actions (a control's own actions have no name).
    for (QAction* a : okno->findChildren<QAction*>())
        if (!a->objectName().isEmpty()) a->setEnabled(povolit);
    for (Mrizka* m : okno->findChildren<Mrizka*>()) {
        m->setEnabled(povolit);
        if (povolit) m->setFocus();
    }
}

void SkryjZpracovani(QWidget* okno)
{
    for (QLabel* l : okno != nullptr ? okno->findChildren<QLabel*>() : QList<QLabel*>())
        if (l->objectName().compare(QStringLiteral("Label_zpracovani"), Qt::CaseInsensitive) == 0) {
            if (!l->isHidden()) PrepniZpracovani(okno);
            return;
        }
}

QLabel* VytvorLabelZpracovani(QWidget* rodic)
{
    auto* l = new QLabel(QStringLiteral(" Processing ..."), rodic);
    l->setObjectName(QStringLiteral("Label_zpracovani"));
    l->setStyleSheet(QStringLiteral("QLabel { color: #c00000; font-weight: bold; }"));
    l->hide();
    return l;
}

void PrepniPanel(QWidget* panel, QWidget* c1, QWidget* c2, QWidget* c3, QWidget* c4, QWidget* c5, QWidget* c6)
{
    if (panel == nullptr) return;
    const bool povolit = !panel->isHidden();
    panel->setVisible(!povolit);
    for (QWidget* c : {c1, c2, c3, c4, c5, c6})
        if (c != nullptr) c->setEnabled(povolit);
    panel->repaint();
}

QFont PismoPevneSirky()
{
    QFont pismo(QStringLiteral("Courier New"));
    pismo.setStyleHint(QFont::TypeWriter);
    pismo.setFixedPitch(true);
    if (!QFontInfo(pismo).fixedPitch()) pismo = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return pismo;
}

void NastavTextSchranky(const std::string& text)
{
    QGuiApplication::clipboard()->setText(NaQString(text));
}

std::string TextSchranky()
{
    return NaUtf8(QGuiApplication::clipboard()->text());
}

QString NaQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string NaUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

}  // namespace sitmera
