// The search order of the standard tables and the place of their guide.
#include "table_search.h"

#include "config_folder.h"
#include "table_files.h"

#include <filesystem>

namespace torvelix::tables {

TableSearch tableSearchOf(const std::string& exePath) {
    const std::string name = std::filesystem::path(ExeBase(exePath)).filename().string();
    TableSearch search;
    search.userBase = userDataFolder() + "/torvelix/" + name;
    search.siteBase = siteConfigFolder() + "/torvelix/" + name;
    search.shippedBase = findTableBase(exePath);
    return search;
}

FoundTable locateTable(const TableSearch& search, const std::string& number) {
    const std::string file = "_" + number + ".dat";
    for (const auto& [base, place] : {std::pair{&search.userBase, TablePlace::User},
                                      std::pair{&search.siteBase, TablePlace::Site}}) {
        std::error_code ec;
        if (!base->empty() && std::filesystem::exists(*base + file, ec)) {
            return {*base + file, place};
        }
    }
    return {search.shippedBase + file, TablePlace::Shipped};
}

std::string placeName(TablePlace place) {
    switch (place) {
    case TablePlace::User:
        return "the user's own tables";
    case TablePlace::Site:
        return "the site's tables";
    case TablePlace::Shipped:
        return "shipped with the program";
    case TablePlace::Given:
        return "given by --base";
    }
    return {};
}

std::string tableGuidePath(const std::string& exePath) {
    const std::filesystem::path folder = std::filesystem::path(exePath).parent_path();
    const std::filesystem::path installed =
        (folder / ".." / "share" / "doc" / "torvelix" / "tables.md").lexically_normal();
    std::error_code ec;
    if (std::filesystem::is_regular_file(installed, ec)) {
        return installed.string();
    }
    return "data/README.md";
}

} // namespace torvelix::tables
