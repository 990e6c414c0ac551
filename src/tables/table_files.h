// Where the thirteen standard tables lie (beside the executable, named after it, or
// in the installed data folder), the one-time presence check, and reading a table
// line by number.
// Lines are returned as raw Windows-1251 bytes: columns are byte positions.
#pragma once

#include "message_sink.h"

#include <array>
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace torvelix::tables {

struct TableCache; // table_cache.h

// Program-wide table values: the executable's base name, the base the table names
// are formed from, whether the tables are usable, and whether the presence check has
// still to run.
struct TableState {
    std::string ExeBase;
    // Empty until the presence check has looked for the tables: then ExeBase is used.
    std::string TableBase;
    // Filled by the presence check: each table's file where it was found (the user's
    // or the site's override, else TableBase's).
    std::map<std::string, std::string> Found;
    bool TablesOk = false;
    bool CheckPending = true;
    // The tables read once for a run over many designs (a batch); null: each read goes
    // to the file.
    std::shared_ptr<const TableCache> Cache;
};

// Wire table, classification table, then the eleven spring tables, in the order
// the presence check visits them.
inline constexpr std::array<const char*, 13> kTableNumbers = {
    "9389",  "13764", "13766", "13767", "13768", "13769", "13770",
    "13771", "13772", "13773", "13774", "13775", "13776"};

// The executable's full path without its extension. A file name without an
// extension is kept whole (removing four characters regardless would point the
// program at files outside its folder).
std::string ExeBase(const std::string& exePath);

// The bases an executable's tables are looked for under, in order: beside it
// (ExeBase), then the installed data folder "<executable's folder>/../share/torvelix/"
// with the executable's name (/usr/bin/torvelix: /usr/share/torvelix/torvelix).
std::vector<std::string> tableBaseCandidates(const std::string& exePath);

// The first candidate that holds any of the thirteen tables, so that one set is never
// mixed from two places; the first candidate (beside the executable) when none does.
std::string findTableBase(const std::string& exePath);

// The table's file found by the presence check; before it, TableBase (ExeBase before
// the tables were looked for) + "_" + number + ".dat".
std::string TablePath(const TableState& state, const std::string& number);

// The presence check: sets ExeBase from exePath, TableBase by findTableBase and each
// table's file by the search order of table_search.h, sets TablesOk, clears CheckPending, then
// opens each table and reads its first line. At the first file that cannot be read: clears
// TablesOk, shows "Не могу найти таблицу <path>\n\rЗагрузка программы прекращена" (error icon) and
// stops.
void CheckTables(TableState& state, const std::string& exePath, MessageSink& messages);

// No table line needs more than 163 bytes. A longer line (a file with CR-only line
// ends reads as one line; a corrupt file may hold no line end at all) is read to its
// end without being kept, and stands as overlongLine(): a text of
// kMaxTableLineBytes + 1 '#', of which no field converts, so the line fails as any
// line with a bad field does.
inline constexpr std::size_t kMaxTableLineBytes = 4096;
const std::string& overlongLine();
bool isOverlongLine(std::string_view line);

// Line k (1-based) of the file; empty for k <= 0 and for lines past the end.
// A trailing carriage return is not part of the line. Throws TableIoError when the
// file cannot be opened or read, or is not a regular file.
std::string ReadTableLine(const std::string& path, long long k);

// Every line of the file, in order (for the sequential scans). Throws TableIoError.
std::vector<std::string> readAllTableLines(const std::string& path);

} // namespace torvelix::tables
