#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quil {

class TPersistent;

enum class TPropKind { Integer, Int64, Enumeration, Boolean, Float, String, Set, Class, Event };

// Value names of an enumeration type, in ordinal order; also the element type of a set.
struct TEnumInfo {
  std::string TypeName;
  std::vector<std::string> Names;

  // Ordinal of a value name compared without regard to ASCII case, or -1.
  int IndexOf(std::string_view name) const;
};

// Identifier names an integer type accepts besides numbers (colour and charset names).
struct TIdentMap {
  std::vector<std::pair<std::string, int64_t>> Entries;

  std::optional<int64_t> ToInt(std::string_view ident) const;
  std::optional<std::string> ToIdent(int64_t value) const;
};

// Integer, Int64, Enumeration (ordinal), Boolean (0/1) and Set (bit mask) travel as int64_t.
using TPropValue = std::variant<std::monostate, int64_t, double, std::string>;

struct TPropInfo {
  std::string Name;
  TPropKind Kind = TPropKind::Integer;
  const TEnumInfo* Enum = nullptr;    // enumeration values, or the element values of a set
  const TIdentMap* Idents = nullptr;  // identifiers an integer property also accepts
  std::optional<TPropValue> Default;  // none: the value is always stored
  std::function<TPropValue(const TPersistent&)> Get;
  std::function<void(TPersistent&, const TPropValue&)> Set;  // empty: read-only
  std::function<TPersistent*(TPersistent&)> Object;           // Class kind: the sub-object, created on demand
  std::function<void(TPersistent&, TPersistent*)> SetObject;  // Class kind by reference: stores the target
  std::function<bool(const TPersistent&)> Stored;             // empty: stored when it differs from Default

  bool IsReadOnly() const { return !Set; }
  bool IsStored(const TPersistent& instance) const;
};

// Equal without regard to ASCII letter case; other bytes compare exactly, whatever the locale.
bool SameText(std::string_view a, std::string_view b);

// The value of a property as its kind needs it. A float accepts an integer (streams store whole
// floats as integers); any other mismatch fails with "Invalid property value".
int64_t PropValueToInt(const TPropValue& value);
double PropValueToFloat(const TPropValue& value);
const std::string& PropValueToString(const TPropValue& value);

// Stores value through the property's setter; "Property is read-only" when it has none.
void SetPropertyValue(TPersistent& instance, const TPropInfo& property, const TPropValue& value);

// Builds the published-property table of one class from member-function pointers.
template <class C>
class TPropertyListBuilder {
 public:
  template <class G, class S>
  TPropertyListBuilder& Int(std::string name, G getter, S setter, std::optional<int64_t> def = std::nullopt,
                            const TIdentMap* idents = nullptr) {
    return Add(MakeNumeric(std::move(name), TPropKind::Integer, getter, setter, def), idents);
  }
  template <class G, class S>
  TPropertyListBuilder& Bool(std::string name, G getter, S setter, std::optional<bool> def = std::nullopt) {
    std::optional<int64_t> d;
    if (def) d = *def ? 1 : 0;
    return Add(MakeNumeric(std::move(name), TPropKind::Boolean, getter, setter, d), nullptr);
  }
  template <class G, class S>
  TPropertyListBuilder& Enum(std::string name, const TEnumInfo& info, G getter, S setter,
                             std::optional<int64_t> def = std::nullopt) {
    TPropInfo p = MakeNumeric(std::move(name), TPropKind::Enumeration, getter, setter, def);
    p.Enum = &info;
    return Add(std::move(p), nullptr);
  }
  template <class G, class S>
  TPropertyListBuilder& Set(std::string name, const TEnumInfo& elements, G getter, S setter,
                            std::optional<int64_t> def = std::nullopt) {
    TPropInfo p = MakeNumeric(std::move(name), TPropKind::Set, getter, setter, def);
    p.Enum = &elements;
    return Add(std::move(p), nullptr);
  }
  template <class G, class S>
  TPropertyListBuilder& Float(std::string name, G getter, S setter, std::optional<double> def = std::nullopt) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TPropKind::Float;
    if (def) p.Default = *def;
    p.Get = [getter](const TPersistent& o) { return TPropValue(double((Self(o).*getter)())); };
    if constexpr (!std::is_same_v<S, std::nullptr_t>)
      p.Set = [setter](TPersistent& o, const TPropValue& v) { (Self(o).*setter)(PropValueToFloat(v)); };
    return Add(std::move(p), nullptr);
  }
  template <class G, class S>
  TPropertyListBuilder& String(std::string name, G getter, S setter,
                               std::optional<std::string> def = std::nullopt) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TPropKind::String;
    if (def) p.Default = *def;
    p.Get = [getter](const TPersistent& o) { return TPropValue(std::string((Self(o).*getter)())); };
    if constexpr (!std::is_same_v<S, std::nullptr_t>)
      p.Set = [setter](TPersistent& o, const TPropValue& v) { (Self(o).*setter)(PropValueToString(v)); };
    return Add(std::move(p), nullptr);
  }
  // A property holding a persistent sub-object; getter returns a reference or pointer.
  template <class G>
  TPropertyListBuilder& Object(std::string name, G getter) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TPropKind::Class;
    p.Object = [getter](TPersistent& o) -> TPersistent* {
      auto&& r = (Self(o).*getter)();
      if constexpr (std::is_pointer_v<std::remove_cvref_t<decltype(r)>>)
        return r;
      else
        return &r;
    };
    return Add(std::move(p), nullptr);
  }
  // A property referring to another object by name, resolved after the whole stream is read.
  template <class G, class S>
  TPropertyListBuilder& Reference(std::string name, G getter, S setter) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TPropKind::Class;
    p.Object = [getter](TPersistent& o) -> TPersistent* { return (Self(o).*getter)(); };
    p.SetObject = [setter](TPersistent& o, TPersistent* target) {
      using Arg = decltype(ArgType(setter));
      (Self(o).*setter)(dynamic_cast<Arg>(target));
    };
    return Add(std::move(p), nullptr);
  }
  TPropertyListBuilder& Event(std::string name) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TPropKind::Event;
    return Add(std::move(p), nullptr);
  }
  // Sets the "stored when" rule of the property added last.
  TPropertyListBuilder& StoredWhen(std::function<bool(const C&)> rule) {
    props_.back().Stored = [rule = std::move(rule)](const TPersistent& o) { return rule(Self(o)); };
    return *this;
  }

  std::vector<TPropInfo> Build() { return std::move(props_); }

 private:
  static C& Self(TPersistent& o) { return static_cast<C&>(o); }
  static const C& Self(const TPersistent& o) { return static_cast<const C&>(o); }

  template <class G, class S>
  static TPropInfo MakeNumeric(std::string name, TPropKind kind, G getter, S setter, std::optional<int64_t> def) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = kind;
    if (def) p.Default = *def;
    p.Get = [getter](const TPersistent& o) { return TPropValue(static_cast<int64_t>((Self(o).*getter)())); };
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      p.Set = [setter](TPersistent& o, const TPropValue& v) {
        using Arg = std::remove_cvref_t<decltype(ArgType(setter))>;
        (Self(o).*setter)(static_cast<Arg>(PropValueToInt(v)));
      };
    }
    return p;
  }
  // Setters may be inherited from an ancestor of C, or be noexcept.
  template <class B, class A>
  static A ArgType(void (B::*)(A));
  template <class B, class A>
  static A ArgType(void (B::*)(A) noexcept);

  TPropertyListBuilder& Add(TPropInfo p, const TIdentMap* idents) {
    p.Idents = idents;
    props_.push_back(std::move(p));
    return *this;
  }

  std::vector<TPropInfo> props_;
};

}  // namespace quil
