#include "platform/portable/start_options.h"

#include <cctype>

#include "platform/portable/utf_text.h"

namespace vx::platform {
namespace {

std::vector<std::string> SplitArguments(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

bool EqualsIgnoringCase(std::string_view word, std::string_view lower) {
    if (word.size() != lower.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(word[i])) != lower[i]) return false;
    }
    return true;
}

// Quoted and cut on a character boundary; control characters become '?',
// so a diagnostics line stays one line.
std::string Shown(std::string_view word) {
    constexpr std::size_t kShownUnits = 40;
    const std::string_view kept = word.substr(0, Utf8PrefixWithinUtf16Units(word, kShownUnits));
    std::string text = "\"";
    for (char c : kept) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    text += '"';
    if (kept.size() < word.size()) text += " (cut, " + std::to_string(word.size()) + " bytes)";
    return text;
}

}  // namespace

StartOptions ParseStartOptions(std::string_view arguments) { return ParseStartOptions(SplitArguments(arguments)); }

StartOptions ParseStartOptions(const std::vector<std::string>& words) {
    StartOptions options;
    for (const std::string& word : words) {
        if (EqualsIgnoringCase(word, "--tray")) {
            options.trayOnly = true;
        } else if (EqualsIgnoringCase(word, "--diagnostics")) {
            options.diagnosticsLog = true;
        } else {
            options.ignored.push_back(Shown(word));
        }
    }
    return options;
}

}  // namespace vx::platform
