// The built-in backend's document: typing, character formatting of the selection,
// and the WordprocessingML main part.
#include "docx_document.h"

#include "utf8.h"
#include "word_automation.h"

#include <cmath>
#include <stdexcept>

namespace torvelix::wordexport {

namespace {

constexpr const char* kReplacementChar = "\xEF\xBF\xBD"; // U+FFFD

std::string runPropertiesXml(const CharFormat& format) {
    std::string xml;
    if (!format.fontName.empty()) {
        const std::string name = xmlEscape(format.fontName);
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
std::string runContentXml(const std::string& text) {
    std::string xml;
    std::string piece;
    const auto flush = [&] {
        if (!piece.empty()) {
            xml += "<w:t xml:space=\"preserve\">" + xmlEscape(piece) + "</w:t>";
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

std::string sanitizeUtf8(const std::string& text, const std::string& keep) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const std::optional<char32_t> cp = nextCodePoint(text, pos);
        if (!cp) {
            out += kReplacementChar;
            continue;
        }
        const bool forbiddenControl =
            *cp < 0x20 && keep.find(static_cast<char>(*cp)) == std::string::npos;
        const bool nonCharacter = *cp == 0xFFFE || *cp == 0xFFFF;
        if (!forbiddenControl && !nonCharacter) {
            out.append(text, start, pos - start);
        }
    }
    return out;
}

std::string xmlEscape(const std::string& text) {
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

void DocxDocument::selectWholeStory() {
    wholeStorySelected_ = true;
}

void DocxDocument::setFontName(const std::string& name) {
    const std::string clean = sanitizeUtf8(name, "");
    if (clean.find_first_not_of(' ') == std::string::npos) {
        throw WordException("Font name is empty.");
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

void DocxDocument::setFontSize(double points) {
    if (!std::isfinite(points) || points < 1 || points > kMaxFontSizePt) {
        throw WordException("The number must be between 1 and 1638.");
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
    const std::string clean = sanitizeUtf8(text, "\t\v\f\r\n");
    const std::size_t keptBytes = wholeStorySelected_ ? 0 : textBytes_;
    if (clean.size() > maxTextBytes_ || keptBytes > maxTextBytes_ - clean.size()) {
        throw WordException("The document is too large.");
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
        appendToLastParagraph(piece);
        piece.clear();
        paragraphs_.push_back(Paragraph{{}, insertion_});
    }
    appendToLastParagraph(piece);
}

void DocxDocument::appendToLastParagraph(const std::string& text) {
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

std::string DocxDocument::mainPartXml() const {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:body>";
    for (const Paragraph& paragraph : paragraphs_) {
        xml += "<w:p>";
        const std::string markProperties = runPropertiesXml(paragraph.markFormat);
        if (!markProperties.empty()) {
            xml += "<w:pPr>" + markProperties + "</w:pPr>";
        }
        for (const Run& run : paragraph.runs) {
            xml += "<w:r>" + runPropertiesXml(run.format) + runContentXml(run.text) + "</w:r>";
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
