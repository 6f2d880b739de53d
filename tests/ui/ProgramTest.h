// Shared fixture of the window tests that need the program's global objects:
// a main window shown (which creates the global objects and points the shared
// windows at them), the two epochs of tests/data/hlavni attached through the
// model, and the comparison run as the main window's compare command runs it.
#pragma once

#include <memory>
#include <string>

#include "analysis/Etapa.h"
#include "program/Globalni.h"
#include "ui/OknaTest.h"
#include "ui/SouradniceMainOkno.h"

namespace sitmera::test {

inline const std::string kDataHlavni = std::string(SITMERA_TEST_DATA) + "/hlavni/";

class ProgramTest : public OknaTest {
protected:
    void SetUp() override
    {
        OknaTest::SetUp();
        DalsiOkna() = TdalsiOkna();
        Spust();
    }

    void TearDown() override
    {
        okno.reset();
        NastavHlavniOkno(nullptr);
        ZrusitGlobalniObjekty();
        DalsiOkna() = TdalsiOkna();
        OknaTest::TearDown();
    }

    // A fresh start of the program: the main window shown, the global
    // objects created for it (those of a previous start freed first).
    void Spust()
    {
        okno.reset();
        ZrusitGlobalniObjekty();
        okno = std::make_unique<TForm65>();
        NastavHlavniOkno(okno.get());
        okno->show();
    }

    // Both epochs attached through the model, the identical points found and
    // the main list rebuilt, as the epoch window does after an attach.
    void NactiEtapy(const std::string& etapa1 = kDataHlavni + "etapa1.epc",
                    const std::string& etapa2 = kDataHlavni + "etapa2.epc")
    {
        ASSERT_TRUE(NacistEtapu(etapa1, modelPorovnani->etapa1));
        ASSERT_TRUE(NacistEtapu(etapa2, modelPorovnani->etapa2));
        modelPorovnani->VyhledaniIdentickychBodu(*sitmera::nastaveni);
        PriraditSouradniceKlice(klicTransformace, modelPorovnani->etapa1.souradnice,
                                modelPorovnani->etapa2.souradnice, *souradniceUzivatelske);
        okno->Prekresli();
    }

    // The comparison with the current key, as the compare command runs it
    // (both epochs transformed, the active flags of the main list handed
    // over, the displacements computed); false when a step fails.
    bool Porovnej()
    {
        for (const bool prvni : {true, false}) {
            bool& hotovo = prvni ? info->jeTransformaceEtapa1 : info->jeTransformaceEtapa2;
            if (!modelPorovnaniTransformace->Transfromuj(*modelPorovnani, klicTransformace, prvni, hotovo))
                return false;
        }
        modelPorovnaniTransformace->PredatJeAktiv(*souradniceHlavni);
        info->jeAnalyzaPosunu = modelPosuny->NacistBody(*modelPorovnaniTransformace) &&
                                modelPosuny->NacistNastaveni(*modelPorovnaniTransformace, *sitmera::nastaveni) &&
                                modelPosuny->Porovnani(*modelPorovnaniTransformace);
        return info->jeAnalyzaPosunu;
    }

    std::unique_ptr<TForm65> okno;
};

}  // namespace sitmera::test
