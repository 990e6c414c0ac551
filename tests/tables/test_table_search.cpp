// The search order of the tables: the user's, the site's, then the shipped set, each
// table on its own; the user's data folder by the XDG rule; the tables' guide.
#include "config_folder.h"
#include "table_files.h"
#include "table_fixture.h"
#include "table_search.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

using namespace torvelix::tables;
using torvelix::testing::ScratchFolder;

namespace {

namespace fs = std::filesystem;

void touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file).put('\n');
}

// Sets an environment variable for one scope and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(TableSearch, EachTableFromTheFirstPlaceThatHoldsIt) {
    ScratchFolder root;
    TableSearch search;
    search.userBase = (root.path() / "user" / "torvelix").string();
    search.siteBase = (root.path() / "site" / "torvelix").string();
    search.shippedBase = (root.path() / "bin" / "torvelix").string();
    // 13766 in all three places, 13767 at the site's and shipped, 13768 shipped only.
    for (const char* place : {"user", "site", "bin"}) {
        touch(root.path() / place / "torvelix_13766.dat");
    }
    touch(root.path() / "site" / "torvelix_13767.dat");
    touch(root.path() / "bin" / "torvelix_13767.dat");
    touch(root.path() / "bin" / "torvelix_13768.dat");

    const FoundTable user = locateTable(search, "13766");
    EXPECT_EQ(user.path, search.userBase + "_13766.dat");
    EXPECT_EQ(user.place, TablePlace::User);
    const FoundTable site = locateTable(search, "13767");
    EXPECT_EQ(site.path, search.siteBase + "_13767.dat");
    EXPECT_EQ(site.place, TablePlace::Site);
    EXPECT_EQ(locateTable(search, "13768").place, TablePlace::Shipped);
    // Found nowhere: named where the shipped set is, so that the fault names that file.
    const FoundTable missing = locateTable(search, "13769");
    EXPECT_EQ(missing.path, search.shippedBase + "_13769.dat");
    EXPECT_EQ(missing.place, TablePlace::Shipped);
    // An override that cannot be read is still taken, so that it is reported.
    fs::create_directories(root.path() / "user" / "torvelix_13768.dat");
    EXPECT_EQ(locateTable(search, "13768").place, TablePlace::User);
}

TEST(TableSearch, UserFolderFollowsXdgDataHomeAndTheExecutablesName) {
    ScratchFolder root;
    const std::string data = (root.path() / "data").string();
    {
        ScopedVariable xdg("XDG_DATA_HOME", data.c_str());
        const TableSearch search = tableSearchOf("/opt/x/bin/spring.exe");
        EXPECT_EQ(search.userBase, data + "/torvelix/spring");
        EXPECT_EQ(search.siteBase, "/etc/torvelix/spring");
        EXPECT_EQ(search.shippedBase, "/opt/x/bin/spring");
    }
    // Unset or relative: the home folder's .local/share.
    ScopedVariable home("HOME", root.path().c_str());
    for (const char* value : {static_cast<const char*>(nullptr), "relative/data"}) {
        ScopedVariable xdg("XDG_DATA_HOME", value);
        EXPECT_EQ(torvelix::userDataFolder(), root.path().string() + "/.local/share");
    }
}

TEST(TableSearch, PresenceCheckReadsTheUsersTableBesideTheShippedSet) {
    torvelix::testing::TableFolder folder;
    folder.writeDefaultClassification();
    folder.writeDefaultWire();
    for (int n = 13766; n <= 13776; ++n) {
        folder.write(std::to_string(n), {});
    }
    ScratchFolder data;
    ScopedVariable xdg("XDG_DATA_HOME", data.path().c_str());
    const fs::path own = data.path() / "torvelix" / "spring_13770.dat";
    touch(own);
    TableState state;
    torvelix::RecordingMessageSink messages;
    CheckTables(state, folder.exePath(), messages);
    EXPECT_TRUE(state.TablesOk);
    EXPECT_EQ(TablePath(state, "13770"), own.string());
    EXPECT_EQ(TablePath(state, "13771"), folder.tablePath("13771"));
}

TEST(TableGuide, InstalledCopyElseTheSources) {
    ScratchFolder root;
    const std::string exe = (root.path() / "bin" / "torvelix").string();
    EXPECT_EQ(tableGuidePath(exe), "data/README.md");
    touch(root.path() / "share" / "doc" / "torvelix" / "tables.md");
    EXPECT_EQ(tableGuidePath(exe), (root.path() / "share/doc/torvelix/tables.md").string());
}
