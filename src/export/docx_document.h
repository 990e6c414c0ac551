// The document the built-in word-processor backend types into: paragraphs of
// formatted runs, a selection that is the whole story or the insertion point at
// the end, and the WordprocessingML main part that holds them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace torvelix::wordexport {

// Character formatting. An empty font name or a size of 0 means the document's
// default (from its styles part).
struct CharFormat {
    std::string fontName;
    int halfPoints = 0;
    bool operator==(const CharFormat&) const = default;
};

// Text of a run is valid UTF-8 free of XML-forbidden characters; it may hold '\t'
// (a tab), '\v' (a line break inside the paragraph) and '\f' (a page break).
struct Run {
    std::string text;
    CharFormat format;
};

struct Paragraph {
    std::vector<Run> runs;
    CharFormat markFormat; // formatting of the paragraph mark
};

// Largest font size the word processor accepts, in points.
inline constexpr double kMaxFontSizePt = 1638;

class DocxDocument {
public:
    // maxTextBytes bounds the typed text kept in memory.
    explicit DocxDocument(std::size_t maxTextBytes = 32u << 20);

    void selectWholeStory();
    // Apply to the selection and to the text typed afterwards.
    // Throw WordException for an empty name or a size outside 1 .. 1638 points.
    void setFontName(const std::string& name);
    void setFontSize(double points);
    // Typing over the whole story replaces it. A carriage return, a line feed, or the
    // pair CR LF ends the paragraph; invalid UTF-8 becomes U+FFFD and control
    // characters other than tab, vertical tab and form feed are dropped. Throws
    // WordException, leaving the document unchanged, when the text would pass
    // the size bound.
    void TypeText(const std::string& text);

    const std::vector<Paragraph>& paragraphs() const { return paragraphs_; }
    const CharFormat& insertionFormat() const { return insertion_; }

    // word/document.xml: every paragraph with its runs, A4 portrait page.
    std::string mainPartXml() const;

private:
    void appendToLastParagraph(const std::string& text);

    std::vector<Paragraph> paragraphs_;
    CharFormat insertion_;
    bool wholeStorySelected_ = false;
    std::size_t textBytes_ = 0;
    std::size_t maxTextBytes_;
};

// Valid UTF-8 for XML 1.0 text: invalid sequences become U+FFFD, C0 controls other
// than those in keep are dropped, as are U+FFFE and U+FFFF.
std::string sanitizeUtf8(const std::string& text, const std::string& keep);

// Escapes &, <, >, " for XML text and attribute values.
std::string xmlEscape(const std::string& text);

} // namespace torvelix::wordexport
