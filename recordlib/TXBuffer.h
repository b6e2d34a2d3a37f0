#pragma once

#include "TException.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

// A growable buffer of single-byte elements (used as TXBuffer<unsigned char>).
// The data is always followed by one NUL element that is not counted in the size,
// so qpacGetData() can be read as a C string when the data holds no NUL.
template <typename T> class TXBuffer
{
    static_assert(sizeof(T) == 1, "TXBuffer holds single-byte elements");

public:
    // An empty buffer holds no allocation (a record's fields are made by the
    // thousand); its data is then a shared empty, NUL-terminated string.
    TXBuffer() = default;

    void qvClear() { mxData.clear(); }

    void qvAssignAscii(const char* pacText)
    {
        qvCheckText(pacText, L"TXBuffer::qvAssignAscii()");
        qvClear();
        qvAppendAscii(pacText);
    }

    void qvAppendAscii(const char* pacText)
    {
        qvCheckText(pacText, L"TXBuffer::qvAppendAscii()");
        const std::size_t nLength = std::strlen(pacText);
        if (nLength > std::numeric_limits<uint32_t>::max())
            throw TException(L"TXBuffer::qvAppendAscii() : Text too long", eErrorFatal, -1);
        qvAppend(reinterpret_cast<const T*>(pacText), static_cast<uint32_t>(nLength));
    }

    // This runs for every field read: it keeps the buffer when the data fits,
    // else makes one allocation of the exact size.
    void qvAssign(const T* paxData, uint32_t dwSize)
    {
        if (dwSize != 0 && paxData == nullptr)
            throw TException(L"TXBuffer::qvAssign() : Null data", eErrorFatal, -1);
        if (dwSize == 0)
        {
            mxData.clear();
            return;
        }
        if (mxData.capacity() > dwSize && !qtHolds(paxData))
        {
            mxData.assign(paxData, paxData + dwSize);
            mxData.push_back(T(0));
            return;
        }
        std::vector<T> xNew;
        xNew.reserve(std::size_t(dwSize) + 1);
        xNew.insert(xNew.end(), paxData, paxData + dwSize);
        xNew.push_back(T(0));
        mxData.swap(xNew);
    }

    // Takes xData's elements as its data, without copying them.
    void qvAdopt(std::vector<T>&& xData)
    {
        if (xData.size() > std::numeric_limits<uint32_t>::max())
            throw TException(L"TXBuffer::qvAdopt() : Buffer would exceed 4 GB", eErrorFatal, -1);
        xData.push_back(T(0));
        mxData.swap(xData);
    }

    void qvAppend(const T* paxData, uint32_t dwSize)
    {
        if (dwSize == 0)
            return;
        if (paxData == nullptr)
            throw TException(L"TXBuffer::qvAppend() : Null data", eErrorFatal, -1);
        if (dwSize > std::numeric_limits<uint32_t>::max() - qdwGetDataSize())
            throw TException(L"TXBuffer::qvAppend() : Buffer would exceed 4 GB", eErrorFatal, -1);
        if (mxData.empty())
            mxData.push_back(T(0));
        if (qtHolds(paxData))
        {
            // The source lies in this buffer, which may move while growing.
            const std::vector<T> xCopy(paxData, paxData + dwSize);
            mxData.insert(mxData.end() - 1, xCopy.begin(), xCopy.end());
        }
        else
        {
            mxData.insert(mxData.end() - 1, paxData, paxData + dwSize);
        }
    }

    void qvAppend(const TXBuffer& rxOther) { qvAppend(rxOther.qpxGetData(), rxOther.qdwGetDataSize()); }

    // Overwrites one element; TException when the index is not inside the data.
    void qvSetAt(uint32_t dwIndex, T xValue)
    {
        if (dwIndex >= qdwGetDataSize())
            throw TException(L"TXBuffer::qvSetAt() : Index out of range", eErrorFatal, -1);
        mxData[dwIndex] = xValue;
    }

    const char* qpacGetData() const { return reinterpret_cast<const char*>(qpxGetData()); }
    const unsigned char* qpaxGetData() const { return reinterpret_cast<const unsigned char*>(qpxGetData()); }
    uint32_t qdwGetDataSize() const { return mxData.empty() ? 0 : static_cast<uint32_t>(mxData.size() - 1); }

private:
    // Whether p points into this buffer's storage (which may move when it grows).
    bool qtHolds(const T* p) const
    {
        const std::less<const T*> xBefore;
        return !mxData.empty() && !xBefore(p, mxData.data()) && xBefore(p, mxData.data() + mxData.size());
    }

    // Either empty or the data followed by one NUL.
    const T* qpxGetData() const
    {
        static const T xEmpty = T(0);
        return mxData.empty() ? &xEmpty : mxData.data();
    }

    static void qvCheckText(const char* pacText, const wchar_t* pwcMethod)
    {
        if (pacText == nullptr)
            throw TException(std::wstring(pwcMethod) + L" : Null text", eErrorFatal, -1);
    }

    std::vector<T> mxData;
};
