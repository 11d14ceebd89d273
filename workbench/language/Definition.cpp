#include "workbench/language/Definition.h"

#include <charconv>

#include "workbench/language/BuiltinNames.h"
#include "workbench/language/TextCase.h"

namespace {

// The number text of a value that is one number with an optional sign.
std::optional<std::string> SignedNumberText(const std::vector<PropertyWord>& words) {
  std::size_t i = 0;
  std::string text;
  if (words.size() == 2 && words[0].kind == TokenKind::Symbol && (words[0].text == "-" || words[0].text == "+")) {
    if (words[0].text == "-") text = "-";
    i = 1;
  }
  if (words.size() != i + 1 || words[i].kind != TokenKind::Number) return std::nullopt;
  return text + words[i].text;
}

template <typename T>
std::optional<T> ParseWhole(const std::string& text) {
  T value{};
  const char* first = text.data();
  const char* last = first + text.size();
  auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> Property::Number() const {
  std::optional<std::string> text = SignedNumberText(words);
  if (!text) return std::nullopt;
  // from_chars does not read ".5"; a leading zero makes it a plain decimal.
  const bool negative = (*text)[0] == '-';
  const std::string_view unsignedPart = std::string_view(*text).substr(negative ? 1 : 0);
  if (unsignedPart.front() != '.') return ParseWhole<double>(*text);
  return ParseWhole<double>(Concat({negative ? "-0" : "0", unsignedPart}));
}

std::optional<long long> Property::Integer() const {
  std::optional<std::string> text = SignedNumberText(words);
  if (!text) return std::nullopt;
  return ParseWhole<long long>(*text);
}

std::optional<std::string> Property::String() const {
  if (words.size() != 1 || words[0].kind != TokenKind::String) return std::nullopt;
  return words[0].text;
}

std::optional<bool> Property::Logical() const {
  if (words.size() != 1 || words[0].kind != TokenKind::Identifier) return std::nullopt;
  if (EqualsNoCase(words[0].text, "True")) return true;
  if (EqualsNoCase(words[0].text, "False")) return false;
  return std::nullopt;
}

std::optional<std::vector<std::string>> Property::Names() const {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const bool wantName = i % 2 == 0;
    if (wantName && words[i].kind != TokenKind::Identifier) return std::nullopt;
    if (!wantName && !(words[i].kind == TokenKind::Symbol && words[i].text == ",")) return std::nullopt;
    if (wantName) names.push_back(words[i].text);
  }
  if (names.empty() || words.size() % 2 == 0) return std::nullopt;
  return names;
}

std::vector<std::string> Property::Strings() const {
  std::vector<std::string> strings;
  for (const PropertyWord& w : words)
    if (w.kind == TokenKind::String) strings.push_back(w.text);
  return strings;
}

namespace {

std::optional<std::string> NamedAttribute(const std::vector<DeclarationAttribute>& attributes, std::string_view name) {
  for (const DeclarationAttribute& a : attributes)
    if (!a.connection && EqualsNoCase(a.name, name)) return a.stringValue ? a.stringValue : a.value;
  return std::nullopt;
}

std::optional<std::string> SpecAttribute(const std::vector<DeclarationAttribute>& attributes) {
  for (const DeclarationAttribute& a : attributes)
    if (a.name.empty() && IsSpecWord(a.value)) return a.value;
  return std::nullopt;
}

std::optional<std::string> PlainValue(const std::vector<DeclarationAttribute>& attributes) {
  for (const DeclarationAttribute& a : attributes)
    if (a.name.empty() && !IsSpecWord(a.value)) return a.value;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> Declaration::Description() const { return NamedAttribute(attributes, "description"); }

std::optional<std::string> Declaration::Spec() const { return SpecAttribute(attributes); }

std::optional<std::string> Declaration::DefaultValue() const { return PlainValue(attributes); }

std::optional<std::string> SpecStatement::Spec() const { return SpecAttribute(attributes); }

std::optional<std::string> SpecStatement::Value() const { return PlainValue(attributes); }

std::optional<std::string> SpecStatement::Named(std::string_view attributeName) const {
  return NamedAttribute(attributes, attributeName);
}

const Property* Definition::FindProperty(std::string_view propertyName) const {
  for (const Property& p : properties)
    if (EqualsNoCase(p.name, propertyName)) return &p;
  return nullptr;
}

const Declaration* Definition::FindDeclaration(std::string_view declarationName) const {
  for (const Declaration& d : declarations)
    if (EqualsNoCase(d.name, declarationName)) return &d;
  return nullptr;
}

const Equation* Definition::FindEquation(std::string_view equationName) const {
  for (const Equation& e : equations)
    if (!e.name.empty() && EqualsNoCase(e.name, equationName)) return &e;
  return nullptr;
}
