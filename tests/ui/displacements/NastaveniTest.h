// Shared fixture of the settings-window tests: the program with its global
// objects and every report marked as built, a settings window opened modally
// with the test's work done in it, and its gallery pictures.
#pragma once

#include <string>

#include "program/Globalni.h"
#include "ui/Galerie.h"
#include "ui/ProgramTest.h"

namespace sitmera::test {

class NastaveniTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        NaplnProtokoly();
    }

    // Marks the reports of the four epochs and the displacement report built.
    static void NaplnProtokoly()
    {
        for (auto* p : {&modelPorovnani->etapa1.protokol, &modelPorovnani->etapa2.protokol,
                        &modelPorovnaniTransformace->etapa1.protokol, &modelPorovnaniTransformace->etapa2.protokol,
                        &modelPosuny->protokol})
            p->jePlny = true;
    }

    // Which reports are built: "A" both input epochs, "B" both transformed
    // epochs, "C" the displacements, "-" in place of a cleared one ("A-C").
    static std::string Postaveno()
    {
        const auto obe = [](const TmodelPorovnani& m) { return m.etapa1.protokol.jePlny && m.etapa2.protokol.jePlny; };
        return std::string(obe(*modelPorovnani) ? "A" : "-") + (obe(*modelPorovnaniTransformace) ? "B" : "-") +
               (modelPosuny->protokol.jePlny ? "C" : "-");
    }

    // Shows the window modally; the work is done while it is shown.
    template <class Okno, class Prace>
    void Otevri(Okno& okno, Prace prace)
    {
        Obsluz(okno.objectName().toStdString(),
               [prace = std::move(prace)](Formular& f) { prace(static_cast<Okno&>(f)); });
        ZobrazModalne(okno);
    }

    // The window's pictures in both languages ("Form14_cz", "Form14_en").
    template <class Okno>
    void Galerie(Okno& okno)
    {
        for (std::uint8_t typ : {0, 1}) {
            sitmera::nastaveni->typJazyk = typ;
            sitmera::jazyk->Default(*sitmera::nastaveni);
            const std::string jmeno = okno.objectName().toStdString() + (typ == 0 ? "_cz" : "_en");
            Otevri(okno, [&jmeno](Okno& f) { UlozDoGalerie(f, jmeno); });
        }
    }
};

}  // namespace sitmera::test
