#include "macro/event_lines.h"

#include <utility>

namespace vx::macro {
namespace {

constexpr std::pair<std::uint8_t, const char*> kSingleNames[] = {
    {0x27, "0"},        {0x28, "RETURN"},    {0x29, "ESCAPE"},   {0x2A, "BACK"},     {0x2B, "TAB"},
    {0x2C, "SPACE"},    {0x2D, "-"},         {0x2E, "+"},        {0x2F, "[{"},       {0x30, "]}"},
    {0x31, "\\|"},      {0x32, "`~"},        {0x33, ";:"},       {0x34, " ' "},      {0x36, ","},
    {0x37, "."},        {0x38, "/?"},        {0x39, "CAPITAL"},  {0x46, "SNAPSHOT"}, {0x47, "SCROLL"},
    {0x48, "PAUSE"},    {0x49, "INSERT"},    {0x4A, "HOME"},     {0x4B, "PRIOR"},    {0x4C, "DELETE"},
    {0x4D, "END"},      {0x4E, "NEXT"},      {0x4F, "RIGHT"},    {0x50, "LEFT"},     {0x51, "DOWN"},
    {0x52, "UP"},       {0x53, "NUMLOCK"},   {0x54, "DIVIDE"},   {0x55, "MULTIPLY"}, {0x56, "SUBTRACT"},
    {0x57, "ADD"},      {0x62, "NUMPAD0"},   {0x63, "DECIMAL"},  {0x65, "APPS"},     {0x74, "EXECUTE"},
    {0x75, "HELP"},     {0x76, "MENU"},      {0x77, "SELECT"},   {0x9C, "CLEAR"},    {0x9F, "SEPARATOR"},
    {0xE0, "LCONTROL"}, {0xE1, "LSHIFT"},    {0xE2, "LMENU"},    {0xE3, "LWIN"},     {0xE4, "RCONTROL"},
    {0xE5, "RSHIFT"},   {0xE6, "RMENU"},     {0xE7, "RWIN"},     {0xF0, "L-KEY"},    {0xF1, "R-KEY"},
    {0xF2, "M-KEY"},
};

// Built by appending: GCC 12 warns falsely about "F" + std::to_string(n).
std::string Numbered(const char* prefix, int number) {
    std::string name(prefix);
    name.append(std::to_string(number));
    return name;
}

}  // namespace

std::string KeyName(std::uint8_t code) {
    if (code >= 0x04 && code <= 0x1D) return std::string(1, static_cast<char>(code + 61));
    if (code >= 0x1E && code <= 0x26) return std::to_string(code - 29);
    if (code >= 0x3A && code <= 0x45) return Numbered("F", code - 0x3A + 1);
    if (code >= 0x68 && code <= 0x73) return Numbered("F", code - 0x68 + 13);
    if (code >= 0x59 && code <= 0x61) return Numbered("NUMPAD", code - 0x59 + 1);
    for (const auto& [named, text] : kSingleNames) {
        if (named == code) return text;
    }
    return "NON-AVAILABLE";
}

std::string EventLineText(const MacroEvent& event) {
    if (event.action == ActionPress) return "[↓]" + KeyName(event.code);
    if (event.action == ActionRelease) return "[↑]" + KeyName(event.code);
    return KeyName(event.code);
}

std::string DelayLineText(std::uint16_t delayMs) { return "    " + std::to_string(delayMs) + "ms"; }

}  // namespace vx::macro
