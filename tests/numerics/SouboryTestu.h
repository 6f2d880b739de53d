// Files, folders and processes of the tests of reading and saving files.
#pragma once

#include "numerics/TestProces.h"
#include "numerics/ZapisSouboru.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>
#include <grp.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sitmera::test {

namespace fs = std::filesystem;

inline std::string ObsahSouboru(const fs::path& cesta)
{
    std::ifstream f(cesta, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

class TextSouborTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        slozka = fs::temp_directory_path() /
                 ("sitmera-textsoubor-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(slozka);
        fs::create_directories(slozka);
    }
    void TearDown() override { fs::remove_all(slozka); }
    static std::size_t Polozek(const fs::path& p)
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(p), fs::directory_iterator()));
    }

    fs::path slozka;
};

// A Unix socket bound at `cesta`, in a short folder of its own under /tmp: a
// socket's path must fit sun_path (108 bytes) however long the temporary
// folder's name. Closed and removed when it goes; `cesta` is empty when the
// socket could not be made.
class Tsoket {
public:
    Tsoket()
    {
        std::string slozka = "/tmp/sitmera-XXXXXX";
        if (::mkdtemp(slozka.data()) == nullptr) return;
        slozka_ = slozka;
        sockaddr_un adresa {};
        adresa.sun_family = AF_UNIX;
        const std::string c = slozka + "/soket";
        c.copy(adresa.sun_path, sizeof adresa.sun_path - 1);
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr*>(&adresa), sizeof adresa) == 0) cesta = c;
    }
    ~Tsoket()
    {
        if (fd_ >= 0) ::close(fd_);
        std::error_code chyba;
        if (!slozka_.empty()) fs::remove_all(slozka_, chyba);
    }
    Tsoket(const Tsoket&) = delete;
    Tsoket& operator=(const Tsoket&) = delete;

    std::string cesta;

private:
    std::string slozka_;
    int fd_ = -1;
};

// Runs `zkouska` as an ordinary user: in a child process that drops to
// "nobody" (with the supplementary groups `skupiny` only) when the tests run
// as root (root may write anything, so the rule could not be seen). True
// when it returned true.
inline bool JakoBeznyUzivatel(const std::function<bool()>& zkouska, const std::vector<gid_t>& skupiny = {})
{
    if (::geteuid() != 0) return zkouska();
    return VDetskemProcesu([&] {
        return ::setgroups(skupiny.size(), skupiny.data()) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
               zkouska();
    });
}

// Runs `zapis` in a child process set up as the program sets itself up, with
// writes past the eighth byte failing (a full disk); true when it threw
// ChybaSouboru, as a save that cannot write must.
inline bool ZapisNaPlnyDiskSelze(const std::function<void()>& zapis)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(60);
        PripravProcesProZapis();
        const struct rlimit mez {8, RLIM_INFINITY};
        if (::setrlimit(RLIMIT_FSIZE, &mez) != 0) ::_exit(2);
        try {
            zapis();
        } catch (const ChybaSouboru&) {
            ::_exit(0);
        } catch (...) {
        }
        ::_exit(1);
    }
    int stav = 0;
    return pid > 0 && ::waitpid(pid, &stav, 0) == pid && WIFEXITED(stav) && WEXITSTATUS(stav) == 0;
}

// The whole file as bytes.

}  // namespace sitmera::test
