#include "marcio/TMarcFile.h"

#include "recordlib/TException.h"

#include <algorithm>
#include <ios>
#include <vector>

namespace
{
const std::string kByteOrderMark = "\xEF\xBB\xBF";

template <typename TChar> EMarcFileFormat qeFormatOfName(const std::basic_string<TChar>& rxPath)
{
    static const char kExtension[] = ".mrk";
    const std::size_t nLength = sizeof(kExtension) - 1;
    if (rxPath.size() < nLength)
        return eIso2709;
    for (std::size_t n = 0; n < nLength; ++n)
    {
        const auto c = rxPath[rxPath.size() - nLength + n];
        const auto cLower = (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
        if (cLower != static_cast<TChar>(kExtension[n]))
            return eIso2709;
    }
    return eMarcMaker;
}
}

EMarcFileFormat qeFormatOfPath(const std::string& rxPath)
{
    return qeFormatOfName(rxPath);
}

EMarcFileFormat qeFormatOfPath(const std::wstring& rxPath)
{
    return qeFormatOfName(rxPath);
}

EMarcFileFormat qeSniffFormat(std::istream& rxStream)
{
    std::streambuf* pxBuffer = rxStream.rdbuf();
    // Only a few bytes are looked through, so that they can be put back.
    std::string xSeen;
    EMarcFileFormat eFormat = eIso2709;
    try
    {
        for (int iChar = pxBuffer->sgetc(); iChar != std::char_traits<char>::eof() && xSeen.size() < 4096;
             iChar = pxBuffer->sgetc())
        {
            // A byte order mark is looked through only at the very start.
            const bool tInMark = xSeen.size() < kByteOrderMark.size() &&
                                 xSeen == kByteOrderMark.substr(0, xSeen.size()) &&
                                 static_cast<char>(iChar) == kByteOrderMark[xSeen.size()];
            if (!tInMark && iChar != ' ' && iChar != '\t' && iChar != '\r' && iChar != '\n')
            {
                eFormat = (iChar == '=' || iChar == '#') ? eMarcMaker : eIso2709;
                break;
            }
            xSeen += static_cast<char>(pxBuffer->sbumpc());
        }
    }
    catch (const std::ios_base::failure&)
    {
        // Reading reports it.
    }
    for (auto it = xSeen.rbegin(); it != xSeen.rend(); ++it)
        if (pxBuffer->sputbackc(*it) == std::char_traits<char>::eof())
            break;
    return eFormat;
}

std::unique_ptr<TMarcRecordReader> qpxMakeRecordReader(std::istream& rxStream, EMarcFileFormat eFormat, EReadMode eMode)
{
    if (eFormat == eMarcMaker)
        return std::make_unique<TMarcMakerReader>(rxStream);
    return std::make_unique<TIso2709Reader>(rxStream, eMode);
}

namespace
{
[[noreturn]] void qvThrowReadError(uint64_t qwOffset, const char* pacDetail)
{
    std::wstring xDetail;
    for (const char* pac = pacDetail; *pac != '\0'; ++pac)
        xDetail += static_cast<wchar_t>(static_cast<unsigned char>(*pac));
    throw TException(L"qvReadPieces() : The data could not be read after byte " + std::to_wstring(qwOffset) + L" (" +
                         xDetail + L")",
                     eErrorRecoverable, kReadFailedCode);
}

// A UTF-8 byte order mark at the start, taken from the stream; its length (0 or 3).
uint64_t qqwTakeByteOrderMark(std::istream& rxStream, TXBuffer<unsigned char>& rxMark)
{
    std::streambuf* pxBuffer = rxStream.rdbuf();
    std::string xSeen;
    while (xSeen.size() < kByteOrderMark.size() &&
           pxBuffer->sgetc() == static_cast<unsigned char>(kByteOrderMark[xSeen.size()]))
        xSeen += static_cast<char>(pxBuffer->sbumpc());
    if (xSeen.size() == kByteOrderMark.size())
    {
        rxMark.qvAssign(reinterpret_cast<const unsigned char*>(xSeen.data()), static_cast<uint32_t>(xSeen.size()));
        return xSeen.size();
    }
    for (auto it = xSeen.rbegin(); it != xSeen.rend(); ++it)
        pxBuffer->sputbackc(*it);
    return 0;
}
}

std::wstring qxMessageDetail(const TException& rxError)
{
    const std::wstring xMessage(rxError.qpwcGetMessage());
    const std::size_t nAt = xMessage.find(L" : ");
    return nAt == std::wstring::npos ? xMessage : xMessage.substr(nAt + 3);
}

void qvReadPieces(std::istream& rxStream, EMarcFileFormat eFormat, EReadMode eMode,
                  const std::function<void(TRecordPiece&)>& fnPiece)
{
    uint64_t qwAt = 0; // where the next piece starts
    TXBuffer<unsigned char> xMark;
    try
    {
        qwAt = qqwTakeByteOrderMark(rxStream, xMark);
    }
    catch (const std::ios_base::failure& e)
    {
        qvThrowReadError(0, e.what());
    }
    if (qwAt != 0)
    {
        TRecordPiece mark{ePieceFiller, 0, nullptr, 0, qwAt, &xMark, std::wstring(), nullptr};
        fnPiece(mark);
    }
    const uint64_t qwBase = qwAt;
    const std::unique_ptr<TMarcRecordReader> pxReader = qpxMakeRecordReader(rxStream, eFormat, eMode);
    TMarcRecordReader& rxReader = *pxReader;
    TMarcRecord record;
    for (;;)
    {
        const uint32_t dwBefore = rxReader.qdwGetRecordNumber();
        TRecordPiece piece{
            ePieceRecord, 0, &record, 0, 0, &rxReader.qrxGetRawData(), std::wstring(), &rxReader.qrxGetRepairs()};
        bool tAtEnd = false;
        try
        {
            tAtEnd = !rxReader.qtReadNext(record);
        }
        catch (const TException& e)
        {
            // The reader counts records: stray bytes leave the count as it was.
            piece.mePiece = rxReader.qdwGetRecordNumber() == dwBefore ? ePieceStrayBytes : ePieceBrokenRecord;
            piece.mpxRecord = nullptr;
            piece.mxProblem = e.qpwcGetMessage();
        }
        catch (const std::ios_base::failure& e)
        {
            qvThrowReadError(qwBase + rxReader.qqwGetOffset(), e.what());
        }
        if (rxStream.bad())
            qvThrowReadError(qwBase + rxReader.qqwGetOffset(), "the stream failed");
        const uint64_t qwEnd = qwBase + rxReader.qqwGetOffset();
        piece.mqwLength = tAtEnd ? 0 : rxReader.qqwGetPieceLength();
        piece.mqwOffset = qwEnd - piece.mqwLength;
        if (piece.mqwOffset != qwAt)
        {
            TRecordPiece filler{
                ePieceFiller,   dwBefore, nullptr, qwAt, piece.mqwOffset - qwAt, &rxReader.qrxGetFillerBefore(),
                std::wstring(), nullptr};
            fnPiece(filler);
        }
        if (tAtEnd)
            return;
        qwAt = qwEnd;
        piece.mdwRecordNumber = rxReader.qdwGetRecordNumber();
        fnPiece(piece);
    }
}

bool qtWritePieceAsRead(const TRecordPiece& rxPiece, std::istream* pxSource, std::ostream& rxOut)
{
    if (rxPiece.qtIsKeptWhole())
    {
        const std::string_view xRaw = rxPiece.qxRawData();
        rxOut.write(xRaw.data(), static_cast<std::streamsize>(xRaw.size()));
        return true;
    }
    if (pxSource == nullptr)
        return false;
    pxSource->clear();
    pxSource->seekg(static_cast<std::streamoff>(rxPiece.mqwOffset));
    std::vector<char> xChunk(1u << 16);
    for (uint64_t qwLeft = rxPiece.mqwLength; qwLeft != 0 && rxOut;)
    {
        const std::streamsize nWanted = static_cast<std::streamsize>(std::min<uint64_t>(qwLeft, xChunk.size()));
        pxSource->read(xChunk.data(), nWanted);
        if (pxSource->gcount() != nWanted)
            throw TException(L"qtWritePieceAsRead() : The " + std::to_wstring(rxPiece.mqwLength) +
                                 L" bytes from byte " + std::to_wstring(rxPiece.mqwOffset) +
                                 L" could not be read again",
                             eErrorRecoverable, -1);
        rxOut.write(xChunk.data(), nWanted);
        qwLeft -= static_cast<uint64_t>(nWanted);
    }
    return true;
}

void qvAppendRecord(const TMarcRecord& rxRecord, EMarcFileFormat eFormat, std::string& rxOut)
{
    if (eFormat == eMarcMaker)
    {
        qvAppendMarcMaker(rxRecord, rxOut);
        return;
    }
    TXBuffer<unsigned char> buffer;
    rxRecord.qvGetUSMarcData(buffer, false);
    rxOut.append(buffer.qpacGetData(), buffer.qdwGetDataSize());
}

void qvAppendRecordInPlace(const TMarcRecord& rxRecord, std::string_view xAsRead, EMarcFileFormat eFormat,
                           std::string& rxOut)
{
    if (eFormat != eMarcMaker)
    {
        qvAppendRecord(rxRecord, eFormat, rxOut);
        return;
    }
    const std::size_t nLineEnd = xAsRead.find('\n');
    const bool tCrLf = nLineEnd != std::string_view::npos && nLineEnd > 0 && xAsRead[nLineEnd - 1] == '\r';
    qvAppendMarcMaker(rxRecord, rxOut, tCrLf ? eLineEndCrLf : eLineEndLf, false);
}
