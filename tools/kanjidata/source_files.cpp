#include "source_files.h"

#include <iconv.h>
#include <zlib.h>

#include <cerrno>
#include <memory>

std::optional<std::string> read_source_file(const std::string& path) {
    // gzread passes files that are not compressed through unchanged.
    gzFile f = gzopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::string out;
    char buffer[1 << 16];
    int n = 0;
    while ((n = gzread(f, buffer, sizeof buffer)) > 0)
        out.append(buffer, size_t(n));
    const bool failed = n < 0;
    gzclose(f);
    if (failed) return std::nullopt;
    return out;
}

std::string euc_jp_to_utf8(const std::string& euc) {
    iconv_t cd = iconv_open("UTF-8", "EUC-JP");
    if (cd == iconv_t(-1)) return {};
    std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);
    std::string out(euc.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(euc.data());
    size_t inLeft = euc.size();
    char* dst = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) != size_t(-1)) break;
        if (errno == E2BIG) break; // cannot happen: UTF-8 of EUC-JP is at most 1.5 times longer
        ++in;                      // skip an undecodable byte
        --inLeft;
    }
    out.resize(out.size() - outLeft);
    return out;
}
