// The built-in drawing backend behind the CAD automation interface: a drawing document
// with model and paper space, its system variables and point requests, the application
// object that holds it and the connector that attaches to that application.
#pragma once

#include "cad_automation.h"
#include "entity_geometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace torvelix::cad {

// A drawing variable that does not exist or cannot take the value given; the message
// names the variable.
class DrawingVariableError : public UserError {
public:
    using UserError::UserError;
};

// Answers the point requests of the document's utility object.
class PointSource {
public:
    virtual ~PointSource() = default;
    // The point the user gives; with a base point the request shows a line from it.
    // Throws CadException when the user cancels the request.
    virtual Point pick(const std::optional<Point>& base, const std::string& prompt) = 0;
};

// Answers the requests with the given points in order and records what was asked.
// A request beyond the last point is cancelled (CadException).
class ScriptedPointSource : public PointSource {
public:
    explicit ScriptedPointSource(std::vector<Point> points);
    Point pick(const std::optional<Point>& base, const std::string& prompt) override;
    const std::vector<std::string>& prompts() const { return prompts_; }
    const std::vector<std::optional<Point>>& bases() const { return bases_; }

private:
    std::vector<Point> points_;
    std::size_t next_ = 0;
    std::vector<std::string> prompts_;
    std::vector<std::optional<Point>> bases_;
};

enum class Space { Model, Paper };

// A layer of the drawing: colour number, lineweight in hundredths of a millimetre
// (kLineweightDefault: the CAD program's default), linetype name.
struct Layer {
    std::string name;
    int colour = 7;
    int lineweight = kLineweightDefault;
    std::string linetype = "CONTINUOUS";
};

// A linetype: dash lengths in drawing units, a dash positive, a gap negative, a dot 0.
struct Linetype {
    std::string name;
    std::string description;
    std::vector<double> pattern;
};

// A drawing held in memory. Entities keep their creation order in each space. Entity
// references handed out through the automation interface are live views of the stored
// entities (an end point set through one changes the drawing) and stay safe to hold after
// the document is cleared or destroyed: their calls then fail with CadException.
class DrawingDocument : public CadDocument {
public:
    using Entity = cad::Entity;

    DrawingDocument();
    ~DrawingDocument() override;
    DrawingDocument(const DrawingDocument&) = delete;
    DrawingDocument& operator=(const DrawingDocument&) = delete;

    // "TILEMODE" and "CVPORT" as integers, "DIMSCALE" as a real; names in any case.
    // Another name is refused by the application (CadException).
    int GetVariableInt(const std::string& name) override;
    double GetVariableReal(const std::string& name) override;
    CadSpace& ModelSpace() override;
    CadSpace& PaperSpace() override;
    CadUtility& Utility() override;
    // A name the DXF format takes for a table entry, colour 1 .. 255, a standard lineweight
    // and a known linetype; anything else is refused (CadException).
    void AddLinetype(const std::string& name, const std::string& description,
                     const std::vector<double>& pattern) override;
    void AddLayer(const std::string& name, int colour, int lineweight,
                  const std::string& linetype) override;
    void SetActiveLayer(const std::string& name) override;
    // As setVariable, a refused value reported as CadException.
    void SetVariableReal(const std::string& name, double value) override;

    // Layer "0" first, then the layers added, in order; linetypes added, in order.
    const std::vector<Layer>& layers() const;
    const std::vector<Linetype>& linetypes() const;
    const std::string& activeLayer() const;
    // The layer of that name (any case), nullptr when there is none.
    const Layer* findLayer(const std::string& name) const;
    const Linetype* findLinetype(const std::string& name) const;

    // Sets TILEMODE (0 or 1), CVPORT (a whole number from 1) or DIMSCALE (above 0).
    // Throws DrawingVariableError, with a message naming the variable, for another name
    // or a value the variable cannot take.
    void setVariable(const std::string& name, double value);
    double variable(const std::string& name) const;
    // The space the current view shows: paper space when TILEMODE is 0 and CVPORT is 1,
    // else model space (with TILEMODE 0 and another CVPORT a model-space viewport is
    // current).
    Space activeSpace() const;

    // The source the utility object's GetPoint asks (not owned; nullptr: none, and then a
    // point request fails with CadException).
    void setPointSource(PointSource* source) { pointSource_ = source; }
    PointSource* pointSource() const { return pointSource_; }

    const std::vector<Entity>& entities(Space space) const;
    std::size_t entityCount() const;
    // A new drawing: removes every entity, layer but "0" and linetype, makes "0" the active
    // layer and resets the variables to TILEMODE 1, CVPORT 2, DIMSCALE 1.
    void clear();
    // Counts changes of the drawing (entities added or moved, cleared).
    std::uint64_t revision() const;
    // Called after every change (for a view that repaints); empty to stop.
    void setChangeCallback(std::function<void()> callback);

    struct Store;

private:
    std::shared_ptr<Store> store_;
    std::unique_ptr<CadSpace> modelSpace_;
    std::unique_ptr<CadSpace> paperSpace_;
    std::unique_ptr<CadUtility> utility_;
    PointSource* pointSource_ = nullptr;
    int tileMode_ = 1;
    int cvport_ = 2;
    double dimScale_ = 1.0;
};

// The running built-in application; its active document is the one given.
class BuiltinCadApplication : public CadApplication {
public:
    explicit BuiltinCadApplication(std::shared_ptr<DrawingDocument> document);
    CadDocument& ActiveDocument() override { return *document_; }
    DrawingDocument& document() { return *document_; }

private:
    std::shared_ptr<DrawingDocument> document_;
};

// Attaches to the built-in application under the class name "AutoCAD.Application".
// Without an application (nullptr), or for another class name, Attach throws
// CadAutomationFailure.
class BuiltinConnector : public CadConnector {
public:
    explicit BuiltinConnector(std::shared_ptr<BuiltinCadApplication> application);
    std::shared_ptr<CadApplication> Attach(const std::string& className) override;

private:
    std::shared_ptr<BuiltinCadApplication> application_;
};

} // namespace torvelix::cad
