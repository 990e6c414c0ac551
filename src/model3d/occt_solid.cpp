// The spring's solid with Open CASCADE: the centreline as half-turn edges on the coil's
// cylinder, a circle of the wire's diameter swept along it, the ends ground by keeping
// what lies between the planes z = 0 and z = L0, and the validity check.
#include "occt_shape.h"

#include <BRepAlgoAPI_Common.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <BRepLib.hxx>
#include <BRepOffsetAPI_MakePipeShell.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <GProp_GProps.hxx>
#include <Geom2d_BezierCurve.hxx>
#include <Geom_CylindricalSurface.hxx>
#include <Standard_Failure.hxx>
#include <TColgp_Array1OfPnt2d.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_ListOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Solid.hxx>
#include <TopoDS_Wire.hxx>
#include <gp_Ax3.hxx>
#include <gp_Circ.hxx>

#include <algorithm>
#include <cmath>

namespace torvelix::model3d::occt {

namespace {

constexpr double kPi = 3.14159265358979323846;
// The longest edge of the centreline, in turns: short edges keep the swept faces small
// for the cut and the mesh. The end coils, where grinding trims the faces, get shorter
// ones: a volume integrated over a small trimmed face is accurate with the library's
// default integration, which readers use.
constexpr double kEdgeTurns = 0.5;
constexpr double kEndEdgeTurns = 0.125;

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

TopoDS_Wire centreline(const SpringLayout& layout) {
    Handle(Geom_CylindricalSurface) cylinder =
        new Geom_CylindricalSurface(gp_Ax3(gp::Origin(), gp::DZ(), gp::DX()), layout.coilRadius);
    BRepBuilderAPI_MakeWire wire;
    for (const PitchStretch& s : layout.stretches) {
        const bool working = s.fromPitch == layout.workingPitch && s.toPitch == s.fromPitch;
        const double longest = working ? kEdgeTurns : kEndEdgeTurns;
        const int pieces =
            std::max(1, static_cast<int>(std::ceil((s.toTurn - s.fromTurn) / longest - 1e-9)));
        const double step = (s.toTurn - s.fromTurn) / pieces;
        for (int k = 0; k < pieces; ++k) {
            const double a = s.fromTurn + k * step;
            const double b = k + 1 == pieces ? s.toTurn : a + step;
            wire.Add(centrelineEdge(layout, s, a, b, cylinder));
        }
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

} // namespace

void buildSpringSolid(const SpringLayout& layout, TopoDS_Shape& solid) {
    try {
        BRepOffsetAPI_MakePipeShell sweep(centreline(layout));
        sweep.SetMode(Standard_True); // Frenet: the section turns with the helix
        sweep.Add(startSection(layout));
        sweep.Build();
        if (!sweep.IsDone() || !sweep.MakeSolid()) {
            throw ModelError(kModelInvalid);
        }
        TopoDS_Shape body = onlySolid(sweep.Shape());
        if (layout.groundDepth > 0) {
            const double a = layout.coilRadius + layout.wireRadius * 2 + 1;
            TopoDS_Shape between =
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
            body = onlySolid(common.Shape());
        }
        if (!BRepCheck_Analyzer(body).IsValid()) {
            throw ModelError(kModelInvalid);
        }
        solid = body;
    } catch (const Standard_Failure&) {
        throw ModelError(kModelInvalid);
    }
}

SolidMeasures measureSolid(const TopoDS_Shape& solid) {
    SolidMeasures measures;
    GProp_GProps props;
    BRepGProp::VolumeProperties(solid, props);
    measures.volume = props.Mass();
    return measures;
}

} // namespace torvelix::model3d::occt
