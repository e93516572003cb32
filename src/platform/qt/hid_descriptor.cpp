#include "platform/qt/hid_descriptor.h"

#include <algorithm>
#include <limits>
#include <map>
#include <utility>

namespace vx::platform {
namespace {

struct Globals {
    std::uint16_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

struct Collection {
    HidCaps caps;
    // Bits per report id, input and feature. Wide and saturating: a size
    // times a count the descriptor makes up may not wrap into a report
    // that looks as if it fitted the buffers.
    std::map<std::uint8_t, std::uint64_t> inputBits;
    std::map<std::uint8_t, std::uint64_t> featureBits;
};

constexpr std::uint64_t kMostBits = std::numeric_limits<std::uint64_t>::max();

void AddBits(std::uint64_t& total, std::uint64_t bits) { total = bits > kMostBits - total ? kMostBits : total + bits; }

// Bytes, the report id byte included; a report longer than a length can
// say is given the longest length.
std::uint16_t LongestReport(const std::map<std::uint8_t, std::uint64_t>& bits) {
    std::uint64_t longest = 0;
    for (const auto& [id, count] : bits) longest = std::max(longest, count / 8 + (count % 8 != 0 ? 1 : 0));
    // The report id byte is counted even where the device uses none.
    constexpr std::uint64_t kMostBytes = std::numeric_limits<std::uint16_t>::max();
    return bits.empty() ? std::uint16_t{0} : static_cast<std::uint16_t>(std::min(longest + 1, kMostBytes));
}

enum ItemType : std::uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };
enum MainTag : std::uint8_t { kInput = 0x8, kFeature = 0xB, kCollection = 0xA, kEndCollection = 0xC };
enum GlobalTag : std::uint8_t {
    kUsagePage = 0x0,
    kReportSize = 0x7,
    kReportId = 0x8,
    kReportCount = 0x9,
    kPush = 0xA,
    kPop = 0xB
};
enum LocalTag : std::uint8_t { kUsage = 0x0 };
constexpr std::uint32_t kApplicationCollection = 1;

}  // namespace

std::vector<HidCollection> TopLevelCollections(const std::vector<std::uint8_t>& descriptor) {
    std::vector<Collection> collections;
    Globals globals;
    std::vector<Globals> pushed;
    // Usages since the last main item, and whether each carried its page.
    std::vector<std::pair<std::uint32_t, bool>> usages;
    int depth = 0;
    std::size_t at = 0;
    while (at < descriptor.size()) {
        const std::uint8_t prefix = descriptor[at];
        if (prefix == 0xFE) {  // a long item: skipped whole
            if (at + 1 >= descriptor.size()) return {};
            at += 3 + descriptor[at + 1];
            continue;
        }
        const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (at + 1 + size > descriptor.size()) return {};
        std::uint32_t data = 0;
        for (std::size_t i = 0; i < size; ++i) data |= std::uint32_t{descriptor[at + 1 + i]} << (8 * i);
        const auto type = static_cast<std::uint8_t>((prefix >> 2) & 3);
        const auto tag = static_cast<std::uint8_t>(prefix >> 4);
        at += 1 + size;

        if (type == kGlobal) {
            switch (tag) {
                case kUsagePage: globals.usagePage = static_cast<std::uint16_t>(data); break;
                case kReportSize: globals.reportSize = data; break;
                case kReportId: globals.reportId = static_cast<std::uint8_t>(data); break;
                case kReportCount: globals.reportCount = data; break;
                case kPush: pushed.push_back(globals); break;
                case kPop:
                    if (pushed.empty()) return {};
                    globals = pushed.back();
                    pushed.pop_back();
                    break;
                default: break;
            }
        } else if (type == kLocal) {
            if (tag == kUsage) usages.emplace_back(data, size == 4);
        } else if (type == kMain) {
            if (tag == kCollection) {
                if (depth == 0 && data == kApplicationCollection) {
                    Collection top;
                    const auto [usage, withPage] =
                        usages.empty() ? std::pair<std::uint32_t, bool>{0, false} : usages.front();
                    // A four-byte usage carries its own page in the upper half.
                    top.caps.usagePage = withPage ? static_cast<std::uint16_t>(usage >> 16) : globals.usagePage;
                    top.caps.usage = static_cast<std::uint16_t>(usage & 0xFFFF);
                    collections.push_back(std::move(top));
                }
                ++depth;
            } else if (tag == kEndCollection) {
                if (depth == 0) return {};
                --depth;
            } else if ((tag == kInput || tag == kFeature) && depth > 0 && !collections.empty()) {
                auto& bits = tag == kInput ? collections.back().inputBits : collections.back().featureBits;
                AddBits(bits[globals.reportId], std::uint64_t{globals.reportSize} * globals.reportCount);
            }
            usages.clear();
        }
    }
    std::vector<HidCollection> result;
    for (Collection& collection : collections) {
        collection.caps.inputReportLength = LongestReport(collection.inputBits);
        collection.caps.featureReportLength = LongestReport(collection.featureBits);
        HidCollection found{collection.caps, {}};
        for (const auto& [id, bits] : collection.inputBits) {
            if (id != 0) found.inputReportIds.push_back(id);
        }
        result.push_back(std::move(found));
    }
    return result;
}

}  // namespace vx::platform
