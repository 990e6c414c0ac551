// The built-in word-processor backend's objects: application, documents,
// selection and font over DocxDocument, and the connector that creates them.
#include "docx_word_backend.h"

#include <filesystem>
#include <stdexcept>

#include "docx_opener.h"
#include "docx_package.h"
#include "file_write.h"
#include "private_folder.h"

namespace torvelix::wordexport {

namespace {

// Runs one call on the document; the document's own errors become the
// application's errors.
template <typename Call> void asWordCall(Call call) {
    try {
        call();
    } catch (const WordException&) {
        throw;
    } catch (const WordAutomationFailure&) {
        throw;
    } catch (const UserError& error) {
        throw WordException(error.what());
    }
}

class DocxFont : public WordFont {
public:
    explicit DocxFont(std::shared_ptr<DocxDocument> document) : document_(std::move(document)) {}
    void SetName(const std::string& name) override {
        asWordCall([&] { document_->setFontName(name); });
    }
    void SetSize(double points) override {
        asWordCall([&] { document_->setFontSize(points); });
    }

private:
    std::shared_ptr<DocxDocument> document_;
};

class DocxSelection : public WordSelection {
public:
    explicit DocxSelection(std::shared_ptr<DocxDocument> document)
        : document_(std::move(document)) {}
    void WholeStory() override {
        asWordCall([&] { document_->selectWholeStory(); });
    }
    std::shared_ptr<WordFont> Font() override { return std::make_shared<DocxFont>(document_); }
    void TypeText(const std::string& text) override {
        asWordCall([&] { document_->TypeText(text); });
    }

private:
    std::shared_ptr<DocxDocument> document_;
};

std::string temporaryFolder(const std::string& configured) {
    std::error_code error;
    const std::filesystem::path folder = configured.empty() ? std::filesystem::path(reportFolder())
                                                            : std::filesystem::path(configured);
    if (folder.empty() || error || !std::filesystem::is_directory(folder, error) ||
        !isWritableFolder(folder.string())) {
        throw WordAutomationFailure("no writable temporary folder" +
                                        (folder.empty() ? std::string() : ": " + folder.string()),
                                    kServerExecFailure);
    }
    return folder.string();
}

} // namespace

std::string reportFolder() {
    return privateTemporaryFolder("torvelix");
}

int clearOldReports(const std::string& folder, std::chrono::seconds age) {
    std::error_code error;
    const auto limit = std::filesystem::file_time_type::clock::now() - age;
    int removed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("torvelix-report", 0) != 0 || entry.path().extension() != ".docx" ||
            !entry.is_regular_file(error)) {
            continue;
        }
        const auto written = entry.last_write_time(error);
        if (!error && written < limit && std::filesystem::remove(entry.path(), error)) {
            ++removed;
        }
    }
    return removed;
}

class DocxDocuments : public WordDocuments {
public:
    explicit DocxDocuments(DocxWordApplication& application) : application_(application) {}
    void Add() override {
        asWordCall([&] { application_.addDocument(); });
    }

private:
    DocxWordApplication& application_;
};

DocxWordApplication::DocxWordApplication(ShowDocument show, std::size_t maxTextBytes)
    : show_(std::move(show)), maxTextBytes_(maxTextBytes) {}

std::shared_ptr<WordDocuments> DocxWordApplication::Documents() {
    return std::make_shared<DocxDocuments>(*this);
}

void DocxWordApplication::addDocument() {
    documents_.push_back(std::make_shared<DocxDocument>(maxTextBytes_));
}

std::shared_ptr<WordSelection> DocxWordApplication::Selection() {
    if (documents_.empty()) {
        throw WordException("This command is not available because no document is open.");
    }
    return std::make_shared<DocxSelection>(documents_.back());
}

void DocxWordApplication::SetVisible(bool visible) {
    visible_ = visible;
    if (!visible) {
        return;
    }
    for (; shownCount_ < documents_.size(); ++shownCount_) {
        try {
            show_(*documents_[shownCount_]);
        } catch (const WordAutomationFailure&) {
            throw;
        } catch (const UserError& error) {
            // The file could not be written or the opener not started: the application
            // cannot show the document. Other exceptions (no memory) are no link failure.
            throw WordAutomationFailure(error.what(), kServerExecFailure);
        }
    }
}

std::vector<std::shared_ptr<const DocxDocument>> DocxWordApplication::documents() const {
    return {documents_.begin(), documents_.end()};
}

DocxWordConnector::DocxWordConnector(DocxBackendOptions options)
    : options_(std::move(options)), shownFiles_(std::make_shared<std::vector<std::string>>()) {}

std::shared_ptr<WordApplication> DocxWordConnector::CreateObject(const std::string& progId) {
    if (progId != "Word.Application") {
        throw WordAutomationFailure("class not registered: " + progId, kClassNotRegistered);
    }
    const std::string folder = temporaryFolder(options_.tempDirectory);
    std::string opener;
    try {
        opener = resolveOpener(options_.opener);
    } catch (const UserError& error) {
        throw WordAutomationFailure(error.what(), kServerExecFailure);
    }
    auto shownFiles = shownFiles_;
    auto show = [folder, opener, shownFiles](const DocxDocument& document) {
        const std::string path =
            writeNewFile(folder, "torvelix-report", ".docx", buildDocxPackage(document));
        try {
            launchOpener(opener, path);
        } catch (...) {
            std::filesystem::remove(path); // nobody will see it
            throw;
        }
        shownFiles->push_back(path);
    };
    return std::make_shared<DocxWordApplication>(show, options_.maxTextBytes);
}

} // namespace torvelix::wordexport
