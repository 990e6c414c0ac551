// The solid's surface mesh and its STEP file with Open CASCADE: the triangles of every
// face turned outward, the AP214 transfer in millimetres with the product renamed, and
// the library's console messages kept quiet.
#include "occt_shape.h"

#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Tool.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <IMeshTools_Parameters.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <Poly_Triangulation.hxx>
#include <STEPControl_Writer.hxx>
#include <Standard_Failure.hxx>
#include <StepBasic_Product.hxx>
#include <StepData_StepModel.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>

namespace torvelix::model3d::occt {

void silenceLibrary() {
    Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
}

std::vector<Triangle> meshSolid(const TopoDS_Shape& solid, double chordMm) {
    std::vector<Triangle> triangles;
    try {
        IMeshTools_Parameters settings;
        settings.Deflection = chordMm;
        settings.Angle = 0.5;
        settings.InParallel = Standard_True;
        BRepMesh_IncrementalMesh mesher(solid, settings);
        for (TopExp_Explorer it(solid, TopAbs_FACE); it.More(); it.Next()) {
            const TopoDS_Face& face = TopoDS::Face(it.Current());
            TopLoc_Location location;
            const Handle(Poly_Triangulation)& mesh = BRep_Tool::Triangulation(face, location);
            if (mesh.IsNull()) {
                throw ModelError(kModelInvalid);
            }
            const gp_Trsf& place = location.Transformation();
            const bool reversed = face.Orientation() == TopAbs_REVERSED;
            for (int k = 1; k <= mesh->NbTriangles(); ++k) {
                int corners[3];
                mesh->Triangle(k).Get(corners[0], corners[1], corners[2]);
                if (reversed) {
                    std::swap(corners[1], corners[2]);
                }
                Triangle triangle;
                for (int c = 0; c < 3; ++c) {
                    const gp_Pnt p = mesh->Node(corners[c]).Transformed(place);
                    triangle[c] = {static_cast<float>(p.X()), static_cast<float>(p.Y()),
                                   static_cast<float>(p.Z())};
                }
                triangles.push_back(triangle);
            }
        }
    } catch (const Standard_Failure&) {
        throw ModelError(kModelInvalid);
    }
    return triangles;
}

void writeStepFile(const TopoDS_Shape& solid, const std::string& productName,
                   const std::string& path) {
    try {
        STEPControl_Writer writer;
        Interface_Static::SetCVal("write.step.schema", "AP214IS");
        Interface_Static::SetCVal("write.step.unit", "MM");
        // The name goes as UTF-8, as the library writes every text it is given.
        const std::string& name = productName;
        Interface_Static::SetCVal("write.step.product.name", name.c_str());
        if (writer.Transfer(solid, STEPControl_AsIs) != IFSelect_RetDone) {
            throw ModelError(kModelInvalid);
        }
        const Handle(StepData_StepModel) model = writer.Model();
        for (int k = 1; k <= model->NbEntities(); ++k) {
            Handle(StepBasic_Product) product =
                Handle(StepBasic_Product)::DownCast(model->Value(k));
            if (!product.IsNull()) {
                product->SetId(new TCollection_HAsciiString(name.c_str()));
                product->SetName(new TCollection_HAsciiString(name.c_str()));
            }
        }
        if (writer.Write(path.c_str()) != IFSelect_RetDone) {
            throw ModelError("Не удалось записать файл STEP " + path);
        }
    } catch (const Standard_Failure& failure) {
        throw ModelError(std::string("Не удалось записать файл STEP: ") +
                         failure.GetMessageString());
    }
}

} // namespace torvelix::model3d::occt
