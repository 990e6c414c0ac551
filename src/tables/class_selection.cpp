// The class selection: the classification row of the selected item and what the
// class page shows of it.
#include "class_selection.h"

#include "cp1251.h"
#include "errors.h"
#include "number_parse.h"
#include "table_fields.h"

namespace torvelix::tables {

std::optional<Endurance> EnduranceOf(int item) {
    if (item >= 0 && item <= 3) {
        return Endurance{"1*10", "7", 0};
    }
    if (item >= 4 && item <= 7) {
        return Endurance{"1*10", "5", 1};
    }
    if (item >= 8 && item <= 10) {
        return Endurance{"2*10", "3", 2};
    }
    return std::nullopt;
}

ClassSelection SelectClass(TableState& state, const std::string& exePath, int item,
                           MessageSink& messages) {
    ClassSelection out;
    if (state.CheckPending) {
        CheckTables(state, exePath, messages);
    }
    if (!state.TablesOk) {
        return out;
    }
    const std::string path = TablePath(state, "13764");
    const auto fail = [&] {
        state.TablesOk = false;
        messages.show(MessageIcon::Error, "Ошибка чтения таблицы " + path);
    };

    std::string row;
    try {
        // With no item selected line 0 is asked for, which reads as empty.
        row = ReadTableLine(path, static_cast<long long>(item) + 1);
    } catch (const TableIoError&) {
        fail();
        return out;
    }

    out.rowRead = true;
    if (auto endurance = EnduranceOf(item)) {
        out.LN1 = endurance->LN1;
        out.LN2 = endurance->LN2;
        out.ClassGroup = endurance->ClassGroup;
    }
    out.LF3 = Cp1251ToUtf8(TrimmedField(row, 8, 4)) + "..." + Cp1251ToUtf8(TrimmedField(row, 13, 6));
    out.Ld = Cp1251ToUtf8(TrimmedField(row, 20, 5)) + "..." + Cp1251ToUtf8(TrimmedField(row, 26, 4));
    out.SpringGost = Cp1251ToUtf8(Field(row, 75, 5));
    out.LGOST = "ГОСТ " + out.SpringGost + "-86";
    out.showWireClass = item == 1 || item == 5;
    if (!out.showWireClass) {
        out.LZagot = Cp1251ToUtf8(Field(row, 31, 43));
    }
    out.TauFactor = TryParseNumber(Field(row, 81, 4));
    if (!out.TauFactor) {
        fail();
    }
    return out;
}

} // namespace torvelix::tables
