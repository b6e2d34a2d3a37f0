#include "batch/TBatchAdd008.h"

#include "editors/008/TGeneric008.h"
#include "recordlib/TException.h"

#include <chrono>
#include <ostream>

namespace
{
constexpr std::size_t kFlushAt = 1u << 20;
constexpr uint32_t kProgressCheckEvery = 4096;
constexpr int64_t kProgressSeconds = 2;

int64_t qiNowSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void qvFlush(std::string& rxPending, std::ostream& rxOut)
{
    rxOut.write(rxPending.data(), static_cast<std::streamsize>(rxPending.size()));
    rxPending.clear();
    if (!rxOut)
        throw TException(L"TBatchAdd008::qvRun() : The output cannot be written", eErrorRecoverable, -1);
}
}

TBatchAdd008::TBatchAdd008(const TBatchOptions& rxOptions, std::ostream& rxReport)
    : mxOptions(rxOptions), mpxReport(&rxReport), miLastProgress(qiNowSeconds())
{
}

void TBatchAdd008::qvReject(const TRecordPiece& rxPiece, const std::wstring& rxWhy, std::string& rxOut)
{
    ++mxCounts.mqwRejected;
    const TXBuffer<unsigned char>& rxRaw = *rxPiece.mpxRawData;
    const char* pacFate = "left out";
    if (mxOptions.meMalformed == eKeepMalformed)
    {
        if (rxRaw.qdwGetDataSize() == 0)
            pacFate = "left out (it cannot be given back whole)";
        else if (mxOptions.meInFormat != mxOptions.meOutFormat)
            pacFate = "left out (it cannot be kept in another form)";
        else
        {
            qvAppendPieceAsRead(rxPiece, mxOptions.meOutFormat, rxOut);
            ++mxCounts.mqwKept;
            pacFate = "passed through unchanged";
        }
    }
    if (rxPiece.mePiece == ePieceStrayBytes)
        *mpxReport << "bytes after record " << rxPiece.mdwRecordNumber << " that are no record " << pacFate;
    else
        *mpxReport << "record " << rxPiece.mdwRecordNumber << " " << pacFate;
    *mpxReport << ": " << qxAsciiText(rxWhy) << '\n';
}

void TBatchAdd008::qvReportProgress(uint32_t dwRecordNumber)
{
    const int64_t iNow = qiNowSeconds();
    if (iNow - miLastProgress < kProgressSeconds)
        return;
    miLastProgress = iNow;
    *mpxReport << "... " << dwRecordNumber << " records read (" << mxCounts.mqwChanged << " changed)" << std::endl;
}

// One record read: the default 008 where it needs one, then written as read when
// nothing changed it (a repair is no change unless --repair) and the forms agree.
void TBatchAdd008::qvWriteRecord(TRecordPiece& rxPiece, std::string& rxOut)
{
    TMarcRecord& rxRecord = *rxPiece.mpxRecord;
    const std::vector<TRepair>& rxRepairs = *rxPiece.mpxRepairs;
    for (const TRepair& rxRepair : rxRepairs)
        *mpxReport << "record " << rxPiece.mdwRecordNumber << " repaired: " << qxAsciiText(rxRepair.mxText) << '\n';
    const bool tRepaired = !rxRepairs.empty();
    const bool tChanged = qtAddGeneric008(rxRecord, mxOptions.mtReplace);
    const bool tAsRead = !tChanged && mxOptions.meInFormat == mxOptions.meOutFormat && !(tRepaired && mxOptions.mtRepair);
    if (tAsRead)
        qvAppendPieceAsRead(rxPiece, mxOptions.meOutFormat, rxOut);
    else
    {
        try
        {
            qvAppendRecord(rxRecord, mxOptions.meOutFormat, rxOut);
        }
        catch (const TException& e)
        {
            qvReject(rxPiece, e.qpwcGetMessage(), rxOut);
            return;
        }
    }
    ++(tChanged ? mxCounts.mqwChanged : mxCounts.mqwSkipped);
    if (!tRepaired)
        return;
    ++mxCounts.mqwRepaired;
    if (!tAsRead)
        ++mxCounts.mqwWrittenRepaired;
    *mpxReport << "record " << rxPiece.mdwRecordNumber
               << (tAsRead ? " written as it was read" : " written in its repaired form") << '\n';
}

void TBatchAdd008::qvRun(std::istream& rxIn, std::ostream& rxOut)
{
    const std::unique_ptr<TMarcRecordReader> pxReader = qpxMakeRecordReader(rxIn, mxOptions.meInFormat, eReadLenient);
    std::string xPending;
    qvReadPieces(*pxReader, [&](TRecordPiece& rxPiece) {
        if (rxPiece.mePiece == ePieceFiller)
        {
            // No data, but kept where it stood when the forms agree.
            if (mxOptions.meInFormat == mxOptions.meOutFormat)
                qvAppendPieceAsRead(rxPiece, mxOptions.meOutFormat, xPending);
        }
        else if (rxPiece.mePiece != ePieceRecord)
            qvReject(rxPiece, rxPiece.mxProblem, xPending);
        else
            qvWriteRecord(rxPiece, xPending);
        if (xPending.size() >= kFlushAt)
            qvFlush(xPending, rxOut);
        if (rxPiece.mePiece == ePieceRecord && rxPiece.mdwRecordNumber % kProgressCheckEvery == 0)
            qvReportProgress(rxPiece.mdwRecordNumber);
    });
    qvFlush(xPending, rxOut);
    rxOut.flush();
}
