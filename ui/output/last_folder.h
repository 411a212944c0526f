#pragma once

#include <QString>

namespace sredna {

// The folder the last file dialog ended in, whichever dialog it was, kept in
// the user's settings so that the next run starts there too: a pupil who
// saves a picture beside the numbers finds them again. Where it is gone, the
// documents folder, else home.
QString LastFolder();

// Remembers the folder a dialog ended in.
void RememberFolder(const QString& folder);

}  // namespace sredna
