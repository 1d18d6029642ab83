#pragma once
// A small JSON writer: named numbers, flags, texts, arrays, grids and nested objects, written in
// the order they are given.
#include <cstdint>
#include <string>

namespace zarvo {

class Json_Writer {
  public:
    Json_Writer& field(const char* name, int64_t value);
    Json_Writer& field(const char* name, bool value);
    // A text of `length` characters; quotes, backslashes and control characters are escaped.
    Json_Writer& text(const char* name, const char* letters, int length);
    // An array of count values taken from values[first .. first+count-1].
    Json_Writer& array(const char* name, const int32_t* values, int first, int count);
    Json_Writer& array(const char* name, const bool* values, int first, int count);
    // A grid as an array of rows, first row first.
    template <typename G>
    Json_Writer& grid(const char* name, const G& grid) {
        key(name);
        out_ += '[';
        for (int r = G::Row_Min; r <= G::Row_Max; ++r) {
            out_ += r == G::Row_Min ? "[" : ",[";
            for (int c = G::Col_Min; c <= G::Col_Max; ++c) {
                if (c != G::Col_Min) out_ += ',';
                out_ += std::to_string(grid(c, r));
            }
            out_ += ']';
        }
        out_ += ']';
        return *this;
    }
    // Opens and closes a nested object or array of objects.
    Json_Writer& begin_object(const char* name = nullptr);
    Json_Writer& end_object();
    Json_Writer& begin_array(const char* name);
    Json_Writer& end_array();

    std::string text() const { return out_ + "}\n"; }

  private:
    void key(const char* name);
    std::string out_ = "{";
    bool first_ = true;
};

}  // namespace zarvo
