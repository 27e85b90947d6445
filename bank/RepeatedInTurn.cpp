// Recognising and making a step of its own questions repeated in turn.
#include "RepeatedInTurn.h"

namespace kvardelon {

namespace {

bool repeatsEvery(const std::vector<Record>& records, std::size_t k)
{
    for (std::size_t i = k; i < records.size(); ++i)
        if (!sameText(records[i], records[i - k]))
            return false;
    return true;
}

}  // namespace

int repeatedTurn(const std::vector<Record>& records)
{
    if (records.size() < static_cast<std::size_t>(kRecordsDrawnFrom))
        return 0;
    for (std::size_t k = 1; k < static_cast<std::size_t>(kRecordsDrawnFrom); ++k)
        if (repeatsEvery(records, k))
            return static_cast<int>(k);
    return 0;
}

std::vector<Record> repeatedInTurn(const std::vector<Record>& own, std::size_t count)
{
    std::vector<Record> records = own;
    for (std::size_t i = own.size(); !own.empty() && i < count; ++i)
        records.push_back(own[i % own.size()]);
    return records;
}

int drawsInTen(int index, int k)
{
    return kRecordsDrawnFrom / k + (index < kRecordsDrawnFrom % k ? 1 : 0);
}

}  // namespace kvardelon
