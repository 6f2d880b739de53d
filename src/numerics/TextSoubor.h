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
//    everything was written, so a failed write leaves an old file as it was;
//    then the folder is synced, so that a save reported as done survives a
//    crash. The target's path is resolved once (links followed); from then
//    on the save works through a descriptor of that real folder, and what is
//    at the real name is looked at and opened without following a link or
//    blocking, so that nobody who swaps names in a shared folder meanwhile
//    can steer the save to another file: a name that has become a link is
//    replaced, not followed, and a pipe that took it is refused.
//    The new file takes the old one's owner, group and mode. Where the saver
//    may not give the new file to that owner and group (a group-writable
//    file of another user), or the old file has other hard links, the
//    complete new content is copied over the old one in place instead: the
//    file stays its owner's with its links, and the temporary file is kept
//    until the copy is complete (and named in the failure should the copy
//    break off), so that one whole content is on the disk at every moment.
//    One rule decides every save of the program (OverCilZapisu): a save
//    fails, leaving everything as it was, onto a file the user may not
//    write (even where the folder would let it be replaced), into a folder
//    the user may not write, onto a folder, onto a pipe or anything else
//    that is neither a regular file nor a writable device, and through a
//    link that points nowhere. A link to a file is followed (the link stays
//    a link); a device such as /dev/full is written in place, and its
//    errors are reported too.
// Large files (an epoch of a few thousand points is some hundred megabytes)
// are read and written piece by piece: TctecRadku hands the lines over in
// batches, TzapisSouboru takes the text as it is formatted, so neither the
// whole file nor a list of all its lines is ever held. A line longer than
// the program's files can hold (MaxDelkaRadku) rejects the file at once, so
// that a file of one huge line costs no more than any other.
// Every failure raises ChybaSouboru.
#pragma once

#include "numerics/Zaklad.h"

#include <cstdint>
#include <functional>
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

// The longest line (decoded UTF-8 bytes, without its line end) that a file
// of the program may hold. The longest line of a valid epoch, project or
// coordinate file is a line of ten cofactors or a point line, a few hundred
// bytes; a megabyte leaves room for any point number and any text outside
// the sections, and still keeps the memory of a reading small.
inline constexpr std::size_t MaxDelkaRadku = std::size_t{1} << 20;

// A text file (or the bytes of one) read piece by piece, decoded and split
// into lines exactly as RozdelNaRadky does; ProjdiRadky hands its lines out.
// At most a piece of `kus` bytes (and the unfinished line at its end) is held
// at a time, and the search for a line end never passes the same byte twice.
// A line longer than `maxRadek` bytes stops the reading (RadekPrilisDlouhy):
// the lines before it are handed out, it and the rest are not read. What is
// not a regular file (a pipe, a device, a socket) is refused when opened,
// without waiting for a pipe's writer: it could block or never end. A file
// is read as far as it reached when opened, should it grow meanwhile.
class TctecRadku {
public:
    static constexpr std::size_t VychoziKus = std::size_t{8} << 20;
    static constexpr std::size_t BezMeze = SIZE_MAX;
    // Marks the reader of bytes in memory (a text is never taken for a path).
    static constexpr struct TzPameti {} ZPameti{};

    // Opens the file; throws ChybaSouboru when it cannot be opened or read,
    // or is not a regular file.
    explicit TctecRadku(const std::string& cesta, std::size_t kus = VychoziKus,
                        std::size_t maxRadek = MaxDelkaRadku);
    // The bytes must outlive the reader. They are held already, so their
    // lines may be of any length unless `maxRadek` says otherwise.
    TctecRadku(TzPameti, std::string_view bajty, std::size_t kus = VychoziKus,
               std::size_t maxRadek = BezMeze);
    ~TctecRadku();
    TctecRadku(const TctecRadku&) = delete;
    TctecRadku& operator=(const TctecRadku&) = delete;

    // An upper bound of the decoded text's size in bytes.
    std::uint64_t MezVelikosti() const { return 3 * velikost_ + 3; }
    // The reading stopped at a line longer than maxRadek.
    bool RadekPrilisDlouhy() const { return prilisDlouhy_; }

private:
    enum class Kodovani { Utf8, Windows1250, Utf16LE, Utf16BE };
    friend TStringList VsechnyRadky(TctecRadku&);
    friend bool ProjdiRadky(TctecRadku&, const std::function<void()>&,
                            const std::function<bool(const std::vector<std::string_view>&)>&);

    bool Dalsi(std::vector<std::string_view>& radky);
    void DoctiKontrolu();
    void Znovu(bool windows1250);
    std::size_t CtiSurove(char* cil, std::size_t pocet);
    void Dekoduj(const char* p, std::size_t n);
    void Dekoduj16(const char* p, std::size_t n);
    void Over(bool vse);

    std::string cesta_;
    int fd_ = -1;
    std::string_view pamet_;  // the bytes of a text in memory
    std::uint64_t velikost_ = 0;
    std::uint64_t pozice_ = 0;  // raw bytes taken from the source
    std::size_t kus_;
    std::size_t maxRadek_;
    Kodovani kodovani_ = Kodovani::Utf8;
    std::size_t zacatekDat_ = 0;  // past the byte-order mark
    bool bomUtf8_ = false;
    std::string text_;        // decoded text: [zac_, konec_) not yet handed out
    std::size_t zac_ = 0, konec_ = 0;
    std::size_t overeno_ = 0;  // UTF-8 checked up to here
    std::size_t prohledano_ = 0;  // the unfinished line holds no line end up to here
    bool prilisDlouhy_ = false;
    std::string surove_;       // a raw piece to decode
    bool konecZdroje_ = false;
    bool poCR_ = false;      // a CR ended the last line: a LF right after it is skipped
    bool neAscii_ = false;   // a byte above 0x7F was seen in a text taken for UTF-8
    int lichy_ = -1;         // UTF-16: a byte waiting for its pair
    char32_t vysoky_ = 0;    // UTF-16: a high surrogate waiting for its low one
};

// Hands the lines of the text to `davka` batch by batch, in order (each batch
// a list of views valid during the call); `davka` returns false to stop: the
// text is rejected, as it is by a line too long (RadekPrilisDlouhy). `zacni` is called before the first batch; when a text
// without a byte-order mark that was taken for UTF-8 proves not to be (a
// byte sequence that is not UTF-8 anywhere in it), it is read again from its
// start as Windows-1250, after another call of `zacni`. So the lines handed
// out in the end are those RozdelNaRadky gives. True when every line was
// taken. Throws ChybaSouboru when the file cannot be read.
bool ProjdiRadky(TctecRadku& ctec, const std::function<void()>& zacni,
                 const std::function<bool(const std::vector<std::string_view>&)>& davka);

// The same with every line trimmed (blanks and control characters) and the
// empty ones left out, as the readers of tagged sections take them.
bool ProjdiOrizleRadky(TctecRadku& ctec, const std::function<void()>& zacni,
                       const std::function<bool(const std::string_view* radky, std::size_t pocet)>& davka);

// The lines of the text into `radky`: all of them (true), or those before a
// line too long (false).
bool RadkyDoMeze(TctecRadku& ctec, TStringList& radky);
// All lines of the text. Throws ChybaSouboru for a line too long.
TStringList VsechnyRadky(TctecRadku& ctec);

// An atomic save written piece by piece (see above): the bytes go to a
// temporary file in the target's folder, which replaces the target (or is
// copied over it in place) when Dokonci has written everything; a writer
// destroyed before that (a failure on the way) removes it, leaving the
// target as it was. A device is written in place. Every failure throws
// ChybaSouboru.
class TzapisSouboru {
public:
    // Checks the target (OverCilZapisu) and creates the temporary file.
    explicit TzapisSouboru(const std::string& cesta);
    ~TzapisSouboru();
    TzapisSouboru(const TzapisSouboru&) = delete;
    TzapisSouboru& operator=(const TzapisSouboru&) = delete;

    void Pridej(std::string_view bajty);
    // The line and CR LF.
    void PridejRadek(std::string_view radek);
    // Writes the rest, then replaces the target.
    void Dokonci();

private:
    void Vyprazdni();
    void ZapisNaMiste(int fd);
    std::string CestaDocasneho() const;

    std::string cesta_;     // as given, for messages
    std::string slozka_;    // the real folder of the target (links followed)
    std::string jmeno_;     // the target's name in it
    std::string docasny_;   // the temporary file's name in it; empty for a device
    int fdSlozky_ = -1;     // that folder: the temporary file is made, renamed and removed through it
    int fd_ = -1;
    int fdCil_ = -1;        // the target, when it is written in place
    std::string buf_;
};

// Reads a whole text file into UTF-8 lines. Throws ChybaSouboru when the file
// cannot be opened or read, or holds a line longer than MaxDelkaRadku.
TStringList NactiTextovySoubor(const std::string& cesta);

// Writes the lines as UTF-8, each followed by CR LF, atomically (see above).
void ZapisTextovySoubor(const std::string& cesta, const TStringList& radky);

// Writes the bytes as they are, atomically (see above).
void ZapisSouborAtomicky(const std::string& cesta, std::string_view bajty);

// Gives the memory freed after a large reading back to the system (the C
// library would keep it for later use).
void VratPametSystemu();

// Checks the target of a save by the rule above, before anything is
// written; throws ChybaSouboru when the save could not succeed.
void OverCilZapisu(const std::string& cesta);

// Sets the process up for the program's saves; main calls it first. A
// file-size limit (ulimit -f) then makes a write fail like a full disk,
// reported and with the old file kept, instead of ending the program.
void PripravProcesProZapis();

// Run by every save, when set (the program never sets them; a test does, to
// change the folder at that moment as another user of it could): after what
// is at the target's real name was looked at and before it is opened for
// writing, and before the target is replaced or written in place.
extern std::function<void()> PredOtevrenimCile;
extern std::function<void()> PredNahrazenimCile;

}  // namespace sitmera
