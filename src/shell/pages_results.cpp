// The result and drawing pages of the wizard: candidates, report, drawing options,
// technical requirements and the drawing's geometric parameters.
#include "wizard_controls.h"

#include "button_art.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

namespace torvelix::shell {

namespace {

// A memo of the results: fixed-pitch 13-pixel text with a vertical scroll bar.
QPlainTextEdit* makeMemo(const QString& name, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    QFont font("Liberation Mono");
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    font.setPixelSize(13);
    memo->setFont(font);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return memo;
}

QCheckBox* checkBox(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QLabel* wrappedLabel(const QString& name, const QString& text, int width, QWidget* parent) {
    QLabel* label = makeLabel(name, text, parent);
    label->setWordWrap(true);
    label->setMaximumWidth(width);
    return label;
}

} // namespace

QWidget* buildList3(WizardControls& ui) {
    QWidget* page =
        newPage("List3", "RxLabel5", "Предварительный расчет параметров пружины по ГОСТ 13765-86");
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    // The memo in one tab, the sortable table of the same candidates in the other.
    auto* tabs = new QTabWidget(page);
    tabs->setObjectName("candidateTabs");
    ui.mm1 = makeMemo("mm1", tabs);
    ui.candidateTable = new CandidateTable(tabs);
    tabs->addTab(ui.mm1, "Отчет");
    tabs->addTab(ui.candidateTable, "Таблица");
    layout->addWidget(tabs, 1);
    ui.L3Gost = makeLabel("L3Gost", "ГОСТ 13766-86", page);
    ui.eNum = makeEdit("eNum", page, 60);
    auto* number = new QHBoxLayout;
    number->setSpacing(4);
    number->addWidget(makeLabel("Label29", "Номер пружины по ", page));
    number->addWidget(ui.L3Gost);
    number->addWidget(ui.eNum);
    number->addStretch();
    ui.bbCustom = new QPushButton("Своя пружина…", page);
    ui.bbCustom->setObjectName("bbCustom");
    ui.bbCustom->setToolTip("Рассчитать пружину с любыми d и D1 (не по ГОСТ 13766…13776)");
    number->addWidget(ui.bbCustom);
    layout->addLayout(number);
    return page;
}

QWidget* buildList4(WizardControls& ui) {
    QWidget* page =
        newPage("List4", "RxLabel6", "Окончательный расчет параметров пружины по ГОСТ 13765-86");
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    ui.mm2 = makeMemo("mm2", page);
    layout->addWidget(ui.mm2, 1);
    ui.bbPrint = new QPushButton("   Поместить данные в MS Word", page);
    ui.bbPrint->setObjectName("bbPrint");
    ui.bbPrint->setIcon(QIcon(wordPicture(QSize(20, 20))));
    ui.bbPrint->setIconSize(QSize(20, 20));
    ui.bbPrint->setFixedHeight(28);
    auto* row = new QHBoxLayout;
    row->addWidget(ui.bbPrint);
    // Where the last exported document was written, so that the user can find it.
    ui.LDocument = new PathLabel(page);
    ui.LDocument->setObjectName("LDocument");
    row->addWidget(ui.LDocument, 1);
    ui.bbModel4 = new QPushButton("3D-модель…", page);
    ui.bbModel4->setObjectName("bbModel4");
    ui.bbModel4->setToolTip("Сохранить 3D-модель пружины (STEP, STL)");
    ui.bbSaveData = new QPushButton("Сохранить данные…", page);
    ui.bbSaveData->setObjectName("bbSaveData");
    ui.bbSaveData->setToolTip("Сохранить расчет (JSON) или список пружин (CSV)");
    row->addWidget(ui.bbSaveData);
    row->addWidget(ui.bbModel4);
    layout->addLayout(row);
    return page;
}

QWidget* buildList5(WizardControls& ui) {
    QWidget* page = newPage("List5", "RxLabel7", "Вычерчивание пружины средствами AutoCad ");
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    ui.formSpacers[0] = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Maximum);
    layout->addSpacerItem(ui.formSpacers[0]);

    auto* types = new QGroupBox(" Тип чертежа ", page);
    types->setObjectName("GroupBox5");
    auto* typeGrid = new QGridLayout(types);
    typeGrid->setContentsMargins(8, 4, 8, 4);
    typeGrid->setVerticalSpacing(4);
    ui.viewGroup = new QButtonGroup(types);
    ui.viewGroup->setExclusive(true);
    const std::array<std::pair<const char*, const char*>, 4> viewLabels = {
        {{"Label52", "Пружина с обрывом"},
         {"Label53", "Полная пружина"},
         {"Label54", "Пружина в сечении"},
         {"Label55", "Пружина в разрезе"}}};
    for (int k = 0; k < 4; ++k) {
        const int tag = 71 + k;
        QToolButton* button =
            makeImageButton(QStringLiteral("sb7%1").arg(k + 1), tag,
                            drawingTypePicture(tag, QSize(64, 40)), {}, ui.viewGroup, types);
        typeGrid->addWidget(button, k, 0);
        typeGrid->addWidget(makeLabel(viewLabels[k].first, viewLabels[k].second, types), k, 1);
    }
    ui.viewGroup->button(71)->setChecked(true);

    auto* ends = new QGroupBox(" Тип крайних витков ", page);
    ends->setObjectName("GroupBox6");
    auto* endGrid = new QGridLayout(ends);
    endGrid->setContentsMargins(8, 4, 8, 4);
    endGrid->setVerticalSpacing(4);
    ui.endCoilGroup = new QButtonGroup(ends);
    ui.endCoilGroup->setExclusive(true);
    const std::array<std::pair<const char*, const char*>, 4> endLabels = {
        {{"Label42", "Неподжат и нешлифован крайний виток"},
         {"Label43", "Поджат целый нешлифованный виток"},
         {"Label44", "Поджат целый виток, зашлифовано 3/4 дуги витка"},
         {"Label45", "Поджато 3/4 витка, зашлифовано 3/4 дуги витка"}}};
    for (int k = 0; k < 4; ++k) {
        QToolButton* button =
            makeImageButton(QStringLiteral("sb5%1").arg(k + 1), 71 + k,
                            endCoilPicture(k + 1, QSize(64, 40)), {}, ui.endCoilGroup, ends);
        endGrid->addWidget(button, k, 0);
        QLabel* label = makeLabel(endLabels[k].first, endLabels[k].second, ends);
        label->setWordWrap(true);
        endGrid->addWidget(label, k, 1);
    }
    endGrid->setColumnStretch(1, 1);
    ui.endCoilGroup->button(71)->setChecked(true);

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(types);
    boxes->addWidget(ends, 1);
    layout->addLayout(boxes);

    auto* switches = new QFrame(page);
    switches->setObjectName("Panel2");
    switches->setFrameShape(QFrame::StyledPanel);
    auto* switchRow = new QHBoxLayout(switches);
    switchRow->setContentsMargins(8, 4, 8, 4);
    ui.cb71 = checkBox("cb71", "- диаграмма нагружения", switches);
    ui.cb72 = checkBox("cb72", "- технические требования", switches);
    ui.cb71->setToolTip("Чертить (Вкл./Выкл.)");
    ui.cb72->setToolTip("Чертить (Вкл./Выкл.)");
    switchRow->addWidget(ui.cb71);
    switchRow->addSpacing(30);
    switchRow->addWidget(ui.cb72);
    switchRow->addStretch();
    layout->addWidget(switches);

    // The complete drawing's switch with its title block's entries, remembered between
    // runs: the document's designation beside the switch, the names and the
    // organisation below.
    auto* title = new QFrame(page);
    title->setObjectName("PanelTitle");
    auto* titleGrid = new QGridLayout(title);
    titleGrid->setContentsMargins(0, 0, 0, 0);
    titleGrid->setVerticalSpacing(2);
    ui.cbEskd = checkBox("cbEskd", "- оформить по ЕСКД", title);
    ui.cbEskd->setToolTip("Рамка, основная надпись, размеры, оси и штриховка (Вкл./Выкл.)");
    const auto titleEdit = [title](const char* name, const char* tip) {
        auto* edit = new QLineEdit(title);
        edit->setObjectName(name);
        edit->setToolTip(tip);
        return edit;
    };
    ui.eDocument = titleEdit("eDocument", "Обозначение документа (основная надпись)");
    ui.eOrganisation = titleEdit("eOrganisation", "Наименование или код организации");
    ui.eDeveloper = titleEdit("eDeveloper", "Фамилия разработчика");
    ui.eChecker = titleEdit("eChecker", "Фамилия проверяющего");
    titleGrid->addWidget(ui.cbEskd, 0, 0, 1, 2);
    titleGrid->addWidget(makeLabel("LDocumentDesignation", "Обозначение", title), 0, 2);
    titleGrid->addWidget(ui.eDocument, 0, 3, 1, 3);
    titleGrid->addWidget(makeLabel("LDeveloper", "Разраб.", title), 1, 0);
    titleGrid->addWidget(ui.eDeveloper, 1, 1);
    titleGrid->addWidget(makeLabel("LChecker", "Пров.", title), 1, 2);
    titleGrid->addWidget(ui.eChecker, 1, 3);
    titleGrid->addWidget(makeLabel("LOrganisation", "Организация", title), 1, 4);
    titleGrid->addWidget(ui.eOrganisation, 1, 5);
    for (const int column : {1, 3, 5}) {
        titleGrid->setColumnStretch(column, 1);
    }
    layout->addWidget(title);
    layout->addStretch(1);
    return page;
}

QWidget* buildList6(WizardControls& ui) {
    QWidget* page = newPage("List6", "RxLabel8", "Вычерчивание пружины (технические требования)");
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    ui.formSpacers[1] = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Maximum);
    layout->addSpacerItem(ui.formSpacers[1]);
    auto* box = new QGroupBox(page);
    box->setObjectName("GroupBox7");
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(1);
    grid->setHorizontalSpacing(6);

    const auto rowOf = [box](std::initializer_list<QWidget*> widgets) {
        auto* row = new QHBoxLayout;
        row->setSpacing(6);
        for (QWidget* widget : widgets) {
            row->addWidget(widget);
        }
        row->addStretch();
        (void)box;
        return row;
    };

    ui.e6Num = makeEdit("e6Num", box, 50);
    ui.comb6Gost = makeDropDown("comb6Gost", "ГОСТ 13766-86",
                                {"ГОСТ 13766-86", "ГОСТ 13767-86", "ГОСТ 13768-86", "ГОСТ 13769-86",
                                 "ГОСТ 13770-86", "ГОСТ 13771-86", "ГОСТ 13772-86", "ГОСТ 13773-86",
                                 "ГОСТ 13774-86", "ГОСТ 13775-86", "ГОСТ 13776-86"},
                                box);
    grid->addLayout(rowOf({checkBox("ckb6Num", "Пружина №", box), ui.e6Num, ui.comb6Gost}), 0, 0, 1,
                    2);
    auto* Bevel4 = new QFrame(box);
    Bevel4->setObjectName("Bevel4");
    Bevel4->setFrameShape(QFrame::HLine);
    Bevel4->setFrameShadow(QFrame::Sunken);
    grid->addWidget(Bevel4, 1, 0, 1, 2);

    ui.e6G = makeEdit("e6G", box, 90);
    ui.e6Tau = makeEdit("e6Tau", box, 90);
    ui.comb6Naviv = makeDropDown("comb6Naviv", "правое", {"правое", "левое", "любое"}, box);
    ui.comb6Naviv->setFixedWidth(90);
    ui.e6L = makeEdit("e6L", box, 90);
    ui.e6n = makeEdit("e6n", box, 60);
    ui.e6n1 = makeEdit("e6n1", box, 90);
    ui.e6HRC = makeEdit("e6HRC", box, 90);
    ui.comb6Kontrol = makeDropDown("comb6Kontrol", "контрольного стержня",
                                   {"контрольного стержня", "контрольной гильзы"}, box);
    ui.comb6Kontrol->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ui.comb6Kontrol->setMinimumWidth(
        QFontMetrics(ui.comb6Kontrol->font()).horizontalAdvance(ui.comb6Kontrol->itemText(0)) + 40);
    ui.e6Dc = makeEdit("e6Dc", box, 90);
    ui.e6TT = new QLineEdit(box);
    ui.e6TT->setObjectName("e6TT");

    grid->addWidget(checkBox("ckb6G", "Модуль сдвига, (МПа)", box), 2, 0);
    grid->addWidget(ui.e6G, 2, 1);
    grid->addWidget(checkBox("ckb6Tau", "Напряжение касательное при кручении (макс.), (МПа)", box),
                    3, 0);
    grid->addWidget(ui.e6Tau, 3, 1);
    grid->addWidget(checkBox("ckb6Nav", "Направление навивки", box), 4, 0);
    grid->addWidget(ui.comb6Naviv, 4, 1);
    grid->addWidget(checkBox("ckb6L", "Длина развернутой пружины, (мм)", box), 5, 0);
    grid->addWidget(ui.e6L, 5, 1);
    auto* coils = rowOf({checkBox("ckb6n", "Число рабочих витков", box), ui.e6n});
    coils->addWidget(checkBox("ckb6n1", "Число витков полное", box));
    grid->addLayout(coils, 6, 0);
    grid->addWidget(ui.e6n1, 6, 1);
    grid->addWidget(checkBox("ckb6HRC", "Твердость HRC", box), 7, 0);
    grid->addWidget(ui.e6HRC, 7, 1);
    auto* gauge = rowOf(
        {checkBox("ckb6Dc", "Диаметр", box), ui.comb6Kontrol, makeLabel("Label36", ", (мм)", box)});
    grid->addLayout(gauge, 8, 0);
    grid->addWidget(ui.e6Dc, 8, 1);
    grid->addWidget(checkBox("ckb6Sprav", "Размеры для справок", box), 9, 0);
    auto* rest = new QHBoxLayout;
    rest->addWidget(checkBox("ckb6TT", "Остальные ТТ по", box));
    rest->addWidget(ui.e6TT, 1);
    grid->addLayout(rest, 10, 0, 1, 2);
    grid->setColumnStretch(2, 1);

    layout->addWidget(box);
    layout->addStretch(1);
    return page;
}

QWidget* buildList7(WizardControls& ui, bool withDrawingWindow) {
    QWidget* page = newPage("List7", "RxLabel9",
                            "Вычерчивание пружины (геометрические параметры)" + QString(24, u' '));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    ui.formSpacers[2] = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Maximum);
    layout->addSpacerItem(ui.formSpacers[2]);

    auto* gbParam = new QGroupBox(page);
    gbParam->setObjectName("gbParam");
    auto* params = new QGridLayout(gbParam);
    params->setContentsMargins(8, 4, 8, 4);
    params->setVerticalSpacing(2);
    ui.e9_D0 = makeEdit("e9_D0", gbParam);
    ui.e9_d = makeEdit("e9_d", gbParam);
    ui.e9_t = makeEdit("e9_t", gbParam);
    ui.e9_n = makeEdit("e9_n", gbParam);
    ui.e9_L0 = makeEdit("e9_L0", gbParam);
    ui.cb90 = checkBox("cb90", "- вписать ", gbParam);
    ui.cb90->setToolTip("Вписать пружину в заданный габарит");
    ui.cbox90 = makeDropDown("cbox90", "2", {"1", "2"}, gbParam);
    ui.cbox90->setFixedWidth(56);
    params->addWidget(makeLabel("Label1", "Средний диаметр, Dо, (мм)", gbParam), 0, 0);
    params->addWidget(ui.e9_D0, 0, 1);
    params->addWidget(makeLabel("Label2", "Диаметр проволоки, d, (мм)", gbParam), 1, 0);
    params->addWidget(ui.e9_d, 1, 1);
    params->addWidget(makeLabel("Label3", "Шаг, t, (мм)", gbParam), 2, 0);
    params->addWidget(ui.e9_t, 2, 1);
    params->addWidget(makeLabel("Label50", "Кол. рабочих витков, n", gbParam), 3, 0);
    params->addWidget(ui.e9_n, 3, 1);
    params->setColumnMinimumWidth(2, 12);
    params->addWidget(makeLabel("Label35", "Длина в свободном состоянии, L0, (мм)", gbParam), 0, 3);
    params->addWidget(ui.e9_L0, 0, 4);
    params->addWidget(ui.cb90, 1, 3, 1, 2);
    params->addWidget(
        wrappedLabel("Label51", "Количество витков в обрыве с каждого конца, n3", 200, gbParam), 2,
        3, 2, 1);
    params->addWidget(ui.cbox90, 2, 4, 2, 1);
    params->setColumnStretch(3, 1);
    layout->addWidget(gbParam);

    auto* gbGraf = new QGroupBox(page);
    gbGraf->setObjectName("gbGraf");
    auto* graf = new QGridLayout(gbGraf);
    graf->setContentsMargins(8, 4, 8, 4);
    graf->setVerticalSpacing(2);
    const std::array<const char*, 7> editNames = {"e9_L0", "e9_L1", "e9_L2", "e9_L3",
                                                  "e9_F1", "e9_F2", "e9_F3"};
    ui.diagramEdits[0] = ui.e9_L0;
    for (size_t k = 1; k < editNames.size(); ++k) {
        ui.diagramEdits[k] = makeEdit(editNames[k], gbGraf);
    }
    graf->addWidget(makeLabel("Label4", "Деформация:", gbGraf), 0, 0);
    graf->addWidget(makeLabel("Label5", "- предварительная, F1, (H)", gbGraf), 1, 0);
    graf->addWidget(ui.diagramEdits[4], 1, 1);
    graf->addWidget(makeLabel("Label6", "- рабочая, F2, (H)", gbGraf), 2, 0);
    graf->addWidget(ui.diagramEdits[5], 2, 1);
    graf->addWidget(makeLabel("Label31", "- максимальная, F3, (H)", gbGraf), 3, 0);
    graf->addWidget(ui.diagramEdits[6], 3, 1);
    graf->setColumnMinimumWidth(2, 16);
    graf->addWidget(makeLabel("Label30", "Длина:", gbGraf), 0, 3);
    graf->addWidget(makeLabel("Label32", "L1, (мм)", gbGraf), 1, 3);
    graf->addWidget(ui.diagramEdits[1], 1, 4);
    graf->addWidget(makeLabel("Label33", "L2, (мм)", gbGraf), 2, 3);
    graf->addWidget(ui.diagramEdits[2], 2, 4);
    graf->addWidget(makeLabel("Label34", "L3, (мм)", gbGraf), 3, 3);
    graf->addWidget(ui.diagramEdits[3], 3, 4);
    graf->setColumnStretch(5, 1);
    // Tab goes down the forces' column, then down the lengths' one.
    const std::array<QWidget*, 7> diagramOrder = {
        ui.cbox90,          ui.diagramEdits[4], ui.diagramEdits[5], ui.diagramEdits[6],
        ui.diagramEdits[1], ui.diagramEdits[2], ui.diagramEdits[3]};
    for (std::size_t k = 0; k + 1 < diagramOrder.size(); ++k) {
        QWidget::setTabOrder(diagramOrder[k], diagramOrder[k + 1]);
    }

    ui.sbAutoCad = new QToolButton(page);
    ui.sbAutoCad->setObjectName("sbAutoCad");
    ui.sbAutoCad->setText("AutoCAD");
    ui.sbAutoCad->setToolTip("Вычерчивание пружины в AutoCADe");
    ui.sbAutoCad->setIcon(QIcon(cadPicture(QSize(40, 40))));
    ui.sbAutoCad->setIconSize(QSize(40, 40));
    ui.sbAutoCad->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ui.sbAutoCad->setFixedSize(90, 70);

    // Brings the built-in drawing window back once it was closed or hidden.
    ui.bbShowDrawing = new QPushButton("Показать чертеж", page);
    ui.bbShowDrawing->setObjectName("bbShowDrawing");
    ui.bbShowDrawing->setToolTip("Показать окно чертежа");
    ui.bbShowDrawing->setEnabled(false);
    ui.bbShowDrawing->setVisible(withDrawingWindow);
    auto* drawingButtons = new QVBoxLayout;
    drawingButtons->addStretch(1);
    drawingButtons->addWidget(ui.bbShowDrawing);
    ui.bbModel7 = new QPushButton("3D-модель…", page);
    ui.bbModel7->setObjectName("bbModel7");
    ui.bbModel7->setToolTip("Сохранить 3D-модель пружины (STEP, STL)");
    drawingButtons->addWidget(ui.bbModel7);
    drawingButtons->addWidget(ui.sbAutoCad, 0, Qt::AlignHCenter);

    auto* lower = new QHBoxLayout;
    lower->addWidget(gbGraf, 1);
    lower->addLayout(drawingButtons);
    layout->addLayout(lower);
    layout->addStretch(1);
    return page;
}

} // namespace torvelix::shell
