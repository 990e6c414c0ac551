// A small recording CAD backend for the geometry and driver tests: entities kept in
// creation order per space, line-line intersections, half-turn copies, scripted point
// requests (an empty answer cancels) and system variables.
#pragma once

#include "cad_automation.h"

#include <cmath>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace torvelix::testing {

using cad::Point;

class FakeSpace;

class FakeEntity : public cad::CadEntity {
public:
    enum class Kind { Line, Arc, Circle };
    Kind kind = Kind::Line;
    Point a, b; // line ends
    Point centre;
    double radius = 0, startAngle = 0, endAngle = 0;
    bool copy = false; // made by ArrayPolar
    FakeSpace* space = nullptr;

    std::vector<double> IntersectWith(const cad::CadEntity& other, int) override {
        const auto* o = dynamic_cast<const FakeEntity*>(&other);
        if (o == nullptr || kind != Kind::Line || o->kind != Kind::Line) {
            return {};
        }
        const double rx = b.x - a.x, ry = b.y - a.y;
        const double sx = o->b.x - o->a.x, sy = o->b.y - o->a.y;
        const double den = rx * sy - ry * sx;
        if (std::abs(den) < 1e-15) {
            return {};
        }
        const double qx = o->a.x - a.x, qy = o->a.y - a.y;
        const double u = (qx * sy - qy * sx) / den;
        const double v = (qx * ry - qy * rx) / den;
        const double eps = 1e-9;
        if (u < -eps || u > 1 + eps || v < -eps || v > 1 + eps) {
            return {};
        }
        return {a.x + u * rx, a.y + u * ry, a.z};
    }
    void SetStartPoint(const std::vector<double>& p) override { a = take(p); }
    void SetEndPoint(const std::vector<double>& p) override { b = take(p); }
    Point StartPoint() const override { return a; }
    Point EndPoint() const override { return b; }
    void ArrayPolar(int count, double, const Point& c) override;

private:
    static Point take(const std::vector<double>& p) {
        if (p.size() != 3) {
            throw cad::CadException("invalid point");
        }
        return Point{p[0], p[1], p[2]};
    }
};

struct FakeText {
    std::string text;
    Point at;
    double height = 0;
};

class FakeSpace : public cad::CadSpace {
public:
    std::vector<std::shared_ptr<FakeEntity>> entities;
    std::vector<FakeText> texts;
    int failAfter = -1; // refuse the creating call after this many entities (-1: never)

    cad::EntityRef AddLine(const Point& s, const Point& e) override {
        auto ent = make(FakeEntity::Kind::Line);
        ent->a = s;
        ent->b = e;
        return ent;
    }
    cad::EntityRef AddArc(const Point& c, double r, double a0, double a1) override {
        auto ent = make(FakeEntity::Kind::Arc);
        ent->centre = c;
        ent->radius = r;
        ent->startAngle = a0;
        ent->endAngle = a1;
        return ent;
    }
    cad::EntityRef AddCircle(const Point& c, double r) override {
        auto ent = make(FakeEntity::Kind::Circle);
        ent->centre = c;
        ent->radius = r;
        return ent;
    }
    void AddText(const std::string& text, const Point& at, double height) override {
        texts.push_back({text, at, height});
    }
    std::shared_ptr<FakeEntity> make(FakeEntity::Kind kind) {
        if (failAfter >= 0 && static_cast<int>(entities.size()) >= failAfter) {
            throw cad::CadException("refused");
        }
        auto ent = std::make_shared<FakeEntity>();
        ent->kind = kind;
        ent->space = this;
        entities.push_back(ent);
        return ent;
    }
    std::size_t originals() const {
        std::size_t k = 0;
        for (const auto& e : entities) {
            k += e->copy ? 0 : 1;
        }
        return k;
    }
};

inline void FakeEntity::ArrayPolar(int count, double, const Point& c) {
    for (int k = 1; k < count; ++k) {
        auto ent = std::make_shared<FakeEntity>(*this);
        ent->copy = true;
        auto turn = [&c](const Point& p) { return Point{2 * c.x - p.x, 2 * c.y - p.y, p.z}; };
        ent->a = turn(a);
        ent->b = turn(b);
        ent->centre = turn(centre);
        ent->startAngle = startAngle + 3.14159265358979323846;
        ent->endAngle = endAngle + 3.14159265358979323846;
        space->entities.push_back(ent);
    }
}

class FakeUtility : public cad::CadUtility {
public:
    std::deque<std::optional<Point>> answers; // nullopt: the user cancels
    std::vector<std::string> prompts;
    std::vector<std::optional<Point>> bases;
    Point GetPoint(const std::optional<Point>& base, const std::string& prompt) override {
        prompts.push_back(prompt);
        bases.push_back(base);
        if (answers.empty() || !answers.front()) {
            if (!answers.empty()) {
                answers.pop_front();
            }
            throw cad::CadException("cancelled");
        }
        Point p = *answers.front();
        answers.pop_front();
        return p;
    }
};

class FakeDocument : public cad::CadDocument {
public:
    int tileMode = 1, cvPort = 2;
    double dimScale = 1;
    FakeSpace model, paper;
    FakeUtility utility;
    int GetVariableInt(const std::string& name) override {
        return name == "TILEMODE" ? tileMode : cvPort;
    }
    double GetVariableReal(const std::string&) override { return dimScale; }
    cad::CadSpace& ModelSpace() override { return model; }
    cad::CadSpace& PaperSpace() override { return paper; }
    cad::CadUtility& Utility() override { return utility; }
};

class FakeApplication : public cad::CadApplication {
public:
    FakeDocument document;
    cad::CadDocument& ActiveDocument() override { return document; }
};

class FakeConnector : public cad::CadConnector {
public:
    std::shared_ptr<FakeApplication> application = std::make_shared<FakeApplication>();
    bool running = true;
    std::vector<std::string> attached;
    std::shared_ptr<cad::CadApplication> Attach(const std::string& className) override {
        attached.push_back(className);
        if (!running || className != "AutoCAD.Application") {
            throw cad::CadAutomationFailure("no running application");
        }
        return application;
    }
    FakeDocument& doc() { return application->document; }
};

} // namespace torvelix::testing
