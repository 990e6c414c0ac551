// Where each standard table is looked for: the user's own tables, a site's, then the
// set shipped with the program (beside it, or installed); and where the guide to
// replacing the shipped estimates is.
#pragma once

#include <string>
#include <vector>

namespace torvelix::tables {

// Where a table was found, in the order the places are searched.
enum class TablePlace { User, Site, Shipped, Given };

// The bases a table name is formed from (base + "_" + number + ".dat"): the override
// bases are searched in order, each table on its own, so that official tables keyed in
// by the user or the site replace the shipped ones one by one; the shipped base (beside
// the executable, else the installed data folder, never a mix) comes last.
struct TableSearch {
    std::string userBase;
    std::string siteBase;
    std::string shippedBase;
};

// For an executable: $XDG_DATA_HOME/torvelix/ (default ~/.local/share/torvelix/), then
// /etc/torvelix/, each with the executable's name (torvelix_13766.dat), then
// findTableBase. The overrides survive upgrades of the package.
TableSearch tableSearchOf(const std::string& exePath);

struct FoundTable {
    std::string path;
    TablePlace place = TablePlace::Shipped;
};

// The first base that holds the table (an existing file, readable or not, so that a
// broken override is reported rather than passed over); the shipped base's name when
// none does.
FoundTable locateTable(const TableSearch& search, const std::string& number);

// A few words for check-tables on where a table was found ("the user's tables" ...).
std::string placeName(TablePlace place);

// The guide to the tables and to replacing them: the installed copy
// "<executable's folder>/../share/doc/torvelix/tables.md" when it exists, else the
// sources' "data/README.md".
std::string tableGuidePath(const std::string& exePath);

} // namespace torvelix::tables
