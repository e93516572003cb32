// wintext: prints the top-level windows of the current desktop and their
// child windows as UTF-8, one window per line, so that scripts can check a
// window's exact text:
//   <hwnd> <TAB> <process exe> <TAB> <class> <TAB> <title>        (top level)
//   "  " <hwnd> <TAB> <control id> <TAB> <class> <TAB> <text>     (child)
// Backslashes, tabs and line breaks in texts are written as \\, \t, \n, \r.
//
// Options:
//   --process NAME   only windows of processes whose exe file name is NAME
//   --title TEXT     only top-level windows whose title is exactly TEXT (UTF-8)
//   --visible        only visible top-level windows
//   --iconic         only minimised top-level windows
//   --count          print only the number of matching top-level windows
//   --command ID     post WM_COMMAND ID (e.g. 1 = OK) to every matching
//                    top-level window instead of printing
//   --close          post WM_CLOSE to every matching top-level window
//   --activate       bring the first matching visible window to the front
//   --activate-each A,B,...  bring a visible window of each process in turn
//                    to the front, 0.1 s apart (an Alt+Tab through them)
//   --time-reports FILE  with --activate: wait for the next " OUT " line of
//                    the simulated mouse's log FILE and print the
//                    milliseconds from the activation to it (-1 after 10 s)
//   --threads        print the number of threads of the processes whose
//                    exe file name is the --process NAME
//   --usage          for each process whose exe file name is the --process
//                    NAME: "<pid> handles=N threads=N working_set_kb=N
//                    pagefile_kb=N" (what a leak would make grow)
//   --paths          for each such process: "<pid> <TAB> <full exe path>"
//   --terminate      ends each such process; prints how many
#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Options {
    std::wstring process;
    std::wstring title;
    bool visibleOnly = false;
    bool iconicOnly = false;
    bool countThreads = false;
    bool usage = false;
    bool paths = false;
    bool terminate = false;
    bool activate = false;
    std::wstring reportLog;
    std::vector<std::wstring> activateEach;
    bool countOnly = false;
    bool postCommand = false;
    bool postClose = false;
    WORD commandId = 0;
};

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: out += c;
        }
    }
    return out;
}

std::wstring WindowText(HWND hwnd) {
    // WM_GETTEXT reads other processes' controls too; a hung window gives up.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             2000, &got)) {
        return {};
    }
    text.resize(got < length ? static_cast<std::size_t>(got) : static_cast<std::size_t>(length));
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    int got = GetClassNameW(hwnd, name, 256);
    return std::wstring(name, got > 0 ? static_cast<std::size_t>(got) : 0);
}

std::wstring ProcessExe(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (process == nullptr) return {};
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    std::wstring name;
    if (QueryFullProcessImageNameW(process, 0, path, &size)) {
        name.assign(path, size);
        std::size_t slash = name.find_last_of(L"\\/");
        if (slash != std::wstring::npos) name.erase(0, slash + 1);
    }
    CloseHandle(process);
    return name;
}

struct ProcessEntry {
    DWORD pid = 0;
    DWORD threads = 0;
};

// Every process whose exe file name is `exe`.
std::vector<ProcessEntry> ProcessesNamed(const std::wstring& exe) {
    std::vector<ProcessEntry> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return found;
    PROCESSENTRY32W process{};
    process.dwSize = sizeof(process);
    for (BOOL more = Process32FirstW(snapshot, &process); more; more = Process32NextW(snapshot, &process)) {
        if (_wcsicmp(process.szExeFile, exe.c_str()) == 0) found.push_back({process.th32ProcessID, process.cntThreads});
    }
    CloseHandle(snapshot);
    return found;
}

// Handles of `pid` in the system's handle list (Wine answers
// GetProcessHandleCount for any process with 0).
DWORD HandlesInSystemList(DWORD pid) {
    using Query = LONG(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr) return 0;
    struct Entry {  // SYSTEM_HANDLE_TABLE_ENTRY_INFO
        ULONG ownerPid;
        UCHAR objectType;
        UCHAR flags;
        USHORT handle;
        PVOID object;
        ACCESS_MASK access;
    };
    constexpr ULONG kSystemHandleInformation = 16;
    constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004L);
    std::vector<char> buffer(1 << 20);
    ULONG needed = 0;
    LONG status = 0;
    while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
               kInfoLengthMismatch &&
           buffer.size() < (1u << 28)) {
        buffer.resize(buffer.size() * 2);
    }
    if (status != 0) return 0;
    ULONG count = 0;
    std::memcpy(&count, buffer.data(), sizeof count);
    const std::size_t first = sizeof(void*);  // the count, padded
    count = std::min<ULONG>(count, static_cast<ULONG>((buffer.size() - first) / sizeof(Entry)));
    DWORD handles = 0;
    for (ULONG i = 0; i < count; ++i) {
        Entry entry{};
        std::memcpy(&entry, buffer.data() + first + i * sizeof(Entry), sizeof entry);
        handles += entry.ownerPid == pid ? 1 : 0;
    }
    return handles;
}

void PrintUsage(const ProcessEntry& entry) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, entry.pid);
    if (process == nullptr) return;
    DWORD handles = 0;
    if (!GetProcessHandleCount(process, &handles) || handles == 0) handles = HandlesInSystemList(entry.pid);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process, &memory, sizeof(memory));
    CloseHandle(process);
    std::printf("%lu handles=%lu threads=%lu working_set_kb=%llu pagefile_kb=%llu\n", entry.pid, handles,
                entry.threads, static_cast<unsigned long long>(memory.WorkingSetSize / 1024),
                static_cast<unsigned long long>(memory.PagefileUsage / 1024));
}

void PrintPath(const ProcessEntry& entry) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.pid);
    if (process == nullptr) return;
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    if (QueryFullProcessImageNameW(process, 0, path, &size)) {
        std::printf("%lu\t%s\n", entry.pid, Escape(ToUtf8(std::wstring(path, size))).c_str());
    }
    CloseHandle(process);
}

bool Terminate(const ProcessEntry& entry) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.pid);
    if (process == nullptr) return false;
    const bool ended = TerminateProcess(process, 1) && WaitForSingleObject(process, 5000) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

// Threads of every process whose exe file name is `exe`.
std::size_t ThreadsOf(const std::wstring& exe) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS | TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    std::vector<DWORD> pids;
    PROCESSENTRY32W process{};
    process.dwSize = sizeof(process);
    for (BOOL more = Process32FirstW(snapshot, &process); more; more = Process32NextW(snapshot, &process)) {
        if (_wcsicmp(process.szExeFile, exe.c_str()) == 0) pids.push_back(process.th32ProcessID);
    }
    std::size_t count = 0;
    THREADENTRY32 thread{};
    thread.dwSize = sizeof(thread);
    for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread)) {
        for (DWORD pid : pids) count += thread.th32OwnerProcessID == pid ? 1 : 0;
    }
    CloseHandle(snapshot);
    return count;
}

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    char head[64];
    std::snprintf(head, sizeof head, "  %p\t%d\t", static_cast<void*>(child), GetDlgCtrlID(child));
    Print(head + Escape(ToUtf8(ClassOf(child))) + "\t" + Escape(ToUtf8(WindowText(child))));
    return TRUE;
}

struct Walk {
    const Options* options;
    std::vector<HWND> matches;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM param) {
    auto* walk = reinterpret_cast<Walk*>(param);
    const Options& options = *walk->options;
    if (options.visibleOnly && !IsWindowVisible(hwnd)) return TRUE;
    if (options.iconicOnly && !IsIconic(hwnd)) return TRUE;
    if (!options.title.empty() && WindowText(hwnd) != options.title) return TRUE;
    if (!options.process.empty() && _wcsicmp(ProcessExe(hwnd).c_str(), options.process.c_str()) != 0) return TRUE;
    walk->matches.push_back(hwnd);
    return TRUE;
}

// The " OUT " lines of the simulated mouse's log (reports sent).
std::size_t ReportLines(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    std::string text;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    CloseHandle(file);
    std::size_t count = 0;
    for (std::size_t at = text.find(" OUT "); at != std::string::npos; at = text.find(" OUT ", at + 1)) ++count;
    return count;
}

int Usage() {
    std::fputs(
        "usage: wintext [--process NAME] [--title TEXT] [--visible] [--count] [--command ID | --close | --activate]\n"
        "       wintext --process NAME (--threads | --usage | --paths | --terminate)\n",
        stderr);
    return 2;
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::wstring arg = argv[i];
        auto next = [&]() -> const wchar_t* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == L"--visible") {
            options.visibleOnly = true;
        } else if (arg == L"--threads") {
            options.countThreads = true;
        } else if (arg == L"--usage") {
            options.usage = true;
        } else if (arg == L"--paths") {
            options.paths = true;
        } else if (arg == L"--terminate") {
            options.terminate = true;
        } else if (arg == L"--iconic") {
            options.iconicOnly = true;
        } else if (arg == L"--activate") {
            options.activate = true;
            options.visibleOnly = true;
        } else if (arg == L"--close") {
            options.postClose = true;
        } else if (arg == L"--count") {
            options.countOnly = true;
        } else if (arg == L"--activate-each") {
            const wchar_t* value = next();
            if (value == nullptr) return Usage();
            std::wstring list = value;
            for (std::size_t start = 0; start <= list.size();) {
                const std::size_t comma = std::min(list.find(L',', start), list.size());
                if (comma > start) options.activateEach.push_back(list.substr(start, comma - start));
                start = comma + 1;
            }
        } else if (arg == L"--time-reports") {
            const wchar_t* value = next();
            if (value == nullptr) return Usage();
            options.reportLog = value;
        } else if (arg == L"--process" || arg == L"--title" || arg == L"--command") {
            const wchar_t* value = next();
            if (value == nullptr) return Usage();
            if (arg == L"--process") options.process = value;
            if (arg == L"--title") options.title = value;
            if (arg == L"--command") {
                options.postCommand = true;
                options.commandId = static_cast<WORD>(std::wcstoul(value, nullptr, 10));
            }
        } else {
            return Usage();
        }
    }
    if (options.usage || options.paths || options.terminate) {
        if (options.process.empty()) return Usage();
        std::size_t ended = 0;
        for (const ProcessEntry& entry : ProcessesNamed(options.process)) {
            if (options.usage) PrintUsage(entry);
            if (options.paths) PrintPath(entry);
            if (options.terminate) ended += Terminate(entry) ? 1 : 0;
        }
        if (options.terminate) std::printf("%zu\n", ended);
        std::fflush(stdout);
        return 0;
    }
    if (options.countThreads) {
        std::printf("%zu\n", ThreadsOf(options.process));
        return 0;
    }
    if (!options.activateEach.empty()) {
        std::size_t activated = 0;
        for (const std::wstring& process : options.activateEach) {
            Options one;
            one.process = process;
            one.visibleOnly = true;
            Walk each{&one, {}};
            EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&each));
            if (each.matches.empty()) continue;
            if (activated > 0) Sleep(100);
            SetForegroundWindow(each.matches.front());
            ++activated;
        }
        std::printf("%zu\n", activated);
        return activated == options.activateEach.size() ? 0 : 1;
    }
    Walk walk{&options, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&walk));

    if (options.countOnly) {
        std::printf("%zu\n", walk.matches.size());
        return 0;
    }
    if (options.activate && !options.reportLog.empty()) {
        if (walk.matches.empty()) return 1;
        const std::size_t before = ReportLines(options.reportLog);
        LARGE_INTEGER frequency{}, start{}, now{};
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        SetForegroundWindow(walk.matches.front());
        double elapsedMs = 0;
        do {
            Sleep(1);
            QueryPerformanceCounter(&now);
            elapsedMs =
                1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
        } while (ReportLines(options.reportLog) <= before && elapsedMs < 10000);
        std::printf("%.2f\n", elapsedMs < 10000 ? elapsedMs : -1.0);
        return 0;
    }
    if (options.activate) {
        if (walk.matches.empty()) return 1;
        SetForegroundWindow(walk.matches.front());
        std::printf("%d\n", GetForegroundWindow() == walk.matches.front() ? 1 : 0);
        return 0;
    }
    if (options.postCommand || options.postClose) {
        for (HWND hwnd : walk.matches) {
            if (options.postClose) {
                PostMessageW(hwnd, WM_CLOSE, 0, 0);
            } else {
                PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(options.commandId, BN_CLICKED), 0);
            }
        }
        std::printf("%zu\n", walk.matches.size());
        return walk.matches.empty() ? 1 : 0;
    }
    for (HWND hwnd : walk.matches) {
        char head[32];
        std::snprintf(head, sizeof head, "%p\t", static_cast<void*>(hwnd));
        Print(head + Escape(ToUtf8(ProcessExe(hwnd))) + "\t" + Escape(ToUtf8(ClassOf(hwnd))) + "\t" +
              Escape(ToUtf8(WindowText(hwnd))));
        EnumChildWindows(hwnd, PrintChild, 0);
    }
    std::fflush(stdout);
    return 0;
}
