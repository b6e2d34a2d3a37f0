#include "batch/TBatchAdd008.h"

#include "manager/TFieldEditorManager.h"
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

// Messages are ASCII (they name records, offsets and defects).
std::string qxNarrow(const std::wstring& rxText)
{
    std::string xOut;
    xOut.reserve(rxText.size());
    for (wchar_t c : rxText)
        xOut += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
    return xOut;
}

// The raw text of a record as one writes it back: a MARCMaker record needs its
// blank line after it.
void qvAppendRaw(const TXBuffer<unsigned char>& rxRaw, EMarcFileFormat eFormat, std::string& rxOut)
{
    rxOut.append(rxRaw.qpacGetData(), rxRaw.qdwGetDataSize());
    if (eFormat == eMarcMaker)
        rxOut += '\n';
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

void TBatchAdd008::qvReject(const TMarcFileReader& rxReader, const std::wstring& rxWhy, std::string& rxOut)
{
    ++mxCounts.mqwRejected;
    const TXBuffer<unsigned char>& rxRaw = rxReader.qrxGetRawData();
    const char* pacFate = "left out";
    if (mxOptions.meMalformed == eKeepMalformed)
    {
        if (rxRaw.qdwGetDataSize() == 0)
            pacFate = "left out (it cannot be given back whole)";
        else if (mxOptions.meInFormat != mxOptions.meOutFormat)
            pacFate = "left out (it cannot be kept in another form)";
        else
        {
            qvAppendRaw(rxRaw, mxOptions.meOutFormat, rxOut);
            ++mxCounts.mqwKept;
            pacFate = "passed through unchanged";
        }
    }
    *mpxReport << "record " << rxReader.qdwGetRecordNumber() << " " << pacFate << ": " << qxNarrow(rxWhy) << '\n';
}

void TBatchAdd008::qvReportProgress(uint32_t dwRecordNumber)
{
    const int64_t iNow = qiNowSeconds();
    if (iNow - miLastProgress < kProgressSeconds)
        return;
    miLastProgress = iNow;
    *mpxReport << "... " << dwRecordNumber << " records read (" << mxCounts.mqwChanged << " changed)" << std::endl;
}

void TBatchAdd008::qvRun(std::istream& rxIn, std::ostream& rxOut)
{
    TMarcFileReader reader(rxIn, mxOptions.meInFormat);
    const bool tSameFormat = mxOptions.meInFormat == mxOptions.meOutFormat;
    std::string xPending;
    TMarcRecord record;
    uint32_t dwLastRecord = 0;
    for (;;)
    {
        bool tRead = false;
        try
        {
            tRead = reader.qtReadNext(record);
        }
        catch (const TException& e)
        {
            // Bytes between records are no record: the reader's count stays.
            if (reader.qdwGetRecordNumber() == dwLastRecord)
                *mpxReport << "not a record, left out: " << qxNarrow(e.qpwcGetMessage()) << '\n';
            else
                qvReject(reader, e.qpwcGetMessage(), xPending);
            dwLastRecord = reader.qdwGetRecordNumber();
            continue;
        }
        dwLastRecord = reader.qdwGetRecordNumber();
        if (!tRead)
            break;

        const bool tChanged = TFieldEditorManager::qtAddGeneric008ToRecord(record, mxOptions.mtReplace);
        if (!tChanged && tSameFormat)
        {
            qvAppendRaw(reader.qrxGetRawData(), mxOptions.meOutFormat, xPending);
            ++mxCounts.mqwSkipped;
        }
        else
        {
            try
            {
                qvAppendRecord(record, mxOptions.meOutFormat, xPending);
                ++(tChanged ? mxCounts.mqwChanged : mxCounts.mqwSkipped);
            }
            catch (const TException& e)
            {
                qvReject(reader, e.qpwcGetMessage(), xPending);
            }
        }
        if (xPending.size() >= kFlushAt)
            qvFlush(xPending, rxOut);
        if (reader.qdwGetRecordNumber() % kProgressCheckEvery == 0)
            qvReportProgress(reader.qdwGetRecordNumber());
    }
    qvFlush(xPending, rxOut);
    rxOut.flush();
}
