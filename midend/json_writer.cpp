// Writing JSON without a library: the page reads only what this writes.
#include "midend/json_writer.h"

#include <cstdio>

namespace verlumo {

std::string JsonString(const std::string& value) {
  std::string quoted = "\"";
  for (const char c : value) {
    switch (c) {
      case '"': quoted += "\\\""; break;
      case '\\': quoted += "\\\\"; break;
      case '\n': quoted += "\\n"; break;
      case '\r': quoted += "\\r"; break;
      case '\t': quoted += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          quoted += escaped;
        } else {
          quoted += c;
        }
    }
  }
  return quoted + "\"";
}

void JsonWriter::BeforeValue() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (value_before_) text_ += ',';
  value_before_ = true;
}

JsonWriter& JsonWriter::Key(const std::string& key) {
  BeforeValue();
  text_ += JsonString(key) + ':';
  after_key_ = true;
  return *this;
}

JsonWriter& JsonWriter::BeginObject() {
  BeforeValue();
  text_ += '{';
  value_before_ = false;
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  text_ += '}';
  value_before_ = true;
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeforeValue();
  text_ += '[';
  value_before_ = false;
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  text_ += ']';
  value_before_ = true;
  return *this;
}

JsonWriter& JsonWriter::Number(int value) {
  BeforeValue();
  text_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  text_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::String(const std::string& value) {
  BeforeValue();
  text_ += JsonString(value);
  return *this;
}

}  // namespace verlumo
