// The spring's solid with Open CASCADE: the centreline as half-turn edges on the coil's
// cylinder, a circle of the wire's diameter swept along it, the ends ground flat at the
// planes z = 0 and z = L0, and the validity check.
#include "occt_shape.h"

#include <BRepAlgoAPI_Common.hxx>
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepBuilderAPI_Sewing.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepLib.hxx>
#include <BRepOffsetAPI_MakePipeShell.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeHalfSpace.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <Geom2d_BezierCurve.hxx>
#include <Geom_CylindricalSurface.hxx>
#include <Geom_Plane.hxx>
#include <Standard_Failure.hxx>
#include <TColgp_Array1OfPnt2d.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
#include <TopTools_ListOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Shell.hxx>
#include <TopoDS_Solid.hxx>
#include <TopoDS_Wire.hxx>
#include <gp_Ax3.hxx>
#include <gp_Circ.hxx>
#include <gp_Pln.hxx>

#include <algorithm>
#include <cmath>
#include <future>
#include <utility>
#include <vector>

namespace torvelix::model3d::occt {

namespace {

constexpr double kPi = 3.14159265358979323846;
// The longest edge of the centreline, in turns: short edges keep the swept faces small
// for the cut and the mesh. The end coils, where grinding trims the faces, get shorter
// ones: a volume integrated over a small trimmed face is accurate with the library's
// default integration, which readers use.
constexpr double kEdgeTurns = 0.5;
constexpr double kEndEdgeTurns = 0.125;
// How far apart the sections where the sweeps of the stretches meet may lie to be sewn
// into one edge (they are the same circle, so only the library's rounding parts them).
constexpr double kSewingTolerance = 1e-6;

// The pitch at turn u of a stretch.
double pitchAt(const PitchStretch& s, double u) {
    const double span = s.toTurn - s.fromTurn;
    return s.fromPitch + (s.toPitch - s.fromPitch) * (u - s.fromTurn) / span;
}

// The centreline from turn a to turn b of one stretch, as a curve on the cylinder whose
// parameters are (angle, height): the height is quadratic in the angle, so one quadratic
// Bezier arc holds it exactly.
TopoDS_Edge centrelineEdge(const SpringLayout& layout, const PitchStretch& s, double a, double b,
                           const Handle(Geom_CylindricalSurface) & cylinder) {
    const double za = centreHeight(layout, a);
    const double zb = centreHeight(layout, b);
    TColgp_Array1OfPnt2d poles(1, 3);
    poles(1) = gp_Pnt2d(2 * kPi * a, za);
    poles(2) = gp_Pnt2d(kPi * (a + b), za + (b - a) * pitchAt(s, a) / 2);
    poles(3) = gp_Pnt2d(2 * kPi * b, zb);
    Handle(Geom2d_BezierCurve) arc = new Geom2d_BezierCurve(poles);
    TopoDS_Edge edge = BRepBuilderAPI_MakeEdge(arc, cylinder, 0.0, 1.0);
    BRepLib::BuildCurves3d(edge);
    return edge;
}

// The centreline's edges in order along the wire, with the turn at which each starts.
struct CentrelinePiece {
    TopoDS_Edge edge;
    double fromTurn = 0;
};

std::vector<CentrelinePiece> centrelinePieces(const SpringLayout& layout) {
    Handle(Geom_CylindricalSurface) cylinder =
        new Geom_CylindricalSurface(gp_Ax3(gp::Origin(), gp::DZ(), gp::DX()), layout.coilRadius);
    std::vector<CentrelinePiece> pieces;
    for (const PitchStretch& s : layout.stretches) {
        const bool working = s.fromPitch == layout.workingPitch && s.toPitch == s.fromPitch;
        const double longest = working ? kEdgeTurns : kEndEdgeTurns;
        const int count =
            std::max(1, static_cast<int>(std::ceil((s.toTurn - s.fromTurn) / longest - 1e-9)));
        const double step = (s.toTurn - s.fromTurn) / count;
        for (int k = 0; k < count; ++k) {
            const double a = s.fromTurn + k * step;
            const double b = k + 1 == count ? s.toTurn : a + step;
            pieces.push_back({centrelineEdge(layout, s, a, b, cylinder), a});
        }
    }
    return pieces;
}

TopoDS_Wire wireOf(const std::vector<CentrelinePiece>& pieces, std::size_t from, std::size_t to) {
    BRepBuilderAPI_MakeWire wire;
    for (std::size_t k = from; k < to; ++k) {
        wire.Add(pieces[k].edge);
    }
    return wire.Wire();
}

// The wire's section at the start: a circle square to the centreline's tangent.
TopoDS_Wire startSection(const SpringLayout& layout) {
    const double R = layout.coilRadius;
    const double pitch = layout.stretches.front().fromPitch;
    const gp_Pnt centre(R, 0, layout.startHeight);
    const gp_Dir tangent(0, 2 * kPi * R, pitch);
    const gp_Circ circle(gp_Ax2(centre, tangent), layout.wireRadius);
    return BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(circle));
}

TopoDS_Shape onlySolid(const TopoDS_Shape& shape) {
    TopoDS_Shape found;
    int count = 0;
    for (TopExp_Explorer it(shape, TopAbs_SOLID); it.More(); it.Next()) {
        found = it.Current();
        ++count;
    }
    if (count != 1) {
        throw ModelError(kModelInvalid);
    }
    return found;
}

// A stretch of the wire swept along its centreline: a solid (capped at both ends) or the
// open tube, and the sections at its ends.
struct SweptStretch {
    TopoDS_Shape shape;
    TopoDS_Shape firstSection, lastSection;
};

// The section the sweep left at an end (a compound holding its circle) as a wire.
TopoDS_Wire sectionWire(const TopoDS_Shape& section) {
    TopExp_Explorer wire(section, TopAbs_WIRE);
    if (wire.More()) {
        return TopoDS::Wire(wire.Current());
    }
    BRepBuilderAPI_MakeWire edges;
    for (TopExp_Explorer it(section, TopAbs_EDGE); it.More(); it.Next()) {
        edges.Add(TopoDS::Edge(it.Current()));
    }
    return edges.Wire();
}

SweptStretch sweepAlong(const TopoDS_Wire& path, const TopoDS_Shape& section, bool capped) {
    BRepOffsetAPI_MakePipeShell sweep(path);
    sweep.SetMode(Standard_True); // Frenet: the section turns with the helix
    sweep.Add(section);
    sweep.Build();
    if (!sweep.IsDone() || (capped && !sweep.MakeSolid())) {
        throw ModelError(kModelInvalid);
    }
    const TopoDS_Shape shape = capped ? onlySolid(sweep.Shape()) : sweep.Shape();
    return {shape, sectionWire(sweep.FirstShape()), sectionWire(sweep.LastShape())};
}

// What of the body lies between the planes z = 0 and z = L0.
TopoDS_Shape groundBetweenEnds(const SpringLayout& layout, const TopoDS_Shape& body) {
    const double a = layout.coilRadius + layout.wireRadius * 2 + 1;
    const TopoDS_Shape between =
        BRepPrimAPI_MakeBox(gp_Pnt(-a, -a, 0), gp_Pnt(a, a, layout.length)).Shape();
    BRepAlgoAPI_Common common;
    TopTools_ListOfShape arguments, tools;
    arguments.Append(body);
    tools.Append(between);
    common.SetArguments(arguments);
    common.SetTools(tools);
    common.SetUseOBB(Standard_True); // most faces lie far from the end planes
    common.SetRunParallel(Standard_True);
    common.Build();
    if (!common.IsDone() || common.HasErrors()) {
        throw ModelError(kModelInvalid);
    }
    return onlySolid(common.Shape());
}

// What of the body lies on one side of the plane z = height: the half-space on the other
// side (below it for side -1, above for +1) cut away. One plane face meets the wire, where
// the box of groundBetweenEnds brings six.
TopoDS_Shape groundAt(const TopoDS_Shape& body, double height, double side) {
    const TopoDS_Face plane = BRepBuilderAPI_MakeFace(gp_Pln(gp_Pnt(0, 0, height), gp::DZ()));
    const TopoDS_Shape beyond =
        BRepPrimAPI_MakeHalfSpace(plane, gp_Pnt(0, 0, height + side)).Solid();
    BRepAlgoAPI_Cut cut;
    TopTools_ListOfShape arguments, tools;
    arguments.Append(body);
    tools.Append(beyond);
    cut.SetArguments(arguments);
    cut.SetTools(tools);
    cut.SetRunParallel(Standard_True);
    cut.Build();
    if (!cut.IsDone() || cut.HasErrors()) {
        throw ModelError(kModelInvalid);
    }
    return onlySolid(cut.Shape());
}

// The flat cap of a ground end stretch across the wire where it meets the middle
// stretch: the plane face bounded by that section's circle.
TopoDS_Shape jointCap(const TopoDS_Shape& solid, const TopoDS_Shape& section) {
    TopTools_IndexedDataMapOfShapeListOfShape facesOfEdges;
    TopExp::MapShapesAndAncestors(solid, TopAbs_EDGE, TopAbs_FACE, facesOfEdges);
    TopExp_Explorer edge(section, TopAbs_EDGE);
    if (!edge.More() || !facesOfEdges.Contains(edge.Current())) {
        throw ModelError(kModelInvalid);
    }
    for (const TopoDS_Shape& face : facesOfEdges.FindFromKey(edge.Current())) {
        if (BRep_Tool::Surface(TopoDS::Face(face))->IsKind(STANDARD_TYPE(Geom_Plane))) {
            return face;
        }
    }
    throw ModelError(kModelInvalid);
}

// Whether a face of the solid lies on the plane z = 0 with its outward normal up, which
// says that the solid's faces all point inward.
bool insideOut(const TopoDS_Shape& solid) {
    for (TopExp_Explorer it(solid, TopAbs_FACE); it.More(); it.Next()) {
        const TopoDS_Face& face = TopoDS::Face(it.Current());
        Handle(Geom_Plane) plane = Handle(Geom_Plane)::DownCast(BRep_Tool::Surface(face));
        if (plane.IsNull() || std::abs(plane->Location().Z()) > 1e-6) {
            continue;
        }
        gp_Pnt point;
        gp_Vec du, dv;
        plane->D1(0, 0, point, du, dv);
        const double up = du.Crossed(dv).Z() * (face.Orientation() == TopAbs_REVERSED ? -1 : 1);
        if (std::abs(up) > 0.5 * du.Magnitude() * dv.Magnitude()) {
            return up > 0;
        }
    }
    throw ModelError(kModelInvalid);
}

// The ground spring with only its end stretches cut by the end planes: the middle stretch
// lies wholly between them and is swept as an open tube, and the three are sewn along the
// sections where they meet. A boolean on the whole body would classify every coil's faces
// against the planes; this keeps the cut as small as the ends.
TopoDS_Shape groundSpring(const SpringLayout& layout, const std::vector<CentrelinePiece>& pieces,
                          std::size_t middleFrom, std::size_t middleTo) {
    const SweptStretch first =
        sweepAlong(wireOf(pieces, 0, middleFrom), startSection(layout), true);
    const SweptStretch middle =
        sweepAlong(wireOf(pieces, middleFrom, middleTo), first.lastSection, false);
    const SweptStretch last =
        sweepAlong(wireOf(pieces, middleTo, pieces.size()), middle.lastSection, true);
    // The two cuts share no shape, so the far end's runs beside the near end's.
    auto lastCut =
        std::async(std::launch::async, [&] { return groundAt(last.shape, layout.length, 1); });
    const TopoDS_Shape firstGround = groundAt(first.shape, 0, -1);
    const TopoDS_Shape lastGround = lastCut.get();
    const TopoDS_Shape firstCap = jointCap(firstGround, first.lastSection);
    const TopoDS_Shape lastCap = jointCap(lastGround, last.firstSection);
    BRepBuilderAPI_Sewing sewing(kSewingTolerance);
    for (TopExp_Explorer it(firstGround, TopAbs_FACE); it.More(); it.Next()) {
        if (!it.Current().IsSame(firstCap)) {
            sewing.Add(it.Current());
        }
    }
    sewing.Add(middle.shape);
    for (TopExp_Explorer it(lastGround, TopAbs_FACE); it.More(); it.Next()) {
        if (!it.Current().IsSame(lastCap)) {
            sewing.Add(it.Current());
        }
    }
    sewing.Perform();
    const TopoDS_Shape sewn = sewing.SewedShape();
    TopExp_Explorer shells(sewn, TopAbs_SHELL);
    if (sewing.NbFreeEdges() != 0 || sewing.NbMultipleEdges() != 0 || !shells.More()) {
        throw ModelError(kModelInvalid);
    }
    TopoDS_Shell shell = TopoDS::Shell(shells.Current());
    shells.Next();
    if (shells.More()) {
        throw ModelError(kModelInvalid);
    }
    BRep_Builder builder;
    TopoDS_Solid solid;
    builder.MakeSolid(solid);
    builder.Add(solid, shell);
    if (insideOut(solid)) {
        shell.Reverse();
        builder.MakeSolid(solid);
        builder.Add(solid, shell);
    }
    return solid;
}

// The first centreline piece that lies a wire's diameter or more above z = 0, and the
// first whose far end comes within that of z = L0: the stretch between them is clear of
// both end planes (empty when the spring is too short for one).
std::pair<std::size_t, std::size_t> clearStretch(const SpringLayout& layout,
                                                 const std::vector<CentrelinePiece>& pieces) {
    const double clearance = 2 * layout.wireRadius;
    std::size_t from = 1;
    while (from < pieces.size() && centreHeight(layout, pieces[from].fromTurn) < clearance) {
        ++from;
    }
    std::size_t to = from;
    while (to + 1 < pieces.size() &&
           centreHeight(layout, pieces[to + 1].fromTurn) <= layout.length - clearance) {
        ++to;
    }
    return {from, std::max(from, to)};
}

// The ground spring cut from its end stretches only, or nothing when the library fails on
// it or the result does not pass the validity check.
TopoDS_Shape groundSpringIfValid(const SpringLayout& layout,
                                 const std::vector<CentrelinePiece>& pieces) {
    const auto [middleFrom, middleTo] = clearStretch(layout, pieces);
    if (middleFrom >= middleTo) {
        return {};
    }
    try {
        const TopoDS_Shape body = groundSpring(layout, pieces, middleFrom, middleTo);
        return BRepCheck_Analyzer(body).IsValid() ? body : TopoDS_Shape();
    } catch (const ModelError&) {
        return {};
    } catch (const Standard_Failure&) {
        return {};
    }
}

} // namespace

void buildSpringSolid(const SpringLayout& layout, TopoDS_Shape& solid) {
    try {
        const std::vector<CentrelinePiece> pieces = centrelinePieces(layout);
        if (layout.groundDepth > 0) {
            solid = groundSpringIfValid(layout, pieces);
            if (!solid.IsNull()) {
                return;
            }
        }
        // Unground, too short for a clear middle stretch, or refused by the library when
        // cut from its ends: the whole body swept and, for ground ends, cut at both planes.
        TopoDS_Shape body =
            sweepAlong(wireOf(pieces, 0, pieces.size()), startSection(layout), true).shape;
        if (layout.groundDepth > 0) {
            body = groundBetweenEnds(layout, body);
        }
        if (!BRepCheck_Analyzer(body).IsValid()) {
            throw ModelError(kModelInvalid);
        }
        solid = body;
    } catch (const Standard_Failure&) {
        throw ModelError(kModelInvalid);
    }
}

} // namespace torvelix::model3d::occt
