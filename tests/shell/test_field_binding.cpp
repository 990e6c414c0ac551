// The window's binding to the session: the controls' initial states, every {widget,
// field} pair of the table round-tripping between its widget and the session, and the
// choices' clicks reaching their rules (the rules themselves are the workflow tests').
#include "shell_fixture.h"
#include "wizard_binding.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>

namespace torvelix::shell::testing {
namespace {

using OptionControls = WindowTest;

TEST_F(OptionControls, StartInTheirDesignStates) {
    TForm1& form = open();
    auto* cbVid = find<QComboBox>("cbVid");
    EXPECT_EQ(cbVid->currentIndex(), -1);
    EXPECT_EQ(cbVid->currentText(), "Одножильная сжатия");
    EXPECT_TRUE(cbVid->isEditable());
    for (const auto& [name, text] :
         std::vector<std::pair<const char*, const char*>>{{"comb6Gost", "ГОСТ 13766-86"},
                                                          {"comb6Naviv", "правое"},
                                                          {"comb6Kontrol", "контрольного стержня"},
                                                          {"cbox90", "2"}}) {
        EXPECT_EQ(find<QComboBox>(name)->currentIndex(), -1) << name;
        EXPECT_EQ(find<QComboBox>(name)->currentText().toStdString(), text);
    }
    EXPECT_TRUE(find<QRadioButton>("rgKlas_0")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("rbMin")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("rg1Mat1")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("rg1Mat1")->isHidden());
    EXPECT_TRUE(find<QRadioButton>("rgNavivka_0")->isChecked());
    EXPECT_TRUE(down("sb24"));
    EXPECT_TRUE(find<QCheckBox>("cbUstoshivost")->isChecked());
    EXPECT_TRUE(down("sb23a"));
    EXPECT_TRUE(down("sb71"));
    EXPECT_TRUE(down("sb51"));
    EXPECT_TRUE(find<QToolButton>("sb25")->isHidden());
    EXPECT_TRUE(find<QCheckBox>("cb71")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("cb72")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("cb90")->isChecked());
    EXPECT_EQ(form.rememberedFixing(), calc::Fixing::None);
    EXPECT_EQ(find<QToolButton>("sb21")->toolTip(), "Глухой-свободный");
    EXPECT_EQ(find<QLineEdit>("eN2")->toolTip(), "Число опорных витков");
    EXPECT_EQ(find<QToolButton>("sbAutoCad")->toolTip(), "Вычерчивание пружины в AutoCADe");
}

// The pages built alone, bound to a session of their own.
class FieldBindingTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    void SetUp() override {
        ui.Notebook1 = new QStackedWidget(&root);
        ui.Notebook1->addWidget(buildList0(ui, tables.exePath()));
        ui.Notebook1->addWidget(buildList1(ui));
        ui.Notebook1->addWidget(buildList2(ui));
        ui.Notebook1->addWidget(buildList3(ui));
        ui.Notebook1->addWidget(buildList4(ui));
        ui.Notebook1->addWidget(buildList5(ui));
        ui.Notebook1->addWidget(buildList6(ui));
        ui.Notebook1->addWidget(buildList7(ui, true));
        ui.bbPrior = new QPushButton(&root);
        ui.bbNext = new QPushButton(&root);
        bindings = fieldBindings(ui);
        ASSERT_TRUE(session.start().done);
        showValues(session.snapshot(), bindings, ui);
    }
    bool read() { return readValues(ui, bindings, session); }
    void show() { showValues(session.snapshot(), bindings, ui); }

    TableFolder tables;
    RecordingMessageSink messages;
    workflow::DesignSession session{tables.exePath(), messages};
    QWidget root;
    WizardControls ui;
    std::vector<FieldBinding> bindings;
};

TEST_F(FieldBindingTest, EveryFieldHasOneWidgetAndItsValueRoundTrips) {
    using workflow::FieldId;
    using workflow::FieldKind;
    // Every field but None is bound, once.
    for (int k = static_cast<int>(FieldId::MinOuterDiameter);
         k <= static_cast<int>(FieldId::BreakCoils); ++k) {
        int count = 0;
        for (const FieldBinding& binding : bindings) {
            count += binding.field == static_cast<FieldId>(k) ? 1 : 0;
        }
        EXPECT_EQ(count, 1) << "field " << k;
    }
    const workflow::WizardSnapshot& values = session.snapshot();
    for (const FieldBinding& binding : bindings) {
        const FieldId field = binding.field;
        const std::string name = binding.widget->objectName().toStdString();
        SCOPED_TRACE(name);
        const std::string typed = "w-" + name;
        const std::string sent = "s-" + name;
        switch (workflow::kindOf(field)) {
        case FieldKind::Text: {
            auto* edit = qobject_cast<QLineEdit*>(binding.widget);
            ASSERT_NE(edit, nullptr);
            edit->setText(QString::fromStdString(typed));
            ASSERT_TRUE(read());
            EXPECT_EQ(values.text(field), typed);
            ASSERT_TRUE(session.typeText(field, sent).done);
            show();
            EXPECT_EQ(edit->text().toStdString(), sent);
            break;
        }
        case FieldKind::Item: {
            auto* combo = qobject_cast<QComboBox*>(binding.widget);
            ASSERT_NE(combo, nullptr);
            ASSERT_GE(combo->count(), 2);
            combo->setCurrentIndex(1);
            ASSERT_TRUE(read());
            EXPECT_EQ(values.item(field), 1);
            EXPECT_EQ(values.text(field), combo->itemText(1).toStdString());
            ASSERT_TRUE(session.chooseItem(field, -1, sent).done);
            show();
            EXPECT_EQ(combo->currentIndex(), -1);
            EXPECT_EQ(combo->currentText().toStdString(), sent);
            break;
        }
        case FieldKind::Switch: {
            auto* box = qobject_cast<QCheckBox*>(binding.widget);
            ASSERT_NE(box, nullptr);
            const bool on = !box->isChecked();
            box->setChecked(on);
            ASSERT_TRUE(read());
            EXPECT_EQ(values.isOn(field), on);
            ASSERT_TRUE(session.setSwitch(field, !on).done);
            show();
            EXPECT_EQ(box->isChecked(), !on);
            break;
        }
        case FieldKind::Lines: {
            auto* memo = qobject_cast<QPlainTextEdit*>(binding.widget);
            ASSERT_NE(memo, nullptr);
            memo->setPlainText(QString::fromStdString(typed + "\n"));
            ASSERT_TRUE(read());
            EXPECT_EQ(values.lines(field), (std::vector<std::string>{typed, ""}));
            ASSERT_TRUE(session.editLines(field, {sent, "2"}).done);
            show();
            EXPECT_EQ(memo->toPlainText().toStdString(), sent + "\n2");
            break;
        }
        }
    }
    // The fields the session switches on and off follow it.
    ASSERT_TRUE(session.chooseView(geometry::ViewType::Cut).done);
    show();
    EXPECT_FALSE(ui.cb71->isEnabled());
    EXPECT_FALSE(ui.cb72->isEnabled());
    ASSERT_TRUE(session.setSwitch(FieldId::Inscribe, !ui.cb90->isChecked()).done);
    show();
    EXPECT_EQ(ui.e9_t->isEnabled(), !ui.cb90->isChecked());
    EXPECT_TRUE(messages.messages.empty());
}

// One run through the choices' clicks: each reaches its rule, whose effect shows.
TEST_F(OptionControls, ChoicesClickedReachTheirRules) {
    const TForm1& form = open();
    forwardTo(1);
    find<QComboBox>("cbVid")->setCurrentIndex(1); // three-strand: item 8
    EXPECT_TRUE(find<QRadioButton>("rgKlas_8")->isChecked());
    EXPECT_EQ(find<QLabel>("LGOST")->text(), "ГОСТ 13774-86");
    find<QComboBox>("cbVid")->setCurrentIndex(0);
    SelectClass(1);
    EXPECT_FALSE(find<QRadioButton>("rg1Mat1")->isHidden());
    click("rbMax");
    EXPECT_EQ(form.designState().StrengthChoice, calc::StrengthChoice::Maximum);

    forwardTo(2);
    find<QLineEdit>("eN2")->setText("9");
    click("sb22a");
    EXPECT_EQ(textOf("eN2"), "2");
    EXPECT_EQ(textOf("eN3"), "0");
    auto* stability = find<QCheckBox>("cbUstoshivost");
    stability->setChecked(false);
    EXPECT_TRUE(down("sb25"));
    click("sb22");
    EXPECT_TRUE(stability->isChecked());
    EXPECT_TRUE(down("sb22"));
    EXPECT_EQ(form.rememberedFixing(), calc::Fixing::HingedHinged);

    forwardTo(5);
    EXPECT_TRUE(down("sb52")); // the finish's end coils
    find<QCheckBox>("cb71")->setChecked(true);
    click("sb72");
    EXPECT_FALSE(find<QCheckBox>("cb71")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("cb71")->isEnabled());
    click("sb71");
    // The end-coil buttons carry the same group number yet form their own group.
    click("sb54");
    EXPECT_TRUE(down("sb54"));
    EXPECT_TRUE(down("sb71"));

    forwardTo(7);
    find<QCheckBox>("cb90")->setChecked(true);
    EXPECT_FALSE(find<QLineEdit>("e9_t")->isEnabled());
    EXPECT_FALSE(find<QLineEdit>("e9_L0")->isEnabled());
    EXPECT_TRUE(errors_.empty()); // warnings of the selection may come; no error escapes
}

} // namespace
} // namespace torvelix::shell::testing
