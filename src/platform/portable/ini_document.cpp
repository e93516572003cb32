#include "platform/portable/ini_document.h"

#include "platform/portable/utf_text.h"

namespace vx::platform {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f\x1a";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

// "[name]" (blanks allowed around and inside the brackets) gives the name.
std::optional<std::string_view> SectionNameOf(std::string_view line) {
    const std::string_view t = Trim(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const auto close = t.rfind(']');
    if (close == std::string_view::npos || close == 0) return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view rawValue;
};

// "key=value"; comment lines (';') and lines without '=' are not keys.
std::optional<KeyLine> KeyLineOf(std::string_view line) {
    const std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';' || SectionNameOf(line)) return std::nullopt;
    const auto eq = t.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return KeyLine{Trim(t.substr(0, eq)), t.substr(eq + 1)};
}

std::string ValueOf(std::string_view raw) {
    std::string_view v = Trim(raw);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    return std::string(v);
}

enum class ByteOrder { LittleEndian, BigEndian };

std::string DecodeUtf16(std::string_view bytes, ByteOrder order) {
    const bool littleEndian = order == ByteOrder::LittleEndian;
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(littleEndian ? static_cast<char16_t>(b0 | (b1 << 8)) : static_cast<char16_t>((b0 << 8) | b1));
    }
    return Utf16ToUtf8(units);
}

std::string EncodeUtf16(std::string_view utf8, ByteOrder order) {
    const bool littleEndian = order == ByteOrder::LittleEndian;
    const std::u16string units = Utf8ToUtf16(utf8);
    std::string out;
    out.reserve(2 + units.size() * 2);
    out += littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t u : units) {
        const auto low = static_cast<char>(u & 0xFF);
        const auto high = static_cast<char>(u >> 8);
        if (littleEndian) {
            out.push_back(low);
            out.push_back(high);
        } else {
            out.push_back(high);
            out.push_back(low);
        }
    }
    return out;
}

// Built by appending: "lit" + std::string trips a false -Wrestrict in GCC 12.
std::string Joined(std::string_view a, std::string_view b, std::string_view c) {
    std::string out;
    out.reserve(a.size() + b.size() + c.size());
    out.append(a).append(b).append(c);
    return out;
}

bool HasLineBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument doc;
    std::string text;
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") {
        doc.encoding_ = IniEncoding::Utf16LeBom;
        text = DecodeUtf16(bytes.substr(2), ByteOrder::LittleEndian);
    } else if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF") {
        doc.encoding_ = IniEncoding::Utf16BeBom;
        text = DecodeUtf16(bytes.substr(2), ByteOrder::BigEndian);
    } else if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        doc.encoding_ = IniEncoding::Utf8Bom;
        text = bytes.substr(kUtf8Bom.size());
    } else {
        text = bytes;
    }

    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::size_t lineEnd = end;
        if (lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
        doc.lines_.emplace_back(text, start, lineEnd - start);
        start = end + 1;
    }
    return doc;
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view name) const {
    const std::string_view wanted = Trim(name);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto found = SectionNameOf(lines_[i]);
        if (found && EqualNoCase(*found, wanted)) return i;
    }
    return std::nullopt;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !SectionNameOf(lines_[i])) ++i;
    return i;
}

std::optional<std::size_t> IniDocument::FindKey(std::size_t header, std::string_view key) const {
    const std::string_view wanted = Trim(key);
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto line = KeyLineOf(lines_[i]);
        if (line && EqualNoCase(line->key, wanted)) return i;
    }
    return std::nullopt;
}

bool IniDocument::HasSection(std::string_view section) const { return FindSection(section).has_value(); }

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
    const auto header = FindSection(section);
    if (!header) return std::nullopt;
    const auto index = FindKey(*header, key);
    if (!index) return std::nullopt;
    return ValueOf(KeyLineOf(lines_[*index])->rawValue);
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const auto header = FindSection(section);
    if (!header) {
        lines_.push_back(Joined("[", Trim(section), "]"));
        lines_.push_back(Joined(Trim(key), "=", value));
        return;
    }
    if (const auto index = FindKey(*header, key)) {
        lines_[*index] = Joined(KeyLineOf(lines_[*index])->key, "=", value);
        return;
    }
    // After the section's last key, so blank lines or comments that end the
    // section keep separating it from the next one.
    std::size_t insertAt = *header + 1;
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        if (KeyLineOf(lines_[i])) insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), Joined(Trim(key), "=", value));
}

std::string IniDocument::Serialize() const {
    std::string text;
    for (const auto& line : lines_) {
        text += line;
        text += "\r\n";
    }
    switch (encoding_) {
        case IniEncoding::Utf8Bom: return std::string(kUtf8Bom) + text;
        case IniEncoding::Utf16LeBom: return EncodeUtf16(text, ByteOrder::LittleEndian);
        case IniEncoding::Utf16BeBom: return EncodeUtf16(text, ByteOrder::BigEndian);
        case IniEncoding::Utf8: break;
    }
    return text;
}

bool IsStorableSection(std::string_view section) {
    return !Trim(section).empty() && !HasLineBreakOrNul(section) && section.find(']') == std::string_view::npos;
}

bool IsStorableKey(std::string_view key) {
    const std::string_view t = Trim(key);
    return !t.empty() && !HasLineBreakOrNul(key) && key.find('=') == std::string_view::npos && t.front() != ';' &&
           t.front() != '[';
}

bool IsStorableValue(std::string_view value) { return !HasLineBreakOrNul(value); }

}  // namespace vx::platform
