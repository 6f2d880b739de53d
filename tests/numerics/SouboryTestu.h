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
