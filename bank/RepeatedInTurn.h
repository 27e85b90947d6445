// A step filled with its author's own questions repeated in turn: records 1..k, then 1..k
// again, up to ten, so that the game draws only her questions. The shape alone is the mark.
#pragma once

#include "BankText.h"

#include <cstddef>
#include <vector>

namespace kvardelon {

// k (1..9) when the records are k records repeated in turn to ten records or more, each
// the same text as the one k places before it, and k is the shortest such turn; 0 for any
// other file (fewer than ten records, or ten that are no such turn).
int repeatedTurn(const std::vector<Record>& records);

// The records repeated in turn to `count` records; as they are when there are none or at
// least `count`. A copy keeps its original's `line`: the writer takes it for the original's
// place only when the text there is the same.
std::vector<Record> repeatedInTurn(const std::vector<Record>& own, std::size_t count);

// How many times in ten games the question at index (0-based) of k repeated in turn to
// ten comes up: the first 10 % k of them once more than the others.
int drawsInTen(int index, int k);

}  // namespace kvardelon
