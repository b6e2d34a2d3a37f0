#include "marcio/TOutputFile.h"

#include "recordlib/TException.h"

#include <cstdio>
#include <cstdlib>

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

bool qtIdentityOf(const std::string& rxPath, TFileIdentity& rxIdentity)
{
    const TFileHandle file(::CreateFileA(rxPath.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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

bool qtReplaceFile(const std::string& rxFrom, const std::string& rxTo)
{
    return ::MoveFileExA(rxFrom.c_str(), rxTo.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

std::string qxFileLinkedTo(const std::string& rxPath)
{
    return rxPath;
}
#else
using TFileIdentity = struct stat;

bool qtIdentityOf(const std::string& rxPath, TFileIdentity& rxIdentity)
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

bool qtReplaceFile(const std::string& rxFrom, const std::string& rxTo)
{
    return std::rename(rxFrom.c_str(), rxTo.c_str()) == 0;
}

// Through a symbolic link, the file it names is replaced, not the link.
std::string qxFileLinkedTo(const std::string& rxPath)
{
    char* pacResolved = ::realpath(rxPath.c_str(), nullptr);
    if (pacResolved == nullptr)
        return rxPath;
    const std::string xResolved(pacResolved);
    std::free(pacResolved);
    return xResolved;
}
#endif

}

bool qtSameFile(const std::string& rxPathA, const std::string& rxPathB)
{
    TFileIdentity a, b;
    return qtIdentityOf(rxPathA, a) && qtIdentityOf(rxPathB, b) && qtSameIdentity(a, b);
}

TOutputFile::TOutputFile(const std::string& rxPath)
    : mxTarget(qxFileLinkedTo(rxPath)), mxBuffer(kStreamBuffer), mtCommitted(false)
{
    mxTemporary = mxTarget + ".orvo-batch-" + std::to_string(qdwProcessId()) + ".tmp";
    mxStream.rdbuf()->pubsetbuf(mxBuffer.data(), static_cast<std::streamsize>(mxBuffer.size()));
    mxStream.open(mxTemporary, std::ios::binary | std::ios::trunc);
    if (!mxStream)
        throw TException(L"TOutputFile::TOutputFile() : Cannot create a file beside the output", eErrorRecoverable,
                         -1);
}

TOutputFile::~TOutputFile()
{
    if (mtCommitted)
        return;
    mxStream.close();
    std::remove(mxTemporary.c_str());
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

