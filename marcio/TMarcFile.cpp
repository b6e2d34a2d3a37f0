#include "marcio/TMarcFile.h"

#include "recordlib/TException.h"

namespace
{
template <typename TChar>
EMarcFileFormat qeFormatOfName(const std::basic_string<TChar>& rxPath)
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
    // Only a few bytes of white space are looked through, so that they can be put back.
    std::string xSeen;
    EMarcFileFormat eFormat = eIso2709;
    for (int iChar = pxBuffer->sgetc(); iChar != std::char_traits<char>::eof() && xSeen.size() < 4096;
         iChar = pxBuffer->sgetc())
    {
        if (iChar != ' ' && iChar != '\t' && iChar != '\r' && iChar != '\n')
        {
            eFormat = (iChar == '=' || iChar == '#') ? eMarcMaker : eIso2709;
            break;
        }
        xSeen += static_cast<char>(pxBuffer->sbumpc());
    }
    for (auto it = xSeen.rbegin(); it != xSeen.rend(); ++it)
        if (pxBuffer->sputbackc(*it) == std::char_traits<char>::eof())
            break;
    return eFormat;
}

std::unique_ptr<TMarcRecordReader> qpxMakeRecordReader(std::istream& rxStream, EMarcFileFormat eFormat,
                                                       EReadMode eMode)
{
    if (eFormat == eMarcMaker)
        return std::make_unique<TMarcMakerReader>(rxStream);
    return std::make_unique<TIso2709Reader>(rxStream, eMode);
}

void qvReadPieces(TMarcRecordReader& rxReader, const std::function<void(TRecordPiece&)>& fnPiece)
{
    TMarcRecord record;
    for (;;)
    {
        const uint32_t dwBefore = rxReader.qdwGetRecordNumber();
        TRecordPiece piece{ePieceRecord, 0, &record, &rxReader.qrxGetRawData(), std::wstring(), &rxReader.qrxGetRepairs()};
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
        if (rxReader.qrxGetFillerBefore().qdwGetDataSize() != 0)
        {
            TRecordPiece filler{ePieceFiller, dwBefore, nullptr, &rxReader.qrxGetFillerBefore(), std::wstring(), nullptr};
            fnPiece(filler);
        }
        if (tAtEnd)
            return;
        piece.mdwRecordNumber = rxReader.qdwGetRecordNumber();
        fnPiece(piece);
    }
}

void qvAppendRawData(std::string_view xRawData, EMarcFileFormat eFormat, std::string& rxOut)
{
    rxOut.append(xRawData);
    if (eFormat == eMarcMaker)
        rxOut += '\n';
}

void qvAppendPieceAsRead(const TRecordPiece& rxPiece, EMarcFileFormat eFormat, std::string& rxOut)
{
    const std::string_view xRaw(rxPiece.mpxRawData->qpacGetData(), rxPiece.mpxRawData->qdwGetDataSize());
    if (rxPiece.mePiece == ePieceFiller)
        rxOut.append(xRaw);
    else
        qvAppendRawData(xRaw, eFormat, rxOut);
}

void qvAppendRecord(const TMarcRecord& rxRecord, EMarcFileFormat eFormat, std::string& rxOut)
{
    if (eFormat == eMarcMaker)
    {
        std::string xText;
        qvAppendMarcMaker(rxRecord, xText);
        rxOut += xText;
        return;
    }
    TXBuffer<unsigned char> buffer;
    rxRecord.qvGetUSMarcData(buffer, false);
    rxOut.append(buffer.qpacGetData(), buffer.qdwGetDataSize());
}
