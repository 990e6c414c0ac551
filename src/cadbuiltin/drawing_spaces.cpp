// The automation calls on the built-in drawing's model and paper space (adding entities),
// on the entity references they hand out, and the utility object's point requests.
#include "drawing_store.h"

#include <cmath>
#include <utility>

namespace torvelix::cad {

namespace {

using Store = DrawingDocument::Store;

bool finite(const Point& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

void requireFinite(const Point& p) {
    if (!finite(p)) {
        throw CadException("Недопустимые координаты точки.");
    }
}

void requireRadius(double radius) {
    if (!std::isfinite(radius) || radius <= 0) {
        throw CadException("Радиус должен быть положительным числом.");
    }
}

// A point passed as an array: exactly three finite doubles X, Y, Z.
Point pointFromArray(const std::vector<double>& values) {
    if (values.size() != 3) {
        throw CadException("Точка должна задаваться тремя координатами.");
    }
    const Point p{values[0], values[1], values[2]};
    requireFinite(p);
    return p;
}

class EntityHandle : public CadEntity {
public:
    EntityHandle(std::shared_ptr<Store> store, Space space, std::size_t index)
        : store_(std::move(store)), space_(space), index_(index), generation_(store_->generation) {}

    std::vector<double> IntersectWith(const CadEntity& other, int extendOption) override {
        const auto* otherHandle = dynamic_cast<const EntityHandle*>(&other);
        if (otherHandle == nullptr) {
            throw CadAutomationFailure("Объект не принадлежит этому приложению.");
        }
        if (extendOption < 0 || extendOption > 3) {
            throw CadException("Недопустимый режим продления объектов.");
        }
        // As the automation interface numbers them: 1 extends this entity, 2 the other,
        // 3 both.
        const bool extendThis = extendOption == 1 || extendOption == 3;
        const bool extendOther = extendOption == 2 || extendOption == 3;
        std::vector<double> result;
        for (const Point& p : intersect(entity(), otherHandle->entity(), extendThis, extendOther)) {
            result.insert(result.end(), {p.x, p.y, p.z});
        }
        return result;
    }

    // The entity's values, for the calls that copy a shape (a hatch's loop).
    const Entity& value() const { return entity(); }

    void SetStartPoint(const std::vector<double>& point) override { setEnd(point, true); }
    void SetEndPoint(const std::vector<double>& point) override { setEnd(point, false); }

    Point StartPoint() const override {
        const Entity& e = entity();
        if (e.kind == Entity::Kind::Line) {
            return e.a;
        }
        if (e.kind == Entity::Kind::Arc) {
            return pointOnCircle(e.centre, e.radius, e.startAngle);
        }
        throw CadAutomationFailure("У объекта нет начальной точки.");
    }

    Point EndPoint() const override {
        const Entity& e = entity();
        if (e.kind == Entity::Kind::Line) {
            return e.b;
        }
        if (e.kind == Entity::Kind::Arc) {
            return pointOnCircle(e.centre, e.radius, e.endAngle);
        }
        throw CadAutomationFailure("У объекта нет конечной точки.");
    }

    void ArrayPolar(int itemCount, double angle, const Point& centre) override {
        if (itemCount < 2) {
            throw CadException("Число элементов массива должно быть не меньше двух.");
        }
        if (!std::isfinite(angle) || angle == 0) {
            throw CadException("Недопустимый угол заполнения массива.");
        }
        requireFinite(centre);
        // A whole turn spreads the items evenly around it; a part of a turn places the
        // last item at its end.
        const bool wholeTurn = std::abs(angle) >= kTwoPi - 1e-12;
        const double step = angle / (wholeTurn ? itemCount : itemCount - 1);
        const Entity source = entity();
        std::vector<Entity>& list = store_->list(space_);
        for (int item = 1; item < itemCount; ++item) {
            list.push_back(rotated(source, centre, step * item));
        }
        store_->changed();
    }

private:
    Entity& entity() const {
        if (store_->generation != generation_) {
            throw CadException("Объект удален из чертежа.");
        }
        return store_->list(space_)[index_];
    }

    void setEnd(const std::vector<double>& values, bool start) {
        Entity& e = entity();
        if (e.kind != Entity::Kind::Line) {
            throw CadAutomationFailure("Концы можно задавать только у отрезка.");
        }
        const Point p = pointFromArray(values);
        (start ? e.a : e.b) = p;
        store_->changed();
    }

    std::shared_ptr<Store> store_;
    Space space_;
    std::size_t index_;
    std::uint64_t generation_;
};

// GOST dimensions: 3.5 mm text and 2.5 mm arrows on the sheet, scaled by DIMSCALE.
constexpr double kDimTextHeight = 3.5;
constexpr double kDimArrowSize = 2.5;

const Entity& shapeOf(const EntityRef& ref) {
    const auto* handle = dynamic_cast<const EntityHandle*>(ref.get());
    if (handle == nullptr) {
        throw CadAutomationFailure("Объект не принадлежит этому приложению.");
    }
    return handle->value();
}

class SpaceImpl : public CadSpace {
public:
    SpaceImpl(std::shared_ptr<Store> store, Space space)
        : store_(std::move(store)), space_(space) {}

    EntityRef AddLine(const Point& start, const Point& end) override {
        requireFinite(start);
        requireFinite(end);
        Entity e;
        e.kind = Entity::Kind::Line;
        e.a = start;
        e.b = end;
        return add(std::move(e));
    }

    EntityRef AddArc(const Point& centre, double radius, double startAngle,
                     double endAngle) override {
        requireFinite(centre);
        requireRadius(radius);
        if (!std::isfinite(startAngle) || !std::isfinite(endAngle)) {
            throw CadException("Недопустимый угол дуги.");
        }
        Entity e;
        e.kind = Entity::Kind::Arc;
        e.centre = centre;
        e.radius = radius;
        e.startAngle = normalizeAngle(startAngle);
        e.endAngle = normalizeAngle(endAngle);
        return add(std::move(e));
    }

    EntityRef AddCircle(const Point& centre, double radius) override {
        requireFinite(centre);
        requireRadius(radius);
        Entity e;
        e.kind = Entity::Kind::Circle;
        e.centre = centre;
        e.radius = radius;
        return add(std::move(e));
    }

    void AddText(const std::string& text, const Point& insertion, double height) override {
        requireFinite(insertion);
        if (!std::isfinite(height) || height <= 0) {
            throw CadException("Высота текста должна быть положительным числом.");
        }
        Entity e;
        e.kind = Entity::Kind::Text;
        e.a = insertion;
        e.text = text;
        e.height = height;
        add(std::move(e));
    }

    EntityRef AddHatch(const std::vector<EntityRef>& outerLoop, double angle,
                       double spacing) override {
        if (!std::isfinite(angle) || !std::isfinite(spacing) || spacing <= 0) {
            throw CadException("Недопустимые параметры штриховки.");
        }
        std::vector<Entity> edges;
        for (const EntityRef& ref : outerLoop) {
            if (!ref) {
                throw CadException("Контур штриховки содержит пустой объект.");
            }
            const Entity& edge = shapeOf(ref);
            if (edge.kind != Entity::Kind::Line && edge.kind != Entity::Kind::Arc &&
                edge.kind != Entity::Kind::Circle) {
                throw CadException("Контур штриховки состоит из отрезков, дуг и окружностей.");
            }
            edges.push_back(edge);
        }
        if (edges.empty()) {
            throw CadException("Контур штриховки пуст.");
        }
        Entity e;
        e.kind = Entity::Kind::Hatch;
        e.a.z =
            edges.front().kind == Entity::Kind::Line ? edges.front().a.z : edges.front().centre.z;
        e.loops.push_back(std::move(edges));
        e.patternAngle = normalizeAngle(angle);
        e.patternSpacing = spacing;
        return add(std::move(e));
    }

    EntityRef AddDimRotated(const Point& ext1, const Point& ext2, const Point& dimLinePoint,
                            double rotation, const std::string& text) override {
        requireFinite(ext1);
        requireFinite(ext2);
        requireFinite(dimLinePoint);
        if (!std::isfinite(rotation)) {
            throw CadException("Недопустимый угол размера.");
        }
        Entity e = dimension(Entity::DimKind::Linear, ext1, ext2, dimLinePoint, text);
        e.rotation = normalizeAngle(rotation);
        return add(std::move(e));
    }

    EntityRef AddDimDiametric(const Point& chordPoint, const Point& farChordPoint,
                              double leaderLength, const std::string& text) override {
        requireFinite(chordPoint);
        requireFinite(farChordPoint);
        const double length =
            std::hypot(chordPoint.x - farChordPoint.x, chordPoint.y - farChordPoint.y);
        if (!std::isfinite(leaderLength) || leaderLength < 0 || !(length > 0)) {
            throw CadException("Недопустимые точки диаметра.");
        }
        const double k = leaderLength / length;
        const Point leaderEnd{chordPoint.x + (chordPoint.x - farChordPoint.x) * k,
                              chordPoint.y + (chordPoint.y - farChordPoint.y) * k, chordPoint.z};
        return add(
            dimension(Entity::DimKind::Diametric, chordPoint, farChordPoint, leaderEnd, text));
    }

private:
    Entity dimension(Entity::DimKind kind, const Point& a, const Point& b, const Point& line,
                     const std::string& text) const {
        Entity e;
        e.kind = Entity::Kind::Dimension;
        e.dimKind = kind;
        e.a = a;
        e.b = b;
        e.dimLine = line;
        e.text = text;
        e.height = kDimTextHeight * store_->dimScale;
        e.arrowSize = kDimArrowSize * store_->dimScale;
        return e;
    }

    EntityRef add(Entity entity) {
        entity.layer = store_->activeLayer;
        std::vector<Entity>& list = store_->list(space_);
        list.push_back(std::move(entity));
        auto ref = std::make_shared<EntityHandle>(store_, space_, list.size() - 1);
        store_->changed();
        return ref;
    }

    std::shared_ptr<Store> store_;
    Space space_;
};

class UtilityImpl : public CadUtility {
public:
    explicit UtilityImpl(DrawingDocument& document) : document_(document) {}

    Point GetPoint(const std::optional<Point>& basePoint, const std::string& prompt) override {
        PointSource* source = document_.pointSource();
        if (source == nullptr) {
            throw CadException("Некому указать точку.");
        }
        const Point picked = source->pick(basePoint, prompt);
        requireFinite(picked);
        return picked;
    }

private:
    DrawingDocument& document_;
};

} // namespace

std::unique_ptr<CadSpace> makeDrawingSpace(std::shared_ptr<DrawingDocument::Store> store,
                                           Space space) {
    return std::make_unique<SpaceImpl>(std::move(store), space);
}

std::unique_ptr<CadUtility> makeDrawingUtility(DrawingDocument& document) {
    return std::make_unique<UtilityImpl>(document);
}

ScriptedPointSource::ScriptedPointSource(std::vector<Point> points) : points_(std::move(points)) {}

Point ScriptedPointSource::pick(const std::optional<Point>& base, const std::string& prompt) {
    prompts_.push_back(prompt);
    bases_.push_back(base);
    if (next_ >= points_.size()) {
        throw CadException("Запрос точки отменен.");
    }
    return points_[next_++];
}

} // namespace torvelix::cad
