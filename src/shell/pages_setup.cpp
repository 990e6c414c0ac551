// The first three pages of the wizard: the title page with the mode buttons, the class
// page and the design-inputs page.
#include "wizard_controls.h"

#include "button_art.h"
#include "shipped_estimates.h"
#include "table_search.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace torvelix::shell {

namespace {

// Texts of the title page that are the program's own.
const QString kAuthorLine = QStringLiteral("Torvelix design office, 2026");
const QString kContactLine = QStringLiteral("E-Mail: torvelix@example.org");

QToolButton* modeButton(const QString& name, const QString& text, const QString& hint,
                        QButtonGroup* group, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setCheckable(true);
    button->setFixedSize(200, 60);
    QFont font = parent->font();
    font.setPixelSize(19);
    font.setBold(true);
    font.setItalic(true);
    button->setFont(font);
    // The button that is down is drawn pressed in and tinted, the other raised, so that
    // the chosen mode reads at a glance whatever the widget style would do.
    button->setStyleSheet(QString("QToolButton { color: #000080; background: %1;"
                                  " border: 2px outset #b0b0b0; border-radius: 3px; }"
                                  "QToolButton:checked { background: %2;"
                                  " border: 2px inset #000080; }")
                              .arg(kModeUpColour, kModeDownColour));
    group->addButton(button);
    return button;
}

} // namespace

QWidget* newPage(const QString& name, const QString& headlineName, const QString& headline) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(kPageSideMargin, 4, kPageSideMargin, 4);
    layout->setSpacing(4);
    if (!headline.isEmpty()) {
        layout->addWidget(new ShadowLabel(headlineName, headline, page));
    }
    return page;
}

QWidget* buildList0(WizardControls& ui, const std::string& exePath) {
    QWidget* page = newPage("List0", {}, {});
    auto* layout = static_cast<QVBoxLayout*>(page->layout());

    auto* sb04 = new QToolButton(page);
    sb04->setObjectName("sb04");
    sb04->setAutoRaise(true);
    sb04->setToolTip("Мой логотип");
    sb04->setIcon(QIcon(logoPicture(QSize(96, 96))));
    sb04->setIconSize(QSize(96, 96));

    auto* titles = new QVBoxLayout;
    titles->setSpacing(2);
    titles->addWidget(new GradientTitle("LMDLabelFill1", "torvelix", page), 0, Qt::AlignHCenter);
    titles->addWidget(makeLabel("Label38", "Версия 2.2 для AutoCAD не ниже 14.01", page), 0,
                      Qt::AlignHCenter);
    auto* Bevel5 = new QFrame(page);
    Bevel5->setObjectName("Bevel5");
    Bevel5->setFrameShape(QFrame::HLine);
    Bevel5->setFrameShadow(QFrame::Sunken);
    titles->addWidget(Bevel5);
    titles->addWidget(makeLabel("Label39", "Автор программы:", page));
    titles->addWidget(makeLabel("Label40", kAuthorLine, page));
    titles->addWidget(makeLabel("Label41", kContactLine, page));

    auto* top = new QHBoxLayout;
    top->addWidget(sb04, 0, Qt::AlignTop);
    top->addLayout(titles, 1);
    layout->addLayout(top);

    QLabel* Label37 = makeLabel(
        "Label37",
        "Расчет, определение размеров ГОСТ 13765-86 и черчение пружин винтовых цилиндрических "
        "сжатия из стали круглого сечения по           ГОСТ 13766-86 - ГОСТ 13776-86.",
        page);
    Label37->setWordWrap(true);
    layout->addSpacing(6);
    layout->addWidget(Label37);
    // While shipped estimate tables are in use, say so: their spring numbers are not
    // the standards' numbers.
    const std::string notice =
        tables::estimateNotice(tables::shippedEstimatesIn(tables::tablesOfExecutable(exePath)),
                               tables::tableGuidePath(exePath));
    if (!notice.empty()) {
        QLabel* LEstimate = makeLabel("LEstimate", QString::fromStdString(notice), page);
        LEstimate->setWordWrap(true);
        layout->addWidget(LEstimate);
    }
    layout->addStretch(1);

    ui.modeGroup = new QButtonGroup(page);
    ui.modeGroup->setExclusive(true);
    ui.sb01 = modeButton("sb01", "Расчет", "Расчет параметров пружины ", ui.modeGroup, page);
    ui.sb02 = modeButton("sb02", "Черчение", "Вычерчивание пружины без предварительного расчета",
                         ui.modeGroup, page);
    ui.sb01->setChecked(true);
    auto* modes = new QHBoxLayout;
    modes->addStretch();
    modes->addWidget(ui.sb01);
    modes->addSpacing(20);
    modes->addWidget(ui.sb02);
    modes->addStretch();
    layout->addLayout(modes);
    layout->addStretch(1);
    return page;
}

QWidget* buildList1(WizardControls& ui) {
    QWidget* page = newPage("List1", "RxLabel1", "Классификация винтовых пружин по ГОСТ 13764-86");
    auto* layout = static_cast<QVBoxLayout*>(page->layout());

    ui.rgKlas = makeRadioGroup(
        "rgKlas", " Классификация ",
        {"- I класс 1 разряд", "- I класс 2 разряд", "- I класс 3 разряд", "- I класс 4 разряд",
         "- II класс 1 разряд", "- II класс 2 разряд", "- II класс 3 разряд", "- II класс 4 разряд",
         "- III класс 1 разряд", "- III класс 2 разряд", "- III класс 3 разряд"},
        1, page);
    ui.rgKlas.items->button(0)->setChecked(true);

    auto* params = new QGroupBox(" Параметры ", page);
    params->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(params);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setVerticalSpacing(3);
    ui.cbVid = makeDropDown("cbVid", "Одножильная сжатия",
                            {"Одножильная сжатия", "Трехжильная сжатия"}, params);
    grid->addWidget(makeLabel("Label7", "Вид ", params), 0, 0);
    grid->addWidget(ui.cbVid, 0, 1);

    ui.LN1 = makeLabel("LN1", "2*10", params);
    ui.LN2 = makeLabel("LN2", "7", params);
    QFont exponent = ui.LN2->font();
    exponent.setPixelSize(9);
    ui.LN2->setFont(exponent);
    auto* endurance = new QHBoxLayout;
    endurance->setSpacing(0);
    endurance->addWidget(ui.LN1, 0, Qt::AlignBottom);
    endurance->addWidget(ui.LN2, 0, Qt::AlignTop);
    endurance->addStretch();
    grid->addWidget(makeLabel("Label8", "Выносливость N, циклов, не менее", params), 1, 0);
    grid->addLayout(endurance, 1, 1);

    ui.LF3 = makeLabel("LF3", "1,00...850", params);
    ui.Ld = makeLabel("Ld", "1,00...850", params);
    ui.LGOST = makeLabel("LGOST", "ГОСТ 13766-86", params);
    grid->addWidget(makeLabel("Label14", "Сила при мах. деформации, F3, Н", params), 2, 0);
    grid->addWidget(ui.LF3, 2, 1);
    grid->addWidget(makeLabel("Label15", "Диаметр проволоки (прутка), d, мм", params), 3, 0);
    grid->addWidget(ui.Ld, 3, 1);
    grid->addWidget(makeLabel("Label17", "Стандарт на параметры витков", params), 4, 0);
    grid->addWidget(ui.LGOST, 4, 1);
    grid->addWidget(makeLabel("Label11", "Стандарт на заготовку:", params), 5, 0, 1, 2);

    ui.LZagot = makeLabel("LZagot", "Сталь горячекатаная круглая по ГОСТ 2590-71", params);
    ui.rg1Mat1 = new QRadioButton("- Проволока класса II по ГОСТ 9389-75", params);
    ui.rg1Mat1->setObjectName("rg1Mat1");
    ui.rg1Mat2 = new QRadioButton("- Проволока класса IIA по ГОСТ 9389-75", params);
    ui.rg1Mat2->setObjectName("rg1Mat2");
    ui.rg1Mat1->setChecked(true);
    ui.rg1Mat1->hide();
    ui.rg1Mat2->hide();
    auto* blank = new QVBoxLayout;
    blank->setSpacing(0);
    blank->addWidget(ui.LZagot);
    blank->addWidget(ui.rg1Mat1);
    blank->addWidget(ui.rg1Mat2);
    grid->addLayout(blank, 6, 0, 1, 2);
    grid->setRowStretch(7, 1);

    auto* strength = new QGroupBox(" Временное сопротивление ", page);
    strength->setObjectName("GroupBox2");
    auto* strengthRow = new QHBoxLayout(strength);
    strengthRow->setContentsMargins(8, 2, 8, 4);
    ui.strengthGroup = new QButtonGroup(strength);
    const std::array<std::pair<const char*, const char*>, 3> levels = {
        {{"rbMin", "- минимальное"}, {"rbSer", "- среднее"}, {"rbMax", "- максимальное"}}};
    for (size_t k = 0; k < levels.size(); ++k) {
        auto* button = new QRadioButton(levels[k].second, strength);
        button->setObjectName(levels[k].first);
        button->setProperty("tag", static_cast<int>(10 + k));
        ui.strengthGroup->addButton(button, static_cast<int>(10 + k));
        strengthRow->addWidget(button);
    }
    ui.strengthGroup->button(10)->setChecked(true);

    auto* right = new QVBoxLayout;
    right->addWidget(params, 1);
    right->addWidget(strength);
    auto* columns = new QHBoxLayout;
    columns->addWidget(ui.rgKlas.box);
    columns->addLayout(right, 1);
    layout->addLayout(columns, 1);
    return page;
}

QWidget* buildList2(WizardControls& ui) {
    QWidget* page =
        newPage("List2", "RxLabel3", "Исходные данные для определения размеров по ГОСТ 13765-86");
    auto* layout = static_cast<QVBoxLayout*>(page->layout());

    auto* inputs = new QGroupBox(page);
    inputs->setObjectName("GroupBox3");
    auto* grid = new QGridLayout(inputs);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(2);
    ui.eDn1 = makeEdit("eDn1", inputs, 48);
    ui.eDn2 = makeEdit("eDn2", inputs, 48);
    ui.eH = makeEdit("eH", inputs, 48);
    ui.eF1 = makeEdit("eF1", inputs, 48);
    ui.eF2 = makeEdit("eF2", inputs, 48);
    ui.eV = makeEdit("eV", inputs, 48);
    grid->addWidget(makeLabel("Label13", "Наружный диаметр, Dmin", inputs), 0, 0);
    grid->addWidget(ui.eDn1, 0, 1);
    grid->addWidget(makeLabel("Label18", "Dмах", inputs), 0, 2);
    grid->addWidget(ui.eDn2, 0, 3);
    grid->addWidget(makeLabel("Label19", "мм", inputs), 0, 4);
    const std::array<std::tuple<const char*, const char*, QLineEdit*, const char*, const char*>, 4>
        rows = {{{"Label23", "Рабочий ход, h", ui.eH, "Label16", "мм"},
                 {"Label9", "Сила предварительной деформации, F1", ui.eF1, "Label20", "Н"},
                 {"Label10", "Сила рабочей деформации, F2", ui.eF2, "Label21", "Н"},
                 {"Label12", "Наибольшая скорость перемещения, Vmax", ui.eV, "Label22", "м/с"}}};
    int row = 1;
    for (const auto& [labelName, text, edit, unitName, unit] : rows) {
        grid->addWidget(makeLabel(labelName, text, inputs), row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(makeLabel(unitName, unit, inputs), row, 2);
        ++row;
    }
    grid->setColumnStretch(5, 1);

    ui.rgNavivka = makeRadioGroup("rgNavivka", " Направление навивки ",
                                  {"- правое", "- левое", "- любое"}, 3, page);
    ui.rgNavivka.items->button(0)->setChecked(true);

    auto* fixing = new QGroupBox(" Способ заделки концов ", page);
    fixing->setObjectName("GroupBox4");
    auto* fixingLayout = new QGridLayout(fixing);
    fixingLayout->setContentsMargins(8, 2, 8, 4);
    fixingLayout->setVerticalSpacing(2);
    ui.fixingGroup = new QButtonGroup(fixing);
    ui.fixingGroup->setExclusive(true);
    const std::array<const char*, 4> fixingHints = {"Глухой-свободный", "Шарнирный-шарнирный",
                                                    "Глухой-шарнирный", "Глухой-глухой"};
    for (int tag = 1; tag <= 4; ++tag) {
        QToolButton* button = makeImageButton(QStringLiteral("sb2%1").arg(tag), tag,
                                              endFixingPicture(tag, QSize(44, 44)),
                                              fixingHints[tag - 1], ui.fixingGroup, fixing);
        fixingLayout->addWidget(button, 0, tag - 1);
    }
    QToolButton* sb25 = makeImageButton("sb25", 5, QPixmap(), {}, ui.fixingGroup, fixing);
    sb25->hide();
    ui.fixingGroup->button(4)->setChecked(true);
    ui.cbUstoshivost = new QCheckBox("- проверка устойчивости пружины", fixing);
    ui.cbUstoshivost->setObjectName("cbUstoshivost");
    ui.cbUstoshivost->setChecked(true);
    fixingLayout->addWidget(ui.cbUstoshivost, 1, 0, 1, 5);
    fixingLayout->setColumnStretch(4, 1);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(inputs);
    left->addWidget(ui.rgNavivka.box);
    left->addWidget(fixing);
    left->addStretch();

    auto* finish = new QFrame(page);
    finish->setObjectName("Panel1");
    finish->setFrameShape(QFrame::StyledPanel);
    auto* finishLayout = new QGridLayout(finish);
    finishLayout->setContentsMargins(6, 6, 6, 6);
    finishLayout->setSpacing(3);
    ui.finishGroup = new QButtonGroup(finish);
    ui.finishGroup->setExclusive(true);
    const std::array<const char*, 4> finishHints = {
        "Неподжат и нешлифован крайний виток", "Поджат целый нешлифованный виток",
        "Поджат целый виток, зашлифовано 3/4 дуги витка",
        "Поджато 3/4 витка, зашлифовано 3/4 дуги витка"};
    for (int tag = 1; tag <= 4; ++tag) {
        QToolButton* button = makeImageButton(QStringLiteral("sb2%1a").arg(tag), tag,
                                              endCoilPicture(tag, QSize(64, 40)),
                                              finishHints[tag - 1], ui.finishGroup, finish);
        button->setAccessibleName(finishHints[tag - 1]);
        finishLayout->addWidget(button, tag - 1, 0, 1, 2, Qt::AlignHCenter);
    }
    ui.finishGroup->button(3)->setChecked(true);
    ui.eN2 = makeEdit("eN2", finish, 40);
    ui.eN3 = makeEdit("eN3", finish, 40);
    ui.eN2->setText("2");
    ui.eN3->setText("1.5");
    ui.eN2->setToolTip("Число опорных витков");
    ui.eN3->setToolTip("Число обработанных витков");
    QLabel* Label47 = makeLabel("Label47", "n2", finish);
    QLabel* Label46 = makeLabel("Label46", "n3", finish);
    Label47->setToolTip("Число опорных витков");
    Label46->setToolTip("Число обработанных витков");
    // The edits stay under the pictures however tall the window is.
    finishLayout->addWidget(Label47, 4, 0, Qt::AlignHCenter);
    finishLayout->addWidget(Label46, 4, 1, Qt::AlignHCenter);
    finishLayout->addWidget(ui.eN2, 5, 0);
    finishLayout->addWidget(ui.eN3, 5, 1);
    finishLayout->setRowStretch(6, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addWidget(finish);
    layout->addLayout(columns, 1);
    return page;
}

} // namespace torvelix::shell
