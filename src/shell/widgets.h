// Small widgets and factories shared by the wizard's pages: shadowed headlines, the
// gradient title, image buttons in exclusive groups, editable drop-downs, radio groups.
#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QStringList>
#include <QToolButton>

namespace torvelix::shell {

// A bold, centred page headline with a grey shadow to the lower right.
class ShadowLabel : public QLabel {
public:
    ShadowLabel(const QString& name, const QString& text, QWidget* parent);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The title of the first page: large bold letters filled with a colour gradient.
class GradientTitle : public QLabel {
public:
    GradientTitle(const QString& name, const QString& text, QWidget* parent);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A titled box of exclusive radio items (item index 0 .. count - 1, -1 for none).
// The items are named <name>_<index>; the box carries the name itself.
struct RadioGroup {
    QGroupBox* box = nullptr;
    QButtonGroup* items = nullptr;

    int itemIndex() const { return items->checkedId(); }
    // Checking an item from the program emits the same signals as a click.
    void setItemIndex(int index) const;
};
RadioGroup makeRadioGroup(const QString& name, const QString& title, const QStringList& items,
                          int columns, QWidget* parent);

// A checkable picture button joining an exclusive group under id = tag. Being set down
// from the program emits no click, so only a press runs a handler.
QToolButton* makeImageButton(const QString& name, int tag, const QPixmap& picture,
                             const QString& hint, QButtonGroup* group, QWidget* parent);

// An editable drop-down showing designText with no item selected.
QComboBox* makeDropDown(const QString& name, const QString& designText, const QStringList& items,
                        QWidget* parent);

QLineEdit* makeEdit(const QString& name, QWidget* parent, int width = 56);
QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent);

// The tag of the checked button of an exclusive group, 0 when none is checked.
int downTag(const QButtonGroup* group);

} // namespace torvelix::shell
