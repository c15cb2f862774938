// Resizing of the growable arrays behind the tables.
//
// Several counts reach a growable array unchecked (the flat row-by-component tables
// take any int as a count). A negative count, taken as an array length, exceeds what any
// array can hold; the library reports that as std::length_error with one fixed text on
// every platform, before the array is touched. Lengths are computed in 64 bits so that
// a product of two counts never overflows.
#ifndef ORV_TESS_VARNAK_SRC_FRAME_RESIZE_H
#define ORV_TESS_VARNAK_SRC_FRAME_RESIZE_H

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace Orv::Tess::Varnak::detail {

inline constexpr char kTooLong[] = "vector<T> too long";

// Throws the standard length error when `length` is negative or beyond `v.max_size()`.
template <class T, class A>
void checkLength(std::vector<T, A> const& v, long long length) {
  if (length < 0 || static_cast<unsigned long long>(length) > v.max_size()) {
    throw std::length_error(kTooLong);
  }
}

// Resizes `v` to `length`, keeping the values in front and filling new places with T{}.
// Raises the length error (and leaves `v` unchanged) for a negative length.
template <class T, class A>
void resize(std::vector<T, A>& v, long long length) {
  checkLength(v, length);
  v.resize(static_cast<std::size_t>(length));
}

}  // namespace Orv::Tess::Varnak::detail

#endif  // ORV_TESS_VARNAK_SRC_FRAME_RESIZE_H
