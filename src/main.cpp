// Sitmera Analyser: deformation analysis of geodetic networks.
//
// The program takes no arguments and no configuration file, and reads no
// environment for its own work (only DISPLAY, WAYLAND_DISPLAY and
// QT_QPA_PLATFORM, to name what it could not open when no display can be
// opened): it sets the process up for its saves, creates its windows (the
// main window first), shows the main window and runs the message loop until
// the user confirms the exit.
#include <QApplication>

#include "numerics/ZapisSouboru.h"
#include "program/Globalni.h"
#include "ui/layer/Formular.h"
#include "ui/layer/StartPlatformy.h"
#include "ui/SouradniceMainOkno.h"

// Fontconfig and D-Bus keep caches they never free; the leak checker of
// sanitizer builds is told so (an unused function in other builds).
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\nleak:libdbus-1\n";
}

int main(int argc, char** argv)
{
    sitmera::PripravProcesProZapis();
    // Without a display the toolkit would abort here with its own messages.
    sitmera::HlidejStartPlatformy();
    sitmera::Aplikace aplikace(argc, argv);
    sitmera::UkonciHlidaniStartu();

    sitmera::VytvoritOknaProgramu();
    sitmera::NastavHlavniOkno(&sitmera::Form65());
    sitmera::Form65().show();
    const int vysledek = aplikace.exec();

    sitmera::ZrusitOknaProgramu();
    sitmera::ZrusitGlobalniObjekty();
    return vysledek;
}
