// Table file names, the presence check and line reading.
#include "table_files.h"

#include "errors.h"
#include "table_search.h"

#include <filesystem>
#include <fstream>

namespace torvelix::tables {

namespace {

// Reads one line (up to LF or the end of the file) into `line`; false when the file
// has no more bytes. A line longer than kMaxTableLineBytes is read to its end but
// not kept: it becomes overlongLine(), so memory stays bounded whatever the file holds.
bool readBoundedLine(std::streambuf& in, std::string& line) {
    line.clear();
    bool any = false;
    bool overlong = false;
    for (int ch = in.sbumpc(); ch != std::char_traits<char>::eof(); ch = in.sbumpc()) {
        any = true;
        if (ch == '\n') {
            break;
        }
        // One byte more than the bound leaves room for the CR of a CR LF line end.
        if (line.size() <= kMaxTableLineBytes) {
            line.push_back(static_cast<char>(ch));
        } else {
            overlong = true;
        }
    }
    if (!overlong && !line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    if (overlong || line.size() > kMaxTableLineBytes) {
        line = overlongLine();
    }
    return any;
}

// Reads lines (LF-terminated; one trailing CR dropped) until `wanted` lines are read
// or the file ends; wanted < 0 reads all. Only regular files are tables: a folder, a
// device or a pipe (which may never end) cannot be read. Throws TableIoError.
std::vector<std::string> readLines(const std::string& path, long long wanted) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        throw TableIoError(path);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        throw TableIoError(path);
    }
    std::vector<std::string> lines;
    std::string line;
    while ((wanted < 0 || static_cast<long long>(lines.size()) < wanted) &&
           readBoundedLine(*in.rdbuf(), line)) {
        lines.push_back(line);
    }
    if (in.bad()) {
        throw TableIoError(path);
    }
    return lines;
}

} // namespace

const std::string& overlongLine() {
    static const std::string line(kMaxTableLineBytes + 1, '#');
    return line;
}

bool isOverlongLine(std::string_view line) {
    return line.size() > kMaxTableLineBytes;
}

std::string ExeBase(const std::string& exePath) {
    const auto slash = exePath.find_last_of("/\\");
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = exePath.find_last_of('.');
    if (dot == std::string::npos || dot <= nameStart) {
        return exePath;
    }
    return exePath.substr(0, dot);
}

std::vector<std::string> tableBaseCandidates(const std::string& exePath) {
    const std::string beside = ExeBase(exePath);
    const std::filesystem::path base(beside);
    const std::filesystem::path shared =
        (base.parent_path() / ".." / "share" / "torvelix" / base.filename()).lexically_normal();
    return {beside, shared.string()};
}

std::string findTableBase(const std::string& exePath) {
    const auto candidates = tableBaseCandidates(exePath);
    for (const auto& base : candidates) {
        for (const char* number : kTableNumbers) {
            std::error_code ec;
            if (std::filesystem::exists(base + "_" + number + ".dat", ec)) {
                return base;
            }
        }
    }
    return candidates.front();
}

std::string TablePath(const TableState& state, const std::string& number) {
    if (const auto found = state.Found.find(number); found != state.Found.end()) {
        return found->second;
    }
    const std::string& base = state.TableBase.empty() ? state.ExeBase : state.TableBase;
    return base + "_" + number + ".dat";
}

void CheckTables(TableState& state, const std::string& exePath, MessageSink& messages) {
    state.ExeBase = ExeBase(exePath);
    const TableSearch search = tableSearchOf(exePath);
    state.TableBase = search.shippedBase;
    state.Found.clear();
    for (const char* number : kTableNumbers) {
        state.Found[number] = locateTable(search, number).path;
    }
    state.TablesOk = true;
    state.CheckPending = false;
    for (const char* number : kTableNumbers) {
        const std::string path = TablePath(state, number);
        try {
            readLines(path, 1);
        } catch (const TableIoError&) {
            state.TablesOk = false;
            messages.show(MessageIcon::Error,
                          "Не могу найти таблицу " + path + "\n\rЗагрузка программы прекращена");
            return;
        }
    }
}

std::string ReadTableLine(const std::string& path, long long k) {
    if (k <= 0) {
        readLines(path, 0);
        return {};
    }
    auto lines = readLines(path, k);
    if (static_cast<long long>(lines.size()) < k) {
        return {};
    }
    return std::move(lines.back());
}

std::vector<std::string> readAllTableLines(const std::string& path) {
    return readLines(path, -1);
}

} // namespace torvelix::tables
