#include "tests/app/FreshStart.h"

#include <QApplication>

#include "app/FileTypes1.h"
#include "app/MenuBar1.h"
#include "framework/ui/FileType.h"
#include "framework/ui/Runtime.h"

void ResetToFreshStart() {
    FileTypes1::pTextFile = nullptr;
    FileTypes1::pHTML = nullptr;
    FileTypes1::pPng = nullptr;
    FileTypes1::pAllFileTypes.clear();
    FileTypeRegistry::Clear();
    MenuBar1::_implicitInstance = nullptr;
    _RuntimeRegisterAppObject(nullptr);
    // As RuntimeInit leaves it, until the application opens.
    QApplication::setQuitOnLastWindowClosed(false);
}
