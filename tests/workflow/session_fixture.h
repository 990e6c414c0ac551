// A design session over small fixture tables: item k of the classification reads
// spring table 13766 + k, and every spring table holds one row.
#pragma once

#include "design_session.h"
#include "table_fixture.h"

#include <gtest/gtest.h>

namespace torvelix::testing {

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeDefaultClassification();
        folder.writeDefaultWire();
        for (int n = 13766; n <= 13776; ++n) {
            // D1 12, d 2: D = 10, i = 5; c1 30 N/mm with c = (80 - 20) / 10 = 6 N/mm: n = 5.
            folder.write(std::to_string(n), {SpringRow("100", "2.00", "12", "30", "3.33")});
        }
        ASSERT_TRUE(session.start().done);
    }
    const workflow::WizardSnapshot& v() const { return session.snapshot(); }

    TableFolder folder;
    RecordingMessageSink messages;
    workflow::DesignSession session{folder.exePath(), messages};
};

} // namespace torvelix::testing
