// The built-in backend's document: typing, character formatting of the selection,
// and the WordprocessingML main part.
#include "docx_document.h"

#include <cmath>
#include <stdexcept>

namespace torvelix::wordexport {

namespace {

constexpr const char* kReplacementChar = "\xEF\xBF\xBD"; // U+FFFD

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at text[pos], or 0 when it is not one.
std::size_t SequenceLength(const std::string& text, std::size_t pos) {
    const auto byte = [&](std::size_t i) -> unsigned char {
        return pos + i < text.size() ? static_cast<unsigned char>(text[pos + i]) : 0;
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(byte(i))) {
            return 0;
        }
    }
    return length;
}

std::string RunPropertiesXml(const CharFormat& format) {
    std::string xml;
    if (!format.fontName.empty()) {
        const std::string name = XmlEscape(format.fontName);
        xml +=
            "<w:rFonts w:ascii=\"" + name + "\" w:hAnsi=\"" + name + "\" w:cs=\"" + name + "\"/>";
    }
    if (format.halfPoints > 0) {
        const std::string size = std::to_string(format.halfPoints);
        xml += "<w:sz w:val=\"" + size + "\"/><w:szCs w:val=\"" + size + "\"/>";
    }
    return xml.empty() ? xml : "<w:rPr>" + xml + "</w:rPr>";
}

// The run's content: text pieces with their blanks kept, tabs and breaks between them.
std::string RunContentXml(const std::string& text) {
    std::string xml;
    std::string piece;
    const auto flush = [&] {
        if (!piece.empty()) {
            xml += "<w:t xml:space=\"preserve\">" + XmlEscape(piece) + "</w:t>";
            piece.clear();
        }
    };
    for (char c : text) {
        if (c == '\t') {
            flush();
            xml += "<w:tab/>";
        } else if (c == '\v') {
            flush();
            xml += "<w:br/>";
        } else if (c == '\f') {
            flush();
            xml += "<w:br w:type=\"page\"/>";
        } else {
            piece += c;
        }
    }
    flush();
    return xml;
}

} // namespace

std::string SanitizeUtf8(const std::string& text, const std::string& keep) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t length = SequenceLength(text, pos);
        if (length == 0) {
            out += kReplacementChar;
            ++pos;
            continue;
        }
        const unsigned char lead = static_cast<unsigned char>(text[pos]);
        const bool forbiddenControl = lead < 0x20 && keep.find(text[pos]) == std::string::npos;
        const bool nonCharacter = length == 3 && lead == 0xEF && text[pos + 1] == '\xBF' &&
                                  (text[pos + 2] == '\xBE' || text[pos + 2] == '\xBF');
        if (!forbiddenControl && !nonCharacter) {
            out.append(text, pos, length);
        }
        pos += length;
    }
    return out;
}

std::string XmlEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

DocxDocument::DocxDocument(std::size_t maxTextBytes)
    : paragraphs_(1), maxTextBytes_(maxTextBytes) {}

void DocxDocument::SelectWholeStory() {
    wholeStorySelected_ = true;
}

void DocxDocument::SetFontName(const std::string& name) {
    const std::string clean = SanitizeUtf8(name, "");
    if (clean.find_first_not_of(' ') == std::string::npos) {
        throw std::invalid_argument("Font name is empty.");
    }
    insertion_.fontName = clean;
    if (wholeStorySelected_) {
        for (Paragraph& paragraph : paragraphs_) {
            paragraph.markFormat.fontName = clean;
            for (Run& run : paragraph.runs) {
                run.format.fontName = clean;
            }
        }
    } else if (paragraphs_.back().runs.empty()) {
        paragraphs_.back().markFormat.fontName = clean;
    }
}

void DocxDocument::SetFontSize(double points) {
    if (!std::isfinite(points) || points < 1 || points > kMaxFontSizePt) {
        throw std::invalid_argument("The number must be between 1 and 1638.");
    }
    const int halfPoints = static_cast<int>(std::lround(points * 2));
    insertion_.halfPoints = halfPoints;
    if (wholeStorySelected_) {
        for (Paragraph& paragraph : paragraphs_) {
            paragraph.markFormat.halfPoints = halfPoints;
            for (Run& run : paragraph.runs) {
                run.format.halfPoints = halfPoints;
            }
        }
    } else if (paragraphs_.back().runs.empty()) {
        paragraphs_.back().markFormat.halfPoints = halfPoints;
    }
}

void DocxDocument::TypeText(const std::string& text) {
    const std::string clean = SanitizeUtf8(text, "\t\v\f\r\n");
    const std::size_t keptBytes = wholeStorySelected_ ? 0 : textBytes_;
    if (clean.size() > maxTextBytes_ || keptBytes > maxTextBytes_ - clean.size()) {
        throw std::length_error("The document is too large.");
    }
    if (wholeStorySelected_) {
        paragraphs_.assign(1, Paragraph{{}, insertion_});
        wholeStorySelected_ = false;
    }
    textBytes_ = keptBytes + clean.size();

    std::string piece;
    for (std::size_t i = 0; i < clean.size(); ++i) {
        const char c = clean[i];
        if (c != '\r' && c != '\n') {
            piece += c;
            continue;
        }
        if (c == '\r' && i + 1 < clean.size() && clean[i + 1] == '\n') {
            ++i;
        }
        AppendToLastParagraph(piece);
        piece.clear();
        paragraphs_.push_back(Paragraph{{}, insertion_});
    }
    AppendToLastParagraph(piece);
}

void DocxDocument::AppendToLastParagraph(const std::string& text) {
    if (text.empty()) {
        return;
    }
    std::vector<Run>& runs = paragraphs_.back().runs;
    if (!runs.empty() && runs.back().format == insertion_) {
        runs.back().text += text;
    } else {
        runs.push_back(Run{text, insertion_});
    }
}

std::string DocxDocument::MainPartXml() const {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:body>";
    for (const Paragraph& paragraph : paragraphs_) {
        xml += "<w:p>";
        const std::string markProperties = RunPropertiesXml(paragraph.markFormat);
        if (!markProperties.empty()) {
            xml += "<w:pPr>" + markProperties + "</w:pPr>";
        }
        for (const Run& run : paragraph.runs) {
            xml += "<w:r>" + RunPropertiesXml(run.format) + RunContentXml(run.text) + "</w:r>";
        }
        xml += "</w:p>";
    }
    // A4 portrait; margins leave 165 mm of text width, room for a 62-character line
    // of a 12-point fixed-pitch font (62 x 7.2 pt = 157.5 mm), and 267 mm of height:
    // 757 pt, 58 lines of 13 pt.
    xml += "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
           "<w:pgMar w:top=\"850\" w:right=\"850\" w:bottom=\"850\" w:left=\"1701\""
           " w:header=\"709\" w:footer=\"709\" w:gutter=\"0\"/></w:sectPr>"
           "</w:body></w:document>\n";
    return xml;
}

} // namespace torvelix::wordexport
