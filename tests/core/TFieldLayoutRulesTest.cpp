// The rules every layout of the 006, 007 and 008 editors satisfies, checked
// on each layout of each field.
#include "support/TLayoutRules.h"

#include <gtest/gtest.h>

#include <cctype>

namespace
{
class TFieldLayoutRules : public testing::TestWithParam<TLayoutCase>
{
};

std::string qxTestName(const testing::TestParamInfo<TLayoutCase>& rxInfo)
{
    std::string xName;
    for (char c : rxInfo.param.name)
        if (std::isalnum(static_cast<unsigned char>(c)))
            xName += c;
    return xName;
}
}

TEST_P(TFieldLayoutRules, TablesAgreeWithEachOtherTheFieldAndTheGrid)
{
    qvExpectLayoutRules(GetParam());
}

INSTANTIATE_TEST_SUITE_P(AllFields, TFieldLayoutRules, testing::ValuesIn(qxAllLayoutCases()), qxTestName);
