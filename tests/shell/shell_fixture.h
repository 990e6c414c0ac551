// Shared set-up of the window tests: one offscreen application, a window whose
// messages and general errors are recorded, folders holding copies of the tables.
#pragma once

#include "form1.h"
#include "number_format.h"
#include "shipped_tables.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace torvelix::shell::testing {

inline void ensureApplication() {
    if (QApplication::instance()) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "test_shell";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// The shipped tables copied beside <folder>/torvelix, with the window's names for
// the program's base path and its settings file.
class TableFolder : public torvelix::testing::ShippedTables {
public:
    using ShippedTables::ShippedTables;
    QString base() const { return QString::fromStdString(exePath()); }
    QString iniPath() const { return base() + ".ini"; }
};

class WindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    // The window over the tables of the folder (by default a complete copy).
    TForm1& open(const std::string& exePath = {}) {
        if (exePath.empty() && !folder_) {
            folder_ = std::make_unique<TableFolder>();
        }
        WindowOptions options;
        options.exePath = exePath.empty() ? folder_->exePath() : exePath;
        options.messages = &messages_;
        options.generalError = [this](const std::string& text) { errors_.push_back(text); };
        options.wordConnector = wordConnector_;
        options.cadConnector = cadConnector_;
        options.dataFileName = dataFileName_;
        form_ = std::make_unique<TForm1>(options);
        return *form_;
    }

    template <class T> T* find(const char* name) {
        T* widget = form_->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString textOf(const char* edit) { return find<QLineEdit>(edit)->text(); }
    bool down(const char* button) { return find<QToolButton>(button)->isChecked(); }
    void click(const char* button) { find<QAbstractButton>(button)->click(); }
    void next() { click("bbNext"); }
    void prior() { click("bbPrior"); }
    int currentPage() const { return form_->currentPage(); }
    bool canGoBack() { return find<QPushButton>("bbPrior")->isEnabled(); }
    bool canGoOn() { return find<QPushButton>("bbNext")->isEnabled(); }
    void SelectClass(int item) {
        find<QAbstractButton>(("rgKlas_" + std::to_string(item)).c_str())->click();
    }
    // Walks forward to the page, from wherever the wizard stands.
    void forwardTo(int page) {
        for (int guard = 0; currentPage() != page && guard < 8; ++guard) {
            next();
        }
        ASSERT_EQ(currentPage(), page);
    }

    std::unique_ptr<TableFolder> folder_;
    RecordingMessageSink messages_;
    std::vector<std::string> errors_;
    wordexport::WordConnector* wordConnector_ = nullptr;
    cad::CadConnector* cadConnector_ = nullptr;
    std::function<QString()> dataFileName_;
    std::unique_ptr<TForm1> form_;
};

} // namespace torvelix::shell::testing
