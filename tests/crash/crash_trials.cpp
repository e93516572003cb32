// Crash trials of the settings writer: a child process saves grouped
// changes into config.ini through the real file system, one section per
// change, while this process kills it with SIGKILL at a random moment.
// After each kill the file must parse, hold every section and key, and
// each section must hold one generation of values (all old or all new).
// Then the next start's clean-up must leave no temporary file behind.
//
//     crash_trials <trials per encoding> [scratch folder]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/portable/ini_document.h"
#include "platform/portable/portable_profile_files.h"
#include "platform/posix/posix_file_system.h"
#include "platform/testing/recording_diagnostics.h"

namespace {

using namespace vx;
namespace fs = std::filesystem;

constexpr int kSections = 6;
constexpr int kKeys = 12;

std::string SectionName(int s) { return "Config" + std::to_string(s); }

std::vector<platform::ProfileEntry> Generation(int section, long generation) {
    std::vector<platform::ProfileEntry> entries;
    for (int k = 0; k < kKeys; ++k) {
        // Values of varying length, so a torn write would also move lines.
        entries.push_back(
            {"K" + std::to_string(k),
             std::to_string(generation) + std::string(static_cast<std::size_t>((generation + k + section) % 7), 'x')});
    }
    return entries;
}

// The child: saves generation after generation until it is killed.
[[noreturn]] void Writer(const std::string& path, platform::IniEncoding encoding) {
    platform::PosixFileSystem files;
    platform::testing::RecordingDiagnostics diagnostics;
    platform::PortableProfileFiles profiles(files, diagnostics, encoding);
    for (long generation = 1;; ++generation) {
        for (int s = 0; s < kSections; ++s) profiles.WriteStrings(path, SectionName(s), Generation(s, generation));
    }
}

// Empty when the file is whole; otherwise what is wrong.
std::string Check(const std::string& path, platform::IniEncoding encoding, long& newest) {
    platform::PosixFileSystem files;
    const auto bytes = files.ReadAll(path);
    if (!bytes) return "config.ini is gone";
    const platform::IniDocument doc = platform::IniDocument::Parse(*bytes);
    if (doc.Encoding() != encoding) return "the encoding changed";
    long previous = -1;
    for (int s = 0; s < kSections; ++s) {
        long generation = -1;
        for (int k = 0; k < kKeys; ++k) {
            const auto value = doc.Find(SectionName(s), "K" + std::to_string(k));
            if (!value) return SectionName(s) + " lost K" + std::to_string(k);
            const long g = std::stol(*value);
            if (generation >= 0 && g != generation) return SectionName(s) + " is torn";
            generation = g;
            if (*value != Generation(s, g)[static_cast<std::size_t>(k)].value) return "a value is damaged";
        }
        // Sections are saved in order: each one is as new as the next or one newer.
        if (previous >= 0 && generation != previous && generation != previous - 1) return "sections out of step";
        previous = generation;
        if (s == 0) newest = generation;
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    const int trials = argc > 1 ? std::atoi(argv[1]) : 200;
    const fs::path scratch = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path() / "vx_crash_trials";
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> killAfterUs(0, 20000);
    int passedSets = 0, failedSets = 0;

    for (const auto encoding : {platform::IniEncoding::Utf8, platform::IniEncoding::Utf16LeBom}) {
        const char* name = encoding == platform::IniEncoding::Utf8 ? "UTF-8" : "UTF-16LE with BOM";
        int failures = 0, leftTemporaries = 0, killedMidway = 0;
        long mostGenerations = 0;
        for (int trial = 0; trial < trials; ++trial) {
            fs::remove_all(scratch);
            fs::create_directories(scratch);
            const std::string path = (scratch / "config.ini").string();
            {
                platform::PosixFileSystem files;
                platform::testing::RecordingDiagnostics diagnostics;
                platform::PortableProfileFiles profiles(files, diagnostics, encoding);
                for (int s = 0; s < kSections; ++s) profiles.WriteStrings(path, SectionName(s), Generation(s, 0));
            }
            const pid_t child = ::fork();
            if (child < 0) {
                std::perror("fork");
                return 2;
            }
            if (child == 0) Writer(path, encoding);
            std::this_thread::sleep_for(std::chrono::microseconds(killAfterUs(random)));
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);

            long newest = 0;
            const std::string problem = Check(path, encoding, newest);
            int temporaries = 0;
            for (const auto& entry : fs::directory_iterator(scratch))
                temporaries += entry.path().filename() != "config.ini";
            leftTemporaries += temporaries;
            killedMidway += newest > 0;
            mostGenerations = std::max(mostGenerations, newest);
            platform::PosixFileSystem files;
            files.RemoveStaleTemporaries(path);
            int remaining = 0;
            for ([[maybe_unused]] const auto& entry : fs::directory_iterator(scratch)) ++remaining;
            const std::string failure = !problem.empty() ? problem : remaining != 1 ? "temporary files stayed" : "";
            if (!failure.empty()) {
                ++failures;
                std::printf("trial %d (%s): %s\n", trial, name, failure.c_str());
            }
        }
        fs::remove_all(scratch);
        std::printf(
            "crash trials, %s: %d trials, %d failed; %d killed after some saves (up to generation %ld), "
            "%d temporary files left by kills, all removed by the clean-up\n",
            name, trials, failures, killedMidway, mostGenerations, leftTemporaries);
        (failures == 0 ? passedSets : failedSets)++;
    }
    std::printf("Crash trials: %d passed, %d failed\n", passedSets, failedSets);
    return failedSets == 0 ? 0 : 1;
}
