#include "numerics/Cesta.h"

#include <gtest/gtest.h>

namespace sitmera {
namespace {

struct RadekCesty {
    const char* cesta;
    const char* nazev;
    const char* slozka;
    const char* slozkaSLomitkem;
    const char* pripona;
};

TEST(Cesta, SplitsAtTheLastSlash)
{
    const RadekCesty tabulka[] = {
        {"/home/u/sit/etapa1.epc", "etapa1.epc", "/home/u/sit", "/home/u/sit/", ".epc"},
        {"etapa1.epc", "etapa1.epc", "", "", ".epc"},
        {"/etapa.epc", "etapa.epc", "/", "/", ".epc"},
        {"/a.b/projekt", "projekt", "/a.b", "/a.b/", ""},
        {"/a/archiv.tar.gz", "archiv.tar.gz", "/a", "/a/", ".gz"},
        {"/a/.skryty", ".skryty", "/a", "/a/", ".skryty"},
        {"/a/b/", "", "/a/b", "/a/b/", ""},
        {"", "", "", "", ""},
        {"/a/Měření 1.txt", "Měření 1.txt", "/a", "/a/", ".txt"},
    };
    for (const auto& r : tabulka) {
        SCOPED_TRACE(r.cesta);
        EXPECT_EQ(ExtractFileName(r.cesta), r.nazev);
        EXPECT_EQ(ExtractFileDir(r.cesta), r.slozka);
        EXPECT_EQ(ExtractFilePath(r.cesta), r.slozkaSLomitkem);
        EXPECT_EQ(ExtractFileExt(r.cesta), r.pripona);
    }
}

TEST(Cesta, ChangeFileExtReplacesOnlyTheNamesExtension)
{
    EXPECT_EQ(ChangeFileExt("/a/b.txt", ".jpg"), "/a/b.jpg");
    EXPECT_EQ(ChangeFileExt("/a/b", ".jpg"), "/a/b.jpg");
    EXPECT_EQ(ChangeFileExt("/a.d/b", ".pea"), "/a.d/b.pea");
    EXPECT_EQ(ChangeFileExt("/a/b.txt", ""), "/a/b");
}

}  // namespace
}  // namespace sitmera
