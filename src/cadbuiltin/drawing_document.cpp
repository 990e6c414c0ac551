// The built-in drawing document: its store, system variables, layers and linetypes, the
// application and the connector. The calls on its spaces and entities: drawing_spaces.cpp.
#include "drawing_document.h"

#include "drawing_store.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>
#include <string_view>

namespace torvelix::cad {

namespace {

std::string upper(const std::string& text) {
    std::string result = text;
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return result;
}

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

} // namespace

DrawingDocument::DrawingDocument()
    : store_(std::make_shared<Store>()), modelSpace_(makeDrawingSpace(store_, Space::Model)),
      paperSpace_(makeDrawingSpace(store_, Space::Paper)), utility_(makeDrawingUtility(*this)) {}

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
    } catch (const DrawingVariableError& e) {
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
            throw DrawingVariableError("TILEMODE может быть только 0 или 1.");
        }
        tileMode_ = static_cast<int>(value);
    } else if (key == "CVPORT") {
        if (!whole || value < 1 || value > 32767) {
            throw DrawingVariableError("CVPORT должна быть целым числом от 1 до 32767.");
        }
        cvport_ = static_cast<int>(value);
    } else if (key == "DIMSCALE") {
        // Zero would give the technical requirements a text height of zero.
        if (!std::isfinite(value) || value <= 0) {
            throw DrawingVariableError("DIMSCALE должна быть положительным числом.");
        }
        dimScale_ = value;
        store_->dimScale = value;
    } else {
        throw DrawingVariableError("Неизвестная системная переменная " + name + ".");
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
    throw DrawingVariableError("Неизвестная системная переменная " + name + ".");
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
        throw CadAutomationFailure("Класс " + className + " не зарегистрирован.");
    }
    if (!application_) {
        throw CadAutomationFailure("Нет запущенного приложения " + className + ".");
    }
    return application_;
}

} // namespace torvelix::cad
