#include "marcio/TMarcFile.h"

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

TMarcFileReader::TMarcFileReader(std::istream& rxStream, EMarcFileFormat eFormat) : meFormat(eFormat)
{
    if (eFormat == eMarcMaker)
        mpxMarcMaker.reset(new TMarcMakerReader(rxStream));
    else
        mpxIso.reset(new TIso2709Reader(rxStream));
}

bool TMarcFileReader::qtReadNext(TMarcRecord& rxRecord)
{
    return mpxIso ? mpxIso->qtReadNext(rxRecord) : mpxMarcMaker->qtReadNext(rxRecord);
}

uint32_t TMarcFileReader::qdwGetRecordNumber() const
{
    return mpxIso ? mpxIso->qdwGetRecordNumber() : mpxMarcMaker->qdwGetRecordNumber();
}

const TXBuffer<unsigned char>& TMarcFileReader::qrxGetRawData() const
{
    return mpxIso ? mpxIso->qrxGetRawData() : mpxMarcMaker->qrxGetRawData();
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
