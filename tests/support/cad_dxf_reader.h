// Reads a DXF file back with an independent reader (ezdxf, through tests/support/dxf_dump.py)
// for the tests of the drawing backend. A test calls SKIP_WITHOUT_PYTHON("ezdxf") first.
#pragma once

#include "python_reader.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace torvelix::cad::test {

struct DxfEntity {
    std::string kind;  // LINE, ARC, CIRCLE, TEXT or OTHER
    std::string space; // model or paper
    std::vector<double> numbers;
    std::string text; // TEXT: the text as shown
};

struct DxfDump {
    std::string version;
    std::string codePage;
    int tileMode = -1;
    double dimScale = 0;
    int auditErrors = -1;
    std::vector<double> view; // the opening view: centre X, Y and height
    std::vector<DxfEntity> entities;
    std::string raw; // the reader's whole output, for failure messages
};

inline DxfDump readDxfBack(const std::string& path) {
    const std::string command = std::string(torvelix::testing::kPythonInterpreter) +
                                " '" TORVELIX_TEST_DIR "/support/dxf_dump.py' '" + path + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("cannot run " + command);
    }
    DxfDump dump;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        dump.raw += buffer;
    }
    if (pclose(pipe) != 0) {
        throw std::runtime_error("the DXF reader failed:\n" + dump.raw);
    }
    std::istringstream lines(dump.raw);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string key;
        fields >> key;
        if (key == "VERSION") {
            fields >> dump.version;
        } else if (key == "CODEPAGE") {
            fields >> dump.codePage;
        } else if (key == "TILEMODE") {
            fields >> dump.tileMode;
        } else if (key == "DIMSCALE") {
            fields >> dump.dimScale;
        } else if (key == "AUDIT_ERRORS") {
            fields >> dump.auditErrors;
        } else if (key == "VIEW") {
            for (double value = 0; fields >> value;) {
                dump.view.push_back(value);
            }
        } else {
            DxfEntity e;
            e.kind = key;
            fields >> e.space;
            const int count = key == "LINE" ? 6 : key == "ARC" ? 6 : key == "CIRCLE" ? 4 : 5;
            for (int i = 0; i < count && key != "OTHER"; ++i) {
                double value = 0;
                fields >> value;
                e.numbers.push_back(value);
            }
            if (key == "TEXT") {
                fields.get();
                std::getline(fields, e.text);
            }
            dump.entities.push_back(e);
        }
    }
    return dump;
}

} // namespace torvelix::cad::test
