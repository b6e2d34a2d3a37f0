#include "TMarcTag.h"

#include "TException.h"

#include <cstring>
#include <string>

namespace
{

// The characters of a tag in the order of their digits: ASCII order.
const char acTagCharacters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int iTagBase = 62;
static_assert(sizeof acTagCharacters == iTagBase + 1, "one digit for each tag character");

// The digit of a tag character, its place in acTagCharacters (-1 for none): the
// three ranges of ASCII it holds, counted (this runs for every field read).
int qiTagDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'Z')
        return 10 + (c - 'A');
    if (c >= 'a' && c <= 'z')
        return 36 + (c - 'a');
    return -1;
}

void qvCheckTagNumber(int iTagNumber, const wchar_t* pwcMethod)
{
    if (iTagNumber != -1 && TMarcTag::qxTagText(iTagNumber).empty())
        throw TException(std::wstring(pwcMethod) + L" : " + std::to_wstring(iTagNumber) + L" is no tag's number",
                         eErrorFatal, -1);
}

} // namespace

// Out-of-class definitions, so that the DLL exports the constants for code that takes
// their address (a reference to an inline constant cannot be imported).
constexpr char TMarcTag::mcDelimiter;
constexpr int TMarcTag::miFirstAlphanumericTag_static;
constexpr int TMarcTag::miLastTagNumber_static;

TMarcTag::TMarcTag(int iTagNumber) : miTagNumber(-1)
{
    qvCheckTagNumber(iTagNumber, L"TMarcTag::TMarcTag()");
    miTagNumber = iTagNumber;
}

int TMarcTag::qiTagNumberOf(const char* pacTag)
{
    if (pacTag == nullptr)
        return -1;
    int iNumber = 0;
    bool tLetter = false;
    for (int i = 0; i < 3; ++i)
    {
        const int iDigit = qiTagDigit(pacTag[i]);
        if (iDigit < 0)
            return -1;
        tLetter = tLetter || iDigit >= 10;
        iNumber = iNumber * iTagBase + iDigit;
    }
    if (!tLetter)
        return (pacTag[0] - '0') * 100 + (pacTag[1] - '0') * 10 + (pacTag[2] - '0');
    return miFirstAlphanumericTag_static + iNumber;
}

std::string TMarcTag::qxTagText(int iTagNumber)
{
    if (iTagNumber >= 0 && iTagNumber < miFirstAlphanumericTag_static)
        return {static_cast<char>('0' + iTagNumber / 100), static_cast<char>('0' + iTagNumber / 10 % 10),
                static_cast<char>('0' + iTagNumber % 10)};
    if (iTagNumber < miFirstAlphanumericTag_static || iTagNumber > miLastTagNumber_static)
        return std::string();
    const int iCode = iTagNumber - miFirstAlphanumericTag_static;
    std::string xText = {acTagCharacters[iCode / (iTagBase * iTagBase)], acTagCharacters[iCode / iTagBase % iTagBase],
                         acTagCharacters[iCode % iTagBase]};
    // All digits: a numeric tag's text, which has its own number.
    return xText.find_first_not_of("0123456789") == std::string::npos ? std::string() : xText;
}

std::string TMarcTag::qxGetTagText() const
{
    return qxTagText(miTagNumber);
}

std::wstring TMarcTag::qxTagWideText(int iTagNumber)
{
    const std::string xText = qxTagText(iTagNumber);
    return xText.empty() ? std::wstring(L"???") : std::wstring(xText.begin(), xText.end());
}

std::wstring TMarcTag::qxGetTagWideText() const
{
    return qxTagWideText(miTagNumber);
}

int TMarcTag::qiGetTagNumber() const
{
    return miTagNumber;
}

void TMarcTag::qvSetTagNumber(int iTagNumber)
{
    qvCheckTagNumber(iTagNumber, L"TMarcTag::qvSetTagNumber()");
    miTagNumber = iTagNumber;
}

bool TMarcTag::qtIsControlField() const
{
    if (miTagNumber >= 0 && miTagNumber <= 9)
        return true;
    if (miTagNumber < miFirstAlphanumericTag_static)
        return false;
    // "00" then a letter: the first two digits are 0.
    return (miTagNumber - miFirstAlphanumericTag_static) < iTagBase;
}

const char* TMarcTag::qpacGetData() const
{
    return mxData.qpacGetData();
}

const unsigned char* TMarcTag::qpaxGetData() const
{
    return mxData.qpaxGetData();
}

uint32_t TMarcTag::qdwGetDataSize() const
{
    return mxData.qdwGetDataSize();
}

bool TMarcTag::qtIsValidIndicator(char cIndicator)
{
    return cIndicator == ' ' || (cIndicator >= '0' && cIndicator <= '9') || (cIndicator >= 'a' && cIndicator <= 'z');
}

void TMarcTag::qvStore(const unsigned char* paxData, uint32_t dwSize, bool tCheckIndicators, const wchar_t* pwcMethod)
{
    // Messages are made only when thrown: this runs for every field read.
    auto qvFail = [pwcMethod](const wchar_t* pwcWhat) {
        throw TException(std::wstring(pwcMethod) + L" : " + pwcWhat, eErrorRecoverable, -1);
    };
    if (dwSize > 0 && std::memchr(paxData, 0, dwSize) != nullptr)
        qvFail(L"Field data holds a NUL byte");
    if (tCheckIndicators && !qtIsControlField())
    {
        if (dwSize < 2)
            qvFail(L"Field data is too short to hold two indicators");
        if (!qtIsValidIndicator(static_cast<char>(paxData[0])) || !qtIsValidIndicator(static_cast<char>(paxData[1])))
            qvFail(L"Invalid indicator");
    }
    mxData.qvAssign(paxData, dwSize);
}

void TMarcTag::qvSetData(const char* pacData, bool tCheckIndicators)
{
    if (pacData == nullptr)
        throw TException(L"TMarcTag::qvSetData() : Null data", eErrorFatal, -1);
    const std::size_t nLength = std::strlen(pacData);
    if (nLength > UINT32_MAX)
        throw TException(L"TMarcTag::qvSetData() : Data too long", eErrorFatal, -1);
    qvStore(reinterpret_cast<const unsigned char*>(pacData), static_cast<uint32_t>(nLength), tCheckIndicators,
            L"TMarcTag::qvSetData()");
}

void TMarcTag::qvSetData(const TXBuffer<unsigned char>& rxData, bool tCheckIndicators)
{
    qvStore(rxData.qpaxGetData(), rxData.qdwGetDataSize(), tCheckIndicators, L"TMarcTag::qvSetData()");
}

void TMarcTag::qvSetData(const unsigned char* paxData, uint32_t dwSize, bool tCheckIndicators)
{
    if (paxData == nullptr && dwSize != 0)
        throw TException(L"TMarcTag::qvSetData() : Null data", eErrorFatal, -1);
    qvStore(paxData, dwSize, tCheckIndicators, L"TMarcTag::qvSetData()");
}

bool TMarcTag::qtAppend(const TXBuffer<unsigned char>& rxData, bool tCheckIndicators)
{
    if (rxData.qdwGetDataSize() == 0)
        return false;
    TXBuffer<unsigned char> xJoined(mxData);
    xJoined.qvAppend(rxData);
    qvStore(xJoined.qpaxGetData(), xJoined.qdwGetDataSize(), tCheckIndicators, L"TMarcTag::qtAppend()");
    return true;
}

uint32_t TMarcTag::qdwIndicatorIndex(ETagIndicator eIndicator, const wchar_t* pwcMethod)
{
    if (eIndicator != eFirstIndicator && eIndicator != eSecondIndicator)
        throw TException(std::wstring(pwcMethod) + L" : Unknown indicator " +
                             std::to_wstring(static_cast<int>(eIndicator)),
                         eErrorFatal, -1);
    return static_cast<uint32_t>(eIndicator);
}

char TMarcTag::qcGetIndicator(ETagIndicator eIndicator) const
{
    const uint32_t dwIndex = qdwIndicatorIndex(eIndicator, L"TMarcTag::qcGetIndicator()");
    if (qtIsControlField() || mxData.qdwGetDataSize() <= dwIndex)
        return ' ';
    return mxData.qpacGetData()[dwIndex];
}

void TMarcTag::qvSetIndicator(ETagIndicator eIndicator, char cIndicator)
{
    const uint32_t dwIndex = qdwIndicatorIndex(eIndicator, L"TMarcTag::qvSetIndicator()");
    if (qtIsControlField())
        throw TException(L"TMarcTag::qvSetIndicator() : Control field " + qxGetTagWideText() + L" has no indicators",
                         eErrorWarning, -1);
    if (!qtIsValidIndicator(cIndicator))
        throw TException(L"TMarcTag::qvSetIndicator() : Invalid indicator", eErrorRecoverable, -1);
    while (mxData.qdwGetDataSize() < 2)
        mxData.qvAppendAscii(" ");
    mxData.qvSetAt(dwIndex, static_cast<unsigned char>(cIndicator));
}
