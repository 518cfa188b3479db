#pragma once

#include <optional>

#include "model/model.h"

namespace tessaro {
class CVelmarDoc;
}

namespace tessaro::app {

// The Model value a window's document holds now; empty when the document
// holds a value a model file refuses. The one place where the app reads a
// Model out of its document.
[[nodiscard]] std::optional<tessaro::Model> ModelOfDocument(const tessaro::CVelmarDoc& document);

}  // namespace tessaro::app
