// Zips the parts of a .docx with libzip in memory.
#include "docx_package.h"

#include "errors.h"

#include <memory>
#include <stdexcept>
#include <vector>
#include <zip.h>

namespace torvelix::wordexport {

namespace {

constexpr const char* kContentTypesXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" "
    "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
    "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "<Override PartName=\"/word/styles.xml\" ContentType=\"application/"
    "vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
    "</Types>\n";

constexpr const char* kPackageRelsXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/officeDocument\" Target=\"word/document.xml\"/>"
    "</Relationships>\n";

constexpr const char* kDocumentRelsXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
    "relationships/styles\" Target=\"styles.xml\"/>"
    "</Relationships>\n";

// A new document's defaults: Times New Roman 10 point, Russian, no space between
// paragraphs and lines exactly 13 points apart, so that the longest report (54
// paragraphs of 12-point Courier New) fits one A4 page; the typed text carries its
// own font.
constexpr const char* kStylesXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:docDefaults><w:rPrDefault><w:rPr>"
    "<w:rFonts w:ascii=\"Times New Roman\" w:eastAsia=\"Times New Roman\" "
    "w:hAnsi=\"Times New Roman\" w:cs=\"Times New Roman\"/>"
    "<w:sz w:val=\"20\"/><w:szCs w:val=\"20\"/><w:lang w:val=\"ru-RU\"/>"
    "</w:rPr></w:rPrDefault>"
    "<w:pPrDefault><w:pPr><w:spacing w:before=\"0\" w:after=\"0\" w:line=\"260\" "
    "w:lineRule=\"exact\"/>"
    "</w:pPr></w:pPrDefault></w:docDefaults>"
    "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\">"
    "<w:name w:val=\"Normal\"/><w:qFormat/></w:style>"
    "</w:styles>\n";

struct ArchiveSourceDeleter {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using ArchiveSource = std::unique_ptr<zip_source_t, ArchiveSourceDeleter>;

[[noreturn]] void throwZipError(const std::string& what, zip_error_t* error) {
    const std::string reason = zip_error_strerror(error);
    zip_error_fini(error);
    throw UserError("cannot build the .docx archive: " + what + ": " + reason);
}

} // namespace

std::string buildDocxPackage(const DocxDocument& document) {
    const std::vector<std::pair<const char*, std::string>> parts = {
        {"[Content_Types].xml", kContentTypesXml},
        {"_rels/.rels", kPackageRelsXml},
        {"word/document.xml", document.mainPartXml()},
        {"word/_rels/document.xml.rels", kDocumentRelsXml},
        {"word/styles.xml", kStylesXml},
    };

    zip_error_t error;
    zip_error_init(&error);
    ArchiveSource buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!buffer) {
        throwZipError("memory buffer", &error);
    }
    zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        throwZipError("open", &error);
    }
    zip_source_keep(buffer.get()); // the archive's close would free it otherwise

    for (const auto& [name, content] : parts) {
        zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
        if (source == nullptr || zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            const std::string reason = zip_strerror(archive);
            zip_discard(archive);
            throw UserError(std::string("cannot build the .docx archive: ") + name + ": " + reason);
        }
    }
    if (zip_close(archive) != 0) {
        const std::string reason = zip_strerror(archive);
        zip_discard(archive);
        throw UserError("cannot build the .docx archive: " + reason);
    }

    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(buffer.get(), &stat) != 0 || zip_source_open(buffer.get()) != 0) {
        throwZipError("read back", zip_source_error(buffer.get()));
    }
    std::string bytes(static_cast<std::size_t>(stat.size), '\0');
    const zip_int64_t read = zip_source_read(buffer.get(), bytes.data(), stat.size);
    zip_source_close(buffer.get());
    if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size) {
        throw UserError("cannot build the .docx archive: short read of the archive");
    }
    return bytes;
}

} // namespace torvelix::wordexport
