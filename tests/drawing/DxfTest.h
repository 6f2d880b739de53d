// Shared set-up of the DXF export tests: reading a written file back, the
// independent reader's check (ezdxf, tests/data/drawing/over_dxf.py), the
// entities of the ENTITIES section, and a fixture base with a temporary
// folder and the writer under test.
#pragma once

#include "numerics/SouboryTestu.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace sitmera::test {

inline std::string Precti(const std::string& cesta)
{
    std::ifstream f(cesta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// Runs the ezdxf check on the file; its exit code and output.
inline int Ezdxf(const std::string& soubor, std::string& vystup)
{
    const std::string prikaz = std::string("/usr/bin/python3 ") + SITMERA_TEST_DATA +
                               "/drawing/over_dxf.py '" + soubor + "' 2>&1";
    FILE* p = popen(prikaz.c_str(), "r");
    if (p == nullptr) return -1;
    char buf[4096];
    std::size_t n;
    vystup.clear();
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) vystup.append(buf, n);
    const int stav = pclose(p);
    return WIFEXITED(stav) ? WEXITSTATUS(stav) : -1;
}

// One entity of the ENTITIES section: its type and groups in order.
struct Entita {
    std::string typ;
    std::vector<std::pair<int, std::string>> skupiny;
    std::string Hodnota(int kod) const
    {
        for (const auto& s : skupiny)
            if (s.first == kod) return s.second;
        return "";
    }
    double Cislo(int kod) const { return std::stod(Hodnota(kod)); }
    std::string Vrstva() const { return Hodnota(8); }
};

// The entities of the file text (CR LF lines), in order.
inline std::vector<Entita> Entity(const std::string& text)
{
    std::vector<std::string> r;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t j = text.find("\r\n", i);
        if (j == std::string::npos) break;
        r.push_back(text.substr(i, j - i));
        i = j + 2;
    }
    std::vector<Entita> e;
    bool uvnitr = false;
    for (std::size_t k = 0; k + 1 < r.size(); k += 2) {
        const int kod = std::stoi(r[k]);
        const std::string& h = r[k + 1];
        if (kod == 2 && h == "ENTITIES") {
            uvnitr = true;
            continue;
        }
        if (!uvnitr) continue;
        if (kod == 0) {
            if (h == "ENDSEC") break;
            e.push_back(Entita{h, {}});
        } else if (!e.empty()) {
            e.back().skupiny.emplace_back(kod, h);
        }
    }
    return e;
}

// Entities per "layer type", e.g. "BodVyr_Bod POINT".
inline std::map<std::string, int> Pocty(const std::vector<Entita>& e)
{
    std::map<std::string, int> p;
    for (const Entita& x : e) ++p[x.Vrstva() + " " + x.typ];
    return p;
}

// The entities of one type on one layer, in file order.
inline std::vector<const Entita*> NaVrstve(const std::vector<Entita>& e, const std::string& vrstva,
                                           const std::string& typ)
{
    std::vector<const Entita*> v;
    for (const Entita& x : e)
        if (x.Vrstva() == vrstva && x.typ == typ) v.push_back(&x);
    return v;
}

// Base of the export fixtures: the writer w under test and a fresh folder
// for its files, removed after the test.
template <class Writer>
class DxfTest : public ::testing::Test {
protected:
    std::string slozka;
    Writer w;

    // Creates the folder from a mkdtemp pattern (ending in XXXXXX).
    void VytvorSlozku(std::string vzor)
    {
        ASSERT_NE(mkdtemp(vzor.data()), nullptr);
        slozka = vzor;
    }
    void TearDown() override { std::filesystem::remove_all(slozka); }

    // Writes the drawing to slozka/jmeno (which must succeed) and gives its text.
    std::string Zapis(const std::string& jmeno)
    {
        w.filename = slozka + "/" + jmeno;
        EXPECT_TRUE(w.createdxf());
        return Precti(w.filename);
    }

    // The independent reader on the file written last: it must accept the
    // file and list every line of `ocekavane`. Gives its listing.
    std::string OverCtenarem(std::initializer_list<const char*> ocekavane = {})
    {
        std::string vystup;
        EXPECT_EQ(Ezdxf(w.filename, vystup), 0) << vystup;
        for (const char* radek : ocekavane)
            EXPECT_NE(vystup.find(radek), std::string::npos) << radek << "\n" << vystup;
        return vystup;
    }
};

}  // namespace sitmera::test
