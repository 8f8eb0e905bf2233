// A strict reader of JSON for the tests: a text that is not one well-formed JSON value is refused
// with the place it went wrong; one that is becomes a tree the tests can walk.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace json_test {

struct Value {
  enum class Type { kNull, kBool, kNumber, kString, kArray, kObject } type = Type::kNull;
  bool boolean = false;
  double number = 0;
  std::string string;  // UTF-8, escapes undone
  std::vector<Value> array;
  std::map<std::string, Value> object;

  // The member of that key; throws when this is no object or has no such member.
  const Value& operator[](const std::string& key) const;
  bool Has(const std::string& key) const { return object.count(key) != 0; }
};

// Throws std::runtime_error naming the offset where the text stops being JSON.
Value Parse(const std::string& text);

}  // namespace json_test
