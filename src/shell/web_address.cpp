#include "shell/web_address.h"

#include <cctype>

namespace sw::shell {
namespace {

// "scheme:" at the start: a letter, then letters, digits, '+', '-' or '.', then ':' that
// is not the start of a port number ("example.com:8080/").
bool HasScheme(const std::string& s) {
  if (s.empty() || !std::isalpha(static_cast<unsigned char>(s[0]))) return false;
  std::size_t i = 1;
  while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '+' ||
                          s[i] == '-' || s[i] == '.'))
    ++i;
  if (i >= s.size() || s[i] != ':') return false;
  if (s.compare(i, 3, "://") == 0) return true;
  // "mailto:", "news:" ... carry no slashes; a host followed by a port has digits next.
  return s.find('.') > i &&
         !(i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])));
}

}  // namespace

std::string WebAddress(const std::string& address) {
  const std::size_t first = address.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  const std::size_t last = address.find_last_not_of(" \t\r\n");
  std::string s = address.substr(first, last - first + 1);
  if (HasScheme(s)) return s;
  return "http://" + s;
}

}  // namespace sw::shell
