#include "batch/TBatchAdd008.h"

#include "core/TGeneric008.h"
#include "recordlib/TException.h"

#include <chrono>
#include <ostream>

namespace
{
// Output is gathered and written a megabyte at a time: a stream writes anything of
// a kilobyte or more at once, and records are about that long.
constexpr std::size_t kFlushAt = 1u << 20;
constexpr uint32_t kProgressCheckEvery = 4096;
constexpr int64_t kProgressSeconds = 2;

int64_t qiNowSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void qvCheckOutput(const std::ostream& rxOut)
{
    if (!rxOut)
        throw TException(L"TBatchAdd008::qvRun() : The output cannot be written", eErrorRecoverable, -1);
}
}

TBatchAdd008::TBatchAdd008(const TBatchOptions& rxOptions, std::ostream& rxReport)
    : mxOptions(rxOptions), mpxReport(&rxReport), miLastProgress(qiNowSeconds()), mpxOut(nullptr), mpxSource(nullptr)
{}

void TBatchAdd008::qvFlush()
{
    mpxOut->write(mxPending.data(), static_cast<std::streamsize>(mxPending.size()));
    mxPending.clear();
    qvCheckOutput(*mpxOut);
}

// A piece too long to keep is copied from the source straight to the output.
bool TBatchAdd008::qtWriteAsRead(const TRecordPiece& rxPiece)
{
    if (rxPiece.qtIsKeptWhole())
    {
        mxPending.append(rxPiece.qxRawData());
        return true;
    }
    qvFlush();
    const bool tWritten = qtWritePieceAsRead(rxPiece, mpxSource, *mpxOut);
    qvCheckOutput(*mpxOut);
    return tWritten;
}

void TBatchAdd008::qvReject(const TRecordPiece& rxPiece, const std::wstring& rxWhy)
{
    ++mxCounts.mqwRejected;
    const char* pacFate = "left out";
    if (mxOptions.meMalformed == eKeepMalformed)
    {
        if (mxOptions.meInFormat != mxOptions.meOutFormat)
            pacFate = "left out (it cannot be kept in another form)";
        else if (!qtWriteAsRead(rxPiece))
            pacFate = "left out (it cannot be given back whole)";
        else
        {
            ++mxCounts.mqwKept;
            pacFate = "passed through unchanged";
        }
    }
    if (rxPiece.mePiece == ePieceStrayBytes || rxPiece.mePiece == ePieceFiller)
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
void TBatchAdd008::qvWriteRecord(TRecordPiece& rxPiece)
{
    TMarcRecord& rxRecord = *rxPiece.mpxRecord;
    const std::vector<TRepair>& rxRepairs = *rxPiece.mpxRepairs;
    for (const TRepair& rxRepair : rxRepairs)
        *mpxReport << "record " << rxPiece.mdwRecordNumber << " repaired: " << qxAsciiText(rxRepair.mxText) << '\n';
    const bool tRepaired = !rxRepairs.empty();
    const bool tChanged = mxOptions.mfnChange ? mxOptions.mfnChange(rxRecord, rxPiece.mdwRecordNumber)
                                              : qtAddGeneric008(rxRecord, mxOptions.mtReplace);
    const bool tAsRead =
        !tChanged && mxOptions.meInFormat == mxOptions.meOutFormat && !(tRepaired && mxOptions.mtRepair);
    if (tAsRead)
        qtWriteAsRead(rxPiece);
    else
    {
        try
        {
            if (mxOptions.meInFormat == mxOptions.meOutFormat)
                qvAppendRecordInPlace(rxRecord, rxPiece.qxRawData(), mxOptions.meOutFormat, mxPending);
            else
                qvAppendRecord(rxRecord, mxOptions.meOutFormat, mxPending);
        }
        catch (const TException& e)
        {
            qvReject(rxPiece, e.qpwcGetMessage());
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

void TBatchAdd008::qvRun(std::istream& rxIn, std::ostream& rxOut, std::istream* pxSource)
{
    mpxOut = &rxOut;
    mpxSource = pxSource;
    mxPending.clear();
    qvReadPieces(rxIn, mxOptions.meInFormat, eReadLenient, [&](TRecordPiece& rxPiece) {
        if (rxPiece.mePiece == ePieceFiller)
        {
            // No data, but kept where it stood when the forms agree; a run too long to
            // keep and with no source to copy it from is no data lost, but reported.
            if (mxOptions.meInFormat == mxOptions.meOutFormat && !qtWriteAsRead(rxPiece))
                qvReject(rxPiece, L"filler between records too long to keep");
        }
        else if (rxPiece.mePiece != ePieceRecord)
            qvReject(rxPiece, rxPiece.mxProblem);
        else
            qvWriteRecord(rxPiece);
        if (mxPending.size() >= kFlushAt)
            qvFlush();
        if (rxPiece.mePiece == ePieceRecord && rxPiece.mdwRecordNumber % kProgressCheckEvery == 0)
            qvReportProgress(rxPiece.mdwRecordNumber);
    });
    qvFlush();
    rxOut.flush();
    qvCheckOutput(rxOut);
}
