#include "driver/desktop/run_link.h"

#include <zlib.h>

#include <cstdint>
#include <vector>

namespace zarvo {

namespace {

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

std::string Run_Link(std::string_view page, std::string_view run_text) {
    std::vector<unsigned char> packed;
    if (!Deflate_Raw(run_text, packed)) return {};
    return std::string(page) + "#run=" + Base64_Url(packed);
}

}  // namespace zarvo
