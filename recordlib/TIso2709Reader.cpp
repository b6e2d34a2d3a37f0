#include "TIso2709Reader.h"

#include "TException.h"

#include <algorithm>
#include <string>

namespace
{

constexpr uint32_t dwLengthDigits = 5;
constexpr uint32_t dwMinRecordLength = 26; // leader, field terminator, record terminator
constexpr uint32_t dwReadChunk = 65536;

const wchar_t acwMethod[] = L"TIso2709Reader::qtReadNext() : ";

bool qtIsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

bool qtIsFiller(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\0' || c == 0x1A;
}

bool qtAllDigits(const unsigned char* paxData, uint32_t dwCount)
{
    return std::all_of(paxData, paxData + dwCount, qtIsDigit);
}

uint32_t qdwDigitsValue(const unsigned char* paxData, uint32_t dwCount)
{
    uint32_t dwValue = 0;
    for (uint32_t dw = 0; dw < dwCount; ++dw)
        dwValue = dwValue * 10 + (paxData[dw] - '0');
    return dwValue;
}

// Where a record may start: 5 digits giving a usable length.
bool qtIsRecordStart(const unsigned char* paxData)
{
    return qtAllDigits(paxData, dwLengthDigits) && qdwDigitsValue(paxData, dwLengthDigits) >= dwMinRecordLength;
}

// A stricter test, used to find the next record inside a broken one.
bool qtLooksLikeLeader(const unsigned char* paxData, uint32_t dwAvailable)
{
    return dwAvailable >= TMarcLeader::mdwLength_static && qtIsRecordStart(paxData) && paxData[10] == '2' &&
           paxData[11] == '2' && qtAllDigits(paxData + 12, 5) && paxData[20] == '4' && paxData[21] == '5';
}

std::wstring qxRecordName(uint32_t dwNumber, uint64_t qwOffset)
{
    return L"Record " + std::to_wstring(dwNumber) + L" (offset " + std::to_wstring(qwOffset) + L"): ";
}

// The part of a record library message after "Class::method() : ".
std::wstring qxDefect(const TException& rxError)
{
    const std::wstring xMessage(rxError.qpwcGetMessage());
    const std::size_t nAt = xMessage.find(L" : ");
    return nAt == std::wstring::npos ? xMessage : xMessage.substr(nAt + 3);
}

} // namespace

TIso2709Reader::TIso2709Reader(std::istream& rxStream, EReadMode eMode)
    : mpxStream(&rxStream), meMode(eMode), mnWindowPos(0), mnWindowEnd(0), mtStreamDone(false), mqwOffset(0),
      mdwRecordNumber(0), mqwSearchedFrom(0), mqwSearchedTo(0), mtEndMarkFound(false)
{}

uint32_t TIso2709Reader::qdwGetRecordNumber() const
{
    return mdwRecordNumber;
}

const TXBuffer<unsigned char>& TIso2709Reader::qrxGetRawData() const
{
    return mxRawData;
}

const std::vector<TRepair>& TIso2709Reader::qrxGetRepairs() const
{
    return mxRepairs;
}

// The raw data as one record, strictly or leniently; a refusal names the record.
void TIso2709Reader::qvParse(TMarcRecord& rxRecord, uint64_t qwRecordOffset)
{
    try
    {
        if (meMode == eReadLenient)
            rxRecord.qvRepairUSMarcData(mxRawData.qpaxGetData(), mxRawData.qdwGetDataSize(), mxRepairs);
        else
            rxRecord.qvSetUSMarcData(mxRawData.qpaxGetData(), mxRawData.qdwGetDataSize());
    }
    catch (const TException& rxError)
    {
        mxRepairs.clear();
        throw TException(acwMethod + qxRecordName(mdwRecordNumber, qwRecordOffset) + qxDefect(rxError),
                         eErrorRecoverable, rxError.qiGetCode());
    }
}

uint32_t TIso2709Reader::qdwAvailable() const
{
    return static_cast<uint32_t>(mnWindowEnd - mnWindowPos);
}

const unsigned char* TIso2709Reader::qpaxCurrent() const
{
    return mxWindow.data() + mnWindowPos;
}

// Makes dwWanted bytes available from the current position; false when the stream ends first.
bool TIso2709Reader::qtFill(uint32_t dwWanted)
{
    while (qdwAvailable() < dwWanted && !mtStreamDone)
    {
        // What is left moves to the front and the stream fills the rest: the
        // window is neither cleared nor shrunk between reads.
        const std::size_t nKept = mnWindowEnd - mnWindowPos;
        std::copy(mxWindow.begin() + static_cast<std::ptrdiff_t>(mnWindowPos),
                  mxWindow.begin() + static_cast<std::ptrdiff_t>(mnWindowEnd), mxWindow.begin());
        mnWindowPos = 0;
        mnWindowEnd = nKept;
        const uint32_t dwChunk = std::max(dwWanted - qdwAvailable(), dwReadChunk);
        if (mxWindow.size() < nKept + dwChunk)
            mxWindow.resize(nKept + dwChunk);
        mpxStream->read(reinterpret_cast<char*>(mxWindow.data() + nKept), dwChunk);
        const std::streamsize nGot = mpxStream->gcount();
        mnWindowEnd = nKept + static_cast<std::size_t>(nGot > 0 ? nGot : 0);
        if (nGot < static_cast<std::streamsize>(dwChunk))
            mtStreamDone = true;
    }
    return qdwAvailable() >= dwWanted;
}

void TIso2709Reader::qvConsume(uint32_t dwCount, bool tKeepAsRawData)
{
    if (tKeepAsRawData)
        mxRawData.qvAssign(qpaxCurrent(), dwCount);
    mnWindowPos += dwCount;
    mqwOffset += dwCount;
}

// End of a broken record starting at the current position, looked for in its first
// dwLimit bytes: after its first record terminator or before a following leader;
// 0 when there is neither. Where an earlier search stopped is where this one goes on.
uint32_t TIso2709Reader::qdwFindRecordEnd(uint32_t dwLimit)
{
    const uint64_t qwFrom = mqwOffset + 1;
    if (qwFrom < mqwSearchedFrom || qwFrom > mqwSearchedTo)
    {
        mqwSearchedFrom = mqwSearchedTo = qwFrom;
        mtEndMarkFound = false;
    }
    const uint64_t qwLimit = mqwOffset + dwLimit;
    const unsigned char* paxRecord = qpaxCurrent();
    while (!mtEndMarkFound && mqwSearchedTo < qwLimit)
    {
        const uint32_t dw = static_cast<uint32_t>(mqwSearchedTo - mqwOffset);
        if (paxRecord[dw] == static_cast<unsigned char>(TMarcRecord::mcRecordTerminator_static) ||
            qtLooksLikeLeader(paxRecord + dw, qdwAvailable() - dw))
            mtEndMarkFound = true;
        else
            ++mqwSearchedTo;
    }
    if (!mtEndMarkFound || mqwSearchedTo >= qwLimit)
        return 0;
    const uint32_t dwMark = static_cast<uint32_t>(mqwSearchedTo - mqwOffset);
    return paxRecord[dwMark] == static_cast<unsigned char>(TMarcRecord::mcRecordTerminator_static) ? dwMark + 1
                                                                                                   : dwMark;
}

// Steps over filler and stray bytes up to the next record start or the end of the
// data. A gap that holds a stray byte is reported, with its bytes as the raw data.
void TIso2709Reader::qvStepToRecordStart()
{
    uint32_t dwStray = 0;
    uint64_t qwStrayOffset = 0;
    bool tAtRecordStart = false;
    for (;;)
    {
        const bool tNearEnd = !qtFill(dwLengthDigits);
        if (qdwAvailable() == 0)
            break;
        tAtRecordStart = !tNearEnd && qtIsRecordStart(qpaxCurrent());
        if (tAtRecordStart)
            break;
        if (!qtIsFiller(*qpaxCurrent()) && dwStray++ == 0)
            qwStrayOffset = mqwOffset;
        mxRawData.qvAppend(qpaxCurrent(), 1);
        qvConsume(1, false);
        if (mxRawData.qdwGetDataSize() >= TMarcRecord::mdwMaxRecordLength_static)
        {
            if (dwStray > 0)
                break;
            mxRawData.qvClear();
        }
    }
    if (dwStray == 0)
    {
        std::swap(mxFiller, mxRawData);
        mxRawData.qvClear();
        return;
    }
    std::wstring xWhere =
        L" up to offset " + std::to_wstring(mqwOffset) + L", after record " + std::to_wstring(mdwRecordNumber);
    if (tAtRecordStart)
        xWhere = L" before record " + std::to_wstring(mdwRecordNumber + 1) + L" (offset " + std::to_wstring(mqwOffset) +
                 L")";
    else if (qdwAvailable() == 0)
        xWhere = L" at the end of the data, after record " + std::to_wstring(mdwRecordNumber);
    throw TException(acwMethod + std::to_wstring(dwStray) + L" stray byte(s) from offset " +
                         std::to_wstring(qwStrayOffset) + xWhere,
                     eErrorRecoverable, -1);
}

bool TIso2709Reader::qtReadNext(TMarcRecord& rxRecord)
{
    mxRawData.qvClear();
    mxFiller.qvClear();
    mxRepairs.clear();
    qvStepToRecordStart();
    if (qdwAvailable() == 0)
        return false;

    ++mdwRecordNumber;
    const uint64_t qwRecordOffset = mqwOffset;
    const uint32_t dwLength = qdwDigitsValue(qpaxCurrent(), dwLengthDigits);
    const bool tComplete = qtFill(dwLength);
    if (tComplete && qpaxCurrent()[dwLength - 1] == static_cast<unsigned char>(TMarcRecord::mcRecordTerminator_static))
    {
        qvConsume(dwLength, true);
        qvParse(rxRecord, qwRecordOffset);
        return true;
    }

    // Look as far as the longest possible record for where this one really ends.
    const uint32_t dwPresent = std::min(dwLength, qdwAvailable());
    qtFill(TMarcRecord::mdwMaxRecordLength_static + TMarcLeader::mdwLength_static);
    const uint32_t dwFound = qdwFindRecordEnd(std::min(qdwAvailable(), TMarcRecord::mdwMaxRecordLength_static));
    const uint32_t dwEnd = dwFound != 0 ? dwFound : dwPresent;
    qvConsume(dwEnd, true);
    if (meMode == eReadLenient)
    {
        qvParse(rxRecord, qwRecordOffset);
        return true;
    }
    if (!tComplete && dwFound == 0)
        throw TException(acwMethod + qxRecordName(mdwRecordNumber, qwRecordOffset) + L"Record length " +
                             std::to_wstring(dwLength) + L" in the leader, but the data ends after " +
                             std::to_wstring(dwPresent) + L" bytes",
                         eErrorRecoverable, -1);
    throw TException(acwMethod + qxRecordName(mdwRecordNumber, qwRecordOffset) + L"Record length " +
                         std::to_wstring(dwLength) + L" in the leader does not end on a record terminator",
                     eErrorRecoverable, -1);
}
