// ASCII DXF drawings: the base of the network and the displacement exports.
//
// A file is a TABLES section (one viewport, two line types, a layer table
// whose names exist in Czech and English), an ENTITIES section that the
// export fills, and the end-of-file marker; there is no HEADER section. Each
// record is a sequence of groups, a group being its code on one line and its
// value on the next; every line ends with CR LF. Numbers are written in the
// general format with at most 15 significant digits and "." (FtSf).
//
// The file stays ASCII: a character of a value outside printable ASCII (a
// non-ASCII letter of a point number, a control character) is written as
// \U+XXXX (four hex digits; a character beyond U+FFFF as its two UTF-16
// halves), which CAD programs read back as that character.
//
// Axis convention: a drawing point (x, y) (x the first plane coordinate X, y
// the second Y, metres) is written as DXF X = -y, DXF Y = -x. Every writer
// of the drawing exports applies it.
//
// Writing: fileopen checks that the target can be written and starts the
// text in memory; fileclose writes it in one go (numerics/ZapisSouboru.h,
// ZapisSouborAtomicky), so a failed export leaves an existing file as it
// was and never leaves half a drawing. A write failure throws ChybaSouboru.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "drawing/BodyKresby.h"
#include "numerics/Zaklad.h"

namespace sitmera {

// Layer names: index 0 Czech, index 1 English.
using TLayerName = std::array<std::string, 2>;

struct TLayer {
    TLayerName name;
    std::string color;  // DXF colour number
    bool visible = true;
};

// Number format of FtSf: only the decimal separator is used.
struct TFormatSettings {
    char DecimalSeparator = '.';
};

// The 20 colours of the colour boxes of both graph windows, in list order
// ($00BBGGRR): 16 standard colours, then money green, sky blue, cream and
// medium gray. The settings store a colour as its position here.
inline constexpr std::array<std::uint32_t, 20> BarvySeznamu = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000,
    0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF,
    0xFFFF00, 0xFFFFFF, 0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0};

class TDXFwriter {
public:
    std::string filename;   // path of the file to write; set by the caller
    Extended Scale = 0;     // magnification of ellipses and vectors; set by the caller
    int lang = 0;           // layer-name language: 0 Czech, 1 English
    std::string dxffile;    // the text written so far (CR LF lines)
    std::vector<TLayer> layers;
    std::array<std::string, 20> barvy;  // DXF colour number by colour-list position
    int layersnum = 0;      // number of layers written
    Extended PointSize = 0;  // symbol and text size (drawing units, metres)
    Extended maxX = 0;       // extent of the drawn points (metres)
    Extended minX = 0;
    Extended maxY = 0;
    Extended minY = 0;
    Extended del = 0;        // the larger extent: the view height
    TFormatSettings FormatSettings;
    std::string duvodOtevreni;  // why the last fileopen failed; empty after one that succeeded

    // An empty writer with its colour table.
    TDXFwriter();

    // Starts a new file: true when filename names a target the program's
    // save rule lets it write (OverCilZapisu, numerics/ZapisSouboru.h);
    // false otherwise, raising nothing, the rule's message kept in
    // duvodOtevreni.
    bool fileopen();
    // Writes the text to filename. Throws ChybaSouboru when that fails;
    // the writer is closed either way.
    void fileclose();
    bool JeOtevren() const { return otevren_; }
    // Closes without writing anything (a drawing that failed half-way).
    void ZrusSoubor();

    // One group: the code on one line, the value (made ASCII, see above) on
    // the next. Throws ChybaSouboru when no file is open.
    void parval(const std::string& par, const std::string& val);
    // The number in the general format (at most 15 significant digits,
    // exponent form below 1e-5 and from 1e15 on) with the decimal separator
    // of FormatSettings: 12.5 -> "12.5", -3 -> "-3", 0.0000012 -> "1.2E-6".
    std::string FtSf(Extended a) const;
    // Entry cl of barvy; "7" for a position outside the table.
    std::string ConvertColor(int cl) const;
    void DefineColors();

    // Sections and tables.
    void section();
    void TablesStart();
    void Entities();
    void EndSec();
    void Seceof();
    void TableStart();
    void TableEnd();
    void LayerStart();
    void Layer(const std::string& name, const std::string& color, const std::string& line);
    void WriteViewPort();
    void LType();
    void WriteLayers();
    void WriteTables();

    // Entities; coordinates and sizes are number texts (FtSf), z is "0".
    void Line(const std::string& x1, const std::string& y1, const std::string& z1,
              const std::string& x2, const std::string& y2, const std::string& z2,
              const std::string& layer);
    void Circle(const std::string& x1, const std::string& y1, const std::string& z1,
                const std::string& r, const std::string& layer);
    void Point(const std::string& x1, const std::string& y1, const std::string& z1,
               const std::string& layer);
    void Text(const std::string& x1, const std::string& y1, const std::string& z1,
              const std::string& layer, const std::string& size, const std::string& txt);
    void PLineStart(const std::string& Layer);
    void PLineVertex(const std::string& x1, const std::string& y1, const std::string& z1,
                     const std::string& layer);
    void PLineEnd();

    // Point symbols at the drawing point (x, y) (metres): cross and number
    // and POINT of a determined point on layers 2, 3, 1; cross, circle of
    // radius 0.7 PointSize and number and POINT of a fixed point on layers
    // 5, 5, 6, 4.
    void AdjPointPaint(Extended x, Extended y, const std::string& num);
    void FixPointPaint(Extended x, Extended y, const std::string& num);

    // The name of layer k in the language lang.
    std::string JmenoVrstvy(int k) const;
    // A line between two drawing points (metres) on layer k, in DXF axes.
    void CaraDXF(Extended x1, Extended y1, Extended x2, Extended y2, int k);
    // The extent of the drawing points (MezeBodu) and the symbol size:
    // maxX .. minY, del = the larger range, PointSize = 0.005 del. A drawing
    // whose points all coincide (one point, or none) gets the view height 1
    // drawing unit instead of 0, so that its symbols and texts have a size.
    void Rozsah(const TDuoPoint& meze);
    // A whole export: fileopen, then rozsah (the extent and symbol size),
    // the tables, kresba (the ENTITIES section) and the end marker, then
    // fileclose. False only when the file cannot be opened; anything thrown
    // on the way leaves nothing written and is passed on.
    bool ZapisVykres(const std::function<void()>& rozsah, const std::function<void()>& kresba);

private:
    bool otevren_ = false;
};

// The text made ASCII for a DXF value (see the top of this file).
std::string TextDXF(const std::string& text);

}  // namespace sitmera
