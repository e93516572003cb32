#include "settings/config_section.h"

#include "settings/ini_value.h"

namespace vx::settings {
namespace {

std::int32_t ReadNumber(platform::ProfileFiles& profiles, const std::string& file, const std::string& section,
                        const std::string& key, std::size_t capacity) {
    return ParseIniInt(profiles.ReadString(file, section, key, capacity));
}

// "K3", "Config5": appended rather than "lit" + std::string, which trips a
// false -Wrestrict in GCC 12.
std::string Numbered(std::string_view prefix, std::int32_t number) {
    std::string name(prefix);
    name += FormatIniInt(number);
    return name;
}

// Narrow fields keep the low 8 bits, as the device and the interface expect.
std::uint8_t LowByte(std::int32_t value) { return static_cast<std::uint8_t>(value); }

}  // namespace

std::string ConfigSection(std::int32_t number) { return Numbered("Config", number); }

std::string FactorySection(std::int32_t number, UiLanguage language) {
    if (number == 5 && language == UiLanguage::English) return "CfgReset_EN5";
    return Numbered("CfgReset", number);
}

MouseConfig ReadConfigSection(platform::ProfileFiles& profiles, const std::string& file, const std::string& section) {
    MouseConfig c;
    auto shortRead = [&](const std::string& key) {
        return ReadNumber(profiles, file, section, key, kShortValueCapacity);
    };
    auto dpiRead = [&](const std::string& key) { return ReadNumber(profiles, file, section, key, kDpiValueCapacity); };

    for (int i = 0; i < 6; ++i) c.Button(i) = shortRead(Numbered("K", i));
    c.WHEEL_STATUS = shortRead("WHEEL_STATUS");
    c.MACRO_MODE2 = shortRead("MACRO_MODE2");
    c.DPI_LEVEL = shortRead("DPI_LEVEL");
    for (int level = 0; level < 4; ++level) {
        c.DpiSet(level) = LowByte(dpiRead(Numbered("DPI_SET", level)));
        c.DpiEnabled(level) = dpiRead(Numbered("DPI_SET_EN", level)) != 0;
    }
    c.LED_STATUS = LowByte(shortRead("LED_STATUS"));
    c.DPI_SPEED = LowByte(shortRead("DPI_SPEED"));
    c.WHEEL_SPEED = LowByte(shortRead("WHEEL_SPEED"));
    c.USB_SPEED = LowByte(shortRead("USB_SPEED"));
    c.FIRE_TIME = shortRead("FIRE_TIME");
    return c;
}

std::vector<platform::ProfileEntry> ConfigEntries(const MouseConfig& c) {
    std::vector<platform::ProfileEntry> entries;
    entries.reserve(22);
    auto add = [&](std::string key, std::int32_t value) { entries.push_back({std::move(key), FormatIniInt(value)}); };
    for (int i = 0; i < 6; ++i) add(Numbered("K", i), c.Button(i));
    add("DPI_LEVEL", c.DPI_LEVEL);
    add("WHEEL_STATUS", c.WHEEL_STATUS);
    add("MACRO_MODE2", c.MACRO_MODE2);
    for (int level = 0; level < 4; ++level) {
        add(Numbered("DPI_SET", level), c.DpiSet(level));
        add(Numbered("DPI_SET_EN", level), c.DpiEnabled(level) ? 1 : 0);
    }
    add("LED_STATUS", c.LED_STATUS);
    add("DPI_SPEED", c.DPI_SPEED);
    add("WHEEL_SPEED", c.WHEEL_SPEED);
    add("USB_SPEED", c.USB_SPEED);
    add("FIRE_TIME", c.FIRE_TIME);
    return entries;
}

MouseConfig FactoryDefaultConfig1(const MouseConfig& current) {
    MouseConfig c;
    c.K0 = 1, c.K1 = 3, c.K2 = 2, c.K3 = 4, c.K4 = 5, c.K5 = 6;
    c.WHEEL_STATUS = 0;
    c.DPI_LEVEL = 0;
    c.MACRO_MODE2 = current.MACRO_MODE2;
    c.DPI_SET0 = 3, c.DPI_SET1 = 5, c.DPI_SET2 = 6, c.DPI_SET3 = 8;
    c.DPI_SET_EN0 = c.DPI_SET_EN1 = c.DPI_SET_EN2 = c.DPI_SET_EN3 = true;
    c.LED_STATUS = 0;
    c.DPI_SPEED = 4;
    c.WHEEL_SPEED = 2;
    c.FIRE_TIME = 50;
    c.USB_SPEED = 2;
    return c;
}

}  // namespace vx::settings
