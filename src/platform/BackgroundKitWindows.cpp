#include "platform/BackgroundKit.h"

#include <QProcess>

#include <windows.h>

#include <vector>

namespace cssbinder {

KitCommand BackgroundKitCommand() {
    return {QStringLiteral("convert.bat"),
            QStringLiteral("cmd"),
            {QStringLiteral("/c"), QStringLiteral("convert.bat")}};
}

// The script, cmd.exe, is created inside a job object, which every process it starts joins: ending
// the job, or closing it when the run is over, ends them all.
struct KitProcessTree::Members {
    explicit Members(QProcess& kitProcess) : process(kitProcess), job(CreateJobObjectW(nullptr, nullptr)) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (job != nullptr &&
            !SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
            CloseHandle(job);
            job = nullptr;
        }
    }
    ~Members() {
        if (attributesReady) {
            DeleteProcThreadAttributeList(AttributeList());
        }
        if (job != nullptr) {
            CloseHandle(job);
        }
    }
    Members(const Members&) = delete;
    Members& operator=(const Members&) = delete;

    LPPROC_THREAD_ATTRIBUTE_LIST AttributeList() {
        return reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    }

    // Has CreateProcessW create the process inside the job, before it can start another one.
    void CreateInside(QProcess::CreateProcessArguments& arguments) {
        if (job == nullptr || attributesReady) {
            return;
        }
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        attributes.resize(size);
        attributesReady = InitializeProcThreadAttributeList(AttributeList(), 1, 0, &size);
        if (!attributesReady || !UpdateProcThreadAttribute(AttributeList(), 0, PROC_THREAD_ATTRIBUTE_JOB_LIST,
                                                           &job, sizeof job, nullptr, nullptr)) {
            return;
        }
        startupInfo.StartupInfo = *arguments.startupInfo;
        startupInfo.StartupInfo.cb = sizeof startupInfo;
        startupInfo.lpAttributeList = AttributeList();
        arguments.startupInfo = &startupInfo.StartupInfo;
        arguments.flags |= EXTENDED_STARTUPINFO_PRESENT;
        joined = true;
    }

    QProcess& process;
    HANDLE job;
    std::vector<unsigned char> attributes;
    bool attributesReady = false;
    bool joined = false;
    // Read by CreateProcessW after the modifier returns, so it lives here.
    STARTUPINFOEXW startupInfo{};
};

KitProcessTree::KitProcessTree(QProcess& process) : m_members(std::make_unique<Members>(process)) {
    process.setCreateProcessArgumentsModifier(
        [members = m_members.get()](QProcess::CreateProcessArguments* arguments) {
            members->CreateInside(*arguments);
        });
}

KitProcessTree::~KitProcessTree() = default;

void KitProcessTree::Stop() {
    // Outside a job only the script itself can be ended.
    if (!m_members->joined || !TerminateJobObject(m_members->job, 1)) {
        m_members->process.kill();
    }
}

} // namespace cssbinder
