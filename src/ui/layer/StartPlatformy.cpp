#include "ui/layer/StartPlatformy.h"

#include <QString>
#include <QtGlobal>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>

namespace sitmera {

namespace {

// A message as the handler received it, kept until it is passed on.
struct TzadrzenaZprava {
    QtMsgType typ;
    std::optional<std::string> soubor, funkce, kategorie;
    int radek;
    QString text;
};

std::mutex zamekZprav;
std::vector<TzadrzenaZprava> zadrzeneZpravy;
QtMessageHandler predchoziHandler = nullptr;

std::optional<std::string> Kopie(const char* s)
{
    return s != nullptr ? std::optional<std::string>(s) : std::nullopt;
}

const char* Ukazatel(const std::optional<std::string>& s)
{
    return s ? s->c_str() : nullptr;
}

void Predej(const TzadrzenaZprava& z)
{
    const QMessageLogContext kontext(Ukazatel(z.soubor), z.radek, Ukazatel(z.funkce), Ukazatel(z.kategorie));
    predchoziHandler(z.typ, kontext, z.text);
}

void PredejZadrzene()
{
    for (const auto& z : zadrzeneZpravy) Predej(z);
    zadrzeneZpravy.clear();
}

void ZadrzZpravu(QtMsgType typ, const QMessageLogContext& kontext, const QString& text)
{
    std::lock_guard zamek(zamekZprav);
    if (typ == QtFatalMsg && text.contains(QLatin1String("no Qt platform plugin could be initialized"))) {
        std::vector<std::string> texty;
        for (const auto& z : zadrzeneZpravy) texty.push_back(z.text.toStdString());
        texty.push_back(text.toStdString());
        const std::string radek = RadekNezdaruPlatformy(texty, std::getenv("DISPLAY"),
                                                        std::getenv("WAYLAND_DISPLAY"),
                                                        std::getenv("QT_QPA_PLATFORM")) + "\n";
        std::fputs(radek.c_str(), stderr);
        std::fflush(stderr);
        // Nothing of the program is set up yet; the toolkit would abort.
        ::_exit(1);
    }
    zadrzeneZpravy.push_back({typ, Kopie(kontext.file), Kopie(kontext.function), Kopie(kontext.category),
                              kontext.line, text});
    // Any other fatal message ends the program as the toolkit means it to.
    if (typ == QtFatalMsg) PredejZadrzene();
}

}  // namespace

void HlidejStartPlatformy()
{
    predchoziHandler = qInstallMessageHandler(ZadrzZpravu);
}

void UkonciHlidaniStartu()
{
    std::lock_guard zamek(zamekZprav);
    qInstallMessageHandler(predchoziHandler);
    PredejZadrzene();
}

std::string RadekNezdaruPlatformy(const std::vector<std::string>& zpravy,
                                  const char* display, const char* waylandDisplay,
                                  const char* platforma)
{
    const auto nastavena = [](const char* hodnota) { return hodnota != nullptr && *hodnota != '\0'; };
    const auto displej = [&](const char* hodnota, const std::string& promenna) {
        return nastavena(hodnota) ? "the display \"" + std::string(hodnota) + "\" (" + promenna + ")"
                                  : "a display (" + promenna + " is not set)";
    };
    const auto pripoj = [](std::string& seznam, const std::string& polozka) {
        seznam += (seznam.empty() ? "" : " or ") + polozka;
    };
    const std::string znamkaPlatformy = "Qt platform plugin \"";
    const std::string znamkaDostupnych = "Available platform plugins are: ";

    std::string displeje, platformy, dostupne;
    for (const auto& z : zpravy) {
        // The xcb plugin's and the Wayland plugin's failed connection.
        if (z.find("could not connect to display") != std::string::npos) pripoj(displeje, displej(display, "DISPLAY"));
        if (z.find("Failed to create wl_display") != std::string::npos)
            pripoj(displeje, displej(waylandDisplay, "WAYLAND_DISPLAY"));
        // A plugin not found, or found and not started.
        if (const auto p = z.find(znamkaPlatformy); p != std::string::npos) {
            const auto zacatek = p + znamkaPlatformy.size();
            pripoj(platformy, "\"" + z.substr(zacatek, z.find('"', zacatek) - zacatek) + "\"");
        }
        if (const auto p = z.find(znamkaDostupnych); p != std::string::npos) {
            dostupne = z.substr(p + znamkaDostupnych.size());
            dostupne = dostupne.substr(0, dostupne.find('\n'));
            if (!dostupne.empty() && dostupne.back() == '.') dostupne.pop_back();
        }
    }
    if (!displeje.empty())
        return "Cannot open " + displeje +
               "; start the program from a desktop session, or over ssh with X forwarding (ssh -X).";
    std::string radek = "Cannot start the Qt platform";
    if (!platformy.empty()) radek += " " + platformy;
    if (nastavena(platforma)) radek += " (QT_QPA_PLATFORM)";
    if (!dostupne.empty()) radek += "; the platforms installed are: " + dostupne;
    return radek + ".";
}

}  // namespace sitmera
