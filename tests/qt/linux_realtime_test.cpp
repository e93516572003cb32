// The device workers' real-time priority against a private bus in the
// place of the system bus: without RealtimeKit they run at the normal
// priority with one line on record; with a stand-in RealtimeKit each asks
// for its own thread within the granted priority, after bounding its
// real-time slices.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/qt/linux_threads.h"

namespace vx::platform {
namespace {

class RecordedLines final : public Diagnostics {
public:
    void Report(std::string_view line) override {
        std::lock_guard lock(mutex_);
        lines_.emplace_back(line);
    }
    std::vector<std::string> Lines() {
        std::lock_guard lock(mutex_);
        return lines_;
    }

private:
    std::mutex mutex_;
    std::vector<std::string> lines_;
};

// Runs the interface thread's events (the stand-in service answers there)
// until `done` or five seconds.
template <typename Done>
bool SpinUntil(Done done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

struct Workers {
    std::atomic<int> finished{0};
    std::mutex mutex;
    std::set<qulonglong> threadIds;
    rlimit slice{};

    void StartTwo(LinuxThreads& threads) {
        for (int i = 0; i < 2; ++i) {
            threads.Start(
                [this] {
                    std::lock_guard lock(mutex);
                    threadIds.insert(static_cast<qulonglong>(gettid()));
                    getrlimit(RLIMIT_RTTIME, &slice);
                    ++finished;
                },
                ThreadPriority::Highest);
        }
    }
};

TEST(LinuxRealtime, WithoutRealtimeKitTheWorkersRunWithOneLineOnRecord) {
    RecordedLines diagnostics;
    LinuxThreads threads(diagnostics);
    Workers workers;
    workers.StartTwo(threads);
    ASSERT_TRUE(SpinUntil([&] { return workers.finished == 2; }));
    const std::vector<std::string> lines = diagnostics.Lines();
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_NE(lines[0].find("normal priority"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("org.freedesktop.DBus.Error.ServiceUnknown"), std::string::npos) << lines[0];
}

TEST(LinuxRealtime, AWorkerAtTheNormalPriorityAsksNothing) {
    RecordedLines diagnostics;
    LinuxThreads threads(diagnostics);
    std::atomic<bool> ran{false};
    threads.Start([&] { ran = true; }, ThreadPriority::Normal);
    ASSERT_TRUE(SpinUntil([&] { return ran.load(); }));
    EXPECT_TRUE(diagnostics.Lines().empty());
}

}  // namespace

// RealtimeKit as the workers see it: its two limits and the one call.
class FakeRealtimeKit final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.RealtimeKit1")
    Q_PROPERTY(int MaxRealtimePriority READ MaxRealtimePriority)
    Q_PROPERTY(qlonglong RTTimeUSecMax READ RTTimeUSecMax)

public:
    int maxPriority = 20;
    std::vector<std::pair<qulonglong, uint>> calls;

    int MaxRealtimePriority() const { return maxPriority; }
    qlonglong RTTimeUSecMax() const { return 200000; }

public Q_SLOTS:
    void MakeThreadRealtime(qulonglong thread, uint priority) { calls.emplace_back(thread, priority); }
};

namespace {

TEST(LinuxRealtime, EachWorkerAsksRealtimeKitForItsOwnThreadWithinTheGrantedPriority) {
    for (const auto& [granted, asked] : {std::pair{20, 5U}, std::pair{3, 3U}}) {
        QDBusConnection service =
            QDBusConnection::connectToBus(QDBusConnection::SystemBus, QStringLiteral("fake-rtkit"));
        ASSERT_TRUE(service.isConnected());
        FakeRealtimeKit fake;
        fake.maxPriority = granted;
        ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/RealtimeKit1"), &fake,
                                           QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
        ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.RealtimeKit1")));

        RecordedLines diagnostics;
        LinuxThreads threads(diagnostics);
        Workers workers;
        workers.StartTwo(threads);
        ASSERT_TRUE(SpinUntil([&] { return workers.finished == 2; }));
        EXPECT_TRUE(diagnostics.Lines().empty()) << diagnostics.Lines().front();
        std::set<qulonglong> asked_for;
        for (const auto& [thread, priority] : fake.calls) {
            asked_for.insert(thread);
            EXPECT_EQ(priority, asked) << "granted " << granted;
        }
        EXPECT_EQ(asked_for, workers.threadIds);
        EXPECT_EQ(workers.slice.rlim_cur, 200000U);
        EXPECT_EQ(workers.slice.rlim_max, 200000U);

        service.unregisterService(QStringLiteral("org.freedesktop.RealtimeKit1"));
        service.unregisterObject(QStringLiteral("/org/freedesktop/RealtimeKit1"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-rtkit"));
    }
}

}  // namespace
}  // namespace vx::platform

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // A private bus stands for the system bus, before anything connects.
    QProcess bus;
    bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=" VX_TEST_SYSTEM_BUS_CONFIG),
                                              QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!bus.waitForReadyRead(5000)) {
        std::fprintf(stderr, "dbus-daemon did not start\n");
        return 1;
    }
    const QByteArray address = bus.readLine().trimmed();
    setenv("DBUS_SYSTEM_BUS_ADDRESS", address.constData(), 1);
    QCoreApplication application(argc, argv);
    const int result = RUN_ALL_TESTS();
    bus.terminate();
    bus.waitForFinished(3000);
    return result;
}

#include "linux_realtime_test.moc"
