// The built-in word-processor backend: an application object whose documents are
// built as they are typed and, when it is made visible, written as .docx files to
// the user's temporary folder and shown by the system's program for .docx files.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "docx_document.h"
#include "word_automation.h"

namespace torvelix::wordexport {

// An application object over DocxDocument. Documents(), Selection(), the font and
// typing report their errors as WordException (no document open, a font size out
// of range, a document grown past its bound). SetVisible(true) hands every
// document not shown yet to show; an error there is an WordAutomationFailure, as for
// an application that cannot be started.
class DocxWordApplication : public WordApplication {
public:
    using ShowDocument = std::function<void(const DocxDocument&)>;

    explicit DocxWordApplication(ShowDocument show, std::size_t maxTextBytes = 32u << 20);

    std::shared_ptr<WordDocuments> Documents() override;
    std::shared_ptr<WordSelection> Selection() override;
    void SetVisible(bool visible) override;

    bool visible() const { return visible_; }
    // The documents added so far, oldest first; the last one is the active one.
    std::vector<std::shared_ptr<const DocxDocument>> documents() const;

private:
    friend class DocxDocuments;
    void addDocument();

    ShowDocument show_;
    std::size_t maxTextBytes_;
    std::vector<std::shared_ptr<DocxDocument>> documents_;
    std::size_t shownCount_ = 0;
    bool visible_ = false;
};

// The program's own folder for shown documents: torvelix-<uid> in the user's
// temporary folder (TMPDIR, else /tmp), made readable by the user alone when
// missing. Empty when there is no temporary folder or it cannot be made.
std::string reportFolder();

// Removes the report documents (torvelix-report*.docx) in folder last written more
// than `age` ago; other files stay. Returns how many went. Run at start, so that shown
// documents do not pile up while those of a recent run stay open.
int clearOldReports(const std::string& folder, std::chrono::seconds age);

struct DocxBackendOptions {
    // Where shown documents are written; empty: reportFolder().
    std::string tempDirectory;
    // The program that shows them; empty: see resolveOpener.
    std::string opener;
    std::size_t maxTextBytes = 32u << 20;
};

// Creates DocxWordApplication objects for "Word.Application". Throws
// WordAutomationFailure for any other identifier (not registered), and when there is no
// temporary folder to write to or no program to show the documents (cannot be
// started), so that no document is made.
class DocxWordConnector : public WordConnector {
public:
    explicit DocxWordConnector(DocxBackendOptions options = {});

    std::shared_ptr<WordApplication> CreateObject(const std::string& progId) override;

    // Paths of the files written and handed to the opener, in order.
    const std::vector<std::string>& shownFiles() const { return *shownFiles_; }

private:
    DocxBackendOptions options_;
    std::shared_ptr<std::vector<std::string>> shownFiles_;
};

} // namespace torvelix::wordexport
