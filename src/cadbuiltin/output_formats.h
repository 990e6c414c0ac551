// The drawing's output formats, registered once each (suffixes, dialog filter, writer,
// error text), so that the drawing window and `torvelix draw` pick a format the same way.
#pragma once

#include "drawing_document.h"

#include <functional>
#include <string>
#include <vector>

namespace torvelix::cad {

// Whether `path` ends in "." + suffix (suffix in lower case), the path in any letter case.
bool hasSuffix(const std::string& path, const std::string& suffix);

struct OutputFormat {
    std::string name;                  // "DXF": the menus' "Сохранить как DXF…"
    std::vector<std::string> suffixes; // lower case, without the dot; the first is added
    std::string filter;                // the file dialog's filter, "Чертежи DXF (*.dxf)"
    // The whole file. May throw; nothing is written then.
    std::function<std::string(const DrawingDocument&)> bytes;
    // The start of the message of a save that failed; the path and the reason follow.
    std::string failureText = "Не удалось сохранить чертеж в файл ";

    // Whether `path` ends in one of the suffixes, in any letter case.
    bool matches(const std::string& path) const;
    // Writes bytes(doc) to `path` through the atomic file writer, so that an existing file
    // keeps its content when anything fails. Throws FileWriteError with failureText +
    // path + ": " + the reason.
    void write(const DrawingDocument& doc, const std::string& path) const;
};

class OutputFormats {
public:
    // Adds a format; one whose name is already there is replaced.
    void add(OutputFormat format);
    const std::vector<OutputFormat>& all() const { return formats_; }
    // The format whose suffix `path` ends in, or nullptr.
    const OutputFormat* forPath(const std::string& path) const;
    // The format by its name, or nullptr.
    const OutputFormat* byName(const std::string& name) const;
    // The format for a name that names none by its suffix: the first one added.
    const OutputFormat& fallback() const;
    // forPath, else fallback.
    const OutputFormat& choose(const std::string& path) const {
        const OutputFormat* found = forPath(path);
        return found != nullptr ? *found : fallback();
    }

private:
    std::vector<OutputFormat> formats_;
};

// DXF (the fallback) and SVG; the window's layer adds PDF, which needs Qt.
OutputFormats builtinOutputFormats();

} // namespace torvelix::cad
