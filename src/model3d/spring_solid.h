// The spring's solid and its files: STEP AP214 and binary STL, chosen by the file name's
// suffix, and the surface triangles for a picture. Built with Open CASCADE when the
// program is built with it (TORVELIX_WITH_OCCT); otherwise every call that needs the
// solid throws ModelUnavailableError.
#pragma once

#include "errors.h"
#include "message_sink.h"
#include "spring_model.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace torvelix::model3d {

inline constexpr const char* kModelUnavailable =
    "3D-модель недоступна в этой сборке программы\r(она собрана без Open CASCADE).";
inline constexpr const char* kModelInvalid =
    "Не удалось построить 3D-модель пружины:\rтело не прошло проверку.";
inline constexpr const char* kModelSuffix =
    "Файл 3D-модели должен иметь расширение .step, .stp или .stl!";
inline constexpr const char* kModelTooFine =
    "3D-модель слишком велика для файла STL\rс точностью 0.01 мм!";

// The chord tolerance of the STL file, mm, and the most triangles the estimate may give
// (the mesher makes several times more: about 20 million, a file of 1 GB).
inline constexpr double kStlChordMm = 0.01;
inline constexpr double kMostStlTriangles = 3e6;

// A failure of the model with the text to show (refused values, an invalid solid, a
// build without the modelling library, an unknown suffix).
class ModelError : public UserError {
public:
    using UserError::UserError;
};

enum class ModelFormat { Step, Stl };

// By the name's suffix, case-insensitive: .step and .stp, .stl.
std::optional<ModelFormat> modelFormatFor(const std::string& path);

// Whether this build can make the solid.
bool modelAvailable();

// One surface triangle: three corners (x, y, z in mm), counter-clockwise seen from outside.
using Triangle = std::array<std::array<float, 3>, 3>;

// Builds the solid (refused values and an invalid solid throw ModelError) and writes it
// to path in the format its suffix names, through the safe file writer (FileWriteError).
void writeSpringModel(const SpringModelParams& params, const std::string& path);

// The surface of the solid as triangles, meshed with the given chord tolerance (mm).
std::vector<Triangle> springTriangles(const SpringModelParams& params, double chordMm);

// How many triangles a mesh of the given chord tolerance needs at least (segments
// around the wire times segments along the coils).
double estimatedTriangles(const SpringModelParams& params, double chordMm);

// The binary STL file of the triangles (normals from the corners' order).
std::string stlBytes(const std::vector<Triangle>& triangles, const std::string& header);

// writeSpringModel for the faces: refusals and failures shown as errors through sink.
// Returns whether the file was written.
bool writeSpringModelShown(const SpringModelParams& params, const std::string& path,
                           MessageSink& sink);

} // namespace torvelix::model3d
