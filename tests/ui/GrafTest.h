// Shared fixture of the graph window tests: the program's global objects
// (ProgramTest), a drag delivered through the window system, the picture
// save dialog answered, and the independent PNG reader (libpng).
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWindow>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <png.h>

#include "ui/ProgramTest.h"
#include "ui/layer/GrafOvladace.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/UlozitOkno.h"

// A mouse event through the window system, which holds back the input of
// windows that a modal window blocks (exported by Qt Gui for its tests).
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);
QT_END_NAMESPACE

namespace sitmera::test {

// Decodes a PNG in memory into RGB rows (w x h pixels); false when libpng
// fails.
inline bool DekodujPng(const std::string& data, int& w, int& h, std::vector<unsigned char>& rgb)
{
    png_image obraz;
    std::memset(&obraz, 0, sizeof obraz);
    obraz.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&obraz, data.data(), data.size())) return false;
    obraz.format = PNG_FORMAT_RGB;
    w = static_cast<int>(obraz.width);
    h = static_cast<int>(obraz.height);
    rgb.assign(PNG_IMAGE_SIZE(obraz), 0);
    return png_image_finish_read(&obraz, nullptr, rgb.data(), 0, nullptr) != 0;
}

class GrafTest : public ProgramTest {
protected:
    // A drag over the picture of the window from a to b with one button, as
    // the window system delivers it.
    void Tahni(Formular& okno, Obrazek& obrazek, QPoint a, QPoint b, Qt::MouseButton tlacitko)
    {
        QWindow* w = okno.windowHandle();
        const QPoint pa = obrazek.mapTo(&okno, a), pb = obrazek.mapTo(&okno, b);
        qt_handleMouseEvent(w, pa, okno.mapToGlobal(pa), tlacitko, tlacitko, QEvent::MouseButtonPress,
                            Qt::NoModifier, ++cas);
        qt_handleMouseEvent(w, pb, okno.mapToGlobal(pb), tlacitko, Qt::NoButton, QEvent::MouseMove, Qt::NoModifier,
                            ++cas);
        qt_handleMouseEvent(w, pb, okno.mapToGlobal(pb), Qt::NoButton, tlacitko, QEvent::MouseButtonRelease,
                            Qt::NoModifier, ++cas);
    }

    // Saves through the picture save dialog that `ulozit` opens: folder,
    // name, kind; notice 28 with the file's message expected after it, when
    // `oznameni`.
    void UlozJako(const std::function<void()>& ulozit, const std::string& slozka, const std::string& jmeno, int typ,
                  bool oznameni = false)
    {
        Obsluz("Form9", [=](Formular& d) {
            auto& dialog = static_cast<TForm9&>(d);
            dialog.NastavSlozku(slozka);
            dialog.NastavPolozkuFiltru(typ);
            dialog.Edit1->setText(NaQString(jmeno));
            dialog.Button1Click();
        });
        if (oznameni)
            Obsluz("Form3", [=](Formular& box) {
                const std::string text = NaUtf8(static_cast<TForm3&>(box).Label1->text());
                EXPECT_TRUE(text.starts_with(TextOznameni(*sitmera::jazyk, 28) + "\nCannot ") &&
                            text.find("\"" + slozka + "/" + jmeno + ".") != std::string::npos)
                    << text;
            });
        ulozit();
    }

    int cas = 0;
};

}  // namespace sitmera::test
