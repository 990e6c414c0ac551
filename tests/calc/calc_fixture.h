// A design state over small fixture tables, ready for the spring computation.
#pragma once

#include "class_values.h"
#include "design_inputs.h"
#include "design_state.h"
#include "message_sink.h"
#include "table_fixture.h"

#include <gtest/gtest.h>

namespace torvelix::testing {

class CalcTest : public ::testing::Test {
protected:
    // Item 0 (factor 0.3 on class I wire), wire 1.00/2.00/3.00, and the spring
    // table 13766 with the rows the test gives.
    void setUpTables(const std::vector<std::string>& springRows, int item = 0) {
        folder.writeDefaultClassification();
        folder.writeDefaultWire();
        for (int n = 13766; n <= 13776; ++n) {
            folder.write(std::to_string(n), springRows);
        }
        selectClass(item);
        state.G = 78500;
        state.Rho = 8000;
        state.F1 = 20;
        state.F2 = 80;
        state.h = 10;
        state.Vmax = 3;
        state.n2 = 2;
        state.n3 = 1.5;
    }
    void selectClass(int item) {
        controls.classItem = item;
        auto selection = calc::selectClassInto(state, folder.exePath(), item, messages);
        if (selection.LZagot) {
            controls.LZagot = *selection.LZagot;
        }
        ASSERT_TRUE(state.tables.TablesOk);
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : messages.messages) {
            out.push_back(m.text);
        }
        return out;
    }

    TableFolder folder;
    calc::DesignState state;
    calc::DesignInputs controls;
    RecordingMessageSink messages;
};

} // namespace torvelix::testing
