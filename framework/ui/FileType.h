#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/runtime/Types.h"

// What the platform keeps of a registered document type; the save dialogs
// build their filters from these records.
struct RegisteredFileType {
    std::string name;
    std::string macCreator;
    std::string macType;
    std::string extensions;  // ".html", or several separated by ";"
    std::string uti;
};

// A document type. Converting it to text registers it (once) and gives its
// Name; changing any property withdraws the registration, so the next
// conversion registers the current values.
class FileType {
  public:
    const std::string& Name() const { return name_; }
    const std::string& Extensions() const { return extensions_; }
    const std::string& MacType() const { return macType_; }
    const std::string& MacCreator() const { return macCreator_; }
    const std::string& MimeType() const { return mimeType_; }
    Boolean Imported() const { return imported_; }
    const std::string& ConformsTo() const { return conformsTo_; }
    const std::string& UTI() const { return uti_; }

    void setName(std::string value);
    void setExtensions(std::string value);
    void setMacType(std::string value);
    void setMacCreator(std::string value);
    void setMimeType(std::string value);
    void setImported(Boolean value);
    void setConformsTo(std::string value);
    void setUTI(std::string value);

    std::string Operator_Convert();

  private:
    void withdraw();

    std::string name_, extensions_, macType_, macCreator_, mimeType_, conformsTo_, uti_;
    Boolean imported_ = false;
    std::shared_ptr<const RegisteredFileType> registration_;
};

// The platform's registry of document types, in order of registration.
namespace FileTypeRegistry {
std::vector<std::shared_ptr<const RegisteredFileType>> All();
// The most recently registered type of that name, or nullptr.
std::shared_ptr<const RegisteredFileType> FindByName(const std::string& name);
// Empties the registry; for tests that start a fresh run.
void Clear();
}  // namespace FileTypeRegistry
