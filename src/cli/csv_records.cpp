// A character-by-character CSV reader: outside quotes a comma ends a field and a line
// break ends a record; inside quotes everything but a doubled quote is kept as is.
#include "csv_records.h"

namespace torvelix::cli {

std::vector<CsvRecord> parseCsvRecords(const std::string& text) {
    std::vector<CsvRecord> records;
    std::size_t k = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    int line = 1;
    CsvRecord record{line, {}, {}};
    std::string field;
    bool quoted = false;
    bool fieldStarted = false; // the record has any text or a separator yet
    const auto endRecord = [&]() {
        if (fieldStarted) {
            record.fields.push_back(field);
            records.push_back(record);
        }
        field.clear();
        fieldStarted = false;
        record = CsvRecord{line, {}, {}};
    };
    for (; k < text.size(); ++k) {
        const char ch = text[k];
        if (quoted) {
            if (ch == '"') {
                if (k + 1 < text.size() && text[k + 1] == '"') {
                    field += '"';
                    ++k;
                } else {
                    quoted = false;
                }
            } else {
                if (ch == '\n') {
                    ++line;
                }
                field += ch;
            }
        } else if (ch == '"') {
            quoted = true;
            fieldStarted = true;
        } else if (ch == ',') {
            record.fields.push_back(field);
            field.clear();
            fieldStarted = true;
        } else if (ch == '\n' || ch == '\r') {
            if (ch == '\r' && k + 1 < text.size() && text[k + 1] == '\n') {
                ++k;
            }
            ++line;
            endRecord();
        } else {
            field += ch;
            fieldStarted = true;
        }
    }
    if (quoted) {
        record.error = "a quoted field is not closed";
        record.fields.push_back(field);
        records.push_back(record);
        return records;
    }
    endRecord();
    return records;
}

} // namespace torvelix::cli
