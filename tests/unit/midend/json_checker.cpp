// The tests' JSON reader: recursive descent over the grammar, nothing lenient.
#include "tests/unit/midend/json_checker.h"

#include <cstdlib>
#include <stdexcept>

namespace json_test {
namespace {

class Reader {
 public:
  explicit Reader(const std::string& text) : text_(text) {}

  Value Whole() {
    Value value = Read();
    Skip();
    if (at_ != text_.size()) Fail("text after the value");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error(what + " at offset " + std::to_string(at_));
  }
  void Skip() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t')) {
      ++at_;
    }
  }
  char Peek() {
    Skip();
    if (at_ >= text_.size()) Fail("unexpected end");
    return text_[at_];
  }
  void Expect(char c) {
    if (Peek() != c) Fail(std::string("expected '") + c + "'");
    ++at_;
  }
  bool Word(const char* word) {
    const std::string expected = word;
    if (text_.compare(at_, expected.size(), expected) != 0) return false;
    at_ += expected.size();
    return true;
  }

  Value Read() {
    Value value;
    const char c = Peek();
    if (c == '{') {
      value.type = Value::Type::kObject;
      ++at_;
      if (Peek() == '}') return ++at_, value;
      do {
        if (Peek() != '"') Fail("expected a key");
        const std::string key = String();
        Expect(':');
        if (!value.object.emplace(key, Read()).second) Fail("the key " + key + " twice");
      } while (Peek() == ',' && ++at_);
      Expect('}');
    } else if (c == '[') {
      value.type = Value::Type::kArray;
      ++at_;
      if (Peek() == ']') return ++at_, value;
      do value.array.push_back(Read());
      while (Peek() == ',' && ++at_);
      Expect(']');
    } else if (c == '"') {
      value.type = Value::Type::kString;
      value.string = String();
    } else if (Word("true") || Word("false")) {
      value.type = Value::Type::kBool;
      value.boolean = text_[at_ - 1] == 'e' && text_[at_ - 2] == 'u';
    } else if (Word("null")) {
      value.type = Value::Type::kNull;
    } else {
      value.type = Value::Type::kNumber;
      const char* start = text_.c_str() + at_;
      char* end = nullptr;
      value.number = std::strtod(start, &end);
      if (end == start || !(c == '-' || (c >= '0' && c <= '9'))) Fail("expected a value");
      at_ += static_cast<size_t>(end - start);
    }
    return value;
  }

  std::string String() {
    ++at_;
    std::string out;
    while (true) {
      if (at_ >= text_.size()) Fail("unterminated string");
      const unsigned char c = static_cast<unsigned char>(text_[at_++]);
      if (c == '"') return out;
      if (c < 0x20) Fail("a raw control character in a string");
      if (c != '\\') {
        out += static_cast<char>(c);
        continue;
      }
      if (at_ >= text_.size()) Fail("unterminated escape");
      const char escape = text_[at_++];
      switch (escape) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          if (at_ + 4 > text_.size()) Fail("a short \\u escape");
          const unsigned code = std::stoul(text_.substr(at_, 4), nullptr, 16);
          at_ += 4;
          if (code >= 0x80) Fail("the tests expect UTF-8 bytes, not \\u escapes, above ASCII");
          out += static_cast<char>(code);
          break;
        }
        default: Fail("an unknown escape");
      }
    }
  }

  const std::string& text_;
  size_t at_ = 0;
};

}  // namespace

const Value& Value::operator[](const std::string& key) const {
  const auto found = object.find(key);
  if (type != Type::kObject || found == object.end()) throw std::runtime_error("no member " + key);
  return found->second;
}

Value Parse(const std::string& text) { return Reader(text).Whole(); }

}  // namespace json_test
