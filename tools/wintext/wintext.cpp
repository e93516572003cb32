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
//   --threads        print the number of threads of the processes whose
//                    exe file name is the --process NAME
#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
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

int Usage() {
    std::fputs("usage: wintext [--process NAME] [--title TEXT] [--visible] [--count] [--command ID | --close]\n",
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
        } else if (arg == L"--iconic") {
            options.iconicOnly = true;
        } else if (arg == L"--close") {
            options.postClose = true;
        } else if (arg == L"--count") {
            options.countOnly = true;
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
    if (options.countThreads) {
        std::printf("%zu\n", ThreadsOf(options.process));
        return 0;
    }
    Walk walk{&options, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&walk));

    if (options.countOnly) {
        std::printf("%zu\n", walk.matches.size());
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
