#pragma once

#include <string>

// The files installed with the application: beside the executable in a build
// tree, and in share/velmora beside its bin/ folder once installed.
namespace AppResources {

// The path of the named file, looked up in those two places in that order;
// an empty text when neither holds it.
std::string Path(const std::string& name);

// The folder the lookup starts from: the executable's own, unless
// SetApplicationFolder has put the application elsewhere (an empty text
// returns to the executable's).
std::string ApplicationFolder();
void SetApplicationFolder(const std::string& folder);

}  // namespace AppResources
