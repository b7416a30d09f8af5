#include "WpiDocument.h"

namespace Pelm {

WpiDocument::~WpiDocument() = default;

} // namespace Pelm
