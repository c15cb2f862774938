// Ref: how Python holds an object of a fluid description.
//
// The library hands its children out by reference and destroys them on delete…, on
// replacement and with their owner, while Python code may keep a child for as long as it
// likes. So Python never holds a library address directly. It holds a Ref, which finds its
// object again through its owner, by the key it was handed out under (a region, a name, an
// index), each time it is used. A Ref holds its owner's Ref, and so on up to the root the
// Python code made: an owner lives as long as any child handed out by it. When the key
// holds nothing any more, or another object than the one handed out, the Ref raises
// DeletedObjectError instead of touching the old address.
//
// "Another object" is told by address and generation. The bindings count up the
// generation of every address at which they make or destroy an object, so that a table
// made where a deleted one stood does not pass for it. (An object destroyed inside a
// library call, such as a table a `copy` deletes, and then remade inside another call at
// the same address and key is the one case this cannot tell apart; the Ref then reaches
// the new, live object.)
#ifndef ORV_TESS_VARNAK_PYTHON_REF_H
#define ORV_TESS_VARNAK_PYTHON_REF_H

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "Orv/Tess/Varnak.h"

namespace Orv::Tess::Varnak::Python {

// Raised by a Ref whose object its owner deleted or replaced (DeletedObjectError).
class DeletedObjectError : public std::exception {
 public:
  explicit DeletedObjectError(std::string message) : message_(std::move(message)) {}
  char const* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// The generation of the object at `address` (its most derived address), and counting it
// up (nothing for null): called for every object the bindings make or destroy. An object
// about to be destroyed is named by its identity, taken while it still lives.
std::uint64_t generationOf(void const* address);
void renew(void const* address);

// The most derived address of a live object (null for null): the same for each of its
// interfaces.
template <class T>
void const* identity(T const* object) {
  return object ? dynamic_cast<void const*>(object) : nullptr;
}
template <class T>
void renewObject(T const* object) {
  if (object) renew(identity(object));
}

// The root of every Ref: a label for messages and __repr__ ("IOilTable of region 1").
class RefBase : public std::enable_shared_from_this<RefBase> {
 public:
  using Target = void;
  template <class Find, class T>
  RefBase(Find const&, T*, std::string label, bool) : label_(std::move(label)) {}
  RefBase(RefBase const&) = delete;
  RefBase& operator=(RefBase const&) = delete;
  virtual ~RefBase();
  std::string const& label() const { return label_; }

 protected:
  [[noreturn]] void stale() const;

 private:
  std::string label_;
};

// The Ref class of an interface's base interface: Ref<IOilTable> for ICompressibleOilTable.
template <class T>
struct BaseRef {
  using type = RefBase;
};
template <class T>
class Ref;
#define ORV_PY_BASE(Derived, Base) \
  template <>                      \
  struct BaseRef<Derived> {        \
    using type = Ref<Base>;        \
  }
ORV_PY_BASE(IBlackOilModel, IFluidModel);
ORV_PY_BASE(ICompositionalModel, IFluidModel);
ORV_PY_BASE(ICompressibleOilTable, IOilTable);
ORV_PY_BASE(IDeadOilTable, IOilTable);
ORV_PY_BASE(IDeadOilConstantCompressTable, IDeadOilTable);
ORV_PY_BASE(IDryGasTable, IGasTable);
ORV_PY_BASE(IAqueousSolubleComponent, IComponent);
ORV_PY_BASE(ITemperatureKValueTable, IKValueTable);
ORV_PY_BASE(ICompositionKValueTable, IKValueTable);
ORV_PY_BASE(ISolubilityWaterPropertiesTable, ISolubilityTable);
ORV_PY_BASE(ITemperatureSolubilityTable, ISolubilityWaterPropertiesTable);
ORV_PY_BASE(ISaltSolubilityTable, ISolubilityWaterPropertiesTable);
ORV_PY_BASE(IInteractionSolubilityTable, ISolubilityWaterPropertiesTable);
#undef ORV_PY_BASE

// A handle on one object of interface T. Each level of the interface hierarchy keeps its
// own typed finder, so that a method bound on a base interface reaches the base part
// without a cast through void.
template <class T>
class Ref : public BaseRef<T>::type {
 public:
  using Parent = typename BaseRef<T>::type;
  using Find = std::function<T*()>;

  // `find` looks the object up through its owner and returns null when the key holds
  // nothing; `now` is the object it found when handing it out. With `sameObject` false the
  // Ref stands for its key rather than one object (a separator stage, which moves when its
  // train grows).
  Ref(Find find, T* now, std::string label, bool sameObject = true)
      : Parent(widen(find), now, std::move(label), sameObject),
        find_(std::move(find)),
        seen_(identity(now)),
        generation_(generationOf(seen_)),
        sameObject_(sameObject) {}

  // Returns the object, found again; throws DeletedObjectError when it is gone.
  T& obj() const {
    T* object = find_();
    if (!object) this->stale();
    if (sameObject_) {
      void const* id = identity(object);
      if (id != seen_ || generationOf(id) != generation_) this->stale();
    }
    return *object;
  }

  Find const& finder() const { return find_; }
  std::shared_ptr<Ref> self() { return std::static_pointer_cast<Ref>(this->shared_from_this()); }

 private:
  static std::function<typename Parent::Target*()> widen(Find const& find) {
    return [find] { return static_cast<typename Parent::Target*>(find()); };
  }

 public:
  using Target = T;

 private:
  Find find_;
  void const* seen_;
  std::uint64_t generation_;
  bool sameObject_;
};

// A root: an object the Python code constructed (StdFluidModels(), StdOilTable(), …) or
// received as its own (clone()). The Ref owns it.
template <class S, class T>
class Owned : public Ref<T> {
 public:
  template <class... Args>
  Owned(std::string label, Args&&... args)
      : Owned(std::make_shared<S>(std::forward<Args>(args)...), std::move(label)) {}
  Owned(std::shared_ptr<S> object, std::string label)
      : Ref<T>([object]() -> T* { return object.get(); }, object.get(), std::move(label)) {}
};

// The most derived of the interfaces `Kinds` that `object` implements, as a Ref found
// through `find`; a plain Ref<T> when it implements none of them.
template <class T>
std::shared_ptr<Ref<T>> narrow(typename Ref<T>::Find find, T* object, std::string label) {
  return std::make_shared<Ref<T>>(std::move(find), object, std::move(label));
}
template <class T, class Kind, class... Kinds>
std::shared_ptr<Ref<T>> narrow(typename Ref<T>::Find find, T* object, std::string label) {
  if (auto* kind = dynamic_cast<Kind*>(object)) {
    return std::make_shared<Ref<Kind>>([find] { return dynamic_cast<Kind*>(find()); }, kind,
                                       std::move(label));
  }
  return narrow<T, Kinds...>(std::move(find), object, std::move(label));
}

// The Ref of `object`, of the most derived interface it implements among those the
// bindings know for T.
template <class T>
std::shared_ptr<Ref<T>> narrowed(typename Ref<T>::Find find, T* object, std::string label) {
  return narrow<T>(std::move(find), object, std::move(label));
}
inline std::shared_ptr<Ref<IOilTable>> narrowed(Ref<IOilTable>::Find find, IOilTable* object,
                                                std::string label) {
  return narrow<IOilTable, IDeadOilConstantCompressTable, IDeadOilTable, ICompressibleOilTable>(
      std::move(find), object, std::move(label));
}
inline std::shared_ptr<Ref<IGasTable>> narrowed(Ref<IGasTable>::Find find, IGasTable* object,
                                                std::string label) {
  return narrow<IGasTable, IDryGasTable>(std::move(find), object, std::move(label));
}
inline std::shared_ptr<Ref<IFluidModel>> narrowed(Ref<IFluidModel>::Find find, IFluidModel* object,
                                                  std::string label) {
  return narrow<IFluidModel, IBlackOilModel, ICompositionalModel>(std::move(find), object,
                                                                  std::move(label));
}
inline std::shared_ptr<Ref<IComponent>> narrowed(Ref<IComponent>::Find find, IComponent* object,
                                                 std::string label) {
  return narrow<IComponent, IAqueousSolubleComponent>(std::move(find), object, std::move(label));
}

// The Ref of the child `lookUp(owner)` returns (null when it returns null), found again
// through `owner` on each use. With `made` true the child was just made, and its address
// gets a new generation first.
template <class C, class P, class LookUp>
std::shared_ptr<Ref<C>> child(Ref<P>& owner, LookUp lookUp, std::string label, bool made = false,
                              bool sameObject = true) {
  auto up = owner.self();
  typename Ref<C>::Find find = [up, lookUp]() -> C* { return lookUp(up->obj()); };
  C* now = find();
  if (!now) return nullptr;
  if (made) renewObject(now);
  if (!sameObject) return std::make_shared<Ref<C>>(std::move(find), now, std::move(label), false);
  return narrowed(std::move(find), now, std::move(label));
}

}  // namespace Orv::Tess::Varnak::Python

#endif  // ORV_TESS_VARNAK_PYTHON_REF_H
