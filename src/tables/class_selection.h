// Reading the classification row of the selected spring class: the texts the class
// page shows and the three values the calculation needs later.
#pragma once

#include "class_record.h"
#include "message_sink.h"
#include "table_files.h"

#include <optional>
#include <string>

namespace torvelix::tables {

// What one class selection yields. Texts are UTF-8.
struct ClassSelection {
    bool rowRead = false; // the row was read: the texts and values below are set
    std::string LN1;      // "1*10" or "2*10"
    std::string LN2;      // exponent "7", "5" or "3"
    tables::ClassGroup ClassGroup = tables::ClassGroup::I;
    std::string LF3;                     // lowest F3 + "..." + highest F3
    std::string Ld;                      // smallest d + "..." + largest d
    std::string SpringGost;              // columns 75-79 exactly as read
    std::string LGOST;                   // "ГОСТ " + SpringGost + "-86"
    bool showWireClass = false;          // the item's record has the II / IIA wire-class choice
    std::optional<std::string> LZagot;   // blank standard; unset with the wire-class choice
    std::optional<double> TauFactor;     // unset when columns 81-84 do not convert
    const ClassRecord* record = nullptr; // the item's fixed facts; none with no item
};

// Runs the presence check on the first call (state.CheckPending), then reads line
// item + 1 of the classification table. Nothing is read while TablesOk is clear.
// A row that cannot be read or whose TauFactor does not convert clears TablesOk and
// shows "Ошибка чтения таблицы <path>" (error icon).
ClassSelection SelectClass(TableState& state, const std::string& exePath, int item,
                           MessageSink& messages);

} // namespace torvelix::tables
