#include "app/control_requests.h"

#include "app/control_protocol.h"
#include "app/profile_switch.h"
#include "settings/profiles.h"
#include "settings/settings_file.h"

namespace vx::app {
namespace {

using control::Answer;
using control::Refusal;
using control::Request;
using control::Verb;

std::string Number(std::int32_t value) { return std::to_string(value); }

Answer Status(AppState& state, platform::Platform& platform) {
    const settings::SettingsStore& settings = state.settings;
    return Answer{true,
                  {{"mouse", state.device.link.MouseConnected ? "connected" : "absent"},
                   {"profile", Number(settings.CurrentConfigNumber.load())},
                   {"applied", Number(settings::ReadCurrentConfigNumber(platform.profiles, settings.ConfigPath))},
                   {"language", settings::UsesEnglish(settings.UiLanguage) ? "en" : "cn"},
                   {"autoswitch", state.autoSwitchOn && state.autoSwitchOn() ? "on" : "off"}},
                  {}};
}

Answer Applied(AppState& state, platform::Platform& platform) {
    const std::int32_t number = state.settings.CurrentConfigNumber.load();
    NoticeProfileApplied(state, platform, number);
    return Answer{true, {{"profile", Number(number)}, {"applied", Number(number)}}, {}};
}

Answer Import(AppState& state, platform::Platform& platform, const Request& request) {
    settings::SettingsStore& settings = state.settings;
    switch (settings::ImportSavedConfig(platform.profiles, settings.ConfigPath, request.profile, request.file)) {
        case settings::SavedImport::NothingToImport:
            return Refusal("import: " + request.file + " holds no profile ([Config7])");
        case settings::SavedImport::NotWritten: return Refusal("import: config.ini could not be written");
        case settings::SavedImport::Imported: break;
    }
    // The profile shown now shows what was imported.
    if (request.profile == settings.CurrentConfigNumber.load()) {
        settings::SwitchConfig(settings, platform.profiles, request.profile);
        platform.window.Invalidate();
    }
    return Answer{true, {{"profile", Number(request.profile)}}, {}};
}

Answer CarryOut(AppState& state, platform::Platform& platform, Subsystems& subsystems, const Request& request) {
    switch (request.verb) {
        case Verb::Status: return Status(state, platform);
        case Verb::Profile:
            if (!SwitchAndApplyProfile(state, platform, subsystems, request.profile)) {
                return Refusal(state.shutdownStarted ? "profile: the program is ending"
                                                     : "profile: the mouse is not connected");
            }
            return Applied(state, platform);
        case Verb::Apply:
            subsystems.ApplyConfiguration();
            platform.window.Invalidate();
            return Applied(state, platform);
        case Verb::Export:
            if (!settings::ExportSavedConfig(platform.profiles, state.settings.ConfigPath, request.profile,
                                             request.file)) {
                return Refusal("export: " + request.file + " could not be written");
            }
            return Answer{true, {{"profile", Number(request.profile)}}, {}};
        case Verb::Import: return Import(state, platform, request);
    }
    return Refusal("unknown request");
}

}  // namespace

std::string AnswerControlRequest(AppState& state, platform::Platform& platform, Subsystems& subsystems,
                                 const std::string& line) {
    const control::ParsedRequest parsed = control::ParseRequest(line);
    Answer answer = Refusal(parsed.error);
    if (state.shutdownStarted) {
        answer = Refusal("the program is ending");
    } else if (parsed.request) {
        answer = CarryOut(state, platform, subsystems, *parsed.request);
    }
    if (!answer.ok) platform.diagnostics.Report("vx230ctl request refused: " + answer.error);
    return control::FormatAnswer(answer);
}

void ServeControlRequests(AppState& state, platform::Platform& platform, Subsystems& subsystems) {
    platform.process.ServeControlRequests([&state, &platform, &subsystems](const std::string& line) {
        return AnswerControlRequest(state, platform, subsystems, line);
    });
}

}  // namespace vx::app
