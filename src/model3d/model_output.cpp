// What every build has of the model's output: the format by the file name's suffix, the
// binary STL bytes of a mesh, the mesh size estimate, and the refusals shown as messages.
#include "spring_solid.h"

#include "file_write.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace torvelix::model3d {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Segments of an arc of radius r and angle `angle` whose chords stay within chordMm.
double segments(double r, double angle, double chordMm) {
    if (chordMm >= r) {
        return 3;
    }
    return std::max(3.0, std::ceil(angle / (2 * std::acos(1 - chordMm / r))));
}

void putFloat(std::string& out, float value) {
    static_assert(std::endian::native == std::endian::little, "STL is little-endian");
    char bytes[4];
    std::memcpy(bytes, &value, 4);
    out.append(bytes, 4);
}

} // namespace

std::optional<ModelFormat> modelFormatFor(const std::string& path) {
    const std::string lower = lowerAscii(path);
    if (endsWith(lower, ".step") || endsWith(lower, ".stp")) {
        return ModelFormat::Step;
    }
    if (endsWith(lower, ".stl")) {
        return ModelFormat::Stl;
    }
    return std::nullopt;
}

double estimatedTriangles(const SpringModelParams& params, double chordMm) {
    const double around = segments(params.d / 2, 2 * kPi, chordMm);
    const double along = segments((params.D + params.d) / 2, 2 * kPi, chordMm);
    return 2 * around * along * (params.n + params.n2);
}

std::string stlBytes(const std::vector<Triangle>& triangles, const std::string& header) {
    std::string out = "Torvelix " + header;
    // The header is 80 bytes; a cut name loses whole UTF-8 characters only.
    if (out.size() > 80) {
        std::size_t cut = 80;
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        out.resize(cut);
    }
    out.resize(80, ' ');
    const auto count = static_cast<std::uint32_t>(triangles.size());
    for (int k = 0; k < 4; ++k) {
        out.push_back(static_cast<char>((count >> (8 * k)) & 0xFF));
    }
    out.reserve(84 + 50 * triangles.size());
    for (const Triangle& t : triangles) {
        const float ux = t[1][0] - t[0][0], uy = t[1][1] - t[0][1], uz = t[1][2] - t[0][2];
        const float vx = t[2][0] - t[0][0], vy = t[2][1] - t[0][1], vz = t[2][2] - t[0][2];
        float nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
        const float length = std::sqrt(nx * nx + ny * ny + nz * nz);
        if (length > 0) {
            nx /= length;
            ny /= length;
            nz /= length;
        }
        for (float value : {nx, ny, nz}) {
            putFloat(out, value);
        }
        for (const auto& corner : t) {
            for (float value : corner) {
                putFloat(out, value);
            }
        }
        out.append(2, '\0');
    }
    return out;
}

bool writeSpringModelShown(const SpringModelParams& params, const std::string& path,
                           MessageSink& sink) {
    try {
        writeSpringModel(params, path);
        return true;
    } catch (const UserError& error) {
        sink.show(MessageIcon::Error, error.what());
    }
    return false;
}

} // namespace torvelix::model3d
