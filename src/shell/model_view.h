// The spring's solid as a picture: its surface triangles seen isometrically, shaded,
// hidden parts removed by a depth buffer; and the small widget that shows the picture.
#pragma once

#include "spring_solid.h"

#include <QImage>
#include <QWidget>

#include <vector>

namespace torvelix::shell {

// The triangles drawn into an image of the given size: the axis upright, seen from the
// front, right and above at equal angles, lit from the viewer's upper left, on white.
QImage renderModel(const std::vector<model3d::Triangle>& triangles, QSize size);

// Shows the picture of a set of triangles, redrawn to the widget's size.
class ModelView : public QWidget {
public:
    explicit ModelView(std::vector<model3d::Triangle> triangles, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {420, 520}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<model3d::Triangle> triangles_;
    QImage picture_;
};

} // namespace torvelix::shell
