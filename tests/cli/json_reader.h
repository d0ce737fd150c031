#pragma once

#include <cctype>
#include <cstdlib>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>

namespace vantric::testing {

// Just enough JSON to read back one object of strings, numbers, booleans and nulls. A member
// that is an object itself is flattened: {"Drive": {"Model": "X"}} reads as "Drive.Model"; an
// array gives its length under its own name and its elements as "Points.0.X".
using JsonValue = std::variant<std::nullptr_t, bool, double, std::string>;
using JsonObject = std::map<std::string, JsonValue>;

class FlatJsonReader {
 public:
  explicit FlatJsonReader(const std::string& text) : text_(text) {}

  JsonObject Read() {
    JsonObject object;
    ReadObject("", object);
    SkipBlanks();
    if (pos_ != text_.size()) throw std::runtime_error("text after the object");
    return object;
  }

 private:
  void ReadObject(const std::string& prefix, JsonObject& object) {
    Expect('{');
    if (Peek() == '}') return void(++pos_);
    while (true) {
      const std::string key = prefix + String();
      Expect(':');
      ReadMember(key, object);
      if (Peek() == ',') {
        ++pos_;
        continue;
      }
      Expect('}');
      return;
    }
  }

  void ReadMember(const std::string& key, JsonObject& object) {
    if (Peek() == '{') return ReadObject(key + ".", object);
    if (Peek() != '[') return void(object[key] = Value());
    ++pos_;
    size_t count = 0;
    if (Peek() == ']') ++pos_;
    while (text_[pos_ - 1] != ']') {
      ReadMember(key + "." + std::to_string(count++), object);
      if (Peek() != ',')
        Expect(']');
      else
        ++pos_;
    }
    object[key] = static_cast<double>(count);
  }

  char Peek() {
    SkipBlanks();
    if (pos_ >= text_.size()) throw std::runtime_error("unexpected end");
    return text_[pos_];
  }
  void SkipBlanks() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }
  void Expect(char c) {
    if (Peek() != c)
      throw std::runtime_error(std::string("expected ") + c + " at " + std::to_string(pos_));
    ++pos_;
  }
  bool Word(const char* word) {
    const std::string w(word);
    if (text_.compare(pos_, w.size(), w) != 0) return false;
    pos_ += w.size();
    return true;
  }
  JsonValue Value() {
    const char c = Peek();
    if (c == '"') return String();
    if (Word("null")) return nullptr;
    if (Word("true")) return true;
    if (Word("false")) return false;
    const char* start = text_.c_str() + pos_;
    char* end = nullptr;
    const double number = std::strtod(start, &end);
    if (end == start) throw std::runtime_error("bad value at " + std::to_string(pos_));
    pos_ += static_cast<size_t>(end - start);
    return number;
  }
  std::string String() {
    Expect('"');
    std::string out;
    while (true) {
      if (pos_ >= text_.size()) throw std::runtime_error("unterminated string");
      const char c = text_[pos_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) throw std::runtime_error("raw control character");
      if (c != '\\') {
        out += c;
        continue;
      }
      const char e = text_[pos_++];
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out += e;
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          const unsigned code = std::stoul(text_.substr(pos_, 4), nullptr, 16);
          pos_ += 4;
          // UTF-8 of a code point below U+10000.
          if (code < 0x80) {
            out += static_cast<char>(code);
          } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
          } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
          }
          break;
        }
        default:
          throw std::runtime_error("bad escape");
      }
    }
  }

  const std::string& text_;
  size_t pos_ = 0;
};

inline JsonObject ParseFlatJson(const std::string& text) { return FlatJsonReader(text).Read(); }

}  // namespace vantric::testing
