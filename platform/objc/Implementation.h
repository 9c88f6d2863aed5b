#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>

namespace platform::objc {

class Object;

// The callable an implementation holds for the signature R(Args...): the receiver comes first.
template <class Sig>
struct ImplementationFunction;
template <class R, class... Args>
struct ImplementationFunction<R(Args...)> {
  using type = std::function<R(Object& self, Args...)>;
  static constexpr std::size_t argumentCount = sizeof...(Args);
};
template <class Sig>
using ImplementationFunctionFor = typename ImplementationFunction<Sig>::type;

// A method body with its signature R(Args...) kept beside it, so a caller can only reach it
// with exactly that signature. Empty stands for "no implementation". Copies share the body.
class Implementation {
 public:
  Implementation() = default;

  template <class Sig, class F>
  static Implementation make(F&& body) {
    ImplementationFunctionFor<Sig> function(std::forward<F>(body));
    if (!function) return {};
    return Implementation(std::make_shared<const Typed<Sig>>(std::move(function)));
  }

  explicit operator bool() const { return holder_ != nullptr; }

  // Null when empty or when the signature differs.
  template <class Sig>
  const ImplementationFunctionFor<Sig>* function() const {
    if (!holder_ || *holder_->signature != typeid(Sig)) return nullptr;
    return &static_cast<const Typed<Sig>&>(*holder_).function;
  }

  bool sameSignature(const Implementation& other) const {
    return holder_ && other.holder_ && *holder_->signature == *other.holder_->signature;
  }
  std::size_t argumentCount() const { return holder_ ? holder_->argumentCount : 0; }

  // "void (double)", or "none" when empty; for log lines.
  std::string signatureName() const;

 private:
  struct Holder {
    Holder(const std::type_info& type, std::size_t arguments) : signature(&type), argumentCount(arguments) {}
    virtual ~Holder() = default;
    const std::type_info* signature;
    std::size_t argumentCount;
  };
  template <class Sig>
  struct Typed final : Holder {
    explicit Typed(ImplementationFunctionFor<Sig> body) : Holder(typeid(Sig), ImplementationFunction<Sig>::argumentCount), function(std::move(body)) {}
    ImplementationFunctionFor<Sig> function;
  };

  explicit Implementation(std::shared_ptr<const Holder> holder) : holder_(std::move(holder)) {}

  std::shared_ptr<const Holder> holder_;
};

// A readable name of a signature type, for log lines.
std::string signatureName(const std::type_info& signature);

template <class Sig>
std::string signatureName() {
  return signatureName(typeid(Sig));
}

}  // namespace platform::objc
