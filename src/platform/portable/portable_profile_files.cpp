#include "platform/portable/portable_profile_files.h"

#include "platform/portable/utf_text.h"

namespace vx::platform {

namespace {
// Enough for config.ini, the four layout files and the macro files; a
// program that opens more files only reads them again.
constexpr std::size_t kParsedFiles = 16;
}  // namespace

const PortableProfileFiles::Parsed* PortableProfileFiles::Current(const std::string& file) {
    const std::optional<FileStamp> stamp = files_.Stamp(file);
    if (!stamp) {
        parsed_.erase(file);
        return nullptr;
    }
    if (const auto it = parsed_.find(file);
        it != parsed_.end() && it->second.stamp == *stamp && (it->second.ownWrite || !stamp->recent)) {
        return &it->second;
    }
    std::optional<std::string> bytes = files_.ReadAll(file);
    if (!bytes) {
        parsed_.erase(file);
        return nullptr;
    }
    // A file changed a moment ago could change again without a new stamp:
    // it is parsed for this read and read again next time.
    if (parsed_.size() >= kParsedFiles) parsed_.clear();
    IniDocument document = IniDocument::Parse(*bytes);
    Parsed& entry = parsed_[file];
    entry =
        Parsed{stamp->recent ? FileStamp{-1, -1, 0, 0, true} : *stamp, std::move(*bytes), std::move(document), false};
    return &entry;
}

std::string PortableProfileFiles::ReadString(const std::string& file, std::string_view section, std::string_view key,
                                             std::size_t capacity) {
    if (capacity == 0) return {};
    std::optional<std::string> value;
    {
        std::lock_guard guard(lock_);
        const Parsed* parsed = Current(file);
        if (parsed == nullptr) return {};
        value = parsed->document.Find(section, key);
    }
    if (!value) return {};
    value->resize(Utf8PrefixWithinUtf16Units(*value, capacity - 1));
    return std::move(*value);
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
    const Parsed* parsed = Current(file);
    if (parsed == nullptr && files_.Exists(file)) {
        // Rewriting it from an empty document would wipe its contents.
        return Refuse(file, section, "the file exists but cannot be read");
    }
    // As the system's profile functions do, a read-only file is not written.
    if (parsed != nullptr && files_.IsReadOnly(file)) return Refuse(file, section, "the file is read-only");
    IniDocument document = parsed != nullptr ? parsed->document : IniDocument(newFileEncoding_);
    for (const auto& entry : entries) document.Set(section, entry.key, entry.value);
    std::string after = document.Serialize();
    // Nothing to do when the file already holds exactly these bytes.
    if (parsed != nullptr && parsed->bytes == after) return true;
    if (!files_.ReplaceAll(file, after)) {
        parsed_.erase(file);
        return Refuse(file, section, "the file could not be replaced");
    }
    // The next read takes the document just written instead of parsing it.
    if (const std::optional<FileStamp> stamp = files_.Stamp(file)) {
        if (parsed_.size() >= kParsedFiles) parsed_.clear();
        parsed_[file] = Parsed{*stamp, std::move(after), std::move(document), true};
    } else {
        parsed_.erase(file);
    }
    return true;
}

bool PortableProfileFiles::FileExists(const std::string& file) { return files_.Exists(file); }

}  // namespace vx::platform
