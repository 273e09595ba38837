#include "AnsiText.h"

// Away from Windows the stand-in registry's ANSI code page is UTF-8, as on Windows with the
// UTF-8 active code page. wchar_t holds whole code points here.
namespace penderlin::Registry {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsScalarValue(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

void Append(std::string& bytes, char32_t c) {
    if (!IsScalarValue(c)) {
        c = kReplacement;
    }
    if (c < 0x80) {
        bytes += static_cast<char>(c);
    } else if (c < 0x800) {
        bytes += static_cast<char>(0xC0 | (c >> 6));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        bytes += static_cast<char>(0xE0 | (c >> 12));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (c >> 18));
        bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one sequence at bytes[i]; returns the code point and advances i, or returns U+FFFD
// and skips one byte when the sequence is malformed, overlong or a surrogate.
char32_t Decode(std::string_view bytes, size_t& i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int trail = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        trail = 1, c = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        trail = 2, c = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        trail = 3, c = lead & 0x07u, minimum = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    if (bytes.size() - i <= static_cast<size_t>(trail)) {
        ++i;
        return kReplacement;
    }
    for (int k = 1; k <= trail; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + static_cast<size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        c = (c << 6) | (next & 0x3Fu);
    }
    if (c < minimum || !IsScalarValue(c)) {
        ++i;
        return kReplacement;
    }
    i += static_cast<size_t>(trail) + 1;
    return c;
}

} // namespace

std::string ToAnsi(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t c : text) {
        Append(bytes, static_cast<char32_t>(c));
    }
    return bytes;
}

std::wstring FromAnsi(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        text += static_cast<wchar_t>(Decode(bytes, i));
    }
    return text;
}

} // namespace penderlin::Registry
