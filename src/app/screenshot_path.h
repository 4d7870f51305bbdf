// Where a script's `screenshot PATH` may write. A script may come from someone else (a recording
// attached to a bug report), so it writes only below its folder and never over a file that is
// not a picture.
#pragma once

#include <string>

namespace app {

// The file a screenshot of PATH goes to, below folder (the current folder when empty). False with
// the reason in error for an empty or absolute path, a path with "..", a name that does not end
// in ".png", or an existing file that is not a PNG picture (or not a regular file).
bool ScreenshotTarget(const std::string& folder, const std::string& path, std::string& target,
                      std::string& error);

}  // namespace app
