// The pages in a window enlarged well beyond its default size (1500 x 950): labels stay
// beside their edits, the end-coil edits under their pictures, the drawing pages' forms
// in the middle; and page 7's tab order, page 2's end-coil hints.
#include "shell_fixture.h"

#include <QGroupBox>

namespace torvelix::shell::testing {
namespace {

class Enlarged : public WindowTest {
protected:
    TForm1& openEnlarged() {
        TForm1& form = open();
        form.resize(1500, 950);
        form.show();
        QApplication::processEvents();
        return form;
    }
    // Pixels from the label's right edge to the edit's left edge, in window coordinates.
    int gap(const char* label, const char* edit) {
        QWidget* l = find<QWidget>(label);
        QWidget* e = find<QWidget>(edit);
        const int labelRight = l->mapTo(form_.get(), QPoint(l->width(), 0)).x();
        return e->mapTo(form_.get(), QPoint(0, 0)).x() - labelRight;
    }
    // The horizontal distance of the widget's centre from the window's centre.
    int offCentre(const char* name) {
        QWidget* w = find<QWidget>(name);
        const int centre = w->mapTo(form_.get(), QPoint(w->width() / 2, 0)).x();
        return std::abs(centre - form_->width() / 2);
    }
};

TEST_F(Enlarged, PageSevenKeepsItsLabelsBesideTheirEditsAndTabsDownItsColumns) {
    openEnlarged();
    click("sb02");
    next();
    next(); // the geometric parameters (no requirements)
    ASSERT_EQ(currentPage(), 7);
    QApplication::processEvents();
    // A label and its edit are a few spacings apart, not the window's width.
    for (const auto& [label, edit] :
         {std::pair{"Label1", "e9_D0"}, std::pair{"Label35", "e9_L0"}, std::pair{"Label5", "e9_F1"},
          std::pair{"Label32", "e9_L1"}}) {
        EXPECT_GE(gap(label, edit), 0) << label;
        EXPECT_LE(gap(label, edit), 60) << label;
    }
    EXPECT_LE(offCentre("gbParam"), 30);

    // Tab: down the forces (F1, F2, F3), then down the lengths (L1, L2, L3).
    QWidget* at = find<QWidget>("cbox90");
    QStringList order;
    for (int guard = 0; guard < 40 && order.size() < 6; ++guard) {
        at = at->nextInFocusChain();
        if (at->objectName().startsWith("e9_")) {
            order << at->objectName();
        }
    }
    EXPECT_EQ(order, QStringList({"e9_F1", "e9_F2", "e9_F3", "e9_L1", "e9_L2", "e9_L3"}));
}

TEST_F(Enlarged, PagesFiveAndSixStandInTheMiddle) {
    openEnlarged();
    click("sb02");
    next();
    ASSERT_EQ(currentPage(), 5);
    find<QAbstractButton>("cb72")->setChecked(true);
    QApplication::processEvents();
    EXPECT_LE(offCentre("Panel2"), 30);
    EXPECT_LE(find<QWidget>("Panel2")->width(), kDefaultWidth);
    next();
    ASSERT_EQ(currentPage(), 6);
    QApplication::processEvents();
    EXPECT_LE(offCentre("GroupBox7"), 30);
    // The form keeps the width it has in a window of the default size.
    EXPECT_LE(find<QWidget>("GroupBox7")->width(), kDefaultWidth);
}

TEST_F(Enlarged, PageTwoKeepsTheCoilEditsUnderTheirPicturesAndNamesTheFinishes) {
    openEnlarged();
    next();
    next();
    ASSERT_EQ(currentPage(), 2);
    QApplication::processEvents();
    QWidget* lastPicture = find<QWidget>("sb24a");
    QWidget* n2 = find<QWidget>("eN2");
    const int pictureBottom = lastPicture->mapTo(form_.get(), QPoint(0, lastPicture->height())).y();
    const int editTop = n2->mapTo(form_.get(), QPoint(0, 0)).y();
    EXPECT_GE(editTop, pictureBottom);
    EXPECT_LE(editTop - pictureBottom, 60); // the n2/n3 labels between them
    const char* hints[] = {"Неподжат и нешлифован крайний виток",
                           "Поджат целый нешлифованный виток",
                           "Поджат целый виток, зашлифовано 3/4 дуги витка",
                           "Поджато 3/4 витка, зашлифовано 3/4 дуги витка"};
    for (int tag = 1; tag <= 4; ++tag) {
        const QString name = QStringLiteral("sb2%1a").arg(tag);
        EXPECT_EQ(find<QWidget>(name.toUtf8().constData())->toolTip(),
                  QString::fromUtf8(hints[tag - 1]));
    }
}

} // namespace
} // namespace torvelix::shell::testing
