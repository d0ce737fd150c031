#include "results/json_document.h"

#include <gtest/gtest.h>

namespace vantric::testing {
namespace {

TEST(JsonDocumentTest, ReadsWhatTheStandardAllows) {
  std::string error;
  const auto value = ParseJson(
      "\xEF\xBB\xBF { \"a\": [1, -0.5e2, 0, true, false, null], \"s\": \"\\\"\\\\\\/\\b\\f\\n\\r\\t"
      "\\u00e9\\ud83d\\ude00\xc3\xa9\", \"o\": {}, \"e\": [] }\r\n",
      &error);
  ASSERT_TRUE(value) << error;
  const JsonValue::Array& a = *value->Find("a")->Elements();
  ASSERT_EQ(a.size(), 6u);
  EXPECT_EQ(*a[0].Number(), 1);
  EXPECT_EQ(*a[1].Number(), -50);
  EXPECT_EQ(*a[3].Bool(), true);
  EXPECT_TRUE(a[5].IsNull());
  EXPECT_EQ(*value->Find("s")->String(), "\"\\/\b\f\n\r\t\xc3\xa9\xf0\x9f\x98\x80\xc3\xa9");
  EXPECT_TRUE(value->Find("o")->Members()->empty());
  EXPECT_EQ(value->Find("missing"), nullptr);
  EXPECT_EQ(a[0].String(), nullptr);
}

// Every kind of malformed text is refused, and the message says where and what.
TEST(JsonDocumentTest, RefusesMalformedTextSayingWhereAndWhy) {
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {"", "line 1, column 1: the file is empty"},
      {"{\"a\": 1,}", "line 1, column 9: expected a member name in double quotes"},
      {"{\"a\": 1\n \"b\": 2}", "line 2, column 2: expected ',' or '}'"},
      {"[1, 2", "line 1, column 6: expected ',' or ']'"},
      {"{'a': 1}", "expected a member name in double quotes"},
      {"{\"a\": 01}", "a number may not start with 0"},
      {"{\"a\": 1.}", "expected digits after the decimal point"},
      {"{\"a\": NaN}", "line 1, column 7: expected a value"},
      {"{\"a\": 1e999}", "number out of range"},
      {"{\"a\": tru}", "expected a value"},
      {"{\"a\": \"x\ty\"}", "a control character in a string"},
      {"{\"a\": \"\\x\"}", "an unknown escape in a string"},
      {"{\"a\": \"\\ud800\"}", "a lone high surrogate"},
      {"{\"a\": \"\\udc00\"}", "a lone low surrogate"},
      {"{\"a\": \"\xe9t\xe9\"}", "a string that is not UTF-8"},
      {"{\"a\": \"open", "a string without its closing quote"},
      {"{\"a\": 1, \"a\": 2}", "line 1, column 10: member \"a\" appears twice"},
      {"{} {}", "unexpected text after the value"},
      {"// note\n{}", "expected a value"},
      {std::string(100, '[') + std::string(100, ']'), "nested too deeply"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseJson(c.text, &error)) << c.text;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.text << "\n" << error;
  }
}

}  // namespace
}  // namespace vantric::testing
