#ifndef DRAVELLO_TESTS_PLUGIN_HOSTSUITETABLES_H
#define DRAVELLO_TESTS_PLUGIN_HOSTSUITETABLES_H

#include "HostSuites.h"

#include <string>

namespace testhost {

SPBasicSuite* basicSuite();

// The table the host serves under the name and version, or null.
const void* suiteTable(const std::string& name, std::int32_t version);

} // namespace testhost

#endif
