// The registry of the drawing's output formats: the format a name's suffix chooses in any
// letter case, the fallback, and a writer that fails leaving an existing file as it was.
#include "output_formats.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace torvelix::cad {
namespace {

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(OutputFormats, TheSuffixChoosesTheFormatInAnyLetterCase) {
    const OutputFormats formats = builtinOutputFormats();
    EXPECT_EQ(formats.choose("a/plan.svg").name, "SVG");
    EXPECT_EQ(formats.choose("plan.SvG").name, "SVG");
    EXPECT_EQ(formats.choose("plan.DXF").name, "DXF");
    // Anything else is a DXF, as it always was: no suffix, another one, a bare ".svg",
    // "svg" without its dot, a folder named like the suffix.
    for (const char* other : {"plan", "plan.txt", ".svg", "plansvg", "x.svg/plan"}) {
        EXPECT_EQ(formats.forPath(other), nullptr) << other;
        EXPECT_EQ(formats.choose(other).name, "DXF") << other;
    }
    // Multi-byte names stay as they are: "чертеж.svg" is an SVG, "чертеж" a DXF.
    EXPECT_EQ(formats.choose("чертеж.svg").name, "SVG");
    EXPECT_EQ(formats.choose("чертеж").name, "DXF");
}

TEST(OutputFormats, ARegisteredFormatIsFoundByNameAndReplacedByTheSameName) {
    OutputFormats formats = builtinOutputFormats();
    EXPECT_EQ(formats.byName("PDF"), nullptr);
    formats.add({"PDF", {"PDF"}, "Документы PDF (*.pdf)", [](const DrawingDocument&) {
                     return std::string("%PDF");
                 }});
    ASSERT_NE(formats.byName("PDF"), nullptr);
    EXPECT_EQ(formats.choose("x.Pdf").name, "PDF"); // the suffix was stored in lower case
    formats.add({"PDF", {"pdf"}, "другой", [](const DrawingDocument&) { return std::string(); }});
    EXPECT_EQ(formats.all().size(), 3u);
    EXPECT_EQ(formats.byName("PDF")->filter, "другой");
    EXPECT_THROW(formats.add({"X", {}, "", nullptr}), std::invalid_argument);
    EXPECT_THROW(OutputFormats().fallback(), std::logic_error);
}

TEST(OutputFormats, AFailedWriteLeavesTheExistingFileByteForByte) {
    torvelix::testing::ScratchFolder scratch;
    const std::string path = scratch.file("old.dxf");
    const std::string old = "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n";
    std::ofstream(path, std::ios::binary) << old;
    DrawingDocument doc;
    doc.ModelSpace().AddLine({0, 0, 0}, {10, 0, 0});

    OutputFormat failing{"DXF", {"dxf"}, "", [](const DrawingDocument&) -> std::string {
                             throw std::runtime_error("cannot make the file");
                         }};
    EXPECT_THROW(failing.write(doc, path), std::runtime_error);
    EXPECT_EQ(contentOf(path), old);

    // A target that cannot be replaced (a folder): the message names the file.
    const std::string folder = scratch.file("folder.svg");
    std::filesystem::create_directory(folder);
    try {
        builtinOutputFormats().choose(folder).write(doc, folder);
        FAIL() << "a folder was replaced";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what())
                      .rfind("Не удалось сохранить чертеж в файл " + folder + ": ", 0),
                  0u)
            << error.what();
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    builtinOutputFormats().choose(path).write(doc, path);
    EXPECT_NE(contentOf(path), old);
    EXPECT_NE(contentOf(path).find("AC1015"), std::string::npos); // a whole DXF file
}

} // namespace
} // namespace torvelix::cad
