// The option pages' controls: initial states and the click handlers that tie them to
// each other and to the class selection.
#include "shell_fixture.h"

#include <QCheckBox>
#include <QRadioButton>

namespace torvelix::shell::testing {
namespace {

using OptionControls = WindowTest;

TEST_F(OptionControls, StartInTheirDesignStates) {
    TForm1& form = Open();
    auto* cbVid = Find<QComboBox>("cbVid");
    EXPECT_EQ(cbVid->currentIndex(), -1);
    EXPECT_EQ(cbVid->currentText(), "Одножильная сжатия");
    EXPECT_TRUE(cbVid->isEditable());
    for (const auto& [name, text] :
         std::vector<std::pair<const char*, const char*>>{{"comb6Gost", "ГОСТ 13766-86"},
                                                          {"comb6Naviv", "правое"},
                                                          {"comb6Kontrol", "контрольного стержня"},
                                                          {"cbox90", "2"}}) {
        EXPECT_EQ(Find<QComboBox>(name)->currentIndex(), -1) << name;
        EXPECT_EQ(Find<QComboBox>(name)->currentText().toStdString(), text);
    }
    EXPECT_TRUE(Find<QRadioButton>("rgKlas_0")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("rbMin")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("rg1Mat1")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("rg1Mat1")->isHidden());
    EXPECT_TRUE(Find<QRadioButton>("rgNavivka_0")->isChecked());
    EXPECT_TRUE(Down("sb24"));
    EXPECT_TRUE(Find<QCheckBox>("cbUstoshivost")->isChecked());
    EXPECT_TRUE(Down("sb23a"));
    EXPECT_TRUE(Down("sb71"));
    EXPECT_TRUE(Down("sb51"));
    EXPECT_TRUE(Find<QToolButton>("sb25")->isHidden());
    EXPECT_TRUE(Find<QCheckBox>("cb71")->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>("cb72")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("cb90")->isChecked());
    EXPECT_EQ(form.rememberedFixing(), calc::Fixing::None);
    EXPECT_EQ(Find<QToolButton>("sb21")->toolTip(), "Глухой-свободный");
    EXPECT_EQ(Find<QLineEdit>("eN2")->toolTip(), "Число опорных витков");
    EXPECT_EQ(Find<QToolButton>("sbAutoCad")->toolTip(), "Вычерчивание пружины в AutoCADe");
}

TEST_F(OptionControls, ThreeStrandKindPinsTheThirdClassFirstCategory) {
    const TForm1& form = Open();
    ForwardTo(1);
    Find<QComboBox>("cbVid")->setCurrentIndex(1);
    EXPECT_TRUE(Find<QRadioButton>("rgKlas_8")->isChecked());
    EXPECT_EQ(Find<QLabel>("LGOST")->text(), "ГОСТ 13774-86");
    EXPECT_EQ(Find<QLabel>("LN1")->text(), "2*10");
    EXPECT_EQ(Find<QLabel>("LN2")->text(), "3");
    EXPECT_EQ(form.designState().ClassGroup, tables::ClassGroup::III);
    EXPECT_EQ(form.designState().SpringGost, "13774");
    // Every later class choice ends on item 8 again.
    SelectClass(1);
    EXPECT_TRUE(Find<QRadioButton>("rgKlas_8")->isChecked());
    EXPECT_EQ(form.designState().SpringGost, "13774");
    EXPECT_TRUE(Find<QRadioButton>("rg1Mat1")->isHidden());
    // The single-strand kind changes no class; class choices are free again.
    Find<QComboBox>("cbVid")->setCurrentIndex(0);
    EXPECT_TRUE(Find<QRadioButton>("rgKlas_8")->isChecked());
    SelectClass(5);
    EXPECT_TRUE(Find<QRadioButton>("rgKlas_5")->isChecked());
    EXPECT_EQ(form.designState().SpringGost, "13771");
    EXPECT_EQ(form.designState().ClassGroup, tables::ClassGroup::II);
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(OptionControls, WireClassChoiceReplacesTheBlankStandardForItemsOneAndFive) {
    Open();
    const QString blank = Find<QLabel>("LZagot")->text();
    SelectClass(1);
    EXPECT_FALSE(Find<QRadioButton>("rg1Mat1")->isHidden());
    EXPECT_FALSE(Find<QRadioButton>("rg1Mat2")->isHidden());
    EXPECT_EQ(Find<QLabel>("LZagot")->text(), blank); // the text is kept
    SelectClass(2);
    EXPECT_TRUE(Find<QRadioButton>("rg1Mat2")->isHidden());
    EXPECT_EQ(Find<QLabel>("LGOST")->text(), "ГОСТ 13768-86");
}

TEST_F(OptionControls, StrengthButtonsSetTheStrengthChoice) {
    const TForm1& form = Open();
    Click("rbMax");
    EXPECT_EQ(form.designState().StrengthChoice, calc::StrengthChoice::Maximum);
    Click("rbSer");
    EXPECT_EQ(form.designState().StrengthChoice, calc::StrengthChoice::Mean);
    Click("rbMin");
    EXPECT_EQ(form.designState().StrengthChoice, calc::StrengthChoice::Minimum);
}

TEST_F(OptionControls, EndFinishButtonsWriteSupportAndGroundCoils) {
    Open();
    const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
        {"sb21a", "0", "0"}, {"sb22a", "2", "0"}, {"sb23a", "2", "1.5"}, {"sb24a", "1.5", "1.5"}};
    for (const auto& [button, n2, n3] : cases) {
        Click(button);
        EXPECT_TRUE(Down(button));
        EXPECT_EQ(textOf("eN2").toStdString(), n2) << button;
        EXPECT_EQ(textOf("eN3").toStdString(), n3) << button;
    }
    // Pressing the down button again still runs the handler and leaves it down.
    Find<QLineEdit>("eN2")->setText("9");
    Click("sb24a");
    EXPECT_TRUE(Down("sb24a"));
    EXPECT_EQ(textOf("eN2"), "1.5");
}

TEST_F(OptionControls, StabilityCheckAndEndFixingFollowEachOther) {
    const TForm1& form = Open();
    auto* stability = Find<QCheckBox>("cbUstoshivost");
    const auto fixingsDown = [&] {
        int count = 0;
        for (const char* name : {"sb21", "sb22", "sb23", "sb24"}) {
            count += Down(name) ? 1 : 0;
        }
        return count;
    };
    stability->setChecked(false);
    EXPECT_EQ(fixingsDown(), 0);
    EXPECT_TRUE(Down("sb25"));
    stability->setChecked(true); // nothing remembered yet: all stay released
    EXPECT_EQ(fixingsDown(), 0);

    stability->setChecked(false);
    Click("sb22");
    EXPECT_TRUE(stability->isChecked());
    EXPECT_TRUE(Down("sb22"));
    EXPECT_EQ(form.rememberedFixing(), calc::Fixing::HingedHinged);
    Click("sb23"); // with the check on, the fixing is not remembered
    EXPECT_TRUE(Down("sb23"));
    EXPECT_EQ(form.rememberedFixing(), calc::Fixing::HingedHinged);
    stability->setChecked(false);
    EXPECT_EQ(fixingsDown(), 0);
    stability->setChecked(true);
    EXPECT_TRUE(Down("sb22"));
    EXPECT_EQ(fixingsDown(), 1);
}

TEST_F(OptionControls, DrawingTypeEnablesTheDiagramAndRequirementSwitchesOnlyWithABreak) {
    Open();
    auto* cb71 = Find<QCheckBox>("cb71");
    auto* cb72 = Find<QCheckBox>("cb72");
    cb71->setChecked(true);
    cb72->setChecked(true);
    Click("sb72");
    EXPECT_FALSE(cb71->isChecked());
    EXPECT_FALSE(cb72->isChecked());
    EXPECT_FALSE(cb71->isEnabled());
    EXPECT_FALSE(cb72->isEnabled());
    Click("sb74");
    EXPECT_FALSE(cb71->isEnabled());
    Click("sb71");
    EXPECT_TRUE(cb71->isEnabled());
    EXPECT_TRUE(cb72->isEnabled());
    EXPECT_FALSE(cb71->isChecked());
    EXPECT_FALSE(cb72->isChecked());
    // The end-coil buttons carry the same group number yet form their own group.
    Click("sb54");
    EXPECT_TRUE(Down("sb54"));
    EXPECT_TRUE(Down("sb71"));
}

TEST_F(OptionControls, InscribingDisablesPitchAndFreeLengthUntilTheNextArrival) {
    Open();
    ForwardTo(7);
    auto* cb90 = Find<QCheckBox>("cb90");
    cb90->setChecked(true);
    EXPECT_FALSE(Find<QLineEdit>("e9_t")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>("e9_L0")->isEnabled());
    Prior();
    Find<QCheckBox>("cb71")->setChecked(true);
    Next();
    // The arrival sets e9_L0 by the diagram switch alone; e9_t keeps its state.
    EXPECT_TRUE(Find<QLineEdit>("e9_L0")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>("e9_t")->isEnabled());
    cb90->setChecked(false);
    EXPECT_TRUE(Find<QLineEdit>("e9_t")->isEnabled());
}

TEST_F(OptionControls, EndFinishOfPageTwoSelectsTheEndCoilsOfPageFive) {
    Open();
    ForwardTo(2);
    Click("sb22a");
    ForwardTo(5);
    EXPECT_TRUE(Down("sb52"));
    Prior();
    Prior();
    Prior();
    Click("sb24a");
    ForwardTo(5);
    EXPECT_TRUE(Down("sb54"));
}

} // namespace
} // namespace torvelix::shell::testing
