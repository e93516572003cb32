#include "platform/portable/portable_profile_files.h"

#include "platform/portable/utf_text.h"

namespace vx::platform {

std::string PortableProfileFiles::ReadString(const std::string& file, std::string_view section, std::string_view key,
                                             std::size_t capacity) {
    if (capacity == 0) return {};
    std::optional<std::string> bytes;
    {
        std::lock_guard guard(lock_);
        bytes = files_.ReadAll(file);
    }
    if (!bytes) return {};
    auto value = IniDocument::Parse(*bytes).Find(section, key);
    if (!value) return {};
    value->resize(Utf8PrefixWithinUtf16Units(*value, capacity - 1));
    return std::move(*value);
}

std::optional<PortableProfileFiles::Loaded> PortableProfileFiles::LoadForChange(const std::string& file) {
    if (auto bytes = files_.ReadAll(file)) {
        IniDocument doc = IniDocument::Parse(*bytes);
        return Loaded{std::move(doc), std::move(bytes)};
    }
    if (files_.Exists(file)) return std::nullopt;
    return Loaded{IniDocument(newFileEncoding_), std::nullopt};
}

bool PortableProfileFiles::WriteString(const std::string& file, std::string_view section, std::string_view key,
                                       std::string_view value) {
    return WriteStrings(file, section, {ProfileEntry{std::string(key), std::string(value)}});
}

bool PortableProfileFiles::Refuse(const std::string& file, std::string_view section, std::string_view why) {
    std::string line = "settings not written: ";
    line.append(file).append(" [").append(section).append("]: ").append(why);
    diagnostics_.Report(line);
    return false;
}

bool PortableProfileFiles::WriteStrings(const std::string& file, std::string_view section,
                                        const std::vector<ProfileEntry>& entries) {
    // Text that would break the line structure is refused as a whole, so a
    // bad entry never leaves half of a change behind.
    if (!IsStorableSection(section)) return Refuse(file, section, "the section name holds a line break or NUL");
    for (const auto& entry : entries) {
        if (!IsStorableKey(entry.key)) return Refuse(file, section, "a key holds a line break or NUL");
        if (!IsStorableValue(entry.value)) return Refuse(file, section, "a value holds a line break or NUL");
    }

    if (entries.empty()) return true;

    std::lock_guard guard(lock_);
    auto loaded = LoadForChange(file);
    if (!loaded) return Refuse(file, section, "the file exists but cannot be read");
    for (const auto& entry : entries) loaded->document.Set(section, entry.key, entry.value);
    const std::string after = loaded->document.Serialize();
    // Nothing to do when the file already holds exactly these bytes.
    if (loaded->bytes && *loaded->bytes == after) return true;
    if (!files_.ReplaceAll(file, after)) return Refuse(file, section, "the file could not be replaced");
    return true;
}

bool PortableProfileFiles::FileExists(const std::string& file) { return files_.Exists(file); }

}  // namespace vx::platform
