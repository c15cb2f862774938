// Builds the text of every exception the library raises. Messages are part of the
// interface (hosts show them to their users), so they are assembled in one way only:
// literal pieces, names and numbers concatenated as a standard output string stream
// writes them (plain decimal for int and for unsigned 64-bit sizes). The stream uses the
// classic locale, so a global locale set by the host (digit grouping, other digits)
// never reaches a message.
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
  // A stream swallows a failure of its buffer and only sets badbit, which would leave a
  // truncated message when memory runs out; with badbit raised, std::bad_alloc passes.
  out.exceptions(std::ios_base::badbit);
  (out << ... << pieces);
  return out.str();
}

}  // namespace Orv::Tess::Varnak::detail

#endif  // ORV_TESS_VARNAK_SRC_FRAME_MESSAGE_H
