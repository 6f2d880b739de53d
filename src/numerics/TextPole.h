// Number text, text tables and tagged sections.
//
// Numbers to text and back never depend on the process locale: "." is always
// the decimal point, "," is accepted on input, no thousands separators are
// written or accepted, and "inf", "nan", hexadecimal numbers and trailing
// garbage are rejected. Values are unitless here; callers convert units first.
//
// A value read from text counts as zero when its magnitude is at most 1e-16;
// any other value must lie in 1e-12 .. 1e12 in magnitude (bounds allowed when
// a text is read by TextNaCislo, excluded by the tests JeCislo & co.).
//
// Every length that lays out a column, a rule or an order counts characters
// (UTF-8 code points), not bytes.
//
// Lines built here (PoleNaText, LegendaSloupcu, covariance text) end with CR LF.
//
// Tagged sections: a line "<n>" opens section n and "</n>" closes it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "numerics/Zaklad.h"

namespace sitmera {

// ---------------------------------------------------------------- number to text

// General format: at most 15 significant digits (the exact 80-bit value
// rounded to 15 significant digits; an exact tie, rare, to even), "."
// separator, no trailing zeros; exponent form "1.5E-6" / "1E15" (exponent
// without "+" and without leading zeros) for 0 < |x| < 0.00001 or more than 15
// integer digits. -0 prints as "0"; non-finite values as "NAN", "INF", "-INF".
std::string CisloNaText(Extended x);

// Fixed point with exactly d decimals (no "." when d <= 0). The 80-bit value's
// decimal expansion is taken to 18 significant digits and then rounded to d
// decimals, halves away from zero (2.675 -> "2.68", 2.5 with d = 0 -> "3").
// A negative value that rounds to zero prints without "-".
std::string CisloNaTextPresnost(int d, Extended x);

// The value that CisloNaTextPresnost(d, x) shows, read back: x rounded to d
// decimals, halves away from zero. Find and select criteria compare it, so
// that "=" matches what a grid shows. A non-finite x comes back unchanged.
Extended ZaokrouhliJakoText(int d, Extended x);

// zaokrouhlit false: CisloNaText(x). True: x rounded to a multiple of
// 10^digit (digit -6: to 1e-6; halves to even), then CisloNaText. digit is
// clamped to -20 .. 20.
std::string CisloNaTextZaokrouhlene(int digit, bool zaokrouhlit, Extended x);

// Removes every trailing "0" or "." from the end, repeatedly, then trims the
// text. Meant for fixed-point texts with decimals ("0.050" -> "0.05",
// "2.000" -> "2"); an integer loses its zeros too and an all-zero text
// becomes empty ("10" -> "1", "0.000" -> "").
std::string OdstranKoncoveNuly(std::string_view text);

// ---------------------------------------------------------------- text to number

// Writes CisloNaText(x) into out, which has room for at least 24 bytes, and
// returns its length: for writers of millions of numbers.
int CisloNaTextDo(Extended x, char* out);

// Converts a text (surrounding blanks and control characters ignored, "," read
// as "."): [+|-] digits [. digits] [(e|E) [+|-] digits], ".5" and "5." too.
// The result is the nearest 80-bit value. Throws ChybaPrevodu when the text is
// no number (also "inf", "nan", hex, thousands separators, trailing garbage,
// an empty text, a value beyond the 80-bit range); throws TichePreruseni
// when the value is not counted as zero (|v| > 1e-16) and its magnitude is
// above 1e12 or below 1e-12 (1e12 and 1e-12 themselves pass).
Extended TextNaCislo(std::string_view text);

// The same conversion without the magnitude check (covariance values).
// Throws ChybaPrevodu when the text is no number.
Extended TextNaCisloBezKontroly(std::string_view text);

// The same conversion without the magnitude check and without throwing:
// false (hodnota untouched) when the text is no number. The value is the one
// strtold_l gives in the "C" locale (the nearest 80-bit value), except that
// a text whose digits are all zero gives +0 whatever its sign.
bool PrectiCislo(std::string_view text, Extended& hodnota);

// Reads a line of numbers as a delimited list does (delimiter ",", quote
// '"'): items are separated by a comma or by blanks and control characters; a
// quoted item may hold anything, "" standing for one quote; a comma at the
// very end gives a last empty item. Each item is read by PrectiCislo into
// cil[0], cil[1], ... False when an item is no number or the line does not
// hold exactly `pocet` items (cil then holds what was read).
bool PrectiCislaRadku(std::string_view radek, int pocet, Extended* cil);

// The integer written in decimal and read back by TextNaCislo (so magnitudes
// above 1e12 throw TichePreruseni).
Extended CeleNaCislo(std::int64_t n);

// True when the text converts and the value counts as zero or lies strictly
// between 1e-12 and 1e12 in magnitude. Never throws.
bool JeCislo(std::string_view text);

// The test of JeCislo, also giving the converted value (0 when false).
bool ZkusTextNaCislo(std::string_view text, Extended& hodnota);

// The range of JeCislo on a value: it counts as zero or lies strictly between
// 1e-12 and 1e12 in magnitude (false for NaN and infinities).
bool HodnotaJeCislo(Extended hodnota);

// min <= n <= max
bool JeCeleVRozsahu(std::int64_t n, std::int64_t min, std::int64_t max);
// min < x < max
bool JeMezi(Extended x, Extended min, Extended max);
// min <= x < max
bool JeVIntervalu(Extended x, Extended min, Extended max);
// JeCislo(text) and min < value < max. Never throws.
bool TextJeMezi(std::string_view text, Extended min, Extended max);
// JeCislo(text) and min <= value < max. Never throws.
bool TextJeVIntervalu(std::string_view text, Extended min, Extended max);

// True when |x| < limit, or |x| equals limit within a relative tolerance of
// 1e-16 (absolute 1e-16 when both are near zero).
bool JeVToleranci(Extended x, Extended limit);

// text is empty
bool JePrazdny(std::string_view text);
// oriznuty := text without leading and trailing blanks and control characters
// (bytes <= 0x20); result: oriznuty is empty.
bool OrizniAJePrazdny(std::string_view text, std::string& oriznuty);
// The trimmed text is empty.
bool JePrazdnyPoOriznuti(std::string_view text);

// Nearest integer, halves to even. Throws ChybaAritmetiky when the value is
// not finite or does not fit into 64 bits.
std::int64_t ZaokrouhliNaCele(Extended x);

// The text without leading and trailing blanks and control characters (bytes
// <= 0x20), as every trimming of this unit does.
std::string Orizni(std::string_view text);
// The same as a view into the text.
inline std::string_view OrizniPohled(std::string_view text)
{
    std::size_t a = 0, b = text.size();
    while (a < b && static_cast<unsigned char>(text[a]) <= ' ') ++a;
    while (b > a && static_cast<unsigned char>(text[b - 1]) <= ' ') --b;
    return text.substr(a, b - a);
}

// ---------------------------------------------------------------- words and lines

// The words of the trimmed text; tabs count as blanks, runs of blanks are one
// separator. An empty or blank text gives an empty list.
TStringList RozdelNaSlova(std::string_view text);
// Item 0, then " " and each further item, the whole trimmed. Throws
// ChybaArgumentu on an empty list.
std::string SpojSlova(const TStringList& slova);
// The same with items 0 .. min(count, n)-1 (an empty text for n < 1). Throws
// ChybaArgumentu on an empty list.
std::string SpojSlovaPocet(const TStringList& slova, int n);
// In place: every line trimmed, empty lines removed, order kept.
void OrizniRadky(TStringList& radky);
// The same for views: cil := the trimmed lines that are not empty, in order.
void OrizniPohledy(const std::vector<std::string_view>& radky, std::vector<std::string_view>& cil);
// a when flag is true, else b.
std::string VyberText(std::string_view a, std::string_view b, bool flag);
// The character repeated n times (empty for n < 1), UTF-8 encoded.
std::string OpakujZnak(int n, char32_t znak);
// The character repeated as many times as the text has characters.
std::string OpakujZnakPodleTextu(std::string_view text, char32_t znak);

// ---------------------------------------------------------------- order of point numbers

// Length in characters first, then ordinal comparison of the bytes:
// "9" < "10" < "A1" < "100".
bool TextMensi(std::string_view a, std::string_view b);
bool TextVetsi(std::string_view a, std::string_view b);
bool TextMensiRovno(std::string_view a, std::string_view b);
bool TextVetsiRovno(std::string_view a, std::string_view b);

// ---------------------------------------------------------------- text tables

// n empty strings (none for n < 1).
TtextVektor NovyTextVektor(int n);
// The greatest character length of cell [r][sloupec] over all rows (rows too
// short count as 0); 0 for a table without rows.
int MaxDelkaSloupce(const TtextPole& pole, int sloupec);
// sirky[i] := max(sirky[i], Length(radek[i])) for every index of sirky
// (a missing cell counts as empty).
void RozsirSirkySloupcu(const TtextVektor& radek, TindexVector& sirky);
// a[i] := max(a[i], b[i]) over the length of a (missing b[i] count as 0).
void SlucSirkySloupcu(TindexVector& a, const TindexVector& b);
// Each cell right-aligned to sirky[i] (a cell without width, or longer, is
// written as it is; never cut), cells joined by the separator, no line end.
std::string TabulkaNaText(const TtextVektor& radek, std::string_view oddelovac,
                          const TindexVector& sirky);
// The same for row r of a table (empty text for a row index outside the table).
std::string RadekPoleNaText(const TtextPole& pole, std::string_view oddelovac, int r,
                            const TindexVector& sirky);
// Every row: its cells as they are joined by the separator, CR LF after the
// last cell of every row.
std::string PoleNaText(const TtextPole& pole, std::string_view oddelovac);
// Entry i := letter (65 + i) followed by texty[i]: "A...", "B...".
TtextVektor ZnackySloupcu(const TtextVektor& texty);
// One line per column i: letter, ": ", nadpisy[i]; then " " + druhe[i] when
// not empty; then treti[i] directly when not empty; CR LF after every line.
// Missing entries of druhe / treti count as empty.
std::string LegendaSloupcu(const TtextVektor& nadpisy, const TtextVektor& druhe,
                           const TtextVektor& treti);

// ---------------------------------------------------------------- covariance text

// The text of covariance matrices: numerics/TrojuhelnikText.h (included
// below).

// ---------------------------------------------------------------- tagged sections

// "<n>" when otevrena, "</n>" otherwise.
std::string TextZnacky(int n, bool otevrena);
// 2n tags: for k = start .. start+n-1 the opening, then the closing tag of k.
TStringList ParyZnacek(int n, int start);
// Trims the lines in place and drops empty ones (OrizniRadky), then checks
// that every tag of ParyZnacek(n, start) occurs exactly once and that they
// stand in that order. False on failure; never throws.
bool KontrolaZnacek(TStringList& radky, int n, int start);
// cil := the lines strictly between the line "<k>" and the line "</k>". The
// first "</k>" of zdroj ends the copy, also one that stands before "<k>"
// (then nothing is copied); nothing when "<k>" is missing.
void NactiSekci(TStringList& cil, const TStringList& zdroj, int k);
// cil := the lines from "<a>" through "</b>", both tag lines included. Each
// line is tested first against "</b>" (copied, and the copy ends, even
// before "<a>" was met), then copied when "<a>" was met before, then tested
// against "<a>" (copied as well: a repeated "<a>" is copied twice).
void NactiSekceSeZnackami(TStringList& cil, const TStringList& zdroj, int a, int b);

}  // namespace sitmera

#include "numerics/TrojuhelnikText.h"
