// The class selection: the classification row of the selected item and what the
// class page shows of it.
#include "class_selection.h"

#include "cp1251.h"
#include "errors.h"
#include "number_parse.h"
#include "table_cache.h"
#include "table_fields.h"
#include "table_layouts.h"

namespace torvelix::tables {

ClassSelection SelectClass(TableState& state, const std::string& exePath, int item,
                           MessageSink& messages) {
    ClassSelection out;
    if (state.CheckPending) {
        CheckTables(state, exePath, messages);
    }
    if (!state.TablesOk) {
        return out;
    }
    const std::string path = TablePath(state, kClassTableNumber);
    const auto fail = [&] {
        state.TablesOk = false;
        messages.show(MessageIcon::Error, "Ошибка чтения таблицы " + path);
    };

    std::string row;
    try {
        // With no item selected line 0 is asked for, which reads as empty.
        row = tableLine(state, path, static_cast<long long>(item) + 1);
    } catch (const TableIoError&) {
        fail();
        return out;
    }

    using namespace class_layout;
    out.rowRead = true;
    out.record = classRecordOf(item);
    if (out.record) {
        // Built, then moved in: GCC 12 misreads assigning a short literal in place
        // (-Wrestrict in the inlined char_traits copy).
        out.LN1 = std::string(out.record->LN1);
        out.LN2 = std::string(out.record->LN2);
        out.ClassGroup = out.record->group;
    }
    out.LF3 = cp1251ToUtf8(trimmedField(row, kLowestF3)) + "..." +
              cp1251ToUtf8(trimmedField(row, kHighestF3));
    out.Ld = cp1251ToUtf8(trimmedField(row, kSmallestD)) + "..." +
             cp1251ToUtf8(trimmedField(row, kLargestD));
    out.SpringGost = cp1251ToUtf8(fieldAt(row, kSpringTable));
    out.LGOST = "ГОСТ " + out.SpringGost + "-86";
    out.showWireClass = out.record && out.record->wireClassChoice();
    if (!out.showWireClass) {
        out.LZagot = cp1251ToUtf8(fieldAt(row, kBlankStandard));
    }
    out.TauFactor = tryParseNumber(fieldAt(row, kTauFactor));
    if (!out.TauFactor) {
        fail();
    }
    return out;
}

} // namespace torvelix::tables
