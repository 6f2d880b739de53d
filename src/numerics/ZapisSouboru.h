// Saving files.
//
// Every writer of the program's files (coordinate lists, projects, reports,
// DXF and images) saves through this unit. Text is written as UTF-8 without a
// byte-order mark (the encoding numerics/TextSoubor.h reads back).
//  - A save is atomic: the bytes go to a temporary file in the target's
//    folder, which replaces the target only when everything was written, so
//    a failed save leaves an old file as it was; then the folder is synced,
//    so that a save reported as done survives a crash.
//  - The path is resolved once, one name at a time, each looked at through
//    the descriptor of the folder that holds it, never by the path again:
//    whoever else writes one of those folders cannot steer the save
//    elsewhere by swapping names meanwhile. What takes the target's name
//    after it was looked at is replaced, never followed; a pipe that took it
//    is refused.
//  - A link is followed (the link stays a link) only when it is the
//    saver's own, or belongs to the owner of the folder that holds it, or
//    that folder may be written by its owner alone. A link that another
//    user placed in a folder others may write too is refused: it could lead
//    the save onto any file the saver may write. The message names the link
//    and asks for a save to the linked file's own absolute path (the end of
//    the chain of links). (Reading follows every link.)
//  - A save writes regular files only: a device, a pipe or a socket at the
//    name or at the end of a link is refused ("not a regular file").
//  - The new file takes the old one's owner, group and mode. Where the saver
//    may not give the new file to that owner and group (a group-writable file
//    of another user), or the old file has other hard links, the complete new
//    content is copied over the old one in place instead: the file stays its
//    owner's with its links, and the temporary file is kept until the copy is
//    complete (and named in the failure should the copy break off), so that
//    one whole content is on the disk at every moment. Room for the whole
//    new content, past the old end and in the holes of a sparse file (a hole
//    takes room once written), is taken before the old content is touched,
//    so that a full disk fails the save with the old file whole: reserved
//    where the file system can; where it cannot (ext2, NFS v3), the old
//    bytes are written onto themselves and the part past the old end is
//    written first, the file cut back to its old length should that fail.
//  - One rule decides every save (OverCilZapisu): a save fails, leaving
//    everything as it was, onto a file the user may not write (even where the
//    folder would let it be replaced), into a folder the user may not write,
//    onto anything but a regular file, through a link to nothing, through
//    a link refused as above, to a path that names a folder ("F/", "F/.":
//    "Not a directory" where F is a file, "Is a directory" where it is a
//    folder) and to a path of PATH_MAX bytes or more ("File name too long",
//    as it could not be read back).
// Large files are written piece by piece: TzapisSouboru takes the text as it
// is formatted. Every failure raises ChybaSouboru.
#pragma once

#include "numerics/Zaklad.h"

#include <functional>
#include <string>
#include <string_view>

namespace sitmera {

// An atomic save written piece by piece (see above): the bytes go to a
// temporary file in the target's folder, which replaces the target (or is
// copied over it in place) when Dokonci has written everything; a writer
// destroyed before that (a failure on the way) removes it, leaving the
// target as it was.
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
    std::string slozka_;    // the real folder of the target, for messages
    std::string jmeno_;     // the target's name in it
    std::string docasny_;   // the temporary file's name in it
    int fdSlozky_ = -1;     // that folder: the temporary file is made, renamed and removed through it
    int fd_ = -1;
    int fdCil_ = -1;        // the target, when it is written in place
    std::string buf_;
};

// Writes the lines as UTF-8, each followed by CR LF, atomically (see above).
void ZapisTextovySoubor(const std::string& cesta, const TStringList& radky);

// Writes the bytes as they are, atomically (see above).
void ZapisSouborAtomicky(const std::string& cesta, std::string_view bajty);

// Checks the target of a save by the rule above, before anything is
// written; throws ChybaSouboru when the save could not succeed.
void OverCilZapisu(const std::string& cesta);

// Sets the process up for the program's saves; main calls it first. A
// file-size limit (ulimit -f) then makes a write fail like a full disk,
// reported and with the old file kept, instead of ending the program.
void PripravProcesProZapis();

// Run by every save, when set (the program never sets them; a test does, to
// change the folder at that moment as another user of it could): once the
// folder of the target's name is reached and before the name is looked at;
// after it was looked at and before it is opened for writing; and before the
// target is replaced or written in place.
extern std::function<void()> PredPohledemNaCil;
extern std::function<void()> PredOtevrenimCile;
extern std::function<void()> PredNahrazenimCile;

}  // namespace sitmera
