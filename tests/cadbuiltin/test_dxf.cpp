// DXF files of the built-in drawing, read back with an independent reader: entities,
// coordinates, spaces, header values, Cyrillic texts, atomic saving and speed.
#include "cad_dxf_reader.h"
#include "drawing_document.h"
#include "dxf_writer.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace torvelix::cad {
namespace {

namespace fs = std::filesystem;

class DxfFile : public ::testing::Test {
protected:
    std::string file(const std::string& name) const { return scratch_.file(name); }
    torvelix::testing::ScratchFolder scratch_;
};

void expectNumbers(const test::DxfEntity& e, const std::vector<double>& expected) {
    ASSERT_EQ(e.numbers.size(), expected.size()) << e.kind;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(e.numbers[i], expected[i], 1e-6) << e.kind << " value " << i;
    }
}

TEST_F(DxfFile, EntitiesComeBackWithTheirGeometryAndSpace) {
    DrawingDocument doc;
    const double tilt = 0.149;
    doc.ModelSpace().AddLine({-0.989, 9.852, 0}, {2.011, -10.148, 0});
    doc.ModelSpace().AddArc({3, -10, 0}, 1, tilt + kPi, tilt);
    doc.ModelSpace().AddCircle({6, 10, 0}, 1);
    EntityRef copied = doc.ModelSpace().AddLine({1, 1, 2.5}, {2, 3, 2.5});
    copied->ArrayPolar(2, kTwoPi, {10, 0, 2.5});
    doc.PaperSpace().AddLine({0, 0, 0}, {420, 297, 0});
    doc.setVariable("TILEMODE", 0);
    doc.setVariable("DIMSCALE", 2);
    const std::string path = file("spring.dxf");
    writeDxf(doc, path);

    SKIP_WITHOUT_PYTHON("ezdxf");
    const test::DxfDump dump = test::readDxfBack(path);
    EXPECT_EQ(dump.version, "AC1015");
    EXPECT_EQ(dump.codePage, "ANSI_1251");
    EXPECT_EQ(dump.auditErrors, 0) << dump.raw;
    EXPECT_EQ(dump.tileMode, 0);
    EXPECT_DOUBLE_EQ(dump.dimScale, 2.0);
    // The file opens on the model-space drawing: X -0.989 .. 19, Y -11 .. 11, with a margin.
    ASSERT_EQ(dump.view.size(), 3u);
    EXPECT_NEAR(dump.view[0], 9.0055, 1e-6);
    EXPECT_NEAR(dump.view[1], 0, 1e-6);
    EXPECT_NEAR(dump.view[2], 24.2, 1e-6);
    ASSERT_EQ(dump.entities.size(), 6u) << dump.raw;
    const auto& e = dump.entities;
    EXPECT_EQ(e[0].kind, "LINE");
    expectNumbers(e[0], {-0.989, 9.852, 0, 2.011, -10.148, 0});
    // Arcs are stored in degrees; the lower half of the bend runs from 188.537 round to 8.537.
    EXPECT_EQ(e[1].kind, "ARC");
    const double deg = 180 / kPi;
    expectNumbers(e[1], {3, -10, 0, 1, (tilt + kPi) * deg, tilt * deg});
    EXPECT_EQ(e[2].kind, "CIRCLE");
    expectNumbers(e[2], {6, 10, 0, 1});
    expectNumbers(e[3], {1, 1, 2.5, 2, 3, 2.5});
    expectNumbers(e[4], {19, -1, 2.5, 18, -3, 2.5});
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(e[i].space, "model");
    }
    EXPECT_EQ(e[5].space, "paper");
    expectNumbers(e[5], {0, 0, 0, 420, 297, 0});
}

TEST_F(DxfFile, TextsKeepCyrillicAndOtherCharacters) {
    DrawingDocument doc;
    const std::vector<std::string> texts = {
        "1. Пружина номер 412 ГОСТ 13770-86.",
        "9. Диаметр контрольной гильзы Dг = 24.5 мм.",
        "Ёлка, ёж — «кавычки» №5",
        "Ø 20 ± 0.1, 5°C ✓", // characters that Windows-1251 lacks, besides ones it has
        "50% и ^J не перевод строки",
        "строка\nвторая\tтаб",
    };
    double y = 0;
    for (const std::string& text : texts) {
        doc.ModelSpace().AddText(text, {10, y, 0}, 4.5);
        y += 8.2;
    }
    doc.PaperSpace().AddText("Технические требования %%c20", {5, 5, 0}, 3.5);
    const std::string path = file("texts.dxf");
    writeDxf(doc, path);

    SKIP_WITHOUT_PYTHON("ezdxf");
    const test::DxfDump dump = test::readDxfBack(path);
    ASSERT_EQ(dump.entities.size(), texts.size() + 1) << dump.raw;
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
        EXPECT_EQ(dump.entities[i].kind, "TEXT");
        EXPECT_EQ(dump.entities[i].text, texts[i]);
        expectNumbers(dump.entities[i], {10, 8.2 * static_cast<double>(i), 0, 4.5, 0});
    }
    // A text is one line: control characters become spaces.
    EXPECT_EQ(dump.entities[texts.size() - 1].text, "строка вторая таб");
    EXPECT_EQ(dump.entities.back().space, "paper");
    // The CAD program's own codes are kept: "%%c" is shown as the diameter sign.
    EXPECT_EQ(dump.entities.back().text, "Технические требования Ø20");

    // The file itself holds the letters in Windows-1251 (one byte each), as it declares.
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(bytes.find("\xcf\xf0\xf3\xe6\xe8\xed\xe0"), std::string::npos); // "Пружина"
    EXPECT_EQ(bytes.find("Пружина"), std::string::npos);
}

TEST_F(DxfFile, EmptyDrawingIsAValidFile) {
    DrawingDocument doc;
    const std::string path = file("empty.dxf");
    writeDxf(doc, path);
    SKIP_WITHOUT_PYTHON("ezdxf");
    const test::DxfDump dump = test::readDxfBack(path);
    EXPECT_EQ(dump.auditErrors, 0) << dump.raw;
    EXPECT_TRUE(dump.entities.empty());
}

TEST_F(DxfFile, FailedSaveNamesTheFileAndLeavesNothingBehind) {
    DrawingDocument doc;
    doc.ModelSpace().AddCircle({0, 0, 0}, 1);
    // The target is a directory: the temporary file is written, the rename fails.
    const std::string blocked = file("blocked.dxf");
    fs::create_directories(blocked);
    try {
        writeDxf(doc, blocked);
        FAIL() << "saving over a directory succeeded";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(blocked), std::string::npos) << error.what();
    }
    EXPECT_THROW(writeDxf(doc, file("missing/dir/x.dxf")), std::runtime_error);
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(scratch_.path())) {
        files += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(files, 0u);

    // An existing file is replaced as a whole.
    const std::string path = file("replaced.dxf");
    std::ofstream(path) << "old content that is longer than nothing";
    writeDxf(doc, path);
    SKIP_WITHOUT_PYTHON("ezdxf");
    const test::DxfDump dump = test::readDxfBack(path);
    ASSERT_EQ(dump.entities.size(), 1u);
    EXPECT_EQ(dump.entities[0].kind, "CIRCLE");
}

TEST_F(DxfFile, ThousandsOfEntitiesAreWrittenQuickly) {
    DrawingDocument doc;
    // About the size of a full view of a spring with 500 coils.
    for (int k = 0; k < 1000; ++k) {
        const double x = 6.0 * k;
        doc.ModelSpace().AddLine({x - 0.989, 9.852, 0}, {x + 2.011, -10.148, 0});
        doc.ModelSpace().AddLine({x + 0.989, 10.148, 0}, {x + 3.989, -9.852, 0});
        doc.ModelSpace().AddArc({x, 10, 0}, 1, 0.149, 0.149 + kPi);
        doc.ModelSpace().AddArc({x + 3, -10, 0}, 1, 0.149 + kPi, 0.149);
        doc.ModelSpace().AddLine({x + 2.011, -9.852, 0}, {x + 5.011, 10.148, 0});
        doc.ModelSpace().AddLine({x + 3.989, -10.148, 0}, {x + 6.989, 9.852, 0});
    }
    const std::string path = file("large.dxf");
    const auto start = std::chrono::steady_clock::now();
    writeDxf(doc, path);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    EXPECT_LT(spent.count(), 2.0);
    SKIP_WITHOUT_PYTHON("ezdxf");
    const test::DxfDump dump = test::readDxfBack(path);
    EXPECT_EQ(dump.entities.size(), 6000u);
    EXPECT_EQ(dump.auditErrors, 0);
    expectNumbers(dump.entities[5999], {5994 + 3.989, -10.148, 0, 5994 + 6.989, 9.852, 0});
}

TEST(DxfText, HandleSeedCoversEveryHandle) {
    DrawingDocument doc;
    for (int k = 0; k < 70000; ++k) {
        doc.ModelSpace().AddCircle({static_cast<double>(k), 0, 0}, 0.5);
    }
    const std::string text = dxfText(doc);
    const std::string seedKey = "$HANDSEED\n  5\n";
    const std::size_t at = text.find(seedKey);
    ASSERT_NE(at, std::string::npos);
    const unsigned long seed = std::stoul(text.substr(at + seedKey.size(), 16), nullptr, 16);
    unsigned long highest = 0;
    for (std::size_t pos = text.find("\n  5\n"); pos != std::string::npos;
         pos = text.find("\n  5\n", pos + 1)) {
        if (pos != at + 9) { // the seed's own group code
            highest = std::max(highest, std::stoul(text.substr(pos + 5, 16), nullptr, 16));
        }
    }
    EXPECT_GT(highest, 70000u);
    EXPECT_GT(seed, highest);
}

} // namespace
} // namespace torvelix::cad
