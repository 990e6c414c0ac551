// The isometric picture of the solid: every triangle projected, shaded by the angle of
// its face to the light and written pixel by pixel where it lies nearer than what the
// depth buffer holds.
#include "model_view.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace torvelix::shell {

namespace {

struct Projected {
    double x, y, depth;
};

// Isometric: screen x along (x - y), screen y up along z, depth towards the viewer at
// (1, 1, 1).
Projected project(const std::array<float, 3>& p) {
    const double c = std::sqrt(3.0) / 2;
    return {(p[0] - p[1]) * c, p[2] - (p[0] + p[1]) / 2, p[0] + p[1] + p[2]};
}

} // namespace

QImage renderModel(const std::vector<model3d::Triangle>& triangles, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (triangles.empty() || size.isEmpty()) {
        return image;
    }
    double left = 1e300, right = -1e300, bottom = 1e300, top = -1e300;
    for (const auto& t : triangles) {
        for (const auto& corner : t) {
            const Projected p = project(corner);
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            bottom = std::min(bottom, p.y);
            top = std::max(top, p.y);
        }
    }
    const double margin = 12;
    const double scale = std::min((size.width() - 2 * margin) / std::max(right - left, 1e-9),
                                  (size.height() - 2 * margin) / std::max(top - bottom, 1e-9));
    const double x0 = (size.width() - (right - left) * scale) / 2 - left * scale;
    const double y0 = (size.height() + (top - bottom) * scale) / 2 + bottom * scale;
    std::vector<double> depth(static_cast<std::size_t>(size.width()) * size.height(),
                              -std::numeric_limits<double>::infinity());
    // Light from the viewer, a little from the upper left; view direction (1, 1, 1).
    const double light[3] = {0.35, 0.75, 0.56};
    const double view = 1 / std::sqrt(3.0);
    for (const auto& t : triangles) {
        const double ux = t[1][0] - t[0][0], uy = t[1][1] - t[0][1], uz = t[1][2] - t[0][2];
        const double vx = t[2][0] - t[0][0], vy = t[2][1] - t[0][1], vz = t[2][2] - t[0][2];
        double n[3] = {uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
        const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        if (length == 0 || (n[0] + n[1] + n[2]) * view <= 0) {
            continue; // degenerate, or facing away
        }
        const double lit =
            std::max(0.0, (n[0] * light[0] + n[1] * light[1] + n[2] * light[2]) / length);
        const double shade = 0.25 + 0.75 * lit;
        const QRgb colour =
            qRgb(static_cast<int>(90 + 150 * shade), static_cast<int>(110 + 130 * shade),
                 static_cast<int>(135 + 115 * shade));
        Projected p[3];
        for (int k = 0; k < 3; ++k) {
            p[k] = project(t[k]);
            p[k].x = x0 + p[k].x * scale;
            p[k].y = y0 - p[k].y * scale;
        }
        const double area =
            (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[2].x - p[0].x) * (p[1].y - p[0].y);
        if (std::abs(area) < 1e-12) {
            continue;
        }
        const int xFrom =
            std::max(0, static_cast<int>(std::floor(std::min({p[0].x, p[1].x, p[2].x}))));
        const int xTo = std::min(size.width() - 1,
                                 static_cast<int>(std::ceil(std::max({p[0].x, p[1].x, p[2].x}))));
        const int yFrom =
            std::max(0, static_cast<int>(std::floor(std::min({p[0].y, p[1].y, p[2].y}))));
        const int yTo = std::min(size.height() - 1,
                                 static_cast<int>(std::ceil(std::max({p[0].y, p[1].y, p[2].y}))));
        for (int y = yFrom; y <= yTo; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = xFrom; x <= xTo; ++x) {
                const double px = x + 0.5, py = y + 0.5;
                const double w0 =
                    ((p[1].x - px) * (p[2].y - py) - (p[2].x - px) * (p[1].y - py)) / area;
                const double w1 =
                    ((p[2].x - px) * (p[0].y - py) - (p[0].x - px) * (p[2].y - py)) / area;
                const double w2 = 1 - w0 - w1;
                if (w0 < 0 || w1 < 0 || w2 < 0) {
                    continue;
                }
                const double z = w0 * p[0].depth + w1 * p[1].depth + w2 * p[2].depth;
                double& held = depth[static_cast<std::size_t>(y) * size.width() + x];
                if (z > held) {
                    held = z;
                    line[x] = colour;
                }
            }
        }
    }
    return image;
}

ModelView::ModelView(std::vector<model3d::Triangle> triangles, QWidget* parent)
    : QWidget(parent), triangles_(std::move(triangles)) {
    setObjectName("ModelView");
    setMinimumSize(200, 200);
}

void ModelView::paintEvent(QPaintEvent*) {
    if (picture_.size() != size()) {
        picture_ = renderModel(triangles_, size());
    }
    QPainter(this).drawImage(0, 0, picture_);
}

} // namespace torvelix::shell
