#pragma once

// The Japanese words of the reports as Shift_JIS (CP932) bytes, copied from
// the code page table, so expected file contents never go through the
// converter under test.

#include <stdexcept>
#include <string>
#include <string_view>

namespace zoki::test {

// "90 84 91 AA" -> the four bytes.
inline std::string hexBytes(std::string_view hex) {
    std::string out;
    for (std::size_t i = 0; i < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        if (i + 1 >= hex.size())
            throw std::invalid_argument("odd hex");
        out += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
        i += 2;
    }
    return out;
}

namespace sj {
inline const std::string suisoku = hexBytes("90 84 91 AA");                           // 推測
inline const std::string dai = hexBytes("91 E6");                                     // 第
inline const std::string kaiTousenBangou = hexBytes("89 F1 93 96 91 49 94 D4 8D 86"); // 回当選番号
inline const std::string open = hexBytes("81 79");                                    // 【
inline const std::string close = hexBytes("81 7A");                                   // 】
inline const std::string touTousen = hexBytes("93 99 93 96 91 49");                   // 等当選
inline const std::string gaitouNashi = hexBytes("8A 59 93 96 82 C8 82 B5");           // 該当なし
inline const std::string tousenKakuritsu = hexBytes("93 96 91 49 8A 6D 97 A7");       // 当選確立
inline const std::string ellipsis = hexBytes("81 63");                                // …
inline const std::string kakuritsu = hexBytes("8A 6D 97 A6");                         // 確率
inline const std::string kaiData = hexBytes("89 F1 83 66 81 5B 83 5E");               // 回データ
inline const std::string tousenRireki = hexBytes("93 96 91 49 97 9A 97 F0");          // 当選履歴
inline const std::string rirekiBangou = hexBytes("97 9A 97 F0 94 D4 8D 86");          // 履歴番号

// 一 二 三 四 五 by rank.
inline std::string kanjiNumeral(int rank) {
    static const char* const hex[] = {"", "88 EA", "93 F1", "8E 4F", "8E 6C", "8C DC"};
    return hexBytes(hex[rank]);
}
// "【一等当選】" .. "【五等当選】", "【該当なし】" for rank 0.
inline std::string heading(int rank) {
    return open + (rank == 0 ? gaitouNashi : kanjiNumeral(rank) + touTousen) + close;
}
} // namespace sj

} // namespace zoki::test
