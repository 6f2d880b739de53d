// The global objects: their order of creation, defaulting and release, the
// state right after start, and a release that leaves nothing behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program/Globalni.h"

namespace sitmera {
namespace {

// Which of the 13 pointers are set, in creation order, as a string of 0/1.
std::string Existuji()
{
    const void* p[] = {nastaveni,          chyby,          info,          jazyk,
                       protokolSouboru,    souradniceOkno, souradniceSchranka,
                       souradniceHlavni,   souradniceUzivatelske,
                       modelPorovnani,     modelPorovnaniTransformace,
                       modelPosuny,        posunyOkno};
    std::string s;
    for (const void* x : p) s += x != nullptr ? '1' : '0';
    return s;
}

class GlobalniTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        NastavZaznamGlobalnich({});
        ZrusitGlobalniObjekty();
    }
    std::vector<std::string> udalosti;
    std::vector<std::string> stavy;  // Existuji() at each event
};

TEST_F(GlobalniTest, ObjectsAreCreatedThenDefaultedInTheirOrder)
{
    // Each event is recorded together with which objects exist at that
    // moment, so the order is checked against the live pointers too.
    bool jazykPrazdnyPriDefaultNastaveni = false;
    bool nastaveniAnglickyPriDefaultJazyk = false;
    NastavZaznamGlobalnich([&](const std::string& u) {
        udalosti.push_back(u);
        stavy.push_back(Existuji());
        if (u == "default nastaveni") jazykPrazdnyPriDefaultNastaveni = jazyk->popis.sitmeraNazev.empty();
        if (u == "default jazyk") nastaveniAnglickyPriDefaultJazyk = nastaveni->typJazyk == 1;
    });
    VytvoritGlobalniObjekty();
    const std::vector<std::string> ocekavane = {
        "+nastaveni",          "+chyby",          "+info",
        "+jazyk",              "+protokolSouboru", "+souradniceOkno",
        "+souradniceSchranka", "+souradniceHlavni", "+souradniceUzivatelske",
        "+modelPorovnani",     "+modelPorovnaniTransformace",
        "+modelPosuny",        "+posunyOkno",
        "default nastaveni",   "default jazyk",    "default chyby",
        "default info",        "default klic",     "poradiXY nastaveni",
        "poradiXY jazyk"};
    EXPECT_EQ(udalosti, ocekavane);
    ASSERT_EQ(stavy.size(), ocekavane.size());
    // Creation k sees exactly the first k + 1 objects.
    for (int k = 0; k < 13; ++k)
        EXPECT_EQ(stavy[k], std::string(k + 1, '1') + std::string(12 - k, '0')) << udalosti[k];
    // Defaulting starts only when all 13 exist.
    for (std::size_t k = 13; k < stavy.size(); ++k) EXPECT_EQ(stavy[k], std::string(13, '1'));
    // The texts are filled after the settings, from the defaulted settings.
    EXPECT_TRUE(jazykPrazdnyPriDefaultNastaveni);
    EXPECT_TRUE(nastaveniAnglickyPriDefaultJazyk);
}

TEST_F(GlobalniTest, ObjectsAreFreedInTheirReleaseOrder)
{
    VytvoritGlobalniObjekty();
    NastavZaznamGlobalnich([&](const std::string& u) {
        udalosti.push_back(u);
        stavy.push_back(Existuji());
    });
    ZrusitGlobalniObjekty();
    const std::vector<std::string> ocekavane = {
        "-nastaveni",         "-chyby",           "-info",
        "-jazyk",             "-souradniceOkno",  "-souradniceSchranka",
        "-protokolSouboru",   "-souradniceHlavni", "-souradniceUzivatelske",
        "-modelPorovnani",    "-modelPorovnaniTransformace",
        "-modelPosuny",       "-posunyOkno"};
    EXPECT_EQ(udalosti, ocekavane);
    // The pointer of each object is null when its release is reported; the
    // report object goes after the two lists that follow it in creation.
    ASSERT_EQ(stavy.size(), 13u);
    EXPECT_EQ(stavy[0], "0111111111111");
    EXPECT_EQ(stavy[5], "0000100111111");  // up to souradniceSchranka gone, the report kept
    EXPECT_EQ(stavy[6], "0000000111111");  // now the report
    EXPECT_EQ(stavy[12], std::string(13, '0'));
    EXPECT_FALSE(ExistujiGlobalniObjekty());
    // A second release finds nothing to free.
    udalosti.clear();
    ZrusitGlobalniObjekty();
    EXPECT_TRUE(udalosti.empty());
}

TEST_F(GlobalniTest, AfterStartTextsAreEnglishWithXYAxesAndNoNoticeIsPending)
{
    // The defaults of each object are their own tests' business; here only
    // that each was defaulted.
    VytvoritGlobalniObjekty();
    ASSERT_TRUE(ExistujiGlobalniObjekty());
    EXPECT_EQ(nastaveni->typJazyk, 1);
    EXPECT_EQ(jazyk->nazevXY, (TtextVektor{"X", "Y"}));
    EXPECT_EQ(nastaveni->poradiXY, (TindexVector{1, 2}));
    EXPECT_EQ(jazyk->tlacitko.etapa, "Epoch");
    EXPECT_EQ(chyby->cisloOznameni, 0);
    EXPECT_FALSE(info->jeAnalyzaPosunu);
    EXPECT_TRUE(souradniceHlavni->bod.empty());
    EXPECT_FALSE(modelPorovnani->etapa1.jePripojen);
    // The key is the filled identity.
    EXPECT_TRUE(klicTransformace.jePlny);
    EXPECT_EQ(klicTransformace.typ, 0);
    EXPECT_TRUE(JeUzivatelskyKlicNulovy(klicTransformace));
}

TEST_F(GlobalniTest, ReleaseDropsTheKeysListsAndTheCurrentEpoch)
{
    VytvoritGlobalniObjekty();
    PriraditSouradniceKlice(klicTransformace, modelPorovnani->etapa1.souradnice,
                            modelPorovnani->etapa2.souradnice, *souradniceUzivatelske);
    etapaAktualni = &modelPorovnani->etapa2;
    ASSERT_NE(klicTransformace.souradniceBod, nullptr);
    ZrusitGlobalniObjekty();
    EXPECT_EQ(klicTransformace.souradniceBod, nullptr);
    EXPECT_EQ(klicTransformace.souradniceCil1, nullptr);
    EXPECT_EQ(klicTransformace.souradniceCil2, nullptr);
    EXPECT_EQ(etapaAktualni, nullptr);
}

TEST_F(GlobalniTest, ASecondCreationStartsAfresh)
{
    VytvoritGlobalniObjekty();
    nastaveni->typJazyk = 0;
    souradniceUzivatelske->PridejPrazdnyBod();
    VytvoritGlobalniObjekty();
    EXPECT_EQ(nastaveni->typJazyk, 1);
    EXPECT_TRUE(souradniceUzivatelske->bod.empty());
}

}  // namespace
}  // namespace sitmera
