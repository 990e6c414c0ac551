// Checks the thirteen standard tables for the faults that would stop or mislead the
// calculation: fields that do not convert, rows inconsistent with the method of
// GOST 13765-86, rows out of order, and references to tables or wires that are missing.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace torvelix::tables {

// One fault: the file, its 1-based line (0 when the fault concerns the whole file)
// and what is wrong, in UTF-8.
struct TableFault {
    std::string path;
    long long line = 0;
    std::string what;
};

// "<path>:<line>: <what>", or "<path>: <what>" for a fault of the whole file.
std::string formatFault(const TableFault& fault);

// Full file name of a table number ("9389", "13764", "13766" ...).
using TablePathOf = std::function<std::string(const std::string& number)>;

// Names of an executable's tables where the program reads them: the search order of
// table_search.h (the user's, the site's, then beside it or in the installed data folder).
TablePathOf tablesOfExecutable(const std::string& exePath);

// Names in a folder as the sources keep them: folder + "/" + number + ".dat".
TablePathOf tablesInFolder(const std::string& folder);

// Reads all thirteen tables and returns every fault found, file by file in the order
// of the presence check, line by line within a file. Files that cannot be read are
// faults too; nothing is thrown for bad data.
//
// Every table: a file that is not a regular file or cannot be read, a carriage return
// that does not end a line (reported once), a line longer than kMaxTableLineBytes
// (its fields are not checked).
// Wire table: a row after the heading; from line 2 on, the fields the calculation
// reads (1, 2, 3, 6, 7, 10, 11) must convert and be positive.
// Classification table: lines 1 .. 11 (items 0 .. 10) must exist, columns 81-84 must
// convert to a positive number, and columns 75-79 must name a spring table that can be read.
// Spring tables: the table must hold a row; fields 1 .. 5 and the five-column outer
// diameter (columns 14-18) must convert and be positive; the free pitch (d + s3';
// d1 * 1.029 + s3' in the three-strand tables of items 8 .. 10) must not exceed 0.7 of
// D1 - d; F3 must agree with c1 * s3' within 1 %; the index (D1 - d) / d must lie in
// 4 .. 12; rows must be ordered by F3, then d; d must be a key of the wire table (the
// calculation matches it exactly, number against number).
std::vector<TableFault> checkTableSet(const TablePathOf& pathOf);

} // namespace torvelix::tables
