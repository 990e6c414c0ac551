// The numbers of the candidate list, the report and a complete drawing do not depend on
// the C library's numeric locale, which a Qt application sets to the desktop's: a run
// under a locale with a decimal comma (ru_RU) and one whose decimal point takes two
// bytes (ps_AF, U+066B) writes the same bytes as under "C".
#include "calc_text.h"
#include "drawing_document.h"
#include "dxf_writer.h"
#include "scratch_folder.h"
#include "session_fixture.h"
#include "svg_writer.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

using namespace torvelix;
using namespace torvelix::workflow;

namespace {

// What a whole run writes.
struct Written {
    std::string candidates, report, geometryPage, dxf, svg;
};

// Switches the whole locale for one scope and back to "C" after it. A locale the system
// has not generated is compiled from the definitions of the package locales into a
// private folder, which LOCPATH names while the scope lasts (no root needed).
class LocaleScope {
public:
    LocaleScope(const char* source, const char* name) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            ok_ = true;
            return;
        }
        const std::string dir = folder_.path().string();
        const std::string command = "localedef -c -i " + std::string(source) + " -f UTF-8 '" + dir +
                                    "/" + name + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) == -1) {
            return;
        }
        setenv("LOCPATH", dir.c_str(), 1);
        ok_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~LocaleScope() {
        std::setlocale(LC_ALL, "C");
        unsetenv("LOCPATH");
    }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;
    bool ok() const { return ok_; }

private:
    torvelix::testing::ScratchFolder folder_;
    bool ok_ = false;
};

class LocaleNumbers : public torvelix::testing::SessionTest {
protected:
    // The calculation with F1 12.5 through every page to the complete drawing with its
    // loading diagram, drawn on the built-in document.
    Written run() {
        RecordingMessageSink sink;
        DesignSession s(folder.exePath(), sink);
        EXPECT_TRUE(s.start().done);
        const WizardSnapshot& w = s.snapshot();
        Written out;
        for (int k = 0; k < 2; ++k) {
            EXPECT_TRUE(s.goForward().done);
        }
        EXPECT_TRUE(s.typeText(FieldId::ForceF1, "12.5").done);
        EXPECT_TRUE(s.goForward().done);
        out.candidates = output::candidateListText(s.candidateRecords());
        EXPECT_TRUE(s.typeText(FieldId::SpringNumber, "1").done);
        EXPECT_TRUE(s.goForward().done);
        out.report =
            output::finalCalculationText(s.reportRecord() ? &*s.reportRecord() : nullptr, false);
        EXPECT_TRUE(s.goForward().done);
        EXPECT_TRUE(s.setSwitch(FieldId::Diagram, true).done);
        EXPECT_TRUE(s.setSwitch(FieldId::Eskd, true).done);
        EXPECT_TRUE(s.goForward().done);
        EXPECT_EQ(w.page, Page::Geometry);
        out.geometryPage = w.drawing.e9_D0 + " " + w.drawing.e9_t + " " + w.drawing.e9_n;
        for (const std::string& field : w.drawing.lengthsAndForces) {
            out.geometryPage += " " + field;
        }

        const DrawingOutcome prepared = s.makeDrawingRequest();
        EXPECT_TRUE(prepared.done);
        DrawingRequest request = prepared.request;
        auto document = std::make_shared<cad::DrawingDocument>();
        cad::ScriptedPointSource picks({cad::Point{}, cad::Point{}});
        document->setPointSource(&picks);
        cad::BuiltinConnector connector(std::make_shared<cad::BuiltinCadApplication>(document));
        cad::DrawingSession drawing;
        drawRequest(drawing, request, connector, sink);
        document->setPointSource(nullptr);
        out.dxf = cad::dxfText(*document);
        out.svg = cad::svgText(*document);
        EXPECT_TRUE(sink.messages.empty()) << sink.messages.front().text;
        return out;
    }

    void expectSameAsInC(const char* source, const char* locale) {
        const Written c = run();
        LocaleScope scope(source, locale);
        if (!scope.ok()) {
            GTEST_SKIP() << locale << " could not be made (localedef and the locale "
                         << "definitions of the package locales are needed)";
        }
        // The locale is in force: the C library itself now writes another point.
        char text[32];
        std::snprintf(text, sizeof text, "%g", 12.5);
        ASSERT_STRNE(text, "12.5");

        const Written other = run();
        EXPECT_EQ(other.candidates, c.candidates);
        EXPECT_EQ(other.report, c.report);
        EXPECT_EQ(other.geometryPage, c.geometryPage);
        EXPECT_EQ(other.dxf, c.dxf);
        EXPECT_EQ(other.svg, c.svg);
    }
};

TEST_F(LocaleNumbers, TheRunIsTheSameAsInC) {
    const Written c = run();
    // The run writes the numbers this test is about: F1 in the report, the diagram's
    // force 12.5 on the drawing (a sheet writes it with a decimal comma), the mass with
    // its decimal comma in the title block.
    EXPECT_NE(c.report.find("F1,   (Н)   : 12.500"), std::string::npos);
    EXPECT_NE(c.geometryPage.find(" 12.5 "), std::string::npos);
    EXPECT_NE(c.dxf.find("F1 = 12,5 "), std::string::npos);
    EXPECT_NE(c.dxf.find("0,00"), std::string::npos);
}

TEST_F(LocaleNumbers, DecimalCommaLocale) {
    expectSameAsInC("ru_RU", "ru_RU.UTF-8");
}

TEST_F(LocaleNumbers, TwoBytePointLocale) {
    expectSameAsInC("ps_AF", "ps_AF.UTF-8");
}

} // namespace
