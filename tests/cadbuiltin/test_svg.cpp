// SVG pictures of the built-in drawing, parsed back with a standard XML parser.
#include "drawing_document.h"
#include "python_reader.h"
#include "scratch_folder.h"
#include "svg_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace torvelix::cad {
namespace {

std::string parseBack(const std::string& path) {
    const std::string command = std::string(torvelix::testing::kPythonInterpreter) +
                                " '" TORVELIX_TEST_DIR "/support/svg_dump.py' '" + path + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        out += buffer;
    }
    EXPECT_EQ(pipe == nullptr ? -1 : pclose(pipe), 0) << out;
    return out;
}

TEST(SvgFile, ActiveSpaceIsDrawnWithYUpAndTextsEscaped) {
    DrawingDocument doc;
    doc.ModelSpace().AddLine({0, 0, 0}, {10, 5, 0});
    doc.ModelSpace().AddCircle({20, 0, 0}, 2);
    // The lower half of a bend: from (1, 0) under the centre round to (-1, 0) is drawn
    // counter-clockwise, which is sweep flag 0 once Y points down.
    doc.ModelSpace().AddArc({0, 0, 0}, 1, kPi, 0);
    doc.ModelSpace().AddArc({5, 5, 0}, 1, 1, 1);
    doc.ModelSpace().AddText("Пружина <1> & \"ТТ\"\x01", {0, -10, 0}, 3.5);
    doc.PaperSpace().AddLine({100, 100, 0}, {200, 200, 0});
    torvelix::testing::ScratchFolder scratch;
    const auto path = scratch.path() / "drawing.svg";
    writeSvg(doc, path.string());
    SKIP_WITHOUT_PYTHON("xml.etree.ElementTree");
    const std::string out = parseBack(path.string());

    // Extents -1 .. 46.55 (the text's estimated width: 19 characters of 0.7 * 3.5) by
    // -10 .. 6, plus 5 mm all round.
    EXPECT_NE(out.find("SVG 57.55mm 26mm -6 -11 57.55 26\n"), std::string::npos) << out;
    EXPECT_NE(out.find("line 0 0 10 -5\n"), std::string::npos) << out;
    EXPECT_NE(out.find("circle 20 0 2\n"), std::string::npos) << out;
    EXPECT_NE(out.find("path M -1 0 A 1 1 0 0 0 1 0\n"), std::string::npos) << out;
    // A whole-turn arc goes as two half arcs.
    EXPECT_NE(out.find("path M 5.5403 -5.8415 A 1 1 0 0 0 "), std::string::npos) << out;
    EXPECT_NE(out.find("text 0 10 Пружина <1> & \"ТТ\" \n"), std::string::npos) << out;
    EXPECT_EQ(out.find("200"), std::string::npos) << "paper space is not the active space";
}

} // namespace
} // namespace torvelix::cad
