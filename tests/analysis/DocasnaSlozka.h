// The folder of a test program's temporary files: its own, under the system's
// temporary folder, named with the program and its process id, so that two
// runs side by side (the plain and the sanitizer build of one checkout) never
// write the same file. Made on first use; removed with all it holds once the
// program's tests have run, passed or failed.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace sitmera::test {

class DocasnaSlozka : public ::testing::Environment {
public:
    explicit DocasnaSlozka(std::string program) : program_(std::move(program)) {}

    std::filesystem::path Cesta() const
    {
        return std::filesystem::temp_directory_path() / ("sitmera-" + program_ + "-" + std::to_string(::getpid()));
    }

    // The path of a file in the folder (the folder made when missing).
    std::string Soubor(const std::string& jmeno) const
    {
        std::filesystem::create_directories(Cesta());
        return (Cesta() / jmeno).string();
    }

    void TearDown() override
    {
        std::error_code chyba;
        std::filesystem::remove_all(Cesta(), chyba);
    }

private:
    std::string program_;
};

// The folder of the program, registered with GoogleTest so that it is removed
// at the end. Called before main (gtest_main leaves no other place), e.g. as
// the initialiser of a variable at namespace scope.
inline DocasnaSlozka& RegistrujDocasnouSlozku(const std::string& program)
{
    auto* slozka = new DocasnaSlozka(program);
    ::testing::AddGlobalTestEnvironment(slozka);  // GoogleTest owns it from here
    return *slozka;
}

}  // namespace sitmera::test
