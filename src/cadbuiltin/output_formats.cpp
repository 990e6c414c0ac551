// The registry of the drawing's output formats and the two that need no Qt.
#include "output_formats.h"

#include "dxf_writer.h"
#include "file_write.h"
#include "svg_writer.h"

#include <algorithm>
#include <stdexcept>

namespace torvelix::cad {

namespace {

// ASCII letters only: suffixes are Latin, and a byte of a UTF-8 name must stay as it is.
char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool hasSuffix(const std::string& path, const std::string& suffix) {
    if (path.size() <= suffix.size() + 1) {
        return false;
    }
    const std::size_t dot = path.size() - suffix.size() - 1;
    if (path[dot] != '.') {
        return false;
    }
    for (std::size_t k = 0; k < suffix.size(); ++k) {
        if (lowerAscii(path[dot + 1 + k]) != suffix[k]) {
            return false;
        }
    }
    return true;
}

bool OutputFormat::matches(const std::string& path) const {
    return std::any_of(suffixes.begin(), suffixes.end(),
                       [&path](const std::string& suffix) { return hasSuffix(path, suffix); });
}

void OutputFormat::write(const DrawingDocument& doc, const std::string& path) const {
    // The bytes are made before the file is touched: a writer that throws leaves it as is.
    const std::string content = bytes(doc);
    try {
        writeFileAtomically(path, content);
    } catch (const FileWriteError& error) {
        throw FileWriteError(failureText + path + ": " + error.reason(), path, error.reason());
    }
}

void OutputFormats::add(OutputFormat format) {
    if (format.name.empty() || format.suffixes.empty() || !format.bytes) {
        throw std::invalid_argument("an output format needs a name, a suffix and a writer");
    }
    for (std::string& suffix : format.suffixes) {
        std::transform(suffix.begin(), suffix.end(), suffix.begin(), lowerAscii);
    }
    auto same = std::find_if(formats_.begin(), formats_.end(),
                             [&format](const OutputFormat& f) { return f.name == format.name; });
    if (same != formats_.end()) {
        *same = std::move(format);
    } else {
        formats_.push_back(std::move(format));
    }
}

const OutputFormat* OutputFormats::forPath(const std::string& path) const {
    auto found = std::find_if(formats_.begin(), formats_.end(),
                              [&path](const OutputFormat& f) { return f.matches(path); });
    return found == formats_.end() ? nullptr : &*found;
}

const OutputFormat* OutputFormats::byName(const std::string& name) const {
    auto found = std::find_if(formats_.begin(), formats_.end(),
                              [&name](const OutputFormat& f) { return f.name == name; });
    return found == formats_.end() ? nullptr : &*found;
}

const OutputFormat& OutputFormats::fallback() const {
    if (formats_.empty()) {
        throw std::logic_error("no output format is registered");
    }
    return formats_.front();
}

OutputFormats builtinOutputFormats() {
    OutputFormats formats;
    formats.add({"DXF", {"dxf"}, "Чертежи DXF (*.dxf)", dxfText});
    formats.add({"SVG", {"svg"}, "Рисунки SVG (*.svg)", svgText});
    return formats;
}

} // namespace torvelix::cad
