#pragma once

#include <memory>
#include <vector>

#include "framework/ui/FileType.h"

// The program's document types, created and registered at start-up.
namespace FileTypes1 {

extern std::shared_ptr<FileType> pTextFile;
extern std::shared_ptr<FileType> pHTML;
extern std::shared_ptr<FileType> pPng;
// Every type of the module, in the order of creation.
extern std::vector<std::shared_ptr<FileType>> pAllFileTypes;

// nullptr until _Initialize has run.
std::shared_ptr<FileType> TextFile();
std::shared_ptr<FileType> HTML();
std::shared_ptr<FileType> Png();

// Creates, lists and registers the text file, HTML and PNG types, each
// complete before the next.
void _Initialize();

}  // namespace FileTypes1
