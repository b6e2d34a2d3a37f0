#include "marcio/TMarcMakerFormat.h"

#include "recordlib/TException.h"
#include "recordlib/TMarcTag.h"

#include <cstring>

namespace
{
const wchar_t kReadMethod[] = L"TMarcMakerReader::qtReadNext() : ";
const char kBlankMark = '\\';
const char kDelimiterMark = '$';

struct TMnemonic
{
    const char* pacName;
    unsigned char cByte;
};

// Written for these bytes, read back to them; {xHH} covers the other control bytes.
const TMnemonic kMnemonics[] = {
    {"dollar", '$'}, {"bsol", '\\'}, {"lcub", '{'}, {"rcub", '}'}, {"esc", 0x1B},
};
constexpr std::size_t kLongestMnemonic = 6;
static_assert(kLongestMnemonic + 2 == TMarcMakerReader::mdwLongestMnemonic_static, "{dollar} is the longest");
static_assert(TMarcMakerReader::mdwMaxRecordText_static >
                  TMarcMakerReader::mdwLongestMnemonic_static * TMarcRecord::mdwMaxRecordLength_static +
                      8 * (TMarcRecord::mdwMaxRecordLength_static / 13),
              "the text of any record that fits in ISO 2709 is kept whole");

bool qtIsBlankLine(const std::string& rxLine)
{
    return rxLine.find_first_not_of(" \t") == std::string::npos;
}

bool qtIsComment(const std::string& rxLine)
{
    return !rxLine.empty() && rxLine[0] == '#';
}

bool qtIsLeaderLine(const std::string& rxLine)
{
    return rxLine.compare(0, 4, "=LDR") == 0;
}

int qiHexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The byte a mnemonic at rxText[nAt] ("{...}") stands for, and its length; 0 when
// the brace starts no mnemonic we know (it is then taken literally).
std::size_t qnReadMnemonic(const std::string& rxText, std::size_t nAt, unsigned char& rcByte)
{
    const std::size_t nClose = rxText.find('}', nAt + 1);
    if (nClose == std::string::npos || nClose - nAt - 1 > kLongestMnemonic)
        return 0;
    const std::string xName = rxText.substr(nAt + 1, nClose - nAt - 1);
    for (const TMnemonic& mnemonic : kMnemonics)
    {
        if (xName == mnemonic.pacName)
        {
            rcByte = mnemonic.cByte;
            return nClose - nAt + 1;
        }
    }
    if (xName.size() == 3 && xName[0] == 'x' && qiHexValue(xName[1]) >= 0 && qiHexValue(xName[2]) >= 0)
    {
        rcByte = static_cast<unsigned char>(qiHexValue(xName[1]) * 16 + qiHexValue(xName[2]));
        return nClose - nAt + 1;
    }
    return 0;
}

// Content as stored: "\" is a blank in the first nBlankMarks characters, "$" a
// delimiter after them when tDelimiters; mnemonics everywhere.
std::string qxDecode(const std::string& rxText, std::size_t nBlankMarks, bool tDelimiters)
{
    std::string xOut;
    xOut.reserve(rxText.size());
    for (std::size_t n = 0; n < rxText.size(); ++n)
    {
        const char c = rxText[n];
        unsigned char cByte = 0;
        std::size_t nLength = 0;
        if (c == kBlankMark && xOut.size() < nBlankMarks)
            xOut += ' ';
        else if (c == kDelimiterMark && tDelimiters && xOut.size() >= nBlankMarks)
            xOut += TMarcTag::mcDelimiter;
        else if (c == '{' && (nLength = qnReadMnemonic(rxText, n, cByte)) != 0)
        {
            xOut += static_cast<char>(cByte);
            n += nLength - 1;
        }
        else
            xOut += c;
    }
    return xOut;
}

void qvAppendEscaped(unsigned char c, std::string& rxOut)
{
    for (const TMnemonic& mnemonic : kMnemonics)
    {
        if (c == mnemonic.cByte)
        {
            rxOut += '{';
            rxOut += mnemonic.pacName;
            rxOut += '}';
            return;
        }
    }
    if (c < 0x20 || c == 0x7F)
    {
        static const char kHex[] = "0123456789ABCDEF";
        rxOut += "{x";
        rxOut += kHex[c >> 4];
        rxOut += kHex[c & 0x0F];
        rxOut += '}';
        return;
    }
    rxOut += static_cast<char>(c);
}

// The inverse of qxDecode.
void qvAppendEncoded(const char* pacData, uint32_t dwSize, uint32_t dwBlankMarks, bool tDelimiters,
                     std::string& rxOut)
{
    for (uint32_t dw = 0; dw < dwSize; ++dw)
    {
        const unsigned char c = static_cast<unsigned char>(pacData[dw]);
        if (c == ' ' && dw < dwBlankMarks)
            rxOut += kBlankMark;
        else if (c == static_cast<unsigned char>(TMarcTag::mcDelimiter) && tDelimiters && dw >= dwBlankMarks)
            rxOut += kDelimiterMark;
        else
            qvAppendEscaped(c, rxOut);
    }
}

int qiParseTag(const std::string& rxLine)
{
    int iTag = 0;
    for (std::size_t n = 1; n <= 3; ++n)
    {
        if (rxLine[n] < '0' || rxLine[n] > '9')
            return -1;
        iTag = iTag * 10 + (rxLine[n] - '0');
    }
    return iTag;
}

// One field line into rxRecord, after the fields already there; the message of
// what is wrong otherwise.
std::wstring qxAddFieldLine(const std::string& rxLine, TMarcRecord& rxRecord)
{
    const int iTag = qiParseTag(rxLine);
    if (iTag < 0)
        return L"the tag is not three digits";
    TMarcTag field(iTag);
    const bool tControl = field.qtIsControlField();
    const std::string xData = qxDecode(rxLine.substr(6), tControl ? std::string::npos : 2, !tControl);
    if (xData.find_first_of(std::string("\0\x1D\x1E", 3)) != std::string::npos)
        return L"field " + std::to_wstring(iTag) + L" holds a NUL, field or record terminator";
    if (!tControl && xData.size() < 2)
        return L"field " + std::to_wstring(iTag) + L" has no indicators";
    TXBuffer<unsigned char> buffer;
    buffer.qvAssign(reinterpret_cast<const unsigned char*>(xData.data()), static_cast<uint32_t>(xData.size()));
    try
    {
        field.qvSetData(buffer, true);
    }
    catch (const TException&)
    {
        return L"field " + std::to_wstring(iTag) + L" has an invalid indicator";
    }
    // qvOrderedInsert keeps tag order, but a record keeps its file's order: each
    // field goes in last under the highest tag and then takes its own.
    field.qvSetTagNumber(999);
    rxRecord.qvOrderedInsert(field);
    rxRecord.qrxGetField(rxRecord.qdwGetFieldCount() - 1).qvSetTagNumber(iTag);
    return std::wstring();
}

std::wstring qxSetLeaderLine(const std::string& rxLine, TMarcRecord& rxRecord)
{
    const std::string xLeader = qxDecode(rxLine.substr(6), std::string::npos, false);
    if (xLeader.size() != TMarcLeader::mdwLength_static)
        return L"the Leader has " + std::to_wstring(xLeader.size()) + L" characters, not 24";
    try
    {
        rxRecord.qvSetLeader(xLeader.c_str());
    }
    catch (const TException&)
    {
        return L"the Leader holds a character that is not printable";
    }
    return std::wstring();
}

bool qtHasFieldLineShape(const std::string& rxLine)
{
    return rxLine.size() >= 6 && rxLine[0] == '=' && rxLine[4] == ' ' && rxLine[5] == ' ';
}
}

TMarcMakerReader::TMarcMakerReader(std::istream& rxStream)
    : mpxStream(&rxStream), mtLineTooLong(false), mtRawDropped(false), mtHaveLine(false), mqwLineNumber(0), mdwRecordNumber(0)
{
}

uint32_t TMarcMakerReader::qdwGetRecordNumber() const
{
    return mdwRecordNumber;
}

const TXBuffer<unsigned char>& TMarcMakerReader::qrxGetRawData() const
{
    return mxRawData;
}

// The next line without its end (LF or CR LF), cut at mdwMaxLineLength_static.
bool TMarcMakerReader::qtReadLine()
{
    std::streambuf* pxBuffer = mpxStream->rdbuf();
    mxLine.clear();
    mtLineTooLong = false;
    int iChar = pxBuffer->sbumpc();
    if (iChar == std::char_traits<char>::eof())
        return false;
    // One character more than a line may have: the CR of a CR LF end.
    for (; iChar != std::char_traits<char>::eof() && iChar != '\n'; iChar = pxBuffer->sbumpc())
    {
        if (mxLine.size() <= mdwMaxLineLength_static)
            mxLine += static_cast<char>(iChar);
        else
            mtLineTooLong = true;
    }
    if (!mxLine.empty() && mxLine.back() == '\r')
        mxLine.pop_back();
    if (mxLine.size() > mdwMaxLineLength_static)
    {
        mxLine.pop_back();
        mtLineTooLong = true;
    }
    ++mqwLineNumber;
    return true;
}

// Adds the current line to the record's text; a record too long to keep has none.
void TMarcMakerReader::qvKeepLine()
{
    if (mtRawDropped)
        return;
    const uint32_t dwSize = static_cast<uint32_t>(mxLine.size()) + 1;
    if (mtLineTooLong || mxRawData.qdwGetDataSize() + dwSize > mdwMaxRecordText_static)
    {
        mxRawData.qvClear();
        mtRawDropped = true;
        return;
    }
    mxRawData.qvAppend(reinterpret_cast<const unsigned char*>(mxLine.data()), static_cast<uint32_t>(mxLine.size()));
    mxRawData.qvAppend(reinterpret_cast<const unsigned char*>("\n"), 1);
}

bool TMarcMakerReader::qtReadNext(TMarcRecord& rxRecord)
{
    mxRawData.qvClear();
    mtRawDropped = false;
    do
    {
        if (!mtHaveLine && !qtReadLine())
            return false;
        mtHaveLine = false;
    } while (qtIsBlankLine(mxLine) || qtIsComment(mxLine));

    ++mdwRecordNumber;
    const uint64_t qwFirstLine = mqwLineNumber;
    std::wstring xError;
    uint64_t qwErrorLine = mqwLineNumber;
    TMarcRecord record;
    bool tFirst = true;
    do
    {
        if (!qtIsComment(mxLine) && xError.empty())
        {
            qwErrorLine = mqwLineNumber;
            if (mtLineTooLong)
                xError = L"the line is longer than " + std::to_wstring(mdwMaxLineLength_static) + L" characters";
            else if (!qtHasFieldLineShape(mxLine))
                xError = L"the line is not \"=TAG  data\"";
            else if (tFirst != qtIsLeaderLine(mxLine))
                xError = tFirst ? L"the record does not begin with =LDR" : L"a second =LDR";
            else if (tFirst)
                xError = qxSetLeaderLine(mxLine, record);
            else
                xError = qxAddFieldLine(mxLine, record);
        }
        tFirst = false;
        qvKeepLine();
        if (!qtReadLine())
            break;
        mtHaveLine = qtIsLeaderLine(mxLine);
    } while (!mtHaveLine && !qtIsBlankLine(mxLine));

    if (!xError.empty())
        throw TException(kReadMethod + (L"Record " + std::to_wstring(mdwRecordNumber) + L" (line " +
                                        std::to_wstring(qwFirstLine) + L"), line " + std::to_wstring(qwErrorLine) +
                                        L": " + xError),
                         eErrorRecoverable, -1);
    const EMarcType eKeptType = rxRecord.qrxGetLeader().qeGetType();
    const bool tKeepType = rxRecord.qrxGetLeader().qtHasMarcType();
    const uint32_t dwAuxData1 = rxRecord.qdwGetAuxData1();
    rxRecord = record;
    if (tKeepType)
        rxRecord.qrxGetLeader().qvSetMarcType(eKeptType);
    rxRecord.qvSetAuxData1(dwAuxData1);
    return true;
}

void qvAppendMarcMakerData(const TMarcTag& rxField, std::string& rxOut)
{
    const bool tControl = rxField.qtIsControlField();
    qvAppendEncoded(rxField.qpacGetData(), rxField.qdwGetDataSize(), tControl ? rxField.qdwGetDataSize() : 2,
                    !tControl, rxOut);
}

void qvAppendMarcMakerLeader(const TMarcLeader& rxLeader, std::string& rxOut)
{
    qvAppendEncoded(rxLeader.qpacGetData(), TMarcLeader::mdwLength_static, TMarcLeader::mdwLength_static, false, rxOut);
}

void qvAppendMarcMaker(const TMarcRecord& rxRecord, std::string& rxOut)
{
    std::string xText = "=LDR  ";
    qvAppendMarcMakerLeader(rxRecord.qrxGetLeader(), xText);
    xText += '\n';
    for (uint32_t dw = 0; dw < rxRecord.qdwGetFieldCount(); ++dw)
    {
        const TMarcTag& field = rxRecord.qrxGetField(dw);
        const int iTag = field.qiGetTagNumber();
        if (iTag < 0 || iTag > 999)
            throw TException(L"qvAppendMarcMaker() : A field has no tag number", eErrorRecoverable, -1);
        if (field.qdwGetDataSize() >= TMarcRecord::mdwMaxFieldLength_static)
            throw TException(L"qvAppendMarcMaker() : Field " + std::to_wstring(iTag) + L" has " +
                                 std::to_wstring(field.qdwGetDataSize()) + L" bytes, more than a record can hold",
                             eErrorRecoverable, -1);
        const char acTag[] = {'=', static_cast<char>('0' + iTag / 100), static_cast<char>('0' + iTag / 10 % 10),
                              static_cast<char>('0' + iTag % 10), ' ', ' ', '\0'};
        xText += acTag;
        qvAppendMarcMakerData(field, xText);
        xText += '\n';
    }
    rxOut += xText;
    rxOut += '\n';
}
