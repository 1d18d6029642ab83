#include "driver/desktop/run_link.h"

#include <zlib.h>

#include <cstdint>
#include <vector>

namespace zarvo {

namespace {

bool Is_Digit(char c) {
    return c >= '0' && c <= '9';
}

// An event line "F EVENT ARGS" with its frame given anew.
std::string Reframed(std::string_view line, int64_t& last, bool back) {
    size_t digits = 0;
    while (digits < line.size() && Is_Digit(line[digits])) ++digits;
    if (digits == 0 || digits > 12 || digits >= line.size() || line[digits] != ' ')
        return std::string(line);
    const int64_t n = std::stoll(std::string(line.substr(0, digits)));
    const int64_t frame = back ? last + n : n;
    const int64_t written = back ? frame : frame - last;
    last = frame;
    return std::to_string(written) + std::string(line.substr(digits));
}

std::string Base64_Url(const std::vector<unsigned char>& bytes) {
    static const char Letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::string out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t n = bytes.size() - i < 3 ? bytes.size() - i : 3;
        uint32_t v = bytes[i] << 16;
        if (n > 1) v |= bytes[i + 1] << 8;
        if (n > 2) v |= bytes[i + 2];
        for (size_t k = 0; k <= n; ++k) out += Letters[(v >> (18 - 6 * k)) & 63];
    }
    return out;
}

// Raw deflate at the best compression; false when zlib fails.
bool Deflate_Raw(std::string_view text, std::vector<unsigned char>& out) {
    z_stream z{};
    if (deflateInit2(&z, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) return false;
    out.resize(deflateBound(&z, static_cast<uLong>(text.size())));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int done = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return done == Z_STREAM_END;
}

}  // namespace

std::string Frames_Apart(std::string_view text, bool back) {
    std::string out;
    out.reserve(text.size());
    bool events = false;
    int64_t last = 0;
    size_t at = 0;
    while (at <= text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(at, end - at);
        out += events ? Reframed(line, last, back) : std::string(line);
        events = events || line.rfind("events ", 0) == 0;
        if (end < text.size()) out += '\n';
        at = end + 1;
    }
    return out;
}

std::string Run_Link(std::string_view page, std::string_view run_text) {
    std::vector<unsigned char> packed;
    if (!Deflate_Raw(Frames_Apart(run_text, false), packed)) return {};
    return std::string(page) + "#run=" + Base64_Url(packed);
}

}  // namespace zarvo
