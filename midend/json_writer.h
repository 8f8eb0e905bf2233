// A JSON text written front to back: objects, arrays, numbers, booleans and UTF-8 strings,
// with the commas put in where they belong.
#pragma once

#include <string>

namespace verlumo {

class JsonWriter {
 public:
  // Inside an object each value is named first with Key; inside an array it is not.
  JsonWriter& Key(const std::string& key);
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Number(int value);
  JsonWriter& Bool(bool value);
  JsonWriter& String(const std::string& value);

  const std::string& text() const { return text_; }

 private:
  void BeforeValue();

  std::string text_;
  bool value_before_ = false;  // in the object or array open now, so a comma goes first
  bool after_key_ = false;
};

// The string as a JSON string, quotes included: quotes, backslashes and control characters
// escaped, every other byte (UTF-8 included) as it is.
std::string JsonString(const std::string& value);

}  // namespace verlumo
