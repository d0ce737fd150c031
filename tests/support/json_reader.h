#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <variant>

#include "results/json_document.h"

namespace vantric::testing {

// One JSON object read back flat, for tests to look members up by path. A member that is an
// object itself is flattened: {"Drive": {"Model": "X"}} reads as "Drive.Model"; an array gives
// its length under its own name and its elements as "Points.0.X". Malformed text throws.
using JsonValue = std::variant<std::nullptr_t, bool, double, std::string>;
using JsonObject = std::map<std::string, JsonValue>;

inline void Flatten(const vantric::JsonValue& value, const std::string& key, JsonObject& flat) {
  if (const auto* members = value.Members()) {
    for (const auto& [name, member] : *members) {
      Flatten(member, key.empty() ? name : key + "." + name, flat);
    }
  } else if (const auto* elements = value.Elements()) {
    flat[key] = static_cast<double>(elements->size());
    for (size_t i = 0; i < elements->size(); ++i) {
      Flatten((*elements)[i], key + "." + std::to_string(i), flat);
    }
  } else if (const bool* flag = value.Bool()) {
    flat[key] = *flag;
  } else if (const double* number = value.Number()) {
    flat[key] = *number;
  } else if (const std::string* text = value.String()) {
    flat[key] = *text;
  } else {
    flat[key] = nullptr;
  }
}

inline JsonObject ParseFlatJson(const std::string& text) {
  std::string error;
  const std::optional<vantric::JsonValue> value = ParseJson(text, &error);
  if (!value) throw std::runtime_error(error);
  if (!value->Members()) throw std::runtime_error("not an object");
  JsonObject flat;
  Flatten(*value, "", flat);
  return flat;
}

}  // namespace vantric::testing
