// What the fuzzer checks after each call, besides the sanitizers.
//
// attempt() runs one call. An exception must be one of the standard types the library
// raises, with a message; a call that failed must have left the object it was made on
// as it was, unless the call documents a partial effect (then the caller says what it
// may have changed). References are checked too: an object fetched again under the
// same key must be the very object handed out before, until it is deleted or replaced.
#ifndef ORV_TESS_VARNAK_FUZZ_CHECKS_H
#define ORV_TESS_VARNAK_FUZZ_CHECKS_H

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "support/Observe.h"

namespace fuzz {

// Reports a finding and stops: libFuzzer records the input that led here.
[[noreturn]] inline void fail(std::string const& call, std::string const& what) {
  std::fprintf(stderr, "\n*** %s: %s\n", call.c_str(), what.c_str());
  std::abort();
}

// The exceptions of the library's interface, by exact dynamic type.
inline bool isInterfaceException(std::exception const& e) {
  std::type_info const& t = typeid(e);
  return t == typeid(std::range_error) || t == typeid(std::runtime_error) ||
         t == typeid(std::invalid_argument) || t == typeid(std::length_error) ||
         t == typeid(std::bad_cast);
}

// Runs `call()`. `observe()` gives the snapshot of what the call must leave unchanged
// when it fails; `allowed(e)` says whether the failure `e` is one whose documented
// partial effect excuses a change. Returns true when the call succeeded.
template <class Observe, class Call, class Allowed = bool (*)(std::exception const&)>
bool attempt(
    char const* what, Observe observe, Call call,
    Allowed allowed = [](std::exception const&) { return false; }) {
  std::string const before = observe();
  try {
    call();
    return true;
  } catch (std::exception const& e) {
    if (!isInterfaceException(e)) {
      fail(what, std::string("unexpected exception type ") + typeid(e).name() + ": " + e.what());
    }
    if (e.what()[0] == '\0') fail(what, std::string(typeid(e).name()) + " without a message");
    if (!allowed(e) && observe() != before)
      fail(what, std::string("failed (") + e.what() + ") but changed the object");
  } catch (...) {
    fail(what, "an exception not derived from std::exception");
  }
  return false;
}

// The library reads its own classes directly and a class derived from one (Twin<Std>,
// which adds nothing) through its interface. sameOnTwin runs `call` on a copy of `t` and on
// a twin of it: answers (as strings, if any), exceptions and the objects left must be the
// same.
template <class Std>
struct Twin : Std {
  explicit Twin(Std const& from) : Std(from) {}
};
template <class I, class Std, class Call>
void sameOnTwin(char const* what, Std const& t, Call call) {
  auto const run = [&call](I& x) {
    std::string s;
    try {
      if constexpr (std::is_void_v<decltype(call(x))>) {
        call(x);
      } else {
        s = call(x);
      }
    } catch (std::exception const& e) {
      s = std::string(typeid(e).name()) + ": " + e.what();
    }
    return s + " | " + support::observe(static_cast<I const&>(x));
  };
  Std direct(t);
  Twin<Std> walked(t);
  if (run(direct) != run(walked)) fail(what, "answers otherwise than through the interface");
}

// Excuses the partial effect of a call that fails with the length error of a negative
// count (the flat tables resize their rows before the values refuse a negative width).
inline auto lengthErrorIf(bool negative) {
  return [negative](std::exception const& e) {
    return negative && typeid(e) == typeid(std::length_error);
  };
}

// Objects handed out so far, by a key naming their path from the registry. An object
// recorded with a way to fetch it again through its owner is fetched again after every
// step (verify): until it is deleted or replaced (forget), it must still be there, at the
// same address.
class References {
 public:
  // Records `object` under `key`, with `refetch` (returning a T* or T const*) when given,
  // or checks that it is the one recorded. A null object forgets the key.
  template <class T, class Refetch = std::nullptr_t>
  T* same(std::string const& key, T* object, Refetch refetch = nullptr) {
    if (object == nullptr) {
      forget(key);
      return object;
    }
    auto const [it, added] = seen_.try_emplace(key, Entry{object, {}});
    if (!added && it->second.object != object) moved(key);
    if constexpr (!std::is_null_pointer_v<Refetch>) {
      if (added) it->second.refetch = [refetch] { return static_cast<T const*>(refetch()); };
    }
    return object;
  }
  template <class T, class Refetch = std::nullptr_t>
  T& same(std::string const& key, T& object, Refetch refetch = nullptr) {
    return *same(key, &object, refetch);
  }
  // The recorded object, or null.
  template <class T>
  T* recorded(std::string const& key) const {
    auto const found = seen_.find(key);
    return found == seen_.end() ? nullptr
                                : static_cast<T*>(const_cast<void*>(found->second.object));
  }
  // Forgets `key` and everything below it (deleted or replaced).
  void forget(std::string const& key) {
    auto it = seen_.lower_bound(key);
    while (it != seen_.end() && it->first.compare(0, key.size(), key) == 0) it = seen_.erase(it);
  }
  void verify() const {
    for (auto const& [key, entry] : seen_) {
      if (!entry.refetch) continue;
      try {
        if (entry.refetch() != entry.object) moved(key);
      } catch (std::exception const& e) {
        fail(key,
             std::string("a child that was neither deleted nor replaced is gone: ") + e.what());
      }
    }
  }

 private:
  struct Entry {
    void const* object;
    std::function<void const*()> refetch;
  };
  [[noreturn]] static void moved(std::string const& key) {
    fail(key, "a child that was neither deleted nor replaced moved to another address");
  }

  std::map<std::string, Entry> seen_;
};

}  // namespace fuzz

#endif  // ORV_TESS_VARNAK_FUZZ_CHECKS_H
