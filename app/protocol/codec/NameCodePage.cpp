#include "NameCodePage.h"

#include "Utf.h"

namespace codec {
namespace {

// Windows-1252 bytes 0x80-0x9F. The five bytes the page leaves undefined stand for
// the C1 control of the same number, as Windows converts them.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

class Windows1252Page : public NameCodePage {
public:
    std::string EncodeChar(char32_t ch) const override {
        if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return std::string(1, static_cast<char>(ch));
        for (std::size_t i = 0; i < std::size(kHighControls); ++i) {
            if (kHighControls[i] == ch) return std::string(1, static_cast<char>(0x80 + i));
        }
        return std::string();
    }

    std::wstring Decode(Bytes bytes) const override {
        std::wstring text;
        for (std::uint8_t b : bytes) {
            char32_t ch = (b >= 0x80 && b <= 0x9F) ? kHighControls[b - 0x80] : b;
            utf::AppendCodePoint(text, ch);
        }
        return text;
    }
};

// The code points of a wide string (surrogate pairs joined where wchar_t is 16-bit).
std::u32string CodePoints(const std::wstring& text) {
    std::u32string points;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t u = static_cast<char32_t>(text[i]);
        if constexpr (sizeof(wchar_t) == 2) {
            u &= 0xFFFF;
            if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size()) {
                char32_t low = static_cast<char32_t>(text[i + 1]) & 0xFFFF;
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    u = 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
                    ++i;
                }
            }
        }
        points += u;
    }
    return points;
}

}  // namespace

const NameCodePage& Windows1252() {
    static const Windows1252Page page;
    return page;
}

std::string EncodeName(const std::wstring& text, std::size_t limit, const NameCodePage& page) {
    std::string bytes;
    for (char32_t ch : CodePoints(text)) {
        if (ch == 0) break;  // the mouse's names end at a zero byte
        std::string one = page.EncodeChar(ch);
        std::size_t size = one.empty() ? 1 : one.size();  // a missing character is written as '?'
        if (bytes.size() + size > limit) break;
        if (one.empty()) {
            bytes.push_back('?');
        } else {
            bytes.append(one);
        }
    }
    return bytes;
}

}  // namespace codec
