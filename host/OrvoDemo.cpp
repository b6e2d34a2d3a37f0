// orvo-demo: the library's main jobs on a file of MARC 21 records, as a host
// program calls them. For the first record of the file it prints the record,
// gives it the default 008 (replacing the one it has), prints it again, and
// asks the library for each field editor.
#include "manager/TFieldEditorManager.h"
#include "recordlib/TException.h"
#include "recordlib/TIso2709Reader.h"
#include "recordlib/TMarcRecord.h"
#include "recordlib/TMarcTag.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace
{
// One field a line, MARCMaker style: "=245  10$aTitle", blanks shown as "\".
void qvPrintRecord(const TMarcRecord& rxRecord)
{
    std::printf("=LDR  %s\n", rxRecord.qrxGetLeader().qpacGetData());
    for (uint32_t i = 0; i < rxRecord.qdwGetFieldCount(); ++i)
    {
        const TMarcTag& field = rxRecord.qrxGetField(i);
        std::string data(field.qpacGetData(), field.qdwGetDataSize());
        for (char& c : data)
        {
            if (c == TMarcTag::mcDelimiter)
                c = '$';
            else if (c == ' ' && field.qiGetTagNumber() < 10)
                c = '\\';
        }
        if (field.qiGetTagNumber() >= 10)
            for (size_t k = 0; k < 2 && k < data.size(); ++k)
                if (data[k] == ' ')
                    data[k] = '\\';
        std::printf("=%03d  %s\n", field.qiGetTagNumber(), data.c_str());
    }
}

void qvPrintException(const TException& e)
{
    std::printf("  TException (type %d): %ls\n", static_cast<int>(e.qeGetErrorType()), e.qpwcGetMessage());
}
}

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: orvo-demo FILE.mrc\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file)
    {
        std::fprintf(stderr, "orvo-demo: cannot open %s\n", argv[1]);
        return 1;
    }
    TMarcRecord record;
    try
    {
        TIso2709Reader reader(file);
        if (!reader.qtReadNext(record))
        {
            std::fprintf(stderr, "orvo-demo: %s holds no record\n", argv[1]);
            return 1;
        }
    }
    catch (const TException& e)
    {
        std::fprintf(stderr, "orvo-demo: %ls\n", e.qpwcGetMessage());
        return 1;
    }

    std::printf("Record before:\n");
    qvPrintRecord(record);

    bool tAdded = TFieldEditorManager::qtAddGeneric008ToRecord(record, true);
    std::printf("\nDefault 008 %s. Record after:\n", tAdded ? "put in" : "not put in (no default for this type)");
    qvPrintRecord(record);

    std::printf("\nField editors:\n");
    const struct
    {
        EFieldEditor eEditor;
        const char* pacName;
    } editors[] = {{eLeaderEditor, "Leader"}, {e006Editor, "006"}, {e007Editor, "007"},
                   {e008Editor, "008"}, {e856Editor, "856"}};
    for (const auto& editor : editors)
    {
        std::printf("%s editor:\n", editor.pacName);
        try
        {
            EDisplayReturn eResult = TFieldEditorManager::qeDisplay(editor.eEditor, record, 0, nullptr);
            std::printf("  closed with %d\n", static_cast<int>(eResult));
        }
        catch (const TException& e)
        {
            qvPrintException(e);
        }
    }
    return 0;
}
