// Files of MARC 21 records in either of the two forms a cataloguer meets:
// ISO 2709 (.mrc, .usmarc, ...) and MARCMaker text (.mrk).
#pragma once

#include "marcio/TMarcMakerFormat.h"
#include "recordlib/TIso2709Reader.h"

#include <istream>
#include <memory>
#include <string>

enum EMarcFileFormat : int
{
    eIso2709 = 0,
    eMarcMaker = 1
};

// By the name's extension: .mrk (any case) is MARCMaker, anything else ISO 2709.
EMarcFileFormat qeFormatOfPath(const std::string& rxPath);
EMarcFileFormat qeFormatOfPath(const std::wstring& rxPath);

// By the content: MARCMaker when the first byte that is not white space is "=" or
// "#", ISO 2709 otherwise. White space before it is put back where the stream
// allows (both readers step over it anyway).
EMarcFileFormat qeSniffFormat(std::istream& rxStream);

// Reads records one at a time in either form; errors as the underlying reader's.
class TMarcFileReader
{
public:
    TMarcFileReader(std::istream& rxStream, EMarcFileFormat eFormat);

    EMarcFileFormat qeGetFormat() const { return meFormat; }
    bool qtReadNext(TMarcRecord& rxRecord);
    uint32_t qdwGetRecordNumber() const;
    // The last record as it was in the stream (see the readers); empty when it
    // cannot be given back whole.
    const TXBuffer<unsigned char>& qrxGetRawData() const;

private:
    EMarcFileFormat meFormat;
    std::unique_ptr<TIso2709Reader> mpxIso;
    std::unique_ptr<TMarcMakerReader> mpxMarcMaker;
};

// Appends one record in the form to rxOut. TException (eErrorRecoverable) for a
// record the form cannot hold; rxOut is then unchanged.
void qvAppendRecord(const TMarcRecord& rxRecord, EMarcFileFormat eFormat, std::string& rxOut);
