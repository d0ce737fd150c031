#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vantric {

// One JSON value read from a file: null, true or false, a number, a string (UTF-8), an array or
// an object whose members keep their order.
class JsonValue {
 public:
  using Array = std::vector<JsonValue>;
  using Object = std::vector<std::pair<std::string, JsonValue>>;

  JsonValue() = default;
  explicit JsonValue(bool value) : value_(value) {}
  explicit JsonValue(double value) : value_(value) {}
  explicit JsonValue(std::string value) : value_(std::move(value)) {}
  explicit JsonValue(Array value) : value_(std::move(value)) {}
  explicit JsonValue(Object value) : value_(std::move(value)) {}

  bool IsNull() const { return std::holds_alternative<std::nullptr_t>(value_); }
  // Each nullptr when the value is of another kind.
  const bool* Bool() const { return std::get_if<bool>(&value_); }
  const double* Number() const { return std::get_if<double>(&value_); }
  const std::string* String() const { return std::get_if<std::string>(&value_); }
  const Array* Elements() const { return std::get_if<Array>(&value_); }
  const Object* Members() const { return std::get_if<Object>(&value_); }

  // The member named `name` of an object; nullptr when there is none or this is no object.
  const JsonValue* Find(std::string_view name) const;

 private:
  std::variant<std::nullptr_t, bool, double, std::string, Array, Object> value_ = nullptr;
};

// Reads `text` as one JSON value, as strictly as the standard has it: no comments, no trailing
// commas, no single quotes, no NaN, no leading zeros, no control characters or invalid UTF-8
// in strings, no lone surrogates, no member named twice, nothing after the value. A UTF-8 byte
// order mark before it is let through, as some editors write one. Nothing when the text is not
// such a value, and in *error where and why: "line 3, column 14: expected ',' or '}'".
std::optional<JsonValue> ParseJson(std::string_view text, std::string* error);

}  // namespace vantric
