#pragma once
// A small JSON writer: named numbers, flags, texts, arrays, grids and nested objects, written in
// the order they are given.
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

namespace zarvo {

template <typename E>
concept Enumeration = std::is_enum_v<E>;

// Told where in memory every value a writer writes was read from, so that a test can prove a
// dump leaves nothing out.
class Json_Sources {
  public:
    virtual ~Json_Sources() = default;
    virtual void value_from(const char* name, const void* at, std::size_t size) = 0;
};

class Json_Writer {
  public:
    // A number worked out on the spot.
    Json_Writer& Field(const char* name, int64_t value);
    // A number or flag read from memory.
    Json_Writer& Field(const char* name, const int32_t& value);
    Json_Writer& Field(const char* name, const uint32_t& value);
    Json_Writer& Field(const char* name, const bool& value);
    // A value of an enumeration read from memory, written as its number.
    template <Enumeration E>
    Json_Writer& Field(const char* name, const E& value) {
        Key(name);
        this->Value(value);
        Note(name, &value, sizeof value);
        return *this;
    }
    // A text of `length` characters; quotes, backslashes and control characters are escaped.
    Json_Writer& Text(const char* name, const char* letters, int length);
    // A length-counted text of at most `limit` letters: the first `length` of them.
    Json_Writer& Text(const char* name, const char* letters, const int32_t& length, int limit);
    // An array of count values taken from values[first .. first+count-1].
    Json_Writer& Array(const char* name, const int32_t* values, int first, int count);
    Json_Writer& Array(const char* name, const bool* values, int first, int count);
    Json_Writer& Array(const char* name, const uint8_t* values, int first, int count);
    // One field of the records records[first .. first+count-1]: a column of a table of records.
    template <typename R, typename T>
    Json_Writer& Column(const char* name, const R* records, T R::*field, int first, int count) {
        Key(name);
        out_ += '[';
        for (int i = first; i < first + count; ++i) {
            if (i != first) out_ += ',';
            const T& v = records[i].*field;
            Value(v);
            Note(name, &v, sizeof v);
        }
        out_ += ']';
        return *this;
    }
    // A grid as an array of rows, first row first.
    template <typename G>
    Json_Writer& Grid(const char* name, const G& grid) {
        Key(name);
        out_ += '[';
        for (int r = G::Row_Min; r <= G::Row_Max; ++r) {
            out_ += r == G::Row_Min ? "[" : ",[";
            for (int c = G::Col_Min; c <= G::Col_Max; ++c) {
                if (c != G::Col_Min) out_ += ',';
                const int32_t& cell = grid.cell[c - G::Col_Min][r - G::Row_Min];
                Number(cell);
                Note(name, &cell, sizeof cell);
            }
            out_ += ']';
        }
        out_ += ']';
        return *this;
    }
    // Opens and closes a nested object or array of objects.
    Json_Writer& Begin_Object(const char* name = nullptr);
    Json_Writer& End_Object();
    Json_Writer& Begin_Array(const char* name);
    Json_Writer& End_Array();

    // From now on every value's source is told to sources (nullptr: to nobody).
    void Tell_Sources(Json_Sources* sources) { sources_ = sources; }

    std::string Text() const { return out_ + "}\n"; }

  private:
    void Key(const char* name);
    void Number(int64_t value);
    void Value(int32_t v) { Number(v); }
    void Value(bool v) { out_ += v ? "true" : "false"; }
    template <Enumeration E>
    void Value(E v) {
        Number(static_cast<int64_t>(static_cast<std::underlying_type_t<E>>(v)));
    }
    void Note(const char* name, const void* at, std::size_t size) {
        if (sources_) sources_->value_from(name, at, size);
    }
    std::string out_ = "{";
    bool first_ = true;
    Json_Sources* sources_ = nullptr;
};

}  // namespace zarvo
