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

    // Extents -1 .. 52.2317 (the text's width in Liberation Sans: 21027 font units of
    // 1409 to the capital height 3.5, the control character counted as an em, 2048) by
    // -10 .. 6, plus 5 mm all round.
    EXPECT_NE(out.find("SVG 63.2317mm 26mm -6 -11 63.2317 26\n"), std::string::npos) << out;
    EXPECT_NE(out.find("line 0 0 10 -5\n"), std::string::npos) << out;
    EXPECT_NE(out.find("circle 20 0 2\n"), std::string::npos) << out;
    EXPECT_NE(out.find("path M -1 0 A 1 1 0 0 0 1 0\n"), std::string::npos) << out;
    // A whole-turn arc goes as two half arcs.
    EXPECT_NE(out.find("path M 5.5403 -5.8415 A 1 1 0 0 0 "), std::string::npos) << out;
    EXPECT_NE(out.find("text 0 10 Пружина <1> & \"ТТ\" \n"), std::string::npos) << out;
    EXPECT_EQ(out.find("200"), std::string::npos) << "paper space is not the active space";
}

// A sheet (a drawing with the frame's layer) is drawn on paper: an A4 sheet at 1:2, 420 by
// 594 drawing units, is 210 by 297 mm, its 0.5 mm lines 1 unit wide; texts are written in
// the font they were measured with, without stretching them.
TEST(SvgFile, SheetIsSizedOnPaperWithScaledLineWeights) {
    DrawingDocument doc;
    doc.AddLayer("Рамка", 7, 50, "CONTINUOUS");
    doc.SetVariableReal("DIMSCALE", 2);
    doc.SetActiveLayer("Рамка");
    doc.ModelSpace().AddLine({0, 0, 0}, {420, 594, 0});
    doc.ModelSpace().AddText("Пружина", {10, 10, 0}, 7);
    torvelix::testing::ScratchFolder scratch;
    const auto path = scratch.path() / "sheet.svg";
    writeSvg(doc, path.string());
    const std::string text = svgText(doc);
    EXPECT_NE(text.find("width=\"210mm\" height=\"297mm\" viewBox=\"0 -594 420 594\""),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("stroke-width=\"1\""), std::string::npos) << text;
    // The default thin line, 0.25 mm on paper.
    EXPECT_NE(text.find("stroke-width=\"0.5\""), std::string::npos) << text;
    EXPECT_EQ(text.find("textLength"), std::string::npos) << text;
    // Capital height 7 is 7 * 2048 / 1409 of Liberation Sans's font size.
    EXPECT_NE(text.find("font-size=\"10.1746\""), std::string::npos) << text;
}

} // namespace
} // namespace torvelix::cad
