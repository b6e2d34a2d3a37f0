#include "marcio/TOutputFile.h"

#include "recordlib/TException.h"

#include <cstdio>
#include <cstdlib>
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
#endif

}

bool qtSameFile(const std::string& rxPathA, const std::string& rxPathB)
{
    TFileIdentity a, b;
    return qtIdentityOf(qxNativePath(rxPathA), a) && qtIdentityOf(qxNativePath(rxPathB), b) && qtSameIdentity(a, b);
}

TOutputFile::TOutputFile(const std::string& rxPath)
    : mxTarget(qxFileLinkedTo(qxNativePath(rxPath))), mxBuffer(kStreamBuffer), mtCommitted(false)
{
    qvOpen();
}

TOutputFile::TOutputFile(const std::wstring& rxPath)
    : mxTarget(qxFileLinkedTo(qxNativePath(rxPath))), mxBuffer(kStreamBuffer), mtCommitted(false)
{
    qvOpen();
}

void TOutputFile::qvOpen()
{
    const std::string xSuffix = ".orvo-" + std::to_string(qdwProcessId()) + ".tmp";
    mxTemporary = mxTarget + TNativePath(xSuffix.begin(), xSuffix.end());
    mxStream.rdbuf()->pubsetbuf(mxBuffer.data(), static_cast<std::streamsize>(mxBuffer.size()));
    mxStream.open(std::filesystem::path(mxTemporary), std::ios::binary | std::ios::trunc);
    if (!mxStream)
        throw TException(L"TOutputFile::TOutputFile() : Cannot create a file beside the output", eErrorRecoverable,
                         -1);
}

TOutputFile::~TOutputFile()
{
    if (mtCommitted)
        return;
    mxStream.close();
    std::error_code xError;
    std::filesystem::remove(std::filesystem::path(mxTemporary), xError);
}

void TOutputFile::qvCommit()
{
    mxStream.close();
    if (!mxStream)
        throw TException(L"TOutputFile::qvCommit() : The output cannot be written", eErrorRecoverable, -1);
    if (!qtReplaceFile(mxTemporary, mxTarget))
        throw TException(L"TOutputFile::qvCommit() : The output cannot be put in place", eErrorRecoverable, -1);
    mtCommitted = true;
}
