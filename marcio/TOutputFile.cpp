#include "marcio/TOutputFile.h"

#include "recordlib/TException.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{
// Large buffers: an output is written in one pass.
constexpr std::size_t kStreamBuffer = 1u << 20;

// Paths as the system takes them: wide on Windows, bytes elsewhere.
using TNativePath = std::filesystem::path::string_type;

#ifdef _WIN32
struct TFileIdentity
{
    DWORD dwVolume;
    DWORD dwIndexHigh;
    DWORD dwIndexLow;
};

// A handle that closes itself.
class TFileHandle
{
public:
    explicit TFileHandle(HANDLE hFile) : mhFile(hFile) {}
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;
    ~TFileHandle()
    {
        if (mhFile != INVALID_HANDLE_VALUE)
            ::CloseHandle(mhFile);
    }
    HANDLE qhGet() const { return mhFile; }

private:
    HANDLE mhFile;
};

// A narrow path as the ANSI functions (and fopen) read it.
TNativePath qxNativePath(const std::string& rxPath)
{
    if (rxPath.empty())
        return TNativePath();
    const int iLength = ::MultiByteToWideChar(CP_ACP, 0, rxPath.data(), static_cast<int>(rxPath.size()), nullptr, 0);
    TNativePath xPath(static_cast<std::size_t>(iLength > 0 ? iLength : 0), L'\0');
    if (iLength > 0)
        ::MultiByteToWideChar(CP_ACP, 0, rxPath.data(), static_cast<int>(rxPath.size()), &xPath[0], iLength);
    return xPath;
}

TNativePath qxNativePath(const std::wstring& rxPath)
{
    return rxPath;
}

bool qtIdentityOf(const TNativePath& rxPath, TFileIdentity& rxIdentity)
{
    const TFileHandle file(::CreateFileW(rxPath.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (file.qhGet() == INVALID_HANDLE_VALUE || !::GetFileInformationByHandle(file.qhGet(), &info))
        return false;
    rxIdentity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return true;
}

bool qtSameIdentity(const TFileIdentity& rxA, const TFileIdentity& rxB)
{
    return rxA.dwVolume == rxB.dwVolume && rxA.dwIndexHigh == rxB.dwIndexHigh && rxA.dwIndexLow == rxB.dwIndexLow;
}

unsigned long qdwProcessId()
{
    return ::GetCurrentProcessId();
}

bool qtReplaceFile(const TNativePath& rxFrom, const TNativePath& rxTo)
{
    return ::MoveFileExW(rxFrom.c_str(), rxTo.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

TNativePath qxFileLinkedTo(const TNativePath& rxPath)
{
    return rxPath;
}

// What the file replaced was: its attributes, given again to the new file.
struct TTargetState
{
    bool tExists = false;
    bool tFolder = false;
    bool tReadOnly = false;
    DWORD dwAttributes = 0;
};

TTargetState qxTargetState(const TNativePath& rxPath)
{
    TTargetState state;
    const DWORD dwAttributes = ::GetFileAttributesW(rxPath.c_str());
    if (dwAttributes == INVALID_FILE_ATTRIBUTES)
        return state;
    state.tExists = true;
    state.tFolder = (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    state.tReadOnly = (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    state.dwAttributes = dwAttributes;
    return state;
}

void qvGivePermissions(const TNativePath&, const TTargetState&) {}

bool qtPutInPlace(const TNativePath& rxFrom, const TNativePath& rxTo, const TTargetState& rxState)
{
    if (rxState.tReadOnly)
        ::SetFileAttributesW(rxTo.c_str(), rxState.dwAttributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    if (!qtReplaceFile(rxFrom, rxTo))
    {
        if (rxState.tReadOnly)
            ::SetFileAttributesW(rxTo.c_str(), rxState.dwAttributes);
        return false;
    }
    if (rxState.tExists)
        ::SetFileAttributesW(rxTo.c_str(), rxState.dwAttributes);
    return true;
}

void qvRemoveFile(const wchar_t* pwcPath)
{
    ::DeleteFileW(pwcPath);
}
#else
using TFileIdentity = struct stat;

TNativePath qxNativePath(const std::string& rxPath)
{
    return rxPath;
}

TNativePath qxNativePath(const std::wstring& rxPath)
{
    return std::filesystem::path(rxPath).native();
}

bool qtIdentityOf(const TNativePath& rxPath, TFileIdentity& rxIdentity)
{
    return ::stat(rxPath.c_str(), &rxIdentity) == 0;
}

bool qtSameIdentity(const TFileIdentity& rxA, const TFileIdentity& rxB)
{
    return rxA.st_dev == rxB.st_dev && rxA.st_ino == rxB.st_ino;
}

unsigned long qdwProcessId()
{
    return static_cast<unsigned long>(::getpid());
}

bool qtReplaceFile(const TNativePath& rxFrom, const TNativePath& rxTo)
{
    return std::rename(rxFrom.c_str(), rxTo.c_str()) == 0;
}

// Through a symbolic link, the file it names is replaced, not the link.
TNativePath qxFileLinkedTo(const TNativePath& rxPath)
{
    char* pacResolved = ::realpath(rxPath.c_str(), nullptr);
    if (pacResolved == nullptr)
        return rxPath;
    const TNativePath xResolved(pacResolved);
    std::free(pacResolved);
    return xResolved;
}

// What the file replaced was: its mode and owner, given again to the new file.
struct TTargetState
{
    bool tExists = false;
    bool tFolder = false;
    bool tReadOnly = false;
    struct stat xStatus;
};

TTargetState qxTargetState(const TNativePath& rxPath)
{
    TTargetState state;
    if (::stat(rxPath.c_str(), &state.xStatus) != 0)
        return state;
    state.tExists = true;
    state.tFolder = S_ISDIR(state.xStatus.st_mode);
    state.tReadOnly = (state.xStatus.st_mode & 0222) == 0 || ::access(rxPath.c_str(), W_OK) != 0;
    return state;
}

// The owner may stay only where the system allows it; the mode always.
void qvGivePermissions(const TNativePath& rxPath, const TTargetState& rxState)
{
    if (!rxState.tExists)
        return;
    if (::chown(rxPath.c_str(), rxState.xStatus.st_uid, rxState.xStatus.st_gid) != 0)
    {
        // Not the owner's to give: the file is then the runner's, as any file it writes.
    }
    ::chmod(rxPath.c_str(), rxState.xStatus.st_mode & 07777);
}

bool qtPutInPlace(const TNativePath& rxFrom, const TNativePath& rxTo, const TTargetState&)
{
    return qtReplaceFile(rxFrom, rxTo);
}

void qvRemoveFile(const char* pacPath)
{
    ::unlink(pacPath);
}
#endif

// Temporary files of the outputs being written, for the signal handler: a run stopped
// by a signal leaves none behind.
constexpr int kSignalSlots = 16;
std::atomic<const TNativePath::value_type*> axTemporaries_static[kSignalSlots];

extern "C" void qvRemoveTemporariesOnSignal(int iSignal)
{
    for (auto& rxSlot : axTemporaries_static)
    {
        const TNativePath::value_type* pxPath = rxSlot.load();
        if (pxPath != nullptr)
            qvRemoveFile(pxPath);
    }
    std::signal(iSignal, SIG_DFL);
    std::raise(iSignal);
}

// Once per process; a signal the program ignores (nohup) or handles itself is left so.
void qvInstallSignalHandlers()
{
    static std::once_flag xOnce;
    std::call_once(xOnce, [] {
        for (int iSignal : {SIGINT, SIGTERM
#ifndef _WIN32
                            ,
                            SIGHUP
#endif
             })
        {
            const auto pxOld = std::signal(iSignal, qvRemoveTemporariesOnSignal);
            if (pxOld != SIG_DFL && pxOld != SIG_ERR)
                std::signal(iSignal, pxOld);
        }
    });
}

int qiTakeSignalSlot(const TNativePath& rxTemporary)
{
    qvInstallSignalHandlers();
    for (int i = 0; i < kSignalSlots; ++i)
    {
        const TNativePath::value_type* pxFree = nullptr;
        if (axTemporaries_static[i].compare_exchange_strong(pxFree, rxTemporary.c_str()))
            return i;
    }
    return -1;
}

std::wstring qxDisplayName(const TNativePath& rxPath)
{
    return std::filesystem::path(rxPath).filename().wstring();
}

std::wstring qxDisplayFolder(const TNativePath& rxPath)
{
    const std::filesystem::path xFolder = std::filesystem::path(rxPath).parent_path();
    return xFolder.empty() ? std::wstring(L".") : xFolder.wstring();
}

}

template <typename TString> bool qtSameFileOf(const TString& rxPathA, const TString& rxPathB)
{
    TFileIdentity a, b;
    return qtIdentityOf(qxNativePath(rxPathA), a) && qtIdentityOf(qxNativePath(rxPathB), b) && qtSameIdentity(a, b);
}

bool qtSameFile(const std::string& rxPathA, const std::string& rxPathB)
{
    return qtSameFileOf(rxPathA, rxPathB);
}

bool qtSameFile(const std::wstring& rxPathA, const std::wstring& rxPathB)
{
    return qtSameFileOf(rxPathA, rxPathB);
}

bool qtIsFolder(const std::string& rxPath)
{
    return qxTargetState(qxNativePath(rxPath)).tFolder;
}

bool qtIsFolder(const std::wstring& rxPath)
{
    return qxTargetState(qxNativePath(rxPath)).tFolder;
}

bool qtIsReadOnlyFile(const std::wstring& rxPath)
{
    const TTargetState state = qxTargetState(qxFileLinkedTo(qxNativePath(rxPath)));
    return state.tExists && !state.tFolder && state.tReadOnly;
}

TOutputFile::TOutputFile(const std::string& rxPath, bool tForce)
    : mxTarget(qxFileLinkedTo(qxNativePath(rxPath))), miSignalSlot(-1), mxBuffer(kStreamBuffer), mtCommitted(false)
{
    qvOpen(tForce);
}

TOutputFile::TOutputFile(const std::wstring& rxPath, bool tForce)
    : mxTarget(qxFileLinkedTo(qxNativePath(rxPath))), miSignalSlot(-1), mxBuffer(kStreamBuffer), mtCommitted(false)
{
    qvOpen(tForce);
}

void TOutputFile::qvOpen(bool tForce)
{
    const TTargetState state = qxTargetState(mxTarget);
    const std::wstring xName = qxDisplayName(mxTarget);
    if (state.tFolder)
        throw TException(L"TOutputFile::TOutputFile() : " + xName + L" is a folder, not a file", eErrorRecoverable, -1);
    if (state.tReadOnly && !tForce)
        throw TException(L"TOutputFile::TOutputFile() : " + xName + L" is read-only", eErrorRecoverable, -1);
    const std::string xSuffix = ".orvo-" + std::to_string(qdwProcessId()) + ".tmp";
    mxTemporary = mxTarget + TNativePath(xSuffix.begin(), xSuffix.end());
    miSignalSlot = qiTakeSignalSlot(mxTemporary);
    mxStream.rdbuf()->pubsetbuf(mxBuffer.data(), static_cast<std::streamsize>(mxBuffer.size()));
    mxStream.open(std::filesystem::path(mxTemporary), std::ios::binary | std::ios::trunc);
    if (!mxStream)
    {
        std::error_code xError;
        const std::wstring xFolder = qxDisplayFolder(mxTarget);
        const std::wstring xWhy = std::filesystem::is_directory(std::filesystem::path(xFolder), xError)
                                      ? L"a file cannot be created in the folder " + xFolder
                                      : L"the folder " + xFolder + L" does not exist";
        qvReleaseSignalSlot();
        throw TException(L"TOutputFile::TOutputFile() : " + xWhy, eErrorRecoverable, -1);
    }
    qvGivePermissions(mxTemporary, state);
}

void TOutputFile::qvReleaseSignalSlot()
{
    if (miSignalSlot >= 0)
        axTemporaries_static[miSignalSlot].store(nullptr);
    miSignalSlot = -1;
}

TOutputFile::~TOutputFile()
{
    if (mtCommitted)
        return;
    mxStream.close();
    std::error_code xError;
    std::filesystem::remove(std::filesystem::path(mxTemporary), xError);
    qvReleaseSignalSlot();
}

void TOutputFile::qvCommit()
{
    mxStream.close();
    if (!mxStream)
        throw TException(L"TOutputFile::qvCommit() : " + qxDisplayName(mxTarget) + L" could not be written in full",
                         eErrorRecoverable, -1);
    if (!qtPutInPlace(mxTemporary, mxTarget, qxTargetState(mxTarget)))
        throw TException(L"TOutputFile::qvCommit() : the new " + qxDisplayName(mxTarget) +
                             L" could not be put in place of the old one",
                         eErrorRecoverable, -1);
    mtCommitted = true;
    qvReleaseSignalSlot();
}
