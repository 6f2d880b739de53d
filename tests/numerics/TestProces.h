// What the tests of the readers share about processes and temporary files:
// a folder of the test process's own, a check run in a child process that a
// hang ends, and the pipes and the device a reader must refuse as no file.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sitmera::test {

// A folder of the test process's own in the temporary folder, made on first
// use and removed with what it holds when the process ends: test programs
// running at the same time never share a file.
inline const std::string& SlozkaProcesu()
{
    struct Slozka {
        std::string cesta;
        Slozka()
        {
            std::string vzor = ::testing::TempDir() + "sitmera-XXXXXX";
            if (::mkdtemp(vzor.data()) == nullptr) throw std::runtime_error("no temporary folder");
            cesta = vzor;
        }
        ~Slozka()
        {
            std::error_code chyba;
            std::filesystem::remove_all(cesta, chyba);
        }
    };
    static const Slozka slozka;
    return slozka.cesta;
}

// Runs `zkouska` in a child process that has `sekund` seconds (a reading or a
// save that blocks fails the test instead of hanging it). True when it
// returned true, with no exception and no failed assertion in it. The child
// ends here whatever happens: it never goes on with the rest of the test
// program (its other tests, its own summary, the removal of the folders).
inline bool VDetskemProcesu(const std::function<bool()>& zkouska, unsigned sekund = 10)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(sekund);
        bool ok = false;
        try {
            const bool chybaPred = ::testing::Test::HasFailure();
            ok = zkouska() && (chybaPred || !::testing::Test::HasFailure());
        } catch (...) {
        }
        ::_exit(ok ? 0 : 1);
    }
    int stav = 0;
    return pid > 0 && ::waitpid(pid, &stav, 0) == pid && WIFEXITED(stav) && WEXITSTATUS(stav) == 0;
}

// What a reader must refuse as no file of the program (Cesty()): a named
// pipe without a writer (an open that waits for one waits for ever), a named
// pipe holding the content of the valid file `platnySoubor` that a writer
// process keeps open (a reader taking it for a file would read a valid text
// and then wait for more for ever), and /dev/zero, which never ends. The
// destructor ends the writer, waits for it and removes the pipes.
class RouryAZarizeni {
public:
    explicit RouryAZarizeni(const std::string& platnySoubor)
    {
        std::ostringstream obsah;
        obsah << std::ifstream(platnySoubor, std::ios::binary).rdbuf();
        const std::string bajty = obsah.str();
        static int poradi = 0;
        const std::string zaklad = SlozkaProcesu() + "/roura" + std::to_string(++poradi);
        bezPisatele_ = zaklad + "_bez_pisatele";
        krmena_ = zaklad + "_krmena";
        int hotovo[2];
        // The whole text fits the pipe, so the writer never waits to write.
        if (bajty.empty() || bajty.size() > 4096 || ::mkfifo(bezPisatele_.c_str(), 0600) != 0 ||
            ::mkfifo(krmena_.c_str(), 0600) != 0 || ::pipe(hotovo) != 0)
            return;
        pisatel_ = ::fork();
        if (pisatel_ == 0) {
            ::alarm(300);  // gone soon after a test that ended without ending it
            // Open for reading as well, the pipe opens at once and always has
            // a writer: a reader never sees its end.
            const int fd = ::open(krmena_.c_str(), O_RDWR);
            const bool ok = fd >= 0 && ::write(fd, bajty.data(), bajty.size()) == static_cast<ssize_t>(bajty.size());
            if (::write(hotovo[1], ok ? "1" : "0", 1) != 1) ::_exit(1);
            for (;;) ::pause();
        }
        ::close(hotovo[1]);
        char c = 0;
        pripraveno_ = pisatel_ > 0 && ::read(hotovo[0], &c, 1) == 1 && c == '1';
        ::close(hotovo[0]);
    }
    ~RouryAZarizeni()
    {
        if (pisatel_ > 0) {
            ::kill(pisatel_, SIGKILL);
            ::waitpid(pisatel_, nullptr, 0);
        }
        ::unlink(bezPisatele_.c_str());
        ::unlink(krmena_.c_str());
    }
    RouryAZarizeni(const RouryAZarizeni&) = delete;
    RouryAZarizeni& operator=(const RouryAZarizeni&) = delete;

    // The pipes are made and the writer has written the whole text.
    bool Pripraveno() const { return pripraveno_; }
    std::vector<std::string> Cesty() const { return {bezPisatele_, krmena_, "/dev/zero"}; }

private:
    std::string bezPisatele_, krmena_;
    pid_t pisatel_ = -1;
    bool pripraveno_ = false;
};

}  // namespace sitmera::test
