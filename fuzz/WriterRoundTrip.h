// The bank writer's properties, checked by the fuzzer on every input.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kvardelon::fuzz {

// Parses the bytes, writes them back unchanged and with one field changed (`which` picks the
// record and the field) and reads the result again; empty when all is as it must be, else
// what went wrong.
std::string writerRoundTrip(std::string_view bytes, std::size_t which);

}  // namespace kvardelon::fuzz
