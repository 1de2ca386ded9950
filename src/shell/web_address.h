// The address the welcome window hands to the desktop for the game's web site.
#pragma once

#include <string>

namespace sw::shell {

// The address with "http://" in front when it names no scheme ("www.example.com"), so
// that the desktop opens it as a web page rather than looking for a file of that name.
// Surrounding blanks are dropped; an empty address stays empty.
std::string WebAddress(const std::string& address);

}  // namespace sw::shell
