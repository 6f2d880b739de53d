#include "drawing/dxfwriter.h"

#include <algorithm>
#include <cstdio>

#include "core/Chyby.h"
#include "numerics/Cesta.h"
#include "numerics/TextPole.h"
#include "numerics/ZapisSouboru.h"

namespace sitmera {

namespace {

void PridejKod(std::string& vystup, std::uint32_t znak)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "\\U+%04X", static_cast<unsigned>(znak));
    vystup += buf;
}

// Length of the UTF-8 sequence starting at s[i] and its code point; 0 for a
// byte that starts no valid sequence.
int DekodujZnak(const std::string& s, std::size_t i, std::uint32_t& znak)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    int delka;
    std::uint32_t minimum;
    if (c < 0x80) {
        znak = c;
        return 1;
    } else if ((c & 0xE0) == 0xC0) {
        delka = 2;
        znak = c & 0x1F;
        minimum = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        delka = 3;
        znak = c & 0x0F;
        minimum = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        delka = 4;
        znak = c & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + delka > s.size()) return 0;
    for (int k = 1; k < delka; ++k) {
        const unsigned char d = b(i + k);
        if ((d & 0xC0) != 0x80) return 0;
        znak = (znak << 6) | (d & 0x3F);
    }
    if (znak < minimum || znak > 0x10FFFF || (znak >= 0xD800 && znak <= 0xDFFF)) return 0;
    return delka;
}

}  // namespace

std::string TextDXF(const std::string& text)
{
    std::string vystup;
    vystup.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        std::uint32_t znak = 0;
        const int delka = DekodujZnak(text, i, znak);
        if (delka == 0) {
            PridejKod(vystup, 0xFFFD);  // a byte that is no UTF-8
            ++i;
            continue;
        }
        i += delka;
        if (znak >= 0x20 && znak < 0x7F) {
            vystup += static_cast<char>(znak);
        } else if (znak > 0xFFFF) {
            const std::uint32_t v = znak - 0x10000;
            PridejKod(vystup, 0xD800 + (v >> 10));
            PridejKod(vystup, 0xDC00 + (v & 0x3FF));
        } else {
            PridejKod(vystup, znak);
        }
    }
    return vystup;
}

TDXFwriter::TDXFwriter() { DefineColors(); }

void TDXFwriter::DefineColors()
{
    barvy = {"7",   "26", "94", "52", "174", "214", "134", "252", "254", "1",
             "3",   "2",  "5",  "6",  "4",   "7",   "103", "151", "41",  "253"};
}

bool TDXFwriter::fileopen()
{
    otevren_ = false;
    dxffile.clear();
    duvodOtevreni.clear();
    try {
        // The rule of every save of the program (numerics/ZapisSouboru.h).
        OverCilZapisu(filename);
    } catch (const ChybaSouboru& e) {
        UlozDuvod(&duvodOtevreni, e);
        return false;
    }
    otevren_ = true;
    return true;
}

void TDXFwriter::fileclose()
{
    if (!otevren_) return;
    otevren_ = false;
    ZapisSouborAtomicky(filename, dxffile);
}

void TDXFwriter::ZrusSoubor()
{
    otevren_ = false;
    dxffile.clear();
}

void TDXFwriter::parval(const std::string& par, const std::string& val)
{
    if (!otevren_) throw ChybaSouboru("DXF file not open");
    dxffile += par;
    dxffile += "\r\n";
    dxffile += TextDXF(val);
    dxffile += "\r\n";
}

std::string TDXFwriter::FtSf(Extended a) const
{
    std::string s = CisloNaText(a);
    if (FormatSettings.DecimalSeparator != '.')
        std::replace(s.begin(), s.end(), '.', FormatSettings.DecimalSeparator);
    return s;
}

std::string TDXFwriter::ConvertColor(int cl) const
{
    if (cl < 0 || cl >= static_cast<int>(barvy.size())) return "7";
    return barvy[cl];
}

// ---------------------------------------------------------------- sections and tables

void TDXFwriter::section() { parval("0", "SECTION"); }
void TDXFwriter::TablesStart() { parval("2", "TABLES"); }
void TDXFwriter::Entities() { parval("2", "ENTITIES"); }
void TDXFwriter::EndSec() { parval("0", "ENDSEC"); }
void TDXFwriter::Seceof() { parval("0", "EOF"); }
void TDXFwriter::TableStart() { parval("0", "TABLE"); }
void TDXFwriter::TableEnd() { parval("0", "ENDTAB"); }

void TDXFwriter::LayerStart()
{
    parval("2", "LAYER");
    parval("70", "10");
}

void TDXFwriter::Layer(const std::string& name, const std::string& color, const std::string& line)
{
    parval("0", "LAYER");
    parval("2", name);
    parval("70", "0");
    parval("62", color);
    parval("6", line);
}

void TDXFwriter::WriteViewPort()
{
    parval("0", "TABLE");
    parval("2", "VPORT");
    parval("70", "1");
    parval("0", "VPORT");
    parval("2", "*ACTIVE");
    parval("70", "0");
    parval("10", "0.0");
    parval("20", "0.0");
    parval("11", "1.0");
    parval("21", "1.0");
    // View centre: the centre of the points' extent in DXF axes.
    parval("12", FtSf(-(maxY + minY) / 2));
    parval("22", FtSf(-(maxX + minX) / 2));
    parval("13", "0.0");
    parval("23", "0.0");
    parval("14", "1.0");
    parval("24", "1.0");
    parval("15", "0.0");
    parval("25", "0.0");
    parval("16", "0.0");
    parval("26", "0.0");
    parval("36", "1.0");
    parval("17", "0.0");
    parval("27", "0.0");
    parval("37", "0.0");
    parval("40", FtSf(del));
    parval("41", "1.7");
    parval("42", "50.0");
    parval("43", "0.0");
    parval("44", "0.0");
    parval("50", "0.0");
    parval("51", "0.0");
    parval("71", "0");
    parval("72", "100");
    parval("73", "1");
    parval("74", "1");
    parval("75", "0");
    parval("76", "0");
    parval("77", "0");
    parval("78", "0");
    parval("0", "ENDTAB");
}

void TDXFwriter::LType()
{
    TableStart();
    parval("2", "LTYPE");
    parval("70", "2");
    parval("0", "LTYPE");
    parval("2", "CONTINUOUS");
    parval("70", "0");
    parval("3", "Solid line");
    parval("72", "65");
    parval("73", "0");
    parval("40", "0.0");
    parval("0", "LTYPE");
    parval("2", "ACAD_ISO03W100");
    parval("70", "0");
    parval("3", "ISO prerusovana __    __    __    __    __    _");
    parval("72", "65");
    parval("73", "2");
    parval("40", "30.0");
    parval("49", "12.0");
    parval("49", "-18");
    TableEnd();
}

void TDXFwriter::WriteLayers()
{
    TableStart();
    LayerStart();
    const int n = std::min(layersnum, static_cast<int>(layers.size()));
    for (int i = 0; i < n; ++i) {
        const TLayer& l = layers[i];
        // A negative colour number turns the layer off in CAD.
        Layer(l.name[lang == 1 ? 1 : 0], l.visible ? l.color : "-" + l.color, "CONTINUOUS");
    }
    TableEnd();
    EndSec();
}

void TDXFwriter::WriteTables()
{
    section();
    TablesStart();
    WriteViewPort();
    LType();
    WriteLayers();
}

// ---------------------------------------------------------------- entities

void TDXFwriter::Line(const std::string& x1, const std::string& y1, const std::string& z1,
                      const std::string& x2, const std::string& y2, const std::string& z2,
                      const std::string& layer)
{
    parval("0", "LINE");
    parval("8", layer);
    parval("10", x1);
    parval("20", y1);
    parval("30", z1);
    parval("11", x2);
    parval("21", y2);
    parval("31", z2);
}

void TDXFwriter::Circle(const std::string& x1, const std::string& y1, const std::string& z1,
                        const std::string& r, const std::string& layer)
{
    parval("0", "CIRCLE");
    parval("8", layer);
    parval("10", x1);
    parval("20", y1);
    parval("30", z1);
    parval("40", r);
}

void TDXFwriter::Point(const std::string& x1, const std::string& y1, const std::string& z1,
                       const std::string& layer)
{
    parval("0", "POINT");
    parval("8", layer);
    parval("10", x1);
    parval("20", y1);
    parval("30", z1);
}

void TDXFwriter::Text(const std::string& x1, const std::string& y1, const std::string& z1,
                      const std::string& layer, const std::string& size, const std::string& txt)
{
    parval("0", "TEXT");
    parval("1", txt);
    parval("40", size);
    parval("8", layer);
    parval("10", x1);
    parval("20", y1);
    parval("30", z1);
}

void TDXFwriter::PLineStart(const std::string& Layer)
{
    parval("0", "POLYLINE");
    parval("8", Layer);
    parval("66", "1");
    parval("10", "0.0");
    parval("20", "0.0");
    parval("30", "0.0");
    parval("70", "8");
}

void TDXFwriter::PLineVertex(const std::string& x1, const std::string& y1, const std::string& z1,
                             const std::string& layer)
{
    parval("0", "VERTEX");
    parval("8", layer);
    parval("10", x1);
    parval("20", y1);
    parval("30", z1);
}

void TDXFwriter::PLineEnd() { parval("0", "SEQEND"); }

std::string TDXFwriter::JmenoVrstvy(int k) const
{
    if (k < 0 || k >= static_cast<int>(layers.size())) return "0";
    return layers[k].name[lang == 1 ? 1 : 0];
}

void TDXFwriter::CaraDXF(Extended x1, Extended y1, Extended x2, Extended y2, int k)
{
    Line(FtSf(-y1), FtSf(-x1), "0", FtSf(-y2), FtSf(-x2), "0", JmenoVrstvy(k));
}

void TDXFwriter::AdjPointPaint(Extended x, Extended y, const std::string& num)
{
    const Extended PS = PointSize;
    Line(FtSf(-y), FtSf(-x - PS), "0", FtSf(-y), FtSf(-x + PS), "0", JmenoVrstvy(2));
    Line(FtSf(-y - PS), FtSf(-x), "0", FtSf(-y + PS), FtSf(-x), "0", JmenoVrstvy(2));
    Text(FtSf(-y + PS), FtSf(-x + PS), "0", JmenoVrstvy(3), FtSf(PS), num);
    Point(FtSf(-y), FtSf(-x), "0", JmenoVrstvy(1));
}

void TDXFwriter::FixPointPaint(Extended x, Extended y, const std::string& num)
{
    const Extended PS = PointSize;
    Line(FtSf(-y), FtSf(-x - PS), "0", FtSf(-y), FtSf(-x + PS), "0", JmenoVrstvy(5));
    Line(FtSf(-y - PS), FtSf(-x), "0", FtSf(-y + PS), FtSf(-x), "0", JmenoVrstvy(5));
    Circle(FtSf(-y), FtSf(-x), "0", FtSf(0.7L * PS), JmenoVrstvy(5));
    Text(FtSf(-y + PS), FtSf(-x + PS), "0", JmenoVrstvy(6), FtSf(PS), num);
    Point(FtSf(-y), FtSf(-x), "0", JmenoVrstvy(4));
}

void TDXFwriter::Rozsah(const TDuoPoint& meze)
{
    maxX = meze.Max[0];
    minX = meze.Min[0];
    maxY = meze.Max[1];
    minY = meze.Min[1];
    const Extended rozsahX = maxX - minX;
    const Extended rozsahY = maxY - minY;
    del = rozsahY > rozsahX ? rozsahY : rozsahX;
    // One point (or all on one spot): a zero view would give texts of height 0.
    if (!(del > 0)) del = 1;
    PointSize = 0.005L * del;
}

bool TDXFwriter::ZapisVykres(const std::function<void()>& rozsah, const std::function<void()>& kresba)
{
    if (!fileopen()) return false;
    try {
        FormatSettings.DecimalSeparator = '.';
        rozsah();
        WriteTables();
        kresba();
        Seceof();
    } catch (...) {
        ZrusSoubor();  // nothing of a failed drawing is written
        throw;
    }
    fileclose();
    return true;
}

}  // namespace sitmera
