#include "TException.h"

std::string qxAsciiText(const std::wstring& rxText)
{
    std::string xOut;
    xOut.reserve(rxText.size());
    for (wchar_t wc : rxText)
        xOut.push_back(wc >= 0x20 && wc < 0x7F ? static_cast<char>(wc) : '?');
    return xOut;
}

TException::TException(const std::wstring& rxMessage, EErrorType eErrorType, int iCode)
    : mxMessage(rxMessage), mxAsciiMessage(qxAsciiText(rxMessage)), meErrorType(eErrorType), miCode(iCode)
{}

TException::TException(const wchar_t* pwcMessage, EErrorType eErrorType, int iCode)
    : TException(std::wstring(pwcMessage ? pwcMessage : L""), eErrorType, iCode)
{}

const wchar_t* TException::qpwcGetMessage() const
{
    return mxMessage.c_str();
}

EErrorType TException::qeGetErrorType() const
{
    return meErrorType;
}

int TException::qiGetCode() const
{
    return miCode;
}

const char* TException::what() const noexcept
{
    return mxAsciiMessage.c_str();
}
