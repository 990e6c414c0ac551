// The CAD automation interface the drawing talks to: attach to the running CAD
// application, its active document, model and paper space, the utility object for
// point requests, and the entity calls the spring drawing needs. Any backend (the
// built-in drawing document, a recorder in tests, a COM bridge on Windows) sits
// behind it; the geometry never knows which.
#pragma once

#include "errors.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace torvelix::cad {

// A point: X, Y, Z in drawing units (millimetres).
struct Point {
    double x = 0;
    double y = 0;
    double z = 0;
};

// The automation layer itself failed: no running application, class not registered,
// a member the running release does not know.
class CadAutomationFailure : public UserError {
public:
    using UserError::UserError;
};

// The CAD application reported an exception during a call: a cancelled point
// request, an end point it refuses (such as the empty result of an intersection).
class CadException : public UserError {
public:
    using UserError::UserError;
};

class CadEntity {
public:
    virtual ~CadEntity() = default;
    // Intersection points with another entity, three doubles per point, empty when
    // there is none. extendOption 0: neither entity is extended.
    virtual std::vector<double> IntersectWith(const CadEntity& other, int extendOption) = 0;
    // Property assignment of a line's end; the array must hold exactly one point.
    // Throws CadException otherwise (an empty array in particular).
    virtual void SetStartPoint(const std::vector<double>& point) = 0;
    virtual void SetEndPoint(const std::vector<double>& point) = 0;
    virtual Point StartPoint() const = 0;
    virtual Point EndPoint() const = 0;
    // itemCount 2 over 2*pi adds one copy turned by 180 degrees about the centre.
    virtual void ArrayPolar(int itemCount, double angle, const Point& centre) = 0;
};

using EntityRef = std::shared_ptr<CadEntity>;

class CadSpace {
public:
    virtual ~CadSpace() = default;
    virtual EntityRef AddLine(const Point& start, const Point& end) = 0;
    // Counter-clockwise from startAngle to endAngle (radians).
    virtual EntityRef AddArc(const Point& centre, double radius, double startAngle,
                             double endAngle) = 0;
    virtual EntityRef AddCircle(const Point& centre, double radius) = 0;
    // insertion: left end of the baseline. Text is UTF-8.
    virtual void AddText(const std::string& text, const Point& insertion, double height) = 0;

    // Members of later releases for the complete drawing. A release without them fails with
    // CadAutomationFailure, which the defaults below stand for.

    // Parallel lines at `angle` (radians), `spacing` apart, filling the closed outer loop
    // made of the given entities: one circle, or lines and arcs joined end to end. The hatch
    // keeps the loop's shape as it was at the call.
    virtual EntityRef AddHatch(const std::vector<EntityRef>& outerLoop, double angle,
                               double spacing);
    // A linear dimension of the distance between ext1 and ext2 measured along `rotation`
    // (radians), its dimension line through dimLinePoint. In `text` "<>" stands for the
    // measured value ("<>*", "%%c<>"); an empty text shows the value alone. Text height and
    // arrows follow DIMSCALE.
    virtual EntityRef AddDimRotated(const Point& ext1, const Point& ext2, const Point& dimLinePoint,
                                    double rotation, const std::string& text);
    // A diameter dimension of a circle or arc: chordPoint and farChordPoint lie opposite on
    // it; the leader reaches leaderLength beyond chordPoint, where the text stands.
    virtual EntityRef AddDimDiametric(const Point& chordPoint, const Point& farChordPoint,
                                      double leaderLength, const std::string& text);
};

class CadUtility {
public:
    virtual ~CadUtility() = default;
    // Waits for the user to pick a point; with a base point a rubber-band line is
    // shown from it. Throws CadException when the user cancels.
    virtual Point GetPoint(const std::optional<Point>& basePoint, const std::string& prompt) = 0;
};

class CadDocument {
public:
    virtual ~CadDocument() = default;
    virtual int GetVariableInt(const std::string& name) = 0;     // "TILEMODE", "CVPORT"
    virtual double GetVariableReal(const std::string& name) = 0; // "DIMSCALE"
    virtual CadSpace& ModelSpace() = 0;
    virtual CadSpace& PaperSpace() = 0;
    virtual CadUtility& Utility() = 0;

    // Members of later releases for the complete drawing (CadAutomationFailure without them).
    // A linetype: dash lengths in drawing units, a dash positive, a gap negative, a dot 0.
    virtual void AddLinetype(const std::string& name, const std::string& description,
                             const std::vector<double>& pattern);
    // A layer (or new properties for one): colour number 1 .. 255, lineweight in hundredths
    // of a millimetre (kLineweightDefault: the program's default), linetype "CONTINUOUS" or
    // one added before. The layer "0" always exists.
    virtual void AddLayer(const std::string& name, int colour, int lineweight,
                          const std::string& linetype);
    // The layer that receives the entities created from now on ("0" at first).
    virtual void SetActiveLayer(const std::string& name);
    // Sets a real system variable ("DIMSCALE").
    virtual void SetVariableReal(const std::string& name, double value);
};

inline constexpr int kLineweightDefault = -3;

inline EntityRef CadSpace::AddHatch(const std::vector<EntityRef>&, double, double) {
    throw CadAutomationFailure("AddHatch");
}
inline EntityRef CadSpace::AddDimRotated(const Point&, const Point&, const Point&, double,
                                         const std::string&) {
    throw CadAutomationFailure("AddDimRotated");
}
inline EntityRef CadSpace::AddDimDiametric(const Point&, const Point&, double, const std::string&) {
    throw CadAutomationFailure("AddDimDiametric");
}
inline void CadDocument::AddLinetype(const std::string&, const std::string&,
                                     const std::vector<double>&) {
    throw CadAutomationFailure("Linetypes.Add");
}
inline void CadDocument::AddLayer(const std::string&, int, int, const std::string&) {
    throw CadAutomationFailure("Layers.Add");
}
inline void CadDocument::SetActiveLayer(const std::string&) {
    throw CadAutomationFailure("ActiveLayer");
}
inline void CadDocument::SetVariableReal(const std::string&, double) {
    throw CadAutomationFailure("SetVariable");
}

class CadApplication {
public:
    virtual ~CadApplication() = default;
    virtual CadDocument& ActiveDocument() = 0;
};

// Attaches to the running application registered under className
// ("AutoCAD.Application"). Throws CadAutomationFailure when there is none.
class CadConnector {
public:
    virtual ~CadConnector() = default;
    virtual std::shared_ptr<CadApplication> Attach(const std::string& className) = 0;
};

} // namespace torvelix::cad
