// The only file of the conformance runner that talks to the platform's
// process interface.
#include "conform/child_process.hpp"

#include <fmt/format.h>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <thread>
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace cutting::host::conform {

namespace {
using Clock = std::chrono::steady_clock;

std::string TimedOutText(std::chrono::milliseconds timeout) {
    return fmt::format("timed out after {:g} s and was stopped", static_cast<double>(timeout.count()) / 1000.0);
}
}  // namespace

#if defined(_WIN32)

namespace {

// Quotes one argument so that the C runtime's parser gives it back unchanged.
std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
        } else if (c == L'"') {
            quoted.append(backslashes * 2 + 1, L'\\');
            quoted += c;
            backslashes = 0;
        } else {
            quoted.append(backslashes, L'\\');
            quoted += c;
            backslashes = 0;
        }
    }
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

LONG WINAPI ExitWithExceptionCode(EXCEPTION_POINTERS* exception) {
    TerminateProcess(GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

ChildOutcome RunChild(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                      std::chrono::milliseconds timeout) {
    ChildOutcome outcome;
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr, errorReadEnd = nullptr, errorWriteEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        outcome.output = "cannot create a pipe";
        return outcome;
    }
    if (!CreatePipe(&errorReadEnd, &errorWriteEnd, &inherit, 0)) {
        CloseHandle(readEnd);
        CloseHandle(writeEnd);
        outcome.output = "cannot create a pipe";
        return outcome;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errorReadEnd, HANDLE_FLAG_INHERIT, 0);

    const std::wstring programPath = std::filesystem::absolute(program).wstring();
    std::wstring commandLine = QuoteArgument(programPath);
    for (const std::string& argument : arguments) commandLine += L" " + QuoteArgument(Widen(argument));

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = errorWriteEnd;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(programPath.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    CloseHandle(errorWriteEnd);
    if (!started) {
        CloseHandle(readEnd);
        CloseHandle(errorReadEnd);
        outcome.output = fmt::format("cannot start {} (error {})", program.string(), GetLastError());
        return outcome;
    }
    CloseHandle(process.hThread);

    auto drain = [](HANDLE from, std::string* into) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(from, buffer, sizeof buffer, &got, nullptr) && got > 0) into->append(buffer, got);
    };
    std::thread reader(drain, readEnd, &outcome.output);
    std::thread errorReader(drain, errorReadEnd, &outcome.errors);
    const DWORD waited = WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeout.count()));
    if (waited == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
        outcome.end = ChildOutcome::End::TimedOut;
    }
    reader.join();
    errorReader.join();
    CloseHandle(readEnd);
    CloseHandle(errorReadEnd);
    if (outcome.end != ChildOutcome::End::TimedOut) {
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        outcome.code = code;
        // Exit codes from 0xC0000000 up are exception codes: the child crashed.
        outcome.end = code >= 0xC0000000u ? ChildOutcome::End::Crashed : ChildOutcome::End::Exited;
    }
    CloseHandle(process.hProcess);
    return outcome;
}

void PrepareChildForCrashes() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(ExitWithExceptionCode);
}

std::string ChildOutcome::Describe(std::chrono::milliseconds timeout) const {
    switch (end) {
        case End::Exited: return fmt::format("exit code {}", code);
        case End::Crashed: {
            const char* name = code == 0xC0000005u   ? " access violation"
                               : code == 0xC00000FDu ? " stack overflow"
                               : code == 0xC0000094u ? " integer division by zero"
                               : code == 0xC0000409u ? " stack buffer overrun"
                               : code == 0xC0000374u ? " heap corruption"
                                                     : "";
            return fmt::format("crashed:{} (exception 0x{:08X})", name, code);
        }
        case End::TimedOut: return TimedOutText(timeout);
        case End::NotStarted: return output;
    }
    return "unknown";
}

#else

ChildOutcome RunChild(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                      std::chrono::milliseconds timeout) {
    ChildOutcome outcome;
    int outPipe[2], errorPipe[2];
    if (pipe(outPipe) != 0) {
        outcome.output = std::string("cannot create a pipe: ") + std::strerror(errno);
        return outcome;
    }
    if (pipe(errorPipe) != 0) {
        close(outPipe[0]);
        close(outPipe[1]);
        outcome.output = std::string("cannot create a pipe: ") + std::strerror(errno);
        return outcome;
    }
    for (int end : {outPipe[0], outPipe[1], errorPipe[0], errorPipe[1]}) fcntl(end, F_SETFD, FD_CLOEXEC);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // dup2 clears close-on-exec on the child's stdout and stderr.
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errorPipe[1], STDERR_FILENO);

    const std::string programText = program.string();
    std::vector<std::string> texts{programText};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : texts) argv.push_back(text.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, programText.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errorPipe[1]);
    if (spawned != 0) {
        close(outPipe[0]);
        close(errorPipe[0]);
        outcome.output = fmt::format("cannot start {}: {}", programText, std::strerror(spawned));
        return outcome;
    }

    const Clock::time_point deadline = Clock::now() + timeout;
    auto remainingMs = [deadline] {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        return left > 0 ? static_cast<int>(left) : 0;
    };
    // Read both streams until the child closes them (usually by ending).
    bool timedOut = false;
    pollfd pollers[2] = {{outPipe[0], POLLIN, 0}, {errorPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&outcome.output, &outcome.errors};
    while (pollers[0].fd >= 0 || pollers[1].fd >= 0) {
        const int ready = poll(pollers, 2, remainingMs());
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            timedOut = ready == 0;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (pollers[i].fd < 0 || pollers[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t got = read(pollers[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(got));
            } else if (!(got < 0 && errno == EINTR)) {
                close(pollers[i].fd);
                pollers[i].fd = -1;  // poll ignores negative descriptors
            }
        }
    }
    for (const pollfd& poller : pollers) {
        if (poller.fd >= 0) close(poller.fd);
    }

    int status = 0;
    while (!timedOut) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) break;
        if (remainingMs() == 0) {
            timedOut = true;
            break;
        }
        usleep(2000);
    }
    if (timedOut) {
        kill(pid, SIGKILL);
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        outcome.end = ChildOutcome::End::TimedOut;
    } else if (WIFSIGNALED(status)) {
        outcome.end = ChildOutcome::End::Crashed;
        outcome.code = static_cast<unsigned long>(WTERMSIG(status));
    } else {
        outcome.end = ChildOutcome::End::Exited;
        outcome.code = static_cast<unsigned long>(WEXITSTATUS(status));
    }
    return outcome;
}

void PrepareChildForCrashes() {
    // The default actions of the crash signals end the process, which is
    // what the parent wants to see; undo anything that changed them.
    for (int signalNumber : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) std::signal(signalNumber, SIG_DFL);
}

std::string ChildOutcome::Describe(std::chrono::milliseconds timeout) const {
    switch (end) {
        case End::Exited: return fmt::format("exit code {}", code);
        case End::Crashed: {
            const int number = static_cast<int>(code);
            const char* name = number == SIGSEGV   ? " (SIGSEGV)"
                               : number == SIGBUS  ? " (SIGBUS)"
                               : number == SIGFPE  ? " (SIGFPE)"
                               : number == SIGILL  ? " (SIGILL)"
                               : number == SIGABRT ? " (SIGABRT)"
                               : number == SIGKILL ? " (SIGKILL)"
                                                   : "";
            return fmt::format("crashed: signal {}{}", code, name);
        }
        case End::TimedOut: return TimedOutText(timeout);
        case End::NotStarted: return output;
    }
    return "unknown";
}

#endif

}  // namespace cutting::host::conform
