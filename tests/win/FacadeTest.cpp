// The facade's refusals and its stored result, across the DLL boundary.
#include "manager/TFieldEditorManager.h"
#include "support/TEditorTestKit.h"
#include "support/TTestRecords.h"
#include "recordlib/TException.h"

#include <gtest/gtest.h>

namespace
{
void qvExpectNoStoredResult()
{
    TMarcRecord out;
    try
    {
        TFieldEditorManager::qvGetMARCRecord(out);
        FAIL() << "qvGetMARCRecord must throw when there is no stored result";
    }
    catch (const TException& e)
    {
        EXPECT_STREQ(L"TFieldEditorManager::qvGetMARCRecord() : MARC Record is invalid", e.qpwcGetMessage());
        EXPECT_EQ(2, static_cast<int>(e.qeGetErrorType()));
        EXPECT_EQ(-1, e.qiGetCode());
    }
    EXPECT_FALSE(TFieldEditorManager::mtRecordValid_static);
}
}

TEST(Facade, UnknownEditorValueThrowsWithExactMessage)
{
    TMarcRecord record = qxRecordOfType('a', 'm');
    try
    {
        TFieldEditorManager::qeDisplay(static_cast<EFieldEditor>(5), record, 0, nullptr);
        FAIL() << "editor value 5 must throw";
    }
    catch (const TException& e)
    {
        EXPECT_STREQ(L"TFieldEditorManager::qeDisplay() : Unknown field editor parameter", e.qpwcGetMessage());
        EXPECT_EQ(2, static_cast<int>(e.qeGetErrorType()));
        EXPECT_EQ(-1, e.qiGetCode());
    }
    qvExpectNoStoredResult();
}

// A refusal discards an earlier result. (Every editor on records of every
// format: UntouchedRecords.)
TEST(Facade, RefusesFieldsOfMaterialOnRecordsThatAreNotBibliographicAndDiscardsTheStoredResult)
{
    qvStoreAnEditedRecord(qxRecordOfType('a', 'm'));
    // A patron record exists only by the host's word.
    TMarcRecord patron = qxRecordOfType('a', 'm');
    patron.qrxGetLeader().qvSetMarcType(ePatron);
    EXPECT_EQ(eDisplayNotBibliographic, TFieldEditorManager::qeDisplay(e006Editor, patron, 0, nullptr));
    qvExpectNoStoredResult();
}
