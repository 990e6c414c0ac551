// Shared widgets of the wizard's pages.
#include "widgets.h"

#include <QGridLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>

namespace torvelix::shell {

namespace {

QFont headlineFont(const QFont& base) {
    QFont font = base;
    font.setBold(true);
    font.setPixelSize(13);
    return font;
}

} // namespace

ShadowLabel::ShadowLabel(const QString& name, const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(name);
    setFont(headlineFont(font()));
    setAlignment(Qt::AlignCenter);
}

QSize ShadowLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text().trimmed()) + 4, metrics.height() + 4};
}

void ShadowLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const QRect area = rect().adjusted(0, 0, -2, -2);
    painter.setPen(QColor(190, 190, 200));
    painter.drawText(area.translated(1, 1), Qt::AlignCenter, text().trimmed());
    painter.setPen(QColor(0, 0, 128));
    painter.drawText(area, Qt::AlignCenter, text().trimmed());
}

GradientTitle::GradientTitle(const QString& name, const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(name);
    QFont titleFont("DejaVu Serif");
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setPixelSize(42);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    setFont(titleFont);
}

QSize GradientTitle::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 16, metrics.height() + 4};
}

void GradientTitle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const qreal x = (width() - metrics.horizontalAdvance(text())) / 2.0;
    const qreal y = (height() + metrics.ascent() - metrics.descent()) / 2.0;
    QPainterPath path;
    path.addText(QPointF(x, y), font(), text());
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor(255, 215, 80));
    fill.setColorAt(0.5, QColor(220, 60, 40));
    fill.setColorAt(1, QColor(60, 20, 140));
    painter.translate(2, 2);
    painter.fillPath(path, QColor(0, 0, 0, 70));
    painter.translate(-2, -2);
    painter.fillPath(path, fill);
    painter.setPen(QPen(QColor(40, 20, 80), 1));
    painter.drawPath(path);
}

void RadioGroup::setItemIndex(int index) const {
    if (QAbstractButton* button = items->button(index)) {
        button->setChecked(true);
    }
}

RadioGroup makeRadioGroup(const QString& name, const QString& title, const QStringList& items,
                          int columns, QWidget* parent) {
    RadioGroup group;
    group.box = new QGroupBox(title, parent);
    group.box->setObjectName(name);
    group.items = new QButtonGroup(group.box);
    group.items->setExclusive(true);
    auto* layout = new QGridLayout(group.box);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setVerticalSpacing(1);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], group.box);
        button->setObjectName(name + "_" + QString::number(i));
        group.items->addButton(button, i);
        layout->addWidget(button, i % rows, i / rows);
    }
    return group;
}

QToolButton* makeImageButton(const QString& name, int tag, const QPixmap& picture,
                             const QString& hint, QButtonGroup* group, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.deviceIndependentSize().toSize());
    button->setProperty("tag", tag);
    if (!hint.isEmpty()) {
        button->setToolTip(hint);
    }
    group->addButton(button, tag);
    return button;
}

QComboBox* makeDropDown(const QString& name, const QString& designText, const QStringList& items,
                        QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(designText);
    return combo;
}

QLineEdit* makeEdit(const QString& name, QWidget* parent, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(width);
    return edit;
}

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

int downTag(const QButtonGroup* group) {
    const QAbstractButton* down = group->checkedButton();
    return down ? down->property("tag").toInt() : 0;
}

} // namespace torvelix::shell
