#include "numerics/Cesta.h"

namespace sitmera {

namespace {

std::string::size_type PosledniLomitko(const std::string& cesta)
{
    return cesta.find_last_of('/');
}

// Position of the extension's dot within the path, or npos.
std::string::size_type TeckaPripony(const std::string& cesta)
{
    const auto lomitko = PosledniLomitko(cesta);
    const auto tecka = cesta.find_last_of('.');
    if (tecka == std::string::npos) return std::string::npos;
    if (lomitko != std::string::npos && tecka < lomitko) return std::string::npos;
    return tecka;
}

}  // namespace

std::string ExtractFileName(const std::string& cesta)
{
    const auto lomitko = PosledniLomitko(cesta);
    return lomitko == std::string::npos ? cesta : cesta.substr(lomitko + 1);
}

std::string ExtractFileDir(const std::string& cesta)
{
    const auto lomitko = PosledniLomitko(cesta);
    if (lomitko == std::string::npos) return {};
    if (lomitko == 0) return "/";
    return cesta.substr(0, lomitko);
}

std::string ExtractFilePath(const std::string& cesta)
{
    const auto lomitko = PosledniLomitko(cesta);
    return lomitko == std::string::npos ? std::string() : cesta.substr(0, lomitko + 1);
}

std::string ExtractFileExt(const std::string& cesta)
{
    const auto tecka = TeckaPripony(cesta);
    return tecka == std::string::npos ? std::string() : cesta.substr(tecka);
}

std::string ChangeFileExt(const std::string& cesta, const std::string& pripona)
{
    const auto tecka = TeckaPripony(cesta);
    return (tecka == std::string::npos ? cesta : cesta.substr(0, tecka)) + pripona;
}

}  // namespace sitmera
