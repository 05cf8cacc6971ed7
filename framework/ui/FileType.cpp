#include "framework/ui/FileType.h"

#include <algorithm>
#include <utility>

namespace {
std::vector<std::shared_ptr<const RegisteredFileType>>& registry() {
    static std::vector<std::shared_ptr<const RegisteredFileType>> types;
    return types;
}
}  // namespace

void FileType::setName(std::string value) { name_ = std::move(value), withdraw(); }
void FileType::setExtensions(std::string value) { extensions_ = std::move(value), withdraw(); }
void FileType::setMacType(std::string value) { macType_ = std::move(value), withdraw(); }
void FileType::setMacCreator(std::string value) { macCreator_ = std::move(value), withdraw(); }
void FileType::setMimeType(std::string value) { mimeType_ = std::move(value), withdraw(); }
void FileType::setImported(Boolean value) { imported_ = value, withdraw(); }
void FileType::setConformsTo(std::string value) { conformsTo_ = std::move(value), withdraw(); }
void FileType::setUTI(std::string value) { uti_ = std::move(value), withdraw(); }

std::string FileType::Operator_Convert() {
    if (!registration_) {
        registration_ = std::make_shared<const RegisteredFileType>(
            RegisteredFileType{name_, macCreator_, macType_, extensions_, uti_});
        registry().push_back(registration_);
    }
    return name_;
}

void FileType::withdraw() {
    if (!registration_) return;
    auto& types = registry();
    types.erase(std::remove(types.begin(), types.end(), registration_), types.end());
    registration_.reset();
}

namespace FileTypeRegistry {
std::vector<std::shared_ptr<const RegisteredFileType>> All() { return registry(); }

std::shared_ptr<const RegisteredFileType> FindByName(const std::string& name) {
    const auto& types = registry();
    auto found = std::find_if(types.rbegin(), types.rend(),
                              [&](const auto& type) { return type->name == name; });
    return found == types.rend() ? nullptr : *found;
}

void Clear() { registry().clear(); }
}  // namespace FileTypeRegistry
