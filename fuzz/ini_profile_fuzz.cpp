// The INI document and the profile writer over any file, in each encoding:
// a document written and read again is the same; a change sets its value,
// keeps every other line and every other value; a read never returns more
// than its buffer holds.
#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "platform/portable/ini_document.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/testing/memory_file_system.h"
#include "platform/testing/recording_diagnostics.h"

namespace {

using namespace vx;
using fuzz::KeysOf;
using fuzz::SameName;
using platform::IniDocument;

bool IsSubsequence(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
    std::size_t at = 0;
    for (const std::string& line : whole) {
        if (at < part.size() && part[at] == line) ++at;
    }
    return at == part.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::uint8_t encoding = in.Byte();
    const std::size_t capacity = in.Byte();
    const std::string section = in.Text(12), key = in.Text(12), value = in.Text(24);
    const std::string bytes = fuzz::AsFile(in.Rest(), encoding);

    const IniDocument doc = IniDocument::Parse(bytes);
    const IniDocument again = IniDocument::Parse(doc.Serialize());
    VX_FUZZ_CHECK(again.Lines() == doc.Lines());
    VX_FUZZ_CHECK(again.Encoding() == doc.Encoding());

    const bool storable =
        platform::IsStorableSection(section) && platform::IsStorableKey(key) && platform::IsStorableValue(value);
    IniDocument changed = doc;
    if (storable) {
        changed.Set(section, key, value);
        // The value reads as it would from a file holding only this key.
        const auto expected =
            IniDocument::Parse("[" + section + "]\r\n" + key + "=" + value + "\r\n").Find(section, key);
        VX_FUZZ_CHECK(expected.has_value());
        VX_FUZZ_CHECK(changed.Find(section, key) == expected);
        // Text that is no valid UTF-8 cannot be stored as such in a UTF-16 file.
        auto survives = [](const std::string& text) {
            return platform::Utf16ToUtf8(platform::Utf8ToUtf16(text)) == text;
        };
        const bool utf16 =
            doc.Encoding() == platform::IniEncoding::Utf16LeBom || doc.Encoding() == platform::IniEncoding::Utf16BeBom;
        if (!utf16 || (survives(section) && survives(key) && survives(value))) {
            VX_FUZZ_CHECK(IniDocument::Parse(changed.Serialize()).Find(section, key) == expected);
        }
        // Every other line stays, in its order.
        const auto& before = doc.Lines();
        const auto& after = changed.Lines();
        if (doc.Find(section, key)) {
            VX_FUZZ_CHECK(after.size() == before.size());
            std::size_t differing = 0;
            for (std::size_t i = 0; i < before.size(); ++i) differing += before[i] != after[i];
            VX_FUZZ_CHECK(differing <= 1);
        } else {
            VX_FUZZ_CHECK(after.size() > before.size() && after.size() <= before.size() + 2);
            VX_FUZZ_CHECK(IsSubsequence(before, after));
        }
        for (const auto& [otherSection, otherKey] : KeysOf(doc)) {
            if (SameName(otherSection, section) && SameName(otherKey, key)) continue;
            VX_FUZZ_CHECK(changed.Find(otherSection, otherKey) == doc.Find(otherSection, otherKey));
        }
    }

    // The same through the profile writer and a file.
    platform::testing::MemoryFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles(files, diagnostics);
    const std::string path = "C:\\VX230\\config.ini";
    files.SetFile(path, bytes);
    const std::string read = profiles.ReadString(path, section, key, capacity);
    VX_FUZZ_CHECK(capacity > 0 || read.empty());
    VX_FUZZ_CHECK(capacity == 0 || platform::Utf8ToUtf16(read).size() <= capacity - 1);
    VX_FUZZ_CHECK(doc.Find(section, key).value_or("").compare(0, read.size(), read) == 0);
    const bool written = profiles.WriteStrings(path, section, {{key, value}});
    VX_FUZZ_CHECK(written == storable);
    VX_FUZZ_CHECK(diagnostics.Lines().size() == (storable ? 0u : 1u));
    if (storable) {
        const std::string expectedBytes = changed.Serialize();
        VX_FUZZ_CHECK(files.GetFile(path) == (expectedBytes == bytes ? bytes : expectedBytes));
        VX_FUZZ_CHECK(profiles.ReadString(path, section, key, 4096) == changed.Find(section, key).value_or(""));
    } else {
        VX_FUZZ_CHECK(files.GetFile(path) == bytes);
    }
    return 0;
}
