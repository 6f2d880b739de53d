// Text files and character counts.
//
// Every reader of the program's text files (coordinate lists, epochs, projects)
// goes through this unit, and every writer (coordinate lists, projects,
// reports, DXF) through its companion numerics/ZapisSouboru.h, so that all of
// them agree on encodings and line ends:
//  - Reading decodes a UTF-8 or UTF-16 (LE or BE) byte-order mark; without one,
//    valid UTF-8 is taken as UTF-8 and anything else as Windows-1250 (the
//    encoding of files made by older Czech Windows programs). CR LF, LF and a
//    lone CR all end a line; a final line end does not make an extra line.
//  - Writing gives UTF-8 without a byte-order mark.
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
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <unistd.h>

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
// not a regular file (a pipe, a device, a socket) is refused before it is
// opened ("not a regular file"): it could block or never end. The file
// opened is the very one looked at (reopened through the descriptor of the
// look), so a name that another program points meanwhile at a pipe or a
// device never opens it; without /proc the name is opened again, and a file
// other than the one looked at is refused after the open. A file is read
// only as far as it reached when opened, and every pass that reaches its end
// checks that it is still as it was when opened (size, modification and
// change time): a file rewritten, cut or grown meanwhile (a save in place,
// another program still writing it) is refused ("it changed while it was
// being read"), never taken as a mix of two contents or a shorter file.
// Nothing is handed out after that check fails: the last lines come only
// after it, and ProjdiRadky returns true only after it. A regular file whose
// size shows as 0 (a virtual file system's, such as /proc) is read whole
// when opened, at most MaxBezVelikosti bytes, and needs no check.
class TctecRadku {
public:
    static constexpr std::size_t VychoziKus = std::size_t{8} << 20;
    static constexpr std::size_t BezMeze = SIZE_MAX;
    static constexpr std::size_t MaxBezVelikosti = std::size_t{256} << 20;
    // Marks the reader of bytes in memory (a text is never taken for a path).
    static constexpr struct TzPameti {} ZPameti{};

    // Opens the file (links followed); throws ChybaSouboru when it cannot
    // be opened or read, or is not a regular file.
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
    void PrectiCele();
    void Znovu(bool windows1250);
    std::size_t CtiSurove(char* cil, std::size_t pocet);
    void OverNezmeneny() const;
    void Dekoduj(const char* p, std::size_t n);
    void Dekoduj16(const char* p, std::size_t n);
    void Over(bool vse);

    std::string cesta_;
    int fd_ = -1;
    std::string_view pamet_;  // the bytes of a text in memory
    std::string precteno_;    // those of a file read whole when opened
    std::uint64_t velikost_ = 0;
    std::timespec upraven_ {};  // modification and change time when opened
    std::timespec zmenen_ {};
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

// Run by every reading of a file, when set (the program never sets it; a
// test does, to change the name at that moment as another program could):
// after the name was looked at and before the file is opened.
extern std::function<void()> PoPohleduNaSoubor;

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

// Reads a whole text file into UTF-8 lines. Throws ChybaSouboru when the file
// cannot be opened or read, or holds a line longer than MaxDelkaRadku.
TStringList NactiTextovySoubor(const std::string& cesta);

// Gives the memory freed after a large reading back to the system (the C
// library would keep it for later use).
void VratPametSystemu();

// A descriptor, closed when it goes.
struct Tdeskriptor {
    int fd = -1;

    Tdeskriptor() = default;
    explicit Tdeskriptor(int f) : fd(f) {}
    Tdeskriptor(const Tdeskriptor&) = delete;
    Tdeskriptor& operator=(const Tdeskriptor&) = delete;
    ~Tdeskriptor() { Nastav(-1); }
    void Nastav(int f)
    {
        if (fd >= 0) ::close(fd);
        fd = f;
    }
    int Vezmi() { return std::exchange(fd, -1); }
};

// The path of an open descriptor in /proc: opened, it opens the very file
// the descriptor holds (also one held with O_PATH only), whatever took its
// name meanwhile.
inline std::string CestaDeskriptoru(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

// Opens `jmeno` (relative to the folder `slozka`, or AT_FDCWD) with
// `priznaky` and O_NONBLOCK, O_NOCTTY and O_CLOEXEC, so that a pipe or a
// device never holds the open. A regular file on which another program
// holds a lease (a file server's oplock or delegation) answers "would block"
// until the holder gives the lease up: the open is tried again until then,
// at most the system's lease-break time (after which the system breaks the
// lease itself). The descriptor, or -1 with errno set.
int OtevriBezBlokovani(int slozka, const char* jmeno, int priznaky);

}  // namespace sitmera
