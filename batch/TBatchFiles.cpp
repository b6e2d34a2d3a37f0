#include "batch/TBatchFiles.h"

#include "batch/TBatchAdd008.h"
#include "recordlib/TException.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{
// Large buffers: the run is one pass of reads and writes.
constexpr std::size_t kStreamBuffer = 1u << 20;

const char kUsage[] =
    "usage: orvo-batch add-008 [--replace] [--keep-malformed|--drop-malformed] IN OUT\n"
    "  Gives every record of IN the default 008 for its type of record and writes OUT.\n"
    "  --replace          also replace an 008 a record has (default: leave it)\n"
    "  --drop-malformed   leave malformed records and stray bytes out of OUT (default)\n"
    "  --keep-malformed   write malformed records and stray bytes to OUT exactly as read\n"
    "  IN: ISO 2709 or MARCMaker (.mrk) text; OUT: MARCMaker if it ends in .mrk, else ISO 2709.\n"
    "  OUT is replaced only when the run completes; it must not be IN.\n";

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

std::string qxNarrow(const wchar_t* pwcText)
{
    std::string xOut;
    for (; *pwcText != L'\0'; ++pwcText)
        xOut += (*pwcText >= 0x20 && *pwcText < 0x7F) ? static_cast<char>(*pwcText) : '?';
    return xOut;
}

int qiUsage(std::ostream& rxErr, const std::string& rxProblem)
{
    rxErr << "orvo-batch: " << rxProblem << '\n' << kUsage;
    return 2;
}
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

int qiRunBatchCommand(const std::vector<std::string>& rxArgs, std::ostream& rxErr)
{
    if (rxArgs.empty() || rxArgs[0] != "add-008")
        return qiUsage(rxErr, rxArgs.empty() ? "no command" : "unknown command");
    TBatchOptions options;
    std::vector<std::string> xPaths;
    for (std::size_t n = 1; n < rxArgs.size(); ++n)
    {
        const std::string& rxArg = rxArgs[n];
        if (rxArg == "--replace")
            options.mtReplace = true;
        else if (rxArg == "--keep-malformed")
            options.meMalformed = eKeepMalformed;
        else if (rxArg == "--drop-malformed")
            options.meMalformed = eDropMalformed;
        else if (rxArg.size() > 1 && rxArg[0] == '-')
            return qiUsage(rxErr, "unknown option " + rxArg);
        else
            xPaths.push_back(rxArg);
    }
    if (xPaths.size() != 2)
        return qiUsage(rxErr, "give one input and one output file");
    if (xPaths[0] == xPaths[1] || qtSameFile(xPaths[0], xPaths[1]))
        return qiUsage(rxErr, "the output must not be the input");

    std::vector<char> xInBuffer(kStreamBuffer);
    std::ifstream in;
    in.rdbuf()->pubsetbuf(xInBuffer.data(), static_cast<std::streamsize>(xInBuffer.size()));
    in.open(xPaths[0], std::ios::binary);
    if (!in)
    {
        rxErr << "orvo-batch: cannot open " << xPaths[0] << '\n';
        return 2;
    }
    options.meInFormat = qeSniffFormat(in);
    options.meOutFormat = qeFormatOfPath(xPaths[1]);
    if (options.meMalformed == eKeepMalformed && options.meInFormat != options.meOutFormat)
        return qiUsage(rxErr, "--keep-malformed needs the output in the input's form (both .mrk or both ISO 2709)");

    TBatchAdd008 batch(options, rxErr);
    try
    {
        TOutputFile out(xPaths[1]);
        batch.qvRun(in, out.qrxStream());
        out.qvCommit();
    }
    catch (const TException& e)
    {
        rxErr << "orvo-batch: " << qxNarrow(e.qpwcGetMessage()) << " (" << xPaths[1] << " left as it was)\n";
        return 2;
    }
    const TBatchCounts& counts = batch.qrxGetCounts();
    rxErr << "orvo-batch: " << counts.mqwChanged << " changed, " << counts.mqwSkipped << " skipped, "
          << counts.mqwRejected << " rejected (" << counts.mqwKept << " of them passed through)\n";
    return counts.mqwRejected == 0 ? 0 : 1;
}
