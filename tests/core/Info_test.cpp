#include "core/Info.h"

#include <gtest/gtest.h>

namespace sitmera {
namespace {

constexpr int Uzivatelske = TypSouboruUzivatelske;

Tsoubor Soubor(int id, bool nacteni, int hlaseni = 0)
{
    Tsoubor s;
    s.ID = id;
    s.jmeno = "f" + std::to_string(id) + ".txt";
    s.nacteni = nacteni;
    s.hlaseni = hlaseni;
    return s;
}

std::vector<int> Id(const Tsoubory& soubory)
{
    std::vector<int> id;
    for (const Tsoubor& s : soubory) id.push_back(s.ID);
    return id;
}

TEST(Tinfo, DefaultClearsStateFlagsAndListButNotReportFlag)
{
    Tinfo info;
    info.jeAnalyzaPosunu = info.jeTransformaceEtapa1 = info.jeTransformaceEtapa2 = true;
    info.jeProtokolPosun = true;
    info.PridejSoubor(Soubor(1, true), Uzivatelske);
    info.Default();
    EXPECT_FALSE(info.jeAnalyzaPosunu);
    EXPECT_FALSE(info.jeTransformaceEtapa1);
    EXPECT_FALSE(info.jeTransformaceEtapa2);
    EXPECT_TRUE(info.jeProtokolPosun);
    EXPECT_EQ(info.VratPocetSouboru(Uzivatelske), 0);
}

TEST(Tinfo, OnlyKindEightIsKept)
{
    Tinfo info;
    for (const int typ : {0, 1, 7, 9, -8}) {
        info.PridejSoubor(Soubor(1, true), typ);
        info.PocetSouboru(5, typ);
        EXPECT_EQ(info.VratPocetSouboru(typ), 0) << typ;
    }
    EXPECT_TRUE(info.souborySouradniceUzivatelske.empty());

    info.PridejSoubor(Soubor(1, true), Uzivatelske);
    info.PridejSoubor(Soubor(2, false), Uzivatelske);
    // Queries with another kind see nothing; removal with another kind does nothing.
    EXPECT_EQ(info.VratPocetSouboru(3), 0);
    EXPECT_EQ(info.VratUspesneNactenychSouboru(3), 0);
    EXPECT_TRUE(info.VratSoubory(3).empty());
    info.SmazSoubor(1, 3);
    EXPECT_EQ(info.VratPocetSouboru(Uzivatelske), 2);
}

TEST(Tinfo, CountsLoadedFilesAndRemovesEveryRecordOfAnIdKeepingOrder)
{
    Tinfo info;
    for (const int id : {1, 2, 3, 2, 4}) info.PridejSoubor(Soubor(id, id != 3, 10 * id), Uzivatelske);
    EXPECT_EQ(info.VratPocetSouboru(Uzivatelske), 5);
    EXPECT_EQ(info.VratUspesneNactenychSouboru(Uzivatelske), 4);
    const Tsoubory soubory = info.VratSoubory(Uzivatelske);
    EXPECT_EQ(Id(soubory), (std::vector<int>{1, 2, 3, 2, 4}));
    EXPECT_TRUE(soubory[2].jmeno == "f3.txt" && soubory[2].hlaseni == 30);
    info.SmazSoubor(2, Uzivatelske);
    EXPECT_EQ(Id(info.souborySouradniceUzivatelske), (std::vector<int>{1, 3, 4}));
    info.SmazSoubor(99, Uzivatelske);  // no such id: nothing changes
    EXPECT_EQ(Id(info.souborySouradniceUzivatelske), (std::vector<int>{1, 3, 4}));
}

TEST(Tinfo, PocetSouboruZeroesNewRecordsAndDropsSurplus)
{
    Tinfo info;
    info.PridejSoubor(Soubor(7, true, 5), Uzivatelske);
    info.PocetSouboru(3, Uzivatelske);
    ASSERT_EQ(info.VratPocetSouboru(Uzivatelske), 3);
    EXPECT_EQ(info.souborySouradniceUzivatelske[0].ID, 7);
    const Tsoubor& novy = info.souborySouradniceUzivatelske[2];
    EXPECT_TRUE(novy.ID == 0 && novy.jmeno.empty() && !novy.nacteni && novy.hlaseni == 0);
    info.PocetSouboru(1, Uzivatelske);
    EXPECT_EQ(Id(info.souborySouradniceUzivatelske), (std::vector<int>{7}));
    info.PocetSouboru(-1, Uzivatelske);
    EXPECT_EQ(info.VratPocetSouboru(Uzivatelske), 0);
}

TEST(NulujSoubor, ResetsEverythingButTheLineNumber)
{
    Tsoubor s{5, "a.txt", "/d/", ".txt", 1, true, 17};
    NulujSoubor(s);
    EXPECT_TRUE(s.ID == 0 && s.jmeno.empty() && s.cesta.empty() && s.pripona.empty() && s.typ == 0 && !s.nacteni);
    EXPECT_EQ(s.hlaseni, 17);
}

TEST(PridejZaznamSouboru, SplitsThePathAndNumbersFromTheLastRecord)
{
    Tsoubory soubory;
    EXPECT_EQ(PridejZaznamSouboru(soubory, "/data/mereni/body.txt", 1, true, 12), 1);
    ASSERT_EQ(soubory.size(), 1u);
    EXPECT_EQ(soubory[0].ID, 1);
    EXPECT_EQ(soubory[0].jmeno, "body.txt");
    EXPECT_EQ(soubory[0].cesta, "/data/mereni/");
    EXPECT_EQ(soubory[0].pripona, ".txt");
    EXPECT_EQ(soubory[0].typ, 1);
    EXPECT_TRUE(soubory[0].nacteni);
    EXPECT_EQ(soubory[0].hlaseni, 12);

    // A name without folder or extension.
    EXPECT_EQ(PridejZaznamSouboru(soubory, "body", 0, false, 3), 2);
    EXPECT_TRUE(soubory[1].jmeno == "body" && soubory[1].cesta.empty() && soubory[1].pripona.empty() && !soubory[1].nacteni);

    // The id follows the last record, not the count.
    soubory.back().ID = 10;
    EXPECT_EQ(PridejZaznamSouboru(soubory, "/x/y.TXT", 0, true, 1), 11);
    EXPECT_EQ(soubory.back().pripona, ".TXT");
}

}  // namespace
}  // namespace sitmera
