#pragma once
// An INI file held in memory as its lines, so that a change touches only the
// line it concerns: comments, blank lines and lines the program does not
// understand survive a save unchanged. Text is UTF-8 in memory; the file's
// own encoding is remembered and used again when the document is written.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx::platform {

enum class IniEncoding {
    Utf8,        // no byte-order mark (plain ASCII files too)
    Utf8Bom,     // EF BB BF
    Utf16LeBom,  // FF FE
    Utf16BeBom,  // FE FF
};

class IniDocument {
public:
    explicit IniDocument(IniEncoding encoding = IniEncoding::Utf8) : encoding_(encoding) {}

    // Reads a file's bytes; line ends may be CRLF or LF.
    static IniDocument Parse(std::string_view bytes);

    // The value of `key` in `section` (names compare without regard to ASCII
    // case; the first matching section and key win), read the way the
    // profile functions read it: the text after the first '=', blanks
    // trimmed, one pair of matching quotes removed. Nothing when missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;

    // Replaces the key's line in place as "key=value" (keeping the key's
    // spelling), or adds the key after the last key of its section, or adds
    // the section at the end of the document.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The whole file in its encoding, every line ended by CRLF.
    std::string Serialize() const;

    IniEncoding Encoding() const { return encoding_; }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    // Index of the header line of the first matching section.
    std::optional<std::size_t> FindSection(std::string_view name) const;
    // One past the last line that belongs to the section starting at `header`.
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindKey(std::size_t header, std::string_view key) const;

    std::vector<std::string> lines_;
    IniEncoding encoding_;
};

// True when text can be stored as a section name, key or value without
// changing the file's structure (no line breaks or NULs, no ']' in a section
// name, no '=' in a key, names not empty).
bool IsStorableSection(std::string_view section);
bool IsStorableKey(std::string_view key);
bool IsStorableValue(std::string_view value);

}  // namespace vx::platform
