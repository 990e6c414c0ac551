// The byte stream of the DXF writer: dxflib's ASCII writer redirected into memory, the
// file's text encoding and the sink the annotation records go through. The one header that
// includes dxflib, which this library links privately: for the DXF writer's files alone.
#pragma once

#include "dxf_annotations.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <optional>
#include <string>
#include <string_view>

namespace torvelix::cad::dxf {

// The text style every text uses.
inline constexpr const char* kTextStyle = "Standard";

// dxflib's ASCII writer with its output redirected into a string. The base class gets no
// file name, so its own stream never opens and is never written. Reals are written with
// ten decimals at most, independent of the locale.
class BufferWriter : public DL_WriterA {
public:
    explicit BufferWriter(DL_Codes::version version) : DL_WriterA("", version) {}

    void dxfReal(int gc, double value) const override;
    void dxfInt(int gc, int value) const override;
    void dxfHex(int gc, int value) const override;
    void dxfString(int gc, const char* value) const override;
    void dxfString(int gc, const std::string& value) const override;

    // While set, every entity written is marked as lying in paper space (group 67, which
    // comes right before the layer name in an entity's common data).
    void setPaperSpace(bool paper) { paperSpace_ = paper; }

    // While set, the viewport written shows this part of the drawing instead of dxflib's
    // fixed view, so that the drawing opens with the spring in sight.
    struct View {
        double centreX;
        double centreY;
        double height;
    };
    void setView(std::optional<View> view) { view_ = view; }
    std::string& text() { return out_; }

private:
    void put(int gc, std::string_view value) const;
    void line(int gc, std::string_view value) const;

    mutable std::string out_;
    bool paperSpace_ = false;
    std::optional<View> view_;
};

// A drawing text as the file holds it: Windows-1251 bytes, other characters as \U+XXXX
// escapes, control characters (a text is one line) as spaces, a caret as "^ ". Codes such
// as "%%c" stay for the CAD program to show as its special characters.
std::string encodeText(const std::string& utf8);

// The annotation records' sink writing through the buffer writer.
class SinkAdapter : public DxfSink {
public:
    explicit SinkAdapter(BufferWriter& writer) : writer_(writer) {}
    void text(int gc, const std::string& value) override { writer_.dxfString(gc, value); }
    void real(int gc, double value) override { writer_.dxfReal(gc, value); }
    void integer(int gc, int value) override { writer_.dxfInt(gc, value); }
    unsigned long handle() override { return writer_.handle(); }

private:
    BufferWriter& writer_;
};

} // namespace torvelix::cad::dxf
