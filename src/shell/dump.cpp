#include "shell/dump.h"

namespace zarvo {

void Json_Writer::key(const char* name) {
    if (!first_) out_ += ',';
    first_ = false;
    if (name) {
        out_ += '"';
        out_ += name;
        out_ += "\":";
    }
}

Json_Writer& Json_Writer::field(const char* name, int64_t value) {
    key(name);
    out_ += std::to_string(value);
    return *this;
}

Json_Writer& Json_Writer::field(const char* name, bool value) {
    key(name);
    out_ += value ? "true" : "false";
    return *this;
}

Json_Writer& Json_Writer::array(const char* name, const int32_t* values, int first, int count) {
    key(name);
    out_ += '[';
    for (int i = 0; i < count; ++i) {
        if (i) out_ += ',';
        out_ += std::to_string(values[first + i]);
    }
    out_ += ']';
    return *this;
}

Json_Writer& Json_Writer::array(const char* name, const bool* values, int first, int count) {
    key(name);
    out_ += '[';
    for (int i = 0; i < count; ++i) {
        if (i) out_ += ',';
        out_ += values[first + i] ? "true" : "false";
    }
    out_ += ']';
    return *this;
}

Json_Writer& Json_Writer::begin_object(const char* name) {
    key(name);
    out_ += '{';
    first_ = true;
    return *this;
}

Json_Writer& Json_Writer::end_object() {
    out_ += '}';
    first_ = false;
    return *this;
}

Json_Writer& Json_Writer::begin_array(const char* name) {
    key(name);
    out_ += '[';
    first_ = true;
    return *this;
}

Json_Writer& Json_Writer::end_array() {
    out_ += ']';
    first_ = false;
    return *this;
}

std::string Dump_World(const World& w) {
    Json_Writer j;
    Dump_Shell(w, j);
    Dump_Enemies(w, j);
    Dump_Hazards(w, j);
    Dump_Pilots(w, j);
    Dump_Screens(w, j);
    return j.text();
}

void Dump_Shell(const World&, Json_Writer&) {}

}  // namespace zarvo
