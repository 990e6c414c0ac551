// The written files read back: each STEP file with the modelling library's own reader
// (one valid solid, its volume, extent and mass against the wire's), each STL file as
// bytes (its count, every edge shared by exactly two triangles, the same extent); and no
// file written for a refused spring.
#include "scratch_folder.h"
#include "spring_solid.h"

#include <gtest/gtest.h>

#ifdef TORVELIX_WITH_OCCT

#include <BRepBndLib.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS_Shape.hxx>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

namespace {

using namespace torvelix;
using namespace torvelix::model3d;

constexpr double kPi = 3.14159265358979323846;
constexpr double kSteelKgPerMm3 = 7800e-9;

// The wire's volume pi^2 D d^2 n1 / 4, less what grinding takes off both ends: the ends
// are taken as closed at the pitch d, the wire's centre starting d/2 above the unground
// end, the ground face n3 d / 2 above it; the part of each circular section below the
// face is a circular segment, integrated along the first two turns.
double expectedVolume(double D, double d, double n1, double n3) {
    const double r = d / 2;
    const double area = kPi * r * r;
    double removed = 0;
    if (n3 > 0) {
        const int steps = 20000;
        const double du = 2.0 / steps;
        for (int k = 0; k < steps; ++k) {
            const double h = (r - n3 * d / 2) + d * (k + 0.5) * du; // centre above the face
            double below = 0;
            if (h <= -r) {
                below = area;
            } else if (h < r) {
                below = r * r * std::acos(h / r) - h * std::sqrt(r * r - h * h);
            }
            removed += below * kPi * D * du;
        }
    }
    return kPi * kPi * D * d * d * n1 / 4 - 2 * removed;
}

struct Extent {
    double lower[3] = {1e300, 1e300, 1e300};
    double upper[3] = {-1e300, -1e300, -1e300};
    void add(const double p[3]) {
        for (int k = 0; k < 3; ++k) {
            lower[k] = std::min(lower[k], p[k]);
            upper[k] = std::max(upper[k], p[k]);
        }
    }
};

void expectExtent(const Extent& e, double L0, double outer) {
    EXPECT_NEAR(e.upper[0] - e.lower[0], outer, 0.05);
    EXPECT_NEAR(e.upper[1] - e.lower[1], outer, 0.05);
    EXPECT_NEAR(e.lower[2], 0, 0.05);
    EXPECT_NEAR(e.upper[2], L0, 0.05);
}

struct ReadBack {
    int solids = 0;
    bool valid = false;
    double volume = 0;
    Extent extent;
};

ReadBack readStep(const std::string& path) {
    ReadBack out;
    STEPControl_Reader reader;
    if (reader.ReadFile(path.c_str()) != IFSelect_RetDone) {
        return out;
    }
    reader.TransferRoots();
    const TopoDS_Shape shape = reader.OneShape();
    for (TopExp_Explorer it(shape, TopAbs_SOLID); it.More(); it.Next()) {
        ++out.solids;
    }
    out.valid = BRepCheck_Analyzer(shape).IsValid();
    GProp_GProps props;
    BRepGProp::VolumeProperties(shape, props, 1e-7); // adaptive: trimmed faces need it
    out.volume = props.Mass();
    // The extent of a mesh 0.02 mm close to the surface: its nodes lie on the surface.
    BRepMesh_IncrementalMesh(shape, 0.02, Standard_False, 0.5, Standard_True);
    Bnd_Box box;
    BRepBndLib::Add(shape, box, Standard_True);
    box.SetGap(0);
    double p[6];
    box.Get(p[0], p[1], p[2], p[3], p[4], p[5]);
    out.extent.add(p);
    out.extent.add(p + 3);
    return out;
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The binary STL as triangles; every edge must be shared by exactly two triangles, once
// in each direction (a closed surface, consistently oriented).
void checkStl(const std::string& path, double L0, double outer) {
    const std::string bytes = fileBytes(path);
    ASSERT_GE(bytes.size(), 84u);
    std::uint32_t count = 0;
    std::memcpy(&count, bytes.data() + 80, 4);
    ASSERT_GT(count, 1000u);
    ASSERT_EQ(bytes.size(), 84u + 50u * count);
    std::map<std::array<float, 3>, int> ids;
    std::map<std::pair<int, int>, int> directed;
    Extent extent;
    for (std::uint32_t k = 0; k < count; ++k) {
        int corner[3];
        for (int c = 0; c < 3; ++c) {
            std::array<float, 3> v;
            std::memcpy(v.data(), bytes.data() + 84 + 50 * k + 12 + 12 * c, 12);
            corner[c] = ids.emplace(v, static_cast<int>(ids.size())).first->second;
            const double p[3] = {v[0], v[1], v[2]};
            extent.add(p);
        }
        for (int c = 0; c < 3; ++c) {
            ++directed[{corner[c], corner[(c + 1) % 3]}];
        }
    }
    int open = 0;
    for (const auto& [edge, uses] : directed) {
        const auto back = directed.find({edge.second, edge.first});
        if (uses != 1 || back == directed.end() || back->second != 1) {
            ++open;
        }
    }
    EXPECT_EQ(open, 0);
    expectExtent(extent, L0, outer);
}

geometry::DrawingParams drawing(geometry::EndType ends, double D0, double d, double t, int n) {
    geometry::DrawingParams p;
    p.EndType = ends;
    p.D0 = D0;
    p.d = d;
    p.t = t;
    p.n = n;
    return p;
}

// Writes the model as STEP and as STL under name and reads both back: one valid solid
// of the wire volume (within 1 %), L0 long and outer wide.
void expectModelFiles(const SpringModelParams& model, const std::string& name, double wire,
                      double L0, double outer) {
    torvelix::testing::ScratchFolder folder;
    writeSpringModel(model, folder.file(name + ".step"));
    const ReadBack back = readStep(folder.file(name + ".step"));
    EXPECT_EQ(back.solids, 1);
    EXPECT_TRUE(back.valid);
    EXPECT_NEAR(back.volume, wire, 0.01 * wire);
    expectExtent(back.extent, L0, outer);
    writeSpringModel(model, folder.file(name + ".stl"));
    checkStl(folder.file(name + ".stl"), L0, outer);
}

TEST(ModelFiles, OpenEndsReadBack) {
    // n1 = n = 4, L0 = 4 * 6 + 2 = 26, outer diameter 22. The coils' lead adds
    // sqrt(1 + (6 / (20 pi))^2) - 1 = 0.45 % to the wire's length: inside 1 %.
    torvelix::testing::ScratchFolder folder;
    const SpringModelParams model = modelFromDrawing(drawing(geometry::EndType::Open, 20, 2, 6, 4));
    writeSpringModel(model, folder.file("open.STEP"));
    const ReadBack back = readStep(folder.file("open.STEP"));
    EXPECT_EQ(back.solids, 1);
    EXPECT_TRUE(back.valid);
    const double wire = expectedVolume(20, 2, 4, 0);
    EXPECT_NEAR(back.volume, wire, 0.01 * wire);
    // The report's mass 1.925e-5 d^2 D n1 kg.
    const double mass = 1.925e-5 * 2 * 2 * 20 * 4;
    EXPECT_NEAR(back.volume * kSteelKgPerMm3, mass, 0.01 * mass);
    expectExtent(back.extent, 26, 22);
    writeSpringModel(model, folder.file("open.stl"));
    checkStl(folder.file("open.stl"), 26, 22);
}

TEST(ModelFiles, ClosedGroundEndsReadBack) {
    // n1 = 3 + 2 = 5, n3 = 1.5: L0 = 3 * 6 + (2 + 1 - 1.5) * 2 = 21.
    const SpringModelParams model =
        modelFromDrawing(drawing(geometry::EndType::ClosedGround, 20, 2, 6, 3));
    expectModelFiles(model, "ground", expectedVolume(20, 2, 5, 1.5), 21, 22);
}

TEST(ModelFiles, ShortGroundSpringReadBack) {
    // One working coil between 3/4 end coils, n1 = 1 + 1.5 = 2.5, n3 = 1.5:
    // L0 = 2.4 + (1.5 + 1 - 1.5) * 2 = 4.4, so short that no stretch of the wire stays
    // clear of both ground faces.
    const SpringModelParams model =
        modelFromDrawing(drawing(geometry::EndType::ThreeQuarterGround, 20, 2, 2.4, 1));
    expectModelFiles(model, "short", expectedVolume(20, 2, 2.5, 1.5), 4.4, 22);
}

TEST(ModelFiles, ThreeStrandSpringAsItsCable) {
    // A three-strand spring as the calculation leaves it: cable 3 mm, D 18, n 4, n2 2,
    // strand factor 1.015, s3' 2.5: L0 = (n1 + 1) d 1.015 + n s3' = 7 * 3.045 + 10 = 31.315.
    calc::DesignState state;
    state.SpringKind = calc::SpringKind::ThreeStrand;
    state.D = 18;
    state.d = 3;
    state.n = 4;
    state.n2 = 2;
    state.n3 = 1.5;
    state.t = 3 * 1.015 + 2.5;
    state.L0 = 31.315;
    torvelix::testing::ScratchFolder folder;
    writeSpringModel(modelFromDesign(state, "Пружина 7 ГОСТ 13774-86"), folder.file("three.step"));
    const ReadBack back = readStep(folder.file("three.step"));
    EXPECT_EQ(back.solids, 1);
    EXPECT_TRUE(back.valid);
    const double wire = expectedVolume(18, 3, 6, 0);
    EXPECT_NEAR(back.volume, wire, 0.01 * wire);
    const double mass = 1.925e-5 * 3 * 3 * 18 * 6;
    EXPECT_NEAR(back.volume * kSteelKgPerMm3, mass, 0.01 * mass);
    expectExtent(back.extent, 31.315, 21);
    // The product carries the designation.
    EXPECT_NE(fileBytes(folder.file("three.step")).find("PRODUCT('Пружина 7 ГОСТ 13774-86'"),
              std::string::npos);
}

TEST(ModelFiles, RefusedSpringLeavesTheFileAlone) {
    torvelix::testing::ScratchFolder folder;
    const std::string path = folder.file("kept.step");
    std::ofstream(path) << "old";
    const SpringModelParams model =
        modelFromDrawing(drawing(geometry::EndType::Closed, 20, 2, 2, 3)); // t = d
    try {
        writeSpringModel(model, path);
        FAIL() << "written";
    } catch (const ModelError& e) {
        EXPECT_STREQ(e.what(), "Шаг пружины t должен быть\rбольше диаметра проволоки d!");
    }
    EXPECT_THROW(writeSpringModel(modelFromDrawing(drawing(geometry::EndType::Closed, 20, 2, 6, 3)),
                                  folder.file("spring.iges")),
                 ModelError);
    EXPECT_EQ(fileBytes(path), "old");
    EXPECT_FALSE(std::filesystem::exists(folder.file("spring.iges")));
}

} // namespace

#else

TEST(ModelFiles, RefusedInABuildWithoutTheLibrary) {
    using namespace torvelix::model3d;
    EXPECT_FALSE(modelAvailable());
    SpringModelParams model;
    EXPECT_THROW(writeSpringModel(model, "x.step"), ModelError);
}

#endif
