// The built-in drawing document: entity storage, the automation calls on spaces,
// entities and the utility object, system variables, application and connector.
#include "drawing_document.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

namespace torvelix::cad {

// Entities of both spaces, shared by the document and every entity reference so that a
// reference never outlives what it points into.
struct DrawingDocument::Store {
    std::vector<Entity> model;
    std::vector<Entity> paper;
    // Bumped by clear(): references made before it no longer name an entity.
    std::uint64_t generation = 0;
    std::uint64_t revision = 0;
    std::function<void()> onChange;

    std::vector<Entity>& list(Space space) { return space == Space::Model ? model : paper; }

    void changed() {
        ++revision;
        if (onChange) {
            onChange();
        }
    }
};

namespace {

using Store = DrawingDocument::Store;

std::string upper(const std::string& text) {
    std::string result = text;
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return result;
}

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
            throw AutomationFailure("Объект не принадлежит этому приложению.");
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
        throw AutomationFailure("У объекта нет начальной точки.");
    }

    Point EndPoint() const override {
        const Entity& e = entity();
        if (e.kind == Entity::Kind::Line) {
            return e.b;
        }
        if (e.kind == Entity::Kind::Arc) {
            return pointOnCircle(e.centre, e.radius, e.endAngle);
        }
        throw AutomationFailure("У объекта нет конечной точки.");
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
            throw AutomationFailure("Концы можно задавать только у отрезка.");
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

} // namespace

class DrawingDocument::SpaceImpl : public CadSpace {
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

private:
    EntityRef add(Entity entity) {
        std::vector<Entity>& list = store_->list(space_);
        list.push_back(std::move(entity));
        auto ref = std::make_shared<EntityHandle>(store_, space_, list.size() - 1);
        store_->changed();
        return ref;
    }

    std::shared_ptr<Store> store_;
    Space space_;
};

class DrawingDocument::UtilityImpl : public CadUtility {
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

DrawingDocument::DrawingDocument()
    : store_(std::make_shared<Store>()),
      modelSpace_(std::make_unique<SpaceImpl>(store_, Space::Model)),
      paperSpace_(std::make_unique<SpaceImpl>(store_, Space::Paper)),
      utility_(std::make_unique<UtilityImpl>(*this)) {}

DrawingDocument::~DrawingDocument() {
    // References held elsewhere keep the store alive; they no longer name an entity of a
    // drawing and must not call back into a view that goes away with the document.
    ++store_->generation;
    store_->onChange = nullptr;
}

int DrawingDocument::GetVariableInt(const std::string& name) {
    const std::string key = upper(name);
    if (key == "TILEMODE") {
        return tileMode_;
    }
    if (key == "CVPORT") {
        return cvport_;
    }
    if (key == "DIMSCALE") {
        return static_cast<int>(std::lround(dimScale_));
    }
    throw CadException("Неизвестная системная переменная " + name + ".");
}

double DrawingDocument::GetVariableReal(const std::string& name) {
    if (upper(name) == "DIMSCALE") {
        return dimScale_;
    }
    return GetVariableInt(name);
}

CadSpace& DrawingDocument::ModelSpace() {
    return *modelSpace_;
}
CadSpace& DrawingDocument::PaperSpace() {
    return *paperSpace_;
}
CadUtility& DrawingDocument::Utility() {
    return *utility_;
}

void DrawingDocument::setVariable(const std::string& name, double value) {
    const std::string key = upper(name);
    const bool whole = std::isfinite(value) && value == std::trunc(value);
    if (key == "TILEMODE") {
        if (!whole || (value != 0 && value != 1)) {
            throw std::invalid_argument("TILEMODE может быть только 0 или 1.");
        }
        tileMode_ = static_cast<int>(value);
    } else if (key == "CVPORT") {
        if (!whole || value < 1 || value > 32767) {
            throw std::invalid_argument("CVPORT должна быть целым числом от 1 до 32767.");
        }
        cvport_ = static_cast<int>(value);
    } else if (key == "DIMSCALE") {
        // Zero would give the technical requirements a text height of zero.
        if (!std::isfinite(value) || value <= 0) {
            throw std::invalid_argument("DIMSCALE должна быть положительным числом.");
        }
        dimScale_ = value;
    } else {
        throw std::invalid_argument("Неизвестная системная переменная " + name + ".");
    }
    store_->changed();
}

double DrawingDocument::variable(const std::string& name) const {
    const std::string key = upper(name);
    if (key == "TILEMODE") {
        return tileMode_;
    }
    if (key == "CVPORT") {
        return cvport_;
    }
    if (key == "DIMSCALE") {
        return dimScale_;
    }
    throw std::invalid_argument("Неизвестная системная переменная " + name + ".");
}

Space DrawingDocument::activeSpace() const {
    return tileMode_ == 0 && cvport_ == 1 ? Space::Paper : Space::Model;
}

const std::vector<Entity>& DrawingDocument::entities(Space space) const {
    return store_->list(space);
}

std::size_t DrawingDocument::entityCount() const {
    return store_->model.size() + store_->paper.size();
}

void DrawingDocument::clear() {
    store_->model.clear();
    store_->paper.clear();
    ++store_->generation;
    tileMode_ = 1;
    cvport_ = 2;
    dimScale_ = 1.0;
    store_->changed();
}

std::uint64_t DrawingDocument::revision() const {
    return store_->revision;
}

void DrawingDocument::setChangeCallback(std::function<void()> callback) {
    store_->onChange = std::move(callback);
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

BuiltinCadApplication::BuiltinCadApplication(std::shared_ptr<DrawingDocument> document)
    : document_(std::move(document)) {
    if (!document_) {
        throw std::invalid_argument("BuiltinCadApplication needs a document");
    }
}

BuiltinConnector::BuiltinConnector(std::shared_ptr<BuiltinCadApplication> application)
    : application_(std::move(application)) {}

std::shared_ptr<CadApplication> BuiltinConnector::Attach(const std::string& className) {
    if (className != "AutoCAD.Application") {
        throw AutomationFailure("Класс " + className + " не зарегистрирован.");
    }
    if (!application_) {
        throw AutomationFailure("Нет запущенного приложения " + className + ".");
    }
    return application_;
}

} // namespace torvelix::cad
