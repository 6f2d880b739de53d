// Text files and character counts.
//
// Every reader of the program's text files (coordinate lists, epochs, projects)
// and every writer (coordinate lists, projects, reports, DXF) goes through this
// unit, so that all of them agree on encodings and line ends:
//  - Reading decodes a UTF-8 or UTF-16 (LE or BE) byte-order mark; without one,
//    valid UTF-8 is taken as UTF-8 and anything else as Windows-1250 (the
//    encoding of files made by older Czech Windows programs). CR LF, LF and a
//    lone CR all end a line; a final line end does not make an extra line.
//  - Writing gives UTF-8 without a byte-order mark. The file is written to a
//    temporary file in the same folder and renamed over the target only when
//    everything was written, so a failed write leaves an old file as it was.
//    One rule decides every save of the program (OverCilZapisu): a save
//    fails, leaving everything as it was, onto a file the user may not
//    write (even where the folder would let it be replaced), into a folder
//    the user may not write, onto a folder, onto a pipe or anything else
//    that is neither a regular file nor a writable device, and through a
//    link that points nowhere. A link to a file is followed (the link stays
//    a link); a device such as /dev/full is written in place, and its
//    errors are reported too.
// Every failure raises ChybaSouboru.
#pragma once

#include "numerics/Zaklad.h"

#include <string>
#include <string_view>
#include <vector>

namespace sitmera {

// Number of characters (UTF-8 code points) of a UTF-8 text. Column widths,
// rules and the order of point numbers count characters, not bytes.
std::size_t DelkaTextu(std::string_view text);

// The code points of a UTF-8 text. A byte that does not start a valid
// sequence stands for itself, mapped above the Unicode range (0x110000 + byte),
// so it matches only the same byte.
std::vector<char32_t> ZnakyTextu(std::string_view text);

// Lower case of one code point: Latin (ASCII, Latin-1, Latin Extended-A with
// every Czech and Slovak letter), basic Greek and Cyrillic; others unchanged.
char32_t MalePismeno(char32_t znak);

// Lower case of a UTF-8 text (see MalePismeno); invalid bytes are kept.
std::string MalaPismena(std::string_view text);

// Decodes the bytes of a text file into UTF-8 lines (see above).
TStringList RozdelNaRadky(std::string_view bajty);

// Reads a whole text file into UTF-8 lines. Throws ChybaSouboru when the file
// cannot be opened or read.
TStringList NactiTextovySoubor(const std::string& cesta);

// Writes the lines as UTF-8, each followed by CR LF, atomically (see above).
void ZapisTextovySoubor(const std::string& cesta, const TStringList& radky);

// Writes the bytes as they are, atomically (see above).
void ZapisSouborAtomicky(const std::string& cesta, std::string_view bajty);

// Checks the target of a save by the rule above, before anything is
// written; throws ChybaSouboru when the save could not succeed.
void OverCilZapisu(const std::string& cesta);

}  // namespace sitmera
