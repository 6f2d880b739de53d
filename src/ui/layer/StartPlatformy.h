// The start of the toolkit's platform: the connection to the display.
//
// Where no display can be opened (no graphical session, a stale DISPLAY after
// reconnecting to tmux or screen), the toolkit prints its platform plugins'
// warnings and aborts with a hint to reinstall the application. While the
// application object is being made the program holds those messages back;
// on the toolkit's fatal "no Qt platform plugin could be initialized" it says
// in one line on stderr what could not be opened and ends with exit status 1.
// Where the platform starts, the held messages are passed on as they came.
#pragma once

#include <string>
#include <vector>

namespace sitmera {

// Before the application object is made (nothing else is set up yet).
void HlidejStartPlatformy();
// Once it exists: passes the held messages on and puts the previous message
// handler back.
void UkonciHlidaniStartu();

// The one line for the messages held back until the fatal one (texts only).
// display, waylandDisplay, platforma: the values of DISPLAY, WAYLAND_DISPLAY
// and QT_QPA_PLATFORM (null or empty: not set). A display the platform could
// not connect to is named with its variable; a platform that could not be
// started otherwise (no such plugin) is named as the platform.
std::string RadekNezdaruPlatformy(const std::vector<std::string>& zpravy,
                                  const char* display, const char* waylandDisplay,
                                  const char* platforma);

}  // namespace sitmera
