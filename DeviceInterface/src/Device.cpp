#include "Device.h"

bool Device::setReportMode() { return ProtocolHandler(this).setReportMode(m_reportMode); }
