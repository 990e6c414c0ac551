// The option pages' controls: initial states and the click handlers that tie them to
// each other and to the class selection.
#include "shell_fixture.h"

#include <QCheckBox>
#include <QRadioButton>

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

TEST_F(OptionControls, ThreeStrandKindPinsTheThirdClassFirstCategory) {
    const TForm1& form = open();
    forwardTo(1);
    find<QComboBox>("cbVid")->setCurrentIndex(1);
    EXPECT_TRUE(find<QRadioButton>("rgKlas_8")->isChecked());
    EXPECT_EQ(find<QLabel>("LGOST")->text(), "ГОСТ 13774-86");
    EXPECT_EQ(find<QLabel>("LN1")->text(), "2*10");
    EXPECT_EQ(find<QLabel>("LN2")->text(), "3");
    EXPECT_EQ(form.designState().ClassGroup, tables::ClassGroup::III);
    EXPECT_EQ(form.designState().SpringGost, "13774");
    // Every later class choice ends on item 8 again.
    SelectClass(1);
    EXPECT_TRUE(find<QRadioButton>("rgKlas_8")->isChecked());
    EXPECT_EQ(form.designState().SpringGost, "13774");
    EXPECT_TRUE(find<QRadioButton>("rg1Mat1")->isHidden());
    // The single-strand kind changes no class; class choices are free again.
    find<QComboBox>("cbVid")->setCurrentIndex(0);
    EXPECT_TRUE(find<QRadioButton>("rgKlas_8")->isChecked());
    SelectClass(5);
    EXPECT_TRUE(find<QRadioButton>("rgKlas_5")->isChecked());
    EXPECT_EQ(form.designState().SpringGost, "13771");
    EXPECT_EQ(form.designState().ClassGroup, tables::ClassGroup::II);
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(OptionControls, WireClassChoiceReplacesTheBlankStandardForItemsOneAndFive) {
    open();
    const QString blank = find<QLabel>("LZagot")->text();
    SelectClass(1);
    EXPECT_FALSE(find<QRadioButton>("rg1Mat1")->isHidden());
    EXPECT_FALSE(find<QRadioButton>("rg1Mat2")->isHidden());
    EXPECT_EQ(find<QLabel>("LZagot")->text(), blank); // the text is kept
    SelectClass(2);
    EXPECT_TRUE(find<QRadioButton>("rg1Mat2")->isHidden());
    EXPECT_EQ(find<QLabel>("LGOST")->text(), "ГОСТ 13768-86");
}

TEST_F(OptionControls, StrengthButtonsSetTheStrengthChoice) {
    const TForm1& form = open();
    click("rbMax");
    EXPECT_EQ(form.designState().StrengthChoice, calc::StrengthChoice::Maximum);
    click("rbSer");
    EXPECT_EQ(form.designState().StrengthChoice, calc::StrengthChoice::Mean);
    click("rbMin");
    EXPECT_EQ(form.designState().StrengthChoice, calc::StrengthChoice::Minimum);
}

TEST_F(OptionControls, EndFinishButtonsWriteSupportAndGroundCoils) {
    open();
    const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
        {"sb21a", "0", "0"}, {"sb22a", "2", "0"}, {"sb23a", "2", "1.5"}, {"sb24a", "1.5", "1.5"}};
    for (const auto& [button, n2, n3] : cases) {
        click(button);
        EXPECT_TRUE(down(button));
        EXPECT_EQ(textOf("eN2").toStdString(), n2) << button;
        EXPECT_EQ(textOf("eN3").toStdString(), n3) << button;
    }
    // Pressing the down button again still runs the handler and leaves it down.
    find<QLineEdit>("eN2")->setText("9");
    click("sb24a");
    EXPECT_TRUE(down("sb24a"));
    EXPECT_EQ(textOf("eN2"), "1.5");
}

TEST_F(OptionControls, StabilityCheckAndEndFixingFollowEachOther) {
    const TForm1& form = open();
    auto* stability = find<QCheckBox>("cbUstoshivost");
    const auto fixingsDown = [&] {
        int count = 0;
        for (const char* name : {"sb21", "sb22", "sb23", "sb24"}) {
            count += down(name) ? 1 : 0;
        }
        return count;
    };
    stability->setChecked(false);
    EXPECT_EQ(fixingsDown(), 0);
    EXPECT_TRUE(down("sb25"));
    stability->setChecked(true); // nothing remembered yet: all stay released
    EXPECT_EQ(fixingsDown(), 0);

    stability->setChecked(false);
    click("sb22");
    EXPECT_TRUE(stability->isChecked());
    EXPECT_TRUE(down("sb22"));
    EXPECT_EQ(form.rememberedFixing(), calc::Fixing::HingedHinged);
    click("sb23"); // with the check on, the fixing is not remembered
    EXPECT_TRUE(down("sb23"));
    EXPECT_EQ(form.rememberedFixing(), calc::Fixing::HingedHinged);
    stability->setChecked(false);
    EXPECT_EQ(fixingsDown(), 0);
    stability->setChecked(true);
    EXPECT_TRUE(down("sb22"));
    EXPECT_EQ(fixingsDown(), 1);
}

TEST_F(OptionControls, DrawingTypeEnablesTheDiagramAndRequirementSwitchesOnlyWithABreak) {
    open();
    auto* cb71 = find<QCheckBox>("cb71");
    auto* cb72 = find<QCheckBox>("cb72");
    cb71->setChecked(true);
    cb72->setChecked(true);
    click("sb72");
    EXPECT_FALSE(cb71->isChecked());
    EXPECT_FALSE(cb72->isChecked());
    EXPECT_FALSE(cb71->isEnabled());
    EXPECT_FALSE(cb72->isEnabled());
    click("sb74");
    EXPECT_FALSE(cb71->isEnabled());
    click("sb71");
    EXPECT_TRUE(cb71->isEnabled());
    EXPECT_TRUE(cb72->isEnabled());
    EXPECT_FALSE(cb71->isChecked());
    EXPECT_FALSE(cb72->isChecked());
    // The end-coil buttons carry the same group number yet form their own group.
    click("sb54");
    EXPECT_TRUE(down("sb54"));
    EXPECT_TRUE(down("sb71"));
}

TEST_F(OptionControls, InscribingDisablesPitchAndFreeLengthUntilTheNextArrival) {
    open();
    forwardTo(7);
    auto* cb90 = find<QCheckBox>("cb90");
    cb90->setChecked(true);
    EXPECT_FALSE(find<QLineEdit>("e9_t")->isEnabled());
    EXPECT_FALSE(find<QLineEdit>("e9_L0")->isEnabled());
    prior();
    find<QCheckBox>("cb71")->setChecked(true);
    next();
    // The arrival sets e9_L0 by the diagram switch alone; e9_t keeps its state.
    EXPECT_TRUE(find<QLineEdit>("e9_L0")->isEnabled());
    EXPECT_FALSE(find<QLineEdit>("e9_t")->isEnabled());
    cb90->setChecked(false);
    EXPECT_TRUE(find<QLineEdit>("e9_t")->isEnabled());
}

TEST_F(OptionControls, EndFinishOfPageTwoSelectsTheEndCoilsOfPageFive) {
    open();
    forwardTo(2);
    click("sb22a");
    forwardTo(5);
    EXPECT_TRUE(down("sb52"));
    prior();
    prior();
    prior();
    click("sb24a");
    forwardTo(5);
    EXPECT_TRUE(down("sb54"));
}

} // namespace
} // namespace torvelix::shell::testing
