#include "platform/kit/KitScript.h"

#include <windows.h>

#include <memory>
#include <thread>
#include <utility>

namespace cssbinder {
namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

std::wstring Wide(const std::string& utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), length);
    wide.pop_back();
    return wide;
}

std::string SystemReason(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = length > 0 ? std::string(text, length) : "system error " + std::to_string(error);
    LocalFree(text);
    reason.erase(reason.find_last_not_of(" \r\n") + 1);
    return reason;
}

// A job that ends every process in it once its last handle closes: the script, and each converter
// the script starts, belong to it.
Handle KillingJob() {
    Handle job(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job &&
        !SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        job.reset();
    }
    return job;
}

// The script's process in its job, and the reading end of its error output; the system's reason
// instead when it could not start.
struct StartedScript {
    Handle job;
    Handle process;
    Handle errors;
    std::string failure;
};

StartedScript Failed() {
    return {nullptr, nullptr, nullptr, SystemReason(GetLastError())};
}

// Starts the script in the folder with its output thrown away and its error output piped here. It is
// started suspended, so that it is in the job before it can start a converter.
StartedScript StartScript(const std::string& folder) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE errorsRead = nullptr;
    HANDLE errorsWrite = nullptr;
    if (!CreatePipe(&errorsRead, &errorsWrite, &inherited, 0)) {
        return Failed();
    }
    Handle errors(errorsRead);
    const Handle errorsStart(errorsWrite);
    SetHandleInformation(errorsRead, HANDLE_FLAG_INHERIT, 0);
    const Handle nothing(CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     &inherited, OPEN_EXISTING, 0, nullptr));
    Handle job = KillingJob();
    if (!job) {
        return Failed();
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nothing.get();
    startup.hStdOutput = nothing.get();
    startup.hStdError = errorsWrite;
    std::wstring command = L"cmd.exe /c " + Wide(KitScriptName());
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED | CREATE_NO_WINDOW,
                        nullptr, Wide(folder).c_str(), &startup, &started)) {
        return Failed();
    }
    Handle process(started.hProcess);
    const Handle thread(started.hThread);
    if (!AssignProcessToJobObject(job.get(), process.get())) {
        StartedScript failed = Failed();
        TerminateProcess(process.get(), 1);
        return failed;
    }
    ResumeThread(thread.get());
    return {std::move(job), std::move(process), std::move(errors), {}};
}

// Waits for the process, calling whileWaiting meanwhile; false when the time limit came first.
bool WaitForScript(HANDLE process, std::chrono::milliseconds timeLimit,
                   const std::function<void()>& whileWaiting) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeLimit.count());
    while (WaitForSingleObject(process, static_cast<DWORD>(kKitPollInterval.count())) == WAIT_TIMEOUT) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        whileWaiting();
    }
    return true;
}

} // namespace

const char* KitScriptName() {
    return "convert.bat";
}

KitScriptRun RunKitScript(const std::string& folder, std::chrono::milliseconds timeLimit,
                          const std::function<void()>& whileWaiting) {
    const StartedScript script = StartScript(folder);
    if (!script.process) {
        return {KitScriptRun::Outcome::NotStarted, script.failure};
    }
    // The pipe is read meanwhile, so that a script writing much is never blocked by a full pipe.
    std::string errors;
    std::thread reader([&errors, &script] {
        char chunk[4096];
        DWORD got = 0;
        while (ReadFile(script.errors.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) {
            errors.append(chunk, got);
        }
    });
    const bool finished = WaitForScript(script.process.get(), timeLimit, whileWaiting);
    // Whatever the script left running ends with it, and the pipe closes with them.
    TerminateJobObject(script.job.get(), 1);
    WaitForSingleObject(script.process.get(), static_cast<DWORD>(kKitStopLimit.count()));
    reader.join();
    DWORD exitCode = 1;
    GetExitCodeProcess(script.process.get(), &exitCode);
    return KitScriptOutcome(finished ? KitScriptEnd::Exited : KitScriptEnd::Stopped,
                            static_cast<int>(exitCode), errors);
}

} // namespace cssbinder
