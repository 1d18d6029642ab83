#include "platform/json_writer.h"

#include <charconv>

namespace zarvo {

void Json_Writer::Key(const char* name) {
    if (!first_) out_ += ',';
    first_ = false;
    if (name) {
        out_ += '"';
        out_ += name;
        out_ += "\":";
    }
}

void Json_Writer::Number(int64_t value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out_.append(digits, end);
}

Json_Writer& Json_Writer::Field(const char* name, int64_t value) {
    Key(name);
    Number(value);
    return *this;
}

Json_Writer& Json_Writer::Field(const char* name, const int32_t& value) {
    Key(name);
    Number(value);
    Note(name, &value, sizeof value);
    return *this;
}

Json_Writer& Json_Writer::Field(const char* name, const uint32_t& value) {
    Key(name);
    Number(value);
    Note(name, &value, sizeof value);
    return *this;
}

Json_Writer& Json_Writer::Field(const char* name, const bool& value) {
    Key(name);
    out_ += value ? "true" : "false";
    Note(name, &value, sizeof value);
    return *this;
}

Json_Writer& Json_Writer::Text(const char* name, const char* letters, int length) {
    static const char hex[] = "0123456789abcdef";
    Key(name);
    out_ += '"';
    for (int i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(letters[i]);
        if (c == '"' || c == '\\') {
            out_ += '\\';
            out_ += static_cast<char>(c);
        } else if (c < 0x20 || c > 0x7E) {
            // A byte of a damaged score file is no UTF-8: it is written as the code point of
            // the same number, so the dump stays valid JSON.
            out_ += "\\u00";
            out_ += hex[c >> 4];
            out_ += hex[c & 15];
        } else {
            out_ += static_cast<char>(c);
        }
    }
    out_ += '"';
    return *this;
}

Json_Writer& Json_Writer::Text(const char* name, const char* letters, const int32_t& length,
                               int limit) {
    const int shown = length < 0 ? 0 : length > limit ? limit : length;
    Text(name, letters, shown);
    Note(name, &length, sizeof length);
    Note(name, letters, static_cast<std::size_t>(shown));
    return *this;
}

Json_Writer& Json_Writer::Array(const char* name, const int32_t* values, int first, int count) {
    Key(name);
    out_ += '[';
    for (int i = 0; i < count; ++i) {
        if (i) out_ += ',';
        Number(values[first + i]);
    }
    out_ += ']';
    Note(name, values + first, sizeof(int32_t) * static_cast<std::size_t>(count));
    return *this;
}

Json_Writer& Json_Writer::Array(const char* name, const bool* values, int first, int count) {
    Key(name);
    out_ += '[';
    for (int i = 0; i < count; ++i) {
        if (i) out_ += ',';
        out_ += values[first + i] ? "true" : "false";
    }
    out_ += ']';
    Note(name, values + first, sizeof(bool) * static_cast<std::size_t>(count));
    return *this;
}

Json_Writer& Json_Writer::Array(const char* name, const uint8_t* values, int first, int count) {
    Key(name);
    out_ += '[';
    for (int i = 0; i < count; ++i) {
        if (i) out_ += ',';
        Number(values[first + i]);
    }
    out_ += ']';
    Note(name, values + first, static_cast<std::size_t>(count));
    return *this;
}

Json_Writer& Json_Writer::Begin_Object(const char* name) {
    Key(name);
    out_ += '{';
    first_ = true;
    return *this;
}

Json_Writer& Json_Writer::End_Object() {
    out_ += '}';
    first_ = false;
    return *this;
}

Json_Writer& Json_Writer::Begin_Array(const char* name) {
    Key(name);
    out_ += '[';
    first_ = true;
    return *this;
}

Json_Writer& Json_Writer::End_Array() {
    out_ += ']';
    first_ = false;
    return *this;
}

}  // namespace zarvo
