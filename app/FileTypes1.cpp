#include "app/FileTypes1.h"

#include <string>

namespace FileTypes1 {

std::shared_ptr<FileType> pTextFile;
std::shared_ptr<FileType> pHTML;
std::shared_ptr<FileType> pPng;
std::vector<std::shared_ptr<FileType>> pAllFileTypes;

std::shared_ptr<FileType> TextFile() { return pTextFile; }
std::shared_ptr<FileType> HTML() { return pHTML; }
std::shared_ptr<FileType> Png() { return pPng; }

namespace {
struct Definition {
    std::string name, extensions, macType, macCreator, mimeType;
    Boolean imported;
    std::string conformsTo, uti;
};

void define(std::shared_ptr<FileType>& variable, std::shared_ptr<FileType> (*accessor)(),
            const Definition& definition) {
    variable = std::make_shared<FileType>();
    variable->setName(definition.name);
    variable->setExtensions(definition.extensions);
    variable->setMacType(definition.macType);
    variable->setMacCreator(definition.macCreator);
    variable->setMimeType(definition.mimeType);
    variable->setImported(definition.imported);
    variable->setConformsTo(definition.conformsTo);
    if (!definition.uti.empty()) variable->setUTI(definition.uti);
    pAllFileTypes.push_back(variable);
    accessor()->Operator_Convert();  // registers the type
}
}  // namespace

void _Initialize() {
    define(pTextFile, TextFile, {"Text File", ".txt", "", "", "", true, "", ""});
    define(pHTML, HTML, {"HTML", ".html", "", "", "", true, "", ""});
    // The PNG type's Name is the MIME form, its MimeType empty.
    define(pPng, Png,
           {"image/png", ".png", "PNGf", "ogle", "", true, "public.image", "public.png"});
}

}  // namespace FileTypes1
