#pragma once
// A profile store in memory for tests: files of sections of keys in
// insertion order, write counting, and the read-length cut of the real
// profile functions.
#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/profile_files.h"

namespace vx::platform::testing {

class MapProfileFiles : public ProfileFiles {
public:
    using Section = std::vector<std::pair<std::string, std::string>>;

    std::string ReadString(const std::string& file, std::string_view section, std::string_view key,
                           std::size_t capacity) override {
        const auto* value = Find(file, section, key);
        if (value == nullptr || capacity == 0) return {};
        return value->substr(0, capacity - 1);
    }
    bool WriteString(const std::string& file, std::string_view section, std::string_view key,
                     std::string_view value) override {
        ++writes;
        Section& entries = files_[file][std::string(section)];
        for (auto& entry : entries) {
            if (entry.first == key) {
                entry.second = std::string(value);
                return true;
            }
        }
        entries.emplace_back(std::string(key), std::string(value));
        return true;
    }
    bool WriteStrings(const std::string& file, std::string_view section,
                      const std::vector<ProfileEntry>& entries) override {
        for (const auto& entry : entries) WriteString(file, section, entry.key, entry.value);
        return true;
    }
    bool FileExists(const std::string& file) override { return files_.count(file) != 0; }

    void Set(const std::string& file, const std::string& section, const std::string& key, const std::string& value) {
        WriteString(file, section, key, value);
        writes = 0;
    }
    Section Keys(const std::string& file, const std::string& section) { return files_[file][section]; }

    int writes = 0;

private:
    const std::string* Find(const std::string& file, std::string_view section, std::string_view key) const {
        const auto f = files_.find(file);
        if (f == files_.end()) return nullptr;
        const auto s = f->second.find(std::string(section));
        if (s == f->second.end()) return nullptr;
        for (const auto& entry : s->second) {
            if (entry.first == key) return &entry.second;
        }
        return nullptr;
    }

    std::map<std::string, std::map<std::string, Section>> files_;
};

}  // namespace vx::platform::testing
