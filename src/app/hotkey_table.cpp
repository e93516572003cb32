#include "app/hotkey_table.h"

#include <cctype>

namespace vx::app {
namespace {

using platform::Hotkey;
using platform::Key;

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The key's virtual-key number (the macro files' numbering).
std::optional<Key> KeyNamed(const std::string& lower) {
    if (lower.size() == 1 && lower[0] >= '0' && lower[0] <= '9') return static_cast<Key>(lower[0]);
    if (lower.size() == 1 && lower[0] >= 'a' && lower[0] <= 'z') return static_cast<Key>(lower[0] - 'a' + 'A');
    if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == 'f') {
        int number = 0;
        for (std::size_t i = 1; i < lower.size(); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(lower[i]))) return std::nullopt;
            number = number * 10 + (lower[i] - '0');
        }
        if (number >= 1 && number <= 12) return static_cast<Key>(0x70 + number - 1);
    }
    return std::nullopt;
}

bool SetModifier(Hotkey& hotkey, const std::string& lower) {
    bool* flag = nullptr;
    if (lower == "ctrl" || lower == "control") flag = &hotkey.control;
    if (lower == "alt") flag = &hotkey.alt;
    if (lower == "shift") flag = &hotkey.shift;
    if (lower == "win" || lower == "super") flag = &hotkey.super;
    if (flag == nullptr || *flag) return false;
    *flag = true;
    return true;
}

ParsedHotkey Bad(std::string why) { return ParsedHotkey{std::nullopt, std::move(why)}; }

}  // namespace

std::string HotkeyKeyName(HotkeyAction action) {
    if (action == HotkeyAction::AutoSwitch) return "AutoSwitch";
    return "Profile" + std::to_string(static_cast<int>(action));
}

ParsedHotkey ParseHotkey(std::string_view text) {
    std::vector<std::string> words;
    std::string_view rest = Trimmed(text);
    if (rest.empty()) return Bad("empty");
    for (;;) {
        const std::size_t plus = rest.find('+');
        words.push_back(Lower(Trimmed(rest.substr(0, plus))));
        if (plus == std::string_view::npos) break;
        rest.remove_prefix(plus + 1);
    }
    Hotkey hotkey;
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        if (!SetModifier(hotkey, words[i]))
            return Bad("\"" + words[i] + "\" is no modifier (Ctrl, Alt, Shift, Win) or is twice");
    }
    const std::optional<Key> key = KeyNamed(words.back());
    if (!key) return Bad("\"" + words.back() + "\" is no key of 0..9, A..Z, F1..F12");
    hotkey.key = *key;
    if (!hotkey.control && !hotkey.alt && !hotkey.super) return Bad("it needs Ctrl, Alt or Win");
    return ParsedHotkey{hotkey, {}};
}

std::string HotkeyText(const Hotkey& hotkey) {
    std::string text;
    if (hotkey.control) text += "Ctrl+";
    if (hotkey.alt) text += "Alt+";
    if (hotkey.shift) text += "Shift+";
    if (hotkey.super) text += "Win+";
    const auto code = static_cast<int>(hotkey.key);
    if (code >= 0x70 && code <= 0x7B) return text + "F" + std::to_string(code - 0x70 + 1);
    return text + static_cast<char>(code);
}

}  // namespace vx::app
