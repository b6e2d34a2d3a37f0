#include "marcio/TMarcMakerFormat.h"

#include "recordlib/TException.h"
#include "recordlib/TMarcTag.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

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

// The byte a mnemonic at xText[nAt] ("{...}") stands for, and its length; 0 when
// the brace starts no mnemonic we know (it is then taken literally).
template <class TChar>
std::size_t qnReadMnemonic(std::basic_string_view<TChar> xText, std::size_t nAt, unsigned char& rcByte)
{
    const std::size_t nClose = xText.find(static_cast<TChar>('}'), nAt + 1);
    if (nClose == std::string::npos || nClose - nAt - 1 > kLongestMnemonic)
        return 0;
    std::string xName;
    for (std::size_t n = nAt + 1; n < nClose; ++n)
    {
        if (static_cast<uint32_t>(xText[n]) >= 0x80)
            return 0;
        xName += static_cast<char>(xText[n]);
    }
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

// Content as stored: "\\" is a blank in the first nBlankMarks characters, "$" a
// delimiter after them when tDelimiters; a mnemonic everywhere the unit fnByte
// gives for its byte. pxAt, when given: for each unit of the result, the index in
// xText of what it was read from.
template <class TChar, class TFnByte>
std::basic_string<TChar> qxDecodeMarks(std::basic_string_view<TChar> xText, std::size_t nBlankMarks, bool tDelimiters,
                                       TFnByte fnByte, std::vector<std::size_t>* pxAt = nullptr)
{
    std::basic_string<TChar> xOut;
    xOut.reserve(xText.size());
    for (std::size_t n = 0; n < xText.size(); ++n)
    {
        const TChar c = xText[n];
        if (pxAt != nullptr)
            pxAt->push_back(n);
        unsigned char cByte = 0;
        std::size_t nLength = 0;
        if (c == static_cast<TChar>(kBlankMark) && xOut.size() < nBlankMarks)
            xOut += static_cast<TChar>(' ');
        else if (c == static_cast<TChar>(kDelimiterMark) && tDelimiters && xOut.size() >= nBlankMarks)
            xOut += static_cast<TChar>(TMarcTag::mcDelimiter);
        else if (c == static_cast<TChar>('{') && (nLength = qnReadMnemonic(xText, n, cByte)) != 0)
        {
            xOut += fnByte(cByte);
            n += nLength - 1;
        }
        else
            xOut += c;
    }
    return xOut;
}

std::string qxDecode(const std::string& rxText, std::size_t nBlankMarks, bool tDelimiters)
{
    return qxDecodeMarks(std::string_view(rxText), nBlankMarks, tDelimiters,
                         [](unsigned char cByte) { return static_cast<char>(cByte); });
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
void qvAppendEncoded(const char* pacData, uint32_t dwSize, uint32_t dwBlankMarks, bool tDelimiters, std::string& rxOut)
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

// The field of one line ("=TAG  data") in rxField; the message of what is
// wrong otherwise (rxField then unchanged).
std::wstring qxReadFieldData(int iTag, const std::string& xData, TMarcTag& rxField)
{
    TMarcTag field(iTag);
    const std::wstring xField = L"field " + field.qxGetTagWideText();
    const bool tControl = field.qtIsControlField();
    if (xData.find_first_of(std::string("\0\x1D\x1E", 3)) != std::string::npos)
        return xField + L" holds a NUL, field or record terminator";
    if (!tControl && xData.size() < 2)
        return xField + L" has no indicators";
    TXBuffer<unsigned char> buffer;
    buffer.qvAssign(reinterpret_cast<const unsigned char*>(xData.data()), static_cast<uint32_t>(xData.size()));
    try
    {
        field.qvSetData(buffer, true);
    }
    catch (const TException&)
    {
        return xField + L" has an invalid indicator";
    }
    rxField = field;
    return std::wstring();
}

std::wstring qxReadFieldLine(const std::string& rxLine, TMarcTag& rxField)
{
    const int iTag = TMarcTag::qiTagNumberOf(rxLine.c_str() + 1);
    if (iTag < 0)
        return L"the tag is not three letters or digits";
    const bool tControl = TMarcTag(iTag).qtIsControlField();
    return qxReadFieldData(iTag, qxDecode(rxLine.substr(6), tControl ? std::string::npos : 2, !tControl), rxField);
}

// The text of a field line as a person edits it, its marks read as qxDecode reads
// them, before it is written in the record's character set: a mnemonic gives its
// ASCII character, or for a byte beyond ASCII (and ESC when tEscByte: MARC-8 holds
// no ESC character) the stand-in of its byte, which the set writes as that byte.
// The marks are read first because in MARC-8 the bytes of other scripts and of
// their escape sequences may be "$", "\\", "{" or "}". rxLineAt as qxDecodeMarks.
std::wstring qxDecodeText(std::wstring_view xText, bool tControl, bool tEscByte, std::vector<std::size_t>& rxLineAt)
{
    return qxDecodeMarks(
        xText, tControl ? std::string::npos : 2, !tControl,
        [tEscByte](unsigned char cByte) {
            return cByte < 0x80 && (cByte != 0x1B || !tEscByte) ? static_cast<wchar_t>(cByte)
                                                                : TCharacterSet::qwcStandIn(cByte);
        },
        &rxLineAt);
}

// One field line into rxRecord, after the fields already there; the message of
// what is wrong otherwise.
std::wstring qxAddFieldLine(const std::string& rxLine, TMarcRecord& rxRecord)
{
    TMarcTag field;
    const std::wstring xProblem = qxReadFieldLine(rxLine, field);
    if (!xProblem.empty())
        return xProblem;
    const int iTag = field.qiGetTagNumber();
    // qvOrderedInsert keeps tag order, but a record keeps its file's order: each
    // field goes in last under the highest tag and then takes its own.
    field.qvSetTagNumber(TMarcTag::miLastTagNumber_static);
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
    : mpxStream(&rxStream), mqwLineLength(0), mtLineTooLong(false), mtHaveLine(false), mqwLineNumber(0), mqwOffset(0),
      mqwPieceLength(0), mdwRecordNumber(0)
{}

uint32_t TMarcMakerReader::qdwGetRecordNumber() const
{
    return mdwRecordNumber;
}

const TXBuffer<unsigned char>& TMarcMakerReader::qrxGetRawData() const
{
    return mxRawData;
}

// The next line: its text without its end (LF or CR LF), cut after
// mdwMaxLineLength_static characters, and how many bytes it takes in the stream.
bool TMarcMakerReader::qtReadLine()
{
    std::streambuf* pxBuffer = mpxStream->rdbuf();
    mxLine.clear();
    mxLineEnd.clear();
    mqwLineLength = 0;
    mtLineTooLong = false;
    int iChar = pxBuffer->sbumpc();
    if (iChar == std::char_traits<char>::eof())
        return false;
    // One character more than a line may have: the CR of a CR LF end.
    for (; iChar != std::char_traits<char>::eof(); iChar = pxBuffer->sbumpc())
    {
        ++mqwLineLength;
        if (iChar == '\n')
        {
            mxLineEnd = "\n";
            break;
        }
        if (mxLine.size() <= mdwMaxLineLength_static)
            mxLine += static_cast<char>(iChar);
        else
            mtLineTooLong = true;
    }
    if (!mtLineTooLong && !mxLine.empty() && mxLine.back() == '\r' && !mxLineEnd.empty())
    {
        mxLine.pop_back();
        mxLineEnd = "\r\n";
    }
    if (mxLine.size() > mdwMaxLineLength_static)
    {
        mxLine.pop_back();
        mtLineTooLong = true;
    }
    mqwOffset += mqwLineLength;
    ++mqwLineNumber;
    return true;
}

// Adds the current line, as it stood, to rxText; a text that grows too long to keep
// is dropped (rtDropped), its length still counted by the caller.
void TMarcMakerReader::qvKeepLine(TXBuffer<unsigned char>& rxText, bool& rtDropped)
{
    if (rtDropped)
        return;
    if (mtLineTooLong || rxText.qdwGetDataSize() + mqwLineLength > mdwMaxRecordText_static)
    {
        rxText.qvClear();
        rtDropped = true;
        return;
    }
    rxText.qvAppend(reinterpret_cast<const unsigned char*>(mxLine.data()), static_cast<uint32_t>(mxLine.size()));
    rxText.qvAppend(reinterpret_cast<const unsigned char*>(mxLineEnd.data()), static_cast<uint32_t>(mxLineEnd.size()));
}

bool TMarcMakerReader::qtReadNext(TMarcRecord& rxRecord)
{
    mxRawData.qvClear();
    mxFiller.qvClear();
    mqwPieceLength = 0;
    bool tFillerDropped = false;
    for (;;)
    {
        if (!mtHaveLine && !qtReadLine())
            return false;
        mtHaveLine = false;
        if (!qtIsBlankLine(mxLine) && !qtIsComment(mxLine))
            break;
        qvKeepLine(mxFiller, tFillerDropped);
    }

    ++mdwRecordNumber;
    const uint64_t qwFirstLine = mqwLineNumber;
    std::wstring xError;
    uint64_t qwErrorLine = mqwLineNumber;
    TMarcRecord record;
    bool tFirst = true;
    bool tRawDropped = false;
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
        mqwPieceLength += mqwLineLength;
        qvKeepLine(mxRawData, tRawDropped);
        if (!qtReadLine())
            break;
        mtHaveLine = true;
    } while (!qtIsLeaderLine(mxLine) && !qtIsBlankLine(mxLine));

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
    qvAppendEncoded(rxField.qpacGetData(), rxField.qdwGetDataSize(), tControl ? rxField.qdwGetDataSize() : 2, !tControl,
                    rxOut);
}

namespace
{
// The characters of xText as a line shows them: ASCII as its byte is written
// (a blank as "\" when tBlankMarks), a stand-in made visible, any other as it is.
void qvAppendShown(std::wstring_view xText, bool tBlankMarks, std::wstring& rxOut)
{
    std::string xMark;
    for (const wchar_t wc : xText)
    {
        if (TCharacterSet::qtIsStandIn(wc))
            rxOut += TCharacterSet::qxVisibleText(std::wstring_view(&wc, 1));
        else if (static_cast<uint32_t>(wc) >= 0x80)
            rxOut += wc;
        else
        {
            xMark.clear();
            if (tBlankMarks && wc == L' ')
                xMark += kBlankMark;
            else
                qvAppendEscaped(static_cast<unsigned char>(wc), xMark);
            rxOut.append(xMark.begin(), xMark.end());
        }
    }
}
}

void qvAppendMarcMakerText(const TMarcTag& rxField, const TCharacterSet& rxSet, std::wstring& rxOut)
{
    const std::string_view xData(rxField.qpacGetData(), rxField.qdwGetDataSize());
    if (rxField.qtIsControlField())
    {
        qvAppendShown(rxSet.qxDecodeComposed(xData), true, rxOut);
        return;
    }
    // The indicators, then what stands before each delimiter.
    const std::size_t nLead = std::min<std::size_t>(2, xData.size());
    qvAppendShown(rxSet.qxDecodeByPosition(xData.substr(0, nLead)), true, rxOut);
    std::string_view xRest = xData.substr(nLead);
    for (bool tSubfield = false;; tSubfield = true)
    {
        const std::size_t nDelimiter = xRest.find(TMarcTag::mcDelimiter);
        std::string_view xPiece = xRest.substr(0, nDelimiter);
        if (tSubfield)
        {
            rxOut += static_cast<wchar_t>(kDelimiterMark);
            qvAppendShown(rxSet.qxDecodeByPosition(xPiece.substr(0, 1)), false, rxOut);
            xPiece.remove_prefix(std::min<std::size_t>(1, xPiece.size()));
        }
        qvAppendShown(rxSet.qxDecodeComposed(xPiece), false, rxOut);
        if (nDelimiter == std::string_view::npos)
            return;
        xRest.remove_prefix(nDelimiter + 1);
    }
}

void qvAppendMarcMakerLeader(const TMarcLeader& rxLeader, std::string& rxOut)
{
    qvAppendEncoded(rxLeader.qpacGetData(), TMarcLeader::mdwLength_static, TMarcLeader::mdwLength_static, false, rxOut);
}

void qvAppendMarcMaker(const TMarcRecord& rxRecord, std::string& rxOut, ELineEnd eLineEnd, bool tBlankLineAfter)
{
    const char* pacLineEnd = eLineEnd == eLineEndCrLf ? "\r\n" : "\n";
    std::string xText = "=LDR  ";
    qvAppendMarcMakerLeader(rxRecord.qrxGetLeader(), xText);
    xText += pacLineEnd;
    // The record's length in ISO 2709: the Leader, the directory and its terminator,
    // each field and its terminator, the record terminator.
    uint64_t qwIsoLength = TMarcLeader::mdwLength_static + 2;
    for (uint32_t dw = 0; dw < rxRecord.qdwGetFieldCount(); ++dw)
    {
        const TMarcTag& field = rxRecord.qrxGetField(dw);
        const std::string xTag = field.qxGetTagText();
        if (xTag.empty())
            throw TException(L"qvAppendMarcMaker() : A field has no tag number", eErrorRecoverable, -1);
        // Its line would read back as a second Leader.
        if (qtIsLeaderLine('=' + xTag))
            throw TException(L"qvAppendMarcMaker() : A field tagged LDR cannot be written as MARCMaker text",
                             eErrorRecoverable, -1);
        if (field.qdwGetDataSize() >= TMarcRecord::mdwMaxFieldLength_static)
            throw TException(L"qvAppendMarcMaker() : Field " + field.qxGetTagWideText() + L" has " +
                                 std::to_wstring(field.qdwGetDataSize()) + L" bytes, more than a record can hold",
                             eErrorRecoverable, -1);
        qwIsoLength += 12 + field.qdwGetDataSize() + 1;
        xText += '=' + xTag + "  ";
        qvAppendMarcMakerData(field, xText);
        xText += pacLineEnd;
    }
    if (qwIsoLength > TMarcRecord::mdwMaxRecordLength_static)
        throw TException(L"qvAppendMarcMaker() : The record would take " + std::to_wstring(qwIsoLength) +
                             L" bytes in ISO 2709, more than the " +
                             std::to_wstring(TMarcRecord::mdwMaxRecordLength_static) + L" a record can hold",
                         eErrorRecoverable, -1);
    rxOut += xText;
    if (tBlankLineAfter)
        rxOut += pacLineEnd;
}

std::wstring qxMarcMakerFieldText(const TMarcTag& rxField, const TCharacterSet& rxSet)
{
    const bool tControl = rxField.qtIsControlField();
    // The indicators byte by byte; the text (all of a control field) read in rxSet.
    const uint32_t dwIndicators = tControl ? 0 : std::min<uint32_t>(2, rxField.qdwGetDataSize());
    std::string xStart = '=' + rxField.qxGetTagText() + "  ";
    qvAppendEncoded(rxField.qpacGetData(), dwIndicators, dwIndicators, false, xStart);
    std::wstring xText(xStart.begin(), xStart.end());
    std::wstring xData;
    rxSet.qvDecode(std::string_view(rxField.qpacGetData() + dwIndicators, rxField.qdwGetDataSize() - dwIndicators),
                   xData);
    for (const wchar_t wc : xData)
    {
        if (wc >= 0x80)
        {
            xText += wc;
            continue;
        }
        std::string xMarked;
        if (tControl && wc == L' ')
            xMarked = kBlankMark;
        else if (!tControl && wc == static_cast<wchar_t>(TMarcTag::mcDelimiter))
            xMarked = kDelimiterMark;
        else
            qvAppendEscaped(static_cast<unsigned char>(wc), xMarked);
        xText.append(xMarked.begin(), xMarked.end());
    }
    return xText;
}

TMarcTag qxReadMarcMakerFieldText(std::wstring_view xLine, const TCharacterSet& rxSet)
{
    auto fail = [](const std::wstring& rxWhat) -> TMarcTag { throw TException(rxWhat, eErrorRecoverable, -1); };
    auto at = [](std::size_t n) { return std::to_wstring(n + 1); };
    if (xLine.size() < 6 || xLine[0] != L'=' || xLine[4] != L' ' || xLine[5] != L' ')
        return fail(L"A field line begins with \"=\", the tag and two blanks, as in \"=245  10$aTitle\".");
    const std::wstring xTag(xLine.substr(1, 3));
    const std::string xAsciiTag(xTag.begin(), xTag.end());
    const int iTag =
        xTag.find_first_not_of(L"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") == std::wstring::npos
            ? TMarcTag::qiTagNumberOf(xAsciiTag.c_str())
            : -1;
    if (iTag < 0)
        return fail(L"The tag \"" + xTag + L"\" (characters 2 to 4) is not three digits or letters.");
    const TMarcTag xTagOnly(iTag);
    if (!xTagOnly.qtIsControlField())
    {
        const wchar_t* const apwcOrdinal[] = {L"first", L"second"};
        for (std::size_t n = 6; n < 8; ++n)
        {
            if (n >= xLine.size())
                return fail(L"Field " + xTag + L" has no " + apwcOrdinal[n - 6] + L" indicator (character " + at(n) +
                            L").");
            const wchar_t wc = xLine[n];
            if (wc != kBlankMark && (wc >= 0x80 || !TMarcTag::qtIsValidIndicator(static_cast<char>(wc))))
                return fail(L"The " + std::wstring(apwcOrdinal[n - 6]) + L" indicator of field " + xTag +
                            L" (character " + at(n) + L") is \"" + std::wstring(1, wc) +
                            L"\": an indicator is a digit, a lowercase letter or \"\\\" for a blank.");
        }
        if (xLine.size() > 8 && xLine[8] != kDelimiterMark)
            return fail(L"Field " + xTag +
                        L" has text without a subfield code at character 9: each subfield "
                        L"begins with \"$\" and its code.");
        if (xLine.size() == 8)
            return fail(L"Field " + xTag + L" has no subfield: after the indicators comes \"$\" and a code.");
        for (std::size_t n = 8; n < xLine.size(); ++n)
            if (xLine[n] == kDelimiterMark &&
                (n + 1 == xLine.size() || xLine[n + 1] == kDelimiterMark || xLine[n + 1] == L' '))
                return fail(L"The \"$\" at character " + at(n) + L" of field " + xTag + L" has no subfield code.");
    }
    std::vector<std::size_t> xLineAt;
    std::string xBytes;
    std::size_t nFailedAt = 0;
    const bool tEscByte = !rxSet.qtEncode(L"\x1B", xBytes, nFailedAt);
    const std::wstring xText = qxDecodeText(xLine.substr(6), xTagOnly.qtIsControlField(), tEscByte, xLineAt);
    xBytes.clear();
    if (!rxSet.qtEncode(xText, xBytes, nFailedAt))
        return fail(L"The character " + TCharacterSet::qxNameCharacter(xText, nFailedAt) + L" at character " +
                    at(6 + xLineAt[nFailedAt]) + L" cannot be written in " + rxSet.qpwcGetName() + L".");
    TMarcTag xField;
    const std::wstring xProblem = qxReadFieldData(iTag, xBytes, xField);
    if (!xProblem.empty())
        return fail(L"The line cannot be read: " + xProblem + L".");
    return xField;
}
