#include "results/json_document.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <set>
#include <stdexcept>

#include "results/json_text.h"
#include "results/utf8.h"

namespace vantric {
namespace {

// Deeper nesting than any result file has; it keeps hostile input from exhausting the stack.
constexpr int kMaxDepth = 64;

struct ParseError : std::runtime_error {
  ParseError(size_t at, const std::string& what) : std::runtime_error(what), position(at) {}
  size_t position;
};

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  JsonValue Document() {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    SkipBlanks();
    if (pos_ == text_.size()) Fail("the file is empty");
    JsonValue value = Value(0);
    SkipBlanks();
    if (pos_ != text_.size()) Fail("unexpected text after the value");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const { throw ParseError(pos_, what); }

  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

  void SkipBlanks() {
    while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) {
      ++pos_;
    }
  }

  void Expect(char c, const char* what) {
    SkipBlanks();
    if (Peek() != c) Fail(std::string("expected ") + what);
    ++pos_;
  }

  JsonValue Value(int depth) {
    SkipBlanks();
    if (AtEnd()) Fail("unexpected end of the file");
    switch (Peek()) {
      case '{':
        return ObjectValue(depth + 1);
      case '[':
        return ArrayValue(depth + 1);
      case '"':
        return JsonValue(StringValue());
      case 't':
        Word("true");
        return JsonValue(true);
      case 'f':
        Word("false");
        return JsonValue(false);
      case 'n':
        Word("null");
        return JsonValue();
      default:
        return JsonValue(NumberValue());
    }
  }

  void Word(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) Fail("expected a value");
    pos_ += word.size();
  }

  JsonValue ObjectValue(int depth) {
    if (depth > kMaxDepth) Fail("nested too deeply");
    ++pos_;
    JsonValue::Object members;
    std::set<std::string, std::less<>> names;
    SkipBlanks();
    if (Peek() == '}') {
      ++pos_;
      return JsonValue(std::move(members));
    }
    while (true) {
      SkipBlanks();
      if (Peek() != '"') Fail("expected a member name in double quotes");
      const size_t name_at = pos_;
      std::string name = StringValue();
      if (!names.insert(name).second) {
        throw ParseError(name_at, "member " + JsonString(name) + " appears twice");
      }
      Expect(':', "':' after the member name");
      JsonValue value = Value(depth);
      members.emplace_back(std::move(name), std::move(value));
      SkipBlanks();
      if (Peek() == ',') {
        ++pos_;
        continue;
      }
      Expect('}', "',' or '}'");
      return JsonValue(std::move(members));
    }
  }

  JsonValue ArrayValue(int depth) {
    if (depth > kMaxDepth) Fail("nested too deeply");
    ++pos_;
    JsonValue::Array elements;
    SkipBlanks();
    if (Peek() == ']') {
      ++pos_;
      return JsonValue(std::move(elements));
    }
    while (true) {
      elements.push_back(Value(depth));
      SkipBlanks();
      if (Peek() == ',') {
        ++pos_;
        continue;
      }
      Expect(']', "',' or ']'");
      return JsonValue(std::move(elements));
    }
  }

  size_t Digits() {
    const size_t start = pos_;
    while (!AtEnd() && Peek() >= '0' && Peek() <= '9') ++pos_;
    return pos_ - start;
  }

  double NumberValue() {
    const size_t start = pos_;
    if (Peek() == '-') ++pos_;
    if (Peek() == '0') {
      ++pos_;
      if (Peek() >= '0' && Peek() <= '9') Fail("a number may not start with 0");
    } else if (Digits() == 0) {
      pos_ = start;
      Fail("expected a value");
    }
    if (Peek() == '.') {
      ++pos_;
      if (Digits() == 0) Fail("expected digits after the decimal point");
    }
    if (Peek() == 'e' || Peek() == 'E') {
      ++pos_;
      if (Peek() == '+' || Peek() == '-') ++pos_;
      if (Digits() == 0) Fail("expected digits in the exponent");
    }
    double value = 0;
    const auto result = std::from_chars(text_.data() + start, text_.data() + pos_, value);
    if (result.ec != std::errc() || !std::isfinite(value)) {
      pos_ = start;
      Fail("number out of range");
    }
    return value;
  }

  uint32_t HexQuad() {
    if (pos_ + 4 > text_.size()) Fail("expected four hex digits after \\u");
    uint32_t code = 0;
    const auto result = std::from_chars(text_.data() + pos_, text_.data() + pos_ + 4, code, 16);
    if (result.ptr != text_.data() + pos_ + 4) Fail("expected four hex digits after \\u");
    pos_ += 4;
    return code;
  }

  static void AppendUtf8(uint32_t code, std::string& out) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  // A \u escape, with the second half of a surrogate pair when the first asks for one.
  uint32_t EscapedCodePoint() {
    const size_t start = pos_ - 2;
    const uint32_t code = HexQuad();
    if (code >= 0xDC00 && code <= 0xDFFF) throw ParseError(start, "a lone low surrogate");
    if (code < 0xD800 || code > 0xDBFF) return code;
    if (text_.substr(pos_, 2) != "\\u") throw ParseError(start, "a lone high surrogate");
    pos_ += 2;
    const uint32_t low = HexQuad();
    if (low < 0xDC00 || low > 0xDFFF) throw ParseError(start, "a lone high surrogate");
    return 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
  }

  std::string StringValue() {
    ++pos_;  // the opening quote
    std::string out;
    while (true) {
      if (AtEnd()) Fail("a string without its closing quote");
      const unsigned char c = static_cast<unsigned char>(text_[pos_]);
      if (c == '"') {
        ++pos_;
        return out;
      }
      if (c < 0x20) Fail("a control character in a string");
      if (c >= 0x80) {
        const size_t length = Utf8SequenceLength(text_, pos_);
        if (length == 0) Fail("a string that is not UTF-8");
        out.append(text_.substr(pos_, length));
        pos_ += length;
        continue;
      }
      ++pos_;
      if (c != '\\') {
        out += static_cast<char>(c);
        continue;
      }
      const char e = Peek();
      ++pos_;
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
        case 'u':
          AppendUtf8(EscapedCodePoint(), out);
          break;
        default:
          --pos_;
          Fail("an unknown escape in a string");
      }
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
};

// "line 3, column 14", counting from 1; a column counts bytes.
std::string Place(std::string_view text, size_t position) {
  size_t line = 1;
  size_t line_start = 0;
  for (size_t i = 0; i < position && i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++line;
      line_start = i + 1;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(position - line_start + 1);
}

}  // namespace

const JsonValue* JsonValue::Find(std::string_view name) const {
  const Object* members = Members();
  if (!members) return nullptr;
  for (const auto& [key, value] : *members) {
    if (key == name) return &value;
  }
  return nullptr;
}

std::optional<JsonValue> ParseJson(std::string_view text, std::string* error) {
  try {
    return Parser(text).Document();
  } catch (const ParseError& failure) {
    if (error) *error = Place(text, failure.position) + ": " + failure.what();
    return std::nullopt;
  }
}

}  // namespace vantric
