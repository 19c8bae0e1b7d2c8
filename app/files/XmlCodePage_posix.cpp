// The platform converter outside Windows: iconv, which knows every encoding the
// C library was built with (glibc: well over a thousand names and aliases).
#include <iconv.h>

#include <cerrno>

#include "XmlEncoding.h"

namespace xml {
namespace {

// Both sides of every conversion go through UTF-32LE, whatever wchar_t is.
constexpr const char* kWide = "UTF-32LE";
constexpr std::size_t kLongestName = 64;

class Iconv {
public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Iconv() {
        if (IsOpen()) iconv_close(m_cd);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool IsOpen() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of [in, in + left) as it can into `out`. Returns 0 when all
    // of it went through, else the errno that stopped it; `in`/`left` then point at
    // the input it could not convert.
    int Convert(const char*& in, std::size_t& left, std::string& out) {
        char buffer[4096];
        for (;;) {
            char* to = buffer;
            std::size_t room = sizeof buffer;
            char* from = const_cast<char*>(in);  // POSIX declares the input non-const
            std::size_t rc = iconv(m_cd, in ? &from : nullptr, in ? &left : nullptr, &to, &room);
            int error = rc == static_cast<std::size_t>(-1) ? errno : 0;
            if (in) in = from;
            out.append(buffer, static_cast<std::size_t>(to - buffer));
            if (error != E2BIG) return error;
        }
    }
    // Ends a stateful encoding's output in its initial state.
    void Finish(std::string& out) {
        const char* none = nullptr;
        std::size_t zero = 0;
        Convert(none, zero, out);
    }

private:
    iconv_t m_cd;
};

std::string Utf32(char32_t cp) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>((cp >> (8 * i)) & 0xFF);
    return bytes;
}

// iconv's names are ASCII; anything else (and "//" options) cannot be a name.
bool ToIconvName(std::wstring_view name, std::string& out) {
    if (name.empty() || name.size() > kLongestName) return false;
    for (wchar_t ch : name) {
        bool allowed = (ch >= L'0' && ch <= L'9') || (ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z') ||
                       ch == L'-' || ch == L'_' || ch == L'.' || ch == L':' || ch == L'(' || ch == L')';
        if (!allowed) return false;
        out += static_cast<char>(ch);
    }
    return true;
}

}  // namespace

std::optional<CodePageConverter> CodePageConverter::Find(std::wstring_view name) {
    std::string id;
    if (!ToIconvName(name, id)) return std::nullopt;
    if (!Iconv(kWide, id.c_str()).IsOpen() || !Iconv(id.c_str(), kWide).IsOpen()) return std::nullopt;
    return CodePageConverter(std::wstring(name), id);
}

std::size_t CodePageConverter::Decode(std::string_view bytes, std::wstring& out) const {
    Iconv cd(kWide, m_platformId.c_str());
    std::string wide;
    std::size_t lost = 0;
    const char* in = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        int error = cd.Convert(in, left, wide);
        if (error == 0) break;
        // A byte sequence the encoding does not have, or one cut off at the end.
        wide += Utf32(0xFFFD);
        ++lost;
        ++in;
        --left;
        if (error != EILSEQ && error != EINVAL) break;
    }
    out.reserve(out.size() + wide.size() / 4);
    for (std::size_t i = 0; i + 4 <= wide.size(); i += 4) {
        char32_t cp = 0;
        for (int b = 3; b >= 0; --b) cp = (cp << 8) | static_cast<unsigned char>(wide[i + static_cast<std::size_t>(b)]);
        if constexpr (sizeof(wchar_t) == 4) {
            out += static_cast<wchar_t>(cp);
        } else {
            // Only Windows has a 16-bit wchar_t, and it converts with its own code.
            out += static_cast<wchar_t>(cp <= 0xFFFF ? cp : 0xFFFD);
        }
    }
    return lost;
}

std::size_t CodePageConverter::Encode(std::wstring_view text, std::string& out) const {
    Iconv cd(m_platformId.c_str(), kWide);
    std::string wide;
    wide.reserve(text.size() * 4);
    for (wchar_t ch : text) wide += Utf32(static_cast<char32_t>(ch));
    std::size_t lost = 0;
    const char* in = wide.data();
    std::size_t left = wide.size();
    while (left >= 4) {
        int error = cd.Convert(in, left, out);
        if (error == 0) break;
        // A character the encoding lacks: written as '?' in that encoding.
        std::string question = Utf32(U'?');
        const char* q = question.data();
        std::size_t qLeft = question.size();
        cd.Convert(q, qLeft, out);
        ++lost;
        in += 4;
        left -= 4;
    }
    cd.Finish(out);
    return lost;
}

}  // namespace xml
