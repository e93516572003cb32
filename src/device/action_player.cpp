#include "device/action_player.h"

#include <algorithm>
#include <mutex>

#include "device/button_functions.h"
#include "device/command_tables.h"
#include "device/delay_pacer.h"
#include "device/feature_report.h"
#include "macro/macro_store.h"
#include "settings/settings_file.h"

namespace vx::device {
namespace {

// Every macro code names a record the store holds.
constexpr bool RunsFit(ButtonFunctionKind kind, std::size_t slots) {
    for (const ButtonFunctionRun& run : kButtonFunctionRuns) {
        if (run.kind == kind && static_cast<std::size_t>(run.last - run.first) >= slots) return false;
    }
    return true;
}
static_assert(RunsFit(ButtonFunctionKind::UserMacro, macro::kUserMacroSlots));
static_assert(RunsFit(ButtonFunctionKind::ConstantMacro, macro::kConstantMacroSlots));

constexpr std::uint8_t kButtonEventBase = 0xF0;
constexpr std::uint8_t kMouseButtonBits = 0x07;
constexpr std::uint8_t kHighestUsbSpeed = 3;

void SendKeyboardKeys(WorkerContext& context) {
    DeviceSession& session = context.session;
    std::lock_guard lock(session.ReportLock);
    if (session.player.halted) return;
    session.ReportBuffer[0] = kFeatureReportId;
    session.ReportBuffer[1] = kCmdKeyboardKeys;
    std::copy(session.player.KeySlots.begin(), session.player.KeySlots.end(), session.ReportBuffer.begin() + 2);
    SendFeatureReport(session, ReportSink{context.hid, context.diagnostics});
}

void SendMouseButtons(WorkerContext& context) {
    DeviceSession& session = context.session;
    std::lock_guard lock(session.ReportLock);
    if (session.player.halted) return;
    session.ReportBuffer[0] = kFeatureReportId;
    session.ReportBuffer[1] = kCmdMouseButtons;
    session.ReportBuffer[3] = session.player.MouseButtonState;
    SendFeatureReport(session, ReportSink{context.hid, context.diagnostics});
}

void PressKey(std::array<std::uint8_t, 6>& slots, std::uint8_t code) {
    const auto free = std::find(slots.begin(), slots.end(), std::uint8_t{0});
    if (free != slots.end()) *free = code;  // a seventh key is dropped
}

void ReleaseKey(std::array<std::uint8_t, 6>& slots, std::uint8_t code) {
    const auto held = std::find(slots.begin(), slots.end(), code);
    if (held != slots.end()) std::copy(held + 1, slots.end(), held);
    slots.back() = 0;
}

void ReleaseAllPaced(WorkerContext& context, DelayPacer& pacer) {
    pacer.Wait(kReleasePauseMs);
    context.session.player.MouseButtonState |= kMouseButtonBits;
    SendMouseButtons(context);
    pacer.Wait(kReleasePauseMs);
    context.session.player.KeySlots.fill(0);
    SendKeyboardKeys(context);
}

// What the player needs of the configuration for one press, read under
// ConfigLock together with the mirrored change.
struct PressPlan {
    std::int32_t function = 0;
    bool mirrorsDpiLevel = false;
    bool mirrorsUsbSpeed = false;
    bool holdMode = false;
    bool playsMacro = false;
    int passes = 0;
    macro::MacroRecord record;  // the copy that is played
};

void PlanPress(WorkerContext& context, int button, std::uint8_t eventValue, PressPlan& plan) {
    const auto index = static_cast<std::size_t>(button);
    settings::SettingsStore& settings = context.settings;
    std::lock_guard lock(settings.ConfigLock);
    plan.function = settings.config.Button(button);
    plan.mirrorsDpiLevel = context.session.applied.MirrorsDpiLevel[index];
    plan.mirrorsUsbSpeed = context.session.applied.MirrorsUsbSpeed[index];
    plan.holdMode = settings.config.MACRO_MODE2 != 0;
    if (plan.mirrorsDpiLevel) settings.config.DPI_LEVEL = eventValue;
    if (plan.mirrorsUsbSpeed) {
        const std::uint8_t speed = settings.config.USB_SPEED;
        settings.config.USB_SPEED = speed == kHighestUsbSpeed ? 0 : static_cast<std::uint8_t>(speed + 1);
    }
    const ButtonFunction function = ClassifyButtonFunction(plan.function);
    const auto slot = static_cast<std::size_t>(function.slot);
    if (function.kind == ButtonFunctionKind::UserMacro) {
        plan.record = context.macros.user[slot];
        plan.playsMacro = true;
        if (plan.holdMode) {
            plan.passes = kHoldModePasses;
        } else {
            plan.passes = plan.record.repeatEnabled != 0 ? plan.record.repeatCount : 1;
        }
    } else if (function.kind == ButtonFunctionKind::ConstantMacro) {
        plan.record = context.macros.constant[slot];
        plan.playsMacro = true;
        plan.passes = 1;
    }
}

void StartProgram(WorkerContext& context, platform::SystemProgram program) {
    if (!context.shell.StartProgram(program)) {
        context.diagnostics.Report(std::string("program not started: ") + platform::SystemProgramName(program) +
                                   ": the system refused it");
    }
}

void CarryOut(WorkerContext& context, const PressPlan& plan) {
    settings::SettingsStore& settings = context.settings;
    if (plan.mirrorsDpiLevel) {
        context.requestRepaint();
        settings::SaveDpiLevel(settings, context.profiles, settings.ConfigPath, settings.CurrentConfigNumber.load());
    }
    if (plan.mirrorsUsbSpeed) {
        context.requestRepaint();
        settings::SaveUsbSpeed(settings, context.profiles, settings.ConfigPath, settings.CurrentConfigNumber.load());
    }
    if (plan.playsMacro) return PlayMacro(context, plan.record, plan.passes);
    switch (ClassifyButtonFunction(plan.function).kind) {
        case ButtonFunctionKind::ConsumerKey:
            if (const auto usage = ConsumerUsageOf(plan.function)) SendConsumerKey(context, *usage);
            break;
        case ButtonFunctionKind::StartCalculator: StartProgram(context, platform::SystemProgram::Calculator); break;
        case ButtonFunctionKind::StartCommandPrompt:
            StartProgram(context, platform::SystemProgram::CommandPrompt);
            break;
        default: break;
    }
}

}  // namespace

void SendMacroEvent(WorkerContext& context, std::uint8_t code, std::uint8_t action) {
    PlayerState& player = context.session.player;
    if (code < macro::MouseLeftCode) {
        if (action == macro::ActionPress) PressKey(player.KeySlots, code);
        if (action == macro::ActionRelease) ReleaseKey(player.KeySlots, code);
        SendKeyboardKeys(context);
        return;
    }
    if (code <= macro::MouseMiddleCode) {
        const auto bit = static_cast<std::uint8_t>(1u << (code - macro::MouseLeftCode));
        if (action == macro::ActionPress)
            player.MouseButtonState = static_cast<std::uint8_t>(player.MouseButtonState & ~bit);
        if (action == macro::ActionRelease)
            player.MouseButtonState = static_cast<std::uint8_t>(player.MouseButtonState | bit);
    }
    SendMouseButtons(context);
}

void ReleaseAll(WorkerContext& context) {
    DelayPacer pacer(context.clock);
    ReleaseAllPaced(context, pacer);
}

void PlayMacro(WorkerContext& context, const macro::MacroRecord& record, int passes) {
    DelayPacer pacer(context.clock);
    const std::size_t events = std::min<std::size_t>(record.eventCount, macro::kMacroEventSlots);
    for (int pass = 1; pass <= passes; ++pass) {
        for (std::size_t k = 0; k < events; ++k) {
            SendMacroEvent(context, record.events[k].code, record.events[k].action);
            pacer.Wait(std::max<int>(record.delays[k], kMinimumMacroDelayMs));
        }
        ReleaseAllPaced(context, pacer);
        // Looked at only between passes: a pass always runs to its end.
        if (context.session.StopRequested.load(std::memory_order_acquire)) break;
    }
}

void SendConsumerKey(WorkerContext& context, std::uint16_t usage) {
    DeviceSession& session = context.session;
    std::lock_guard lock(session.ReportLock);
    if (session.player.halted) return;
    session.ReportBuffer[0] = kFeatureReportId;
    session.ReportBuffer[1] = kCmdConsumerKey;
    session.ReportBuffer[2] = static_cast<std::uint8_t>(usage >> 8);
    session.ReportBuffer[3] = static_cast<std::uint8_t>(usage & 0xFF);
    SendFeatureReport(session, ReportSink{context.hid, context.diagnostics});
}

void RunAction(WorkerContext& context, std::uint8_t eventCode, std::uint8_t eventValue) {
    for (int button = 0; button < kButtonCount; ++button) {
        if (kButtonEventBase + DeviceButtonNumbers[static_cast<std::size_t>(button)] != eventCode) continue;
        PressPlan plan;
        PlanPress(context, button, eventValue, plan);
        CarryOut(context, plan);
        return;  // the numbers are distinct: one button at most
    }
}

void ActionPlayerStep(WorkerContext& context) {
    DeviceSession& session = context.session;
    if (!session.ActionRunning.load(std::memory_order_acquire)) {
        session.StopRequested.store(false, std::memory_order_release);
        if (context.idle == PlayerIdle::WakeOnHandOver) {
            context.wake.WaitForWake();
        } else {
            context.clock.SleepMs(kPlayerPollMs);
        }
        return;
    }
    // Written before ActionRunning was raised, so they belong to this press.
    const std::uint8_t code = session.PendingEventCode.load(std::memory_order_relaxed);
    const std::uint8_t value = session.PendingEventValue.load(std::memory_order_relaxed);
    RunAction(context, code, value);
    session.ActionRunning.store(false, std::memory_order_release);
    session.StopRequested.store(false, std::memory_order_release);
    context.clock.SleepMs(kPlayerPollMs);
}

void ActionPlayer(WorkerContext& context) {
    while (!context.session.player.workersStop.load(std::memory_order_acquire)) {
        ActionPlayerStep(context);
    }
}

}  // namespace vx::device
