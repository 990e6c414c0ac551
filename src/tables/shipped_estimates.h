// Recognising the spring tables shipped with the program: they are computed estimates
// (tools/gen_tables.py), not the standards' own tables, and the user is told so until
// each is replaced by the standard's table.
#pragma once

#include "table_checker.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torvelix::tables {

// CRC-32 (the polynomial of zip and zlib) of the bytes.
std::uint32_t crc32(std::string_view bytes);

// The spring-table numbers ("13766" ...) whose file still holds the rows of the estimate
// the program was shipped with: the rows as the calculation reads them (line ends and a
// final line end do not count) are as many, and of the same CRC-32, as the generator
// recorded. A missing or unreadable file is not an estimate.
std::vector<std::string> shippedEstimatesIn(const TablePathOf& pathOf);

// The title page's one-line notice for those tables, empty when there are none; it
// sends the reader to the tables' guide (tableGuidePath).
std::string estimateNotice(const std::vector<std::string>& numbers,
                           const std::string& guidePath = "data/README.md");

} // namespace torvelix::tables
