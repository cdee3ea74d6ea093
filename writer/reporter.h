// How the writer tells the user about a failure while storing a message.
#pragma once

#include <QString>
#include <functional>

namespace mj::writer {

// Shows one failure description (or "directory error") and returns when the
// user has seen it. The window passes a message box; tests pass a recorder.
using reporter = std::function<void(const QString& text)>;

}  // namespace mj::writer
