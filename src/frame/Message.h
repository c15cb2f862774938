// Builds the text of every exception the library raises. Messages are part of the
// interface (hosts show them to their users), so they are assembled in one way only:
// literal pieces, names and numbers concatenated as a standard output string stream
// writes them (plain decimal for int and for unsigned 64-bit sizes). The stream uses the
// classic locale, so a host that installs a global locale with digit grouping or other
// digits still gets "1234", never "1,234".
#ifndef ORV_TESS_VARNAK_SRC_FRAME_MESSAGE_H
#define ORV_TESS_VARNAK_SRC_FRAME_MESSAGE_H

#include <locale>
#include <sstream>
#include <string>

namespace Orv::Tess::Varnak::detail {

// Returns the concatenation of `pieces`, each written with operator<<.
template <class... Pieces>
std::string message(Pieces const&... pieces) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  (out << ... << pieces);
  return out.str();
}

}  // namespace Orv::Tess::Varnak::detail

#endif  // ORV_TESS_VARNAK_SRC_FRAME_MESSAGE_H
