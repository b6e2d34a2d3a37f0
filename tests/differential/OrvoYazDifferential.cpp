// Damaged copies of the sample records, made by a fixed-seed generator (flipped
// digits in the leader and the directory, cut records, inserted and deleted bytes,
// broken indicators and terminators), each read by our lenient reader and by
// yaz-marcdump. A field is kept intact when its tag and bytes are those of a field of
// the undamaged record. Every field yaz keeps intact we must keep too, but for the
// cases the README lists; the figures are printed by kind of damage.
//
// orvo_yaz_differential SAMPLES_DIR WORK_DIR [COPIES, 4 unless given]
// (exit 0: nothing lost that yaz keeps)
#include "recordlib/TException.h"
#include "recordlib/TIso2709Reader.h"
#include "recordlib/TMarcRecord.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <string>
#include <vector>

namespace
{

namespace fs = std::filesystem;
using TFields = std::multiset<std::string>; // tag text, a tab, the field's bytes

std::string qxReadBytes(const fs::path& rxPath)
{
    std::ifstream xFile(rxPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(xFile), std::istreambuf_iterator<char>());
}

// Every field of every record our lenient read finds in the bytes.
TFields qxOurFields(const std::string& rxBytes, std::size_t& rnRecords)
{
    std::istringstream xIn(rxBytes);
    TIso2709Reader xReader(xIn, eReadLenient);
    TFields xFields;
    TMarcRecord xRecord;
    rnRecords = 0;
    for (;;)
    {
        try
        {
            if (!xReader.qtReadNext(xRecord))
                break;
        }
        catch (const TException&)
        {
            continue;
        }
        ++rnRecords;
        for (uint32_t dw = 0; dw < xRecord.qdwGetFieldCount(); ++dw)
        {
            const TMarcTag& rxField = xRecord.qrxGetField(dw);
            xFields.insert(rxField.qxGetTagText() + "\t" +
                           std::string(rxField.qpacGetData(), rxField.qdwGetDataSize()));
        }
    }
    return xFields;
}

// How many of the fields are intact: as many of each as the undamaged record holds.
std::size_t qnIntact(const TFields& rxFields, const TFields& rxIntact)
{
    std::size_t nKept = 0;
    for (auto it = rxFields.begin(); it != rxFields.end(); it = rxFields.upper_bound(*it))
        nKept += std::min(rxFields.count(*it), rxIntact.count(*it));
    return nKept;
}

// The damage, each from the generator's next numbers (raw mt19937 output, the same
// on every platform; each drawn in its own statement, so that the order is fixed).
enum EDamage
{
    eLeaderDigit,
    eDirectoryDigit,
    eCut,
    eInserted,
    eDeleted,
    eIndicator,
    eTerminator,
    eDamageCount
};
const char* const apacDamageNames[eDamageCount] = {"leader digit",     "directory digit", "cut record",
                                                   "inserted bytes",   "deleted byte",    "broken indicator",
                                                   "broken terminator"};

// rtInDirectory: bytes were inserted before the base address.
std::string qxDamaged(const std::string& rxRecord, EDamage eDamage, std::mt19937& rxRandom, bool& rtInDirectory)
{
    rtInDirectory = false;
    auto qnBelow = [&](std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(rxRandom() % n); };
    std::string x = rxRecord;
    const std::size_t nBase = std::strtoul(rxRecord.substr(12, 5).c_str(), nullptr, 10);
    auto qvOtherDigit = [&](std::size_t nAt) {
        x[nAt] = static_cast<char>('0' + (x[nAt] - '0' + 1 + qnBelow(9)) % 10);
    };
    switch (eDamage)
    {
    case eLeaderDigit:
    {
        static const std::size_t anDigits[] = {0, 1, 2, 3, 4, 10, 11, 12, 13, 14, 15, 16, 20, 21, 22};
        qvOtherDigit(anDigits[qnBelow(std::size(anDigits))]);
        break;
    }
    case eDirectoryDigit:
    { // a length or start digit of an entry
        const std::size_t nEntry = qnBelow((nBase - 25) / 12);
        qvOtherDigit(24 + 12 * nEntry + 3 + qnBelow(9));
        break;
    }
    case eCut:
        x.resize(24 + qnBelow(x.size() - 25));
        break;
    case eInserted:
    {
        const std::size_t nAt = 24 + qnBelow(x.size() - 24);
        const std::size_t nCount = 1 + qnBelow(3);
        rtInDirectory = nAt < nBase;
        x.insert(nAt, nCount,
                 "x \x1E\x1F"
                 "0"[qnBelow(5)]);
        break;
    }
    case eDeleted:
        x.erase(24 + qnBelow(x.size() - 25), 1);
        break;
    case eIndicator:
    case eTerminator:
    {
        std::vector<std::size_t> xAt; // each data field's first indicator, or each field terminator
        for (std::size_t n = nBase; n + 2 < x.size(); ++n)
            if (x[n] == '\x1E')
                xAt.push_back(eDamage == eTerminator ? n : n + 1);
        if (eDamage == eIndicator)
            xAt.erase(xAt.begin(), xAt.begin() + std::min<std::size_t>(xAt.size(), 4)); // past 001-008
        if (!xAt.empty())
        {
            std::size_t nAt = xAt[qnBelow(xAt.size())];
            nAt += eDamage == eIndicator ? qnBelow(2) : 0;
            x[nAt] = "#-x\xC3"[qnBelow(4)];
        }
        break;
    }
    default:
        break;
    }
    return x;
}

} // namespace

int main(int iArgs, char** ppacArgs)
{
    if (iArgs != 3 && iArgs != 4)
    {
        std::cerr << "usage: orvo_yaz_differential SAMPLES_DIR WORK_DIR [COPIES]\n";
        return 2;
    }
    const fs::path xSamples = ppacArgs[1], xWork = ppacArgs[2];
    fs::create_directories(xWork);
    if (std::system("yaz-marcdump -V >/dev/null 2>&1") != 0)
    {
        std::cerr << "yaz-marcdump is missing: scripts/install-deps.sh installs it (Debian package yaz)\n";
        return 2;
    }

    // The sample records that read strictly, in file order.
    std::vector<fs::path> xFiles;
    for (const auto& rxEntry : fs::directory_iterator(xSamples))
        if (rxEntry.path().extension() == ".usmarc")
            xFiles.push_back(rxEntry.path());
    std::sort(xFiles.begin(), xFiles.end());
    std::vector<std::string> xOriginals;
    for (const fs::path& rxFile : xFiles)
    {
        const std::string xBytes = qxReadBytes(rxFile);
        for (std::size_t nFrom = 0, nEnd; (nEnd = xBytes.find('\x1D', nFrom)) != std::string::npos; nFrom = nEnd + 1)
        {
            const std::size_t nStart = xBytes.find_first_of("0123456789", nFrom);
            if (nStart >= nEnd)
                continue;
            const std::string xRecord = xBytes.substr(nStart, nEnd + 1 - nStart);
            TMarcRecord xCheck;
            try
            {
                xCheck.qvSetUSMarcData(reinterpret_cast<const unsigned char*>(xRecord.data()),
                                       static_cast<uint32_t>(xRecord.size()));
                xOriginals.push_back(xRecord);
            }
            catch (const TException&)
            {}
        }
    }
    if (xOriginals.empty())
    {
        std::cerr << "no sample records in " << xSamples << "\n";
        return 2;
    }

    // Copies of each record for each kind of damage.
    const int iCopies = iArgs == 4 ? std::max(1, std::atoi(ppacArgs[3])) : 4;
    std::mt19937 xRandom(27);
    struct TFigures
    {
        std::size_t mnCopies = 0, mnYazRecords = 0, mnOurRecords = 0, mnYazIntact = 0, mnOurIntact = 0, mnLost = 0,
                    mnExcused = 0;
    } axFigures[eDamageCount];
    std::size_t nCopy = 0;
    for (const std::string& rxOriginal : xOriginals)
    {
        std::size_t nIgnored = 0;
        const TFields xIntact = qxOurFields(rxOriginal, nIgnored);
        for (int iDamage = 0; iDamage < eDamageCount; ++iDamage)
        {
            for (int i = 0; i < iCopies; ++i, ++nCopy)
            {
                bool tInDirectory = false;
                const std::string xDamaged =
                    qxDamaged(rxOriginal, static_cast<EDamage>(iDamage), xRandom, tInDirectory);
                const fs::path xIn = xWork / ("copy" + std::to_string(nCopy) + ".mrc");
                const fs::path xOut = xWork / ("copy" + std::to_string(nCopy) + ".yaz.mrc");
                std::ofstream(xIn, std::ios::binary | std::ios::trunc) << xDamaged;
                const std::string xCommand =
                    "yaz-marcdump -i marc -o marc '" + xIn.string() + "' >'" + xOut.string() + "' 2>/dev/null";
                const int iStatus = std::system(xCommand.c_str());
                if (iStatus == -1 || (WIFEXITED(iStatus) && WEXITSTATUS(iStatus) >= 126))
                {
                    std::cerr << "cannot run yaz-marcdump\n";
                    return 2;
                }
                std::size_t nYazRecords = 0, nOurRecords = 0;
                const TFields xYaz = qxOurFields(qxReadBytes(xOut), nYazRecords);
                const TFields xOurs = qxOurFields(xDamaged, nOurRecords);
                TFigures& rxFigures = axFigures[iDamage];
                const std::size_t nExcusedBefore = rxFigures.mnExcused;
                // Each intact field yaz keeps more often than we do.
                std::vector<std::string> xLost;
                for (auto it = xYaz.begin(); it != xYaz.end(); it = xYaz.upper_bound(*it))
                {
                    const std::size_t nYaz = std::min(xYaz.count(*it), xIntact.count(*it));
                    const std::size_t nOurs = std::min(xOurs.count(*it), xIntact.count(*it));
                    for (std::size_t n = nOurs; n < nYaz; ++n)
                    {
                        // The README's one exception: bytes inserted into the directory
                        // shift its end off the base address; yaz still takes an entry
                        // of length 1 as an empty field at the base address, which we
                        // cannot tell from the shifted data.
                        if (tInDirectory && it->back() == '\t')
                        {
                            ++rxFigures.mnExcused;
                            std::cout << "EXCUSED " << xIn.filename().string() << ": empty " << *it << "\n";
                        }
                        else
                            xLost.push_back(*it);
                    }
                }
                const std::size_t nOurIntact = qnIntact(xOurs, xIntact), nYazIntact = qnIntact(xYaz, xIntact);
                ++rxFigures.mnCopies;
                rxFigures.mnYazRecords += nYazRecords != 0;
                rxFigures.mnOurRecords += nOurRecords != 0;
                rxFigures.mnYazIntact += nYazIntact;
                rxFigures.mnOurIntact += nOurIntact;
                rxFigures.mnLost += xLost.size();
                for (const std::string& rxField : xLost)
                    std::cout << "LOST " << xIn.filename().string() << " (" << apacDamageNames[iDamage]
                              << "): " << rxField.substr(0, rxField.find('\t')) << "\n";
                if (xLost.empty() && rxFigures.mnExcused == nExcusedBefore)
                { // kept to be looked at otherwise
                    fs::remove(xIn);
                    fs::remove(xOut);
                }
            }
        }
    }

    std::size_t nLost = 0;
    std::printf("%zu sample records, %d damaged copies of each for each kind (seed 27)\n", xOriginals.size(), iCopies);
    std::printf("%-18s %7s %12s %12s %12s %12s %6s %8s\n", "damage", "copies", "yaz records", "our records",
                "yaz fields", "our fields", "lost", "excused");
    for (int i = 0; i < eDamageCount; ++i)
    {
        const TFigures& rx = axFigures[i];
        std::printf("%-18s %7zu %12zu %12zu %12zu %12zu %6zu %8zu\n", apacDamageNames[i], rx.mnCopies, rx.mnYazRecords,
                    rx.mnOurRecords, rx.mnYazIntact, rx.mnOurIntact, rx.mnLost, rx.mnExcused);
        nLost += rx.mnLost;
    }
    std::printf("(records: copies of which anything was read; fields: fields kept intact; lost: kept intact\n"
                " by yaz, not by us; excused: the README's one exception)\n");
    return nLost == 0 ? 0 : 1;
}
