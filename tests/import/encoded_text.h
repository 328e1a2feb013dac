#pragma once

#include <gtest/gtest.h>

#include <iconv.h>
#include <string>

namespace zoki::test {

// UTF-8 text in another encoding ("EUC-JP-MS", "UTF-16LE", ...), by the
// system's converter: the files the import's tests read, as other programs
// write them.
inline std::string inEncoding(const std::string& utf8, const char* to) {
    iconv_t cd = iconv_open(to, "UTF-8");
    std::string out(utf8.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* dst = out.data();
    std::size_t outLeft = out.size();
    const std::size_t r = iconv(cd, &in, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    EXPECT_NE(r, static_cast<std::size_t>(-1)) << to;
    out.resize(out.size() - outLeft);
    return out;
}

// UTF-16 with its byte-order mark, as Excel saves "Unicode テキスト".
inline std::string utf16WithMark(const std::string& utf8, bool bigEndian) {
    return (bigEndian ? "\xFE\xFF" : "\xFF\xFE") + inEncoding(utf8, bigEndian ? "UTF-16BE" : "UTF-16LE");
}

} // namespace zoki::test
