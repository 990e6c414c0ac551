// The built-in drawing document: entity storage, the automation calls on spaces,
// entities and the utility object, system variables, application and connector.
#include "drawing_document.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>
#include <string_view>

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
    std::vector<Layer> layers{Layer{"0"}};
    std::vector<Linetype> linetypes;
    std::string activeLayer = "0";
    double dimScale = 1.0;

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

// GOST dimensions: 3.5 mm text and 2.5 mm arrows on the sheet, scaled by DIMSCALE.
constexpr double kDimTextHeight = 3.5;
constexpr double kDimArrowSize = 2.5;

bool validTableName(const std::string& name) {
    if (name.empty() || name.size() > 255) {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char ch) {
        const auto byte = static_cast<unsigned char>(ch);
        return byte < 0x20 || std::string_view("<>/\\\":;?*|=`").find(ch) != std::string_view::npos;
    });
}

bool standardLineweight(int weight) {
    static constexpr int kWeights[] = {-3, 0,  5,  9,  13, 15,  18,  20,  25,  30,  35,  40, 50,
                                       53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};
    return std::find(std::begin(kWeights), std::end(kWeights), weight) != std::end(kWeights);
}

const Entity& shapeOf(const EntityRef& ref) {
    const auto* handle = dynamic_cast<const EntityHandle*>(ref.get());
    if (handle == nullptr) {
        throw AutomationFailure("Объект не принадлежит этому приложению.");
    }
    return handle->value();
}

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

void DrawingDocument::AddLinetype(const std::string& name, const std::string& description,
                                  const std::vector<double>& pattern) {
    if (!validTableName(name) ||
        !std::all_of(pattern.begin(), pattern.end(), [](double v) { return std::isfinite(v); })) {
        throw CadException("Недопустимый тип линии " + name + ".");
    }
    Linetype type{name, description, pattern};
    if (auto* known = const_cast<Linetype*>(findLinetype(name))) {
        *known = std::move(type);
    } else {
        store_->linetypes.push_back(std::move(type));
    }
    store_->changed();
}

void DrawingDocument::AddLayer(const std::string& name, int colour, int lineweight,
                               const std::string& linetype) {
    const bool knownType = upper(linetype) == "CONTINUOUS" || findLinetype(linetype) != nullptr;
    if (!validTableName(name) || colour < 1 || colour > 255 || !standardLineweight(lineweight) ||
        !knownType) {
        throw CadException("Недопустимые свойства слоя " + name + ".");
    }
    Layer layer{name, colour, lineweight, linetype};
    if (auto* known = const_cast<Layer*>(findLayer(name))) {
        *known = std::move(layer);
    } else {
        store_->layers.push_back(std::move(layer));
    }
    store_->changed();
}

void DrawingDocument::SetActiveLayer(const std::string& name) {
    const Layer* layer = findLayer(name);
    if (layer == nullptr) {
        throw CadException("Нет слоя " + name + ".");
    }
    store_->activeLayer = layer->name;
}

void DrawingDocument::SetVariableReal(const std::string& name, double value) {
    try {
        setVariable(name, value);
    } catch (const std::invalid_argument& e) {
        throw CadException(e.what());
    }
}

const std::vector<Layer>& DrawingDocument::layers() const {
    return store_->layers;
}
const std::vector<Linetype>& DrawingDocument::linetypes() const {
    return store_->linetypes;
}
const std::string& DrawingDocument::activeLayer() const {
    return store_->activeLayer;
}

const Layer* DrawingDocument::findLayer(const std::string& name) const {
    for (const Layer& layer : store_->layers) {
        if (upper(layer.name) == upper(name)) {
            return &layer;
        }
    }
    return nullptr;
}

const Linetype* DrawingDocument::findLinetype(const std::string& name) const {
    for (const Linetype& type : store_->linetypes) {
        if (upper(type.name) == upper(name)) {
            return &type;
        }
    }
    return nullptr;
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
        store_->dimScale = value;
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
    store_->layers = {Layer{"0"}};
    store_->linetypes.clear();
    // A moved-in string rather than a literal: GCC 12 at -O2 warns falsely
    // (-Wrestrict) about assigning a literal here.
    store_->activeLayer = std::string("0");
    tileMode_ = 1;
    cvport_ = 2;
    dimScale_ = 1.0;
    store_->dimScale = 1.0;
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
